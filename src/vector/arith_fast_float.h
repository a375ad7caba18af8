// Fast paths of the arithmetic family for floating-point and complex members: specialisations
// of the Fast* templates of arith_fast.h.
//
// Every Float<O, Swap> rule on 32f, 64f, 32fc and 64fc operands has a vector
// kernel in both shapes, and so have the 16s -> 32f forms, the real times
// complex product and the float multiply-accumulates.  The kernels take the
// range as given (the glue has split it across threads where the member
// asks for it) and report zero divisors, which the glue turns into the
// status.
#pragma once

#include "runtime/isa.h"
#include "vector/arith_fast.h"
#include "vector/arith_float_kernels.h"

namespace vdx::arith {

using ArithFloatVariant = Variant<ArithFloatKernels, &arith_float_kernels_variants>;

// The kernel set of element type T in a variant's table: every
// floating-point element type, real or complex, has one.
template <class T>
const ArithFloatSet<T>& float_set(const ArithFloatKernels& k) noexcept {
    return member_of_type<ArithFloatSet<T>, &ArithFloatKernels::f32, &ArithFloatKernels::f64, &ArithFloatKernels::c32,
                          &ArithFloatKernels::c64>(k);
}

template <Op O, bool Swap, class T>
    requires is_floating<T>
struct FastTwoVectors<Float<O, Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, const T* y, T* d, int n, const Ctx&) noexcept {
        return float_set<T>(ArithFloatVariant::table()).two_vectors[static_cast<int>(O)][Swap](x, y, d, n);
    }
};

template <Op O, bool Swap, class T>
    requires is_floating<T>
struct FastVectorConstant<Float<O, Swap>, T, T, T> {
    static constexpr bool available = true;
    static bool run(const T* x, T c, T* d, int n, const Ctx&) noexcept {
        return float_set<T>(ArithFloatVariant::table()).vector_constant[static_cast<int>(O)][Swap](x, c, d, n);
    }
};

template <Op O, bool Swap>
struct FastTwoVectors<Float<O, Swap>, Vdx16s, Vdx16s, Vdx32f> {
    static constexpr bool available = true;
    static bool run(const Vdx16s* x, const Vdx16s* y, Vdx32f* d, int n, const Ctx&) noexcept {
        return ArithFloatVariant::table().two_vectors_16s32f[static_cast<int>(O)][Swap](x, y, d, n);
    }
};

template <>
struct FastTwoVectors<Float<Op::mul>, Vdx32f, Vdx32fc, Vdx32fc> {
    static constexpr bool available = true;
    static bool run(const Vdx32f* x, const Vdx32fc* y, Vdx32fc* d, int n, const Ctx&) noexcept {
        return ArithFloatVariant::table().mul_32f32fc(x, y, d, n);
    }
};

template <class T>
    requires is_floating<T>
struct FastAccumulate<Float<Op::mul>, T, T, T> {
    static constexpr bool available = true;
    static void run(const T* x, const T* y, T* acc, int n, const Ctx&) noexcept {
        float_set<T>(ArithFloatVariant::table()).add_product(x, y, acc, n);
    }
};

template <>
struct FastAccumulateConstant<Float<Op::mul>, Vdx32f, Vdx32f, Vdx32f> {
    static constexpr bool available = true;
    static void run(const Vdx32f* x, Vdx32f c, Vdx32f* acc, int n, const Ctx&) noexcept {
        ArithFloatVariant::table().add_product_c_32f(x, c, acc, n);
    }
};

}  // namespace vdx::arith
