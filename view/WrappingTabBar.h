#pragma once

#include <QTabBar>

namespace orvella {

// A tab bar whose tabs share its whole width equally and whose captions wrap onto a second
// line where one line is too narrow, instead of being cut short.
class WrappingTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit WrappingTabBar(QSize stripSize, QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QSize m_strip;
};

} // namespace orvella
