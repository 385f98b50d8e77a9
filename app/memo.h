#pragma once

#include <cstdint>
#include <string_view>

#include "app/number_text.h"
#include "app/ring.h"

namespace vemrik {

/// A write-only log that keeps only the newest lines, so a long run cannot grow without end.
/// Lines live in place; appending allocates only the first time.
class Memo {
public:
    static constexpr std::size_t kBound = 10000;

    void append(std::string_view line) {
        lines_.push().assign(line);
        ++total_;
    }
    /// Number of lines kept (at most kBound).
    std::size_t size() const { return lines_.size(); }
    /// Kept line i, 0 the oldest; empty past the last.
    std::string_view line(std::size_t i) const { return i < size() ? lines_[i].view() : std::string_view{}; }
    /// All lines ever appended.
    std::uint64_t total() const { return total_; }
    void clear() { lines_.clear(); }

private:
    Ring<ShortText> lines_{kBound};
    std::uint64_t total_ = 0;
};

}  // namespace vemrik
