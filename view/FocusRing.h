#pragma once

#include <QFocusFrame>
#include <QSet>

namespace orvella {

// A clearly visible frame around the widget that has the keyboard focus, for widgets whose
// own mark of the focus is faint or missing (value labels, long texts, pictures, text boxes).
// One ring serves a whole window and moves with the focus to each widget it follows. It takes
// no pointer events and, being a focus frame, is no object of its own for assistive
// technology.
class FocusRing : public QFocusFrame {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* parent);

    void follow(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void focusMoved(QWidget* now);

    QSet<const QWidget*> m_followed;
};

} // namespace orvella
