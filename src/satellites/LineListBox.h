// A list box of text lines in a fixed-pitch font, so that lines built in fixed columns line up
// under a header text in the same font. Single selection; the lines live in a string model.
#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

class LineListBox : public QListView {
    Q_OBJECT
  public:
    explicit LineListBox(QWidget* parent = nullptr);

    int RowCount() const;
    QString RowText(int row) const;
    void SetRowText(int row, const QString& text);
    void SetRows(const QStringList& lines);
    void InsertRow(int row, const QString& text);
    // Removing the selected row leaves no row selected.
    void RemoveRow(int row);

    // The selected row, or -1.
    int SelectedRow() const;
    // Selects `row` and makes it current; a row outside the list clears the selection.
    void SelectRow(int row);

    // Room for `lines` lines of `characters` characters in the list's font.
    void SetSizeInCharacters(int characters, int lines);

  signals:
    void RowDoubleClicked(int row);
    // Enter (also the keypad's).
    void EditKeyPressed();

  protected:
    // With no row selected there is no current row; the first Home, End or arrow key selects
    // one.
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QStringListModel* model_;
};

// The fixed-pitch font of these lists and of the header texts above them.
QFont LineListFont();
