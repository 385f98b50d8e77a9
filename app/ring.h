#pragma once

#include <cstddef>
#include <vector>

namespace vemrik {

/// The newest `bound` items in arrival order. Allocates its whole store on the first push and
/// never again, so a long run neither grows memory nor allocates per step.
template <class T>
class Ring {
public:
    explicit Ring(std::size_t bound) : bound_(bound) {}

    /// The slot for a new item, the oldest one's when full; filled in place by the caller.
    T& push() {
        if (items_.empty()) items_.resize(bound_);
        if (size_ < bound_) return items_[slot(size_++)];
        T& oldest = items_[head_];
        head_ = slot(1);
        return oldest;
    }
    void push(const T& item) { push() = item; }
    void clear() {
        head_ = 0;
        size_ = 0;
    }

    std::size_t size() const { return size_; }
    std::size_t bound() const { return bound_; }
    /// Item i, 0 the oldest; i must be below size().
    const T& operator[](std::size_t i) const { return items_[slot(i)]; }

private:
    /// The store's index of item i, for i up to bound(); a subtraction, as a division by the
    /// bound would cost as much as the rest of a trail's step.
    std::size_t slot(std::size_t i) const {
        const std::size_t at = head_ + i;
        return at >= bound_ ? at - bound_ : at;
    }

    std::vector<T> items_;
    std::size_t bound_;
    std::size_t head_ = 0;  // index of the oldest item
    std::size_t size_ = 0;
};

}  // namespace vemrik
