#include "Dialogs.h"

#include "SettingsStore.h"

#include <QFileDialog>
#include <QLibrary>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>

namespace orvella {

namespace {

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons)
{
    useApplicationIcon();
    QMessageBox box(icon, ApplicationTitle, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString chooseFile(QWidget* parent, const FileDialogSetup& setup,
                   QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode)
{
    KeepQtSettingsFromBlocking();
    QFileDialog dialog(parent, setup.title, QString(), setup.filter);
    dialog.setAcceptMode(acceptMode); // saving asks before replacing an existing file
    dialog.setFileMode(fileMode);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    if (!setup.suggestedPath.isEmpty())
        dialog.selectFile(setup.suggestedPath);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

class QtDialogBackend final : public DialogBackend {
public:
    void message(QWidget* parent, const QString& text, QMessageBox::Icon icon) override
    {
        showMessage(parent, text, icon, QMessageBox::Ok);
    }

    bool question(QWidget* parent, const QString& text) override
    {
        return showMessage(parent, text, QMessageBox::Information,
                           QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    QString saveFileName(QWidget* parent, const FileDialogSetup& setup) override
    {
        return chooseFile(parent, setup, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    }

    QString openFileName(QWidget* parent, const FileDialogSetup& setup) override
    {
        return chooseFile(parent, setup, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    }

    bool print(QWidget* parent, QPrinter& printer, bool hasSelection) override
    {
        printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    }

    PrinterCondition printerCondition(const QPrinter& printer) override
    {
        const QString name = printer.printerName();
        const QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
        if (info.isNull())
            return PrinterCondition::Missing;
        if (info.state() == QPrinter::Error)
            return PrinterCondition::Error;
        if (info.state() == QPrinter::Aborted)
            return PrinterCondition::Aborted;
        return acceptsJobs(name);
    }

private:
    // Qt does not tell whether a queue takes jobs; CUPS does. The program does not link libcups:
    // linked, it and the libraries it needs would be loaded at every start. It is loaded at the
    // first print instead; where it cannot be, Qt's own state of the printer is all there is.
    class Cups {
    public:
        static const Cups& get()
        {
            static const Cups cups;
            return cups;
        }

        bool loaded() const { return m_getNamedDest && m_getOption && m_freeDests; }

        PrinterCondition acceptsJobs(const QString& name) const
        {
            if (!loaded())
                return PrinterCondition::Ready;
            const QByteArray destination = name.toUtf8();
            cups_dest_t* dest = m_getNamedDest(CUPS_HTTP_DEFAULT, destination.constData(), nullptr);
            if (!dest)
                return PrinterCondition::Missing;
            const char* accepting =
                m_getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
            const bool refusing = accepting && qstrcmp(accepting, "false") == 0;
            m_freeDests(1, dest);
            return refusing ? PrinterCondition::RefusingJobs : PrinterCondition::Ready;
        }

    private:
        Cups()
        {
            // Debian's soname: libcups.so.2.
            QLibrary library(QStringLiteral("cups"), 2);
            if (!library.load())
                return;
            m_getNamedDest =
                reinterpret_cast<decltype(&cupsGetNamedDest)>(library.resolve("cupsGetNamedDest"));
            m_getOption =
                reinterpret_cast<decltype(&cupsGetOption)>(library.resolve("cupsGetOption"));
            m_freeDests =
                reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        }

        decltype(&cupsGetNamedDest) m_getNamedDest = nullptr;
        decltype(&cupsGetOption) m_getOption = nullptr;
        decltype(&cupsFreeDests) m_freeDests = nullptr;
    };

    static PrinterCondition acceptsJobs(const QString& name)
    {
        return Cups::get().acceptsJobs(name);
    }
};

QtDialogBackend& qtBackend()
{
    static QtDialogBackend backend;
    return backend;
}

// Program-wide, as the seam is: every window's dialogs go through the one backend, which a test
// replaces for its lifetime. Null: Qt's own dialogs.
DialogBackend* current = nullptr;

} // namespace

namespace Dialogs {

DialogBackend& backend()
{
    return current ? *current : qtBackend();
}

void setBackend(DialogBackend* backend)
{
    current = backend;
}

void information(QWidget* parent, const QString& text)
{
    backend().message(parent, text, QMessageBox::Information);
}

void error(QWidget* parent, const QString& text)
{
    backend().message(parent, text, QMessageBox::Critical);
}

bool question(QWidget* parent, const QString& text)
{
    return backend().question(parent, text);
}

QString saveFileName(QWidget* parent, const FileDialogSetup& setup)
{
    return backend().saveFileName(parent, setup);
}

QString openFileName(QWidget* parent, const FileDialogSetup& setup)
{
    return backend().openFileName(parent, setup);
}

bool print(QWidget* parent, QPrinter& printer, bool hasSelection)
{
    return backend().print(parent, printer, hasSelection);
}

PrinterCondition printerCondition(const QPrinter& printer)
{
    return backend().printerCondition(printer);
}

} // namespace Dialogs

} // namespace orvella
