// What the window tests share: Qt's test and widget modules, the window, and the small moves a
// user makes on it.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "ui/qt/main_window.h"

namespace vemrik::qttest {

constexpr int kTick = 25;  // ms between refresh ticks

/// The left button pressed, moved with or released at `at`, sent straight to the widget.
inline void sendMouse(QWidget* to, QEvent::Type type, QPointF at) {
    QMouseEvent e(type, at, to->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

/// A click on the list's row, as a user makes it.
inline void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(list->item(row)).center());
}

/// `added` overlaps no other child of its parent.
inline bool overlapsNothing(const QWidget* added) {
    for (const QWidget* other : added->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != added && other->geometry().intersects(added->geometry())) return false;
    return true;
}

/// The widget under `root` whose caption, without its letter's marker, is `caption`.
template <class W>
W* byCaption(const QWidget* root, const QString& caption) {
    for (W* w : root->findChildren<W*>())
        if (QString(w->text()).remove(u'&') == caption) return w;
    return nullptr;
}

/// Settings kept in `folder`, so that no test reads or leaves a user's.
inline void keepSettingsIn(const QTemporaryDir& folder) {
    QCoreApplication::setOrganizationName("VemrikTest");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

/// What the window shows of a run: the robot's pose, its sensors, the steps made and the one shown.
struct Seen {
    float heading, x, y;
    std::array<std::int32_t, kSensorSlots> sensors;
    std::uint64_t steps, shown;
    bool operator==(const Seen&) const = default;
};

inline Seen seen(const TForm1& f) {
    return {f.State.RobotHeading, f.State.RobotPosX,         f.State.RobotPosY,
            f.State.SensorStates, f.engine.record().steps(), f.History.shown()};
}

/// `steps` ticks of the run timer, each followed by a redraw.
inline void runSteps(MainWindow& w, int steps) {
    TForm1& f = w.form();
    for (int n = 0; n < steps; ++n) w.handle([&] { f.Timer2Timer(), f.Timer1Timer(); });
}

}  // namespace vemrik::qttest
