#pragma once
// Message boxes the program shows: event descriptions (no owner, one OK button, no icon)
// and error boxes (stop icon, one OK button, the application's title).
#include <QString>

namespace platform {

enum class BoxIcon { None, Stop };

struct BoxRequest {
    QString title;
    QString text;
    BoxIcon icon = BoxIcon::None;
};

// Where boxes go. The default shows real boxes; tests install a recorder.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const BoxRequest& request) = 0;
};

// Installs a sink (nullptr restores the real boxes). The caller keeps ownership.
void setMessageSink(MessageSink* sink);

// An event description: a box without owner window, returning when the user closes it.
// The box is not modal: the main window stays usable and several boxes may be open.
void messageBox(const QString& text, const QString& title);

// The error box of the event loop: stop icon, OK, titled with the application's name,
// message with the full-stop rule applied.
void errorBox(const QString& message);

} // namespace platform
