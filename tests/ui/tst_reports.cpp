// The Report menu driven like a user: the option window, the Word report from the menu to the
// document handed to the desktop, and how it fails.
#define ZORVANE_WORD_TEMPLATE ZORVANE_RESOURCES "/tq.dotx"
#include "reports/ReportSamples.h"
#include "support/UiHarness.h"

#include "app/ProgramFolder.h"
#include "reports/DocxReport.h"
#if ZORVANE_WITH_UNO
#include "uno/WriterReport.h"
#endif
#include "ui/reports/ReportCommands.h"
#include "ui/reports/ReportJob.h"
#include "ui/reports/ReportOptionsDialog.h"
#include "ui/reports/ReportWaitWindow.h"
#include "ui/view/DrawingWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <thread>

using namespace zorvane;
using namespace zorvane::testing;
namespace fs = std::filesystem;

class ReportsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    static fs::path programFolder() { return zorvaneHome(); }
    fs::path documents() const { return fs::path(home_.path().toStdString()) / "Documents"; }

    struct Setup {
        UiHarness h;
        ui::ReportCommands* reports = nullptr;

        explicit Setup(CaseMode mode = CaseMode::Xyz, int points = 0) {
            reports = h.window->findChild<ui::ReportCommands*>();
            h.cases().newCase(mode);
            IncidentRecord incident;
            incident.date = "12/03/2024";
            incident.hour = "14:30";
            incident.place = "Main Street";
            incident.name1 = "J. Doe";
            incident.name2 = "R. Roe";
            incident.circumstances = "Line one\r\nLine two";
            h.doc().setIncident(incident);
            h.window->caseNameField()->setText("Crossing A7");
            h.window->caseDescriptionField()->setText("Two cars");
            for (int p = 0; p < points; ++p) {
                EntryFields f;
                f.number = std::to_string(10 + p);
                f.values = {std::to_string(p), std::to_string(2 * p), "1", "2", "3"};
                f.descriptor = "Tree " + std::to_string(p);
                QVERIFY(!h.doc().createOrModifyPoint(f).failed());
            }
        }
        void wordReport() { h.window->action("WordReport1")->trigger(); }
        fs::path opened() const {
            return h.opened.empty() ? fs::path()
                                    : fs::path(h.opened.back().toLocalFile().toStdString());
        }
    };

    // Counts how often a window was shown.
    struct ShowCounter : QObject {
        int shows = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show) ++shows;
            return false;
        }
    };

    // The picture a blip of the document refers to.
    static QImage embeddedPicture(const OpenedDocx& docx, pugi::xml_node blip) {
        const std::string id = blip.attribute("r:embed").value();
        pugi::xml_document rels;
        rels.load_string(docx.package.part("word/_rels/document.xml.rels").c_str());
        const std::string target = rels.document_element()
                                       .find_child_by_attribute("Id", id.c_str())
                                       .attribute("Target")
                                       .value();
        QImage picture;
        if (!target.empty())
            picture.loadFromData(QByteArray::fromStdString(docx.package.part("word/" + target)),
                                 "PNG");
        return picture;
    }

    static bool isBlank(const QImage& image) {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                if (rgb.pixel(x, y) != qRgb(255, 255, 255)) return false;
        return true;
    }

    static std::vector<std::string> rowTexts(pugi::xml_node table, int row) {
        std::vector<std::string> out;
        const auto rows = OpenedDocx::children(table, "w:tr");
        for (pugi::xml_node c : OpenedDocx::children(rows.at(row - 1), "w:tc"))
            out.push_back(OpenedDocx::text(c));
        return out;
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(home_.isValid());
        // The documents and cache folders follow HOME; nothing lands in a real one.
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toUtf8());
        qputenv("XDG_CACHE_HOME", (home_.path() + "/.cache").toUtf8());
    }

    void init() {
        fs::create_directories(programFolder());
        fs::remove_all(programFolder() / "tq$$$.bmp");
        for (const char* name : {"tq.dotx", "tq.ott"})
            fs::copy_file(fs::path(ZORVANE_RESOURCES) / name, programFolder() / name,
                          fs::copy_options::overwrite_existing);
        fs::remove_all(documents());
        fs::remove_all(fs::path(home_.path().toStdString()) / ".cache");
    }

    void optionTakesEffectWithoutClose() {
        UiHarness h;
        QAction* item = h.window->action("ReportOptions1");
        QVERIFY(item->isEnabled());
        QVERIFY(!h.context.options.autoZoomAllInReports);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = h.window->findChild<ui::ReportOptionsDialog*>("TForm16");
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(dialog->windowTitle(), QString(" Report Options "));
            auto* box = dialog->findChild<QCheckBox*>("CheckBox1");
            QCOMPARE(box->text(), QString("Auto ZoomAll when creating embedded Bitmap"));
            QVERIFY(!box->isChecked());
            box->click();
            seen = h.context.options.autoZoomAllInReports; // before " Close"
            auto* close = dialog->findChild<QPushButton*>("SpeedButton1");
            QCOMPARE(close->text(), QString(" Close"));
            close->click();
        });
        item->trigger();
        QVERIFY(seen);
        QVERIFY(h.context.options.autoZoomAllInReports);

        ProgramOptions persisted;
        persisted.autoZoomAllInReports = true;
        UiHarness started(persisted); // the option read at start-up shows in the box
        QTimer::singleShot(0, [&] {
            auto* dialog = started.window->findChild<ui::ReportOptionsDialog*>("TForm16");
            QVERIFY(dialog->zoomAllBox()->isChecked());
            dialog->accept();
        });
        started.window->action("ReportOptions1")->trigger();
    }

    void reportItemsNeedACase() {
        UiHarness h;
        QVERIFY(!h.window->action("WordReport1")->isEnabled());
        h.cases().newCase(CaseMode::Polar);
        QVERIFY(h.window->action("WordReport1")->isEnabled());
    }

    void wordReportOfEachMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("points");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("xyz") << int(CaseMode::Xyz) << 3
                             << QStringList{"Number", "Measure. X", "Measure. Y", "Measure. Z",
                                            "Description"};
        QTest::newRow("polar") << int(CaseMode::Polar) << 2
                               << QStringList{"Number", QString::fromUtf8("Compass d\u00B0"),
                                              "M. Length", "M. Height", "Description"};
        QTest::newRow("nesw") << int(CaseMode::Nesw) << 4
                              << QStringList{"Number", "North",     "East",       "South",
                                             "West",   "Elevation", "Description"};
        QTest::newRow("no points")
            << int(CaseMode::Xyz) << 0
            << QStringList{"Number", "Measure. X", "Measure. Y", "Measure. Z", "Description"};
    }

    void wordReportOfEachMode() {
        QFETCH(int, mode);
        QFETCH(int, points);
        QFETCH(QStringList, titles);
        Setup s(static_cast<CaseMode>(mode), points);
        s.wordReport();

        QCOMPARE(s.h.prompts.errors(), std::vector<std::string>());
        QCOMPARE(s.h.opened.size(), std::size_t(1));
        QCOMPARE(s.opened(), documents() / "Crossing A7.docx");
        QCOMPARE(s.reports->lastDocument(), s.opened());
        QVERIFY(!s.reports->waitWindow()->isVisible());

        const OpenedDocx docx(readBytes(s.opened().string()));
        const auto tables = docx.tables();
        QCOMPARE(tables.size(), std::size_t(2));
        QCOMPARE(OpenedDocx::cellText(tables[0], 1, 2), std::string("Crossing A7"));
        QCOMPARE(OpenedDocx::cellText(tables[0], 2, 2), std::string("Two cars"));
        QCOMPARE(OpenedDocx::cellText(tables[0], 3, 2), std::string("12/03/2024 14:30"));
        QCOMPARE(OpenedDocx::cellText(tables[0], 6, 2), std::string("R. Roe"));
        QCOMPARE(OpenedDocx::cellText(tables[0], 8, 1), std::string("Line one\nLine two"));

        const auto rows = OpenedDocx::children(tables[1], "w:tr");
        QCOMPARE(int(rows.size()), points + 2);
        std::vector<std::string> wanted;
        for (const QString& t : titles) wanted.push_back(t.toStdString());
        QCOMPARE(rowTexts(tables[1], 1), wanted);
        for (int p = 0; p < points; ++p)
            QCOMPARE(rowTexts(tables[1], p + 2).front(), std::to_string(10 + p));
        QCOMPARE(rowTexts(tables[1], points + 2),
                 std::vector<std::string>(std::size_t(titles.size())));

        // The drawing: embedded at "xyz", the picture the drawing window shows.
        const pugi::xpath_node blip = docx.body().select_node(
            ".//w:p[w:bookmarkStart[@w:name='xyz']]//a:blip | "
            ".//w:p[w:bookmarkStart[@w:name='xyz']]//*[local-name()='blip']");
        QVERIFY(blip);
        const QImage embedded = embeddedPicture(docx, blip.node());
        const QImage drawn = s.h.shell->drawingWindow().image();
        QCOMPARE(embedded.size(), drawn.size());

        // The bitmap of the drawing, beside the program.
        QImage bitmap(QString::fromStdString((programFolder() / "tq$$$.bmp").string()), "BMP");
        QCOMPARE(bitmap.size(), drawn.size());
    }

    void hostileTextsAndAnEmptyDate() {
        Setup s;
        IncidentRecord incident;
        incident.hour = "09:05";
        incident.place = "a < b & \"c\" > d";
        s.h.doc().setIncident(incident);
        s.h.window->caseNameField()->setText(QString::fromUtf8("<Case> & \"x\"\x01/\u00E9"));
        s.wordReport();

        QCOMPARE(s.h.opened.size(), std::size_t(1));
        QCOMPARE(s.opened(), documents() / "_Case_ & _x___\xC3\xA9.docx");
        const OpenedDocx docx(readBytes(s.opened().string()));
        const pugi::xml_node table = docx.tables().at(0);
        QCOMPARE(OpenedDocx::cellText(table, 1, 2), std::string("<Case> & \"x\"/\xC3\xA9"));
        QCOMPARE(OpenedDocx::cellText(table, 3, 2), std::string(" 09:05"));
        QCOMPARE(OpenedDocx::cellText(table, 4, 2), std::string("a < b & \"c\" > d"));
    }

    void reportsNeverReplaceADocument() {
        Setup s;
        s.wordReport();
        s.wordReport();
        QCOMPARE(s.h.opened.size(), std::size_t(2));
        QCOMPARE(fs::path(s.h.opened[1].toLocalFile().toStdString()),
                 documents() / "Crossing A7 (2).docx");
    }

    void zoomAllFollowsTheOption() {
        for (bool zoomAll : {false, true}) {
            Setup s(CaseMode::Xyz, 3);
            s.h.context.options.autoZoomAllInReports = zoomAll;
            s.h.doc().zoomAll();
            s.h.doc().zoomStep(10, 10, true, false);
            QCOMPARE(s.h.doc().view().zoomFactor, kZoomIn);
            s.wordReport();
            QCOMPARE(s.h.doc().view().zoomFactor, zoomAll ? 1.0 : kZoomIn);
        }
    }

    void aPlanNeverShownIsFittedForTheReport() {
        Setup s;
        for (int p = 0; p < 3; ++p) { // far from the corner a plan never shown looks at
            EntryFields f;
            f.number = std::to_string(1 + p);
            f.values = {std::to_string(500 + p), std::to_string(400 + 2 * p), "0"};
            QVERIFY(!s.h.doc().createOrModifyPoint(f).failed());
        }
        const QImage before = s.h.shell->drawingWindow().image();
        QVERIFY(isBlank(before)); // the points lie off a plan that was never shown
        s.wordReport();
        const OpenedDocx docx(readBytes(s.opened().string()));
        const QImage embedded =
            embeddedPicture(docx, docx.body().select_node(".//*[local-name()='blip']").node());
        QVERIFY(!embedded.isNull());
        QVERIFY(!isBlank(embedded));
    }

    void nothingToOpenTheDocumentNamesIt() {
        Setup s;
        s.h.openerWorks = false;
        s.wordReport();
        QCOMPARE(s.h.prompts.errors().size(), std::size_t(1));
        const std::string message = s.h.prompts.errors().front();
        QVERIFY(message.starts_with("Microsoft Office is not installed on your computer."));
        QCOMPARE(message, noWordProgramMessage(documents() / "Crossing A7.docx"));
        QVERIFY(fs::is_regular_file(documents() / "Crossing A7.docx"));
    }

    void failuresSayWhatAndLeaveNoDocument_data() {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("said");
        QTest::newRow("no template") << "template"
                                     << "tq.dotx\" cannot be found.";
        QTest::newRow("not a template") << "damaged"
                                        << "tq.dotx\" is damaged";
        QTest::newRow("documents not a folder") << "documents"
                                                << "could not be saved";
    }

    void failuresSayWhatAndLeaveNoDocument() {
        QFETCH(QString, broken);
        QFETCH(QString, said);
        Setup s(CaseMode::Nesw, 2);
        if (broken == "template") fs::remove(programFolder() / "tq.dotx");
        if (broken == "damaged") std::ofstream(programFolder() / "tq.dotx") << "not a zip";
        if (broken == "documents") std::ofstream(documents()) << "a file where the folder goes";
        s.wordReport();
        QCOMPARE(s.h.prompts.errors().size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(s.h.prompts.errors().front()).contains(said),
                 s.h.prompts.errors().front().c_str());
        QVERIFY(s.h.opened.empty());
        QVERIFY(!s.reports->waitWindow()->isVisible());
        if (fs::is_directory(documents())) QVERIFY(fs::is_empty(documents()));
    }

    void bitmapGoesToTheCacheWhenTheProgramFolderRefusesIt() {
        fs::create_directories(programFolder() / "tq$$$.bmp"); // cannot be replaced by a file
        Setup s(CaseMode::Xyz, 1);
        s.wordReport();
        QVERIFY(s.h.prompts.errors().empty());
        const fs::path cached = fs::path(home_.path().toStdString()) / ".cache/zorvane/tq$$$.bmp";
        QVERIFY(QImage(QString::fromStdString(cached.string()), "BMP").size() ==
                s.h.shell->drawingWindow().image().size());
        QCOMPARE(s.h.opened.size(), std::size_t(1));
    }

#if ZORVANE_WITH_UNO
    void officeReportWithoutLibreOfficeSaysSoAtOnce() {
        Setup s(CaseMode::Xyz, 2);
        OfficeSettings nowhere;
        nowhere.programFolder = fs::path(home_.path().toStdString()) / "no-office";
        s.reports->setOfficeSettings(nowhere);
        ShowCounter counter;
        s.reports->waitWindow()->installEventFilter(&counter);
        QAction* item = s.h.window->action("OpenOfficeReport1");
        QVERIFY(item->isEnabled());
        item->trigger();
        QCOMPARE(s.h.prompts.errors(), std::vector<std::string>{officeMissingMessage()});
        QVERIFY(
            officeMissingMessage().starts_with("Open Office is not installed on your computer. "));
        QCOMPARE(counter.shows, 0);
    }

    void officeReportNamesAMissingTemplateBeforeStartingTheOffice() {
        // An office that only leaves a mark when it is started.
        const fs::path office = fs::path(home_.path().toStdString()) / "fake-office";
        fs::create_directories(office);
        std::ofstream(office / "soffice") << "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n";
        fs::permissions(office / "soffice", fs::perms::owner_all);
        std::ofstream(office / "fundamentalrc") << "[Bootstrap]\n";
        fs::remove(programFolder() / "tq.ott");

        Setup s(CaseMode::Polar, 1);
        OfficeSettings settings;
        settings.programFolder = office;
        s.reports->setOfficeSettings(settings);
        ShowCounter counter;
        s.reports->waitWindow()->installEventFilter(&counter);
        s.h.window->action("OpenOfficeReport1")->trigger();
        QCOMPARE(s.h.prompts.errors().size(), std::size_t(1));
        QVERIFY2(s.h.prompts.errors().front().ends_with("tq.ott\" cannot be found."),
                 s.h.prompts.errors().front().c_str());
        QVERIFY(!fs::exists(office / "started"));
        QCOMPARE(counter.shows, 1);
        QVERIFY(!s.reports->waitWindow()->isVisible());
    }
#else
    void officeReportIsDisabledWithTheReason() {
        Setup s;
        QAction* item = s.h.window->action("OpenOfficeReport1");
        QVERIFY(!item->isEnabled());
        QVERIFY(item->toolTip().contains("without LibreOffice support"));
    }
#endif

    void waitWindowShowsRealProgressAndSwallowsInput() {
        UiHarness h;
        h.show();
        auto* wait = h.window->findChild<ui::ReportWaitWindow*>("TForm15");
        QVERIFY(wait);
        QLineEdit* field = h.window->caseNameField();
        field->setEnabled(true);
        field->setFocus();
        std::vector<int> seen;
        bool shown = false;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            shown = shown || wait->isVisible();
            seen.push_back(wait->progressBar()->value());
            QTest::keyClick(field, Qt::Key_A); // the user typing meanwhile
        });
        sampler.start(5);
        ui::ReportJob::run(*wait, "Creating MS Word Report. Please wait...",
                           [](const ReportProgress& progress) {
                               for (int step = 0; step <= 10; ++step) {
                                   progress(step, 10);
                                   std::this_thread::sleep_for(std::chrono::milliseconds(30));
                               }
                           });
        sampler.stop();
        QVERIFY(shown);
        QCOMPARE(wait->label()->text(), QString("Creating MS Word Report. Please wait..."));
        QCOMPARE(wait->windowTitle(), QString(" Report"));
        QVERIFY(!wait->isVisible());
        QCOMPARE(wait->progressBar()->value(), 10);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QVERIFY(seen.size() > 5 && seen.front() < 10); // painted while the work went on
        QCOMPARE(field->text(), QString());            // nothing typed got through

        bool threw = false;
        try {
            ui::ReportJob::run(*wait, "x",
                               [](const ReportProgress&) { throw std::runtime_error("broken"); });
        } catch (const std::runtime_error& e) {
            threw = std::string(e.what()) == "broken";
        }
        QVERIFY(threw);
        QVERIFY(!wait->isVisible());
    }
};

QTEST_MAIN(ReportsTest)
#include "tst_reports.moc"
