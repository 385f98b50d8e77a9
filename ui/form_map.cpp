#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn3Click() {}
void TForm1::Image2Click() {}
void TForm1::Image2MouseDown(int, int) {}
void TForm1::Image2MouseMove(int, int) {}
void TForm1::Image2MouseUp(int, int) {}
void TForm1::Button5Click() {}
void TForm1::Button6Click() {}
void TForm1::Button7Click() {}
void TForm1::Button8Click() {}
void TForm1::Button9Click() {}
void TForm1::Button10Click() {}
void TForm1::Button11Click() {}

}  // namespace vemrik
