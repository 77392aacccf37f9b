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
    {nullptr, Caption, 120, 0, 0, 195, "Tarot Cards Associated With Sephiroths"},
    {"lbSephirothSOneCardName", CardName, 4080, 0, 0, 240, "lblPathsCardName",
     "First sphere, Tarot Cards Associated With Sephiroths"},
    {"txtOneSephriothCardDesc", TextBox, 120, 260, 5775, 720, "", "First sphere, About the card"},
    {"PicOneSephirothsCard", Picture, 6600, 480, 1740, 2280, "", "Card of the first sphere",
     JusticeCard},
    {nullptr, Caption, 540, 1005, 0, 195, "Sphere Sign"},
    {nullptr, Caption, 2760, 1005, 0, 195, "Position In Tree Of Life"},
    {nullptr, Caption, 5400, 1005, 0, 195, "Color "},
    {"lblOneSphereSign", Value, 450, 1245, 0, 195, "lblSphereSign", "First sphere, Sphere Sign"},
    {"lblOnePositionInTreeOfLife", Value, 2760, 1245, 0, 195, "lblPositionInTreeOfLife",
     "First sphere, Position In Tree Of Life"},
    {"lblOneColor", Value, 5280, 1245, 0, 195, "lblColor", "First sphere, Color"},
    {nullptr, Caption, 630, 1485, 0, 195, "Archangel"},
    {nullptr, Caption, 3360, 1485, 0, 195, "Lucky Day"},
    {"lblOneArchangel", Value, 510, 1725, 0, 195, "lblArchangel", "First sphere, Archangel"},
    {"lblOneLuckyDay", Value, 3360, 1725, 0, 195, "lblLuckyDay", "First sphere, Lucky Day"},
    {nullptr, Caption, 855, 1965, 0, 195, "Wood"},
    {nullptr, Caption, 3600, 1965, 0, 195, "Metal"},
    {"lblOneWood", Value, 735, 2205, 0, 195, "lblWood", "First sphere, Wood"},
    {"lblOneMetal", Value, 3480, 2205, 0, 195, "lblMetal", "First sphere, Metal"},
    {nullptr, Caption, 375, 2445, 0, 195, "Planetary Ruler"},
    {nullptr, Caption, 3480, 2445, 0, 195, "Keyword"},
    {"lblOnePlanetaryRuler", Value, 285, 2700, 0, 195, "lblPlanetaryRuler",
     "First sphere, Planetary Ruler"},
    {"lblOneKeyword", Value, 2160, 2700, 0, 195, "Splendour, Truthfulness, Communication",
     "First sphere, Keyword"},
    {"lblOneSphereHead", SphereHead, 2400, 2880, 0, 240, "SphereOne", "First sphere"},
    {nullptr, CaptionLarge, 5955, 2880, 0, 240, "About Your Archangel"},
    {"txtOneSphereDesc", TextBox, 120, 3120, 5775, 735, "", "First sphere, About the sphere"},
    {"txtOneAngelDesc", TextBox, 6000, 3120, 2295, 735, "", "First sphere, About Your Archangel"},
    {nullptr, Caption, 120, 3960, 0, 195, "Tarot Cards Associated With The Sephiroths"},
    {"lbSephirothSTwoCardName", CardName, 4560, 3960, 0, 240, "lblPathsCardName",
     "Second sphere, Tarot Cards Associated With The Sephiroths"},
    {"txtTwoSephriothCardDesc", TextBox, 120, 4200, 5775, 735, "", "Second sphere, About the card"},
    {"PicTwoSephirothsCard", Picture, 6600, 4440, 1740, 2280, "", "Card of the second sphere",
     JusticeCard},
    {nullptr, Caption, 540, 4965, 0, 195, "Sphere Sign"},
    {nullptr, Caption, 2880, 4965, 0, 195, "Position In Tree Of Life"},
    {nullptr, Caption, 5640, 4965, 0, 195, "Color "},
    {"lblTwoSphereSign", Value, 450, 5175, 0, 195, "lblSphereSign", "Second sphere, Sphere Sign"},
    {"lblTwoPositionInTreeOfLife", Value, 2880, 5175, 0, 195, "lblPositionInTreeOfLife",
     "Second sphere, Position In Tree Of Life"},
    {"lblTwoColor", Value, 5520, 5175, 0, 195, "lblColor", "Second sphere, Color"},
    {nullptr, Caption, 570, 5400, 0, 195, "Archangel"},
    {nullptr, Caption, 3510, 5400, 0, 195, "Lucky Day"},
    {"lblTwoArchangel", Value, 450, 5625, 0, 195, "lblArchangel", "Second sphere, Archangel"},
    {"lblTwoLuckyDay", Value, 3420, 5625, 0, 195, "lblLuckyDay", "Second sphere, Lucky Day"},
    {nullptr, Caption, 795, 5850, 0, 195, "Wood"},
    {nullptr, Caption, 3750, 5850, 0, 195, "Metal"},
    {"lblTwoWood", Value, 675, 6075, 0, 195, "lblWood", "Second sphere, Wood"},
    {"lblTwoMetal", Value, 3630, 6075, 0, 195, "lblMetal", "Second sphere, Metal"},
    {nullptr, Caption, 315, 6285, 0, 195, "Planetary Ruler"},
    {nullptr, Caption, 3585, 6285, 0, 195, "Keyword"},
    {"lblTwoKeyword", Value, 2160, 6525, 0, 195, "Splendour, Truthfulness, Communication",
     "Second sphere, Keyword"},
    {"lblTwoPlanetaryRuler", Value, 225, 6720, 0, 195, "lblPlanetaryRuler",
     "Second sphere, Planetary Ruler"},
    {"lblTwoSphereHead", SphereHead, 2400, 6720, 0, 240, "SphereTwo", "Second sphere"},
    {nullptr, CaptionLarge, 5955, 6720, 0, 240, "About Your Archangel"},
    {"txtTwoSphereDesc", TextBox, 120, 6960, 5775, 735, "", "Second sphere, About the sphere"},
    {"txtTwoAngelDesc", TextBox, 6000, 6960, 2295, 735, "", "Second sphere, About Your Archangel"},
});

// Tab 1: the path and its card at the top, its attributes in the middle, the rune stone below
// the separator.
inline constexpr PaneSeparator picSplitTwoSeparator{4920, 0, 8400};

inline constexpr auto picSplitTwoElements = std::to_array<PaneElement>({
    {"picPathsCard", Picture, 3397, 40, 1740, 2280, "", "Card of the path", JusticeCard},
    {"lblPathName", ValueLarge, 360, 120, 0, 240, "lblPathName", "Path"},
    {nullptr, CaptionLarge, 5640, 120, 0, 240, "More About Tarot Card"},
    {"txtPathDecs", TextBox, 120, 505, 3135, 1815, "", "About the path"},
    {"txtAboutYourPathsCards", TextBox, 5280, 505, 3015, 1815, "", "More About Tarot Card"},
    {nullptr, WrappedCaption, 240, 2400, 2355, 435, "Tarot Cards Associated With The Path"},
    {"lblPathsCardName", CardName, 3000, 2400, 0, 240, "lblPathsCardName",
     "Tarot Cards Associated With The Path"},
    {nullptr, Caption, 240, 2980, 0, 195, "Hebrew Letter"},
    {"lblHebrewLetter", Value, 3000, 2980, 0, 195, "Zain, which means sword or the male sex organ",
     "Hebrew Letter"},
    {nullptr, Caption, 240, 3320, 0, 195, "Location"},
    {"lblLocation", Value, 3000, 3320, 0, 195, "lblLocation", "Location"},
    {nullptr, Caption, 240, 3660, 0, 195, "Corresponding Planet"},
    {"lblCorrespondingPlanet", Value, 3000, 3660, 0, 195, "lblCorrespondingPlanet",
     "Corresponding Planet"},
    {nullptr, Caption, 240, 4000, 0, 195, "Yetsiratic Attribution"},
    {"lblYetsiraticAttribution", Value, 3000, 4000, 0, 195, "lblYetsiraticAttribution",
     "Yetsiratic Attribution"},
    {nullptr, Caption, 240, 4340, 0, 195, "Color"},
    {"lblColor", Value, 3000, 4340, 0, 195, "lblColor", "Color"},
    {nullptr, Caption, 240, 4680, 0, 195, "Element"},
    {"lblElement", Value, 3000, 4680, 0, 195, "lblElement", "Element"},
    {nullptr, RuneCaption, 240, 5040, 0, 195, "Corresponding Rune Stone"},
    {"lblCorrespondingRuneStone", RuneValue, 3000, 5040, 0, 195, "lblRuneStone",
     "Corresponding Rune Stone"},
    {nullptr, RuneCaption, 240, 5360, 0, 195, "Alternative Names"},
    {"lblAlternativeName", RuneValue, 3000, 5360, 0, 195, "lblAlternativeName",
     "Alternative Names"},
    {"picStone", PictureBorderless, 6600, 5385, 1695, 2265, "", "Picture of the rune stone",
     AnsuzStone},
    {nullptr, RuneCaption, 240, 5680, 0, 195, "Favorable Color"},
    {"lblFavorableColor", RuneValue, 3000, 5680, 0, 195, "lblFavorableColor", "Favorable Color"},
    {nullptr, RuneCaption, 240, 6000, 0, 195, "Nordic God"},
    {"lblNordicGod", RuneValue, 3000, 6000, 0, 195, "lblNordicGod", "Nordic God"},
    {"lblKeywards", WrappedRuneValue, 3000, 6240, 3345, 540, "lblKeywards", "Keywords"},
    {nullptr, RuneCaption, 240, 6413, 0, 195, "Keywords"},
    {"txtAboutYourRuneStone", TextBoxRegular, 120, 6720, 6255, 930, "", "About the rune stone"},
});

// Tab 2: the sun sign, its path and the hover captions of the drawing. The personality text
// shown before a reading fills the pane is looked up when the pane is built.
inline constexpr auto picSplitThreeElements = std::to_array<PaneElement>({
    {"lblSunSignName", ValueLarge, 3360, 120, 0, 240, "lblSunSignName", "Sun sign"},
    {"lblSunSignDesc", LongText, 120, 480, 8175, 2775, "", "About your sun sign"},
    {nullptr, ValueLarge, 2400, 3000, 0, 240, "Path Associated With Your Sun Sign"},
    {"lblLiesPathName", PathName, 3600, 3240, 0, 240, "Path of Samekh",
     "Path Associated With Your Sun Sign"},
    {"lblSphereName", HoverName, 3960, 3600, 0, 210, "", "Sphere"},
    {"lblSphereDesc", LongText, 120, 3960, 8175, 2655, "", "About the sphere"},
    {nullptr, HoverInvitation, 480, 6720, 0, 240,
     "Move Your Mouse Over The Sephiroths To Know More About Sephiroths"},
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
    {"picSplit", "Sephiroths and Tarot Cards", 8475, 7770, panes::picSplitSeparator,
     panes::picSplitElements},
    {"picSplitTwo", "Rune Stone and Tarot Card of Path of Sun Sign", 8475, 7770,
     panes::picSplitTwoSeparator, panes::picSplitTwoElements},
    {"picSplitThree", "Sephiroths and Sun Sign", 8475, 7755, std::nullopt,
     panes::picSplitThreeElements},
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
