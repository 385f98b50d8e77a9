#include "algorithm/rule_editor.h"

namespace vemrik {

void setSensorState(ProgramState& s, int sensor, bool checked) {
    s.SensorStates.at(static_cast<std::size_t>(sensor)) = checked ? 1 : 0;
}

}  // namespace vemrik
