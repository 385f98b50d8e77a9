#include "app/startup.h"

namespace vemrik {

namespace {
void sizeAndClear(Grid& g, int columns, int rows) {
    g.setColumns(columns);
    for (int x = 0; x < g.columns(); ++x) g.setLength(x, rows);
    for (int x = 0; x < g.columns(); ++x)
        for (int y = 0; y < g.length(0); ++y) g.at(x, y) = 0;
}
}  // namespace

void createState(ProgramState& s) {
    s.RobotPosX = 0.0f;
    s.RobotPosY = 0.0f;
    s.RobotHeading = 0.0f;
    for (auto& v : s.SensorStates) v = 0;
    sizeAndClear(s.RobotGrid, kRobotCells, kRobotCells);
    sizeAndClear(s.MapGrid, kMapColumns, kMapRows);
}

}  // namespace vemrik
