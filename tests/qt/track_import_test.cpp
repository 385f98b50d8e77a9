// "Importuj trasę z obrazu…" and "Cofnij importu" in the window.
#include <QtTest>
#include <QtWidgets>

#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/track_import_dialog.h"
#include "ui/qt/track_import_menu.h"
#include "ui/qt/workspace_menu.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

const QString kExamples = QStringLiteral(VEMRIK_EXAMPLES_DIR);

/// The window with the oval example open and the import's dialogs answered by the test.
struct Window {
    MainWindow w;
    WorkspaceMenu menu{w};
    TrackImportMenu import{menu, w};
    QStringList errors;
    int dialogs = 0;
    const char* placement = "importReplace";

    Window() {
        menu.showError = import.showError = [this](const QString& m) { errors << m; };
        import.runDialog = [this](TrackImportDialog & d) { ++dialogs;
        d.findChild<QRadioButton*>(placement)->setChecked(true);
        return true;
    };
    menu.openFile(kExamples + "/oval.vemrik");
} ProgramState& state() {
    return w.form().State;
}
};  // namespace

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

/// A PNG chunk: length, kind, data and the check sum over kind and data.
QByteArray chunk(const char* kind, const QByteArray& data) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint32(data.size());
    const QByteArray body = QByteArray(kind) + data;
    out.writeRawData(body.constData(), static_cast<int>(body.size()));
    out << crc32(body);
    return bytes;
}

/// A grey PNG of that size whose pixel data is cut off after two bytes.
QByteArray truncatedPng(quint32 width, quint32 height) {
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out << width << height << quint8(8) << quint8(0) << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", "\x78\x9c") +
           chunk("IEND", {});
}

}  // namespace

class TrackImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void badFilesAreClearErrorsThatChangeNothing() {
        const struct {
            const char* name;
            QByteArray bytes;
            const char* says;
        } files[] = {
            {"pusty.png", QByteArray(), "jest pusty"},
            {"notatki.png", "To nie jest obraz, tylko tekst.\n", "nie jest obrazem PNG, JPEG, BMP ani GIF"},
            {"olbrzym.png", truncatedPng(30000, 30000), "jest za duży: 30000 × 30000 pikseli"},
            {"ucięty.png", truncatedPng(100, 100), "jest uszkodzony"},
        };
        Window win;
        const Workspace before = captureWorkspace(win.w.form());
        for (const auto& f : files) {
            const QString path = dir_.filePath(QString::fromUtf8(f.name));
            writeBytes(path, f.bytes);
            win.errors.clear();
            QVERIFY(!win.import.importFile(path));
            QCOMPARE(win.errors.size(), 1);
            QVERIFY2(win.errors[0].contains(QString::fromUtf8(f.says)), qPrintable(win.errors[0]));
            QVERIFY(win.errors[0].contains(QString::fromUtf8(f.name)));
        }
        QVERIFY(!win.import.importFile(dir_.filePath("nie ma.png")));
        QCOMPARE(win.dialogs, 0);
        QVERIFY(captureWorkspace(win.w.form()) == before);
        QVERIFY(!win.menu.modified());
    }

    // Qt writes no GIF, so that one is a file: `convert -size 140x80 xc:white -fill black
    // -draw "rectangle 20,36 119,43" -colors 2 bar.gif`, the same bar as drawn here.
    void eachPictureFormatImports() {
        QImage bar(140, 80, QImage::Format_RGB32);
        bar.fill(Qt::white);
        QPainter(&bar).fillRect(20, 36, 100, 8, Qt::black);
        for (const char* suffix : {"png", "jpg", "bmp", "gif"}) {
            QString path = dir_.filePath(QStringLiteral("pasek.") + suffix);
            if (QByteArray(suffix) == "gif")
                path = QStringLiteral(VEMRIK_TEST_DATA "/bar.gif");
            else
                QVERIFY(bar.save(path, suffix));
            Window win;
            QVERIFY2(win.import.importFile(path), qPrintable(win.errors.join('\n')));
            // Scaled by 5 to the map: one line across the middle.
            const Grid& strokes = win.state().StrokeList;
            QVERIFY(strokes.columns() >= 1);
            QVERIFY2(std::abs(strokes.at(0, 1) - 200) <= 3, suffix);
        }
    }

    // The example workspace is the oval's robot and rules with the example picture imported and
    // a start and a stop cell set by hand on its bottom straight.
    void examplePictureGivesTheExampleWorkspace() {
        Window win;
        QVERIFY(win.import.importFile(kExamples + "/track-picture.png"));
        QVERIFY(win.menu.modified());
        win.state().MapGrid.at(35, 30) = kStart;
        win.state().MapGrid.at(38, 30) = kStop;
        const ParsedWorkspace example = readWorkspaceFile(VEMRIK_EXAMPLES_DIR "/tape-loop.vemrik");
        QVERIFY2(example.workspace.has_value(), example.error.c_str());
        QCOMPARE(qs(toJson(captureWorkspace(win.w.form()))), qs(toJson(*example.workspace)));
    }

    void undoImportTakesTheWholeImportBackOnlyWhileUntouched() {
        for (const char* placement : {"importReplace", "importAdd"}) {
            Window win;
            win.placement = placement;
            const ProgramState before = win.state();
            QAction* undo = win.import.undoAction();
            QVERIFY(!undo->isEnabled());
            QVERIFY(win.import.importFile(kExamples + "/track-picture.png"));
            QVERIFY(win.state().StrokeList != before.StrokeList);
            QVERIFY(undo->isEnabled());
            undo->trigger();
            QVERIFY(win.state().StrokeList == before.StrokeList && win.state().MapGrid == before.MapGrid);
            QVERIFY(!undo->isEnabled());
            QVERIFY(!win.menu.modified());

            // "Cofnij" after the import takes one segment, and the import can no longer go whole.
            QVERIFY(win.import.importFile(kExamples + "/track-picture.png"));
            const int imported = win.state().StrokeList.columns();
            win.w.findChild<QPushButton*>("Button10")->click();
            QCOMPARE(win.state().StrokeList.columns(), imported - 1);
            QVERIFY(!undo->isEnabled());
            win.import.undo();
            QCOMPARE(win.state().StrokeList.columns(), imported - 1);
        }
    }

    void automaticThresholdComesBack() {
        Window win;
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(QColor(200, 200, 200));
        TrackImportDialog dialog(picture, win.state(), &win.w);
        auto* value = dialog.findChild<QSpinBox*>("importThresholdValue");
        const int otsu = value->value();
        dialog.findChild<QSlider*>("importThreshold")->setValue(250);
        QCOMPARE(dialog.options().threshold, 250);
        QVERIFY(!dialog.result().strokes.empty());  // everything dark now
        dialog.findChild<QPushButton*>("importAutomaticThreshold")->click();
        QCOMPARE(value->value(), otsu);
        QVERIFY(dialog.result().strokes.empty());
    }
};

QTEST_MAIN(TrackImportTest)
#include "track_import_test.moc"
