#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vemrik {

/// `vemrik-eval arduino` without the process: the arguments after "arduino", the files written to
/// `out`, messages to `err`; returns one of vemrik-eval's exit codes (3: the sketch not written).
int runArduinoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vemrik
