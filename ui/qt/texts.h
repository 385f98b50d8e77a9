#pragma once

#include <QCoreApplication>

#include "platform/texts.h"

namespace vemrik {

/// The one context every text of the window is translated in, so a Polish text has one English
/// text wherever it is shown: `Vemrik::tr("Zapisz")`.
struct Vemrik {
    Q_DECLARE_TR_FUNCTIONS(Vemrik)
};

/// A text of the core's tables through the catalogue, so that it follows a change of language as
/// the window's own texts do.
inline QString worded(const Text& text) { return Vemrik::tr(text.pl.data()); }

}  // namespace vemrik
