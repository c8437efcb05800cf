// ZEV Management: the desktop program.
#include <QApplication>
#include <QCommandLineParser>

#include "app/CMainFrame.h"
#include "app/CZevApp.h"
#include "app/ProgramLanguage.h"
#include "ui/UiPrompts.h"

namespace {

// --help and --version only print, so they need no display; without one Qt would stop before
// the command line is read.
bool OnlyPrints(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--") break;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (argument == option) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (OnlyPrints(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // Before any window is made, so that every text is in the system's language.
    program_language::Install(application);
    QtUiPrompts prompts;
    CZevApp app(prompts);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    CZevApp::DescribeCommandLine(parser);
    parser.process(application);  // --help, --version and a wrong command line end here

    if (!app.Start(QApplication::arguments().mid(1))) return 1;
    app.Frame().show();
    return QApplication::exec();
}
