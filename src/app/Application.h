#pragma once
// The application object: its event loop catches an error escaping any handler and shows
// it in the stop-icon box, then goes on.
#include "platform/Guarded.h"

#include <QApplication>

namespace ledgora {

class Application : public QApplication {
    Q_OBJECT
public:
    // The command line is not the program's: Qt is handed only the program's own name.
    explicit Application(const char* programName);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error that escaped a handler, as the event loop does.
    static void showError(const std::exception_ptr& error);

    // The application's title: the program file's name without its extension.
    static constexpr const char* title = "ledgora";
};

} // namespace ledgora
