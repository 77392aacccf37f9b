#include "Correspondences.h"

#include <QCoreApplication>

namespace orvella {

namespace {

using A = Archangel;
using S = SphereIndex;

constexpr std::array<SphereRow, SphereCount> SphereTable{{
    {"Keter", QT_TRANSLATE_NOOP("orvella::Correspondences", "1st"), "", "Metatron", A::Metatron, "",
     "", "", "", "", "", 0, ""},
    {"Chokmah", QT_TRANSLATE_NOOP("orvella::Correspondences", "2nd"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Uranus"), "Raziel", A::Raziel, "",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Gray or Silver"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Musk"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Wisdom, Revelation"), "",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Kings"), 5, "Kings"},
    {"Binah", QT_TRANSLATE_NOOP("orvella::Correspondences", "3rd"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Saturn"), "Tzaphqiel", A::Tzaphqiel,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Saturday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Black"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Pine or Juniper"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Understanding, Intelligence, Reason"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Lead"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Queens"), 8, "Queens"},
    {"Chesed", QT_TRANSLATE_NOOP("orvella::Correspondences", "4th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Jupiter"), "Tzadqiel", A::Tzadqiel,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Thursday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Blue"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Oak"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Love, Kindness, Mercy"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Tin"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Fours"), 4, "Fours"},
    {"Gevurah", QT_TRANSLATE_NOOP("orvella::Correspondences", "5th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mars"), "Kamael", A::Kamael,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Tuesday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Cedar"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Restraint, Justice"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Iron"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Fives"), 3, "Fives"},
    {"Tiphereth", QT_TRANSLATE_NOOP("orvella::Correspondences", "6th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Sun"), "Raphael", A::Raphael,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Sunday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Gold or Yellow"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Laurel"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Beauty, Equilibirum"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Gold"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Sixes"), 10, "Sixes"},
    {"Netzach", QT_TRANSLATE_NOOP("orvella::Correspondences", "7th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Venus"), "Haniel", A::Haniel,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Friday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Green"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Myrtle"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Victory, Endurance, Prophecy, Eternity"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Copper"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Sevens"), 9, "Sevens"},
    {"Hod", QT_TRANSLATE_NOOP("orvella::Correspondences", "8th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mercury"), "Micheal", A::Michael,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Wednesday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Purple, Brown"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Hazelwood"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Splendour, Truthfulness, Communication"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mercury/ Quicksilver"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Eights"), 2, "Eights"},
    {"Yesod", QT_TRANSLATE_NOOP("orvella::Correspondences", "9th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Moon"), "Gabriel", A::Gabriel,
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Monday"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Gray or Silver"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Willow"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Foundation, Passion, Truth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Silver"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Nines"), 6, "Nines"},
    {"Malkhuth", QT_TRANSLATE_NOOP("orvella::Correspondences", "10th"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Earth"), "Sandalphon", A::Sandalphon, "", "",
     "", QT_TRANSLATE_NOOP("orvella::Correspondences", "Kingdom, Beginnings"), "",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Tens"), 11, "Tens"},
    {"Daat", "", "", "", A::Metatron, "", "", "", "", "", "", 0, ""},
}};

constexpr std::array<SignRow, SignCount> SignTable{{
    {S::Tiphereth, S::Hod, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Ayin"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Ayin, which means eye"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Saturn"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Renovating intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Black"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Earth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Devil"), 6, "Nauthiz",
     "Noicz, Naud, Naudr, Nied",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Need, Help, Resistance, Love"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Black"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Nornir,Etins"), nullptr},
    {S::Netzach, S::Yesod, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Tzaddi"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Tzaddi, which means hook."),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Uranus / Saturn"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Constituting Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Earth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Star"), 12, "Laguz",
     "Laaz, Logr, Lagu, Logur, Laukr",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Fluidity, Life Force, Birth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Deep Green"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Njord,Balder"), nullptr},
    {S::Netzach, S::Malkhuth, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Qoph"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Qoph, which means back of the head"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Moon"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Corporeal Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Buff"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Water"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Moon"), 11, "Othala", "Utal, Odal, Otael",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Ancestry, Prosperity, Inheritance, Family"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Deep Yellow"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Odin,Thor"), nullptr},
    {S::Chokmah, S::Tiphereth, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of He"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Heh, which means window"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mars"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Natural intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Light blue"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Fire"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Emperor"), 7, "Thurisaz",
     "Thuith, Thorn, Thurs",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Protection, Action, Destruction, Willpower"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Bright Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Thor"), nullptr},
    {S::Chokmah, S::Chesed, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Vau"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Vau, which means nail"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Venus"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Triumphal intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Indigo"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Earth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Hierophant"), 9, "Raidho",
     "Raidha, Rad, Raid",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Rhythm, Movement, Travel, Spiritual"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Bright Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Forseti"), nullptr},
    {S::Binah, S::Tiphereth, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Zaini"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Zain, which means sword or the male sex organ"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mercury"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Disposing intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mauve"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Air"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Lovers"), 10, "Ehwaz",
     "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol",
     QT_TRANSLATE_NOOP("orvella::Correspondences",
                       "Duality, Movement, Partnership, Interaction, Harmony"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "White"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Freya,Freyr,Aclis"), nullptr},
    {S::Binah, S::Gevurah, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Cheth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Cheth, which means chariot"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Moon"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Influencing Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Maroon"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Water"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Chariot"), 5, "Kenaz",
     "Kusma, Cen, Kaun, Kaunaz",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Knowledge, Fire, Guiding Light, Fertility"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Light Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Freya,Dwarves"), nullptr},
    {S::Chesed, S::Gevurah, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Teth"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Teth, which means coiled serpent"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Sun"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Spiritual Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Deep purple"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Air"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Strength"), 3, "Wunjo",
     "Uuinne, Vend, Wynn, Vin",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Joy, Pleasure, Hope, Fellowship"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Yellow"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Freyr,Elves"), nullptr},
    {S::Chesed, S::Tiphereth, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Yod"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Yod, which means sperm of God."),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mercury"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Willful Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Slate gray"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Air"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "The Hermit"), 8, "Isa", "Icz, Iss, Is",
     QT_TRANSLATE_NOOP("orvella::Correspondences",
                       "Constraint, Massive Force, Gradual Integration, Delay"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Black"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Rime Thurses"), nullptr},
    {S::Gevurah, S::Tiphereth, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Lamed"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Lamed, which means to teach."),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Venus"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Faithful Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Blue"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Air"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Justice"), 2, "Tiwaz", "Tys, Tyr, Tir, Tiw, Ty",
     QT_TRANSLATE_NOOP("orvella::Correspondences",
                       "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Bright Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Tyr,Mani"), nullptr},
    {S::Tiphereth, S::Netzach, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Nun"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Nun, which means fish."),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Mars"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Imaginative Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Brown"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Fire"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Death"), 1, "Ansuz", "Os, Ass, Ansur",
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Rebirth, Knowledge, Communication, Justice"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Dark Blue,Light Red"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Odin,Freya,Dwarves"), "Sevens.2"},
    {S::Tiphereth, S::Yesod, QT_TRANSLATE_NOOP("orvella::Correspondences", "Path Of Samekh"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Samekh, which means trust and closeness."),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Jupiter"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Tentative Intelligence"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Yellow"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Fire"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Temperance"), 4, "Dagaz",
     "Daaz, Dagr, Daeg, Dagur",
     QT_TRANSLATE_NOOP("orvella::Correspondences",
                       "Light, Enlightenment, Polarity, Awakening, Intuition, Well being"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Light Blue"),
     QT_TRANSLATE_NOOP("orvella::Correspondences", "Odin,Ostara"), nullptr},
}};

constexpr std::array<const char*, SignCount> SignNames{
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Capricorn"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Aquarius"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Pisces"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Aries"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Taurus"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Gemini"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Cancer"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Leo"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Virgo"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Libra"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Scorpio"),
    QT_TRANSLATE_NOOP("orvella::Correspondences", "Sagittarius")};

constexpr std::array<const char*, ArchangelCount> ArchangelNames{
    "Gabriel", "Michael",  "Haniel",   "Raphael",   "Sandalphon",
    "Raziel",  "Metatron", "Tzadqiel", "Tzaphqiel", "Kamael"};

} // namespace

const SphereRow& sphereRow(SphereIndex sphere)
{
    return SphereTable[static_cast<std::size_t>(toInt(sphere))];
}

const SignRow& signRow(SignIndex sign)
{
    return SignTable[static_cast<std::size_t>(toInt(sign))];
}

QString signName(SignIndex sign)
{
    return QString::fromLatin1(SignNames[static_cast<std::size_t>(toInt(sign))]);
}

QString signText(SignIndex sign)
{
    return QCoreApplication::translate("orvella::Correspondences",
                                       SignNames[static_cast<std::size_t>(toInt(sign))]);
}

QString sphereName(SphereIndex sphere)
{
    return QString::fromLatin1(sphereRow(sphere).name);
}

QString archangelName(Archangel angel)
{
    return QString::fromLatin1(ArchangelNames[static_cast<std::size_t>(toInt(angel))]);
}

} // namespace orvella
