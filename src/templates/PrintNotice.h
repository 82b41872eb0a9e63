#pragma once
// The small line on every printed document naming the program, with the maker's contact text.

namespace templates {

inline constexpr char16_t invoiceNotice[] =
    u"Wydruk z programu Ledgora. tel. (012) 000 00 00, www.ledgora.example Wesja Demonstracyjna !";
inline constexpr char16_t transferNotice[] =
    u"Wydruk z programu Ledgora. tel. (012) 000 00 00, www.ledgora.example";

} // namespace templates
