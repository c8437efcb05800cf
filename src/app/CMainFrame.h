// The main window: menus, accelerators and toolbar built from the command table, the status
// bar, and the switching of the client area between the terminal and the channel list.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>

namespace zev {
class ChangeSink;
class ChannelDatabase;
struct ImageBuffers;
}  // namespace zev

class CDatabaseCommands;
class CLineMonitorWnd;
class CZevDoc;
class ChannelListPane;
class CZevView;
class CZuzeListViewView;
class QAction;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;
class RecentFileList;
class RecordDialogs;
class SatelliteDialogs;
class StatusPanes;
class ListPrinter;
class TerminalPrinter;
class UiPrompts;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(CZevDoc& doc, zev::ChannelDatabase& db, zev::ImageBuffers& images,
               UiPrompts& prompts, RecentFileList& recent);
    ~CMainFrame() override;

    CZevView* terminalView = nullptr;
    CZuzeListViewView* listView = nullptr;  // created on first need
    ChannelListPane* listPane = nullptr;    // the list with its filter box, in the client area
    int tvListShown = 0;
    int listShown = 0;
    int HexMode = 0;
    int TvListMode = 1;  // the list shows TV (1) or radio (0) channels

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

    // Command enabling and the status panes follow the current state.
    void UpdateCommandUI();
    void RefreshStatus();

    // A file named on the command line or picked from the recent files, opened as terminal
    // text. Returns false (after saying so) when it cannot be read.
    bool OpenDocumentFile(const QString& path);
    // File New: asks to save a changed terminal text; false when cancelled.
    bool NewDocument();

    // The satellite and transponder dialogs the channel list opens (none: F11, F12 and the
    // Channel Edit dialog's transponder pick do nothing).
    void SetRecordDialogs(RecordDialogs* dialogs);

    // Shows the TV (`tvList`) or radio list and selects exactly these rows in it.
    void SelectChannels(bool tvList, std::span<const std::size_t> rows);

    // The title reads "<document> - Management V5.0".
    void SetDocumentTitle(const QString& title);

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BindCommands();
    void RebuildRecentFileMenu();
    void EnsureListView(bool leftAligned);
    void ShowList(int tvMode);

    // Edit Undo and Redo with a channel list shown: a step of the database's history, and the
    // list refilled to show the result.
    void OnDatabaseUndo(bool redo);
    void OnEditText();
    void OnLoadSettingFromBox();
    void OnSendSettingToBox();
    void OnVerifyBoxSettings();
    void OnLineMonitor(bool open);
    void OnShowLoadedTvList();
    void OnAbout();
    // Print and Print Preview: the channel list while it is shown, else the terminal text.
    void OnPrint(bool preview);
    QString ListPrintTitle() const;

    CZevDoc& doc_;
    zev::ChannelDatabase& db_;
    UiPrompts& prompts_;
    RecentFileList& recent_;
    QString documentTitle_;
    QStackedWidget* stack_;
    QToolBar* toolBar_ = nullptr;
    StatusPanes* panes_ = nullptr;
    QTimer* statusTimer_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<TerminalPrinter> printer_;
    std::unique_ptr<ListPrinter> listPrinter_;
    std::unique_ptr<CDatabaseCommands> databaseCommands_;
    // The satellite and transponder dialogs the channel list opens; tests may hand the view
    // others through SetRecordDialogs.
    std::unique_ptr<SatelliteDialogs> satelliteDialogs_;
    QHash<int, QAction*> actions_;
    QHash<int, std::function<void()>> handlers_;
    RecordDialogs* recordDialogs_ = nullptr;
    CLineMonitorWnd* lineMonitor_ = nullptr;
    bool undoAvailable_ = false;
    bool redoAvailable_ = false;
    bool copyAvailable_ = false;
};
