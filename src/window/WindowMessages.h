#pragma once

#include <string_view>

namespace grinsmith::messages {

inline constexpr std::u16string_view noRegex = u"Brak wyrażenia regularnego";
inline constexpr std::u16string_view noImage = u"Nie wybrano żadnego pliku";
// Asked before closing drops rows that no successful generation has written.
inline constexpr std::u16string_view closeUngenerated =
    u"Lista emotikon nie została wygenerowana. Zamknąć mimo to?";

}  // namespace grinsmith::messages
