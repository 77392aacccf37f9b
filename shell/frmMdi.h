#pragma once

#include <QMainWindow>
#include <functional>

class QLabel;
class QPushButton;
class QScreen;
class QScrollArea;

namespace orvella {

class frmDisplay;
struct ReportSource;

// The main frame that holds the reading view between a banner, a title and a button strip,
// with Back, Print and Exit.
class frmMdi : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMdi(std::function<ReportSource()> reportSource, QWidget* parent = nullptr);

    frmDisplay* display() const { return m_display; }

    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdMdiExit_Click();
    // Closes the frame and its view without ending the program.
    void closeForBack();

    // Places the banner, the title, the buttons and the view for the frame's client width.
    void applyLayout();

    // The size that shows the strips and the whole reading view without scrolling.
    QSize fullSize() const;
    // Gives the frame, when it is not maximised, the full size or the available area of the
    // screen (its own when none is named) if that is smaller, centred there with its title
    // bar on the screen; on Wayland, where the compositor places windows, only the size.
    void placeUnmaximised(const QScreen* screen = nullptr);

    QScrollArea* clientArea() const { return m_client; }

signals:
    void backRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MDIForm_Unload();
    void buildStrips();
    QScrollArea* buildClientArea();
    void buildMenus();

    std::function<ReportSource()> m_reportSource;
    bool m_closingForBack = false;
    bool m_sizeOnNextResize = false; // un-maximised, waiting for the compositor's new size

    QScrollArea* m_client = nullptr; // the area between the strips; scrolls a reading too big
    QWidget* m_canvas = nullptr;     // inside it: never smaller than the reading view
    QWidget* m_buttonStrip = nullptr;
    frmDisplay* m_display = nullptr;
    QWidget* m_lblVeldaneBanner = nullptr;
    QLabel* m_lblSoftwareName = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdMdiExit = nullptr;
};

} // namespace orvella
