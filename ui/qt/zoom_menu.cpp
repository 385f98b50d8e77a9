#include "ui/qt/zoom_menu.h"

#include <QAction>
#include <QMessageBox>  // the window's error box pointer needs the whole type
#include <QSettings>
#include <algorithm>

#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

const QString kZoomKey = QStringLiteral("view/zoomPercent");

struct ZoomEntry {
    Zoom zoom;
    int percent;
    const char* command;
};

constexpr ZoomEntry kEntries[] = {
    {kZooms[0], 100, "view.zoom100"},
    {kZooms[1], 150, "view.zoom150"},
    {kZooms[2], 200, "view.zoom200"},
};

}  // namespace

void connectZoomMenu(MainWindow& window) {
    // An unknown value (an older or hand-edited file) is ×1, the form as it always was.
    const int kept = QSettings().value(kZoomKey, 100).toInt();
    const bool known = std::any_of(std::begin(kEntries), std::end(kEntries),
                                   [kept](const ZoomEntry& e) { return e.percent == kept; });
    for (const ZoomEntry& entry : kEntries) {
        QAction* a = window.commandAction(entry.command);
        if (entry.percent == (known ? kept : 100)) {
            a->setChecked(true);
            window.setZoom(entry.zoom);
        }
        QObject::connect(a, &QAction::triggered, &window, [&window, entry] {
            window.setZoom(entry.zoom);
            QSettings().setValue(kZoomKey, entry.percent);
        });
    }
}

}  // namespace vemrik
