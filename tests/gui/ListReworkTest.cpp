// File "Import List..." and Data "Sort Channels...", "Order Like File..." and "Update
// Transponders from File..." in the whole program: their dialogs answered through the seam,
// each change one undo step that gives back the image byte for byte, files that cannot be used
// refused with a Warning and nothing changed.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "GuiFixture.h"
#include "app/CSortChannelsDlg.h"
#include "app/CUpdateTranspondersDlg.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "database/RecordName.h"
#include "editing/SampleDatabase.h"
#include "exchange/DatabaseJson.h"
#include "formats/CsvExport.h"
#include "lists/CZuzeListViewView.h"

namespace {

using zev::testing::SampleDatabase;

class ListReworkTest : public GuiFixture {
  protected:
    // Opens the sample database (TV: Das Erste, ZDF, RTL, SAT.1, RAI 1, RAI 2 with Service IDs
    // 1 to 6; radio: Radio 1, Radio 2) and returns its image.
    QByteArray OpenSample() {
        const QByteArray image = ImageOf(*SampleDatabase());
        WriteFile(Path("box.stc"), image);
        prompts_.fileNames = {Path("box.stc")};
        Frame().Execute(cmd::FileOpen);
        EXPECT_TRUE(prompts_.messages.empty());
        return image;
    }
    zev::ChannelDatabase& Db() { return app_->Database(); }
    QStringList Names(bool tv) {
        QStringList names;
        const std::size_t count = tv ? Db().header.TvCount : Db().header.RadioCount;
        for (std::size_t row = 0; row < count; ++row) {
            names << QString::fromStdString(
                zev::NameBytes((tv ? Db().Tv(row) : Db().Radio(row)).Name));
        }
        return names;
    }
    QString Status() { return Frame().Panes().Text(StatusPanes::MessageArea); }
    QString UndoCaption() { return Frame().Action(cmd::EditUndo)->text(); }
    // Runs Sort Channels, choosing `order`; the sentence the dialog showed for what it sorts.
    QString Sort(zev::ChannelSortOrder order) {
        QString scope = QStringLiteral("(no dialog)");
        prompts_.dialogScripts.push_back([&scope, order](QDialog& shown) {
            auto& dialog = dynamic_cast<CSortChannelsDlg&>(shown);
            scope = dialog.Scope().text();
            dialog.SetOrder(order);
            dialog.accept();
            return dialog.result();
        });
        Frame().Execute(cmd::SortChannels);
        return scope;
    }
    void WriteCsv(const QString& name, const zev::CsvTables& tables) {
        const zev::CsvPaths paths = zev::CsvExportPaths(Path(name).toStdString());
        WriteFile(QString::fromStdString(paths.channels),
                  QByteArray::fromStdString(tables.channels));
        WriteFile(QString::fromStdString(paths.transponders),
                  QByteArray::fromStdString(tables.transponders));
        WriteFile(QString::fromStdString(paths.satellites),
                  QByteArray::fromStdString(tables.satellites));
    }
};

TEST_F(ListReworkTest, SortTakesTheListShownOrOnlyTheSelectedChannelsAmongTheirPlaces) {
    StartApp();
    const QByteArray opened = OpenSample();
    const QString openStep = UndoCaption();
    CZuzeListViewView& list = *Frame().ListView();

    // Two channels selected: they change places with each other only, and stay selected.
    list.SetRowSelected(1, true);
    list.SetRowSelected(4, true);
    EXPECT_EQ(Sort({zev::ChannelSortKey::Name, false}),
              "The 2 selected channels of the TV list are sorted among the places they hold.");
    EXPECT_EQ(Names(true), (QStringList{"Das Erste", "RAI 1", "RTL", "SAT.1", "ZDF", "RAI 2"}));
    EXPECT_EQ(list.SelectedRows(), (std::vector<std::size_t>{1, 4}));
    EXPECT_EQ(UndoCaption(), "&Undo Sort 2 Channels");
    EXPECT_EQ(Status(), "Sorted 2 TV channels by name.");

    // One channel selected sorts the whole list; the dialog offers the last choice first.
    list.clearSelection();
    list.SetRowSelected(0, true);
    prompts_.dialogScripts.push_back([](QDialog& shown) {
        auto& dialog = dynamic_cast<CSortChannelsDlg&>(shown);
        EXPECT_EQ(dialog.Order().key, zev::ChannelSortKey::Name);
        dialog.SetOrder({zev::ChannelSortKey::ServiceId, true});
        dialog.accept();
        return dialog.result();
    });
    Frame().Execute(cmd::SortChannels);
    EXPECT_EQ(Names(true), (QStringList{"RAI 2", "RAI 1", "SAT.1", "RTL", "ZDF", "Das Erste"}));
    EXPECT_EQ(Names(false), (QStringList{"Radio 1", "Radio 2"}));
    EXPECT_EQ(UndoCaption(), "&Undo Sort 6 Channels");

    // Each sort was one step.
    Frame().Execute(cmd::EditUndo);
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(ImageOf(Db()), opened);
    EXPECT_EQ(UndoCaption(), openStep);

    // A list already in that order makes no step; a cancelled dialog changes nothing.
    EXPECT_EQ(Sort({zev::ChannelSortKey::ServiceId, false}),
              "All 6 channels of the TV list are sorted.");
    EXPECT_EQ(Status(), "The 6 channels were in that order already.");
    Frame().Execute(cmd::SortChannels);  // no script: cancelled
    EXPECT_EQ(ImageOf(Db()), opened);
    EXPECT_EQ(UndoCaption(), openStep);

    // A filter: the channels it shows, among their places.
    list.SetFilterText("RAI");
    EXPECT_EQ(Sort({zev::ChannelSortKey::Name, true}),
              "The 2 channels the filter shows are sorted among the places they hold.");
    EXPECT_EQ(Names(true), (QStringList{"Das Erste", "ZDF", "RTL", "SAT.1", "RAI 2", "RAI 1"}));
    // Fewer than two channels shown: nothing to sort, no dialog.
    list.SetFilterText("ZDF");
    EXPECT_EQ(Sort({zev::ChannelSortKey::Name, false}), "(no dialog)");
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].caption, "Information");
}

TEST_F(ListReworkTest, OrderLikeFileTakesTheOrderOfAnImageTheJsonFormOrExportedCsv) {
    StartApp();
    const QByteArray opened = OpenSample();

    // The reference: the lists backwards, without "Das Erste", with a channel the box lacks.
    auto reference = SampleDatabase();
    std::reverse(&reference->Tv(0), &reference->Tv(0) + 6);
    std::swap(reference->Radio(0), reference->Radio(1));
    reference->Tv(5) = zev::testing::Channel("Other", 1, 99, false);
    WriteFile(Path("ref.stc"), ImageOf(*reference));
    WriteFile(Path("ref.json"), QByteArray::fromStdString(zev::DatabaseToJson(*reference)));
    WriteCsv("ref.csv", zev::ExportCsv(*reference));

    for (const QString name : {"ref.stc", "ref.json", "ref.csv"}) {
        SCOPED_TRACE(name.toStdString());
        prompts_.fileNames = {Path(name)};
        Frame().Execute(cmd::OrderLikeFile);
        EXPECT_TRUE(prompts_.messages.empty());
        EXPECT_EQ(Names(true), (QStringList{"RAI 2", "RAI 1", "SAT.1", "RTL", "ZDF", "Das Erste"}));
        EXPECT_EQ(Names(false), (QStringList{"Radio 2", "Radio 1"}));
        EXPECT_EQ(Frame().ListView()->CellText(0, 1), "RAI 2");  // the list shows it
        EXPECT_EQ(Status(), "TV: 5 of 6 channels placed like the reference; radio: 2 of 2");
        EXPECT_EQ(UndoCaption(), "&Undo Order Like " + name);
        Frame().Execute(cmd::EditUndo);
        EXPECT_EQ(ImageOf(Db()), opened);
    }

    // A reference that cannot be read changes nothing and says why.
    zev::CsvTables bad = zev::ExportCsv(*reference);
    bad.channels.replace(bad.channels.find("\r\nTV,"), 5, "\r\nCable,");
    WriteCsv("bad.csv", bad);
    const QString before = UndoCaption();
    for (const QString name : {"bad.csv", "missing.stc", "notes.txt"}) {
        prompts_.fileNames = {Path(name)};
        Frame().Execute(cmd::OrderLikeFile);
    }
    ASSERT_EQ(prompts_.messages.size(), 3u);
    EXPECT_TRUE(
        prompts_.messages[0].text.contains("bad.csv:2:1: List: \"Cable\" is neither TV nor Radio"))
        << prompts_.messages[0].text.toStdString();
    EXPECT_TRUE(prompts_.messages[1].text.startsWith("Can't read " + Path("missing.stc")));
    EXPECT_TRUE(prompts_.messages[2].text.startsWith("Only parameter images"));
    for (const AskedMessage& m : prompts_.messages) {
        EXPECT_EQ(m.caption, "Warning");
        EXPECT_TRUE(m.text.endsWith("The order was not changed."));
    }
    EXPECT_EQ(ImageOf(Db()), opened);
    EXPECT_EQ(UndoCaption(), before);
}

TEST_F(ListReworkTest, ImportListReplacesTheTablesWithThoseOfTheCsvFilesAsOneStep) {
    StartApp();
    const QByteArray opened = OpenSample();
    prompts_.fileNames = {Path("list.csv")};
    Frame().Execute(cmd::ExportList);

    // A spreadsheet renamed one channel and saved the table again with ';' and LF.
    QByteArray channels = ReadFile(Path("list.csv"));
    channels.replace(",ZDF,", ",ZDF neo,").replace(',', ';').replace("\r\n", "\n");
    WriteFile(Path("list.csv"), channels);
    Frame().Execute(cmd::EditText);  // the channels imported are shown
    prompts_.fileNames = {Path("list.csv")};
    Frame().Execute(cmd::ImportList);
    EXPECT_TRUE(prompts_.messages.empty());
    auto renamed = SampleDatabase();
    zev::testing::SetName(renamed->Tv(1).Name, "ZDF neo");
    EXPECT_EQ(ImageOf(Db()), ImageOf(*renamed));
    EXPECT_TRUE(Frame().View().TvListShown());
    EXPECT_EQ(Frame().ListView()->CellText(1, 1), "ZDF neo");
    EXPECT_EQ(Status(),
              "Imported 2 satellites, 4 transponders, 6 TV and 2 radio channels from "
              "list.csv.");
    EXPECT_EQ(UndoCaption(), "&Undo Import list.csv");
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(ImageOf(Db()), opened);

    // The file dialog shows all three files: the satellites' file stands for its set.
    prompts_.fileNames = {Path("list-satellites.csv")};
    Frame().Execute(cmd::ImportList);
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(ImageOf(Db()), ImageOf(*renamed));
    EXPECT_EQ(UndoCaption(), "&Undo Import list.csv");
    Frame().Execute(cmd::EditUndo);

    // A value the image cannot hold, or a file that is missing: nothing is imported.
    QByteArray transponders = ReadFile(Path("list-transponders.csv"));
    WriteFile(Path("list-transponders.csv"),
              QByteArray(transponders).replace(",11778,", ",20000,"));
    prompts_.fileNames = {Path("list.csv")};
    Frame().Execute(cmd::ImportList);
    const QByteArray satellites = ReadFile(Path("list-satellites.csv"));
    QFile::remove(Path("list-satellites.csv"));
    prompts_.fileNames = {Path("list.csv")};
    Frame().Execute(cmd::ImportList);
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_TRUE(prompts_.messages[0].text.contains(
        "list-transponders.csv:2:4: Fre 20000 does not fit the image (0 to 16383)"))
        << prompts_.messages[0].text.toStdString();
    EXPECT_TRUE(prompts_.messages[1].text.startsWith("Can't read " + Path("list-satellites.csv")));
    for (const AskedMessage& m : prompts_.messages) {
        EXPECT_EQ(m.caption, "Warning");
        EXPECT_TRUE(m.text.endsWith("Nothing was imported."));
    }
    EXPECT_EQ(ImageOf(Db()), opened);

    // A German user reads the files' problems in German, at the same places.
    WriteFile(Path("list-satellites.csv"), satellites);
    {
        const ProgramLanguageScope german(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german.Found());
        prompts_.fileNames = {Path("list.csv")};
        Frame().Execute(cmd::ImportList);
    }
    ASSERT_EQ(prompts_.messages.size(), 3u);
    EXPECT_TRUE(prompts_.messages[2].text.contains(
        "list-transponders.csv:2:4: Fre 20000 passt nicht in das Abbild (0 bis 16383)"))
        << prompts_.messages[2].text.toStdString();
    EXPECT_EQ(ImageOf(Db()), opened);
}

TEST_F(ListReworkTest, UpdateTranspondersPreviewsEachSatelliteAndAppliesTheChoicesAsOneStep) {
    StartApp();
    const QByteArray opened = OpenSample();
    // ASTRA: 11778 V moves by 1 MHz, 12188 H stays, 12500 H is new, a circular one is skipped.
    // Two satellites of the file have HOTBIRD in their names: the user picks one.
    WriteFile(Path("sats.xml"), R"(<satellites>
  <sat name="19.2E ASTRA 1KR" flags="0" position="192">
    <transponder frequency="11779000" symbol_rate="27500000" polarization="1"/>
    <transponder frequency="12188000" symbol_rate="27500000" polarization="0"/>
    <transponder frequency="12500000" symbol_rate="22000000" polarization="0"/>
    <transponder frequency="12600000" symbol_rate="22000000" polarization="2"/>
  </sat>
  <sat name="13.0E HOTBIRD 13B" flags="0" position="130">
    <transponder frequency="10971000" symbol_rate="29900000" polarization="0"/>
  </sat>
  <sat name="13.0E HOTBIRD 13C" flags="0" position="130"/>
</satellites>
)");
    prompts_.fileNames = {Path("sats.xml")};
    prompts_.dialogScripts.push_back([](QDialog& shown) {
        auto& dialog = dynamic_cast<CUpdateTranspondersDlg&>(shown);
        const QTableWidget& table = dialog.Table();
        const auto row = [&table](int r) {
            QStringList cells;
            for (int c = CUpdateTranspondersDlg::AddedColumn;
                 c < CUpdateTranspondersDlg::kColumnCount; ++c) {
                cells << table.item(r, c)->text();
            }
            return cells;
        };
        EXPECT_EQ(dialog.Choice(0), std::optional<std::size_t>(0));
        EXPECT_EQ(row(0), (QStringList{"1", "1", "1", "0", "1", ""}));
        EXPECT_EQ(dialog.Choice(1), std::nullopt);
        EXPECT_TRUE(row(1).last().startsWith(
            "Not updated: 2 satellites of the file could be it: \"13.0E HOTBIRD 13B\""))
            << row(1).last().toStdString();

        dialog.SetChoice(1, 1);
        dialog.SetRemoveMissing(true);
        // 10971 H takes the new symbol rate; 11034 V is not in the file but has channels.
        EXPECT_EQ(row(1), (QStringList{"0", "1", "0", "1", "0", "1 kept for its channels"}));
        EXPECT_TRUE(dialog.ApplyButton().isEnabled());
        dialog.accept();
        return dialog.result();
    });
    Frame().Execute(cmd::UpdateTransponders);
    EXPECT_TRUE(prompts_.messages.empty());

    ASSERT_EQ(Db().header.TpCount, 5u);
    EXPECT_EQ(Db().transponders[0].Frequency, 11779);
    EXPECT_EQ(Db().transponders[2].Frequency, 12500);  // after ASTRA's last
    EXPECT_EQ(Db().transponders[2].TransID, 0);
    EXPECT_EQ(Db().transponders[3].Symbol, 29900);
    EXPECT_EQ(Db().Tv(4).TpNumber, 4);  // RAI 1 follows 10971 H to its new number
    EXPECT_EQ(Frame().ListView()->CellText(4, 6), "29900");
    EXPECT_EQ(Status(), "Transponders from sats.xml: 1 added, 2 updated, 1 unchanged, 0 deleted.");
    EXPECT_EQ(UndoCaption(), "&Undo Update Transponders from sats.xml");
    Frame().Execute(cmd::EditUndo);
    EXPECT_EQ(ImageOf(Db()), opened);

    // More transponders than the image takes: Apply is refused. A file that is no transponder
    // XML is named with where it goes wrong.
    QByteArray full = "<satellites><sat name=\"ASTRA\" position=\"192\">";
    for (int i = 0; i < int(Db().header.TpCapacity); ++i) {
        full += "<transponder frequency=\"" + QByteArray::number(3000000 + 5000 * i) +
                "\" symbol_rate=\"1000\" polarization=\"0\"/>";
    }
    WriteFile(Path("full.xml"), full + "</sat></satellites>");
    WriteFile(Path("broken.xml"), "<satellites>\n<sat name=\"A\" position=\"x\"/>\n");
    prompts_.fileNames = {Path("full.xml"), Path("broken.xml")};
    prompts_.dialogScripts.push_back([](QDialog& shown) {
        auto& dialog = dynamic_cast<CUpdateTranspondersDlg&>(shown);
        EXPECT_FALSE(dialog.ApplyButton().isEnabled());
        EXPECT_TRUE(dialog.Summary().text().startsWith("The update would give"))
            << dialog.Summary().text().toStdString();
        dialog.reject();
        return dialog.result();
    });
    Frame().Execute(cmd::UpdateTransponders);
    Frame().Execute(cmd::UpdateTransponders);
    EXPECT_EQ(prompts_.dialogTitles.size(), 2);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_TRUE(prompts_.messages[0].text.startsWith("broken.xml:2:"))
        << prompts_.messages[0].text.toStdString();
    EXPECT_EQ(ImageOf(Db()), opened);
}

}  // namespace
