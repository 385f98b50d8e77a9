#include "cli/option_once.h"

#include "platform/texts.h"

namespace vemrik {

bool givenOnce(std::set<std::string>& given, const std::string& option, std::string& why) {
    if (given.insert(option).second) return true;
    why = say({"opcja {1} podana więcej niż raz", "the option {1} was given more than once"}, {option});
    return false;
}

}  // namespace vemrik
