#pragma once

#include <string>
#include <vector>

// Workspace file texts written out by hand, piece by piece, so a test can spoil one piece.
struct FileParts {
    std::vector<std::string> robot = std::vector<std::string>(21, std::string(21, '0'));
    std::vector<std::string> map = std::vector<std::string>(41, std::string(71, '0'));
    std::string format = "\"vemrik-workspace\"";
    std::string version = "1";
    std::string strokes = "[[100, 100, 110, 100], [110, 100, 120, 105]]";
    std::string rules = "[\"1 0 0 0 0 0 0 1 -30\", \"0 0 0 1 1 0 0 0 45\"]";
    std::string ruleAngle = "30";
    std::string startHeading = "-90";

    std::string text() const {
        const auto list = [](const std::vector<std::string>& rows) {
            std::string s = "[";
            for (std::size_t i = 0; i < rows.size(); ++i)
                s += (i ? ",\n    \"" : "\n    \"") + rows[i] + "\"";
            return s + "\n  ]";
        };
        return "{\n  \"format\": " + format + ",\n  \"version\": " + version +
               ",\n  \"robot\": " + list(robot) + ",\n  \"map\": " + list(map) +
               ",\n  \"strokes\": " + strokes + ",\n  \"rules\": " + rules +
               ",\n  \"ruleAngle\": " + ruleAngle + ",\n  \"startHeading\": " + startHeading + "\n}\n";
    }
};
