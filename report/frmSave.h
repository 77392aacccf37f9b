#pragma once

#include "ReportExport.h"
#include "ReportSource.h"

#include <QDialog>

class QAction;
class QTextEdit;

namespace orvella {

// The report window: the reading as a formatted rich-text report, which the user saves as a
// report file or prints. Modal, and composed afresh every time it is created.
class frmSave : public QDialog {
    Q_OBJECT

public:
    // Form_Load composes the report here.
    explicit frmSave(ReportSource source, QWidget* parent = nullptr);
    // Form_Unload: link handling ends with the window.
    ~frmSave() override;

    void cmdSave_Click();
    void cmdPrint_Click();
    // Export as PDF, ODT or HTML: asks for a file name and writes the whole report there.
    void exportReport(ExportFormat format);

    // The report's text as it was written, with CR LF line breaks.
    QString reportText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createExportActions();
    void showContextMenu(const QPoint& position);
    // "Orvella reading for <NAME>": the print job's name and the exported document's title.
    QString readingTitle() const;
    void Form_Load();
    void Form_Unload();

    ReportSource m_source;
    QTextEdit* m_box = nullptr;
    QList<QAction*> m_exportActions; // added to the box's own context menu
    bool m_firstShown = false;
};

} // namespace orvella
