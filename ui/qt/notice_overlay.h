#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QWidget;

namespace vemrik {

class ImageView;
class MainWindow;
struct SimulationNotice;

/// The notice of ui/simulation_notice.h shown over the "Symulacja" image: a panel or banner of
/// real labels and buttons, and the mark at the map's edge, all child widgets of the image's view,
/// so the image's own pixels stay as they are.
class NoticeOverlay : public QObject {
public:
    explicit NoticeOverlay(MainWindow& window);
    ~NoticeOverlay() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void build(const SimulationNotice& notice);
    void place();
    /// Runs what a notice's button `id` stands for, as the same command or button elsewhere does.
    void press(const QString& id);

    MainWindow& window_;
    ImageView* view_ = nullptr;
    QFrame* box_ = nullptr;
    QWidget* edge_ = nullptr;
    QString shown_;
    bool middle_ = false;
    bool large_ = false;
    int afterHandleKey_ = -1;
};

}  // namespace vemrik
