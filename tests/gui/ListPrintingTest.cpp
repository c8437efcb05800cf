// A list printed as a table: how rows fall on pages, and what each page shows, painted without
// a printer (onto a PDF writer and recorded in pictures).
#include <gtest/gtest.h>

#include <QDataStream>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTemporaryDir>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "app/ListPrinter.h"
#include "app/TablePages.h"
#include "editing/SampleDatabase.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ListRowModel.h"

namespace {

// Rows whose every cell names its place: "r12c1".
class NamedCells : public ListRowModel {
  public:
    explicit NamedCells(int rows) {
        SetColumns({{"Left", 60, Qt::AlignLeft}, {"Right", 60, Qt::AlignRight}});
        ResetRows(std::vector<ListRow>(static_cast<std::size_t>(rows)));
    }
    QString CellText(int row, int column) const override {
        return QStringLiteral("r%1c%2").arg(row).arg(column);
    }
};

// What a page draws, as the texts a picture of it recorded (QPicture keeps every text it is
// given in its data, as QDataStream writes strings).
class RecordedPage {
  public:
    RecordedPage(const TablePrint& print, int page) {
        QPainter painter(&picture_);
        print.PaintPage(painter, page);
    }
    bool Shows(const QString& text) const {
        QByteArray encoded;
        QDataStream out(&encoded, QIODevice::WriteOnly);
        out << text;
        const QByteArray data(picture_.data(), static_cast<qsizetype>(picture_.size()));
        return data.contains(encoded.mid(4));  // without the length
    }

  private:
    QPicture picture_;
};

TEST(TablePageLayoutTest, EveryRowLandsOnExactlyOnePageInOrder) {
    for (int rowsPerPage : {1, 7, 40}) {
        for (int rows = 0; rows <= 3 * rowsPerPage + 1; ++rows) {
            const TablePageLayout layout = LayOutTablePages(rows, rowsPerPage * 10.0 + 9, 10.0);
            ASSERT_EQ(layout.rowsPerPage, rowsPerPage);
            int next = 0;
            for (int page = 0; page < layout.pageCount; ++page) {
                EXPECT_EQ(layout.FirstRow(page), next);
                const int on = layout.RowsOn(page, rows);
                // Only the last page may be part full; no page but an empty list's is empty.
                if (page + 1 < layout.pageCount) {
                    EXPECT_EQ(on, rowsPerPage);
                }
                EXPECT_TRUE(on > 0 || rows == 0);
                next += on;
            }
            EXPECT_EQ(next, rows);
            EXPECT_EQ(layout.RowsOn(layout.pageCount, rows), 0);
        }
    }
}

TEST(TablePageLayoutTest, AnEmptyListOrATinyPageStillPrints) {
    EXPECT_EQ(LayOutTablePages(0, 500, 10).pageCount, 1);  // the headings alone
    const TablePageLayout tiny = LayOutTablePages(3, 4, 10);
    EXPECT_EQ(tiny.rowsPerPage, 1);
    EXPECT_EQ(tiny.pageCount, 3);
    EXPECT_EQ(LayOutTablePages(5, 100, 0).pageCount, 5);
    EXPECT_EQ(PageNumberText(0, 5), "Page 1 of 5");
}

TEST(TablePrintTest, EveryPageHasTitleDateHeadingsItsRowsAndItsNumber) {
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("list.pdf"));
    pdf.setPageOrientation(QPageLayout::Landscape);
    const NamedCells rows(250);
    const TablePrint print(rows, "box.stc - TV Channel List", "8 Dec 2026", pdf);
    const int pages = print.PageCount();
    ASSERT_GT(pages, 2);
    const TablePageLayout& layout = print.Layout();

    for (int page = 0; page < pages; ++page) {
        const RecordedPage recorded(print, page);
        EXPECT_TRUE(recorded.Shows("box.stc - TV Channel List")) << page;
        EXPECT_TRUE(recorded.Shows("8 Dec 2026")) << page;
        EXPECT_TRUE(recorded.Shows("Left")) << page;
        EXPECT_TRUE(recorded.Shows("Right")) << page;
        EXPECT_TRUE(recorded.Shows(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages)));
        const int first = layout.FirstRow(page);
        const int last = first + layout.RowsOn(page, 250) - 1;
        EXPECT_TRUE(recorded.Shows(QStringLiteral("r%1c1").arg(first))) << page;
        EXPECT_TRUE(recorded.Shows(QStringLiteral("r%1c0").arg(last))) << page;
        EXPECT_FALSE(recorded.Shows(QStringLiteral("r%1c0").arg(last + 1))) << page;
        if (first > 0) {
            EXPECT_FALSE(recorded.Shows(QStringLiteral("r%1c0").arg(first - 1)));
        }
    }

    // The real thing: one PDF page per laid-out page.
    EXPECT_EQ(PaintTable(pdf, rows, "box.stc - TV Channel List", "8 Dec 2026"), pages);
}

TEST(TablePrintTest, PaintedPdfHasAsManyPagesAsTheLayout) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.pdf");
    const NamedCells rows(500);
    int pages = 0;
    {
        QPdfWriter pdf(path);
        pages = PaintTable(pdf, rows, "Radio Channel List", "today");
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_GT(pages, 1);
    // Page objects, not the page tree ("/Type /Pages").
    EXPECT_EQ(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
        pages);
}

TEST(ListPrinterTest, TitleNamesTheImageFileAndTheList) {
    EXPECT_EQ(ListPrinter::Title("box.stc", true), "box.stc - TV Channel List");
    EXPECT_EQ(ListPrinter::Title(QString(), false), "Radio Channel List");
}

class ListPrintingInAppTest : public GuiFixture {};

TEST_F(ListPrintingInAppTest, ThePrintedListIsTheShownListAsShownInHex) {
    auto db = zev::testing::SampleDatabase();
    db->Tv(0).VPID = 255;
    WriteFile(Path("box.stc"), ImageOf(*db));
    StartApp();
    prompts_.fileNames = {Path("box.stc")};
    Frame().Execute(cmd::FileOpen);
    Frame().Execute(cmd::ToggleHexMode);

    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("list.pdf"));
    const TablePrint print(Frame().ListView()->Rows(), "TV", "today", pdf);
    ASSERT_EQ(print.PageCount(), 1);
    const RecordedPage page(print, 0);
    EXPECT_TRUE(page.Shows("FF"));
    EXPECT_TRUE(page.Shows("Das Erste"));
    EXPECT_TRUE(page.Shows("ServiceID"));
    EXPECT_FALSE(page.Shows("Radio 1"));
}

}  // namespace
