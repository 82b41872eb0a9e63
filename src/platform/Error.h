#pragma once
// Errors that a handler raises. The event loop (Application::notify) catches them and
// shows their message in the stop-icon box; a silent abort is caught and shows nothing.
#include <QString>
#include <stdexcept>

namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString())
        , message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Ends a handler without a message.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

// The message as the error box shows it: a full stop is appended when the code of the
// last character is greater than that of ".".
QString withFullStop(const QString& message);

} // namespace platform
