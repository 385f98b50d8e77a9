#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace vemrik {

class WorkspaceMenu;

/// "Plik" → "Ostatnio otwierane": the newest files opened or saved, kept in the user's Qt
/// settings together with the folder the file dialogs last chose from.
class RecentFiles : public QObject {
public:
    /// Adds the submenu under "Otwórz…" and follows every file the menu opens or saves.
    explicit RecentFiles(WorkspaceMenu& menu);

    /// Newest first.
    QStringList files() const;
    /// The folder of the file last chosen in an open or save dialog; the current one before that.
    QString lastFolder() const;
    QMenu* menu() const { return menu_; }

private:
    void add(const QString& path);
    void remove(const QString& path);
    void store(const QStringList& files);
    /// A file that is gone is dropped from the list with a message, before anyone is asked to save.
    void open(const QString& path);
    QString rememberFolder(const QString& chosenPath);
    void rebuild();

    WorkspaceMenu& workspace_;
    QMenu* menu_ = nullptr;
};

}  // namespace vemrik
