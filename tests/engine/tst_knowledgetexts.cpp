#include "KnowledgeTexts.h"
#include "TextTable.h"

#include <QRegularExpression>
#include <QTest>

using namespace orvella;

class tst_KnowledgeTexts : public QObject {
    Q_OBJECT

private slots:
    void emptyBeforeTheFirstLoad();
    void lengths_data();
    void lengths();
    void secondLoadChangesNothing();
    void textsAreProseNotPadding();
    void textsOfTheChosenLanguage();

private:
    static QList<QString> all(const KnowledgeTexts& texts);
};

QList<QString> tst_KnowledgeTexts::all(const KnowledgeTexts& texts)
{
    QList<QString> result;
    for (int i = 0; i < SphereCount; ++i)
        result << texts.sphere(static_cast<SphereIndex>(i));
    for (int i = 0; i < ArchangelCount; ++i)
        result << texts.archangel(static_cast<Archangel>(i));
    for (SignIndex sign : AllSigns)
        result << texts.path(sign);
    return result;
}

void tst_KnowledgeTexts::emptyBeforeTheFirstLoad()
{
    const KnowledgeTexts texts;
    for (const QString& text : all(texts))
        QVERIFY(text.isEmpty());
}

void tst_KnowledgeTexts::lengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("endsInBlank");

    KnowledgeTexts texts;
    texts.load();
    using S = SphereIndex;
    const std::pair<S, int> spheres[] = {{S::Keter, 537},    {S::Chokmah, 676}, {S::Binah, 656},
                                         {S::Chesed, 647},   {S::Gevurah, 715}, {S::Tiphereth, 681},
                                         {S::Netzach, 618},  {S::Hod, 831},     {S::Yesod, 670},
                                         {S::Malkhuth, 774}, {S::Daat, 586}};
    for (auto [sphere, length] : spheres)
        QTest::newRow(qPrintable(QStringLiteral("sphere ") + sphereName(sphere)))
            << texts.sphere(sphere) << length << false;

    using A = Archangel;
    const std::pair<A, int> angels[] = {
        {A::Gabriel, 612},    {A::Michael, 442}, {A::Haniel, 462},   {A::Raphael, 411},
        {A::Sandalphon, 564}, {A::Raziel, 463},  {A::Metatron, 334}, {A::Tzadqiel, 635},
        {A::Tzaphqiel, 453},  {A::Kamael, 499}};
    for (auto [angel, length] : angels)
        QTest::newRow(qPrintable(QStringLiteral("archangel ") + archangelName(angel)))
            << texts.archangel(angel) << length << (angel == A::Raphael);

    using Z = SignIndex;
    const std::pair<Z, int> paths[] = {
        {Z::Capricorn, 378}, {Z::Aquarius, 383}, {Z::Pisces, 371},  {Z::Aries, 349},
        {Z::Taurus, 357},    {Z::Gemini, 454},   {Z::Cancer, 424},  {Z::Leo, 339},
        {Z::Virgo, 426},     {Z::Libra, 368},    {Z::Scorpio, 358}, {Z::Sagittarius, 310}};
    for (auto [sign, length] : paths)
        QTest::newRow(qPrintable(QStringLiteral("path ") + signName(sign)))
            << texts.path(sign) << length << (sign == Z::Aries);
}

void tst_KnowledgeTexts::lengths()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(bool, endsInBlank);
    QCOMPARE(text.size(), length);
    QCOMPARE(text.endsWith(u' '), endsInBlank);
    QVERIFY(!text.endsWith(QStringLiteral("  ")));
    QVERIFY(!text.startsWith(u' '));
    for (QChar c : text)
        QVERIFY2(c.unicode() >= 32 && c.unicode() < 127, "printable ASCII, no line break");
}

void tst_KnowledgeTexts::secondLoadChangesNothing()
{
    KnowledgeTexts texts;
    texts.load();
    const QList<QString> first = all(texts);
    texts.load();
    QCOMPARE(all(texts), first);

    LoadKnowledgeTexts();
    QCOMPARE(all(TheKnowledgeTexts()), first);
}

void tst_KnowledgeTexts::textsAreProseNotPadding()
{
    KnowledgeTexts texts;
    texts.load();
    const QList<QString> list = all(texts);
    QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), list.size());
    static const QRegularExpression sentence(QStringLiteral("[.!?;:]"));
    for (const QString& text : list) {
        QVERIFY(!text.contains(QStringLiteral("  ")));
        QVERIFY(text.count(sentence) >= 2);
        // No sentence stands twice in one text.
        QStringList sentences = text.split(QStringLiteral(". "), Qt::SkipEmptyParts);
        QCOMPARE(QSet<QString>(sentences.begin(), sentences.end()).size(), sentences.size());
    }
}

// A language's table replaces the English one under the same keys; where the language has no
// table, the English one is read. UTF-8 is read as UTF-8.
void tst_KnowledgeTexts::textsOfTheChosenLanguage()
{
    KnowledgeTexts english;
    english.load();
    SetTextLanguage(QStringLiteral("xx"));
    KnowledgeTexts other;
    other.load();
    SetTextLanguage(QString());
    QCOMPARE(other.sphere(SphereIndex::Keter),
             QStringLiteral("Die Krone, erste Sph\u00e4re des Lebensbaums."));
    QVERIFY(other.sphere(SphereIndex::Chokmah).isEmpty()); // the language's table lacks it
    QCOMPARE(other.archangel(Archangel::Gabriel), english.archangel(Archangel::Gabriel));
    QVERIFY(!english.archangel(Archangel::Gabriel).isEmpty());
    KnowledgeTexts again;
    again.load();
    QCOMPARE(again.sphere(SphereIndex::Keter), english.sphere(SphereIndex::Keter));
}

QTEST_GUILESS_MAIN(tst_KnowledgeTexts)
#include "tst_knowledgetexts.moc"
