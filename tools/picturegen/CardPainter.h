// The one card design shared by the major trumps and the minor-arcana group cards.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>

class QPainter;

namespace card {

// Trumps and minor groups share the frame but differ in accent colour, so a glance tells
// which family a card belongs to.
enum class Family { Trump, Sphere };

// Logical size of the emblem box: emblems draw in 0..100 both ways and the card maps that
// onto its picture window.
inline constexpr qreal emblemBox = 100.0;

struct Face {
    QString fileName; // without directory, e.g. "the-devil.jpg"
    QString numeral;  // top of the card: "XV", "4", "KINGS"
    QString title;    // banner text in natural case; the banner sets it in small capitals
    Family family = Family::Trump;
    QColor skyTop; // background of the picture window
    QColor skyBottom;
    std::function<void(QPainter&)> emblem;
};

inline constexpr int width = 114;
inline constexpr int height = 150;

// `scale` 2 paints the same card at twice the size.
QImage paint(const Face& face, int scale = 1);

} // namespace card
