// Exported sketches built for the host against the stand-in Arduino core and driven step by step:
// they must choose exactly as the engine does, rule by rule.
#include "robot_export/arduino_sketch.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "analysis/run_csv.h"
#include "cli/eval_command.h"
#include "engine/rule_table.h"
#include "engine/step.h"
#include "platform/stored_zip.h"
#include "robot_export/arduino_export.h"
#include "robot_export/wiring_svg.h"
#include "tests/csv_fields.h"
#include "tests/sketch_cases.h"

// The stand-in core first, then every exported sketch in a namespace of its own.
#include "Arduino.h"
#include "sketches.h"

namespace vemrik {
namespace {

struct Sketch {
    const char* name;
    const std::uint8_t* pins;
    std::uint8_t sensors;
    void (*setup)();
    void (*loop)();
};

const Sketch kSketches[] = {VEMRIK_SKETCHES};

/// The lines the sketch printed since the last call, without their line ends.
std::vector<std::string> takeLines() {
    std::string& text = stand_in::board().serial;
    std::vector<std::string> lines;
    for (std::size_t from = 0, end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    text.clear();
    return lines;
}

void startSketch(const Sketch& s) {
    stand_in::board() = stand_in::Board{};
    s.setup();
    ASSERT_EQ(takeLines(),
              std::vector<std::string>{"step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop"});
}

/// Puts a dark line under the sensors of `pattern`: the defaults read digital pins, HIGH on dark.
void showPattern(const Sketch& s, int pattern) {
    for (int k = 0; k < s.sensors; ++k) stand_in::board().level[s.pins[k]] = (pattern >> k) & 1;
}

// The step numbers and the stop column: the stop test.
TEST(ArduinoSketch, ChoosesAsTheEngineForEveryPatternAndDraw) {
    for (std::size_t n = 0; n < std::size(kSketchCases); ++n) {
        const Sketch& s = kSketches[n];
        const SketchCase& c = kSketchCases[n];
        SCOPED_TRACE(s.name);
        const Workspace ws = sketchCaseWorkspace(c.name, VEMRIK_EXAMPLES_DIR);
        const std::vector<int> choices = engineChoices(ws, c.seed, s.sensors, kSketchDraws);
        startSketch(s);
        for (int i = 0; i < kSketchDraws; ++i) {
            const int pattern = drivenPattern(i, s.sensors);
            showPattern(s, pattern);
            s.loop();
            const int line = choices[static_cast<std::size_t>(i)] - 1;
            const std::vector<std::string> lines = takeLines();
            ASSERT_EQ(lines.size(), 1u);
            const std::vector<std::string> f = csvFields(lines[0]);
            ASSERT_EQ(f.size(), 15u) << lines[0];
            for (int k = 0; k < 8; ++k)
                ASSERT_EQ(f[static_cast<std::size_t>(4 + k)], std::to_string((pattern >> k) & 1));
            ASSERT_EQ(f[12], std::to_string(line + 1)) << "step " << i + 1;
            ASSERT_EQ(f[13], line < 0 ? "" : csvField(ws.rules[static_cast<std::size_t>(line)]));
        }
    }
}

TEST(ArduinoSketch, TurnsOnTheSpotRightForPositiveAnglesAsTheSimulation) {
    // Waits of a step: {ms, left forward, left back, right forward, right back}; 5 ms a degree,
    // 60 ms a step. -450 is a quarter turn left, 370 ten degrees right, "2,5" 12.5 ms cut to 12,
    // -360 no turn at all.
    const stand_in::Wait drive = {60, 1, 0, 1, 0};
    const std::vector<stand_in::Wait> byRule[] = {
        {drive}, {{450, 0, 1, 1, 0}, drive}, {{50, 1, 0, 0, 1}, drive}, {{12, 1, 0, 0, 1}, drive}, {drive}};
    const Sketch& s = kSketches[5];
    startSketch(s);
    for (int i = 0; i < 200; ++i) {
        showPattern(s, i % 2);
        stand_in::board().waits.clear();
        s.loop();
        const int line = std::stoi(csvFields(takeLines().at(0))[12]);
        EXPECT_EQ(stand_in::board().waits, byRule[line]) << "rule " << line;
    }
}

TEST(ArduinoSketch, AStopPatternHeldForItsReadingsStopsForGood) {
    // The oval's defaults, STOP_READINGS = 3 and "1 1 1 1": readings 1111 1111 0 1111 1111 1111 stop
    // at the sixth, which makes no step and logs stop 1.
    const Sketch& s = kSketches[0];
    startSketch(s);
    const int readings[] = {15, 15, 0, 15, 15, 15, 15, 15};
    std::vector<std::string> stops;
    for (const int on : readings) {
        showPattern(s, on);
        s.loop();
        for (const std::string& line : takeLines())
            stops.push_back(csvFields(line)[0] + "," + csvFields(line)[14]);
    }
    EXPECT_EQ(stops, (std::vector<std::string>{"1,0", "2,0", "3,0", "4,0", "5,0", "6,1"}));
    EXPECT_EQ(stand_in::board().pwm[5] + stand_in::board().pwm[6], 0);
}

TEST(ArduinoSketch, CalibrationTurnsAFullCircleThenDrivesTenSteps) {
    // The start delay, 360 × 5 ms to the right, a pause, ten steps of 60 ms; then the loop idles.
    std::vector<stand_in::Wait> expected = {{3000, 0, 0, 0, 0}, {1800, 1, 0, 0, 1}, {1000, 0, 0, 0, 0}};
    for (int i = 0; i < 10; ++i) expected.push_back({60, 1, 0, 1, 0});
    stand_in::board() = stand_in::Board{};
    kSketches[8].setup();  // turns_calibration
    kSketches[8].loop();
    EXPECT_EQ(stand_in::board().waits, expected);
    EXPECT_EQ(takeLines(),
              (std::vector<std::string>{"Kalibracja: pełny obrót w prawo, potem 10 kroków prosto.",
                                        "Koniec kalibracji."}));
}

// What a builder needs besides the pins: the stop a one-sensor robot cannot tell from the line, the
// L298N's jumpers, the battery and the sensors' places (the oval's S1 30 mm left, 70 mm ahead).
TEST(ArduinoSketch, SaysTheStopTheJumpersTheBatteryAndWhereTheSensorsSit) {
    const SketchPlan oval = *planSketch(sketchCaseWorkspace("oval", VEMRIK_EXAMPLES_DIR), "oval", 1).plan;
    const SketchPlan turns = *planSketch(turnsWorkspace(), "turns", 1).plan;
    const std::pair<std::string, std::vector<const char*>> cases[] = {
        {arduinoSketch(oval),
         {"STOP_READINGS = 3;", "zdejmij zworki ENA i ENB", "bateria 7 … 12 V", "+12V",
          "//   | S1      |         -30 |            70 |\n//   | S2      |         -10 |            70 |"}},
        {arduinoSketch(turns), {"STOP_READINGS = 0;", "//   | S1      |          10 |            90 |\n"}},
        {wiringSvg(oval),
         {"zdejmij zworki ENA i ENB", "bateria 7 … 12 V", "+ do +12V mostka i VIN",
          "<text x=\"870\" y=\"350\" text-anchor=\"start\" font-weight=\"normal\">S1</text>\n"
          "<text x=\"980\" y=\"350\" text-anchor=\"end\" font-weight=\"normal\">-30</text>"}}};
    for (const auto& [text, parts] : cases)
        for (const char* part : parts) EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST(ArduinoSketch, RefusesWhatNoBoardCanRun) {
    struct Case {
        Workspace ws;
        const char* error;
    };
    Workspace noSensors = turnsWorkspace();
    noSensors.robot.at(10, 5) = kBody;
    Workspace badAngle = turnsWorkspace();
    badAngle.rules.push_back("1 0 0 0 0 0 0 0 lewo");
    // Four rules of "… 1" for each of the 256 patterns: 1,024 texts of 18 bytes and entries of 8, 256
    // choices of 10, 5,000 draws and the 5,250 of the code: 39,434 bytes; RAM 224 + 3 a sensor.
    Workspace tooMany = wideWorkspace();
    tooMany.rules.clear();
    for (int p = 0; p < 1024; ++p) {
        std::string line;
        for (int k = 0; k < kSensorSlots; ++k) line += ((p / 4 >> k) & 1) ? "1 " : "0 ";
        tooMany.rules.push_back(line + "1");
    }
    for (const Case& c :
         {Case{noSensors, "robot nie ma czujników"}, Case{badAngle, "reguła 5: "},
          Case{tooMany,
               "szkic nie zmieści się w Arduino Uno: zajmie do 39434 B pamięci programu z 32256 B i "
               "do 248 B RAM z 2048 B;"}}) {
        const PlannedSketch p = planSketch(c.ws, "x", 1);
        EXPECT_FALSE(p.plan);
        EXPECT_EQ(p.error.rfind(c.error, 0), 0u) << p.error;
    }
}

TEST(ArduinoSketch, NamesTheArduinoIdeTakes) {
    const std::pair<const char*, const char*> cases[] = {{"figure-eight", "figure_eight"},
                                                         {"2 tor ąę", "tor_ae"},
                                                         {"Żółw", "Zolw"},
                                                         {"ü", "robot"},
                                                         {"", "robot"}};
    for (const auto& [wanted, name] : cases) EXPECT_EQ(sketchName(wanted), name) << wanted;
    EXPECT_EQ(sketchFolderNote("tor_ae"),
              "W wybranym katalogu powstanie katalog tor_ae z plikami tor_ae.ino i "
              "wiring.svg");
    EXPECT_EQ(sketchName(std::string(80, 'a')).size(), 63u);
}

TEST(ArduinoSketch, StringLiteralsReadBackExactly) {
    const std::pair<std::string, std::string> strings[] = {
        {"a\"b\\c", "\"a\\\"b\\\\c\""}, {"?\?=\n1", "\"\\077\\077=\\0121\""}, {"ą", "\"\\304\\205\""}};
    for (const auto& [text, literal] : strings) EXPECT_EQ(cStringLiteral(text), literal);
}

/// The text of the file at `path`, or "" when there is none.
std::string textOf(const std::string& path) { return readTextFile(path).text.value_or(""); }

// Each case runs on the folder the ones before it left: the oval exported once, its settings then
// edited by hand, and a sketch of another's named "mine".
TEST(ArduinoCommand, WritesTheSketchFolderKeepingItsSettingsOrSaysWhyNot) {
    const std::string dir = ::testing::TempDir() + "vemrik-arduino-cli";
    std::filesystem::remove_all(dir);
    const std::string oval = std::string(VEMRIK_EXAMPLES_DIR) + "/oval.vemrik";
    const std::string sketch = dir + "/oval/oval.ino", mine = dir + "/mine/mine.ino";
    std::ostringstream ignored;
    ASSERT_EQ(runEvalCommand({"arduino", oval, "--out", dir}, ignored, ignored), kEvalOk);
    std::string edited = textOf(sketch);
    edited.replace(edited.find("MS_PER_DEGREE = 5.0f"), 20, "MS_PER_DEGREE = 7.5f");
    ASSERT_FALSE(saveAtomically(sketch, edited));
    std::filesystem::create_directories(dir + "/mine");
    ASSERT_FALSE(saveAtomically(mine, "void setup() {}\nvoid loop() {}\n"));
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* said;
        std::string file = {};
        std::vector<const char*> holds = {};
    };
    const Case cases[] = {
        {{"arduino", oval, "--out", dir, "--seed", "9"},
         kEvalOk,
         "/oval/oval.ino\n",
         sketch,
         {"= 7.5f", "z ziarnem 9."}},
        {{"arduino", oval, "--out", dir, "--name", "Mój robot", "--seed", "7"},
         kEvalOk,
         "/Moj_robot/Moj_robot.ino\n"},
        {{"arduino", oval}, kEvalBadArguments, ""},
        {{"arduino", oval, "--out", dir, "--seed", "-1"}, kEvalBadArguments, ""},
        {{"arduino", oval, "--out"}, kEvalBadArguments, ""},
        {{"arduino", oval, "--out", ""}, kEvalBadArguments, ""},
        {{"arduino", dir + "/missing.vemrik", "--out", dir}, kEvalBadWorkspace, ""},
        // The system's own words ("Not a directory") would break into the Polish message.
        {{"arduino", oval, "--out", oval}, kEvalCsvNotWritten, "/oval”: część ścieżki nie jest katalogiem"},
        {{"arduino", oval, "--out", dir, "--name", "mine"}, kEvalCsvNotWritten, "", mine, {"setup() {}"}},
        {{"arduino", oval, "--out", dir, "--name", "mine", "--force"}, kEvalOk, "", mine, {"= 5.0f"}},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runEvalCommand(c.args, out, err), c.code) << err.str();
        EXPECT_NE((out.str() + err.str()).find(c.said), std::string::npos) << out.str() << err.str();
        EXPECT_EQ(err.str().empty(), c.code == kEvalOk) << err.str();
        for (const char* part : c.holds) EXPECT_NE(textOf(c.file).find(part), std::string::npos) << part;
    }
}

// The download holds, byte for byte, the folder the command writes; Python's zipfile checks the
// archive and its CRCs as it reads it back.
TEST(ArduinoExport, TheZipHoldsTheFilesTheFolderExportWrites) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    const std::string dir = ::testing::TempDir() + "vemrik-arduino-zip";
    std::filesystem::remove_all(dir);
    const std::string oval = std::string(VEMRIK_EXAMPLES_DIR) + "/oval.vemrik";
    std::ostringstream ignored;
    ASSERT_EQ(runEvalCommand({"arduino", oval, "--out", dir + "/written"}, ignored, ignored), kEvalOk);
    PlannedSketch planned = planSketch(*readWorkspaceFile(oval).workspace, "oval", Engine::kDefaultSeed);
    planned.plan->workspaceFile = "oval.vemrik";
    ASSERT_FALSE(saveAtomically(dir + "/oval.zip", sketchZip(*planned.plan)));
    const std::string unzip =
        "python3 -c \"import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
        "assert z.testzip() is None; z.extractall(sys.argv[2])\" " +
        dir + "/oval.zip " + dir + "/read";
    ASSERT_EQ(std::system(unzip.c_str()), 0);
    for (const char* file : {"/oval/oval.ino", "/oval/wiring.svg"}) {
        const std::string written = textOf(dir + "/written" + file);
        EXPECT_FALSE(written.empty()) << file;
        EXPECT_EQ(textOf(dir + "/read" + file), written) << file;
    }
}

// Replaced unasked only by an export of the same workspace and sensors, and then only whole: a
// picture that cannot be written leaves the sketch as it was.
TEST(ArduinoExport, ReplacesUnaskedOnlyAnEarlierExportOfTheSameWorkspaceAndSensorsAndBothFilesOrNeither) {
    struct Case {
        const char* file;
        int sensors;
        bool asks, pictureFails = false;
    };
    const Case cases[] = {{"turns.vemrik", 1, false},
                          {"", 1, true},
                          {"other.vemrik", 1, true},
                          {"turns.vemrik", 2, true},
                          {"turns.vemrik", 1, false, true}};
    const FileWriter failsOnThePicture = [](const std::string& path,
                                            const std::string& text) -> std::optional<std::string> {
        if (path.find("wiring") == std::string::npos) return saveAtomically(path, text);
        return "dysk pełny";
    };
    const std::string dir = ::testing::TempDir() + "vemrik-arduino-same";
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir);
        SketchPlan first = *planSketch(turnsWorkspace(), "turns", 1).plan;
        first.workspaceFile = "turns.vemrik";
        ASSERT_EQ(writeSketchFolder(first, dir).error, "");
        const SketchFiles files = sketchFiles(dir, "turns");
        Workspace ws = turnsWorkspace();
        if (c.sensors == 2) ws.robot.at(11, 5) = kSensor;
        SketchPlan again = *planSketch(ws, "turns", 2).plan;
        again.workspaceFile = c.file;
        const SketchSave saved = writeSketchFolder(
            again, dir, false, c.pictureFails ? failsOnThePicture : FileWriter(saveAtomically));
        EXPECT_EQ(saved.wouldReplace, c.asks) << saved.error;
        EXPECT_EQ(saved.error == files.wiring + ": dysk pełny", c.pictureFails) << saved.error;
        EXPECT_EQ(saved.error.empty(), !c.asks && !c.pictureFails) << saved.error;
        EXPECT_EQ(textOf(files.sketch).find("z ziarnem 2.") == std::string::npos, c.asks || c.pictureFails);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files.folder), {}), 2);
    }
}

}  // namespace
}  // namespace vemrik
