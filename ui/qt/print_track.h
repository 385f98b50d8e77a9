#pragma once

#include <QPageSize>
#include <QString>

#include "raster/raster.h"
#include "simulation/print_tiles.h"

class QAction;
class QPrinter;

namespace vemrik {

class MainWindow;
class WorkspaceMenu;

/// What the user chooses before printing the track.
struct TrackPrintOptions {
    double mmPerCell = 20;
    QPageSize::PageSizeId paper = QPageSize::A4;
};

/// What a print did: the pages made and the scale the painter actually drew the track at.
struct TrackPrintResult {
    int pages = 0;
    double mmPerTrackPixel = 0;
    /// Empty on success; otherwise why nothing was printed, in Polish.
    QString error;
};

/// The sheets for this track on this paper, turned where that needs fewer.
PrintLayout trackPrintLayout(const Raster& track, const TrackPrintOptions& options);

/// Sets the printer's paper and orientation for the layout, with no margins of its own.
void preparePrinter(QPrinter& printer, const PrintLayout& layout);

/// Prints the track on the printer's paper as it is now (the layout's own paper only chose it), one
/// sheet per tile, pixels kept square and sharp, with crop marks at the printable area's corners,
/// dashed lines where the next sheets are laid and each sheet's name in its margin.
TrackPrintResult printTrack(const Raster& track, const PrintLayout& layout, QPrinter& printer);

/// Adds "Plik" → "Drukuj trasę…": the map's track, the scale and paper asked in a small dialog,
/// then a print preview from which it goes to a printer or a PDF file.
QAction* addPrintTrackAction(WorkspaceMenu& menu, MainWindow& window);

}  // namespace vemrik
