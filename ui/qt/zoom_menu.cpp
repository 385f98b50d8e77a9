#include "ui/qt/zoom_menu.h"

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QMessageBox>  // the window's error box pointer needs the whole type
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>

#include "ui/layout.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

const QString kZoomKey = QStringLiteral("view/zoomPercent");
// Kept for "Dopasuj do ekranu", which is no percentage.
constexpr int kFitPercent = 0;

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

// Offers the zooms that fit the window's screen and keeps the fit following it.
class ZoomMenu : public QObject {
public:
    explicit ZoomMenu(MainWindow& window) : QObject(&window), window_(window) {
        // An unknown value (an older or hand-edited file) is ×1, the form as it always was.
        const int kept = QSettings().value(kZoomKey, 100).toInt();
        fit_ = window.commandAction("view.zoomFit");
        chosen_ = kept == kFitPercent ? -1 : 0;
        for (std::size_t i = 0; i < std::size(kEntries); ++i) {
            if (kEntries[i].percent == kept) chosen_ = static_cast<int>(i);
            QObject::connect(window.commandAction(kEntries[i].command), &QAction::triggered, this,
                             [this, i] { choose(static_cast<int>(i)); });
        }
        QObject::connect(fit_, &QAction::triggered, this, [this] { choose(-1); });
        window.installEventFilter(this);
        follow();
    }

private:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !watched_ && window_.windowHandle()) {
            watched_ = true;
            QObject::connect(window_.windowHandle(), &QWindow::screenChanged, this, [this](QScreen* s) {
                watchScreen(s);
                follow();
            });
            watchScreen(window_.screen());
            follow();
        }
        return false;
    }

    void watchScreen(QScreen* screen) {
        QObject::disconnect(screenWatch_);
        if (screen)
            screenWatch_ =
                QObject::connect(screen, &QScreen::availableGeometryChanged, this, [this] { follow(); });
    }

    void choose(int entry) {
        chosen_ = entry;
        QSettings().setValue(kZoomKey, entry < 0 ? kFitPercent : kEntries[entry].percent);
        follow();
    }

    /// What grows with the zoom, as it is at ×1: the form, the menu bar and the status bar.
    Extent grows() const {
        const Zoom z = window_.zoom();
        const auto height = [](const QWidget* w) {
            return w && w->isVisibleTo(w->window()) ? w->sizeHint().height() : 0;
        };
        const int bars = height(window_.menuWidget()) + height(window_.statusBar());
        return {kFormWidth, kFormHeight + imagePixelAt(bars, z)};
    }

    Extent fixed() const {
        if (!window_.isVisible()) return {};
        const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
        return {frame.width(), frame.height()};
    }

    void follow() {
        const QScreen* screen = window_.screen();
        const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, kFormWidth, kFormHeight);
        const Extent available{room.width(), room.height()};
        const auto offered = offeredZooms(grows(), fixed(), available);
        for (std::size_t i = 0; i < std::size(kEntries); ++i)
            window_.commandAction(kEntries[i].command)->setEnabled(offered[i]);
        const Zoom zoom = chosen_ < 0 ? fittedZoom(grows(), fixed(), available)
                          : offered[static_cast<std::size_t>(chosen_)]
                              ? kEntries[chosen_].zoom
                              : largestOfferedZoom(grows(), fixed(), available);
        // A zoom chosen that does not fit this screen: the largest that does is checked instead.
        QAction* ticked = fit_;
        for (const ZoomEntry& e : kEntries)
            if (chosen_ >= 0 && e.zoom == zoom) ticked = window_.commandAction(e.command);
        ticked->setChecked(true);
        window_.setZoom(zoom);
    }

    MainWindow& window_;
    QAction* fit_ = nullptr;
    int chosen_ = 0;  // an entry of kEntries, or -1 for the fit
    bool watched_ = false;
    QMetaObject::Connection screenWatch_;
};

}  // namespace

void connectZoomMenu(MainWindow& window) { new ZoomMenu(window); }

}  // namespace vemrik
