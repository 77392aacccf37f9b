#pragma once

#include "PictureList.h"

#include <array>
#include <optional>
#include <span>

namespace orvella {

// The looks an element of a reading pane can take. Each look has one builder in ReadingPane.cpp.
enum class PaneStyle {
    Caption,          // lilac, bold, underlined, sized to its text
    CaptionLarge,     // the same, one size larger
    RuneCaption,      // white, bold, underlined, sized to its text
    Value,            // orange, bold, sized to its text
    ValueLarge,       // orange, bold, underlined, one size larger
    CardName,         // yellow, bold, one size larger
    RuneValue,        // yellow, bold, sized to its text
    SphereHead,       // cyan, bold, underlined, one size larger
    WrappedCaption,   // caption look in a fixed box that wraps
    WrappedRuneValue, // rune value look in a fixed box that wraps
    PathName,         // green, bold, underlined, one size larger
    HoverName,        // magenta, 9 point, bold, underlined
    HoverInvitation,  // magenta, one size larger, bold
    LongText,         // pale yellow, fixed box, lines centred and wrapped, the rest cut off
    TextBox,          // read-only box with a vertical scroll bar, bold text
    TextBoxRegular,   // the same in the window's regular font
    Picture,          // picture box with a flat one-pixel border
    PictureBorderless,
};

// One element of a pane: a static caption (no name) or a field of the reading. Geometry is in
// twips relative to the pane; a width of 0 means the label takes the width of its text.
struct PaneElement {
    const char* name;
    PaneStyle style;
    int left, top, width, height;
    const char* text = ""; // the caption, or the field's content before a reading fills it
    // What a screen reader names the field by, before its value: its caption, and on a pane
    // where captions repeat, the sphere it belongs to (a picture: what it is the picture of).
    const char* what = "";
    PictureRef picture = {};
};

struct PaneSeparator {
    int y, fromX, toX; // twips; a one-pixel line across the pane
};

// The tables of the three panes, in the order the rows run from top to bottom.
namespace panes {

using enum PaneStyle;

inline constexpr PictureRef JusticeCard{PictureListId::IMGPathsCard, 2};
inline constexpr PictureRef AnsuzStone{PictureListId::IMGStone, 11};

// Tab 0: sphere one above the separator, sphere two below it.
inline constexpr PaneSeparator picSplitSeparator{3885, 0, 8400};

inline constexpr auto picSplitElements = std::to_array<PaneElement>({
    {nullptr, Caption, 120, 0, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Tarot Cards Associated With Sephiroths")},
    {"lbSephirothSOneCardName", CardName, 4080, 0, 0, 240, "lblPathsCardName",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes",
                       "First sphere, Tarot Cards Associated With Sephiroths")},
    {"txtOneSephriothCardDesc", TextBox, 120, 260, 5775, 720, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, About the card")},
    {"PicOneSephirothsCard", Picture, 6600, 480, 1740, 2280, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Card of the first sphere"), JusticeCard},
    {nullptr, Caption, 540, 1005, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Sphere Sign")},
    {nullptr, Caption, 2760, 1005, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Position In Tree Of Life")},
    {nullptr, Caption, 5400, 1005, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Color ")},
    {"lblOneSphereSign", Value, 450, 1245, 0, 195, "lblSphereSign",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Sphere Sign")},
    {"lblOnePositionInTreeOfLife", Value, 2760, 1245, 0, 195, "lblPositionInTreeOfLife",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Position In Tree Of Life")},
    {"lblOneColor", Value, 5280, 1245, 0, 195, "lblColor",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Color")},
    {nullptr, Caption, 630, 1485, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Archangel")},
    {nullptr, Caption, 3360, 1485, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Lucky Day")},
    {"lblOneArchangel", Value, 510, 1725, 0, 195, "lblArchangel",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Archangel")},
    {"lblOneLuckyDay", Value, 3360, 1725, 0, 195, "lblLuckyDay",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Lucky Day")},
    {nullptr, Caption, 855, 1965, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Wood")},
    {nullptr, Caption, 3600, 1965, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Metal")},
    {"lblOneWood", Value, 735, 2205, 0, 195, "lblWood",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Wood")},
    {"lblOneMetal", Value, 3480, 2205, 0, 195, "lblMetal",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Metal")},
    {nullptr, Caption, 375, 2445, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Planetary Ruler")},
    {nullptr, Caption, 3480, 2445, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Keyword")},
    {"lblOnePlanetaryRuler", Value, 285, 2700, 0, 195, "lblPlanetaryRuler",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Planetary Ruler")},
    {"lblOneKeyword", Value, 2160, 2700, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Splendour, Truthfulness, Communication"),
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, Keyword")},
    {"lblOneSphereHead", SphereHead, 2400, 2880, 0, 240, "SphereOne",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere")},
    {nullptr, CaptionLarge, 5955, 2880, 0, 240,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "About Your Archangel")},
    {"txtOneSphereDesc", TextBox, 120, 3120, 5775, 735, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, About the sphere")},
    {"txtOneAngelDesc", TextBox, 6000, 3120, 2295, 735, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "First sphere, About Your Archangel")},
    {nullptr, Caption, 120, 3960, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Tarot Cards Associated With The Sephiroths")},
    {"lbSephirothSTwoCardName", CardName, 4560, 3960, 0, 240, "lblPathsCardName",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes",
                       "Second sphere, Tarot Cards Associated With The Sephiroths")},
    {"txtTwoSephriothCardDesc", TextBox, 120, 4200, 5775, 735, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, About the card")},
    {"PicTwoSephirothsCard", Picture, 6600, 4440, 1740, 2280, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Card of the second sphere"), JusticeCard},
    {nullptr, Caption, 540, 4965, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Sphere Sign")},
    {nullptr, Caption, 2880, 4965, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Position In Tree Of Life")},
    {nullptr, Caption, 5640, 4965, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Color ")},
    {"lblTwoSphereSign", Value, 450, 5175, 0, 195, "lblSphereSign",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Sphere Sign")},
    {"lblTwoPositionInTreeOfLife", Value, 2880, 5175, 0, 195, "lblPositionInTreeOfLife",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Position In Tree Of Life")},
    {"lblTwoColor", Value, 5520, 5175, 0, 195, "lblColor",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Color")},
    {nullptr, Caption, 570, 5400, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Archangel")},
    {nullptr, Caption, 3510, 5400, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Lucky Day")},
    {"lblTwoArchangel", Value, 450, 5625, 0, 195, "lblArchangel",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Archangel")},
    {"lblTwoLuckyDay", Value, 3420, 5625, 0, 195, "lblLuckyDay",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Lucky Day")},
    {nullptr, Caption, 795, 5850, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Wood")},
    {nullptr, Caption, 3750, 5850, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Metal")},
    {"lblTwoWood", Value, 675, 6075, 0, 195, "lblWood",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Wood")},
    {"lblTwoMetal", Value, 3630, 6075, 0, 195, "lblMetal",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Metal")},
    {nullptr, Caption, 315, 6285, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Planetary Ruler")},
    {nullptr, Caption, 3585, 6285, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Keyword")},
    {"lblTwoKeyword", Value, 2160, 6525, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Splendour, Truthfulness, Communication"),
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Keyword")},
    {"lblTwoPlanetaryRuler", Value, 225, 6720, 0, 195, "lblPlanetaryRuler",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, Planetary Ruler")},
    {"lblTwoSphereHead", SphereHead, 2400, 6720, 0, 240, "SphereTwo",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere")},
    {nullptr, CaptionLarge, 5955, 6720, 0, 240,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "About Your Archangel")},
    {"txtTwoSphereDesc", TextBox, 120, 6960, 5775, 735, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, About the sphere")},
    {"txtTwoAngelDesc", TextBox, 6000, 6960, 2295, 735, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Second sphere, About Your Archangel")},
});

// Tab 1: the path and its card at the top, its attributes in the middle, the rune stone below
// the separator.
inline constexpr PaneSeparator picSplitTwoSeparator{4920, 0, 8400};

inline constexpr auto picSplitTwoElements = std::to_array<PaneElement>({
    {"picPathsCard", Picture, 3397, 40, 1740, 2280, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Card of the path"), JusticeCard},
    {"lblPathName", ValueLarge, 360, 120, 0, 240, "lblPathName",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Path")},
    {nullptr, CaptionLarge, 5640, 120, 0, 240,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "More About Tarot Card")},
    {"txtPathDecs", TextBox, 120, 505, 3135, 1815, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "About the path")},
    {"txtAboutYourPathsCards", TextBox, 5280, 505, 3015, 1815, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "More About Tarot Card")},
    {nullptr, WrappedCaption, 240, 2400, 2355, 435,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Tarot Cards Associated With The Path")},
    {"lblPathsCardName", CardName, 3000, 2400, 0, 240, "lblPathsCardName",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Tarot Cards Associated With The Path")},
    {nullptr, Caption, 240, 2980, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Hebrew Letter")},
    {"lblHebrewLetter", Value, 3000, 2980, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Zain, which means sword or the male sex organ"),
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Hebrew Letter")},
    {nullptr, Caption, 240, 3320, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Location")},
    {"lblLocation", Value, 3000, 3320, 0, 195, "lblLocation",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Location")},
    {nullptr, Caption, 240, 3660, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Corresponding Planet")},
    {"lblCorrespondingPlanet", Value, 3000, 3660, 0, 195, "lblCorrespondingPlanet",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Corresponding Planet")},
    {nullptr, Caption, 240, 4000, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Yetsiratic Attribution")},
    {"lblYetsiraticAttribution", Value, 3000, 4000, 0, 195, "lblYetsiraticAttribution",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Yetsiratic Attribution")},
    {nullptr, Caption, 240, 4340, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Color")},
    {"lblColor", Value, 3000, 4340, 0, 195, "lblColor",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Color")},
    {nullptr, Caption, 240, 4680, 0, 195, QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Element")},
    {"lblElement", Value, 3000, 4680, 0, 195, "lblElement",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Element")},
    {nullptr, RuneCaption, 240, 5040, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Corresponding Rune Stone")},
    {"lblCorrespondingRuneStone", RuneValue, 3000, 5040, 0, 195, "lblRuneStone",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Corresponding Rune Stone")},
    {nullptr, RuneCaption, 240, 5360, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Alternative Names")},
    {"lblAlternativeName", RuneValue, 3000, 5360, 0, 195, "lblAlternativeName",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Alternative Names")},
    {"picStone", PictureBorderless, 6600, 5385, 1695, 2265, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Picture of the rune stone"), AnsuzStone},
    {nullptr, RuneCaption, 240, 5680, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Favorable Color")},
    {"lblFavorableColor", RuneValue, 3000, 5680, 0, 195, "lblFavorableColor",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Favorable Color")},
    {nullptr, RuneCaption, 240, 6000, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Nordic God")},
    {"lblNordicGod", RuneValue, 3000, 6000, 0, 195, "lblNordicGod",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Nordic God")},
    {"lblKeywards", WrappedRuneValue, 3000, 6240, 3345, 540, "lblKeywards",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Keywords")},
    {nullptr, RuneCaption, 240, 6413, 0, 195,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Keywords")},
    {"txtAboutYourRuneStone", TextBoxRegular, 120, 6720, 6255, 930, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "About the rune stone")},
});

// Tab 2: the sun sign, its path and the hover captions of the drawing. The personality text
// shown before a reading fills the pane is looked up when the pane is built.
inline constexpr auto picSplitThreeElements = std::to_array<PaneElement>({
    {"lblSunSignName", ValueLarge, 3360, 120, 0, 240, "lblSunSignName",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Sun sign")},
    {"lblSunSignDesc", LongText, 120, 480, 8175, 2775, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "About your sun sign")},
    {nullptr, ValueLarge, 2400, 3000, 0, 240,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Path Associated With Your Sun Sign")},
    {"lblLiesPathName", PathName, 3600, 3240, 0, 240,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Path of Samekh"),
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Path Associated With Your Sun Sign")},
    {"lblSphereName", HoverName, 3960, 3600, 0, 210, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Sphere")},
    {"lblSphereDesc", LongText, 120, 3960, 8175, 2655, "",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "About the sphere")},
    {nullptr, HoverInvitation, 480, 6720, 0, 240,
     QT_TRANSLATE_NOOP("orvella::ReadingPanes",
                       "Move Your Mouse Over The Sephiroths To Know More About Sephiroths")},
});

} // namespace panes

// A pane of the tab control: the tab's caption, the pane's size in twips, the line that
// divides it, if any, and its elements.
struct PaneLayout {
    const char* name;
    const char* tabCaption;
    int width, height;
    std::optional<PaneSeparator> separator;
    std::span<const PaneElement> elements;
};

inline constexpr std::array<PaneLayout, 3> ReadingPanes{{
    {"picSplit", QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Sephiroths and Tarot Cards"), 8475,
     7770, panes::picSplitSeparator, panes::picSplitElements},
    {"picSplitTwo",
     QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Rune Stone and Tarot Card of Path of Sun Sign"),
     8475, 7770, panes::picSplitTwoSeparator, panes::picSplitTwoElements},
    {"picSplitThree", QT_TRANSLATE_NOOP("orvella::ReadingPanes", "Sephiroths and Sun Sign"), 8475,
     7755, std::nullopt, panes::picSplitThreeElements},
}};

constexpr int fieldCount(std::span<const PaneElement> elements)
{
    int count = 0;
    for (const PaneElement& element : elements)
        count += element.name != nullptr ? 1 : 0;
    return count;
}

// The three panes hold all fifty-one fields of a reading, and tab 2 the two hover captions.
static_assert(fieldCount(panes::picSplitElements) == 30);
static_assert(fieldCount(panes::picSplitTwoElements) == 18);
static_assert(fieldCount(panes::picSplitThreeElements) == 3 + 2);

} // namespace orvella
