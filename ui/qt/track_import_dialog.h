#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

#include "app/program_state.h"
#include "raster/raster.h"
#include "track_import/grey_image.h"
#include "track_import/import_apply.h"
#include "track_import/track_import.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace vemrik {

class ImageView;

/// "Importuj trasę z obrazu": the picture, and beside it the map as the import would leave it,
/// painted as the simulation paints the track and redrawn shortly after every change of the
/// threshold, "Odwróć", what the picture becomes and whether it replaces the track.
class TrackImportDialog : public QDialog {
public:
    /// The picture as readTrackPicture fitted it; the track is the one the import would change.
    TrackImportDialog(const QImage& picture, const ProgramState& track, QWidget* parent);

    ImportOptions options() const;
    ImportPlacement placement() const;
    /// The track found with the options as they are now.
    const ImportedTrack& result();

private:
    QWidget* buildControls();
    void changed();
    void recompute();
    void resetThreshold();

    GreyImage grey_;
    int otsu_ = 127;
    ProgramState track_;
    ImportedTrack result_;
    bool current_ = false;
    Raster preview_{701, 401};
    ImageView* previewView_ = nullptr;
    QLabel* summary_ = nullptr;
    QSlider* slider_ = nullptr;
    QSpinBox* spin_ = nullptr;
    QCheckBox* invert_ = nullptr;
    QRadioButton* strokes_ = nullptr;
    QRadioButton* cells_ = nullptr;
    QRadioButton* replace_ = nullptr;
    QRadioButton* add_ = nullptr;
    QTimer timer_;
};

}  // namespace vemrik
