#pragma once
// What the VAT invoice and the RR invoice have in common: the page, the page header, the goods
// table and the page footer. Each invoice adds its own column headings and totals band.
#include "templates/TemplateData.h"

#include <span>

namespace templates::invoice {

// The sample seller and buyer of both invoices.
inline constexpr const char16_t* sellerLines[] = {
    u"Bartolex S.A.", u"ul. Kwiatów Polskich 123/24",  u"31-629 KRAKÓW",       u"NIP: 345-56-56-342",
    u"Nr rachunku:",  u"34344-45656 Bank Polski S.A.", u"tel. (012) 23 45 67",
};
inline constexpr const char16_t* buyerLines[] = {
    u"Zakład Usługowy WetCoM",
    u"os. Bohaterów Września 45/56",
    u"31-629 Wałbrzych",
    u"NIP: 874-56-67-231",
};

// Page header rows of the VAT invoice.
std::span<const Row> pageHeader();
// The five sample goods rows: thirteen rules and fifty labels.
std::span<const Row> goods();
std::span<const Row> pageFooter();

// Totals band blocks shared by both invoices.
std::span<const Row> vatBox();      // RpShape1
std::span<const Row> remarks();     // RpLabel42, RpShape5
std::span<const Row> amounts();     // "Do zapłaty:" to the rate labels
std::span<const Row> vatBoxRules(); // the box's rules and amounts

// Builds the report: page, options and bands, with the given column headings and totals band.
// `headerChanges` replace the page-header rows of the same name.
void build(report::TReport& report, int headingHeight, std::span<const Row> headings, int totalsHeight,
           std::initializer_list<std::span<const Row>> totals, std::span<const Row> headerChanges = {});

} // namespace templates::invoice
