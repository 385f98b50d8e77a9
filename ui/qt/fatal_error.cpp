#include "ui/qt/fatal_error.h"

#include <exception>

#include "ui/qt/texts.h"

namespace vemrik {

int runGuarded(const std::function<int()>& body, const std::function<void(const QString&)>& show,
               std::FILE* err) {
    QString message;
    try {
        return body();
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = Vemrik::tr("nieznany błąd");
    }
    std::fprintf(err, "vemrik: błąd krytyczny: %s\n", message.toUtf8().constData());
    std::fflush(err);
    if (show) show(message);
    return 1;
}

}  // namespace vemrik
