#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <ctime>

#include "ZevVersion.h"
#include "app/CAboutDlg.h"
#include "app/CDatabaseCommands.h"
#include "app/CLineMonitorWnd.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DeviceWatch.h"
#include "app/ListPrinter.h"
#include "app/RecentFileList.h"
#include "app/StatusPanes.h"
#include "app/TerminalPrinter.h"
#include "app/ToolbarIcons.h"
#include "app/TransferOptions.h"
#include "app/WindowPlacement.h"
#include "core/FileName.h"
#include "link/SerialLink.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ChannelListPane.h"
#include "satellites/SatelliteDialogs.h"
#include "ui/UiPrompts.h"

namespace {

constexpr int kStatusTimerMs = 1000;
const char* const kDefaultDocumentTitle = "ZEV";

}  // namespace

CMainFrame::CMainFrame(CZevDoc& doc, zev::ChannelDatabase& db, zev::ImageBuffers& images,
                       UiPrompts& prompts, RecentFileList& recent)
    : doc_(doc), db_(db), prompts_(prompts), recent_(recent) {
    setWindowIcon(ProgramIcon());
    prompts_.SetParentWindow(this);
    satelliteDialogs_ = std::make_unique<SatelliteDialogs>(db_, prompts_, doc_.Changes());
    recordDialogs_ = satelliteDialogs_.get();

    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
    terminalView = new CZevView(doc_, db_, images, prompts_, stack_);
    terminalView->SetListShownQuery([this] { return listShown != 0; });
    stack_->addWidget(terminalView);

    BuildActions();
    BuildMenus();
    BuildToolBar();
    panes_ = new StatusPanes(statusBar());
    BindCommands();
    printer_ = std::make_unique<TerminalPrinter>(*terminalView, this);
    listPrinter_ = std::make_unique<ListPrinter>(this);
    databaseCommands_ = std::make_unique<CDatabaseCommands>(*this, db_, prompts_);

    connect(&doc_, &CZevDoc::StateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(terminalView, &CZevView::StateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(terminalView, &CZevView::undoAvailable, this, [this](bool on) {
        undoAvailable_ = on;
        UpdateCommandUI();
    });
    connect(terminalView, &CZevView::redoAvailable, this, [this](bool on) {
        redoAvailable_ = on;
        UpdateCommandUI();
    });
    connect(&doc_.Changes(), &DatabaseChanges::HistoryChanged, this, &CMainFrame::UpdateCommandUI);
    connect(terminalView, &CZevView::copyAvailable, this, [this](bool on) {
        copyAvailable_ = on;
        UpdateCommandUI();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(terminalView, &CZevView::ShowTerminalRequested, this, &CMainFrame::OnEditText);
    connect(terminalView, &CZevView::TvListRequested, this, [this] { ShowList(1); });
    connect(terminalView, &CZevView::LoadedTvListRequested, this, &CMainFrame::OnShowLoadedTvList);
    connect(terminalView, &CZevView::ProgressChanged, panes_, &StatusPanes::ShowProgress);
    connect(&doc_.Watch(), &DeviceWatch::Notice, panes_, &StatusPanes::SetNotice);

    statusTimer_ = new QTimer(this);
    connect(statusTimer_, &QTimer::timeout, this, &CMainFrame::RefreshStatus);
    statusTimer_->start(kStatusTimerMs);

    SetDocumentTitle(kDefaultDocumentTitle);
    terminalView->NewDocument();
    UpdateCommandUI();
    // Wide enough for the channel list's columns and a full port text in the status bar, as
    // far as the screen allows.
    PlaceOnScreen(*this, QSize(1040, 680));
}

CMainFrame::~CMainFrame() = default;

// ---- building ------------------------------------------------------------------------------

void CMainFrame::BuildActions() {
    for (const CommandEntry& entry : CommandTable()) {
        auto* action = new QAction(QString::fromLatin1(entry.caption), this);
        action->setShortcuts(entry.shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(PromptOf(entry.prompt));
        const QString tip = ToolTipOf(entry.prompt);
        if (!tip.isEmpty()) action->setToolTip(tip);
        action->setIcon(ToolbarIcon(entry.id));
        action->setIconVisibleInMenu(false);
        addAction(action);  // shortcuts work for toolbar-only commands too
        actions_.insert(entry.id, action);
    }
    Action(cmd::ToggleHexMode)->setCheckable(true);
    Action(cmd::ViewToolbar)->setCheckable(true);
    Action(cmd::ViewStatusBar)->setCheckable(true);
    Action(cmd::ViewToolbar)->setChecked(true);
    Action(cmd::ViewStatusBar)->setChecked(true);
    Action(cmd::LineMonitor)->setCheckable(true);
    Action(cmd::BackupBeforeSend)->setCheckable(true);
    Action(cmd::BackupBeforeSend)->setChecked(transfer_options::BackupBeforeSend());
    terminalView->SetBackupBeforeSend(transfer_options::BackupBeforeSend());
    Action(cmd::NextPane)->setEnabled(false);
    Action(cmd::PrevPane)->setEnabled(false);
}

void CMainFrame::BuildMenus() {
    QHash<QString, QMenu*> menus;
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.menu == nullptr) continue;
        const QString title = QString::fromLatin1(entry.menu);
        QMenu*& menu = menus[title];
        if (menu == nullptr) menu = menuBar()->addMenu(title);
        if (entry.separatorBefore) menu->addSeparator();
        if (entry.id == cmd::FileMruFirst) {
            recentMenu_ = menu->addMenu(QString::fromLatin1(entry.caption));
            continue;
        }
        menu->addAction(Action(entry.id));
    }
    RebuildRecentFileMenu();
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar("Toolbar");
    toolBar_->setObjectName("Toolbar");
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarLayout()) {
        if (id == 0) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(Action(id));
        }
    }
    connect(toolBar_, &QToolBar::visibilityChanged, Action(cmd::ViewToolbar), &QAction::setChecked);
}

void CMainFrame::BindCommands() {
    CZevView* view = terminalView;
    handlers_ = {
        {cmd::FileNew, [this] { NewDocument(); }},
        // Open, Save and Save As are the terminal view's whichever view is shown.
        {cmd::FileOpen, [view] { view->OnFileOpen(); }},
        {cmd::FileSave, [view] { view->OnFileSave(); }},
        {cmd::FileSaveAs, [view] { view->OnFileSaveAs(); }},
        {cmd::FilePrint, [this] { OnPrint(false); }},
        {cmd::FilePrintPreview, [this] { OnPrint(true); }},
        {cmd::FilePrintSetup,
         [this] { listShown != 0 ? listPrinter_->Setup() : printer_->Setup(); }},
        {cmd::ExportList, [this] { databaseCommands_->ExportList(); }},
        {cmd::AppExit, [this] { close(); }},
        {cmd::EditUndo,
         [this, view] {
             if (listShown != 0) {
                 OnDatabaseUndo(false);
             } else {
                 view->undo();
             }
         }},
        {cmd::EditRedo,
         [this, view] {
             if (listShown != 0) {
                 OnDatabaseUndo(true);
             } else {
                 view->redo();
             }
         }},
        {cmd::EditFind, [this] { listPane->FocusFilter(); }},
        {cmd::EditCut, [view] { view->cut(); }},
        {cmd::EditCopy, [view] { view->copy(); }},
        {cmd::EditPaste, [view] { view->paste(); }},
        {cmd::ViewToolbar, [this] { toolBar_->setVisible(Action(cmd::ViewToolbar)->isChecked()); }},
        {cmd::ViewStatusBar,
         [this] { statusBar()->setVisible(Action(cmd::ViewStatusBar)->isChecked()); }},
        {cmd::ViewFont, [view] { view->OnFont(); }},
        {cmd::FlashSelect, [this] { doc_.OnFlashSelect(); }},
        {cmd::ComSetup, [this] { doc_.OnComSetup(); }},
        {cmd::ComConnect, [this] { doc_.OnComConnect(); }},
        {cmd::ComDisconnect, [this] { doc_.OnComDisconnect(); }},
        {cmd::UpdateParameters, [view] { view->OnUpdateParameters(); }},
        {cmd::UpdateSoftware, [view] { view->OnUpdateSoftware(); }},
        {cmd::OtaSoftwareUpdate, [view] { view->OnOtaSoftwareUpdate(); }},
        {cmd::StopUpdate, [view] { view->OnStopUpdate(); }},
        {cmd::LoadSettingFromBox, [this] { OnLoadSettingFromBox(); }},
        {cmd::SendSettingToBox, [this] { OnSendSettingToBox(); }},
        {cmd::CheckDatabase, [this] { databaseCommands_->CheckDatabase(); }},
        {cmd::CompareWithFile, [this] { databaseCommands_->CompareWithFile(); }},
        {cmd::VerifyBoxSettings, [this] { OnVerifyBoxSettings(); }},
        {cmd::BackupBeforeSend,
         [this] {
             const bool on = Action(cmd::BackupBeforeSend)->isChecked();
             transfer_options::SetBackupBeforeSend(on);
             terminalView->SetBackupBeforeSend(on);
         }},
        {cmd::LineMonitor, [this] { OnLineMonitor(Action(cmd::LineMonitor)->isChecked()); }},
        {cmd::TransponderList, [this] { listView->OnTransponderList(); }},
        {cmd::SatelliteList, [this] { listView->OnSatelliteList(); }},
        {cmd::Help, [] {}},
        {cmd::AppAbout, [this] { OnAbout(); }},
        {cmd::EditText, [this] { OnEditText(); }},
        {cmd::TvChannelList, [this] { ShowList(1); }},
        {cmd::RadioChannelList, [this] { ShowList(0); }},
        {cmd::ToggleHexMode,
         [this] {
             HexMode = HexMode != 0 ? 0 : 1;
             if (listView != nullptr) listView->Refill(TvListMode != 0, HexMode != 0);
         }},
    };
    for (auto it = handlers_.constBegin(); it != handlers_.constEnd(); ++it) {
        const int id = it.key();
        connect(Action(id), &QAction::triggered, this, [this, id] {
            handlers_.value(id)();
            UpdateCommandUI();
        });
    }
}

void CMainFrame::RebuildRecentFileMenu() {
    recentMenu_->clear();
    const QStringList entries = recent_.Entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        action->setStatusTip("Open this document");
        connect(action, &QAction::triggered, this, [this, path] {
            if (NewDocument()) OpenDocumentFile(path);
        });
    }
    recentMenu_->setEnabled(!entries.isEmpty());
}

// ---- state ---------------------------------------------------------------------------------

void CMainFrame::Execute(int commandId) {
    QAction* action = Action(commandId);
    if (action != nullptr && action->isEnabled()) action->trigger();
}

void CMainFrame::UpdateCommandUI() {
    const bool terminal = listShown == 0;
    const bool connected = doc_.PortConnected();
    const bool editable = terminal && !terminalView->isReadOnly();

    // Undo and Redo name the database change they would take back or do again while a list is
    // shown, and edit the terminal text while the terminal is.
    const DatabaseChanges& changes = doc_.Changes();
    const auto caption = [](const char* verb, const std::string& change) {
        if (change.empty()) return QString::fromLatin1(verb);
        // A file name may hold '&', which a menu would take for a mnemonic.
        return QStringLiteral("%1 %2").arg(
            QString::fromLatin1(verb),
            QString::fromStdString(change).replace(QLatin1Char('&'), QStringLiteral("&&")));
    };
    const std::string none;
    Action(cmd::EditUndo)
        ->setText(caption("&Undo", terminal ? none : changes.History().UndoName()));
    Action(cmd::EditRedo)
        ->setText(caption("&Redo", terminal ? none : changes.History().RedoName()));
    Action(cmd::EditUndo)->setEnabled(terminal ? undoAvailable_ : changes.History().CanUndo());
    Action(cmd::EditRedo)->setEnabled(terminal ? redoAvailable_ : changes.History().CanRedo());
    Action(cmd::EditFind)->setEnabled(listShown != 0);
    Action(cmd::EditCut)->setEnabled(editable && copyAvailable_);
    Action(cmd::EditCopy)->setEnabled(terminal && copyAvailable_);
    Action(cmd::EditPaste)->setEnabled(editable && terminalView->canPaste());
    for (int id : {cmd::ViewFont, cmd::UpdateParameters, cmd::UpdateSoftware,
                   cmd::OtaSoftwareUpdate, cmd::StopUpdate}) {
        Action(id)->setEnabled(terminal);
    }
    Action(cmd::ComConnect)->setEnabled(!connected);
    Action(cmd::ComDisconnect)->setEnabled(connected);
    Action(cmd::TransponderList)->setEnabled(listShown != 0);
    Action(cmd::SatelliteList)->setEnabled(listShown != 0);
    Action(cmd::TvChannelList)->setEnabled(tvListShown == 0);
    Action(cmd::RadioChannelList)->setEnabled(tvListShown != 0);
    Action(cmd::ToggleHexMode)->setEnabled(listShown != 0);
    Action(cmd::ToggleHexMode)->setChecked(HexMode != 0);
    RefreshStatus();
}

void CMainFrame::RefreshStatus() {
    doc_.RefreshClock(std::time(nullptr));
    panes_->SetText(StatusPanes::Connection, terminalView->ConnectionPaneText());
    panes_->SetText(StatusPanes::Elapsed, doc_.ElapsedText());
    panes_->SetText(StatusPanes::PortSettings, terminalView->PortPaneText());
    panes_->SetText(StatusPanes::Clock, doc_.ClockText());
}

QWidget* CMainFrame::SwitchToView(QWidget* view) {
    // The channel list is shown in its pane, below the filter box.
    QWidget* page = view != nullptr && view == listView ? listPane : view;
    QWidget* old = stack_->currentWidget();
    if (old == page) return nullptr;
    if (stack_->indexOf(page) < 0) stack_->addWidget(page);
    stack_->setCurrentWidget(page);
    view->setFocus();
    return old != nullptr && old == listPane ? listView : old;
}

void CMainFrame::SetDocumentTitle(const QString& title) {
    documentTitle_ = title;
    setWindowTitle(QStringLiteral("%1 - Management V%2").arg(title, QLatin1String(zev::kVersion)));
}

// ---- view switching ------------------------------------------------------------------------

void CMainFrame::EnsureListView(bool leftAligned) {
    if (listPane == nullptr) {
        listPane = new ChannelListPane(stack_);
        stack_->addWidget(listPane);
    }
    if (listView == nullptr) {
        listView = new CZuzeListViewView(db_, leftAligned, prompts_, listPane);
        listView->SetRecordDialogs(recordDialogs_);
        listView->SetChangeSink(&doc_.Changes());
        listPane->SetView(listView);
    }
}

void CMainFrame::SetRecordDialogs(RecordDialogs* dialogs) {
    recordDialogs_ = dialogs;
    if (listView != nullptr) listView->SetRecordDialogs(dialogs);
}

void CMainFrame::OnEditText() {
    tvListShown = 0;
    listShown = 0;
    EnsureListView(true);
    listView->Refill(TvListMode != 0, HexMode != 0);
    SwitchToView(terminalView);
    terminalView->ResumeEcho();
    UpdateCommandUI();
}

void CMainFrame::ShowList(int tvMode) {
    tvListShown = tvMode;
    listShown = 1;
    EnsureListView(false);
    TvListMode = tvMode;
    listView->Refill(TvListMode != 0, HexMode != 0);
    SwitchToView(listView);
    UpdateCommandUI();
}

void CMainFrame::OnShowLoadedTvList() {
    // The loaded channels replace any edits (the load can be undone), and get a fresh list
    // view.
    doc_.Changes().DatabaseReplaced("Load Setting from Box");
    if (listView != nullptr) {
        listPane->SetView(nullptr);
        listView = nullptr;
    }
    ShowList(1);
}

void CMainFrame::OnDatabaseUndo(bool redo) {
    DatabaseChanges& changes = doc_.Changes();
    if (!(redo ? changes.Redo() : changes.Undo())) return;
    listView->Refill(TvListMode != 0, HexMode != 0);
}

void CMainFrame::OnLoadSettingFromBox() {
    // A successful load replaces the channels: changed ones are saved first if wanted.
    if (!terminalView->SaveChangedChannelList()) return;
    if (listShown != 0) OnEditText();
    terminalView->OnLoadSettingFromBox();
}

void CMainFrame::OnSendSettingToBox() { terminalView->OnSendSettingToBox(); }

void CMainFrame::SelectChannels(bool tvList, std::span<const std::size_t> rows) {
    const int tvMode = tvList ? 1 : 0;
    if (listShown == 0 || tvListShown != tvMode) ShowList(tvMode);
    listView->SelectRows(rows);
}

void CMainFrame::OnPrint(bool preview) {
    if (listShown == 0) {
        preview ? printer_->Preview() : printer_->Print();
        return;
    }
    const QString title = ListPrintTitle();
    preview ? listPrinter_->Preview(listView->Rows(), title)
            : listPrinter_->Print(listView->Rows(), title);
}

QString CMainFrame::ListPrintTitle() const {
    // The image file the list came from or went to, if the current file is one.
    const std::string& file = terminalView->DataFile().CurrentFile();
    const bool image = ImageKindOfExtension(zev::FileExtension(file)).has_value();
    const QString name =
        image ? QFileInfo(QString::fromLocal8Bit(file.c_str())).fileName() : QString();
    return ListPrinter::Title(name, tvListShown != 0);
}

void CMainFrame::OnVerifyBoxSettings() {
    // As for a load: the terminal shows the run, and reads the box's bytes only when shown.
    if (listShown != 0) OnEditText();
    terminalView->OnVerifyBoxSettings();
}

void CMainFrame::OnLineMonitor(bool open) {
    if (!open) {
        if (lineMonitor_ != nullptr) lineMonitor_->close();
        return;
    }
    if (lineMonitor_ == nullptr) {
        lineMonitor_ = new CLineMonitorWnd(doc_.Link(), prompts_, this);
        addDockWidget(Qt::RightDockWidgetArea, lineMonitor_);
        // As wide as its columns, leaving the terminal at least a third of the window.
        resizeDocks({lineMonitor_}, {std::min(lineMonitor_->PreferredWidth(), width() * 2 / 3)},
                    Qt::Horizontal);
        connect(lineMonitor_, &CLineMonitorWnd::Closed, this, [this] {
            const QSignalBlocker quiet(Action(cmd::LineMonitor));
            Action(cmd::LineMonitor)->setChecked(false);
        });
    }
    lineMonitor_->Open();
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

// ---- documents -----------------------------------------------------------------------------

bool CMainFrame::NewDocument() {
    if (terminalView->document()->isModified()) {
        const zev::MsgAnswer answer = prompts_.Message(
            QStringLiteral("Save changes to %1?").arg(documentTitle_), QStringLiteral("zev"),
            zev::MsgIcon::Exclamation, zev::MsgButtons::YesNoCancel, zev::MsgAnswer::Yes);
        if (answer == zev::MsgAnswer::Cancel) return false;
        // The question is about the terminal text, whatever the current file is. A save that
        // is cancelled or fails keeps the text: nothing is cleared.
        if (answer == zev::MsgAnswer::Yes && !terminalView->SaveTerminalText()) return false;
    }
    terminalView->NewDocument();
    SetDocumentTitle(kDefaultDocumentTitle);
    return true;
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    QString error;
    if (!terminalView->LoadTextFile(path, error)) {
        prompts_.Inform(QStringLiteral("Cannot open %1.\n%2").arg(path, error),
                        QStringLiteral("zev"));
        recent_.Remove(path);
        RebuildRecentFileMenu();
        return false;
    }
    recent_.Add(path);
    RebuildRecentFileMenu();
    SetDocumentTitle(QFileInfo(path).fileName());
    UpdateCommandUI();
    return true;
}

// ---- window events -------------------------------------------------------------------------

bool CMainFrame::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        panes_->ShowPrompt(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    // The terminal text is not asked about; changed channels are.
    if (!terminalView->SaveChangedChannelList()) {
        e->ignore();
        return;
    }
    statusTimer_->stop();
    // An open port is closed on the way out.
    if (doc_.PortConnected()) doc_.Link().ClosePort();
    e->accept();
}
