#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace orvella {

// The twelve sun signs, in the order every table of the engine uses.
enum class SignIndex : std::int16_t {
    Capricorn,
    Aquarius,
    Pisces,
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
};

inline constexpr int SignCount = 12;

inline constexpr std::array<SignIndex, SignCount> AllSigns{
    SignIndex::Capricorn, SignIndex::Aquarius, SignIndex::Pisces,  SignIndex::Aries,
    SignIndex::Taurus,    SignIndex::Gemini,   SignIndex::Cancer,  SignIndex::Leo,
    SignIndex::Virgo,     SignIndex::Libra,    SignIndex::Scorpio, SignIndex::Sagittarius,
};

constexpr int toInt(SignIndex sign)
{
    return static_cast<int>(sign);
}

// The sign's name in English ("Capricorn"), the key of its long texts.
QString signName(SignIndex sign);

// The sign's name as the reading shows it, in the user's language.
QString signText(SignIndex sign);

using SignResult = std::optional<SignIndex>;

} // namespace orvella
