// Initialization family, black box: destinations between poisoned guard
// zones at several misalignments, compared byte for byte with plain
// references; vectors also against inaccessible pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "guarded_memory.h"
#include "vdxs.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
// Above the sizes from which copies, moves and zero fills (kLargeBytes) and
// other fills (kHugeFillBytes) stream their stores; not vector multiples.
constexpr std::size_t kLargeBytes = (12u << 20) + 48;
constexpr std::size_t kHugeFillBytes = (48u << 20) + 48;

std::mt19937_64 rng{0x1D1C0DE};

void randomize(std::uint8_t* p, std::size_t n) {
    for (std::size_t i = 0; i < n; i += 8) {
        const std::uint64_t word = rng();
        std::memcpy(p + i, &word, std::min<std::size_t>(8, n - i));
    }
}
Bytes random_bytes(std::size_t n) {
    Bytes v(n);
    randomize(v.data(), n);
    return v;
}

// Byte offsets from a 64-byte boundary: aligned, one element, and odd
// multiples of the type's alignment (odd bytes for byte vectors).
template <class T>
std::vector<std::size_t> misalignments() {
    return {0, sizeof(T), 3 * alignof(T), 5 * alignof(T)};  // distinct and rising: sizeof(T) <= 2 alignof(T)
}

// Every short path and loop tail, and a few thousand elements.
std::vector<int> lengths() {
    std::vector<int> out(70);
    for (int n = 1; n <= 70; ++n) out[n - 1] = n;
    out.push_back(3001);
    return out;
}

template <class T>
int length_of(std::size_t bytes) { return static_cast<int>(bytes / sizeof(T)) + 1; }

template <template <class> class Ops>
struct TypeNames {
    template <class T>
    static std::string GetName(int) { return Ops<T>::name; }
};

// ---------------------------------------------------------------- Copy, Move, Set, Zero

template <class T>
struct ByteOps;
#define BYTE_OPS_ROW(code, T)                                                                       \
    template <>                                                                                     \
    struct ByteOps<T> {                                                                             \
        static constexpr const char* name = #code;                                                  \
        static VdxStatus copy(const T* s, T* d, int n) { return vdxsCopy_##code(s, d, n); }         \
        static VdxStatus move(const T* s, T* d, int n) { return vdxsMove_##code(s, d, n); }         \
        static VdxStatus set(T v, T* d, int n) { return vdxsSet_##code(v, d, n); }                  \
        static VdxStatus zero(T* d, int n) { return vdxsZero_##code(d, n); }                        \
    };
BYTE_OPS_ROW(8u, Vdx8u) BYTE_OPS_ROW(16s, Vdx16s) BYTE_OPS_ROW(16sc, Vdx16sc) BYTE_OPS_ROW(32s, Vdx32s)
BYTE_OPS_ROW(32sc, Vdx32sc) BYTE_OPS_ROW(32f, Vdx32f) BYTE_OPS_ROW(32fc, Vdx32fc) BYTE_OPS_ROW(64s, Vdx64s)
BYTE_OPS_ROW(64sc, Vdx64sc) BYTE_OPS_ROW(64f, Vdx64f) BYTE_OPS_ROW(64fc, Vdx64fc)
#undef BYTE_OPS_ROW

// Values for Set as bit patterns: all bytes different (a wrong phase shows),
// random bits, and for elements of 4 bytes and more NaNs with payloads,
// signalling NaNs and -0.0 as doubles and as pairs of floats.
template <class T>
std::vector<T> set_values() {
    std::vector<Bytes> patterns = {Bytes(sizeof(T)), random_bytes(sizeof(T))};
    for (std::size_t i = 0; i < sizeof(T); ++i) patterns[0][i] = static_cast<std::uint8_t>(0x11 * (i % 15 + 1));
    for (std::uint64_t word : {0x7FF8000012345678ull, 0xFFF0000000000001ull, 0x8000000000000000ull,
                               0x800000007FC12345ull, 0xFFC543217F812345ull, 0x7F80000180000000ull}) {
        Bytes p(sizeof(T));
        for (std::size_t at = 0; at < sizeof(T); at += 8) std::memcpy(p.data() + at, &word, std::min<std::size_t>(8, sizeof(T)));
        if (sizeof(T) >= 4) patterns.push_back(p);
    }
    std::vector<T> out(patterns.size());
    for (std::size_t i = 0; i < out.size(); ++i) std::memcpy(&out[i], patterns[i].data(), sizeof(T));
    return out;
}

template <class T>
class InitBytes : public ::testing::Test {};
using ByteTypes =
    ::testing::Types<Vdx8u, Vdx16s, Vdx16sc, Vdx32s, Vdx32sc, Vdx32f, Vdx32fc, Vdx64s, Vdx64sc, Vdx64f, Vdx64fc>;
TYPED_TEST_SUITE(InitBytes, ByteTypes, TypeNames<ByteOps>);

TYPED_TEST(InitBytes, MoveMatchesMemmoveForEveryOverlap) {
    using T = TypeParam;
    // Source in the middle of 3 len + 2 elements, destination `shift`
    // elements away: every overlap in both directions, and disjoint.
    auto run = [](int len, long shift) {
        Guarded buf((3 * len + 2) * sizeof(T), 0);
        randomize(buf.data(), (3 * len + 2) * sizeof(T));
        Guarded expect = buf;
        std::memmove(expect.data() + (len + 1 + shift) * sizeof(T), expect.data() + (len + 1) * sizeof(T),
                     len * sizeof(T));
        T* src = buf.as<T>() + len + 1;
        ASSERT_EQ(ByteOps<T>::move(src, src + shift, len), vdxStsNoErr);
        ASSERT_TRUE(buf.all() == expect.all()) << "len " << len << " shift " << shift;
    };
    for (int len = 1; len <= 70; ++len)
        for (long shift = -len - 1; shift <= len + 1; ++shift) run(len, shift);
    const long n = 3001, big = length_of<T>(kLargeBytes);
    for (long shift : {-n - 1, -n + 1, -n / 2, -3L, -1L, 1L, 2L, 7L, n / 2 + 1, n - 1, n + 1}) run(n, shift);
    for (long shift : {-big - 1, -1L, 1L, big + 1}) run(big, shift);
}

TYPED_TEST(InitBytes, CopySetAndZeroWriteTheirBitsAndNothingElse) {
    using T = TypeParam;
    auto copy = [](int len, std::size_t srcMis, std::size_t dstMis) {
        const std::size_t bytes = len * sizeof(T);
        Guarded src(bytes, srcMis), dst(bytes, dstMis);
        randomize(src.data(), bytes);
        const Bytes before = src.all();
        ASSERT_EQ(ByteOps<T>::copy(src.as<T>(), dst.as<T>(), len), vdxStsNoErr);
        ASSERT_EQ(std::memcmp(dst.data(), src.data(), bytes), 0) << len << " +" << srcMis << " +" << dstMis;
        ASSERT_TRUE(dst.guards_intact() && src.all() == before) << len << " +" << dstMis;
    };
    auto set = [](const T* value, int len, std::size_t mis) {  // Zero without a value
        const std::size_t bytes = len * sizeof(T);
        Guarded dst(bytes, mis);
        const std::vector<T> expect(len, value ? *value : T{});
        ASSERT_EQ(value ? ByteOps<T>::set(*value, dst.as<T>(), len) : ByteOps<T>::zero(dst.as<T>(), len), vdxStsNoErr);
        ASSERT_EQ(std::memcmp(dst.data(), expect.data(), bytes), 0) << (value ? "set " : "zero ") << len << " +" << mis;
        ASSERT_TRUE(dst.guards_intact()) << len << " +" << mis;
    };
    const auto values = set_values<T>();
    const auto mis = misalignments<T>();
    for (int len : lengths())
        for (std::size_t m : mis) {
            for (std::size_t d : mis) copy(len, m, d);
            set(nullptr, len, m);
            for (const T& value : values) set(&value, len, m);
        }
    copy(length_of<T>(kLargeBytes), mis[0], mis[0]);
    copy(length_of<T>(kLargeBytes), mis[1], mis[2]);
    set(nullptr, length_of<T>(kLargeBytes), mis[2]);
    set(&values[0], length_of<T>(kLargeBytes), mis[1]);
    set(&values[1], length_of<T>(kHugeFillBytes), mis[2]);
}

TYPED_TEST(InitBytes, StayInsideTheirVectorsAtPageEdges) {
    using T = TypeParam;
    const T value = set_values<T>()[0];
    at_page_edges<T>(150, [&](T* src, T* dst, int len) {
        randomize(reinterpret_cast<std::uint8_t*>(src), len * sizeof(T));
        ASSERT_EQ(ByteOps<T>::copy(src, dst, len), vdxStsNoErr);
        ASSERT_EQ(ByteOps<T>::zero(dst, len), vdxStsNoErr);
        ASSERT_EQ(ByteOps<T>::move(src, dst, len), vdxStsNoErr);
        ASSERT_EQ(std::memcmp(dst, src, len * sizeof(T)), 0);
        ASSERT_EQ(ByteOps<T>::set(value, dst, len), vdxStsNoErr);
        ASSERT_EQ(std::memcmp(dst + len - 1, &value, sizeof(T)), 0);
    });
}

// Lengths whose byte count exceeds 32 bits are refused, nothing written
// (lengths below 1 and null pointers: contract fuzzer).
TYPED_TEST(InitBytes, RejectBadLengthsWithoutWriting) {
    using T = TypeParam;
    using Ops = ByteOps<T>;
    Guarded src(8 * sizeof(T), 0), dst(8 * sizeof(T), 0);
    T *s = src.as<T>(), *d = dst.as<T>();
    const int n = sizeof(T) > 1 ? static_cast<int>(INT_MAX / sizeof(T)) + 1 : 0;
    for (VdxStatus st : {Ops::copy(s, d, n), Ops::move(s, d, n), Ops::set(*s, d, n), Ops::zero(d, n)})
        EXPECT_EQ(st, vdxStsSizeErr) << n;
    EXPECT_EQ(dst.all(), Guarded(8 * sizeof(T), 0).all());
}

// ---------------------------------------------------------------- Flip

template <class T>
struct FlipOps;
#define FLIP_OPS_ROW(code, T)                                                            \
    template <>                                                                          \
    struct FlipOps<T> {                                                                  \
        static constexpr const char* name = #code;                                       \
        static VdxStatus flip(const T* s, T* d, int n) { return vdxsFlip_##code(s, d, n); } \
        static VdxStatus flip_i(T* io, int n) { return vdxsFlip_##code##_I(io, n); }     \
    };
FLIP_OPS_ROW(8u, Vdx8u) FLIP_OPS_ROW(16u, Vdx16u) FLIP_OPS_ROW(32f, Vdx32f)
FLIP_OPS_ROW(64f, Vdx64f) FLIP_OPS_ROW(32fc, Vdx32fc) FLIP_OPS_ROW(64fc, Vdx64fc)
#undef FLIP_OPS_ROW

// The elements of `src` in reverse order, bit for bit.
Bytes reversed(const std::uint8_t* src, int len, std::size_t size) {
    Bytes out(len * size);
    for (int i = 0; i < len; ++i) std::memcpy(&out[i * size], src + (len - 1 - i) * size, size);
    return out;
}

template <class T>
class InitFlip : public ::testing::Test {};
using FlipTypes = ::testing::Types<Vdx8u, Vdx16u, Vdx32f, Vdx64f, Vdx32fc, Vdx64fc>;
TYPED_TEST_SUITE(InitFlip, FlipTypes, TypeNames<FlipOps>);

TYPED_TEST(InitFlip, ReversesIntoDestinationAndInPlace) {
    using T = TypeParam;
    const auto mis = misalignments<T>();
    std::vector<int> all = lengths();
    all.push_back(length_of<T>(kLargeBytes / 8));
    for (int len : all) {
        const std::size_t bytes = len * sizeof(T);
        for (std::size_t s : mis) {
            Guarded src(bytes, s);
            randomize(src.data(), bytes);
            const Bytes expect = reversed(src.data(), len, sizeof(T));
            for (std::size_t d : mis) {
                Guarded dst(bytes, d);
                ASSERT_EQ(FlipOps<T>::flip(src.as<T>(), dst.as<T>(), len), vdxStsNoErr);
                ASSERT_EQ(Bytes(dst.data(), dst.data() + bytes), expect) << len << " +" << s << " +" << d;
                ASSERT_TRUE(dst.guards_intact()) << len << " +" << d;
            }
            ASSERT_EQ(FlipOps<T>::flip_i(src.as<T>(), len), vdxStsNoErr);
            ASSERT_EQ(Bytes(src.data(), src.data() + bytes), expect) << "in place " << len << " +" << s;
            ASSERT_TRUE(src.guards_intact()) << "in place " << len << " +" << s;
        }
    }
}

TYPED_TEST(InitFlip, StaysInsideItsVectorsAtPageEdges) {
    using T = TypeParam;
    at_page_edges<T>(128, [](T* src, T* dst, int len) {
        randomize(reinterpret_cast<std::uint8_t*>(src), len * sizeof(T));
        ASSERT_EQ(FlipOps<T>::flip(src, dst, len), vdxStsNoErr);
        ASSERT_EQ(FlipOps<T>::flip_i(dst, len), vdxStsNoErr);
        ASSERT_EQ(std::memcmp(dst, src, len * sizeof(T)), 0) << len;
    });
}

// ---------------------------------------------------------------- bit strings

// Bits are numbered from the most significant bit of each byte.
int get_bit(const std::uint8_t* p, long bit) { return (p[bit / 8] >> (7 - bit % 8)) & 1; }
void put_bit(std::uint8_t* p, long bit, int v) {
    const int mask = 0x80 >> (bit % 8);
    p[bit / 8] = static_cast<std::uint8_t>(v ? (p[bit / 8] | mask) : (p[bit / 8] & ~mask));
}

// Offsets count modulo 8.  The source ends against an inaccessible page (odd
// lengths) or starts right after one (even); the neighbouring bytes keep.
TEST(InitBits, Copy1uMatchesBitByBitCopyForAllOffsets) {
    constexpr int kMaxLen = 200;  // crosses the 16- and 48-bit path switches
    constexpr int kSlack = 4;
    Fenced pages(64);
    for (int srcOff = 0; srcOff < 24; ++srcOff)
        for (int dstOff = 0; dstOff < 24; ++dstOff)
            for (int len = 1; len <= kMaxLen; len += (srcOff >= 8 || dstOff >= 8 ? 7 : 1)) {
                const std::size_t srcBytes = (srcOff % 8 + len + 7) / 8;
                std::uint8_t* src = pages.at(len % 2, srcBytes);
                randomize(src, srcBytes);
                Bytes dst = random_bytes(kMaxLen / 8 + 5 + 2 * kSlack), expect = dst;
                for (int i = 0; i < len; ++i) put_bit(&expect[kSlack], dstOff % 8 + i, get_bit(src, srcOff % 8 + i));
                ASSERT_EQ(vdxsCopy_1u(src, srcOff, &dst[kSlack], dstOff, len), vdxStsNoErr);
                ASSERT_EQ(dst, expect) << "offsets " << srcOff << ", " << dstOff << ", len " << len;
            }
}

// (Lengths below 1, and nothing written on error: contract fuzzer.)
TEST(InitBits, RejectNegativeOffsets) {
    const Bytes src = random_bytes(8);
    const Vdx32u words[4] = {1, 2, 3, 4};
    const int widths[4] = {3, 3, 3, 3};
    Bytes dst(8);
    int bits = 0;
    EXPECT_EQ(vdxsCopy_1u(src.data(), -1, dst.data(), 0, 8), vdxStsSizeErr);
    EXPECT_EQ(vdxsCopy_1u(src.data(), 0, dst.data(), -8, 8), vdxStsSizeErr);
    EXPECT_EQ(vdxsCopy_1u(src.data(), INT_MIN, dst.data(), 3, 8), vdxStsSizeErr);
    EXPECT_EQ(vdxsPackBits_32u8u(words, widths, 4, dst.data(), -1, &bits), vdxStsSizeErr);
}

// Reference packing, bit by bit: {bit count, any width clamped}.
std::pair<int, bool> pack_reference(const std::vector<Vdx32u>& src, const std::vector<int>& widths, std::uint8_t* dst,
                                    int dstOff) {
    long bit = dstOff % 8;
    bool clamped = false;
    for (std::size_t i = 0; i < src.size(); ++i) {
        clamped |= widths[i] < 0 || widths[i] > 32;
        for (int b = std::clamp(widths[i], 0, 32) - 1; b >= 0; --b) put_bit(dst, bit++, (src[i] >> b) & 1);
    }
    return {static_cast<int>(bit - dstOff % 8), clamped};
}

TEST(InitBits, PackBitsMatchesBitByBitPacking) {
    std::uniform_int_distribution<int> anyWidth(-3, 40), inRange(0, 32), small(0, 3);
    for (int dstOff : {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 31})
        for (int len = 1; len <= 80; ++len)
            for (int kind = 0; kind < 4; ++kind) {  // widths in range, any (one clamped), small, all zero
                std::vector<Vdx32u> src(len);
                std::vector<int> widths(len);
                for (int i = 0; i < len; ++i) {
                    src[i] = static_cast<Vdx32u>(rng());
                    widths[i] = kind == 0 ? inRange(rng) : kind == 1 ? anyWidth(rng) : kind == 2 ? small(rng) : 0;
                }
                if (kind == 1) widths[len / 2] = len % 2 ? 33 : -1;
                Bytes dst = random_bytes(4 * len + 8), expect = dst;
                const auto [bits, clamped] = pack_reference(src, widths, &expect[2], dstOff);
                int bitLen = -12345;
                const VdxStatus status = vdxsPackBits_32u8u(src.data(), widths.data(), len, &dst[2], dstOff, &bitLen);
                const std::string where = "offset " + std::to_string(dstOff) + " len " + std::to_string(len) +
                                          " kind " + std::to_string(kind);
                ASSERT_EQ(status, clamped ? vdxStsBitWidthClamped : vdxStsNoErr) << where;
                ASSERT_EQ(bitLen, bits) << where;
                ASSERT_EQ(dst, expect) << where;
            }
}

}  // namespace
