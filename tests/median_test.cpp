// The median filter against std::nth_element over each window: every type,
// length and mask kind, in place and out of place at several alignments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "guarded_memory.h"
#include "vdxcore.h"
#include "vdxs.h"

namespace {

#define API(T, sfx)                                                                                       \
    VdxStatus median(const T* s, T* d, int len, int m) { return vdxsFilterMedian_##sfx(s, d, len, m); } \
    VdxStatus median(T* sd, int len, int m) { return vdxsFilterMedian_##sfx##_I(sd, len, m); }
API(Vdx8u, 8u)
API(Vdx16s, 16s)
API(Vdx32s, 32s)
API(Vdx32f, 32f)
API(Vdx64f, 64f)
#undef API

// Output i is the median of the window of radius min(h, i, len-1-i).
template <class T>
std::vector<T> reference(const std::vector<T>& x, int mask) {
    const int len = static_cast<int>(x.size()), h = (mask - 1) / 2;
    std::vector<T> y(len);
    for (int i = 0; i < len; ++i) {
        const int r = std::min({h, i, len - 1 - i});
        std::vector<T> w(x.begin() + i - r, x.begin() + i + r + 1);
        std::nth_element(w.begin(), w.begin() + r, w.end());
        y[i] = w[r];
    }
    return y;
}

// Few distinct values (ties in every window), the type's extremes among them.
template <class T>
std::vector<T> signal(int len, unsigned seed) {
    using L = std::numeric_limits<T>;
    const T values[] = {L::lowest(), L::max(), T(0), T(1), T(7), T(100), T(L::max() / 3), T(L::lowest() / 2 + 1)};
    std::mt19937 gen(seed);
    std::vector<T> x(len);
    for (auto& v : x) v = gen() % 4 ? T(gen() % 97) + T(gen() % 3) / T(4) : values[gen() % 8];
    return x;
}

template <class T>
void check_every_form() {
    for (int len : {1, 2, 3, 4, 5, 6, 8, 9, 10, 17, 33, 64, 100, 2050, 4500})
        for (int mask : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 31, 101, 1000000})
            for (int offset : {0, 1, 3}) {
                SCOPED_TRACE(testing::Message() << "len " << len << " mask " << mask << " offset " << offset);
                const auto x = signal<T>(len, len * 31 + mask);
                const auto want = reference(x, mask);
                const VdxStatus expected = mask % 2 == 0 ? vdxStsEvenMedianMaskSize : vdxStsNoErr;
                Guarded out(sizeof(T) * len, sizeof(T) * offset), io(sizeof(T) * len, sizeof(T) * offset);
                std::memcpy(io.as<T>(), x.data(), sizeof(T) * len);
                ASSERT_EQ(median(x.data(), out.as<T>(), len, mask), expected);
                ASSERT_EQ(median(io.as<T>(), len, mask), expected);
                ASSERT_TRUE(out.guards_intact() && io.guards_intact());
                ASSERT_EQ(0, std::memcmp(out.as<T>(), want.data(), sizeof(T) * len));
                ASSERT_EQ(0, std::memcmp(io.as<T>(), want.data(), sizeof(T) * len));
            }
}

TEST(Median, MatchesTheWindowMedian8u) { check_every_form<Vdx8u>(); }
TEST(Median, MatchesTheWindowMedian16s) { check_every_form<Vdx16s>(); }
TEST(Median, MatchesTheWindowMedian32s) { check_every_form<Vdx32s>(); }
TEST(Median, MatchesTheWindowMedian32f) { check_every_form<Vdx32f>(); }
TEST(Median, MatchesTheWindowMedian64f) { check_every_form<Vdx64f>(); }

// Long signals with wide masks split into blocks among threads: 1, 2 and 3
// threads give the window medians, in place too.
TEST(Median, AnyThreadCount) {
    const auto x = signal<Vdx32f>(70001, 9);
    for (int mask : {11, 101}) {
        const auto want = reference(x, mask);
        for (int threads : {1, 2, 3}) {
            vdxcoreSetNumThreads(threads);
            std::vector<Vdx32f> out(x.size()), io = x;
            EXPECT_EQ(median(x.data(), out.data(), 70001, mask), vdxStsNoErr);
            EXPECT_EQ(median(io.data(), 70001, mask), vdxStsNoErr);
            EXPECT_TRUE(out == want && io == want) << "mask " << mask << " threads " << threads;
        }
        vdxcoreSetNumThreads(0);
    }
}

// A mask below 1 is a size error, checked after the pointers and the length
// (those alone, and nothing written on error: contract fuzzer).
TEST(Median, MaskChecksComeLast) {
    std::vector<Vdx64f> src(8, 1.0), dst(8, -5.0);
    for (int mask : {0, -3}) {
        EXPECT_EQ(median(src.data(), dst.data(), 8, mask), vdxStsSizeErr);
        EXPECT_EQ(median(dst.data(), 8, mask), vdxStsSizeErr);
        EXPECT_EQ(median(nullptr, dst.data(), 8, mask), vdxStsNullPtrErr);
        EXPECT_EQ(median(src.data(), dst.data(), 0, mask), vdxStsSizeErr);
    }
}

}  // namespace
