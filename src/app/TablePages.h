// A list printed as a table: on every page a title with the date, the column headings, as
// many rows as fit, and "Page 1 of 5" at the foot. The font shrinks until every column fits
// the page's width.
#pragma once

#include <QString>
#include <memory>

class ListRowModel;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

struct TablePageLayout {
    int rowsPerPage = 1;
    int pageCount = 1;

    int FirstRow(int page) const { return page * rowsPerPage; }
    // How many of `rowCount` rows go on `page` (0-based).
    int RowsOn(int page, int rowCount) const;
};

// Rows of `rowHeight` on a body (the page between the headings and the foot) `bodyHeight`
// high: at least one row per page, and at least one page, so an empty list still prints its
// headings.
TablePageLayout LayOutTablePages(int rowCount, double bodyHeight, double rowHeight);

// "Page 1 of 5" for the first of five pages (`page` is 0-based).
QString PageNumberText(int page, int pageCount);

// The rows of a list laid out on pages of one device.
class TablePrint {
  public:
    // Reads the cell texts of `rows` (as the list shows them) and fits them to the pages of
    // `device`, whose size and resolution the measures follow.
    TablePrint(const ListRowModel& rows, QString title, QString date, QPaintDevice& device);
    ~TablePrint();

    const TablePageLayout& Layout() const;
    int PageCount() const { return Layout().pageCount; }
    // Title and date, the column headings, the page's rows and its number.
    void PaintPage(QPainter& painter, int page) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Paints every row of `rows` (cell texts as the list shows them, columns aligned as in the
// list) onto `device`, page after page, and returns the number of pages.
int PaintTable(QPagedPaintDevice& device, const ListRowModel& rows, const QString& title,
               const QString& date);
