#include "robot/robot_editor.h"
#include "robot/robot_view.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn2Click() { State.SensorCount = paintRobotView(State.RobotGrid, Image1.canvas); }

void TForm1::Image1Click() {}

void TForm1::Image1MouseDown(int x, int y) { pressRobot(State, x, y); }

void TForm1::Image1MouseMove(int x, int y) {
    if (State.EditTool != kRobotNoTool) {
        BitBtn2Click();
        paintRobotPreview(Image1.canvas, State.EditTool, x, y);
    }
    if (State.MouseHeld == 1) {
        writeRobotTool(State.RobotGrid, State.EditTool, x, y, false);
        State.RedrawPending = 1;
    }
}

void TForm1::Image1MouseUp(int, int) { State.MouseHeld = 0; }

void TForm1::Button1Click() { State.EditTool = kToolBody; }
void TForm1::Button2Click() { State.EditTool = kToolErase; }
void TForm1::Button3Click() { State.EditTool = kToolWheel; }
void TForm1::Button4Click() { State.EditTool = kToolSensor; }
void TForm1::Button12Click() { State.EditTool = kToolDoubleSensor; }

}  // namespace vemrik
