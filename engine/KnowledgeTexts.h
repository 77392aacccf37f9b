#pragma once

#include "SignIndex.h"
#include "SphereIndex.h"

#include <QString>
#include <array>

namespace orvella {

// The long descriptions the reading draws on: one per sphere (Keter and Da'at included), one
// per archangel and one per zodiac path. Every entry is empty until the first load.
class KnowledgeTexts {
public:
    // Assigns all 33 texts; loading again leaves them as they are.
    void load();

    const QString& sphere(SphereIndex sphere) const;
    const QString& archangel(Archangel angel) const;
    const QString& path(SignIndex sign) const;

private:
    std::array<QString, SphereCount> m_spheres;
    std::array<QString, ArchangelCount> m_archangels;
    std::array<QString, SignCount> m_paths;
};

// The program-wide store that Proceed fills and the drawing's hover reads.
KnowledgeTexts& TheKnowledgeTexts();

// Fills the program-wide store.
void LoadKnowledgeTexts();

} // namespace orvella
