// Printing the map's track at real size to a PDF, and what one sheet shows.
#include "ui/qt/print_track.h"

#include <QPrinter>

#include "engine/engine.h"
#include "map/map_view.h"
#include "simulation/simulation_view.h"
#include "tests/qt/qt_test.h"
#include "workspace/workspace_file.h"

using namespace vemrik;

class PrintTrackTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Raster oval_{701, 401};
    Grid ovalMap_;

    /// Prints the oval in the look laid out for `paper` into a PDF on `printerPaper`; the PDF's
    /// bytes in `pdf`.
    TrackPrintResult print(const QString& name, PrintLook look, QPageSize::PageSizeId paper,
                           QPageSize::PageSizeId printerPaper, QByteArray* pdf = nullptr) {
        const PrintedTrack track = printedTrack(oval_, ovalMap_, look);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(name));
        preparePrinter(printer, trackPrintLayout(track.area, {20, printerPaper, look}));
        const TrackPrintResult result =
            printTrack(track, trackPrintLayout(track.area, {20, paper, look}), printer);
        QFile file(printer.outputFileName());
        if (pdf && file.open(QIODevice::ReadOnly)) *pdf = file.readAll();
        return result;
    }

    static int pdfPages(const QByteArray& pdf) {
        // Page objects, leaving out the page tree's own "/Type /Pages".
        return QString::fromLatin1(pdf).count(
            QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])")));
    }

private slots:
    void initTestCase() {
        const ParsedWorkspace parsed = readWorkspaceFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik");
        QVERIFY2(parsed.workspace.has_value(), parsed.error.c_str());
        Engine engine;
        engine.load(*parsed.workspace);
        paintTrack(engine.state(), oval_);
        ovalMap_ = engine.state().MapGrid;
    }

    // The oval in black, 630 x 230 pixels with the margin, 1260 x 460 mm, is 7 x 2 on A4 upright.
    // As on screen the whole map, 1402 x 802 mm, is 8 x 3 on A4 upright; the oval in black on the
    // A3 chosen in the preview is 4 x 2 turned. A 10-pixel stroke is 20 mm wide on any paper.
    void theTrackTakesOnlyTheSheetsItCoversAtRealSizeOnThePaperOfThePreview() {
        for (const auto& [name, look, printerPaper, pages] :
             {std::tuple{"a4.pdf", PrintLook::kBlackLine, QPageSize::A4, 14},
              {"screen.pdf", PrintLook::kAsOnScreen, QPageSize::A4, 24},
              {"a3.pdf", PrintLook::kBlackLine, QPageSize::A3, 8}}) {
            QByteArray pdf;
            const TrackPrintResult result =
                print(QString::fromLatin1(name), look, QPageSize::A4, printerPaper, &pdf);
            QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
            QCOMPARE(result.pages, pages);
            QCOMPARE(pdfPages(pdf), pages);
            QVERIFY(qAbs(result.mmPerTrackPixel * 10 - 20) < 1e-9);
            // Neither JPEG's blur nor a mask hiding the track; black and white go as grey levels.
            QVERIFY(!pdf.contains("/DCTDecode") && !pdf.contains("/ImageMask"));
            QVERIFY(look != PrintLook::kBlackLine || pdf.contains("/DeviceGray"));
        }
    }

    void aSheetShowsTheLineBlackAndStartAndStopOutlined() {
        // Line, start and stop in cells 1, 2 and 3 of row 1; printed from pixel (0, 0) at 2 mm per
        // pixel, 10 mm in from the sheet's corner: cell c spans 10 + 20c .. 30 + 20c mm.
        Grid map;
        map.setColumns(kMapColumns);
        for (int x = 0; x < kMapColumns; ++x) map.setLength(x, kMapRows);
        map.at(1, 1) = kLine, map.at(2, 1) = kStart, map.at(3, 1) = kStop;
        Raster painted(701, 401);
        paintTrackLayer(TrackField::kPlain, Grid(), map, painted);
        const PrintedTrack track = printedTrack(painted, map, PrintLook::kBlackLine);
        const PrintLayout layout = trackPrintLayout(track.area, {});
        QCOMPARE(printTiles(layout).size(), std::size_t{1});

        QImage sheet(840, 1188, QImage::Format_RGB32);  // A4 at 4 dots per millimetre
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.scale(4, 4);
        QCOMPARE(paintSheetTrack(painter, printImage(track), track, layout, printTiles(layout).front()), 2.0);
        painter.end();
        const auto ink = [&](double xMm, double yMm) {
            return qGray(sheet.pixel(int(xMm * 4), int(yMm * 4))) < 128;
        };
        const struct {
            const char* what;
            double x, y;
            bool black;
        } points[] = {
            {"the line cell", 40, 40, true},
            {"beside the track", 25, 40, false},
            {"the start's outline", 50.5, 40, true},
            {"inside the start, off its letter", 53, 40, false},
            {"the stop's outline", 89.5, 40, true},
            {"the stop's cross at its middle", 80, 40, true},
            {"inside the stop, off its cross", 73, 40, false},
        };
        for (const auto& p : points) QVERIFY2(ink(p.x, p.y) == p.black, p.what);
    }

    void anUnwritableFileAndAnEmptyMapAreRefusedWithAMessage() {
        const TrackPrintResult unwritable =
            print(QStringLiteral("brak/trasa.pdf"), PrintLook::kBlackLine, QPageSize::A4, QPageSize::A4);
        QVERIFY(unwritable.pages == 0 && unwritable.error.contains(QStringLiteral("brak/trasa.pdf")));
        const PrintedTrack blank = printedTrack(Raster(701, 401), Grid(), PrintLook::kBlackLine);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(QStringLiteral("pusta.pdf")));
        const TrackPrintResult result = printTrack(blank, trackPrintLayout(blank.area, {}), printer);
        QVERIFY(result.pages == 0 && result.error == emptyMapMessage());
        QVERIFY(!QFile::exists(printer.outputFileName()));
    }
};

QTEST_MAIN(PrintTrackTest)
#include "print_track_test.moc"
