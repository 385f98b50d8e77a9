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
#include "ui/zoom_choice.h"

namespace vemrik {

namespace {

const QString kZoomKey = QStringLiteral("view/zoomPercent");

// Offers the zooms that fit the window's screen and keeps the fit following it.
class ZoomMenu : public QObject {
public:
    explicit ZoomMenu(MainWindow& window) : QObject(&window), window_(window) {
        kept_ = QSettings().value(kZoomKey, 100).toInt();
        for (const ZoomEntry& e : kZoomEntries)
            QObject::connect(window.commandAction(e.command), &QAction::triggered, this,
                             [this, percent = e.percent] { choose(percent); });
        QObject::connect(window.commandAction(kZoomFitCommand), &QAction::triggered, this,
                         [this] { choose(kZoomFitPercent); });
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

    void choose(int percent) {
        kept_ = percent;
        QSettings().setValue(kZoomKey, percent);
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
        const ZoomShown shown = zoomShown(kept_, grows(), fixed(), available);
        for (std::size_t i = 0; i < kZoomEntries.size(); ++i)
            window_.commandAction(kZoomEntries[i].command)->setEnabled(shown.offered[i]);
        window_.commandAction(shown.ticked)->setChecked(true);
        window_.setZoom(shown.zoom);
    }

    MainWindow& window_;
    int kept_ = 100;  // the choice as kept: a step's percentage or kZoomFitPercent
    bool watched_ = false;
    QMetaObject::Connection screenWatch_;
};

}  // namespace

void connectZoomMenu(MainWindow& window) { new ZoomMenu(window); }

}  // namespace vemrik
