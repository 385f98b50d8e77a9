#include "ui/qt/run_view.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStatusBar>

#include "analysis/run_csv.h"
#include "engine/run_control.h"
#include "platform/files.h"
#include "simulation/run_status.h"
#include "ui/file_texts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/status_line.h"

namespace vemrik {

namespace {

// A light yellow that the list's text stays readable on.
const QColor kFiredRuleBackground(255, 236, 150);

}  // namespace

RunView::RunView(MainWindow& window) : window_(window) {
    askSeed = [this](std::uint32_t current) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(&window_, Vemrik::tr("Ziarno losowania"),
                                  Vemrik::tr("Ziarno (liczba całkowita od 0 do 4294967295):"),
                                  QLineEdit::Normal, QString::number(current), &ok);
        return ok ? std::optional<QString>(text) : std::nullopt;
    };
    chooseCsvPath = [this](const QString& suggested) {
        const SaveChoice c = saveChoiceFromDialog(
            &window_, Vemrik::tr("Zapisz przebieg"), suggested,
            Vemrik::tr("Pliki CSV (*.csv);;Arkusz kalkulacyjny (*.csv);;Wszystkie pliki (*)"),
            QStringLiteral("csv"));
        return CsvChoice{c.path, c.filter == 1 ? CsvForm::Sheet : CsvForm::Plain};
    };
    showError = [this](const QString& message) {
        QMessageBox::critical(&window_, QStringLiteral("Vemrik"), message);
    };

    list_ = window_.control<QListWidget>("rules.list");
    connectMenu();
    buildStatusBar();
    afterHandleKey_ =
        window_.addAfterHandle([this] { refresh(); }, [this] { listVersion_ = ~std::uint64_t{0}; });
    refresh();
}

RunView::~RunView() { window_.removeAfterHandle(afterHandleKey_); }

void RunView::connectMenu() {
    const auto on = [this](std::string_view id, auto slot) {
        connect(window_.commandAction(id), &QAction::triggered, this, slot);
    };
    // The trail, the speed and repeatable runs are the command table's own handlers.
    on("run.seed", [this] { chooseSeed(); });
    on("run.saveRun", [this] { saveRun(); });
}

void RunView::buildStatusBar() {
    QStatusBar* bar = window_.statusBar();
    bar->setObjectName("statusBar");
    bar->setSizeGripEnabled(false);
    static constexpr const char* kNames[StatusLine::kParts] = {"statusSteps",   "statusTime", "statusState",
                                                               "statusEvent",   "statusPose", "statusRule",
                                                               "statusHistory", "statusSeed"};
    for (int i = 0; i < StatusLine::kParts; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(kNames[i]);
        label->setContentsMargins(4, 0, 8, 0);
        if (i == StatusLine::Seed)
            bar->addPermanentWidget(label);
        else
            bar->addWidget(label);
        labels_.push_back(label);
    }
}

QString RunView::statusText() const {
    QStringList parts;
    for (const QLabel* label : labels_)
        if (!label->text().isEmpty()) parts << label->text();
    return parts.join(QStringLiteral(" | "));
}

bool RunView::chooseSeed() {
    TForm1& form = window_.form();
    const std::optional<QString> text = askSeed(form.engine.seed());
    if (!text) return false;
    const std::optional<std::uint32_t> seed = seedFromText(text->toStdString());
    if (!seed) {
        showError(qs(say(FileTexts::notASeed, {text->toStdString()})));
        return false;
    }
    window_.handle([&form, s = *seed] { form.engine.setSeed(s); });
    return true;
}

bool RunView::saveRun() {
    const auto [path, form] = chooseCsvPath(QDir::current().filePath(Vemrik::tr("przebieg.csv")));
    if (path.isEmpty()) return false;
    const std::string csv = runCsv(window_.form().engine.record(), form);
    if (const auto error = saveAtomically(QFile::encodeName(path).toStdString(), csv)) {
        showError(Vemrik::tr("Nie można zapisać przebiegu „%1”:\n%2").arg(path, qs(*error)));
        return false;
    }
    return true;
}

void RunView::refresh() {
    const StatusLine line = statusLine(window_.form());
    for (int i = 0; i < StatusLine::kParts; ++i) {
        const QString text = qs(line.parts[static_cast<std::size_t>(i)]);
        if (labels_[static_cast<std::size_t>(i)]->text() != text)
            labels_[static_cast<std::size_t>(i)]->setText(text);
    }
    labels_[StatusLine::Rule]->setToolTip(qs(line.ruleHint));
    labels_[StatusLine::Steps]->setToolTip(qs(line.stepsHint));
    if (QWidget* step = window_.control("sim.stepText")) step->setToolTip(qs(line.stepsHint));
    markRules();
}

void RunView::markRules() {
    if (!list_) return;
    const TForm1& form = window_.form();
    if (listVersion_ != form.ListBox1.version) {
        // mirror() has built new items: nothing of ours is on them yet.
        listVersion_ = form.ListBox1.version;
        markedRow_ = -1;
        shownHits_.assign(static_cast<std::size_t>(list_->count()), ~std::uint64_t{0});
    }
    const LastRule last = form.engine.record().lastRule();
    const int fired = last.line < list_->count() ? last.line : -1;
    if (fired != markedRow_) {
        if (QListWidgetItem* old = list_->item(markedRow_)) old->setBackground(QBrush());
        if (QListWidgetItem* now = list_->item(fired)) now->setBackground(kFiredRuleBackground);
        markedRow_ = fired;
    }
    shownHits_.resize(static_cast<std::size_t>(list_->count()), ~std::uint64_t{0});
    for (int i = 0; i < list_->count(); ++i) {
        const std::uint64_t hits = form.engine.record().hits(i);
        std::uint64_t& shown = shownHits_[static_cast<std::size_t>(i)];
        if (shown == hits) continue;
        list_->item(i)->setToolTip(qs(hitsText(hits)));
        shown = hits;
    }
}

}  // namespace vemrik
