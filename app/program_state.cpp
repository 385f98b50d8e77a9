#include "app/program_state.h"

namespace vemrik {

ProgramState::~ProgramState() {
    // Members would go in reverse declaration order (StrokeList first anyway); release explicitly
    // so the order stays as documented if fields are ever reordered.
    StrokeList.setColumns(0);
    MapGrid.setColumns(0);
    RobotGrid.setColumns(0);
}

}  // namespace vemrik
