#pragma once
// ledgora-snapshot OUTDIR: renders every window, page and document for review.
// Each part registers itself with a static Part; parts run in name order.
#include <QString>

namespace snapshot {

struct Part {
    Part(const char* name, void (*write)(const QString& outDir));
};

} // namespace snapshot
