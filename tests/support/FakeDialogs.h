#pragma once

#include "Dialogs.h"

#include <QList>
#include <QPrinter>
#include <QStringList>
#include <functional>

namespace orvella::testing {

// Answers the program's dialogs in tests: records every message and question, and answers
// with the next queued reply. Installed for its lifetime.
class FakeDialogs final : public DialogBackend {
public:
    struct Message {
        QString text;
        QMessageBox::Icon icon;
    };

    FakeDialogs() { Dialogs::setBackend(this); }
    ~FakeDialogs() override { Dialogs::setBackend(nullptr); }
    FakeDialogs(const FakeDialogs&) = delete;
    FakeDialogs& operator=(const FakeDialogs&) = delete;

    QList<Message> messages;
    QStringList questions;
    QList<FileDialogSetup> fileDialogs;

    QList<bool> nextAnswers;   // for questions; No when empty
    QStringList nextFileNames; // for file dialogs; cancelled when empty
    // Sets up the printer as the user would in the dialog; the dialog is cancelled when unset.
    std::function<bool(QPrinter&, bool hasSelection)> printAnswer;
    QList<bool> printDialogSelections; // hasSelection of every print dialog shown
    // What the print service says of the printer chosen in the dialog.
    PrinterCondition printerConditionAnswer = PrinterCondition::Ready;

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& m : messages)
            texts << m.text;
        return texts;
    }

    void message(QWidget*, const QString& text, QMessageBox::Icon icon) override
    {
        messages.append({text, icon});
    }
    bool question(QWidget*, const QString& text) override
    {
        questions << text;
        return nextAnswers.isEmpty() ? false : nextAnswers.takeFirst();
    }
    QString saveFileName(QWidget*, const FileDialogSetup& setup) override
    {
        fileDialogs << setup;
        return nextFileNames.isEmpty() ? QString() : nextFileNames.takeFirst();
    }
    QString openFileName(QWidget*, const FileDialogSetup& setup) override
    {
        fileDialogs << setup;
        return nextFileNames.isEmpty() ? QString() : nextFileNames.takeFirst();
    }
    bool print(QWidget*, QPrinter& printer, bool hasSelection) override
    {
        printDialogSelections << hasSelection;
        printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
        return printAnswer ? printAnswer(printer, hasSelection) : false;
    }
    PrinterCondition printerCondition(const QPrinter&) override { return printerConditionAnswer; }
};

} // namespace orvella::testing
