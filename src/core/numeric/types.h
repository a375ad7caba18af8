// What the library knows about each element type of the interface, written
// once: a family asks ElementTraits<T> (or the short helpers below) instead
// of keeping its own table of widths, part types and bounds.
//
//   Part       the type of one part: T itself for real types, the type of
//              re and im for complex ones
//   bytes      sizeof(T); parts: 1 or 2
//   complex, floating, is_signed   of the parts
//   lo, hi     the ordered extremes of a part: the range of an integer
//              part, -inf and +inf for a floating-point part (no value
//              passes them strictly)
//   hi_bits    integer parts: hi + 1 == 2^hi_bits
//   Wide       a type that holds the sum, difference or product of two
//              parts: exactly for integer parts (64 bits for parts up to
//              32 bits, 128 for 64-bit parts), without overflow and
//              rounded at most once for floating-point parts (double for
//              float parts, long double for double parts)
//   Acc        the type a sum of many parts is kept in: 64-bit integers for
//              integer parts up to 32 bits (128 for 64-bit parts), double
//              for floating-point parts
//   Bits       the unsigned integer of the same width as T, for bit
//              patterns (keys, raw copies)
//
// Only numeric element types have traits (Vdx8u .. Vdx64fc); the storage
// formats Vdx16f, Vdx24u and Vdx24s have none, so a family that forgets
// them fails to compile rather than guess.
//
// The traits are types and constants only: kernel sources, compiled once
// per instruction set, may use them freely (nothing is ever emitted as code
// that the variants could share).  member_of_type at the end is for glue.
#pragma once

#include <cstdint>
#include <type_traits>

#include "vdxs.h"

namespace vdx {

using i128 = __int128;
using u128 = unsigned __int128;

namespace types_detail {

template <int Bytes>
struct UnsignedOf;
template <>
struct UnsignedOf<1> {
    using type = std::uint8_t;
};
template <>
struct UnsignedOf<2> {
    using type = std::uint16_t;
};
template <>
struct UnsignedOf<4> {
    using type = std::uint32_t;
};
template <>
struct UnsignedOf<8> {
    using type = std::uint64_t;
};
template <>
struct UnsignedOf<16> {
    using type = u128;
};

// One row per kind of element; the specialisations below pick a row.
template <class T, T Lo, T Hi, int HiBits>
struct IntegerRow {
    using Part = T;
    using Wide = std::conditional_t<(sizeof(T) < 8), std::int64_t, i128>;
    using Acc = Wide;
    using Bits = typename UnsignedOf<sizeof(T)>::type;
    static constexpr int bytes = sizeof(T), parts = 1;
    static constexpr bool complex = false, floating = false, is_signed = Lo < 0;
    static constexpr T lo = Lo, hi = Hi;
    static constexpr int hi_bits = HiBits;
};

template <class F, class WideF>
struct FloatRow {
    using Part = F;
    using Wide = WideF;
    using Acc = double;
    using Bits = typename UnsignedOf<sizeof(F)>::type;
    static constexpr int bytes = sizeof(F), parts = 1;
    static constexpr bool complex = false, floating = true, is_signed = true;
    static constexpr F lo = -F(__builtin_inf()), hi = F(__builtin_inf());
};

// A complex type is two parts: it answers for its parts, except for its own
// width and bit pattern.
template <class C, class PartTraits>
struct ComplexRow : PartTraits {
    using Bits = typename UnsignedOf<sizeof(C)>::type;
    static constexpr int bytes = sizeof(C), parts = 2;
    static constexpr bool complex = true;
};

}  // namespace types_detail

template <class T>
struct ElementTraits;

#define VDX_INTEGER_ELEMENT(T, lo, hi, hi_bits) \
    template <>                                 \
    struct ElementTraits<T> : types_detail::IntegerRow<T, lo, hi, hi_bits> {};
VDX_INTEGER_ELEMENT(Vdx8u, 0, 255, 8)
VDX_INTEGER_ELEMENT(Vdx8s, -128, 127, 7)
VDX_INTEGER_ELEMENT(Vdx16u, 0, 65535, 16)
VDX_INTEGER_ELEMENT(Vdx16s, -32768, 32767, 15)
VDX_INTEGER_ELEMENT(Vdx32u, 0, 4294967295u, 32)
VDX_INTEGER_ELEMENT(Vdx32s, -2147483647 - 1, 2147483647, 31)
VDX_INTEGER_ELEMENT(Vdx64u, 0, 18446744073709551615ull, 64)
VDX_INTEGER_ELEMENT(Vdx64s, -9223372036854775807LL - 1, 9223372036854775807LL, 63)
#undef VDX_INTEGER_ELEMENT

template <>
struct ElementTraits<Vdx32f> : types_detail::FloatRow<Vdx32f, double> {};
template <>
struct ElementTraits<Vdx64f> : types_detail::FloatRow<Vdx64f, long double> {};

#define VDX_COMPLEX_ELEMENT(C, P) \
    template <>                   \
    struct ElementTraits<C> : types_detail::ComplexRow<C, ElementTraits<P>> {};
VDX_COMPLEX_ELEMENT(Vdx8sc, Vdx8s)
VDX_COMPLEX_ELEMENT(Vdx16sc, Vdx16s)
VDX_COMPLEX_ELEMENT(Vdx32sc, Vdx32s)
VDX_COMPLEX_ELEMENT(Vdx64sc, Vdx64s)
VDX_COMPLEX_ELEMENT(Vdx32fc, Vdx32f)
VDX_COMPLEX_ELEMENT(Vdx64fc, Vdx64f)
#undef VDX_COMPLEX_ELEMENT

// Short forms.
template <class T>
using PartOf = typename ElementTraits<T>::Part;
template <class T>
using WideOf = typename ElementTraits<T>::Wide;
template <class T>
using AccOf = typename ElementTraits<T>::Acc;
template <class T>
using BitsOf = typename ElementTraits<T>::Bits;
template <class T>
inline constexpr bool is_complex = ElementTraits<T>::complex;
template <class T>
inline constexpr bool is_floating = ElementTraits<T>::floating;

// ---------------------------------------------------------------- tables with one member per type

namespace types_detail {

template <class P>
struct MemberPointer;
template <class M, class Table>
struct MemberPointer<M Table::*> {
    using type = M;
};

template <class Wanted, auto First, auto... Rest>
constexpr auto member_of_type() noexcept {
    if constexpr (std::is_same_v<typename MemberPointer<decltype(First)>::type, Wanted>) {
        return First;
    } else {
        static_assert(sizeof...(Rest) > 0, "the table has no member of this type");
        return member_of_type<Wanted, Rest...>();
    }
}

}  // namespace types_detail

// The member of a kernel table whose type is Wanted, among the members
// listed; a family writes its list once:
//   template <class T>
//   const ExtremaKernels<T>& extrema(const ReduceKernels& k) noexcept {
//       return vdx::member_of_type<ExtremaKernels<T>, &ReduceKernels::x8u, &ReduceKernels::x16u, ...>(k);
//   }
// The choice is made at compile time; a type without a member does not
// compile.  For glue code (kernel sources have no use for it).
template <class Wanted, auto... Members, class Table>
constexpr const Wanted& member_of_type(const Table& table) noexcept {
    return table.*types_detail::member_of_type<Wanted, Members...>();
}

}  // namespace vdx
