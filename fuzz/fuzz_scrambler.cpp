// Any text, taken as UTF-16 code units: every text of allowed codes (0 up to 255 less the
// offset) comes back exactly from scrambling and unscrambling; nothing outside them survives
// unscrambling, whatever is unscrambled; scrambled text is Latin-1 from the offset up.
#include "FuzzCheck.h"
#include "Scrambler.h"

#include <cstring>

using namespace orvella;

namespace {

constexpr char16_t HighestAllowed = 255 - ScrambleOffset;

bool allowedOnly(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() > HighestAllowed)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);

    QString allowed;
    for (QChar c : text)
        if (c.unicode() <= HighestAllowed)
            allowed += c;

    const QString scrambled = ScrambleText(text);
    FUZZ_CHECK(scrambled.size() == allowed.size());
    for (QChar c : scrambled)
        FUZZ_CHECK(c.unicode() >= ScrambleOffset && c.unicode() <= 255);
    FUZZ_CHECK(UnscrambleText(scrambled) == allowed);
    FUZZ_CHECK(ScrambleText(allowed) == scrambled);

    // Unscrambling what was never scrambled, such as a hostile file's line.
    FUZZ_CHECK(allowedOnly(UnscrambleText(text)));
    return 0;
}
