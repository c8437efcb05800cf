// A whole desktop program per test, in a fresh working directory, answering through
// scripted prompts.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "ScriptedPrompts.h"
#include "app/CMainFrame.h"
#include "app/CZevApp.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/ReceiverController.h"
#include "app/ViewState.h"
#include "formats/ParameterImage.h"

class GuiFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program (after the test may have written default.dat).
    void StartApp();

    QString Path(const QString& name) const { return dir_.filePath(name); }
    static QByteArray ReadFile(const QString& path);
    static void WriteFile(const QString& path, const QByteArray& bytes);

    CMainFrame& Frame() { return app_->Frame(); }
    CZevView& View() { return app_->Frame().Terminal(); }
    ReceiverController& Receiver() { return app_->Frame().Receiver(); }
    CZevDoc& Doc() { return app_->Doc(); }

    ScriptedPrompts prompts_;
    std::unique_ptr<CZevApp> app_;

  private:
    QTemporaryDir dir_;
    QString previousDir_;
};

// The program's catalogue for `locale` (from the build folder, as the program finds it) and
// Qt's own, installed for the scope's life: what a user with that system language sees.
class ProgramLanguageScope {
  public:
    explicit ProgramLanguageScope(const QLocale& locale);
    ~ProgramLanguageScope();
    ProgramLanguageScope(const ProgramLanguageScope&) = delete;
    ProgramLanguageScope& operator=(const ProgramLanguageScope&) = delete;

    bool Found() const { return found_; }

  private:
    bool found_ = false;
};

// `db` packed as an image file of `kind`.
QByteArray ImageOf(const zev::ChannelDatabase& db, zev::ImageKind kind = zev::ImageKind::User);

// A user block of the 8M bits / 2 sectors layout with one satellite, one transponder and one
// TV channel named `channel`.
QByteArray OneChannelImage(const char* channel);

// A pseudo-terminal whose slave stands in for a serial port.
class PseudoTerminal {
  public:
    PseudoTerminal();
    ~PseudoTerminal();
    std::string SlavePath() const { return slavePath_; }
    void Write(const QByteArray& bytes) const;

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
