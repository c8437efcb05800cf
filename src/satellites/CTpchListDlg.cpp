#include "satellites/CTpchListDlg.h"

#include "editing/RecordLinks.h"
#include "editing/SubListTexts.h"

CTpchListDlg::CTpchListDlg(zev::ChannelDatabase& db, QWidget* parent)
    : SubListDlg(db, {"TPCHLIST", "3", nullptr}, parent) {}

zev::Translatable CTpchListDlg::Title() const {
    return zev::TransponderChannelsTitle(db_, static_cast<std::size_t>(position),
                                         static_cast<std::size_t>(count));
}

QStringList CTpchListDlg::Lines() const {
    QStringList lines;
    for (std::size_t slot : zev::ChannelsOfTransponder(db_, static_cast<std::size_t>(position))) {
        lines << QString::fromLatin1(zev::TransponderChannelLine(db_.channels[slot]));
    }
    return lines;
}

void CTpchListDlg::DeleteAll() {
    db_.DeleteChannelsOfTransponder(static_cast<uint16_t>(position + 1));
}
