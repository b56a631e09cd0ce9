#pragma once

#include <string_view>

namespace grinsmith::messages {

inline constexpr std::u16string_view emptyEntryList = u"Lista emotikon jest pusta!";
inline constexpr std::u16string_view emptySetName = u"Musisz podać nazwę folderu docelowego!";
inline constexpr std::u16string_view forbiddenSetName = u"Niedozwolona nazwa folderu docelowego!";
// Followed by the clashing file name, without its backslash.
inline constexpr std::u16string_view clashingImageNames =
    u"Dwa różne obrazy mają tę samą nazwę pliku: ";
inline constexpr std::u16string_view success = u"Poprawnie wygenerowano zestaw!";

// The first line of the report of failed operations; one line per failure follows.
inline constexpr std::u16string_view failuresHeading =
    u"Wystąpiły błędy podczas generowania zestawu:";
// Each followed by a path as the user knows it on the host.
inline constexpr std::u16string_view folderNotCreated = u"Nie można utworzyć folderu ";
inline constexpr std::u16string_view fileNotCopied = u"Nie można skopiować pliku ";
inline constexpr std::u16string_view fileNotWritten = u"Nie można zapisać pliku ";
// Stands in the last line when more failures happened than the report lists.
inline constexpr std::u16string_view moreFailures = u"…";
inline constexpr std::size_t maxReportedFailures = 10;

}  // namespace grinsmith::messages
