#include "PrinterRefusal.h"

#include "Dialogs.h"

#include <QCoreApplication>
#include <QPrinter>

namespace orvella {

namespace {

// The translation context of this file's messages.
struct Refusal {
    Q_DECLARE_TR_FUNCTIONS(orvella::PrinterRefusal)
};

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
        return unnamed ? Refusal::tr("No printer is available.")
                       : Refusal::tr("The printer \"%1\" is not available any more.").arg(name);
    case PrinterCondition::Error:
        return unnamed ? Refusal::tr("The printer is stopped or reports an error, and "
                                     "does not take jobs.")
                       : Refusal::tr("The printer \"%1\" is stopped or reports an error, "
                                     "and does not take jobs.")
                             .arg(name);
    case PrinterCondition::Aborted:
        return unnamed ? Refusal::tr("The printer has stopped and does not take jobs.")
                       : Refusal::tr("The printer \"%1\" has stopped and does not take "
                                     "jobs.")
                             .arg(name);
    case PrinterCondition::RefusingJobs:
        return unnamed ? Refusal::tr("The printer does not accept jobs now.")
                       : Refusal::tr("The printer \"%1\" does not accept jobs now.").arg(name);
    }
    return {};
}

} // namespace orvella
