#include "ui/app/MainWindow.h"

#include "case/CaseOperations.h"
#include "case/PointEditing.h"
#include "case/PointEntry.h"
#include "files/CaseFile.h"
#include "ui/app/AboutDialog.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/DrawingSettingsDialog.h"
#include "ui/app/PointGridModel.h"
#include "ui/app/QtColour.h"
#include "ui/app/RenumberDialog.h"
#include "ui/view/DrawingWindow.h"
#include "ui/view/PolylinesWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
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

constexpr const char* kCaseFileFilter =
    "XYZ files (*.zvx, *.txt)|*.zvx;*.txt|Polar files (*.zvp, *.txt)|*.zvp;*.txt|NSEW files (*.zvn, *.txt)|"
    "*.zvn;*.txt|Text files (*.txt)|*.txt|Zorvane files (*.zvr)|*.zvr|All files (*.*)|*.*";

char localeSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

void setTextColour(QWidget* w, Colour c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, toQColor(c));
    w->setPalette(pal);
}

} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx_(context) {
    setObjectName("TForm1");
    setWindowTitle(" Zorvane 1.0");
    setAcceptDrops(true);
    doc_.decimalSeparator = localeSeparator();
    caseFolder_ = QString::fromStdString(ctx_.settings.folder("qkvpath"));
    view_.labelHeight = ctx_.options.labelHeight;

    buildLayout();
    buildMenus();
    buildPopupMenu();

    drawing_ = new DrawingWindow(doc_, view_, ctx_.prompts);
    polylines_ = new PolylinesWindow(doc_, undo_, this);
    unitsDialog_ = new DrawingSettingsDialog(
        doc_,
        [this] {
            resetGridModels();
            selectRow(doc_.grid.selectedRow);
            redrawPlan();
        },
        [this] { showHelp(); }, this);
    unitsDialog_->setUnits({clampUnit(ctx_.options.defaultUnit), clampDecimals(ctx_.options.defaultDecimals)});
    connect(drawing_, &DrawingWindow::closedByUser, this, [this] {
        drawingShown_ = false;
        polylines_->hide();
        showButton_->setText("Show");
    });
    connect(drawing_, &DrawingWindow::polylinesRequested, this, [this] {
        if (!polylinesPlaced_) { // the first time beside the drawing, not over it
            polylines_->move(drawing_->frameGeometry().topRight() + QPoint(8, 0));
            polylinesPlaced_ = true;
        }
        polylines_->show();
        polylines_->raise();
    });
    connect(drawing_, &DrawingWindow::labelHeightChanged, this,
            [this](int height) { ctx_.options.labelHeight = height; });
    connect(polylines_, &PolylinesWindow::changed, this, [this] {
        updateUndoActions();
        redrawPlan();
    });
    connect(polylines_, &PolylinesWindow::undoRequested, this, [this] {
        if (undo_.canUndo()) undo();
    });
    connect(polylines_, &PolylinesWindow::redoRequested, this, [this] {
        if (undo_.canRedo()) redo();
    });
    connect(polylines_, &PolylinesWindow::error, this, [this](const std::string& text, bool) { showError(text); });
    connect(drawing_, &DrawingWindow::showMainRequested, this, [this] {
        raise();
        activateWindow();
    });

    setFixedSize(kNormalWidth, kNormalHeight);
    setCaseControlsEnabled(false);
    updateUndoActions();
    status_[0]->setText("File: none");
    status_[1]->setText("Last point:");
    status_[2]->setText("Units: ");
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    delete drawing_;
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    topPanel_ = new QWidget(central);
    topPanel_->setObjectName("Panel2");
    topPanel_->setGeometry(0, 0, kNormalWidth, kTopPanelHeight);
    auto* nameLabel = new QLabel("Case Name or Number:", topPanel_);
    nameLabel->setGeometry(6, 10, 118, 19);
    casename_ = new QLineEdit(topPanel_);
    casename_->setObjectName("casename");
    casename_->setGeometry(126, 10, 170, 20);
    auto* desLabel = new QLabel("Description: ", topPanel_);
    desLabel->setGeometry(306, 10, 68, 19);
    casedes_ = new QLineEdit(topPanel_);
    casedes_->setObjectName("casedes");
    casedes_->setGeometry(374, 10, 300, 20);
    incidentButton_ = new QToolButton(topPanel_);
    incidentButton_->setObjectName("SpeedButton1");
    incidentButton_->setText("...");
    incidentButton_->setToolTip("Incident description");
    incidentButton_->setGeometry(682, 9, 30, 22);
    connect(casename_, &QLineEdit::textChanged, this, [this](const QString& t) { doc_.caseName = toCp1252(t); });
    connect(casedes_, &QLineEdit::textChanged, this, [this](const QString& t) { doc_.caseDescription = toCp1252(t); });

    pageControl_ = new QStackedWidget(central);
    pageControl_->setObjectName("PageControl1");
    pageControl_->setGeometry(0, kTopPanelHeight, kCompactWidth, kCompactHeight);
    for (CaseMode m : {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw}) {
        auto* p = new EntryPage(m, pageControl_);
        pages_[static_cast<int>(m)] = p;
        pageControl_->addWidget(p);
        connectPage(p);
    }

    panel_ = new QWidget(central);
    panel_->setObjectName("Panel1");
    panel_->setGeometry(168, kTopPanelHeight, 478, kCompactHeight);
    auto makeGrid = [this](const char* name, CaseMode mode, PointGridModel*& model) {
        auto* view = new QTableView(panel_);
        view->setObjectName(name);
        model = new PointGridModel(doc_, mode, view);
        view->setModel(model);
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
        const auto widths = PointGrid::columnWidths(mode);
        for (std::size_t c = 0; c < widths.size(); ++c) view->setColumnWidth(static_cast<int>(c), widths[c]);
        view->setColumnHidden(PointGrid::codeColumn(mode), true);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, view](const QModelIndex& current) {
                    if (current.isValid() && !selecting_ && view->isVisible() && doc_.started) selectRow(current.row() + 1);
                });
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& pos) {
            if (!doc_.started) return;
            updatePopupEnabling();
            popup_->exec(view->viewport()->mapToGlobal(pos));
        });
        return view;
    };
    plist_ = makeGrid("plist", CaseMode::Xyz, plistModel_);
    plist2_ = makeGrid("plist2", CaseMode::Nesw, plist2Model_);
    plist2_->setVisible(false);

    showButton_ = new QPushButton("Show", central);
    showButton_->setObjectName("Button4");
    showButton_->setGeometry(652, kTopPanelHeight + 6, 62, 25);
    connect(showButton_, &QPushButton::clicked, this, &MainWindow::toggleDrawing);
    hiddenShow_ = new QPushButton("Show", central);
    hiddenShow_->setObjectName("Button3");
    hiddenShow_->setVisible(false);
    quitButton_ = new QPushButton("Quit", central);
    quitButton_->setObjectName("SpeedButton2");
    quitButton_->setGeometry(652, kTopPanelHeight + kCompactHeight - 31, 62, 25);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quit);

    static const int widths[3] = {480, 100, 50};
    for (int i = 0; i < 3; ++i) {
        status_[static_cast<std::size_t>(i)] = new QLabel(this);
        status_[static_cast<std::size_t>(i)]->setObjectName(QString("StatusPanel%1").arg(i));
        status_[static_cast<std::size_t>(i)]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(status_[static_cast<std::size_t>(i)], i == 2 ? 1 : 0);
    }
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setObjectName("StatusBar1");
}

void MainWindow::buildMenus() {
    // Shortcuts are shown in the menus; the keys themselves are read by the window (eventFilter)
    // so that they work in compact mode and inside edit fields too.
    auto add = [this](QMenu* menu, const QString& text, const char* name, const QKeySequence& keys,
                      auto&& slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto disabled = [](QMenu* menu, const QString& text, const char* name) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        a->setEnabled(false);
        return a;
    };

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    add(file, "&Open Zorvane file", "Open1", QKeySequence("Ctrl+O"), [this] { openCase(); });
    add(file, "New &XYZ", "NewXYZ1", QKeySequence("Ctrl+X"), [this] { newCase(CaseMode::Xyz); });
    add(file, "New &Polar", "NewPolar1", QKeySequence("Ctrl+P"), [this] { newCase(CaseMode::Polar); });
    add(file, "New &NESW", "NewNESW1", QKeySequence("Ctrl+N"), [this] { newCase(CaseMode::Nesw); });
    file->addSeparator();
    add(file, "&Save Zorvane file", "Save1", QKeySequence("Ctrl+S"), [this] { saveCase(); });
    add(file, "&Quit", "Quit1", QKeySequence("Ctrl+Q"), [this] { quit(); });

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("Edit1");
    undoAction_ = add(edit, "&Undo", "Undo1", QKeySequence("Ctrl+Z"), [this] { undo(); });
    redoAction_ = add(edit, "&Redo", "Redo1", QKeySequence("Ctrl+Y"), [this] { redo(); });

    QMenu* drawingSettings = menuBar()->addMenu("Dra&wing Settings");
    drawingSettings->setObjectName("DrawingSettings1");
    unitsAction_ = add(drawingSettings, "&Units", "Units1", {}, [this] { showUnits(); });
    drawingSettings->addSeparator();
    renumberAction_ = add(drawingSettings, "&Renumber Points", "RenumberPoints1", {}, [this] { showRenumber(); });

    QMenu* import = menuBar()->addMenu("&Import");
    import->setObjectName("Import1");
    disabled(import, "&Options", "ImportOptions1");
    import->addSeparator();
    disabled(import, "Import &XYZ file", "ImportXYZ1");
    disabled(import, "Import &Polar file", "ImportPolar1");
    disabled(import, "Import &NESW file", "ImportNESW1");

    QMenu* exportMenu = menuBar()->addMenu("&Coordinates Export");
    exportMenu->setObjectName("CoordinatesExport1");
    disabled(exportMenu, "&Options", "ExportOptions1");
    exportMenu->addSeparator();
    disabled(exportMenu, "Export to &XYZ file", "ExportXYZ1");
    disabled(exportMenu, "Export to &Polar file", "ExportPolar1");
    disabled(exportMenu, "Export to &NESW file", "ExportNESW1");

    QMenu* dxf = menuBar()->addMenu("&DXF Export");
    dxf->setObjectName("DXFExport1");
    disabled(dxf, "&Options", "DXFOptions1");
    dxf->addSeparator();
    disabled(dxf, "Create &DXF file", "DXFExport2");

    QMenu* report = menuBar()->addMenu("&Report");
    report->setObjectName("Report1");
    disabled(report, "Options", "ReportOptions1");
    report->addSeparator();
    disabled(report, "Create &OpenOffice Report", "OpenOfficeReport1");
    disabled(report, "Create MS &Word Report", "WordReport1");

    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("Options1");
    disabled(options, "Program &Options", "ProgramOptions1");

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    add(help, "Help Index", "HelpIndex1", {}, [this] { showHelp(); });
    add(help, "About Zorvane", "AboutZorvane1", {}, [this] { showAbout(); });
}

void MainWindow::buildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    zoomOn_ = popup_->addAction("Zoom Center", this, &MainWindow::zoomCentre);
    zoomOn_->setObjectName("ZoomOn1");
    popup_->addSeparator();
    deletePointAction_ = popup_->addAction("Delete Point", this, &MainWindow::deleteSelectedPoint);
    deletePointAction_->setObjectName("DeletePoint1");
    QMenu* mark = popup_->addMenu("Mark Point");
    mark->setObjectName("MarkPoint1");
    markMenuAction_ = mark->menuAction();
    const std::pair<const char*, Colour> marks[] = {
        {"Red", kMarkRed}, {"Green", kMarkGreen}, {"Blue", kMarkBlue}, {"Magenta", kMarkMagenta}};
    for (const auto& [text, colour] : marks) {
        QAction* a = mark->addAction(text);
        a->setObjectName(QString(text) + "1");
        connect(a, &QAction::triggered, this, [this, c = colour] { markSelectedPoint(c); });
    }
    clearPointAction_ = popup_->addAction("Clear Point", this, [this] { markSelectedPoint(0); });
    clearPointAction_->setObjectName("ClearPoint1");
    popup_->addSeparator();
    clearAllAction_ = popup_->addAction("Clear all points", this, &MainWindow::clearAllPointMarks);
    clearAllAction_->setObjectName("Clearallpoints1");
    connect(popup_, &QMenu::aboutToShow, this, &MainWindow::updatePopupEnabling);

    // The number fields carry the same menu.
    for (EntryPage* p : pages_) {
        p->numberField()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(p->numberField(), &QWidget::customContextMenuRequested, this, [this, p](const QPoint& pos) {
            if (!doc_.started) return;
            updatePopupEnabling();
            popup_->exec(p->numberField()->mapToGlobal(pos));
        });
    }
}

void MainWindow::connectPage(EntryPage* p) {
    connect(p, &EntryPage::valueLeft, this, [this, p](int i) { normaliseValue(p, i); });
    connect(p, &EntryPage::numberLeft, this, [this, p] { normaliseNumber(p); });
    connect(p, &EntryPage::valueEnter, this, [this, p](int i) { valueEnter(p, i); });
    connect(p, &EntryPage::numberEnter, this, [this, p] { numberEnter(p); });
    connect(p, &EntryPage::descriptorEnter, this, &MainWindow::createPoint);
    connect(p, &EntryPage::createClicked, this, &MainWindow::createPoint);
    connect(p, &EntryPage::navClicked, this, &MainWindow::navigate);
    connect(p, &EntryPage::compactClicked, this, &MainWindow::toggleCompact);
}

QTableView* MainWindow::grid(CaseMode mode) const { return mode == CaseMode::Nesw ? plist2_ : plist_; }

QString MainWindow::statusText(int panel) const { return status_.at(static_cast<std::size_t>(panel))->text(); }

// ---- shell commands ----------------------------------------------------------------------

bool MainWindow::askToSaveChanges() {
    if (doc_.clean) return true;
    switch (ctx_.prompts.askSaveChanges()) {
    case SaveAnswer::Yes: saveCase(); return true; // a cancelled save dialog loses the changes
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

bool MainWindow::newCase(CaseMode mode) {
    if (!askToSaveChanges()) return false;
    resetCase(doc_, mode, ctx_.options, ctx_.today());
    showReplacedCase("File: not saved ", false);
    redrawPlan();
    return true;
}

void MainWindow::showReplacedCase(const QString& fileStatus, bool opened) {
    undo_.disable();
    view_.labelHeight = ctx_.options.labelHeight;
    {
        const QSignalBlocker a(casename_), b(casedes_);
        casename_->setText(fromCp1252(doc_.caseName));
        casedes_->setText(fromCp1252(doc_.caseDescription));
    }
    for (EntryPage* p : pages_) {
        p->clearFields();
        setTextColour(p->numberField(), 0);
        // The jump to the new-point row is offered by an opened case, and by a new one once it
        // holds a point.
        p->navButton(EntryPage::Nav::NewPoint)->setEnabled(opened);
    }
    setCaseControlsEnabled(true);
    pageControl_->setCurrentWidget(currentPage());
    showModeGrid();
    refillDescriptorBoxes();
    drawing_->caseStarted();
    polylines_->refillNames();
    unitsDialog_->setUnits(doc_.units);
    updateUndoActions();
    status_[0]->setText(fileStatus);
    updateStatus();
    selectRow(doc_.grid.selectedRow);
}

bool MainWindow::quit() {
    if (!doc_.clean) {
        switch (ctx_.prompts.askSaveChanges()) {
        case SaveAnswer::Yes: saveCase(); break;
        case SaveAnswer::No: break;
        case SaveAnswer::Cancel: return false;
        }
    }
    quitting_ = true;
    drawing_->hide();
    close();
    QCoreApplication::quit();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_) {
        event->accept();
        return;
    }
    // Closing the window is the Quit command, which may be cancelled.
    event->ignore();
    quit();
}

FileDialogRequest MainWindow::caseFileDialog(const char* title, bool saving) const {
    FileDialogRequest r;
    r.title = title;
    r.filter = kCaseFileFilter;
    if (saving) r.filter += "|DXF Files (*.dxf)|*.dxf";
    r.filterIndex = 5;
    r.defaultExtension = "zvr";
    r.initialFolder = caseFolder_.toStdString();
    return r;
}

void MainWindow::rememberCaseFolder(const QString& path) {
    caseFolder_ = QFileInfo(path).absolutePath();
    ctx_.settings.setFolder("qkvpath", caseFolder_.toStdString());
}

bool MainWindow::saveCase() {
    const auto path = ctx_.prompts.saveFile(caseFileDialog("Save a Zorvane file", true));
    if (!path) return false;
    try {
        saveCaseFile(*path, doc_, ctx_.options.saveImages);
    } catch (const std::exception& e) {
        // The previous file is untouched and the case keeps its unsaved state.
        showError(e.what());
        return false;
    }
    doc_.clean = true;
    const QString file = QFileInfo(QString::fromStdString(*path)).absoluteFilePath();
    status_[0]->setText("File: " + file);
    rememberCaseFolder(file);
    return true;
}

bool MainWindow::openCase() {
    if (!askToSaveChanges()) return false;
    const auto path = ctx_.prompts.openFile(caseFileDialog("Open a Zorvane file", false));
    if (!path) return false;
    return loadCase(QString::fromStdString(*path));
}

bool MainWindow::openCaseFile(const QString& path) {
    if (!askToSaveChanges()) return false;
    return loadCase(path);
}

bool MainWindow::loadCase(const QString& path) {
    CaseFileContents contents;
    try {
        contents = loadCaseFile(path.toStdString());
    } catch (const std::exception& e) {
        // Nothing of the open case has been touched.
        showError(e.what());
        return false;
    }
    applyCaseFile(doc_, std::move(contents));
    const QString file = QFileInfo(path).absoluteFilePath();
    rememberCaseFolder(file);
    showReplacedCase("File: " + file, true);
    recomputeView(view_.transform, doc_.points, doc_.screen, doc_.mode);
    zoomAll(view_, doc_.screen);
    redrawPlan();
    return true;
}

void MainWindow::undo() {
    if (undo_.undo(doc_)) refreshAfterRebuild();
}

void MainWindow::redo() {
    if (undo_.redo(doc_)) refreshAfterRebuild();
}

void MainWindow::refreshAfterRebuild() {
    resetGridModels();
    updateUndoActions();
    updateStatus();
    selectRow(doc_.grid.selectedRow);
    refreshPolylineWindow(true);
    redrawPlan();
}

void MainWindow::toggleDrawing() {
    if (drawingShown_) {
        drawing_->hide();
        polylines_->hide();
        showButton_->setText("Show");
    } else {
        if (!drawingPlaced_) {
            drawing_->move(frameGeometry().left(), frameGeometry().top() + 310);
            drawingPlaced_ = true;
        }
        drawing_->showWithToolbars();
        showButton_->setText("Hide");
    }
    drawingShown_ = !drawingShown_;
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
        setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(kNormalWidth, kNormalHeight);
        showModeGrid();
    }
    move(at);
    show();
}

void MainWindow::showHelp() {
    const auto file = ctx_.programFolder / "zorvane_help.html";
    ctx_.openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string()))); // failure is not reported
}

void MainWindow::showAbout() {
    AboutDialog about(ctx_.openUrl, this);
    about.exec();
}

void MainWindow::showUnits() {
    if (!doc_.started) return;
    unitsDialog_->exec();
    updateStatus();
}

void MainWindow::showRenumber() {
    if (!doc_.started) return;
    RenumberDialog dialog(this);
    connect(&dialog, &RenumberDialog::helpRequested, this, &MainWindow::showHelp);
    connect(&dialog, &RenumberDialog::renumberRequested, this, [this](std::int32_t start) {
        const EditOutcome out = renumberPoints(doc_, start);
        if (out.error) showError(*out.error);
        if (!out.changed) return;
        refreshPolylineWindow(false);
        resetGridModels();
        updateStatus();
        selectRow(doc_.grid.selectedRow);
        redrawPlan();
    });
    dialog.exec();
}

// ---- keys ------------------------------------------------------------------------------

bool MainWindow::runCtrlKey(int key) {
    switch (key) {
    case Qt::Key_N: newCase(CaseMode::Nesw); return true;
    case Qt::Key_O: openCase(); return true;
    case Qt::Key_P: newCase(CaseMode::Polar); return true;
    case Qt::Key_Q: quit(); return true;
    case Qt::Key_S:
        if (doc_.started) saveCase();
        return true;
    case Qt::Key_X: newCase(CaseMode::Xyz); return true;
    case Qt::Key_Y:
        if (undo_.canRedo()) redo();
        return true;
    case Qt::Key_Z:
        if (undo_.canUndo()) undo();
        return true;
    default: return false;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
        static const int keys[] = {Qt::Key_N, Qt::Key_O, Qt::Key_P, Qt::Key_Q, Qt::Key_S, Qt::Key_X, Qt::Key_Y, Qt::Key_Z};
        if (w && w->window() == this && mods == Qt::ControlModifier &&
            std::find(std::begin(keys), std::end(keys), key->key()) != std::end(keys)) {
            // The window sees these keys before its controls: edit fields must not take
            // Ctrl+X, Ctrl+Z or Ctrl+Y for themselves.
            if (type == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            if (!key->isAutoRepeat()) runCtrlKey(key->key());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile() && url.toLocalFile().endsWith(".zvr", Qt::CaseInsensitive)) {
                event->acceptProposedAction();
                return;
            }
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (openDroppedFiles(event->mimeData()->urls())) event->acceptProposedAction();
}

bool MainWindow::openDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        if (url.isLocalFile() && url.toLocalFile().endsWith(".zvr", Qt::CaseInsensitive)) {
            openCaseFile(url.toLocalFile());
            return true;
        }
    return false;
}

// ---- case display ----------------------------------------------------------------------

void MainWindow::setCaseControlsEnabled(bool enabled) {
    casename_->setEnabled(enabled);
    casedes_->setEnabled(enabled);
    incidentButton_->setEnabled(false); // the incident window comes with the attachments
    for (EntryPage* p : pages_) p->setEnabled(enabled);
    plist_->setEnabled(enabled);
    plist2_->setEnabled(enabled);
    unitsAction_->setEnabled(enabled);
    renumberAction_->setEnabled(enabled);
    if (QAction* save = findChild<QAction*>("Save1")) save->setEnabled(enabled);
}

void MainWindow::updateUndoActions() {
    undoAction_->setEnabled(undo_.canUndo());
    redoAction_->setEnabled(undo_.canRedo());
}

void MainWindow::updateStatus() {
    status_[1]->setText(QString("Last Point: %1").arg(doc_.lastPointNumber));
    status_[2]->setText("Units: " + fromUtf8(std::string(unitStatusName(doc_.units.unit))));
}

void MainWindow::showModeGrid() {
    const bool nesw = doc_.mode == CaseMode::Nesw;
    plistModel_->setMode(nesw ? CaseMode::Xyz : doc_.mode);
    plist2Model_->reset();
    plist_->setVisible(!nesw);
    plist2_->setVisible(nesw);
    const auto widths = PointGrid::columnWidths(CaseMode::Xyz);
    for (std::size_t c = 0; c < widths.size(); ++c) plist_->setColumnWidth(static_cast<int>(c), widths[c]);
}

void MainWindow::resetGridModels() {
    plistModel_->reset();
    plist2Model_->reset();
}

void MainWindow::selectRow(int gridRow) {
    if (!doc_.started) return;
    const int last = newPointRow(doc_);
    gridRow = std::clamp(gridRow, 1, last);
    doc_.grid.selectedRow = gridRow;
    QTableView* view = grid(doc_.mode);
    if (view->model()->rowCount() != PointGrid::rowCount(doc_.points.size()) - 1) resetGridModels();
    {
        // The view must still hear of the change to paint it; only our own handler stays out.
        const QScopedValueRollback guard(selecting_, true);
        const QModelIndex index = view->model()->index(gridRow - 1, 0);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    }
    loadSelectionIntoFields();
}

void MainWindow::loadSelectionIntoFields() {
    EntryPage* p = currentPage();
    const SelectionLoad s = loadSelection(doc_, doc_.grid.selectedRow);
    p->numberField()->setText(fromCp1252(s.fields.number));
    const auto& values = p->valueFields();
    for (std::size_t i = 0; i < values.size(); ++i) values[i]->setText(fromCp1252(s.fields.values[i]));
    if (s.pointRow) {
        p->descriptorBox()->setEditText(fromCp1252(s.fields.descriptor));
        p->descriptorBox()->lineEdit()->setCursorPosition(0); // show the start of a long text
    }
    setTextColour(p->numberField(), s.mark);
    if (!s.pointRow && p->isEnabled()) values.front()->setFocus(Qt::OtherFocusReason);
    p->descriptorBox()->setToolTip(p->descriptorBox()->currentText());
    updateNavButtons();
}

void MainWindow::updateNavButtons() {
    // First, previous and next act on the selection; the new-point button is offered once the
    // grid has points.
    for (EntryPage* p : pages_) {
        p->navButton(EntryPage::Nav::First)->setEnabled(doc_.started);
        p->navButton(EntryPage::Nav::Previous)->setEnabled(doc_.started);
        p->navButton(EntryPage::Nav::Next)->setEnabled(doc_.started);
        if (!doc_.points.empty()) p->navButton(EntryPage::Nav::NewPoint)->setEnabled(true);
    }
}

void MainWindow::updatePopupEnabling() {
    const bool point = isPointRow(doc_, doc_.grid.selectedRow);
    zoomOn_->setEnabled(point);
    deletePointAction_->setEnabled(point);
    markMenuAction_->setEnabled(point);
    clearPointAction_->setEnabled(point);
    clearAllAction_->setEnabled(true);
}

void MainWindow::navigate(EntryPage::Nav nav) {
    if (const auto row = gridStepTarget(doc_, nav)) selectRow(*row);
}

void MainWindow::refillDescriptorBoxes() {
    for (EntryPage* p : pages_) {
        QComboBox* box = p->descriptorBox();
        const QString text = box->currentText();
        const QSignalBlocker block(box);
        box->clear();
        for (const auto& d : doc_.descriptors) box->addItem(fromCp1252(d));
        box->setEditText(text);
    }
}

// ---- point entry -----------------------------------------------------------------------

namespace {
EntryFields fieldsOf(EntryPage* p) {
    EntryFields f;
    f.number = toCp1252(p->numberField()->text());
    const auto& values = p->valueFields();
    for (std::size_t i = 0; i < values.size(); ++i) f.values[i] = toCp1252(values[i]->text());
    f.descriptor = toCp1252(p->descriptorBox()->currentText());
    f.code = toCp1252(p->codeField()->text());
    return f;
}
} // namespace

void MainWindow::normaliseValue(EntryPage* p, int i) {
    if (!doc_.started) return;
    QLineEdit* e = p->valueFields().at(static_cast<std::size_t>(i));
    e->setText(fromCp1252(normaliseField(toCp1252(e->text()), valueFieldKind(p->mode(), i), doc_.units,
                                         doc_.decimalSeparator)));
}

void MainWindow::normaliseNumber(EntryPage* p) {
    if (!doc_.started) return;
    QLineEdit* e = p->numberField();
    e->setText(fromCp1252(normaliseField(toCp1252(e->text()), FieldKind::Number, doc_.units, doc_.decimalSeparator)));
}

void MainWindow::valueEnter(EntryPage* p, int i) {
    normaliseValue(p, i);
    const auto& values = p->valueFields();
    if (static_cast<std::size_t>(i) + 1 < values.size())
        values[static_cast<std::size_t>(i) + 1]->setFocus(Qt::TabFocusReason);
    else
        p->descriptorBox()->setFocus(Qt::TabFocusReason);
}

void MainWindow::numberEnter(EntryPage* p) {
    const QString text = p->numberField()->text();
    if (text.trimmed().isEmpty()) return;
    for (QLineEdit* v : p->valueFields()) v->clear();
    const NumberLookup found = findRowByNumberText(doc_, toCp1252(text));
    if (found.error) {
        showError(*found.error);
        p->numberField()->setFocus();
        return;
    }
    if (found.row) selectRow(*found.row);
}

void MainWindow::createPoint() {
    if (!doc_.started) return;
    EntryPage* p = currentPage();
    EntryFields f = fieldsOf(p);
    const std::size_t before = doc_.points.size();
    const EntryOutcome out = createOrModifyPoint(doc_, view_.transform, undo_, f);
    const auto& values = p->valueFields();
    for (std::size_t i = 0; i < values.size(); ++i) values[i]->setText(fromCp1252(f.values[i]));
    if (out.kind != EntryOutcome::Kind::Written) {
        showError(out.message);
        if (out.focusValue >= 0)
            values[static_cast<std::size_t>(out.focusValue)]->setFocus();
        else
            p->numberField()->setFocus();
        return;
    }
    if (doc_.points.size() != before)
        resetGridModels();
    else
        (doc_.mode == CaseMode::Nesw ? plist2Model_ : plistModel_)->rowChanged(out.row);
    refillDescriptorBoxes();
    selectRow(doc_.grid.selectedRow);
    updateStatus();
    updateUndoActions();
    p->navButton(EntryPage::Nav::NewPoint)->setEnabled(true);
    if (doc_.mode != CaseMode::Xyz) values.front()->setFocus(); // bearing, North
    redrawPlan();
}

// ---- point editing ---------------------------------------------------------------------

void MainWindow::deleteSelectedPoint() {
    const EditOutcome out = deletePoint(doc_, undo_, toCp1252(currentPage()->numberField()->text()));
    if (out.error) showError(*out.error);
    if (out.changed) refreshAfterRebuild();
}

void MainWindow::markSelectedPoint(Colour colour) {
    const EditOutcome out = setMark(doc_, undo_, colour);
    if (!out.changed) return;
    setTextColour(currentPage()->numberField(), colour);
    updateUndoActions();
    redrawPlan();
}

void MainWindow::clearAllPointMarks() {
    clearAllMarks(doc_, undo_);
    setTextColour(currentPage()->numberField(), 0);
    updateUndoActions();
    redrawPlan();
}

void MainWindow::zoomCentre() {
    // A number that names no point (or is no number) leaves the view alone.
    if (const auto row = findRowByNumberText(doc_, toCp1252(currentPage()->numberField()->text())).row) {
        centreOnPoint(view_, doc_.screen, static_cast<std::size_t>(*row - 1));
        redrawPlan();
    }
}

void MainWindow::redrawPlan() { drawing_->redraw(); }

void MainWindow::refreshPolylineWindow(bool names) {
    if (names)
        polylines_->refillNames();
    else
        polylines_->reloadCurrent();
}

void MainWindow::showError(const std::string& text) { ctx_.prompts.error(text); }

} // namespace zorvane::ui
