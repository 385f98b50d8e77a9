#include "ui/qt/qt_helpers.h"

#include <QFileDialog>

namespace vemrik {

QString savePathFromDialog(QWidget* parent, const QString& title, const QString& suggested,
                           const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace vemrik
