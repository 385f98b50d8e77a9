// The evaluation dialog: its job in Qt's thread pool, the report, cancel and close, the seed box,
// the noise sweep, and showing a failed run in the window.
#include "ui/qt/evaluation_dialog.h"

#include <QPlainTextEdit>

#include "evaluation/grade/class_files.h"
#include "evaluation/grade/grade_report.h"
#include "tests/engine_edits.h"
#include "tests/evaluation_tracks.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/challenge_menu.h"
#include "ui/qt/grading_dialog.h"
#include "ui/qt/language.h"
#include "ui/qt/program_window.h"
#include "ui/qt/race_window.h"
#include "ui/qt/step_histogram.h"
#include "ui/qt/sweep_chart.h"
#include "ui/qt/workspace_menu.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"

using namespace vemrik;
using evaltest::endlessTrack;

namespace {

/// Waits until the running job has returned and its report is shown.
bool reported(EvaluationDialog& d) {
    QSignalSpy evaluated(&d, &EvaluationDialog::evaluated);
    return evaluated.wait(20000);
}

/// Runs `runs` runs of at most `maxSteps` steps and waits for the report.
bool evaluated(EvaluationDialog& d, int runs, int maxSteps) {
    d.runsBox()->setValue(runs), d.maxStepsBox()->setValue(maxSteps);
    d.start();
    return reported(d);
}

/// Waits until the progress bar has moved: at least one run has finished.
bool progressed(EvaluationDialog& d) {
    QSignalSpy moved(d.progressBar(), &QProgressBar::valueChanged);
    return moved.wait(20000);
}

/// Whether anything but white is painted within `r`.
bool inked(const QImage& image, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) != Qt::white) return true;
    return false;
}

}  // namespace

class EvaluationDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() { qttest::keepSettingsIn(settingsDir_); }

    // "Wyzwania": the first level opened as a fresh work, the reference solution put in, checked.
    void aLevelOfTheChallengesIsPlayedThroughToThreeStars() {
        ProgramWindow program;
        MainWindow& w = program.window();
        QVERIFY(program.challenges().openFolder(VEMRIK_SOURCE_DIR "/challenges"));
        QMenu* levels = w.commandMenu("challenges.levels");
        levels->actions().first()->trigger();
        QVERIFY(!program.menu().modified() && program.menu().filePath().isEmpty());
        const Workspace solution =
            *readWorkspaceFile(VEMRIK_SOURCE_DIR "/tests/challenges/01-solution.vemrik").workspace;
        Workspace played = captureWorkspace(w.form());
        played.rules = solution.rules, played.robot = solution.robot;
        w.handle([&] { applyWorkspace(w.form(), played); });
        QCOMPARE(w.findChild<QMenu*>("challenges")->title(), QStringLiteral("Wyzwa&nia"));
        w.findChild<QAction*>("challenges.check")->trigger();
        ChallengeDialog* d = program.challenges().dialog();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->stars()->text(), QStringLiteral("★★★"));
        QCOMPARE(d->sentence()->text(),
                 QStringLiteral("Cel osiągnięty: robot dojechał do mety w 100,0 % prób, "
                                "zwykle w 180 krokach; 3 gwiazdki z 3."));
        QVERIFY(d->failedRuns()->isHidden());
        emit levels->aboutToShow();
        QCOMPARE(levels->actions().first()->text(), QStringLiteral("01. Dojedź prosto do mety ★★★"));
        QVERIFY(QSettings().value("challenges/progress").toString().contains("01-straight"));
        // Its sentence was judged in Polish: another language closes it.
        const QPointer<ChallengeDialog> judged = d;
        Catalogue::instance().speak(Speech::English);
        QTRY_VERIFY(judged.isNull());
        Catalogue::instance().speak(Speech::Polish);
        // The same rules miss the next level's goal; a failed run is shown in the form.
        program.menu().askToSave = [] { return WorkspaceMenu::SaveAnswer::Discard; };
        levels->actions().at(1)->trigger();
        w.handle([&] { w.form().engine.setRules(RuleList(solution.rules)); });
        w.findChild<QAction*>("challenges.check")->trigger();
        QPointer<ChallengeDialog> missed = program.challenges().dialog();
        QCOMPARE(std::tuple(missed->stars()->text(), missed->failedRuns()->count()),
                 std::tuple(QString("☆☆☆"), 5));
        missed->failedRuns()->setCurrentRow(1);
        missed->showRunButton()->click();
        QTRY_VERIFY(missed.isNull());
        QVERIFY(w.form().engine.seed() == 5490 && w.notebook()->currentIndex() == kSimulationPage);
    }

    // 200 of 200: the interval's lower end is 200 / (200 + 1.96²) = 98,1 %. Left running, the last
    // runs would take days; the pool is idle at once after the window goes.
    void anEvaluationRunsFromTheMenuOnTheWindowsWorkspaceAndEndsWithTheWindow() {
        auto window = std::make_unique<MainWindow>();
        MainWindow& w = *window;
        addEvaluationAction(w);
        QAction* action = w.commandAction("run.evaluate");
        w.handle([&] { applyWorkspace(w.form(), evaltest::straightTrack()); });
        action->trigger();
        action->trigger();
        QCOMPARE(w.findChildren<EvaluationDialog*>().size(), 1);
        QPointer<EvaluationDialog> d = w.findChild<EvaluationDialog*>();
        QTest::mouseClick(d->startButton(), Qt::LeftButton);
        QVERIFY(d->running() && !d->startButton()->isEnabled() && !d->seedBox()->isEnabled());
        QVERIFY(reported(*d));
        QCOMPARE(d->progressBar()->value(), 200);
        QCOMPARE(d->summaryLines().at(2),  // the report's words are the core's
                 QStringLiteral("Dojazd do stopu: 200 (100,0 %), przedział ufności 95 %: 98,1 % – 100,0 %"));
        QVERIFY(d->summaryLabel()->text().startsWith("<b>Robot dojechał"));
        QCOMPARE(d->histogramView()->histogram().counts, std::vector<int>{200});
        QVERIFY(d->isVisible() && d->startButton()->isEnabled() && !d->cancelButton()->isEnabled());
        StepHistogramView view;  // the highest count has room for all its digits
        view.setHistogram({84, 1, {50844, 3}});
        QVERIFY(view.topCountRect().width() >= view.fontMetrics().horizontalAdvance(QStringLiteral("50844")));
        // The axes' names: upright left of the counts, and beneath the step range.
        const QImage drawn = view.grab().toImage();
        const int line = view.fontMetrics().height();
        QVERIFY(inked(drawn, QRect(4, 40, line, 60)) &&
                inked(drawn, QRect(150, view.height() - line - 4, 160, line)));
        w.handle([&] { applyWorkspace(w.form(), endlessTrack()); });
        d->runsBox()->setValue(1000000), d->maxStepsBox()->setValue(100000000);
        d->start();
        QVERIFY(d->running());
        window.reset();
        QVERIFY(d.isNull());
        QVERIFY(QThreadPool::globalInstance()->waitForDone(5000));
    }

    void cancelReportsWhatFinishedAndClosingWaitsForTheJob() {
        EvaluationDialog d(endlessTrack);
        d.show();
        d.runsBox()->setValue(1000000);
        d.maxStepsBox()->setValue(20000);
        d.start();
        QVERIFY(d.running() && !d.startButton()->isEnabled() && !d.runsBox()->isEnabled());
        QVERIFY(progressed(d));
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        QVERIFY(reported(d));
        const int finished = d.progressBar()->value();
        QVERIFY(finished >= 1 && finished < 1000000);
        QCOMPARE(d.summaryLines().at(1),
                 QStringLiteral("Przerwano: ukończono %1 z 1000000 przebiegów").arg(finished));
        QCOMPARE(d.failedRuns()->count(), std::min(finished, 1000));
        QVERIFY(d.histogramView()->histogram().counts.empty() && d.startButton()->isEnabled());
        // Closed while it runs: the job is cancelled and waited for, what finished still shown.
        d.maxStepsBox()->setValue(100000000);
        d.start();
        d.reject();
        QVERIFY(!d.running() && !d.isVisible() && d.startButton()->isEnabled());
    }

    void theSeedBoxTakesEveryRunSeedAndTheNextRunWrapsToZero() {
        EvaluationDialog d(endlessTrack);
        d.show();
        d.seedBox()->selectAll();
        QTest::keyClicks(d.seedBox(), "4294967295");
        QCOMPARE(d.seedBox()->value(), 4294967295.0);
        QVERIFY(evaluated(d, 2, 50));
        QCOMPARE(d.failedRuns()->count(), 2);
        QCOMPARE(d.failedRuns()->item(1)->text(),
                 QStringLiteral("przebieg 2, ziarno 0: bez stopu po 50 krokach"));
    }

    // Every run turns on the map until the limit; one shown stops 20 steps before it, made again
    // with its noise, and the program's own trail entry is ticked.
    void aFailedRunIsShownInTheWindowWithItsNoiseUnlessTheWorkChangedSinceTheEvaluation() {
        ProgramWindow program;
        MainWindow& w = program.window();
        const Workspace ws = endlessTrack();
        w.handle([&] { applyWorkspace(w.form(), ws), w.form().TabbedNotebook1Change(kMapPage); });
        w.findChild<QAction*>("actionEvaluate")->trigger();
        QPointer<EvaluationDialog> d = w.findChild<EvaluationDialog*>();
        d->shiftBox()->setValue(3.0);
        QVERIFY(evaluated(*d, 3, 100));
        QCOMPARE(d->failedRuns()->item(1)->text(),
                 QStringLiteral("przebieg 2, ziarno 5490: bez stopu po 100 krokach"));
        d->failedRuns()->setCurrentRow(1);
        w.handle([&] { w.form().TrackBar2.position = 7, w.form().TrackBar2Change(); });
        QVERIFY(!d->showSelectedRun() && d->summaryLines().first().startsWith("Robot, mapa lub reguły"));
        // A work that cannot be judged is refused, and does not become the work the listed runs
        // belong to.
        w.handle(
            [&] { setTrack(w.form().engine, [](ProgramState& s) { s.MapGrid.at(10, 35) = kMapEmpty; }); });
        d->start();
        QCOMPARE(std::tuple(d->running(), d->summaryLines()),
                 std::tuple(false, QStringList{"Nie można ocenić: na mapie nie ma pola startu."}));
        QVERIFY(!d->showSelectedRun());
        w.handle([&] { setTrack(w.form().engine, [](ProgramState& s) { s.MapGrid.at(10, 35) = kStart; }); });
        w.handle([&] { w.form().TrackBar2.position = ws.startHeading, w.form().TrackBar2Change(); });
        QVERIFY(d->showSelectedRun());
        QTRY_VERIFY(d.isNull());
        const TForm1& f = w.form();
        QVERIFY(f.engine.record().steps() == 80 && f.engine.seed() == 5490 && f.TrailShown &&
                !f.Timer2.enabled && w.notebook()->currentIndex() == kSimulationPage);
        QVERIFY(w.findChild<QAction*>("actionShowTrail")->isChecked());
        const qttest::Seen noisy = qttest::seen(f);
        w.handle([&] { w.form().ReplaySeededRun(5490, 80); });
        QVERIFY(!(qttest::seen(f) == noisy));  // the same draws without the noise end elsewhere
    }

    // The stop does not flip and the straight track has no rules: every level reaches it.
    // 20 of 20: the lower end is 20 / (20 + 1.96²) = 83,9 %.
    void aSweepRunsInTheBackgroundAndPlotsEveryLevel() {
        EvaluationDialog d([] { return evaltest::straightTrack(); });
        d.show();
        d.runsBox()->setValue(20);
        d.flipBox()->setValue(1.0);
        d.turnBox()->setValue(0.5);
        QTest::mouseClick(d.sweepButton(), Qt::LeftButton);
        QVERIFY(d.running() && !d.flipBox()->isEnabled() && !d.sweepButton()->isEnabled());
        QVERIFY(reported(d));
        const std::vector<SweepChartView::Point>& points = d.sweepChart()->points();
        QCOMPARE(points.size(), 5u);
        QCOMPARE(std::tuple(points[1].level, points[1].success.value), std::tuple(0.25, 1.0));
        // The noise, the column names, then the levels.
        QCOMPARE(d.summaryLines().at(5),
                 QStringLiteral("0,75 | 0,750 | 0,0 px | 0,4° | 20 | 100,0 % | 83,9 % – 100,0 %"));
        QVERIFY(d.summaryLabel()->text().contains(
            "<td style=\"padding-right:8px; white-space:pre\">83,9 % – 100,0 %</td>"));
        // A point sits on its level and share.
        QCOMPARE(d.sweepChart()->at(1.0, 0.0).x() - d.sweepChart()->at(0.0, 0.0).x(),
                 4 * (d.sweepChart()->at(0.25, 0.0).x() - d.sweepChart()->at(0.0, 0.0).x()));
    }

    // The table is the one the core makes for the same files, as vemrik-eval grade prints it.
    void aClassIsGradedFromTheMenu() {
        MainWindow w;
        addGradingAction(w);
        w.commandAction("run.grade")->trigger();
        GradingDialog* d = w.findChild<GradingDialog*>();
        QVERIFY(d && d->isVisible());
        const std::string task = VEMRIK_EXAMPLES_DIR "/grading/laps.vemrik-task";
        const std::string students = VEMRIK_EXAMPLES_DIR "/grading/students";
        d->chooseTask(QString::fromStdString(task));
        d->chooseStudents({QString::fromStdString(students)});
        for (QPushButton* b : d->findChildren<QPushButton*>())
            if (b->text() == "&Oceń") QTest::mouseClick(b, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!d->running() && d->table()->toPlainText().contains("celina"), 20000);
        std::string why;
        const ParsedTask read = readTaskFile(task);
        const std::string table =
            gradeTableText(*read.task, task, gradeClass(*read.task, *studentFiles({students}, why)));
        QCOMPARE(d->table()->toPlainText(), QString::fromStdString(table));
        // The best graded, up to six, race on the task's first track.
        addRaceAction(w);
        QTest::mouseClick(d->findChild<QPushButton*>("raceBest"), Qt::LeftButton);
        const Race& race = w.findChild<RaceWindow*>("raceWindow")->board().race;
        QStringList names;
        for (const Entrant& e : race.entrants()) names << QString::fromStdString(e.name);
        QCOMPARE(std::tuple(names.join(' '), race.seed()),
                 std::tuple(QString("ania bartek celina"), read.task->seed));
    }
};

QTEST_MAIN(EvaluationDialogTest)
#include "evaluation_dialog_test.moc"
