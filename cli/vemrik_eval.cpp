// vemrik-eval: judges the rule set of a workspace file by many seeded runs, without a window.
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/eval_command.h"
#include "cli/language_option.h"
#include "platform/texts.h"
#include "workspace/size_limit_signal.h"

int main(int argc, char** argv) {
    // A closed pipe or a file size limit then fails a write, which is reported, rather than ending
    // the program before it has saved its files.
    std::signal(SIGPIPE, SIG_IGN);
    vemrik::reportFileSizeLimitAsError();
    std::vector<std::string> args(argv + 1, argv + argc);
    vemrik::speakCore(vemrik::languageFromEnvironment());
    const std::optional<vemrik::Language> language = vemrik::takeLanguageOption(args, vemrik::coreLanguage());
    if (!language) {
        std::cerr << "vemrik-eval: " << vemrik::say({"--lang: pl albo en", "--lang: pl or en"}) << "\n";
        return vemrik::kEvalBadArguments;
    }
    vemrik::speakCore(*language);
    return vemrik::runEvalCommand(args, std::cout, std::cerr);
}
