// Choosing the language and saying the core's messages in it.
#include "platform/texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <tuple>

#include "analysis/rule_texts.h"
#include "platform/language.h"
#include "platform/system_error.h"
#include "simulation/run_status.h"

using namespace vemrik;

namespace {

// Every test leaves the core speaking Polish, as it starts.
class TextsTest : public ::testing::Test {
protected:
    void TearDown() override { speakCore(Language::Polish); }
};

std::string bracketed(std::string_view text) { return "[" + std::string(text) + "]"; }

}  // namespace

TEST(LanguageTest, TheFirstSetVariableDecidesAndPolishIsTheFallback) {
    using enum Language;
    // Only the letters before "_", "." or "@" name the language.
    const std::pair<const char*, Language> langs[] = {
        {nullptr, Polish},    {"en_GB.UTF-8", English}, {"en", English},        {"en.UTF-8", English},
        {"en@quot", English}, {"english", Polish},      {"de_DE.UTF-8", Polish}};
    for (const auto& [lang, expected] : langs)
        EXPECT_EQ(languageFromEnvironment(nullptr, nullptr, lang), expected) << (lang ? lang : "-");
    // LC_ALL before LC_MESSAGES before LANG; an empty one counts as unset.
    EXPECT_EQ(languageFromEnvironment(nullptr, "en_US.UTF-8", "pl_PL.UTF-8"), English);
    EXPECT_EQ(languageFromEnvironment("C", "en_US.UTF-8", "en_US.UTF-8"), Polish);
    EXPECT_EQ(languageFromEnvironment("", "", "en_US"), English);
}

TEST_F(TextsTest, ArgumentsTakeTheirPlacesInEitherLanguageUndecorated) {
    constexpr Text text{"krok {1} z {2}", "step {1} of {2}"};
    EXPECT_EQ(say(text, {"3", "40"}), "krok 3 z 40");
    speakCore(Language::English);
    EXPECT_EQ(say(text, {"3", "40"}), "step 3 of 40");
    speakCore(Language::Polish);
    EXPECT_EQ(say({"{2} przed {1}", ""}, {"a", "b"}), "b przed a");
    EXPECT_EQ(say({"{2} brak", ""}, {"a"}), "{2} brak");
    EXPECT_EQ(say({"{1}{1}", ""}, {"{2}", "x"}), "{2}{2}");  // an argument is never read again
    // A decoration marks the text, not the arguments.
    speakCore(Language::Polish, &bracketed);
    EXPECT_EQ(say({"ziarno {1}", "seed {1}"}, {"5489"}), "[ziarno 5489]");
}

TEST_F(TextsTest, PolishCountsInThreeFormsEnglishInTwo) {
    constexpr CountedText sensors{{"czujnik", "sensor"}, {"czujniki", "sensors"}, {"czujników", "sensors"}};
    const std::pair<long long, const char*> polish[] = {
        {0, "0 czujników"},   {1, "1 czujnik"},    {2, "2 czujniki"},     {5, "5 czujników"},
        {12, "12 czujników"}, {22, "22 czujniki"}, {104, "104 czujniki"}, {112, "112 czujników"}};
    for (const auto& [n, text] : polish) EXPECT_EQ(sayCounted(n, sensors), text);
    speakCore(Language::English);
    EXPECT_EQ(std::tuple(sayCounted(1, sensors), sayCounted(2, sensors), sayCounted(0, sensors)),
              std::tuple("1 sensor", "2 sensors", "0 sensors"));
}

// The Polish comma: in the run view's and the reports' tests.
TEST_F(TextsTest, NumbersTakeTheLanguagesDecimalSign) {
    speakCore(Language::English);
    EXPECT_EQ(std::tuple(spokenDecimal(0.5, 1), spokenDecimal(-3.75, 2), simulatedTimeText(12)),
              std::tuple("0.5", "-3.75", "time: 2.4 s"));
}

// The causes a user can mend are said in the message's language; the rest keep the system's words.
TEST_F(TextsTest, SystemErrorsSpeakTheMessagesLanguage) {
    struct Case {
        int error;
        const char *pl, *en;
    };
    const Case cases[] = {
        {EACCES, "brak uprawnień", "permission denied"},
        {ENOTDIR, "część ścieżki nie jest katalogiem", "a part of the path is not a folder"},
        {ENOENT, "plik lub katalog nie istnieje", "the file or folder does not exist"},
        {ENOSPC, "brak miejsca na dysku", "no space left on the disk"},
        {EROFS, "system plików jest tylko do odczytu", "the file system is read-only"},
        {EFBIG, "plik przekroczył dopuszczalny rozmiar", "the file went over the size allowed"},
        {EBUSY, "błąd systemu (Device or resource busy)", "system error (Device or resource busy)"},
    };
    for (const Language language : {Language::Polish, Language::English}) {
        speakCore(language);
        for (const Case& c : cases) {
            const char* want = language == Language::Polish ? c.pl : c.en;
            EXPECT_EQ(systemErrorText(c.error), want);
            // std::filesystem reports in the system's category, not the generic one.
            EXPECT_EQ(systemErrorText(std::error_code(c.error, std::system_category())), want);
        }
    }
}

// With no sensors the summary takes a sentence of its own.
TEST_F(TextsTest, TheCoresMessagesSpeakEnglish) {
    speakCore(Language::English);
    EXPECT_EQ(checkSummary(0, 1),
              "The robot has 1 sensor, so it can give 2 patterns. No findings: every line can act and every "
              "pattern has a rule.");
    EXPECT_EQ(checkSummary(3, 0),
              "The robot has no sensors, so it gives only the pattern 0 0 0 0 0 0 0 0. Findings: 3.");
}
