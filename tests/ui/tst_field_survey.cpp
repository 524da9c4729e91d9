// Total station files through "Import total station file…" and points fixed by two distances
// through "Triangulate point…": the menus, the dialogs as a user drives them with the keys, and
// what the case holds afterwards.
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "ui/files/CoordinateCommands.h"
#include "ui/files/ImportErrorsWindow.h"
#include "ui/survey/FieldSurveyCommands.h"
#include "ui/survey/TotalStationImportDialog.h"
#include "ui/survey/TriangulationDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

using namespace zorvane;
using namespace zorvane::testing;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

QStringList row(UiHarness& h, int r) {
    const QAbstractItemModel* m = h.window->grid(h.state().mode)->model();
    QStringList out;
    for (int c = 0; c < m->columnCount(); ++c) out << m->index(r, c).data().toString();
    while (!out.isEmpty() && out.back().isEmpty()) out.pop_back();
    return out;
}

// Runs `act` once the dialog shows, then closes it if `act` left it open.
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

void addPoint(UiHarness& h, const char* n, const char* x, const char* y) {
    ui::EntryPage* p = h.entry().currentPage();
    p->numberField()->setText(n);
    p->valueFields()[0]->setText(x);
    p->valueFields()[1]->setText(y);
    p->descriptorBox()->setEditText("");
    h.entry().createPoint();
}

const char* kGsi = "110001+00000001 81..00+00001000 82..00+00002000 83..00+00000100\r\n"
                   "110002+00000H66 81..00+00003500 82..00+00004000 71....+0000KERB\r\n"
                   "110003+00000003 81..00*00001000\r\n";

} // namespace

class FieldSurveyTest : public QObject {
    Q_OBJECT

    static ui::FieldSurveyCommands& survey(UiHarness& h) { return h.shell->fieldSurvey(); }

  private Q_SLOTS:
    void menuItemsFollowThePartsItems() {
        UiHarness h;
        const auto texts = [&](const char* menu) {
            QStringList out;
            for (QAction* a : h.window->findChild<QMenu*>(menu)->actions())
                if (!a->isSeparator()) out << a->text();
            return out;
        };
        QCOMPARE(texts("Import1").back(), QString::fromUtf8("Import &total station file\u2026"));
        QCOMPARE(texts("Edit1"),
                 (QStringList{"&Undo", "&Redo", QString::fromUtf8("&Triangulate point\u2026")}));
        QVERIFY(h.window->action("ImportTotalStation1")->isEnabled());
        QVERIFY(!h.window->action("TriangulatePoint1")->isEnabled()); // no case yet
        h.cases().newCase(CaseMode::Polar);
        QVERIFY(h.window->action("TriangulatePoint1")->isEnabled());
    }

    void importsAGsiFileWithEnterThroughTheDialogs() {
        TempDir dir;
        write(dir / "site.gsi", kGsi);
        UiHarness h;
        h.settings.setFolder("importpath", dir.path().string());
        h.shell.reset();
        h.shell = std::make_unique<ui::AppShell>(h.context);
        h.window = &h.shell->mainWindow();
        h.show();
        auto* look = survey(h).importDialog();
        auto* errors = h.shell->coordinates().importErrorsWindow();
        QString format, preview, listed;
        bool orderOffered = true;
        whenShown(look, [&] {
            format = look->formatLabel()->text();
            preview = look->previewList()->toPlainText();
            orderOffered = look->pnezdButton()->isEnabled();
            QTest::keyClick(look, Qt::Key_Return);
        });
        whenShown(errors, [&] {
            listed = errors->list()->toPlainText();
            QTest::keyClick(errors, Qt::Key_Return);
        });
        h.prompts.fileAnswers = {(dir / "site.gsi").string()};
        h.window->action("ImportTotalStation1")->trigger();

        QCOMPARE(h.prompts.texts("open"), std::vector<std::string>{"Import total station files"});
        const FileDialogRequest& r = h.prompts.shown.front().request;
        QCOMPARE(r.initialFolder, dir.path().string());
        QVERIFY(r.filter.starts_with("Total station files (*.gsi, *.txt, *.csv)|"));
        QCOMPARE(format, QString("Leica GSI-8"));
        QVERIFY(preview.startsWith("110001+00000001 81..00+00001000"));
        QVERIFY(!orderOffered);
        QCOMPARE(listed, QString("3. 110003+00000003 81..00*00001000"));
        QCOMPARE(h.state().mode, CaseMode::Xyz);
        QCOMPARE(row(h, 0), (QStringList{"1", "1.00", "2.00", "0.10"}));
        QCOMPARE(row(h, 1), (QStringList{"2", "3.50", "4.00", "0.00", "KERB", "H66"}));
        QVERIFY(h.doc().isClean());
        QCOMPARE(h.window->statusText(0),
                 "File: " + QString::fromStdString((dir / "site.gsi").string()));
        QCOMPARE(h.window->statusText(1), QString("Last Point: 2"));
    }

    void plainFilesTakeTheOrderChosenInTheDialog_data() {
        QTest::addColumn<bool>("penzd");
        QTest::addColumn<QStringList>("first");
        QTest::newRow("PNEZD") << false << QStringList{"7", "200.50", "100.25", "3.00", "Post"};
        QTest::newRow("PENZD") << true << QStringList{"7", "100.25", "200.50", "3.00", "Post"};
    }
    void plainFilesTakeTheOrderChosenInTheDialog() {
        QFETCH(bool, penzd);
        QFETCH(QStringList, first);
        TempDir dir;
        write(dir / "points.csv", "Point,A,B,Z,Desc\n7,100.25,200.5,3,Post\n");
        UiHarness h;
        h.show();
        auto* look = survey(h).importDialog();
        bool orderOffered = false;
        whenShown(look, [&] {
            orderOffered = look->pnezdButton()->isEnabled();
            if (penzd) QTest::keyClick(look->penzdButton(), Qt::Key_Space);
            QTest::keyClick(look, Qt::Key_Return);
        });
        h.prompts.fileAnswers = {(dir / "points.csv").string()};
        QVERIFY(survey(h).importTotalStationFile());
        QVERIFY(orderOffered);
        QCOMPARE(look->penzdButton()->isChecked(), penzd);
        QCOMPARE(row(h, 0), first);
    }

    void aFileWithoutAReadablePointChangesNothing_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("no readable point") << "garbage\n1,2\n" << false;
        QTest::newRow("cancelled in the dialog") << "1,2,3,4,X\n" << true;
    }
    void aFileWithoutAReadablePointChangesNothing() {
        QFETCH(QString, content);
        QFETCH(bool, cancel);
        TempDir dir;
        write(dir / "bad.txt", content.toStdString());
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Nesw);
        ui::EntryPage* p = h.entry().currentPage();
        p->numberField()->setText("1");
        p->valueFields()[1]->setText("5"); // East
        h.entry().createPoint();
        QCOMPARE(h.state().points.size(), std::size_t(1));
        auto* look = survey(h).importDialog();
        auto* errors = h.shell->coordinates().importErrorsWindow();
        QString listed;
        whenShown(look, [&] { QTest::keyClick(look, cancel ? Qt::Key_Escape : Qt::Key_Return); });
        whenShown(errors, [&] { listed = errors->list()->toPlainText(); });
        h.prompts.saveAnswers = {SaveAnswer::No};
        h.prompts.fileAnswers = {(dir / "bad.txt").string()};
        QVERIFY(!survey(h).importTotalStationFile());

        QCOMPARE(h.state().mode, CaseMode::Nesw);
        QCOMPARE(h.state().points.size(), std::size_t(1));
        QVERIFY(!h.doc().isClean());
        if (cancel) {
            QVERIFY(h.prompts.errors().empty());
        } else {
            QCOMPARE(h.prompts.errors().size(), std::size_t(1));
            QVERIFY(h.prompts.errors()[0].find("holds no point that can be read") !=
                    std::string::npos);
            QCOMPARE(listed, QString("2. 1,2")); // the first line had no digit: titles
        }
    }

    void triangulatesWithTheKeysAndStaysOpenForTheNextPoint() {
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        addPoint(h, "1", "0", "0");
        addPoint(h, "2", "5", "0");
        auto* d = survey(h).triangulationDialog();
        QString numberAfter, distanceAfter, preview, createdSaid;
        whenShown(d, [&] {
            QCOMPARE(d->numberField()->text(), QString("3"));
            for (auto [edit, text] : {std::pair{d->pointAField(), "1"},
                                      {d->pointBField(), "2"},
                                      {d->distanceAField(), "3"},
                                      {d->distanceBField(), "4"}}) {
                QTest::keyClicks(edit, text);
                QTest::keyClick(edit, Qt::Key_Return);
            }
            QCOMPARE(d->distanceAField()->text(), QString("3.00")); // normalised on Enter
            preview = d->resultLabel()->text();
            QTest::keyClicks(d->descriptorBox(), "Skid start");
            QTest::keyClick(d->descriptorBox(), Qt::Key_Return);
            numberAfter = d->numberField()->text();
            createdSaid = d->resultLabel()->text();
            distanceAfter = d->distanceAField()->text();
            d->findChild<QPushButton*>("close")->click();
        });
        h.window->action("TriangulatePoint1")->trigger();

        QCOMPARE(preview, QString("Point 3: X 1.80, Y 2.40"));
        QCOMPARE(row(h, 2), (QStringList{"3", "1.80", "2.40", "0.00", "Skid start"}));
        QCOMPARE(numberAfter, QString("4"));
        QCOMPARE(createdSaid, QString("Point 3 created."));
        QVERIFY(distanceAfter.isEmpty());
        QCOMPARE(h.window->statusText(1), QString("Last Point: 3"));
        QVERIFY(h.prompts.shown.empty());
        h.window->action("Undo1")->trigger();
        QCOMPARE(h.state().points.size(), std::size_t(2));
    }

    void refusesImpossibleTrianglesAndWarnsOfPoorOnes() {
        UiHarness h(ProgramOptions{.defaultUnit = kFeetInches});
        h.show();
        h.cases().newCase(CaseMode::Polar);
        addPoint(h, "1", "0", "0");
        addPoint(h, "2", "90", "10'");
        auto* d = survey(h).triangulationDialog();
        d->prepare();
        d->pointAField()->setText("1");
        d->pointBField()->setText("2");
        d->distanceAField()->setText("3'");
        d->distanceBField()->setText("4 6"); // 4 feet 6 inches
        QTest::keyClick(d->distanceBField(), Qt::Key_Return);
        QCOMPARE(d->distanceBField()->text(), QString("4' 6\""));
        survey(h).createTriangulatedPoint();
        QCOMPARE(h.prompts.errors(),
                 std::vector<std::string>{"The distances are too short to meet: dA + dB (3' 0\" + "
                                          "4' 6\" = 7' 6\") is less than AB (10' 0\")."});
        QCOMPARE(h.state().points.size(), std::size_t(2));

        d->distanceBField()->setText("7' 1/16\"");
        survey(h).createTriangulatedPoint();
        QCOMPARE(h.state().points.size(), std::size_t(3));
        const auto info = h.prompts.texts("information");
        QCOMPARE(info.size(), std::size_t(1));
        QVERIFY(info[0].starts_with("The point is poorly fixed"));
        QVERIFY(info[0].find("out by 1/4 inch") != std::string::npos);
    }
};

QTEST_MAIN(FieldSurveyTest)
#include "tst_field_survey.moc"
