// The rows of the channel list. Column 0 is each row's own number; columns 1 to 14 are read
// from the database when they are drawn: the channel in the slot of the position the row's
// number names, its transponder and that transponder's satellite. PIDs and IDs are in
// hexadecimal in hex mode, in every row alike.
#pragma once

#include <QString>

#include "lists/ListRowModel.h"

namespace zev {
class ChannelDatabase;
}

class ChannelListModel : public ListRowModel {
    Q_OBJECT
  public:
    static constexpr int kColumnCount = 15;

    // `leftAligned`: every column left-aligned and the frequency column 40 wide (the list as
    // Edit Text first creates it).
    ChannelListModel(const zev::ChannelDatabase& db, bool leftAligned, QObject* parent = nullptr);

    void SetModes(bool tvList, bool hexMode) {
        tvList_ = tvList;
        hexMode_ = hexMode;
    }
    bool TvList() const { return tvList_; }
    bool HexMode() const { return hexMode_; }

    QString CellText(int row, int column) const override;

  private:
    const zev::ChannelDatabase& db_;
    bool tvList_ = true;
    bool hexMode_ = false;
};
