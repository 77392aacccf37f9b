#include "AccessibleElements.h"

#include "CaptionedFrame.h"
#include "DateList.h"
#include "DrawingCircle.h"
#include "DrawingLine.h"
#include "KnowledgeTexts.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "ReadingTabs.h"
#include "SphereCaption.h"
#include "TextField.h"
#include "TreeOfLifeDrawing.h"

#include <QAbstractItemView>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QStackedWidget>
#include <QWindow>

namespace orvella {

namespace {

// The text interface over a text that the widget shows, with its lines as the widget lays
// them out. Shared by the fields and the date lists.
class ShownText : public QAccessibleTextInterface {
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0)
            selected(startOffset, endOffset);
    }
    int selectionCount() const override
    {
        int start = 0;
        int end = 0;
        selected(&start, &end);
        return start != end ? 1 : 0;
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { setSelection(0, 0, 0); }
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

protected:
    virtual QString shown() const = 0;
    virtual void selected(int* start, int* end) const
    {
        *start = 0;
        *end = 0;
    }
};

QString joined(const QStringList& parts)
{
    QStringList said = parts;
    said.removeAll(QString());
    return said.join(QStringLiteral(", "));
}

// Text of the program's own: a field of the reading, a static caption, a label on the
// drawing. A field (a Tab stop) is named by its caption, its value and what its tooltip
// adds ("Sun sign, Capricorn, December 21 – January 19"), so that a screen reader speaks
// caption and value together, once each; its text is the value alone. A caption's name is
// its text.
class TextFieldAccessible : public QAccessibleWidget, public ShownText {
public:
    explicit TextFieldAccessible(TextField* field)
        : QAccessibleWidget(field, QAccessible::StaticText)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (field()->isTabStopWhileShown())
                return joined({field()->accessibleName(), field()->text(), field()->toolTip()});
            return field()->accessibleName().isEmpty() ? field()->text()
                                                       : field()->accessibleName();
        case QAccessible::Value:
            return field()->text();
        case QAccessible::Description:
            return field()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = field()->isSelectableByKeys();
        return s;
    }

    // QAccessibleTextInterface, beyond the shown text
    void setSelection(int, int startOffset, int endOffset) override
    {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QRect characterRect(int offset) const override
    {
        const QRect local = field()->characterRect(offset);
        return local.isNull() ? local : QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->positionAt(field()->mapFromGlobal(point));
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        // A line is a line as the field shows it, not a paragraph.
        if (boundary == QAccessible::LineBoundary) {
            const auto [start, end] = field()->lineAround(offset);
            *startOffset = start;
            *endOffset = end;
            return shown().mid(start, end - start);
        }
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    }

protected:
    QString shown() const override { return field()->text(); }
    void selected(int* start, int* end) const override
    {
        *start = *end = 0;
        if (field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + static_cast<int>(field()->selectedText().size());
        }
    }

private:
    TextField* field() const { return static_cast<TextField*>(object()); }
};

// A picture of the reading: named by what it shows, described by the field it fills.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit PictureAccessible(PictureBox* box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !box()->shows().isEmpty())
            return box()->shows();
        if (t == QAccessible::Description)
            return joined({box()->accessibleName(), box()->accessibleDescription()});
        return QAccessibleWidget::text(t);
    }

    QString imageDescription() const override { return box()->shows(); }
    QSize imageSize() const override { return box()->pixmap().size(); }
    QPoint imagePosition() const override { return rect().topLeft(); }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(object()); }
};

// A link label: a link that Enter, or an assistive technology's press, opens.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && link()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            link()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(object()); }
};

// A widget that only holds others: not spoken on the way into what it holds. The tab
// control's stack of panes and the frame around the Tree of Life are such.
class HolderAccessible : public QAccessibleWidget {
public:
    explicit HolderAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Client)
    {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name || t == QAccessible::Description ? QString()
                                                                       : QAccessibleWidget::text(t);
    }
};

// One entry of a date list: the item a screen reader hears when the list moves to it.
class DateEntryAccessible : public QAccessibleInterface {
public:
    DateEntryAccessible(DateList* list, int index)
        : m_list(list)
        , m_index(index)
    {}

    bool isValid() const override { return m_list && m_index < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_list.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && m_list ? m_list->itemText(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return m_list ? QRect(m_list->mapToGlobal(QPoint(0, 0)), m_list->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const bool current = m_list && m_list->currentIndex() == m_index;
        s.invisible = !current;
        s.selectable = true;
        s.selected = current;
        s.focusable = true;
        s.focused = current && m_list->hasFocus();
        return s;
    }

private:
    QPointer<DateList> m_list;
    int m_index;
};

// A date list: named by its caption, its text the entry it shows, its entries its children.
class DateListAccessible : public QAccessibleWidget, public ShownText {
public:
    explicit DateListAccessible(DateList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {}

    ~DateListAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_entries))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= list()->count())
            return nullptr;
        auto kept = m_entries.constFind(index);
        if (kept != m_entries.constEnd())
            return QAccessible::accessibleInterface(*kept);
        auto* entry = new DateEntryAccessible(list(), index);
        m_entries.insert(index, QAccessible::registerAccessibleInterface(entry));
        return entry;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() ? child(list()->currentIndex()) : nullptr;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

protected:
    QString shown() const override { return list()->currentText(); }

private:
    DateList* list() const { return static_cast<DateList*>(object()); }

    mutable QHash<int, QAccessible::Id> m_entries;
};

TreeOfLifeDrawing* drawingOf(const QObject* part)
{
    return part ? qobject_cast<TreeOfLifeDrawing*>(part->parent()) : nullptr;
}

QString highlightedIn(const QString& name, bool highlighted)
{
    return highlighted
               ? QCoreApplication::translate("orvella::TreeOfLifeDrawing", "%1, highlighted")
                     .arg(name)
               : name;
}

// A sphere of the Tree of Life, through its caption, whose box is the sphere's area: its
// number and name, whether this reading highlights it, and its explanation.
class SphereAccessible : public QAccessibleWidget {
public:
    explicit SphereAccessible(SphereCaption* caption)
        : QAccessibleWidget(caption, QAccessible::Graphic)
    {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return highlightedIn(caption()->accessibleName(), highlighted());
        case QAccessible::Description:
            return TheKnowledgeTexts().sphere(caption()->sphereIndex());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const TreeOfLifeDrawing* drawing = drawingOf(caption());
        s.focusable = true;
        if (drawing) {
            s.focused = drawing->hasFocus() && !drawing->focusedPath() &&
                        drawing->ringSphere() == caption()->sphereIndex();
            s.selected = highlighted();
        }
        return s;
    }

private:
    SphereCaption* caption() const { return static_cast<SphereCaption*>(object()); }
    bool highlighted() const
    {
        const TreeOfLifeDrawing* drawing = drawingOf(caption());
        return drawing && drawing->isHighlighted(drawing->circle(caption()->sphereIndex()));
    }
};

// A path line of the Tree of Life: painted only, so an object of its own here. Its name says
// whether this reading highlights it; its description gives its card and its letter.
class PathAccessible : public QAccessibleObject {
public:
    explicit PathAccessible(DrawingLine* line)
        : QAccessibleObject(line)
    {}

    bool isValid() const override { return QAccessibleObject::isValid() && drawing(); }
    QWindow* window() const override
    {
        return drawing() ? drawing()->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(drawing());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Graphic; }

    QString text(QAccessible::Text t) const override
    {
        const TreeOfLifeDrawing* tree = drawing();
        if (!tree)
            return {};
        switch (t) {
        case QAccessible::Name:
            return highlightedIn(tree->pathTitle(line()), tree->isHighlighted(line()));
        case QAccessible::Description:
            return tree->pathDescription(line());
        default:
            return {};
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const TreeOfLifeDrawing* tree = drawing();
        s.invisible = !tree || !tree->isVisible();
        s.selected = tree && tree->isHighlighted(line());
        s.focusable = tree && tree->isHighlighted(line());
        s.focused = tree && tree->hasFocus() && tree->focusedPath() == line();
        return s;
    }

    QRect rect() const override
    {
        const TreeOfLifeDrawing* tree = drawing();
        if (!tree)
            return {};
        const QRect local = line()->geometry();
        return QRect(tree->mapToGlobal(local.topLeft()), local.size());
    }

private:
    DrawingLine* line() const { return static_cast<DrawingLine*>(object()); }
    TreeOfLifeDrawing* drawing() const { return drawingOf(object()); }
};

// The drawing, a chart: its spheres in the order the ring visits them, then its paths, then
// its other labels (the paths' names and the shown card caption).
class DrawingAccessible : public QAccessibleWidget {
public:
    explicit DrawingAccessible(TreeOfLifeDrawing* drawing)
        : QAccessibleWidget(drawing, QAccessible::Chart)
    {}

    int childCount() const override { return static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> all = parts();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index])
                                                : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(parts().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const TreeOfLifeDrawing* tree = drawing();
        if (!tree->hasFocus())
            return nullptr;
        if (DrawingLine* path = tree->focusedPath())
            return QAccessible::queryAccessibleInterface(path);
        if (const std::optional<SphereIndex> sphere = tree->ringSphere())
            return QAccessible::queryAccessibleInterface(tree->sphereCaption(*sphere));
        return nullptr;
    }

private:
    TreeOfLifeDrawing* drawing() const { return static_cast<TreeOfLifeDrawing*>(object()); }

    QList<QObject*> parts() const
    {
        const TreeOfLifeDrawing* tree = drawing();
        QList<QObject*> all;
        for (const SphereIndex sphere : TreeOfLifeDrawing::RingOrder)
            all << tree->sphereCaption(sphere);
        for (DrawingLine* line : tree->pathLines())
            all << line;
        for (QObject* child : tree->children())
            if (child->isWidgetType() && !qobject_cast<SphereCaption*>(child) &&
                !static_cast<QWidget*>(child)->isWindow())
                all << child;
        all.removeAll(nullptr);
        return all;
    }
};

QAccessibleInterface* elementFactory(const QString& className, QObject* object)
{
    if (!object)
        return nullptr;
    if (className == QLatin1StringView("orvella::DrawingLine")) {
        auto* line = static_cast<DrawingLine*>(object);
        const TreeOfLifeDrawing* drawing = drawingOf(line);
        return drawing && drawing->pathLine(line->objectName()) == line ? new PathAccessible(line)
                                                                        : nullptr;
    }
    if (!object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1StringView("orvella::TextField"))
        return new TextFieldAccessible(static_cast<TextField*>(object));
    if (className == QLatin1StringView("orvella::TreeOfLifeDrawing"))
        return new DrawingAccessible(static_cast<TreeOfLifeDrawing*>(object));
    if (className == QLatin1StringView("orvella::SphereCaption"))
        return new SphereAccessible(static_cast<SphereCaption*>(object));
    if (className == QLatin1StringView("orvella::PictureBox"))
        return new PictureAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1StringView("orvella::LinkLabel"))
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1StringView("orvella::DateList"))
        return new DateListAccessible(static_cast<DateList*>(object));
    if (className == QLatin1StringView("orvella::CaptionedFrame") ||
        (className == QLatin1StringView("QStackedWidget") &&
         qobject_cast<ReadingTabs*>(widget->parentWidget())))
        return new HolderAccessible(widget);
    return nullptr;
}

} // namespace

void installAccessibleElements()
{
    static const bool installed = [] {
        QAccessible::installFactory(elementFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceCurrentEntry(QComboBox* list)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
    if (QAccessibleInterface* entry = iface ? iface->child(list->currentIndex()) : nullptr) {
        QAccessibleEvent focus(entry, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

} // namespace orvella
