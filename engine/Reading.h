#pragma once

#include "KnowledgeTexts.h"
#include "PictureList.h"
#include "SignIndex.h"

#include <QString>
#include <array>

namespace orvella {

// Everything the reading view shows for one person. Each field is named after the view
// element that shows it; every value depends on the sign alone.
struct Reading {
    // Sun sign
    QString lblSunSignName;
    QString lblSunSignDesc;
    // Path
    QString lblPathName;
    QString lblLiesPathName;
    QString txtPathDecs;
    QString lblHebrewLetter;
    QString lblLocation;
    QString lblCorrespondingPlanet;
    QString lblYetsiraticAttribution;
    QString lblColor;
    QString lblElement;
    // Path card
    QString lblPathsCardName;
    PictureRef picPathsCard;
    QString txtAboutYourPathsCards;
    // Sphere one
    QString lblOneSphereHead;
    QString lblOneSphereSign;
    QString lblOnePositionInTreeOfLife;
    QString lblOnePlanetaryRuler;
    QString lblOneArchangel;
    QString lblOneLuckyDay;
    QString lblOneColor;
    QString lblOneWood;
    QString lblOneKeyword;
    QString lblOneMetal;
    QString txtOneSphereDesc;
    QString txtOneAngelDesc;
    QString lbSephirothSOneCardName;
    PictureRef PicOneSephirothsCard;
    QString txtOneSephriothCardDesc;
    // Sphere two
    QString lblTwoSphereHead;
    QString lblTwoSphereSign;
    QString lblTwoPositionInTreeOfLife;
    QString lblTwoPlanetaryRuler;
    QString lblTwoArchangel;
    QString lblTwoLuckyDay;
    QString lblTwoColor;
    QString lblTwoWood;
    QString lblTwoKeyword;
    QString lblTwoMetal;
    QString txtTwoSphereDesc;
    QString txtTwoAngelDesc;
    QString lbSephirothSTwoCardName;
    PictureRef PicTwoSephirothsCard;
    QString txtTwoSephriothCardDesc;
    // Rune
    QString lblCorrespondingRuneStone;
    QString lblAlternativeName;
    QString lblKeywards;
    QString lblFavorableColor;
    QString lblNordicGod;
    QString txtAboutYourRuneStone;
    PictureRef picStone;

    // The sign's period, the tooltip of lblSunSignName ("December 21 – January 19"). Not one
    // of the fields above: nothing shows it as its text.
    QString sunSignPeriod;
};

// The fields by name, so that the view and the tests can walk them in one loop.
struct ReadingTextField {
    const char* name;
    QString Reading::*member;
};
struct ReadingPictureField {
    const char* name;
    PictureRef Reading::*member;
};

extern const std::array<ReadingTextField, 47> ReadingTextFields;
extern const std::array<ReadingPictureField, 4> ReadingPictureFields;

// The reading of a sign, with the sphere, archangel and path texts copied from the store.
Reading BuildReading(SignIndex sign, const KnowledgeTexts& knowledgeTexts);

} // namespace orvella
