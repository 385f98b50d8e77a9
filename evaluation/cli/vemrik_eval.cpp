// vemrik-eval: judges the rule set of a workspace file by many seeded runs, without a window.
#include <iostream>
#include <string>
#include <vector>

#include "evaluation/cli/eval_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vemrik::runEvalCommand(args, std::cout, std::cerr);
}
