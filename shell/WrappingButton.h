#pragma once

#include <QPushButton>

namespace orvella {

// A push button whose caption wraps onto several lines at word boundaries, centred.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvella
