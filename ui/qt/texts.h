#pragma once

#include <QCoreApplication>

namespace vemrik {

/// The one context every text of the window is translated in, so a Polish text has one English
/// text wherever it is shown: `Vemrik::tr("Zapisz")`.
struct Vemrik {
    Q_DECLARE_TR_FUNCTIONS(Vemrik)
};

}  // namespace vemrik
