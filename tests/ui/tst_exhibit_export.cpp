// "Export Plan as PDF / SVG…" as a user meets it: from the Report menu and the drawing window's
// tool bar, a dialog that suggests a scale at which the plan fits, then the file.
#include "files/CaseFile.h"
#include "support/UiHarness.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/ExhibitDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace zorvane;
using namespace zorvane::testing;
using namespace std::string_view_literals;
namespace fs = std::filesystem;

namespace {

fs::path home() {
    const char* h = std::getenv("ZORVANE_HOME");
    return fs::path(h ? h : fs::temp_directory_path().c_str());
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A site 40 by 20 metres: at 1:200 it takes 200 by 100 mm of an A4 sheet across.
void openSite(UiHarness& h) {
    CaseData site;
    site.caseName = "K-7";
    site.points = {{1, 0, 0, 0, ""sv, "Kerb"sv, 0}, {2, 40, 20, 0, ""sv, "Tree"sv, 0}};
    fs::create_directories(home());
    saveCaseFile(home() / "site.zvr", site, true);
    QVERIFY(h.cases().openCaseFile(QString::fromStdString((home() / "site.zvr").string())));
}

// Runs `steps` in the dialog once it is open; a failed check among them closes it, so that the
// test ends instead of waiting on it.
template <class Steps> void inDialog(Steps steps) {
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<ui::ExhibitDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        steps(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

void click(ui::ExhibitDialog& d, const char* name) {
    d.findChild<QAbstractButton*>(name)->click();
}

} // namespace

class ExhibitExportTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void offeredOnceACaseIsOpen() {
        UiHarness h;
        QAction* item = h.window->action("ExportPlan1");
        QToolButton* button = h.shell->drawingWindow().button("bexhibit");
        QVERIFY(item && button);
        QCOMPARE(item->text(), QString::fromUtf8("Export Plan as PDF / SVG\u2026"));
        QVERIFY(!item->isEnabled() && !button->isEnabled());
        openSite(h);
        QVERIFY(item->isEnabled() && button->isEnabled());
        QVERIFY(!button->icon().isNull());
    }

    void suggestsTheFittingScaleAndWritesTheChosenSheet() {
        UiHarness h;
        openSite(h);
        const fs::path pdf = home() / "plan.pdf";
        fs::remove(pdf);
        h.prompts.fileAnswers = {pdf.string()};
        inDialog([](ui::ExhibitDialog& d) {
            QCOMPARE(d.scaleBox()->currentText(), QString("1:200"));
            QCOMPARE(d.paperBox()->currentText(), QString("A4"));
            QVERIFY(d.findChild<QRadioButton*>("landscape")->isChecked());
            QVERIFY(!d.customScale()->isEnabled());
            d.scaleBox()->setCurrentIndex(d.scaleBox()->findText("1:500"));
            d.paperBox()->setCurrentIndex(d.paperBox()->findText("A3"));
            click(d, "portrait");
            click(d, "ok");
        });
        h.window->action("ExportPlan1")->trigger();
        QCOMPARE(h.prompts.shown.back().kind, std::string("save"));
        QCOMPARE(h.prompts.shown.back().request.defaultExtension, std::string("pdf"));
        const std::string bytes = contents(pdf);
        QVERIFY(bytes.rfind("%PDF-", 0) == 0);
        QVERIFY(bytes.find("/MediaBox [0 0 842.000000 1191.000000]") !=
                std::string::npos); // A3 upright
        QVERIFY(h.prompts.errors().empty());
        QCOMPARE(h.settings.folder("exhibitpath"), home().string());

        // The next export offers the last choice; a custom scale through the tool bar, as SVG.
        const fs::path svg = home() / "plan.svg";
        h.prompts.fileAnswers = {svg.string()};
        inDialog([](ui::ExhibitDialog& d) {
            QCOMPARE(d.scaleBox()->currentText(), QString("1:500"));
            QCOMPARE(d.paperBox()->currentText(), QString("A3"));
            QVERIFY(d.findChild<QRadioButton*>("portrait")->isChecked());
            d.scaleBox()->setCurrentIndex(d.scaleBox()->findText("Custom"));
            QVERIFY(d.customScale()->isEnabled());
            d.customScale()->setText("1:75");
            click(d, "landscape");
            click(d, "ok");
        });
        h.shell->drawingWindow().button("bexhibit")->click();
        const std::string drawing = contents(svg);
        QVERIFY(drawing.find("width=\"420mm\" height=\"297mm\"") != std::string::npos);
        QVERIFY(drawing.find(">Scale 1:75</text>") != std::string::npos);

        // Another case: a scale that fits it again, on the paper last chosen.
        openSite(h);
        inDialog([](ui::ExhibitDialog& d) {
            QCOMPARE(d.scaleBox()->currentText(), QString("1:200")); // not the custom 1:75
            QCOMPARE(d.paperBox()->currentText(), QString("A3"));
            QVERIFY(d.findChild<QRadioButton*>("landscape")->isChecked());
            click(d, "cancel");
        });
        h.window->action("ExportPlan1")->trigger();
    }

    void aScaleThatIsNotOneKeepsTheDialogOpen() {
        UiHarness h;
        openSite(h);
        inDialog([&h](ui::ExhibitDialog& d) {
            d.scaleBox()->setCurrentIndex(d.scaleBox()->findText("Custom"));
            for (const char* wrong : {"1:0", "1:abc", "2:100", ""}) {
                d.customScale()->setText(wrong);
                click(d, "ok");
                QVERIFY(d.isVisible());
                QCOMPARE(h.prompts.errors().back(), std::string(ui::kInvalidScaleMessage));
            }
            click(d, "cancel");
        });
        h.window->action("ExportPlan1")->trigger();
        QCOMPARE(h.prompts.errors().size(), std::size_t(4));
        for (const auto& shown : h.prompts.shown)
            QVERIFY(shown.kind != "save"); // no file asked for
    }

    void aFileThatIsNeitherPdfNorSvgIsRefused() {
        UiHarness h;
        openSite(h);
        const fs::path png = home() / "plan.png";
        fs::remove(png);
        h.prompts.fileAnswers = {png.string()};
        inDialog([](ui::ExhibitDialog& d) { click(d, "ok"); });
        h.window->action("ExportPlan1")->trigger();
        QCOMPARE(h.prompts.errors().size(), std::size_t(1));
        QVERIFY(!fs::exists(png));
    }
};

QTEST_MAIN(ExhibitExportTest)
#include "tst_exhibit_export.moc"
