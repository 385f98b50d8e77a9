#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "evaluation/grade/grading.h"
#include "evaluation/grade/task.h"
#include "platform/texts.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vemrik {

class MainWindow;

/// What one grading gave: the reports, or why the task could not be graded.
struct GradedClass {
    std::string refusal;
    std::optional<Task> task;
    std::string taskPath;
    std::vector<std::string> students;
    std::string table, html, csv, sheet;
    /// Best first, as graded.
    std::vector<StudentResult> ranked;
};

/// "Oceń klasę": a task file and a folder or files of students, graded in Qt's thread pool as
/// vemrik-eval grade grades them; the table shown, the HTML report and both forms of the CSV saved.
class GradingDialog : public QDialog {
public:
    explicit GradingDialog(QWidget* parent = nullptr);
    ~GradingDialog() override;

    void chooseTask(const QString& path);
    /// Files, or folders standing for their .vemrik files.
    void chooseStudents(const QStringList& paths);
    /// "Oceń": grades unless a grading runs or nothing is chosen.
    void start();
    bool running() const { return watcher_.isRunning(); }
    QPlainTextEdit* table() const { return table_; }
    /// "Ścigaj najlepszych" with the class graded last.
    std::function<void(const GradedClass&)> raceBest;

protected:
    void changeEvent(QEvent* event) override;

private:
    QPushButton* captioned(QPushButton* button, const Text& caption);
    void speak();
    void showChosen();
    void finish();
    void save(const std::string GradedClass::*text, const QString& title, const QString& filter,
              const QString& suffix);

    QString task_;
    QStringList students_;
    GradedClass graded_;
    QFutureWatcher<GradedClass> watcher_;
    QLabel* chosen_ = nullptr;
    QPlainTextEdit* table_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* gradeButton_ = nullptr;
    std::vector<QPushButton*> saveButtons_;
    QPushButton* closeButton_ = nullptr;
    std::vector<std::pair<QPushButton*, const Text*>> captions_;
};

/// Opens the one grading dialog on "Oceń klasę…".
void addGradingAction(MainWindow& window);

}  // namespace vemrik
