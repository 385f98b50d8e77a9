#include "ui/recent_files.h"

#include <algorithm>

namespace vemrik {

std::vector<std::string> recentWith(std::vector<std::string> list, const std::string& file) {
    list = recentWithout(std::move(list), file);
    list.insert(list.begin(), file);
    if (list.size() > kRecentFiles) list.resize(kRecentFiles);
    return list;
}

std::vector<std::string> recentWithout(std::vector<std::string> list, const std::string& file) {
    std::erase(list, file);
    return list;
}

std::string recentCaption(std::size_t index, std::string_view fileName) {
    return "&" + std::to_string(index + 1) + " " + std::string(fileName);
}

}  // namespace vemrik
