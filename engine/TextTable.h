#pragma once

#include <QHash>
#include <QString>

namespace orvella {

// The long texts of the program live as resources, one table per kind of text: a line per
// text, its key and the text separated by a tab, in UTF-8. A text stored in parts ("Aries.1",
// "Aries.2") is shown as the parts joined with nothing between them. The English tables are
// in :/texts; a language's own, with the same keys, in :/texts/<language>.
enum class TextTableId {
    Spheres,
    Archangels,
    Paths,
    Personalities,
    Cards,
    Runes,
    SphereCards,
};

class TextTable {
public:
    // The table as compiled into the program, in the language of SetTextLanguage, or the
    // English one where that language has none; read once, then kept.
    static const TextTable& get(TextTableId id);

    static TextTable parse(QByteArrayView tsv);

    // The text under the key, or its parts joined; empty when the key is unknown.
    QString text(const QString& key) const;

private:
    QHash<QString, QString> m_texts;
};

// The language the long texts are read in ("de"); empty, the default, for English. Chosen at
// start-up, before the first text is read.
void SetTextLanguage(const QString& language);

} // namespace orvella
