#include "platform/SharedLibrary.h"

#include "platform/Error.h"

#include <dlfcn.h>

namespace platform {

void* librarySymbol(const char* soName, const char* symbol, const QString& what) {
    // dlopen counts its own references: opening a library again hands back the same one.
    void* handle = dlopen(soName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw Error(QStringLiteral("%1: the library %2 cannot be loaded: %3")
                        .arg(what, QString::fromLatin1(soName), QString::fromLocal8Bit(dlerror())));
    void* address = dlsym(handle, symbol);
    if (!address)
        throw Error(QStringLiteral("%1: the library %2 lacks %3")
                        .arg(what, QString::fromLatin1(soName), QString::fromLatin1(symbol)));
    return address;
}

} // namespace platform
