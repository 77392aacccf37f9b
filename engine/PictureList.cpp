#include "PictureList.h"

#include <algorithm>

namespace orvella {

namespace {

struct KeyAndFile {
    const char* key;
    const char* file;
};

template <std::size_t N>
std::vector<PictureList::Entry> entries(const char* folder, const KeyAndFile (&items)[N])
{
    std::vector<PictureList::Entry> result;
    result.reserve(N);
    for (const KeyAndFile& item : items)
        result.push_back({QString::fromLatin1(item.key),
                          QStringLiteral(":/pictures/%1/%2")
                              .arg(QLatin1StringView(folder), QLatin1StringView(item.file))});
    return result;
}

// The card pictures lie in alphabetical order of the card names.
constexpr KeyAndFile PathCards[] = {
    {"Death", "death.jpg"},
    {"Justice", "justice.jpg"},
    {"Strength", "strength.jpg"},
    {"Temperance", "temperance.jpg"},
    {"The Chariot", "the-chariot.jpg"},
    {"The Devil", "the-devil.jpg"},
    {"The Emperor", "the-emperor.jpg"},
    {"The Hermit", "the-hermit.jpg"},
    {"The Hierophant", "the-hierophant.jpg"},
    {"The Lovers", "the-lovers.jpg"},
    {"The Moon", "the-moon.jpg"},
    {"The Star", "the-star.jpg"},
};

// The keys are kept as the lists have always had them; stored files never refer to them, but
// they name each picture in the list.
constexpr KeyAndFile SphereCards[] = {
    {"The Aces", "the-aces.jpg"},           {"The Eights", "the-eights.jpg"},
    {"3The Fives.jpg", "the-fives.jpg"},    {"4The Fours.jpg", "the-fours.jpg"},
    {"5The Kings.jpg", "the-kings.jpg"},    {"6The Nines.jpg", "the-nines.jpg"},
    {"7The Pages.jpg", "the-pages.jpg"},    {"8The Queens.jpg", "the-queens.jpg"},
    {"9The Sevens1.jpg", "the-sevens.jpg"}, {"10The Sixes.jpg", "the-sixes.jpg"},
    {"11The Tens.jpg", "the-tens.jpg"},
};

// The rune pictures lie in sign order, Capricorn first.
constexpr KeyAndFile Stones[] = {
    {"nauthiz.jpg", "nauthiz.jpg"},   {"laguz.jpg", "laguz.jpg"},   {"othala.jpg", "othala.jpg"},
    {"thurisaz.jpg", "thurisaz.jpg"}, {"raidho.jpg", "raidho.jpg"}, {"ehwas.jpg", "ehwaz.jpg"},
    {"kenaz.jpg", "kenaz.jpg"},       {"wunjo.jpg", "wunjo.jpg"},   {"isa.jpg", "isa.jpg"},
    {"tiwas.jpg", "tiwaz.jpg"},       {"ansuz.jpg", "ansuz.jpg"},   {"dagaz.jpg", "dagaz.jpg"},
};

} // namespace

const PictureList& PictureList::get(PictureListId id)
{
    static const PictureList paths(entries("paths", PathCards));
    static const PictureList spheres(entries("spheres", SphereCards));
    static const PictureList stones(entries("runes", Stones));
    switch (id) {
    case PictureListId::IMGPathsCard:
        return paths;
    case PictureListId::IMGSephirothsOneCard:
    case PictureListId::IMGSephirothsTwoCard:
        return spheres;
    case PictureListId::IMGStone:
        return stones;
    }
    return paths;
}

PictureList::PictureList(std::vector<Entry> entries)
    : m_entries(std::move(entries))
{}

const PictureList::Entry* PictureList::entry(int position) const
{
    if (position < 1 || position > count())
        return nullptr;
    return &m_entries[static_cast<std::size_t>(position - 1)];
}

QString PictureList::key(int position) const
{
    const Entry* e = entry(position);
    return e ? e->key : QString();
}

QString PictureList::resource(int position) const
{
    const Entry* e = entry(position);
    return e ? e->resource : QString();
}

int PictureList::positionOf(const QString& key) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& e) { return e.key == key; });
    return it == m_entries.end() ? 0 : static_cast<int>(it - m_entries.begin()) + 1;
}

QString pictureResource(const PictureRef& ref)
{
    return PictureList::get(ref.list).resource(ref.position);
}

} // namespace orvella
