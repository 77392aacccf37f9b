#pragma once

#include <QString>
#include <vector>

namespace orvella {

enum class PictureListId {
    IMGPathsCard,
    IMGSephirothsOneCard,
    IMGSephirothsTwoCard,
    IMGStone,
};

// A picture named by its list and its 1-based position in that list.
struct PictureRef {
    PictureListId list = PictureListId::IMGPathsCard;
    int position = 0;

    friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

// An ordered, 1-based list of pictures, each stored under a key. The pictures themselves
// are resources; the list knows where each one lives.
class PictureList {
public:
    struct Entry {
        QString key;
        QString resource;
        QString shows; // what the picture shows, for a screen reader: "The Devil, card XV"
    };

    static const PictureList& get(PictureListId id);

    explicit PictureList(std::vector<Entry> entries);

    int count() const { return static_cast<int>(m_entries.size()); }
    // Empty for a position outside 1..count().
    QString key(int position) const;
    QString resource(int position) const;
    QString shows(int position) const;
    // The 1-based position of the key, or 0 when the list has no such key.
    int positionOf(const QString& key) const;

private:
    const Entry* entry(int position) const;

    std::vector<Entry> m_entries;
};

QString pictureResource(const PictureRef& ref);
// What the picture shows, in words; empty for a position the list does not have.
QString pictureDescription(const PictureRef& ref);

} // namespace orvella
