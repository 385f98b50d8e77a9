#include "app/grid.h"

#include "app/errors.h"

namespace vemrik {

namespace {
void check(int index, std::size_t length) {
    if (index < 0 || static_cast<std::size_t>(index) >= length)
        throw RangeError(index, static_cast<std::int64_t>(length));
}
}  // namespace

int Grid::length(int x) const {
    if (x < 0 || x >= columns()) return 0;
    return static_cast<int>(cols_[static_cast<std::size_t>(x)].size());
}

void Grid::setColumns(int n) { cols_.resize(n > 0 ? static_cast<std::size_t>(n) : 0); }

void Grid::setLength(int x, int m) {
    check(x, cols_.size());
    cols_[static_cast<std::size_t>(x)].resize(m > 0 ? static_cast<std::size_t>(m) : 0, 0);
}

std::int32_t& Grid::at(int x, int y) {
    check(x, cols_.size());
    auto& col = cols_[static_cast<std::size_t>(x)];
    check(y, col.size());
    return col[static_cast<std::size_t>(y)];
}

void Grid::throwRange(int index, std::size_t length) {
    throw RangeError(index, static_cast<std::int64_t>(length));
}

std::int32_t Grid::at(int x, int y) const { return const_cast<Grid&>(*this).at(x, y); }

}  // namespace vemrik
