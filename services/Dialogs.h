#pragma once

#include "Look.h"

#include <QMessageBox>
#include <QPrinter>
#include <QString>
#include <functional>

class QWidget;

namespace orvella {

// What a file dialog is asked to show.
struct FileDialogSetup {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString suggestedPath = {}; // the folder and file name the dialog opens on; may be empty
};

// What the print service says of a printer.
enum class PrinterCondition {
    Ready,
    Missing,      // it knows no such printer: removed, or the service is not running
    Error,        // in its error state; a stopped (paused) CUPS queue is reported so
    Aborted,      // in its aborted state
    RefusingJobs, // its queue turns jobs away (a rejecting CUPS queue)
};

// Every message box and dialog of the program goes through here, so that tests can answer
// them without a window ever blocking. By default the real Qt dialogs answer.
class DialogBackend {
public:
    virtual ~DialogBackend() = default;

    virtual void message(QWidget* parent, const QString& text, QMessageBox::Icon icon) = 0;
    // A Yes/No question with the information icon; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    virtual QString openFileName(QWidget* parent, const FileDialogSetup& setup) = 0;
    // Shows the print dialog for the printer; true when the user chose to print. The dialog
    // opens on Selection when hasSelection, else on All; page ranges are not offered.
    virtual bool print(QWidget* parent, QPrinter& printer, bool hasSelection) = 0;
    // What the print service says now of the printer the dialog chose.
    virtual PrinterCondition printerCondition(const QPrinter& printer) = 0;
};

namespace Dialogs {

void information(QWidget* parent, const QString& text);
void error(QWidget* parent, const QString& text);
bool question(QWidget* parent, const QString& text);
QString saveFileName(QWidget* parent, const FileDialogSetup& setup);
QString openFileName(QWidget* parent, const FileDialogSetup& setup);
bool print(QWidget* parent, QPrinter& printer, bool hasSelection);
PrinterCondition printerCondition(const QPrinter& printer);

// Replaces the backend; nullptr puts the real dialogs back. The caller keeps ownership.
void setBackend(DialogBackend* backend);
DialogBackend& backend();

} // namespace Dialogs

} // namespace orvella
