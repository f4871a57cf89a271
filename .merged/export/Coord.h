#pragma once

#include <compare>
#include <cstdint>
#include <limits>

// A whole-number length or coordinate of the geometry. Sums, differences and products wrap
// around in 32 bits, so that extreme sizes give defined numbers instead of undefined
// behaviour; division truncates toward zero.
class Coord {
public:
    constexpr Coord(int32_t value = 0) : m_value(value) {}

    constexpr int32_t Value() const { return m_value; }

    friend constexpr Coord operator+(Coord a, Coord b) { return Wrap(Bits(a) + Bits(b)); }
    friend constexpr Coord operator-(Coord a, Coord b) { return Wrap(Bits(a) - Bits(b)); }
    friend constexpr Coord operator*(Coord a, Coord b) { return Wrap(Bits(a) * Bits(b)); }
    friend constexpr Coord operator/(Coord a, Coord b)
    {
        if (b.m_value == -1)
            return Coord() - a;
        return Coord(a.m_value / b.m_value);
    }
    friend constexpr bool operator==(Coord a, Coord b) = default;
    friend constexpr auto operator<=>(Coord a, Coord b) = default;

private:
    static constexpr uint32_t Bits(Coord c) { return static_cast<uint32_t>(c.m_value); }
    static constexpr Coord Wrap(uint32_t bits) { return Coord(static_cast<int32_t>(bits)); }

    int32_t m_value;
};
