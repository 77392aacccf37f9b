#include "frmSave.h"

#include "Dialogs.h"
#include "LinkLabel.h"
#include "Look.h"
#include "PrinterRefusal.h"
#include "ReportComposition.h"
#include "ReportFile.h"
#include "ReportPrinting.h"
#include "SharedPaletteStyle.h"
#include "SignDetermination.h"
#include "Twips.h"
#include "WebPage.h"
#include "WindowPlacement.h"
#include "modRTB.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <memory>

namespace orvella {

namespace {

constexpr double ClientWidth = 7680;
constexpr double ClientHeight = 7575;
// The window's ground is the program's peach, its captions maroon.
constexpr QRgb Background = Peach;
constexpr QRgb CaptionText = Maroon;

enum class Style {
    BoxedCaption, // a link caption on a white ground
    Caption,      // a link caption on the window's ground
    RichTextBox,
    Button,
};

struct Control {
    const char* name;
    Style style;
    double left, top, width, height;
    const char* text;
    const char* accessibleName;
    QLatin1StringView page; // the web page a caption opens
};

constexpr std::array<Control, 6> Controls{{
    {"Label14", Style::BoxedCaption, 1440, 0, 4830, 195,
     QT_TRANSLATE_NOOP("orvella::frmSave", "Talk about your reading in our forum"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "Orvella forum"), WebPages::Home},
    {"Label1", Style::BoxedCaption, 1620, 180, 4470, 195,
     QT_TRANSLATE_NOOP("orvella::frmSave", "Visit us at www.orvella.org"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "Orvella web site"), WebPages::Home},
    {"RTB",
     Style::RichTextBox,
     0,
     390,
     7665,
     6135,
     "",
     QT_TRANSLATE_NOOP("orvella::frmSave", "Report"),
     {}},
    {"cmdSave",
     Style::Button,
     5400,
     6570,
     1125,
     345,
     QT_TRANSLATE_NOOP("orvella::frmSave", "&Save"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "Save"),
     {}},
    {"cmdPrint",
     Style::Button,
     6540,
     6570,
     1125,
     345,
     QT_TRANSLATE_NOOP("orvella::frmSave", "&Print"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "Print"),
     {}},
    // No text of its own: the banner's invitation (FullBrandInvitation).
    {"Label8", Style::Caption, 0, 6960, 7665, 615, nullptr,
     QT_TRANSLATE_NOOP("orvella::frmSave", "Fully branded software"), WebPages::FullyBranded},
}};

// The three exports, in the order the context menu offers them.
struct ExportEntry {
    const char* name;
    ExportFormat format;
    const char* caption; // UTF-8, ending in an ellipsis
    const char* filter;
};

constexpr std::array<ExportEntry, 3> ExportEntries{{
    {"mnuExportPdf", ExportFormat::Pdf, QT_TRANSLATE_NOOP("orvella::frmSave", "Export as PDF…"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "PDF document (*.pdf)")},
    {"mnuExportOdt", ExportFormat::Odt, QT_TRANSLATE_NOOP("orvella::frmSave", "Export as ODT…"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "OpenDocument text (*.odt)")},
    {"mnuExportHtml", ExportFormat::Html, QT_TRANSLATE_NOOP("orvella::frmSave", "Export as HTML…"),
     QT_TRANSLATE_NOOP("orvella::frmSave", "HTML page (*.html *.htm)")},
}};

// A name longer than this is cut in the suggested file name.
constexpr qsizetype SuggestedNameLength = 60;

// What failed, then why, in an error box.
void tellFailure(QWidget* parent, const QString& what, const QString& why)
{
    Dialogs::error(parent, what + QLatin1StringView("\n\n") + why);
}

QWidget* makeCaption(const Control& control, QWidget* parent)
{
    auto* caption = new LinkLabel(
        control.text ? frmSave::tr(control.text)
                     : QCoreApplication::translate("orvella::WebLinks", FullBrandInvitation.data()),
        parent);
    caption->setFont(verdana(8.25, true, true));
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(control.style == Style::Caption);
    if (control.style == Style::BoxedCaption)
        setColors(caption, CaptionText, White);
    else
        setColors(caption, CaptionText);
    QObject::connect(caption, &LinkLabel::clicked, caption,
                     [page = QString(control.page)] { OpenWebPage(page); });
    return caption;
}

QTextEdit* makeRichTextBox(QWidget* parent)
{
    auto* box = new QTextEdit(parent);
    box->setFont(verdana(9.75));
    box->setReadOnly(true);
    // Read-only, yet its text can be selected with mouse and keyboard, so that a part of
    // the report can be printed.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setUndoRedoEnabled(false);
    box->setAcceptRichText(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->verticalScrollBar()->setStyle(SharedPaletteStyle::instance());
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(White));
    palette.setColor(QPalette::Text, QColor(Black));
    box->setPalette(palette);
    return box;
}

QWidget* makeButton(const Control& control, QWidget* parent)
{
    auto* button = new QPushButton(frmSave::tr(control.text), parent);
    makeFlatButton(button, 8.25);
    // No default button: Enter in the report must not save or print.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmSave::frmSave(ReportSource source, QWidget* parent)
    : QDialog(parent)
    , m_source(std::move(source))
{
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(WindowTitle);
    // Every window has the same title: the description tells them apart.
    setAccessibleDescription(tr("Report window: your reading to save or print"));
    setModal(true);
    setFixedSize(twipsSize(ClientWidth, ClientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(Background));
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();
    createExportActions();
    // Tab: the report and the buttons first, as before there were links to reach; the links
    // come after them, in the order they stand.
    QWidget* previous = nullptr;
    for (const char* name : {"RTB", "cmdSave", "cmdPrint", "Label14", "Label1", "Label8"}) {
        QWidget* next = findChild<QWidget*>(QLatin1StringView(name));
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    Form_Load();
    centreWhenShown(this);
}

frmSave::~frmSave()
{
    Form_Unload();
}

void frmSave::createControls()
{
    for (const Control& control : Controls) {
        QWidget* widget = nullptr;
        switch (control.style) {
        case Style::BoxedCaption:
        case Style::Caption:
            widget = makeCaption(control, this);
            break;
        case Style::RichTextBox:
            widget = m_box = makeRichTextBox(this);
            break;
        case Style::Button:
            widget = makeButton(control, this);
            break;
        }
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setAccessibleName(tr(control.accessibleName));
        widget->setGeometry(twipsRect(control.left, control.top, control.width, control.height));
    }
    connect(findChild<QPushButton*>(QStringLiteral("cmdSave")), &QPushButton::clicked, this,
            &frmSave::cmdSave_Click);
    connect(findChild<QPushButton*>(QStringLiteral("cmdPrint")), &QPushButton::clicked, this,
            &frmSave::cmdPrint_Click);
}

void frmSave::createExportActions()
{
    for (const ExportEntry& entry : ExportEntries) {
        auto* action = new QAction(tr(entry.caption), this);
        action->setObjectName(QLatin1StringView(entry.name));
        connect(action, &QAction::triggered, this,
                [this, format = entry.format] { exportReport(format); });
        m_exportActions << action;
    }
    m_exportActions.front()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // The window holds them too, so that the shortcut works wherever the focus is in it.
    addActions(m_exportActions);

    m_box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_box, &QWidget::customContextMenuRequested, this, &frmSave::showContextMenu);
}

void frmSave::showContextMenu(const QPoint& position)
{
    // The position is in the box's viewport. The box's own entries first (Copy, Copy Link
    // Location, Select All), then the exports.
    const std::unique_ptr<QMenu> menu(m_box->createStandardContextMenu(position));
    menu->setObjectName(QStringLiteral("RTBContextMenu"));
    menu->addSeparator();
    menu->addActions(m_exportActions);
    menu->exec(m_box->viewport()->mapToGlobal(position));
}

void frmSave::Form_Load()
{
    EnableLinkDetection(m_box, this);
    QTextCursor cursor = m_box->textCursor();
    // One edit: the report is laid out once it is all written, not after every piece.
    cursor.beginEditBlock();
    WriteReport(cursor, ComposeReport(m_source));
    cursor.endEditBlock();
    m_box->setTextCursor(cursor);
}

void frmSave::Form_Unload()
{
    // Another report window may have taken link handling over; leave that one's alone.
    if (LinkDetectionOwner() == this)
        DisableLinkDetection();
}

void frmSave::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_firstShown && !event->spontaneous()) {
        m_firstShown = true;
        // The insertion point stays at the end of the report, but the reader starts at its
        // top: the box has brought its cursor into view on being shown, before this.
        m_box->verticalScrollBar()->setValue(m_box->verticalScrollBar()->minimum());
    }
}

void frmSave::keyPressEvent(QKeyEvent* event)
{
    // The window has no cancel button: Esc does not close it, the close box does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString frmSave::reportText() const
{
    return reportPlainText(*m_box->document());
}

void frmSave::cmdSave_Click()
{
    const QString path =
        Dialogs::saveFileName(this, {QString(ApplicationTitle), QStringLiteral("Orvella (*.lyr)"),
                                     QStringLiteral("lyr")});
    if (path.isEmpty())
        return;
    if (const Outcome saved = WriteReportFile(path, m_source.birth); !saved)
        tellFailure(this, tr("The reading was not saved."), saved.message());
}

QString frmSave::readingTitle() const
{
    return tr("Orvella reading for %1").arg(m_source.birth.name);
}

void frmSave::exportReport(ExportFormat format)
{
    const ExportEntry& entry = *std::find_if(
        ExportEntries.begin(), ExportEntries.end(),
        [format](const ExportEntry& candidate) { return candidate.format == format; });
    const QString suffix = exportSuffix(format);
    // "<NAME> - <Sign>.pdf" in the documents folder.
    QString fileName = m_source.birth.name.left(SuggestedNameLength).trimmed();
    if (const SignResult sign = DetermineSign(m_source.birth.monthIndex, m_source.birth.dayIndex))
        fileName = tr("%1 - %2", "suggested file name: the name, then the sign")
                       .arg(fileName, signText(*sign));
    QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!documents.exists()) // the dialog would open on the working folder instead
        documents = QDir::home();
    QString caption = tr(entry.caption);
    caption.chop(1); // the dialog's title is the caption without its ellipsis

    const QString path = Dialogs::saveFileName(
        this, {caption, tr(entry.filter), suffix, documents.filePath(fileName + u'.' + suffix)});
    if (path.isEmpty())
        return;
    if (const Outcome exported =
            ExportReportDocument(*m_box->document(), format, path, readingTitle());
        !exported)
        tellFailure(this, tr("The report was not exported."), exported.message());
}

void frmSave::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(readingTitle());
    const QTextCursor selection = m_box->textCursor();
    const bool hasSelection = selection.hasSelection();
    if (!Dialogs::print(this, printer, hasSelection))
        return;
    const auto notPrinted = [this](const QString& why) {
        tellFailure(this, tr("The report was not printed."), why);
    };
    // The printer may have gone, or stopped, while the dialog was open.
    if (const QString refusal = PrinterRefusal(printer); !refusal.isEmpty()) {
        notPrinted(refusal);
        return;
    }

    // What the dialog says is printed: the selection with its colours and styles, or all.
    QTextDocument selected;
    const QTextDocument* document = m_box->document();
    if (hasSelection && printer.printRange() == QPrinter::Selection) {
        selected.setDefaultFont(document->defaultFont());
        QTextCursor(&selected).insertFragment(selection.selection());
        document = &selected;
    }
    if (const Outcome printed = PrintReportDocument(*document, printer); !printed)
        notPrinted(printed.message());
}

} // namespace orvella
