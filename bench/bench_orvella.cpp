// How long the work behind one reading takes: the engine's lookups, filling a fresh reading
// view, and composing the report. Run it by hand (offscreen); it is not part of the tests.
#include "KnowledgeTexts.h"
#include "Reading.h"
#include "ReportComposition.h"
#include "ReportSource.h"
#include "SignDetermination.h"
#include "TreeHighlight.h"
#include "frmDisplay.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <functional>

using namespace orvella;

namespace {

void measure(const char* what, int iterations, const std::function<void()>& work)
{
    work(); // warm up: resources, fonts, pictures
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        work();
    const double micros = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / iterations;
    std::printf("%-44s %10.1f us\n", what, micros);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LoadKnowledgeTexts();

    measure("DetermineSign, every day of the year", 10000, [] {
        int signs = 0;
        for (std::int16_t month = 0; month < 12; ++month)
            for (std::int16_t day = 0; day < 31; ++day)
                signs += DetermineSign(month, day).has_value();
        Q_UNUSED(signs);
    });
    measure("LoadKnowledgeTexts", 1000, [] { LoadKnowledgeTexts(); });
    measure("BuildReading + HighlightFor, twelve signs", 1000, [] {
        for (SignIndex sign : AllSigns) {
            const Reading reading = BuildReading(sign, TheKnowledgeTexts());
            const TreeHighlight highlight = HighlightFor(sign);
            Q_UNUSED(reading);
            Q_UNUSED(highlight);
        }
    });

    const Reading capricorn = BuildReading(SignIndex::Capricorn, TheKnowledgeTexts());
    measure("new reading view, filled and highlighted", 50, [&] {
        frmDisplay view;
        view.ShowReading(capricorn);
        view.ApplyHighlight(HighlightFor(SignIndex::Capricorn));
    });
    measure("reading view painted", 50, [&] {
        frmDisplay view;
        view.ShowReading(capricorn);
        view.grab();
    });

    frmDisplay shown;
    shown.ShowReading(capricorn);
    ReportSource source;
    source.birth.name = QStringLiteral("ANNA");
    source.monthText = QStringLiteral("January");
    source.dayText = QStringLiteral("5");
    source.yearText = QStringLiteral("1990");
    source.fieldText = [&shown](const QString& name) { return shown.fieldText(name); };
    measure("report composed and written into a document", 200, [&] {
        QTextDocument document;
        QTextCursor cursor(&document);
        WriteReport(cursor, ComposeReport(source));
    });
    return 0;
}
