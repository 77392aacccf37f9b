#pragma once

#include "Outcome.h"

#include <QString>

class QTextDocument;

namespace orvella {

// The documents the report can be exported to.
enum class ExportFormat {
    Pdf,
    Odt, // OpenDocument text
    Html,
};

// The file name suffix of the format, without the dot ("pdf").
QString exportSuffix(ExportFormat format);

// Writes the document to the file in the format, with its text, colours, bold and links, and
// with the title (the PDF also names the program as its creator). The write is atomic: on
// failure an existing file stays as it was, and the failure says why in plain words.
Outcome ExportReportDocument(const QTextDocument& document, ExportFormat format,
                             const QString& path, const QString& title);

} // namespace orvella
