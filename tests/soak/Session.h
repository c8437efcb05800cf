// The whole desktop program under the soak: started as a person starts it against the
// simulated receiver (zev --simulate), in a working folder of its own holding the run's
// starting images, shown on Qt's offscreen screen, answered by SoakPrompts. Each action is
// played as a person would play it, through the command table, the list's mouse and keys,
// its popup menu and the dialogs, and is followed by the checks every action must pass.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Actions.h"
#include "Invariants.h"
#include "SoakPrompts.h"
#include "core/Result.h"

class CMainFrame;
class CZevApp;
class CZuzeListViewView;

namespace soak {

class Dice;

class Session {
  public:
    explicit Session(uint64_t runSeed);
    ~Session();

    zev::Result<void, std::string> Start();
    // Plays the action and returns what the checks after it found (nothing when all held).
    std::vector<std::string> Play(const Action& action);
    // One line on the state after the last action: the view, the counts, the undo steps and
    // the messages it showed.
    std::string Trace() const { return trace_; }
    // Actions so far that changed the channel database.
    std::size_t Changes() const { return changes_; }

  private:
    CMainFrame& Frame();
    // Shows a channel list if the terminal is shown: the TV list, sometimes then the radio list.
    CZuzeListViewView& EnsureList(Dice& dice);
    void SelectRows(Dice& dice, CZuzeListViewView& list);
    void Popup(CZuzeListViewView& list, int command);

    void ShowView(Dice& dice);
    void EditChannel(Dice& dice);
    void MoveChannels(Dice& dice);
    void DragChannels(Dice& dice);
    void Filter(Dice& dice);
    void Check(Dice& dice);
    // Waits, on the receiver's signals, until no receiver run is active; false after a minute.
    bool WaitForIdle();
    // The terminal's last lines, for a run that did not end.
    std::string TerminalTail();
    // The image files a Save wrote must hold the channels as they are now.
    void CheckWrittenImages(const std::vector<std::pair<QString, QByteArray>>& before,
                            std::vector<std::string>& findings);

    uint64_t runSeed_;
    QTemporaryDir dir_;
    QString previousDir_;
    SoakPrompts prompts_;
    std::unique_ptr<CZevApp> app_;
    // A list the soak fills afresh to compare the program's rows with.
    std::unique_ptr<CZuzeListViewView> fresh_;
    HistoryWatch history_;
    std::string trace_;
    std::size_t changes_ = 0;
};

}  // namespace soak
