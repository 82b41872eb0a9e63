#include "pages/ContractorPage.h"

#include <vector>

namespace pages {

kit::Controls buildContractorPage(QWidget* page, const ContractorPage& layout) {
    // Background, ellipse and labels; the record buttons; then the separator, the field
    // edits from the first field on in tab order, and the grid last.
    std::vector<kit::Row> back{
        {.name = layout.background,
         .kind = kit::Kind::Picture,
         .geometry = {0, 0, 784, 456},
         .align = kit::Align::Client},
        {.name = layout.ellipse,
         .kind = kit::Kind::Shape,
         .geometry = layout.ellipseGeometry,
         .color = layout.ellipseColor},
    };
    std::vector<kit::Row> front{separator(layout.separator)};
    int tab = 0;
    for (const ContractorFieldRow& f : layout.fields) {
        back.push_back(fieldLabel(f.label, f.left, f.top - 16, f.labelWidth, f.field->label));
        front.push_back(fieldEdit(f.edit, f.left, f.top, f.width, f.field->field, f.label, tab++));
    }
    front.push_back({.name = layout.grid,
                     .kind = kit::Kind::RecordGrid,
                     .geometry = {16, 208, 745, 137},
                     .tab = tab,
                     .columns = layout.columns,
                     .fixedColor = 0x5252a5,
                     .titleColor = white});
    const auto buttons = recordButtons(layout.buttons);
    return kit::build(page, {back, buttons, front}, {.labelColor = white});
}

} // namespace pages
