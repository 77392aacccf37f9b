#pragma once

#include "Outcome.h"

#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

namespace orvella {

// The one page layout of printouts and PDF exports: lays a copy of the document out on the
// device's pages, with at least 20 mm of paper blank on every side and no page numbers, and
// paints it there (the text keeps its colours and styles; text without a colour is black),
// the copies one after another.
void PrintPages(const QTextDocument& document, QPagedPaintDevice& device, int copies = 1);

// Prints the document on the printer as the print dialog left it, with its copies: a print
// service is asked for them and their collation, a PDF file gets them one after another. Fails,
// saying why in plain words, when the printer is missing or the print job cannot start.
Outcome PrintReportDocument(const QTextDocument& document, QPrinter& printer);

} // namespace orvella
