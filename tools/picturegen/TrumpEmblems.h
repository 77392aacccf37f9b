// The twelve zodiacal trumps of the major arcana (Golden Dawn numbering).
#pragma once

#include "CardPainter.h"

#include <QList>

namespace trumps {

QList<card::Face> faces();

} // namespace trumps
