#include "ui/file_names.h"

namespace vemrik {

std::string savedFileName(std::string_view typed, std::string_view suffix) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = typed.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::string name(typed.substr(first, typed.find_last_not_of(kBlanks) + 1 - first));
    const std::string ending = "." + std::string(suffix);
    if (!name.ends_with(ending)) name += ending;
    return name;
}

std::string pictureFileName(std::string_view file, std::string_view pageName) {
    const std::string_view name = file.substr(file.find_last_of('/') + 1);
    const std::string_view base = name.empty() ? "vemrik" : name.substr(0, name.rfind('.'));
    return std::string(base) + "-" + std::string(pageName) + ".png";
}

}  // namespace vemrik
