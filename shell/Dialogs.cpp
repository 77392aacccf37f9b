#include "Dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace orvella {

namespace {

class QtDialogBackend final : public DialogBackend {
public:
    void message(QWidget* parent, const QString& text, QMessageBox::Icon icon) override
    {
        QMessageBox box(icon, ApplicationTitle, text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    bool question(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, ApplicationTitle, text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    }

    QString saveFileName(QWidget* parent, const FileDialogSetup& setup) override
    {
        QFileDialog dialog(parent, setup.title, QString(), setup.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(setup.defaultSuffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString openFileName(QWidget* parent, const FileDialogSetup& setup) override
    {
        QFileDialog dialog(parent, setup.title, QString(), setup.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(setup.defaultSuffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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
};

QtDialogBackend& qtBackend()
{
    static QtDialogBackend backend;
    return backend;
}

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

} // namespace Dialogs

} // namespace orvella
