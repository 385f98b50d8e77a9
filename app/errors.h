#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vemrik {

/// An index outside an array of a Grid; carries the index and the array's length.
class RangeError : public std::out_of_range {
public:
    RangeError(std::int64_t index, std::int64_t length);
    std::int64_t index() const { return index_; }
    std::int64_t length() const { return length_; }

private:
    std::int64_t index_;
    std::int64_t length_;
};

/// Text that is not a number was given to the text-to-number conversion.
class ConversionError : public std::invalid_argument {
public:
    explicit ConversionError(const std::string& text);
};

/// A step would have turned the robot's heading or position into a value that is no finite number.
class NonFiniteStepError : public std::range_error {
public:
    NonFiniteStepError();
};

}  // namespace vemrik
