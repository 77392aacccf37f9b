#include "ReportComposition.h"

#include "Look.h"
#include "WebPage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <array>

namespace orvella {

namespace {

// A captioned value: the label in LabelStyle, the value in ValueStyle and two line breaks.
// Where the label begins with a value of the reading (the sphere's or the path's name),
// labelField names it and label is the text that follows it.
struct ReportItem {
    const char* labelField;
    const char* label;
    const char* valueField;
};

struct SphereItem {
    const char* labelField[2];
    const char* label;
    const char* valueField[2]; // sphere one, sphere two
};

constexpr std::array<SphereItem, 13> SphereItems{{
    {{"lblOneSphereHead", "lblTwoSphereHead"}, " :- ", {"txtOneSphereDesc", "txtTwoSphereDesc"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "About Your Archangel :- "),
     {"txtOneAngelDesc", "txtTwoAngelDesc"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Sphere Sign :- "),
     {"lblOneSphereSign", "lblTwoSphereSign"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Position In Tree Of Life :- "),
     {"lblOnePositionInTreeOfLife", "lblTwoPositionInTreeOfLife"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Planetary Ruler :- "),
     {"lblOnePlanetaryRuler", "lblTwoPlanetaryRuler"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Archangel :- "),
     {"lblOneArchangel", "lblTwoArchangel"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Lucky Day :- "),
     {"lblOneLuckyDay", "lblTwoLuckyDay"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Color  :- "),
     {"lblOneColor", "lblTwoColor"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Wood  :- "),
     {"lblOneWood", "lblTwoWood"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Keyword  :- "),
     {"lblOneKeyword", "lblTwoKeyword"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Metal  :- "),
     {"lblOneMetal", "lblTwoMetal"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Tarot Cards Associated With Sephiroths :- "),
     {"lbSephirothSOneCardName", "lbSephirothSTwoCardName"}},
    {{},
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "More About Card :- "),
     {"txtOneSephriothCardDesc", "txtTwoSephriothCardDesc"}},
}};

// The rune labels end in ":-" without a blank: their values follow with no gap.
constexpr std::array<ReportItem, 15> PathAndRuneItems{{
    {"lblPathName", " :- ", "txtPathDecs"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Hebrew Letter  :- "),
     "lblHebrewLetter"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Location :- "), "lblLocation"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Corresponding Planet :- "),
     "lblCorrespondingPlanet"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Yetsiratic Attribution :- "),
     "lblYetsiraticAttribution"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Color :- "), "lblColor"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Element :- "), "lblElement"},
    {nullptr,
     QT_TRANSLATE_NOOP("orvella::ReportComposition", "Tarot Cards Associated With The Paths :- "),
     "lblPathsCardName"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "More About Card :- "),
     "txtAboutYourPathsCards"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Corresponding Rune Stone :-"),
     "lblCorrespondingRuneStone"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Alternative Name :-"),
     "lblAlternativeName"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Favorable Color :-"),
     "lblFavorableColor"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Nordic God :-"), "lblNordicGod"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "Key Words :-"), "lblKeywards"},
    {nullptr, QT_TRANSLATE_NOOP("orvella::ReportComposition", "About Your Rune Stone :-"),
     "txtAboutYourRuneStone"},
}};

// Builds the sequence the way the box is written: a style is switched before the pieces it
// governs and stays in force until switched again.
class PieceWriter {
public:
    explicit PieceWriter(const ReportSource& source)
        : m_source(source)
    {}

    void style(ReportStyle style) { m_style = style; }
    void text(const QString& text) { m_pieces.push_back({m_style, text, {}}); }
    void link(const QString& address) { m_pieces.push_back({m_style, address, address}); }
    // The report's own words, in the user's language.
    void text(const char* text)
    {
        this->text(QCoreApplication::translate("orvella::ReportComposition", text));
    }
    void lineBreaks(int count) { text(QString(ReportLineBreak).repeated(count)); }

    QString field(const char* name) const
    {
        if (!name || !m_source.fieldText)
            return {};
        return m_source.fieldText(QString::fromLatin1(name));
    }

    void item(const QString& label, const char* valueField)
    {
        style(ReportStyle::LabelStyle);
        text(label);
        style(ReportStyle::ValueStyle);
        text(field(valueField) + QString(ReportLineBreak).repeated(2));
    }

    std::vector<ReportPiece> take() { return std::move(m_pieces); }

private:
    const ReportSource& m_source;
    ReportStyle m_style = ReportStyle::BoxDefault;
    std::vector<ReportPiece> m_pieces;
};

QString labelText(const PieceWriter& writer, const char* labelField, const char* label)
{
    return writer.field(labelField) +
           QCoreApplication::translate("orvella::ReportComposition", label);
}

} // namespace

QTextCharFormat reportCharFormat(ReportStyle style)
{
    QTextCharFormat format;
    switch (style) {
    case ReportStyle::BoxDefault:
        break;
    case ReportStyle::LabelStyle:
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(Black));
        break;
    case ReportStyle::ValueStyle:
        format.setFontWeight(QFont::Normal);
        format.setForeground(QColor(DarkRed));
        break;
    case ReportStyle::HeadingStyle:
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(Red));
        break;
    }
    return format;
}

std::vector<ReportPiece> ComposeReport(const ReportSource& source)
{
    PieceWriter w(source);

    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "Report Generated By "));
    w.link(QString(SiteRoot));
    w.lineBreaks(2);

    w.style(ReportStyle::LabelStyle);
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "Name :- "));
    w.style(ReportStyle::ValueStyle);
    w.text(source.birth.name);
    w.lineBreaks(2);

    w.style(ReportStyle::LabelStyle);
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "Date Of Birth :- "));
    w.style(ReportStyle::ValueStyle);
    w.text(source.monthText);
    w.text("/");
    w.text(source.dayText);
    w.text("/");
    w.text(source.yearText);
    w.lineBreaks(2);

    w.style(ReportStyle::HeadingStyle);
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "Sephiroths and Tarot Cards"));
    w.lineBreaks(2);

    for (int sphere = 0; sphere < 2; ++sphere)
        for (const SphereItem& item : SphereItems)
            w.item(labelText(w, item.labelField[sphere], item.label), item.valueField[sphere]);

    w.style(ReportStyle::HeadingStyle);
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition",
                             "Rune Stone and Tarot Card of Path of Sun Sign"));
    w.lineBreaks(2);

    for (const ReportItem& item : PathAndRuneItems)
        w.item(labelText(w, item.labelField, item.label), item.valueField);

    w.style(ReportStyle::HeadingStyle);
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "Sephiroths and Sun Sign"));
    w.lineBreaks(2);

    // The sign's name is written in LabelStyle like its caption.
    w.style(ReportStyle::LabelStyle);
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "SunSignName :-  "));
    w.text(w.field("lblSunSignName"));
    w.lineBreaks(1);

    w.style(ReportStyle::ValueStyle);
    w.text(w.field("lblSunSignDesc"));
    w.lineBreaks(1);

    // Still ValueStyle: the closing line is not switched back to the box's default.
    w.text(QT_TRANSLATE_NOOP("orvella::ReportComposition", "Report Generated By "));
    w.link(QString(SiteRoot));
    w.lineBreaks(1);

    return w.take();
}

void WriteReport(QTextCursor& cursor, const std::vector<ReportPiece>& pieces)
{
    for (const ReportPiece& piece : pieces) {
        QTextCharFormat format = reportCharFormat(piece.style);
        if (!piece.href.isEmpty()) {
            format.setAnchor(true);
            format.setAnchorHref(piece.href);
            format.setForeground(QGuiApplication::palette().color(QPalette::Link));
            format.setFontUnderline(true);
        }
        const QStringList lines = piece.text.split(ReportLineBreak);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            // QTextDocument keeps a line break as a paragraph boundary, not as characters.
            if (i > 0)
                cursor.insertBlock(cursor.blockFormat(), format);
            if (!lines[i].isEmpty())
                cursor.insertText(lines[i], format);
        }
    }
}

QString reportPlainText(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    return paragraphs.join(ReportLineBreak);
}

} // namespace orvella
