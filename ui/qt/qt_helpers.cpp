#include "ui/qt/qt_helpers.h"

#include <QFileDialog>
#include <algorithm>

namespace vemrik {

SaveChoice saveChoiceFromDialog(QWidget* parent, const QString& title, const QString& suggested,
                                const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted) return {};
    // Two filters may share a pattern ("*.csv" plain and for a spreadsheet): their place tells them apart.
    return {
        dialog.selectedFiles().value(0),
        static_cast<int>(std::max<qsizetype>(0, dialog.nameFilters().indexOf(dialog.selectedNameFilter())))};
}

QString savePathFromDialog(QWidget* parent, const QString& title, const QString& suggested,
                           const QString& filter, const QString& suffix) {
    return saveChoiceFromDialog(parent, title, suggested, filter, suffix).path;
}

}  // namespace vemrik
