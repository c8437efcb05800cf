// Open, Save and Save As end to end, with scripted file dialogs.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStringList>
#include <cstring>
#include <filesystem>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "app/StatusPanes.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"
#include "support/SpecialFiles.h"

namespace {

// A user-block image of the 8M bits / 2 sectors layout with one transponder and TV channel,
// and `satellites` satellites (the first one named ASTRA).
QByteArray SampleImage(uint16_t satellites = 1) {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::UpdateFlashLayout(db->header, 2, 2);
    db->header.MarkerA = 0xFA;
    db->header.MarkerB = 0xFC;
    db->header.MarkerC = 0xFE;
    db->header.SatCount = satellites;
    std::strcpy(db->satellites[0].Name.data(), "ASTRA");
    db->header.TpCount = 1;
    db->transponders[0].Sat = 1;
    db->transponders[0].Frequency = 11836;
    db->header.TvCount = 1;
    std::strcpy(db->channels[0].Name.data(), "Das Erste");
    db->channels[0].TpNumber = 1;
    return ImageOf(*db);
}

class FileCommandsTest : public GuiFixture {
  protected:
    void OpenFile(const QString& path) {
        prompts_.fileNames = {path};
        Frame().Execute(cmd::FileOpen);
    }
    void SaveAs(const QString& path) {
        prompts_.fileNames = {path};
        Frame().Execute(cmd::FileSaveAs);
    }
    QString CurrentFile() { return QString::fromStdString(Receiver().DataFile().CurrentFile()); }
    QString LastMessage() {
        return prompts_.messages.empty() ? QString() : prompts_.messages.back().text;
    }
};

TEST_F(FileCommandsTest, OpenedImageShowsTheTvListAndSaveRewritesItKeepingItsTail) {
    const QByteArray image = SampleImage();
    const QByteArray tail(100, '\xAB');
    WriteFile(Path("box.stc"), image + tail);
    StartApp();

    OpenFile(Path("box.stc"));
    EXPECT_TRUE(prompts_.fileDialogFilters.at(0).startsWith(
        "All supported files (*.stc *.def *.all *.cus *.sgn *.txt);;cus files (*.cus)"));
    EXPECT_EQ(prompts_.fileDialogTitles.at(0), "Open File");
    EXPECT_TRUE(Frame().View().ListShown());
    EXPECT_TRUE(Frame().View().TvListShown());
    ASSERT_EQ(Frame().ListView()->RowCount(), 1);
    EXPECT_EQ(Frame().ListView()->CellText(0, 1), "Das Erste");
    EXPECT_EQ(Frame().ListView()->CellText(0, 3), "ASTRA");
    EXPECT_EQ(Receiver().DataFile().OpenFileState(), zev::OpenFile::ImageFile);
    EXPECT_EQ(CurrentFile(), Path("box.stc"));

    // Spoil the header on disk; Save writes the packed user block back from the start
    // without asking for a name and leaves the longer file's tail alone.
    {
        QFile file(Path("box.stc"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(72, '\0'));
    }
    Frame().Execute(cmd::FileSave);
    EXPECT_EQ(prompts_.fileDialogTitles.size(), 1);
    EXPECT_TRUE(prompts_.messages.empty()) << LastMessage().toStdString();
    EXPECT_EQ(ReadFile(Path("box.stc")), image + tail);
}

TEST_F(FileCommandsTest, OpenWithAListShownOffersImagesFirstAndKeepsTheList) {
    WriteFile(Path("soft.cus"), "software");
    StartApp();
    Frame().Execute(cmd::TvChannelList);
    OpenFile(Path("soft.cus"));
    EXPECT_TRUE(prompts_.fileDialogFilters.at(0).startsWith(
        "All supported files (*.stc *.def *.all *.cus *.sgn *.txt);;stc files (*.stc)"));
    EXPECT_TRUE(Frame().View().ListShown());
    EXPECT_EQ(CurrentFile(), Path("soft.cus"));

    // The update file is no file of the channel list, which has none yet: Save asks for one.
    Frame().Execute(cmd::FileSave);
    EXPECT_EQ(ReadFile(Path("soft.cus")), "software");
    EXPECT_EQ(prompts_.fileDialogTitles, (QStringList{"Open File", "Save File"}));
}

TEST_F(FileCommandsTest, ExtensionsAreCaseSensitive) {
    WriteFile(Path("BOX.STC"), SampleImage());
    StartApp();
    OpenFile(Path("BOX.STC"));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "\n Wrong File: " + Path("BOX.STC"));
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    EXPECT_EQ(CurrentFile(), "*.*");
    EXPECT_FALSE(Frame().View().ListShown());
}

TEST_F(FileCommandsTest, RefusedOrMissingImageLeavesTheDatabaseAlone) {
    WriteFile(Path("junk.stc"), QByteArray(100, '\xFF'));
    StartApp();
    const zev::DatabaseHeader before = app_->Database().header;

    OpenFile(Path("junk.stc"));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    EXPECT_EQ(app_->Database().header, before);
    EXPECT_FALSE(Frame().View().ListShown());
    // The unreadable file is not held, so no later Save can overwrite it.
    EXPECT_EQ(Receiver().DataFile().OpenFileState(), zev::OpenFile::None);
    EXPECT_EQ(CurrentFile(), "*.*");

    OpenFile(Path("missing/none.stc"));
    EXPECT_EQ(LastMessage(), "Creat File Error!");
    EXPECT_EQ(Receiver().DataFile().OpenFileState(), zev::OpenFile::None);
}

TEST_F(FileCommandsTest, OpenRefusesAnImageNameThatIsNoRegularFile) {
    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero.stc")));
    zev::testing::FeedingPipe pipe(Path("pipe.stc").toStdString(), "not an image");
    ASSERT_TRUE(pipe.Made());
    StartApp();
    for (const QString name : {"zero.stc", "pipe.stc"}) {
        prompts_.messages.clear();
        OpenFile(Path(name));
        ASSERT_EQ(prompts_.messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(LastMessage(), "\"" + Path(name) + "\" is not a regular file.");
        EXPECT_EQ(Receiver().DataFile().OpenFileState(), zev::OpenFile::None);
        EXPECT_FALSE(Frame().View().ListShown());
    }
}

TEST_F(FileCommandsTest, ImageSaveNeedsAKnownExtension) {
    StartApp();
    Frame().Execute(cmd::TvChannelList);
    SaveAs(Path("nodot"));
    EXPECT_TRUE(QFile::exists(Path("nodot")));
    EXPECT_EQ(ReadFile(Path("nodot")).size(), 0);
    EXPECT_TRUE(prompts_.messages.empty());
    // Nothing is written under such a name, so a file that is there keeps what it holds.
    WriteFile(Path("notes.txt"), "notes");
    SaveAs(Path("notes.txt"));
    EXPECT_EQ(ReadFile(Path("notes.txt")), "notes");
    EXPECT_EQ(CurrentFile(), Path("notes.txt"));
    EXPECT_TRUE(prompts_.messages.empty());

    SaveAs(Path("fresh.stc"));
    EXPECT_TRUE(prompts_.messages.empty()) << LastMessage().toStdString();
    EXPECT_EQ(ReadFile(Path("fresh.stc")).size(),
              static_cast<qsizetype>(app_->Database().header.UserBlockSize));
}

TEST_F(FileCommandsTest, RefusedImageLeavesEveryFileAsItWas) {
    // "4M bits" has no layout: every capacity is 0 and no channel list can be packed.
    WriteFile("default.dat", "115200,8,None,COM1,1,None,1,2,");
    WriteFile(Path("old.stc"), "the only copy");
    StartApp();
    Frame().Execute(cmd::TvChannelList);
    // The check finds the layout wrong; saved anyway, packing refuses.
    prompts_.answers.push_back(zev::MsgAnswer::Yes);
    SaveAs(Path("old.stc"));
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(prompts_.messages[0].caption, "Check Database");
    EXPECT_EQ(prompts_.messages[1].caption, "Warning");
    EXPECT_EQ(ReadFile(Path("old.stc")), "the only copy");
    EXPECT_EQ(CurrentFile(), "*.*");  // nothing was saved, so nothing changed
}

TEST_F(FileCommandsTest, ImageThatNoLongerFitsTouchesNeitherTheHeldNorAnotherFile) {
    // 120 satellites fit two sectors (156) but not one (100).
    const QByteArray image = SampleImage(120);
    WriteFile(Path("box.stc"), image);
    WriteFile(Path("other.stc"), "another file");
    StartApp();
    OpenFile(Path("box.stc"));
    Doc().Settings().userSizeIndex = 1;  // as Flash Select with "1 Sector" leaves it
    Doc().UpdateFlashLayout();

    Frame().Execute(cmd::FileSave);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(ReadFile(Path("box.stc")), image);
    SaveAs(Path("other.stc"));
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(ReadFile(Path("other.stc")), "another file");
    // The held file stays held: with a fitting layout again, Save writes it.
    EXPECT_EQ(CurrentFile(), Path("box.stc"));
    Doc().Settings().userSizeIndex = 2;
    Doc().UpdateFlashLayout();
    Frame().Execute(cmd::FileSave);
    EXPECT_EQ(prompts_.messages.size(), 2u);
}

TEST_F(FileCommandsTest, SaveAsThatFailsPartWayLeavesTheOldFileWhole) {
    WriteFile(Path("old.stc"), "old image");
    WriteFile(Path("old.txt"), "old log");
    StartApp();
    for (int i = 0; i < 200; ++i) View().AppendText("\na line the receiver sent");
    Frame().Execute(cmd::TvChannelList);
    {
        // Writes past 4 KB fail, as on a full disk (the image has 128 KB).
        zev::testing::FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Set());
        SaveAs(Path("old.stc"));
        Frame().Execute(cmd::EditText);
        SaveAs(Path("old.txt"));
    }
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_TRUE(prompts_.messages[0].text.startsWith("Cannot write \"" + Path("old.stc")))
        << prompts_.messages[0].text.toStdString();
    EXPECT_TRUE(prompts_.messages[0].text.endsWith("Nothing was saved."));
    EXPECT_TRUE(prompts_.messages[1].text.endsWith("The terminal text was not saved."));
    EXPECT_EQ(ReadFile(Path("old.stc")), "old image");
    EXPECT_EQ(ReadFile(Path("old.txt")), "old log");
    EXPECT_EQ(QDir(Path(".")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"default.dat", "old.stc", "old.txt"}));
}

TEST_F(FileCommandsTest, SaveIntoTheOpenedImageIsWholeOrNothingAndKeepsItsMode) {
    namespace fs = std::filesystem;
    const QByteArray original = SampleImage();
    const QByteArray tail(100, '\xAB');
    WriteFile(Path("box.stc"), original + tail);
    fs::permissions(Path("box.stc").toStdString(),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    StartApp();
    OpenFile(Path("box.stc"));
    ASSERT_EQ(Frame().ListView()->RowCount(), 1);
    app_->Database().channels[0].Name[0] = 'X';  // an edit Save must write
    const QByteArray edited = ImageOf(app_->Database());

    {
        // Writes past 4 KB fail, as on a full disk: the old file stays whole.
        zev::testing::FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Set());
        Frame().Execute(cmd::FileSave);
    }
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_TRUE(LastMessage().startsWith("Cannot write \"" + Path("box.stc")))
        << LastMessage().toStdString();
    EXPECT_TRUE(LastMessage().endsWith("Nothing was saved."));
    EXPECT_EQ(ReadFile(Path("box.stc")), original + tail);

    Frame().Execute(cmd::FileSave);
    EXPECT_EQ(prompts_.messages.size(), 1u) << LastMessage().toStdString();
    EXPECT_EQ(ReadFile(Path("box.stc")), edited + tail);
    EXPECT_EQ(zev::testing::ModeOf(Path("box.stc").toStdString()), 0640u);
    EXPECT_EQ(QDir(Path(".")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"box.stc", "default.dat"}));

    // Something else took the name meanwhile: it is refused, never waited on or written.
    ASSERT_TRUE(QFile::remove(Path("box.stc")));
    zev::testing::FeedingPipe pipe(Path("box.stc").toStdString(), "not an image");
    ASSERT_TRUE(pipe.Made());
    Frame().Execute(cmd::FileSave);
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(LastMessage(),
              "\"" + Path("box.stc") + "\" is not a regular file. Nothing was saved.");
}

TEST_F(FileCommandsTest, SaveAsReplacesOnlyWritableRegularFilesAndKeepsTheirMode) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(QFile::link("/dev/full", Path("full.stc")));
    ASSERT_TRUE(QFile::link("/dev/full", Path("full.txt")));
    WriteFile(Path("locked.stc"), "locked");
    fs::permissions(Path("locked.stc").toStdString(), fs::perms::owner_read);
    WriteFile(Path("group.stc"), "old");
    fs::permissions(Path("group.stc").toStdString(),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    StartApp();

    Frame().Execute(cmd::TvChannelList);
    SaveAs(Path("full.stc"));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text,
              "\"" + Path("full.stc") + "\" is not a regular file. Nothing was saved.");
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    SaveAs(Path("locked.stc"));
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(prompts_.messages[1].text,
              "\"" + Path("locked.stc") + "\" is read-only. Nothing was saved.");
    EXPECT_EQ(ReadFile(Path("locked.stc")), "locked");

    SaveAs(Path("group.stc"));
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(ReadFile(Path("group.stc")).size(),
              static_cast<qsizetype>(app_->Database().header.UserBlockSize));
    EXPECT_EQ(zev::testing::ModeOf(Path("group.stc").toStdString()), 0640u);
    EXPECT_EQ(Receiver().DataFile().OpenFileState(), zev::OpenFile::ImageFile);

    Frame().Execute(cmd::EditText);
    View().AppendText("\nlog line");
    SaveAs(Path("full.txt"));
    ASSERT_EQ(prompts_.messages.size(), 3u);
    EXPECT_EQ(prompts_.messages[2].text, "\"" + Path("full.txt") +
                                             "\" is not a regular file. The terminal text was "
                                             "not saved.");
    EXPECT_TRUE(QFileInfo(Path("full.txt")).isSymLink());
}

TEST_F(FileCommandsTest, ImageSavedAsANewFileIsHeldAndLaterSavedOverItsStart) {
    StartApp();
    Frame().Execute(cmd::TvChannelList);
    SaveAs(Path("fresh.stc"));
    const QByteArray saved = ReadFile(Path("fresh.stc"));
    ASSERT_EQ(saved.size(), static_cast<qsizetype>(app_->Database().header.UserBlockSize));
    EXPECT_EQ(Receiver().DataFile().OpenFileState(), zev::OpenFile::ImageFile);

    // Save writes the held file anew from its start, and a longer file keeps its tail.
    {
        QFile file(Path("fresh.stc"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(72, '\0'));
        file.seek(saved.size());
        file.write("tail");
    }
    Frame().Execute(cmd::FileSave);
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(ReadFile(Path("fresh.stc")), saved + "tail");
}

// Every image kind opens, shows its channels, names the window and is saved as its own kind;
// the status bar says what was opened and saved, and what an edit did.
TEST_F(FileCommandsTest, DefAndAllImagesOpenNameTheWindowAndSaveAsTheirKind) {
    const QByteArray image = SampleImage();
    auto db = std::make_unique<zev::ChannelDatabase>();
    ASSERT_TRUE(zev::UnpackImage(*db, std::span(reinterpret_cast<const uint8_t*>(image.data()),
                                                static_cast<std::size_t>(image.size())))
                    .ok);
    WriteFile(Path("box.def"), ImageOf(*db, zev::ImageKind::Default));
    WriteFile(Path("box.all"), ImageOf(*db, zev::ImageKind::All));
    StartApp();
    for (const auto& [name, kind] : {std::pair{QStringLiteral("box.def"), zev::ImageKind::Default},
                                     std::pair{QStringLiteral("box.all"), zev::ImageKind::All}}) {
        OpenFile(Path(name));
        ASSERT_TRUE(Frame().View().TvListShown()) << name.toStdString();
        ASSERT_EQ(Frame().ListView()->RowCount(), 1);
        EXPECT_EQ(Frame().ListView()->CellText(0, 1), "Das Erste");
        EXPECT_EQ(Frame().windowTitle(), name + " - Management V5.0");
        EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
                  "Opened " + name + ": 1 TV channel and 0 radio channels");

        Frame().ListView()->SelectRowRange(0, 0);
        Frame().ListView()->OnPopupCommand(CZuzeListViewView::kDeleteChannel);
        EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), "Deleted 1 channel");
        EXPECT_EQ(Frame().windowTitle(), name + "* - Management V5.0");
        Frame().Execute(cmd::FileSave);
        EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea), "Saved " + name);
        EXPECT_EQ(ReadFile(Path(name)), ImageOf(app_->Database(), kind));
        EXPECT_EQ(Frame().windowTitle(), name + " - Management V5.0");
    }
    EXPECT_TRUE(prompts_.messages.empty()) << LastMessage().toStdString();
}

// File Open and Save As put their files at the top of the recent files, and an entry opens as
// File Open does. Save As and Export suggest the list's name; Open starts in its folder.
TEST_F(FileCommandsTest, RecentFilesAndTheSuggestedNamesFollowTheListsFile) {
    WriteFile(Path("box.stc"), SampleImage());
    StartApp();
    const auto recentEntries = [this] {
        QStringList entries;
        for (QMenu* menu : Frame().findChildren<QMenu*>()) {
            if (menu->title() != "Recent File") continue;
            for (QAction* entry : menu->actions()) entries << entry->text();
        }
        return entries;
    };
    OpenFile(Path("box.stc"));
    ASSERT_FALSE(recentEntries().isEmpty());
    EXPECT_EQ(recentEntries().first(), "&1 " + Path("box.stc"));

    SaveAs(Path("copy.stc"));
    EXPECT_EQ(prompts_.fileDialogStarts.back(), Path("box.stc"));
    EXPECT_EQ(recentEntries().mid(0, 2),
              (QStringList{"&1 " + Path("copy.stc"), "&2 " + Path("box.stc")}));
    prompts_.fileNames = {QString()};
    Frame().Execute(cmd::ExportList);
    EXPECT_EQ(prompts_.fileDialogStarts.back(), Path("copy.csv"));
    prompts_.fileNames = {QString()};
    Frame().Execute(cmd::FileOpen);
    EXPECT_EQ(prompts_.fileDialogStarts.back(), QFileInfo(Path("copy.stc")).absolutePath());

    // Choosing an entry opens it as File Open does: the image shows its channels.
    Frame().Execute(cmd::EditText);
    for (QAction* action : Frame().findChildren<QAction*>()) {
        if (action->text() == "&2 " + Path("box.stc")) action->trigger();
    }
    EXPECT_TRUE(Frame().View().TvListShown());
    EXPECT_EQ(Frame().windowTitle(), "box.stc - Management V5.0");
    EXPECT_EQ(recentEntries().first(), "&1 " + Path("box.stc"));
}

TEST_F(FileCommandsTest, TerminalLogIsWrittenAsWrappedOnScreen) {
    StartApp();
    Frame().resize(320, 400);
    Frame().show();
    const QString longLine(300, QLatin1Char('x'));
    View().setPlainText("short\n" + longLine);

    SaveAs(Path("log.txt"));
    EXPECT_EQ(prompts_.fileDialogTitles.at(0), "Save File");
    EXPECT_EQ(CurrentFile(), Path("log.txt"));
    const QString saved = QString::fromLatin1(ReadFile(Path("log.txt")));
    ASSERT_TRUE(saved.endsWith("\r\n"));
    QStringList lines = saved.split("\r\n");
    lines.removeLast();
    ASSERT_GT(lines.size(), 2);  // the long line became several
    EXPECT_EQ(lines[0], "short");
    EXPECT_EQ(lines.mid(1).join(QString()), longLine);

    // A name that is not .txt is taken but nothing is written, and the status bar says so.
    SaveAs(Path("log.dat"));
    EXPECT_FALSE(QFile::exists(Path("log.dat")));
    EXPECT_EQ(CurrentFile(), Path("log.dat"));
    EXPECT_EQ(Frame().Panes().Text(StatusPanes::MessageArea),
              "Nothing was saved: the terminal text is saved only as a .txt file, not as "
              "log.dat");
}

}  // namespace
