// Fast paths of the arithmetic family for integer members: specialisations
// of the Fast* templates of arith_fast.h.
//
// Covered: Vdx8u, Vdx16s, Vdx16u and Vdx32s with the same type for both
// operands and the destination, under the rules Sat and Sfs (add, sub, sub
// swapped, mul) and Quotient (plain and swapped), in both shapes; and the
// widening members Add_8u16u, Mul_8u16u, Add_16s32s_I and Mul_16s32s_Sfs.  The swapped
// two-vector forms hand the operands over in the order of the operation
// (second minus first, second over first); the swapped constant forms use
// the constant-first kernels.  Sat is Sfs with sf = 0.  Everything else
// (complex parts, 64-bit elements, the other mixed types, multiply-accumulate)
// stays with the scalar rules.
#pragma once

#include <type_traits>

#include "runtime/isa.h"
#include "vector/arith_fast.h"
#include "vector/arith_int_kernels.h"

namespace vdx::arith {

namespace int_fast {

// The kernels of the variant this process runs.
inline const ArithIntKernels& kernels() noexcept {
    return Variant<ArithIntKernels, &arith_int_kernels_variants>::table();
}

template <class T>
inline constexpr bool covered =
    std::is_same_v<T, Vdx8u> || std::is_same_v<T, Vdx16s> || std::is_same_v<T, Vdx16u> || std::is_same_v<T, Vdx32s>;

template <class T>
inline const IntArithOps<T>& ops() noexcept {
    return member_of_type<IntArithOps<T>, &ArithIntKernels::u8, &ArithIntKernels::s16, &ArithIntKernels::u16,
                          &ArithIntKernels::s32>(kernels());
}

// x OP y (Swap = false) or y OP x (Swap = true) over two vectors; sf as given.
template <Op O, bool Swap, class T>
inline bool two_vectors(const T* x, const T* y, T* d, int n, int sf) noexcept {
    const IntArithOps<T>& k = ops<T>();
    const T* a = Swap ? y : x;
    const T* b = Swap ? x : y;
    if constexpr (O == Op::add) k.add(a, b, d, n, sf);
    else if constexpr (O == Op::sub) k.sub(a, b, d, n, sf);
    else k.mul(a, b, d, n, sf);
    return false;
}

// x OP c (Swap = false) or c OP x (Swap = true).
template <Op O, bool Swap, class T>
inline bool vector_constant(const T* x, T c, T* d, int n, int sf) noexcept {
    const IntArithOps<T>& k = ops<T>();
    if constexpr (O == Op::add) k.add_c(x, c, d, n, sf);
    else if constexpr (O == Op::mul) k.mul_c(x, c, d, n, sf);
    else if constexpr (Swap) k.sub_rev_c(x, c, d, n, sf);
    else k.sub_c(x, c, d, n, sf);
    return false;
}

}  // namespace int_fast

template <Op O, bool Swap, class T>
requires int_fast::covered<T>
struct FastTwoVectors<Sfs<O, Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, const T* y, T* d, int n, const Ctx& c) noexcept {
        return int_fast::two_vectors<O, Swap>(x, y, d, n, c.sf);
    }
};

template <Op O, bool Swap, class T>
requires int_fast::covered<T>
struct FastTwoVectors<Sat<O, Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, const T* y, T* d, int n, const Ctx&) noexcept {
        return int_fast::two_vectors<O, Swap>(x, y, d, n, 0);
    }
};

template <Op O, bool Swap, class T>
requires int_fast::covered<T>
struct FastVectorConstant<Sfs<O, Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, T k, T* d, int n, const Ctx& c) noexcept {
        return int_fast::vector_constant<O, Swap>(x, k, d, n, c.sf);
    }
};

template <Op O, bool Swap, class T>
requires int_fast::covered<T>
struct FastVectorConstant<Sat<O, Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, T k, T* d, int n, const Ctx&) noexcept {
        return int_fast::vector_constant<O, Swap>(x, k, d, n, 0);
    }
};

// Second over first (Swap) or first over second.
template <bool Swap, class T>
requires int_fast::covered<T>
struct FastTwoVectors<Quotient<Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, const T* y, T* d, int n, const Ctx& c) noexcept {
        return Swap ? int_fast::ops<T>().div(y, x, d, n, c) : int_fast::ops<T>().div(x, y, d, n, c);
    }
};

// Constant over element (Swap) or element over constant.
template <bool Swap, class T>
requires int_fast::covered<T>
struct FastVectorConstant<Quotient<Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, T k, T* d, int n, const Ctx& c) noexcept {
        return Swap ? int_fast::ops<T>().div_rev_c(x, k, d, n, c) : int_fast::ops<T>().div_c(x, k, d, n, c);
    }
};

// Members with a wider destination: Add_8u16u, Mul_8u16u, Add_16s32s_I, Mul_16s32s_Sfs.
template <>
struct FastTwoVectors<Sat<Op::add>, Vdx8u, Vdx8u, Vdx16u> {
    static constexpr bool available = true;
    static bool run(const Vdx8u* x, const Vdx8u* y, Vdx16u* d, int n, const Ctx&) noexcept {
        int_fast::kernels().widening.add_8u16u(x, y, d, n);
        return false;
    }
};

template <>
struct FastTwoVectors<Sat<Op::mul>, Vdx8u, Vdx8u, Vdx16u> {
    static constexpr bool available = true;
    static bool run(const Vdx8u* x, const Vdx8u* y, Vdx16u* d, int n, const Ctx&) noexcept {
        int_fast::kernels().widening.mul_8u16u(x, y, d, n);
        return false;
    }
};

template <>
struct FastTwoVectors<Sat<Op::add>, Vdx16s, Vdx32s, Vdx32s> {
    static constexpr bool available = true;
    static bool run(const Vdx16s* x, const Vdx32s* y, Vdx32s* d, int n, const Ctx&) noexcept {
        int_fast::kernels().widening.add_16s32s(x, y, d, n);
        return false;
    }
};

template <>
struct FastTwoVectors<Sfs<Op::mul>, Vdx16s, Vdx16s, Vdx32s> {
    static constexpr bool available = true;
    static bool run(const Vdx16s* x, const Vdx16s* y, Vdx32s* d, int n, const Ctx& c) noexcept {
        int_fast::kernels().widening.mul_16s32s(x, y, d, n, c.sf);
        return false;
    }
};

}  // namespace vdx::arith
