#include "ui/qt/challenge_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/files.h"
#include "ui/challenge_texts.h"
#include "ui/commands.h"
#include "ui/evaluation_texts.h"
#include "ui/grading_texts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"
#include "ui/qt/workspace_menu.h"
#include "ui/workspace_form.h"

namespace vemrik {

namespace {

const char* const kProgressKey = "challenges/progress";

QString said(const Text& text) { return qs(say(text)); }

QString starText(int stars) {
    QString shown;
    for (int i = 0; i < 3; ++i) shown += i < stars ? QStringLiteral("★") : QStringLiteral("☆");
    return shown;
}

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QStringList challengeFolders() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(VEMRIK_INSTALLED_CHALLENGES)))};
    if (QFileInfo(programDir) == QFileInfo(QStringLiteral(VEMRIK_BUILD_DIR)))
        folders << QStringLiteral(VEMRIK_SOURCE_CHALLENGES);
    return folders;
}

ChallengeDialog::ChallengeDialog(const std::string& heading, const ChallengeVerdict& verdict,
                                 std::function<std::string(std::size_t)> showRun, QWidget* parent)
    : QDialog(parent), showRun_(std::move(showRun)) {
    setObjectName("challengeDialog");
    setWindowTitle(said(ChallengeTexts::title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrapped(qs(heading), this));
    stars_ = new QLabel(starText(verdict.stars), this);
    stars_->setObjectName("challengeStars");
    QFont big = stars_->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    stars_->setFont(big);
    stars_->setAlignment(Qt::AlignCenter);
    layout->addWidget(stars_);
    sentence_ = wrapped(qs(verdict.sentence), this);
    sentence_->setObjectName("challengeSentence");
    layout->addWidget(sentence_);
    failed_ = new QListWidget(this);
    failed_->setObjectName("challengeFailedRuns");
    for (const std::string& line : verdict.failedRuns) failed_->addItem(qs(line));
    showRunButton_ = new QPushButton(said(EvaluationTexts::showRun), this);
    showRunButton_->setObjectName("challengeShowRun");
    showRunButton_->setEnabled(false);
    refusal_ = wrapped(QString(), this);
    if (!verdict.failedRuns.empty()) {
        layout->addWidget(new QLabel(said(ChallengeTexts::failedRuns), this));
        layout->addWidget(failed_);
        layout->addWidget(showRunButton_);
        layout->addWidget(refusal_);
    } else {
        failed_->hide();
        showRunButton_->hide();
        refusal_->hide();
    }
    if (!verdict.hints.empty()) {
        QString hints = said(ChallengeTexts::hints);
        for (const std::string& h : verdict.hints) hints += QStringLiteral("\n• ") + qs(h);
        layout->addWidget(wrapped(hints, this));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(Vemrik::tr("&Zamknij"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(failed_, &QListWidget::currentRowChanged, this,
            [this](int row) { showRunButton_->setEnabled(row >= 0); });
    connect(showRunButton_, &QPushButton::clicked, this, [this] { showSelectedRun(); });
    connect(failed_, &QListWidget::itemActivated, this, [this] { showSelectedRun(); });
}

void ChallengeDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Its sentence and hints were judged in the language left; checking again words them anew.
    if (event->type() == QEvent::LanguageChange) close();
}

void ChallengeDialog::showSelectedRun() {
    if (failed_->currentRow() < 0) return;
    const std::string refusal = showRun_(static_cast<std::size_t>(failed_->currentRow()));
    refusal_->setText(qs(refusal));
    if (refusal.empty()) reject();
}

ChallengeMenu::ChallengeMenu(WorkspaceMenu& menu, const QStringList& folders)
    : menu_(menu), window_(menu.window()) {
    session_.takeProgress(QSettings().value(kProgressKey).toString().toStdString());
    for (const QString& folder : folders)
        if (QFileInfo(folder).isDir() && session_.openSeries(QFile::encodeName(folder).toStdString()).empty())
            break;
    // Filled as it opens, so the stars and the goals' language are always today's.
    connect(window_.commandMenu("challenges.levels"), &QMenu::aboutToShow, this, [this] { fillLevels(); });
    fillLevels();
    const auto on = [this](std::string_view id, auto slot) {
        connect(window_.commandAction(id), &QAction::triggered, this, slot);
    };
    on("challenges.check", [this] { check(); });
    on("challenges.saveProgress", [this] { saveProgress(); });
    on("challenges.openFolder", [this] {
        const QString folder = QFileDialog::getExistingDirectory(&window_, said(ChallengeTexts::folderTitle),
                                                                 menu_.startFolder());
        if (!folder.isEmpty()) openFolder(folder);
    });
}

void ChallengeMenu::fillLevels() {
    QMenu* levels = window_.commandMenu("challenges.levels");
    levels->clear();
    for (std::size_t i = 0; i < session_.levelCount(); ++i) {
        QAction* a = levels->addAction(qs(session_.levelCaption(i)));
        a->setCheckable(true);
        a->setChecked(session_.openIndex() == i);
        connect(a, &QAction::triggered, this, [this, i] { openLevel(i); });
    }
    levels->menuAction()->setEnabled(!levels->isEmpty());
}

bool ChallengeMenu::openLevel(std::size_t index) {
    const ChallengeSession::Opened opened = session_.openLevel(index);
    if (!opened.work) {
        report(opened.error);
        return false;
    }
    return menu_.openWork(*opened.work);
}

bool ChallengeMenu::openFolder(const QString& folder) {
    const std::string error = session_.openSeries(QFile::encodeName(folder).toStdString());
    if (!error.empty()) report(error);
    fillLevels();
    return error.empty();
}

void ChallengeMenu::check() {
    const Workspace judged = captureWorkspace(window_.form());
    const ChallengeSession::Checked checked = session_.check(judged);
    if (!checked.verdict) return report(checked.error);
    QSettings().setValue(kProgressKey, qs(session_.progressText()));
    if (dialog_) dialog_->close();
    dialog_ = new ChallengeDialog(
        session_.openHeading(), *checked.verdict,
        [this, verdict = *checked.verdict, judged](std::size_t n) { return showRun(verdict, judged, n); },
        &window_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    dialog_->show();
}

std::string ChallengeMenu::showRun(const ChallengeVerdict& verdict, const Workspace& judged, std::size_t n) {
    const ChallengeVerdict::FailedRun& failed = verdict.failed.at(n);
    const std::string refusal = session_.showRunRefusal(failed, judged, captureWorkspace(window_.form()));
    const Task* task = session_.openTask();
    if (!refusal.empty() || !task) return refusal;
    TForm1& form = window_.form();
    window_.handle([&] {
        form.ReplaySeededRun(failed.run.seed, evaluatedRunStop(failed.run.result.steps), task->noise);
    });
    window_.notebook()->setCurrentIndex(kSimulationPage);
    return {};
}

void ChallengeMenu::saveProgress() {
    const QString path =
        savePathFromDialog(&window_, qs(plainCaption(say(findCommand("challenges.saveProgress")->caption))),
                           QDir(menu_.startFolder()).filePath(said(ChallengeTexts::progressName)),
                           said(ChallengeTexts::progressFilter), QStringLiteral("vemrik-progress"));
    if (path.isEmpty()) return;
    if (const auto error = saveAtomically(QFile::encodeName(path).toStdString(), session_.progressText()))
        report(say(GradingTexts::cannotSave, {path.toStdString(), *error}));
}

void ChallengeMenu::report(const std::string& message) {
    QMessageBox::critical(&window_, QStringLiteral("Vemrik"), qs(message));
}

}  // namespace vemrik
