#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QProxyStyle;

namespace vemrik {

/// A frame drawn around the control of the form that the keyboard moved to: with Tab, Shift+Tab
/// or a button's underlined letter. Focus that came with a click shows nothing more than before.
class FocusOutline : public QWidget {
public:
    explicit FocusOutline(QWidget* form);

    /// The control framed now, or nullptr while hidden.
    QWidget* target() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* target);
    void place();
    void drop();

    QWidget* form_;
    QPointer<QWidget> target_;
};

/// The underlined letters of the form's buttons, shown while Alt is held as on most desktops, so
/// the form looks as ever until then; Alt and the letter press the button either way.
class MnemonicUnderlines : public QObject {
public:
    /// Takes over drawing the letters of the buttons now on the form.
    explicit MnemonicUnderlines(QWidget* form);
    ~MnemonicUnderlines() override;

    bool shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(bool on);

    QWidget* form_;
    QProxyStyle* style_;
};

}  // namespace vemrik
