#include "ui/qt/grading_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <memory>

#include "evaluation/grade/class_files.h"
#include "evaluation/grade/grade_report.h"
#include "evaluation/grade/printable_text.h"
#include "platform/files.h"
#include "ui/grading_texts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/race_window.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/texts.h"
#include "ui/race_texts.h"

namespace vemrik {

namespace {

QString said(const Text& text) { return qs(say(text)); }

std::vector<std::string> utf8(const QStringList& paths) {
    std::vector<std::string> out;
    for (const QString& p : paths) out.push_back(p.toStdString());
    return out;
}

/// The whole grading, off the window's thread: what vemrik-eval grade does between its arguments
/// and its output.
GradedClass gradeAll(const std::string& taskPath, const std::vector<std::string>& named,
                     const std::function<void(int, int)>& graded) {
    GradedClass g;
    g.taskPath = taskPath;
    std::optional<std::vector<std::string>> students = studentFiles(named, g.refusal);
    if (!students) return g;
    if (students->empty()) {
        g.refusal =
            say({"w podanych folderach nie ma plików .vemrik", "the folders given hold no .vemrik files"});
        return g;
    }
    ParsedTask read = readTaskFile(taskPath);
    if (!read.task) {
        g.refusal = taskErrorText(taskPath, read.error);
        return g;
    }
    const std::vector<StudentResult> ranked = gradeClass(*read.task, *students, graded);
    g.table = gradeTableText(*read.task, taskPath, ranked);
    g.html = gradeHtmlText(*read.task, taskPath, ranked);
    g.csv = gradeCsvText(*read.task, ranked, CsvForm::Plain);
    g.sheet = gradeCsvText(*read.task, ranked, CsvForm::Sheet);
    g.ranked = ranked;
    g.task = std::move(read.task);
    g.students = std::move(*students);
    return g;
}

}  // namespace

GradingDialog::GradingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("gradingDialog");
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    auto* taskButton = captioned(new QPushButton(this), GradingTexts::task);
    auto* folderButton = captioned(new QPushButton(this), GradingTexts::folder);
    auto* filesButton = captioned(new QPushButton(this), GradingTexts::files);
    for (QPushButton* b : {taskButton, folderButton, filesButton}) choices->addWidget(b);
    choices->addStretch();
    layout->addLayout(choices);
    chosen_ = new QLabel(this);
    chosen_->setWordWrap(true);
    layout->addWidget(chosen_);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    layout->addWidget(progress_);
    table_ = new QPlainTextEdit(this);
    table_->setReadOnly(true);
    table_->setLineWrapMode(QPlainTextEdit::NoWrap);
    table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(table_, 1);
    auto* buttons = new QDialogButtonBox(this);
    gradeButton_ =
        captioned(buttons->addButton(QString(), QDialogButtonBox::ActionRole), GradingTexts::grade);
    const struct {
        const Text* caption;
        const std::string GradedClass::*text;
        const Text* filter;
        const char* suffix;
    } outputs[] = {{&GradingTexts::saveHtml, &GradedClass::html, &GradingTexts::htmlFilter, "html"},
                   {&GradingTexts::saveCsv, &GradedClass::csv, &GradingTexts::csvFilter, "csv"},
                   {&GradingTexts::saveSheet, &GradedClass::sheet, &GradingTexts::csvFilter, "csv"}};
    for (const auto& o : outputs) {
        QPushButton* b = captioned(buttons->addButton(QString(), QDialogButtonBox::ActionRole), *o.caption);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this,
                [this, o] { save(o.text, said(*o.caption).remove('&'), said(*o.filter), o.suffix); });
        saveButtons_.push_back(b);
    }
    QPushButton* race =
        captioned(buttons->addButton(QString(), QDialogButtonBox::ActionRole), RaceTexts::raceBest);
    race->setObjectName("raceBest");
    race->setEnabled(false);
    connect(race, &QPushButton::clicked, this, [this] {
        if (raceBest && graded_.task) raceBest(graded_);
    });
    saveButtons_.push_back(race);
    closeButton_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(taskButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, said(GradingTexts::title), task_,
                                                          said(GradingTexts::taskFilter));
        if (!path.isEmpty()) chooseTask(path);
    });
    connect(folderButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getExistingDirectory(this, said(GradingTexts::title));
        if (!path.isEmpty()) chooseStudents({path});
    });
    connect(filesButton, &QPushButton::clicked, this, [this] {
        const QStringList paths = QFileDialog::getOpenFileNames(this, said(GradingTexts::title), {},
                                                                said(GradingTexts::studentFilter));
        if (!paths.isEmpty()) chooseStudents(paths);
    });
    connect(gradeButton_, &QPushButton::clicked, this, &GradingDialog::start);
    connect(&watcher_, &QFutureWatcher<GradedClass>::finished, this, &GradingDialog::finish);
    connect(&watcher_, &QFutureWatcher<GradedClass>::progressRangeChanged, progress_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcher<GradedClass>::progressValueChanged, progress_,
            &QProgressBar::setValue);
    speak();
    resize(720, 480);
}

QPushButton* GradingDialog::captioned(QPushButton* button, const Text& caption) {
    captions_.emplace_back(button, &caption);
    return button;
}

// The dialog lives on; its words follow the window's language.
void GradingDialog::speak() {
    setWindowTitle(said(GradingTexts::title));
    for (const auto& [button, caption] : captions_) button->setText(said(*caption));
    closeButton_->setText(Vemrik::tr("&Zamknij"));
    showChosen();
}

void GradingDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) speak();
    QDialog::changeEvent(event);
}

GradingDialog::~GradingDialog() { watcher_.waitForFinished(); }

void GradingDialog::chooseTask(const QString& path) {
    task_ = path;
    showChosen();
}

void GradingDialog::chooseStudents(const QStringList& paths) {
    students_ = paths;
    showChosen();
}

void GradingDialog::showChosen() {
    const auto shown = [](const QString& s) {
        return s.isEmpty() ? std::string("—") : printableText(s.toStdString());
    };
    chosen_->setText(qs(say(GradingTexts::chosen, {shown(task_), shown(students_.join(", "))})));
    gradeButton_->setEnabled(!task_.isEmpty() && !students_.isEmpty() && !running());
}

void GradingDialog::start() {
    if (running() || task_.isEmpty() || students_.isEmpty()) return;
    for (QPushButton* b : saveButtons_) b->setEnabled(false);
    table_->setPlainText(said(GradingTexts::grading));
    progress_->setRange(0, 0);
    watcher_.setFuture(QtConcurrent::run(
        [task = task_.toStdString(), named = utf8(students_)](QPromise<GradedClass>& promise) {
            promise.addResult(gradeAll(task, named, [&promise](int done, int total) {
                promise.setProgressRange(0, total);
                promise.setProgressValue(done);
            }));
        }));
    showChosen();
}

void GradingDialog::finish() {
    graded_ = watcher_.result();
    progress_->setRange(0, 1);
    progress_->setValue(graded_.task ? 1 : 0);
    table_->setPlainText(qs(graded_.task ? graded_.table : graded_.refusal));
    for (QPushButton* b : saveButtons_) b->setEnabled(graded_.task.has_value());
    showChosen();
}

void GradingDialog::save(const std::string GradedClass::*text, const QString& title, const QString& filter,
                         const QString& suffix) {
    const QString path = savePathFromDialog(this, title, QFileInfo(task_).completeBaseName(), filter, suffix);
    if (path.isEmpty() || !graded_.task) return;
    std::optional<std::string> error =
        reportRefusal(path.toStdString(), *graded_.task, graded_.taskPath, graded_.students);
    if (!error) error = saveAtomically(path.toStdString(), graded_.*text);
    if (error)
        QMessageBox::warning(this, windowTitle(),
                             qs(say(GradingTexts::cannotSave, {printableText(path.toStdString()), *error})));
}

void addGradingAction(MainWindow& window) {
    auto dialog = std::make_shared<QPointer<GradingDialog>>();
    QObject::connect(window.commandAction("run.grade"), &QAction::triggered, &window, [&window, dialog] {
        if (!*dialog) {
            *dialog = new GradingDialog(&window);
            (*dialog)->raceBest = [&window](const GradedClass& graded) {
                RaceWindow& race = openRaceWindow(window);
                const std::string why = raceTheBest(*graded.task, graded.ranked, race.board());
                if (!why.empty())
                    QMessageBox::warning(&race, race.windowTitle(), qs(say(RaceTexts::cannot, {why})));
                race.refresh();
            };
        }
        fitOnScreen(*dialog, (*dialog)->sizeHint());
        (*dialog)->show();
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
}

}  // namespace vemrik
