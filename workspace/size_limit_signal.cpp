#include "workspace/size_limit_signal.h"

#include <csignal>

namespace vemrik {

void reportFileSizeLimitAsError() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace vemrik
