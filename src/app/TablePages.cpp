#include "app/TablePages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "lists/ListRowModel.h"

namespace {

constexpr double kBodyPoints = 10.0;
constexpr double kMostSpread = 1.5;  // how far columns widen to fill the page
constexpr double kSmallestPoints = 4.0;
constexpr double kTitleScale = 1.4;
constexpr double kRowSpacing = 1.35;  // row height as a multiple of the font's line height

const QColor kHeadingShade(0xE4, 0xE4, 0xE4);
const QColor kRowShade(0xF4, 0xF4, 0xF4);

// Every text of the table, read from the list once: measuring and painting both need them.
struct TableTexts {
    int rows = 0;
    int columns = 0;
    std::vector<QString> headings;
    std::vector<Qt::Alignment> alignments;
    std::vector<QString> cells;  // row by row
    std::vector<int> longest;    // per column, in characters

    explicit TableTexts(const ListRowModel& model)
        : rows(model.RowCount()), columns(static_cast<int>(model.Columns().size())) {
        for (const ListColumn& column : model.Columns()) {
            headings.push_back(column.heading);
            const Qt::Alignment horizontal = column.alignment & Qt::AlignHorizontal_Mask;
            alignments.push_back((horizontal ? horizontal : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        longest.assign(static_cast<std::size_t>(columns), 0);
        cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                cells.push_back(model.CellText(r, c));
                int& most = longest[static_cast<std::size_t>(c)];
                most = std::max(most, static_cast<int>(cells.back().size()));
            }
        }
    }
    const QString& Cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                     static_cast<std::size_t>(column)];
    }
};

// Fonts and sizes for one device, and the width of each column at that size.
struct Geometry {
    QFont body;
    QFont bold;
    QFont title;
    double padding = 0;
    double rowHeight = 0;
    double titleHeight = 0;
    double footHeight = 0;
    std::vector<double> widths;

    double TableWidth() const {
        double total = 0;
        for (double w : widths) total += w;
        return total;
    }
};

Geometry Measure(QPaintDevice& device, const TableTexts& texts, double points) {
    Geometry g;
    g.body.setPointSizeF(points);
    g.bold = g.body;
    g.bold.setBold(true);
    g.title = g.bold;
    g.title.setPointSizeF(points * kTitleScale);
    const QFontMetricsF body(g.body, &device);
    const QFontMetricsF bold(g.bold, &device);
    g.padding = body.averageCharWidth();
    g.rowHeight = std::ceil(body.height() * kRowSpacing);
    g.titleHeight = std::ceil(QFontMetricsF(g.title, &device).height() * 1.6);
    g.footHeight = std::ceil(body.height() * 2);

    g.widths.assign(static_cast<std::size_t>(texts.columns), 0);
    for (int c = 0; c < texts.columns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        double widest = bold.horizontalAdvance(texts.headings[column]);
        // Only the longest texts can be the widest: measuring every cell of ten thousand rows
        // would cost more than the printing.
        for (int r = 0; r < texts.rows; ++r) {
            const QString& text = texts.Cell(r, c);
            if (text.size() + 2 >= texts.longest[column]) {
                widest = std::max(widest, body.horizontalAdvance(text));
            }
        }
        g.widths[column] = std::ceil(widest + 2 * g.padding) + 1;
    }
    return g;
}

// The largest font (up to the normal size) at which the table fits `width`; a narrower table
// gets wider columns, up to the page's width.
Geometry FitToWidth(QPaintDevice& device, const TableTexts& texts, double width) {
    Geometry g = Measure(device, texts, kBodyPoints);
    double points = kBodyPoints;
    while (g.TableWidth() > width && points > kSmallestPoints) {
        points = std::max(kSmallestPoints, std::floor(points * width / g.TableWidth() * 2) / 2);
        g = Measure(device, texts, points);
    }
    const double total = g.TableWidth();
    if (total > 0 && total < width) {
        const double spread = std::min(width / total, kMostSpread);
        for (double& w : g.widths) w = std::floor(w * spread);
    }
    return g;
}

void PaintRow(QPainter& painter, const Geometry& g, const TableTexts& texts, double top,
              const std::function<const QString&(int)>& text) {
    // Measured as the columns were: whole-pixel metrics would round every letter's width.
    const QFontMetricsF metrics(painter.font(), painter.device());
    double left = 0;
    for (std::size_t c = 0; c < g.widths.size(); ++c) {
        const QRectF cell(left + g.padding, top, g.widths[c] - 2 * g.padding, g.rowHeight);
        const QString elided =
            metrics.elidedText(text(static_cast<int>(c)), Qt::ElideRight, cell.width());
        painter.drawText(cell, static_cast<int>(texts.alignments[c]), elided);
        left += g.widths[c];
    }
}

}  // namespace

int TablePageLayout::RowsOn(int page, int rowCount) const {
    const int first = FirstRow(page);
    if (page < 0 || first >= rowCount) return 0;
    return std::min(rowsPerPage, rowCount - first);
}

TablePageLayout LayOutTablePages(int rowCount, double bodyHeight, double rowHeight) {
    TablePageLayout layout;
    if (rowHeight > 0) {
        layout.rowsPerPage = std::max(1, static_cast<int>(std::floor(bodyHeight / rowHeight)));
    }
    const int rows = std::max(rowCount, 0);
    layout.pageCount = std::max(1, (rows + layout.rowsPerPage - 1) / layout.rowsPerPage);
    return layout;
}

QString PageNumberText(int page, int pageCount) {
    return QCoreApplication::translate("TablePages", "Page %1 of %2").arg(page + 1).arg(pageCount);
}

struct TablePrint::Impl {
    Impl(const ListRowModel& rows, QString titleText, QString dateText, QPaintDevice& device)
        : texts(rows),
          title(std::move(titleText)),
          date(std::move(dateText)),
          page(0, 0, device.width(), device.height()),
          g(FitToWidth(device, texts, page.width())),
          tableWidth(std::min(g.TableWidth(), page.width())),
          bodyTop(g.titleHeight + g.rowHeight),
          layout(
              LayOutTablePages(texts.rows, page.height() - bodyTop - g.footHeight, g.rowHeight)) {}

    const TableTexts texts;
    const QString title;
    const QString date;
    const QRectF page;
    const Geometry g;
    const double tableWidth;
    const double bodyTop;
    const TablePageLayout layout;
};

TablePrint::TablePrint(const ListRowModel& rows, QString title, QString date, QPaintDevice& device)
    : impl_(std::make_unique<Impl>(rows, std::move(title), std::move(date), device)) {}

TablePrint::~TablePrint() = default;

const TablePageLayout& TablePrint::Layout() const { return impl_->layout; }

void TablePrint::PaintPage(QPainter& painter, int page) const {
    const Impl& t = *impl_;
    const Geometry& g = t.g;
    painter.setPen(Qt::black);
    painter.setFont(g.title);
    const QRectF titleLine(0, 0, t.page.width(), g.titleHeight);
    painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignTop, t.title);
    painter.setFont(g.body);
    painter.drawText(titleLine, Qt::AlignRight | Qt::AlignTop, t.date);

    // The column headings, on every page.
    painter.fillRect(QRectF(0, g.titleHeight, t.tableWidth, g.rowHeight), kHeadingShade);
    painter.setFont(g.bold);
    PaintRow(painter, g, t.texts, g.titleHeight, [&](int c) -> const QString& {
        return t.texts.headings[static_cast<std::size_t>(c)];
    });
    painter.drawLine(QPointF(0, t.bodyTop), QPointF(t.tableWidth, t.bodyTop));

    painter.setFont(g.body);
    const int first = t.layout.FirstRow(page);
    const int count = t.layout.RowsOn(page, t.texts.rows);
    for (int i = 0; i < count; ++i) {
        const double top = t.bodyTop + i * g.rowHeight;
        if (i % 2 == 1) painter.fillRect(QRectF(0, top, t.tableWidth, g.rowHeight), kRowShade);
        PaintRow(painter, g, t.texts, top,
                 [&](int c) -> const QString& { return t.texts.Cell(first + i, c); });
    }

    painter.drawText(QRectF(0, t.page.height() - g.footHeight, t.page.width(), g.footHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, PageNumberText(page, t.layout.pageCount));
}

int PaintTable(QPagedPaintDevice& device, const ListRowModel& rows, const QString& title,
               const QString& date) {
    const TablePrint print(rows, title, date, device);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    for (int page = 0; page < print.PageCount(); ++page) {
        if (page > 0) device.newPage();
        print.PaintPage(painter, page);
    }
    painter.end();
    return print.PageCount();
}
