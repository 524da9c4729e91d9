// Coordinate text files through the Import and Coordinates Export menus: the save prompt, the
// dialogs, the new case, the errors window, both options windows and the files they write.
#include "files/CoordinateExport.h"
#include "files/ExportOptionsFile.h"
#include "files/ImportOptionsFile.h"
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "ui/files/CoordinateCommands.h"
#include "ui/files/ExportOptionsWindow.h"
#include "ui/files/ImportErrorsWindow.h"
#include "ui/files/ImportOptionsWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

using namespace zorvane;
using namespace zorvane::testing;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(zorvane::CaseMode)
Q_DECLARE_METATYPE(zorvane::SaveAnswer)

namespace {

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// Grid row r (0 = the first point), without its empty cells at the end.
QStringList row(UiHarness& h, int r) {
    const QAbstractItemModel* m = h.window->grid(h.state().mode)->model();
    QStringList out;
    for (int c = 0; c < m->columnCount(); ++c) out << m->index(r, c).data().toString();
    while (!out.isEmpty() && out.back().isEmpty()) out.pop_back();
    return out;
}

void addPoint(UiHarness& h, const char* n, const char* a, const char* b, const char* desc) {
    ui::EntryPage* p = h.entry().currentPage();
    p->numberField()->setText(n);
    p->valueFields()[0]->setText(a);
    p->valueFields()[1]->setText(b);
    p->descriptorBox()->setEditText(desc);
    h.entry().createPoint();
}

// Runs `act` once the dialog shows (an import runs timers while it reads, before the window
// opens), then closes it if `act` left it open: a failing check never leaves a test waiting.
template <class F> void whenShown(QDialog* dialog, F act) {
    auto* poll = new QTimer(dialog);
    QObject::connect(poll, &QTimer::timeout, dialog, [dialog, poll, act] {
        if (!dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act();
        if (dialog->isVisible()) dialog->reject();
    });
    poll->start(0);
}

fs::path optionFile(UiHarness& h, const char* name) {
    return h.context.optionFiles.locate(name).readFrom;
}

} // namespace

class CoordinateFilesTest : public QObject {
    Q_OBJECT

    // Every test starts from the options shipped with the program.
    static void shippedOptions(UiHarness& h) {
        for (const char* name : {kImportOptionsFileName, kExportOptionsFileName})
            fs::remove_all(h.context.optionFiles.locate(name).writeTo);
        saveImportOptions(h.context.optionFiles.locate(kImportOptionsFileName).writeTo, {});
        saveExportOptions(h.context.optionFiles.locate(kExportOptionsFileName).writeTo, {});
    }
    static ui::CoordinateCommands& coords(UiHarness& h) { return h.shell->coordinates(); }

  private Q_SLOTS:
    void importsEachModeThroughTheMenu_data() {
        QTest::addColumn<CaseMode>("mode");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("firstRow");
        QTest::newRow("xyz") << CaseMode::Xyz << "ImportXYZ1"
                             << "Import XYZ files" << 1 << "zvx"
                             << "12, 1.5, 2.5, 0.0, TREE\r\n\r\n13,,2,3,4,@\r\n"
                             << QStringList{"12", "1.50", "2.50", "0.00", "TREE"};
        QTest::newRow("polar") << CaseMode::Polar << "ImportPolar1"
                               << "Import Polar files" << 2 << "zvp"
                               << "1,45,10,1.5,Kerb\n2,90,3,0,Sign\n"
                               << QStringList{"1", "45.00", "10.00", "1.50", "Kerb"};
        QTest::newRow("nesw") << CaseMode::Nesw << "ImportNESW1"
                              << "Import NESW files" << 3 << "zvn"
                              << "7,5,0,0,2,1.2,Door\n8,1,1,0,0,0,Sill\n"
                              << QStringList{"7", "5.00", "0.00", "0.00", "2.00", "1.20", "Door"};
    }
    void importsEachModeThroughTheMenu() {
        QFETCH(CaseMode, mode);
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(int, filterIndex);
        QFETCH(QString, extension);
        QFETCH(QString, content);
        QFETCH(QStringList, firstRow);
        TempDir dir;
        const fs::path file = dir / ("site." + extension.toStdString());
        write(file, content.toStdString());
        UiHarness h;
        shippedOptions(h);
        h.settings.setFolder("importpath", dir.path().string());
        h.shell.reset();
        h.shell = std::make_unique<ui::AppShell>(h.context); // reads the remembered folder
        h.window = &h.shell->mainWindow();
        h.show();

        h.prompts.fileAnswers = {file.string()};
        h.window->action(action.toLatin1().constData())->trigger();

        QCOMPARE(h.prompts.texts("open"), std::vector<std::string>{title.toStdString()});
        const FileDialogRequest& r = h.prompts.shown.back().request;
        QCOMPARE(r.filterIndex, filterIndex);
        QCOMPARE(r.defaultExtension, extension.toStdString());
        QCOMPARE(r.initialFolder, dir.path().string());
        QVERIFY(r.filter.starts_with("XYZ files (*.zvx, *.txt)|"));
        QVERIFY(h.prompts.errors().empty());
        QCOMPARE(h.state().mode, mode);
        QCOMPARE(h.state().points.size(), std::size_t(2));
        QCOMPARE(row(h, 0), firstRow);
        QVERIFY(row(h, 2).isEmpty()); // the new-point row
        QVERIFY(h.doc().isClean());
        QCOMPARE(h.window->statusText(0), "File: " + QString::fromStdString(file.string()));
        QCOMPARE(h.settings.folder("importpath"), dir.path().string());
    }

    void rejectedLinesAreListedInTheErrorsWindow() {
        TempDir dir;
        const fs::path file = dir / "survey.txt";
        write(file,
              "1,1,2,3,Pole\r\n\r\n3,abc,1,2,Bad\r\n   \r\n5,4,5\r\n6,7,8,9,*\r\n7,1,1,1,@\r\n");
        UiHarness h;
        shippedOptions(h);
        h.show();
        auto* errors = coords(h).importErrorsWindow();
        QString title, heading, hint, listed;
        whenShown(errors, [&] {
            title = errors->windowTitle();
            heading = errors->findChild<QLabel*>("Label1")->text();
            hint = errors->findChild<QLabel*>("Label2")->text();
            listed = errors->list()->toPlainText();
            errors->findChild<QPushButton*>("close")->click();
        });
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(coords(h).importFile(CaseMode::Xyz));

        QCOMPARE(title, QString(" Import Errors"));
        QCOMPARE(heading,
                 QString("There were errors while importing file  in the following lines:"));
        QCOMPARE(hint, QString("Please check Import Options"));
        QCOMPARE(listed, QString("3. 3,abc,1,2,Bad\n5. 5,4,5\n6. 6,7,8,9,*"));
        QVERIFY(errors->list()->isReadOnly());
        QCOMPARE(h.state().points.size(), std::size_t(2));
        QCOMPARE(row(h, 1), (QStringList{"7", "1.00", "1.00", "1.00"})); // "@": no descriptor
        QCOMPARE(h.window->statusText(1), QString("Last Point: 7"));
    }

    void theSavePromptComesFirst_data() {
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<bool>("imported");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("cancel keeps the case")
            << SaveAnswer::Cancel << false << false << QStringList{"save?"};
        QTest::newRow("a failed save keeps the case")
            << SaveAnswer::Yes << true << false << QStringList{"save?", "save", "error"};
        QTest::newRow("yes saves, then imports")
            << SaveAnswer::Yes << false << true << QStringList{"save?", "save", "open"};
        QTest::newRow("no imports")
            << SaveAnswer::No << false << true << QStringList{"save?", "open"};
    }
    void theSavePromptComesFirst() {
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, saveFails);
        QFETCH(bool, imported);
        QFETCH(QStringList, dialogs);
        TempDir dir;
        write(dir / "plain", "a file where a folder should be");
        const fs::path file = dir / "site.zvp";
        write(file, "1,0,5,0,Post\n");
        UiHarness h;
        shippedOptions(h);
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h, "1", "1", "2", "Pole");
        addPoint(h, "2", "3", "4", "Sign");
        h.prompts.clear();

        h.prompts.saveAnswers = {answer};
        const fs::path saveTo = saveFails ? dir / "plain" / "case.zvr" : dir / "case.zvr";
        if (answer == SaveAnswer::Yes) h.prompts.fileAnswers.push_back(saveTo.string());
        h.prompts.fileAnswers.push_back(file.string());
        QCOMPARE(coords(h).importFile(CaseMode::Polar), imported);

        QStringList shown;
        for (const auto& s : h.prompts.shown) shown << QString::fromStdString(s.kind);
        QCOMPARE(shown, dialogs);
        QCOMPARE(h.state().mode, imported ? CaseMode::Polar : CaseMode::Xyz);
        QCOMPARE(h.state().points.size(), std::size_t(imported ? 1 : 2));
        QCOMPARE(h.doc().isClean(), imported);
    }

    void aFileThatCannotBeReadLeavesTheCase() {
        TempDir dir;
        UiHarness h;
        shippedOptions(h);
        h.show();
        h.cases().newCase(CaseMode::Nesw);
        h.window->setStatusText(0, "File: not saved ");
        h.prompts.fileAnswers = {(dir / "gone.zvn").string(), dir.path().string()};
        QVERIFY(!coords(h).importFile(CaseMode::Xyz));
        QVERIFY(!coords(h).importFile(CaseMode::Xyz));
        QCOMPARE(h.prompts.errors().size(), std::size_t(2));
        QCOMPARE(h.state().mode, CaseMode::Nesw);
        QCOMPARE(h.window->statusText(0), QString("File: not saved "));
    }

    void aCancelledImportLeavesTheCase() {
        TempDir dir;
        std::string lines;
        for (int i = 1; i <= 50000; ++i) lines += std::to_string(i) + ",1.25,2.5,0,Mark\n";
        write(dir / "long.zvx", lines);
        UiHarness h;
        shippedOptions(h);
        h.show();
        h.cases().newCase(CaseMode::Polar);
        addPoint(h, "1", "10", "2", "Kerb");
        // Stands in for the user pressing Cancel on the progress bar.
        QTimer cancel;
        int asked = 0;
        connect(&cancel, &QTimer::timeout, [&] {
            if (auto* bar = h.window->findChild<QProgressDialog*>("progress")) {
                ++asked;
                bar->cancel();
            }
        });
        cancel.start(0);
        h.prompts.saveAnswers = {SaveAnswer::No};
        h.prompts.fileAnswers = {(dir / "long.zvx").string()};
        QVERIFY(!coords(h).importFile(CaseMode::Xyz));
        cancel.stop();
        QVERIFY(asked > 0);
        QCOMPARE(h.state().mode, CaseMode::Polar);
        QCOMPARE(h.state().points.size(), std::size_t(1));
        QVERIFY(!h.doc().isClean());
        QVERIFY(h.prompts.errors().empty());
    }

    void importOptionsOkWritesTheFileAndTheNextImportUsesIt() {
        TempDir dir;
        write(dir / "five.txt", "a;1;1;0\nb;2;2;0\nc;x;3;0\nd;4;4;0\ne;5;5;0\n");
        UiHarness h;
        shippedOptions(h);
        h.show();
        auto* w = coords(h).importOptionsWindow();
        QString title;
        QStringList tabs;
        bool numberEnabled = true;
        whenShown(w, [&] {
            title = w->windowTitle();
            auto* pages = w->findChild<QTabWidget*>("PageControl1");
            for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
            numberEnabled = w->findChild<QLineEdit*>("Edit41")->isEnabled();
            w->findChild<QLineEdit*>("Edit1")->setText("0");
            w->findChild<QLineEdit*>("Edit2")->setText("2");
            w->findChild<QLineEdit*>("Edit5")->setText("1");
            w->findChild<QLineEdit*>("Edit44")->setText(";");
            w->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            w->findChild<QLineEdit*>("Edit41")->setText("100");
            w->findChild<QLineEdit*>("Edit36")->setText("N=");
            w->findChild<QPushButton*>("ok")->click();
        });
        coords(h).showImportOptions();

        QCOMPARE(title, QString(" Import Options"));
        QCOMPARE(tabs, (QStringList{"XYZ Import", "Polar Import", "NESW Import"}));
        QVERIFY(!numberEnabled);
        QVERIFY(h.prompts.errors().empty());
        ImportOptions expected;
        expected.xyz.fields[0].column = 0;
        expected.xyz.fields[4].column = 1;
        expected.xyz.separator = ";";
        expected.xyz.renumber = true;
        expected.xyz.renumberFrom = 100;
        expected.nesw.fields[3].prefix = std::string_view("N=");
        const auto bytes = serialiseImportOptions(expected);
        QCOMPARE(read(optionFile(h, kImportOptionsFileName)),
                 std::string(bytes.begin(), bytes.end()));
        QCOMPARE(h.context.importOptions, expected);

        // Number column 0: numbered in order of the accepted lines, the third one rejected.
        whenShown(coords(h).importErrorsWindow(), [] {});
        h.prompts.fileAnswers = {(dir / "five.txt").string()};
        QVERIFY(coords(h).importFile(CaseMode::Xyz));
        QStringList numbers;
        for (const PointRecord& p : h.state().points) numbers << QString::number(p.number);
        QCOMPARE(numbers, (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(row(h, 3), (QStringList{"4", "5.00", "5.00", "0.00", "e"}));
    }

    void importOptionsOkRefusesANonInteger() {
        UiHarness h;
        shippedOptions(h);
        h.show();
        const std::string before = read(optionFile(h, kImportOptionsFileName));
        auto* w = coords(h).importOptionsWindow();
        bool stayed = false;
        QString focused;
        int tab = -1;
        whenShown(w, [&] {
            w->findChild<QLineEdit*>("Edit2")->setText("3"); // a good value before the bad one
            w->findChild<QLineEdit*>("Edit27")->setText("");
            w->findChild<QPushButton*>("ok")->click();
            stayed = w->isVisible();
            focused = w->focusWidget() ? w->focusWidget()->objectName() : QString();
            tab = w->findChild<QTabWidget*>("PageControl1")->currentIndex();
            w->findChild<QPushButton*>("cancel")->click();
        });
        coords(h).showImportOptions();

        QCOMPARE(h.prompts.errors(), std::vector<std::string>{"'' is not a valid integer value"});
        QVERIFY(stayed);
        QCOMPARE(focused, QString("Edit27"));
        QCOMPARE(tab, 2);
        QCOMPARE(read(optionFile(h, kImportOptionsFileName)), before);
        QCOMPARE(h.context.importOptions, ImportOptions{});
        // Shown again, the window holds the options, not what was typed.
        QString column;
        whenShown(w, [&] { column = w->findChild<QLineEdit*>("Edit2")->text(); });
        coords(h).showImportOptions();
        QCOMPARE(column, QString("2"));
    }

    void aDamagedImportOptionsFileIsReportedOnce() {
        UiHarness h;
        write(optionFile(h, kImportOptionsFileName), "too short");
        h.show();
        auto* w = coords(h).importOptionsWindow();
        whenShown(w, [] {});
        coords(h).showImportOptions();
        whenShown(w, [] {});
        coords(h).showImportOptions();
        QCOMPARE(h.prompts.texts("information").size(), std::size_t(1));
        QVERIFY(h.prompts.texts("information")[0].find("impop.ini") != std::string::npos);
        QCOMPARE(h.context.importOptions, ImportOptions{});
    }

    void aFailedWriteKeepsTheWindowOpenAndTheOptions() {
        UiHarness h;
        shippedOptions(h);
        for (const char* name : {kImportOptionsFileName, kExportOptionsFileName}) {
            fs::remove(optionFile(h, name));
            fs::create_directories(optionFile(h, name) / "in the way");
        }
        h.show();
        auto* imports = coords(h).importOptionsWindow();
        auto* exports = coords(h).exportOptionsWindow();
        bool importStayed = false, exportStayed = false;
        whenShown(imports, [&] {
            imports->findChild<QLineEdit*>("Edit2")->setText("7");
            imports->findChild<QPushButton*>("ok")->click();
            importStayed = imports->isVisible();
        });
        coords(h).showImportOptions();
        whenShown(exports, [&] {
            exports->findChild<QCheckBox*>("expn")->click();
            exports->findChild<QPushButton*>("ok")->click();
            exportStayed = exports->isVisible();
        });
        coords(h).showExportOptions();
        shippedOptions(h);

        QVERIFY(importStayed);
        QVERIFY(exportStayed);
        QCOMPARE(h.prompts.errors().size(), std::size_t(2));
        QCOMPARE(h.context.importOptions, ImportOptions{});
    }

    void exportOptionsWindowReadsAndWritesItsFile() {
        UiHarness h;
        h.show();
        ExportOptions stored;
        stored.exportPoint = false;
        stored.in3D = false;
        stored.exportCode = false;
        saveExportOptions(optionFile(h, kExportOptionsFileName), stored);
        auto* w = coords(h).exportOptionsWindow();
        const auto box = [w](const char* name) { return w->findChild<QCheckBox*>(name); };
        const auto radio = [w](const char* name) { return w->findChild<QRadioButton*>(name); };

        bool shownAsStored = false, radiosFollow = false;
        whenShown(w, [&] {
            shownAsStored = !box("expp")->isChecked() && radio("rb1")->isChecked() &&
                            !radio("rb2")->isChecked() && !radio("rb1")->isEnabled() &&
                            box("expn")->isChecked() && box("expd")->isChecked() &&
                            !box("expc")->isChecked();
            box("expp")->click();
            radiosFollow = radio("rb1")->isEnabled() && radio("rb2")->isEnabled();
            box("expd")->click();
            w->findChild<QPushButton*>("cancel")->click();
        });
        coords(h).showExportOptions();
        QVERIFY(shownAsStored);
        QVERIFY(radiosFollow);
        QCOMPARE(read(optionFile(h, kExportOptionsFileName)), std::string("\0\0\1\1\0", 5));

        whenShown(w, [&] {
            box("expp")->click();
            radio("rb2")->click();
            box("expd")->click();
            w->findChild<QPushButton*>("ok")->click();
        });
        coords(h).showExportOptions();
        QCOMPARE(read(optionFile(h, kExportOptionsFileName)), std::string("\1\1\1\0\0", 5));
        QVERIFY(!w->isVisible());
    }

    void exportsEachFormAndReadsItBack_data() {
        QTest::addColumn<CaseMode>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("content");
        QTest::newRow("xyz") << CaseMode::Xyz << "ExportXYZ1"
                             << "Export XYZ files"
                             << "zvx"
                             << "5,3.00,4.00,1.00,Kerb,@\r\n6,-2.00,3.00,1.50,@,@\r\n";
        QTest::newRow("polar") << CaseMode::Polar << "ExportPolar1"
                               << "Export Polar files"
                               << "zvp"
                               << "5,36.87,5.00,1.00,Kerb,@\r\n6,326.31,3.61,1.50,@,@\r\n";
        QTest::newRow("nesw") << CaseMode::Nesw << "ExportNESW1"
                              << "Export NESW files"
                              << "zvn"
                              << "5,4.00,3.00,0.00,0.00,1.00,Kerb,@\r\n"
                                 "6,3.00,0.00,0.00,2.00,1.50,@,@\r\n";
    }
    void exportsEachFormAndReadsItBack() {
        QFETCH(CaseMode, kind);
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(QString, extension);
        QFETCH(QString, content);
        TempDir dir;
        const fs::path file = dir / ("out." + extension.toStdString());
        UiHarness h;
        shippedOptions(h);
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        ui::EntryPage* p = h.entry().currentPage();
        for (auto [n, x, y, z, d] :
             {std::tuple{"5", "3", "4", "1", "Kerb"}, std::tuple{"6", "-2", "3", "1.5", ""}}) {
            p->numberField()->setText(n);
            p->valueFields()[0]->setText(x);
            p->valueFields()[1]->setText(y);
            p->valueFields()[2]->setText(z);
            p->descriptorBox()->setEditText(d);
            h.entry().createPoint();
        }
        const bool clean = h.doc().isClean();

        h.prompts.fileAnswers = {file.string()};
        h.window->action(action.toLatin1().constData())->trigger();
        QCOMPARE(h.prompts.texts("save"), std::vector<std::string>{title.toStdString()});
        const FileDialogRequest& r = h.prompts.shown.back().request;
        QCOMPARE(r.defaultExtension, extension.toStdString());
        QCOMPARE(r.filterIndex, int(kind) + 1);
        QVERIFY(r.filter.ends_with("|DXF Files (*.dxf)|*.dxf"));
        QVERIFY(h.prompts.errors().empty());
        QCOMPARE(QString::fromStdString(read(file)), content);
        QCOMPARE(h.settings.folder("importpath"), dir.path().string());
        QCOMPARE(h.doc().isClean(), clean);

        // The import of the same form gives the same values back.
        h.prompts.saveAnswers = {SaveAnswer::No};
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(coords(h).importFile(kind));
        QCOMPARE(h.prompts.shown.back().request.initialFolder, dir.path().string());
        QCOMPARE(h.state().mode, kind);
        QCOMPARE(h.state().points.size(), std::size_t(2));
        const QStringList firstLine = content.split("\r\n")[0].split(',');
        QCOMPARE(row(h, 0), firstLine.mid(0, firstLine.size() - 1));
    }

    void aCancelledOrFailedExportChangesNothing() {
        TempDir dir;
        const fs::path file = dir / "kept.zvx";
        write(file, "previous\r\n");
        UiHarness h;
        shippedOptions(h);
        h.settings.setFolder("importpath", "/somewhere");
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h, "1", "1", "2", "Pole");

        h.prompts.fileAnswers = {std::nullopt, (dir / "no" / "such" / "out.zvx").string()};
        QVERIFY(!coords(h).exportFile(CaseMode::Polar));
        QCOMPARE(h.settings.folder("importpath"), std::string("/somewhere"));
        QVERIFY(h.prompts.errors().empty());
        QVERIFY(!coords(h).exportFile(CaseMode::Polar));
        QCOMPARE(h.prompts.errors(),
                 std::vector<std::string>{std::string(kExportFileInUseMessage)});
        QCOMPARE(read(file), std::string("previous\r\n"));
        QVERIFY(!h.doc().isClean());
    }

    void separatorsInTextsAreReported() {
        TempDir dir;
        UiHarness h;
        shippedOptions(h);
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h, "1", "1", "2", "Kerb, north side");
        addPoint(h, "2", "1", "3", "Pole");
        h.prompts.fileAnswers = {(dir / "out.zvx").string()};
        QVERIFY(coords(h).exportFile(CaseMode::Xyz));
        CoordinateExportResult one{2, 1};
        QCOMPARE(h.prompts.texts("information"), std::vector<std::string>{*separatorWarning(one)});
        QCOMPARE(read(dir / "out.zvx"), std::string("1,1.00,2.00,0.00,Kerb, north side,@\r\n"
                                                    "2,1.00,3.00,0.00,Pole,@\r\n"));
    }

    void theEightMenuItemsAreEnabled() {
        UiHarness h;
        for (const char* name : {"ImportOptions1", "ImportXYZ1", "ImportPolar1", "ImportNESW1",
                                 "ExportOptions1", "ExportXYZ1", "ExportPolar1", "ExportNESW1"})
            QVERIFY2(h.window->action(name)->isEnabled(), name);
    }
};

QTEST_MAIN(CoordinateFilesTest)
#include "tst_coordinate_files.moc"
