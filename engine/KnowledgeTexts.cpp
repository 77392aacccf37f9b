#include "KnowledgeTexts.h"

#include "TextTable.h"

namespace orvella {

namespace {

template <typename Array, typename Index> auto& at(Array& array, Index index)
{
    return array[static_cast<std::size_t>(toInt(index))];
}

} // namespace

void KnowledgeTexts::load()
{
    using S = SphereIndex;
    const TextTable& spheres = TextTable::get(TextTableId::Spheres);
    for (S sphere : {S::Malkhuth, S::Yesod, S::Hod, S::Netzach, S::Tiphereth, S::Gevurah, S::Chesed,
                     S::Binah, S::Chokmah, S::Keter, S::Daat})
        at(m_spheres, sphere) = spheres.text(sphereName(sphere));

    using A = Archangel;
    const TextTable& angels = TextTable::get(TextTableId::Archangels);
    for (A angel : {A::Gabriel, A::Michael, A::Haniel, A::Raphael, A::Sandalphon, A::Raziel,
                    A::Metatron, A::Tzadqiel, A::Tzaphqiel, A::Kamael})
        at(m_archangels, angel) = angels.text(archangelName(angel));

    using Z = SignIndex;
    const TextTable& paths = TextTable::get(TextTableId::Paths);
    for (Z sign : {Z::Aries, Z::Taurus, Z::Gemini, Z::Cancer, Z::Leo, Z::Virgo, Z::Libra,
                   Z::Scorpio, Z::Sagittarius, Z::Capricorn, Z::Aquarius, Z::Pisces})
        at(m_paths, sign) = paths.text(signName(sign));
}

const QString& KnowledgeTexts::sphere(SphereIndex sphere) const
{
    return at(m_spheres, sphere);
}

const QString& KnowledgeTexts::archangel(Archangel angel) const
{
    return at(m_archangels, angel);
}

const QString& KnowledgeTexts::path(SignIndex sign) const
{
    return at(m_paths, sign);
}

KnowledgeTexts& TheKnowledgeTexts()
{
    // Program-wide: the texts are the program's own, the same for every reading and window; each
    // Proceed loads them afresh into the one set.
    static KnowledgeTexts texts;
    return texts;
}

void LoadKnowledgeTexts()
{
    TheKnowledgeTexts().load();
}

} // namespace orvella
