// The hover of the Tree of Life: pointer movements delivered the way the window system
// delivers them, over the sphere areas, the clearing surfaces and everything else.

#include "TextField.h"
#include "Twips.h"
#include "ViewTestSupport.h"
#include "WindowSystem.h"

#include <QAccessible>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <memory>

using namespace orvella;
using namespace viewtest;

namespace {

QString str(const char* text)
{
    return QString::fromUtf8(text);
}

// The hover areas as designed, in twips relative to Frame2: [x from, x to) x [y from, y to).
struct DesignedArea {
    const char* name;
    int xFrom, xTo, yFrom, yTo;
};

constexpr DesignedArea DesignedAreas[] = {
    {"Keter", 1560, 2295, 120, 735},     {"Chokmah", 2640, 3615, 1080, 1695},
    {"Binah", 360, 1095, 1080, 1695},    {"Chesed", 2760, 3495, 2520, 3135},
    {"Gevurah", 240, 1095, 2520, 3135},  {"Tiphereth", 1440, 2415, 3600, 4215},
    {"Netzach", 2640, 3615, 4560, 5175}, {"Hod", 360, 1095, 4560, 5175},
    {"Yesod", 1560, 2295, 5520, 6135},   {"Malkhuth", 1440, 2385, 6600, 7215},
    {"Daat", 1560, 2295, 1560, 2175},
};

// The first and the last pixel of an area, both ways.
QRect areaPixels(const DesignedArea& a)
{
    return QRect(QPoint(twips(a.xFrom), twips(a.yFrom)),
                 QPoint(twips(a.xTo) - 1, twips(a.yTo) - 1));
}

// A point of Frame2 with nothing but the drawing under it.
const QPoint DrawingBackground(5, 480);
// The middle of the path line ln23, away from every caption.
const QPoint OverPathLine(124, 96);

class HoverView {
public:
    HoverView()
        : m_view(std::make_unique<frmDisplay>())
    {
        m_view->move(0, 0);
        m_view->show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(m_view.get()); }
    frmDisplay& view() { return *m_view; }
    QString name() const { return m_view->fieldText(QStringLiteral("lblSphereName")); }
    QString desc() const { return m_view->fieldText(QStringLiteral("lblSphereDesc")); }
    QWidget* widget(const QString& name) const { return m_view->findChild<QWidget*>(name); }

    void moveOver(QWidget* widget, QPoint local) { movePointer(*m_view, widget, local); }
    void moveOverDrawing(QPoint local) { moveOver(frame2(*m_view), local); }
    // Points at Keter, so that a later movement can be seen to clear or to keep the texts.
    void pointAtKeter() { moveOverDrawing(areaPixels(DesignedAreas[0]).center()); }

    // The widget the window system would deliver a movement at this point to.
    QWidget* under(QWidget* widget, QPoint local) const
    {
        return m_view->childAt(widget->mapTo(m_view.get(), local));
    }

private:
    std::unique_ptr<frmDisplay> m_view;
};

bool isOrInside(QWidget* w, QWidget* ancestor)
{
    for (; w; w = w->parentWidget())
        if (w == ancestor)
            return true;
    return false;
}

} // namespace

class tst_TreeHover : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void emptyAtFirst();
    void everyArea_data();
    void everyArea();
    void cornerOfMalkhuthOutsideTheOval();
    void captionOverlappingAnArea();
    void clearingSurfaces_data();
    void clearingSurfaces();
    void otherElementsKeepTheTexts_data();
    void otherElementsKeepTheTexts();
    void buttonsPlayNoPart();
    void everyMovementSetsAgain();
    void updatedOnAnyTab();
    void nameGrowsToTheRight();
    void onlyElevenSpheres();
    void arrowKeysWalkTheSpheres();
};

void tst_TreeHover::initTestCase()
{
    LoadKnowledgeTexts();
    QVERIFY(!TheKnowledgeTexts().sphere(SphereIndex::Keter).isEmpty());
}

void tst_TreeHover::emptyAtFirst()
{
    HoverView hover;
    QVERIFY(hover.exposed());
    QCOMPARE(hover.name(), QString());
    QCOMPARE(hover.desc(), QString());
}

void tst_TreeHover::everyArea_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < SphereCount; ++i)
        QTest::newRow(DesignedAreas[i].name) << i;
}

void tst_TreeHover::everyArea()
{
    QFETCH(int, index);
    const DesignedArea& area = DesignedAreas[index];
    const QString description = TheKnowledgeTexts().sphere(static_cast<SphereIndex>(index));
    QVERIFY(!description.isEmpty());

    HoverView hover;
    QVERIFY(hover.exposed());
    const QRect pixels = areaPixels(area);
    for (QPoint p : {pixels.center(), pixels.topLeft(), pixels.topRight(), pixels.bottomLeft(),
                     pixels.bottomRight()}) {
        hover.moveOverDrawing(DrawingBackground);
        QCOMPARE(hover.name(), QString());
        hover.moveOverDrawing(p);
        QCOMPARE(hover.name(), str(area.name));
        QCOMPARE(hover.desc(), description);
    }
    // One pixel beyond the area's right and lower edges is not the area any more.
    for (QPoint p : {pixels.topRight() + QPoint(1, 0), pixels.bottomLeft() + QPoint(0, 1)}) {
        hover.moveOverDrawing(p);
        QVERIFY2(hover.name() != str(area.name), qPrintable(hover.name()));
    }
}

void tst_TreeHover::cornerOfMalkhuthOutsideTheOval()
{
    HoverView hover;
    QVERIFY(hover.exposed());
    const QRect area = areaPixels(DesignedAreas[toInt(SphereIndex::Malkhuth)]);
    const QRect oval = shape(hover.view(), circleName(toInt(SphereIndex::Malkhuth)))
                           ->property("geometry")
                           .toRect();
    for (QPoint corner : {area.topLeft(), area.bottomLeft()}) {
        QVERIFY(!oval.contains(corner));
        hover.moveOverDrawing(DrawingBackground);
        hover.moveOverDrawing(corner);
        QCOMPARE(hover.name(), QStringLiteral("Malkhuth"));
    }
}

void tst_TreeHover::captionOverlappingAnArea()
{
    // Virgo's card caption reaches one pixel row into Chesed's area; on that row the sphere
    // keeps the pointer.
    HoverView hover;
    QVERIFY(hover.exposed());
    hover.view().ApplyHighlight(HighlightFor(SignIndex::Virgo));
    auto* virgo = hover.widget(QStringLiteral("lblVirgo"));
    const QRect chesed = areaPixels(DesignedAreas[toInt(SphereIndex::Chesed)]);
    const QPoint onShared(chesed.left() + 10, chesed.bottom());
    QVERIFY(virgo->geometry().contains(onShared));
    hover.moveOverDrawing(onShared);
    QCOMPARE(hover.name(), QStringLiteral("Chesed"));
    // One row lower the caption takes the movement and the texts stay.
    hover.moveOverDrawing(onShared + QPoint(0, 1));
    QCOMPARE(hover.name(), QStringLiteral("Chesed"));
}

void tst_TreeHover::clearingSurfaces_data()
{
    QTest::addColumn<QString>("surface");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QPoint>("point"); // in the surface; a null point means its centre
    QTest::newRow("drawing background") << QStringLiteral("Frame2") << 0 << DrawingBackground;
    QTest::newRow("path line on the drawing") << QStringLiteral("Frame2") << 0 << OverPathLine;
    QTest::newRow("pane of tab 0") << QStringLiteral("picSplit") << 0 << QPoint(2, 300);
    QTest::newRow("pane of tab 1") << QStringLiteral("picSplitTwo") << 1 << QPoint(2, 300);
    QTest::newRow("sun sign text") << QStringLiteral("lblSunSignDesc") << 2 << QPoint();
    QTest::newRow("sphere description") << QStringLiteral("lblSphereDesc") << 2 << QPoint();
    QTest::newRow("tab strip") << QStringLiteral("SSTab1Strip") << 2 << QPoint(40, 20);
}

void tst_TreeHover::clearingSurfaces()
{
    QFETCH(QString, surface);
    QFETCH(int, tab);
    QFETCH(QPoint, point);
    HoverView hover;
    QVERIFY(hover.exposed());
    hover.view().tabs()->setCurrentIndex(tab);
    QWidget* widget = hover.widget(surface);
    QVERIFY(widget);
    if (point.isNull())
        point = widget->rect().center();
    QCOMPARE(hover.under(widget, point), widget);

    hover.pointAtKeter();
    QCOMPARE(hover.name(), QStringLiteral("Keter"));
    hover.moveOver(widget, point);
    QCOMPARE(hover.name(), QString());
    QCOMPARE(hover.desc(), QString());
}

void tst_TreeHover::otherElementsKeepTheTexts_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QPoint>("point"); // in the element; a null point means its centre
    QTest::newRow("path-name label") << QStringLiteral("lblPathOfZain") << 0 << QPoint();
    QTest::newRow("shown card caption") << QStringLiteral("lblCapricorn") << 0 << QPoint();
    QTest::newRow("frame border") << QStringLiteral("Frame1") << 0 << QPoint(2, 200);
    QTest::newRow("frame caption strip") << QStringLiteral("Frame1") << 0 << QPoint(200, 10);
    QTest::newRow("window background") << QStringLiteral("frmDisplay") << 0 << QPoint(3, 200);
    QTest::newRow("caption on tab 0") << QStringLiteral("Label1") << 0 << QPoint();
    QTest::newRow("value on tab 0") << QStringLiteral("lblOneArchangel") << 0 << QPoint();
    QTest::newRow("value on tab 1") << QStringLiteral("lblHebrewLetter") << 1 << QPoint();
    QTest::newRow("text box on tab 1") << QStringLiteral("txtPathDecs") << 1 << QPoint();
    QTest::newRow("picture on tab 1") << QStringLiteral("picPathsCard") << 1 << QPoint();
    QTest::newRow("pane of tab 2") << QStringLiteral("picSplitThree") << 2 << QPoint(2, 300);
    QTest::newRow("sun sign on tab 2") << QStringLiteral("lblSunSignName") << 2 << QPoint();
}

void tst_TreeHover::otherElementsKeepTheTexts()
{
    QFETCH(QString, element);
    QFETCH(int, tab);
    QFETCH(QPoint, point);
    HoverView hover;
    QVERIFY(hover.exposed());
    hover.view().ApplyHighlight(HighlightFor(SignIndex::Capricorn));
    hover.view().tabs()->setCurrentIndex(tab);
    QWidget* widget =
        element == QLatin1String("frmDisplay") ? &hover.view() : hover.widget(element);
    QVERIFY(widget);
    if (point.isNull())
        point = widget->rect().center();
    QWidget* under = hover.under(widget, point);
    QVERIFY2(under == widget || isOrInside(under, widget) ||
                 (widget == &hover.view() && under == nullptr),
             qPrintable(under ? under->objectName() : QStringLiteral("nothing")));

    hover.pointAtKeter();
    QCOMPARE(hover.name(), QStringLiteral("Keter"));
    hover.moveOver(widget, point);
    QCOMPARE(hover.name(), QStringLiteral("Keter"));
    QCOMPARE(hover.desc(), TheKnowledgeTexts().sphere(SphereIndex::Keter));
}

void tst_TreeHover::buttonsPlayNoPart()
{
    HoverView hover;
    QVERIFY(hover.exposed());
    QWindow* window = hover.view().windowHandle();
    QWidget* drawing = frame2(hover.view());
    auto at = [&](QWidget* w, QPoint p) { return w->mapTo(&hover.view(), p); };

    // With the button held, moving within a sphere's area still names it…
    const QPoint keter = areaPixels(DesignedAreas[0]).center();
    QTest::mousePress(window, Qt::LeftButton, {}, at(drawing, keter));
    QTest::mouseMove(window, at(drawing, keter + QPoint(2, 1)));
    QCOMPARE(hover.name(), QStringLiteral("Keter"));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(drawing, keter + QPoint(2, 1)));

    // …a drag counts for what is under the pointer, not for where the press began…
    const QPoint chokmah = areaPixels(DesignedAreas[1]).center();
    QTest::mousePress(window, Qt::LeftButton, {}, at(drawing, keter));
    QTest::mouseMove(window, at(drawing, chokmah));
    QCOMPARE(hover.name(), QStringLiteral("Chokmah"));
    QTest::mouseMove(window, at(drawing, DrawingBackground));
    QCOMPARE(hover.name(), QString());
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(drawing, DrawingBackground));
    QTest::mousePress(window, Qt::LeftButton, {}, at(drawing, DrawingBackground));
    QTest::mouseMove(window, at(drawing, keter));
    QCOMPARE(hover.name(), QStringLiteral("Keter"));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(drawing, keter));

    // …a drag over a path-name label keeps the texts, even though a held button makes
    // the label receive movements it would otherwise not see…
    QWidget* label = hover.widget(QStringLiteral("lblPathOfNun"));
    const QPoint middle = label->rect().center();
    QTest::mousePress(window, Qt::LeftButton, {}, at(label, middle));
    QTest::mouseMove(window, at(label, middle + QPoint(3, 0)));
    QCOMPARE(hover.name(), QStringLiteral("Keter"));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(label, middle + QPoint(3, 0)));

    // …and a drag over the background clears them, with a modifier key held as well.
    QTest::mousePress(window, Qt::RightButton, Qt::ShiftModifier, at(drawing, DrawingBackground));
    QTest::mouseMove(window, at(drawing, DrawingBackground + QPoint(0, 2)));
    QCOMPARE(hover.name(), QString());
    QTest::mouseRelease(window, Qt::RightButton, Qt::ShiftModifier,
                        at(drawing, DrawingBackground + QPoint(0, 2)));

    // A click, where the pointer already is, does nothing.
    QTest::mouseMove(window, at(drawing, keter));
    auto* desc = hover.view().findChild<TextField*>(QStringLiteral("lblSphereDesc"));
    desc->setText(QStringLiteral("stale"));
    QTest::mouseClick(window, Qt::LeftButton, {}, at(drawing, keter));
    QCOMPARE(hover.desc(), QStringLiteral("stale"));
}

void tst_TreeHover::everyMovementSetsAgain()
{
    HoverView hover;
    QVERIFY(hover.exposed());
    hover.pointAtKeter();
    auto* desc = hover.view().findChild<TextField*>(QStringLiteral("lblSphereDesc"));
    desc->setText(QStringLiteral("stale"));
    hover.moveOverDrawing(areaPixels(DesignedAreas[0]).center() + QPoint(1, 1));
    QCOMPARE(hover.desc(), TheKnowledgeTexts().sphere(SphereIndex::Keter));
}

void tst_TreeHover::updatedOnAnyTab()
{
    HoverView hover;
    QVERIFY(hover.exposed());
    QCOMPARE(hover.view().tabs()->currentIndex(), 0);
    hover.moveOverDrawing(areaPixels(DesignedAreas[toInt(SphereIndex::Daat)]).center());
    hover.view().tabs()->setCurrentIndex(2);
    auto* name = hover.view().findChild<TextField*>(QStringLiteral("lblSphereName"));
    QVERIFY(name->isVisible());
    QCOMPARE(name->text(), QStringLiteral("Daat"));
    QCOMPARE(hover.desc(), TheKnowledgeTexts().sphere(SphereIndex::Daat));

    // Crossing a clearing surface on the way to the tab leaves both empty.
    hover.view().tabs()->setCurrentIndex(1);
    hover.moveOver(hover.widget(QStringLiteral("picSplitTwo")), QPoint(2, 300));
    hover.view().tabs()->setCurrentIndex(2);
    QCOMPARE(name->text(), QString());
    QCOMPARE(hover.desc(), QString());
}

void tst_TreeHover::nameGrowsToTheRight()
{
    frmDisplay view;
    auto* name = view.findChild<TextField*>(QStringLiteral("lblSphereName"));
    view.lblClick_MouseMove(toInt(SphereIndex::Hod));
    const QRect hod = name->geometry();
    view.lblClick_MouseMove(toInt(SphereIndex::Tiphereth));
    QCOMPARE(name->x(), 264);
    QCOMPARE(name->x(), hod.x());
    QCOMPARE(name->height(), 14);
    QVERIFY(name->width() > hod.width());
    QVERIFY(name->width() >= name->fontMetrics().horizontalAdvance(QStringLiteral("Tiphereth")));
    view.clearSphereHover();
    QCOMPARE(name->text(), QString());
    QCOMPARE(view.fieldText(QStringLiteral("lblSphereDesc")), QString());
}

void tst_TreeHover::onlyElevenSpheres()
{
    frmDisplay view;
    view.lblClick_MouseMove(toInt(SphereIndex::Keter));
    for (int index : {-1, 11, 12, 1000}) {
        view.lblClick_MouseMove(index);
        QCOMPARE(view.fieldText(QStringLiteral("lblSphereName")), QStringLiteral("Keter"));
        QCOMPARE(view.fieldText(QStringLiteral("lblSphereDesc")),
                 TheKnowledgeTexts().sphere(SphereIndex::Keter));
    }
}

void tst_TreeHover::arrowKeysWalkTheSpheres()
{
    HoverView hover;
    QVERIFY(hover.exposed());
    hover.view().activateWindow();
    QVERIFY(orvella::testing::waitForActive(&hover.view()));
    hover.view().tabs()->setCurrentIndex(2);
    QWidget* drawing = frame2(hover.view());
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(drawing);
    const auto ringOn = [&](const char* sphere) {
        QAccessibleInterface* focused = tree->focusChild();
        return focused && focused->state().focused &&
               focused->text(QAccessible::Name).endsWith(QLatin1StringView(sphere));
    };

    // Tab reaches the drawing as a whole, which changes nothing; the first arrow key puts the
    // ring on the first sphere, explained as the pointer would.
    hover.view().tabs()->tabBar()->setFocus();
    QVERIFY(!drawing->hasFocus());
    drawing->setFocus(Qt::TabFocusReason);
    QVERIFY(drawing->hasFocus());
    QVERIFY(!tree->focusChild());
    QCOMPARE(hover.name(), QString());

    // The arrow keys go down the Tree in its order, Da'at after the third sphere, and round.
    const char* order[] = {"Keter",     "Chokmah", "Binah", "Daat",  "Chesed",   "Gevurah",
                           "Tiphereth", "Netzach", "Hod",   "Yesod", "Malkhuth", "Keter"};
    for (const char* sphere : order) {
        QTest::keyClick(drawing, Qt::Key_Right);
        QCOMPARE(hover.name(), str(sphere));
        QCOMPARE(
            hover.desc(),
            TheKnowledgeTexts().sphere(static_cast<SphereIndex>(
                std::find_if(std::begin(DesignedAreas), std::end(DesignedAreas),
                             [&](const DesignedArea& a) { return str(a.name) == str(sphere); }) -
                std::begin(DesignedAreas))));
        QVERIFY2(ringOn(sphere), sphere);
    }
    QTest::keyClick(drawing, Qt::Key_Up); // back round to the last sphere
    QCOMPARE(hover.name(), QStringLiteral("Malkhuth"));
    QTest::keyClick(drawing, Qt::Key_Down);
    QCOMPARE(hover.name(), QStringLiteral("Keter"));

    // Esc clears the texts as moving off a sphere does, and takes the ring away.
    QTest::keyClick(drawing, Qt::Key_Escape);
    QCOMPARE(hover.name(), QString());
    QCOMPARE(hover.desc(), QString());
    QVERIFY(!tree->focusChild());

    // On another tab the ring moves and nothing else: no text, no change of tab.
    hover.view().tabs()->setCurrentIndex(0);
    QTest::keyClick(drawing, Qt::Key_Right);
    QVERIFY(ringOn("Keter"));
    QTest::keyClick(drawing, Qt::Key_Right);
    QVERIFY(ringOn("Chokmah"));
    QCOMPARE(hover.name(), QString());
    QCOMPARE(hover.desc(), QString());
    QCOMPARE(hover.view().tabs()->currentIndex(), 0);

    // P puts the ring on the reading's path, which says so; the sphere texts stay as they
    // were, and an arrow key goes back to the sphere the ring left.
    hover.view().ApplyHighlight(HighlightFor(SignIndex::Capricorn));
    hover.view().tabs()->setCurrentIndex(2);
    hover.view().lblClick_MouseMove(toInt(SphereIndex::Hod));
    QAccessibleInterface* chokmah = tree->focusChild();
    QTest::keyClick(drawing, Qt::Key_P);
    QAccessibleInterface* path = tree->focusChild();
    QVERIFY(path && path->state().focused);
    QCOMPARE(path->text(QAccessible::Name), QStringLiteral("Path of Ayin, highlighted"));
    QVERIFY(path->text(QAccessible::Description).contains(QLatin1StringView("The Devil")));
    QVERIFY(!chokmah->state().focused);
    QCOMPARE(hover.name(), QStringLiteral("Hod"));
    QTest::keyClick(drawing, Qt::Key_Right);
    QVERIFY(ringOn("Chokmah"));
    QVERIFY(!path->state().focused);

    // Tab leaves the drawing again, and no sphere claims the focus any more.
    QTest::keyClick(drawing, Qt::Key_Tab);
    QVERIFY(!drawing->hasFocus());
    QVERIFY(!chokmah->state().focused);
    QVERIFY(!tree->focusChild());
}

QTEST_MAIN(tst_TreeHover)
#include "tst_treehover.moc"
