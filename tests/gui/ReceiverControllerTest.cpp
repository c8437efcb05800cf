// The receiver controller on its own, without the main window: its terminal is a string.
#include <memory>
#include <sstream>
#include <string>

#include "GuiFixture.h"
#include "app/TerminalSink.h"
#include "database/ChannelDatabase.h"

namespace {

class TextTerminal : public TerminalSink {
  public:
    std::string text;
    void InsertText(const std::string& more) override { text += more; }
    void DeleteLastChar() override {
        if (!text.empty()) text.pop_back();
    }
    void Beep() override {}
    QByteArray LogText() const override { return QByteArray::fromStdString(text); }
};

class ReceiverControllerTest : public GuiFixture {
  protected:
    std::unique_ptr<zev::ChannelDatabase> db_ = std::make_unique<zev::ChannelDatabase>();
    std::unique_ptr<zev::ImageBuffers> images_ = std::make_unique<zev::ImageBuffers>();
    std::unique_ptr<CZevDoc> doc_;
    ViewState view_;
    TextTerminal terminal_;
    std::unique_ptr<ReceiverController> receiver_;

    void SetUp() override {
        GuiFixture::SetUp();
        doc_ = std::make_unique<CZevDoc>(*db_, prompts_);
        receiver_ =
            std::make_unique<ReceiverController>(*doc_, *db_, *images_, prompts_, terminal_, view_);
    }
    void TearDown() override {
        receiver_.reset();
        doc_.reset();
        GuiFixture::TearDown();
    }
};

TEST_F(ReceiverControllerTest, MalformedDataFileLinesGoToTheTerminalAndToStandardOutput) {
    std::ostringstream standardOutput;
    receiver_->SetStandardOutput(standardOutput);
    const std::string satellite = "S:09750,U,0,10600,0,0,0,2,SAT1\n";
    std::string broken = satellite;
    broken[17] = '.';  // a comma column without its comma
    WriteFile(Path("data.txt"), QByteArray::fromStdString(satellite + broken + broken));
    receiver_->DataFile().SetCurrentFile(Path("data.txt").toStdString());
    doc_->Settings().portName = "/nonexistent/zev-port";

    receiver_->OnUpdateParameters();
    EXPECT_EQ(standardOutput.str(), "\n S: 1 line error!\n S: 2 line error!");
    EXPECT_NE(terminal_.text.find("' Open! \n S: 1 line error!\n S: 2 line error!\nCan't open"),
              std::string::npos)
        << terminal_.text;
}

}  // namespace
