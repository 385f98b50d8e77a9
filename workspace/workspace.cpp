#include "workspace/workspace.h"

#include "app/program_state.h"

namespace vemrik {

namespace {
Grid zeroed(int columns, int rows) {
    Grid g;
    g.setColumns(columns);
    for (int x = 0; x < columns; ++x) g.setLength(x, rows);
    return g;
}
}  // namespace

Workspace::Workspace() : robot(zeroed(kRobotCells, kRobotCells)), map(zeroed(kMapColumns, kMapRows)) {}

}  // namespace vemrik
