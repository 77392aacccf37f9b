#pragma once

#include "BirthInput.h"

#include <QMainWindow>
#include <QPointer>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvella {

class LinkLabel;
class SettingsStore;
class frmMdi;
struct ReportSource;

// The input window: the person's name and birth date, checked, and handed on to a reading.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // Creating the window runs its load: the update reminder, then the date lists.
    explicit frmMain(SettingsStore& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The entries of the last successful Proceed.
    const BirthInput& birthInput() const { return m_birthInput; }

    bool ValidateBirthInput();
    void cmdProceed_Click();
    void cmdOpen_Click();
    void cmdExit_Click();

    // The Open action puts saved entries back through these.
    void setName(const QString& name);
    // Selects the entry with exactly this text; without one, the selection stays.
    static void selectEntry(QComboBox* list, const QString& text);

    // The banner of the bottom strip in front: the co-branding or the fully-branded one.
    void CoBrand_Randomize(double r);

    // What a report of the reading shown now is composed from.
    ReportSource reportSource() const;

    // The frame showing the reading, while one is shown.
    frmMdi* readingFrame() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(SettingsStore& settings);
    void Form_Unload();
    void buildControls();
    void buildMenus();
    void showReadingFrame();
    void showNameRefused();

    BirthInput m_birthInput;
    QPointer<frmMdi> m_frame;

    QLineEdit* m_txtName = nullptr;
    QComboBox* m_cboDate = nullptr;
    QComboBox* m_cboMonth = nullptr;
    QComboBox* m_cboYear = nullptr;
    LinkLabel* m_lblCobrand = nullptr;
    LinkLabel* m_lblFullBrand = nullptr;
};

} // namespace orvella
