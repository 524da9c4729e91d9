#include "ui/app/MainWindow.h"

#include "app/Version.h"
#include "ui/app/EntryPage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

namespace zorvane::ui {
namespace {

constexpr int kNormalWidth = 720;
constexpr int kNormalHeight = 292;
constexpr int kCompactWidth = 166;
constexpr int kCompactHeight = 206;
constexpr int kTopPanelHeight = 39;

// A fixed single border with the minimise button and the system menu, nothing to maximise.
constexpr Qt::WindowFlags kNormalFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// The keys the window reads before its controls, and the menu items they run.
struct CtrlKey {
    int key;
    const char* action;
};
constexpr CtrlKey kCtrlKeys[] = {
    {Qt::Key_N, "NewNESW1"}, {Qt::Key_O, "Open1"},   {Qt::Key_P, "NewPolar1"}, {Qt::Key_Q, "Quit1"},
    {Qt::Key_S, "Save1"},    {Qt::Key_X, "NewXYZ1"}, {Qt::Key_Y, "Redo1"},     {Qt::Key_Z, "Undo1"},
};

bool isCaseFile(const QUrl& url) {
    return url.isLocalFile() && url.toLocalFile().endsWith(".zvr", Qt::CaseInsensitive);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent, kNormalFlags) {
    setObjectName("TForm1");
    setWindowTitle(QString(" ") + kProductName);
    setAcceptDrops(true);
    buildLayout();
    buildMenus();
    buildPointMenu();
    setFixedSize(kNormalWidth, kNormalHeight);
    status_[0]->setText("File: none");
    status_[1]->setText("Last point:");
    status_[2]->setText("Units: ");
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    topPanel_ = new QWidget(central);
    topPanel_->setObjectName("Panel2");
    topPanel_->setGeometry(0, 0, kNormalWidth, kTopPanelHeight);
    (new QLabel("Case Name or Number:", topPanel_))->setGeometry(6, 10, 118, 19);
    casename_ = new QLineEdit(topPanel_);
    casename_->setObjectName("casename");
    casename_->setGeometry(126, 10, 170, 20);
    (new QLabel("Description: ", topPanel_))->setGeometry(306, 10, 68, 19);
    casedes_ = new QLineEdit(topPanel_);
    casedes_->setObjectName("casedes");
    casedes_->setGeometry(374, 10, 300, 20);
    incidentButton_ = new QToolButton(topPanel_);
    incidentButton_->setObjectName("SpeedButton1");
    incidentButton_->setText("...");
    incidentButton_->setToolTip("Incident description");
    incidentButton_->setGeometry(682, 9, 30, 22);

    pageControl_ = new QStackedWidget(central);
    pageControl_->setObjectName("PageControl1");
    pageControl_->setGeometry(0, kTopPanelHeight, kCompactWidth, kCompactHeight);
    for (CaseMode m : {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw}) {
        auto* p = new EntryPage(m, pageControl_);
        pages_[static_cast<int>(m)] = p;
        pageControl_->addWidget(p);
        connect(p, &EntryPage::compactClicked, this, &MainWindow::toggleCompact);
    }

    panel_ = new QWidget(central);
    panel_->setObjectName("Panel1");
    panel_->setGeometry(168, kTopPanelHeight, 478, kCompactHeight);
    plist_ = buildGrid("plist");
    plist2_ = buildGrid("plist2");
    plist2_->setVisible(false);

    showButton_ = new QPushButton("Show", central);
    showButton_->setObjectName("Button4");
    showButton_->setGeometry(652, kTopPanelHeight + 6, 62, 25);
    hiddenShow_ = new QPushButton("Show", central);
    hiddenShow_->setObjectName("Button3");
    hiddenShow_->setVisible(false);
    quitButton_ = new QPushButton("Quit", central);
    quitButton_->setObjectName("SpeedButton2");
    quitButton_->setGeometry(652, kTopPanelHeight + kCompactHeight - 31, 62, 25);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quitRequested);

    static const int widths[3] = {480, 100, 50};
    for (std::size_t i = 0; i < 3; ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        status_[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(status_[i], i == 2 ? 1 : 0);
    }
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setObjectName("StatusBar1");
}

QTableView* MainWindow::buildGrid(const char* name) {
    auto* view = new QTableView(panel_);
    view->setObjectName(name);
    view->setGeometry(0, 0, panel_->width(), panel_->height());
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(15);
    view->horizontalHeader()->setStretchLastSection(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setWordWrap(false);
    view->setMouseTracking(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    return view;
}

void MainWindow::buildMenus() {
    // Shortcuts are shown in the menus; the keys themselves are read by the window (eventFilter)
    // so that they work in compact mode and inside edit fields too.
    auto add = [this](QMenu* menu, const QString& text, const char* name,
                      const char* keys = nullptr) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        if (keys) {
            a->setShortcut(QKeySequence(keys));
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        return a;
    };
    auto menu = [this](const QString& text, const char* name) {
        QMenu* m = menuBar()->addMenu(text);
        m->setObjectName(name);
        return m;
    };

    QMenu* file = menu("&File", "File1");
    add(file, "&Open Zorvane file", "Open1", "Ctrl+O");
    add(file, "New &XYZ", "NewXYZ1", "Ctrl+X");
    add(file, "New &Polar", "NewPolar1", "Ctrl+P");
    add(file, "New &NESW", "NewNESW1", "Ctrl+N");
    file->addSeparator();
    add(file, "&Save Zorvane file", "Save1", "Ctrl+S");
    add(file, "&Quit", "Quit1", "Ctrl+Q");

    QMenu* edit = menu("&Edit", "Edit1");
    add(edit, "&Undo", "Undo1", "Ctrl+Z");
    add(edit, "&Redo", "Redo1", "Ctrl+Y");
    add(edit, "&Triangulate point…", "TriangulatePoint1");

    QMenu* drawingSettings = menu("Dra&wing Settings", "DrawingSettings1");
    add(drawingSettings, "&Units", "Units1");
    drawingSettings->addSeparator();
    add(drawingSettings, "&Renumber Points", "RenumberPoints1");

    QMenu* import = menu("&Import", "Import1");
    add(import, "&Options", "ImportOptions1");
    import->addSeparator();
    add(import, "Import &XYZ file", "ImportXYZ1");
    add(import, "Import &Polar file", "ImportPolar1");
    add(import, "Import &NESW file", "ImportNESW1");
    add(import, "Import &total station file…", "ImportTotalStation1");

    QMenu* exports = menu("&Coordinates Export", "CoordinatesExport1");
    add(exports, "&Options", "ExportOptions1");
    exports->addSeparator();
    add(exports, "Export to &XYZ file", "ExportXYZ1");
    add(exports, "Export to &Polar file", "ExportPolar1");
    add(exports, "Export to &NESW file", "ExportNESW1");

    QMenu* dxf = menu("&DXF Export", "DXFExport1");
    add(dxf, "&Options", "DXFOptions1");
    dxf->addSeparator();
    add(dxf, "Create &DXF file", "DXFExport2");

    QMenu* report = menu("&Report", "Report1");
    add(report, "Options", "ReportOptions1");
    report->addSeparator();
    add(report, "Create &OpenOffice Report", "OpenOfficeReport1");
    add(report, "Create MS &Word Report", "WordReport1");
    add(report, "Export Plan as PDF / SVG\u2026", "ExportPlan1");

    QMenu* options = menu("&Options", "Options1");
    add(options, "Program &Options", "ProgramOptions1");

    QMenu* help = menu("&Help", "Help1");
    add(help, "Help Index", "HelpIndex1");
    add(help, "About Zorvane", "AboutZorvane1");

    // Items whose command unit is not part of the program yet stay visible and disabled; a
    // unit enables what it runs.
    for (QAction* a : findChildren<QAction*>())
        if (!a->isSeparator() && !a->menu()) a->setEnabled(false);
    for (const char* always : {"Open1", "NewXYZ1", "NewPolar1", "NewNESW1", "Quit1"})
        action(always)->setEnabled(true);
}

void MainWindow::buildPointMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    popup_->addAction("Zoom Center")->setObjectName("ZoomOn1");
    popup_->addSeparator();
    popup_->addAction("Delete Point")->setObjectName("DeletePoint1");
    QMenu* mark = popup_->addMenu("Mark Point");
    mark->setObjectName("MarkPoint1");
    mark->menuAction()->setObjectName("MarkPointMenu1");
    for (const char* colour : {"Red", "Green", "Blue", "Magenta"})
        mark->addAction(colour)->setObjectName(QString(colour) + "1");
    popup_->addAction("Clear Point")->setObjectName("ClearPoint1");
    popup_->addSeparator();
    popup_->addAction("Clear all points")->setObjectName("Clearallpoints1");
}

QAction* MainWindow::action(const char* name) const {
    return findChild<QAction*>(name);
}

QTableView* MainWindow::grid(CaseMode mode) const {
    return mode == CaseMode::Nesw ? plist2_ : plist_;
}

void MainWindow::setStatusText(int panel, const QString& text) {
    status_.at(static_cast<std::size_t>(panel))->setText(text);
}

QString MainWindow::statusText(int panel) const {
    return status_.at(static_cast<std::size_t>(panel))->text();
}

void MainWindow::showMode(CaseMode mode) {
    mode_ = mode;
    pageControl_->setCurrentWidget(page(mode));
    plist_->setVisible(mode != CaseMode::Nesw && !compact_);
    plist2_->setVisible(mode == CaseMode::Nesw && !compact_);
}

void MainWindow::toggleCompact() {
    const QPoint at = pos();
    compact_ = !compact_;
    topPanel_->setVisible(!compact_);
    panel_->setVisible(!compact_);
    showButton_->setVisible(!compact_);
    quitButton_->setVisible(!compact_);
    hiddenShow_->setVisible(false);
    menuBar()->setVisible(!compact_);
    statusBar()->setVisible(!compact_);
    if (compact_) {
        pageControl_->move(0, 0);
        setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
        setFixedSize(kCompactWidth, kCompactHeight);
    } else {
        pageControl_->move(0, kTopPanelHeight);
        setWindowFlags(kNormalFlags);
        setFixedSize(kNormalWidth, kNormalHeight);
        showMode(mode_);
    }
    move(at);
    show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // Closing the window is the Quit command, which may be cancelled.
    event->ignore();
    Q_EMIT quitRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* w = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                          Qt::ShiftModifier | Qt::MetaModifier);
    if (!w || w->window() != this || mods != Qt::ControlModifier)
        return QMainWindow::eventFilter(watched, event);
    for (const CtrlKey& k : kCtrlKeys) {
        if (key->key() != k.key) continue;
        // The window sees these keys before its controls: edit fields must not take Ctrl+X,
        // Ctrl+Z or Ctrl+Y for themselves. A disabled item (Undo with nothing to undo) does
        // nothing at all.
        if (type == QEvent::ShortcutOverride) {
            event->accept();
        } else if (!key->isAutoRepeat()) {
            if (QAction* a = action(k.action); a && a->isEnabled()) a->trigger();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls()) return;
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), isCaseFile)) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::none_of(urls.begin(), urls.end(), isCaseFile)) return;
    event->acceptProposedAction();
    Q_EMIT filesDropped(urls);
}

} // namespace zorvane::ui
