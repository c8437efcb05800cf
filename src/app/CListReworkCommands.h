// File "Import List..." and Data "Sort Channels...", "Order Like File..." and "Update
// Transponders from File...": commands that rework whole lists of the channel database in
// memory, each one undo step named after what it did ("Sort 40 Channels"). They read their
// files through the bounded reader, ask through the dialog seam, say what went wrong in a
// Warning box (changing nothing then) and what they did on the status bar.
#pragma once

#include <QObject>
#include <QString>

#include "editing/ChannelSort.h"

namespace zev {
class ChannelDatabase;
}

class DatabaseChanges;
class FrameCommands;
class QWidget;
class UiPrompts;
class ViewState;

class CListReworkCommands : public QObject {
    Q_OBJECT
  public:
    // The dialogs open over `window`; `frame` shows and refills the channel list.
    CListReworkCommands(QWidget& window, FrameCommands& frame, const ViewState& view,
                        zev::ChannelDatabase& db, DatabaseChanges& changes, UiPrompts& prompts);

    // The list shown, or only its selected channels when two or more are selected; they take
    // the places the sorted channels held.
    void SortChannels();
    // Both lists in the order of a reference file's lists.
    void OrderLikeFile();
    // The three CSV files of Export List replace the satellites, transponders and channels.
    void ImportList();
    void UpdateTransponders();

  signals:
    // A line for the status bar's message pane.
    void StatusPrompt(const QString& text);

  private:
    // The list shown (if one is) shows the database as it is now.
    void RefillList();
    void Warn(const QString& text);

    QWidget& window_;
    FrameCommands& frame_;
    const ViewState& view_;
    zev::ChannelDatabase& db_;
    DatabaseChanges& changes_;
    UiPrompts& prompts_;
    // The last sort chosen, offered first the next time.
    zev::ChannelSortOrder sortOrder_;
};
