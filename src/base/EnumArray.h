#pragma once
// A fixed array with one element per value of a scoped enum, indexed by the enum itself.
#include <array>
#include <cstddef>
#include <type_traits>

namespace etp {

// Position of an enumerator among its enum's values (they count up from 0).
template <class E>
    requires std::is_enum_v<E>
constexpr std::size_t Index(E value)
{
    return static_cast<std::size_t>(static_cast<std::underlying_type_t<E>>(value));
}

template <class E, class T, std::size_t N>
struct EnumArray {
    std::array<T, N> values{};

    constexpr T& operator[](E e) { return values[Index(e)]; }
    constexpr const T& operator[](E e) const { return values[Index(e)]; }
    constexpr auto begin() { return values.begin(); }
    constexpr auto end() { return values.end(); }
    constexpr auto begin() const { return values.begin(); }
    constexpr auto end() const { return values.end(); }
    friend constexpr bool operator==(const EnumArray&, const EnumArray&) = default;
};

} // namespace etp
