#pragma once
// The sellers and buyers pages: the same editor of a list of contractors, differing in their
// names, their ellipse, which record fields they hold and where these stand.
#include "pages/Shared.h"

namespace pages {

// A record field: its label (white, 16 px above the edit, at the same left edge) and its edit.
struct ContractorFieldRow {
    const char* label;
    int labelWidth;
    const ContractorField* field;
    const char* edit;
    int left;
    int top; // of the edit
    int width;
};

struct ContractorPage {
    const char* background;
    const char* ellipse;
    QRect ellipseGeometry;
    int ellipseColor;
    std::span<const ContractorFieldRow> fields; // in tab order
    std::span<const kit::Column> columns;
    std::array<const char*, 10> buttons; // in slot order
    const char* separator;
    const char* grid;
};

kit::Controls buildContractorPage(QWidget* page, const ContractorPage& layout);

} // namespace pages
