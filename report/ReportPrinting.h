#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

namespace orvella {

// Prints the document on the printer as the print dialog left it: copies, collation and page
// order are honoured, the text keeps its colours and styles. Returns false with the reason in
// plain words when the printer is missing or the print job cannot start or fails.
bool PrintReportDocument(const QTextDocument& document, QPrinter& printer, QString* errorText);

} // namespace orvella
