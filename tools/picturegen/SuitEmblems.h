// The minor-arcana group cards: one card for all four suits of a rank or a court figure.
#pragma once

#include "CardPainter.h"

#include <QList>
#include <QPointF>

class QPainter;

namespace suits {

enum class Suit { Wands, Cups, Swords, Pentacles };

// Draws one suit sign centred on `centre`, about `size` units tall.
void drawPip(QPainter& p, Suit suit, QPointF centre, qreal size);

QList<card::Face> faces();

} // namespace suits
