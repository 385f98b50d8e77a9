#include "ui/qt/screen_fit.h"

#include "analysis/run_log_reader.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/evaluation_dialog.h"
#include "ui/qt/program_window.h"
#include "ui/qt/rule_check_dialog.h"
#include "ui/qt/rule_inspector.h"
#include "ui/qt/timeline_panel.h"
#include "ui/qt/timeline_widget.h"
#include "ui/qt/track_import_dialog.h"
#include "ui/workspace_form.h"

using namespace vemrik;

namespace {

// A 1366 × 768 laptop at 150 %, in the logical pixels widgets are laid out in.
const QRect kLaptop(0, 0, 910, 512);

// The screens the tests run on, side by side: Qt's own offscreen one first, then that laptop, a laptop at
// 100 %, an old projector and a large screen.
constexpr char kScreens[] = R"({"screens": [
    {"name": "0 offscreen", "x": 0, "y": 0, "width": 800, "height": 600},
    {"name": "1 laptop150", "x": 800, "y": 0, "width": 910, "height": 512},
    {"name": "2 laptop", "x": 1710, "y": 0, "width": 1366, "height": 768},
    {"name": "3 xga", "x": 3076, "y": 0, "width": 1024, "height": 768},
    {"name": "4 fullhd", "x": 4100, "y": 0, "width": 1920, "height": 1080}]})";

bool shownWhole(const QWidget* w) { return w->visibleRegion().boundingRect() == w->rect(); }

bool inside(const QWidget* dialog, const QWidget* control) {
    return control->isVisibleTo(dialog) &&
           dialog->rect().contains(QRect(control->mapTo(dialog, QPoint(0, 0)), control->size()));
}

/// Fits the dialog to the laptop's screen, shows it, and checks it and its buttons are all there.
void checkFitsTheLaptop(QDialog& dialog, std::initializer_list<const QWidget*> buttons) {
    const QSize least = dialog.minimumSizeHint();
    QVERIFY2(least.width() <= kLaptop.width() && least.height() <= kLaptop.height(),
             qPrintable(QStringLiteral("least size %1 × %2").arg(least.width()).arg(least.height())));
    fitWithin(&dialog, dialog.sizeHint(), kLaptop);
    dialog.show();
    dialog.layout()->activate();
    QVERIFY(dialog.width() <= kLaptop.width() && dialog.height() <= kLaptop.height());
    for (const QWidget* button : buttons) QVERIFY2(inside(&dialog, button), qPrintable(button->objectName()));
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

private slots:
    void initTestCase() { qttest::keepSettingsIn(settings_); }

    void aFrameIsMovedAndShrunkOntoTheScreen() {
        const QSize none(0, 0);
        const struct {
            const char* what;
            QRect wanted;
            QSize least;
            QRect available, fitted;
        } cases[] = {
            {"fits", {51, 100, 800, 400}, none, kLaptop, {51, 100, 800, 400}},
            {"too wide", {51, 100, 1000, 400}, none, kLaptop, {0, 100, 910, 400}},
            {"past the corner", {600, 300, 400, 300}, none, kLaptop, {510, 212, 400, 300}},
            {"larger both ways", {51, 100, 1900, 900}, none, kLaptop, {0, 0, 910, 512}},
            {"least too large: top left stays", {10, 10, 500, 300}, {1000, 600}, kLaptop, {0, 0, 1000, 600}},
            {"panel at the top", {0, 0, 300, 200}, none, {0, 27, 910, 485}, {0, 27, 300, 200}},
            {"second screen", {100, 100, 300, 200}, none, {1366, 0, 1280, 800}, {1366, 100, 300, 200}},
        };
        for (const auto& c : cases) QVERIFY2(fittedFrame(c.wanted, c.least, c.available) == c.fitted, c.what);
    }

    void theDialogsFitALaptop() {
        EvaluationDialog evaluation([] { return Workspace{}; });
        checkFitsTheLaptop(evaluation, {evaluation.startButton(), evaluation.findChild<QPushButton*>("close"),
                                        evaluation.findChild<QPushButton*>("showRun")});
        QImage picture(701, 401, QImage::Format_RGB32);
        picture.fill(Qt::white);
        TrackImportDialog dialog(picture, ProgramState{}, nullptr);
        const auto* box = dialog.findChild<QDialogButtonBox*>();
        checkFitsTheLaptop(dialog,
                           {box->button(QDialogButtonBox::Ok), box->button(QDialogButtonBox::Cancel)});
        MainWindow w;
        RuleCheckDialog check(w);
        checkFitsTheLaptop(check, {check.findChild<QDialogButtonBox*>()->buttons().first()});
    }

    // The offscreen screen, 800 × 600, is narrower than the form: the window fits it and the form
    // scrolls, keeping its own size; the inspector's dock opens on the screen too.
    void theWindowAndItsDockFitAScreenNarrowerThanTheForm() {
        MainWindow w;
        RuleInspector inspector(w);
        w.show();
        const QRect available = w.screen()->availableGeometry();
        QVERIFY(available.width() < 940 && available.contains(w.frameGeometry()));
        QCOMPARE(w.formWidget()->size(), QSize(940, 433));
        auto* area = qobject_cast<QScrollArea*>(w.centralWidget());
        QVERIFY(area->horizontalScrollBar()->maximum() > 0);
        inspector.action()->trigger();
        QTRY_VERIFY(inspector.dock()->isVisible());
        QTRY_VERIFY(available.contains(w.frameGeometry()));
        QVERIFY(
            available.contains(QRect(inspector.dock()->mapToGlobal(QPoint(0, 0)), inspector.dock()->size())));
    }

    // On each screen the zooms offered keep the window on it and the run buttons in sight, the fit
    // takes the largest in tenths, and the texts grow with the zoom.
    void theRunButtonsStayInSightAtEveryZoomOffered() {
        const struct {
            int screen;
            std::vector<const char*> offered;
            Zoom fit;
            int statusPixels;
        } cases[] = {
            {1, {"actionZoom100"}, kZooms[0], 11},
            {2, {"actionZoom100"}, {7, 5}, 16},
            {3, {"actionZoom100"}, kZooms[0], 11},
            {4, {"actionZoom100", "actionZoom150", "actionZoom200"}, kZooms[2], 22},
        };
        for (const auto& c : cases) {
            QScreen* screen = QGuiApplication::screens()[c.screen];
            const QRect available = screen->availableGeometry();
            ProgramWindow program;
            MainWindow& w = program.window();
            w.setScreen(screen);
            w.move(available.topLeft() + QPoint(51, 109));
            w.show();
            std::vector<const char*> offered;
            for (const char* zoom : {"actionZoom100", "actionZoom150", "actionZoom200", "actionZoomFit"}) {
                QAction* action = w.findChild<QAction*>(zoom);
                if (!action->isEnabled()) continue;
                if (zoom != std::string_view("actionZoomFit")) offered.push_back(zoom);
                action->trigger();
                QCoreApplication::processEvents();
                const QString what = screen->name() + u' ' + zoom;
                QVERIFY2(available.contains(w.frameGeometry()), qPrintable(what));
                for (const char* button : {"sim.start", "sim.step", "sim.on", "sim.off"})
                    QVERIFY2(shownWhole(w.control(button)), qPrintable(what + u' ' + button));
            }
            QCOMPARE(offered, c.offered);
            QCOMPARE(w.zoom(), c.fit);
            QCOMPARE(w.statusBar()->font().pixelSize(), c.statusPixels);
        }
    }

    // The time line, opened from the menu or with a robot's log: the window stays on the screen,
    // its status bar too, and the chart is whole.
    void theTimeLineKeepsTheWindowAndItsStatusBarOnTheScreen() {
        const ParsedRunLog log = parseRunLog(
            "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n"
            "1,,,,0,1,1,0,0,0,0,0,1,0 1 1 0 0 0 0 0 0,\n");
        QVERIFY(log.log);
        QScreen* screen = QGuiApplication::screens()[1];
        for (const int way : {0, 1, 2}) {  // the menu; a log; the menu, then a log
            ProgramWindow program;
            MainWindow& w = program.window();
            TimelinePanel* panel = timelinePanelOf(w);
            w.setScreen(screen);
            w.move(screen->geometry().topLeft() + QPoint(51, 127));
            w.show();
            if (way != 1) panel->action()->trigger();
            QCoreApplication::processEvents();
            if (way != 0) panel->showLog(*log.log, "robot.csv");
            QCoreApplication::processEvents();
            const QString what = QString::number(way);
            QVERIFY2(screen->availableGeometry().contains(w.frameGeometry()), qPrintable(what));
            QVERIFY2(w.rect().contains(w.statusBar()->geometry()), qPrintable(what));
            QVERIFY2(shownWhole(panel->chart()), qPrintable(what));
        }
    }

    // The guide is the one shipped in the program; a second request shows the same window.
    void theGuideIsShippedAndFitsASmallScreen() {
        ProgramWindow program;
        for (int n = 0; n < 2; ++n) program.window().findChild<QAction*>("actionGuide")->trigger();
        const QList<QDialog*> guides = program.window().findChildren<QDialog*>("guideDialog");
        QCOMPARE(guides.size(), 1);
        QVERIFY(guides[0]->findChild<QTextBrowser*>("guideText")->toPlainText().contains("Przód robota"));
        QVERIFY(guides[0]->width() <= 910 && guides[0]->height() <= 512);
    }
};

int main(int argc, char** argv) {
    QTemporaryFile screens;
    if (!screens.open() || screens.write(kScreens) != qint64(sizeof kScreens - 1) || !screens.flush())
        return 2;
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
    QApplication application(argc, argv);
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "screen_fit_test.moc"
