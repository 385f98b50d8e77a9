#include "robot_export/arduino_sketch.h"

#include <charconv>
#include <cstdio>

#include "analysis/run_csv.h"
#include "platform/decimal.h"
#include "robot_export/default_pins.h"
#include "robot_export/sketch_size.h"

namespace vemrik {

namespace {

constexpr int kDrawsPerLine = 20;
// Where the user's settings begin and where they end.
constexpr std::string_view kSettingsHeading =
    "// ======================== Ustawienia ========================\n";
constexpr std::string_view kTableHeading =
    "// ============ Tabela decyzji z Vemrik (nie zmieniaj) ============\n";

std::string patternText(int pattern) {
    std::string text;
    for (int k = 0; k < 8; ++k) text += (k ? " " : "") + std::to_string((pattern >> k) & 1);
    return text;
}

std::string header(const SketchPlan& p) {
    return "// Vemrik: robot „" + p.name +
           "” jako szkic Arduino dla płytek z ATmega328P (Uno, Nano).\n"
           "// Ustawienia poniżej zmieniaj śmiało; ponowny eksport je zachowa. Reguły zmieniaj w Vemrik\n"
           "// i eksportuj szkic ponownie: tabela decyzji pochodzi z programu, więc robot wybiera\n"
           "// dokładnie tak jak symulacja.\n"
           "// Każdy krok wypisuje wiersz CSV w kolumnach „Zapisz przebieg…” (monitor portu szeregowego).\n"
           "// Połączenia pokazuje wiring.svg obok szkicu. Na mostku L298N zdejmij zworki ENA i ENB: szkic\n"
           "// nadaje prędkość sygnałem PWM na te piny, a zworka łączy je z 5 V (silnik zawsze na pełnej\n"
           "// prędkości, pin Arduino zwarty z 5 V).\n"
           "// Zasilanie: bateria 7 … 12 V (np. dwa ogniwa 18650 albo 6 × AA) plusem do zacisku +12V\n"
           "// mostka i do pinu VIN Arduino, minusem do GND mostka i GND Arduino. Przy USB z komputera\n"
           "// bateria zasila same silniki; GND i tak wspólne.\n" +
           sourceLine(p) + "\n#include <Arduino.h>\n#include <avr/pgmspace.h>\n\n";
}

std::string sensorBlock(const SketchPlan& p) {
    std::string places =
        "//   | czujnik | w prawo, mm | do przodu, mm |\n//   |---------|-------------|---------------|\n";
    for (std::size_t k = 0; k < p.sensors.size(); ++k) {
        const SensorPlace at = sensorPlace(p.sensors[k]);
        char row[64];
        std::snprintf(row, sizeof row, "//   | S%-6zu | %11d | %13d |\n", k + 1, at.rightMm, at.forwardMm);
        places += row;
    }
    std::string s =
        "// ============ Czujniki robota z Vemrik (nie zmieniaj) ============\n"
        "// Czujniki w kolejności robota z Vemrik (wiersze od przodu, w wierszu od lewej). Miejsca od\n"
        "// punktu, wokół którego robot obraca się w Vemrik (w prawdziwym: środek osi kół), w mm przy\n"
        "// trasie drukowanej 20 mm na pole: pole planszy robota to też 20 mm. Ujemne: w lewo, do tyłu.\n" +
        places;
    if (p.unwiredSensors > 0)
        s += "// Czujniki za ósmym (" + std::to_string(p.unwiredSensors) +
             ") w symulacji widzą tylko pole Stop; tu się ich nie podłącza.\n";
    return s + sensorCountLine(p) + "\n";
}

std::string sensorSettings(const SketchPlan& p) {
    std::string pins;
    for (std::size_t k = 0; k < p.sensors.size(); ++k) pins += (k ? ", " : "") + std::string(kSensorPins[k]);
    return std::string(kSettingsHeading) + "const uint8_t SENSOR_PINS[SENSOR_COUNT] = {" + pins +
           "};  // piny S1, S2, …\n"
           "const bool SENSORS_ANALOG = false;  // true: analogowe (analogRead, tylko piny A0 … A7), false: "
           "cyfrowe\n"
           "const int SENSOR_THRESHOLD = 512;   // próg czujnika analogowego, 0 … 1023\n"
           "const bool DARK_READS_HIGH = true;  // true: nad ciemnym czujnik daje HIGH albo odczyt powyżej "
           "progu\n"
           "const bool LINE_IS_DARK = true;     // true: ciemna linia na jasnym podłożu, false: jasna na "
           "ciemnym\n\n";
}

/// How many readings of the stop pattern stop the robot, with why.
std::string stopReadings(const SketchPlan& p) {
    if (p.sensors.size() == 1)
        return "// Z jednym czujnikiem wzorzec zatrzymania to sama linia, więc domyślnie robot nie staje.\n"
               "const uint8_t STOP_READINGS = 0;    // ile odczytów z rzędu; 0 = nigdy nie staje\n\n";
    return "// 3: poprzeczka głęboka na pole (20 mm) jest pod rzędem czujników przez 3 albo 4 kroki po 6 "
           "mm,\n"
           "// a zwykła linia nie zakrywa naraz wszystkich czujników.\n"
           "const uint8_t STOP_READINGS = 3;    // ile odczytów z rzędu; 0 = nigdy nie staje\n\n";
}

std::string motorSettings(const SketchPlan& p) {
    return "// Sterownik silników (mostek H, np. L298N bez zworek ENA i ENB): pin PWM i dwa piny kierunku\n"
           "// na stronę.\n"
           "const uint8_t LEFT_PWM = 5;         // lewy silnik: prędkość (ENA, pin z PWM)\n"
           "const uint8_t LEFT_FORWARD = 7;     // lewy silnik: HIGH = do przodu (IN1)\n"
           "const uint8_t LEFT_BACKWARD = 8;    // lewy silnik: HIGH = do tyłu (IN2)\n"
           "const uint8_t RIGHT_PWM = 6;        // prawy silnik: prędkość (ENB, pin z PWM)\n"
           "const uint8_t RIGHT_FORWARD = 9;    // prawy silnik: HIGH = do przodu (IN3)\n"
           "const uint8_t RIGHT_BACKWARD = 10;  // prawy silnik: HIGH = do tyłu (IN4)\n"
           "const int DRIVE_SPEED = 150;        // prędkość jazdy prosto, 0 … 255\n"
           "const int TURN_SPEED = 120;         // prędkość obrotu w miejscu, 0 … 255\n"
           "const float MS_PER_DEGREE = 5.0f;   // ms obrotu w miejscu na stopień (zmierz w trybie "
           "kalibracji)\n"
           "const unsigned long MS_PER_STEP = 60;  // ms jazdy na krok: 3 piksele, czyli 6 mm przy 20 mm na "
           "pole\n"
           "const unsigned long START_DELAY = 3000;  // ms od włączenia do ruszenia: czas na postawienie "
           "robota\n"
           "const long SERIAL_SPEED = 115200;   // prędkość portu szeregowego (bodów)\n"
           "const bool CALIBRATION = false;     // true: zamiast jazdy pełny obrót w prawo i 10 kroków "
           "prosto\n"
           "// Zatrzymanie: pole Stop z symulacji to osobny sygnał, którego czujnik linii nie widzi;\n"
           "// robot staje, gdy ten wzorzec (S1 S2 …, np. wszystkie na szerokiej poprzeczce) trwa tyle "
           "odczytów.\n"
           "const char STOP_PATTERN[] = \"" +
           patternText((1 << p.sensors.size()) - 1).substr(0, 2 * p.sensors.size() - 1) +
           "\";  // wzorzec zatrzymania\n" + stopReadings(p);
}

std::string rulesBlock(const SketchPlan& p) {
    std::string s =
        std::string(kTableHeading) +
        "// Reguły, które mogą zadziałać: numer wiersza na liście, kąt (stopnie, dodatni w prawo), tekst do "
        "CSV.\n";
    for (std::size_t i = 0; i < p.rules.size(); ++i)
        s += "const char RULE_TEXT_" + std::to_string(i) +
             "[] PROGMEM = " + cStringLiteral(csvField(p.rules[i].text)) + ";\n";
    if (p.rules.empty()) s += "const char RULE_TEXT_NONE[] PROGMEM = \"\";\n";
    s += "struct Rule {\n  " + std::string(wideLineNumbers(p) ? "uint32_t" : "uint16_t") +
         " line;\n  float angle;\n  const char* text;\n};\nconst Rule RULES[] "
         "PROGMEM = {\n";
    for (std::size_t i = 0; i < p.rules.size(); ++i) {
        const SketchRule& r = p.rules[i];
        s += "  {" + std::to_string(r.line) + ", " + floatLiteral(r.angle) + ", RULE_TEXT_" +
             std::to_string(i) + "},\n";
    }
    if (p.rules.empty()) s += "  {0, 0.0f, RULE_TEXT_NONE},  // brak reguł: robot zawsze jedzie prosto\n";
    const bool wide = p.rules.size() > 255;
    s +=
        "};\n\n// Wzorce czujników, do których coś pasuje, i ich pierwsze (najwyżej cztery) reguły z RULES.\n"
        "// Bit 0 wzorca to S1, bit 1 to S2 …; komentarz pokazuje wzorzec tak jak reguły.\n"
        "struct Choices {\n  uint8_t pattern;\n  uint8_t count;\n  " +
        std::string(wide ? "uint16_t" : "uint8_t") + " rules[4];\n};\nconst Choices TABLE[] PROGMEM = {\n";
    for (const SketchChoices& c : p.table) {
        char pattern[8];
        std::snprintf(pattern, sizeof pattern, "0x%02X", static_cast<unsigned>(c.pattern));
        s += "  {" + std::string(pattern) + ", " + std::to_string(c.rules.size()) + ", {";
        for (std::size_t k = 0; k < 4; ++k)
            s += (k ? ", " : "") + std::to_string(k < c.rules.size() ? c.rules[k] : 0);
        s += "}},  // " + patternText(c.pattern) + "\n";
    }
    if (p.table.empty()) s += "  {0x00, 0, {0, 0, 0, 0}},  // nic nie pasuje: zawsze prosto\n";
    s += "};\nconst uint16_t TABLE_SIZE = sizeof(TABLE) / sizeof(TABLE[0]);\n\n";
    return s;
}

std::string drawsBlock(const SketchPlan& p) {
    std::string s =
        "// Losowanie jak w Vemrik: generator Mersenne Twister (std::mt19937) z ziarnem " +
        std::to_string(p.seed) +
        ".\n"
        "// Jego stan (2,5 KB) nie mieści się w pamięci Uno (2 KB), więc Vemrik zapisał tu jego pierwsze "
        "liczby,\n"
        "// każdą modulo 60. Wybór to liczba % (pasujące + 1), a 1 … 5 dzielą 60, więc wychodzi ten sam.\n"
        "// Po DRAW_COUNT krokach losowanie zaczyna się od początku; inne ziarno: ustaw je w Vemrik\n"
        "// („Symulacja” → „Ziarno losowania…”) i wyeksportuj szkic ponownie.\n"
        "const uint16_t DRAW_COUNT = " +
        std::to_string(p.draws.size()) +
        ";\n"
        "const uint8_t DRAWS[DRAW_COUNT] PROGMEM = {\n";
    for (std::size_t i = 0; i < p.draws.size(); ++i) {
        s += i % kDrawsPerLine == 0 ? "  " : " ";
        s += std::to_string(p.draws[i]) + ",";
        if (i % kDrawsPerLine == kDrawsPerLine - 1 || i + 1 == p.draws.size()) s += "\n";
    }
    return s + "};\n\n";
}

constexpr const char* kProgram = R"(// ======================== Program ========================
uint8_t stopPattern = 0;      // STOP_PATTERN jako wzorzec
uint8_t stopReadings = 0;     // odczyty z rzędu ze wzorcem zatrzymania
bool stopped = false;
unsigned long stepNumber = 0;
uint16_t nextDraw = 0;

uint8_t patternFromText(const char* text);
bool sensorOnLine(uint8_t pin);
uint8_t readPattern();
uint8_t drawNumber();
int chooseRule(uint8_t pattern, uint8_t draw);
void setMotor(uint8_t pwm, uint8_t forward, uint8_t backward, int speed);
void drive(int left, int right);
void turnBy(float degrees);
void driveStep();
void logStep(uint8_t pattern, int rule, bool stop);
void calibrate();

// "1 0 1" -> bity S1 i S3.
uint8_t patternFromText(const char* text) {
  uint8_t pattern = 0;
  uint8_t sensor = 0;
  for (; *text != '\0' && sensor < 8; ++text) {
    if (*text == '1') pattern |= 1 << sensor;
    if (*text == '0' || *text == '1') ++sensor;
  }
  return pattern;
}

bool sensorOnLine(uint8_t pin) {
  bool high = SENSORS_ANALOG ? analogRead(pin) > SENSOR_THRESHOLD : digitalRead(pin) == HIGH;
  bool dark = high == DARK_READS_HIGH;
  return dark == LINE_IS_DARK;
}

// Wzorzec czujników: bit k włączony, gdy czujnik S(k+1) widzi linię.
uint8_t readPattern() {
  uint8_t pattern = 0;
  for (uint8_t k = 0; k < SENSOR_COUNT; ++k) {
    if (sensorOnLine(SENSOR_PINS[k])) pattern |= 1 << k;
  }
  return pattern;
}

// Kolejna liczba losowania; jedna na krok, jak w symulacji.
uint8_t drawNumber() {
  uint8_t draw = pgm_read_byte(&DRAWS[nextDraw]);
  nextDraw = (nextDraw + 1) % DRAW_COUNT;
  return draw;
}

// Indeks w RULES albo -1 (prosto): liczba % (pasujące + 1), ostatnia możliwość to jazda prosto.
int chooseRule(uint8_t pattern, uint8_t draw) {
  for (uint16_t i = 0; i < TABLE_SIZE; ++i) {
    Choices entry;
    memcpy_P(&entry, &TABLE[i], sizeof entry);
    if (entry.pattern != pattern) continue;
    uint8_t choice = draw % (entry.count + 1);
    if (choice == entry.count) return -1;
    return entry.rules[choice];
  }
  return -1;
}

// Prędkość dodatnia do przodu, ujemna do tyłu, 0 stoi.
void setMotor(uint8_t pwm, uint8_t forward, uint8_t backward, int speed) {
  digitalWrite(forward, speed > 0 ? HIGH : LOW);
  digitalWrite(backward, speed < 0 ? HIGH : LOW);
  analogWrite(pwm, speed < 0 ? -speed : speed);
}

void drive(int left, int right) {
  setMotor(LEFT_PWM, LEFT_FORWARD, LEFT_BACKWARD, left);
  setMotor(RIGHT_PWM, RIGHT_FORWARD, RIGHT_BACKWARD, right);
}

// Obrót w miejscu, jak w Vemrik: kąt dodatni w prawo (zgodnie ze wskazówkami zegara, z góry).
void turnBy(float degrees) {
  float angle = fmod(degrees, 360.0f);  // pełne obroty nie zmieniają kierunku
  if (angle == 0) return;
  if (angle > 0) {
    drive(TURN_SPEED, -TURN_SPEED);
  } else {
    drive(-TURN_SPEED, TURN_SPEED);
  }
  delay((unsigned long)(fabs(angle) * MS_PER_DEGREE));
}

void driveStep() {
  drive(DRIVE_SPEED, DRIVE_SPEED);
  delay(MS_PER_STEP);
}

// Wiersz jak w "Zapisz przebieg…"; kierunku i położenia robot nie zna.
void logStep(uint8_t pattern, int rule, bool stop) {
  Serial.print(stepNumber);
  Serial.print(F(",,,"));
  for (uint8_t k = 0; k < 8; ++k) {
    Serial.print(',');
    Serial.print((pattern >> k) & 1);
  }
  Serial.print(',');
  if (rule < 0) {
    Serial.print(F("0,"));
  } else {
    Rule r;
    memcpy_P(&r, &RULES[rule], sizeof r);
    Serial.print(r.line);
    Serial.print(',');
    Serial.print((const __FlashStringHelper*)r.text);
  }
  Serial.println(stop ? F(",1") : F(",0"));
}

// Pełny obrót powinien skończyć się w tym samym kierunku, a 10 kroków to 6 cm
// przy trasie 20 mm na pole; popraw MS_PER_DEGREE i MS_PER_STEP, aż tak będzie.
void calibrate() {
  Serial.println(F("Kalibracja: pełny obrót w prawo, potem 10 kroków prosto."));
  drive(TURN_SPEED, -TURN_SPEED);
  delay((unsigned long)(360 * MS_PER_DEGREE));
  drive(0, 0);
  delay(1000);
  for (uint8_t i = 0; i < 10; ++i) driveStep();
  drive(0, 0);
  Serial.println(F("Koniec kalibracji."));
}

void setup() {
  Serial.begin(SERIAL_SPEED);
  for (uint8_t k = 0; k < SENSOR_COUNT; ++k) pinMode(SENSOR_PINS[k], INPUT);
  pinMode(LEFT_PWM, OUTPUT);
  pinMode(LEFT_FORWARD, OUTPUT);
  pinMode(LEFT_BACKWARD, OUTPUT);
  pinMode(RIGHT_PWM, OUTPUT);
  pinMode(RIGHT_FORWARD, OUTPUT);
  pinMode(RIGHT_BACKWARD, OUTPUT);
  drive(0, 0);
  stopPattern = patternFromText(STOP_PATTERN);
  delay(START_DELAY);
  if (CALIBRATION) {
    calibrate();
    stopped = true;
    return;
  }
  Serial.println(F("step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop"));
}

// Jeden krok symulacji: odczyt, wybór reguły, obrót, jazda, wiersz dziennika.
void loop() {
  if (stopped) return;
  uint8_t pattern = readPattern();
  ++stepNumber;
  if (STOP_READINGS > 0 && pattern == stopPattern) {
    ++stopReadings;
  } else {
    stopReadings = 0;
  }
  if (STOP_READINGS > 0 && stopReadings == STOP_READINGS) {
    drive(0, 0);
    stopped = true;
    logStep(pattern, -1, true);
    return;
  }
  int rule = chooseRule(pattern, drawNumber());
  if (rule >= 0) {
    Rule r;
    memcpy_P(&r, &RULES[rule], sizeof r);
    turnBy(r.angle);
  }
  driveStep();
  logStep(pattern, rule, false);
}
)";

}  // namespace

std::string cStringLiteral(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7F || c == '?') {
            // Octal escapes stop after three digits, so a digit after one stays a digit; '?' could
            // start a trigraph, and a byte past ASCII need not be valid UTF-8.
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string floatLiteral(float v) {
    std::string text = shortestText(v);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text + "f";
}

std::string arduinoSketch(const SketchPlan& plan) {
    return header(plan) + sensorBlock(plan) + sensorSettings(plan) + motorSettings(plan) + rulesBlock(plan) +
           drawsBlock(plan) + kProgram;
}

std::string sourceLine(const SketchPlan& plan) {
    if (plan.workspaceFile.empty()) return "// Z obszaru roboczego, którego nie zapisano.\n";
    // Nothing of the name may end the comment or carry it onto the next line.
    std::string name = plan.workspaceFile;
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\') c = '?';
    return "// Z obszaru roboczego „" + name + "”.\n";
}

std::string sensorCountLine(const SketchPlan& plan) {
    return "const uint8_t SENSOR_COUNT = " + std::to_string(plan.sensors.size()) +
           ";  // liczba czujników robota\n";
}

std::optional<std::string_view> settingsBlock(std::string_view sketch) {
    const std::size_t from = sketch.find(kSettingsHeading);
    if (from == std::string_view::npos || (from > 0 && sketch[from - 1] != '\n')) return std::nullopt;
    const std::size_t to = sketch.find(kTableHeading, from);
    if (to == std::string_view::npos || sketch[to - 1] != '\n') return std::nullopt;
    return sketch.substr(from, to - from);
}

std::string withSettings(const std::string& sketch, std::string_view settings) {
    const std::optional<std::string_view> own = settingsBlock(sketch);
    if (!own) return sketch;
    const auto at = static_cast<std::size_t>(own->data() - sketch.data());
    return sketch.substr(0, at) + std::string(settings) + sketch.substr(at + own->size());
}

}  // namespace vemrik
