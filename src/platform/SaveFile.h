#pragma once
// Writing a file the user named: all of it or nothing.
#include <QString>
#include <functional>

class QIODevice;

namespace platform {

// Runs `write` on a temporary file beside `fileName` and puts it in place only once it is
// complete, so that a failure leaves an existing file as it was. `write` returns false when
// it could not write everything, or throws Error with the reason. Throws Error naming the file
// and the reason.
void saveFile(const QString& fileName, const std::function<bool(QIODevice&)>& write);

} // namespace platform
