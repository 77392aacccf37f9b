#include "Reading.h"

#include "Correspondences.h"
#include "TextTable.h"

namespace orvella {

#define ORVELLA_TEXT_FIELD(name)                                                                   \
    ReadingTextField                                                                               \
    {                                                                                              \
#name, &Reading::name                                                                      \
    }
#define ORVELLA_PICTURE_FIELD(name)                                                                \
    ReadingPictureField                                                                            \
    {                                                                                              \
#name, &Reading::name                                                                      \
    }

const std::array<ReadingTextField, 47> ReadingTextFields{
    ORVELLA_TEXT_FIELD(lblSunSignName),
    ORVELLA_TEXT_FIELD(lblSunSignDesc),
    ORVELLA_TEXT_FIELD(lblPathName),
    ORVELLA_TEXT_FIELD(lblLiesPathName),
    ORVELLA_TEXT_FIELD(txtPathDecs),
    ORVELLA_TEXT_FIELD(lblHebrewLetter),
    ORVELLA_TEXT_FIELD(lblLocation),
    ORVELLA_TEXT_FIELD(lblCorrespondingPlanet),
    ORVELLA_TEXT_FIELD(lblYetsiraticAttribution),
    ORVELLA_TEXT_FIELD(lblColor),
    ORVELLA_TEXT_FIELD(lblElement),
    ORVELLA_TEXT_FIELD(lblPathsCardName),
    ORVELLA_TEXT_FIELD(txtAboutYourPathsCards),
    ORVELLA_TEXT_FIELD(lblOneSphereHead),
    ORVELLA_TEXT_FIELD(lblOneSphereSign),
    ORVELLA_TEXT_FIELD(lblOnePositionInTreeOfLife),
    ORVELLA_TEXT_FIELD(lblOnePlanetaryRuler),
    ORVELLA_TEXT_FIELD(lblOneArchangel),
    ORVELLA_TEXT_FIELD(lblOneLuckyDay),
    ORVELLA_TEXT_FIELD(lblOneColor),
    ORVELLA_TEXT_FIELD(lblOneWood),
    ORVELLA_TEXT_FIELD(lblOneKeyword),
    ORVELLA_TEXT_FIELD(lblOneMetal),
    ORVELLA_TEXT_FIELD(txtOneSphereDesc),
    ORVELLA_TEXT_FIELD(txtOneAngelDesc),
    ORVELLA_TEXT_FIELD(lbSephirothSOneCardName),
    ORVELLA_TEXT_FIELD(txtOneSephriothCardDesc),
    ORVELLA_TEXT_FIELD(lblTwoSphereHead),
    ORVELLA_TEXT_FIELD(lblTwoSphereSign),
    ORVELLA_TEXT_FIELD(lblTwoPositionInTreeOfLife),
    ORVELLA_TEXT_FIELD(lblTwoPlanetaryRuler),
    ORVELLA_TEXT_FIELD(lblTwoArchangel),
    ORVELLA_TEXT_FIELD(lblTwoLuckyDay),
    ORVELLA_TEXT_FIELD(lblTwoColor),
    ORVELLA_TEXT_FIELD(lblTwoWood),
    ORVELLA_TEXT_FIELD(lblTwoKeyword),
    ORVELLA_TEXT_FIELD(lblTwoMetal),
    ORVELLA_TEXT_FIELD(txtTwoSphereDesc),
    ORVELLA_TEXT_FIELD(txtTwoAngelDesc),
    ORVELLA_TEXT_FIELD(lbSephirothSTwoCardName),
    ORVELLA_TEXT_FIELD(txtTwoSephriothCardDesc),
    ORVELLA_TEXT_FIELD(lblCorrespondingRuneStone),
    ORVELLA_TEXT_FIELD(lblAlternativeName),
    ORVELLA_TEXT_FIELD(lblKeywards),
    ORVELLA_TEXT_FIELD(lblFavorableColor),
    ORVELLA_TEXT_FIELD(lblNordicGod),
    ORVELLA_TEXT_FIELD(txtAboutYourRuneStone),
};

const std::array<ReadingPictureField, 4> ReadingPictureFields{
    ORVELLA_PICTURE_FIELD(picPathsCard),
    ORVELLA_PICTURE_FIELD(PicOneSephirothsCard),
    ORVELLA_PICTURE_FIELD(PicTwoSephirothsCard),
    ORVELLA_PICTURE_FIELD(picStone),
};

#undef ORVELLA_TEXT_FIELD
#undef ORVELLA_PICTURE_FIELD

namespace {

QString text(const char* value)
{
    return QString::fromLatin1(value);
}

// The twelve values a sphere shows, whichever end of the path it is on.
struct SphereValues {
    QString head, desc, angelDesc, position, ruler, archangel, luckyDay, color, wood, keyword,
        metal, cardName, cardDesc;
    PictureRef card;
};

SphereValues sphereValues(SphereIndex sphere, const KnowledgeTexts& knowledge,
                          PictureListId cardList, const char* cardTextKey)
{
    const SphereRow& row = sphereRow(sphere);
    return {text(row.name),
            knowledge.sphere(sphere),
            knowledge.archangel(row.archangelText),
            text(row.position),
            text(row.ruler),
            text(row.archangel),
            text(row.luckyDay),
            text(row.color),
            text(row.wood),
            text(row.keyword),
            text(row.metal),
            text(row.cardName),
            TextTable::get(TextTableId::SphereCards).text(text(cardTextKey)),
            {cardList, row.cardPicture}};
}

} // namespace

Reading BuildReading(SignIndex sign, const KnowledgeTexts& knowledgeTexts)
{
    const SignRow& row = signRow(sign);
    const QString key = signName(sign);
    const SphereValues one =
        sphereValues(row.sphereOne, knowledgeTexts, PictureListId::IMGSephirothsOneCard,
                     sphereRow(row.sphereOne).cardTextKey);
    const SphereValues two = sphereValues(
        row.sphereTwo, knowledgeTexts, PictureListId::IMGSephirothsTwoCard,
        row.sphereTwoCardTextKey ? row.sphereTwoCardTextKey : sphereRow(row.sphereTwo).cardTextKey);

    Reading r;
    r.lblOneSphereHead = one.head;
    r.txtOneSphereDesc = one.desc;
    r.txtOneAngelDesc = one.angelDesc;
    r.lblOneSphereSign = one.head;
    r.lblOnePositionInTreeOfLife = one.position;
    r.lblOnePlanetaryRuler = one.ruler;
    r.lblOneArchangel = one.archangel;
    r.lblOneLuckyDay = one.luckyDay;
    r.lblOneColor = one.color;
    r.lblOneWood = one.wood;
    r.lblOneKeyword = one.keyword;
    r.lblOneMetal = one.metal;

    r.lblTwoSphereHead = two.head;
    r.txtTwoSphereDesc = two.desc;
    r.txtTwoAngelDesc = two.angelDesc;
    r.lblTwoSphereSign = two.head;
    r.lblTwoPositionInTreeOfLife = two.position;
    r.lblTwoPlanetaryRuler = two.ruler;
    r.lblTwoArchangel = two.archangel;
    r.lblTwoLuckyDay = two.luckyDay;
    r.lblTwoColor = two.color;
    r.lblTwoWood = two.wood;
    r.lblTwoKeyword = two.keyword;
    r.lblTwoMetal = two.metal;

    r.lblPathName = text(row.pathName);
    r.txtPathDecs = knowledgeTexts.path(sign);
    r.lblHebrewLetter = text(row.hebrewLetter);
    r.lblLocation = QStringLiteral("Connecting path between %1 and %2").arg(one.head, two.head);
    r.lblCorrespondingPlanet = text(row.planet);
    r.lblYetsiraticAttribution = text(row.yetsiraticAttribution);
    r.lblColor = text(row.color);
    r.lblElement = text(row.element);

    r.lblSunSignDesc = TextTable::get(TextTableId::Personalities).text(key);
    r.lblSunSignName = key;

    r.lblLiesPathName = r.lblPathName;
    r.picPathsCard = {PictureListId::IMGPathsCard, row.pathsCardPicture};
    r.txtAboutYourPathsCards = TextTable::get(TextTableId::Cards).text(key);
    r.lblPathsCardName = text(row.pathsCardName);

    r.PicOneSephirothsCard = one.card;
    r.PicTwoSephirothsCard = two.card;
    r.txtOneSephriothCardDesc = one.cardDesc;
    r.txtTwoSephriothCardDesc = two.cardDesc;
    r.lbSephirothSOneCardName = one.cardName;
    r.lbSephirothSTwoCardName = two.cardName;

    r.lblCorrespondingRuneStone = text(row.runeStone);
    r.lblKeywards = text(row.keywords);
    r.lblAlternativeName = text(row.alternativeName);
    r.txtAboutYourRuneStone = TextTable::get(TextTableId::Runes).text(key);
    r.lblFavorableColor = text(row.favorableColor);
    r.lblNordicGod = text(row.nordicGod);
    r.picStone = {PictureListId::IMGStone, toInt(sign) + 1};
    return r;
}

} // namespace orvella
