// Any sequence of New, Edit, Move, Delete and drags on both lists leaves rows that show what a
// fresh refill would show, and slots that hold exactly the channels the commands left, in the
// order of the rows.
#include <QTest>
#include <map>
#include <random>

#include "ListsFixture.h"
#include "lists/CChannelEditDlg.h"
#include "lists/DragEngine.h"

namespace lists_test {
namespace {

class ListProperty : public ListViewFixture {
  protected:
    using Records = std::map<int, zev::ChannelEntry>;  // by ServiceID

    Records Actual(bool tv) const {
        Records records;
        const std::size_t count = tv ? Db().header.TvCount : Db().header.RadioCount;
        for (std::size_t r = 0; r < count; ++r) {
            const zev::ChannelEntry& c = tv ? Db().Tv(r) : Db().Radio(r);
            EXPECT_TRUE(records.emplace(c.ServiceID, c).second) << "twice: " << c.ServiceID;
        }
        return records;
    }
    zev::ChannelDatabase& Db() const {
        return const_cast<ListProperty*>(this)->ListViewFixture::Db();
    }

    // Every row, also one written again by a command, shows what a fresh refill in the same
    // number base would.
    void ExpectRowsLikeAFreshRefill(bool hex) {
        CZuzeListViewView fresh(Db(), false, prompts_);
        fresh.Refill(View().Channels().TvList(), hex);
        ASSERT_EQ(View().RowCount(), fresh.RowCount());
        for (int r = 0; r < View().RowCount(); ++r) {
            for (int c = 0; c < CZuzeListViewView::kColumnCount; ++c) {
                ASSERT_EQ(View().CellText(r, c), fresh.CellText(r, c))
                    << "row " << r << " column " << c;
            }
        }
    }

    int NewId() { return nextId_++; }
    // The ServiceID of the channel a row shows (the cells may be in hexadecimal).
    int IdAt(int row) const {
        const std::size_t r = static_cast<std::size_t>(row);
        return View().Channels().TvList() ? Db().Tv(r).ServiceID : Db().Radio(r).ServiceID;
    }
    CZuzeListViewView& View() const {
        return const_cast<ListProperty*>(this)->ListViewFixture::View();
    }
    int RandomRow(std::mt19937& random) {
        return static_cast<int>(random() % static_cast<unsigned>(View().RowCount()));
    }
    std::vector<int> RandomRows(std::mt19937& random) {
        std::vector<int> rows;
        for (int r = 0; r < View().RowCount(); ++r) {
            if (random() % 4 == 0) rows.push_back(r);
        }
        if (rows.empty()) rows.push_back(RandomRow(random));
        return rows;
    }

  private:
    int nextId_ = 5000;
};

TEST_F(ListProperty, RowsAndSlotsStayInStepThroughAnyCommandSequence) {
    Show(MakeDatabase(2, 5, 12, 8, 40));
    std::map<bool, Records> expected{{true, Actual(true)}, {false, Actual(false)}};
    bool hex = false;
    std::mt19937 random(424242);

    for (int step = 0; step < 400; ++step) {
        const bool tv = View().Channels().TvList();
        const int operation = static_cast<int>(random() % 7);
        SCOPED_TRACE(testing::Message()
                     << "step " << step << " operation " << operation << (tv ? " TV" : " radio"));
        View().clearSelection();
        const bool empty = View().RowCount() == 0;
        if (operation == 0) {
            if (random() % 3 == 0) hex = !hex;
            View().Refill(random() % 2 == 0, hex);
        } else if (operation == 1) {
            if (!empty && random() % 2 == 0) SelectRows({RandomRow(random)});
            const int id = NewId();
            const bool ok = random() % 5 != 0;
            prompts_.dialogScripts.push_back(ok ? FillAndAccept(QString("N%1").arg(id), id)
                                                : Cancel());
            const std::size_t before = Actual(tv).size();
            View().OnPopupCommand(CZuzeListViewView::kNewChannel);
            const Records now = Actual(tv);
            if (ok && now.size() == before + 1) {
                ASSERT_TRUE(now.count(id));
                EXPECT_EQ(now.at(id).RadioFlag, tv ? 0 : 1);
                expected[tv][id] = now.at(id);
            }
            prompts_.dialogScripts.clear();
        } else if (operation == 2 && !empty) {
            const int row = RandomRow(random);
            const int oldId = IdAt(row);
            const int id = NewId();
            prompts_.dialogScripts.push_back(FillAndAccept(QString("E%1").arg(id), id));
            if (random() % 2 == 0) {
                SelectRows({row});
                View().OnPopupCommand(CZuzeListViewView::kEditChannel);
            } else {
                QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                                   RowPoint(row));
            }
            expected[tv].erase(oldId);
            expected[tv][id] = Actual(tv).at(id);
        } else if (operation == 3 && !empty) {
            SelectRows(RandomRows(random));
            View().OnPopupCommand(CZuzeListViewView::kMoveChannel);
            if (random() % 6 == 0) {
                QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                                  QPoint(20, View().RowRect(View().RowCount() - 1).bottom() + 30));
            } else {
                ClickRow(RandomRow(random));
            }
        } else if (operation == 4 && !empty) {
            const std::vector<int> rows = RandomRows(random);
            SelectRows(rows);
            for (int row : rows) expected[tv].erase(IdAt(row));
            View().OnPopupCommand(CZuzeListViewView::kDeleteChannel);
        } else if (operation >= 5 && !empty) {
            const std::vector<int> rows = RandomRows(random);
            SelectRows(rows);
            const int from = rows[random() % rows.size()];
            const int to = RandomRow(random);
            QWidget* viewport = View().viewport();
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(from));
            QTest::mouseMove(viewport, RowPoint(from) + QPoint(0, 12));
            QTest::mouseMove(viewport, RowPoint(to));
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(to));
            ASSERT_FALSE(View().Drag().Dragging());
        }

        ExpectRowsLikeAFreshRefill(hex);
        for (int r = 0; r < View().RowCount(); ++r) {
            ASSERT_EQ(View().Channels().Row(r).number, r + 1);
        }
        ASSERT_EQ(Actual(true), expected[true]);
        ASSERT_EQ(Actual(false), expected[false]);
        if (HasFatalFailure() || HasFailure()) return;
    }
    EXPECT_FALSE(sink_.changes.empty());
}

}  // namespace
}  // namespace lists_test
