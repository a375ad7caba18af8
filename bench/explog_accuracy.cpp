// Accuracy of the floating-point exponential and logarithm against long
// double expl / logl, through the public interface (so in the variant the
// process selects; VDXCORE_HIDE_FEATURES=0x1E0 selects SSE4.1).
//
//   explog_accuracy float    Exp_32f, Ln_32f and Exp_32f64f over every float
//   explog_accuracy double   Exp_64f, Ln_64f and Ln_64f32f over 2 x 10^7
//                            random inputs each and dense runs near the
//                            points where the kernels change path
//
// For each function: the largest error in ulps of the destination type at
// the exact value (subnormal spacing below the normal range; long double
// resolves at least 2^-11 of a double ulp), the number of results that are
// not the correctly rounded one (as far as long double tells), and the
// largest distance from it in representable steps.  Special inputs (NaN,
// non-positive logarithm arguments) are checked for their exact bits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "vdxs.h"

namespace {

template <class T>
auto bits_of(T x) {
    using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
    U u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

struct Stats {
    const char* name;
    unsigned long long count = 0, not_rounded = 0, special_wrong = 0;
    double worst = 0;
    long double worst_at = 0;
    long long worst_steps = 0;

    template <class D>
    void add(long double x, D got, long double exact) {
        ++count;
        const D rounded = static_cast<D>(exact);
        if (std::isinf(got) || std::isinf(rounded)) {
            if (got != rounded) ++special_wrong, ++not_rounded;
            return;
        }
        int e = 0;
        frexpl(fabsl(exact), &e);
        const int ulp_exp = (e > std::numeric_limits<D>::min_exponent ? e : std::numeric_limits<D>::min_exponent) -
                            std::numeric_limits<D>::digits;
        const double err = static_cast<double>(fabsl(static_cast<long double>(got) - exact) / ldexpl(1.0L, ulp_exp));
        if (err > worst) worst = err, worst_at = x;
        if (got != rounded) {
            ++not_rounded;
            // Both finite and of one sign here: the distance in steps is the difference of the bit patterns.
            const long long steps =
                std::llabs(static_cast<long long>(bits_of(got)) - static_cast<long long>(bits_of(rounded)));
            if (steps > worst_steps) worst_steps = steps;
        }
    }
    template <class D>
    void special(bool right) {
        ++count;
        if (!right) ++special_wrong;
    }
    void print() const {
        std::printf("%-11s %12llu inputs  max error %.4f ulp at x = %La  not correctly rounded %llu (%.3g%%), "
                    "at most %lld step(s) away  special results wrong %llu\n",
                    name, count, worst, worst_at, not_rounded, 100.0 * not_rounded / (count ? count : 1), worst_steps,
                    special_wrong);
    }
};

constexpr int kChunk = 1 << 16;

void float_sweep() {
    Stats exp32{"Exp_32f"}, ln32{"Ln_32f"}, exp3264{"Exp_32f64f"};
    std::vector<float> x(kChunk), y(kChunk);
    std::vector<double> yd(kChunk);
    for (std::uint64_t base = 0; base < (std::uint64_t{1} << 32); base += kChunk) {
        for (int i = 0; i < kChunk; ++i) {
            const std::uint32_t u = static_cast<std::uint32_t>(base + i);
            std::memcpy(&x[i], &u, 4);
        }
        vdxsExp_32f(x.data(), y.data(), kChunk);
        vdxsExp_32f64f(x.data(), yd.data(), kChunk);
        for (int i = 0; i < kChunk; ++i) {
            if (std::isnan(x[i])) {
                exp32.special<float>(bits_of(y[i]) == bits_of(x[i]));
                exp3264.special<double>(std::isnan(yd[i]));
                continue;
            }
            const long double exact = expl(static_cast<long double>(x[i]));
            exp32.add(x[i], y[i], exact);
            exp3264.add(x[i], yd[i], exact);
        }
        vdxsLn_32f(x.data(), y.data(), kChunk);
        for (int i = 0; i < kChunk; ++i) {
            const std::uint32_t u = bits_of(x[i]);
            if (u >> 31) {
                ln32.special<float>(bits_of(y[i]) == 0xFFC00000u);
            } else if (std::isnan(x[i])) {
                ln32.special<float>(bits_of(y[i]) == u);
            } else if (u == 0) {
                ln32.special<float>(bits_of(y[i]) == 0xFF800000u);
            } else {
                ln32.add(x[i], y[i], logl(static_cast<long double>(x[i])));
            }
        }
    }
    exp32.print();
    ln32.print();
    exp3264.print();
}

void double_sample() {
    Stats exp64{"Exp_64f"}, ln64{"Ln_64f"}, ln6432{"Ln_64f32f"};
    std::mt19937_64 rng(2024);
    std::vector<double> x(kChunk), y(kChunk);
    std::vector<float> yf(kChunk);
    auto check_exp = [&](int n) {
        vdxsExp_64f(x.data(), y.data(), n);
        for (int i = 0; i < n; ++i) exp64.add(x[i], y[i], expl(static_cast<long double>(x[i])));
    };
    auto check_ln = [&](int n) {
        vdxsLn_64f(x.data(), y.data(), n);
        vdxsLn_64f32f(x.data(), yf.data(), n);
        for (int i = 0; i < n; ++i) {
            if (std::signbit(x[i])) {  // -0 included: the negative rule
                ln64.special<double>(bits_of(y[i]) == 0xFFF8000000000000ull);
                ln6432.special<float>(bits_of(yf[i]) == 0xFFC00000u);
            } else if (x[i] == 0) {
                ln64.special<double>(bits_of(y[i]) == 0xFFF0000000000000ull);
                ln6432.special<float>(bits_of(yf[i]) == 0xFF800000u);
            } else {
                const long double exact = logl(static_cast<long double>(x[i]));
                ln64.add(x[i], y[i], exact);
                ln6432.add(x[i], yf[i], exact);
            }
        }
    };
    std::uniform_real_distribution<double> wide(-746.0, 710.0), unit(0.5, 2.0), near_one(-1e-3, 1e-3);
    for (int rep = 0; rep < 20000000 / kChunk; ++rep) {
        // e^x: uniform over the finite-result range, and random bit patterns (|x| < 1024).
        for (int i = 0; i < kChunk; ++i) x[i] = wide(rng);
        check_exp(kChunk);
        for (int i = 0; i < kChunk; ++i) {
            std::uint64_t u = rng() & 0xBFFFFFFFFFFFFFFFull;  // exponent below 2^1023: finite, |x| < 2
            u |= (rng() & 1) ? 0x4000000000000000ull : 0;     // ... or up to 2^1024
            std::memcpy(&x[i], &u, 8);
            if (!(std::fabs(x[i]) < 1024)) x[i] = std::ldexp(x[i], -std::ilogb(x[i]) + 9);
        }
        check_exp(kChunk);
        // ln x: random positive bit patterns, [1/2, 2) and 1 + [-1e-3, 1e-3].
        for (int i = 0; i < kChunk; ++i) {
            const std::uint64_t u = rng() % 0x7FF0000000000000ull + 1;
            std::memcpy(&x[i], &u, 8);
        }
        check_ln(kChunk);
        for (int i = 0; i < kChunk; ++i) x[i] = unit(rng);
        check_ln(kChunk);
        for (int i = 0; i < kChunk; ++i) x[i] = 1.0 + near_one(rng);
        check_ln(kChunk);
    }
    // Dense runs of consecutive doubles around the points where a path changes.
    for (double c : {708.0, -708.0, 709.782712893384, -708.3964185322641, -744.4400719213812, -745.1332191019411,
                     0.34657359027997264, -0.34657359027997264}) {
        double v = c;
        for (int k = 0; k < kChunk / 2; ++k) v = std::nextafter(v, -INFINITY);
        for (int i = 0; i < kChunk; ++i, v = std::nextafter(v, INFINITY)) x[i] = v;
        check_exp(kChunk);
    }
    for (double c : {1.0, 0.7071067811865476, 1.4142135623730951, 0x1p-1022, 0x1p-1060, 0x1p1023}) {
        double v = c;
        for (int k = 0; k < kChunk / 2; ++k) v = std::nextafter(v, -INFINITY);
        for (int i = 0; i < kChunk; ++i, v = std::nextafter(v, INFINITY)) x[i] = v;
        check_ln(kChunk);
    }
    exp64.print();
    ln64.print();
    ln6432.print();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "all";
    const char* hidden = std::getenv("VDXCORE_HIDE_FEATURES");
    const bool narrow = hidden && std::strtoul(hidden, nullptr, 0) != 0;
    std::printf("variant: %s\n", narrow ? "features hidden (SSE4.1)" : "as selected");
    if (what == "float" || what == "all") float_sweep();
    if (what == "double" || what == "all") double_sample();
    return 0;
}
