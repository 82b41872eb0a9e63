#include "pages/Pages.h"

#include <array>

namespace pages {

kit::Controls buildPage(int index, QWidget* page) {
    using Builder = kit::Controls (*)(QWidget*);
    static constexpr std::array<Builder, pageCount> builders = {
        buildInvoicePage,   buildIssuedDocumentsPage, buildSellersPage, buildBuyersPage,  buildProductsPage,
        buildTransfersPage, buildReportsPage,         buildZusPage,     buildOptionsPage,
    };
    if (index < 0 || index >= pageCount)
        return {};
    return builders[size_t(index)](page);
}

} // namespace pages
