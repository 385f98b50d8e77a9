#pragma once

#include "platform/texts.h"

namespace vemrik {

/// The words of the "Pomoc" menu's windows, the same in the window and the page.
struct HelpTexts {
    static constexpr Text aboutTitle{"O programie", "About Vemrik"};
    /// Rich text; %1 is the program's version, as Qt fills it.
    static constexpr Text about{
        "<h3>Vemrik %1</h3>"
        "<p>Robot jeżdżący po linii: zbuduj go, narysuj trasę, napisz reguły i zobacz, jak jedzie.</p>"
        "<p>Licencja: Apache License 2.0. Program można używać, kopiować, zmieniać i uczyć z nim bez "
        "opłat.</p>",
        "<h3>Vemrik %1</h3>"
        "<p>A line-following robot: build it, draw its track, write its rules and watch it drive.</p>"
        "<p>Licence: Apache License 2.0. The program may be used, copied, changed and taught with free of "
        "charge.</p>"};
    static constexpr Text guideTitle{"Przewodnik", "Guide"};
    static constexpr Text noGuide{"Brak przewodnika w tej kopii programu.",
                                  "This copy of the program has no guide."};
};

}  // namespace vemrik
