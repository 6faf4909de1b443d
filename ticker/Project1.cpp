// The main program: creates the five windows in order and runs the message
// loop until the application is asked to terminate.
#include "AppFonts.h"
#include "Application.h"
#include "ApplicationPaths.h"
#include "ExecutableLock.h"
#include "TDownloadDialog.h"
#include "TEdytorDialog.h"
#include "TForm1.h"
#include "TKonfigDialog.h"
#include "TOprogramieDialog.h"

int main(int argc, char** argv)
{
    Application application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orlenta Vandra"));
    AppFonts::install();
    // Tells the updater that this program file is in use until we end.
    const ExecutableLock inUse(ApplicationPaths::executablePath());

    new TForm1();
    new TKonfigDialog(Form1);
    new TOprogramieDialog(Form1);
    new TDownloadDialog(Form1);
    new TEdytorDialog(Form1);

    Form1->show();
    QApplication::exec();
    // Windows are left to the end of the process, which comes now.
    return 0;
}
