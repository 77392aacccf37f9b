#include "ReportPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <memory>

namespace orvella {

namespace {

// The translation context of this file's messages.
struct ReportPrinting {
    Q_DECLARE_TR_FUNCTIONS(orvella::ReportPrinting)
};

// The printout keeps at least this much paper blank around the text, whatever the printer's
// own margins.
constexpr double MinimumMarginMillimetres = 20.0;

} // namespace

void PrintPages(const QTextDocument& source, QPagedPaintDevice& device, int copies)
{
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    const auto atLeast = [](double margin) { return std::max(margin, MinimumMarginMillimetres); };
    device.setPageMargins({atLeast(margins.left()), atLeast(margins.top()),
                           atLeast(margins.right()), atLeast(margins.bottom())},
                          QPageLayout::Millimeter);

    // Qt lays a document out afresh for the device only when it has no page size, and then
    // adds margins and page numbers of its own: the copy gets the page size, laid out at the
    // device's resolution, so that fonts are measured there; the screen's layout stays as it is.
    const std::unique_ptr<QTextDocument> document(source.clone());
    // A device that makes no copies itself (PDF output) gets them one after another.
    const QTextDocumentFragment whole(&source);
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    for (int copy = 1; copy < copies; ++copy) {
        QTextCursor cursor(document.get());
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock(newPage);
        cursor.insertFragment(whole);
    }
    document->documentLayout()->setPaintDevice(&device);
    document->setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    document->print(&device);
}

Outcome PrintReportDocument(const QTextDocument& document, QPrinter& printer)
{
    if (!printer.isValid())
        return Failure{ReportPrinting::tr("No printer is available."), {}};
    // Qt hands copies and their collation to a print service; a PDF file gets none from it.
    PrintPages(document, printer, printer.supportsMultipleCopies() ? 1 : printer.copyCount());
    if (printer.printerState() == QPrinter::Error)
        return Failure{ReportPrinting::tr("The print job failed."), {}};
    return {};
}

} // namespace orvella
