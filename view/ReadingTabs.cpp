#include "ReadingTabs.h"

#include "WrappingTabBar.h"

namespace orvella {

ReadingTabs::ReadingTabs(QSize stripSize, QWidget* parent)
    : QTabWidget(parent)
    , m_strip(new WrappingTabBar(stripSize))
{
    m_strip->setObjectName(QStringLiteral("SSTab1Strip"));
    setTabBar(m_strip);
}

} // namespace orvella
