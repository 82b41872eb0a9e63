// The buyers page: the current buyer's record fields, the list of buyers and the record
// buttons.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

// Wider than the grid: the last columns lie beyond its right edge.
constexpr kit::Column columns[] = {
    column(contractor::id, 71),      column(contractor::name, 106),    column(contractor::firm, 130),
    column(contractor::street, 163), column(contractor::postcode, 38), column(contractor::town, 81),
    column(contractor::nip, 64),     column(contractor::regon, 64),    column(contractor::bank, 109),
    column(contractor::account, 76), column(contractor::phone, 73),    column(contractor::fax, 73),
    column(contractor::email, 105),
};

// clang-format off
const kit::Row back[] = {
    {.name = "Image5", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape5", .kind = Kind::Shape, .geometry = {-472, -400, 1145, 601}, .color = 0x103270},
    fieldLabel("Label76", 16, 8, 58, contractor::id.label),
    fieldLabel("Label32", 120, 8, 71, contractor::name.label),
    fieldLabel("Label36", 224, 8, 25, contractor::firm.label),
    fieldLabel("Label39", 336, 8, 24, contractor::street.label),
    fieldLabel("Label42", 440, 8, 19, contractor::postcode.label),
    fieldLabel("Label33", 496, 8, 61, contractor::town.label),
    fieldLabel("Label37", 16, 56, 18, contractor::nip.label),
    fieldLabel("Label40", 120, 56, 32, contractor::regon.label),
    fieldLabel("Label43", 224, 56, 25, contractor::bank.label),
    fieldLabel("Label34", 336, 56, 59, contractor::account.label),
    fieldLabel("Label38", 16, 104, 36, contractor::phone.label),
    fieldLabel("Label41", 120, 104, 23, contractor::fax.label),
    fieldLabel("Label35", 16, 152, 28, contractor::email.label),
};
// clang-format on

constexpr auto buttons =
    recordButtons({"SpeedButton37", "SpeedButton38", "SpeedButton39", "SpeedButton40", "SpeedButton52",
                   "SpeedButton53", "SpeedButton54", "SpeedButton55", "SpeedButton56", "SpeedButton57"});

const kit::Row front[] = {
    separator("Image11"),
    fieldEdit("DBEdit36", 16, 24, 97, contractor::id.field, "Label76", 0),
    fieldEdit("DBEdit13", 120, 24, 97, contractor::name.field, "Label32", 1),
    fieldEdit("DBEdit17", 224, 24, 105, contractor::firm.field, "Label36", 2),
    fieldEdit("DBEdit20", 336, 24, 97, contractor::street.field, "Label39", 3),
    fieldEdit("DBEdit23", 440, 24, 49, contractor::postcode.field, "Label42", 4),
    fieldEdit("DBEdit14", 496, 24, 97, contractor::town.field, "Label33", 5),
    fieldEdit("DBEdit18", 16, 72, 97, contractor::nip.field, "Label37", 6),
    fieldEdit("DBEdit21", 120, 72, 97, contractor::regon.field, "Label40", 7),
    fieldEdit("DBEdit24", 224, 72, 105, contractor::bank.field, "Label43", 8),
    fieldEdit("DBEdit15", 336, 72, 193, contractor::account.field, "Label34", 9),
    fieldEdit("DBEdit19", 16, 120, 97, contractor::phone.field, "Label38", 10),
    fieldEdit("DBEdit22", 120, 120, 129, contractor::fax.field, "Label41", 11),
    fieldEdit("DBEdit16", 16, 168, 137, contractor::email.field, "Label35", 12),
    {.name = "DBGrid3",
     .kind = Kind::RecordGrid,
     .geometry = {16, 208, 745, 137},
     .tab = 13,
     .columns = columns,
     .fixedColor = 0x5252a5,
     .titleColor = white},
};

} // namespace

kit::Controls buildBuyersPage(QWidget* page) {
    return kit::build(page, {back, buttons, front}, {.labelColor = white});
}

} // namespace pages
