#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/stamp.h"

namespace vemrik {

/// The rule list, first line to last, with a stamp that every change of its lines replaces by a
/// new one, unique in the program. What is read from the list (the rule table, the record's
/// counts) keeps the stamp it read and reads again only when the stamp differs: two lists with
/// the same stamp hold the same lines, a copy keeps its original's stamp.
class RuleList {
public:
    RuleList() = default;
    explicit RuleList(std::vector<std::string> lines) : lines_(std::move(lines)), stamp_(newStamp()) {}
    RuleList(const RuleList&) = default;
    RuleList& operator=(const RuleList&) = default;
    RuleList& operator=(std::vector<std::string> lines);

    const std::vector<std::string>& lines() const { return lines_; }
    operator const std::vector<std::string>&() const { return lines_; }
    std::uint64_t stamp() const { return stamp_; }

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const std::string& operator[](std::size_t i) const { return lines_[i]; }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

    void add(std::string_view line);
    /// Removes line i; an index outside the list removes nothing and keeps the stamp.
    void erase(int i);

    friend bool operator==(const RuleList& a, const std::vector<std::string>& b) { return a.lines_ == b; }

private:
    std::vector<std::string> lines_;
    std::uint64_t stamp_ = 0;  // 0: the empty list as built; no change has ever been given 0
};

}  // namespace vemrik
