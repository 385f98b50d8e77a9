#include "ui/qt/rule_inspector.h"

#include <QAction>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include "algorithm/rule_text.h"
#include "analysis/rule_texts.h"
#include "robot/robot_cells.h"
#include "simulation/run_status.h"
#include "ui/qt/command_menus.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

constexpr int kDockWidth = 270;
constexpr int kSensorBoxSize = 22;
const QString kOnStyle = QStringLiteral("background: #3a7d44; color: white; font-weight: bold;");
const QString kOffStyle = QStringLiteral("background: white; color: black;");
const QString kAbsentStyle = QStringLiteral("background: #e0e0e0; color: #808080;");

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

RuleInspector::RuleInspector(MainWindow& window) : window_(window) {
    build();
    afterHandleKey_ = window_.addAfterHandle([this] { refresh(); },
                                             [this] {
                                                 sensorsTold_ = false;
                                                 shownMatches_.clear();
                                             });
}

RuleInspector::~RuleInspector() { window_.removeAfterHandle(afterHandleKey_); }

void RuleInspector::build() {
    dock_ = new QDockWidget(Vemrik::tr("Inspektor reguł"), &window_);
    dock_->setObjectName("ruleInspector");
    auto* body = new QWidget(dock_);
    body->setMinimumWidth(kDockWidth);
    auto* layout = new QVBoxLayout(body);

    count_ = caption(QString(), body);
    layout->addWidget(count_);
    auto* grid = new QGridLayout();
    for (int k = 0; k < kSensorSlots; ++k) {
        grid->addWidget(new QLabel(QString::number(k + 1), body), 0, k, Qt::AlignHCenter);
        auto* state = new QLabel(body);
        state->setObjectName(QStringLiteral("inspectorSensor%1").arg(k + 1));
        state->setAlignment(Qt::AlignCenter);
        state->setFixedSize(kSensorBoxSize, kSensorBoxSize);
        state->setFrameShape(QFrame::Box);
        grid->addWidget(state, 1, k, Qt::AlignHCenter);
        sensors_[static_cast<std::size_t>(k)] = state;
    }
    layout->addLayout(grid);
    pattern_ = caption(QString(), body);
    layout->addWidget(pattern_);

    layout->addWidget(caption(Vemrik::tr("Pasujące reguły i ich szanse w następnym kroku "
                                         "(kliknij, by zaznaczyć linię):"),
                              body));
    matches_ = new QListWidget(body);
    matches_->setObjectName("inspectorMatches");
    matches_->setAccessibleName(Vemrik::tr("Pasujące reguły"));
    matches_->setWordWrap(true);
    layout->addWidget(matches_, 1);
    lastStep_ = caption(QString(), body);
    lastStep_->setObjectName("inspectorLastStep");
    layout->addWidget(lastStep_);
    dock_->setWidget(body);

    window_.selectRuleOnClick(matches_);

    window_.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (!shown) return;
        refresh();
        // Once the window has made room for the dock: it must not reach past the screen.
        QTimer::singleShot(0, &window_, [this] { window_.fitToScreen(); });
    });

    action_ = window_.commandAction("run.inspector");
    followDock(action_, dock_);
}

void RuleInspector::refresh() {
    if (!dock_->isVisible()) return;
    const TForm1& form = window_.form();
    if (readVersion_ != form.ListBox1.version) {
        reading_ = readLines(form.ListBox1.lines);
        readVersion_ = form.ListBox1.version;
    }
    const int count = stateSensorCount(form.State.RobotGrid);
    showSensors(count);
    showMatches(patternOf(form.State.SensorStates));
    const LastRule last = form.engine.record().lastRule();
    const QString lastText =
        Vemrik::tr("Ostatni krok: ") +
        (last.stepped ? qs(lastRuleText(last)) : Vemrik::tr("jeszcze żadnego od „Start”"));
    if (lastStep_->text() != lastText) lastStep_->setText(lastText);
}

void RuleInspector::showSensors(int count) {
    const QString countText = Vemrik::tr("Czujniki z ostatniego pomiaru (robot ma %1 z 8):").arg(count);
    if (count_->text() != countText) count_->setText(countText);
    const auto& states = window_.form().State.SensorStates;
    for (int k = 0; k < kSensorSlots; ++k) {
        QLabel* label = sensors_[static_cast<std::size_t>(k)];
        const bool on = states[static_cast<std::size_t>(k)] != 0;
        const bool absent = k >= count;
        // A slot past the robot's sensors holds 1 only when a check box on "Algorytm" set it.
        const QString text = absent && !on ? QStringLiteral("–")
                             : on          ? QStringLiteral("1")
                                           : QStringLiteral("0");
        const bool same = label->text() == text && label->isEnabled() == !absent;
        if (same && sensorsTold_) continue;
        if (!same) {
            label->setText(text);
            label->setEnabled(!absent);
            label->setStyleSheet(absent ? kAbsentStyle : on ? kOnStyle : kOffStyle);
        }
        label->setToolTip(absent ? Vemrik::tr("Robot nie ma czujnika %1").arg(k + 1)
                          : on   ? Vemrik::tr("Czujnik %1 widzi linię").arg(k + 1)
                                 : Vemrik::tr("Czujnik %1 nie widzi linii").arg(k + 1));
    }
    sensorsTold_ = true;
}

void RuleInspector::showMatches(int pattern) {
    const TForm1& form = window_.form();
    const PatternOdds odds = oddsAt(reading_, pattern);
    const QString patternText =
        Vemrik::tr("Wzorzec: ") + qs(cubeText({kPatternCount - 1, pattern}, kSensorSlots));
    if (pattern_->text() != patternText) pattern_->setText(patternText);
    QStringList texts;
    for (const int line : odds.lines) {
        const std::string& rule = form.ListBox1.lines[static_cast<std::size_t>(line)];
        // Every line here has the pattern shown above: its angle tells them apart.
        texts << Vemrik::tr("linia %1 (kąt %2): %3")
                     .arg(line + 1)
                     .arg(qs(std::string_view(rule).substr(kPatternLength)),
                          qs(matchVerdict(line, reading_[static_cast<std::size_t>(line)], odds)));
    }
    texts << qs(straightVerdict(odds)) +
                 (odds.lines.empty() ? Vemrik::tr(" (żadna reguła nie pasuje)") : QString());
    if (texts == shownMatches_) return;
    shownMatches_ = texts;
    matches_->clear();
    for (int i = 0; i < texts.size(); ++i) {
        auto* item = new QListWidgetItem(texts[i], matches_);
        item->setData(Qt::UserRole,
                      i < static_cast<int>(odds.lines.size()) ? odds.lines[static_cast<std::size_t>(i)] : -1);
    }
}

}  // namespace vemrik
