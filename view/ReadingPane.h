#pragma once

#include "ReadingPaneLayout.h"

#include <QList>
#include <QWidget>
#include <vector>

namespace orvella {

// One pane of the reading view's tab control, built from its table in ReadingPaneLayout.h:
// the dark background, the line that divides it and every caption and field at its place.
// Static captions are named Label1, Label2, … in table order across the three panes.
//
// Every field that shows something can take the keyboard's focus from Tab and tells assistive
// technology its caption with its value; where captions repeat on a pane, the caption also
// says which sphere it belongs to.
class ReadingPane : public QWidget {
    Q_OBJECT

public:
    ReadingPane(int paneIndex, QWidget* parent);

    // The fields from top to bottom and, on one row, from left to right: the order Tab
    // visits them in.
    QList<QWidget*> fieldsInScreenOrder() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PaneLayout& m_layout;
    QList<QWidget*> m_fieldsInScreenOrder;
};

} // namespace orvella
