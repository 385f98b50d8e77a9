// The whole window as the program opens it: its menus, the help, closing it.
#include "ui/qt/program_window.h"

#include "tests/qt/qt_test.h"

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
};

QTEST_MAIN(ProgramWindowTest)
#include "program_window_test.moc"
