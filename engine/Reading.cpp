#include "Reading.h"

#include "Correspondences.h"
#include "SignDetermination.h"
#include "TextTable.h"

#include <QCoreApplication>

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

// A value of the correspondence tables as the reading shows it: in the user's language, where
// the tables mark it for translation (proper names stay as they are).
QString text(const char* value)
{
    return QCoreApplication::translate("orvella::Correspondences", value);
}

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

// The fifteen fields of one end of the path; the two ends are filled alike.
struct SphereFields {
    QString Reading::*head;
    QString Reading::*sign;
    QString Reading::*position;
    QString Reading::*ruler;
    QString Reading::*archangel;
    QString Reading::*luckyDay;
    QString Reading::*color;
    QString Reading::*wood;
    QString Reading::*keyword;
    QString Reading::*metal;
    QString Reading::*sphereDesc;
    QString Reading::*angelDesc;
    QString Reading::*cardName;
    PictureRef Reading::*card;
    QString Reading::*cardDesc;
    PictureListId cardList;
};

constexpr SphereFields SphereOne{&Reading::lblOneSphereHead,
                                 &Reading::lblOneSphereSign,
                                 &Reading::lblOnePositionInTreeOfLife,
                                 &Reading::lblOnePlanetaryRuler,
                                 &Reading::lblOneArchangel,
                                 &Reading::lblOneLuckyDay,
                                 &Reading::lblOneColor,
                                 &Reading::lblOneWood,
                                 &Reading::lblOneKeyword,
                                 &Reading::lblOneMetal,
                                 &Reading::txtOneSphereDesc,
                                 &Reading::txtOneAngelDesc,
                                 &Reading::lbSephirothSOneCardName,
                                 &Reading::PicOneSephirothsCard,
                                 &Reading::txtOneSephriothCardDesc,
                                 PictureListId::IMGSephirothsOneCard};

constexpr SphereFields SphereTwo{&Reading::lblTwoSphereHead,
                                 &Reading::lblTwoSphereSign,
                                 &Reading::lblTwoPositionInTreeOfLife,
                                 &Reading::lblTwoPlanetaryRuler,
                                 &Reading::lblTwoArchangel,
                                 &Reading::lblTwoLuckyDay,
                                 &Reading::lblTwoColor,
                                 &Reading::lblTwoWood,
                                 &Reading::lblTwoKeyword,
                                 &Reading::lblTwoMetal,
                                 &Reading::txtTwoSphereDesc,
                                 &Reading::txtTwoAngelDesc,
                                 &Reading::lbSephirothSTwoCardName,
                                 &Reading::PicTwoSephirothsCard,
                                 &Reading::txtTwoSephriothCardDesc,
                                 PictureListId::IMGSephirothsTwoCard};

// Every value depends on the sphere alone, but for the card text, which a sign may choose.
void fillSphere(Reading& r, const SphereFields& f, SphereIndex sphere,
                const KnowledgeTexts& knowledge, const char* cardTextKey)
{
    const SphereRow& row = sphereRow(sphere);
    r.*f.head = text(row.name);
    r.*f.sphereDesc = knowledge.sphere(sphere);
    r.*f.angelDesc = knowledge.archangel(row.archangelText);
    r.*f.sign = text(row.name);
    r.*f.position = text(row.position);
    r.*f.ruler = text(row.ruler);
    r.*f.archangel = text(row.archangel);
    r.*f.luckyDay = text(row.luckyDay);
    r.*f.color = text(row.color);
    r.*f.wood = text(row.wood);
    r.*f.keyword = text(row.keyword);
    r.*f.metal = text(row.metal);
    r.*f.card = {f.cardList, row.cardPicture};
    r.*f.cardDesc = TextTable::get(TextTableId::SphereCards)
                        .text(key(cardTextKey ? cardTextKey : row.cardTextKey));
    r.*f.cardName = text(row.cardName);
}

} // namespace

Reading BuildReading(SignIndex sign, const KnowledgeTexts& knowledgeTexts)
{
    const SignRow& row = signRow(sign);
    const QString signKey = signName(sign);
    Reading r;
    fillSphere(r, SphereOne, row.sphereOne, knowledgeTexts, nullptr);
    fillSphere(r, SphereTwo, row.sphereTwo, knowledgeTexts, row.sphereTwoCardTextKey);

    r.lblPathName = text(row.pathName);
    r.txtPathDecs = knowledgeTexts.path(sign);
    r.lblHebrewLetter = text(row.hebrewLetter);
    r.lblLocation =
        QCoreApplication::translate("orvella::Reading", "Connecting path between %1 and %2")
            .arg(r.lblOneSphereHead, r.lblTwoSphereHead);
    r.lblCorrespondingPlanet = text(row.planet);
    r.lblYetsiraticAttribution = text(row.yetsiraticAttribution);
    r.lblColor = text(row.color);
    r.lblElement = text(row.element);

    r.lblSunSignDesc = TextTable::get(TextTableId::Personalities).text(signKey);
    r.lblSunSignName = signText(sign);
    r.sunSignPeriod = SignPeriodText(sign);

    r.lblLiesPathName = r.lblPathName;
    r.picPathsCard = {PictureListId::IMGPathsCard, row.pathsCardPicture};
    r.txtAboutYourPathsCards = TextTable::get(TextTableId::Cards).text(signKey);
    r.lblPathsCardName = text(row.pathsCardName);

    r.lblCorrespondingRuneStone = text(row.runeStone);
    r.lblKeywards = text(row.keywords);
    r.lblAlternativeName = text(row.alternativeName);
    r.txtAboutYourRuneStone = TextTable::get(TextTableId::Runes).text(signKey);
    r.lblFavorableColor = text(row.favorableColor);
    r.lblNordicGod = text(row.nordicGod);
    r.picStone = {PictureListId::IMGStone, toInt(sign) + 1};
    return r;
}

} // namespace orvella
