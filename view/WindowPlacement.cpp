#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvella {

namespace {

void centreOnScreen(QWidget* window)
{
    const QWidget* parent = window->parentWidget();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

class CentreOnFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            centreOnScreen(static_cast<QWidget*>(watched));
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreWhenShown(QWidget* window)
{
    centreOnScreen(window);
    window->installEventFilter(new CentreOnFirstShow(window));
}

} // namespace orvella
