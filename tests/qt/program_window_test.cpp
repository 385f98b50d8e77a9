// The whole window as the program opens it: its menus, the help, closing it, features wired together.
#include "ui/qt/program_window.h"

#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QSpinBox>
#include <QTextBrowser>
#include <QtTest>

#include "tests/evaluation_tracks.h"
#include "ui/qt/evaluation_dialog.h"
#include "ui/workspace_form.h"

using namespace vemrik;

class ProgramWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Help comes last, after every feature's menu, and its guide is the one shipped in the program.
    void theGuideIsShippedAndFitsASmallScreen() {
        ProgramWindow program;
        const QList<QAction*> menus = program.window().menuBar()->actions();
        QCOMPARE(menus.last()->menu()->objectName(), QStringLiteral("menuHelp"));
        program.window().findChild<QAction*>("actionGuide")->trigger();
        auto* guide = program.window().findChild<QDialog*>("guideDialog");
        QVERIFY(guide && guide->isVisible());
        QVERIFY(guide->findChild<QTextBrowser*>("guideText")->toPlainText().contains("Przód robota"));
        QVERIFY(guide->width() <= 910 && guide->height() <= 512);
        // A second request shows the same window, not another.
        program.window().findChild<QAction*>("actionGuide")->trigger();
        QCOMPARE(program.window().findChildren<QDialog*>("guideDialog").size(), 1);
    }

    // A fresh window takes the focus itself, so Ctrl+Q works before any click.
    void aFreshWindowIsActiveAndQuitsOnCtrlQ() {
        ProgramWindow program;
        program.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        QTest::keyClick(&program.window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!program.window().isVisible());
    }

    // The evaluation ticks the run view's trail entry when it shows a run in the window.
    void aRunShownFromTheEvaluationTicksTheTrailEntry() {
        ProgramWindow program;
        MainWindow& w = program.window();
        w.handle([&] { applyWorkspace(w.form(), evaltest::endlessTrack()); });
        w.findChild<QAction*>("actionEvaluate")->trigger();
        auto* d = w.findChild<EvaluationDialog*>();
        d->runsBox()->setValue(1), d->maxStepsBox()->setValue(30);
        QSignalSpy evaluated(d, &EvaluationDialog::evaluated);
        d->start();
        QVERIFY(evaluated.wait(20000));
        d->failedRuns()->setCurrentRow(0);
        QVERIFY(d->showSelectedRun());
        QVERIFY(w.form().TrailShown && w.findChild<QAction*>("actionShowTrail")->isChecked());
    }
};

QTEST_MAIN(ProgramWindowTest)
#include "program_window_test.moc"
