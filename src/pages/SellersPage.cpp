// The sellers page: the current seller's record fields, the list of sellers and the record
// buttons. A seller's record also carries identity-document fields.
#include "pages/Pages.h"
#include "pages/Shared.h"

namespace pages {
namespace {

using kit::Align;
using kit::Kind;

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
const kit::Row back[] = {
    {.name = "Image4", .kind = Kind::Picture, .geometry = {0, 0, 784, 456}, .align = Align::Client},
    {.name = "Shape6", .kind = Kind::Shape, .geometry = {-471, -400, 1256, 601}, .color = 0x0b3575},
    fieldLabel("Label75", 16, 8, 58, contractor::id.label),
    fieldLabel("Label20", 120, 8, 71, contractor::name.label),
    fieldLabel("Label23", 224, 8, 25, contractor::firm.label),
    fieldLabel("Label21", 336, 8, 24, contractor::street.label),
    fieldLabel("Label22", 472, 8, 19, contractor::postcode.label),
    fieldLabel("Label24", 544, 8, 61, contractor::town.label),
    fieldLabel("Label25", 16, 56, 18, contractor::nip.label),
    fieldLabel("Label26", 120, 56, 32, contractor::regon.label),
    fieldLabel("Label66", 224, 56, 52, contractor::idCard.label),
    fieldLabel("Label69", 336, 56, 26, contractor::pesel.label),
    fieldLabel("Label77", 432, 56, 152, contractor::issuer.label),
    fieldLabel("Label67", 16, 104, 41, contractor::passport.label),
    fieldLabel("Label27", 120, 104, 25, contractor::bank.label),
    fieldLabel("Label28", 224, 104, 59, contractor::account.label),
    fieldLabel("Label29", 336, 104, 36, contractor::phone.label),
    fieldLabel("Label30", 432, 104, 23, contractor::fax.label),
    fieldLabel("Label31", 16, 152, 28, contractor::email.label),
};
// clang-format on

constexpr auto buttons =
    recordButtons({"SpeedButton31", "SpeedButton33", "SpeedButton34", "SpeedButton35", "SpeedButton18",
                   "SpeedButton22", "SpeedButton45", "SpeedButton49", "SpeedButton50", "SpeedButton51"});

const kit::Row front[] = {
    separator("Image17"),
    fieldEdit("DBEdit35", 16, 24, 97, contractor::id.field, "Label75", 0),
    fieldEdit("DBEdit1", 120, 24, 97, contractor::name.field, "Label20", 1),
    fieldEdit("DBEdit5", 224, 24, 105, contractor::firm.field, "Label23", 2),
    fieldEdit("DBEdit8", 336, 24, 129, contractor::street.field, "Label21", 3),
    fieldEdit("DBEdit11", 472, 24, 65, contractor::postcode.field, "Label22", 4),
    fieldEdit("DBEdit2", 544, 24, 153, contractor::town.field, "Label24", 5),
    fieldEdit("DBEdit6", 16, 72, 97, contractor::nip.field, "Label25", 6),
    fieldEdit("DBEdit9", 120, 72, 97, contractor::regon.field, "Label26", 7),
    fieldEdit("DBEdit32", 224, 72, 105, contractor::idCard.field, "Label66", 8),
    fieldEdit("DBEdit34", 336, 72, 89, contractor::pesel.field, "Label69", 9),
    fieldEdit("DBEdit37", 432, 72, 185, contractor::issuer.field, "Label77", 10),
    fieldEdit("DBEdit33", 16, 120, 97, contractor::passport.field, "Label67", 11),
    fieldEdit("DBEdit10", 120, 120, 97, contractor::bank.field, "Label27", 12),
    fieldEdit("DBEdit3", 224, 120, 105, contractor::account.field, "Label28", 13),
    fieldEdit("DBEdit7", 336, 120, 89, contractor::phone.field, "Label29", 14),
    fieldEdit("DBEdit4", 432, 120, 89, contractor::fax.field, "Label30", 15),
    fieldEdit("DBEdit12", 16, 168, 185, contractor::email.field, "Label31", 16),
    {.name = "DBGrid2",
     .kind = Kind::RecordGrid,
     .geometry = {16, 208, 745, 137},
     .tab = 17,
     .columns = columns,
     .fixedColor = 0x5252a5,
     .titleColor = white},
};

} // namespace

kit::Controls buildSellersPage(QWidget* page) {
    return kit::build(page, {back, buttons, front}, {.labelColor = white});
}

} // namespace pages
