// Open, Save and Save As end to end, with scripted file dialogs.
#include <QFile>
#include <QStringList>
#include <cstring>

#include "GuiFixture.h"
#include "app/CommandIds.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"

namespace {

// A user-block image of the 8M bits / 2 sectors layout with one satellite, transponder and
// TV channel.
QByteArray SampleImage() {
    auto db = std::make_unique<zev::ChannelDatabase>();
    zev::UpdateFlashLayout(db->header, 2, 2);
    db->header.MarkerA = 0xFA;
    db->header.MarkerB = 0xFC;
    db->header.MarkerC = 0xFE;
    db->header.SatCount = 1;
    std::strcpy(db->satellites[0].Name.data(), "ASTRA");
    db->header.TpCount = 1;
    db->transponders[0].Sat = 1;
    db->transponders[0].Frequency = 11836;
    db->header.TvCount = 1;
    std::strcpy(db->channels[0].Name.data(), "Das Erste");
    db->channels[0].TpNumber = 1;
    std::vector<uint8_t> out(zev::kOutputImageSize);
    const zev::ImageResult packed = zev::PackImage(*db, zev::ImageKind::User, out);
    EXPECT_TRUE(packed.ok) << packed.error;
    return QByteArray(reinterpret_cast<const char*>(out.data()),
                      static_cast<qsizetype>(db->header.UserBlockSize));
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
    QString CurrentFile() { return QString::fromStdString(View().DataFile().CurrentFile()); }
    QString LastMessage() {
        return prompts_.messages.empty() ? QString() : prompts_.messages.back().text;
    }
};

TEST_F(FileCommandsTest, OpenedImageShowsTheTvListAndSaveRewritesItInPlace) {
    const QByteArray image = SampleImage();
    const QByteArray tail(100, '\xAB');
    WriteFile(Path("box.stc"), image + tail);
    StartApp();

    OpenFile(Path("box.stc"));
    EXPECT_TRUE(prompts_.fileDialogFilters.at(0).startsWith("cus files (*.cus)"));
    EXPECT_EQ(prompts_.fileDialogTitles.at(0), "Open File");
    EXPECT_EQ(Frame().listShown, 1);
    EXPECT_EQ(Frame().tvListShown, 1);
    ASSERT_EQ(Frame().listView->RowCount(), 1);
    EXPECT_EQ(Frame().listView->CellText(0, 1), "Das Erste");
    EXPECT_EQ(Frame().listView->CellText(0, 3), "ASTRA");
    EXPECT_EQ(View().DataFile().OpenFileState(), zev::OpenFile::ImageFile);
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
    EXPECT_TRUE(prompts_.fileDialogFilters.at(0).startsWith("stc files (*.stc)"));
    EXPECT_EQ(Frame().listShown, 1);
    EXPECT_EQ(CurrentFile(), Path("soft.cus"));

    // A .cus name is no image: Save with the list shown writes nothing.
    Frame().Execute(cmd::FileSave);
    EXPECT_EQ(ReadFile(Path("soft.cus")), "software");
    EXPECT_EQ(prompts_.fileDialogTitles.size(), 1);
}

TEST_F(FileCommandsTest, ExtensionsAreCaseSensitive) {
    WriteFile(Path("BOX.STC"), SampleImage());
    StartApp();
    OpenFile(Path("BOX.STC"));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "\n Wrong File: " + Path("BOX.STC"));
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    EXPECT_EQ(CurrentFile(), "*.*");
    EXPECT_EQ(Frame().listShown, 0);
}

TEST_F(FileCommandsTest, RefusedOrMissingImageLeavesTheDatabaseAlone) {
    WriteFile(Path("junk.stc"), QByteArray(100, '\xFF'));
    StartApp();
    const zev::DatabaseHeader before = app_->Database().header;

    OpenFile(Path("junk.stc"));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");
    EXPECT_EQ(app_->Database().header, before);
    EXPECT_EQ(Frame().listShown, 0);
    // The unreadable file is not held, so no later Save can overwrite it.
    EXPECT_EQ(View().DataFile().OpenFileState(), zev::OpenFile::None);
    EXPECT_EQ(CurrentFile(), "*.*");

    OpenFile(Path("missing/none.stc"));
    EXPECT_EQ(LastMessage(), "Creat File Error!");
    EXPECT_EQ(View().DataFile().OpenFileState(), zev::OpenFile::None);
}

TEST_F(FileCommandsTest, ImageSaveNeedsAKnownExtension) {
    StartApp();
    Frame().Execute(cmd::TvChannelList);
    SaveAs(Path("nodot"));
    EXPECT_TRUE(QFile::exists(Path("nodot")));
    EXPECT_EQ(ReadFile(Path("nodot")).size(), 0);
    EXPECT_TRUE(prompts_.messages.empty());

    SaveAs(Path("fresh.stc"));
    EXPECT_TRUE(prompts_.messages.empty()) << LastMessage().toStdString();
    EXPECT_EQ(ReadFile(Path("fresh.stc")).size(),
              static_cast<qsizetype>(app_->Database().header.UserBlockSize));
}

TEST_F(FileCommandsTest, WriteFailuresAreReported) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ASSERT_TRUE(QFile::link("/dev/full", Path("full.stc")));
    ASSERT_TRUE(QFile::link("/dev/full", Path("full.txt")));
    StartApp();

    Frame().Execute(cmd::TvChannelList);
    SaveAs(Path("full.stc"));
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_TRUE(prompts_.messages[0].text.startsWith("Could not write"));
    EXPECT_EQ(prompts_.messages[0].caption, "Warning");

    Frame().Execute(cmd::EditText);
    View().AppendText("\nlog line");
    SaveAs(Path("full.txt"));
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_TRUE(prompts_.messages[1].text.startsWith("Could not write"));
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

    // A name that is not .txt is taken but nothing is written.
    SaveAs(Path("log.dat"));
    EXPECT_FALSE(QFile::exists(Path("log.dat")));
    EXPECT_EQ(CurrentFile(), Path("log.dat"));
}

}  // namespace
