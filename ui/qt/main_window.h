#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "ui/form.h"
#include "ui/layout.h"
#include "ui/qt/refresh_timer.h"
#include "ui/zoom.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;

namespace vemrik {

class CommandMenus;
class FittingScrollArea;
class ImageView;

/// The window: real widgets built from the layout table. Each user event is copied into the
/// form, handed to the handler of the same name, and the form is mirrored back.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    TForm1& form() { return form_; }
    QTabWidget* notebook() const { return notebook_; }
    /// The error box on show, if any; there is never more than one.
    QMessageBox* errorBox() const { return errorBox_; }
    /// The refresh tick ("Timer1"); tests drive it by hand.
    RefreshTimer& refreshTimer() { return timer1_; }

    /// Runs one handler at the event boundary: an error is shown and the program goes on.
    void handle(const std::function<void()>& handler);

    /// Calls `f` after every handled event, once the form is mirrored, and after the language
    /// changed; `forget`, if given, first, when the language changed, so that texts kept as they
    /// were last composed are composed again. Returns a key for removal.
    int addAfterHandle(std::function<void()> f, std::function<void()> forget = {});
    void removeAfterHandle(int key);

    /// Selects rule line `line` through the form and shows it on "Algorytm".
    void selectRule(int line);
    /// Clicking or activating an item of `list` selects the rule line its Qt::UserRole holds
    /// (none for -1).
    void selectRuleOnClick(QListWidget* list);

    /// The widget of the layout's control `id` ("sim.stepBack"), or nullptr for one without.
    QWidget* control(std::string_view id) const;
    template <class W>
    W* control(std::string_view id) const {
        return static_cast<W*>(control(id));
    }

    /// The menu bar built from the command table, made on first use; features take their
    /// entries from it.
    CommandMenus& commandMenus();
    /// The entry of the command `id` ("file.save"), or nullptr.
    QAction* commandAction(std::string_view id);
    /// The submenu a filled command stands for ("file.examples"), or nullptr.
    QMenu* commandMenu(std::string_view id);

    /// The form: the notebook and the controls, inside an area that scrolls when the screen is
    /// smaller than the form.
    QWidget* formWidget() const { return client_; }
    void setZoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }
    /// Makes the window as large as the form with its menus, bars and docks, or as much of that as
    /// fits the screen, and moves it onto the screen; the form scrolls in what is left.
    void fitToScreen();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildNotebook();
    QWidget* buildControl(const ControlSpec& control, QWidget* page);
    void wireButton(QWidget* button, std::string_view name);
    void reportError(const QString& message);
    /// The sensor boxes' names for screen readers, "Czujnik 3", in the current language.
    void nameSensorBoxes();
    /// Copies what handlers change back onto the widgets.
    void mirror();
    /// Puts the form's selected rule line on the list when the list shows another.
    void mirrorSelection();

    TForm1 form_;
    QWidget* client_ = nullptr;
    FittingScrollArea* scroll_ = nullptr;
    Zoom zoom_;
    QTabWidget* notebook_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QListWidget* list_ = nullptr;
    std::uint64_t listShown_ = ~std::uint64_t{0};
    std::vector<ImageView*> images_;
    std::vector<std::pair<std::string_view, QPushButton*>> toolButtons_;
    RefreshTimer timer1_{form_.Shell};
    QTimer timer2_;
    QPointer<QMessageBox> errorBox_;
    std::map<int, std::function<void()>> afterHandle_;
    std::map<int, std::function<void()>> languageChange_;
    int nextAfterHandleKey_ = 0;
    std::map<std::string_view, QWidget*> controls_;
    // Last, so it is gone before the after-handle list it is on.
    std::unique_ptr<CommandMenus> commandMenus_;
};

}  // namespace vemrik
