#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vemrik {

/// A two-dimensional array of integers kept as columns: cell [x][y] is row y of column x.
/// Every index is checked against the length of the array it indexes.
class Grid {
public:
    /// Number of columns (entries, when the grid is used as a list).
    int columns() const { return static_cast<int>(cols_.size()); }
    /// Length of column x; 0 for an empty grid or a column that does not exist.
    int length(int x) const;
    /// Keeps columns 0 .. min(old, n) - 1; added columns are empty.
    void setColumns(int n);
    /// Keeps cells 0 .. min(old, m) - 1 of column x; added cells are 0. Throws RangeError for x.
    void setLength(int x, int m);
    /// Cell [x][y]; throws RangeError for x first, then for y.
    std::int32_t& at(int x, int y);
    std::int32_t at(int x, int y) const;
    /// Column x as it stands; throws RangeError for x. Inline: the track layer reads every stroke.
    std::span<const std::int32_t> column(int x) const {
        if (x < 0 || x >= columns()) throwRange(x, cols_.size());
        return cols_[static_cast<std::size_t>(x)];
    }

    bool operator==(const Grid&) const = default;

private:
    [[noreturn]] static void throwRange(int index, std::size_t length);

    std::vector<std::vector<std::int32_t>> cols_;
};

}  // namespace vemrik
