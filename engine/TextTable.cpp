#include "TextTable.h"

#include <QFile>
#include <array>
#include <map>

namespace orvella {

namespace {

constexpr int TableCount = 7;

const char* fileName(TextTableId id)
{
    switch (id) {
    case TextTableId::Spheres:
        return "spheres.tsv";
    case TextTableId::Archangels:
        return "archangels.tsv";
    case TextTableId::Paths:
        return "paths.tsv";
    case TextTableId::Personalities:
        return "personalities.tsv";
    case TextTableId::Cards:
        return "cards.tsv";
    case TextTableId::Runes:
        return "runes.tsv";
    case TextTableId::SphereCards:
        return "spherecards.tsv";
    }
    return "";
}

QString& textLanguage()
{
    static QString language;
    return language;
}

TextTable load(TextTableId id)
{
    const QString name = QString::fromLatin1(fileName(id));
    QFile file(QStringLiteral(":/texts/%1/%2").arg(textLanguage(), name));
    if (textLanguage().isEmpty() || !file.open(QIODevice::ReadOnly)) {
        file.setFileName(QStringLiteral(":/texts/") + name);
        if (!file.open(QIODevice::ReadOnly))
            return {};
    }
    return TextTable::parse(file.readAll());
}

} // namespace

void SetTextLanguage(const QString& language)
{
    textLanguage() = language;
}

const TextTable& TextTable::get(TextTableId id)
{
    // Each language's tables are kept once read: a table is asked for at every reading. A map,
    // whose elements stay where they are, since callers hold on to the table they got.
    static std::map<QString, std::array<TextTable, TableCount>> languages;
    auto it = languages.find(textLanguage());
    if (it == languages.end()) {
        std::array<TextTable, TableCount> tables;
        for (int i = 0; i < TableCount; ++i)
            tables[static_cast<std::size_t>(i)] = load(static_cast<TextTableId>(i));
        it = languages.emplace(textLanguage(), std::move(tables)).first;
    }
    return it->second[static_cast<std::size_t>(id)];
}

TextTable TextTable::parse(QByteArrayView tsv)
{
    TextTable table;
    for (QByteArrayView line : QByteArray(tsv.data(), tsv.size()).split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        table.m_texts.insert(QString::fromUtf8(line.first(tab)),
                             QString::fromUtf8(line.sliced(tab + 1)));
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
