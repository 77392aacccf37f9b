#include "ReadingPane.h"

#include "Look.h"
#include "PictureBox.h"
#include "SharedPaletteStyle.h"
#include "TextField.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace orvella {

namespace {

constexpr QRgb PaneBackground = Maroon;
constexpr QRgb SeparatorColor = Peach;
constexpr QRgb TextBoxBackground = Peach;

enum class Kind { Fitted, Wrapped, LongText, TextBox, Picture };

// What a style looks like: the widget that shows it, its text colour and its Verdana font.
struct Look {
    Kind kind;
    QRgb color;
    double pointSize;
    bool bold;
    bool underline;
};

Look lookOf(PaneStyle style)
{
    using enum PaneStyle;
    switch (style) {
    case Caption:
        return {Kind::Fitted, Lavender, 8.25, true, true};
    case CaptionLarge:
        return {Kind::Fitted, Lavender, 9.75, true, true};
    case RuneCaption:
        return {Kind::Fitted, White, 8.25, true, true};
    case Value:
        return {Kind::Fitted, Orange, 8.25, true, false};
    case ValueLarge:
        return {Kind::Fitted, Orange, 9.75, true, true};
    case CardName:
        return {Kind::Fitted, Yellow, 9.75, true, false};
    case RuneValue:
        return {Kind::Fitted, Yellow, 8.25, true, false};
    case SphereHead:
        return {Kind::Fitted, Cyan, 9.75, true, true};
    case WrappedCaption:
        return {Kind::Wrapped, Lavender, 8.25, true, true};
    case WrappedRuneValue:
        return {Kind::Wrapped, Yellow, 8.25, true, false};
    case PathName:
        return {Kind::Fitted, Green, 9.75, true, true};
    case HoverName:
        return {Kind::Fitted, Magenta, 9.0, true, true};
    case HoverInvitation:
        return {Kind::Fitted, Magenta, 9.75, true, false};
    case LongText:
        return {Kind::LongText, PaleYellow, 8.25, true, false};
    case TextBox:
        return {Kind::TextBox, Maroon, 8.25, true, false};
    case TextBoxRegular:
        return {Kind::TextBox, Maroon, 8.25, false, false};
    case Picture:
    case PictureBorderless:
        return {Kind::Picture, Black, 8.25, false, false};
    }
    return {Kind::Fitted, Black, 8.25, false, false};
}

// A text of the pane tables in the user's language (the tables mark their captions and names
// for translation; the placeholders of the fields are left as they are).
QString textOf(const char* text)
{
    return text ? QCoreApplication::translate("orvella::ReadingPanes", text) : QString();
}

TextField* fittedLabel(const PaneElement& e, const QFont& font, QWidget* pane)
{
    auto* label = new TextField(pane);
    label->setFont(font); // measured once, in the font it is shown in
    label->fitToText(twips(e.height));
    label->setText(textOf(e.text));
    label->move(twipsPoint(e.left, e.top));
    return label;
}

// A fixed box: wrapped at word boundaries, lines left-aligned (Wrapped) or centred (LongText);
// whatever does not fit is cut off by the box.
TextField* fixedLabel(const PaneElement& e, const QFont& font, Qt::Alignment horizontal,
                      QWidget* pane)
{
    auto* label = new TextField(pane);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setGeometry(twipsRect(e.left, e.top, e.width, e.height));
    label->setText(textOf(e.text));
    return label;
}

// Keeps the shaped text of every block it lays out. A text box's text is shaped when it is
// laid out, again when the cursor is placed and again when it is painted; kept, it is shaped
// once. The texts are short and go with their view.
class KeptShapesLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override
    {
        const QTextDocument* doc = document();
        for (QTextBlock block = doc->findBlock(from);
             block.isValid() && block.position() <= from + charsAdded; block = block.next())
            block.layout()->setCacheEnabled(true);
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }
};

QPlainTextEdit* textBox(const PaneElement& e, QWidget* pane)
{
    auto* box = new QPlainTextEdit(pane);
    auto* document = new QTextDocument(box);
    document->setDocumentLayout(new KeptShapesLayout(document));
    box->setDocument(document);
    box->setGeometry(twipsRect(e.left, e.top, e.width, e.height));
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->verticalScrollBar()->setStyle(SharedPaletteStyle::instance());
    box->setPlainText(textOf(e.text));
    return box;
}

PictureBox* pictureBox(const PaneElement& e, QWidget* pane)
{
    auto* box = new PictureBox(e.style == PaneStyle::Picture, pane);
    box->setGeometry(twipsRect(e.left, e.top, e.width, e.height));
    box->showPicture(e.picture);
    return box;
}

QWidget* buildElement(const PaneElement& e, QWidget* pane)
{
    const Look look = lookOf(e.style);
    const QFont font = verdana(look.pointSize, look.bold, look.underline);
    QWidget* widget = nullptr;
    switch (look.kind) {
    case Kind::Fitted:
        widget = fittedLabel(e, font, pane);
        break;
    case Kind::Wrapped:
        widget = fixedLabel(e, font, Qt::AlignLeft, pane);
        break;
    case Kind::LongText:
        widget = fixedLabel(e, font, Qt::AlignHCenter, pane);
        break;
    case Kind::TextBox:
        widget = textBox(e, pane);
        setColors(widget, look.color, TextBoxBackground);
        break;
    case Kind::Picture:
        widget = pictureBox(e, pane);
        break;
    }
    if (look.kind == Kind::TextBox)
        widget->setFont(font);
    else if (look.kind != Kind::Picture)
        setColors(widget, look.color);
    // Only the clearing surfaces of the drawing's hover react to the pointer; every other
    // element takes a movement itself, so it never reaches the pane behind it.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    return widget;
}

// A field reachable by the keyboard and readable by assistive technology: a label is a Tab
// stop while it shows a value, a long text can be selected with the keys, a text box is
// reachable as it is.
void makeReadable(QWidget* field, Kind kind)
{
    switch (kind) {
    case Kind::Fitted:
    case Kind::Wrapped:
        static_cast<TextField*>(field)->setTabStopWhileShown(true);
        break;
    case Kind::LongText:
        static_cast<TextField*>(field)->setTabStopWhileShown(true);
        static_cast<TextField*>(field)->setSelectableByKeys(true);
        break;
    case Kind::Picture:
        field->setFocusPolicy(Qt::TabFocus);
        break;
    case Kind::TextBox:
        break;
    }
}

constexpr int captionCount(std::span<const PaneElement> elements)
{
    return static_cast<int>(elements.size()) - fieldCount(elements);
}

} // namespace

ReadingPane::ReadingPane(int paneIndex, QWidget* parent)
    : QWidget(parent)
    , m_layout(ReadingPanes.at(static_cast<std::size_t>(paneIndex)))
{
    setObjectName(QString::fromLatin1(m_layout.name));
    setAccessibleName(textOf(m_layout.tabCaption));
    setFixedSize(twipsSize(m_layout.width, m_layout.height));
    setColors(this, White, PaneBackground);

    int captionNumber = 1;
    for (int i = 0; i < paneIndex; ++i)
        captionNumber += captionCount(ReadingPanes.at(static_cast<std::size_t>(i)).elements);

    std::vector<std::pair<QPoint, QWidget*>> fields;
    for (const PaneElement& e : m_layout.elements) {
        QWidget* widget = buildElement(e, this);
        if (e.name) {
            widget->setObjectName(QString::fromLatin1(e.name));
            widget->setAccessibleName(textOf(e.what));
            makeReadable(widget, lookOf(e.style).kind);
            fields.emplace_back(QPoint(e.left, e.top), widget);
        } else {
            widget->setObjectName(QStringLiteral("Label%1").arg(captionNumber++));
            widget->setAccessibleName(textOf(e.text).trimmed());
        }
    }
    std::stable_sort(fields.begin(), fields.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
    });
    for (const auto& field : fields)
        m_fieldsInScreenOrder << field.second;
}

QList<QWidget*> ReadingPane::fieldsInScreenOrder() const
{
    return m_fieldsInScreenOrder;
}

void ReadingPane::paintEvent(QPaintEvent*)
{
    if (!m_layout.separator)
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(SeparatorColor), 1));
    const PaneSeparator& line = *m_layout.separator;
    painter.drawLine(twipsPoint(line.fromX, line.y), twipsPoint(line.toX, line.y));
}

} // namespace orvella
