#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/language.h"

namespace vemrik {

/// A message of the core, one text per language; {1}, {2}… stand for its arguments. The core
/// names its messages by these and never spells a message twice.
struct Text {
    std::string_view pl;
    std::string_view en;
};

/// A word that Polish counts in three forms (1 czujnik, 2 czujniki, 5 czujników), English in two.
struct CountedText {
    Text one, few, many;
};

/// How the front end has the core speak: in `language`, each text first passed through
/// `decorate` when given (a test language that marks every text, say). Polish until called; set
/// by the front end only, while no run is under way on another thread.
void speakCore(Language language, std::string (*decorate)(std::string_view) = nullptr);
Language coreLanguage();

/// `text` in the language the front end chose, each {n} replaced by the n-th argument.
std::string say(const Text& text, std::initializer_list<std::string_view> args = {});
/// "3 czujniki" / "3 sensors".
std::string sayCounted(long long n, const CountedText& word);
/// "," in Polish, "." in English.
std::string_view decimalSign();
/// `value` to `digits` decimals with the language's decimal sign: "2,4" in Polish, "2.4" in English.
std::string spokenDecimal(double value, int digits);

}  // namespace vemrik
