// The sellers page: the current seller's record fields, the list of sellers and the record
// buttons. A seller's record also carries identity-document fields.
#include "pages/ContractorPage.h"
#include "pages/Pages.h"

namespace pages {
namespace {

// Wider than the grid: the last columns lie beyond its right edge.
constexpr kit::Column columns[] = {
    column(contractor::id, 81),      column(contractor::name, 89),     column(contractor::firm, 118),
    column(contractor::street, 129), column(contractor::postcode, 64), column(contractor::town, 103),
    column(contractor::nip, 64),     column(contractor::regon, 64),    column(contractor::idCard, 64),
    column(contractor::pesel, 64),   column(contractor::issuer, 108),  column(contractor::passport, 71),
    column(contractor::bank, 99),    column(contractor::account, 97),  column(contractor::phone, 73),
    column(contractor::fax, 73),     column(contractor::email, 71),
};

// clang-format off
constexpr ContractorFieldRow fields[] = {
    {"Label75", 58, &contractor::id, "DBEdit35", 16, 24, 97},
    {"Label20", 71, &contractor::name, "DBEdit1", 120, 24, 97},
    {"Label23", 25, &contractor::firm, "DBEdit5", 224, 24, 105},
    {"Label21", 24, &contractor::street, "DBEdit8", 336, 24, 129},
    {"Label22", 19, &contractor::postcode, "DBEdit11", 472, 24, 65},
    {"Label24", 61, &contractor::town, "DBEdit2", 544, 24, 153},
    {"Label25", 18, &contractor::nip, "DBEdit6", 16, 72, 97},
    {"Label26", 32, &contractor::regon, "DBEdit9", 120, 72, 97},
    {"Label66", 52, &contractor::idCard, "DBEdit32", 224, 72, 105},
    {"Label69", 26, &contractor::pesel, "DBEdit34", 336, 72, 89},
    {"Label77", 152, &contractor::issuer, "DBEdit37", 432, 72, 185},
    {"Label67", 41, &contractor::passport, "DBEdit33", 16, 120, 97},
    {"Label27", 25, &contractor::bank, "DBEdit10", 120, 120, 97},
    {"Label28", 59, &contractor::account, "DBEdit3", 224, 120, 105},
    {"Label29", 36, &contractor::phone, "DBEdit7", 336, 120, 89},
    {"Label30", 23, &contractor::fax, "DBEdit4", 432, 120, 89},
    {"Label31", 28, &contractor::email, "DBEdit12", 16, 168, 185},
};
// clang-format on

} // namespace

kit::Controls buildSellersPage(QWidget* page) {
    return buildContractorPage(
        page,
        {.background = "Image4",
         .ellipse = "Shape6",
         .ellipseGeometry = {-471, -400, 1256, 601},
         .ellipseColor = 0x0b3575,
         .fields = fields,
         .columns = columns,
         .buttons = {"SpeedButton31", "SpeedButton33", "SpeedButton34", "SpeedButton35", "SpeedButton18",
                     "SpeedButton22", "SpeedButton45", "SpeedButton49", "SpeedButton50", "SpeedButton51"},
         .separator = "Image17",
         .grid = "DBGrid2"});
}

} // namespace pages
