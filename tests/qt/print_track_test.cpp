// Printing the map's track at real size to a PDF.
#include "ui/qt/print_track.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include "engine/engine.h"
#include "simulation/simulation_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/workspace_menu.h"
#include "workspace/workspace_file.h"

using namespace vemrik;

class PrintTrackTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Raster oval_{701, 401};

    /// Prints the oval laid out for `paper` into a PDF on `printerPaper`; the PDF's bytes in `pdf`.
    TrackPrintResult print(const QString& name, QPageSize::PageSizeId paper,
                           QPageSize::PageSizeId printerPaper, QByteArray* pdf = nullptr) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir_.filePath(name));
        preparePrinter(printer, trackPrintLayout(oval_, {20, printerPaper}));
        const TrackPrintResult result = printTrack(oval_, trackPrintLayout(oval_, {20, paper}), printer);
        QFile file(printer.outputFileName());
        if (pdf && file.open(QIODevice::ReadOnly)) *pdf = file.readAll();
        return result;
    }

private slots:
    void initTestCase() {
        const ParsedWorkspace parsed = readWorkspaceFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik");
        QVERIFY2(parsed.workspace.has_value(), parsed.error.c_str());
        Engine engine;
        engine.load(*parsed.workspace);
        paintTrack(engine.State, oval_);
    }

    void ovalAtTwentyMillimetresPerCell() {
        QByteArray pdf;
        const TrackPrintResult result = print(QStringLiteral("a4.pdf"), QPageSize::A4, QPageSize::A4, &pdf);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.pages, 24);  // 1402 x 802 mm on A4 upright: 8 x 3
        // Page objects, leaving out the page tree's own "/Type /Pages".
        QCOMPARE(
            QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))),
            24);
        // Neither JPEG's blur nor a mask hiding the track.
        QVERIFY(!pdf.contains("/DCTDecode") && !pdf.contains("/ImageMask"));
        // A 10-pixel stroke is 20 mm wide on the paper.
        QVERIFY(qAbs(result.mmPerTrackPixel * 10 - 20) < 1e-9);
    }

    void paperChangedInThePreviewIsFollowed() {
        QCOMPARE(print(QStringLiteral("a3.pdf"), QPageSize::A4, QPageSize::A3).pages,
                 12);  // A3 turned: 4 x 3
    }

    void unwritableFileIsAClearError() {
        const TrackPrintResult result = print(QStringLiteral("brak/trasa.pdf"), QPageSize::A4, QPageSize::A4);
        QVERIFY(result.pages == 0 && result.error.contains(QStringLiteral("brak/trasa.pdf")));
    }

    void menuEntrySitsAfterTheImageExport() {
        MainWindow window;
        WorkspaceMenu menu(window);
        QAction* print = addPrintTrackAction(menu, window);
        const QList<QAction*> entries = menu.fileMenu()->actions();
        QCOMPARE(entries.indexOf(print), entries.indexOf(menu.action("actionExportImage")) + 1);
    }
};

QTEST_MAIN(PrintTrackTest)
#include "print_track_test.moc"
