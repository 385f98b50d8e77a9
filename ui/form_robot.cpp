#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn2Click() {}
void TForm1::Image1Click() {}
void TForm1::Image1MouseDown(int, int) {}
void TForm1::Image1MouseMove(int, int) {}
void TForm1::Image1MouseUp(int, int) {}
void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button4Click() {}
void TForm1::Button12Click() {}

}  // namespace vemrik
