#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/sheet_csv.h"

class QLabel;
class QListWidget;

namespace vemrik {

class MainWindow;

/// Seeing a run: the entries of the "Symulacja" menu (trail, speed, seed, repeatable runs, saving
/// the run as CSV), the status bar under the form, and the rule list's mark of the rule that
/// acted last with each line's hit count as its tooltip.
class RunView : public QObject {
public:
    explicit RunView(MainWindow& window);
    ~RunView() override;

    // The dialogs, replaceable where no one can click them.
    /// The text the user typed for the seed, or nothing when cancelled.
    std::function<std::optional<QString>(std::uint32_t current)> askSeed;
    /// Where to save the run, empty when cancelled, and in which form.
    struct CsvChoice {
        QString path;
        CsvForm form = CsvForm::Plain;
    };
    std::function<CsvChoice(const QString& suggested)> chooseCsvPath;
    std::function<void(const QString& message)> showError;

    /// "Ziarno losowania…"; false when cancelled or the text is not a seed.
    bool chooseSeed();
    /// "Zapisz przebieg…"; false when cancelled or the file could not be written.
    bool saveRun();

    /// The status bar's text, its parts joined by " | ".
    QString statusText() const;

private:
    void connectMenu();
    void buildStatusBar();
    /// Shows the form's run as it is now: status texts, the rule mark and the hit counts.
    void refresh();
    void markRules();

    MainWindow& window_;
    QListWidget* list_ = nullptr;
    std::vector<QLabel*> labels_;
    int afterHandleKey_ = -1;
    // What the rule list shows, for the items mirror() last built.
    std::uint64_t listVersion_ = ~std::uint64_t{0};
    int markedRow_ = -1;
    std::vector<std::uint64_t> shownHits_;
};

}  // namespace vemrik
