#include "ui/qt/timeline_panel.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/files.h"
#include "ui/qt/command_menus.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/qt/timeline_widget.h"
#include "ui/timeline_texts.h"

namespace vemrik {

namespace {

QString suffixOf(const QString& filter) {
    return filter.contains(QStringLiteral("*.svg")) ? QStringLiteral("svg") : QStringLiteral("png");
}

ChartFile chartFileFromDialog(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, Vemrik::tr("Zapisz wykres"), suggested,
                       Vemrik::tr("Obraz PNG (*.png);;Rysunek SVG (*.svg)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix of the type chosen, so that the dialog asks before replacing the very file written.
    const auto follow = [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    if (dialog.exec() != QDialog::Accepted) return {};
    return chartFileFor(dialog.selectedFiles().value(0), dialog.selectedNameFilter());
}

QString swatch(std::uint32_t colour) {
    return QStringLiteral("<span style=\"color:%1\">■</span>").arg(QColor::fromRgb(colour).name());
}

}  // namespace

ChartFile chartFileFor(const QString& typed, const QString& chosenFilter) {
    if (typed.isEmpty()) return {};
    const QString chosen = suffixOf(chosenFilter);
    if (!QFileInfo(typed).fileName().contains(u'.')) return {typed + u'.' + chosen, chosen == u"svg"};
    const QString suffix = QFileInfo(typed).suffix().toLower();
    return {typed, suffix == u"svg" || (suffix != u"png" && chosen == u"svg")};
}

TimelinePanel::TimelinePanel(MainWindow& window) : window_(window) {
    chooseChartFile = [this](const QString& suggested) { return chartFileFromDialog(&window_, suggested); };
    showError = [this](const QString& message) {
        QMessageBox::critical(&window_, QStringLiteral("Vemrik"), message);
    };
    build();
    // Owned by the dock, and taken down after the chart that reads its time line.
    setParent(dock_);
}

void TimelinePanel::build() {
    dock_ = new QDockWidget(worded(TimelineTexts::title), &window_);
    dock_->setObjectName("runTimeline");
    auto* body = new QWidget(dock_);
    auto* layout = new QVBoxLayout(body);
    auto* buttons = new QHBoxLayout();
    auto* fit = new QPushButton(worded(TimelineTexts::fit), body);
    fit->setObjectName("timelineFit");
    fit->setToolTip(worded(TimelineTexts::fitTip));
    auto* save = new QPushButton(worded(TimelineTexts::save), body);
    save->setObjectName("timelineSave");
    back_ = new QPushButton(worded(TimelineTexts::back), body);
    back_->setObjectName("timelineBack");
    back_->setToolTip(worded(TimelineTexts::backTip));
    back_->hide();
    auto* turns = new QCheckBox(worded(TimelineTexts::turns), body);
    turns->setObjectName("timelineTurns");
    turns->setToolTip(worded(TimelineTexts::turnsTip));
    buttons->addWidget(fit);
    buttons->addWidget(save);
    buttons->addWidget(back_);
    buttons->addWidget(turns);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    source_ = new QLabel(body);
    source_->setObjectName("timelineSource");
    source_->setWordWrap(true);
    source_->hide();
    layout->addWidget(source_);
    chart_ = new TimelineWidget(timeline_, body);
    chart_->setObjectName("timelineChart");
    chart_->setAccessibleName(worded(TimelineTexts::chartName));
    layout->addWidget(chart_);
    legend_ = new QLabel(body);
    legend_->setObjectName("timelineLegend");
    legend_->setWordWrap(true);
    legend_->setTextFormat(Qt::RichText);
    layout->addWidget(legend_);
    // Where the screen leaves the dock less than all of it, its contents scroll.
    auto* area = new QScrollArea(dock_);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(body);
    dock_->setWidget(area);

    chart_->rules = [this]() -> const std::vector<std::string>& { return ruleTexts(); };
    clickShowsStep();
    connect(fit, &QPushButton::clicked, chart_, [this] { chart_->fitAll(); });
    connect(save, &QPushButton::clicked, this, [this] { saveChart(); });
    connect(back_, &QPushButton::clicked, this, [this] { followWindow(); });
    connect(turns, &QCheckBox::toggled, chart_,
            [this](bool counted) { chart_->setHeadingWrapped(!counted); });
    // "Start" begins a run of the window's own: that is what the chart shows from then on.
    connect(window_.control<QPushButton>("sim.start"), &QPushButton::clicked, this, [this] {
        if (log_.shown()) followWindow();
    });

    window_.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (!shown) return;
        refresh();
        fitWindow();
    });
    action_ = window_.commandAction("run.timeline");
    followDock(action_, dock_);
}

void TimelinePanel::claimRoom() {
    const QScreen* screen = window_.screen();
    if (!screen) return;
    QScrollArea* area = static_cast<QScrollArea*>(dock_->widget());
    const auto height = [](const QWidget* w) { return w ? w->sizeHint().height() : 0; };
    const int frame = window_.frameGeometry().height() - window_.height();
    const int room = screen->availableGeometry().height() - frame - height(window_.menuWidget()) -
                     height(window_.statusBar());
    const int title =
        dock_->minimumSizeHint().height() - area->minimumSizeHint().expandedTo(area->minimumSize()).height();
    // The form keeps a third of the room, or less when it needs less; the rest may go to the chart.
    const int form = std::min(height(window_.centralWidget()), room / 3);
    area->setMinimumHeight(std::max(0, std::min(height(area->widget()), room - form - title)));
}

void TimelinePanel::fitWindow() {
    claimRoom();
    // Once the window has made room for the dock: it must not reach past the screen.
    QTimer::singleShot(0, this, [this] {
        window_.layout()->activate();
        window_.fitToScreen();
    });
}

void TimelinePanel::clickShowsStep() {
    TForm1& form = window_.form();
    chart_->stepClicked = [this, &form](std::uint64_t step) {
        window_.handle([&form, step] { form.ShowStep(step); });
    };
}

const std::vector<std::string>& TimelinePanel::ruleTexts() const {
    return log_.rules(window_.form().ListBox1.lines.lines());
}

void TimelinePanel::showLog(const RunLog& log, const QString& fileName) {
    log_.show(timeline_, log, fileName.toStdString());
    // A log has no pose to show in the window: a click only tells about its step.
    chart_->stepClicked = nullptr;
    chart_->markStep(~std::size_t{0});
    showSource();
    source_->show();
    back_->show();
    legendLines_ = ~std::size_t{0};
    dock_->show();
    dock_->raise();
    shownVersion_ = timeline_.version();
    chart_->fitAll();
    showLegend();
}

void TimelinePanel::showSource() { source_->setText(qs(log_.source(timeline_))); }

void TimelinePanel::forgetTexts() {
    legendLines_ = ~std::size_t{0};
    if (log_.shown()) showSource();
}

void TimelinePanel::followWindow() {
    if (!log_.shown()) return;
    log_.clear(timeline_);
    clickShowsStep();
    source_->hide();
    back_->hide();
    legendLines_ = ~std::size_t{0};
    shownVersion_ = ~std::uint64_t{0};
    refresh();
    chart_->resetView();
}

void TimelinePanel::refresh() {
    if (!dock_->isVisible() || log_.shown()) return;
    bool rulesRead = false;
    const std::size_t cursor = followForm(timeline_, feed_, window_.form(), &rulesRead);
    if (rulesRead) legendLines_ = ~std::size_t{0};
    chart_->markStep(cursor);
    if (shownVersion_ != timeline_.version()) {
        shownVersion_ = timeline_.version();
        chart_->timelineChanged();
    }
    showLegend();
}

void TimelinePanel::showLegend() {
    if (legendLines_ == timeline_.rules().size()) return;
    legendLines_ = timeline_.rules().size();
    const TimelineLegend legend = timelineLegend(timeline_, ruleTexts());
    const auto swatches = [](const std::vector<LegendEntry>& entries) {
        QStringList parts;
        for (const LegendEntry& e : entries) parts << swatch(e.colour) + qs(e.text).toHtmlEscaped();
        return parts.join(QStringLiteral("; "));
    };
    legend_->setText(qs(legend.rulesHeading).toHtmlEscaped() +
                     (legend.rules.empty() ? qs(legend.noRule) : swatches(legend.rules)) +
                     QStringLiteral("<br>") + qs(legend.marksHeading) + swatches(legend.marks) +
                     QStringLiteral("<br>") + qs(legend.sensors));
}

bool TimelinePanel::saveChart() {
    const ChartFile file = chooseChartFile(QDir::current().filePath(Vemrik::tr("wykres.png")));
    if (file.path.isEmpty()) return false;
    return write(file);
}

bool TimelinePanel::write(const ChartFile& file) {
    const QString& path = file.path;
    const QSize size = chart_->chartSize();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (file.svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(worded(TimelineTexts::title));
        QPainter p(&svg);
        p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        chart_->render(p, true);
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            chart_->render(p, false);
        }
        image.save(&buffer, "PNG");
    }
    const QByteArray& bytes = buffer.data();
    if (const auto error =
            saveAtomically(QFile::encodeName(path).toStdString(),
                           std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        showError(Vemrik::tr("Nie można zapisać wykresu „%1”:\n%2").arg(path, qs(*error)));
        return false;
    }
    return true;
}

TimelinePanel* timelinePanelOf(MainWindow& window) {
    for (const QDockWidget* dock : window.findChildren<QDockWidget*>(QString(), Qt::FindDirectChildrenOnly))
        for (QObject* child : dock->children())
            if (auto* panel = dynamic_cast<TimelinePanel*>(child)) return panel;
    return nullptr;
}

TimelinePanel* addTimelinePanel(MainWindow& window) {
    auto* panel = new TimelinePanel(window);
    // The window outlives its after-handle list's calls, the panel not: it is asked through a guard.
    window.addAfterHandle(
        [guard = QPointer<TimelinePanel>(panel)] {
            if (guard) guard->refresh();
        },
        [guard = QPointer<TimelinePanel>(panel)] {
            if (guard) guard->forgetTexts();
        });
    return panel;
}

}  // namespace vemrik
