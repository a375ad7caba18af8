// Element helpers of the filter, correlation and Goertzel tests: any element
// seen as a long double complex, back again, random vectors (floats in
// [-1, 1], integers in [-amp, amp]), and the comparison with a long-double
// reference.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <random>
#include <type_traits>
#include <vector>

#include "exact_rules.h"
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
    return LC(exact::rounded<P>(std::ldexp(v.real(), -sf)), exact::rounded<P>(std::ldexp(v.imag(), -sf)));
}

template <class D>
bool same_vectors(const std::vector<D>& a, const std::vector<D>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(D)) == 0;
}

// Outputs and, per output, sum |h||x| (the rounding scale).
struct Reference {
    std::vector<LC> y;
    std::vector<long double> bound;
};

// Floats within the rounding of the coarser of the work (W) and data
// precisions, integers within one unit of the exactly rounded value.
template <class D, class W>
void expect_close(const std::vector<D>& got, const Reference& r, int sf) {
    ASSERT_EQ(got.size(), r.y.size());
    long double eps = std::numeric_limits<W>::epsilon();
    if constexpr (!kIsInt<D>) eps = std::max<long double>(eps, std::numeric_limits<PartT<D>>::epsilon());
    for (size_t i = 0; i < got.size(); ++i) {
        const LC g = cx(got[i]);
        if constexpr (kIsInt<D>) {
            const LC want = rounded<D>(r.y[i], sf);
            ASSERT_LE(std::abs(g.real() - want.real()) + std::abs(g.imag() - want.imag()), 1) << "at " << i;
        } else {
            ASSERT_LE(std::abs(g - r.y[i]), 64 * eps * r.bound[i] + 1e-30L) << "at " << i;
        }
    }
}

}  // namespace fir_test
