#include "robot/robot_editor.h"
#include "robot/robot_view.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn2Click() { paintRobotView(State.RobotGrid, Image1.canvas); }

void TForm1::Image1Click() {}

void TForm1::Image1MouseDown(int x, int y) {
    // Both flags before the write, which may fail off the board.
    Shell.RedrawPending = 1;
    Shell.MouseHeld = 1;
    engine.editRobot([&](ProgramState& s) { return pressRobot(s, Shell.EditTool, x, y); });
}

void TForm1::Image1MouseMove(int x, int y) {
    if (Shell.EditTool != kRobotNoTool) {
        BitBtn2Click();
        paintRobotPreview(Image1.canvas, Shell.EditTool, x, y);
    }
    if (Shell.MouseHeld == 1) {
        engine.editRobot(
            [&](ProgramState& s) { return writeRobotTool(s.RobotGrid, Shell.EditTool, x, y, false); });
        Shell.RedrawPending = 1;
    }
}

void TForm1::Image1MouseUp(int, int) { Shell.MouseHeld = 0; }

void TForm1::Button1Click() { Shell.EditTool = kToolBody; }
void TForm1::Button2Click() { Shell.EditTool = kToolErase; }
void TForm1::Button3Click() { Shell.EditTool = kToolWheel; }
void TForm1::Button4Click() { Shell.EditTool = kToolSensor; }
void TForm1::Button12Click() { Shell.EditTool = kToolDoubleSensor; }

}  // namespace vemrik
