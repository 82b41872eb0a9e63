// The program's own start-up (application object, the seven windows, the event loop),
// ending after the first paint of the main window.
#include "FirstPaint.h"
#include "app/Application.h"
#include "app/Startup.h"

int main(int, char** argv) {
    ledgora::Application app(argv[0]);
    FirstPaint probe(QStringLiteral("Form1"));
    app.installEventFilter(&probe);
    return ledgora::run();
}
