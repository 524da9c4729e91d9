// Saving and opening whole cases from the main window.
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "ui/view/PolylinesWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <fstream>

using namespace zorvane;
using namespace zorvane::testing;

class CaseFileTest : public QObject {
    Q_OBJECT

    static void point(UiHarness& h, const char* n, const char* a, const char* b, const char* desc) {
        ui::EntryPage* p = h.entry().currentPage();
        p->numberField()->setText(n);
        p->valueFields()[0]->setText(a);
        p->valueFields()[1]->setText(b);
        p->descriptorBox()->setEditText(desc);
        h.entry().createPoint();
    }
    static QStringList gridTexts(UiHarness& h) {
        QTableView* v = h.window->grid(h.state().mode);
        QStringList out;
        for (int r = 0; r < v->model()->rowCount(); ++r)
            for (int c = 0; c < v->model()->columnCount(); ++c)
                out << v->model()->index(r, c).data().toString();
        return out;
    }
    static std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

  private Q_SLOTS:
    void saveNewOpenGivesTheSameCase() {
        TempDir dir;
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Polar);
        h.window->findChild<QLineEdit*>("casename")->setText("Case 42/2026");
        point(h, "1", "45", "10.5", "Kerb");
        point(h, "2", "90", "3", "Tyre mark");
        const QStringList before = gridTexts(h);

        const auto file = dir / "site.zvr";
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(h.cases().saveCase());
        const auto& request = h.prompts.shown.back().request;
        QCOMPARE(request.title, std::string("Save a Zorvane file"));
        QCOMPARE(request.filterIndex, 5);
        QCOMPARE(request.defaultExtension, std::string("zvr"));
        QVERIFY(request.filter.ends_with("|DXF Files (*.dxf)|*.dxf"));
        QVERIFY(h.doc().isClean());
        QCOMPARE(h.window->statusText(0), "File: " + QString::fromStdString(file.string()));
        QCOMPARE(h.settings.folder("qkvpath"), dir.path().string());

        h.cases().newCase(CaseMode::Xyz); // clean: no prompt
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(h.cases().openCase());
        QCOMPARE(h.prompts.shown.back().request.title, std::string("Open a Zorvane file"));
        QCOMPARE(h.prompts.shown.back().request.initialFolder, dir.path().string());
        QCOMPARE(h.state().mode, CaseMode::Polar);
        QCOMPARE(gridTexts(h), before);
        QCOMPARE(h.window->findChild<QLineEdit*>("casename")->text(), QString("Case 42/2026"));
        QCOMPARE(h.window->statusText(1), QString("Last Point: 2"));
        QCOMPARE(h.entry().currentPage()->descriptorBox()->count(), 2);
        QCOMPARE(h.entry().currentPage()->numberField()->text(), QString("3"));
        QVERIFY(!h.window->findChild<QAction*>("Undo1")->isEnabled());
        QCOMPARE(h.doc().view().zoomFactor, 1.0);
    }

    void aRejectedFileLeavesTheOpenCaseAlone() {
        TempDir dir;
        const auto bad = dir / "notes.zvr";
        std::ofstream(bad, std::ios::binary)
            << "Hello, this is no case file at all, but it is long enough.";
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        point(h, "1", "1", "2", "Pole");
        h.prompts.saveAnswers = {SaveAnswer::No};
        h.prompts.fileAnswers = {bad.string()};
        QVERIFY(!h.cases().openCase());
        QCOMPARE(h.prompts.errors(), std::vector<std::string>{"This is not a Zorvane 1.0 file."});
        QCOMPARE(h.state().points.size(), std::size_t(1));
        QVERIFY(!h.doc().isClean());
    }

    void aFailedSaveKeepsThePreviousFileAndTheUnsavedState() {
        TempDir dir;
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        point(h, "1", "1", "2", "Pole");
        const auto file = dir / "case.zvr";
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(h.cases().saveCase());
        const std::string saved = read(file);
        point(h, "2", "3", "4", "Sign");
        // The temporary file's place is taken by a folder: the write cannot happen.
        h.prompts.fileAnswers = {(dir / "missing" / "case.zvr").string()};
        QVERIFY(!h.cases().saveCase());
        QCOMPARE(h.prompts.errors().size(), std::size_t(1));
        QVERIFY(!h.doc().isClean());
        QCOMPARE(read(file), saved);
    }

    void droppedAndNamedFilesOpenThroughTheSamePath() {
        TempDir dir;
        const auto file = dir / "drop.zvr";
        {
            UiHarness h;
            h.show();
            h.cases().newCase(CaseMode::Nesw);
            point(h, "7", "5", "0", "Door"); // East 0 stands for the sideways offset
            h.prompts.fileAnswers = {file.string()};
            QVERIFY(h.cases().saveCase());
        }
        UiHarness h;
        h.show();
        QVERIFY(h.cases().openCaseFile(QString::fromStdString(file.string())));
        QCOMPARE(h.state().mode, CaseMode::Nesw);
        QCOMPARE(h.state().points[0].number, 7);

        point(h, "8", "1", "0", "");
        h.prompts.saveAnswers = {SaveAnswer::Cancel};
        QVERIFY(!h.cases().openDroppedFiles({QUrl::fromLocalFile("/tmp/photo.jpg")}));
        QVERIFY(h.cases().openDroppedFiles(
            {QUrl::fromLocalFile(QString::fromStdString(file.string()))}));
        QCOMPARE(h.prompts.texts("save?").size(), std::size_t(1));
        QCOMPARE(h.state().points.size(), std::size_t(2)); // cancelled: kept
    }
};

QTEST_MAIN(CaseFileTest)
#include "tst_case_file.moc"
