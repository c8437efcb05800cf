// The main window: menus, accelerators and toolbar built from the command table, the status
// bar, and the switching of the client area between the terminal and the channel list.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "app/CommandTable.h"
#include "app/FrameCommands.h"

namespace zev {
class ChannelDatabase;
struct ImageBuffers;
}  // namespace zev

class CDatabaseCommands;
class CListReworkCommands;
class CLineMonitorWnd;
class CZevDoc;
class ChannelListPane;
class CZevView;
class CZuzeListViewView;
class ListPrinter;
class QAction;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;
class ReceiverController;
class RecentFileList;
class RecordDialogs;
class SatelliteDialogs;
class StatusPanes;
class UiPrompts;
class ViewState;

class CMainFrame : public QMainWindow, public FrameCommands {
    Q_OBJECT
  public:
    CMainFrame(CZevDoc& doc, ViewState& view, zev::ChannelDatabase& db, zev::ImageBuffers& images,
               UiPrompts& prompts, RecentFileList& recent);
    ~CMainFrame() override;

    CZevView& Terminal() { return *terminalView_; }
    ReceiverController& Receiver() { return *receiver_; }
    const ViewState& View() const { return view_; }
    ChannelListPane* ListPane() const { return listPane_; }  // with the list, once created

    QAction* Action(int commandId) const { return actions_.value(commandId); }
    // Runs a command as its menu item or shortcut would: only while it is enabled.
    void Execute(int commandId);
    StatusPanes& Panes() { return *panes_; }
    // Check Database, Compare with File and Export List, with the check report.
    CDatabaseCommands& DatabaseCommands() { return *databaseCommands_; }
    // The Line Monitor window, once View "Line Monitor" has opened it.
    CLineMonitorWnd* LineMonitor() const { return lineMonitor_; }
    QToolBar* ToolBar() const { return toolBar_; }

    // Shows `view` in the client area; returns the view shown before, or nullptr when
    // `view` already was the shown one.
    QWidget* SwitchToView(QWidget* view);

    // What the command table's rules look at now, and every command refreshed from it.
    CommandState CurrentCommandState() const;
    void UpdateCommandUI();
    void RefreshStatus();

    // A file named on the command line or picked from the recent files, opened as terminal
    // text. Returns false (after saying so) when it cannot be read.
    bool OpenDocumentFile(const QString& path);

    // The satellite and transponder dialogs the channel list opens (none: F11, F12 and the
    // Channel Edit dialog's transponder pick do nothing).
    void SetRecordDialogs(RecordDialogs* dialogs);

    // Shows the TV (`tvList`) or radio list and selects exactly these rows in it.
    void SelectChannels(bool tvList, const std::vector<std::size_t>& rows);

    // The title reads "<document> - Management V5.0": the channel list's file once it has one,
    // else the document (the terminal text's file or "ZEV"), with "*" after it while the
    // channel list has unsaved changes.
    void SetDocumentTitle(const QString& title);

    // FrameCommands.
    bool NewDocument() override;
    void Print(bool preview) override;
    void PrintSetup() override;
    void Exit() override { close(); }
    void UndoDatabaseChange(bool redo) override;
    void FindChannels() override;
    void ShowToolbar(bool shown) override;
    void ShowStatusBar(bool shown) override;
    void ShowLineMonitor(bool open) override;
    void About() override;
    void ShowTerminal() override;
    void ShowList(bool tvList) override;
    void ToggleHexMode() override;
    CZuzeListViewView* ListView() override { return listView_; }

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void RebuildRecentFileMenu();
    // A recent file, opened as File Open opens it.
    void OpenRecentFile(const QString& path);
    void UpdateTitle();
    // The status pane's word on the list shown: "TV list: 120 channels".
    QString ShownListText() const;
    // The file name Print suggests for a PDF of the list.
    QString ListPdfName() const;
    void EnsureListView(bool leftAligned);
    void OnShowLoadedTvList();
    QString ListPrintTitle() const;

    CZevDoc& doc_;
    ViewState& view_;
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    RecentFileList& recent_;
    QString documentTitle_;
    QStackedWidget* stack_;
    CZevView* terminalView_ = nullptr;
    ReceiverController* receiver_ = nullptr;
    CZuzeListViewView* listView_ = nullptr;  // created on first need
    ChannelListPane* listPane_ = nullptr;    // the list with its filter box, in the client area
    QToolBar* toolBar_ = nullptr;
    StatusPanes* panes_ = nullptr;
    QTimer* statusTimer_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<ListPrinter> listPrinter_;
    CDatabaseCommands* databaseCommands_ = nullptr;
    CListReworkCommands* listCommands_ = nullptr;
    // The satellite and transponder dialogs the channel list opens; tests may hand the view
    // others through SetRecordDialogs.
    std::unique_ptr<SatelliteDialogs> satelliteDialogs_;
    std::unique_ptr<CommandContext> commandContext_;
    QHash<int, QAction*> actions_;
    RecordDialogs* recordDialogs_ = nullptr;
    CLineMonitorWnd* lineMonitor_ = nullptr;
    bool undoAvailable_ = false;
    bool redoAvailable_ = false;
    bool copyAvailable_ = false;
    bool frameChecked_ = false;  // the shown frame was kept on the screen once
};
