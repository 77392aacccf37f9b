#include "frmAbout.h"

#include "LinkLabel.h"
#include "Look.h"
#include "SharpPicture.h"
#include "Twips.h"
#include "WebPage.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace orvella {

namespace {

struct TextRow {
    const char* name;
    int left, top, width, height;
    const char* text;
    QColor color;
    double pointSize;
    bool bold;
};

const std::array<TextRow, 3> Texts{{
    {"Label2", 960, 285, 2790, 240, "Orvella v1.25", Maroon, 9.75, true},
    {"Label1", 360, 960, 5505, 855,
     QT_TRANSLATE_NOOP(
         "orvella::frmAbout",
         "Orvella is a mystic software that correlates the Kabbalah Tree of life with the Rune "
         "Stones. This correlation is calculated on the basis of the date of birth of a person."),
     Black, 8.25, false},
    {"Label3", 360, 2520, 5445, 675,
     QT_TRANSLATE_NOOP(
         "orvella::frmAbout",
         "Home Business Opportunity. Start your own Internet business and make money online. Get "
         "this software fully branded for your website. "),
     Black, 8.25, true},
}};

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(WindowTitle);
    setAccessibleDescription(tr("About Orvella"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(5925, 4170));
    setColors(this, Maroon, Peach);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(twipsRect(150, 150, 510, 510));
    const qreal ratio = devicePixelRatioF();
    QPixmap picture =
        sharpPicture(QStringLiteral(":/pictures/orvella.png"), ratio)
            .scaled(icon->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    icon->setPixmap(picture);

    for (const TextRow& row : Texts) {
        auto* label = new QLabel(tr(row.text), this);
        label->setObjectName(QLatin1StringView(row.name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        label->setFont(verdana(row.pointSize, row.bold));
        setColors(label, row.color);
    }

    const auto link = [this](const char* name, const QString& text, const QRect& geometry,
                             QLatin1StringView page) {
        auto* label = new LinkLabel(text, this);
        label->setObjectName(QLatin1StringView(name));
        label->setGeometry(geometry);
        label->setFont(verdana(8.25, true, true));
        setColors(label, Maroon);
        connect(label, &LinkLabel::clicked, this, [page] { OpenWebPage(page); });
    };
    link("lblHomePage", tr("Click here to visit us at %1").arg(SiteAddress),
         twipsRect(1080, 2040, 4650, 195), WebPages::Home);
    link("lblCobrand", tr("Click here for more details."), twipsRect(3120, 3240, 2670, 195),
         WebPages::FullyBranded);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line2"));
    rule->setGeometry(twips(-60), twips(3630), twips(6150), 1);
    setColors(rule, Maroon, Maroon);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(4440, 3720, 1260, 345));
    makeFlatButton(ok);
    ok->setDefault(true); // Enter; Esc rejects the dialog as the cancel button would
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // OK has the focus; Tab goes on to the two links.
    QWidget::setTabOrder(ok, findChild<QWidget*>(QStringLiteral("lblHomePage")));
    QWidget::setTabOrder(findChild<QWidget*>(QStringLiteral("lblHomePage")),
                         findChild<QWidget*>(QStringLiteral("lblCobrand")));
    ok->setFocus();
}

void frmAbout::showModal(QWidget* parent)
{
    // On the heap alone, as the parent owns it: a parent that goes while the box is open takes
    // it along once. Closing the box discards it.
    auto* about = new frmAbout(parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    centreWhenShown(about);
    about->exec();
}

} // namespace orvella
