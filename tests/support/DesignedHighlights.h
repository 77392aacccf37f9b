#pragma once

#include "SignIndex.h"

namespace orvella::testing {

// The highlight of each sign as designed: card caption, the two circles, the path line.
struct DesignedHighlight {
    SignIndex sign;
    const char* caption;
    int one, two;
    const char* line;
};

inline constexpr DesignedHighlight DesignedHighlights[] = {
    {SignIndex::Capricorn, "lblCapricorn", 5, 7, "ln68"},
    {SignIndex::Aquarius, "lblAquarius", 6, 8, "ln79"},
    {SignIndex::Pisces, "lblPisces", 6, 9, "ln710"},
    {SignIndex::Aries, "lblAries", 1, 5, "ln26"},
    {SignIndex::Taurus, "lblTaurus", 1, 3, "ln24"},
    {SignIndex::Gemini, "lblGemini", 2, 5, "ln36"},
    {SignIndex::Cancer, "lblCancer", 2, 4, "ln35"},
    {SignIndex::Leo, "lblLeo", 3, 4, "ln45"},
    {SignIndex::Virgo, "lblVirgo", 3, 5, "ln46"},
    {SignIndex::Libra, "lblLibra", 4, 5, "ln56"},
    {SignIndex::Scorpio, "lblScorpio", 5, 6, "ln67"},
    {SignIndex::Sagittarius, "lblSagittarius", 5, 8, "ln69"},
};

} // namespace orvella::testing
