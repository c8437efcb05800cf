#include "lists/CDragListCtrl.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <vector>

#include "editing/ChangeSink.h"
#include "editing/RecordLinks.h"
#include "editing/ReferenceRenumbering.h"
#include "editing/RowTexts.h"
#include "lists/DragEngine.h"
#include "lists/RowKeys.h"
#include "ui/UiPrompts.h"

CDragListCtrl::CDragListCtrl(QWidget* parent) : ListControl(new ListRowModel, parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderHidden(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetColumn(tr("No."), 450);
    // Reorders the rows with the mouse; the list is its parent.
    auto* drag = new DragEngine(*this);
    drag->SetAfterDrop([this](const zev::DropResult& drop) { AfterDrop(drop); });
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowDoubleClicked(index.row()); });
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

void CDragListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = RowAt(event->position().toPoint());
    if (row >= 0) emit doubleClicked(Rows().index(row, 0));
}

void CDragListCtrl::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event)) {
        emit EditKeyPressed();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit DeleteKeyPressed();
        event->accept();
        return;
    }
    ListControl::keyPressEvent(event);
}

void CDragListCtrl::AfterDrop(const zev::DropResult& drop) { ApplyDrop(drop.movedCount); }

void CDragListCtrl::ApplyDrop(std::size_t movedCount) {
    bool tableChanged = false;
    if (ListType == kNotSet) {
        // The rows stay in their new order; no table changes.
        if (prompts_ != nullptr) {
            prompts_->Message(tr("Error in ListType! please contact your vendor!"),
                              QStringLiteral("zev"), zev::MsgIcon::None, zev::MsgButtons::Ok,
                              zev::MsgAnswer::Ok);
        }
    } else if ((ListType == kTransponders || ListType == kSatellites) && db_ != nullptr) {
        const bool transponders = ListType == kTransponders;
        const std::size_t count =
            transponders ? zev::TranspondersInUse(*db_) : zev::SatellitesInUse(*db_);
        std::vector<int> numbers;
        numbers.reserve(static_cast<std::size_t>(RowCount()));
        for (int row = 0; row < RowCount(); ++row) {
            numbers.push_back(zev::RowNumberOf(Rows().Row(row).text.toStdString()));
        }
        tableChanged = zev::IsNewOrder(numbers, count);
        if (transponders) {
            zev::RebuildTransponderTable(*db_, numbers);
        } else {
            zev::RebuildSatelliteTable(*db_, numbers);
        }
        // Rows renumbered; a list out of step with the table shows the table again.
        for (int row = 0; row < RowCount() && static_cast<std::size_t>(row) < count; ++row) {
            const std::size_t position = static_cast<std::size_t>(row);
            const std::string text =
                transponders ? zev::TransponderRowText(*db_, position, kTransponderRowWidth)
                             : zev::SatelliteRowText(*db_, position);
            SetRowText(row, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
        }
        if (tableChanged && changes_ != nullptr) {
            const std::size_t n = movedCount;
            const zev::Translatable name = transponders
                                               ? (n == 1 ? ZEV_TR("Change", "Drag %1 Transponder")
                                                         : ZEV_TR("Change", "Drag %1 Transponders"))
                                               : (n == 1 ? ZEV_TR("Change", "Drag %1 Satellite")
                                                         : ZEV_TR("Change", "Drag %1 Satellites"));
            changes_->DatabaseChanged(zev::Translatable(name).Arg(n));
        }
    }
    viewport()->repaint();
    emit RowsDropped(tableChanged);
}
