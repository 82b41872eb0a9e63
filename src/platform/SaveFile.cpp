#include "platform/SaveFile.h"
#include "platform/Error.h"

#include <QDir>
#include <QSaveFile>

namespace platform {

void saveFile(const QString& fileName, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(fileName);
    auto fail = [&](const QString& reason) {
        file.cancelWriting();
        throw Error(
            QStringLiteral("Cannot write file %1: %2").arg(QDir::toNativeSeparators(fileName), reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    bool written = false;
    try {
        written = write(file);
    } catch (const Error& e) {
        fail(e.message()); // the writer says why
    }
    if (!written)
        fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                  : QStringLiteral("the contents could not be written"));
    if (!file.commit())
        fail(file.errorString());
}

} // namespace platform
