#pragma once

#include "ReportSource.h"

#include <QString>
#include <QTextCharFormat>
#include <vector>

class QTextCursor;
class QTextDocument;

namespace orvella {

// The four character styles of the report. Emphasis is bold; font and size never change
// within the report, so the styles set only weight and colour.
enum class ReportStyle {
    BoxDefault,
    LabelStyle,
    ValueStyle,
    HeadingStyle,
};

QTextCharFormat reportCharFormat(ReportStyle style);

// One write into the report box, in the style in force at that moment. Line breaks inside
// the text are CR LF. A piece with an address is a link to it: the report knows where its
// web addresses are, so nothing has to find them in its text.
struct ReportPiece {
    ReportStyle style;
    QString text;
    QString href; // empty: no link

    friend bool operator==(const ReportPiece&, const ReportPiece&) = default;
};

inline constexpr QLatin1StringView ReportLineBreak{"\r\n"};

// The report's write sequence for the source, piece by piece. A value the source cannot
// give is written as empty text.
std::vector<ReportPiece> ComposeReport(const ReportSource& source);

// Inserts the pieces at the cursor, each in its style; every CR LF becomes a new paragraph. A
// link keeps its piece's weight and is written as Qt writes one: an anchor, underlined, in the
// application palette's link colour.
void WriteReport(QTextCursor& cursor, const std::vector<ReportPiece>& pieces);

// The document's text with CR LF between paragraphs, as the report was written.
QString reportPlainText(const QTextDocument& document);

} // namespace orvella
