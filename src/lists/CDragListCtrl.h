// The list control of the Satellite List and Transponder List dialogs: one text column of
// fixed-column lines whose first characters are the record's number, rows reordered by
// dragging them. After a drop the table the list shows (ListType) is rebuilt in the rows' new
// order and every row's text is written again with its new number.
#pragma once

#include <QString>
#include <string>

#include "editing/RowMoves.h"
#include "lists/ListControl.h"

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev

class UiPrompts;

class CDragListCtrl : public ListControl {
    Q_OBJECT
  public:
    static constexpr int kNotSet = 0;
    static constexpr int kTransponders = 1;
    static constexpr int kSatellites = 2;
    static constexpr std::size_t kTransponderRowWidth = 73;

    // Single selection, no column header, one left-aligned column "No." 450 pixels wide, in a
    // fixed-pitch font so that the columns of the lines line up.
    explicit CDragListCtrl(QWidget* parent = nullptr);

    // What the list shows, and so which table a drop rebuilds: 0 not set, 1 transponders,
    // 2 satellites.
    int ListType = kNotSet;

    // The database a drop rebuilds, where messages go, and who hears of the change.
    void Attach(zev::ChannelDatabase& db, UiPrompts& prompts, zev::ChangeSink* changes = nullptr);

    // The one column (replacing the default).
    void SetColumn(const QString& heading, int width);

    int AddRow(const QString& text);
    void InsertRow(int row, const QString& text);
    void SetRowText(int row, const QString& text);
    QString RowText(int row) const;
    void DeleteRow(int row);
    void DeleteAllRows();
    int SelectedRow() const { return FirstSelectedRow(); }
    // Selects `row` alone and makes it the current row.
    void SelectRow(int row);

    // The after-drop action, run when dragged rows were dropped (`movedCount` of them):
    // ListType 1 or 2 puts the table into the rows' order, renumbers the references to it and
    // writes every row again with its new number; 0 says the list has no type.
    void ApplyDrop(std::size_t movedCount);

  signals:
    void RowDoubleClicked(int row);
    // Enter (also the keypad's) and Delete, which the dialogs take as Edit and Delete.
    void EditKeyPressed();
    void DeleteKeyPressed();
    // The rows were dropped and the after-drop action has run; `tableChanged` when it put
    // the table into a new order.
    void RowsDropped(bool tableChanged);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void AfterDrop(const zev::DropResult& drop);

    zev::ChannelDatabase* db_ = nullptr;
    UiPrompts* prompts_ = nullptr;
    zev::ChangeSink* changes_ = nullptr;
};
