#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/grade/task.h"

namespace vemrik {

/// The student files named: a folder stands for everything in it named *.vemrik, by name; anything
/// else is taken as a file. Nothing is opened here, so whatever cannot be read (a pipe, a device, a
/// dangling link) gets its row with the reason instead of vanishing from the class. Nothing, with
/// `why`, when a folder cannot be looked through.
std::optional<std::vector<std::string>> studentFiles(const std::vector<std::string>& named, std::string& why);

/// Why a report cannot be saved at `path`, asked before the grading rather than after it: every
/// file the grading reads is refused, so a report never replaces a student's work.
std::optional<std::string> reportRefusal(const std::string& path, const Task& task,
                                         const std::string& taskPath,
                                         const std::vector<std::string>& students);

}  // namespace vemrik
