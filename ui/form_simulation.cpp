#include "ui/form.h"

namespace vemrik {

void TForm1::BitBtn5Click() {}
void TForm1::BitBtn6Click() {}
void TForm1::TrackBar2Change() {}
void TForm1::Button15Click() {}
void TForm1::Button16Click() {}
void TForm1::BitBtn7Click() {}
void TForm1::BitBtn8Click() {}
void TForm1::Timer2Timer() {}

}  // namespace vemrik
