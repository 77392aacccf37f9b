#include "Correspondences.h"

namespace orvella {

namespace {

using A = Archangel;
using S = SphereIndex;

constexpr std::array<SphereRow, SphereCount> SphereTable{{
    {"Keter", "1st", "", "Metatron", A::Metatron, "", "", "", "", "", "", 0, ""},
    {"Chokmah", "2nd", "Uranus", "Raziel", A::Raziel, "", "Gray or Silver", "Musk",
     "Wisdom, Revelation", "", "The Kings", 5, "Kings"},
    {"Binah", "3rd", "Saturn", "Tzaphqiel", A::Tzaphqiel, "Saturday", "Black", "Pine or Juniper",
     "Understanding, Intelligence, Reason", "Lead", "The Queens", 8, "Queens"},
    {"Chesed", "4th", "Jupiter", "Tzadqiel", A::Tzadqiel, "Thursday", "Blue", "Oak",
     "Love, Kindness, Mercy", "Tin", "The Fours", 4, "Fours"},
    {"Gevurah", "5th", "Mars", "Kamael", A::Kamael, "Tuesday", "Red", "Cedar", "Restraint, Justice",
     "Iron", "The Fives", 3, "Fives"},
    {"Tiphereth", "6th", "Sun", "Raphael", A::Raphael, "Sunday", "Gold or Yellow", "Laurel",
     "Beauty, Equilibirum", "Gold", "The Sixes", 10, "Sixes"},
    {"Netzach", "7th", "Venus", "Haniel", A::Haniel, "Friday", "Green", "Myrtle",
     "Victory, Endurance, Prophecy, Eternity", "Copper", "The Sevens", 9, "Sevens"},
    {"Hod", "8th", "Mercury", "Micheal", A::Michael, "Wednesday", "Purple, Brown", "Hazelwood",
     "Splendour, Truthfulness, Communication", "Mercury/ Quicksilver", "The Eights", 2, "Eights"},
    {"Yesod", "9th", "Moon", "Gabriel", A::Gabriel, "Monday", "Gray or Silver", "Willow",
     "Foundation, Passion, Truth", "Silver", "The Nines", 6, "Nines"},
    {"Malkhuth", "10th", "Earth", "Sandalphon", A::Sandalphon, "", "", "", "Kingdom, Beginnings",
     "", "The Tens", 11, "Tens"},
    {"Daat", "", "", "", A::Metatron, "", "", "", "", "", "", 0, ""},
}};

constexpr std::array<SignRow, SignCount> SignTable{{
    {S::Tiphereth, S::Hod, "Path Of Ayin", "Ayin, which means eye", "Saturn",
     "Renovating intelligence", "Black", "Earth", "The Devil", 6, "Nauthiz",
     "Noicz, Naud, Naudr, Nied", "Need, Help, Resistance, Love", "Black", "Nornir,Etins", nullptr},
    {S::Netzach, S::Yesod, "Path Of Tzaddi", "Tzaddi, which means hook.", "Uranus / Saturn",
     "Constituting Intelligence", "Red", "Earth", "The Star", 12, "Laguz",
     "Laaz, Logr, Lagu, Logur, Laukr", "Fluidity, Life Force, Birth", "Deep Green", "Njord,Balder",
     nullptr},
    {S::Netzach, S::Malkhuth, "Path Of Qoph", "Qoph, which means back of the head", "Moon",
     "Corporeal Intelligence", "Buff", "Water", "The Moon", 11, "Othala", "Utal, Odal, Otael",
     "Ancestry, Prosperity, Inheritance, Family", "Deep Yellow", "Odin,Thor", nullptr},
    {S::Chokmah, S::Tiphereth, "Path Of He", "Heh, which means window", "Mars",
     "Natural intelligence", "Light blue", "Fire", "The Emperor", 7, "Thurisaz",
     "Thuith, Thorn, Thurs", "Protection, Action, Destruction, Willpower", "Bright Red", "Thor",
     nullptr},
    {S::Chokmah, S::Chesed, "Path Of Vau", "Vau, which means nail", "Venus",
     "Triumphal intelligence", "Indigo", "Earth", "The Hierophant", 9, "Raidho",
     "Raidha, Rad, Raid", "Rhythm, Movement, Travel, Spiritual", "Bright Red", "Forseti", nullptr},
    {S::Binah, S::Tiphereth, "Path Of Zaini", "Zain, which means sword or the male sex organ",
     "Mercury", "Disposing intelligence", "Mauve", "Air", "The Lovers", 10, "Ehwaz",
     "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol", "Duality, Movement, Partnership, Interaction, Harmony",
     "White", "Freya,Freyr,Aclis", nullptr},
    {S::Binah, S::Gevurah, "Path Of Cheth", "Cheth, which means chariot", "Moon",
     "Influencing Intelligence", "Maroon", "Water", "The Chariot", 5, "Kenaz",
     "Kusma, Cen, Kaun, Kaunaz", "Knowledge, Fire, Guiding Light, Fertility", "Light Red",
     "Freya,Dwarves", nullptr},
    {S::Chesed, S::Gevurah, "Path Of Teth", "Teth, which means coiled serpent", "Sun",
     "Spiritual Intelligence", "Deep purple", "Air", "Strength", 3, "Wunjo",
     "Uuinne, Vend, Wynn, Vin", "Joy, Pleasure, Hope, Fellowship", "Yellow", "Freyr,Elves",
     nullptr},
    {S::Chesed, S::Tiphereth, "Path Of Yod", "Yod, which means sperm of God.", "Mercury",
     "Willful Intelligence", "Slate gray", "Air", "The Hermit", 8, "Isa", "Icz, Iss, Is",
     "Constraint, Massive Force, Gradual Integration, Delay", "Black", "Rime Thurses", nullptr},
    {S::Gevurah, S::Tiphereth, "Path Of Lamed", "Lamed, which means to teach.", "Venus",
     "Faithful Intelligence", "Blue", "Air", "Justice", 2, "Tiwaz", "Tys, Tyr, Tir, Tiw, Ty",
     "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty", "Bright Red", "Tyr,Mani",
     nullptr},
    {S::Tiphereth, S::Netzach, "Path Of Nun", "Nun, which means fish.", "Mars",
     "Imaginative Intelligence", "Brown", "Fire", "Death", 1, "Ansuz", "Os, Ass, Ansur",
     "Rebirth, Knowledge, Communication, Justice", "Dark Blue,Light Red", "Odin,Freya,Dwarves",
     "Sevens.2"},
    {S::Tiphereth, S::Yesod, "Path Of Samekh", "Samekh, which means trust and closeness.",
     "Jupiter", "Tentative Intelligence", "Yellow", "Fire", "Temperance", 4, "Dagaz",
     "Daaz, Dagr, Daeg, Dagur", "Light, Enlightenment, Polarity, Awakening, Intuition, Well being",
     "Light Blue", "Odin,Ostara", nullptr},
}};

constexpr std::array<const char*, SignCount> SignNames{
    "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus",  "Gemini",
    "Cancer",    "Leo",      "Virgo",  "Libra", "Scorpio", "Sagittarius"};

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

QString sphereName(SphereIndex sphere)
{
    return QString::fromLatin1(sphereRow(sphere).name);
}

QString archangelName(Archangel angel)
{
    return QString::fromLatin1(ArchangelNames[static_cast<std::size_t>(toInt(angel))]);
}

} // namespace orvella
