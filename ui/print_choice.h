#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/texts.h"
#include "simulation/print_tiles.h"
#include "simulation/printed_track.h"

namespace vemrik {

/// A paper "Drukuj trasę…" offers, upright, in millimetres.
struct Paper {
    std::string_view name;
    double width = 0;
    double height = 0;
};
inline constexpr std::array kPapers{Paper{"A4", 210, 297}, Paper{"A3", 297, 420}};

/// What "Drukuj trasę…" asks before printing: the scale, the paper and the look.
struct PrintChoice {
    static constexpr int kLeastMmPerCell = 5;
    static constexpr int kMostMmPerCell = 100;
    int mmPerCell = 20;
    /// Into kPapers.
    int paper = 0;
    PrintLook look = PrintLook::kBlackLine;

    /// The choice with the scale brought within its range and the paper among kPapers, as a
    /// typed or stored value may be neither.
    PrintChoice bounded() const;
};

/// The words of the print dialog.
struct PrintTexts {
    static constexpr Text title{"Drukuj trasę", "Print track"};
    static constexpr Text scale{"&Milimetry na kratkę:", "&Millimetres per cell:"};
    static constexpr Text mm{" mm", " mm"};
    static constexpr Text paper{"P&apier:", "P&aper:"};
    static constexpr Text look{"&Wygląd:", "&Look:"};
    static constexpr Text blackLine{"Czarna linia na białym", "Black line on white"};
    static constexpr Text asOnScreen{"Jak na ekranie", "As on the screen"};
    static constexpr Text preview{"&Podgląd wydruku…", "&Print preview…"};
    static constexpr Text trackWithMargin{"Trasa z marginesem {1} mm", "Track with a {1} mm margin"};
    static constexpr Text wholeMap{"Cała mapa", "Whole map"};
    static constexpr Text landscape{" poziomo", " landscape"};
    static constexpr Text portrait{" pionowo", " portrait"};
    static constexpr Text sheets{"{1}: {2} × {3} mm\nna {4} × {5} = {6} arkuszach {7}, z zakładką {8} mm.",
                                 "{1}: {2} × {3} mm\non {4} × {5} = {6} sheets {7}, overlapping by {8} mm."};
};

/// The sentence under the choices, in the core's language: what goes on paper, its size, and the
/// sheets of which paper it takes.
std::string printSummary(const PrintLayout& layout, const PrintChoice& choice);

}  // namespace vemrik
