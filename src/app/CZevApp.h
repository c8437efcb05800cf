// The application object: creates the channel database with its start-up header, the image
// buffers, the document, the view state and the main frame in start-up order, and handles the
// command line.
#pragma once

#include <QStringList>
#include <memory>

namespace zev {
class ChannelDatabase;
struct ImageBuffers;
}  // namespace zev

class BoxSimulator;
class CMainFrame;
class QCommandLineParser;
class CZevDoc;
class RecentFileList;
class UiPrompts;
class ViewState;

class CZevApp {
  public:
    // Sets the program's name and version and the organisation under which the recent-file
    // list is kept; call after the QApplication exists.
    explicit CZevApp(UiPrompts& prompts);
    ~CZevApp();

    // The program's options and its file argument, for main's parser (which also answers
    // --help and --version) and for Start.
    static void DescribeCommandLine(QCommandLineParser& parser);

    // Processes the command line (without the program name): a file name opens that file as
    // terminal text; --open FILE opens it as File Open would (a parameter image shows its
    // channel list); --simulate runs against a simulated receiver. Returns false when
    // start-up cannot continue.
    bool Start(const QStringList& arguments);

    CMainFrame& Frame() { return *frame_; }
    CZevDoc& Doc() { return *doc_; }
    ViewState& View() { return *view_; }
    zev::ChannelDatabase& Database() { return *db_; }

  private:
    bool StartSimulator();

    UiPrompts& prompts_;
    std::unique_ptr<zev::ChannelDatabase> db_;
    std::unique_ptr<zev::ImageBuffers> images_;
    std::unique_ptr<RecentFileList> recent_;
    std::unique_ptr<BoxSimulator> simulator_;
    std::unique_ptr<CZevDoc> doc_;
    std::unique_ptr<ViewState> view_;
    std::unique_ptr<CMainFrame> frame_;
};
