// SampleDown and SampleUp against their definitions, streams in pieces,
// statuses; pre-emphasis against long double, bit-exact in 16 bits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "exact_rules.h"
#include "guarded_memory.h"
#include "vdxs.h"

namespace {

#define API(T, sfx)                                                                      \
    VdxStatus down(const T* s, int n, T* d, int* dn, int f, int* p) { return vdxsSampleDown_##sfx(s, n, d, dn, f, p); } \
    VdxStatus up(const T* s, int n, T* d, int* dn, int f, int* p) { return vdxsSampleUp_##sfx(s, n, d, dn, f, p); }
API(Vdx16s, 16s)
API(Vdx16sc, 16sc)
API(Vdx32f, 32f)
API(Vdx32fc, 32fc)
API(Vdx64f, 64f)
API(Vdx64fc, 64fc)
#undef API

// Distinct non-zero elements, so that a misplaced sample or zero shows.
template <class T>
std::vector<T> samples(int len) {
    std::vector<T> x(len);
    for (int i = 0; i < len; ++i) {
        if constexpr (std::is_arithmetic_v<T>) x[i] = static_cast<T>(i % 30000 + 1);
        else x[i] = {static_cast<decltype(T{}.re)>(i % 30000 + 1), static_cast<decltype(T{}.re)>(-i % 30000 - 1)};
    }
    return x;
}

template <class T>
void check_type() {
    for (int factor : {1, 2, 3, 4, 5, 7, 16})
        for (int phase = 0; phase < factor; ++phase)
            for (int len : {1, 2, 3, 7, 47, 48, 49, 4096, 4097, 9001}) {
                SCOPED_TRACE(testing::Message() << "factor " << factor << " phase " << phase << " len " << len);
                const auto x = samples<T>(len);
                // Down: every factor-th from the phase, guards past the count.
                Guarded d(sizeof(T) * len, 0);
                int count = -1, p = phase, i = phase, k = 0;
                ASSERT_EQ(down(x.data(), len, d.as<T>(), &count, factor, &p), vdxStsNoErr);
                for (; i < len; i += factor, ++k) ASSERT_EQ(0, std::memcmp(&d.as<T>()[k], &x[i], sizeof(T)));
                EXPECT_EQ(count, k);
                EXPECT_EQ(p, factor == 1 ? phase : i - len);
                for (std::size_t b = k * sizeof(T); b < len * sizeof(T); ++b) ASSERT_EQ(d.data()[b], kPoison);
                // Up: the samples at phase + k factor, zeros elsewhere.
                Guarded u(sizeof(T) * len * factor, 0);
                p = phase;
                ASSERT_EQ(up(x.data(), len, u.as<T>(), &count, factor, &p), vdxStsNoErr);
                EXPECT_EQ(count, len * factor);
                EXPECT_EQ(p, phase);
                ASSERT_TRUE(u.guards_intact());
                const T zero{};
                for (int j = 0; j < len * factor; ++j)
                    ASSERT_EQ(0, std::memcmp(&u.as<T>()[j], j % factor == phase ? &x[j / factor] : &zero, sizeof(T)));
            }
    // Pieces of a stream, each continuing from the phase the last one left.
    const auto x = samples<T>(5000);
    std::mt19937 gen(7);
    for (int factor : {2, 3, 7}) {
        std::vector<T> whole(5000), pieces(5000);
        int whole_len = 0, whole_phase = 1, written = 0, phase = 1;
        ASSERT_EQ(down(x.data(), 5000, whole.data(), &whole_len, factor, &whole_phase), vdxStsNoErr);
        for (int at = 0, n = 0, got = 0; at < 5000; at += n, written += got) {
            n = std::min<int>(5000 - at, 1 + gen() % 60);
            ASSERT_EQ(down(x.data() + at, n, pieces.data() + written, &got, factor, &phase), vdxStsNoErr);
        }
        ASSERT_EQ(written, whole_len);
        EXPECT_EQ(phase, whole_phase);
        EXPECT_EQ(0, std::memcmp(whole.data(), pieces.data(), sizeof(T) * written));
    }
}

TEST(Resample, EveryType) {
    check_type<Vdx16s>();
    check_type<Vdx16sc>();
    check_type<Vdx32f>();
    check_type<Vdx32fc>();
    check_type<Vdx64f>();
    check_type<Vdx64fc>();
}

// The length before the factor before the phase, an output count beyond int
// only for SampleUp (pointers, and nothing written on error: contract fuzzer).
TEST(Resample, StatusesInOrder) {
    Vdx64f src[4] = {1, 2, 3, 4}, dst[8];
    const struct {
        int len, factor, phase;
        VdxStatus want;
    } cases[] = {{0, 0, -1, vdxStsSizeErr}, {4, 0, -1, vdxStsSampleFactorErr}, {4, 2, -1, vdxStsSamplePhaseErr},
                 {4, 2, 2, vdxStsSamplePhaseErr}, {4, 1 << 30, 0, vdxStsSizeErr}};
    using Fn = VdxStatus (*)(const Vdx64f*, int, Vdx64f*, int*, int, int*);
    const Fn sample_down = down;
    for (Fn fn : {sample_down, Fn(up)})
        for (const auto& c : cases) {
            int n = 77, phase = c.phase;
            const bool overflow = c.factor == 1 << 30;
            EXPECT_EQ(fn(src, c.len, dst, &n, c.factor, &phase), overflow && fn == sample_down ? vdxStsNoErr : c.want);
        }
}

// ---------------------------------------------------------------- pre-emphasis

TEST(Preemphasis, SixteenBitsRoundedHalfToEvenFromTheExactValue) {
    const float inf = std::numeric_limits<float>::infinity();
    std::mt19937 gen(3);
    std::vector<Vdx16s> x(300);
    for (auto& v : x) v = static_cast<Vdx16s>(gen());
    x[1] = 0, x[5] = 1, x[6] = 3, x[7] = -32768, x[8] = 32767;
    for (float val : {0.0f, 0.5f, -0.5f, 1.5f, 0.97f, 1.0f + 0x1p-23f, 3e-30f, -2.0f, 70000.0f, inf, std::nanf("")}) {
        std::vector<Vdx16s> y = x;
        ASSERT_EQ(vdxsPreemphasize_16s(y.data(), 300, val), vdxStsNoErr);
        EXPECT_EQ(y[0], x[0]);
        for (int n = 1; n < 300; ++n) {
            // x - val prev is exact in long double.
            ASSERT_EQ(y[n], exact::rounded<Vdx16s>(x[n] - static_cast<long double>(val) * x[n - 1])) << val << " " << n;
        }
    }
}

TEST(Preemphasis, FloatWithinRounding) {
    std::vector<Vdx32f> x(1000);
    for (int n = 0; n < 1000; ++n) x[n] = std::sin(0.1f * n) * 3.0f;
    std::vector<Vdx32f> y = x;
    ASSERT_EQ(vdxsPreemphasize_32f(y.data(), 1000, 0.95f), vdxStsNoErr);
    EXPECT_EQ(y[0], x[0]);
    for (int n = 1; n < 1000; ++n)
        ASSERT_NEAR(y[n], x[n] - 0.95L * x[n - 1], 4e-7 * (std::fabs(x[n]) + std::fabs(x[n - 1]))) << n;
}

}  // namespace
