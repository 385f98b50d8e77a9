#include "algorithm/rule_text.h"
#include "ui/form.h"

namespace vemrik {

void TForm1::ComposeRuleText() { ruleText(State.SensorStates, TrackBar1.position, Label2.caption); }

void TForm1::BitBtn4Click() {}
void TForm1::CheckBox1Click() {}
void TForm1::CheckBox2Click() {}
void TForm1::CheckBox3Click() {}
void TForm1::CheckBox4Click() {}
void TForm1::CheckBox5Click() {}
void TForm1::CheckBox6Click() {}
void TForm1::CheckBox7Click() {}
void TForm1::CheckBox8Click() {}
void TForm1::TrackBar1Change() {}
void TForm1::Button13Click() {}
void TForm1::Button14Click() {}

}  // namespace vemrik
