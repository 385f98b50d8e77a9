#pragma once

#include <emscripten/val.h>

#include <string>

namespace vemrik::web {

/// Throws a JS Error with the message into the caller; the message is copied first, as no C++
/// destructor runs once it is thrown.
[[noreturn]] inline void throwJsError(const std::string& message) {
    emscripten::val::global("Error").new_(emscripten::val(message)).throw_();
}

}  // namespace vemrik::web
