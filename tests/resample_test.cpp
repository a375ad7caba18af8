// SampleDown and SampleUp against their definitions over every type,
// factor, phase and length, a stream cut in pieces against one call, and
// the statuses in their order; pre-emphasis against long double (exact for
// the 16-bit form, so ties and saturation are checked to the bit).
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "guarded_memory.h"
#include "vdxs.h"

namespace {

template <class T>
struct Api;
#define API(T, suffix)                                                                                     \
    template <>                                                                                            \
    struct Api<T> {                                                                                        \
        static VdxStatus down(const T* s, int n, T* d, int* dn, int f, int* p) {                           \
            return vdxsSampleDown_##suffix(s, n, d, dn, f, p);                                             \
        }                                                                                                  \
        static VdxStatus up(const T* s, int n, T* d, int* dn, int f, int* p) {                             \
            return vdxsSampleUp_##suffix(s, n, d, dn, f, p);                                               \
        }                                                                                                  \
    };
API(Vdx16s, 16s)
API(Vdx16sc, 16sc)
API(Vdx32f, 32f)
API(Vdx32fc, 32fc)
API(Vdx64f, 64f)
API(Vdx64fc, 64fc)
#undef API

// Distinct, non-zero elements: a zero inserted where a sample belongs shows.
template <class T>
std::vector<T> samples(int len) {
    std::vector<T> x(len);
    for (int i = 0; i < len; ++i) {
        const int v = i % 30000 + 1;
        if constexpr (std::is_arithmetic_v<T>) {
            x[i] = static_cast<T>(v);
        } else {
            x[i] = T{static_cast<decltype(T{}.re)>(v), static_cast<decltype(T{}.re)>(-v)};
        }
    }
    return x;
}

template <class T>
bool same(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

const int kFactors[] = {1, 2, 3, 4, 5, 7, 16};
const int kLens[] = {1, 2, 3, 7, 47, 48, 49, 100, 4096, 4097, 9001};

template <class T>
void check_down() {
    for (int factor : kFactors)
        for (int phase = 0; phase < factor; ++phase)
            for (int len : kLens) {
                SCOPED_TRACE(testing::Message() << "factor " << factor << " phase " << phase << " len " << len);
                const auto x = samples<T>(len);
                Guarded dst(sizeof(T) * len, 0);
                int dstLen = -1, p = phase;
                ASSERT_EQ(Api<T>::down(x.data(), len, dst.as<T>(), &dstLen, factor, &p), vdxStsNoErr);
                int count = 0, i = phase;
                for (; i < len; i += factor, ++count) ASSERT_TRUE(same(dst.as<T>()[count], x[i])) << count;
                EXPECT_EQ(dstLen, count);
                EXPECT_EQ(p, factor == 1 ? phase : i - len);
                EXPECT_TRUE(dst.guards_intact());
                for (int k = count; k < len; ++k) ASSERT_EQ(dst.data()[k * sizeof(T)], kPoison) << "past *pDstLen";
            }
}

// A stream cut in pieces, each continuing with the phase the last one left,
// gives the one-call result.
template <class T>
void check_down_pieces() {
    std::mt19937 gen(7);
    const auto x = samples<T>(5000);
    for (int factor : {2, 3, 7}) {
        std::vector<T> whole(5000), pieces(5000);
        int wholeLen = 0, p = 1;
        ASSERT_EQ(Api<T>::down(x.data(), 5000, whole.data(), &wholeLen, factor, &p), vdxStsNoErr);
        int at = 0, written = 0, phase = 1;
        while (at < 5000) {
            const int n = std::min<int>(5000 - at, 1 + gen() % 60);
            int got = 0;
            ASSERT_EQ(Api<T>::down(x.data() + at, n, pieces.data() + written, &got, factor, &phase), vdxStsNoErr);
            at += n;
            written += got;
        }
        ASSERT_EQ(written, wholeLen);
        EXPECT_EQ(phase, p);
        EXPECT_EQ(0, std::memcmp(whole.data(), pieces.data(), sizeof(T) * written));
    }
}

template <class T>
void check_up() {
    for (int factor : kFactors)
        for (int phase = 0; phase < factor; ++phase)
            for (int len : kLens) {
                SCOPED_TRACE(testing::Message() << "factor " << factor << " phase " << phase << " len " << len);
                const auto x = samples<T>(len);
                const int total = len * factor;
                Guarded dst(sizeof(T) * total, 0);
                int dstLen = -1, p = phase;
                ASSERT_EQ(Api<T>::up(x.data(), len, dst.as<T>(), &dstLen, factor, &p), vdxStsNoErr);
                EXPECT_EQ(dstLen, total);
                EXPECT_EQ(p, phase);
                ASSERT_TRUE(dst.guards_intact());
                const T zero{};
                for (int i = 0; i < total; ++i) {
                    const bool sample = i % factor == phase;
                    ASSERT_TRUE(same(dst.as<T>()[i], sample ? x[i / factor] : zero)) << i;
                }
            }
}

TEST(Resample, SampleDown) {
    check_down<Vdx16s>();
    check_down<Vdx16sc>();
    check_down<Vdx32f>();
    check_down<Vdx32fc>();
    check_down<Vdx64f>();
    check_down<Vdx64fc>();
}
TEST(Resample, SampleDownInPieces) {
    check_down_pieces<Vdx16s>();
    check_down_pieces<Vdx32fc>();
    check_down_pieces<Vdx64fc>();
}
TEST(Resample, SampleUp) {
    check_up<Vdx16s>();
    check_up<Vdx16sc>();
    check_up<Vdx32f>();
    check_up<Vdx32fc>();
    check_up<Vdx64f>();
    check_up<Vdx64fc>();
}

TEST(Resample, StatedExamples) {
    std::vector<Vdx32f> x = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, y(10, -1);
    int n = 0, p = 2;
    ASSERT_EQ(vdxsSampleDown_32f(x.data(), 10, y.data(), &n, 3, &p), vdxStsNoErr);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(std::vector<Vdx32f>(y.begin(), y.begin() + 4), (std::vector<Vdx32f>{2, 5, 8, -1}));
    const std::vector<Vdx16s> a = {11, 22, 33};
    std::vector<Vdx16s> b(6, -1);
    p = 1;
    ASSERT_EQ(vdxsSampleUp_16s(a.data(), 3, b.data(), &n, 2, &p), vdxStsNoErr);
    EXPECT_EQ(b, (std::vector<Vdx16s>{0, 11, 0, 22, 0, 33}));
    EXPECT_EQ(n, 6);
}

TEST(Resample, StatusesInOrderWriteNothing) {
    Vdx64f src[4] = {1, 2, 3, 4}, dst[8] = {};
    int n = 0;
    struct Case {
        bool null_src, null_dst, null_len, null_phase;
        int len, factor, phase;
        VdxStatus want;
    };
    const Case cases[] = {
        {true, false, false, false, 0, 0, -1, vdxStsNullPtrErr},
        {false, true, false, false, 4, 2, 0, vdxStsNullPtrErr},
        {false, false, true, false, 4, 2, 0, vdxStsNullPtrErr},
        {false, false, false, true, 4, 2, 0, vdxStsNullPtrErr},
        {false, false, false, false, 0, 0, -1, vdxStsSizeErr},
        {false, false, false, false, 4, 0, -1, vdxStsSampleFactorErr},
        {false, false, false, false, 4, 2, -1, vdxStsSamplePhaseErr},
        {false, false, false, false, 4, 2, 2, vdxStsSamplePhaseErr},
        {false, false, false, false, 4, 1, 1, vdxStsSamplePhaseErr},
    };
    for (bool up : {false, true})
        for (const Case& c : cases) {
            std::fill(dst, dst + 8, -9.0);
            n = 77;
            int phase = c.phase;
            const VdxStatus got =
                (up ? vdxsSampleUp_64f : vdxsSampleDown_64f)(c.null_src ? nullptr : src, c.len,
                                                             c.null_dst ? nullptr : dst, c.null_len ? nullptr : &n,
                                                             c.factor, c.null_phase ? nullptr : &phase);
            EXPECT_EQ(got, c.want) << "up " << up << " len " << c.len << " factor " << c.factor;
            EXPECT_EQ(n, 77);
            EXPECT_EQ(phase, c.phase);
            for (double v : dst) EXPECT_EQ(v, -9.0);
        }
    int phase = 0;
    EXPECT_EQ(vdxsSampleUp_64f(src, 4, dst, &n, 1 << 30, &phase), vdxStsSizeErr);
}

// ---------------------------------------------------------------- pre-emphasis

// x(n) - val x(n-1) is exact in long double for 16-bit x and float val.
Vdx16s emphasized_16s(Vdx16s x, Vdx16s prev, float val) {
    const long double y = std::nearbyintl(static_cast<long double>(x) - static_cast<long double>(val) * prev);
    if (y != y) return 0;
    return static_cast<Vdx16s>(std::clamp(y, -32768.0L, 32767.0L));
}

TEST(Preemphasis, SixteenBitsExactlyRounded) {
    const float vals[] = {0.0f, 0.5f, -0.5f, 1.5f, 0.9375f, 0.97f, 1.0f + 0x1p-23f, 3e-30f, -2.0f, 70000.0f,
                          std::numeric_limits<float>::infinity(), std::nanf("")};
    std::mt19937 gen(3);
    std::vector<Vdx16s> x(300);
    for (auto& v : x) v = static_cast<Vdx16s>(gen());
    x[1] = 0;
    x[5] = 1;
    x[6] = 3;
    x[7] = -32768;
    x[8] = 32767;
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    for (float val : vals) {
        std::vector<Vdx16s> y = x;
        ASSERT_EQ(vdxsPreemphasize_16s(y.data(), 300, val), vdxStsNoErr);
        EXPECT_EQ(y[0], x[0]);
        for (int n = 1; n < 300; ++n) ASSERT_EQ(y[n], emphasized_16s(x[n], x[n - 1], val)) << "val " << val << " n " << n;
    }
}

TEST(Preemphasis, FloatAndShortCalls) {
    std::vector<Vdx32f> x(1000);
    for (int n = 0; n < 1000; ++n) x[n] = std::sin(0.1f * n) * 3.0f;
    std::vector<Vdx32f> y = x;
    ASSERT_EQ(vdxsPreemphasize_32f(y.data(), 1000, 0.95f), vdxStsNoErr);
    EXPECT_EQ(y[0], x[0]);
    for (int n = 1; n < 1000; ++n) {
        const long double want = static_cast<long double>(x[n]) - 0.95L * x[n - 1];
        ASSERT_NEAR(y[n], want, 4e-7 * (std::fabs(x[n]) + std::fabs(x[n - 1]))) << n;
    }
    Vdx32f one = -7.5f;
    Vdx16s one16 = 123;
    EXPECT_EQ(vdxsPreemphasize_32f(&one, 1, 0.9f), vdxStsNoErr);
    EXPECT_EQ(vdxsPreemphasize_16s(&one16, 1, 0.9f), vdxStsNoErr);
    EXPECT_EQ(one, -7.5f);
    EXPECT_EQ(one16, 123);
    EXPECT_EQ(vdxsPreemphasize_32f(nullptr, 0, 0.9f), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsPreemphasize_16s(&one16, 0, 0.9f), vdxStsSizeErr);
}

}  // namespace
