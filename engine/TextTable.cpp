#include "TextTable.h"

#include <QFile>
#include <array>

namespace orvella {

namespace {

const char* resourcePath(TextTableId id)
{
    switch (id) {
    case TextTableId::Spheres:
        return ":/texts/spheres.tsv";
    case TextTableId::Archangels:
        return ":/texts/archangels.tsv";
    case TextTableId::Paths:
        return ":/texts/paths.tsv";
    case TextTableId::Personalities:
        return ":/texts/personalities.tsv";
    case TextTableId::Cards:
        return ":/texts/cards.tsv";
    case TextTableId::Runes:
        return ":/texts/runes.tsv";
    case TextTableId::SphereCards:
        return ":/texts/spherecards.tsv";
    }
    return "";
}

TextTable load(TextTableId id)
{
    QFile file(QString::fromLatin1(resourcePath(id)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return TextTable::parse(file.readAll());
}

} // namespace

const TextTable& TextTable::get(TextTableId id)
{
    static const std::array<TextTable, 7> tables{
        load(TextTableId::Spheres),       load(TextTableId::Archangels), load(TextTableId::Paths),
        load(TextTableId::Personalities), load(TextTableId::Cards),      load(TextTableId::Runes),
        load(TextTableId::SphereCards)};
    return tables[static_cast<std::size_t>(id)];
}

TextTable TextTable::parse(QByteArrayView tsv)
{
    TextTable table;
    for (QByteArrayView line : QByteArray(tsv.data(), tsv.size()).split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        table.m_texts.insert(QString::fromLatin1(line.first(tab)),
                             QString::fromLatin1(line.sliced(tab + 1)));
    }
    return table;
}

QString TextTable::text(const QString& key) const
{
    if (const auto it = m_texts.constFind(key); it != m_texts.cend())
        return *it;
    QString joined;
    for (int part = 1;; ++part) {
        const auto it = m_texts.constFind(key + u'.' + QString::number(part));
        if (it == m_texts.cend())
            return joined;
        joined += *it;
    }
}

} // namespace orvella
