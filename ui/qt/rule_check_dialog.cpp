#include "ui/qt/rule_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "analysis/rule_check.h"
#include "analysis/rule_texts.h"
#include "robot/robot_cells.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/texts.h"
#include "ui/stop_trial.h"

namespace vemrik {

namespace {

// Over the previews at the left of "Algorytm", so the rule list it selects in stays in sight.
const QSize kDialogSize(425, 380);
const QPoint kDialogOffset(4, 48);

}  // namespace

RuleCheckDialog::RuleCheckDialog(MainWindow& window) : QDialog(&window), window_(window) {
    setObjectName("ruleCheckDialog");
    setWindowTitle(Vemrik::tr("Sprawdź reguły"));
    resize(kDialogSize);
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName("ruleCheckSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    auto* hint = new QLabel(
        Vemrik::tr("Linie liczone od 1; „*” to czujnik w dowolnym stanie. Kliknij uwagę, aby zaznaczyć jej "
                   "linię na liście reguł."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    list_ = new QListWidget(this);
    list_->setObjectName("ruleCheckFindings");
    list_->setAccessibleName(Vemrik::tr("Uwagi"));
    list_->setWordWrap(true);
    layout->addWidget(list_, 1);
    // Our own button, not the stock Close: Qt would put its own caption back on a language change.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Vemrik::tr("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    window_.selectRuleOnClick(list_);
    afterHandleKey_ = window_.addAfterHandle(
        [this] {
            if (isVisible()) refresh();
        },
        [this] { checkedSensors_ = -1; });
    refresh();
}

RuleCheckDialog::~RuleCheckDialog() { window_.removeAfterHandle(afterHandleKey_); }

void RuleCheckDialog::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

void RuleCheckDialog::refresh() {
    const TForm1& form = window_.form();
    const int sensors = stateSensorCount(form.State.RobotGrid);
    if (form.engine.workVersion() == checkedWork_ && sensors == checkedSensors_) return;
    checkedWork_ = form.engine.workVersion();
    checkedSensors_ = sensors;
    const std::vector<std::string>& rules = form.ListBox1.lines;
    const std::vector<Finding> found = ruleCheckFindings(form);
    summary_->setText(qs(checkSummary(found.size(), sensors)));
    list_->clear();
    for (const Finding& f : found) {
        auto* item = new QListWidgetItem(qs(findingText(f, rules, sensors)), list_);
        item->setData(Qt::UserRole, f.line);
    }
}

QPushButton* addRuleCheck(MainWindow& window) {
    auto* button = window.control<QPushButton>("rules.check");
    auto dialog = std::make_shared<QPointer<RuleCheckDialog>>();
    QObject::connect(button, &QPushButton::clicked, &window, [&window, dialog] {
        if (!*dialog) {
            *dialog = new RuleCheckDialog(window);
            (*dialog)->move(window.mapToGlobal(kDialogOffset));
        }
        (*dialog)->show();
        fitOnScreen(*dialog, (*dialog)->size());
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
    return button;
}

}  // namespace vemrik
