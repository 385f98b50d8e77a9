#include "evaluation/sweep.h"

#include "platform/texts.h"

namespace vemrik {

std::vector<double> defaultSweepLevels() { return {0.0, 0.25, 0.5, 0.75, 1.0}; }

std::vector<SweepPoint> runSweep(const RunSetup& setup, const std::vector<double>& levels, int runs,
                                 int maxSteps, std::uint32_t baseSeed, const SweepProgressFn& progress,
                                 const std::atomic<bool>& cancel, int threads) {
    std::vector<SweepPoint> sweep;
    RunSetup scaled = setup;
    const int total = runs * static_cast<int>(levels.size());
    for (const double level : levels) {
        if (cancel.load(std::memory_order_relaxed)) break;
        scaled.noise = setup.noise.scaled(level);
        const int before = static_cast<int>(sweep.size()) * runs;
        ProgressFn each;
        if (progress) each = [&](int finished, int) { progress(before + finished, total); };
        Evaluation e = runMany(scaled, runs, maxSteps, baseSeed, each, cancel, threads);
        Summary s = summarize(e.runs);
        sweep.push_back({level, scaled.noise, std::move(e), s});
        if (sweep.back().evaluation.cancelled) break;
    }
    return sweep;
}

std::string noiseText(const Noise& n) {
    return say({"odwrócenie {1}, przesunięcie {2} px, obrót {3}°", "flip {1}, shift {2} px, turn {3}°"},
               {decimalText(n.flip, 3), decimalText(n.shift, 1), decimalText(n.turn, 1)});
}

std::vector<std::vector<std::string>> sweepTable(const std::vector<SweepPoint>& sweep) {
    std::vector<std::vector<std::string>> rows{{say({"poziom", "level"}), say({"odwrócenie", "flip"}),
                                                say({"przesunięcie", "shift"}), say({"obrót", "turn"}),
                                                say({"przebiegi", "runs"}), say({"dojazd", "arrived"}),
                                                say({"przedział 95 %", "95 % interval"})}};
    for (const SweepPoint& p : sweep) {
        const Summary& s = p.summary;
        rows.push_back({decimalText(p.level, 2), decimalText(p.noise.flip, 3),
                        decimalText(p.noise.shift, 1) + " px", decimalText(p.noise.turn, 1) + "°",
                        std::to_string(s.runs), percentText(s.success.value),
                        percentText(s.success.low) + " – " + percentText(s.success.high)});
    }
    return rows;
}

}  // namespace vemrik
