// A set of up to eight members of a small scoped enumeration, held in one
// byte: member n is bit 1 << n. Two sets of the program are made from it,
// the castling rights and the border sides that carry coordinates; both are
// plain values that the search thread may copy.
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename Member, int MemberCount>
class FlagSet {
    static_assert(MemberCount > 0 && MemberCount <= 8);
    static constexpr std::uint8_t AllBits = static_cast<std::uint8_t>((1u << MemberCount) - 1);

public:
    constexpr explicit FlagSet(std::uint8_t bits = 0) : bits_(static_cast<std::uint8_t>(bits & AllBits)) {}
    constexpr FlagSet(std::initializer_list<Member> members)
    {
        for (Member m : members)
            Include(m);
    }
    static constexpr FlagSet All() { return FlagSet(AllBits); }

    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Contains(Member m) const { return (bits_ & Bit(m)) != 0; }
    constexpr void Include(Member m) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(m)); }
    constexpr void Exclude(Member m) { bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(m)); }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr bool operator==(FlagSet a, FlagSet b) { return a.bits_ == b.bits_; }

private:
    static constexpr std::uint8_t Bit(Member m) { return static_cast<std::uint8_t>(1u << static_cast<int>(m)); }
    std::uint8_t bits_ = 0;
};
