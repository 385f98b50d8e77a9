#pragma once

#include <string>
#include <string_view>

namespace vemrik {

/// The name typed for a file to save, blanks around it dropped and ".`suffix`" added when it does
/// not end so; "" when nothing but blanks was typed.
std::string savedFileName(std::string_view typed, std::string_view suffix);

/// The name "Eksportuj obraz…" suggests for a page's picture: the workspace file's name up to its
/// last dot ("vemrik" while it has none), a dash, the page's name in lower case: "oval-mapa.png".
/// `file` may be a path; `pageName` is the tab's title as shown, already in lower case.
std::string pictureFileName(std::string_view file, std::string_view pageName);

}  // namespace vemrik
