// The channel list: TV or radio channels of the database as a report-style table, one row
// per channel in the receiver's order.
#pragma once

#include <QTreeWidget>

namespace zev {
class ChannelDatabase;
}
class RecordDialogs;

class CZuzeListViewView : public QTreeWidget {
    Q_OBJECT
  public:
    static constexpr int kColumnCount = 15;

    // `leftAligned`: the view was first wanted by Edit Text, which gives every column left
    // alignment and the frequency column 40 pixels; the columns keep this for the whole run.
    CZuzeListViewView(zev::ChannelDatabase& db, bool leftAligned, QWidget* parent = nullptr);

    // Rebuilds all rows: TV channels when `tvListMode`, else radio; numbers in hexadecimal
    // when `hexMode`.
    void Refill(bool tvListMode, bool hexMode);

    // The frame's Transponder List (F11) and Satellite List (F12); the list refills when the
    // dialog changed the database.
    void OnTransponderList();
    void OnSatelliteList();
    void SetRecordDialogs(RecordDialogs* dialogs) { recordDialogs_ = dialogs; }

  private:
    void FillRow(QTreeWidgetItem* item, std::size_t row, std::size_t slot, bool hexMode) const;

    zev::ChannelDatabase& db_;
    RecordDialogs* recordDialogs_ = nullptr;
    bool tvListMode_ = true;
    bool hexMode_ = false;
};
