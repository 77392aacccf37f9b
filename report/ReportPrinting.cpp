#include "ReportPrinting.h"

#include "Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>
#include <memory>
#include <vector>

namespace orvella {

namespace {

// The printout keeps at least this much paper blank around the text, whatever the printer's
// own margins.
constexpr double MinimumMarginMillimetres = 20.0;

// The translation context of this file's messages.
struct ReportPrinting {
    Q_DECLARE_TR_FUNCTIONS(orvella::ReportPrinting)
};

// The area of a page the text is laid out in, in the printer's device pixels, relative to
// the printer's printable area.
QRectF textArea(const QPrinter& printer)
{
    const QMarginsF printerMargins = printer.pageLayout().margins(QPageLayout::Millimeter);
    const double dotsPerMillimetre = printer.resolution() / 25.4;
    const auto extra = [&](double margin) {
        return std::max(0.0, MinimumMarginMillimetres - margin) * dotsPerMillimetre;
    };
    const QMarginsF inner(extra(printerMargins.left()), extra(printerMargins.top()),
                          extra(printerMargins.right()), extra(printerMargins.bottom()));
    return QRectF(0, 0, printer.width(), printer.height()).marginsRemoved(inner);
}

void printPage(QPainter& painter, QTextDocument& document, const QRectF& area, int pageIndex)
{
    const QRectF view(0, pageIndex * area.height(), area.width(), area.height());
    painter.save();
    painter.translate(area.left(), area.top() - view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    // Text without a colour of its own prints black, whatever the screen's palette.
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

// The pages in the order they go to the printer. A printer that makes copies itself gets
// one set; otherwise every copy is printed here, collated or page by page.
std::vector<int> pageSequence(const QPrinter& printer, int pageCount)
{
    std::vector<int> pages;
    for (int page = 0; page < pageCount; ++page)
        pages.push_back(printer.pageOrder() == QPrinter::LastPageFirst ? pageCount - 1 - page
                                                                       : page);
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    std::vector<int> sequence;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            sequence.insert(sequence.end(), pages.begin(), pages.end());
    } else {
        for (int page : pages)
            sequence.insert(sequence.end(), static_cast<std::size_t>(copies), page);
    }
    return sequence;
}

} // namespace

QString PrinterRefusal(const QPrinter& printer)
{
    // Printing to a file needs no printer. (A printer that has gone leaves the QPrinter on PDF
    // output, but without a file.)
    if (!printer.outputFileName().isEmpty())
        return {};
    const QString name = printer.printerName();
    const bool unnamed = name.isEmpty();
    switch (Dialogs::printerCondition(printer)) {
    case PrinterCondition::Ready:
        return {};
    case PrinterCondition::Missing:
        return unnamed
                   ? ReportPrinting::tr("No printer is available.")
                   : ReportPrinting::tr("The printer \"%1\" is not available any more.").arg(name);
    case PrinterCondition::Error:
        return unnamed ? ReportPrinting::tr("The printer is stopped or reports an error, and "
                                            "does not take jobs.")
                       : ReportPrinting::tr("The printer \"%1\" is stopped or reports an error, "
                                            "and does not take jobs.")
                             .arg(name);
    case PrinterCondition::Aborted:
        return unnamed ? ReportPrinting::tr("The printer has stopped and does not take jobs.")
                       : ReportPrinting::tr("The printer \"%1\" has stopped and does not take "
                                            "jobs.")
                             .arg(name);
    case PrinterCondition::RefusingJobs:
        return unnamed
                   ? ReportPrinting::tr("The printer does not accept jobs now.")
                   : ReportPrinting::tr("The printer \"%1\" does not accept jobs now.").arg(name);
    }
    return {};
}

Outcome PrintReportDocument(const QTextDocument& source, QPrinter& printer)
{
    if (!printer.isValid())
        return Failure{ReportPrinting::tr("No printer is available."), {}};

    QPainter painter;
    if (!painter.begin(&printer))
        return Failure{ReportPrinting::tr("The printer could not start the print job."), {}};

    // Lay the text out afresh on the printer, so that fonts are measured at its resolution;
    // the screen's layout stays as it is.
    const std::unique_ptr<QTextDocument> document(source.clone());
    document->documentLayout()->setPaintDevice(&printer);
    const QRectF area = textArea(printer);
    document->setPageSize(area.size());

    bool first = true;
    for (int page : pageSequence(printer, document->pageCount())) {
        if (!first && !printer.newPage()) {
            painter.end();
            return Failure{ReportPrinting::tr("The printer could not go on to the next page."), {}};
        }
        first = false;
        printPage(painter, *document, area, page);
    }

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Failure{ReportPrinting::tr("The print job failed."), {}};
    return {};
}

} // namespace orvella
