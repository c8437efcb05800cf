#include "lists/CDragListCtrl.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <vector>

#include "editing/ChangeSink.h"
#include "editing/ReferenceRenumbering.h"
#include "editing/RowTexts.h"
#include "lists/DragEngine.h"
#include "ui/UiPrompts.h"

CDragListCtrl::CDragListCtrl(QWidget* parent) : ListControl(new ListRowModel, parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderHidden(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetColumn(QStringLiteral("No."), 450);
    Drag().SetAfterDrop([this](const zev::DropResult& drop) { AfterDrop(drop); });
}

void CDragListCtrl::Attach(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink* changes) {
    db_ = &db;
    prompts_ = &prompts;
    changes_ = changes;
}

void CDragListCtrl::SetColumn(const QString& heading, int width) {
    Rows().SetColumns({ListColumn{heading, width, Qt::AlignLeft}});
    ApplyColumns();
}

int CDragListCtrl::AddRow(const QString& text) {
    InsertRow(RowCount(), text);
    return RowCount() - 1;
}

void CDragListCtrl::InsertRow(int row, const QString& text) {
    ListRow item;
    item.text = text;
    Rows().InsertRow(row, std::move(item));
}

void CDragListCtrl::SetRowText(int row, const QString& text) { Rows().SetRowText(row, text); }

QString CDragListCtrl::RowText(int row) const {
    return row >= 0 && row < RowCount() ? Rows().Row(row).text : QString();
}

void CDragListCtrl::DeleteRow(int row) { Rows().RemoveRow(row); }

void CDragListCtrl::DeleteAllRows() { ReplaceRows({}, false); }

void CDragListCtrl::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    selectionModel()->setCurrentIndex(
        Rows().index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int CDragListCtrl::LeadingNumber(const QString& text) {
    const std::string head = text.left(4).toStdString();
    std::size_t i = 0;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t')) ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == '-' || head[i] == '+')) negative = head[i++] == '-';
    int value = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i)
        value = value * 10 + (head[i] - '0');
    return negative ? -value : value;
}

void CDragListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) emit RowDoubleClicked(row);
}

void CDragListCtrl::AfterDrop(const zev::DropResult& drop) {
    if (ListType == kNotSet) {
        // The rows stay in their new order; no table changes.
        if (prompts_ != nullptr) {
            prompts_->Message(QStringLiteral("Error in ListType! please contact your vendor!"),
                              QStringLiteral("zev"), zev::MsgIcon::None, zev::MsgButtons::Ok,
                              zev::MsgAnswer::Ok);
        }
    } else if ((ListType == kTransponders || ListType == kSatellites) && db_ != nullptr) {
        std::vector<int> numbers;
        numbers.reserve(static_cast<std::size_t>(RowCount()));
        bool moved = false;
        for (int row = 0; row < RowCount(); ++row) {
            numbers.push_back(LeadingNumber(Rows().Row(row).text));
            moved = moved || numbers.back() != row + 1;
        }
        const bool transponders = ListType == kTransponders;
        if (transponders) {
            zev::RebuildTransponderTable(*db_, numbers);
        } else {
            zev::RebuildSatelliteTable(*db_, numbers);
        }
        for (int row = 0; row < RowCount(); ++row) {
            const std::size_t position = static_cast<std::size_t>(row);
            const std::string text =
                transponders ? zev::TransponderRowText(*db_, position, kTransponderRowWidth)
                             : zev::SatelliteRowText(*db_, position);
            SetRowText(row, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        }
        if (moved && changes_ != nullptr) {
            const std::size_t n = drop.movedCount;
            const char* noun = transponders ? (n == 1 ? "Transponder" : "Transponders")
                                            : (n == 1 ? "Satellite" : "Satellites");
            changes_->DatabaseChanged("Drag " + std::to_string(n) + " " + noun);
        }
    }
    viewport()->repaint();
    emit RowsDropped();
}
