#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vemrik {

/// "Plik" → "Ostatnio otwierane": the files opened or saved last, newest first, each once.
inline constexpr std::size_t kRecentFiles = 8;

/// The list once `file` was opened or saved: it comes first, its older place is dropped, and the
/// oldest beyond kRecentFiles fall off.
std::vector<std::string> recentWith(std::vector<std::string> list, const std::string& file);
/// The list without `file` (one that is gone).
std::vector<std::string> recentWithout(std::vector<std::string> list, const std::string& file);
/// The entry's caption, its number the mnemonic: "&1 oval.vemrik" for the first.
std::string recentCaption(std::size_t index, std::string_view fileName);

}  // namespace vemrik
