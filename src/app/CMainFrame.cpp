#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
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
#include "app/CListReworkCommands.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/ChangeMessages.h"
#include "app/ClockText.h"
#include "app/DatabaseChanges.h"
#include "app/DeviceWatch.h"
#include "app/ListPrinter.h"
#include "app/LocalPaths.h"
#include "app/ReceiverController.h"
#include "app/RecentFileList.h"
#include "app/StatusPanes.h"
#include "app/ToolbarIcons.h"
#include "app/TransferOptions.h"
#include "app/ViewState.h"
#include "app/WindowPlacement.h"
#include "link/SerialLink.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ChannelListPane.h"
#include "satellites/SatelliteDialogs.h"
#include "ui/UiPrompts.h"

namespace {

constexpr int kStatusTimerMs = 1000;
const char* const kDefaultDocumentTitle = "ZEV";

}  // namespace

CMainFrame::CMainFrame(CZevDoc& doc, ViewState& view, zev::ChannelDatabase& db,
                       zev::ImageBuffers& images, UiPrompts& prompts, RecentFileList& recent)
    : doc_(doc), view_(view), db_(db), prompts_(prompts), recent_(recent) {
    setWindowIcon(ProgramIcon());
    prompts_.SetParentWindow(this);
    satelliteDialogs_ = std::make_unique<SatelliteDialogs>(db_, prompts_, doc_.Changes());
    recordDialogs_ = satelliteDialogs_.get();

    stack_ = new QStackedWidget(this);
    setCentralWidget(stack_);
    terminalView_ = new CZevView(prompts_, stack_);
    stack_->addWidget(terminalView_);
    receiver_ = new ReceiverController(doc_, db_, images, prompts_, *terminalView_, view_, this);
    receiver_->SetBackupBeforeSend(transfer_options::BackupBeforeSend());
    databaseCommands_ =
        new CDatabaseCommands(*this, view_, receiver_->DataFile(), db_, doc_.Changes(), prompts_);
    listCommands_ = new CListReworkCommands(*this, *this, view_, db_, doc_.Changes(), prompts_);
    commandContext_ = std::make_unique<CommandContext>(CommandContext{
        *this, *receiver_, doc_, *terminalView_, *databaseCommands_, *listCommands_, view_});

    BuildActions();
    BuildMenus();
    BuildToolBar();
    panes_ = new StatusPanes(statusBar());
    listPrinter_ = std::make_unique<ListPrinter>(this);

    connect(&view_, &ViewState::Changed, this, &CMainFrame::UpdateCommandUI);
    connect(&doc_, &CZevDoc::StateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(receiver_, &ReceiverController::StateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(terminalView_, &CZevView::undoAvailable, this, [this](bool on) {
        undoAvailable_ = on;
        UpdateCommandUI();
    });
    connect(terminalView_, &CZevView::redoAvailable, this, [this](bool on) {
        redoAvailable_ = on;
        UpdateCommandUI();
    });
    connect(&doc_.Changes(), &DatabaseChanges::HistoryChanged, this, &CMainFrame::UpdateCommandUI);
    connect(terminalView_, &CZevView::copyAvailable, this, [this](bool on) {
        copyAvailable_ = on;
        UpdateCommandUI();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(receiver_, &ReceiverController::ShowTerminalRequested, this, &CMainFrame::ShowTerminal);
    connect(receiver_, &ReceiverController::TvListRequested, this, [this] { ShowList(true); });
    connect(receiver_, &ReceiverController::LoadedTvListRequested, this,
            &CMainFrame::OnShowLoadedTvList);
    connect(receiver_, &ReceiverController::ProgressChanged, panes_, &StatusPanes::ShowProgress);
    connect(databaseCommands_, &CDatabaseCommands::SelectChannelsRequested, this,
            &CMainFrame::SelectChannels);
    connect(databaseCommands_, &CDatabaseCommands::StatusPrompt, panes_, &StatusPanes::ShowMessage);
    connect(listCommands_, &CListReworkCommands::StatusPrompt, panes_, &StatusPanes::ShowMessage);
    connect(receiver_, &ReceiverController::StatusMessage, panes_, &StatusPanes::ShowMessage);
    connect(receiver_, &ReceiverController::FileUsed, this, [this](const QString& path) {
        recent_.Add(path);
        RebuildRecentFileMenu();
    });
    connect(&doc_.Changes(), &DatabaseChanges::ChangeRecorded, this,
            [this](const zev::Translatable& description) {
                panes_->ShowMessage(StatusTextOfChange(description));
            });
    connect(&doc_.Watch(), &DeviceWatch::Notice, panes_, &StatusPanes::SetNotice);

    statusTimer_ = new QTimer(this);
    connect(statusTimer_, &QTimer::timeout, this, &CMainFrame::RefreshStatus);
    statusTimer_->start(kStatusTimerMs);

    SetDocumentTitle(kDefaultDocumentTitle);
    terminalView_->NewDocument(!view_.ListShown());
    UpdateCommandUI();
    // Where the last run left it; else wide enough for the channel list's columns and a full
    // port text in the status bar, as far as the screen allows.
    if (!RestoreWindowLayout(*this)) PlaceOnScreen(*this, QSize(1040, 680));
}

CMainFrame::~CMainFrame() {
    // The children go after this part of the frame: none of them may refresh it meanwhile.
    // The commands and the receiver work go first, before the terminal they write to.
    toolBar_->disconnect(this);
    terminalView_->disconnect(this);
    delete listCommands_;
    delete databaseCommands_;
    delete receiver_;
}

// ---- building ------------------------------------------------------------------------------

void CMainFrame::BuildActions() {
    for (const CommandEntry& entry : CommandTable()) {
        auto* action = new QAction(CommandText(entry.caption), this);
        action->setShortcuts(entry.shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(PromptOf(entry.prompt));
        const QString tip = ToolTipOf(entry.prompt);
        if (!tip.isEmpty()) action->setToolTip(tip);
        action->setIcon(CommandIcon(entry.themeIcon, entry.drawing));
        action->setIconVisibleInMenu(false);
        action->setCheckable(entry.checkedWhen != nullptr);
        addAction(action);  // shortcuts work for commands without a menu item too
        actions_.insert(entry.id, action);
        if (entry.run == nullptr && entry.toggle == nullptr) continue;
        connect(action, &QAction::triggered, this, [this, &entry](bool checked) {
            if (entry.toggle != nullptr) {
                entry.toggle(*commandContext_, checked);
            } else {
                entry.run(*commandContext_);
            }
            UpdateCommandUI();
        });
    }
}

void CMainFrame::BuildMenus() {
    QHash<QString, QMenu*> menus;
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.menu == nullptr) continue;
        const QString title = CommandText(entry.menu);
        QMenu*& menu = menus[title];
        if (menu == nullptr) menu = menuBar()->addMenu(title);
        if (entry.separatorBefore) menu->addSeparator();
        if (entry.id == cmd::FileMruFirst) {
            recentMenu_ = menu->addMenu(CommandText(entry.caption));
            continue;
        }
        menu->addAction(Action(entry.id));
    }
    RebuildRecentFileMenu();
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(tr("Toolbar"));
    toolBar_->setObjectName("Toolbar");
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    std::vector<const CommandEntry*> placed;
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.toolbarPlace > 0) placed.push_back(&entry);
    }
    std::sort(placed.begin(), placed.end(), [](const CommandEntry* a, const CommandEntry* b) {
        return a->toolbarPlace < b->toolbarPlace;
    });
    // A place that no command takes is a separator.
    int place = 1;
    for (const CommandEntry* entry : placed) {
        for (; place < entry->toolbarPlace; ++place) toolBar_->addSeparator();
        toolBar_->addAction(Action(entry->id));
        ++place;
    }
    // Hidden or shown by its own menu too (a floating toolbar's close box).
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::RebuildRecentFileMenu() {
    recentMenu_->clear();
    const QStringList entries = recent_.Entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        // A file name may hold '&', which a menu would take for a mnemonic.
        QString shown = path;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        action->setStatusTip(CommandText(FindCommand(cmd::FileMruFirst)->prompt));
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    recentMenu_->setEnabled(!entries.isEmpty());
}

void CMainFrame::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        prompts_.Inform(tr("%1 is no longer there.").arg(path), tr("Warning"));
        recent_.Remove(path);
        RebuildRecentFileMenu();
        return;
    }
    receiver_->OpenFile(path);
}

// ---- state ---------------------------------------------------------------------------------

void CMainFrame::Execute(int commandId) {
    QAction* action = Action(commandId);
    if (action != nullptr && action->isEnabled()) action->trigger();
}

CommandState CMainFrame::CurrentCommandState() const {
    const DatabaseChanges& changes = doc_.Changes();
    CommandState state;
    state.shown = view_.Shown();
    state.hexMode = view_.HexMode();
    state.portConnected = doc_.PortConnected();
    state.terminalReadOnly = terminalView_->isReadOnly();
    state.terminalCanUndo = undoAvailable_;
    state.terminalCanRedo = redoAvailable_;
    state.terminalHasSelection = copyAvailable_;
    state.clipboardHasText = terminalView_->canPaste();
    state.databaseCanUndo = changes.History().CanUndo();
    state.databaseCanRedo = changes.History().CanRedo();
    state.databaseUndoName = changes.History().UndoName();
    state.databaseRedoName = changes.History().RedoName();
    state.toolbarShown = toolBar_ != nullptr && !toolBar_->isHidden();
    state.statusBarShown = !statusBar()->isHidden();
    state.lineMonitorOpen = lineMonitor_ != nullptr && lineMonitor_->IsOpen();
    state.backupBeforeSend = receiver_->BackupBeforeSend();
    return state;
}

void CMainFrame::UpdateCommandUI() {
    const CommandState state = CurrentCommandState();
    for (const CommandEntry& entry : CommandTable()) {
        QAction* action = Action(entry.id);
        if (entry.enabledWhen != nullptr) action->setEnabled(entry.enabledWhen(state));
        if (entry.checkedWhen != nullptr) action->setChecked(entry.checkedWhen(state));
        if (entry.captionNow != nullptr) action->setText(entry.captionNow(state));
    }
    UpdateTitle();
    RefreshStatus();
}

void CMainFrame::RefreshStatus() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    panes_->SetText(StatusPanes::Connection, receiver_->ConnectionPaneText());
    panes_->SetText(StatusPanes::Elapsed, receiver_->ElapsedText(now));
    panes_->SetText(StatusPanes::PortSettings, receiver_->PortPaneText());
    panes_->SetText(StatusPanes::Clock, ClockText(local.tm_hour, local.tm_min, local.tm_sec));
    panes_->SetShownList(ShownListText());
}

QString CMainFrame::ShownListText() const {
    if (!view_.ListShown() || listView_ == nullptr) return {};
    const bool tv = view_.TvListShown();
    const unsigned total = tv ? db_.header.TvCount : db_.header.RadioCount;
    const bool one = total == 1;
    if (listView_->Filtered()) {
        const QString shown =
            tv ? (one ? tr("TV list: %1 of %2 channel") : tr("TV list: %1 of %2 channels"))
               : (one ? tr("Radio list: %1 of %2 channel") : tr("Radio list: %1 of %2 channels"));
        return shown.arg(listView_->RowCount()).arg(total);
    }
    const QString shown = tv ? (one ? tr("TV list: %1 channel") : tr("TV list: %1 channels"))
                             : (one ? tr("Radio list: %1 channel") : tr("Radio list: %1 channels"));
    return shown.arg(total);
}

QWidget* CMainFrame::SwitchToView(QWidget* view) {
    // The channel list is shown in its pane, below the filter box.
    QWidget* page = view != nullptr && view == listView_ ? listPane_ : view;
    QWidget* old = stack_->currentWidget();
    if (old == page) return nullptr;
    if (stack_->indexOf(page) < 0) stack_->addWidget(page);
    stack_->setCurrentWidget(page);
    view->setFocus();
    return old != nullptr && old == listPane_ ? listView_ : old;
}

void CMainFrame::SetDocumentTitle(const QString& title) {
    documentTitle_ = title;
    UpdateTitle();
}

void CMainFrame::UpdateTitle() {
    // The channel list's file names the window once it has one; a star marks unsaved channels.
    const DataFileState& files = receiver_->DataFile();
    QString name = files.HasListFile() ? QFileInfo(FromLocal8Bit(files.ListFile())).fileName()
                                       : documentTitle_;
    if (doc_.Changes().Changed()) name += QLatin1Char('*');
    const QString title =
        QStringLiteral("%1 - Management V%2").arg(name, QLatin1String(zev::kVersion));
    if (windowTitle() != title) setWindowTitle(title);
}

// ---- view switching ------------------------------------------------------------------------

void CMainFrame::EnsureListView(bool leftAligned) {
    if (listPane_ == nullptr) {
        listPane_ = new ChannelListPane(stack_);
        stack_->addWidget(listPane_);
    }
    if (listView_ == nullptr) {
        listView_ = new CZuzeListViewView(db_, leftAligned, prompts_, listPane_);
        listView_->SetRecordDialogs(recordDialogs_);
        listView_->SetChangeSink(&doc_.Changes());
        listPane_->SetView(listView_);
    }
}

void CMainFrame::SetRecordDialogs(RecordDialogs* dialogs) {
    recordDialogs_ = dialogs;
    if (listView_ != nullptr) listView_->SetRecordDialogs(dialogs);
}

void CMainFrame::ShowTerminal() {
    view_.Show(ShownView::Terminal);
    EnsureListView(true);
    listView_->Refill(view_.TvListMode(), view_.HexMode());
    SwitchToView(terminalView_);
    UpdateCommandUI();
}

void CMainFrame::ShowList(bool tvList) {
    view_.Show(tvList ? ShownView::TvList : ShownView::RadioList);
    EnsureListView(false);
    listView_->Refill(view_.TvListMode(), view_.HexMode());
    SwitchToView(listView_);
    UpdateCommandUI();
}

void CMainFrame::ToggleHexMode() {
    view_.SetHexMode(!view_.HexMode());
    if (listView_ != nullptr) listView_->Refill(view_.TvListMode(), view_.HexMode());
}

void CMainFrame::OnShowLoadedTvList() {
    // The loaded channels get a fresh list view.
    if (listView_ != nullptr) {
        listPane_->SetView(nullptr);
        listView_ = nullptr;
    }
    ShowList(true);
}

void CMainFrame::UndoDatabaseChange(bool redo) {
    DatabaseChanges& changes = doc_.Changes();
    const zev::Translatable name =
        redo ? changes.History().RedoName() : changes.History().UndoName();
    if (!(redo ? changes.Redo() : changes.Undo())) return;
    listView_->Refill(view_.TvListMode(), view_.HexMode());
    panes_->ShowMessage(StatusTextOfUndo(name, redo));
}

void CMainFrame::FindChannels() { listPane_->FocusFilter(); }

void CMainFrame::SelectChannels(bool tvList, const std::vector<std::size_t>& rows) {
    if (view_.Shown() != (tvList ? ShownView::TvList : ShownView::RadioList)) ShowList(tvList);
    listView_->SelectRows(rows);
}

void CMainFrame::Print(bool preview) {
    if (!view_.ListShown()) {
        preview ? terminalView_->PrintPreview() : terminalView_->Print();
        return;
    }
    const QString title = ListPrintTitle();
    preview ? listPrinter_->Preview(listView_->Rows(), title)
            : listPrinter_->Print(listView_->Rows(), title, ListPdfName());
}

void CMainFrame::PrintSetup() {
    view_.ListShown() ? listPrinter_->Setup() : terminalView_->PrintSetup();
}

QString CMainFrame::ListPrintTitle() const {
    // The image file the list came from or went to.
    const DataFileState& files = receiver_->DataFile();
    const QString name =
        files.HasListFile() ? QFileInfo(FromLocal8Bit(files.ListFile())).fileName() : QString();
    return ListPrinter::Title(name, view_.TvListShown());
}

QString CMainFrame::ListPdfName() const {
    // The list's file with ".pdf" for its extension, in its folder; without one, the list's
    // name in the working folder.
    const DataFileState& files = receiver_->DataFile();
    const bool tv = view_.TvListShown();
    if (!files.HasListFile()) {
        return QFileInfo(tv ? tr("TV Channel List.pdf") : tr("Radio Channel List.pdf"))
            .absoluteFilePath();
    }
    const QFileInfo file(FromLocal8Bit(files.ListFile()));
    return file.absoluteDir().filePath(
        file.completeBaseName() + (tv ? QStringLiteral(" TV.pdf") : QStringLiteral(" Radio.pdf")));
}

void CMainFrame::ShowToolbar(bool shown) { toolBar_->setVisible(shown); }

void CMainFrame::ShowStatusBar(bool shown) { statusBar()->setVisible(shown); }

void CMainFrame::ShowLineMonitor(bool open) {
    if (!open) {
        if (lineMonitor_ != nullptr) lineMonitor_->close();
        return;
    }
    if (lineMonitor_ == nullptr) {
        lineMonitor_ = new CLineMonitorWnd(doc_.Link(), prompts_, this);
        addDockWidget(Qt::RightDockWidgetArea, lineMonitor_);
        // Where it was last, else a third of the window beside the terminal.
        if (!restoreDockWidget(lineMonitor_)) {
            resizeDocks({lineMonitor_}, {std::min(lineMonitor_->PreferredWidth(), width() / 3)},
                        Qt::Horizontal);
        }
        connect(lineMonitor_, &CLineMonitorWnd::Closed, this, &CMainFrame::UpdateCommandUI);
    }
    lineMonitor_->Open();
}

void CMainFrame::About() {
    CAboutDlg about(this);
    prompts_.RunDialog(about);
}

// ---- documents -----------------------------------------------------------------------------

bool CMainFrame::NewDocument() {
    if (terminalView_->document()->isModified()) {
        const zev::MsgAnswer answer = prompts_.Message(
            tr("Save changes to %1?").arg(documentTitle_), QStringLiteral("zev"),
            zev::MsgIcon::Exclamation, zev::MsgButtons::YesNoCancel, zev::MsgAnswer::Yes);
        if (answer == zev::MsgAnswer::Cancel) return false;
        // The question is about the terminal text, whatever the current file is. A save that
        // is cancelled or fails keeps the text: nothing is cleared.
        if (answer == zev::MsgAnswer::Yes && !receiver_->SaveTerminalText()) return false;
    }
    terminalView_->NewDocument(!view_.ListShown());
    SetDocumentTitle(kDefaultDocumentTitle);
    return true;
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    const zev::Result<void, QString> loaded = terminalView_->LoadTextFile(path);
    if (!loaded) {
        prompts_.Inform(tr("Cannot open %1.\n%2").arg(path, loaded.error()), QStringLiteral("zev"));
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
    // The first activation comes after the window manager framed the window: now the frame is
    // known and can be kept on the screen.
    if (e->type() == QEvent::WindowActivate && !frameChecked_) {
        frameChecked_ = true;
        KeepFrameOnScreenOnceFramed(*this);
    }
    if (e->type() == QEvent::StatusTip) {
        panes_->ShowPrompt(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    // The terminal text is not asked about; changed channels are.
    if (!receiver_->SaveChangedChannelList()) {
        e->ignore();
        return;
    }
    statusTimer_->stop();
    RememberWindowLayout(*this);
    // An open port is closed on the way out.
    if (doc_.PortConnected()) doc_.Link().ClosePort();
    e->accept();
}
