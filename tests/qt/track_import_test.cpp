// "Importuj trasę z obrazu…" and "Cofnij importu" in the window.
#include <atomic>
#include <semaphore>

#include "tests/engine_edits.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/picture_device.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/track_import_dialog.h"
#include "ui/qt/track_import_menu.h"
#include "ui/qt/workspace_menu.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
using qttest::writeFile;

namespace {

const QString kExamples = QStringLiteral(VEMRIK_EXAMPLES_DIR);

/// The window with the oval example open and the import's dialogs answered by the test.
struct Window {
    MainWindow w;
    WorkspaceMenu menu{w};
    TrackImportMenu importMenu{menu, w};
    QStringList errors;
    int dialogs = 0;
    const char* placement = "importReplace";

    Window() {
        menu.showError = importMenu.showError = [this](const QString& m) { errors << m; };
        importMenu.runDialog = [this](TrackImportDialog& d) {
            ++dialogs;
            d.findChild<QRadioButton*>(placement)->setChecked(true);
            return true;
        };
        menu.openFile(kExamples + "/oval.vemrik");
    }
    /// Imports the picture, its reading done before the window's event loop goes on.
    void importPicture(const QString& path) {
        importMenu.importFile(path);
        importMenu.reading().waitForFinished();
        QCoreApplication::sendPostedEvents();
    }
    const ProgramState& state() { return w.form().State; }
};

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

/// A PNG of that size (grey unless a colour type is given) whose pixel data is cut off after two bytes.
QByteArray truncatedPng(quint32 width, quint32 height, quint8 depth = 8, quint8 colour = 0) {
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out << width << height << depth << colour << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", "\x78\x9c") +
           chunk("IEND", {});
}

/// The file as the decoder gets it through PictureDevice.
QByteArray throughDevice(const QString& path) {
    PictureDevice device(path, [](qint64) { return true; });
    return device.open(QIODevice::ReadOnly) ? device.readAll() : QByteArray();
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
            // 32 008 000 pixels: too many at 8 bytes each (16-bit RGBA), not at 4 (8-bit RGBA).
            {"głęboki.png", truncatedPng(8000, 4001, 16, 6), "najwyżej 32 mln pikseli"},
            {"płytki.png", truncatedPng(8000, 4001, 8, 6), "jest uszkodzony"},
        };
        Window win;
        const Workspace before = captureWorkspace(win.w.form());
        for (const auto& f : files) {
            const QString path = dir_.filePath(QString::fromUtf8(f.name));
            QVERIFY(writeFile(path, f.bytes));
            win.errors.clear();
            win.importPicture(path);
            QCOMPARE(win.errors.size(), 1);
            QVERIFY2(win.errors[0].contains(QString::fromUtf8(f.says)), qPrintable(win.errors[0]));
            QVERIFY(win.errors[0].contains(QString::fromUtf8(f.name)));
        }
        win.importPicture(dir_.filePath("nie ma.png"));
        QVERIFY(win.errors.last().contains("nie ma.png"));
        QCOMPARE(win.dialogs, 0);
        QVERIFY(captureWorkspace(win.w.form()) == before && !win.menu.modified());
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
            win.importPicture(path);
            QVERIFY2(win.errors.isEmpty(), qPrintable(win.errors.join('\n')));
            // Scaled by 5 to the map: one line across the middle.
            const Grid& strokes = win.state().StrokeList;
            QVERIFY(strokes.columns() >= 1);
            QVERIFY2(std::abs(strokes.at(0, 1) - 200) <= 3, suffix);
        }
    }

    // A pen one pixel wide, scaled to the map, leaves a grey line one or two pixels wide: it must
    // stay whole, not fall into dashes (an X drawn at twice the map's size gave 98 strokes). Sharp
    // lines at twice the map's size, smooth ones at 640 × 480.
    void thinLinesImportAsFewStrokes() {
        for (const auto& [cross, smooth] : {std::pair{true, false}, {false, true}}) {
            const int w = smooth ? 640 : 1402, h = smooth ? 480 : 802;
            QImage picture(w, h, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing, smooth);
            painter.setPen(QPen(Qt::black, 1));
            painter.drawLine(w / 7, cross ? h / 8 : h / 2, 6 * w / 7, cross ? 7 * h / 8 : h / 2);
            if (cross) painter.drawLine(w / 7, 7 * h / 8, 6 * w / 7, h / 8);
            painter.end();
            const QString path = dir_.filePath("linia.png");
            QVERIFY(picture.save(path));
            Window win;
            win.importPicture(path);
            const int strokes = win.state().StrokeList.columns();
            QVERIFY2(strokes >= 1 && strokes <= (cross ? 10 : 1), qPrintable(QString::number(strokes)));
        }
    }

    // The example workspace is the oval's robot and rules with the example picture imported and
    // a start and a stop cell set by hand on its bottom straight.
    void examplePictureGivesTheExampleWorkspace() {
        Window win;
        win.importPicture(kExamples + "/track-picture.png");
        QVERIFY(win.menu.modified());
        setTrack(win.w.form().engine,
                 [](ProgramState& s) { s.MapGrid.at(35, 30) = kStart, s.MapGrid.at(38, 30) = kStop; });
        const ParsedWorkspace example = readWorkspaceFile(VEMRIK_EXAMPLES_DIR "/tape-loop.vemrik");
        QVERIFY2(example.workspace.has_value(), example.error.c_str());
        QCOMPARE(qs(toJson(captureWorkspace(win.w.form()))), qs(toJson(*example.workspace)));
    }

    // Add against replace, and an edit ending the undo, are the core's; here the menu entry follows.
    void undoImportTakesTheWholeImportBackOnlyWhileUntouched() {
        Window win;
        const ProgramState before = win.state();
        QAction* undo = win.importMenu.undoAction();
        QVERIFY(!undo->isEnabled());
        win.importPicture(kExamples + "/track-picture.png");
        QVERIFY(win.state().StrokeList != before.StrokeList && undo->isEnabled());
        undo->trigger();
        QVERIFY(win.state().StrokeList == before.StrokeList && win.state().MapGrid == before.MapGrid);
        QVERIFY(!undo->isEnabled() && !win.menu.modified());
        win.importPicture(kExamples + "/track-picture.png");
        win.w.findChild<QPushButton*>("Button10")->click();  // "Cofnij"
        QVERIFY(!undo->isEnabled());
    }

    // A compressed text chunk of a few kilobytes can unpack to megabytes, and a PNG may hold a
    // thousand: no decoder ever gets one.
    void textAndOtherUnusedDataNeverReachTheDecoder() {
        QImage bar(40, 20, QImage::Format_ARGB32);
        bar.fill(Qt::transparent);
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(bar.convertToFormat(QImage::Format_Indexed8).save(&buffer, "png"));
        const QByteArray text = QByteArray("uwagi\0\0", 7) + qCompress(QByteArray(100'000, 'a')).mid(4);
        QByteArray extra = chunk("vpAg", "xyz");  // a kind no decoder knows
        for (int i = 0; i < 50; ++i) extra += chunk("zTXt", text);
        png.insert(33, extra);  // right after the header
        const QString pngPath = dir_.filePath("z_tekstem.png");
        QVERIFY(writeFile(pngPath, png));
        const QByteArray pngRead = throughDevice(pngPath);
        QVERIFY(!pngRead.contains("zTXt") && !pngRead.contains("vpAg"));
        QVERIFY(pngRead.contains("PLTE") && pngRead.contains("tRNS"));  // the colours as they look

        QByteArray jpeg;
        QBuffer jpegBuffer(&jpeg);
        QVERIFY(bar.convertToFormat(QImage::Format_RGB32).save(&jpegBuffer, "jpg"));
        const QByteArray comment("\xFF\xFE\x00\x07uwaga", 9);
        const QByteArray exif = QByteArray("\xFF\xE1\x00\x08", 4) + QByteArray("Exif\0\0", 6);
        jpeg.insert(2, comment + exif + QByteArray("\xFF\xE2\x00\x06ICC_", 8) + comment);
        jpeg.insert(jpeg.size() - 2, comment);  // after the scan, before the end
        const QString jpegPath = dir_.filePath("z_tekstem.jpg");
        QVERIFY(writeFile(jpegPath, jpeg));
        const QByteArray jpegRead = throughDevice(jpegPath);
        QVERIFY(!jpegRead.contains("uwaga") && !jpegRead.contains("Exif") && !jpegRead.contains("ICC_"));

        for (const QString& path : {pngPath, jpegPath}) {
            PictureDevice device(path, [](qint64) { return true; });
            QVERIFY(device.open(QIODevice::ReadOnly));
            QCOMPARE(QImageReader(&device).read().size(), QSize(40, 20));
        }
    }

    // Stopped at once, not at the end of a long decoding the window would wait for when it closes.
    void readingStopsWhenAsked() {
        int calls = 0;
        const TrackPicture stopped =
            readTrackPicture(kExamples + "/track-picture.png", [&](double) { return ++calls < 2; });
        QVERIFY(stopped.cancelled && stopped.image.isNull() && stopped.error.isEmpty());
    }

    // The reading runs on a worker while the window goes on, and "Anuluj" in its progress dialog
    // stops it with nothing changed. The worker waits for the test at each step, through the
    // standard library's semaphore, whose hand-over the thread sanitizer sees (Qt's it cannot).
    void pictureIsReadOffTheWindowThreadAndCanBeCancelled() {
        Window win;
        const Workspace before = captureWorkspace(win.w.form());
        std::binary_semaphore started(0), go(0);
        QThread* reader = nullptr;
        std::atomic<bool> toldToStop = false;
        win.importMenu.readPicture = [&](const QString& path, const ReadProgress& progress) {
            reader = QThread::currentThread();
            started.release();
            go.acquire();
            toldToStop = !progress(0.5);
            return readTrackPicture(path, progress);
        };
        win.importMenu.importFile(kExamples + "/track-picture.png");
        started.acquire();
        QVERIFY(reader != nullptr && reader != QThread::currentThread());
        QVERIFY(!win.importMenu.importAction()->isEnabled());
        auto* progress = win.w.findChild<QProgressDialog*>("importReading");
        progress->findChild<QPushButton*>()->click();
        go.release();
        win.importMenu.reading().waitForFinished();
        QCoreApplication::sendPostedEvents();
        QVERIFY(toldToStop && win.dialogs == 0 && win.errors.isEmpty());
        QVERIFY(captureWorkspace(win.w.form()) == before);
        QVERIFY(win.importMenu.importAction()->isEnabled() && progress->isHidden());
    }

    void theThresholdDecidesWhatIsTrack() {
        Window win;
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(QColor(200, 200, 200));
        TrackImportDialog dialog(picture, win.state(), &win.w);
        QVERIFY(dialog.result().strokes.empty());
        dialog.findChild<QSlider*>("importThreshold")->setValue(250);
        QVERIFY(!dialog.result().strokes.empty());  // everything dark now
    }
};

QTEST_MAIN(TrackImportTest)
#include "track_import_test.moc"
