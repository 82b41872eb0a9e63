#include "app/Application.h"
#include "kit/Style.h"
#include "platform/Error.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"

namespace ledgora {
namespace {
int argcStore = 1;
char* argvStore[2] = {nullptr, nullptr};
} // namespace

Application::Application(const char* programName)
    : QApplication((argvStore[0] = const_cast<char*>(programName), argcStore), argvStore) {
    setApplicationName(QString::fromLatin1(title));
    setQuitOnLastWindowClosed(false); // the main window alone ends the program
    // One look and one set of faces on every desktop.
    setStyle(kit::makeStyle());
    platform::loadApplicationFonts();
    platform::followScreenRatios();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showError(std::current_exception());
        return true;
    }
}

void Application::showError(const std::exception_ptr& error) {
    ledgora::showError(error);
}

} // namespace ledgora
