#include "PictureList.h"

#include <algorithm>

namespace orvella {

namespace {

struct KeyAndFile {
    const char* key;
    const char* file;
    const char* shows; // what the picture shows, in words
};

template <std::size_t N>
std::vector<PictureList::Entry> entries(const char* folder, const KeyAndFile (&items)[N])
{
    std::vector<PictureList::Entry> result;
    result.reserve(N);
    for (const KeyAndFile& item : items)
        result.push_back({QString::fromLatin1(item.key),
                          QStringLiteral(":/pictures/%1/%2")
                              .arg(QLatin1StringView(folder), QLatin1StringView(item.file)),
                          QString::fromLatin1(item.shows)});
    return result;
}

// The card pictures lie in alphabetical order of the card names.
constexpr KeyAndFile PathCards[] = {
    {"Death", "death.jpg", "Death, card XIII"},
    {"Justice", "justice.jpg", "Justice, card XI"},
    {"Strength", "strength.jpg", "Strength, card VIII"},
    {"Temperance", "temperance.jpg", "Temperance, card XIV"},
    {"The Chariot", "the-chariot.jpg", "The Chariot, card VII"},
    {"The Devil", "the-devil.jpg", "The Devil, card XV"},
    {"The Emperor", "the-emperor.jpg", "The Emperor, card IV"},
    {"The Hermit", "the-hermit.jpg", "The Hermit, card IX"},
    {"The Hierophant", "the-hierophant.jpg", "The Hierophant, card V"},
    {"The Lovers", "the-lovers.jpg", "The Lovers, card VI"},
    {"The Moon", "the-moon.jpg", "The Moon, card XVIII"},
    {"The Star", "the-star.jpg", "The Star, card XVII"},
};

// The keys are kept as the lists have always had them; stored files never refer to them, but
// they name each picture in the list.
constexpr KeyAndFile SphereCards[] = {
    {"The Aces", "the-aces.jpg", "The Aces, minor arcana"},
    {"The Eights", "the-eights.jpg", "The Eights, minor arcana"},
    {"3The Fives.jpg", "the-fives.jpg", "The Fives, minor arcana"},
    {"4The Fours.jpg", "the-fours.jpg", "The Fours, minor arcana"},
    {"5The Kings.jpg", "the-kings.jpg", "The Kings, minor arcana"},
    {"6The Nines.jpg", "the-nines.jpg", "The Nines, minor arcana"},
    {"7The Pages.jpg", "the-pages.jpg", "The Pages, minor arcana"},
    {"8The Queens.jpg", "the-queens.jpg", "The Queens, minor arcana"},
    {"9The Sevens1.jpg", "the-sevens.jpg", "The Sevens, minor arcana"},
    {"10The Sixes.jpg", "the-sixes.jpg", "The Sixes, minor arcana"},
    {"11The Tens.jpg", "the-tens.jpg", "The Tens, minor arcana"},
};

// The rune pictures lie in sign order, Capricorn first.
constexpr KeyAndFile Stones[] = {
    {"nauthiz.jpg", "nauthiz.jpg", "Nauthiz rune stone"},
    {"laguz.jpg", "laguz.jpg", "Laguz rune stone"},
    {"othala.jpg", "othala.jpg", "Othala rune stone"},
    {"thurisaz.jpg", "thurisaz.jpg", "Thurisaz rune stone"},
    {"raidho.jpg", "raidho.jpg", "Raidho rune stone"},
    {"ehwas.jpg", "ehwaz.jpg", "Ehwaz rune stone"},
    {"kenaz.jpg", "kenaz.jpg", "Kenaz rune stone"},
    {"wunjo.jpg", "wunjo.jpg", "Wunjo rune stone"},
    {"isa.jpg", "isa.jpg", "Isa rune stone"},
    {"tiwas.jpg", "tiwaz.jpg", "Tiwaz rune stone"},
    {"ansuz.jpg", "ansuz.jpg", "Ansuz rune stone"},
    {"dagaz.jpg", "dagaz.jpg", "Dagaz rune stone"},
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

QString PictureList::shows(int position) const
{
    const Entry* e = entry(position);
    return e ? e->shows : QString();
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

QString pictureDescription(const PictureRef& ref)
{
    return PictureList::get(ref.list).shows(ref.position);
}

} // namespace orvella
