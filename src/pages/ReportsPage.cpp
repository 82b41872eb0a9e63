#include "pages/Pages.h"

namespace pages {

// The reports page has no background picture box.
kit::Controls buildReportsPage(QWidget* page) {
    return {};
}

} // namespace pages
