// The integer kernels of the arithmetic family, written once for
// Vec<T, kWidth> and compiled per variant.  Every path writes exactly what
// the element rules of arith_rules.h give (the tests compare them over dense
// inputs and every regime of the scale factor).
//
// Sums, differences and products (Sfs; sf = 0 for the saturating forms).
// The scale factor picks one path per call, each with the rule's meaning:
//
//   sf = 0             the saturated exact result, in the destination's lanes
//                      where the instruction set saturates (adds, subs) or
//                      from exact wide products packed with saturation;
//   sf = 1             sums and differences without widening: the rounding-up
//                      average (a + b + 1) >> 1 is the floor plus the dropped
//                      bit, and clearing or adding one bit makes it even;
//   1 <= sf < zero     widen (16-bit lanes for Vdx8u, 32 for Vdx16s and
//                      Vdx16u, 64 for Vdx32s), round half to even as
//                      (r + 2^(s-1) - 1 + ((r >> s) & 1)) >> s, pack with
//                      saturation; where that sum could leave the lane
//                      (unsigned products), the remainder is moved to the top
//                      of the lane and compared with one half instead;
//   sf >= zero         every result rounds to 0 (|r| <= 2^(sf-1), and a tie
//                      goes to the even 0): the destination is zeroed;
//   -sign < sf < 0     the saturated result t shifted left, kept where
//                      shifting back gives t again, saturated by t's sign
//                      elsewhere;
//   sf <= -sign        every non-zero result saturates: the bound on the
//                      side of the exact result's sign, 0 for 0.
//
// Quotients: each lane in double, as the Quotient rule does it (the same
// division, the same two scaling products, the same rounding by mode), then
// clamped and narrowed; a zero divisor is replaced by 1 before dividing (no
// floating-point exception the rule would not raise) and its lane by the
// bound on the dividend's side.  The double quotient decides every case
// exactly for 8- and 16-bit operands, and for 32-bit ones with sf >= 0 (a
// scaled quotient off a tie or an integer lies at least 2^-sf / (2 |d|)
// from it, more than the division's error |n / d| 2^-52 2^-sf); Vdx32s
// with sf < 0 runs the element rule.
//
// Sums and products into a wider type (Vdx8u to Vdx16u, Vdx16s to Vdx32s)
// widen on loading and compute in the destination's lanes.
//
// Tails: sums and products of one type run one more vector over a copy of
// the last elements; quotients and the widening members finish with the
// scalar rule.
#include "vector/arith_int_kernels.h"

#include "numeric/fixed.h"
#include "simd/simd.h"
#include "vector/arith_rules.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using arith::Ctx;
using arith::Op;

constexpr int W = kWidth;
using VI32 = Vec<std::int32_t, W>;
using VU32 = Vec<std::uint32_t, W>;
using VU64 = Vec<std::uint64_t, W>;
using VD = Vec<double, W>;

// ---------------------------------------------------------------- operands

// A vector operand: loaded at each step.
template <class T>
struct Stream {
    const T* p;
    template <class V>
    V vec(int i) const {
        return V::loadu(p + i);
    }
    VI32 i32(int i) const { return load_as_i32<T, W>(p + i); }
    T at(int i) const { return p[i]; }
};

// A constant operand: the same value in every lane.
template <class T>
struct Constant {
    T k;
    template <class V>
    V vec(int) const {
        return splat<V>(k);
    }
    VI32 i32(int) const { return splat<VI32>(k); }
    T at(int) const { return k; }
};

// ---------------------------------------------------------------- rounding shifts

// r * 2^-s rounded half to even, for signed lanes where r + 2^(s-1) stays in
// the lane: (r + 2^(s-1) - 1 + ((r >> s) & 1)) >> s.
template <class V>
struct SignedShift {
    int s;
    V bias;  // 2^(s-1) - 1
    V one;
    explicit SignedShift(int s_) : s(s_), bias(splat<V>((std::int64_t{1} << (s_ - 1)) - 1)), one(splat<V>(1)) {}
    V operator()(V r) const { return (r + bias + ((r >> s) & one)) >> s; }
};

// The same for unsigned lanes (U, with the signed twin S) of any value,
// 1 <= s <= the lane's bits: the floor q = r >> s goes up by one when the
// remainder, moved to the top of the lane and read as a signed number less
// one half, is above 0 (above one half), or is 0 with q odd.
template <class U, class S>
struct TopShift {
    static constexpr int Bits = 8 * sizeof(U);
    int s;
    Vec<U, W> top;  // the lane's top bit: one half, once the remainder sits at the top
    Vec<U, W> one;
    explicit TopShift(int s_) : s(s_), top(splat<Vec<U, W>>(std::int64_t{1} << (Bits - 1))), one(splat<Vec<U, W>>(1)) {}
    Vec<U, W> operator()(Vec<U, W> r) const {
        const Vec<U, W> q = r >> s;
        const Vec<S, W> rem = lanes_as<S>((r << (Bits - s)) ^ top);
        const Vec<S, W> odd = lanes_as<S>(zeros<Vec<U, W>>() - (q & one));  // -1 where q is odd
        return q - lanes_as<U>(cmpgt(rem, odd));                            // a true compare is -1
    }
};

// (a + b) / 2 and (a - b) / 2 rounded half to even on unsigned lanes whose
// top bit is Top.  avg rounds halves up; where the sum is odd, clearing the
// low bit picks the even neighbour.  avg(a, ~b) is floor((a - b) / 2) + Top;
// the bias comes off with saturation, one less where the half rounds up.
template <Op O, int Top, class V>
V unsigned_half(V a, V b) {
    const V one = splat<V>(1);
    if constexpr (O == Op::add) {
        return andnot((a ^ b) & one, avg(a, b));
    } else {
        const V m = avg(a, b ^ splat<V>(-1));
        const V up = (a ^ b) & m & one;
        return subs(m, splat<V>(Top) - up);
    }
}

// ---------------------------------------------------------------- element types
//
// One struct per element type T, with the vector V of T and, for op O:
//   saturated<O>(a, b)         the sf = 0 result;
//   half<O>(a, b)              the sf = 1 result (sums and differences, where has_half);
//   shift_right<O>(a, b, R)    1 <= sf < zero_from(O), R = Right(sf);
//   shift_left<O>(a, b, n)     n = -sf, 1 <= n < sign_from;
//   sign<O>(a, b)              a vector with the sign of each exact result
//                              (non-zero exactly where the result is);
//   sign_saturate(t)           the bound on t's side, 0 for 0.
// zero_from(O) is the least sf at which every result rounds to 0: the
// largest |r| is at most 2^(sf-1).  sign_from is the least -sf at which
// every non-zero result saturates.

struct U8 {
    using T = Vdx8u;
    using V = Vec<std::uint8_t, W>;
    using Wide = Vec<std::int16_t, W>;
    using WideU = Vec<std::uint16_t, W>;
    static constexpr int sign_from = 8;
    // Sums reach 510, differences 255 in magnitude, products 65025.
    static constexpr int zero_from(Op o) { return o == Op::add ? 10 : o == Op::sub ? 9 : 17; }
    static constexpr bool has_half(Op o) { return o != Op::mul; }

    // Exact results in 16-bit lanes (products as unsigned bits), low and high halves.
    template <Op O>
    static Wide exact(Wide a, Wide b) {
        if constexpr (O == Op::add) return a + b;
        else if constexpr (O == Op::sub) return a - b;
        else return a * b;
    }

    template <Op O>
    static V saturated(V a, V b) {
        if constexpr (O == Op::add) {
            return adds(a, b);
        } else if constexpr (O == Op::sub) {
            return subs(a, b);
        } else {
            const WideU hi = splat<WideU>(255);
            const WideU l = min(lanes_as<std::uint16_t>(exact<O>(widen_lo(a), widen_lo(b))), hi);
            const WideU h = min(lanes_as<std::uint16_t>(exact<O>(widen_hi(a), widen_hi(b))), hi);
            return pack_u8(lanes_as<std::int16_t>(l), lanes_as<std::int16_t>(h));
        }
    }

    template <Op O>
    static V half(V a, V b) { return unsigned_half<O, 0x80>(a, b); }

    struct Right {
        SignedShift<Wide> sums;
        TopShift<std::uint16_t, std::int16_t> products;
        explicit Right(int s) : sums(s), products(s) {}
    };

    template <Op O>
    static V shift_right(V a, V b, const Right& r) {
        Wide l = exact<O>(widen_lo(a), widen_lo(b)), h = exact<O>(widen_hi(a), widen_hi(b));
        if constexpr (O == Op::mul) {
            l = lanes_as<std::int16_t>(r.products(lanes_as<std::uint16_t>(l)));
            h = lanes_as<std::int16_t>(r.products(lanes_as<std::uint16_t>(h)));
        } else {
            l = r.sums(l);
            h = r.sums(h);
        }
        return pack_u8(l, h);
    }

    // Clamped to 0..255 first, the shift stays inside 16 bits (255 << 7).
    template <Op O>
    static Wide clamp(Wide r) {
        if constexpr (O == Op::add) return min(r, splat<Wide>(255));
        else if constexpr (O == Op::sub) return max(r, zeros<Wide>());
        else return lanes_as<std::int16_t>(min(lanes_as<std::uint16_t>(r), splat<WideU>(255)));
    }

    template <Op O>
    static V shift_left(V a, V b, int n) {
        const Wide l = clamp<O>(exact<O>(widen_lo(a), widen_lo(b))) << n;
        const Wide h = clamp<O>(exact<O>(widen_hi(a), widen_hi(b))) << n;
        return pack_u8(l, h);
    }

    // No result is negative but differences, which saturate to 0 anyway:
    // non-zero where the result is positive.
    template <Op O>
    static V sign(V a, V b) {
        if constexpr (O == Op::mul) return min(a, b);
        else return saturated<O>(a, b);
    }
    static V sign_saturate(V t) { return cmpeq(t, zeros<V>()) ^ splat<V>(-1); }
};

struct S16 {
    using T = Vdx16s;
    using V = Vec<std::int16_t, W>;
    using VU = Vec<std::uint16_t, W>;
    using Wide = VI32;
    static constexpr int sign_from = 16;
    // Sums reach 2^16, differences 2^16 - 1, products 2^30 in magnitude.
    static constexpr int zero_from(Op o) { return o == Op::mul ? 31 : 17; }
    static constexpr bool has_half(Op o) { return o != Op::mul; }

    // Exact results in 32-bit lanes, from the low (High = false) or high
    // halves: sums and differences with one multiply-add of the interleaved
    // operands by (1, 1) or (1, -1), products from their two halves.
    template <Op O, bool High>
    static Wide exact(V a, V b) {
        if constexpr (O == Op::mul) {
            const V lo = a * b, hi = mulhi(a, b);
            return lanes_as<std::int32_t>(High ? interleave_hi(lo, hi) : interleave_lo(lo, hi));
        } else {
            // (1, 1) or (1, -1) in each 32-bit lane
            const V k = lanes_as<std::int16_t>(splat<Wide>(O == Op::add ? 0x00010001 : -65535));
            return madd(High ? interleave_hi(a, b) : interleave_lo(a, b), k);
        }
    }

    template <Op O>
    static V saturated(V a, V b) {
        if constexpr (O == Op::add) return adds(a, b);
        else if constexpr (O == Op::sub) return subs(a, b);
        else return pack_s16(exact<O, false>(a, b), exact<O, true>(a, b));
    }

    // In biased form (x + 32768 as unsigned lanes) the average does the work;
    // sums never leave the range, differences may reach 32768 and saturate.
    template <Op O>
    static V half(V a, V b) {
        const V bias = splat<V>(-32768);
        const VU one = splat<VU>(1);
        const VU odd = lanes_as<std::uint16_t>(a ^ b) & one;  // the dropped bit of r
        if constexpr (O == Op::add) {
            const VU m = avg(lanes_as<std::uint16_t>(a ^ bias), lanes_as<std::uint16_t>(b ^ bias));
            return lanes_as<std::int16_t>(andnot(odd, m)) ^ bias;
        } else {
            // a + 32768 and 32767 - b: the average is floor((a - b) / 2) + 32768
            const VU m = avg(lanes_as<std::uint16_t>(a ^ bias), lanes_as<std::uint16_t>(b ^ splat<V>(0x7FFF)));
            return lanes_as<std::int16_t>(adds(m, odd & m)) ^ bias;
        }
    }

    using Right = SignedShift<Wide>;

    template <Op O>
    static V shift_right(V a, V b, const Right& r) {
        return pack_s16(r(exact<O, false>(a, b)), r(exact<O, true>(a, b)));
    }

    static V bound_of(V t) { return (t >> 15) ^ splat<V>(0x7FFF); }  // t's side; t != 0

    template <Op O>
    static V shift_left(V a, V b, int n) {
        const V t = saturated<O>(a, b);
        const V u = t << n;
        return select(cmpeq(u >> n, t), u, bound_of(t));
    }

    template <Op O>
    static V sign(V a, V b) {
        if constexpr (O == Op::mul) return vdx::VDX_ISA::sign(vdx::VDX_ISA::sign(splat<V>(1), a), b);
        else return saturated<O>(a, b);
    }
    static V sign_saturate(V t) { return andnot(cmpeq(t, zeros<V>()), bound_of(t)); }
};

struct U16 {
    using T = Vdx16u;
    using V = Vec<std::uint16_t, W>;
    using Wide = VI32;
    static constexpr int sign_from = 16;
    // Sums reach 131070, differences 65535 in magnitude, products 4294836225.
    static constexpr int zero_from(Op o) { return o == Op::add ? 18 : o == Op::sub ? 17 : 33; }
    static constexpr bool has_half(Op o) { return o != Op::mul; }

    template <Op O>
    static V saturated(V a, V b) {
        if constexpr (O == Op::add) return adds(a, b);
        else if constexpr (O == Op::sub) return subs(a, b);
        else return (a * b) | andnot(cmpeq(mulhi(a, b), zeros<V>()), splat<V>(-1));
    }

    template <Op O>
    static V half(V a, V b) { return unsigned_half<O, 0x8000>(a, b); }

    struct Right {
        SignedShift<Wide> sums;
        TopShift<std::uint32_t, std::int32_t> products;
        explicit Right(int s) : sums(s), products(s) {}
    };

    template <Op O, bool High>
    static Wide exact_sum(V a, V b) {
        const Wide x = High ? widen_hi(a) : widen_lo(a), y = High ? widen_hi(b) : widen_lo(b);
        if constexpr (O == Op::add) return x + y;
        else return x - y;
    }

    template <Op O>
    static V shift_right(V a, V b, const Right& r) {
        if constexpr (O == Op::mul) {
            const V lo = a * b, hi = mulhi(a, b);
            const VU32 pl = r.products(lanes_as<std::uint32_t>(interleave_lo(lo, hi)));
            const VU32 ph = r.products(lanes_as<std::uint32_t>(interleave_hi(lo, hi)));
            return pack_u16(lanes_as<std::int32_t>(pl), lanes_as<std::int32_t>(ph));  // below 2^31 once s >= 1
        } else {
            return pack_u16(r.sums(exact_sum<O, false>(a, b)), r.sums(exact_sum<O, true>(a, b)));
        }
    }

    template <Op O>
    static V shift_left(V a, V b, int n) {
        const V t = saturated<O>(a, b);
        const V u = t << n;
        return u | andnot(cmpeq(u >> n, t), splat<V>(-1));
    }

    template <Op O>
    static V sign(V a, V b) {
        if constexpr (O == Op::mul) return min(a, b);
        else return saturated<O>(a, b);
    }
    static V sign_saturate(V t) { return andnot(cmpeq(t, zeros<V>()), splat<V>(-1)); }
};

struct S32 {
    using T = Vdx32s;
    using V = VI32;
    static constexpr int sign_from = 32;
    // Sums and differences reach 2^32, products 2^62 in magnitude.
    static constexpr int zero_from(Op o) { return o == Op::mul ? 63 : 33; }
    static constexpr bool has_half(Op) { return false; }

    static V bound_of(V t) { return (t >> 31) ^ splat<V>(0x7FFFFFFF); }  // t's side; t != 0

    // 64-bit lanes (even elements in e, odd ones in o) saturated to 32 bits:
    // a value fits when its high half is the sign of its low half.
    static V narrow(VU64 e, VU64 o) {
        const V lo = low_halves(e, o), hi = high_halves(e, o);
        return select(cmpeq(hi, lo >> 31), lo, bound_of(hi));
    }

    template <Op O, bool Odd>
    static VU64 exact(V a, V b) {
        if constexpr (O == Op::mul) {
            return Odd ? mul_even(odd_to_even(a), odd_to_even(b)) : mul_even(a, b);
        } else {
            const VU64 x = Odd ? sign_extend_odd(a) : sign_extend_even(a);
            const VU64 y = Odd ? sign_extend_odd(b) : sign_extend_even(b);
            if constexpr (O == Op::add) return x + y;
            else return x - y;
        }
    }

    template <Op O>
    static V saturated(V a, V b) {
        if constexpr (O == Op::mul) {
            return narrow(exact<O, false>(a, b), exact<O, true>(a, b));
        } else {
            // Wrapped, the result overflowed when its sign differs from what
            // the operands' signs force; the bound is on a's side then.
            const V r = O == Op::add ? a + b : a - b;
            const V over = O == Op::add ? (r ^ a) & (r ^ b) : (a ^ b) & (a ^ r);
            return select(over >> 31, bound_of(a), r);
        }
    }

    // r * 2^-s rounded half to even in 64-bit lanes, without an arithmetic
    // shift: r + 2^(s-1) - 1 + ((r >> s) & 1) stays within 63 bits, so adding
    // 2^63 makes it non-negative, the logical shift floors it, and 2^(63-s)
    // comes off again.
    struct Right {
        int s;
        VU64 bias;  // 2^63 + 2^(s-1) - 1
        VU64 back;  // 2^(63-s)
        VU64 one;
        explicit Right(int s_)
            : s(s_),
              bias(splat<VU64>(
                  static_cast<std::int64_t>((std::uint64_t{1} << 63) + (std::uint64_t{1} << (s_ - 1)) - 1))),
              back(splat<VU64>(static_cast<std::int64_t>(std::uint64_t{1} << (63 - s_)))),
              one(splat<VU64>(1)) {}
        VU64 operator()(VU64 r) const { return ((r + bias + ((r >> s) & one)) >> s) - back; }
    };

    template <Op O>
    static V shift_right(V a, V b, const Right& r) {
        return narrow(r(exact<O, false>(a, b)), r(exact<O, true>(a, b)));
    }

    template <Op O>
    static V shift_left(V a, V b, int n) {
        const V t = saturated<O>(a, b);
        const V u = t << n;
        return select(cmpeq(u >> n, t), u, bound_of(t));
    }

    template <Op O>
    static V sign(V a, V b) {
        if constexpr (O == Op::mul) return vdx::VDX_ISA::sign(vdx::VDX_ISA::sign(splat<V>(1), a), b);
        else return saturated<O>(a, b);
    }
    static V sign_saturate(V t) { return andnot(cmpeq(t, zeros<V>()), bound_of(t)); }
};

// ---------------------------------------------------------------- sums, differences, products

enum class Path { saturate, half, shift_right, zero, shift_left, sign };

// f(x, y) over whole vectors, then once more over copies of the last
// elements (padded with zeros, whose results are dropped).  Each step loads
// both operands before it stores, so d may be a or b.
template <class T, class V, class A, class B, class F>
VDX_ALWAYS_INLINE void each_vector(A a, B b, T* d, int n, F f) {
    constexpr int L = V::lanes;
    int i = 0;
    for (; i + L <= n; i += L) f(a.template vec<V>(i), b.template vec<V>(i)).storeu(d + i);
    if (i < n) {
        const int m = n - i;
        T x[L], y[L], r[L];
        for (int j = 0; j < L; ++j) {
            x[j] = j < m ? a.at(i + j) : T(0);
            y[j] = j < m ? b.at(i + j) : T(0);
        }
        f(V::loadu(x), V::loadu(y)).storeu(r);
        for (int j = 0; j < m; ++j) d[i + j] = r[j];
    }
}

template <class K, Op O, Path P, class A, class B>
void run_path(A a, B b, typename K::T* d, int n, int sf) {
    using V = typename K::V;
    if constexpr (P == Path::saturate) {
        each_vector<typename K::T, V>(a, b, d, n, [](V x, V y) { return K::template saturated<O>(x, y); });
    } else if constexpr (P == Path::half) {
        each_vector<typename K::T, V>(a, b, d, n, [](V x, V y) { return K::template half<O>(x, y); });
    } else if constexpr (P == Path::shift_right) {
        const typename K::Right right(sf);
        each_vector<typename K::T, V>(a, b, d, n,
                                      [&right](V x, V y) { return K::template shift_right<O>(x, y, right); });
    } else if constexpr (P == Path::zero) {
        each_vector<typename K::T, V>(a, b, d, n, [](V, V) { return zeros<V>(); });
    } else if constexpr (P == Path::shift_left) {
        const int left = -sf;
        each_vector<typename K::T, V>(a, b, d, n, [left](V x, V y) { return K::template shift_left<O>(x, y, left); });
    } else {
        each_vector<typename K::T, V>(a, b, d, n, [](V x, V y) { return K::sign_saturate(K::template sign<O>(x, y)); });
    }
}

template <class K, Op O, class A, class B>
void scaled(A a, B b, typename K::T* d, int n, int sf) {
    if (sf == 0) return run_path<K, O, Path::saturate>(a, b, d, n, sf);
    if (sf > 0) {
        if (sf >= K::zero_from(O)) return run_path<K, O, Path::zero>(a, b, d, n, sf);
        if constexpr (K::has_half(O)) {
            if (sf == 1) return run_path<K, O, Path::half>(a, b, d, n, sf);
        }
        return run_path<K, O, Path::shift_right>(a, b, d, n, sf);
    }
    if (sf <= -K::sign_from) return run_path<K, O, Path::sign>(a, b, d, n, sf);
    return run_path<K, O, Path::shift_left>(a, b, d, n, sf);
}

template <class K, Op O>
void vectors(const typename K::T* a, const typename K::T* b, typename K::T* d, int n, int sf) noexcept {
    scaled<K, O>(Stream<typename K::T>{a}, Stream<typename K::T>{b}, d, n, sf);
}

template <class K, Op O>
void vector_constant(const typename K::T* a, typename K::T k, typename K::T* d, int n, int sf) noexcept {
    scaled<K, O>(Stream<typename K::T>{a}, Constant<typename K::T>{k}, d, n, sf);
}

template <class K, Op O>
void constant_vector(const typename K::T* a, typename K::T k, typename K::T* d, int n, int sf) noexcept {
    scaled<K, O>(Constant<typename K::T>{k}, Stream<typename K::T>{a}, d, n, sf);
}

// ---------------------------------------------------------------- quotients

enum class Rounding { zero, near, financial };

template <Rounding R>
VDX_ALWAYS_INLINE VD round_by(VD y, VD half) {
    if constexpr (R == Rounding::zero) return round_to_zero(y);
    else if constexpr (R == Rounding::financial) return financial_round(y, half);
    else return round_even(y);
}

template <class T, Rounding R, class A, class B>
bool quotient_loop(A a, B b, T* d, int n, const Ctx& c) {
    const VD first = VD::set1(c.scale.first), second = VD::set1(c.scale.second);
    const VD lo = VD::set1(IntBounds<T>::lo), hi = VD::set1(IntBounds<T>::hi);
    const VI32 lo_i = splat<VI32>(IntBounds<T>::lo), hi_i = splat<VI32>(IntBounds<T>::hi);
    const VI32 zero = zeros<VI32>();
    // The half of the financial rounding: opaque, so that its addition is
    // never folded by the compiler under its own idea of the rounding mode.
    double h = 0.5;
    __asm__ volatile("" : "+x"(h));
    const VD half = VD::set1(h);
    VI32 met = zero;
    int i = 0;
    for (; i + VI32::lanes <= n; i += VI32::lanes) {
        const VI32 num = a.i32(i), den = b.i32(i);
        const VI32 dz = cmpeq(den, zero);
        met = met | dz;
        const VI32 safe = den - dz;  // 1 where the divisor is 0
        const VD q0 = round_by<R>(to_f64_lo(num) / to_f64_lo(safe) * first * second, half);
        const VD q1 = round_by<R>(to_f64_hi(num) / to_f64_hi(safe) * first * second, half);
        const VI32 q = to_i32(min(max(q0, lo), hi), min(max(q1, lo), hi));
        const VI32 by_sign = select(cmpgt(num, zero), hi_i, select(cmpgt(zero, num), lo_i, zero));
        store_from_i32<T, W>(d + i, select(dz, by_sign, q));
    }
    bool met_zero = any_set(met);
    for (; i < n; ++i) {
        met_zero |= b.at(i) == 0;
        d[i] = arith::Quotient<false>::template apply<T>(a.at(i), b.at(i), c);
    }
    return met_zero;
}

template <class T, class A, class B>
bool quotient_by_rule(A a, B b, T* d, int n, const Ctx& c) {
    bool met_zero = false;
    for (int i = 0; i < n; ++i) {
        met_zero |= b.at(i) == 0;
        d[i] = arith::Quotient<false>::template apply<T>(a.at(i), b.at(i), c);
    }
    return met_zero;
}

template <class T, class A, class B>
bool quotient(A a, B b, T* d, int n, const Ctx& c) {
    // A 32-bit quotient scaled up (sf < 0) can sit closer to a tie than the
    // double division resolves; those stay with the element rule.
    if constexpr (sizeof(T) == 4) {
        if (c.sf < 0) return quotient_by_rule(a, b, d, n, c);
    }
    if (c.mode == vdxRndZero) return quotient_loop<T, Rounding::zero>(a, b, d, n, c);
    if (c.mode == vdxRndFinancial) return quotient_loop<T, Rounding::financial>(a, b, d, n, c);
    return quotient_loop<T, Rounding::near>(a, b, d, n, c);
}

template <class T>
bool div_vectors(const T* a, const T* b, T* d, int n, const Ctx& c) noexcept {
    return quotient(Stream<T>{a}, Stream<T>{b}, d, n, c);
}

template <class T>
bool div_vector_constant(const T* a, T k, T* d, int n, const Ctx& c) noexcept {
    return quotient(Stream<T>{a}, Constant<T>{k}, d, n, c);
}

template <class T>
bool div_constant_vector(const T* a, T k, T* d, int n, const Ctx& c) noexcept {
    return quotient(Constant<T>{k}, Stream<T>{a}, d, n, c);
}

// ---------------------------------------------------------------- wider destinations

// Sums and products of bytes fit 16 bits: one widening load each, one
// operation.
template <Op O>
void bytes_to_16u(const Vdx8u* a, const Vdx8u* b, Vdx16u* d, int n) noexcept {
    using V = Vec<std::uint16_t, W>;
    for_each_vector<V::lanes>(
        n,
        [&](int i) {
            const V x = load_u8_as_u16<W>(a + i), y = load_u8_as_u16<W>(b + i);
            (O == Op::add ? x + y : x * y).storeu(d + i);
        },
        [&](int i) { d[i] = arith::Sat<O>::template apply<Vdx16u>(a[i], b[i], Ctx{}); });
}

void add_16s32s(const Vdx16s* a, const Vdx32s* b, Vdx32s* d, int n) noexcept {
    for_each_vector<VI32::lanes>(
        n, [&](int i) { S32::saturated<Op::add>(load_as_i32<Vdx16s, W>(a + i), VI32::loadu(b + i)).storeu(d + i); },
        [&](int i) { d[i] = arith::Sat<Op::add>::apply<Vdx32s>(a[i], b[i], Ctx{}); });
}

// Products of two Vdx16s are exact in 32 bits (at most 2^30 in magnitude),
// so every regime works on them directly: rounding with the bias fits
// (2^30 + 2^29), from sf = 31 all round to 0, left shifts are checked by
// shifting back, and from -sf = 32 every non-zero product saturates.
template <Path P>
void products_16s32s(const Vdx16s* a, const Vdx16s* b, Vdx32s* d, int n, int sf) {
    [[maybe_unused]] const SignedShift<VI32> right(P == Path::shift_right ? sf : 1);
    [[maybe_unused]] const int left = P == Path::shift_left ? -sf : 0;
    int i = 0;
    for (; i + VI32::lanes <= n; i += VI32::lanes) {
        const VI32 p = load_as_i32<Vdx16s, W>(a + i) * load_as_i32<Vdx16s, W>(b + i);
        VI32 r;
        if constexpr (P == Path::saturate) r = p;
        else if constexpr (P == Path::shift_right) r = right(p);
        else if constexpr (P == Path::zero) r = zeros<VI32>();
        else if constexpr (P == Path::shift_left)
            r = select(cmpeq((p << left) >> left, p), p << left, S32::bound_of(p));
        else r = S32::sign_saturate(p);
        r.storeu(d + i);
    }
    Ctx c;
    c.sf = sf;
    for (; i < n; ++i) d[i] = arith::Sfs<Op::mul>::apply<Vdx32s>(a[i], b[i], c);
}

void mul_16s32s(const Vdx16s* a, const Vdx16s* b, Vdx32s* d, int n, int sf) noexcept {
    if (sf == 0) return products_16s32s<Path::saturate>(a, b, d, n, sf);
    if (sf >= 31) return products_16s32s<Path::zero>(a, b, d, n, sf);
    if (sf > 0) return products_16s32s<Path::shift_right>(a, b, d, n, sf);
    if (sf <= -32) return products_16s32s<Path::sign>(a, b, d, n, sf);
    return products_16s32s<Path::shift_left>(a, b, d, n, sf);
}

// ---------------------------------------------------------------- the table

template <class K>
constexpr IntArithOps<typename K::T> ops_of() {
    using T = typename K::T;
    return {
        .add = vectors<K, Op::add>,
        .sub = vectors<K, Op::sub>,
        .mul = vectors<K, Op::mul>,
        .div = div_vectors<T>,
        .add_c = vector_constant<K, Op::add>,
        .sub_c = vector_constant<K, Op::sub>,
        .sub_rev_c = constant_vector<K, Op::sub>,
        .mul_c = vector_constant<K, Op::mul>,
        .div_c = div_vector_constant<T>,
        .div_rev_c = div_constant_vector<T>,
    };
}

}  // namespace

extern const ArithIntKernels arith_int_kernels = {
    .u8 = ops_of<U8>(),
    .s16 = ops_of<S16>(),
    .u16 = ops_of<U16>(),
    .s32 = ops_of<S32>(),
    .widening =
        {
            .add_8u16u = bytes_to_16u<Op::add>,
            .mul_8u16u = bytes_to_16u<Op::mul>,
            .add_16s32s = add_16s32s,
            .mul_16s32s = mul_16s32s,
        },
};

}  // namespace VDX_ISA
}  // namespace vdx
