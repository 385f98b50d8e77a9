// Compiled with the engine's include set by upward_include_test, which expects this include to fail.
#include "ui/form.h"
