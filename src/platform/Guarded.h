#pragma once
// Handlers are run through `guarded`, so that no error unwinds through the toolkit's own
// frames: an error escaping a handler is shown in the error box, as the event loop would.
#include <exception>

namespace ledgora {

// Shows an error that escaped a handler: a platform::Error or std::exception by its message,
// a SilentAbort not at all.
void showError(const std::exception_ptr& error);

template <typename F> void guarded(F&& handler) {
    try {
        handler();
    } catch (...) {
        showError(std::current_exception());
    }
}

} // namespace ledgora
