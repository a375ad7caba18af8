// The radix sorts: SortRadix (in place, through a work buffer of len
// elements) and SortRadixIndex (the source kept, sorted positions written).
//
// Both sort unsigned keys that order like the values, least significant
// digit first, with stable scatters, so the whole sort is stable:
//   - keys: unsigned values as they are; signed values with the sign bit
//     flipped; floats with every bit inverted when the sign bit is set and
//     only the sign bit flipped otherwise (so -0 sorts before +0, and NaNs
//     sort by their sign bit: below -inf when it is set, above +inf when it
//     is not).  Descending order uses the inverted key, which reverses the
//     order of the values and keeps equal keys in their original order;
//   - digits, least significant first: 16-bit keys 8 + 8 bits, 32-bit keys
//     11 + 11 + 10, 64-bit keys 11 x 5 + 9.  One read counts every digit of
//     every key; a digit that is the same for all keys moves nothing and is
//     skipped;
//   - SortRadix scatters between the vector and the buffer, turning values
//     into keys on the first scatter and keys back into values on the last;
//     after an odd number of scatters the result is copied back.  The bits
//     of the elements travel untouched by floating-point arithmetic.  8-bit
//     vectors need no scatter: one count of the 256 values, then each value
//     written as often as it was counted (the buffer is not used);
//   - SortRadixIndex scatters (key, position) pairs in 64-bit words through
//     scratch memory from the library allocator; the last scatter writes the
//     positions alone.
//
// SortRadix of 32- and 64-bit elements from 8192 elements, when more than
// one thread is available, cuts the vector into up to four blocks of 2^k
// elements and runs them on a team of up to four threads (four blocks even
// for two threads, so that a thread descheduled in the middle of a pass
// holds up a quarter of it, not half).  Each block owns the same positions
// in every scatter's source.  The blocks count every
// digit of their keys; then, per digit, each block derives its starting
// positions from every block's counts (all earlier buckets, then the same
// bucket in earlier blocks) and scatters.  While scattering, a block counts
// the next digit of each key it writes, by the block the key lands in, so
// the next digit's counts are ready for the next pass.  That is the serial
// scatter's order exactly, so the result does not depend on the thread
// count or on which thread ran a block.  When the call stays on one thread
// or the counts cannot be allocated, the serial sort runs instead.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <utility>

#include "abi/api.h"
#include "runtime/checks.h"
#include "runtime/parallel.h"
#include "numeric/types.h"
#include "vdxcore.h"

namespace {

enum class Order { ascend, descend };

// Element bits, read and written under an unsigned type whatever the
// element type of the caller's vector.
typedef std::uint8_t Bits8 __attribute__((may_alias));
typedef std::uint16_t Bits16 __attribute__((may_alias));
typedef std::uint32_t Bits32 __attribute__((may_alias));
typedef std::uint64_t Bits64 __attribute__((may_alias));

template <int Bytes>
struct AliasOf;
template <>
struct AliasOf<1> {
    using type = Bits8;
};
template <>
struct AliasOf<2> {
    using type = Bits16;
};
template <>
struct AliasOf<4> {
    using type = Bits32;
};
template <>
struct AliasOf<8> {
    using type = Bits64;
};

constexpr int kMaxDigits = 6;
constexpr int kMaxDigitBuckets = 2048;
constexpr int kMaxTeam = 4;
constexpr vdx::ParallelPolicy kParallel{8192, kMaxTeam};

struct Layout {
    int digits;
    int shift[kMaxDigits];
    int width[kMaxDigits];
    int offset[kMaxDigits];  // first counter of each digit
    int counters;            // all digits together
};

constexpr Layout layout_for(int key_bits) noexcept {
    Layout l{};
    int widths[kMaxDigits] = {};
    if (key_bits == 8) {
        l.digits = 1;
        widths[0] = 8;
    } else if (key_bits == 16) {
        l.digits = 2;
        widths[0] = widths[1] = 8;
    } else if (key_bits == 32) {
        l.digits = 3;
        widths[0] = widths[1] = 11;
        widths[2] = 10;
    } else {
        l.digits = 6;
        for (int d = 0; d < 5; ++d) widths[d] = 11;
        widths[5] = 9;
    }
    int shift = 0;
    for (int d = 0; d < l.digits; ++d) {
        l.shift[d] = shift;
        l.width[d] = widths[d];
        l.offset[d] = l.counters;
        shift += widths[d];
        l.counters += 1 << widths[d];
    }
    return l;
}

template <class T, Order O>
struct Radix {
    using U = vdx::BitsOf<T>;
    using A = typename AliasOf<sizeof(T)>::type;
    static constexpr int kBits = 8 * sizeof(T);
    static constexpr U kTop = U(U(1) << (kBits - 1));
    static constexpr Layout L = layout_for(kBits);

    // ---- keys

    static U key(U bits) noexcept {
        U k;
        if constexpr (vdx::is_floating<T>) {
            k = U(bits ^ (U(U(0) - U(bits >> (kBits - 1))) | kTop));
        } else if constexpr (vdx::ElementTraits<T>::is_signed) {
            k = U(bits ^ kTop);
        } else {
            k = bits;
        }
        if constexpr (O == Order::descend) k = U(~k);
        return k;
    }

    static U bits(U k) noexcept {
        if constexpr (O == Order::descend) k = U(~k);
        if constexpr (vdx::is_floating<T>) {
            return U(k ^ (U(U(k >> (kBits - 1)) - 1) | kTop));
        } else if constexpr (vdx::ElementTraits<T>::is_signed) {
            return U(k ^ kTop);
        } else {
            return k;
        }
    }

    static U digit(U k, int d) noexcept { return U(k >> L.shift[d]) & U((1u << L.width[d]) - 1); }

    // ---- counting

    // Adds the counts of every digit of the keys of n elements to h.
    static void count_all(const A* v, int n, std::uint32_t* h) noexcept {
        for (int i = 0; i < n; ++i) {
            const U k = key(v[i]);
            for (int d = 0; d < L.digits; ++d) ++h[L.offset[d] + digit(k, d)];
        }
    }

    // The digits that move anything, in pass order; returns how many.  h holds
    // the counts of all n keys, k0 is any one of them.
    template <class TotalFn>
    static int moving_digits(U k0, int n, TotalFn total, int* moving) noexcept {
        int count = 0;
        for (int d = 0; d < L.digits; ++d) {
            if (total(L.offset[d] + digit(k0, d)) != static_cast<std::uint32_t>(n)) moving[count++] = d;
        }
        return count;
    }

    // Counts of one digit -> starting positions.
    static void starts(std::uint32_t* h, int d) noexcept {
        std::uint32_t run = 0;
        for (int b = 0; b < (1 << L.width[d]); ++b) {
            const std::uint32_t c = h[b];
            h[b] = run;
            run += c;
        }
    }

    // ---- SortRadix

    // Where the team version counts the next digit of the keys it writes:
    // one row of buckets per block owner; blocks are 2^shift positions long,
    // so a position's owner is one shift away.
    struct NextCount {
        std::uint32_t* rows;
        int digit;
        int shift;
    };

    // Elements [begin, end) of src to dst by digit d.  The first scatter reads
    // values, the last writes values; the others move keys.
    template <bool First, bool Last, bool Count>
    static void scatter(const A* src, A* dst, int begin, int end, std::uint32_t* pos, int d,
                        const NextCount& next) noexcept {
        const int shift = L.shift[d];
        const U mask = U((1u << L.width[d]) - 1);
        for (int i = begin; i < end; ++i) {
            const U k = First ? key(src[i]) : U(src[i]);
            const std::uint32_t q = pos[U(k >> shift) & mask]++;
            dst[q] = Last ? bits(k) : k;
            if constexpr (Count) {
                ++next.rows[(q >> next.shift) * kMaxDigitBuckets + digit(k, next.digit)];
            }
        }
    }

    static void scatter_pass(int pass, int passes, const A* src, A* dst, int begin, int end, std::uint32_t* pos,
                             int d, const NextCount* next) noexcept {
        const NextCount none{};
        const NextCount& n = next ? *next : none;
        if (pass == 0 && pass == passes - 1) {
            scatter<true, true, false>(src, dst, begin, end, pos, d, n);
        } else if (pass == 0) {
            next ? scatter<true, false, true>(src, dst, begin, end, pos, d, n)
                 : scatter<true, false, false>(src, dst, begin, end, pos, d, n);
        } else if (pass == passes - 1) {
            scatter<false, true, false>(src, dst, begin, end, pos, d, n);
        } else {
            next ? scatter<false, false, true>(src, dst, begin, end, pos, d, n)
                 : scatter<false, false, false>(src, dst, begin, end, pos, d, n);
        }
    }

    static void sort_serial(A* v, A* buffer, int n) noexcept {
        std::uint32_t h[L.counters] = {};
        count_all(v, n, h);
        int moving[kMaxDigits];
        const int passes = moving_digits(key(v[0]), n, [&](int c) { return h[c]; }, moving);
        A* src = v;
        A* dst = buffer;
        for (int p = 0; p < passes; ++p) {
            const int d = moving[p];
            starts(h + L.offset[d], d);
            scatter_pass(p, passes, src, dst, 0, n, h + L.offset[d], d, nullptr);
            std::swap(src, dst);
        }
        if (src != v) std::memcpy(v, src, static_cast<std::size_t>(n) * sizeof(U));
    }

    // The team version; false when the call stays on one thread or the
    // counts cannot be allocated (nothing has been moved then).  The vector
    // is cut into up to kMaxTeam blocks, and the counts are kept per block:
    //   all        per block, every digit of its keys;
    //   next[0/1]  per writing block and per destination block, the next
    //              digit of the keys it wrote there (alternately by pass).
    // So each digit is counted while the one before it is scattered, and
    // every pass is one run of the team.
    static bool sort_parallel(A* v, A* buffer, int n) noexcept {
        const int threads = vdx::team_size(n, kParallel);
        if (threads < 2) return false;
        // Blocks of 2^shift elements, the fewest that make at most kMaxTeam
        // blocks (the last one may be shorter).
        int shift = 0;
        while (((n - 1) >> shift) >= kMaxTeam) ++shift;
        const int blocks = ((n - 1) >> shift) + 1;
        const int row = blocks * kMaxDigitBuckets;  // one writer's next counts
        const int bytes = vdx::byte_count(blocks * L.counters + 2 * blocks * row, sizeof(std::uint32_t));
        auto* counts = reinterpret_cast<std::uint32_t*>(y8_vdxsMalloc_8u(bytes));
        if (counts == nullptr) return false;
        std::uint32_t* const all = counts;
        std::uint32_t* const next[2] = {all + blocks * L.counters, all + blocks * L.counters + blocks * row};
        auto range = [&](int b) {
            return vdx::BlockRange{b << shift, static_cast<int>(std::min(long(b + 1) << shift, long(n)))};
        };

        vdx::Team team(threads);
        team.run(blocks, [&](int b) {
            std::uint32_t* mine = all + b * L.counters;
            std::memset(mine, 0, sizeof(std::uint32_t) * L.counters);
            count_all(v + range(b).begin, range(b).end - range(b).begin, mine);
        });
        int moving[kMaxDigits];
        const int passes = moving_digits(
            key(v[0]), n,
            [&](int c) {
                std::uint32_t sum = 0;
                for (int b = 0; b < blocks; ++b) sum += all[b * L.counters + c];
                return sum;
            },
            moving);
        NextCount counter{};
        counter.shift = shift;

        A* src = v;
        A* dst = buffer;
        for (int p = 0; p < passes; ++p) {
            const int d = moving[p];
            // Bucket c of block o, as counted before this pass.
            auto in_block = [&](int o, int c) {
                if (p == 0) return all[o * L.counters + L.offset[d] + c];
                const std::uint32_t* prev = next[(p - 1) & 1];
                std::uint32_t sum = 0;
                for (int w = 0; w < blocks; ++w) sum += prev[w * row + o * kMaxDigitBuckets + c];
                return sum;
            };
            const bool counts_next = p + 1 < passes;
            team.run(blocks, [&](int b) {
                // Block b starts each bucket after all earlier buckets and
                // after the same bucket of the blocks before it.
                std::uint32_t pos[kMaxDigitBuckets];
                std::uint32_t run = 0;
                for (int c = 0; c < (1 << L.width[d]); ++c) {
                    std::uint32_t earlier = 0, every = 0;
                    for (int o = 0; o < blocks; ++o) {
                        const std::uint32_t k = in_block(o, c);
                        earlier += o < b ? k : 0;
                        every += k;
                    }
                    pos[c] = run + earlier;
                    run += every;
                }
                NextCount mine = counter;
                if (counts_next) {
                    mine.rows = next[p & 1] + b * row;
                    mine.digit = moving[p + 1];
                    std::memset(mine.rows, 0, sizeof(std::uint32_t) * blocks * kMaxDigitBuckets);
                }
                scatter_pass(p, passes, src, dst, range(b).begin, range(b).end, pos, d,
                             counts_next ? &mine : nullptr);
            });
            std::swap(src, dst);
        }
        if (src != v) {
            team.run(blocks, [&](int b) {
                const vdx::BlockRange r = range(b);
                std::memcpy(v + r.begin, src + r.begin, static_cast<std::size_t>(r.end - r.begin) * sizeof(U));
            });
        }
        y8_vdxsFree(counts);
        return true;
    }

    // ---- SortRadixIndex

    static VdxStatus sort_index(const A* src, Vdx32s* index, int n) noexcept {
        std::uint32_t h[L.counters] = {};
        count_all(src, n, h);
        int moving[kMaxDigits];
        const int passes = moving_digits(key(src[0]), n, [&](int c) { return h[c]; }, moving);
        for (int p = 0; p < passes; ++p) starts(h + L.offset[moving[p]], moving[p]);

        if (passes == 0) {
            for (int i = 0; i < n; ++i) index[i] = i;
            return vdxStsNoErr;
        }
        if (passes == 1) {
            std::uint32_t* pos = h + L.offset[moving[0]];
            for (int i = 0; i < n; ++i) index[pos[digit(key(src[i]), moving[0])]++] = i;
            return vdxStsNoErr;
        }

        // (key, position) pairs, the key in the high half.
        const int bytes = vdx::byte_count(n, sizeof(std::uint64_t));
        auto* a = reinterpret_cast<std::uint64_t*>(bytes < 0 ? nullptr : y8_vdxsMalloc_8u(bytes));
        auto* b = passes > 2 && a ? reinterpret_cast<std::uint64_t*>(y8_vdxsMalloc_8u(bytes)) : nullptr;
        if (a == nullptr || (passes > 2 && b == nullptr)) {
            y8_vdxsFree(a);
            return vdxStsMemAllocErr;
        }

        std::uint32_t* pos = h + L.offset[moving[0]];
        for (int i = 0; i < n; ++i) {
            const U k = key(src[i]);
            a[pos[digit(k, moving[0])]++] = std::uint64_t(k) << 32 | std::uint32_t(i);
        }
        std::uint64_t* from = a;
        std::uint64_t* to = b;
        for (int p = 1; p < passes; ++p) {
            const int d = moving[p];
            const int shift = 32 + L.shift[d];
            const std::uint64_t mask = (1u << L.width[d]) - 1;
            pos = h + L.offset[d];
            if (p == passes - 1) {
                for (int i = 0; i < n; ++i) {
                    const std::uint64_t w = from[i];
                    index[pos[(w >> shift) & mask]++] = static_cast<Vdx32s>(static_cast<std::uint32_t>(w));
                }
            } else {
                for (int i = 0; i < n; ++i) {
                    const std::uint64_t w = from[i];
                    to[pos[(w >> shift) & mask]++] = w;
                }
                std::swap(from, to);
            }
        }
        y8_vdxsFree(a);
        y8_vdxsFree(b);
        return vdxStsNoErr;
    }
};

// 8-bit values: count, then write each value as often as it occurred.
template <Order O>
void count_sort_bytes(Bits8* v, int n) noexcept {
    std::uint32_t h[256] = {};
    for (int i = 0; i < n; ++i) ++h[v[i]];
    std::size_t at = 0;
    for (int b = 0; b < 256; ++b) {
        const int value = O == Order::ascend ? b : 255 - b;
        std::memset(v + at, value, h[value]);
        at += h[value];
    }
}

template <Order O, class T>
VdxStatus radix_sort(T* v, T* buffer, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, v, buffer));
    using R = Radix<T, O>;
    auto* a = reinterpret_cast<typename R::A*>(v);
    auto* b = reinterpret_cast<typename R::A*>(buffer);
    if constexpr (sizeof(T) == 1) {
        count_sort_bytes<O>(a, len);
    } else {
        if constexpr (sizeof(T) >= 4) {
            if (R::sort_parallel(a, b, len)) return vdxStsNoErr;
        }
        R::sort_serial(a, b, len);
    }
    return vdxStsNoErr;
}

template <Order O, class T>
VdxStatus radix_sort_index(const T* src, Vdx32s* index, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, index));
    using R = Radix<T, O>;
    return R::sort_index(reinterpret_cast<const typename R::A*>(src), index, len);
}

}  // namespace

// ---- rows: code, element type

#define VDX_RADIX_ROW(code, T)                                                                          \
    extern "C" VdxStatus y8_vdxsSortRadixAscend_##code##_I(T* pSrcDst, T* pBuffer, int len) noexcept {  \
        return radix_sort<Order::ascend>(pSrcDst, pBuffer, len);                                        \
    }                                                                                                   \
    extern "C" VdxStatus y8_vdxsSortRadixDescend_##code##_I(T* pSrcDst, T* pBuffer, int len) noexcept { \
        return radix_sort<Order::descend>(pSrcDst, pBuffer, len);                                       \
    }
#define VDX_RADIX_INDEX_ROW(code, T)                                                                               \
    extern "C" VdxStatus y8_vdxsSortRadixIndexAscend_##code(const T* pSrc, Vdx32s* pDstIndx, int len) noexcept {  \
        return radix_sort_index<Order::ascend>(pSrc, pDstIndx, len);                                               \
    }                                                                                                              \
    extern "C" VdxStatus y8_vdxsSortRadixIndexDescend_##code(const T* pSrc, Vdx32s* pDstIndx, int len) noexcept { \
        return radix_sort_index<Order::descend>(pSrc, pDstIndx, len);                                              \
    }

VDX_RADIX_ROW(8u, Vdx8u)
VDX_RADIX_ROW(16u, Vdx16u)
VDX_RADIX_ROW(16s, Vdx16s)
VDX_RADIX_ROW(32u, Vdx32u)
VDX_RADIX_ROW(32s, Vdx32s)
VDX_RADIX_ROW(32f, Vdx32f)
VDX_RADIX_ROW(64f, Vdx64f)

VDX_RADIX_INDEX_ROW(8u, Vdx8u)
VDX_RADIX_INDEX_ROW(16u, Vdx16u)
VDX_RADIX_INDEX_ROW(16s, Vdx16s)
VDX_RADIX_INDEX_ROW(32u, Vdx32u)
VDX_RADIX_INDEX_ROW(32s, Vdx32s)
VDX_RADIX_INDEX_ROW(32f, Vdx32f)

#undef VDX_RADIX_ROW
#undef VDX_RADIX_INDEX_ROW
