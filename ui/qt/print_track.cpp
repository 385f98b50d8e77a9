#include "ui/qt/print_track.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <array>

#include "simulation/simulation_view.h"
#include "ui/print_choice.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/texts.h"

namespace vemrik {

namespace {

constexpr double kMarkGapMm = 1;
constexpr double kMarkLengthMm = 6;

/// Short lines in the margin along the printable area's edges at its corners, for the scissors.
void drawCropMarks(QPainter& painter, const QRectF& area) {
    painter.setPen(QPen(Qt::black, 0.2));
    for (const QPointF corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        const double outX = corner.x() < area.center().x() ? -1 : 1;
        const double outY = corner.y() < area.center().y() ? -1 : 1;
        const double near = kMarkGapMm, far = kMarkGapMm + kMarkLengthMm;
        painter.drawLine(QPointF(corner.x() + outX * near, corner.y()),
                         QPointF(corner.x() + outX * far, corner.y()));
        painter.drawLine(QPointF(corner.x(), corner.y() + outY * near),
                         QPointF(corner.x(), corner.y() + outY * far));
    }
}

/// The sheet's name and place under its printable area, in device pixels so the font keeps its size.
void drawSheetName(QPainter& painter, const QRectF& bottomMargin, const QString& text) {
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.drawText(bottomMargin, Qt::AlignCenter, text);
}

/// Dashed lines where the next sheet to the right and below is laid, its edge cut at its crop marks.
void drawOverlapGuides(QPainter& painter, const QRectF& area, const PrintTile& tile, const TileGrid& grid,
                       double overlap) {
    painter.setPen(QPen(Qt::black, 0.2, Qt::DashLine));
    const double x = area.right() - overlap, y = area.bottom() - overlap;
    if (tile.column + 1 < grid.columns) painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    if (tile.row + 1 < grid.rows) painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

/// A start or stop cell: its outline inside the cell, with an "S" in it for the start and a cross
/// corner to corner for the stop, so the two tell apart on black-and-white paper. The painter's
/// unit is a map pixel.
void drawMark(QPainter& painter, const PrintMark& mark) {
    constexpr double kCell = 10, kPen = 0.6;  // 1.2 mm at 20 mm per cell
    const QRectF cell(mark.column * kCell, mark.row * kCell, kCell, kCell);
    const QRectF inside = cell.adjusted(kPen / 2, kPen / 2, -kPen / 2, -kPen / 2);
    painter.setPen(QPen(Qt::black, kPen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inside);
    if (mark.kind == PrintMark::kStop) {
        painter.drawLine(inside.topLeft(), inside.bottomRight());
        painter.drawLine(inside.topRight(), inside.bottomLeft());
        return;
    }
    // Whole-number font sizes: the letter is set a hundred times larger and scaled down.
    painter.save();
    painter.translate(cell.topLeft());
    painter.scale(kCell / 100, kCell / 100);
    QFont font = painter.font();
    font.setPixelSize(60);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("S"));
    painter.restore();
}

/// The layout on the paper the printer holds now: the preview's page setup may have changed it.
PrintLayout onPrinterPaper(PrintLayout layout, const QPrinter& printer) {
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    layout.pageWidth = paper.width();
    layout.pageHeight = paper.height();
    return layout;
}

QString sheetText(const PrintTile& tile, int page, int pages, double mmPerCell) {
    return Vemrik::tr("%1 — wiersz %2, kolumna %3 — strona %4 z %5 — %6 mm na kratkę")
        .arg(QString::fromStdString(tileName(tile.row, tile.column)))
        .arg(tile.row + 1)
        .arg(tile.column + 1)
        .arg(page)
        .arg(pages)
        .arg(mmPerCell);
}

// Qt's names for the papers offered, in their order.
constexpr std::array kQtPapers{QPageSize::A4, QPageSize::A3};
static_assert(kQtPapers.size() == kPapers.size());

/// The scale and the paper, with the sheets they give shown as they change.
class TrackPrintDialog : public QDialog {
public:
    TrackPrintDialog(const Raster& track, QWidget* parent) : QDialog(parent), track_(track) {
        setWindowTitle(worded(PrintTexts::title));
        const PrintChoice first;
        scale_->setObjectName("printScale");
        scale_->setRange(PrintChoice::kLeastMmPerCell, PrintChoice::kMostMmPerCell);
        scale_->setValue(first.mmPerCell);
        scale_->setSuffix(worded(PrintTexts::mm));
        paper_->setObjectName("printPaper");
        for (const Paper& paper : kPapers) paper_->addItem(qs(std::string(paper.name)));
        look_->setObjectName("printLook");
        look_->addItem(worded(PrintTexts::blackLine), static_cast<int>(PrintLook::kBlackLine));
        look_->addItem(worded(PrintTexts::asOnScreen), static_cast<int>(PrintLook::kAsOnScreen));
        sheets_->setObjectName("printSheets");
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        buttons->button(QDialogButtonBox::Ok)->setText(worded(PrintTexts::preview));
        buttons->button(QDialogButtonBox::Cancel)->setText(Vemrik::tr("Anuluj"));
        auto* form = new QFormLayout(this);
        form->addRow(worded(PrintTexts::scale), scale_);
        form->addRow(worded(PrintTexts::paper), paper_);
        form->addRow(worded(PrintTexts::look), look_);
        form->addRow(sheets_);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(scale_, &QSpinBox::valueChanged, this, [this] { showSheets(); });
        connect(paper_, &QComboBox::currentIndexChanged, this, [this] { showSheets(); });
        connect(look_, &QComboBox::currentIndexChanged, this, [this] { showSheets(); });
        showSheets();
    }

    PrintChoice choice() const {
        return PrintChoice{scale_->value(), paper_->currentIndex(),
                           static_cast<PrintLook>(look_->currentData().toInt())}
            .bounded();
    }

    TrackPrintOptions options() const {
        const PrintChoice c = choice();
        return {static_cast<double>(c.mmPerCell), kQtPapers.at(static_cast<std::size_t>(c.paper)), c.look};
    }

private:
    void showSheets() {
        const TrackPrintOptions o = options();
        sheets_->setText(qs(printSummary(trackPrintLayout(printArea(track_, o.look), o), choice())));
    }

    const Raster& track_;
    QSpinBox* scale_ = new QSpinBox(this);
    QComboBox* paper_ = new QComboBox(this);
    QComboBox* look_ = new QComboBox(this);
    QLabel* sheets_ = new QLabel(this);
};

void printTrackAsking(MainWindow& window) {
    const Raster& shown = window.form().Image2.canvas;
    Raster track(shown.width(), shown.height());
    paintTrack(window.form().State, track);
    if (const Area ink = inkArea(track); ink.x1 >= ink.x2) {
        auto* box = new QMessageBox(QMessageBox::Information, Vemrik::tr("Drukuj trasę"), emptyMapMessage(),
                                    QMessageBox::Ok, &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    TrackPrintDialog dialog(track, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    const TrackPrintOptions options = dialog.options();
    const PrintedTrack printed = printedTrack(track, window.form().State.MapGrid, options.look);
    const PrintLayout layout = trackPrintLayout(printed.area, options);
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, layout);
    QPrintPreviewDialog preview(&printer, &window);
    preview.setWindowTitle(Vemrik::tr("Podgląd wydruku trasy"));
    QString error;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        const TrackPrintResult result = printTrack(printed, layout, *target);
        if (!result.error.isEmpty()) error = result.error;
    });
    preview.exec();
    if (!error.isEmpty()) QMessageBox::warning(&window, Vemrik::tr("Drukuj trasę"), error);
}

}  // namespace

PrintLayout trackPrintLayout(Area area, const TrackPrintOptions& options) {
    const QSizeF paper = QPageSize(options.paper).size(QPageSize::Millimeter);
    return printLayout(area, options.mmPerCell, paper.width(), paper.height());
}

QString emptyMapMessage() { return qs(say(kNothingToPrint)); }

QImage printImage(const PrintedTrack& track) {
    // An opaque copy: the raster's unused top byte would otherwise reach the PDF as transparency.
    const QImage image = rasterImage(track.picture).convertToFormat(QImage::Format_RGB32);
    return image.allGray() ? image.convertToFormat(QImage::Format_Grayscale8) : image;
}

double paintSheetTrack(QPainter& painter, const QImage& picture, const PrintedTrack& track,
                       const PrintLayout& layout, const PrintTile& tile) {
    const double mmPerPixel = layout.trackWidth / (track.area.x2 - track.area.x1);
    const double before = painter.worldTransform().m11();
    painter.save();
    painter.setClipRect(QRectF(layout.margin, layout.margin, tile.width, tile.height));
    painter.translate(layout.margin - tile.x, layout.margin - tile.y);
    painter.scale(mmPerPixel, mmPerPixel);
    painter.translate(-track.area.x1, -track.area.y1);
    // Nearest pixel and no JPEG: the cells and strokes keep their sharp edges at any size.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QPointF(0, 0), picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PrintMark& mark : track.marks) drawMark(painter, mark);
    const double drawnAt = painter.worldTransform().m11() / before;
    painter.restore();
    return drawnAt;
}

void preparePrinter(QPrinter& printer, const PrintLayout& layout) {
    const bool landscape = layout.pageWidth > layout.pageHeight;
    const QSizeF upright(std::min(layout.pageWidth, layout.pageHeight),
                         std::max(layout.pageWidth, layout.pageHeight));
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(
        QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
}

TrackPrintResult printTrack(const PrintedTrack& track, const PrintLayout& requested, QPrinter& printer) {
    TrackPrintResult result;
    if (track.area.x1 >= track.area.x2 || track.area.y1 >= track.area.y2) {
        result.error = emptyMapMessage();
        return result;
    }
    const PrintLayout layout = onPrinterPaper(requested, printer);
    const TileGrid grid = tileGrid(layout);
    const std::vector<PrintTile> tiles = printTiles(layout);
    if (tiles.empty()) {
        result.error = Vemrik::tr("Na tym papierze nie zmieści się nic poza marginesami i zakładką.");
        return result;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        result.error = printer.outputFileName().isEmpty()
                           ? Vemrik::tr("Nie udało się zacząć drukowania.")
                           : Vemrik::tr("Nie udało się zapisać pliku %1.").arg(printer.outputFileName());
        return result;
    }
    const QImage picture = printImage(track);
    const double dotsPerMm = printer.resolution() / 25.4;
    const double mmPerCell = layout.trackWidth / (track.area.x2 - track.area.x1) * 10;
    for (const PrintTile& tile : tiles) {
        if (result.pages > 0 && !printer.newPage()) {
            result.error = Vemrik::tr("Nie udało się dodać strony %1.").arg(result.pages + 1);
            break;
        }
        const QRectF area(layout.margin, layout.margin, tile.width, tile.height);
        painter.resetTransform();
        drawSheetName(painter,
                      QRectF(0, (area.bottom() + kMarkGapMm) * dotsPerMm, layout.pageWidth * dotsPerMm,
                             (layout.margin - kMarkGapMm) * dotsPerMm),
                      sheetText(tile, result.pages + 1, static_cast<int>(tiles.size()), mmPerCell));
        painter.scale(dotsPerMm, dotsPerMm);  // from here on a unit is a millimetre of paper
        drawCropMarks(painter, area);
        result.mmPerTrackPixel = paintSheetTrack(painter, picture, track, layout, tile);
        painter.setClipRect(area);
        drawOverlapGuides(painter, area, tile, grid, layout.overlap);
        painter.setClipping(false);
        ++result.pages;
    }
    if (!painter.end() && result.error.isEmpty())
        result.error = Vemrik::tr("Nie udało się dokończyć wydruku.");
    return result;
}

QAction* addPrintTrackAction(MainWindow& window) {
    QAction* action = window.commandAction("file.print");
    QObject::connect(action, &QAction::triggered, &window, [&window] { printTrackAsking(window); });
    return action;
}

}  // namespace vemrik
