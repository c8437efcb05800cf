// Changed channels are not lost silently: leaving, opening another image and loading from the
// box first offer to save them; nothing asks when nothing changed.
#include <QDialog>
#include <QLineEdit>
#include <cstring>

#include "GuiFixture.h"
#include "app/CommandTable.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"
#include "protocols/ReceiverSession.h"

namespace {

const QString kQuestion = QStringLiteral("Save changes to the channel list?");

// The name of the first TV channel in an image file.
QString FirstChannel(const QByteArray& image) {
    auto db = std::make_unique<zev::ChannelDatabase>();
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.constData());
    if (!zev::UnpackImage(*db,
                          std::span<const uint8_t>(bytes, static_cast<std::size_t>(image.size())))
             .ok) {
        return QString();
    }
    return QString::fromLatin1(db->channels[0].Name.data());
}

class UnsavedChannelEdits : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        WriteFile(Path("box.stc"), OneChannelImage("Before"));
        WriteFile(Path("other.stc"), OneChannelImage("Other"));
        StartApp();
        Open(Path("box.stc"));
        prompts_.messages.clear();
    }
    void Open(const QString& path) {
        prompts_.fileNames << path;
        Frame().Execute(cmd::FileOpen);
    }
    void RenameFirstChannel(const QString& name) {
        prompts_.dialogScripts.push_back([name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("1019")->setText(name);
            dialog.accept();
            return dialog.result();
        });
        Frame().ListView()->EditRow(0);
    }
    QStringList Questions() const {
        QStringList texts;
        for (const AskedMessage& m : prompts_.messages) {
            if (m.text == kQuestion) texts << m.caption;
        }
        return texts;
    }
};

TEST_F(UnsavedChannelEdits, NothingAsksWhenNothingChanged) {
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(prompts_.messages.empty());

    RenameFirstChannel("Saved");
    Frame().Execute(cmd::FileSave);
    EXPECT_FALSE(Doc().Changes().Changed());
    EXPECT_TRUE(Frame().close());
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "Saved");
}

TEST_F(UnsavedChannelEdits, LeavingAsksAndYesSavesToTheImageFile) {
    RenameFirstChannel("After");
    EXPECT_EQ(Doc().Changes().LastChange(), "Edit Channel");

    prompts_.answers = {zev::MsgAnswer::Cancel};
    EXPECT_FALSE(Frame().close());
    EXPECT_EQ(Questions(), QStringList{"zev"});
    EXPECT_EQ(prompts_.messages.back().buttons, zev::MsgButtons::YesNoCancel);
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "Before");

    prompts_.answers = {zev::MsgAnswer::Yes};
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "After");
    EXPECT_FALSE(Doc().Changes().Changed());
}

TEST_F(UnsavedChannelEdits, NoLeavesWithoutSaving) {
    RenameFirstChannel("After");
    prompts_.answers = {zev::MsgAnswer::No};
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "Before");
}

// The list keeps its file whatever becomes the current file meanwhile: Yes saves into it.
TEST_F(UnsavedChannelEdits, YesSavesIntoTheListsOwnFileEvenAfterAnUpdateFileWasOpened) {
    RenameFirstChannel("Kept");
    WriteFile(Path("soft.cus"), "software");
    Open(Path("soft.cus"));  // the current file is no image now
    prompts_.answers = {zev::MsgAnswer::Yes};
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(prompts_.fileDialogTitles.size(), 2);  // the two File Opens, no save dialog
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "Kept");
    EXPECT_EQ(ReadFile(Path("soft.cus")), "software");
}

// Channels loaded from the box have no file: Yes asks for one, and a cancelled name or a name
// that takes no image saves nothing, so the program stays.
TEST_F(UnsavedChannelEdits, YesAsksForANameWhenTheListHasNoFile) {
    Receiver().DataFile().SetListFile(std::string());  // as after Load Setting from Box
    RenameFirstChannel("Named");
    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {QString()};  // the name dialog cancelled: stay
    EXPECT_FALSE(Frame().close());

    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {Path("named.txt")};
    EXPECT_FALSE(Frame().close());

    prompts_.answers = {zev::MsgAnswer::Yes};
    prompts_.fileNames = {Path("named.stc")};
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(FirstChannel(ReadFile(Path("named.stc"))), "Named");
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "Before");
}

TEST_F(UnsavedChannelEdits, OpeningAnotherImageAsksFirst) {
    RenameFirstChannel("Edited");
    prompts_.answers = {zev::MsgAnswer::Cancel};
    Open(Path("other.stc"));
    EXPECT_EQ(Questions().size(), 1);
    EXPECT_EQ(Frame().ListView()->CellText(0, 1), "Edited");
    EXPECT_EQ(QString::fromStdString(Receiver().DataFile().CurrentFile()), Path("box.stc"));

    prompts_.answers = {zev::MsgAnswer::No};
    Open(Path("other.stc"));
    EXPECT_EQ(Frame().ListView()->CellText(0, 1), "Other");
    EXPECT_FALSE(Doc().Changes().Changed());
    EXPECT_EQ(FirstChannel(ReadFile(Path("box.stc"))), "Before");
}

TEST_F(UnsavedChannelEdits, LoadingFromTheBoxAsksFirst) {
    RenameFirstChannel("Edited");
    prompts_.answers = {zev::MsgAnswer::Cancel};
    Frame().Execute(cmd::LoadSettingFromBox);
    EXPECT_EQ(Questions().size(), 1);
    EXPECT_TRUE(Frame().View().ListShown());
    EXPECT_EQ(Receiver().Session().Mode(), zev::ProtocolMode::Idle);
    EXPECT_TRUE(Doc().Changes().Changed());
}

}  // namespace
