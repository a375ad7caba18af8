// Element helpers of the FIR tests: any element seen as a long double
// complex, back again, and random vectors (floats in [-1, 1], integers in
// [-amp, amp]).
#pragma once

#include <cmath>
#include <complex>
#include <random>
#include <type_traits>
#include <vector>

#include "vdxs.h"

namespace fir_test {

using LC = std::complex<long double>;

template <class T> constexpr bool kIsComplex = requires(T v) { v.re; };
template <class T> constexpr bool kIsInt = std::is_integral_v<T>;
template <> constexpr bool kIsInt<Vdx16sc> = true;
template <> constexpr bool kIsInt<Vdx32sc> = true;

template <class T> struct PartOfT { using type = T; };
template <class T> requires kIsComplex<T> struct PartOfT<T> { using type = decltype(T{}.re); };
template <class T> using PartT = typename PartOfT<T>::type;

inline LC cx(LC v) { return v; }
template <class T>
LC cx(T v) {
    if constexpr (kIsComplex<T>) return LC(v.re, v.im);
    else return LC(v, 0);
}

template <class T>
T from(LC v) {
    using P = PartT<T>;
    if constexpr (kIsComplex<T>) return T{static_cast<P>(v.real()), static_cast<P>(v.imag())};
    else return static_cast<T>(v.real());
}

template <class T>
std::vector<T> random_vec(int n, unsigned seed, long double amp) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<T> v(n);
    for (auto& e : v) {
        LC z(u(g), kIsComplex<T> ? u(g) : 0);
        if (kIsInt<T>) z = LC(std::round(z.real() * amp), std::round(z.imag() * amp));
        e = from<T>(z);
    }
    return v;
}

// The exact value scaled by 2^-sf, rounded half to even (the default
// rounding mode), saturated, per part.
template <class D>
LC rounded(LC v, int sf) {
    using P = PartT<D>;
    auto one = [&](long double p) {
        const long double q = std::nearbyint(std::ldexp(p, -sf));
        return std::clamp<long double>(q, std::numeric_limits<P>::min(), std::numeric_limits<P>::max());
    };
    return LC(one(v.real()), one(v.imag()));
}

}  // namespace fir_test
