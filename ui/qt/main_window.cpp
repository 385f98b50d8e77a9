#include "ui/qt/main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QSlider>
#include <QTabWidget>
#include <array>
#include <exception>

#include "ui/control_events.h"
#include "ui/control_texts.h"
#include "ui/form_handlers.h"
#include "ui/layout.h"
#include "ui/qt/caption_fit.h"
#include "ui/qt/command_menus.h"
#include "ui/qt/degree_slider.h"
#include "ui/qt/form_zoom.h"
#include "ui/qt/image_view.h"
#include "ui/qt/language.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/texts.h"
#include "ui/refresh_cycle.h"

namespace vemrik {

namespace {

constexpr std::array<FormHandler, 8> kCheckBoxHandlers = {
    &TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click, &TForm1::CheckBox4Click,
    &TForm1::CheckBox5Click, &TForm1::CheckBox6Click, &TForm1::CheckBox7Click, &TForm1::CheckBox8Click,
};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(qs(kFormCaption));
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);
    client_ = new QWidget;
    client_->setObjectName("Form1");
    client_->setFixedSize(kFormWidth, kFormHeight);
    scroll_ = new FittingScrollArea(client_, client_->size(), this);
    setCentralWidget(scroll_);
    move(kFormLeft, kFormTop);
    buildNotebook();

    timer1_.setInterval(form_.Timer1.interval);
    timer1_.onTick = [this] {
        // A tick with nothing to draw only counts, and cannot fail: no widget or status text to
        // touch, so an idle window costs next to nothing.
        if (!refreshDue(form_.Shell)) {
            form_.Timer1Timer();
            return;
        }
        handle([this] { form_.Timer1Timer(); });
    };
    timer2_.setInterval(form_.Timer2.interval);
    connect(&timer2_, &QTimer::timeout, this, [this] { handle([this] { form_.Timer2Timer(); }); });
    nameSensorBoxes();
    mirror();
}

void MainWindow::nameSensorBoxes() {
    int n = 0;
    for (const ControlSpec& c : formLayout())
        if (c.kind == ControlKind::CheckBox)
            control(c.id)->setAccessibleName(qs(say(ControlTexts::sensorName, {std::to_string(++n)})));
}

void MainWindow::buildNotebook() {
    notebook_ = new QTabWidget(client_);
    notebook_->setObjectName("TabbedNotebook1");
    notebook_->setGeometry(0, 0, kNotebookWidth, kNotebookHeight);
    std::array<QWidget*, 4> pages{};
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget();
        pages[i]->setObjectName(QString("Page%1").arg(i));
        notebook_->addTab(pages[i], Vemrik::tr(kPageTitles[static_cast<std::size_t>(i)].pl.data()));
    }
    for (const ControlSpec& control : formLayout()) {
        if (!control.visible || control.page < 0) continue;  // hidden controls need no widget
        if (QWidget* w = buildControl(control, pages[static_cast<std::size_t>(control.page)]))
            controls_.emplace(control.id, w);
    }
    // The notebook opens on "Symulacja" before the change handler is attached.
    notebook_->setCurrentIndex(kInitialPage);
    connect(notebook_, &QTabWidget::currentChanged, this,
            [this](int page) { handle([this, page] { form_.TabbedNotebook1Change(page); }); });
}

QWidget* MainWindow::buildControl(const ControlSpec& control, QWidget* page) {
    const QString name = qs(control.name);
    QWidget* w = nullptr;
    switch (control.kind) {
        case ControlKind::Image: {
            const Raster& canvas = imageOf(form_, control.id)->canvas;
            auto* view = new ImageView(canvas, page);
            if (const TrackCache* track = form_.trackCacheOf(canvas))
                view->changedOnlyIn = [track, &canvas](std::uint64_t v, Area& a) {
                    return track->changedOnlyIn(canvas, v, a);
                };
            if (const BoardHandlers* board = boardHandlersOf(control.id)) {
                view->onPress = [this, f = board->press](int x, int y) {
                    handle([=, this] { (form_.*f)(x, y); });
                };
                view->onMove = [this, f = board->move](int x, int y) {
                    handle([=, this] { (form_.*f)(x, y); });
                };
                view->onRelease = [this, f = board->release](int x, int y) {
                    handle([=, this] { (form_.*f)(x, y); });
                };
                view->enableCellCursor(kBoardCellPixels);
            }
            images_.push_back(view);
            w = view;
            break;
        }
        case ControlKind::Button:
        case ControlKind::BitButton:
            // Shown without the marker; the letter is underlined while Alt is held.
            w = new QPushButton(Vemrik::tr(control.caption.pl.data()), page);
            wireButton(w, control.name);
            if (choosesTool(control.id)) {
                static_cast<QPushButton*>(w)->setCheckable(true);
                toolButtons_.emplace_back(control.id, static_cast<QPushButton*>(w));
            }
            break;
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(page);
            const int n = sensorOf(control.id) + 1;
            connect(box, &QCheckBox::toggled, this, [this, n](bool on) {
                form_.checkBox(n).checked = on;
                handle([this, n] { (form_.*kCheckBoxHandlers[static_cast<std::size_t>(n - 1)])(); });
            });
            w = box;
            break;
        }
        case ControlKind::TrackBar: {
            auto* slider = new QSlider(Qt::Horizontal, page);
            const bool first = control.id == "rules.angle";
            TrackBar& bar = *trackBarOf(form_, control.id);
            slider->setRange(bar.min, bar.max);
            slider->setValue(bar.position);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(first ? 30 : 90);
            slider->setAccessibleName(
                Vemrik::tr((first ? ControlTexts::ruleAngleName : ControlTexts::headingName).pl.data()));
            if (!first) stepByDegrees(slider, kHeadingPageStep);
            connect(slider, &QSlider::valueChanged, this,
                    [this, change = trackBarChange(control.id), &bar](int v) {
                        bar.position = v;
                        handle([this, change] { (form_.*change)(); });
                    });
            w = slider;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(qs(control.caption.pl), page);
            (control.id == "rules.angleText" ? label1_ : label2_) = label;
            w = label;
            break;
        }
        case ControlKind::ListBox: {
            list_ = new QListWidget(page);
            list_->setAccessibleName(Vemrik::tr(ControlTexts::rulesName.pl.data()));
            // The selection, not the current row: Ctrl+click deselects a line but leaves it
            // current, and "Usuń" must then delete nothing.
            connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
                const QList<QListWidgetItem*> selected = list_->selectedItems();
                form_.ListBox1.itemIndex = selected.isEmpty() ? -1 : list_->row(selected.first());
            });
            w = list_;
            break;
        }
        case ControlKind::Slider:
            w = new QSlider(Qt::Horizontal, page);
            break;
        case ControlKind::Caption: {
            auto* label = new QLabel(page);
            label->setWordWrap(true);
            w = label;
            break;
        }
        case ControlKind::Note:
            w = new QLabel(Vemrik::tr(control.caption.pl.data()), page);
            break;
        case ControlKind::Arrow: {
            auto* label = new QLabel(page);
            label->setAlignment(Qt::AlignCenter);
            w = label;
            break;
        }
        case ControlKind::Memo:
            return nullptr;
    }
    w->setObjectName(name);
    if (control.width > 0)
        w->setGeometry(control.left, control.top, control.width, control.height);
    else {
        w->move(control.left, control.top);
        w->adjustSize();
    }
    return w;
}

void MainWindow::wireButton(QWidget* button, std::string_view name) {
    const FormHandler h = clickHandler(name);
    if (!h) return;
    connect(static_cast<QPushButton*>(button), &QPushButton::clicked, this,
            [this, h] { handle([this, h] { (form_.*h)(); }); });
}

void MainWindow::handle(const std::function<void()>& handler) {
    timer1_.catchUp();
    try {
        handler();
    } catch (const std::exception& e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QString());
    }
    // The page does the same after its events, so both show the same form.
    form_.afterEvent();
    mirror();
    for (const auto& [key, f] : afterHandle_) f();
    timer1_.wakeIfDue();
}

MainWindow::~MainWindow() {
    // Dialogs that watch the window unhook themselves when deleted; that must happen while this is
    // still a whole MainWindow, not later among the children QWidget's destructor deletes.
    qDeleteAll(findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly));
}

int MainWindow::addAfterHandle(std::function<void()> f, std::function<void()> forget) {
    afterHandle_.emplace(nextAfterHandleKey_, std::move(f));
    if (forget) languageChange_.emplace(nextAfterHandleKey_, std::move(forget));
    return nextAfterHandleKey_++;
}

void MainWindow::removeAfterHandle(int key) {
    afterHandle_.erase(key);
    languageChange_.erase(key);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() != QEvent::LanguageChange) return QMainWindow::event(event);
    // Read before Qt's own widgets put their stock texts back, written after.
    const std::function<void()> write = retranslateTexts(this);
    const bool done = QMainWindow::event(event);
    write();
    fitCaptions(this);
    nameSensorBoxes();
    for (const auto& [key, forget] : languageChange_) forget();
    for (const auto& [key, f] : afterHandle_) f();
    return done;
}

QWidget* MainWindow::control(std::string_view id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

CommandMenus& MainWindow::commandMenus() {
    if (!commandMenus_) commandMenus_ = std::make_unique<CommandMenus>(*this);
    return *commandMenus_;
}

QAction* MainWindow::commandAction(std::string_view id) { return commandMenus().action(id); }

QMenu* MainWindow::commandMenu(std::string_view id) { return commandMenus().menu(id); }

void MainWindow::setZoom(Zoom zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    zoomTexts(this, zoom);
    zoomForm(client_, zoom);
    fitToScreen();
    // Where the form was scrolled to at the old size is elsewhere at the new one.
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
}

void MainWindow::fitToScreen() {
    const QScreen* screen = this->screen();
    // Until shown the window is not laid out: what the bars take is not known yet.
    if (!screen || !isVisible()) return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    // The menus, the status bar and the docks keep their room; the form gets the rest.
    const QSize chrome = size() - scroll_->size();
    scroll_->setMinimum(available.size() - frame - chrome);
    layout()->activate();  // the window's least size follows the form's at once
    fitWithin(this, sizeHint(), available);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) fitToScreen();
}

void MainWindow::mirrorSelection() {
    if (!list_) return;
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    const int shown = selected.isEmpty() ? -1 : list_->row(selected.first());
    const int wanted = form_.ListBox1.itemIndex;
    if (shown == wanted) return;
    const QSignalBlocker block(list_);
    if (wanted < 0) {
        list_->clearSelection();
        return;
    }
    list_->setCurrentRow(wanted);
    list_->scrollToItem(list_->currentItem());
}

void MainWindow::selectRule(int line) {
    handle([this, line] { form_.SelectRule(line); });
    notebook_->setCurrentIndex(kAlgorithmPage);
}

void MainWindow::selectRuleOnClick(QListWidget* list) {
    const auto select = [this](QListWidgetItem* item) {
        const int line = item->data(Qt::UserRole).toInt();
        if (line >= 0) selectRule(line);
    };
    connect(list, &QListWidget::itemClicked, this, select);
    connect(list, &QListWidget::itemActivated, this, select);
}

void MainWindow::reportError(const QString& message) {
    // One box at a time: a timer that keeps failing must not stack them.
    if (errorBox_) return;
    errorBox_ = new QMessageBox(QMessageBox::Critical, windowTitle(), message, QMessageBox::Ok, this);
    errorBox_->setAttribute(Qt::WA_DeleteOnClose);
    errorBox_->open();
}

void MainWindow::mirror() {
    if (label1_ && label1_->text() != qs(form_.Label1.caption)) {
        label1_->setText(qs(form_.Label1.caption));
        label1_->adjustSize();
    }
    if (label2_ && label2_->text() != qs(form_.Label2.caption)) {
        label2_->setText(qs(form_.Label2.caption));
        label2_->adjustSize();
    }
    if (list_ && listShown_ != form_.ListBox1.version) {
        const QSignalBlocker block(list_);
        list_->clear();
        for (const std::string& line : form_.ListBox1.lines) list_->addItem(qs(line));
        list_->setCurrentRow(form_.ListBox1.itemIndex);
        listShown_ = form_.ListBox1.version;
    }
    mirrorSelection();
    // An undone edit moves the angles without the sliders.
    for (const auto& [id, bar] :
         {std::pair{"rules.angle", &form_.TrackBar1}, std::pair{"sim.heading", &form_.TrackBar2}}) {
        auto* slider = control<QSlider>(id);
        if (!slider || slider->value() == bar->position) continue;
        const QSignalBlocker block(slider);
        slider->setValue(bar->position);
    }
    // A click toggles a checkable button on its own; the form decides what stays down.
    for (const auto& [id, button] : toolButtons_)
        if (button->isChecked() != buttonDown(form_, id)) button->setChecked(buttonDown(form_, id));
    if (form_.Timer1.enabled != timer1_.isActive()) form_.Timer1.enabled ? timer1_.start() : timer1_.stop();
    if (timer2_.interval() != form_.Timer2.interval) timer2_.setInterval(form_.Timer2.interval);
    if (form_.Timer2.enabled != timer2_.isActive()) form_.Timer2.enabled ? timer2_.start() : timer2_.stop();
    for (ImageView* view : images_) view->refresh();
}

}  // namespace vemrik
