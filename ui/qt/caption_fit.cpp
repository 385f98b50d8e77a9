#include "ui/qt/caption_fit.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace vemrik {

namespace {

// Narrower than this and letters are hard to read; a caption that needs more is cut as before.
constexpr int kNarrowestStretch = 60;
constexpr const char* kNarrowed = "vemrikNarrowed";

int captionWidth(const QPushButton* button, const QFontMetrics& metrics) {
    QString caption = button->text();
    caption.remove(u'&');  // the mnemonic marker takes no room
    return metrics.horizontalAdvance(caption);
}

}  // namespace

int captionRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

void fitCaptions(QWidget* root) {
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        const int room = captionRoom(button);
        if (button->property(kNarrowed).toBool()) {
            button->setFont(QFont());  // the inherited font again
            button->setProperty(kNarrowed, false);
        }
        for (int stretch = 100;
             captionWidth(button, button->fontMetrics()) > room && stretch > kNarrowestStretch;) {
            stretch -= 5;
            QFont narrower;
            narrower.setStretch(stretch);  // only the stretch: size and family still follow the form
            button->setFont(narrower);
            button->setProperty(kNarrowed, true);
        }
    }
}

}  // namespace vemrik
