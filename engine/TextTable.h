#pragma once

#include <QHash>
#include <QString>

namespace orvella {

// The long texts of the program live as resources, one table per kind of text: a line per
// text, its key and the text separated by a tab. A text stored in parts ("Aries.1",
// "Aries.2") is shown as the parts joined with nothing between them.
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
    // The table as compiled into the program; read once, then kept.
    static const TextTable& get(TextTableId id);

    static TextTable parse(QByteArrayView tsv);

    // The text under the key, or its parts joined; empty when the key is unknown.
    QString text(const QString& key) const;

private:
    QHash<QString, QString> m_texts;
};

} // namespace orvella
