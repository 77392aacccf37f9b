#pragma once

#include "TextField.h"

namespace orvella {

// A label that works as a link: it shows the hand pointer and reports a left click. Tab
// reaches it (a click does not focus it), Enter or Space opens it like the click, and while it
// has the focus a frame in its text colour marks it.
class LinkLabel : public TextField {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Follows the link, as a click does.
    void activate();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvella
