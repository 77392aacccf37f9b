#include "modRTB.h"

#include "HandCursor.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <algorithm>
#include <vector>

namespace orvella {

namespace {

// Marks a detected link and keeps what the text looked like before, so that a link that
// stops being one (or link handling turned off) gets its own look back.
constexpr int AutoLinkProperty = QTextFormat::UserProperty + 0x4C4B;
constexpr int PlainForegroundProperty = AutoLinkProperty + 1;
constexpr int PlainUnderlineProperty = AutoLinkProperty + 2;

const QRegularExpression& addressPattern()
{
    // An address starts with a scheme or with "www." where a word does not go on, and runs
    // to the next blank, quote or angle bracket.
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w@.])(https?://|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Punctuation that closes a sentence is not part of the address it follows.
qsizetype trimmedLength(QStringView address)
{
    qsizetype length = address.size();
    while (length > 0 && QStringView(u".,;:!?)]}'").contains(address[length - 1]))
        --length;
    return length;
}

QString hrefFor(const QString& address)
{
    if (address.startsWith(QLatin1StringView("www."), Qt::CaseInsensitive))
        return QLatin1StringView("http://") + address;
    return address;
}

QTextCharFormat plainFormat(QTextCharFormat format)
{
    format.clearProperty(AutoLinkProperty);
    format.setAnchor(false);
    format.clearProperty(QTextFormat::AnchorHref);
    format.clearProperty(QTextFormat::ForegroundBrush);
    format.clearProperty(QTextFormat::TextUnderlineStyle);
    if (format.hasProperty(PlainForegroundProperty))
        format.setForeground(format.brushProperty(PlainForegroundProperty));
    if (format.hasProperty(PlainUnderlineProperty))
        format.setProperty(QTextFormat::TextUnderlineStyle,
                           format.intProperty(PlainUnderlineProperty));
    format.clearProperty(PlainForegroundProperty);
    format.clearProperty(PlainUnderlineProperty);
    return format;
}

QTextCharFormat linkFormat(const QTextCharFormat& plain, const QString& href, const QColor& color)
{
    QTextCharFormat format = plain;
    format.setProperty(AutoLinkProperty, true);
    if (plain.hasProperty(QTextFormat::ForegroundBrush))
        format.setProperty(PlainForegroundProperty, QVariant::fromValue(plain.foreground()));
    if (plain.hasProperty(QTextFormat::TextUnderlineStyle))
        format.setProperty(PlainUnderlineProperty,
                           plain.intProperty(QTextFormat::TextUnderlineStyle));
    format.setAnchor(true);
    format.setAnchorHref(href);
    format.setForeground(color);
    format.setFontUnderline(true);
    return format;
}

struct Span {
    int start;
    int length;
    QString href;

    friend bool operator==(const Span&, const Span&) = default;
};

// The link handling of one box: the detection that keeps the document's links up to date
// and the filter on the box's viewport that opens them.
class LinkHandler final : public QObject {
public:
    LinkHandler(QTextEdit* box, QWidget* owner)
        : QObject(owner)
        , m_box(box)
        , m_viewport(box->viewport())
        , m_linkColor(box->palette().color(QPalette::Link))
        , m_hadMouseTracking(box->viewport()->hasMouseTracking())
        , m_hadCursor(box->viewport()->testAttribute(Qt::WA_SetCursor))
        , m_plainCursor(box->viewport()->cursor())
        , m_linkCursor(handCursor())
    {
        QTextDocument* document = box->document();
        // contentsChange arrives while the document is still inside its edit; the links are
        // marked on contentsChanged, when the edit is complete and the layout has seen it.
        connect(document, &QTextDocument::contentsChange, this,
                [this](int position, int, int added) { noteChange(position, added); });
        connect(document, &QTextDocument::contentsChanged, this, [this] { markDirtyBlocks(); });
        m_viewport->installEventFilter(this);
        m_viewport->setMouseTracking(true);
        markBlocks(document->begin(), document->lastBlock());
    }

    ~LinkHandler() override
    {
        if (!m_viewport.isNull()) {
            m_viewport->removeEventFilter(this);
            m_viewport->setMouseTracking(m_hadMouseTracking);
            showLinkCursor(false);
        }
        if (!m_box.isNull()) {
            disconnect(m_box->document(), nullptr, this, nullptr);
            m_scanning = true;
            for (QTextBlock block = m_box->document()->begin(); block.isValid();
                 block = block.next())
                restorePlainLook(block);
        }
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
        if (event->type() == QEvent::MouseButtonPress)
            onPress(static_cast<QMouseEvent*>(event));
        else if (event->type() == QEvent::MouseMove)
            onMove(static_cast<QMouseEvent*>(event));
        // The box goes on to handle every event itself (selection, focus).
        return false;
    }

private:
    void onPress(const QMouseEvent* event)
    {
        if (event->button() != Qt::LeftButton)
            return;
        if (isSecondPressOfDoubleClick(event))
            return;
        const QString href = m_box->anchorAt(event->position().toPoint());
        if (!href.isEmpty())
            QDesktopServices::openUrl(QUrl(href, QUrl::TolerantMode));
    }

    // Qt delivers the second press of a double click as a press too (followed by the
    // double-click event); like the platform's own link notification, it opens nothing.
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

    void onMove(const QMouseEvent* event)
    {
        showLinkCursor(!m_box->anchorAt(event->position().toPoint()).isEmpty());
    }

    // The hand over a link, the box's own pointer elsewhere.
    void showLinkCursor(bool overLink)
    {
        if (overLink == m_overLink)
            return;
        m_overLink = overLink;
        if (overLink)
            m_viewport->setCursor(m_linkCursor);
        else if (m_hadCursor)
            m_viewport->setCursor(m_plainCursor);
        else
            m_viewport->unsetCursor();
    }

    void noteChange(int position, int added)
    {
        if (m_scanning)
            return;
        const int end = position + added;
        m_dirtyFrom = m_dirtyFrom < 0 ? position : std::min(m_dirtyFrom, position);
        m_dirtyTo = std::max(m_dirtyTo, end);
    }

    void markDirtyBlocks()
    {
        if (m_scanning || m_dirtyFrom < 0 || m_box.isNull())
            return;
        QTextDocument* document = m_box->document();
        const QTextBlock first = document->findBlock(m_dirtyFrom);
        QTextBlock last = document->findBlock(m_dirtyTo);
        if (!last.isValid())
            last = document->lastBlock();
        m_dirtyFrom = m_dirtyTo = -1;
        markBlocks(first.isValid() ? first : document->begin(), last);
    }

    void markBlocks(QTextBlock block, const QTextBlock& last)
    {
        m_scanning = true;
        for (; block.isValid(); block = block.next()) {
            markBlock(block);
            if (block == last)
                break;
        }
        m_scanning = false;
    }

    static std::vector<Span> linksOf(const QTextBlock& block)
    {
        std::vector<Span> spans;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(AutoLinkProperty))
                continue;
            if (!spans.empty() && spans.back().start + spans.back().length == fragment.position() &&
                spans.back().href == format.anchorHref())
                spans.back().length += fragment.length();
            else
                spans.push_back({fragment.position(), fragment.length(), format.anchorHref()});
        }
        return spans;
    }

    static std::vector<Span> addressesIn(const QTextBlock& block)
    {
        std::vector<Span> spans;
        const QString text = block.text();
        auto matches = addressPattern().globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const qsizetype length = trimmedLength(match.capturedView());
            if (length <= match.capturedLength(1)) // a scheme or "www." alone is no address
                continue;
            const QString address = text.mid(match.capturedStart(), length);
            spans.push_back({block.position() + static_cast<int>(match.capturedStart()),
                             static_cast<int>(length), hrefFor(address)});
        }
        return spans;
    }

    void markBlock(const QTextBlock& block)
    {
        const std::vector<Span> wanted = addressesIn(block);
        if (wanted == linksOf(block))
            return;
        restorePlainLook(block);
        for (const Span& span : wanted)
            applyToFragments(block, span, [&](const QTextCharFormat& format) {
                return linkFormat(format, span.href, m_linkColor);
            });
    }

    void restorePlainLook(const QTextBlock& block)
    {
        for (const Span& span : linksOf(block))
            applyToFragments(block, span,
                             [](const QTextCharFormat& format) { return plainFormat(format); });
    }

    // Sets a new format on each fragment within the span, derived from that fragment's own,
    // so that a link across two styles keeps both.
    template <typename MakeFormat>
    void applyToFragments(const QTextBlock& block, const Span& span, MakeFormat makeFormat)
    {
        struct Change {
            int start, end;
            QTextCharFormat format;
        };
        std::vector<Change> changes;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), span.start);
            const int end =
                std::min(fragment.position() + fragment.length(), span.start + span.length);
            if (start < end)
                changes.push_back({start, end, makeFormat(fragment.charFormat())});
        }
        QTextCursor cursor(m_box->document());
        for (const Change& change : changes) {
            cursor.setPosition(change.start);
            cursor.setPosition(change.end, QTextCursor::KeepAnchor);
            cursor.setCharFormat(change.format);
        }
    }

    QPointer<QTextEdit> m_box;
    QPointer<QWidget> m_viewport;
    QColor m_linkColor;
    bool m_hadMouseTracking;
    bool m_hadCursor;
    QCursor m_plainCursor;
    QCursor m_linkCursor;
    bool m_overLink = false;
    bool m_scanning = false;
    int m_dirtyFrom = -1;
    int m_dirtyTo = -1;
    bool m_hasFirstPress = false;
    quint64 m_firstPressTime = 0;
    QPoint m_firstPressPosition;
};

// The one set of link-handling state of the program: at most one report window exists.
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
    if (!theHandler)
        return;
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
