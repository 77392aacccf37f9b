#pragma once

#include "SphereIndex.h"

#include <array>

// The Tree of Life drawing as designed, in twips relative to the drawing area Frame2.
namespace orvella::tree {

// Every sphere's circle is an oval in a box of this size.
inline constexpr int CircleWidth = 735;
inline constexpr int CircleHeight = 615;

struct CircleSpec {
    int left, top;
};

// Indexed by SphereIndex: Keter … Malkhuth, then Da'at.
inline constexpr std::array<CircleSpec, SphereCount> Circles{{
    {1560, 120},  // Keter
    {2760, 1080}, // Chokmah
    {360, 1080},  // Binah
    {2760, 2520}, // Chesed
    {360, 2520},  // Gevurah
    {1560, 3600}, // Tiphereth
    {2760, 4560}, // Netzach
    {360, 4560},  // Hod
    {1560, 5520}, // Yesod
    {1560, 6600}, // Malkhuth
    {1560, 1560}, // Da'at
}};

struct LineSpec {
    const char* name;
    int fromX, fromY, toX, toY;
};

// The 22 paths, each from the edge of one circle to the edge of the other, named after the
// numbers of the two spheres they join.
inline constexpr int PathLineWidth = 6; // pixels
inline constexpr std::array<LineSpec, 22> PathLines{{
    {"ln12", 2160, 600, 3000, 1080},   {"ln13", 1800, 480, 720, 1200},
    {"ln16", 1920, 720, 1920, 3600},   {"ln23", 960, 1440, 2760, 1440},
    {"ln24", 3240, 1680, 3240, 2640},  {"ln26", 3000, 1560, 2040, 3600},
    {"ln35", 600, 1560, 600, 2640},    {"ln36", 840, 1560, 1800, 3600},
    {"ln45", 960, 2760, 2760, 2760},   {"ln46", 2880, 2880, 2160, 3600},
    {"ln47", 3240, 3120, 3240, 4680},  {"ln56", 960, 2880, 1800, 3720},
    {"ln58", 600, 3000, 600, 4680},    {"ln67", 2160, 4080, 2880, 4800},
    {"ln68", 1680, 4080, 960, 4800},   {"ln69", 1920, 4200, 1920, 5520},
    {"ln78", 1080, 4800, 2880, 4800},  {"ln79", 2880, 5040, 2160, 5640},
    {"ln710", 3120, 5040, 2160, 6720}, {"ln89", 960, 5040, 1680, 5760},
    {"ln810", 720, 5040, 1680, 6720},  {"ln910", 1920, 6120, 1920, 6600},
}};

// The caption over each circle, indexed by SphereIndex. Its box is also the sphere's hover
// area. The blanks in the texts are part of the design: they push the name onto the second
// line.
struct SphereCaptionSpec {
    const char* text;
    int left, top, width, height;
};

inline constexpr std::array<SphereCaptionSpec, SphereCount> SphereCaptions{{
    {"   1   Keter", 1560, 120, 735, 615},
    {" 2 Chokmah", 2640, 1080, 975, 615},
    {"     3     Binah", 360, 1080, 735, 615},
    {" 4 Chesed", 2760, 2520, 735, 615},
    {"5 Gevurah", 240, 2520, 855, 615},
    {"6 Tiphereth", 1440, 3600, 975, 615},
    {" 7 Netzach", 2640, 4560, 975, 615},
    {"    8    Hod", 360, 4560, 735, 615},
    {" 9  Yesod", 1560, 5520, 735, 615},
    {" 10 Malkhuth", 1440, 6600, 945, 615},
    {"         Daat", 1560, 1560, 735, 615},
}};

// The names of the twelve zodiac paths, each with the leader line that points from its path
// to the label and the path line it names. Label texts are UTF-8.
inline constexpr int LabelHeight = 195;
inline constexpr int LeaderLineWidth = 2; // pixels

struct PathLabelSpec {
    const char* name;
    const char* text;
    int left, top;
    const char* leader;
    int fromX, fromY, toX, toY;
    const char* pathLine;
};

inline constexpr std::array<PathLabelSpec, 12> PathLabels{{
    {"lblPathOfZain", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Zain"), 2880, 360,
     "Line3", 1080, 2040, 2760, 600, "ln36"},
    {"lblPathOfHe", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of H\u00e9"), 3720, 1680,
     "Line1", 2880, 1800, 3600, 1800, "ln26"},
    {"lblPathOfCheth", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Cheth"), 3720, 2160,
     "Line4", 600, 2280, 3600, 2280, "ln35"},
    {"lblPathOfVau", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Vau"), 3720, 2400,
     "Line2", 3240, 2520, 3600, 2520, "ln24"},
    {"lblPathOfYod", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Yod"), 3720, 3240,
     "Line7", 2400, 3360, 3600, 3360, "ln46"},
    {"lblPathOfLamed", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Lamed"), 3720, 3480,
     "Line6", 1680, 3600, 3600, 3600, "ln56"},
    {"lblPathOfTeth", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Teth"), 3720, 3720,
     "Line12", 1560, 2760, 3600, 3840, "ln45"},
    {"lblPathOfAyin", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Ayin"), 3720, 4080,
     "Line5", 1560, 4200, 3600, 4200, "ln68"},
    {"lblPathOfNun", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Nun"), 3720, 4440,
     "Line8", 2640, 4560, 3600, 4560, "ln67"},
    {"lblPathOfSamekh", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Samekh"), 3720,
     5160, "Line10", 1920, 5280, 3600, 5280, "ln69"},
    {"lblPathOfTzaddi", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Tzaddi"), 3720,
     5400, "Line9", 2280, 5520, 3600, 5520, "ln79"},
    {"lblPathOfQoph", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Path of Qoph"), 3720, 6000,
     "Line11", 2520, 6120, 3600, 6120, "ln710"},
}};

// The card of each zodiac path, hidden until a reading shows its sign's caption.
struct ZodiacCaptionSpec {
    const char* name;
    const char* text;
    int left, top;
};

inline constexpr std::array<ZodiacCaptionSpec, 12> ZodiacCaptions{{
    {"lblAries", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Emperor"), 2040, 2280},
    {"lblTaurus", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Hierophant"), 2880, 1920},
    {"lblGemini", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Lovers"), 720, 2280},
    {"lblCancer", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Chariot"), 0, 2040},
    {"lblLeo", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Strength"), 1800, 2640},
    {"lblVirgo", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Hermit"), 2280, 3120},
    {"lblLibra", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Justice"), 960, 3120},
    {"lblScorpio", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Death"), 2160, 4320},
    {"lblSagittarius", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "Temperance"), 1320, 5040},
    {"lblCapricorn", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Devil"), 840, 4320},
    {"lblAquarius", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Star"), 2040, 5280},
    {"lblPisces", QT_TRANSLATE_NOOP("orvella::TreeOfLifeLayout", "The Moon"), 2040, 6240},
}};

} // namespace orvella::tree
