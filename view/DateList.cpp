#include "DateList.h"

#include "AccessibleElements.h"

#include <QAccessible>

namespace orvella {

DateList::DateList(const QString& caption, QWidget* parent)
    : QComboBox(parent)
{
    installAccessibleElements();
    setAccessibleName(caption);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && hasFocus())
            announceCurrentEntry(this);
    });
}

} // namespace orvella
