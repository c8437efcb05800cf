#include "lists/CZuzeListViewView.h"

#include <QHeaderView>
#include <algorithm>
#include <array>

#include "database/ChannelDatabase.h"
#include "lists/RecordDialogs.h"

namespace {

struct ColumnInfo {
    const char* heading;
    int width;
    Qt::AlignmentFlag align;
};

const std::array<ColumnInfo, CZuzeListViewView::kColumnCount> kColumns = {{
    {"No.", 40, Qt::AlignLeft},
    {"Name", 90, Qt::AlignRight},
    {"Sat", 40, Qt::AlignRight},
    {"SatName", 90, Qt::AlignRight},
    {"Fre", 50, Qt::AlignRight},
    {"Pol", 40, Qt::AlignRight},
    {"Symbol", 50, Qt::AlignRight},
    {"VPID", 40, Qt::AlignRight},
    {"APID", 40, Qt::AlignRight},
    {"PCRPID", 50, Qt::AlignRight},
    {"TTXPID", 60, Qt::AlignRight},
    {"AC3PID", 60, Qt::AlignRight},
    {"ServiceID", 60, Qt::AlignRight},
    {"NetworkID", 70, Qt::AlignRight},
    {"TransID", 60, Qt::AlignRight},
}};

constexpr int kFrequencyColumn = 4;

template <std::size_t N>
QString NameText(const std::array<char, N>& name) {
    const auto end = std::find(name.begin(), name.end(), '\0');
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(end - name.begin()));
}

QString Number(unsigned value, bool hex) {
    return hex ? QString::number(value, 16).toUpper() : QString::number(value);
}

}  // namespace

CZuzeListViewView::CZuzeListViewView(zev::ChannelDatabase& db, bool leftAligned, QWidget* parent)
    : QTreeWidget(parent), db_(db) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setColumnCount(kColumnCount);

    auto* headerItem = new QTreeWidgetItem;
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnInfo& column = kColumns[static_cast<std::size_t>(c)];
        const Qt::Alignment align = leftAligned ? Qt::AlignLeft : column.align;
        headerItem->setText(c, QString::fromLatin1(column.heading));
        headerItem->setTextAlignment(c, align | Qt::AlignVCenter);
    }
    setHeaderItem(headerItem);
    header()->setStretchLastSection(false);
    for (int c = 0; c < kColumnCount; ++c) {
        int width = kColumns[static_cast<std::size_t>(c)].width;
        if (leftAligned && c == kFrequencyColumn) width = 40;
        setColumnWidth(c, width);
    }
}

void CZuzeListViewView::Refill(bool tvListMode, bool hexMode) {
    tvListMode_ = tvListMode;
    hexMode_ = hexMode;
    clear();
    const zev::DatabaseHeader& h = db_.header;
    const std::size_t capacity = std::min<std::size_t>(h.ChannelCapacity, zev::kMaxChannelSlots);
    const std::size_t count =
        std::min<std::size_t>(tvListMode ? h.TvCount : h.RadioCount, capacity);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(count));
    for (std::size_t row = 0; row < count; ++row) {
        auto* item = new QTreeWidgetItem;
        FillRow(item, row, tvListMode ? db_.TvSlot(row) : db_.RadioSlot(row), hexMode);
        items.append(item);
    }
    addTopLevelItems(items);
}

void CZuzeListViewView::FillRow(QTreeWidgetItem* item, std::size_t row, std::size_t slot,
                                bool hexMode) const {
    for (int c = 0; c < kColumnCount; ++c) {
        item->setTextAlignment(c, Qt::Alignment(headerItem()->textAlignment(c)));
    }
    const zev::ChannelEntry& channel = db_.channels[slot];
    item->setText(0, QString::number(row + 1));
    item->setText(1, NameText(channel.Name));

    // A channel whose transponder or satellite number names no record shows blanks there.
    if (channel.TpNumber >= 1 && channel.TpNumber <= zev::kMaxTransponders) {
        const zev::TransponderEntry& tp = db_.transponders[channel.TpNumber - 1u];
        item->setText(2, QString::number(tp.Sat));
        if (tp.Sat >= 1) item->setText(3, NameText(db_.satellites[tp.Sat - 1u].Name));
        item->setText(4, QString::number(tp.Frequency));
        item->setText(5, tp.Polarization == 0 ? QStringLiteral("H") : QStringLiteral("V"));
        item->setText(6, QString::number(tp.Symbol));
        item->setText(14, Number(tp.TransID, hexMode));
    }
    item->setText(7, Number(channel.VPID, hexMode));
    item->setText(8, Number(channel.APID, hexMode));
    item->setText(9, Number(channel.PCRPID, hexMode));
    item->setText(10, Number(channel.TTXPID, hexMode));
    item->setText(11, Number(channel.AC3PID, hexMode));
    item->setText(12, Number(channel.ServiceID, hexMode));
    item->setText(13, Number(channel.NetworkID, hexMode));
}

void CZuzeListViewView::OnTransponderList() {
    if (recordDialogs_ != nullptr && recordDialogs_->RunTransponderList(this)) {
        Refill(tvListMode_, hexMode_);
    }
}

void CZuzeListViewView::OnSatelliteList() {
    if (recordDialogs_ != nullptr && recordDialogs_->RunSatelliteList(this)) {
        Refill(tvListMode_, hexMode_);
    }
}
