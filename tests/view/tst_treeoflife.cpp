// The Tree of Life drawing Frame2: its circles, lines, captions and labels, the highlight of
// every sign as the window paints it, and repainting when a shape changes.

#include "DrawingCircle.h"
#include "DrawingLine.h"
#include "SphereCaption.h"
#include "TextField.h"
#include "Twips.h"
#include "ViewTestSupport.h"

#include <QEnterEvent>
#include <QLabel>
#include <memory>
#include <vector>

using namespace orvella;
using namespace viewtest;

namespace {

QString str(const char* text)
{
    return QString::fromUtf8(text);
}

// Circle boxes as designed, in twips, indexed by sphere; each 735 x 615.
constexpr QPoint DesignedCircles[] = {
    {1560, 120},  {2760, 1080}, {360, 1080},  {2760, 2520}, {360, 2520},  {1560, 3600},
    {2760, 4560}, {360, 4560},  {1560, 5520}, {1560, 6600}, {1560, 1560},
};

struct DesignedSphereCaption {
    const char* text;
    int left, top, width;
    const char* number;
    const char* name;
};

constexpr DesignedSphereCaption DesignedSphereCaptions[] = {
    {"   1   Keter", 1560, 120, 735, "1", "Keter"},
    {" 2 Chokmah", 2640, 1080, 975, "2", "Chokmah"},
    {"     3     Binah", 360, 1080, 735, "3", "Binah"},
    {" 4 Chesed", 2760, 2520, 735, "4", "Chesed"},
    {"5 Gevurah", 240, 2520, 855, "5", "Gevurah"},
    {"6 Tiphereth", 1440, 3600, 975, "6", "Tiphereth"},
    {" 7 Netzach", 2640, 4560, 975, "7", "Netzach"},
    {"    8    Hod", 360, 4560, 735, "8", "Hod"},
    {" 9  Yesod", 1560, 5520, 735, "9", "Yesod"},
    {" 10 Malkhuth", 1440, 6600, 945, "10", "Malkhuth"},
    {"         Daat", 1560, 1560, 735, "", "Daat"},
};

struct DesignedPathLabel {
    const char* text;
    int left, top;
    const char* leader;
    int fromX, fromY, toX, toY;
};

constexpr DesignedPathLabel DesignedPathLabels[] = {
    {"Path of Zain", 2880, 360, "Line3", 1080, 2040, 2760, 600},
    {"Path of H\u00e9", 3720, 1680, "Line1", 2880, 1800, 3600, 1800},
    {"Path of Cheth", 3720, 2160, "Line4", 600, 2280, 3600, 2280},
    {"Path of Vau", 3720, 2400, "Line2", 3240, 2520, 3600, 2520},
    {"Path of Yod", 3720, 3240, "Line7", 2400, 3360, 3600, 3360},
    {"Path of Lamed", 3720, 3480, "Line6", 1680, 3600, 3600, 3600},
    {"Path of Teth", 3720, 3720, "Line12", 1560, 2760, 3600, 3840},
    {"Path of Ayin", 3720, 4080, "Line5", 1560, 4200, 3600, 4200},
    {"Path of Nun", 3720, 4440, "Line8", 2640, 4560, 3600, 4560},
    {"Path of Samekh", 3720, 5160, "Line10", 1920, 5280, 3600, 5280},
    {"Path of Tzaddi", 3720, 5400, "Line9", 2280, 5520, 3600, 5520},
    {"Path of Qoph", 3720, 6000, "Line11", 2520, 6120, 3600, 6120},
};

struct DesignedZodiacCaption {
    const char* name;
    const char* text;
    int left, top;
};

constexpr DesignedZodiacCaption DesignedZodiacCaptions[] = {
    {"lblAries", "The Emperor", 2040, 2280},      {"lblTaurus", "The Hierophant", 2880, 1920},
    {"lblGemini", "The Lovers", 720, 2280},       {"lblCancer", "The Chariot", 0, 2040},
    {"lblLeo", "Strength", 1800, 2640},           {"lblVirgo", "The Hermit", 2280, 3120},
    {"lblLibra", "Justice", 960, 3120},           {"lblScorpio", "Death", 2160, 4320},
    {"lblSagittarius", "Temperance", 1320, 5040}, {"lblCapricorn", "The Devil", 840, 4320},
    {"lblAquarius", "The Star", 2040, 5280},      {"lblPisces", "The Moon", 2040, 6240},
};

QRect circleBox(int i)
{
    return twipsRect(DesignedCircles[i].x(), DesignedCircles[i].y(), 735, 615);
}

QLineF pixelLine(const DesignedLine& line)
{
    return QLineF(twipsPoint(line.fromX, line.fromY), twipsPoint(line.toX, line.toY));
}

// A point of the path line, as near its middle as can be, where neither a circle nor a
// leader line is painted over it, nor (given the drawing) a label lies above it.
QPoint samplePoint(const DesignedLine& line, const QWidget* drawing = nullptr)
{
    const QLineF path = pixelLine(line);
    for (double t : {0.5, 0.45, 0.55, 0.4, 0.6, 0.35, 0.65, 0.3, 0.7, 0.25, 0.75, 0.2, 0.8}) {
        const QPoint p = path.pointAt(t).toPoint();
        bool covered = drawing && drawing->childAt(p);
        for (int i = 0; i < SphereCount; ++i)
            covered = covered || circleBox(i).adjusted(-1, -1, 1, 1).contains(p);
        for (const DesignedPathLabel& label : DesignedPathLabels)
            covered = covered || onLine(p,
                                        QLineF(twipsPoint(label.fromX, label.fromY),
                                               twipsPoint(label.toX, label.toY)),
                                        2 + 2);
        if (!covered)
            return p;
    }
    return path.pointAt(0.5).toPoint();
}

// Whether a colour is within a small distance of another (antialiasing aside).
bool near(const QColor& a, const QColor& b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

std::unique_ptr<frmDisplay> shownView()
{
    auto view = std::make_unique<frmDisplay>();
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        return nullptr;
    return view;
}

} // namespace

class tst_TreeOfLife : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void circles();
    void pathLines();
    void sphereCaptions_data();
    void sphereCaptions();
    void pathLabelsAndLeaders();
    void zodiacCaptions();

    void highlightPainted_data();
    void highlightPainted();
    void highlightInOrder();
    void highlightNeverRestores();
    void propertyChangeRepaints();
    void antialiased();
};

void tst_TreeOfLife::initTestCase()
{
    LoadKnowledgeTexts();
}

void tst_TreeOfLife::circles()
{
    frmDisplay view;
    for (int i = 0; i < SphereCount; ++i) {
        QObject* circle = shape(view, circleName(i));
        QVERIFY(circle);
        QVERIFY(!circle->isWidgetType()); // takes no pointer events
        QCOMPARE(circle->property("geometry").toRect(), circleBox(i));
        QCOMPARE(circle->property("geometry").toRect().size(), QSize(49, 41));
        QCOMPARE(circle->property("fillColor").value<QColor>(), BaseGrey);
        const bool daat = i == toInt(SphereIndex::Daat);
        QCOMPARE(circle->property("outlineStyle").value<Qt::PenStyle>(),
                 daat ? Qt::DotLine : Qt::NoPen);
        if (daat)
            QCOMPARE(circle->property("outlineColor").value<QColor>(), QColor(0, 255, 255));
    }
    // Da'at's rim is dotted cyan: along its left edge some pixels are cyan, some are not.
    const QImage image = drawingOnly(frame2(view));
    const QRect daat = circleBox(toInt(SphereIndex::Daat));
    int cyan = 0;
    for (int y = daat.top() + 8; y < daat.bottom() - 8; ++y) {
        bool found = false;
        for (int x = daat.left(); x < daat.left() + 6 && !found; ++x)
            found = pixel(image, {x, y}).green() > 150 && pixel(image, {x, y}).blue() > 150;
        cyan += found ? 1 : 0;
    }
    QVERIFY(cyan > 3);
    QVERIFY(cyan < daat.height() - 16);
}

void tst_TreeOfLife::pathLines()
{
    frmDisplay view;
    int count = 0;
    for (QObject* o : frame2(view)->children())
        count += o->objectName().startsWith(QLatin1String("ln")) ? 1 : 0;
    QCOMPARE(count, 22);
    for (const DesignedLine& line : DesignedPathLines) {
        QObject* object = shape(view, str(line.name));
        QVERIFY2(object, line.name);
        QVERIFY(!object->isWidgetType());
        QCOMPARE(object->property("from").toPoint(), twipsPoint(line.fromX, line.fromY));
        QCOMPARE(object->property("to").toPoint(), twipsPoint(line.toX, line.toY));
        QCOMPARE(object->property("lineWidth").toInt(), 6);
        QCOMPARE(object->property("color").value<QColor>(), BaseGrey);
    }
    // Each line is 6 pixels thick on screen: across ln23 (horizontal at y = 96), between
    // Binah and Da'at, exactly six rows carry its colour.
    const QImage image = drawingOnly(frame2(view));
    int rows = 0;
    for (int y = 80; y < 112; ++y)
        rows += near(pixel(image, {90, y}), BaseGrey, 0) ? 1 : 0;
    QCOMPARE(rows, 6);
}

void tst_TreeOfLife::sphereCaptions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < SphereCount; ++i)
        QTest::newRow(DesignedSphereCaptions[i].name) << i;
}

void tst_TreeOfLife::sphereCaptions()
{
    QFETCH(int, index);
    const DesignedSphereCaption& designed = DesignedSphereCaptions[index];
    frmDisplay view;
    auto* caption = frame2(view)->findChild<QLabel*>(QStringLiteral("lblClick%1").arg(index));
    QVERIFY(caption);
    QCOMPARE(caption->text(), str(designed.text)); // blanks and all
    QCOMPARE(caption->geometry(), twipsRect(designed.left, designed.top, designed.width, 615));
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QVERIFY(caption->font().bold());
    QCOMPARE(caption->font().pointSizeF(), 8.25);
    // The hand over the box, once the pointer comes over it.
    QEnterEvent arrival(QPointF(1, 1), QPointF(1, 1), caption->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(caption, &arrival);
    QVERIFY(caption->testAttribute(Qt::WA_SetCursor));
    QVERIFY(caption->cursor().shape() == Qt::BitmapCursor ||
            caption->cursor().shape() == Qt::PointingHandCursor);
    QCOMPARE(caption->textFormat(), Qt::PlainText);

    // The number stands on the first line, the name on the second.
    QCOMPARE(SphereCaption::captionLines(caption->text()),
             (QStringList{str(designed.number), str(designed.name)}));
    // Both lines are painted inside the box: cyan ink in its upper and its lower half
    // (Da'at has no number, so only its lower half carries ink).
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage image = caption->grab().toImage();
    auto inkBetween = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                if (c.green() > 200 && c.blue() > 200 && c.red() < 100)
                    return true;
            }
        return false;
    };
    const int middle = image.height() / 2;
    QCOMPARE(inkBetween(0, middle), index != toInt(SphereIndex::Daat));
    QVERIFY(inkBetween(middle, image.height()));
}

void tst_TreeOfLife::pathLabelsAndLeaders()
{
    frmDisplay view;
    QStringList texts;
    for (const DesignedPathLabel& designed : DesignedPathLabels) {
        TextField* found = nullptr;
        for (TextField* label : frame2(view)->findChildren<TextField*>())
            if (label->text() == str(designed.text))
                found = label;
        QVERIFY2(found, designed.text);
        QVERIFY(found->objectName().startsWith(QLatin1String("lblPathOf")));
        QCOMPARE(found->pos(), twipsPoint(designed.left, designed.top));
        QCOMPARE(found->height(), 13);
        QCOMPARE(found->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QVERIFY(found->font().bold() && found->font().underline());
        QVERIFY(found->isVisibleTo(&view));

        QObject* leader = shape(view, str(designed.leader));
        QVERIFY2(leader, designed.leader);
        QCOMPARE(leader->property("from").toPoint(), twipsPoint(designed.fromX, designed.fromY));
        QCOMPARE(leader->property("to").toPoint(), twipsPoint(designed.toX, designed.toY));
        QCOMPARE(leader->property("lineWidth").toInt(), 2);
        QCOMPARE(leader->property("color").value<QColor>(), QColor(139, 193, 119));
    }
    QVERIFY(frame2(view)->findChild<TextField*>(QStringLiteral("lblPathOfHe")));
    QCOMPARE(frame2(view)->findChild<TextField*>(QStringLiteral("lblPathOfHe"))->text(),
             QStringLiteral("Path of H") + QChar(0xE9));

    // The leader of "Path of Vau" is painted in its colour, between its ends.
    const QImage image = drawingOnly(frame2(view));
    QVERIFY(near(pixel(image, twipsPoint(3420, 2520)), QColor(139, 193, 119)));
}

void tst_TreeOfLife::zodiacCaptions()
{
    frmDisplay view;
    for (const DesignedZodiacCaption& designed : DesignedZodiacCaptions) {
        auto* caption = frame2(view)->findChild<TextField*>(str(designed.name));
        QVERIFY2(caption, designed.name);
        QCOMPARE(caption->text(), str(designed.text));
        QCOMPARE(caption->pos(), twipsPoint(designed.left, designed.top));
        QCOMPARE(caption->height(), 13);
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(caption->font().bold() && !caption->font().underline());
        QVERIFY(!caption->isVisibleTo(&view));
    }
}

void tst_TreeOfLife::highlightPainted_data()
{
    QTest::addColumn<int>("sign");
    for (SignIndex sign : AllSigns)
        QTest::newRow(qPrintable(signName(sign))) << toInt(sign);
}

void tst_TreeOfLife::highlightPainted()
{
    QFETCH(int, sign);
    const TreeHighlight highlight = HighlightFor(static_cast<SignIndex>(sign));
    auto view = shownView();
    QVERIFY(view);
    view->ApplyHighlight(highlight);

    // The drawing's own painting: every circle's centre and a point of every path line.
    QWidget* drawing = frame2(*view);
    const QImage own = drawingOnly(drawing);
    for (int i = 0; i < SphereCount; ++i) {
        const bool lit = i == toInt(highlight.sphereOne) || i == toInt(highlight.sphereTwo);
        QCOMPARE(pixel(own, circleBox(i).center()), lit ? Magenta : BaseGrey);
    }
    for (const DesignedLine& line : DesignedPathLines) {
        const bool lit = str(line.name) == highlight.pathLine;
        QVERIFY2(near(pixel(own, samplePoint(line)), lit ? Magenta : BaseGrey, 0), line.name);
    }

    // The window as the user sees it, labels included: the lower part of a circle, below
    // its caption's two lines, and the line's point where no label lies over it.
    const QImage seen = drawing->grab().toImage();
    for (SphereIndex s : {highlight.sphereOne, highlight.sphereTwo}) {
        const QRect box = circleBox(toInt(s));
        QCOMPARE(pixel(seen, {box.center().x(), box.bottom() - 4}), Magenta);
    }
    QCOMPARE(pixel(seen, {circleBox(0).center().x(), circleBox(0).bottom() - 4}), BaseGrey);
    for (const DesignedLine& line : DesignedPathLines) {
        if (str(line.name) != highlight.pathLine)
            continue;
        const QPoint p = samplePoint(line, drawing);
        QVERIFY2(!drawing->childAt(p), "every point of the line lies under a label");
        QCOMPARE(pixel(seen, p), Magenta);
    }
}

void tst_TreeOfLife::highlightInOrder()
{
    frmDisplay view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const TreeHighlight highlight = HighlightFor(SignIndex::Pisces);
    QStringList steps;
    auto* one = qobject_cast<DrawingCircle*>(shape(view, circleName(toInt(highlight.sphereOne))));
    auto* two = qobject_cast<DrawingCircle*>(shape(view, circleName(toInt(highlight.sphereTwo))));
    auto* line = qobject_cast<DrawingLine*>(shape(view, highlight.pathLine));
    auto* caption = frame2(view)->findChild<QWidget*>(highlight.zodiacLabel);
    QVERIFY(one && two && line && caption);

    connect(one, &DrawingCircle::changed, this, [&] { steps << QStringLiteral("one"); });
    connect(line, &DrawingLine::changed, this, [&] { steps << QStringLiteral("line"); });
    connect(two, &DrawingCircle::changed, this, [&] { steps << QStringLiteral("two"); });
    struct ShowSpy : QObject {
        QStringList* steps = nullptr;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                steps->append(QStringLiteral("caption"));
            return false;
        }
    } spy;
    spy.steps = &steps;
    caption->installEventFilter(&spy);

    view.ApplyHighlight(highlight);
    QCOMPARE(steps, (QStringList{QStringLiteral("caption"), QStringLiteral("one"),
                                 QStringLiteral("line"), QStringLiteral("two")}));
}

void tst_TreeOfLife::highlightNeverRestores()
{
    // Applying a second highlight adds to the first: it hides nothing and restores no colour.
    frmDisplay view;
    view.ApplyHighlight(HighlightFor(SignIndex::Capricorn));
    view.ApplyHighlight(HighlightFor(SignIndex::Taurus));
    QVERIFY(frame2(view)->findChild<QWidget*>(QStringLiteral("lblCapricorn"))->isVisibleTo(&view));
    QVERIFY(frame2(view)->findChild<QWidget*>(QStringLiteral("lblTaurus"))->isVisibleTo(&view));
    for (int i : {5, 7, 1, 3})
        QCOMPARE(colorOf(view, circleName(i), "fillColor"), Magenta);
    QCOMPARE(colorOf(view, QStringLiteral("ln68"), "color"), Magenta);
    QCOMPARE(colorOf(view, QStringLiteral("ln24"), "color"), Magenta);
}

void tst_TreeOfLife::propertyChangeRepaints()
{
    auto view = shownView();
    QVERIFY(view);
    QWidget* drawing = frame2(*view);
    QCoreApplication::processEvents();

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    drawing->installEventFilter(&counter);

    // Changing a shape by name schedules a repaint, and the repaint shows the change.
    QVERIFY(shape(*view, QStringLiteral("ln12"))->setProperty("color", QColor(Qt::red)));
    QTRY_VERIFY(counter.paints > 0);
    const DesignedLine& ln12 = DesignedPathLines[0];
    QCOMPARE(pixel(drawing->grab().toImage(), samplePoint(ln12)), QColor(Qt::red));

    counter.paints = 0;
    QVERIFY(shape(*view, circleName(0))->setProperty("fillColor", QColor(Qt::blue)));
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(pixel(drawingOnly(drawing), circleBox(0).center()), QColor(Qt::blue));

    // Geometry too: a circle moved away leaves the background behind.
    counter.paints = 0;
    QVERIFY(shape(*view, circleName(9))->setProperty("geometry", QRect(0, 0, 20, 20)));
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(pixel(drawingOnly(drawing), circleBox(9).center()), QColor(64, 0, 0));
    QCOMPARE(pixel(drawingOnly(drawing), QPoint(10, 10)), BaseGrey);
}

void tst_TreeOfLife::antialiased()
{
    // Down through the top of Keter's oval the colour passes through blends of the
    // background and the fill, not straight from one to the other.
    frmDisplay view;
    const QImage image = drawingOnly(frame2(view));
    const QRect box = circleBox(0);
    bool blended = false;
    for (int y = box.top() - 1; y <= box.top() + 4; ++y) {
        const QColor c = pixel(image, {box.center().x() + 12, y});
        blended = blended || (!near(c, QColor(64, 0, 0), 0) && !near(c, BaseGrey, 0));
    }
    QVERIFY(blended);
}

QTEST_MAIN(tst_TreeOfLife)
#include "tst_treeoflife.moc"
