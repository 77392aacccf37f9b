#include "ReportExport.h"

#include "Look.h"
#include "ReportPrinting.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <memory>

namespace orvella {

namespace {

// The translation context of this file's messages.
struct ReportExport {
    Q_DECLARE_TR_FUNCTIONS(orvella::ReportExport)
};

// The paper of the user's part of the world: Letter where it is the custom, A4 elsewhere.
QPageSize localPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

// The document as a PDF, an OpenDocument text or an HTML page, made in memory: the writers
// close the device they write to, which a save file does not allow.
QByteArray pdfBytes(QTextDocument& document, const QString& title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QString(WindowTitle));
    writer.setPageSize(localPaper());
    // The pages of a printout; the links stay links.
    PrintPages(document, writer);
    return buffer.data();
}

QByteArray odtBytes(QTextDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    return writer.write(&document) ? buffer.data() : QByteArray();
}

QByteArray documentBytes(QTextDocument& document, ExportFormat format, const QString& title)
{
    switch (format) {
    case ExportFormat::Pdf:
        return pdfBytes(document, title);
    case ExportFormat::Odt:
        return odtBytes(document);
    case ExportFormat::Html:
        return document.toHtml().toUtf8();
    }
    return {};
}

} // namespace

QString exportSuffix(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf:
        return QStringLiteral("pdf");
    case ExportFormat::Odt:
        return QStringLiteral("odt");
    case ExportFormat::Html:
        return QStringLiteral("html");
    }
    return {};
}

Outcome ExportReportDocument(const QTextDocument& source, ExportFormat format, const QString& path,
                             const QString& title)
{
    // A copy carries the title, so that the report on screen stays as it is.
    const std::unique_ptr<QTextDocument> document(source.clone());
    document->setMetaInformation(QTextDocument::DocumentTitle, title);

    const QByteArray content = documentBytes(*document, format, title);
    if (content.isEmpty())
        return Failure{ReportExport::tr("The document could not be made."), {}};

    return WriteWholeFile(path, content);
}

} // namespace orvella
