#pragma once

#include "ReportSource.h"

#include <QDialog>

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

    // The report's text as it was written, with CR LF line breaks.
    QString reportText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Form_Unload();

    ReportSource m_source;
    QTextEdit* m_box = nullptr;
    bool m_firstShown = false;
};

} // namespace orvella
