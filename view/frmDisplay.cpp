#include "frmDisplay.h"

#include "AccessibleElements.h"
#include "CaptionedFrame.h"
#include "DrawingCircle.h"
#include "DrawingLine.h"
#include "FocusRing.h"
#include "Look.h"
#include "PictureBox.h"
#include "PointerMoveWatcher.h"
#include "ReadingPane.h"
#include "ReadingTabs.h"
#include "SphereCaption.h"
#include "TextField.h"
#include "TextTable.h"
#include "TreeOfLifeDrawing.h"
#include "Twips.h"
#include "WrappingTabBar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace orvella {

namespace {

// The window and its two halves, in twips.
constexpr QSize WindowSize{14235, 8415};
constexpr QRect Frame1Geometry{120, 0, 5415, 8415};
constexpr QRect Frame2Geometry{60, 480, 5295, 7335}; // inside Frame1
constexpr QRect TabsGeometry{5550, 0, 8535, 8415};
constexpr int TabStripHeight = 600;
// The tab whose texts explain the spheres.
constexpr int ExplanationTab = 2;

constexpr QRgb WindowBackground = LightBlue;
constexpr QRgb DrawingBackground = Maroon;
constexpr QRgb Frame1CaptionColor = Yellow;

// A rectangle designed in twips, in pixels.
QRect pixelsOf(const QRect& r)
{
    return twipsRect(r.x(), r.y(), r.width(), r.height());
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : Qt::Window | Qt::FramelessWindowHint)
{
    installAccessibleElements();
    setObjectName(QStringLiteral("frmDisplay"));
    setAccessibleName(QStringLiteral("Reading"));
    setFixedSize(twipsSize(WindowSize.width(), WindowSize.height()));
    setFont(verdana(8.25));
    setColors(this, Black, WindowBackground);

    buildTreeOfLife();
    buildTabs();
    watchClearingSurfaces();
    buildKeyboardOrder();

    // Before a reading fills it, the sun sign text is the one of Virgo.
    setFieldText("lblSunSignDesc",
                 TextTable::get(TextTableId::Personalities).text(QStringLiteral("Virgo")));
}

void frmDisplay::buildTreeOfLife()
{
    auto* frame1 = new CaptionedFrame(tr("Kabbalah Tree Of Life"), verdana(8.25, true),
                                      Frame1CaptionColor, DrawingBackground, this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(pixelsOf(Frame1Geometry));
    // The frame's border and caption strip leave the hover texts as they are.
    frame1->setAttribute(Qt::WA_NoMousePropagation);

    m_drawing = new TreeOfLifeDrawing(frame1);
    m_drawing->setGeometry(pixelsOf(Frame2Geometry));
    connect(m_drawing, &TreeOfLifeDrawing::spherePointed, this,
            [this](SphereIndex sphere) { lblClick_MouseMove(toInt(sphere)); });
    // On the tab that explains the spheres the keyboard's ring explains them as the pointer
    // does; elsewhere the ring alone shows where the focus is.
    connect(m_drawing, &TreeOfLifeDrawing::sphereFocused, this, [this](SphereIndex sphere) {
        if (m_tabs->currentIndex() == ExplanationTab)
            lblClick_MouseMove(toInt(sphere));
    });
    connect(m_drawing, &TreeOfLifeDrawing::sphereFocusCleared, this, [this] {
        if (m_tabs->currentIndex() == ExplanationTab)
            clearSphereHover();
    });
}

void frmDisplay::buildTabs()
{
    const QRect geometry = pixelsOf(TabsGeometry);
    m_tabs = new ReadingTabs(QSize(geometry.width(), twips(TabStripHeight)), this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(tr("Reading tabs"));
    m_tabs->setGeometry(geometry);
    m_tabs->setAttribute(Qt::WA_NoMousePropagation);
    for (int i = 0; i < static_cast<int>(ReadingPanes.size()); ++i) {
        auto* pane = new ReadingPane(i, m_tabs);
        for (QWidget* field : pane->fieldsInScreenOrder())
            m_fields.insert(field->objectName(), field);
        m_tabs->addTab(pane, QCoreApplication::translate(
                                 "orvella::ReadingPanes",
                                 ReadingPanes[static_cast<std::size_t>(i)].tabCaption));
    }
    m_tabs->setCurrentIndex(0);

    m_sphereName = qobject_cast<TextField*>(field(QStringLiteral("lblSphereName")));
    m_sphereDesc = qobject_cast<TextField*>(field(QStringLiteral("lblSphereDesc")));
    // A text box shows nothing before a reading fills it: Tab passes it over until then.
    for (QWidget* box : std::as_const(m_fields))
        if (auto* text = qobject_cast<QPlainTextEdit*>(box))
            followEmptiness(text);
}

void frmDisplay::watchClearingSurfaces()
{
    auto* watcher = new PointerMoveWatcher(this);
    connect(watcher, &PointerMoveWatcher::pointerMoved, this, &frmDisplay::clearSphereHover);
    watcher->watch(m_drawing);
    m_clearingSurfaces.insert(m_drawing);
    for (const char* name : {"picSplit", "picSplitTwo", "lblSunSignDesc", "lblSphereDesc"})
        if (auto* surface = findChild<QWidget*>(QString::fromLatin1(name))) {
            watcher->watch(surface);
            m_clearingSurfaces.insert(surface);
        }
    m_clearingSurfaces.insert(m_tabs->strip());

    // With a button held, Qt sends every movement to the widget the press began on. For the
    // hover held buttons play no part, so those movements are resolved here by the widget
    // that is really under the pointer; the widgets themselves act only on free movements.
    qApp->installEventFilter(this);
    // The tab control clears on pointer movement over its strip of tabs, like the other
    // surfaces; the thin frame around its panes does nothing. The strip still sees the
    // movement, for its own hover look.
    watcher->watch(m_tabs->strip(), PointerMoveWatcher::Delivery::PassOn);
}

void frmDisplay::buildKeyboardOrder()
{
    // Tab: the tabs, the fields of the tab shown in screen order, then the drawing. The
    // fields of the hidden tabs are passed over.
    auto* ring = new FocusRing(this);
    QWidget* previous = m_tabs->tabBar();
    for (int i = 0; i < m_tabs->count(); ++i)
        if (auto* pane = qobject_cast<ReadingPane*>(m_tabs->widget(i)))
            for (QWidget* field : pane->fieldsInScreenOrder()) {
                QWidget::setTabOrder(previous, field);
                ring->follow(field);
                previous = field;
            }
    QWidget::setTabOrder(previous, m_drawing);
}

QWidget* frmDisplay::lastInKeyboardOrder() const
{
    return m_drawing;
}

QTabWidget* frmDisplay::tabs() const
{
    return m_tabs;
}

QWidget* frmDisplay::field(const QString& name) const
{
    return m_fields.value(name);
}

void frmDisplay::setFieldText(const char* fieldName, const QString& text)
{
    QWidget* field = this->field(QString::fromLatin1(fieldName));
    if (auto* label = qobject_cast<TextField*>(field))
        label->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(field)) {
        box->setPlainText(text);
        followEmptiness(box);
    }
}

void frmDisplay::followEmptiness(QPlainTextEdit* box)
{
    // Tab reaches a text box while it shows something; one that has the focus keeps it.
    if (!box->hasFocus())
        box->setFocusPolicy(box->document()->isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

bool frmDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        const auto* move = static_cast<const QMouseEvent*>(event);
        const auto* widget = static_cast<const QWidget*>(watched);
        if (move->buttons() != Qt::NoButton && (widget == this || isAncestorOf(widget)))
            pointerMovedOver(childAt(mapFromGlobal(move->globalPosition().toPoint())));
    }
    return QWidget::eventFilter(watched, event);
}

void frmDisplay::pointerMovedOver(const QWidget* widget)
{
    if (const auto* caption = qobject_cast<const SphereCaption*>(widget))
        lblClick_MouseMove(toInt(caption->sphereIndex()));
    else if (m_clearingSurfaces.contains(widget))
        clearSphereHover();
}

void frmDisplay::ShowReading(const Reading& reading)
{
    for (const ReadingTextField& field : ReadingTextFields)
        setFieldText(field.name, reading.*field.member);
    // Someone born on a cusp sees from the sign's dates why this is their sign.
    if (QWidget* signName = field(QStringLiteral("lblSunSignName")))
        signName->setToolTip(reading.sunSignPeriod);
    for (const ReadingPictureField& field : ReadingPictureFields)
        if (auto* box = qobject_cast<PictureBox*>(this->field(QString::fromLatin1(field.name))))
            box->showPicture(reading.*field.member);
}

void frmDisplay::ApplyHighlight(const TreeHighlight& highlight)
{
    const QColor colour(HighlightColor.red, HighlightColor.green, HighlightColor.blue);
    if (auto* caption = m_drawing->findChild<TextField*>(highlight.zodiacLabel))
        caption->show();
    if (DrawingCircle* one = m_drawing->circle(highlight.sphereOne))
        one->setFillColor(colour);
    if (DrawingLine* line = m_drawing->pathLine(highlight.pathLine))
        line->setColor(colour);
    if (DrawingCircle* two = m_drawing->circle(highlight.sphereTwo))
        two->setFillColor(colour);
}

QString frmDisplay::fieldText(const QString& fieldName) const
{
    QWidget* field = this->field(fieldName);
    if (auto* label = qobject_cast<TextField*>(field))
        return label->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(field))
        return box->toPlainText();
    return {};
}

void frmDisplay::lblClick_MouseMove(int index)
{
    if (index < 0 || index >= SphereCount)
        return;
    const auto sphere = static_cast<SphereIndex>(index);
    if (m_sphereDesc)
        m_sphereDesc->setText(TheKnowledgeTexts().sphere(sphere));
    if (m_sphereName)
        m_sphereName->setText(sphereName(sphere));
}

void frmDisplay::clearSphereHover()
{
    if (m_sphereName)
        m_sphereName->setText(QString());
    if (m_sphereDesc)
        m_sphereDesc->setText(QString());
}

} // namespace orvella
