#include "modRTB.h"

#include "HandCursor.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QTextEdit>
#include <QUrl>

namespace orvella {

namespace {

// The filter on one box's viewport that opens its links on a press. QTextBrowser would follow
// a link only on the release, so the press is taken here.
class LinkHandler final : public QObject {
public:
    LinkHandler(QTextEdit* box, QWidget* owner)
        : QObject(owner)
        , m_box(box)
        , m_viewport(box->viewport())
        , m_hadMouseTracking(box->viewport()->hasMouseTracking())
        , m_hadCursor(box->viewport()->testAttribute(Qt::WA_SetCursor))
        , m_plainCursor(box->viewport()->cursor())
    {
        m_viewport->installEventFilter(this);
        m_viewport->setMouseTracking(true);
    }

    ~LinkHandler() override
    {
        if (m_viewport.isNull())
            return;
        m_viewport->removeEventFilter(this);
        m_viewport->setMouseTracking(m_hadMouseTracking);
        showLinkCursor(false);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only mouse events matter. Others also arrive while the box is being destroyed,
        // when it must no longer be touched: isNull() looks at the pointer without a cast.
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove)
            return false;
        if (m_box.isNull() || watched != m_viewport.data())
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString href = m_box->anchorAt(mouse->position().toPoint());
        if (event->type() == QEvent::MouseMove)
            showLinkCursor(!href.isEmpty());
        else if (mouse->button() == Qt::LeftButton && !isSecondPressOfDoubleClick(mouse) &&
                 !href.isEmpty())
            QDesktopServices::openUrl(QUrl(href, QUrl::TolerantMode)); // failing in silence
        // The box goes on to handle every event itself (selection, focus).
        return false;
    }

private:
    // Qt delivers the second press of a double click as a press too (followed by the
    // double-click event); like the platform's own link notification, it opens nothing. The
    // press after it starts a new click.
    bool isSecondPressOfDoubleClick(const QMouseEvent* event)
    {
        const QStyleHints* hints = QGuiApplication::styleHints();
        const QPoint position = event->position().toPoint();
        const bool second = m_hasFirstPress &&
                            event->timestamp() - m_firstPressTime <
                                static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
                            (position - m_firstPressPosition).manhattanLength() <=
                                hints->mouseDoubleClickDistance();
        m_hasFirstPress = !second;
        m_firstPressTime = event->timestamp();
        m_firstPressPosition = position;
        return second;
    }

    // The hand over a link, the box's own pointer elsewhere.
    void showLinkCursor(bool overLink)
    {
        if (overLink == m_overLink)
            return;
        m_overLink = overLink;
        if (overLink)
            m_viewport->setCursor(handCursor());
        else if (m_hadCursor)
            m_viewport->setCursor(m_plainCursor);
        else
            m_viewport->unsetCursor();
    }

    QPointer<QTextEdit> m_box;
    QPointer<QWidget> m_viewport;
    bool m_hadMouseTracking;
    bool m_hadCursor;
    QCursor m_plainCursor;
    bool m_overLink = false;
    bool m_hasFirstPress = false;
    quint64 m_firstPressTime = 0;
    QPoint m_firstPressPosition;
};

// Program-wide: link handling is one set of state for the whole program, as at most one report
// window exists at a time and turning it on for a box turns it off for any other.
QPointer<LinkHandler> theHandler;

} // namespace

void EnableLinkDetection(QTextEdit* box, QWidget* owner)
{
    DisableLinkDetection();
    if (!box || !owner)
        return;
    theHandler = new LinkHandler(box, owner);
}

void DisableLinkDetection()
{
    delete theHandler.data();
    theHandler = nullptr;
}

bool IsLinkDetectionOn()
{
    return !theHandler.isNull();
}

QWidget* LinkDetectionOwner()
{
    return theHandler ? qobject_cast<QWidget*>(theHandler->parent()) : nullptr;
}

} // namespace orvella
