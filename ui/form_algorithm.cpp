#include "algorithm/algorithm_view.h"
#include "algorithm/rule_text.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::ComposeRuleText() { ruleText(State.SensorStates, TrackBar1.position, Label2.caption); }

void TForm1::BitBtn4Click() {
    drawTurnedRobot(Image3.canvas, State.RobotGrid, TrackBar1.position);
    drawSensorStates(Image4.canvas, State.RobotGrid, State.SensorStates);
}

void TForm1::checkSensor(int sensor, bool checked) {
    engine.setSensorState(sensor, checked);
    Shell.RedrawPending = 1;
}

void TForm1::CheckBox1Click() { checkSensor(0, CheckBox1.checked); }
void TForm1::CheckBox2Click() { checkSensor(1, CheckBox2.checked); }
void TForm1::CheckBox3Click() { checkSensor(2, CheckBox3.checked); }
void TForm1::CheckBox4Click() { checkSensor(3, CheckBox4.checked); }
void TForm1::CheckBox5Click() { checkSensor(4, CheckBox5.checked); }
void TForm1::CheckBox6Click() { checkSensor(5, CheckBox6.checked); }
void TForm1::CheckBox7Click() { checkSensor(6, CheckBox7.checked); }
void TForm1::CheckBox8Click() { checkSensor(7, CheckBox8.checked); }

void TForm1::TrackBar1Change() {
    engine.setRuleAngle(TrackBar1.position);
    Label1.caption = IntToStr(TrackBar1.position).view();
    Shell.RedrawPending = 1;
}

// "Dodaj" takes the caption as shown, which the refresh cycle composed at its last tick.
void TForm1::Button13Click() { ListBox1.add(Label2.caption); }

// With no line selected the index is -1, which deletes nothing.
void TForm1::Button14Click() { ListBox1.deleteAt(ListBox1.itemIndex); }

void TForm1::ShowPatternOnBoxes() {
    for (int n = 1; n <= kSensorSlots; ++n)
        checkBox(n).checked = State.SensorStates[static_cast<std::size_t>(n - 1)] != 0;
}

void TForm1::SelectRule(int line) {
    if (line >= 0 && line < ListBox1.count()) ListBox1.itemIndex = line;
}

}  // namespace vemrik
