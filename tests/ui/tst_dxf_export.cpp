// "&DXF Export": the options window writing its file on Ok and nothing on Cancel, and
// "Create &DXF file" with its dialog, the remembered folder and its messages.
#include "dxf/DxfWriteError.h"
#include "files/DxfOptionsFile.h"
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "support/WhenShown.h"
#include "ui/dxf/DxfCommands.h"
#include "ui/dxf/DxfOptionsWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace zorvane;
using namespace zorvane::testing;
using Row = ui::DxfOptionsWindow::Row;
namespace fs = std::filesystem;

class DxfExportTest : public QObject {
    Q_OBJECT

    struct Setup {
        UiHarness h;
        ui::DxfOptionsWindow* w = nullptr;
        fs::path file;
        Setup() {
            h.show();
            w = h.shell->dxf().optionsWindow();
            file = h.context.optionFiles.locate(kDxfOptionsFileName).writeTo;
            fs::remove_all(file); // each test starts without the options file
        }
        // Shows the options window from the menu; `act` runs inside and closes it.
        void options(std::function<void()> act) {
            whenShown(w, std::move(act));
            h.window->action("DXFOptions1")->trigger();
        }
        std::string bytes() const {
            std::ifstream in(file, std::ios::binary);
            return {std::istreambuf_iterator<char>(in), {}};
        }
        void point(int n, double x, double y) {
            EntryFields f;
            f.number = std::to_string(n);
            f.values = {std::to_string(x), std::to_string(y), "0"};
            h.doc().createOrModifyPoint(f);
        }
    };

    static int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }

  private Q_SLOTS:
    void okWritesWhatTheRowsShow() {
        Setup s;
        s.h.prompts.colourAnswers.push_back({3, "Green", 0x00FF00});
        QPoint button;
        s.options([&] {
            s.w->layerField(Row::Points)->setText(QString(40, 'L'));
            s.w->heightField(Row::Descriptors)->setFocus();
            s.w->heightField(Row::Descriptors)->setText("2.5");
            QTest::keyClick(s.w->heightField(Row::Descriptors), Qt::Key_Return);
            QCOMPARE(s.w->heightField(Row::Descriptors)->text(), QString("2.50"));
            s.w->heightField(Row::Numbers)->setFocus();
            s.w->heightField(Row::Numbers)->setText("abc");
            s.w->layerField(Row::Points)->setFocus(); // leaving the field
            QCOMPARE(s.w->heightField(Row::Numbers)->text(), QString("1.00"));
            button = s.w->colourButton(Row::Numbers)->mapToGlobal(QPoint(0, 0));
            s.w->colourButton(Row::Numbers)->click();
            QCOMPARE(s.w->colourField(Row::Numbers)->text(), QString("Green"));
            s.w->in2D(Row::Points)->click();
            s.w->in3D(Row::Polylines)->click();
            s.w->exportBox(Row::Numbers)->click();
            QVERIFY(!s.w->heightField(Row::Numbers)->isEnabled());
            s.w->okButton()->click();
        });
        QVERIFY(!s.w->isVisible());
        // The chooser opened with the row's colour, beside its button.
        const ColourRequest asked = s.h.prompts.shown.back().colour;
        QCOMPARE(asked.number, DxfExportOptions{}.numberColour);
        QCOMPARE(QPoint(asked.anchorX, asked.anchorY), button);

        const std::string bytes = s.bytes();
        QCOMPARE(bytes.size(), kDxfOptionsFileSize);
        const auto o = parseDxfOptions(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        QVERIFY(o);
        QVERIFY(!o->exportNumbers && o->exportPoints && o->exportDescriptors && o->exportPolylines);
        QCOMPARE(QString::fromStdString(o->pointLayer.str()), QString(31, 'L'));
        QCOMPARE(o->numberHeight, 1.0);
        QCOMPARE(o->descriptorHeight, 2.5);
        QCOMPARE(o->numberColour, 3);
        QCOMPARE(QString::fromStdString(o->numberColourName.str()), QString("Green"));
        QVERIFY(!o->points3D && o->polylines3D);

        // Shown again: the unchecked row is greyed but for its check box.
        s.options([&] {
            QVERIFY(!s.w->exportBox(Row::Numbers)->isChecked());
            QVERIFY(s.w->exportBox(Row::Numbers)->isEnabled());
            QVERIFY(!s.w->layerField(Row::Numbers)->isEnabled());
            QVERIFY(!s.w->colourButton(Row::Numbers)->isEnabled());
            QVERIFY(!s.w->colourField(Row::Numbers)->isEnabled());
            QVERIFY(!s.w->heightField(Row::Numbers)->isEnabled());
            QVERIFY(s.w->heightField(Row::Descriptors)->isEnabled());
            QVERIFY(s.w->in2D(Row::Points)->isChecked());
            s.w->exportBox(Row::Numbers)->click();
            QVERIFY(s.w->heightField(Row::Numbers)->isEnabled());
            s.w->cancelButton()->click();
        });
    }

    void cancelWritesNothingAndAResetFileIsToldOnce() {
        Setup s;
        for (int round = 0; round < 2; ++round)
            s.options([&] {
                s.w->exportBox(Row::Points)->click();
                s.w->layerField(Row::Polylines)->setText("changed");
                s.w->cancelButton()->click();
            });
        QVERIFY(!fs::exists(s.file));
        const auto told = s.h.prompts.texts("information");
        QCOMPARE(told.size(), std::size_t(1));
        QVERIFY(told[0].find(s.file.string()) != std::string::npos);

        s.options([&] { s.w->okButton()->click(); });
        const std::string written = s.bytes();
        s.options([&] {
            for (Row r : {Row::Points, Row::Numbers, Row::Descriptors, Row::Polylines})
                s.w->exportBox(r)->click();
            s.w->heightField(Row::Numbers)->setText("9");
            s.w->cancelButton()->click();
        });
        QCOMPARE(s.bytes(), written);
    }

    void okKeepsTheWindowOpenWhenNothingCanBeWritten() {
        Setup s;
        s.options([&] {
            // Typed and Ok pressed without leaving the field: no number, nothing written.
            s.w->heightField(Row::Numbers)->setText("2,5x");
            s.w->okButton()->click();
            QVERIFY(s.w->isVisible());
            QCOMPARE(s.h.prompts.errors().back(),
                     std::string("'2,5x' is not a valid floating point value"));
            QVERIFY(!fs::exists(s.file));
            s.w->heightField(Row::Numbers)->setText("2");
            // A folder where the file should be: the write fails, the window stays.
            fs::create_directories(s.file);
            s.h.prompts.clear();
            s.w->okButton()->click();
            QVERIFY(s.w->isVisible());
            QCOMPARE(s.h.prompts.errors().size(), std::size_t(1));
            s.w->cancelButton()->click();
        });
        QVERIFY(fs::is_directory(s.file));
        fs::remove_all(s.file);
    }

    void exportWritesTheCaseAndRemembersTheFolder() {
        Setup s;
        QVERIFY(!s.h.window->action("DXFExport2")->isEnabled());
        QVERIFY(s.h.window->action("DXFOptions1")->isEnabled());
        s.h.cases().newCase(CaseMode::Xyz);
        QVERIFY(s.h.window->action("DXFExport2")->isEnabled());
        s.point(1, 0, 0);
        s.point(2, 10, 0);
        s.point(3, 5, 5);
        TempDir dir;
        const fs::path out = dir / "site.dxf";
        s.h.prompts.fileAnswers.push_back(out.string());
        s.h.window->action("DXFExport2")->trigger();
        const FileDialogRequest first = s.h.prompts.shown[0].request;
        QCOMPARE(QString::fromStdString(first.title), QString("Export to dxf"));
        QCOMPARE(first.filterIndex, 7);
        QCOMPARE(QString::fromStdString(first.filter).split('|')[12], QString("DXF Files (*.dxf)"));
        QCOMPARE(QString::fromStdString(first.defaultExtension), QString("dxf"));
        QVERIFY(s.h.prompts.errors().empty());
        std::ifstream in(out, std::ios::binary);
        const std::string dxf{std::istreambuf_iterator<char>(in), {}};
        QVERIFY(dxf.find("AC1009") != std::string::npos);
        QCOMPARE(count(dxf, "\nPOINT\r\n"), 3);
        QVERIFY(dxf.size() > 20 && dxf.compare(dxf.size() - 5, 5, "EOF\r\n") == 0);
        QCOMPARE(QString::fromStdString(s.h.settings.folder("dxfoutpath")),
                 QString::fromStdString(dir.path().string()));

        // A cancelled dialog writes nothing and keeps the remembered folder.
        s.h.prompts.clear();
        s.h.prompts.fileAnswers.push_back(std::nullopt);
        s.h.window->action("DXFExport2")->trigger();
        QCOMPARE(QString::fromStdString(s.h.prompts.shown[0].request.initialFolder),
                 QString::fromStdString(dir.path().string()));
        QCOMPARE(QString::fromStdString(s.h.settings.folder("dxfoutpath")),
                 QString::fromStdString(dir.path().string()));
        QVERIFY(s.h.prompts.errors().empty());
    }

    void failuresAreToldAndTheRestIsWritten() {
        Setup s;
        s.h.cases().newCase(CaseMode::Xyz);
        s.point(1, 0, 0);
        TempDir dir;
        const fs::path missing = dir / "gone" / "site.dxf";
        s.h.prompts.fileAnswers.push_back(missing.string());
        s.h.window->action("DXFExport2")->trigger();
        QCOMPARE(s.h.prompts.errors(),
                 std::vector<std::string>{dxfWriteErrorMessage(missing.string())});
        QVERIFY(s.h.prompts.errors()[0].find("\r" + missing.string() + "\r") != std::string::npos);
        QCOMPARE(QString::fromStdString(s.h.settings.folder("dxfoutpath")),
                 QString::fromStdString((dir / "gone").string())); // remembered all the same

        // A points text that is no list (a case file from elsewhere): that definition is left
        // out and said so; the rest of the drawing is written.
        CaseFileContents c;
        PointRecord p;
        p.number = 1;
        c.points.push_back(p);
        PolylineRecord good, bad;
        good.name = "edge", good.pointsText = "1,1";
        bad.name = "kerb", bad.pointsText = "1,x";
        c.polylines.push_back(bad);
        c.polylines.push_back(good);
        s.h.doc().open(std::move(c));
        s.h.prompts.clear();
        const fs::path out = dir / "rest.dxf";
        s.h.prompts.fileAnswers.push_back(out.string());
        s.h.window->action("DXFExport2")->trigger();
        QCOMPARE(s.h.prompts.errors(),
                 std::vector<std::string>{"'x' is not a valid integer value"});
        std::ifstream in(out, std::ios::binary);
        const std::string dxf{std::istreambuf_iterator<char>(in), {}};
        QCOMPARE(count(dxf, "\nPOLYLINE\r\n"), 1);
    }
};

QTEST_MAIN(DxfExportTest)
#include "tst_dxf_export.moc"
