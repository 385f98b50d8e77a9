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

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Pages of a PDF: its page objects, leaving out the page tree's own "/Type /Pages".
int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

}  // namespace

class PrintTrackTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    Raster oval_{701, 401};

    QPrinter* pdfPrinter(const QString& path) {
        auto* printer = new QPrinter(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
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
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::A3}) {
            const PrintLayout layout = trackPrintLayout(oval_, {20, paper});
            QCOMPARE(layout.trackWidth, 1402.0);
            const QString path = dir_.filePath(QPageSize::name(paper) + QStringLiteral(".pdf"));
            const std::unique_ptr<QPrinter> printer(pdfPrinter(path));
            preparePrinter(*printer, layout);
            const TrackPrintResult result = printTrack(oval_, layout, *printer);
            QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
            // A4 upright 8 x 3, A3 turned 4 x 3.
            QCOMPARE(result.pages, paper == QPageSize::A4 ? 24 : 12);
            const QByteArray pdf = fileBytes(path);
            QCOMPARE(pdfPages(pdf), result.pages);
            // Neither JPEG's blur nor a mask hiding the track.
            QVERIFY(!pdf.contains("/DCTDecode") && !pdf.contains("/ImageMask"));
            // A 10-pixel stroke is 20 mm wide on the paper.
            QVERIFY(qAbs(result.mmPerTrackPixel * 10 - 20) < 1e-9);
        }
    }

    void paperChangedInThePreviewIsFollowed() {
        const std::unique_ptr<QPrinter> printer(pdfPrinter(dir_.filePath(QStringLiteral("zmiana.pdf"))));
        preparePrinter(*printer, trackPrintLayout(oval_, {20, QPageSize::A3}));
        QCOMPARE(printTrack(oval_, trackPrintLayout(oval_, {20, QPageSize::A4}), *printer).pages, 12);
    }

    void unwritableFileIsAClearError() {
        const std::unique_ptr<QPrinter> printer(pdfPrinter(dir_.filePath(QStringLiteral("brak/trasa.pdf"))));
        const PrintLayout layout = trackPrintLayout(oval_, {});
        preparePrinter(*printer, layout);
        const TrackPrintResult result = printTrack(oval_, layout, *printer);
        QCOMPARE(result.pages, 0);
        QVERIFY(result.error.contains(QStringLiteral("brak/trasa.pdf")));
    }

    void menuEntrySitsAfterTheImageExport() {
        MainWindow window;
        WorkspaceMenu menu(window);
        QAction* print = addPrintTrackAction(menu, window);
        const QList<QAction*> entries = menu.fileMenu()->actions();
        QCOMPARE(entries.indexOf(print), entries.indexOf(menu.action("actionExportImage")) + 1);
        QCOMPARE(print->text(), QStringLiteral("&Drukuj trasę…"));
    }
};

QTEST_MAIN(PrintTrackTest)
#include "print_track_test.moc"
