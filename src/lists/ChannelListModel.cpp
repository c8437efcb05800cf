#include "lists/ChannelListModel.h"

#include <algorithm>
#include <array>

#include "database/ChannelDatabase.h"
#include "editing/ChannelSlots.h"
#include "ui/NameField.h"

namespace {

struct ColumnInfo {
    const char* heading;
    int width;
    Qt::Alignment alignment;
};

const std::array<ColumnInfo, ChannelListModel::kColumnCount> kColumns = {{
    {QT_TRANSLATE_NOOP("ChannelListModel", "No."), 40, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("ChannelListModel", "Name"), 90, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "Sat"), 40, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "SatName"), 90, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "Fre"), 50, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "Pol"), 40, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "Symbol"), 50, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "VPID"), 40, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "APID"), 40, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "PCRPID"), 50, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "TTXPID"), 60, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "AC3PID"), 60, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "ServiceID"), 60, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "NetworkID"), 70, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("ChannelListModel", "TransID"), 60, Qt::AlignRight},
}};

constexpr int kFrequencyColumn = 4;
constexpr int kLeftAlignedFrequencyWidth = 40;

QString Number(unsigned value, bool hex) {
    return hex ? QString::number(value, 16).toUpper() : QString::number(value);
}

}  // namespace

ChannelListModel::ChannelListModel(const zev::ChannelDatabase& db, bool leftAligned,
                                   QObject* parent)
    : ListRowModel(parent), db_(db) {
    std::vector<ListColumn> columns;
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnInfo& info = kColumns[static_cast<std::size_t>(c)];
        ListColumn column;
        column.heading = tr(info.heading);
        column.width =
            leftAligned && c == kFrequencyColumn ? kLeftAlignedFrequencyWidth : info.width;
        column.alignment = leftAligned ? Qt::AlignLeft : info.alignment;
        columns.push_back(column);
    }
    SetColumns(std::move(columns));
}

QString ChannelListModel::CellText(int row, int column) const {
    const ListRow& item = Row(row);
    if (column == 0) return QString::number(item.number);

    const zev::ChannelListShape shape = zev::ShapeOf(db_.header, tvList_);
    const bool numbered = item.number >= 1 && static_cast<std::size_t>(item.number) <= shape.rows;
    const std::size_t position =
        numbered ? static_cast<std::size_t>(item.number - 1) : static_cast<std::size_t>(row);
    if (!shape.ValidRow(position)) return {};
    const zev::ChannelEntry& channel = db_.channels[shape.Slot(position)];
    const bool hex = hexMode_;

    // A channel on a transponder that does not exist (an image can hold one) shows blanks for
    // the transponder's columns, and a transponder of a missing satellite a blank satellite name.
    const std::size_t tpCount = std::min<std::size_t>(db_.header.TpCount, zev::kMaxTransponders);
    const zev::TransponderEntry* tp = channel.TpNumber >= 1 && channel.TpNumber <= tpCount
                                          ? &db_.transponders[channel.TpNumber - 1u]
                                          : nullptr;
    switch (column) {
        case 1:
            return NameFieldText(channel.Name);
        case 2:
            return tp ? QString::number(tp->Sat) : QString();
        case 3:
            if (tp && tp->Sat >= 1 && tp->Sat <= db_.header.SatCount) {
                return NameFieldText(db_.satellites[tp->Sat - 1u].Name);
            }
            return {};
        case 4:
            return tp ? QString::number(tp->Frequency) : QString();
        case 5:
            return tp ? (tp->Polarization == 0 ? QStringLiteral("H") : QStringLiteral("V"))
                      : QString();
        case 6:
            return tp ? QString::number(tp->Symbol) : QString();
        case 7:
            return Number(channel.VPID, hex);
        case 8:
            return Number(channel.APID, hex);
        case 9:
            return Number(channel.PCRPID, hex);
        case 10:
            return Number(channel.TTXPID, hex);
        case 11:
            return Number(channel.AC3PID, hex);
        case 12:
            return Number(channel.ServiceID, hex);
        case 13:
            return Number(channel.NetworkID, hex);
        case 14:
            return tp ? Number(tp->TransID, hex) : QString();
        default:
            return {};
    }
}
