// "Plik" → "Eksportuj na Arduino…": the window's robot and rules as a sketch folder.
#include "tests/qt/qt_test.h"
#include "ui/qt/arduino_export_menu.h"
#include "ui/qt/workspace_menu.h"

using namespace vemrik;
using qttest::readFile;

class ArduinoExportTest : public QObject {
    Q_OBJECT

private slots:
    void theOpenFileGivesTheNameAndTheSeedInEffectTheDraws() {
        QTemporaryDir dir;
        MainWindow w;
        WorkspaceMenu menu{w};
        const QString oval = QStringLiteral(VEMRIK_EXAMPLES_DIR "/oval.vemrik");
        QVERIFY(menu.openFile(oval));
        w.form().engine.setSeed(7);
        const ArduinoExportResult result = exportArduinoSketch(w, oval, dir.path());
        QVERIFY2(result.written, qPrintable(result.message));
        QVERIFY(result.message.contains(dir.filePath("oval/oval.ino")));
        QVERIFY(readFile(dir.filePath("oval/oval.ino"))
                    .contains(QStringLiteral("generator Mersenne Twister (std::mt19937) z ziarnem 7.")));
    }

    void aSketchOfTheSameNameFromAnotherWorkspaceIsReplacedOnlyWhenAsked() {
        // "1.vemrik", "2.vemrik" and an unsaved workspace all make the sketch "robot".
        QTemporaryDir dir;
        MainWindow w;
        WorkspaceMenu menu{w};
        QVERIFY(menu.openFile(QStringLiteral(VEMRIK_EXAMPLES_DIR "/oval.vemrik")));
        const QString sketch = dir.filePath("robot/robot.ino");
        QVERIFY(exportArduinoSketch(w, dir.filePath("1.vemrik"), dir.path()).written);
        for (const QString& other : {dir.filePath("2.vemrik"), QString()}) {
            const ArduinoExportResult asked = exportArduinoSketch(w, other, dir.path());
            QVERIFY(!asked.written && asked.asksToReplace);
            QVERIFY2(asked.message.contains(QStringLiteral("Zastąpić plik nowym szkicem?")),
                     qPrintable(asked.message));
            QVERIFY(readFile(sketch).contains(QStringLiteral("„1.vemrik”")));
        }
        QVERIFY(exportArduinoSketch(w, dir.filePath("2.vemrik"), dir.path(), true).written);
        QVERIFY(readFile(sketch).contains(QStringLiteral("„2.vemrik”")));
    }

    void aRobotWithoutSensorsIsRefusedAndNothingWritten() {
        QTemporaryDir dir;
        MainWindow w;
        const ArduinoExportResult result = exportArduinoSketch(w, QString(), dir.path());
        QVERIFY(!result.written);
        QCOMPARE(
            result.message,
            QStringLiteral("Nie można wyeksportować: robot nie ma czujników, więc nie ma czego podłączyć."));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(ArduinoExportTest)
#include "arduino_export_test.moc"
