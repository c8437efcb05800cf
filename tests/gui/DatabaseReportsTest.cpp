// Data "Check Database" and "Compare with File...", File "Export List...", and the check that
// Save and Send Setting to Box run first, end to end in the program.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>
#include <set>
#include <span>

#include "GuiFixture.h"
#include "app/CCheckReportDlg.h"
#include "app/CCompareDlg.h"
#include "app/CDatabaseCommands.h"
#include "app/CheckReportModel.h"
#include "app/CommandTable.h"
#include "app/DiffTreeModel.h"
#include "app/PaletteTint.h"
#include "app/StatusPanes.h"
#include "editing/SampleDatabase.h"
#include "formats/CsvExport.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"
#include "support/SpecialFiles.h"

namespace {

using zev::testing::Channel;
using zev::testing::SampleDatabase;

// The sample with trouble: TV channel 7 repeats TV channel 2 and TV channel 8 repeats TV
// channel 4; radio channel 3 repeats radio channel 1; TV channel 6 is on a transponder that
// does not exist (the one error).
std::unique_ptr<zev::ChannelDatabase> TroubledDatabase() {
    auto db = SampleDatabase();
    db->Tv(5).TpNumber = 9;
    db->Tv(6) = db->Tv(1);
    db->Tv(7) = db->Tv(3);
    db->header.TvCount = 8;
    db->Radio(2) = db->Radio(0);
    db->header.RadioCount = 3;
    return db;
}

class DatabaseReportsTest : public GuiFixture {
  protected:
    void Open(const QString& name, const QByteArray& image) {
        WriteFile(Path(name), image);
        prompts_.fileNames = {Path(name)};
        Frame().Execute(cmd::FileOpen);
        prompts_.messages.clear();
    }
    CCheckReportDlg& Report() {
        CCheckReportDlg* report = Frame().DatabaseCommands().Report();
        EXPECT_NE(report, nullptr);
        return *report;
    }
    int FindingRow(const QString& record) {
        CheckReportModel& model = Report().Model();
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.index(row, CheckReportModel::RecordColumn).data().toString() == record) {
                return row;
            }
        }
        return -1;
    }
    std::vector<std::size_t> SelectedRows() { return Frame().ListView()->SelectedRows(); }
    zev::ChannelDatabase& Db() { return app_->Database(); }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const AskedMessage& m : prompts_.messages) texts << m.text;
        return texts;
    }
};

TEST_F(DatabaseReportsTest, CheckReportListsErrorsFirstAndPointsTheListAtAChannel) {
    StartApp();
    Open("box.stc", ImageOf(*TroubledDatabase()));
    Frame().Execute(cmd::EditText);  // a finding brings the list back
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));

    Frame().Execute(cmd::CheckDatabase);
    CCheckReportDlg& report = Report();
    EXPECT_TRUE(report.isVisible());
    EXPECT_FALSE(report.isModal());
    // Beside the window, or at least never over its status bar.
    const QStatusBar* bar = Frame().statusBar();
    EXPECT_FALSE(
        report.frameGeometry().intersects(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())));
    EXPECT_TRUE(report.Summary().text().contains("1 error, 3 warnings"));
    EXPECT_TRUE(report.Summary().text().contains("the user block (.stc)"));
    const CheckReportModel& model = report.Model();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.index(0, CheckReportModel::SeverityColumn).data().toString(), "Error");
    EXPECT_EQ(model.index(0, CheckReportModel::RecordColumn).data().toString(), "TV channel 6");
    EXPECT_FALSE(model.index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_NE(model.index(0, 0).data(Qt::ForegroundRole),
              model.index(1, 0).data(Qt::ForegroundRole));
    EXPECT_EQ(model.index(3, CheckReportModel::SeverityColumn).data().toString(), "Warning");

    report.ChooseFinding(FindingRow("Radio channel 3"));
    EXPECT_TRUE(Frame().View().ListShown());
    EXPECT_FALSE(Frame().View().TvListShown());
    EXPECT_EQ(SelectedRows(), std::vector<std::size_t>{2});
    EXPECT_EQ(Frame().ListView()->FocusedRow(), 2);

    report.ChooseFinding(FindingRow("TV channel 6"));
    EXPECT_TRUE(Frame().View().TvListShown());
    EXPECT_EQ(SelectedRows(), std::vector<std::size_t>{5});

    // Enter on a line does what a double click does.
    report.Findings().setCurrentIndex(model.index(FindingRow("TV channel 8"), 0));
    emit report.Findings().activated(report.Findings().currentIndex());
    EXPECT_EQ(SelectedRows(), std::vector<std::size_t>{7});
    EXPECT_TRUE(report.isVisible());
}

TEST_F(DatabaseReportsTest, SelectDuplicatesKeepsTheFirstOfEachSoDeleteRemovesOnlyCopies) {
    StartApp();
    auto db = TroubledDatabase();
    db->Tv(5).TpNumber = 3;  // no error this time
    Open("box.stc", ImageOf(*db));
    Frame().Execute(cmd::RadioChannelList);  // from the TV list the open showed
    Frame().Execute(cmd::CheckDatabase);
    EXPECT_TRUE(Report().SelectDuplicatesButton().isEnabled());

    // The radio list is shown and has a duplicate: that one first.
    Report().ChooseDuplicates();
    EXPECT_FALSE(Frame().View().TvListShown());
    EXPECT_EQ(SelectedRows(), std::vector<std::size_t>{2});
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
              "1 duplicate radio channel selected; the TV list has 2 more.");
    Frame().ListView()->OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(Db().header.RadioCount, 2);
    EXPECT_EQ(Db().Radio(0).ServiceID, 7);  // the first of the pair stays

    // The report notices the change before it acts: the first request only checks again.
    Report().ChooseDuplicates();
    EXPECT_FALSE(Frame().View().TvListShown());
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_EQ(Report().Model().rowCount(), 2);
    // A filter that hides the copies is cleared, so the rows selected are the copies.
    Frame().ListView()->SetFilterText("no such channel");
    Report().ChooseDuplicates();
    EXPECT_TRUE(Frame().View().TvListShown());
    EXPECT_FALSE(Frame().ListView()->Filtered());
    EXPECT_EQ(SelectedRows(), (std::vector<std::size_t>{6, 7}));
    Frame().ListView()->OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_EQ(Db().header.TvCount, 6);

    Frame().Execute(cmd::CheckDatabase);
    EXPECT_EQ(Report().Model().rowCount(), 0);
    EXPECT_FALSE(Report().SelectDuplicatesButton().isEnabled());
    EXPECT_TRUE(Report().Summary().text().contains("No problems found."));
}

TEST_F(DatabaseReportsTest, AStaleReportChecksAgainInsteadOfSelectingAnotherChannel) {
    StartApp();
    Open("box.stc", ImageOf(*TroubledDatabase()));
    Frame().Execute(cmd::CheckDatabase);
    const int radioDuplicate = FindingRow("Radio channel 3");

    EXPECT_FALSE(Report().OutOfDate());
    EXPECT_EQ(Report().windowTitle(), "Check Database");

    // Another image takes the place of the checked one: the report says it is out of date.
    Open("other.stc", ImageOf(*SampleDatabase()));
    EXPECT_TRUE(Report().OutOfDate());
    EXPECT_EQ(Report().windowTitle(), "Check Database (out of date)");
    EXPECT_TRUE(Report().Summary().text().startsWith("<b>Out of date:</b>"));
    Frame().ListView()->SelectRows(std::vector<std::size_t>{0});
    Report().ChooseFinding(radioDuplicate);
    EXPECT_TRUE(Frame().View().TvListShown());
    EXPECT_EQ(SelectedRows(), std::vector<std::size_t>{0});
    EXPECT_EQ(Report().Model().rowCount(), 0);
    EXPECT_FALSE(Report().OutOfDate());

    // An edit puts it out of date, its undo back as checked; Check Again makes it current.
    Frame().ListView()->OnPopupCommand(CZuzeListViewView::kDeleteChannel);
    EXPECT_TRUE(Report().OutOfDate());
    Frame().Execute(cmd::EditUndo);
    EXPECT_FALSE(Report().OutOfDate());
    Frame().Execute(cmd::EditRedo);
    EXPECT_TRUE(Report().OutOfDate());
    Report().CheckAgainButton().click();
    EXPECT_FALSE(Report().OutOfDate());
    EXPECT_EQ(Report().windowTitle(), "Check Database");
}

TEST_F(DatabaseReportsTest, SaveAsksAboutErrorsBeforeTouchingTheFileAndWarningsDoNotAsk) {
    StartApp();
    Open("box.stc", ImageOf(*TroubledDatabase()));
    const QByteArray old("an older file that must survive a No");
    WriteFile(Path("kept.stc"), old);

    prompts_.fileNames = {Path("kept.stc")};
    prompts_.answers = {zev::MsgAnswer::No};
    Frame().Execute(cmd::FileSaveAs);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    const AskedMessage& question = prompts_.messages[0];
    EXPECT_EQ(question.caption, "Check Database");
    EXPECT_EQ(question.buttons, zev::MsgButtons::YesNo);
    EXPECT_TRUE(
        question.text.startsWith("The channel list has 1 error that the box would "
                                 "misread:\n\nTV channel 6 \"RAI 2\" is on transponder 9"))
        << question.text.toStdString();
    EXPECT_TRUE(question.text.endsWith("\n\nSave it anyway?"));
    EXPECT_EQ(ReadFile(Path("kept.stc")), old);

    prompts_.fileNames = {Path("kept.stc")};
    prompts_.answers = {zev::MsgAnswer::Yes};
    Frame().Execute(cmd::FileSaveAs);
    EXPECT_EQ(ReadFile(Path("kept.stc")), ImageOf(Db()));

    // Save without a dialog asks too; with the error mended only warnings are left.
    prompts_.messages.clear();
    prompts_.answers = {zev::MsgAnswer::No};
    Frame().Execute(cmd::FileSave);
    EXPECT_EQ(prompts_.messages.size(), 1u);
    Db().Tv(5).TpNumber = 4;
    prompts_.messages.clear();
    Frame().Execute(cmd::FileSave);
    EXPECT_TRUE(prompts_.messages.empty()) << MessageTexts().join('|').toStdString();
    EXPECT_EQ(ReadFile(Path("kept.stc")), ImageOf(Db()));
}

TEST_F(DatabaseReportsTest, SendAsksAboutErrorsAfterTheDefaultChannelsQuestion) {
    StartApp();
    auto db = TroubledDatabase();
    for (std::size_t row = 0; row < 9; ++row) db->Tv(row).TpNumber = 9;  // nine errors
    db->header.TvCount = 9;
    Open("box.stc", ImageOf(*db));

    prompts_.answers = {zev::MsgAnswer::No, zev::MsgAnswer::No};
    Frame().Execute(cmd::SendSettingToBox);
    ASSERT_EQ(prompts_.messages.size(), 2u) << MessageTexts().join('|').toStdString();
    EXPECT_EQ(prompts_.messages[0].text, "Modify Default Channels the same?");
    const QString question = prompts_.messages[1].text;
    EXPECT_TRUE(question.startsWith("The channel list has 9 errors that the box would misread:"));
    EXPECT_EQ(question.count("\nTV channel "), 3);  // the first few
    EXPECT_TRUE(question.contains("(and 6 more; Data \"Check Database\" lists them all)"));
    EXPECT_TRUE(question.endsWith("\n\nSend it anyway?"));
    // Nothing was sent: the list is still shown and the terminal has no banner.
    EXPECT_TRUE(Frame().View().ListShown());
    EXPECT_FALSE(View().toPlainText().contains("Wait for starting send data to box"));
}

TEST_F(DatabaseReportsTest, CompareShowsTheFileAgainstTheListWithoutTouchingTheList) {
    StartApp();
    auto db = SampleDatabase();
    Open("box.stc", ImageOf(*db));
    db->Tv(1).APID = 999;                                                     // changed
    for (std::size_t row = 0; row < 5; ++row) db->Tv(row) = db->Tv(row + 1);  // removed
    db->Tv(5) = Channel("NEW", 4, 40, false);                                 // added
    std::swap(db->Radio(0), db->Radio(1));                                    // moved
    WriteFile(Path("other.stc"), ImageOf(*db));
    const QByteArray memory = ImageOf(Db());

    // What the window shows, in the direction it shows first and once swapped.
    QString summary;
    QString swappedSummary;
    QStringList groups;
    const auto recordsOf = [](const DiffTreeModel& model, QStringList* groups) {
        QStringList rows;
        for (int g = 0; g < model.rowCount(); ++g) {
            const QModelIndex group = model.index(g, 0);
            if (groups != nullptr) *groups << group.data().toString();
            for (int r = 0; r < model.rowCount(group); ++r) {
                QStringList cells;
                for (int c = 0; c < DiffTreeModel::ColumnCount; ++c) {
                    cells << model.index(r, c, group).data().toString();
                }
                rows << cells.join(" | ");
            }
        }
        return rows.join('\n').toStdString();
    };
    std::string shown;
    std::string swapped;
    prompts_.dialogScripts.push_back([&](QDialog& dialog) {
        auto& compare = dynamic_cast<CCompareDlg&>(dialog);
        summary = compare.Summary().text();
        shown = recordsOf(compare.Model(), &groups);
        EXPECT_TRUE(compare.Differences().isExpanded(compare.Model().index(0, 0)));
        compare.SwapButton().click();
        EXPECT_FALSE(compare.FileToList());
        swappedSummary = compare.Summary().text();
        swapped = recordsOf(compare.Model(), nullptr);
        EXPECT_TRUE(compare.Differences().isExpanded(compare.Model().index(0, 0)));
        dialog.reject();
        return dialog.result();
    });
    prompts_.fileNames = {Path("other.stc")};
    Frame().Execute(cmd::CompareWithFile);

    EXPECT_EQ(prompts_.fileDialogTitles.back(), "Compare with File");
    EXPECT_EQ(prompts_.dialogTitles, QStringList{"Compare with File"});
    // First what changed in the list since the file: "NEW" is only in the file, so the list
    // has lost it.
    EXPECT_TRUE(summary.startsWith("What changed in the channel list since other.stc"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains("1 added, 1 removed, 1 moved, 1 changed"))
        << summary.toStdString();
    EXPECT_EQ(groups, (QStringList{"TV channels: 1 added, 1 removed, 1 changed",
                                   "Radio channels: 1 moved"}));
    EXPECT_EQ(shown,
              "TV channel 1 \"Das Erste\" | added | \n"
              "TV channel 2 \"ZDF\" | changed | was 1; APID 999 \u2192 202\n"
              "TV channel 6 \"NEW\" | removed | \n"
              "Radio channel 2 \"Radio 2\" | moved | was 1");
    // Swapped: from the list to the file.
    EXPECT_TRUE(swappedSummary.startsWith("From the channel list in the program to other.stc"))
        << swappedSummary.toStdString();
    EXPECT_EQ(swapped,
              "TV channel 1 \"Das Erste\" | removed | \n"
              "TV channel 1 \"ZDF\" | changed | was 2; APID 202 \u2192 999\n"
              "TV channel 6 \"NEW\" | added | \n"
              "Radio channel 2 \"Radio 1\" | moved | was 1");
    EXPECT_EQ(ImageOf(Db()), memory);
    EXPECT_TRUE(prompts_.messages.empty());
}

// The colours of the Compare and Check windows come from the palette: with a light and with a
// dark one, every coloured text keeps a contrast of 4.5:1 to what it is drawn on, and the kinds
// of change still look different.
TEST_F(DatabaseReportsTest, CompareAndCheckColoursStayReadableInLightAndDarkPalettes) {
    StartApp();
    auto db = TroubledDatabase();
    Open("box.stc", ImageOf(*db));
    db->Tv(1).APID = 999;                   // changed
    db->header.TvCount = 7;                 // one removed
    std::swap(db->Radio(0), db->Radio(1));  // moved
    WriteFile(Path("other.stc"), ImageOf(*db));

    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::AlternateBase, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Text, QColor(0xE8, 0xE8, 0xE8));
    for (const QPalette& palette : {light, dark}) {
        QApplication::setPalette(palette);
        const QColor base = palette.color(QPalette::Base);
        std::set<QRgb> looks;
        prompts_.dialogScripts.push_back([&](QDialog& dialog) {
            const DiffTreeModel& model = dynamic_cast<CCompareDlg&>(dialog).Model();
            for (int g = 0; g < model.rowCount(); ++g) {
                const QModelIndex group = model.index(g, 0);
                for (int r = 0; r < model.rowCount(group); ++r) {
                    const QModelIndex cell = model.index(r, DiffTreeModel::ChangeColumn, group);
                    const QColor text = cell.data(Qt::ForegroundRole).value<QColor>();
                    const QColor under = cell.data(Qt::BackgroundRole).value<QColor>();
                    EXPECT_GE(ContrastRatio(text, under), 4.5)
                        << cell.data().toString().toStdString();
                    EXPECT_LT(ContrastRatio(under, base), 1.5);  // a tint of the palette's base
                    looks.insert(text.rgb());
                }
            }
            return static_cast<int>(QDialog::Rejected);
        });
        prompts_.fileNames = {Path("other.stc")};
        Frame().Execute(cmd::CompareWithFile);
        EXPECT_EQ(looks.size(), 3u);  // removed, changed, moved

        Frame().Execute(cmd::CheckDatabase);
        const CheckReportModel& findings = Report().Model();
        for (int row = 0; row < findings.rowCount(); ++row) {
            const QColor text = findings.index(row, CheckReportModel::SeverityColumn)
                                    .data(Qt::ForegroundRole)
                                    .value<QColor>();
            EXPECT_GE(ContrastRatio(text, base), 4.5);
            EXPECT_GE(ContrastRatio(text, palette.color(QPalette::AlternateBase)), 4.5);
        }
    }
    QApplication::setPalette(light);
}

TEST_F(DatabaseReportsTest, CompareSaysEqualAndRefusesFilesItCannotRead) {
    StartApp();
    auto db = SampleDatabase();
    Open("box.stc", ImageOf(*db));
    // The default-channel block of the same channels: its Magic differs, its channels do not.
    WriteFile(Path("same.def"), ImageOf(*db, zev::ImageKind::Default));
    WriteFile(Path("junk.stc"), QByteArray(64, '\xFF'));
    WriteFile(Path("notes.txt"), "text");

    QString summary;
    bool treeShown = true;
    prompts_.dialogScripts.push_back([&](QDialog& dialog) {
        auto& compare = dynamic_cast<CCompareDlg&>(dialog);
        summary = compare.Summary().text();
        treeShown = !compare.Differences().isHidden();
        return static_cast<int>(QDialog::Rejected);
    });
    prompts_.fileNames = {Path("same.def")};
    Frame().Execute(cmd::CompareWithFile);
    EXPECT_TRUE(summary.startsWith("<b>Equal:</b> same.def")) << summary.toStdString();
    EXPECT_FALSE(treeShown);

    // A pipe would hold the program until something wrote to it: it is refused unread.
    zev::testing::FeedingPipe pipe(Path("pipe.stc").toStdString(), ImageOf(*db).toStdString());
    ASSERT_TRUE(pipe.Made());
    for (const QString name : {"junk.stc", "notes.txt", "missing.stc", "pipe.stc"}) {
        prompts_.fileNames = {Path(name)};
        Frame().Execute(cmd::CompareWithFile);
    }
    EXPECT_EQ(prompts_.dialogTitles.size(), 1);
    ASSERT_EQ(prompts_.messages.size(), 4u);
    EXPECT_TRUE(prompts_.messages[0].text.startsWith("Can't compare with " + Path("junk.stc")));
    EXPECT_TRUE(prompts_.messages[1].text.startsWith("Only parameter images"));
    EXPECT_TRUE(prompts_.messages[2].text.startsWith("Can't read " + Path("missing.stc")));
    EXPECT_EQ(prompts_.messages[3].text, "Can't read " + Path("pipe.stc") + ".\n\"" +
                                             Path("pipe.stc") + "\" is not a regular file.");
    for (const AskedMessage& m : prompts_.messages) EXPECT_EQ(m.caption, "Warning");
}

TEST_F(DatabaseReportsTest, ExportWritesTheThreeTablesOfZevCliOrNoneOfThem) {
    StartApp();
    Open("box.stc", ImageOf(*SampleDatabase()));
    prompts_.fileNames = {Path("list.csv")};
    Frame().Execute(cmd::ExportList);
    EXPECT_EQ(prompts_.fileDialogTitles.back(), "Export List");
    EXPECT_TRUE(prompts_.messages.empty());
    const zev::CsvTables tables = zev::ExportCsv(Db());
    EXPECT_EQ(ReadFile(Path("list.csv")).toStdString(), tables.channels);
    EXPECT_EQ(ReadFile(Path("list-transponders.csv")).toStdString(), tables.transponders);
    EXPECT_EQ(ReadFile(Path("list-satellites.csv")).toStdString(), tables.satellites);
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
              "Exported to list.csv, list-transponders.csv, list-satellites.csv.");

    // The satellites cannot be written (a folder has their name): no table is replaced.
    WriteFile(Path("old.csv"), "old channels");
    ASSERT_TRUE(QDir(Path(".")).mkdir("old-satellites.csv"));
    prompts_.fileNames = {Path("old.csv")};
    Frame().Execute(cmd::ExportList);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    EXPECT_TRUE(prompts_.messages[0].text.contains("old-satellites.csv"));
    EXPECT_TRUE(prompts_.messages[0].text.endsWith("Nothing was exported."));
    EXPECT_EQ(ReadFile(Path("old.csv")), "old channels");
    EXPECT_FALSE(QFile::exists(Path("old-transponders.csv")));

    // Two tables that are one file (a link), and a read-only table: refused, nothing replaced.
    WriteFile(Path("t.csv"), "old t");
    ASSERT_TRUE(QFile::link(Path("t.csv"), Path("t-satellites.csv")));
    WriteFile(Path("ro-transponders.csv"), "read-only");
    QFile::setPermissions(Path("ro-transponders.csv"), QFile::ReadOwner);
    for (const char* name : {"t.csv", "ro.csv"}) {
        prompts_.messages.clear();
        prompts_.fileNames = {Path(name)};
        Frame().Execute(cmd::ExportList);
        ASSERT_EQ(prompts_.messages.size(), 1u) << name;
        EXPECT_TRUE(prompts_.messages[0].text.endsWith("Nothing was exported.")) << name;
    }
    EXPECT_TRUE(prompts_.messages[0].text.contains("is read-only"));
    EXPECT_EQ(ReadFile(Path("t.csv")), "old t");
    EXPECT_EQ(ReadFile(Path("ro-transponders.csv")), "read-only");
    EXPECT_FALSE(QFile::exists(Path("ro.csv")));
}

}  // namespace
