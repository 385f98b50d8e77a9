#include "ui/qt/caption_fit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace vemrik {

namespace {

// Narrower than this and letters are hard to read; a caption that needs more is cut as before.
constexpr int kNarrowestStretch = 60;
constexpr const char* kNarrowed = "vemrikNarrowed";
constexpr const char* kWithinWidth = "vemrikWithinWidth";

template <class W>
int captionWidth(const W* w, const QFontMetrics& metrics) {
    QString caption = w->text();
    caption.remove(u'&');  // the mnemonic marker takes no room
    return metrics.horizontalAdvance(caption);
}

template <class W>
void narrowUntilFits(W* w, int room) {
    if (w->property(kNarrowed).toBool()) {
        w->setFont(QFont());  // the inherited font again
        w->setProperty(kNarrowed, false);
    }
    for (int stretch = 100; captionWidth(w, w->fontMetrics()) > room && stretch > kNarrowestStretch;) {
        stretch -= 5;
        QFont narrower;
        narrower.setStretch(stretch);  // only the stretch: size and family still follow the form
        w->setFont(narrower);
        w->setProperty(kNarrowed, true);
    }
}

}  // namespace

int captionRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

void fitCaptions(QWidget* root) {
    for (QPushButton* button : root->findChildren<QPushButton*>())
        narrowUntilFits(button, captionRoom(button));
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->property(kWithinWidth).toBool()) narrowUntilFits(label, label->contentsRect().width());
}

void keepWithinWidth(QLabel* label) { label->setProperty(kWithinWidth, true); }

}  // namespace vemrik
