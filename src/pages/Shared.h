#pragma once
// What the pages share: the record button glyphs and hints, the separator strip, fonts and
// the vocabulary of units and rates.
#include "kit/Layout.h"

namespace pages {

namespace glyph {
inline constexpr const char* first = ":/record/first.bmp";
inline constexpr const char* previous = ":/record/previous.bmp";
inline constexpr const char* next = ":/record/next.bmp";
inline constexpr const char* last = ":/record/last.bmp";
inline constexpr const char* add = ":/record/add.bmp";
inline constexpr const char* remove = ":/record/delete.bmp";
inline constexpr const char* modify = ":/record/modify.bmp";
inline constexpr const char* confirm = ":/record/confirm.bmp";
inline constexpr const char* cancel = ":/record/cancel.bmp";
inline constexpr const char* refresh = ":/record/refresh.bmp";
inline constexpr const char* separator = ":/pages/separator.bmp";
inline constexpr const char* binoculars = ":/pages/binoculars.bmp";
} // namespace glyph

namespace hint {
inline constexpr QStringView first = u"Przejdź do pierwszego rekordu";
inline constexpr QStringView previous = u"Poprzedni rekord";
inline constexpr QStringView next = u"Następny rekord";
inline constexpr QStringView last = u"Przejdź do ostatniego rekordu";
inline constexpr QStringView modify = u"Modyfikuj pozycję";
inline constexpr QStringView confirm = u"Potwierdź zmianę";
inline constexpr QStringView cancel = u"Anuluj zmianę";
inline constexpr QStringView refresh = u"Odśwież dane";
} // namespace hint

inline constexpr int white = 0xffffff;
inline constexpr int black = 0x000000;
inline constexpr int navy = 0x000080;

inline constexpr kit::Font tahoma8{.family = u"Tahoma", .pixelSize = 11};

inline constexpr QStringView units[] = {u"szt.", u"metr", u"litr",  u"opak.", u"egz.",
                                        u"but.", u"doba", u"godz.", u"kg",    u"km"};
inline constexpr QStringView vatRates[] = {u"zw.", u"0", u"3", u"7", u"22"};

} // namespace pages
