#pragma once

#include <QString>
#include <cstdio>
#include <functional>

namespace vemrik {

/// Runs `body` and returns its exit code. An exception escaping it is a failure: its message goes
/// to `err` and to `show` (the window's error box), and the exit code is 1.
int runGuarded(const std::function<int()>& body, const std::function<void(const QString&)>& show,
               std::FILE* err = stderr);

}  // namespace vemrik
