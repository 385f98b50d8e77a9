#include "evaluation/challenge/challenge_series.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "platform/system_error.h"
#include "platform/texts.h"
#include "workspace/json_document.h"

namespace vemrik {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

constexpr std::string_view kProgressFormat = "vemrik-progress";
constexpr std::string_view kTaskExtension = ".vemrik-task";

/// A rank that sorts better first: more stars, then fewer steps, no steps last.
auto rank(const LevelProgress& p) {
    return std::tuple(-p.stars, !p.medianSteps.has_value(), p.medianSteps.value_or(0));
}

std::optional<LevelProgress> readLevel(const Json& v) {
    if (!v.is_object() || !v.contains("stars") || !v.contains("workspace")) return std::nullopt;
    const Json& stars = v.at("stars");
    const Json& ws = v.at("workspace");
    if (!stars.is_number_unsigned() || stars.get<std::uint64_t>() > 3 || !ws.is_string()) return std::nullopt;
    LevelProgress p{static_cast<int>(stars.get<std::uint64_t>()), std::nullopt, ws.get<std::string>()};
    if (const auto it = v.find("medianSteps"); it != v.end()) {
        if (!it->is_number_unsigned() || it->get<std::uint64_t>() > 100000000) return std::nullopt;
        p.medianSteps = static_cast<int>(it->get<std::uint64_t>());
    }
    return p;
}

}  // namespace

ChallengeSeries readChallengeSeries(const std::string& folder) {
    ChallengeSeries series;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == kTaskExtension) series.levels.push_back(it->path().string());
    if (ec) {
        series.levels.clear();
        series.error =
            say({"nie można przejrzeć folderu „{1}”: {2}", "cannot look through the folder “{1}”: {2}"},
                {folder, systemErrorText(ec)});
    }
    std::sort(series.levels.begin(), series.levels.end());
    return series;
}

bool betterProgress(const LevelProgress& candidate, const LevelProgress& kept) {
    return rank(candidate) < rank(kept);
}

void recordProgress(ChallengeProgress& progress, const std::string& id, const ChallengeVerdict& verdict,
                    const std::string& workspaceText) {
    LevelProgress p{verdict.stars, verdict.medianSteps, workspaceText};
    const auto it = progress.find(id);
    if (it == progress.end() || betterProgress(p, it->second)) progress[id] = std::move(p);
}

std::string progressText(const ChallengeProgress& progress) {
    Json levels = Json::object();
    for (const auto& [id, p] : progress) {
        Json level = {{"stars", p.stars}, {"workspace", p.workspace}};
        if (p.medianSteps) level["medianSteps"] = *p.medianSteps;
        levels[id] = level;
    }
    const Json root = {{"format", kProgressFormat}, {"version", 1}, {"levels", levels}};
    return root.dump(2) + "\n";
}

ParsedProgress parseProgress(std::string_view text) {
    // File, levels, level: three deep.
    JsonDocument doc = parseJsonDocument(text, 8);
    if (!doc.root) return {std::nullopt, std::move(doc.error)};
    const Json& root = *doc.root;
    const auto notProgress = say({"to nie jest plik postępów Vemrik", "this is not a Vemrik progress file"});
    if (!root.is_object() || root.value("format", Json()) != kProgressFormat ||
        root.value("version", Json()) != 1 || !root.contains("levels") || !root.at("levels").is_object())
        return {std::nullopt, notProgress};
    ChallengeProgress progress;
    for (const auto& item : root.at("levels").items()) {
        const std::optional<LevelProgress> level = readLevel(item.value());
        if (!level)
            return {std::nullopt, say({"poziom {1}: potrzeba pól \"stars\" 0 … 3 i \"workspace\"",
                                       "level {1}: the fields \"stars\" 0 … 3 and \"workspace\" are needed"},
                                      {jsonQuoted(item.key())})};
        progress[item.key()] = *level;
    }
    return {std::move(progress), {}};
}

}  // namespace vemrik
