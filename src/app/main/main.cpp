// ZEV Management: the desktop program.
#include <QApplication>

#include "app/CMainFrame.h"
#include "app/CZevApp.h"
#include "ui/UiPrompts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QtUiPrompts prompts;
    CZevApp app(prompts);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.Start(arguments)) return 1;
    app.Frame().show();
    return QApplication::exec();
}
