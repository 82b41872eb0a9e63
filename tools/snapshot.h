#pragma once
// ledgora-snapshot OUTDIR: renders every window, page and document for review.
// Each part registers itself with a static Part; parts run in name order. Parts that are
// looked at on scaled displays as well run again at device pixel ratios 1.5 and 2, each in a
// process of its own that draws as a display of that ratio does, and name their pictures with
// ratioSuffix().
#include <QString>

namespace snapshot {

struct Part {
    enum Ratios { OneOnly, AlsoScaled };
    Part(const char* name, void (*write)(const QString& outDir), Ratios ratios = OneOnly);
};

// "" at ratio 1, "@1.5x" at 1.5, "@2x" at 2: what goes before ".png".
QString ratioSuffix();

} // namespace snapshot
