#include "ui/qt/help_menu.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

#include "ui/help_texts.h"
#include "ui/qt/language.h"
#include "ui/qt/main_window.h"
#include "ui/qt/texts.h"

// The guide lives in a static library, whose resources are not registered by themselves.
static void registerHelpResource() { Q_INIT_RESOURCE(help); }

namespace vemrik {

namespace {

QString guideText() {
    registerHelpResource();
    QFile file(Catalogue::instance().speech() == Speech::English ? QStringLiteral(":/help/en/guide.md")
                                                                 : QStringLiteral(":/help/pl/przewodnik.md"));
    if (!file.open(QIODevice::ReadOnly)) return Vemrik::tr(HelpTexts::noGuide.pl.data());
    return QString::fromUtf8(file.readAll());
}

void showAbout(MainWindow& window) {
    QMessageBox::about(&window, Vemrik::tr(HelpTexts::aboutTitle.pl.data()),
                       Vemrik::tr(HelpTexts::about.pl.data()).arg(QStringLiteral(VEMRIK_VERSION)));
}

// Shows the guide of the language spoken once the language changes.
class GuideLanguage : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            static_cast<QTextBrowser*>(watched)->setMarkdown(guideText());
        return false;
    }
};

}  // namespace

QDialog* makeGuideDialog(MainWindow& window) {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName("guideDialog");
    dialog->setWindowTitle(Vemrik::tr(HelpTexts::guideTitle.pl.data()));
    auto* text = new QTextBrowser(dialog);
    text->setObjectName("guideText");
    // The guides name their pictures as the repository holds them, beside their own folder.
    text->document()->setBaseUrl(QUrl(QStringLiteral("qrc:/help/pl/")));
    text->setMarkdown(guideText());
    text->installEventFilter(new GuideLanguage(text));
    // Our own button, not the stock Close: Qt would put its own caption back on a language change.
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(Vemrik::tr("Zamknij"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // Fits a 1366 × 768 screen at 150 %; the text scrolls.
    dialog->resize(620, 460);
    return dialog;
}

void connectHelpMenu(MainWindow& window) {
    auto dialog = std::make_shared<QPointer<QDialog>>();
    QObject::connect(window.commandAction("help.guide"), &QAction::triggered, &window, [&window, dialog] {
        if (!*dialog) *dialog = makeGuideDialog(window);
        (*dialog)->show();
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
    QObject::connect(window.commandAction("help.about"), &QAction::triggered, &window,
                     [&window] { showAbout(window); });
}

}  // namespace vemrik
