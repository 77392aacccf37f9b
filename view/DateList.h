#pragma once

#include <QComboBox>

namespace orvella {

// A list of the birth date that only allows picking, named by its caption. Its entry is
// told to assistive technology as the list's current item, which takes the focus with every
// change, so that a screen reader speaks the caption on arrival and each new entry as the
// arrow keys move the list.
class DateList : public QComboBox {
    Q_OBJECT

public:
    DateList(const QString& caption, QWidget* parent);
};

} // namespace orvella
