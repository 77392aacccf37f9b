#pragma once

#include "SignIndex.h"
#include "SphereIndex.h"

#include <array>

namespace orvella {

// What the reading shows for a sphere, whichever end of the path it is on. Empty texts are
// values too: Chokmah has no lucky day and no metal, Malkhuth only a keyword.
struct SphereRow {
    const char* name;
    const char* position;
    const char* ruler;
    const char* archangel; // as the reading spells it ("Micheal" for Hod)
    Archangel archangelText;
    const char* luckyDay;
    const char* color;
    const char* wood;
    const char* keyword;
    const char* metal;
    const char* cardName;
    int cardPicture;         // 1-based position in the sphere card picture lists
    const char* cardTextKey; // key of the card's reading in the sphere card texts
};

// One sign's path, card and rune. The long texts are looked up by the sign's name.
struct SignRow {
    SphereIndex sphereOne; // always the sphere with the smaller number
    SphereIndex sphereTwo;
    const char* pathName;
    const char* hebrewLetter;
    const char* planet;
    const char* yetsiraticAttribution;
    const char* color;
    const char* element;
    const char* pathsCardName;
    int pathsCardPicture; // 1-based position in the path card picture list
    const char* runeStone;
    const char* alternativeName;
    const char* keywords;
    const char* favorableColor;
    const char* nordicGod;
    const char* sphereTwoCardTextKey; // a sign-specific card text for sphere two, or nullptr
};

// Keter and Da'at have rows for completeness; no sign's path ends on either.
const SphereRow& sphereRow(SphereIndex sphere);
const SignRow& signRow(SignIndex sign);

} // namespace orvella
