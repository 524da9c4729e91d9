// The photographs of a case in the " Images " window: adding real JPEG files through the open
// dialog, browsing, deleting, the size rules, and saving and reopening the case.
#include "core/support/JpegSamples.h"
#include "support/TempDir.h"
#include "support/UiHarness.h"
#include "ui/files/AttachmentCommands.h"
#include "ui/files/ImageDisplay.h"
#include "ui/files/ImagesWindow.h"
#include "ui/view/DrawingWindow.h"

#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <fstream>

using namespace zorvane;
using namespace zorvane::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

const char* const kBrowsers[] = {"SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
                                 "SpeedButton6"};

std::string write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

Bytes readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Three photographs: red and green landscapes, and a landscape a phone stored turned.
struct Photos {
    TempDir dir;
    std::vector<Bytes> bytes;
    std::vector<std::string> paths;
    Photos() {
        bytes.push_back(encodeJpeg(plain(64, 48, 3, JCS_RGB, {220, 30, 30}), 90));
        bytes.push_back(encodeJpeg(plain(80, 40, 3, JCS_RGB, {30, 200, 30}), 90));
        JpegSample turned = quarters(60, 30);
        turned.exifOrientation = 6;
        bytes.push_back(encodeJpeg(turned, 90));
        const char* names[] = {"a.jpg", "b.jpeg", "c.JPG"};
        for (int i = 0; i < 3; ++i)
            paths.push_back(write(dir / names[i], bytes[static_cast<std::size_t>(i)]));
    }
};

bool reddish(const QImage& picture) {
    const QColor c = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    return c.red() > 150 && c.green() < 90;
}

} // namespace

class ImagesWindowTest : public QObject {
    Q_OBJECT

    static ui::ImagesWindow* open(UiHarness& h) {
        h.shell->drawingWindow().button("ToolButton3")->click();
        return h.shell->attachments().imagesWindow();
    }
    static QToolButton* button(ui::ImagesWindow* w, const char* name) { return w->button(name); }
    static bool browsingEnabled(ui::ImagesWindow* w) {
        bool all = true, none = true;
        for (const char* name : kBrowsers) (button(w, name)->isEnabled() ? none : all) = false;
        if (!all && !none) qWarning("the five buttons disagree");
        return all;
    }
    static void add(UiHarness& h, ui::ImagesWindow* w, std::vector<std::string> paths) {
        h.prompts.fileListAnswers = {std::move(paths)};
        button(w, "SpeedButton1")->click();
    }
    static Bytes image(UiHarness& h, std::size_t k) {
        const auto span = h.state().images.image(k);
        return {span.begin(), span.end()};
    }

  private Q_SLOTS:
    void addBrowseDeleteSaveAndReopen() {
        Photos photos;
        UiHarness h;
        h.show();
        ui::ImagesWindow* w = open(h);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QString(" Images "));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!button(w, "SpeedButton1")->isEnabled()); // no case yet
        h.cases().newCase(CaseMode::Xyz);
        QVERIFY(button(w, "SpeedButton1")->isEnabled());
        QVERIFY(!browsingEnabled(w));

        add(h, w, photos.paths);
        const FakePrompts::Shown& dialog = h.prompts.shown.back();
        QCOMPARE(dialog.kind, std::string("open files"));
        QCOMPARE(
            dialog.request.filter,
            std::string("Fichier image JPEG (*.jpg)|*.jpg|Fichier image JPEG (*.jpeg)|*.jpeg"));
        const std::int32_t s1 = static_cast<std::int32_t>(photos.bytes[0].size()),
                           s2 = static_cast<std::int32_t>(photos.bytes[1].size());
        QCOMPARE(h.state().images.offsets(), (std::vector<std::int32_t>{0, 4 + s1, 8 + s1 + s2}));
        for (std::size_t k = 0; k < 3; ++k) QCOMPARE(image(h, k), photos.bytes[k]);
        QCOMPARE(h.state().images.current, 0u);
        QVERIFY(reddish(w->display()->picture()));
        QVERIFY(browsingEnabled(w));
        QVERIFY(!h.doc().isClean());

        button(w, "SpeedButton3")->click(); // previous on the first
        QCOMPARE(h.state().images.current, 0u);
        button(w, "SpeedButton5")->click();
        QCOMPARE(h.state().images.current, 2u);
        // The phone's photograph stands upright; its bytes stay as the file holds them.
        QCOMPARE(w->display()->picture().size(), QSize(30, 60));
        button(w, "SpeedButton4")->click(); // next on the last
        QCOMPARE(h.state().images.current, 2u);
        QTest::keyClick(w, Qt::Key_Home);
        QCOMPARE(h.state().images.current, 0u);
        QTest::keyClick(button(w, "SpeedButton1"), Qt::Key_Right); // whichever button has the focus
        QCOMPARE(h.state().images.current, 1u);
        button(w, "SpeedButton5")->click();

        button(w, "SpeedButton6")->click(); // the last goes: the one before it is shown
        QCOMPARE(h.state().images.count(), 2u);
        QCOMPARE(h.state().images.current, 1u);
        QCOMPARE(w->display()->picture().size(), QSize(80, 40));

        const auto file = photos.dir / "site.zvr";
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(h.cases().saveCase());
        const Bytes saved = readAll(file);
        QCOMPARE(saved.size(),
                 std::size_t{1360} + 8 + photos.bytes[0].size() + photos.bytes[1].size());

        h.cases().newCase(CaseMode::Xyz);
        QCOMPARE(h.state().images.count(), 0u);
        QVERIFY(w->display()->picture().isNull());
        QVERIFY(!browsingEnabled(w));
        h.prompts.fileAnswers = {file.string()};
        QVERIFY(h.cases().openCase());
        QCOMPARE(h.state().images.count(), 2u);
        QCOMPARE(image(h, 0), photos.bytes[0]);
        QCOMPARE(image(h, 1), photos.bytes[1]);
        QVERIFY(reddish(w->display()->picture()));
        QVERIFY(browsingEnabled(w));
        h.prompts.fileAnswers = {(photos.dir / "again.zvr").string()};
        QVERIFY(h.cases().saveCase());
        QCOMPARE(readAll(photos.dir / "again.zvr"), saved);
        QVERIFY(h.prompts.errors().empty());
    }

    void deletingTheOnlyImageClearsTheWindowAndTheSection() {
        Photos photos;
        UiHarness h;
        h.cases().newCase(CaseMode::Polar);
        ui::ImagesWindow* w = open(h);
        add(h, w, {photos.paths[1]});
        QVERIFY(!w->display()->picture().isNull());
        button(w, "SpeedButton6")->click();
        QCOMPARE(h.state().images.count(), 0u);
        QVERIFY(w->display()->picture().isNull());
        QVERIFY(!browsingEnabled(w));
        QVERIFY(button(w, "SpeedButton1")->isEnabled());
        QVERIFY(!h.doc().isClean());
        h.prompts.fileAnswers = {(photos.dir / "none.zvr").string()};
        QVERIFY(h.cases().saveCase());
        QCOMPARE(readAll(photos.dir / "none.zvr").size(), std::size_t{1360});

        add(h, w, photos.paths);
        button(w, "SpeedButton6")->click(); // image 0 goes: the new image 0 is shown
        QCOMPARE(h.state().images.current, 0u);
        QCOMPARE(image(h, 0), photos.bytes[1]);
        QCOMPARE(w->display()->picture().size(), QSize(80, 40));
    }

    void aFileThatCannotBeReadStopsTheSelectionKeepingTheEarlierOnes() {
        Photos photos;
        UiHarness h;
        h.cases().newCase(CaseMode::Xyz);
        ui::ImagesWindow* w = open(h);
        const std::string missing = (photos.dir / "gone.jpg").string();
        add(h, w, {photos.paths[0], missing, photos.paths[1]});
        QCOMPARE(h.prompts.errors(), std::vector<std::string>{"Could not open \"" + missing +
                                                              "\": No such file or directory."});
        QCOMPARE(h.state().images.count(), 1u);
        QVERIFY(browsingEnabled(w));
        QVERIFY(reddish(w->display()->picture()));
        QVERIFY(!h.doc().isClean());

        h.prompts.clear();
        add(h, w, {}); // cancelled
        QCOMPARE(h.state().images.count(), 1u);
        QVERIFY(h.prompts.errors().empty());
    }

    void aDamagedEntryShowsTheDecoderMessageAndStaysBrowsableAndSavable() {
        Photos photos;
        UiHarness h;
        h.show();
        h.cases().newCase(CaseMode::Xyz);
        ui::ImagesWindow* w = open(h);
        const std::string notes = write(photos.dir / "notes.jpg",
                                        Bytes{'P', 'l', 'a', 'i', 'n', ' ', 't', 'e', 'x', 't'});
        Bytes cut = photos.bytes[0];
        cut.resize(cut.size() / 2);
        const std::string half = write(photos.dir / "half.jpg", cut);
        add(h, w, {notes, photos.paths[0], half});
        const QString notJpeg = "Not a JPEG file: starts with 0x50 0x6c";
        QCOMPARE(h.prompts.errors(), std::vector<std::string>{notJpeg.toStdString()});
        QCOMPARE(w->display()->message(), notJpeg);
        QVERIFY(w->display()->picture().isNull());

        // Resizing draws the message again without another box.
        w->resize(w->width() + 30, w->height() + 20);
        QCOMPARE(h.prompts.errors().size(), 1u);
        button(w, "SpeedButton4")->click();
        QVERIFY(reddish(w->display()->picture()));
        button(w, "SpeedButton4")->click();
        QCOMPARE(h.prompts.errors().size(), 2u);
        QCOMPARE(QString::fromStdString(h.prompts.errors().back()), w->display()->message());
        QVERIFY(!w->display()->message().isEmpty());

        h.prompts.fileAnswers = {(photos.dir / "kept.zvr").string()};
        QVERIFY(h.cases().saveCase());
        h.prompts.fileAnswers = {(photos.dir / "kept.zvr").string()};
        QVERIFY(h.cases().openCase());
        QCOMPARE(h.state().images.count(), 3u);
        QCOMPARE(image(h, 2), cut);
        QCOMPARE(w->display()->message(), notJpeg); // shown on opening, no box for it
        QCOMPARE(h.prompts.errors().size(), 2u);
        button(w, "SpeedButton6")->click();
        QCOMPARE(h.state().images.count(), 2u);
        QVERIFY(reddish(w->display()->picture()));
    }

    void theWindowKeepsItsMinimumSizeAndReportsTheDisplayArea() {
        UiHarness h;
        ui::ImagesWindow* w = open(h);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->resize(100, 100);
        QCOMPARE(w->placement().size(), QSize(188, 260));
        QCOMPARE(w->statusText(), QString("Image size: 176 x 180 pixels"));
        QCOMPARE(w->display()->geometry(), QRect(4, w->display()->y(), 176, 180));
        w->setPlacement(QRect(w->placement().topLeft(), QSize(400, 300)));
        QCOMPARE(w->placement().size(), QSize(400, 300));
        QCOMPARE(w->statusText(), QString("Image size: 388 x 220 pixels"));

        w->hide();
        w->showAt(QRect(50, 60, 300, 280));
        QVERIFY(w->isVisible());
        QCOMPARE(w->placement(), QRect(50, 60, 300, 280));
        QCOMPARE(w->statusText(), QString("Image size: 288 x 200 pixels"));
    }
};

QTEST_MAIN(ImagesWindowTest)
#include "tst_images_window.moc"
