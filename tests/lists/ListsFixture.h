// A channel list view on a small database, shown offscreen, answering through scripted prompts,
// with record dialogs and a change sink that record what they were asked.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/ChangeSink.h"
#include "gui/ScriptedPrompts.h"
#include "lists/CZuzeListViewView.h"
#include "lists/RecordDialogs.h"

class QLineEdit;

namespace lists_test {

// Satellites "SAT1".., transponders on them in turn (Frequency 10000 + position), TV channels
// "TV 1".. and radio channels "Radio 1".. on the transponders in turn. Every channel has its
// own ServiceID: TV row r has r, radio row r has 1000 + r.
std::unique_ptr<zev::ChannelDatabase> MakeDatabase(int satellites, int transponders, int tv,
                                                   int radio, uint16_t capacity = 1840);

class FakeRecordDialogs : public RecordDialogs {
  public:
    RecordListResult RunTransponderList(QWidget*) override {
        ++transponderLists;
        return listResult;
    }
    RecordListResult RunSatelliteList(QWidget*) override {
        ++satelliteLists;
        return listResult;
    }
    bool PickTransponder(QWidget*, int& choice) override {
        pickedFrom.push_back(choice);
        if (pickAnswer < 0) return false;
        choice = pickAnswer;
        return true;
    }

    int transponderLists = 0;
    int satelliteLists = 0;
    RecordListResult listResult = RecordListResult::Unchanged;
    std::vector<int> pickedFrom;
    int pickAnswer = -1;  // < 0: the pick is closed without a choice
};

class RecordingSink : public zev::ChangeSink {
  public:
    void DatabaseChanged(const zev::Translatable& description) override {
        changes.push_back(description.English());
    }
    std::vector<std::string> changes;
};

class ListViewFixture : public ::testing::Test {
  protected:
    // A view of `db` (TV list, decimal), shown and laid out.
    void Show(std::unique_ptr<zev::ChannelDatabase> database, bool tvList = true);
    CZuzeListViewView& View() { return *view_; }
    zev::ChannelDatabase& Db() { return *db_; }

    // The centre of a row's first cells, in viewport coordinates.
    QPoint RowPoint(int row) const;
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void SelectRows(const std::vector<int>& rows);
    std::vector<int> SelectedRows() const;
    // The rows' ServiceIDs as the list shows them.
    std::vector<int> ShownIds() const;
    // The ServiceIDs in the slots of the shown list, in row order.
    std::vector<int> SlotIds(bool tv) const;
    QStringList Messages() const;

    // A dialog script that sets the name box (and the Video PID box, when given) and presses OK.
    static std::function<int(QDialog&)> FillAndAccept(const QString& name, int serviceId = -1);
    static std::function<int(QDialog&)> Cancel();
    static QLineEdit* Box(QDialog& dialog, int id);

    ScriptedPrompts prompts_;
    FakeRecordDialogs records_;
    RecordingSink sink_;

  private:
    std::unique_ptr<zev::ChannelDatabase> db_;
    std::unique_ptr<CZuzeListViewView> view_;
};

}  // namespace lists_test
