#pragma once

#include <QObject>
#include <QSet>

class QWidget;

namespace orvella {

// Reports free pointer movements (no button held) over the widgets it watches. A watched
// widget tracks the mouse, so that movements reach it with no button pressed too.
class PointerMoveWatcher : public QObject {
    Q_OBJECT

public:
    enum class Delivery {
        Consume, // the movement ends here: neither the widget nor its parents see it
        PassOn,  // the widget still handles the movement itself (a tab bar's hover look)
    };

    using QObject::QObject;

    void watch(QWidget* widget, Delivery delivery = Delivery::Consume);

signals:
    void pointerMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<const QObject*> m_passOn;
};

} // namespace orvella
