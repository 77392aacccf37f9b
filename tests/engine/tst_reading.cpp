#include "Reading.h"

#include <QTest>

using namespace orvella;

// Expected readings, sign by sign, as the correspondence tables list them.
namespace {

struct SphereExpect {
    const char *name, *position, *ruler, *archangel, *luckyDay, *color, *wood, *keyword, *metal,
        *card;
    int picture;
    int cardTextLength;
    int sphereTextLength;
    int angelTextLength;
};

constexpr SphereExpect Chokmah{
    "Chokmah",   "2nd", "Uranus", "Raziel", "", "Gray or Silver", "Musk", "Wisdom, Revelation", "",
    "The Kings", 5,     122,      676,      463};
constexpr SphereExpect Binah{"Binah",
                             "3rd",
                             "Saturn",
                             "Tzaphqiel",
                             "Saturday",
                             "Black",
                             "Pine or Juniper",
                             "Understanding, Intelligence, Reason",
                             "Lead",
                             "The Queens",
                             8,
                             200,
                             656,
                             453};
constexpr SphereExpect Chesed{"Chesed",   "4th",       "Jupiter", "Tzadqiel",
                              "Thursday", "Blue",      "Oak",     "Love, Kindness, Mercy",
                              "Tin",      "The Fours", 4,         136,
                              647,        635};
constexpr SphereExpect Gevurah{
    "Gevurah", "5th",       "Mars", "Kamael", "Tuesday", "Red", "Cedar", "Restraint, Justice",
    "Iron",    "The Fives", 3,      164,      715,       499};
constexpr SphereExpect Tiphereth{"Tiphereth", "6th",
                                 "Sun",       "Raphael",
                                 "Sunday",    "Gold or Yellow",
                                 "Laurel",    "Beauty, Equilibirum",
                                 "Gold",      "The Sixes",
                                 10,          218,
                                 681,         411};
constexpr SphereExpect Netzach{
    "Netzach", "7th",        "Venus",  "Haniel",
    "Friday",  "Green",      "Myrtle", "Victory, Endurance, Prophecy, Eternity",
    "Copper",  "The Sevens", 9,        227,
    618,       462};
constexpr SphereExpect Hod{"Hod",
                           "8th",
                           "Mercury",
                           "Micheal",
                           "Wednesday",
                           "Purple, Brown",
                           "Hazelwood",
                           "Splendour, Truthfulness, Communication",
                           "Mercury/ Quicksilver",
                           "The Eights",
                           2,
                           161,
                           831,
                           442};
constexpr SphereExpect Yesod{"Yesod",  "9th",
                             "Moon",   "Gabriel",
                             "Monday", "Gray or Silver",
                             "Willow", "Foundation, Passion, Truth",
                             "Silver", "The Nines",
                             6,        210,
                             670,      612};
constexpr SphereExpect Malkhuth{
    "Malkhuth", "10th",     "Earth", "Sandalphon", "",  "", "", "Kingdom, Beginnings",
    "",         "The Tens", 11,      223,          774, 564};

struct SignExpect {
    SignIndex sign;
    const SphereExpect* one;
    const SphereExpect* two;
    const char *pathName, *hebrew, *location, *planet, *attribution, *color, *element;
    int signDescLength;
    const char* cardName;
    int cardPicture;
    int cardTextLength;
    const char *rune, *altName, *keywords, *favColor, *god;
    int runeTextLength;
    int pathTextLength;
    int twoCardTextLength; // differs from the sphere's own only for Scorpio
};

const SignExpect Signs[] = {
    {SignIndex::Capricorn,
     &Tiphereth,
     &Hod,
     "Path Of Ayin",
     "Ayin, which means eye",
     "Connecting path between Tiphereth and Hod",
     "Saturn",
     "Renovating intelligence",
     "Black",
     "Earth",
     726,
     "The Devil",
     6,
     247,
     "Nauthiz",
     "Noicz, Naud, Naudr, Nied",
     "Need, Help, Resistance, Love",
     "Black",
     "Nornir,Etins",
     279,
     378,
     161},
    {SignIndex::Aquarius,
     &Netzach,
     &Yesod,
     "Path Of Tzaddi",
     "Tzaddi, which means hook.",
     "Connecting path between Netzach and Yesod",
     "Uranus / Saturn",
     "Constituting Intelligence",
     "Red",
     "Earth",
     626,
     "The Star",
     12,
     260,
     "Laguz",
     "Laaz, Logr, Lagu, Logur, Laukr",
     "Fluidity, Life Force, Birth",
     "Deep Green",
     "Njord,Balder",
     451,
     383,
     210},
    {SignIndex::Pisces,
     &Netzach,
     &Malkhuth,
     "Path Of Qoph",
     "Qoph, which means back of the head",
     "Connecting path between Netzach and Malkhuth",
     "Moon",
     "Corporeal Intelligence",
     "Buff",
     "Water",
     699,
     "The Moon",
     11,
     255,
     "Othala",
     "Utal, Odal, Otael",
     "Ancestry, Prosperity, Inheritance, Family",
     "Deep Yellow",
     "Odin,Thor",
     312,
     371,
     223},
    {SignIndex::Aries,
     &Chokmah,
     &Tiphereth,
     "Path Of He",
     "Heh, which means window",
     "Connecting path between Chokmah and Tiphereth",
     "Mars",
     "Natural intelligence",
     "Light blue",
     "Fire",
     883,
     "The Emperor",
     7,
     298,
     "Thurisaz",
     "Thuith, Thorn, Thurs",
     "Protection, Action, Destruction, Willpower",
     "Bright Red",
     "Thor",
     662,
     349,
     218},
    {SignIndex::Taurus,
     &Chokmah,
     &Chesed,
     "Path Of Vau",
     "Vau, which means nail",
     "Connecting path between Chokmah and Chesed",
     "Venus",
     "Triumphal intelligence",
     "Indigo",
     "Earth",
     685,
     "The Hierophant",
     9,
     204,
     "Raidho",
     "Raidha, Rad, Raid",
     "Rhythm, Movement, Travel, Spiritual",
     "Bright Red",
     "Forseti",
     438,
     357,
     136},
    {SignIndex::Gemini,
     &Binah,
     &Tiphereth,
     "Path Of Zaini",
     "Zain, which means sword or the male sex organ",
     "Connecting path between Binah and Tiphereth",
     "Mercury",
     "Disposing intelligence",
     "Mauve",
     "Air",
     652,
     "The Lovers",
     10,
     261,
     "Ehwaz",
     "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol",
     "Duality, Movement, Partnership, Interaction, Harmony",
     "White",
     "Freya,Freyr,Aclis",
     233,
     454,
     218},
    {SignIndex::Cancer,
     &Binah,
     &Gevurah,
     "Path Of Cheth",
     "Cheth, which means chariot",
     "Connecting path between Binah and Gevurah",
     "Moon",
     "Influencing Intelligence",
     "Maroon",
     "Water",
     618,
     "The Chariot",
     5,
     243,
     "Kenaz",
     "Kusma, Cen, Kaun, Kaunaz",
     "Knowledge, Fire, Guiding Light, Fertility",
     "Light Red",
     "Freya,Dwarves",
     342,
     424,
     164},
    {SignIndex::Leo,
     &Chesed,
     &Gevurah,
     "Path Of Teth",
     "Teth, which means coiled serpent",
     "Connecting path between Chesed and Gevurah",
     "Sun",
     "Spiritual Intelligence",
     "Deep purple",
     "Air",
     717,
     "Strength",
     3,
     308,
     "Wunjo",
     "Uuinne, Vend, Wynn, Vin",
     "Joy, Pleasure, Hope, Fellowship",
     "Yellow",
     "Freyr,Elves",
     318,
     339,
     164},
    {SignIndex::Virgo,
     &Chesed,
     &Tiphereth,
     "Path Of Yod",
     "Yod, which means sperm of God.",
     "Connecting path between Chesed and Tiphereth",
     "Mercury",
     "Willful Intelligence",
     "Slate gray",
     "Air",
     855,
     "The Hermit",
     8,
     220,
     "Isa",
     "Icz, Iss, Is",
     "Constraint, Massive Force, Gradual Integration, Delay",
     "Black",
     "Rime Thurses",
     441,
     426,
     218},
    {SignIndex::Libra,
     &Gevurah,
     &Tiphereth,
     "Path Of Lamed",
     "Lamed, which means to teach.",
     "Connecting path between Gevurah and Tiphereth",
     "Venus",
     "Faithful Intelligence",
     "Blue",
     "Air",
     769,
     "Justice",
     2,
     228,
     "Tiwaz",
     "Tys, Tyr, Tir, Tiw, Ty",
     "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty",
     "Bright Red",
     "Tyr,Mani",
     325,
     368,
     218},
    {SignIndex::Scorpio,
     &Tiphereth,
     &Netzach,
     "Path Of Nun",
     "Nun, which means fish.",
     "Connecting path between Tiphereth and Netzach",
     "Mars",
     "Imaginative Intelligence",
     "Brown",
     "Fire",
     809,
     "Death",
     1,
     249,
     "Ansuz",
     "Os, Ass, Ansur",
     "Rebirth, Knowledge, Communication, Justice",
     "Dark Blue,Light Red",
     "Odin,Freya,Dwarves",
     399,
     358,
     172},
    {SignIndex::Sagittarius,
     &Tiphereth,
     &Yesod,
     "Path Of Samekh",
     "Samekh, which means trust and closeness.",
     "Connecting path between Tiphereth and Yesod",
     "Jupiter",
     "Tentative Intelligence",
     "Yellow",
     "Fire",
     515,
     "Temperance",
     4,
     261,
     "Dagaz",
     "Daaz, Dagr, Daeg, Dagur",
     "Light, Enlightenment, Polarity, Awakening, Intuition, Well being",
     "Light Blue",
     "Odin,Ostara",
     327,
     310,
     210},
};

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

KnowledgeTexts loadedTexts()
{
    KnowledgeTexts texts;
    texts.load();
    return texts;
}

} // namespace

class tst_Reading : public QObject {
    Q_OBJECT

private slots:
    void everySign_data();
    void everySign();
    void fieldTablesNameEveryField();
    void longTextsAreSingleParagraphs();
    void keterDaatAndMetatronNeverAppear();
    void sphereValuesDoNotDependOnTheEnd();
    void textsAreCopiedNotShared();
    void pictureListsResolve();
};

void tst_Reading::everySign_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Signs)); ++i)
        QTest::newRow(qPrintable(signName(Signs[i].sign))) << i;
}

void tst_Reading::everySign()
{
    QFETCH(int, row);
    const SignExpect& e = Signs[row];
    const KnowledgeTexts texts = loadedTexts();
    const Reading r = BuildReading(e.sign, texts);

    QCOMPARE(r.lblSunSignName, signName(e.sign));
    QCOMPARE(r.lblSunSignDesc.size(), e.signDescLength);
    QCOMPARE(r.lblPathName, s(e.pathName));
    QCOMPARE(r.lblLiesPathName, s(e.pathName));
    QCOMPARE(r.txtPathDecs, texts.path(e.sign));
    QCOMPARE(r.txtPathDecs.size(), e.pathTextLength);
    QCOMPARE(r.lblHebrewLetter, s(e.hebrew));
    QCOMPARE(r.lblLocation, s(e.location));
    QCOMPARE(r.lblCorrespondingPlanet, s(e.planet));
    QCOMPARE(r.lblYetsiraticAttribution, s(e.attribution));
    QCOMPARE(r.lblColor, s(e.color));
    QCOMPARE(r.lblElement, s(e.element));
    QCOMPARE(r.lblPathsCardName, s(e.cardName));
    QCOMPARE(r.picPathsCard, (PictureRef{PictureListId::IMGPathsCard, e.cardPicture}));
    QCOMPARE(PictureList::get(PictureListId::IMGPathsCard).key(e.cardPicture), s(e.cardName));
    QCOMPARE(r.txtAboutYourPathsCards.size(), e.cardTextLength);
    QCOMPARE(r.lblCorrespondingRuneStone, s(e.rune));
    QCOMPARE(r.lblAlternativeName, s(e.altName));
    QCOMPARE(r.lblKeywards, s(e.keywords));
    QCOMPARE(r.lblFavorableColor, s(e.favColor));
    QCOMPARE(r.lblNordicGod, s(e.god));
    QCOMPARE(r.txtAboutYourRuneStone.size(), e.runeTextLength);
    QCOMPARE(r.picStone, (PictureRef{PictureListId::IMGStone, toInt(e.sign) + 1}));

    struct Side {
        const SphereExpect* expect;
        QString head, sign, position, ruler, archangel, luckyDay, color, wood, keyword, metal,
            sphereDesc, angelDesc, cardName, cardDesc;
        PictureRef picture;
        PictureListId list;
        int cardTextLength;
    };
    const Side sides[] = {
        {e.one, r.lblOneSphereHead, r.lblOneSphereSign, r.lblOnePositionInTreeOfLife,
         r.lblOnePlanetaryRuler, r.lblOneArchangel, r.lblOneLuckyDay, r.lblOneColor, r.lblOneWood,
         r.lblOneKeyword, r.lblOneMetal, r.txtOneSphereDesc, r.txtOneAngelDesc,
         r.lbSephirothSOneCardName, r.txtOneSephriothCardDesc, r.PicOneSephirothsCard,
         PictureListId::IMGSephirothsOneCard, e.one->cardTextLength},
        {e.two, r.lblTwoSphereHead, r.lblTwoSphereSign, r.lblTwoPositionInTreeOfLife,
         r.lblTwoPlanetaryRuler, r.lblTwoArchangel, r.lblTwoLuckyDay, r.lblTwoColor, r.lblTwoWood,
         r.lblTwoKeyword, r.lblTwoMetal, r.txtTwoSphereDesc, r.txtTwoAngelDesc,
         r.lbSephirothSTwoCardName, r.txtTwoSephriothCardDesc, r.PicTwoSephirothsCard,
         PictureListId::IMGSephirothsTwoCard, e.twoCardTextLength},
    };
    for (const Side& side : sides) {
        const SphereExpect& x = *side.expect;
        QCOMPARE(side.head, s(x.name));
        QCOMPARE(side.sign, s(x.name));
        QCOMPARE(side.position, s(x.position));
        QCOMPARE(side.ruler, s(x.ruler));
        QCOMPARE(side.archangel, s(x.archangel));
        QCOMPARE(side.luckyDay, s(x.luckyDay));
        QCOMPARE(side.color, s(x.color));
        QCOMPARE(side.wood, s(x.wood));
        QCOMPARE(side.keyword, s(x.keyword));
        QCOMPARE(side.metal, s(x.metal));
        QCOMPARE(side.sphereDesc.size(), x.sphereTextLength);
        QCOMPARE(side.angelDesc.size(), x.angelTextLength);
        QCOMPARE(side.cardName, s(x.card));
        QCOMPARE(side.cardDesc.size(), side.cardTextLength);
        QCOMPARE(side.picture, (PictureRef{side.list, x.picture}));
    }
}

void tst_Reading::fieldTablesNameEveryField()
{
    QCOMPARE(ReadingTextFields.size() + ReadingPictureFields.size(), 51u);
    QSet<QString> names;
    for (const auto& f : ReadingTextFields)
        names.insert(s(f.name));
    for (const auto& f : ReadingPictureFields)
        names.insert(s(f.name));
    QCOMPARE(names.size(), 51);
}

void tst_Reading::longTextsAreSingleParagraphs()
{
    const KnowledgeTexts texts = loadedTexts();
    for (SignIndex sign : AllSigns) {
        const Reading r = BuildReading(sign, texts);
        for (const auto& f : ReadingTextFields) {
            const QString& value = r.*f.member;
            for (QChar c : value)
                QVERIFY2(c.unicode() >= 32 && c.unicode() < 127,
                         qPrintable(signName(sign) + u' ' + s(f.name)));
        }
    }
}

void tst_Reading::keterDaatAndMetatronNeverAppear()
{
    const KnowledgeTexts texts = loadedTexts();
    const QString hidden[] = {texts.sphere(SphereIndex::Keter), texts.sphere(SphereIndex::Daat),
                              texts.archangel(Archangel::Metatron)};
    for (const QString& text : hidden)
        QVERIFY(!text.isEmpty());
    for (SignIndex sign : AllSigns) {
        const Reading r = BuildReading(sign, texts);
        for (const auto& f : ReadingTextFields)
            for (const QString& text : hidden)
                QVERIFY(r.*f.member != text);
        QVERIFY(r.lblOneSphereHead != u"Keter" && r.lblTwoSphereHead != u"Keter");
    }
}

void tst_Reading::sphereValuesDoNotDependOnTheEnd()
{
    // Chesed is sphere one for Leo and Virgo and sphere two for Taurus.
    const KnowledgeTexts texts = loadedTexts();
    const Reading leo = BuildReading(SignIndex::Leo, texts);
    const Reading virgo = BuildReading(SignIndex::Virgo, texts);
    const Reading taurus = BuildReading(SignIndex::Taurus, texts);
    QCOMPARE(virgo.txtOneSephriothCardDesc, leo.txtOneSephriothCardDesc);
    QCOMPARE(virgo.txtOneSephriothCardDesc, taurus.txtTwoSephriothCardDesc);
    QCOMPARE(virgo.txtOneSphereDesc, taurus.txtTwoSphereDesc);
    QCOMPARE(virgo.txtOneAngelDesc, taurus.txtTwoAngelDesc);
    QCOMPARE(virgo.PicOneSephirothsCard.position, taurus.PicTwoSephirothsCard.position);

    // The one exception: Scorpio's Netzach card has a text of its own.
    const Reading scorpio = BuildReading(SignIndex::Scorpio, texts);
    const Reading aquarius = BuildReading(SignIndex::Aquarius, texts);
    const Reading pisces = BuildReading(SignIndex::Pisces, texts);
    QCOMPARE(aquarius.txtOneSephriothCardDesc, pisces.txtOneSephriothCardDesc);
    QVERIFY(scorpio.txtTwoSephriothCardDesc != aquarius.txtOneSephriothCardDesc);
    QCOMPARE(scorpio.lbSephirothSTwoCardName, u"The Sevens");
    QCOMPARE(scorpio.PicTwoSephirothsCard.position, 9);

    // Hod's archangel is spelt "Micheal" on the label but carries the Michael text.
    const Reading capricorn = BuildReading(SignIndex::Capricorn, texts);
    QCOMPARE(capricorn.lblTwoArchangel, u"Micheal");
    QCOMPARE(capricorn.txtTwoAngelDesc, texts.archangel(Archangel::Michael));
}

void tst_Reading::textsAreCopiedNotShared()
{
    KnowledgeTexts texts = loadedTexts();
    const Reading r = BuildReading(SignIndex::Aries, texts);
    const QString before = r.txtPathDecs;
    texts = KnowledgeTexts(); // emptied store
    QCOMPARE(r.txtPathDecs, before);
    QCOMPARE(r.txtPathDecs.size(), 349);

    // Texts stored in two parts read as one, first part first.
    QCOMPARE(r.txtAboutYourPathsCards.size(), 183 + 115);
    const Reading cancer = BuildReading(SignIndex::Cancer, loadedTexts());
    QCOMPARE(cancer.txtAboutYourRuneStone.size(), 168 + 174);
}

void tst_Reading::pictureListsResolve()
{
    struct ListExpect {
        PictureListId id;
        QStringList keys;
    };
    const QStringList sphereKeys{"The Aces",        "The Eights",      "3The Fives.jpg",
                                 "4The Fours.jpg",  "5The Kings.jpg",  "6The Nines.jpg",
                                 "7The Pages.jpg",  "8The Queens.jpg", "9The Sevens1.jpg",
                                 "10The Sixes.jpg", "11The Tens.jpg"};
    const ListExpect lists[] = {
        {PictureListId::IMGPathsCard,
         {"Death", "Justice", "Strength", "Temperance", "The Chariot", "The Devil", "The Emperor",
          "The Hermit", "The Hierophant", "The Lovers", "The Moon", "The Star"}},
        {PictureListId::IMGSephirothsOneCard, sphereKeys},
        {PictureListId::IMGSephirothsTwoCard, sphereKeys},
        {PictureListId::IMGStone,
         {"nauthiz.jpg", "laguz.jpg", "othala.jpg", "thurisaz.jpg", "raidho.jpg", "ehwas.jpg",
          "kenaz.jpg", "wunjo.jpg", "isa.jpg", "tiwas.jpg", "ansuz.jpg", "dagaz.jpg"}},
    };
    for (const ListExpect& list : lists) {
        const PictureList& pictures = PictureList::get(list.id);
        QCOMPARE(pictures.count(), list.keys.size());
        for (int position = 1; position <= pictures.count(); ++position) {
            QCOMPARE(pictures.key(position), list.keys[position - 1]);
            QCOMPARE(pictures.positionOf(list.keys[position - 1]), position);
            QVERIFY(pictures.resource(position).startsWith(u":/pictures/"));
        }
        QCOMPARE(pictures.key(0), QString());
        QCOMPARE(pictures.key(pictures.count() + 1), QString());
    }
}

QTEST_GUILESS_MAIN(tst_Reading)
#include "tst_reading.moc"
