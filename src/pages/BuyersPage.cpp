// The buyers page: the current buyer's record fields, the list of buyers and the record
// buttons.
#include "pages/ContractorPage.h"
#include "pages/Pages.h"

namespace pages {
namespace {

// Wider than the grid: the last columns lie beyond its right edge.
constexpr kit::Column columns[] = {
    column(contractor::id, 71),      column(contractor::name, 106),    column(contractor::firm, 130),
    column(contractor::street, 163), column(contractor::postcode, 38), column(contractor::town, 81),
    column(contractor::nip, 64),     column(contractor::regon, 64),    column(contractor::bank, 109),
    column(contractor::account, 76), column(contractor::phone, 73),    column(contractor::fax, 73),
    column(contractor::email, 105),
};

// clang-format off
constexpr ContractorFieldRow fields[] = {
    {"Label76", 58, &contractor::id, "DBEdit36", 16, 24, 97},
    {"Label32", 71, &contractor::name, "DBEdit13", 120, 24, 97},
    {"Label36", 25, &contractor::firm, "DBEdit17", 224, 24, 105},
    {"Label39", 24, &contractor::street, "DBEdit20", 336, 24, 97},
    {"Label42", 19, &contractor::postcode, "DBEdit23", 440, 24, 49},
    {"Label33", 61, &contractor::town, "DBEdit14", 496, 24, 97},
    {"Label37", 18, &contractor::nip, "DBEdit18", 16, 72, 97},
    {"Label40", 32, &contractor::regon, "DBEdit21", 120, 72, 97},
    {"Label43", 25, &contractor::bank, "DBEdit24", 224, 72, 105},
    {"Label34", 59, &contractor::account, "DBEdit15", 336, 72, 193},
    {"Label38", 36, &contractor::phone, "DBEdit19", 16, 120, 97},
    {"Label41", 23, &contractor::fax, "DBEdit22", 120, 120, 129},
    {"Label35", 28, &contractor::email, "DBEdit16", 16, 168, 137},
};
// clang-format on

} // namespace

kit::Controls buildBuyersPage(QWidget* page) {
    return buildContractorPage(
        page,
        {.background = "Image5",
         .ellipse = "Shape5",
         .ellipseGeometry = {-472, -400, 1145, 601},
         .ellipseColor = 0x103270,
         .fields = fields,
         .columns = columns,
         .buttons = {"SpeedButton37", "SpeedButton38", "SpeedButton39", "SpeedButton40", "SpeedButton52",
                     "SpeedButton53", "SpeedButton54", "SpeedButton55", "SpeedButton56", "SpeedButton57"},
         .separator = "Image11",
         .grid = "DBGrid3"});
}

} // namespace pages
