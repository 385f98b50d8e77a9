#include "ui/qt/zoom_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>  // the window's error box pointer needs the whole type
#include <QSettings>

#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

const QString kZoomKey = QStringLiteral("view/zoomPercent");

struct ZoomEntry {
    Zoom zoom;
    int percent;
    const char* name;
    const char* caption;
};

constexpr ZoomEntry kEntries[] = {
    {kZooms[0], 100, "actionZoom100", "×&1"},
    {kZooms[1], 150, "actionZoom150", QT_TRANSLATE_NOOP("Vemrik", "×1,&5")},
    {kZooms[2], 200, "actionZoom200", "×&2"},
};

}  // namespace

QMenu* addZoomMenu(MainWindow& window) {
    QMenu* view = window.menuBar()->addMenu(Vemrik::tr("&Widok"));
    view->setObjectName("menuView");
    QMenu* zoom = view->addMenu(Vemrik::tr("&Powiększenie"));
    zoom->setObjectName("menuZoom");
    auto* group = new QActionGroup(zoom);
    group->setExclusive(true);
    // An unknown value (an older or hand-edited file) is ×1, the form as it always was.
    const int kept = QSettings().value(kZoomKey, 100).toInt();
    for (const ZoomEntry& entry : kEntries) {
        QAction* a = zoom->addAction(Vemrik::tr(entry.caption));
        a->setObjectName(entry.name);
        a->setCheckable(true);
        group->addAction(a);
        if (entry.percent == kept) {
            a->setChecked(true);
            window.setZoom(entry.zoom);
        }
        QObject::connect(a, &QAction::triggered, &window, [&window, entry] {
            window.setZoom(entry.zoom);
            QSettings().setValue(kZoomKey, entry.percent);
        });
    }
    if (!group->checkedAction()) group->actions().first()->setChecked(true);
    return view;
}

}  // namespace vemrik
