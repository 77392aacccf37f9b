#pragma once

#include <QTabWidget>

namespace orvella {

class WrappingTabBar;

// The tab control SSTab1: one row of three equal tabs above the three reading panes.
class ReadingTabs : public QTabWidget {
    Q_OBJECT

public:
    ReadingTabs(QSize stripSize, QWidget* parent);

    WrappingTabBar* strip() const { return m_strip; }

private:
    WrappingTabBar* m_strip;
};

} // namespace orvella
