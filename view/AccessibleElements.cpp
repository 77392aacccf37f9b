#include "AccessibleElements.h"

#include "DrawingCircle.h"
#include "DrawingLine.h"
#include "FittedLabel.h"
#include "FocusableLabel.h"
#include "KnowledgeTexts.h"
#include "LinkLabel.h"
#include "PictureBox.h"
#include "ReadingPane.h"
#include "SphereCaption.h"
#include "TreeOfLifeDrawing.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWindow>

namespace orvella {

namespace {

bool isKeySelectable(const QLabel* label)
{
    const auto* focusable = qobject_cast<const FocusableLabel*>(label);
    return focusable && focusable->selectableByKeys();
}

// A label of a reading pane: a field, named by its caption with its shown value as its text,
// or a static caption, whose text is its name. Qt resolves an interface as soon as a label
// gets its first text, during construction: the pane it is built on is what is known then.
class FieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = label()->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard) ||
                           isKeySelectable(label());
        return s;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && label()->hasSelectedText()) {
            *startOffset = label()->selectionStart();
            *endOffset = *startOffset + static_cast<int>(label()->selectedText().size());
        }
    }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { label()->setSelection(0, 0); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        label()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override
    {
        return label()->hasSelectedText() ? label()->selectionStart() : 0;
    }
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

private:
    QLabel* label() const { return static_cast<QLabel*>(object()); }
    QString shown() const { return label()->text(); }
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
        if (t == QAccessible::Description) {
            QStringList about{box()->accessibleName(), box()->accessibleDescription()};
            about.removeAll(QString());
            return about.join(QStringLiteral(", "));
        }
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

TreeOfLifeDrawing* drawingOf(const QObject* part)
{
    return part ? qobject_cast<TreeOfLifeDrawing*>(part->parent()) : nullptr;
}

// A sphere of the Tree of Life, through its caption, whose box is the sphere's area.
class SphereAccessible : public QAccessibleWidget {
public:
    explicit SphereAccessible(SphereCaption* caption)
        : QAccessibleWidget(caption, QAccessible::Graphic)
    {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return caption()->accessibleName();
        case QAccessible::Description:
            return TheKnowledgeTexts().sphere(static_cast<SphereIndex>(caption()->sphereIndex()));
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
            s.focused = drawing->hasFocus() && drawing->ringSphere() == caption()->sphereIndex();
            s.selected = drawing->isHighlighted(drawing->circle(caption()->sphereIndex()));
        }
        return s;
    }

private:
    SphereCaption* caption() const { return static_cast<SphereCaption*>(object()); }
};

// A path line of the Tree of Life: painted only, so an object of its own here.
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
            return tree->pathTitle(line());
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

// The drawing: its spheres in the order the ring visits them, then its paths, then its
// other labels (the paths' names and the shown card caption).
class DrawingAccessible : public QAccessibleWidget {
public:
    explicit DrawingAccessible(TreeOfLifeDrawing* drawing)
        : QAccessibleWidget(drawing, QAccessible::Canvas)
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
        if (tree->hasFocus())
            if (SphereCaption* caption = tree->sphereCaption(tree->ringSphere()))
                return QAccessible::queryAccessibleInterface(caption);
        return nullptr;
    }

private:
    TreeOfLifeDrawing* drawing() const { return static_cast<TreeOfLifeDrawing*>(object()); }

    QList<QObject*> parts() const
    {
        const TreeOfLifeDrawing* tree = drawing();
        QList<QObject*> all;
        for (const int sphere : TreeOfLifeDrawing::RingOrder)
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
    if (className == QLatin1StringView("orvella::TreeOfLifeDrawing"))
        return new DrawingAccessible(static_cast<TreeOfLifeDrawing*>(object));
    if (className == QLatin1StringView("orvella::SphereCaption"))
        return new SphereAccessible(static_cast<SphereCaption*>(object));
    if (className == QLatin1StringView("orvella::PictureBox"))
        return new PictureAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1StringView("orvella::LinkLabel"))
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1StringView("QLabel") &&
        qobject_cast<ReadingPane*>(static_cast<QWidget*>(object)->parentWidget()))
        return new FieldAccessible(static_cast<QLabel*>(object));
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

void setAnnouncedText(QLabel* label, const QString& text)
{
    const QString before = label->text();
    if (auto* fitted = qobject_cast<FittedLabel*>(label))
        fitted->setFittedText(text);
    else if (auto* focusable = qobject_cast<FocusableLabel*>(label))
        focusable->setLabelText(text);
    else
        label->setText(text);
    if (before != text && QAccessible::isActive()) {
        QAccessibleTextUpdateEvent update(label, 0, before, text);
        QAccessible::updateAccessibility(&update);
    }
}

} // namespace orvella
