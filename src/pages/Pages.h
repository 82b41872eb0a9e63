#pragma once
// The nine notebook pages of the main window, each built from its own layout table.
#include "kit/Layout.h"

namespace pages {

inline constexpr int pageCount = 9;

// Builds the page of notebook index `index` onto `page` (its 784 x 456 client area).
kit::Controls buildPage(int index, QWidget* page);

// One builder per page, each in its own unit.
kit::Controls buildInvoicePage(QWidget* page);
kit::Controls buildIssuedDocumentsPage(QWidget* page);
kit::Controls buildSellersPage(QWidget* page);
kit::Controls buildBuyersPage(QWidget* page);
kit::Controls buildProductsPage(QWidget* page);
kit::Controls buildTransfersPage(QWidget* page);
kit::Controls buildReportsPage(QWidget* page);
kit::Controls buildZusPage(QWidget* page);
kit::Controls buildOptionsPage(QWidget* page);

} // namespace pages
