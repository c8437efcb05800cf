#include "ListsFixture.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "database/FlashLayout.h"
#include "lists/CChannelEditDlg.h"

namespace lists_test {

namespace {

// One QApplication for the whole test program.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[10] = "zevlists";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

void SetName(std::array<char, zev::kNameFieldSize>& field, const std::string& text) {
    field.fill('\0');
    text.copy(field.data(), zev::kNameFieldSize - 1);
}

}  // namespace

std::unique_ptr<zev::ChannelDatabase> MakeDatabase(int satellites, int transponders, int tv,
                                                   int radio, uint16_t capacity) {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::UpdateFlashLayout(db->header, 2, 1);
    zev::DatabaseHeader& h = db->header;
    h.ChannelCapacity = capacity;
    h.SatCount = static_cast<uint8_t>(satellites);
    h.TpCount = static_cast<uint16_t>(transponders);
    h.TvCount = static_cast<uint16_t>(tv);
    h.RadioCount = static_cast<uint16_t>(radio);
    for (int s = 0; s < satellites; ++s) {
        SetName(db->satellites[static_cast<std::size_t>(s)].Name, "SAT" + std::to_string(s + 1));
    }
    for (int t = 0; t < transponders; ++t) {
        zev::TransponderEntry& tp = db->transponders[static_cast<std::size_t>(t)];
        tp.Sat = static_cast<uint8_t>(satellites > 0 ? t % satellites + 1 : 0);
        tp.Frequency = static_cast<uint16_t>(10000 + t);
        tp.Polarization = static_cast<uint8_t>(t % 2);
        tp.Symbol = 27500;
        tp.TransID = static_cast<uint16_t>(1000 + t);
    }
    const auto fill = [&](zev::ChannelEntry& c, int row, bool isRadio) {
        SetName(c.Name, (isRadio ? "Radio " : "TV ") + std::to_string(row + 1));
        c.RadioFlag = isRadio ? 1 : 0;
        c.TpNumber = static_cast<uint16_t>(transponders > 0 ? row % transponders + 1 : 1);
        c.VPID = static_cast<uint16_t>(256 + row);
        c.APID = static_cast<uint16_t>(257 + row);
        c.ServiceID = static_cast<uint16_t>((isRadio ? 1000 : 0) + row);
        c.NetworkID = 1;
        c.TpFlagB = 1;  // a carried bit
    };
    for (int r = 0; r < tv; ++r) fill(db->Tv(static_cast<std::size_t>(r)), r, false);
    for (int r = 0; r < radio; ++r) fill(db->Radio(static_cast<std::size_t>(r)), r, true);
    return db;
}

void ListViewFixture::Show(std::unique_ptr<zev::ChannelDatabase> database, bool tvList) {
    view_.reset();
    db_ = std::move(database);
    view_ = std::make_unique<CZuzeListViewView>(*db_, false, prompts_);
    view_->SetRecordDialogs(&records_);
    view_->SetChangeSink(&sink_);
    view_->resize(1000, 700);
    view_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    view_->Refill(tvList, false);
}

QPoint ListViewFixture::RowPoint(int row) const {
    return QPoint(20, view_->RowRect(row).center().y());
}

void ListViewFixture::ClickRow(int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(view_->viewport(), Qt::LeftButton, modifiers, RowPoint(row));
}

void ListViewFixture::SelectRows(const std::vector<int>& rows) {
    view_->clearSelection();
    for (int row : rows) view_->SetRowSelected(row, true);
}

std::vector<int> ListViewFixture::SelectedRows() const {
    std::vector<int> rows;
    for (std::size_t row : view_->SelectedRows()) rows.push_back(static_cast<int>(row));
    return rows;
}

std::vector<int> ListViewFixture::ShownIds() const {
    std::vector<int> ids;
    for (int r = 0; r < view_->RowCount(); ++r) ids.push_back(view_->CellText(r, 12).toInt());
    return ids;
}

std::vector<int> ListViewFixture::SlotIds(bool tv) const {
    std::vector<int> ids;
    const std::size_t count = tv ? db_->header.TvCount : db_->header.RadioCount;
    for (std::size_t r = 0; r < count; ++r) {
        ids.push_back(tv ? db_->Tv(r).ServiceID : db_->Radio(r).ServiceID);
    }
    return ids;
}

QStringList ListViewFixture::Messages() const {
    QStringList texts;
    for (const AskedMessage& m : prompts_.messages) texts << m.text;
    return texts;
}

QLineEdit* ListViewFixture::Box(QDialog& dialog, int id) {
    return dialog.findChild<QLineEdit*>(QString::number(id));
}

std::function<int(QDialog&)> ListViewFixture::FillAndAccept(const QString& name, int serviceId) {
    return [name, serviceId](QDialog& dialog) {
        Box(dialog, CChannelEditDlg::kName)->setText(name);
        if (serviceId >= 0) {
            Box(dialog, CChannelEditDlg::kServiceId)->setText(QString::number(serviceId));
        }
        dialog.accept();
        return dialog.result();
    };
}

std::function<int(QDialog&)> ListViewFixture::Cancel() {
    return [](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    };
}

}  // namespace lists_test
