#include "app/CZevApp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include "ZevVersion.h"
#include "app/BoxSimulator.h"
#include "app/CMainFrame.h"
#include "app/CZevDoc.h"
#include "app/ReceiverController.h"
#include "app/RecentFileList.h"
#include "app/ViewState.h"
#include "database/ChannelDatabase.h"
#include "database/StartupHeader.h"
#include "formats/ParameterImage.h"
#include "ui/AccessibleNames.h"
#include "ui/UiPrompts.h"

namespace {

const char* const kSimulateOption = "simulate";
const char* const kOpenOption = "open";

}  // namespace

CZevApp::CZevApp(UiPrompts& prompts) : prompts_(prompts) {
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QCoreApplication::setApplicationName("zev");
    QCoreApplication::setApplicationVersion(zev::kVersion);
    QGuiApplication::setDesktopFileName(zev::kDesktopId);
    // Every window and dialog names its controls for screen readers as it is shown.
    NameControlsWhenShown(*QCoreApplication::instance());
}

void CZevApp::DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "ZEV Management: edits a satellite receiver's channel database and talks to the "
        "receiver over a serial port.");
    parser.addOption({kSimulateOption,
                      "Run against a simulated receiver (zev-boxsim) instead of the serial port."});
    parser.addOption({kOpenOption,
                      "Open FILE as File Open does: a parameter image (.stc, .def, .all) shows "
                      "its channel list, an update file (.cus, .sgn, .txt) becomes the current "
                      "file.",
                      "FILE"});
    parser.addPositionalArgument("file", "A file to show as terminal text.", "[file]");
}

CZevApp::~CZevApp() {
    // The frame and its views go before the view state and the document whose link they use.
    frame_.reset();
    view_.reset();
    doc_.reset();
    if (simulator_) simulator_->Stop();
}

bool CZevApp::Start(const QStringList& arguments) {
    db_ = std::make_unique<zev::ChannelDatabase>();
    images_ = std::make_unique<zev::ImageBuffers>();
    recent_ = std::make_unique<RecentFileList>();
    doc_ = std::make_unique<CZevDoc>(*db_, prompts_);
    const zev::LinkSettings& settings = doc_->Settings();
    zev::ApplyStartupHeader(db_->header, settings.flashSizeIndex, settings.userSizeIndex);
    // The start-up header is where the history begins.
    doc_->Changes().TakeAsIs();
    view_ = std::make_unique<ViewState>();
    frame_ = std::make_unique<CMainFrame>(*doc_, *view_, *db_, *images_, prompts_, *recent_);

    QCommandLineParser parser;
    DescribeCommandLine(parser);
    if (!parser.parse(QStringList(QCoreApplication::applicationName()) + arguments)) {
        prompts_.Inform(parser.errorText(), "zev");
        return false;
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(kSimulateOption) && !StartSimulator()) return false;
    if (!files.isEmpty() && !frame_->OpenDocumentFile(files.front())) return false;
    if (parser.isSet(kOpenOption)) frame_->Receiver().OpenFile(parser.value(kOpenOption));
    return true;
}

bool CZevApp::StartSimulator() {
    simulator_ = std::make_unique<BoxSimulator>();
    QString error;
    const QString port = simulator_->Start(&error);
    if (port.isEmpty()) {
        prompts_.Inform(error, "zev");
        return false;
    }
    doc_->SetPortOverride(port.toStdString());
    QObject::connect(&frame_->Receiver(), &ReceiverController::ResetWanted, simulator_.get(),
                     &BoxSimulator::Reset);
    frame_->UpdateCommandUI();
    return true;
}
