#pragma once
// System libraries that only some actions need (printing, metafiles) are opened by name when
// first needed, not with the program: start-up does not load them and what they bring along.
#include <QString>

namespace platform {

// The address of `symbol` in the library `soName`, opened once for the rest of the run.
// Throws Error "<what>: ..." naming the library or the symbol when either cannot be found.
void* librarySymbol(const char* soName, const char* symbol, const QString& what);

template <typename Function>
void resolveSymbol(Function& function, const char* soName, const char* symbol, const QString& what) {
    function = reinterpret_cast<Function>(librarySymbol(soName, symbol, what));
}

} // namespace platform
