// search.png (the contractor search window) and about.png (the about window), as first shown.
#include "app/Startup.h"
#include "dialogs/Unit13.h"
#include "dialogs/Unit14.h"
#include "tools/snapshot.h"

namespace {

void write(const QString& out) {
    auto windows = ledgora::createWindows();
    windows->Form13->showWindow();
    windows->Form13->grab().save(out + "/search.png");
    windows->Form5->showWindow();
    windows->Form5->grab().save(out + "/about.png");
}

const snapshot::Part part("dialogs", write);

} // namespace
