#pragma once

#include <QPageSize>
#include <QString>

#include "raster/raster.h"
#include "simulation/print_tiles.h"
#include "simulation/printed_track.h"

class QAction;
class QImage;
class QPainter;
class QPrinter;

namespace vemrik {

class MainWindow;

/// What the user chooses before printing the track.
struct TrackPrintOptions {
    double mmPerCell = 20;
    QPageSize::PageSizeId paper = QPageSize::A4;
    PrintLook look = PrintLook::kBlackLine;
};

/// What a print did: the pages made and the scale the painter actually drew the track at.
struct TrackPrintResult {
    int pages = 0;
    double mmPerTrackPixel = 0;
    /// Empty on success; otherwise why nothing was printed, in Polish.
    QString error;
};

/// The sheets for this area of the map on the chosen paper at the chosen scale, turned where that
/// needs fewer.
PrintLayout trackPrintLayout(Area area, const TrackPrintOptions& options);

/// Sets the printer's paper and orientation for the layout, with no margins of its own.
void preparePrinter(QPrinter& printer, const PrintLayout& layout);

/// Why a map with no track is not printed, in Polish.
QString emptyMapMessage();

/// The picture as it goes to paper: grey levels only when it has no colour, so a printer prints
/// black with black ink alone.
QImage printImage(const PrintedTrack& track);

/// One sheet's part of the track: the picture (made by printImage) and the start and stop marks,
/// clipped to the sheet's printable area. The painter's unit is a millimetre of paper, from the
/// sheet's corner; it is left as it came. Returns the millimetres of paper a map pixel took.
double paintSheetTrack(QPainter& painter, const QImage& picture, const PrintedTrack& track,
                       const PrintLayout& layout, const PrintTile& tile);

/// Prints the track on the printer's paper as it is now (the layout's own paper only chose it), one
/// sheet per tile, pixels kept square and sharp, with crop marks at the printable area's corners,
/// dashed lines where the next sheets are laid and each sheet's name in its margin.
TrackPrintResult printTrack(const PrintedTrack& track, const PrintLayout& layout, QPrinter& printer);

/// Makes "Plik" → "Drukuj trasę…" print the map's track, the scale, paper and look asked in a small
/// dialog, then a print preview from which it goes to a printer or a PDF file. A map with no track
/// gets a message instead.
QAction* addPrintTrackAction(MainWindow& window);

}  // namespace vemrik
