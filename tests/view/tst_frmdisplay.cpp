// The reading view: its initial state, the layout of the three panes, a reading of every
// sign with its highlight, auto-sized and wrapping labels, text boxes and tabs.

#include "DesignedHighlights.h"
#include "PictureBox.h"
#include "PixmapCacheSize.h"
#include "TextField.h"
#include "TextTable.h"
#include "Twips.h"
#include "ViewTestSupport.h"
#include "WindowSystem.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <map>
#include <memory>

using namespace orvella;
using namespace viewtest;
using namespace orvella::testing;

namespace {

// Every field as designed: pane, name, left, top, width (0: sized to its text), height, and
// the content before a reading fills it. The pictures' initial content is checked apart.
struct DesignedField {
    const char* pane;
    const char* name;
    int left, top, width, height;
    const char* initial;
};

constexpr DesignedField DesignedFields[] = {
    {"picSplit", "lbSephirothSOneCardName", 4080, 0, 0, 240, "lblPathsCardName"},
    {"picSplit", "txtOneSephriothCardDesc", 120, 260, 5775, 720, ""},
    {"picSplit", "PicOneSephirothsCard", 6600, 480, 1740, 2280, ""},
    {"picSplit", "lblOneSphereSign", 450, 1245, 0, 195, "lblSphereSign"},
    {"picSplit", "lblOnePositionInTreeOfLife", 2760, 1245, 0, 195, "lblPositionInTreeOfLife"},
    {"picSplit", "lblOneColor", 5280, 1245, 0, 195, "lblColor"},
    {"picSplit", "lblOneArchangel", 510, 1725, 0, 195, "lblArchangel"},
    {"picSplit", "lblOneLuckyDay", 3360, 1725, 0, 195, "lblLuckyDay"},
    {"picSplit", "lblOneWood", 735, 2205, 0, 195, "lblWood"},
    {"picSplit", "lblOneMetal", 3480, 2205, 0, 195, "lblMetal"},
    {"picSplit", "lblOnePlanetaryRuler", 285, 2700, 0, 195, "lblPlanetaryRuler"},
    {"picSplit", "lblOneKeyword", 2160, 2700, 0, 195, "Splendour, Truthfulness, Communication"},
    {"picSplit", "lblOneSphereHead", 2400, 2880, 0, 240, "SphereOne"},
    {"picSplit", "txtOneSphereDesc", 120, 3120, 5775, 735, ""},
    {"picSplit", "txtOneAngelDesc", 6000, 3120, 2295, 735, ""},
    {"picSplit", "lbSephirothSTwoCardName", 4560, 3960, 0, 240, "lblPathsCardName"},
    {"picSplit", "txtTwoSephriothCardDesc", 120, 4200, 5775, 735, ""},
    {"picSplit", "PicTwoSephirothsCard", 6600, 4440, 1740, 2280, ""},
    {"picSplit", "lblTwoSphereSign", 450, 5175, 0, 195, "lblSphereSign"},
    {"picSplit", "lblTwoPositionInTreeOfLife", 2880, 5175, 0, 195, "lblPositionInTreeOfLife"},
    {"picSplit", "lblTwoColor", 5520, 5175, 0, 195, "lblColor"},
    {"picSplit", "lblTwoArchangel", 450, 5625, 0, 195, "lblArchangel"},
    {"picSplit", "lblTwoLuckyDay", 3420, 5625, 0, 195, "lblLuckyDay"},
    {"picSplit", "lblTwoWood", 675, 6075, 0, 195, "lblWood"},
    {"picSplit", "lblTwoMetal", 3630, 6075, 0, 195, "lblMetal"},
    {"picSplit", "lblTwoKeyword", 2160, 6525, 0, 195, "Splendour, Truthfulness, Communication"},
    {"picSplit", "lblTwoPlanetaryRuler", 225, 6720, 0, 195, "lblPlanetaryRuler"},
    {"picSplit", "lblTwoSphereHead", 2400, 6720, 0, 240, "SphereTwo"},
    {"picSplit", "txtTwoSphereDesc", 120, 6960, 5775, 735, ""},
    {"picSplit", "txtTwoAngelDesc", 6000, 6960, 2295, 735, ""},
    {"picSplitTwo", "picPathsCard", 3397, 40, 1740, 2280, ""},
    {"picSplitTwo", "lblPathName", 360, 120, 0, 240, "lblPathName"},
    {"picSplitTwo", "txtPathDecs", 120, 505, 3135, 1815, ""},
    {"picSplitTwo", "txtAboutYourPathsCards", 5280, 505, 3015, 1815, ""},
    {"picSplitTwo", "lblPathsCardName", 3000, 2400, 0, 240, "lblPathsCardName"},
    {"picSplitTwo", "lblHebrewLetter", 3000, 2980, 0, 195,
     "Zain, which means sword or the male sex organ"},
    {"picSplitTwo", "lblLocation", 3000, 3320, 0, 195, "lblLocation"},
    {"picSplitTwo", "lblCorrespondingPlanet", 3000, 3660, 0, 195, "lblCorrespondingPlanet"},
    {"picSplitTwo", "lblYetsiraticAttribution", 3000, 4000, 0, 195, "lblYetsiraticAttribution"},
    {"picSplitTwo", "lblColor", 3000, 4340, 0, 195, "lblColor"},
    {"picSplitTwo", "lblElement", 3000, 4680, 0, 195, "lblElement"},
    {"picSplitTwo", "lblCorrespondingRuneStone", 3000, 5040, 0, 195, "lblRuneStone"},
    {"picSplitTwo", "lblAlternativeName", 3000, 5360, 0, 195, "lblAlternativeName"},
    {"picSplitTwo", "picStone", 6600, 5385, 1695, 2265, ""},
    {"picSplitTwo", "lblFavorableColor", 3000, 5680, 0, 195, "lblFavorableColor"},
    {"picSplitTwo", "lblNordicGod", 3000, 6000, 0, 195, "lblNordicGod"},
    {"picSplitTwo", "lblKeywards", 3000, 6240, 3345, 540, "lblKeywards"},
    {"picSplitTwo", "txtAboutYourRuneStone", 120, 6720, 6255, 930, ""},
    {"picSplitThree", "lblSunSignName", 3360, 120, 0, 240, "lblSunSignName"},
    {"picSplitThree", "lblSunSignDesc", 120, 480, 8175, 2775, nullptr}, // the Virgo text
    {"picSplitThree", "lblLiesPathName", 3600, 3240, 0, 240, "Path of Samekh"},
    {"picSplitThree", "lblSphereName", 3960, 3600, 0, 210, ""},
    {"picSplitThree", "lblSphereDesc", 120, 3960, 8175, 2655, ""},
};

// Every static caption as designed: pane, text (blanks included), left, top, and for the one
// fixed box its size.
struct DesignedCaption {
    const char* pane;
    const char* text;
    int left, top, width, height;
};

constexpr DesignedCaption DesignedCaptions[] = {
    {"picSplit", "Tarot Cards Associated With Sephiroths", 120, 0, 0, 195},
    {"picSplit", "Sphere Sign", 540, 1005, 0, 195},
    {"picSplit", "Position In Tree Of Life", 2760, 1005, 0, 195},
    {"picSplit", "Color ", 5400, 1005, 0, 195},
    {"picSplit", "Archangel", 630, 1485, 0, 195},
    {"picSplit", "Lucky Day", 3360, 1485, 0, 195},
    {"picSplit", "Wood", 855, 1965, 0, 195},
    {"picSplit", "Metal", 3600, 1965, 0, 195},
    {"picSplit", "Planetary Ruler", 375, 2445, 0, 195},
    {"picSplit", "Keyword", 3480, 2445, 0, 195},
    {"picSplit", "About Your Archangel", 5955, 2880, 0, 240},
    {"picSplit", "Tarot Cards Associated With The Sephiroths", 120, 3960, 0, 195},
    {"picSplit", "Sphere Sign", 540, 4965, 0, 195},
    {"picSplit", "Position In Tree Of Life", 2880, 4965, 0, 195},
    {"picSplit", "Color ", 5640, 4965, 0, 195},
    {"picSplit", "Archangel", 570, 5400, 0, 195},
    {"picSplit", "Lucky Day", 3510, 5400, 0, 195},
    {"picSplit", "Wood", 795, 5850, 0, 195},
    {"picSplit", "Metal", 3750, 5850, 0, 195},
    {"picSplit", "Planetary Ruler", 315, 6285, 0, 195},
    {"picSplit", "Keyword", 3585, 6285, 0, 195},
    {"picSplit", "About Your Archangel", 5955, 6720, 0, 240},
    {"picSplitTwo", "More About Tarot Card", 5640, 120, 0, 240},
    {"picSplitTwo", "Tarot Cards Associated With The Path", 240, 2400, 2355, 435},
    {"picSplitTwo", "Hebrew Letter", 240, 2980, 0, 195},
    {"picSplitTwo", "Location", 240, 3320, 0, 195},
    {"picSplitTwo", "Corresponding Planet", 240, 3660, 0, 195},
    {"picSplitTwo", "Yetsiratic Attribution", 240, 4000, 0, 195},
    {"picSplitTwo", "Color", 240, 4340, 0, 195},
    {"picSplitTwo", "Element", 240, 4680, 0, 195},
    {"picSplitTwo", "Corresponding Rune Stone", 240, 5040, 0, 195},
    {"picSplitTwo", "Alternative Names", 240, 5360, 0, 195},
    {"picSplitTwo", "Favorable Color", 240, 5680, 0, 195},
    {"picSplitTwo", "Nordic God", 240, 6000, 0, 195},
    {"picSplitTwo", "Keywords", 240, 6413, 0, 195},
    {"picSplitThree", "Path Associated With Your Sun Sign", 2400, 3000, 0, 240},
    {"picSplitThree", "Move Your Mouse Over The Sephiroths To Know More About Sephiroths", 480,
     6720, 0, 240},
};

// What a screen reader is told of the Tree of Life: the spheres in the order the keyboard's
// ring visits them, then the 22 paths in the order of their lines.
constexpr const char* AccessibleSpheres[] = {
    "1 Keter",     "2 Chokmah", "3 Binah", "Daat",    "4 Chesed",    "5 Gevurah",
    "6 Tiphereth", "7 Netzach", "8 Hod",   "9 Yesod", "10 Malkhuth",
};
constexpr int RingToSphereIndex[] = {0, 1, 2, 10, 3, 4, 5, 6, 7, 8, 9};
constexpr const char* AccessiblePaths[] = {
    "Path between 1 Keter and 2 Chokmah",
    "Path between 1 Keter and 3 Binah",
    "Path between 1 Keter and 6 Tiphereth",
    "Path between 2 Chokmah and 3 Binah",
    "Path of Vau",
    "Path of H\u00e9",
    "Path of Cheth",
    "Path of Zain",
    "Path of Teth",
    "Path of Yod",
    "Path between 4 Chesed and 7 Netzach",
    "Path of Lamed",
    "Path between 5 Gevurah and 8 Hod",
    "Path of Nun",
    "Path of Ayin",
    "Path of Samekh",
    "Path between 7 Netzach and 8 Hod",
    "Path of Tzaddi",
    "Path of Qoph",
    "Path between 8 Hod and 9 Yesod",
    "Path between 8 Hod and 10 Malkhuth",
    "Path between 9 Yesod and 10 Malkhuth",
};

// The text a screen reader reads as a field's value.
QString accessibleText(QAccessibleInterface* field)
{
    QAccessibleTextInterface* text = field ? field->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
}

constexpr const char* ZodiacCaptionNames[] = {
    "lblCapricorn", "lblAquarius", "lblPisces", "lblAries", "lblTaurus",  "lblGemini",
    "lblCancer",    "lblLeo",      "lblVirgo",  "lblLibra", "lblScorpio", "lblSagittarius",
};

QString str(const char* text)
{
    return QString::fromUtf8(text);
}

QString virgoText()
{
    return TextTable::get(TextTableId::Personalities).text(QStringLiteral("Virgo"));
}

bool picturesPresent()
{
    return !QPixmap(QStringLiteral(":/pictures/paths/justice.jpg")).isNull();
}

// What a test can see of one element of the window.
struct Seen {
    QString text;
    QRect geometry;
    bool visible;
    QString picture;
    friend bool operator==(const Seen&, const Seen&) = default;
};

QString shownText(QWidget* w)
{
    if (auto* label = qobject_cast<TextField*>(w))
        return label->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w))
        return box->toPlainText();
    return {};
}

// Every named widget of the window and every circle and line of the drawing.
std::map<QString, Seen> snapshot(const frmDisplay& view)
{
    std::map<QString, Seen> seen;
    for (QWidget* w : view.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        seen[w->objectName()] = {shownText(w), w->geometry(), w->isVisibleTo(&view),
                                 w->property("pictureResource").toString()};
    }
    for (QObject* o : frame2(view)->children()) {
        if (o->isWidgetType())
            continue;
        const QColor c = o->property("fillColor").isValid()
                             ? o->property("fillColor").value<QColor>()
                             : o->property("color").value<QColor>();
        seen[o->objectName()] = {c.name(), o->property("geometry").toRect(), true, {}};
    }
    return seen;
}

} // namespace

class tst_frmDisplay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void window();
    void initialFields_data();
    void initialFields();
    void initialState();
    void initialPictures();
    void staticCaptions_data();
    void staticCaptions();
    void styles();
    void panesInsideTabControl();

    void everySign_data();
    void everySign();
    void readingIsPlainText();
    void autoSizedLabelGrowsRight();
    void fixedBoxesWrap();
    void textBoxesReadOnlyAndScroll();
    void tabsSwitchPanes();
    void readingsAddNothingToThePixmapCache();
};

void tst_frmDisplay::initTestCase()
{
    LoadKnowledgeTexts();
}

void tst_frmDisplay::window()
{
    frmDisplay view;
    QCOMPARE(view.objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(view.size(), QSize(949, 561));
    QCOMPARE(view.minimumSize(), view.maximumSize());
    QVERIFY(view.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(view.palette().color(QPalette::Window), QColor(103, 182, 245));

    auto* frame1 = view.findChild<QWidget*>(QStringLiteral("Frame1"));
    QVERIFY(frame1);
    QCOMPARE(frame1->geometry(), QRect(8, 0, 361, 561));
    QCOMPARE(frame2(view)->parentWidget(), frame1);
    QCOMPARE(frame2(view)->geometry(), QRect(4, 32, 353, 489));
    QCOMPARE(view.tabs()->objectName(), QStringLiteral("SSTab1"));
    QCOMPARE(view.tabs()->geometry(), QRect(370, 0, 569, 561));

    // Every name that is given is unique within the window.
    QSet<QString> names;
    for (QObject* o : view.findChildren<QObject*>()) {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
}

void tst_frmDisplay::initialFields_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("designed"); // twips; width 0 when sized to the text
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("checkText");
    for (const DesignedField& f : DesignedFields)
        QTest::newRow(f.name) << str(f.pane) << str(f.name)
                              << QRect(f.left, f.top, f.width, f.height) << str(f.initial)
                              << (f.initial != nullptr);
}

void tst_frmDisplay::initialFields()
{
    QFETCH(QString, pane);
    QFETCH(QString, name);
    QFETCH(QRect, designed);
    QFETCH(QString, initial);
    QFETCH(bool, checkText);

    frmDisplay view;
    auto* paneWidget = view.findChild<QWidget*>(pane);
    QVERIFY(paneWidget);
    auto* field = paneWidget->findChild<QWidget*>(name);
    QVERIFY(field);
    QCOMPARE(field->parentWidget(), paneWidget);
    QCOMPARE(field->pos(), twipsPoint(designed.x(), designed.y()));
    QVERIFY(!field->accessibleName().isEmpty());
    if (checkText)
        QCOMPARE(view.fieldText(name), initial);

    if (qobject_cast<PictureBox*>(field))
        return; // a picture box takes its picture's size (initialPictures)
    if (designed.width() > 0) {
        QCOMPARE(field->size(), twipsSize(designed.width(), designed.height()));
    } else {
        QCOMPARE(field->height(), twips(designed.height()));
        auto* label = qobject_cast<TextField*>(field);
        QVERIFY(label);
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(
            label->width() >= textWidth && label->width() <= textWidth + 8,
            qPrintable(QStringLiteral("%1 for a text %2 wide").arg(label->width()).arg(textWidth)));
    }
}

void tst_frmDisplay::initialState()
{
    frmDisplay view;
    QCOMPARE(view.tabs()->currentIndex(), 0);
    QCOMPARE(view.fieldText(QStringLiteral("lblSunSignDesc")), virgoText());
    QVERIFY(!virgoText().isEmpty());
    QCOMPARE(view.fieldText(QStringLiteral("lblSphereName")), QString());
    QCOMPARE(view.fieldText(QStringLiteral("lblSphereDesc")), QString());

    // The design table above covers every text field of a reading.
    QSet<QString> designed;
    for (const DesignedField& f : DesignedFields)
        designed.insert(str(f.name));
    for (const ReadingTextField& field : ReadingTextFields)
        QVERIFY2(designed.contains(str(field.name)), field.name);
    for (const ReadingPictureField& field : ReadingPictureFields)
        QVERIFY2(designed.contains(str(field.name)), field.name);

    for (const char* name : ZodiacCaptionNames) {
        auto* caption = frame2(view)->findChild<QWidget*>(str(name));
        QVERIFY2(caption, name);
        QVERIFY2(!caption->isVisibleTo(&view), name);
    }
    for (int i = 0; i < SphereCount; ++i)
        QCOMPARE(colorOf(view, circleName(i), "fillColor"), BaseGrey);
    for (const DesignedLine& line : DesignedPathLines)
        QCOMPARE(colorOf(view, str(line.name), "color"), BaseGrey);
}

void tst_frmDisplay::initialPictures()
{
    if (!picturesPresent())
        QSKIP("The picture :/pictures/paths/justice.jpg is missing from the build.");
    frmDisplay view;
    const struct {
        const char* name;
        const char* resource;
        QSize size;
    } expected[] = {
        {"picPathsCard", ":/pictures/paths/justice.jpg", {116, 152}},
        {"PicOneSephirothsCard", ":/pictures/paths/justice.jpg", {116, 152}},
        {"PicTwoSephirothsCard", ":/pictures/paths/justice.jpg", {116, 152}},
        {"picStone", ":/pictures/runes/ansuz.jpg", {113, 151}},
    };
    for (const auto& e : expected) {
        auto* box = view.findChild<QLabel*>(str(e.name));
        QVERIFY2(box, e.name);
        QCOMPARE(box->property("pictureResource").toString(), str(e.resource));
        QVERIFY(!box->pixmap().isNull());
        QCOMPARE(box->size(), e.size);
    }
    QCOMPARE(view.findChild<QLabel*>(QStringLiteral("picPathsCard"))->frameWidth(), 1);
    QCOMPARE(view.findChild<QLabel*>(QStringLiteral("picStone"))->frameWidth(), 0);
}

void tst_frmDisplay::staticCaptions_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("designed");
    int row = 0;
    for (const DesignedCaption& c : DesignedCaptions)
        QTest::addRow("%d %s", ++row, c.text)
            << str(c.pane) << str(c.text) << QRect(c.left, c.top, c.width, c.height);
}

void tst_frmDisplay::staticCaptions()
{
    QFETCH(QString, pane);
    QFETCH(QString, text);
    QFETCH(QRect, designed);
    frmDisplay view;
    auto* paneWidget = view.findChild<QWidget*>(pane);
    QVERIFY(paneWidget);
    TextField* found = nullptr;
    for (TextField* label : paneWidget->findChildren<TextField*>())
        if (label->text() == text && label->pos() == twipsPoint(designed.x(), designed.y()))
            found = label;
    QVERIFY2(found, "no caption with this exact text at its place");
    QVERIFY(found->objectName().startsWith(QLatin1String("Label")));
    if (designed.width() > 0)
        QCOMPARE(found->size(), twipsSize(designed.width(), designed.height()));
    else
        QCOMPARE(found->height(), twips(designed.height()));
}

void tst_frmDisplay::styles()
{
    frmDisplay view;
    const struct {
        const char* name; // a field, or the text of a caption
        QColor color;
        double points;
        bool bold, underline;
    } styles[] = {
        {"Sphere Sign", {128, 128, 255}, 8.25, true, true},
        {"About Your Archangel", {128, 128, 255}, 9.75, true, true},
        {"Corresponding Rune Stone", {255, 255, 255}, 8.25, true, true},
        {"lblOneSphereSign", {255, 128, 0}, 8.25, true, false},
        {"lblPathName", {255, 128, 0}, 9.75, true, true},
        {"lbSephirothSOneCardName", {255, 255, 0}, 9.75, true, false},
        {"lblNordicGod", {255, 255, 0}, 8.25, true, false},
        {"lblKeywards", {255, 255, 0}, 8.25, true, false},
        {"lblTwoSphereHead", {0, 255, 255}, 9.75, true, true},
        {"lblSunSignDesc", {255, 255, 128}, 8.25, true, false},
        {"lblLiesPathName", {0, 255, 0}, 9.75, true, true},
        {"lblSphereName", {255, 0, 255}, 9.0, true, true},
        {"Move Your Mouse Over The Sephiroths To Know More About Sephiroths",
         {255, 0, 255},
         9.75,
         true,
         false},
        {"Path Associated With Your Sun Sign", {255, 128, 0}, 9.75, true, true},
        {"txtPathDecs", {64, 0, 0}, 8.25, true, false},
        {"txtAboutYourRuneStone", {64, 0, 0}, 8.25, false, false},
    };
    for (const auto& s : styles) {
        QWidget* w = view.findChild<QWidget*>(str(s.name));
        if (!w)
            for (TextField* label : view.findChildren<TextField*>())
                if (label->text() == str(s.name))
                    w = label;
        QVERIFY2(w, s.name);
        const QPalette::ColorRole role =
            qobject_cast<QPlainTextEdit*>(w) ? QPalette::Text : QPalette::WindowText;
        QCOMPARE(w->palette().color(role), s.color);
        QCOMPARE(w->font().pointSizeF(), s.points);
        QCOMPARE(w->font().bold(), s.bold);
        QCOMPARE(w->font().underline(), s.underline);
    }
    auto* box = view.findChild<QPlainTextEdit*>(QStringLiteral("txtOneAngelDesc"));
    QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 192, 128));
    for (const char* pane : {"picSplit", "picSplitTwo", "picSplitThree"})
        QCOMPARE(view.findChild<QWidget*>(str(pane))->palette().color(QPalette::Window),
                 QColor(64, 0, 0));
}

void tst_frmDisplay::panesInsideTabControl()
{
    frmDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTabWidget* tabs = view.tabs();
    QCOMPARE(tabs->count(), 3);
    const char* captions[] = {"Sephiroths and Tarot Cards",
                              "Rune Stone and Tarot Card of Path of Sun Sign",
                              "Sephiroths and Sun Sign"};
    const char* panes[] = {"picSplit", "picSplitTwo", "picSplitThree"};
    const QSize sizes[] = {{565, 518}, {565, 518}, {565, 517}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(tabs->tabText(i), str(captions[i]));
        QCOMPARE(tabs->widget(i)->objectName(), str(panes[i]));
        QCOMPARE(tabs->widget(i)->size(), sizes[i]);
    }
    // One row of three tabs of equal width across the strip, 40 pixels high.
    QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(qAbs(bar->tabRect(i).width() - 569 / 3) <= 1);
        QCOMPARE(bar->tabRect(i).height(), 40);
    }
    // The whole pane shows below the strip, inside the tab control.
    for (int i = 0; i < 3; ++i) {
        tabs->setCurrentIndex(i);
        QWidget* pane = tabs->widget(i);
        const QRect inTabs(pane->mapTo(tabs, QPoint(0, 0)), pane->size());
        QVERIFY2(tabs->rect().contains(inTabs), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                               .arg(inTabs.x())
                                                               .arg(inTabs.y())
                                                               .arg(inTabs.width())
                                                               .arg(inTabs.height())));
        QVERIFY(inTabs.top() >= bar->mapTo(tabs, bar->rect().bottomLeft()).y());
        QCOMPARE(pane->visibleRegion().boundingRect(), pane->rect());
    }
}

void tst_frmDisplay::everySign_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < 12; ++i)
        QTest::newRow(qPrintable(signName(DesignedHighlights[i].sign))) << i;
}

void tst_frmDisplay::everySign()
{
    QFETCH(int, row);
    const DesignedHighlight& designed = DesignedHighlights[row];
    const Reading reading = BuildReading(designed.sign, TheKnowledgeTexts());

    frmDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const std::map<QString, Seen> before = snapshot(view);

    view.ShowReading(reading);
    view.ApplyHighlight(HighlightFor(designed.sign));

    // Every field shows its value, read back through the window.
    QSet<QString> fields;
    for (const ReadingTextField& field : ReadingTextFields) {
        const QString name = str(field.name);
        fields.insert(name);
        QCOMPARE(view.fieldText(name), reading.*field.member);
        QCOMPARE(shownText(view.findChild<QWidget*>(name)), reading.*field.member);
    }
    QCOMPARE(view.fieldText(QStringLiteral("lblLiesPathName")),
             view.fieldText(QStringLiteral("lblPathName")));

    // A screen reader hears every field's caption with its value, once each: the name holds
    // both (and the sign's dates), the text the value alone, read in pieces as a whole; no
    // caption labels a field, which would be heard a second time. A field that shows a value
    // is a stop of Tab.
    for (const ReadingTextField& field : ReadingTextFields) {
        QWidget* widget = view.findChild<QWidget*>(str(field.name));
        const QString value = reading.*field.member;
        QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(accessibleText(readable), value);
        QAccessibleTextInterface* text = readable->textInterface();
        const int half = text->characterCount() / 2;
        QCOMPARE(text->text(0, half) + text->text(half, text->characterCount()), value);
        QVERIFY2(!widget->accessibleName().isEmpty(), field.name);
        QStringList spoken{widget->accessibleName()};
        if (qobject_cast<TextField*>(widget))
            spoken << value << widget->toolTip();
        spoken.removeAll(QString());
        QCOMPARE(readable->text(QAccessible::Name), spoken.join(QStringLiteral(", ")));
        QVERIFY(readable->relations(QAccessible::Label).isEmpty());
        if (!value.isEmpty())
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, field.name);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(
                 view.findChild<QWidget*>(QStringLiteral("lblSunSignName")))
                 ->text(QAccessible::Name),
             QStringLiteral("Sun sign, %1, %2").arg(reading.lblSunSignName, reading.sunSignPeriod));
    // A picture is named by what it shows.
    for (const ReadingPictureField& field : ReadingPictureFields) {
        QAccessibleInterface* picture =
            QAccessible::queryAccessibleInterface(view.findChild<QWidget*>(str(field.name)));
        QCOMPARE(picture->text(QAccessible::Name), pictureDescription(reading.*field.member));
        QVERIFY(!picture->text(QAccessible::Name).isEmpty());
    }
    if (designed.sign == SignIndex::Capricorn)
        QCOMPARE(QAccessible::queryAccessibleInterface(
                     view.findChild<QWidget*>(QStringLiteral("picPathsCard")))
                     ->text(QAccessible::Name),
                 QStringLiteral("The Devil, card XV"));

    // The Tree of Life: every sphere and path, the highlighted ones saying so.
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(frame2(view));
    QVERIFY(tree->childCount() >= 33);
    for (int i = 0; i < 11; ++i) {
        QAccessibleInterface* sphere = tree->child(i);
        const int index = RingToSphereIndex[i];
        const bool lit = index == designed.one || index == designed.two;
        QCOMPARE(sphere->text(QAccessible::Name),
                 str(AccessibleSpheres[i]) + (lit ? QStringLiteral(", highlighted") : QString()));
        QCOMPARE(sphere->text(QAccessible::Description),
                 TheKnowledgeTexts().sphere(static_cast<SphereIndex>(index)));
        QCOMPARE(sphere->state().selected, lit);
        QCOMPARE(sphere->parent()->object(), frame2(view));
        QCOMPARE(tree->indexOfChild(sphere), i);
    }
    for (int i = 0; i < 22; ++i) {
        QAccessibleInterface* path = tree->child(11 + i);
        const bool highlighted = path->object()->objectName() == str(designed.line);
        QCOMPARE(path->text(QAccessible::Name),
                 str(AccessiblePaths[i]) +
                     (highlighted ? QStringLiteral(", highlighted") : QString()));
        QCOMPARE(path->state().selected, highlighted);
        QCOMPARE(path->state().focusable, highlighted);
        // Only the twelve paths of the signs have a card.
        QCOMPARE(path->text(QAccessible::Description).startsWith(QLatin1String("Card: ")),
                 path->text(QAccessible::Name).startsWith(QLatin1String("Path of ")));
        QCOMPARE(path->parent()->object(), frame2(view));
        QCOMPARE(tree->indexOfChild(path), 11 + i);
        QVERIFY(path->rect().isValid());
    }
    const Reading path = BuildReading(designed.sign, TheKnowledgeTexts());
    QAccessibleInterface* ownPath = nullptr;
    for (int i = 0; i < tree->childCount(); ++i)
        if (tree->child(i)->object()->objectName() == str(designed.line))
            ownPath = tree->child(i);
    QVERIFY(ownPath);
    const QString about = ownPath->text(QAccessible::Description);
    QVERIFY2(about.contains(path.lblPathsCardName), qPrintable(about));
    QVERIFY2(
        about.contains(
            QStringView(path.lblHebrewLetter).chopped(path.lblHebrewLetter.endsWith(u'.') ? 1 : 0)),
        qPrintable(about));
    if (picturesPresent()) {
        for (const ReadingPictureField& field : ReadingPictureFields) {
            auto* box = view.findChild<PictureBox*>(str(field.name));
            const PictureRef ref = reading.*field.member;
            QCOMPARE(box->property("pictureResource").toString(), pictureResource(ref));
            QCOMPARE(box->property("pictureList").toInt(), static_cast<int>(ref.list));
            QCOMPARE(box->property("picturePosition").toInt(), ref.position);
            QVERIFY(!box->pixmap().isNull());
        }
    }
    for (const ReadingPictureField& field : ReadingPictureFields)
        fields.insert(str(field.name));

    // The highlight: one card caption, two circles and one line.
    for (const char* name : ZodiacCaptionNames)
        QCOMPARE(frame2(view)->findChild<QWidget*>(str(name))->isVisible(),
                 str(name) == str(designed.caption));
    for (int i = 0; i < SphereCount; ++i)
        QCOMPARE(colorOf(view, circleName(i), "fillColor"),
                 i == designed.one || i == designed.two ? Magenta : BaseGrey);
    for (const DesignedLine& line : DesignedPathLines)
        QCOMPARE(colorOf(view, str(line.name), "color"),
                 str(line.name) == str(designed.line) ? Magenta : BaseGrey);

    // And nothing else: captions, places, the other labels, the tab and the hover texts.
    const std::map<QString, Seen> after = snapshot(view);
    QCOMPARE(after.size(), before.size());
    for (const auto& [name, was] : before) {
        const Seen& now = after.at(name);
        if (fields.contains(name)) {
            QCOMPARE(now.geometry.topLeft(), was.geometry.topLeft());
            QCOMPARE(now.visible, was.visible);
        } else if (name == str(designed.caption)) {
            QCOMPARE(now.text, was.text);
            QCOMPARE(now.geometry, was.geometry);
            QVERIFY(now.visible && !was.visible);
        } else if (name == circleName(designed.one) || name == circleName(designed.two) ||
                   name == str(designed.line)) {
            QCOMPARE(now.geometry, was.geometry);
            QCOMPARE(now.text, Magenta.name());
        } else {
            QVERIFY2(now == was, qPrintable(name));
        }
    }
    QCOMPARE(view.tabs()->currentIndex(), 0);
}

void tst_frmDisplay::readingIsPlainText()
{
    frmDisplay view;
    Reading reading = BuildReading(SignIndex::Leo, TheKnowledgeTexts());
    reading.lblHebrewLetter = QStringLiteral("<b>Teth</b> &amp; serpent");
    reading.lblKeywards = QStringLiteral("<i>x</i>");
    reading.lblSunSignDesc = QStringLiteral("<h1>Leo</h1>");
    reading.txtPathDecs = QStringLiteral("<p>path</p>");
    view.ShowReading(reading);
    QCOMPARE(view.fieldText(QStringLiteral("lblHebrewLetter")), reading.lblHebrewLetter);
    QCOMPARE(view.fieldText(QStringLiteral("txtPathDecs")), reading.txtPathDecs);
    // Shown as written: the label is as wide as the markup's characters.
    auto* label = view.findChild<TextField*>(QStringLiteral("lblHebrewLetter"));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(reading.lblHebrewLetter));
}

void tst_frmDisplay::autoSizedLabelGrowsRight()
{
    frmDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.tabs()->setCurrentIndex(1);
    auto* label = view.findChild<TextField*>(QStringLiteral("lblLocation"));
    const QRect before = label->geometry();

    Reading reading = BuildReading(SignIndex::Pisces, TheKnowledgeTexts());
    reading.lblLocation = QStringLiteral("Connecting path between Netzach and Malkhuth, longer");
    view.ShowReading(reading);
    QCOMPARE(label->x(), before.x());
    QCOMPARE(label->y(), before.y());
    QCOMPARE(label->height(), before.height());
    QVERIFY(label->width() > before.width());
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(reading.lblLocation));

    // A shorter value narrows it again; the left edge stays.
    reading.lblLocation = QStringLiteral("Short");
    view.ShowReading(reading);
    QCOMPARE(label->x(), before.x());
    QVERIFY(label->width() < before.width());
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(reading.lblLocation));
}

void tst_frmDisplay::fixedBoxesWrap()
{
    frmDisplay view;
    Reading reading = BuildReading(SignIndex::Aries, TheKnowledgeTexts());
    reading.lblKeywards = QStringLiteral("Protection, Action, Destruction, Willpower, Defence");
    view.ShowReading(reading);
    auto* keywords = view.findChild<TextField*>(QStringLiteral("lblKeywards"));
    QCOMPARE(keywords->size(), QSize(223, 36));
    QVERIFY(keywords->wordWrap());
    // One line would be wider than the box; wrapped, the text takes two lines within it.
    const QFontMetrics metrics = keywords->fontMetrics();
    QVERIFY(metrics.horizontalAdvance(reading.lblKeywards) > keywords->width());
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, keywords->width(), 1000),
                                               Qt::TextWordWrap, reading.lblKeywards);
    QVERIFY(wrapped.height() >= 2 * metrics.height());
    QVERIFY(wrapped.height() <= keywords->height());

    TextField* caption = nullptr;
    for (TextField* label : view.findChildren<TextField*>())
        if (label->text() == QLatin1String("Tarot Cards Associated With The Path"))
            caption = label;
    QVERIFY(caption);
    QVERIFY(caption->wordWrap());
    QCOMPARE(caption->size(), QSize(157, 29));

    // The long texts of tab 2 wrap, centred, inside their fixed boxes.
    auto* sunSign = view.findChild<TextField*>(QStringLiteral("lblSunSignDesc"));
    QCOMPARE(sunSign->size(), QSize(545, 185));
    QVERIFY(sunSign->wordWrap());
    QVERIFY(sunSign->alignment().testFlag(Qt::AlignHCenter));
}

void tst_frmDisplay::textBoxesReadOnlyAndScroll()
{
    frmDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.tabs()->setCurrentIndex(1);
    const Reading reading = BuildReading(SignIndex::Capricorn, TheKnowledgeTexts());
    view.ShowReading(reading);

    auto* box = view.findChild<QPlainTextEdit*>(QStringLiteral("txtPathDecs"));
    QVERIFY(box->isReadOnly());
    QVERIFY(box->verticalScrollBar()->isVisible());
    QTRY_VERIFY(box->verticalScrollBar()->maximum() > 0);
    QCOMPARE(box->horizontalScrollBar()->isVisible(), false);

    // Keys neither type nor delete; the text can be selected and scrolled.
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("typed"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), reading.txtPathDecs);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(box->textCursor().hasSelection());
    QCOMPARE(box->textCursor().selectedText(), reading.txtPathDecs);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());

    // A long text of the third tab: the keys select in it once the focus reaches it, the
    // pointer never does.
    view.activateWindow();
    QVERIFY(orvella::testing::waitForActive(&view));
    view.tabs()->setCurrentIndex(2);
    auto* longText = view.findChild<TextField*>(QStringLiteral("lblSunSignDesc"));
    longText->setFocus(Qt::TabFocusReason);
    QVERIFY(longText->hasFocus());
    QTest::keyClick(longText, Qt::Key_End, Qt::ShiftModifier);
    QVERIFY(longText->hasSelectedText());
    QVERIFY(reading.lblSunSignDesc.contains(longText->selectedText()));
    QTest::keyClick(longText, Qt::Key_Right);
    QVERIFY(!longText->hasSelectedText());
    QTest::mousePress(longText, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(longText, QPoint(200, 30));
    QTest::mouseRelease(longText, Qt::LeftButton, {}, QPoint(200, 30));
    QVERIFY(!longText->hasSelectedText());
    // Having had the focus, it stays a stop of Tab.
    view.tabs()->tabBar()->setFocus();
    QCOMPARE(longText->focusPolicy(), Qt::TabFocus);

    // The sphere's explanation is no stop while it is empty; one that empties while it has
    // the focus keeps it until the focus leaves.
    auto* explanation = view.findChild<TextField*>(QStringLiteral("lblSphereDesc"));
    QCOMPARE(explanation->focusPolicy(), Qt::NoFocus);
    view.lblClick_MouseMove(toInt(SphereIndex::Hod));
    QCOMPARE(explanation->focusPolicy(), Qt::TabFocus);
    explanation->setFocus(Qt::TabFocusReason);
    view.clearSphereHover();
    QVERIFY(explanation->hasFocus());
    QCOMPARE(explanation->focusPolicy(), Qt::TabFocus);
    view.tabs()->tabBar()->setFocus();
    QCOMPARE(explanation->focusPolicy(), Qt::NoFocus);
}

void tst_frmDisplay::tabsSwitchPanes()
{
    frmDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTabWidget* tabs = view.tabs();
    auto visiblePanes = [&] {
        QStringList shown;
        for (const char* pane : {"picSplit", "picSplitTwo", "picSplitThree"})
            if (view.findChild<QWidget*>(str(pane))->isVisible())
                shown << str(pane);
        return shown;
    };
    QCOMPARE(visiblePanes(), QStringList{QStringLiteral("picSplit")});
    tabs->setCurrentIndex(1);
    QCOMPARE(visiblePanes(), QStringList{QStringLiteral("picSplitTwo")});
    // The user clicks the caption of the third tab.
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    QTRY_COMPARE(tabs->currentIndex(), 2);
    QCOMPARE(visiblePanes(), QStringList{QStringLiteral("picSplitThree")});
    // Switching keeps what every pane shows.
    const QString location = view.fieldText(QStringLiteral("lblHebrewLetter"));
    tabs->setCurrentIndex(0);
    QCOMPARE(view.fieldText(QStringLiteral("lblHebrewLetter")), location);
}

void tst_frmDisplay::readingsAddNothingToThePixmapCache()
{
    // The style keeps every scroll bar picture it draws in the pixmap cache, under the
    // palette's identity; each new view's text boxes bring new palettes of the same colours.
    // Reading after reading, the cache holds what the first one left, not more.
    const Reading reading = BuildReading(SignIndex::Aries, TheKnowledgeTexts());
    const auto oneReading = [&reading] {
        frmDisplay view;
        view.ShowReading(reading);
        view.show();
        for (int tab = 0; tab < view.tabs()->count(); ++tab) {
            view.tabs()->setCurrentIndex(tab);
            view.grab();
        }
    };
    oneReading();
    const int first = pixmapCacheKilobytes();
    for (int i = 0; i < 4; ++i)
        oneReading();
    QCOMPARE(pixmapCacheKilobytes(), first);
}

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmdisplay.moc"
