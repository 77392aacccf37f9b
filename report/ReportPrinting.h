#pragma once

#include "Outcome.h"

#include <QString>

class QPrinter;
class QTextDocument;

namespace orvella {

// Why the printer the print dialog chose cannot take a job now, as the print service tells it:
// the printer is gone (or the service with it), it is in its error or aborted state (a stopped
// CUPS queue counts as an error), or its queue turns jobs away. Empty when it can, and for
// output to a file. What this cannot see: Qt hands the finished job to the print service and
// drops its answer, so a job the service refuses for a reason of its own (quota, rights,
// options), a change between this check and the job, and a failure in the printer's filter or
// backend after the job was taken all pass in silence.
QString PrinterRefusal(const QPrinter& printer);

// Prints the document on the printer as the print dialog left it: copies, collation and page
// order are honoured, the text keeps its colours and styles. Fails, saying why in plain words,
// when the printer is missing or the print job cannot start or fails.
Outcome PrintReportDocument(const QTextDocument& document, QPrinter& printer);

} // namespace orvella
