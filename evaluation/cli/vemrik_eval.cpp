// vemrik-eval: judges the rule set of a workspace file by many seeded runs, without a window.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "evaluation/cli/eval_command.h"
#include "workspace/size_limit_signal.h"

int main(int argc, char** argv) {
    // A closed pipe or a file size limit then fails a write, which is reported, rather than ending
    // the program before it has saved its files.
    std::signal(SIGPIPE, SIG_IGN);
    vemrik::reportFileSizeLimitAsError();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vemrik::runEvalCommand(args, std::cout, std::cerr);
}
