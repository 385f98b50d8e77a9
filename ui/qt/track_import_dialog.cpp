#include "ui/qt/track_import_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "simulation/simulation_view.h"
#include "track_import/threshold.h"
#include "ui/qt/image_view.h"
#include "ui/qt/screen_fit.h"
#include "ui/qt/texts.h"
#include "ui/qt/track_picture.h"

namespace vemrik {

namespace {

// Long enough that dragging the slider does not recompute at every step, short enough to feel live.
constexpr int kPreviewDelayMs = 120;
// What a small screen shows before the contents scroll: the threshold and the first options.
const QSize kLeastContents(360, 240);

QRadioButton* radio(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* pair(const QString& title, QRadioButton* first, QRadioButton* second) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    first->setChecked(true);
    return box;
}

}  // namespace

TrackImportDialog::TrackImportDialog(const QImage& picture, const ProgramState& track, QWidget* parent)
    : QDialog(parent), grey_(greyImage(picture)), otsu_(otsuThreshold(grey_)), track_(track) {
    setWindowTitle(Vemrik::tr("Importuj trasę z obrazu"));
    previewView_ = new ImageView(preview_, this);
    previewView_->setObjectName("importPreview");
    auto* shown = new QLabel(this);
    shown->setObjectName("importPicture");
    shown->setPixmap(QPixmap::fromImage(
        picture.scaled(picture.size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    shown->setToolTip(Vemrik::tr("Wczytany obraz"));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(Vemrik::tr("Obraz:"), this));
    left->addWidget(shown);
    left->addWidget(buildControls());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(Vemrik::tr("Trasa po imporcie:"), this));
    right->addWidget(previewView_);
    right->addWidget(summary_ = new QLabel(this));
    right->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Vemrik::tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Vemrik::tr("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* contents = new QWidget(this);
    auto* columns = new QHBoxLayout(contents);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(left);
    columns->addLayout(right);
    // On a small screen the picture and the preview scroll; OK and "Anuluj" stay in sight.
    auto* all = new QVBoxLayout(this);
    all->addWidget(new FittingScrollArea(contents, kLeastContents, this), 1);
    all->addWidget(buttons);

    timer_.setSingleShot(true);
    timer_.setInterval(kPreviewDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { recompute(); });
    recompute();
    fitOnScreen(this, sizeHint());
}

QWidget* TrackImportDialog::buildControls() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    slider_ = new QSlider(Qt::Horizontal, box);
    slider_->setObjectName("importThreshold");
    spin_ = new QSpinBox(box);
    spin_->setObjectName("importThresholdValue");
    slider_->setRange(0, 255);
    spin_->setRange(0, 255);
    slider_->setValue(otsu_);
    spin_->setValue(otsu_);
    auto* label = new QLabel(Vemrik::tr("&Próg jasności:"), box);
    label->setBuddy(spin_);
    auto* automatic = new QPushButton(Vemrik::tr("Próg &automatyczny"), box);
    automatic->setObjectName("importAutomaticThreshold");
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(spin_);
    row->addWidget(automatic);
    layout->addLayout(row);
    layout->addWidget(slider_);
    invert_ = new QCheckBox(Vemrik::tr("&Odwróć (jasna linia na ciemnym tle)"), box);
    invert_->setObjectName("importInvert");
    layout->addWidget(invert_);
    strokes_ = radio(Vemrik::tr("Pociągnięcia pędzla wzdłuż &linii"), "importStrokes", box);
    cells_ = radio(Vemrik::tr("&Komórki linii"), "importCells", box);
    layout->addWidget(pair(Vemrik::tr("Obraz staje się"), strokes_, cells_));
    replace_ = radio(Vemrik::tr("&Zastąp trasę"), "importReplace", box);
    add_ = radio(Vemrik::tr("&Dodaj do trasy"), "importAdd", box);
    layout->addWidget(pair(Vemrik::tr("Na mapie"), replace_, add_));

    connect(slider_, &QSlider::valueChanged, spin_, &QSpinBox::setValue);
    connect(spin_, &QSpinBox::valueChanged, slider_, &QSlider::setValue);
    connect(spin_, &QSpinBox::valueChanged, this, [this] { changed(); });
    connect(automatic, &QPushButton::clicked, this, [this] { resetThreshold(); });
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{invert_, strokes_, replace_})
        connect(b, &QAbstractButton::toggled, this, [this] { changed(); });
    return box;
}

ImportOptions TrackImportDialog::options() const {
    ImportOptions o;
    o.threshold = spin_->value();
    o.invert = invert_->isChecked();
    o.mode = cells_->isChecked() ? ImportMode::Cells : ImportMode::Strokes;
    return o;
}

ImportPlacement TrackImportDialog::placement() const {
    return add_->isChecked() ? ImportPlacement::Add : ImportPlacement::Replace;
}

const ImportedTrack& TrackImportDialog::result() {
    if (!current_) recompute();
    return result_;
}

void TrackImportDialog::changed() {
    current_ = false;
    timer_.start();
}

void TrackImportDialog::recompute() {
    timer_.stop();
    result_ = importTrack(grey_, options());
    current_ = true;
    ProgramState after = track_;
    importInto(after, result_, placement());
    paintTrack(after, preview_);
    previewView_->refresh();
    summary_->setText(options().mode == ImportMode::Cells
                          ? Vemrik::tr("Komórek linii z obrazu: %1").arg(result_.lineCells.size())
                          : Vemrik::tr("Odcinków pędzla z obrazu: %1").arg(result_.strokes.size()));
}

void TrackImportDialog::resetThreshold() { spin_->setValue(otsu_); }

}  // namespace vemrik
