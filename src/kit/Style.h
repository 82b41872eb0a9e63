#pragma once
// The look of every window: Fusion, with check boxes and radio buttons measured as the
// layouts were drawn for them (a 13 px box and 4 px before the caption), so that a caption
// fits the width the table gives its control.
class QStyle;

namespace kit {

QStyle* makeStyle();

} // namespace kit
