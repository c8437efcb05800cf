#include "app/CZevApp.h"

#include <QCoreApplication>

#include "app/BoxSimulator.h"
#include "app/CMainFrame.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/RecentFileList.h"
#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "ui/UiPrompts.h"

CZevApp::CZevApp(UiPrompts& prompts) : prompts_(prompts) {
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QCoreApplication::setApplicationName("zev");
}

CZevApp::~CZevApp() {
    // The frame and its views go before the document whose link they use.
    frame_.reset();
    doc_.reset();
    if (simulator_) simulator_->Stop();
}

bool CZevApp::Start(const QStringList& arguments) {
    db_ = std::make_unique<zev::ChannelDatabase>();
    images_ = std::make_unique<zev::ImageBuffers>();
    recent_ = std::make_unique<RecentFileList>();
    doc_ = std::make_unique<CZevDoc>(*db_, prompts_);
    frame_ = std::make_unique<CMainFrame>(*doc_, *db_, *images_, prompts_, *recent_);

    QString fileName;
    bool simulate = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--simulate")) {
            simulate = true;
        } else if (fileName.isEmpty()) {
            fileName = argument;
        }
    }
    if (simulate && !StartSimulator()) return false;
    if (!fileName.isEmpty() && !frame_->OpenDocumentFile(fileName)) return false;
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
    QObject::connect(frame_->terminalView, &CZevView::ResetWanted, simulator_.get(),
                     &BoxSimulator::Reset);
    frame_->UpdateCommandUI();
    return true;
}
