// Initialization kernels, written once against the vector layer and compiled
// once per instruction-set variant (VDX_ISA: a name of variants.def).
//
// Byte copies and moves share one shape:
//   - up to two vectors: every byte is loaded before anything is stored
//     (two possibly overlapping vectors, or pairs of 16/8/4/2-byte words);
//   - longer: the first and the last vector of the source are loaded up
//     front, the body runs with aligned destination stores and unaligned
//     loads, and the two saved vectors are stored last.  Because nothing is
//     stored before the bytes it could clobber have been loaded, the same
//     code serves Move in either direction.
// Fills follow it with one vector of the repeated element.  From a size
// measured per operation (kStream*Bytes), and for moves only when source and
// destination are disjoint, the body uses streaming (non-temporal) stores
// and a fence: such a destination would not stay in the caches anyway, and
// streaming spares the read of every destination line.
//
// Every path gives the same bytes; only the speed differs.
#include "vector/init_kernels.h"

#include <cstddef>
#include <cstdint>

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using u64 = std::uint64_t;
using Vb = Vec<u8, kWidth>;
using V16 = Vec<u8, 16>;
constexpr int W = kWidth;

// Byte counts from which the body streams its stores.  Measured on a
// 32 MB last-level cache: a copy (source and destination both in flight)
// gains from 10 MB on, a fill with zeros from 12 MB, a fill with any other
// pattern only once the destination is well beyond the last-level cache.
constexpr int kStreamCopyBytes = 10 << 20;
constexpr int kStreamZeroBytes = 12 << 20;
constexpr int kStreamFillBytes = 48 << 20;

template <class U>
inline U load_word(const u8* p) {
    U v;
    __builtin_memcpy(&v, p, sizeof(U));
    return v;
}
template <class U>
inline void store_word(u8* p, U v) {
    __builtin_memcpy(p, &v, sizeof(U));
}

inline std::uintptr_t address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

// ---- byte copies

// n in 1 .. 2W bytes: all loads first, then all stores (safe on overlap).
inline void move_short(const u8* s, u8* d, int n) {
    if (n >= W) {
        const Vb a = Vb::loadu(s), b = Vb::loadu(s + n - W);
        a.storeu(d);
        b.storeu(d + n - W);
    } else if (W > 16 && n >= 16) {
        const V16 a = V16::loadu(s), b = V16::loadu(s + n - 16);
        a.storeu(d);
        b.storeu(d + n - 16);
    } else if (n >= 8) {
        const u64 a = load_word<u64>(s), b = load_word<u64>(s + n - 8);
        store_word(d, a);
        store_word(d + n - 8, b);
    } else if (n >= 4) {
        const u32 a = load_word<u32>(s), b = load_word<u32>(s + n - 4);
        store_word(d, a);
        store_word(d + n - 4, b);
    } else if (n >= 2) {
        const u16 a = load_word<u16>(s), b = load_word<u16>(s + n - 2);
        store_word(d, a);
        store_word(d + n - 2, b);
    } else {
        *d = *s;
    }
}

// n > 2W, copying upward: correct when d lies below s or the ranges are
// disjoint.  Each body step loads four vectors before storing them, and a
// store at d + i only reaches source bytes below s + i, all read already.
template <bool kStream>
void move_up(const u8* s, u8* d, int n) {
    const Vb head = Vb::loadu(s), tail = Vb::loadu(s + n - W);
    int i = W - static_cast<int>(address(d) & (W - 1));  // first aligned destination byte
    for (; i <= n - 4 * W; i += 4 * W) {
        const Vb a = Vb::loadu(s + i), b = Vb::loadu(s + i + W);
        const Vb c = Vb::loadu(s + i + 2 * W), e = Vb::loadu(s + i + 3 * W);
        if constexpr (kStream) {
            a.stream(d + i), b.stream(d + i + W), c.stream(d + i + 2 * W), e.stream(d + i + 3 * W);
        } else {
            a.store(d + i), b.store(d + i + W), c.store(d + i + 2 * W), e.store(d + i + 3 * W);
        }
    }
    for (; i <= n - W; i += W) {
        const Vb a = Vb::loadu(s + i);
        if constexpr (kStream)
            a.stream(d + i);
        else
            a.store(d + i);
    }
    if constexpr (kStream) stream_fence();
    head.storeu(d);
    tail.storeu(d + n - W);
}

// n > 2W, copying downward: correct when d lies above s (the mirror image of
// move_up).
void move_down(const u8* s, u8* d, int n) {
    const Vb head = Vb::loadu(s), tail = Vb::loadu(s + n - W);
    int i = n - static_cast<int>(address(d + n) & (W - 1));  // end of the aligned body
    for (; i >= 4 * W; i -= 4 * W) {
        const Vb a = Vb::loadu(s + i - W), b = Vb::loadu(s + i - 2 * W);
        const Vb c = Vb::loadu(s + i - 3 * W), e = Vb::loadu(s + i - 4 * W);
        a.store(d + i - W), b.store(d + i - 2 * W), c.store(d + i - 3 * W), e.store(d + i - 4 * W);
    }
    for (; i >= W; i -= W) Vb::loadu(s + i - W).store(d + i - W);
    tail.storeu(d + n - W);
    head.storeu(d);
}

int copy_bytes(const void* src, void* dst, int bytes) noexcept {
    const u8* s = static_cast<const u8*>(src);
    u8* d = static_cast<u8*>(dst);
    if (bytes <= 2 * W) {
        move_short(s, d, bytes);
    } else if (bytes >= kStreamCopyBytes) {
        move_up<true>(s, d, bytes);
    } else {
        move_up<false>(s, d, bytes);
    }
    return 0;
}

int move_bytes(const void* src, void* dst, int bytes) noexcept {
    const u8* s = static_cast<const u8*>(src);
    u8* d = static_cast<u8*>(dst);
    const std::uintptr_t n = static_cast<std::uintptr_t>(bytes);
    const std::uintptr_t ahead = address(d) - address(s);   // wraps when d lies below s
    const std::uintptr_t behind = address(s) - address(d);  // wraps when d lies above s
    if (ahead == 0) return 0;
    if (bytes <= 2 * W) {
        move_short(s, d, bytes);
    } else if (ahead >= n) {                             // d below s, or at least n bytes above it
        if (behind >= n && bytes >= kStreamCopyBytes) {  // disjoint
            move_up<true>(s, d, bytes);
        } else {
            move_up<false>(s, d, bytes);
        }
    } else {
        move_down(s, d, bytes);
    }
    return 0;
}

// ---- fills

// Fills n bytes (a multiple of E) with copies of an E-byte element.
// Every store but those of the aligned body starts a whole number of
// elements from d, so only the body may need the pattern rotated: when d
// itself is not aligned to E, the first aligned byte falls inside an element.
// v holds the element repeated; n > 2W.
template <int E, bool kStream>
void fill_long(u8* d, const Vb v, int n) {
    v.storeu(d);
    int i = W - static_cast<int>(address(d) & (W - 1));  // first aligned destination byte
    Vb body = v;
    if (i % E != 0) {
        u8 twice[2 * W];
        v.storeu(twice);
        v.storeu(twice + W);
        body = Vb::loadu(twice + i % E);
    }
    for (; i <= n - 4 * W; i += 4 * W) {
        if constexpr (kStream) {
            body.stream(d + i), body.stream(d + i + W), body.stream(d + i + 2 * W), body.stream(d + i + 3 * W);
        } else {
            body.store(d + i), body.store(d + i + W), body.store(d + i + 2 * W), body.store(d + i + 3 * W);
        }
    }
    for (; i <= n - W; i += W) {
        if constexpr (kStream)
            body.stream(d + i);
        else
            body.store(d + i);
    }
    if constexpr (kStream) stream_fence();
    if (i < n) v.storeu(d + n - W);
}

template <int E>
inline void fill_pattern(void* dst, double lo, double hi, int n, int streamFrom) {
    u8* d = static_cast<u8*>(dst);
    if (n > 2 * W) {
        const Vb v = repeat_element<E, W>(lo, hi);
        if (n >= streamFrom)
            fill_long<E, true>(d, v, n);
        else
            fill_long<E, false>(d, v, n);
    } else if (n >= W) {
        const Vb v = repeat_element<E, W>(lo, hi);
        v.storeu(d);
        v.storeu(d + n - W);
    } else if (W > 16 && n >= 16) {
        const V16 v = repeat_element<E, 16>(lo, hi);
        v.storeu(d);
        v.storeu(d + n - 16);
    } else {
        // Below 16 bytes the element has at most 8 bytes and divides the
        // piece sizes used here.
        u64 x;
        __builtin_memcpy(&x, &lo, 8);
        if constexpr (E == 1) x = (x & 0xFFu) * 0x0101010101010101ull;
        if constexpr (E == 2) x = (x & 0xFFFFu) * 0x0001000100010001ull;
        if constexpr (E == 4) x = (x & 0xFFFFFFFFu) * 0x0000000100000001ull;
        if (n >= 8) {
            store_word(d, x);
            store_word(d + n - 8, x);
        } else if (n >= 4) {
            store_word(d, static_cast<u32>(x));
            store_word(d + n - 4, static_cast<u32>(x));
        } else if (n >= 2) {
            store_word(d, static_cast<u16>(x));
            store_word(d + n - 2, static_cast<u16>(x));
        } else {
            *d = static_cast<u8>(x);
        }
    }
}

template <int E>
int fill(void* dst, double lo, double hi, int bytes) noexcept {
    fill_pattern<E>(dst, lo, hi, bytes, kStreamFillBytes);
    return 0;
}

int zero(void* dst, int bytes) noexcept {
    fill_pattern<1>(dst, 0.0, 0.0, bytes, kStreamZeroBytes);
    return 0;
}

// ---- element reversal

// Works from both ends towards the middle: each step loads one vector at
// each end and stores both reversed at the opposite ends, so the same code
// reverses in place (src == dst) and into another vector.
template <int E>
int flip(const void* src, void* dst, int len) noexcept {
    constexpr int n = W / E;  // elements per vector
    const u8* s = static_cast<const u8*>(src);
    u8* d = static_cast<u8*>(dst);
    std::ptrdiff_t lo = 0, hi = len;  // elements [lo, hi) remain
    for (; hi - lo >= 2 * n; lo += n, hi -= n) {
        const Vb a = Vb::loadu(s + lo * E), b = Vb::loadu(s + (hi - n) * E);
        reverse_elements<E>(b).storeu(d + lo * E);
        reverse_elements<E>(a).storeu(d + (hi - n) * E);
    }
    if (hi - lo >= n) {
        // Between one and two vectors left: two overlapping vectors; where
        // they overlap both stores write the same (mirrored) bytes.
        const Vb a = Vb::loadu(s + lo * E), b = Vb::loadu(s + (hi - n) * E);
        reverse_elements<E>(b).storeu(d + lo * E);
        reverse_elements<E>(a).storeu(d + (hi - n) * E);
        return 0;
    }
    // Fewer than one vector left (never for 16-byte elements).
    for (--hi; lo < hi; ++lo, --hi) {
        u8 a[E], b[E];
        __builtin_memcpy(a, s + lo * E, E);
        __builtin_memcpy(b, s + hi * E, E);
        __builtin_memcpy(d + lo * E, b, E);
        __builtin_memcpy(d + hi * E, a, E);
    }
    if (lo == hi && s != d) __builtin_memcpy(d + lo * E, s + lo * E, E);
    return 0;
}

// ---- bit strings (bits numbered from the most significant bit of a byte)

inline int get_bit(const u8* p, long long bit) { return (p[bit >> 3] >> (7 - (bit & 7))) & 1; }

inline void put_bit(u8* p, long long bit, int value) {
    const u8 mask = static_cast<u8>(0x80u >> (bit & 7));
    p[bit >> 3] = static_cast<u8>(value ? (p[bit >> 3] | mask) : (p[bit >> 3] & ~mask));
}

inline u64 load_be64(const u8* p) { return __builtin_bswap64(load_word<u64>(p)); }
inline void store_be64(u8* p, u64 v) { store_word(p, __builtin_bswap64(v)); }

// Below 16 bits: bit by bit.  From 16 bits on, whole destination bytes are
// assembled from two neighbouring source bytes; above 48 bits the middle of
// the destination is assembled eight bytes at a time from big-endian words.
// Destination byte j holds stream bits 8j - dstBit .. 8j - dstBit + 7, that
// is source bits 8j + (srcBit - dstBit) onward: bytes j + q and j + q + 1 of
// the source shifted left by r, where srcBit - dstBit = 8q + r, q in {-1, 0}.
// The first and the last destination bytes may reach source bytes outside
// the string (index -1, or one past its last byte); those read as zero and
// their bits are masked off.
void copy_bits(const u8* src, int srcBit, u8* dst, int dstBit, int len) noexcept {
    if (len < 16) {
        for (int i = 0; i < len; ++i) put_bit(dst, dstBit + i, get_bit(src, srcBit + i));
        return;
    }
    const int q = srcBit >= dstBit ? 0 : -1;
    const int r = srcBit - dstBit - 8 * q;  // 0..7
    const int lastSrc = static_cast<int>((srcBit + (len - 1LL)) >> 3);
    const int last = static_cast<int>((dstBit + (len - 1LL)) >> 3);  // last destination byte, >= 1
    auto byte_at = [&](int j) -> u8 {                                // destination byte j, any j
        const int i = j + q;
        const unsigned hiByte = i >= 0 && i <= lastSrc ? src[i] : 0u;
        const unsigned loByte = i + 1 <= lastSrc ? src[i + 1] : 0u;
        return static_cast<u8>(((hiByte << 8 | loByte) << r) >> 8);
    };
    const unsigned firstMask = 0xFFu >> dstBit;
    const unsigned lastMask = (0xFF00u >> ((dstBit + (len - 1LL)) % 8 + 1)) & 0xFFu;
    dst[0] = static_cast<u8>((dst[0] & ~firstMask) | (byte_at(0) & firstMask));
    const u8 lastByte = byte_at(last);
    int j = 1;
    if (len > 48) {
        // Middle bytes j .. j + 7 read source bytes j + q .. j + q + 8, all
        // inside the string while j + 8 <= last.
        for (; j + 8 <= last; j += 8) {
            const u8* p = src + j + q;
            const u64 word = r == 0 ? load_be64(p) : (load_be64(p) << r | p[8] >> (8 - r));
            store_be64(dst + j, word);
        }
    }
    for (; j < last; ++j) {
        const u8* p = src + j + q;
        dst[j] = static_cast<u8>(((unsigned{p[0]} << 8 | p[1]) << r) >> 8);
    }
    dst[last] = static_cast<u8>((dst[last] & ~lastMask) | (lastByte & lastMask));
}

long long pack_bits(const u32* src, const int* widths, int len, u8* dst, int dstBit, bool* clamped) noexcept {
    // acc holds the string's bits not yet written: the low `pending` bits
    // (below 32 between fields; bits above them are stale and never read).
    // It starts with the bits of the first byte that lie before the string,
    // so they are written back unchanged.  Whole 32-bit words leave as soon
    // as they are complete, then the last bytes one by one.
    u64 acc = dstBit ? static_cast<u64>(dst[0] >> (8 - dstBit)) : 0u;
    int pending = dstBit;
    long long total = 0;
    bool outside = false;
    u8* out = dst;
    for (int i = 0; i < len; ++i) {
        int w = widths[i];
        if (w < 0 || w > 32) {
            outside = true;
            w = w < 0 ? 0 : 32;
        }
        acc = acc << w | (static_cast<u64>(src[i]) & ((u64{1} << w) - 1));
        pending += w;
        total += w;
        if (pending >= 32) {
            pending -= 32;
            store_word(out, __builtin_bswap32(static_cast<u32>(acc >> pending)));
            out += 4;
        }
    }
    while (pending >= 8) {
        pending -= 8;
        *out++ = static_cast<u8>(acc >> pending);
    }
    if (pending > 0 && total > 0) {
        const unsigned keep = 0xFFu >> pending;  // low bits of the last byte
        *out = static_cast<u8>((acc << (8 - pending)) | (*out & keep));
    }
    if (outside) *clamped = true;
    return total;
}

}  // namespace

const InitKernels init_kernels = {
    .copy_bytes = copy_bytes,
    .move_bytes = move_bytes,
    .fill = {fill<1>, fill<2>, fill<4>, fill<8>, fill<16>},
    .zero = zero,
    .flip = {flip<1>, flip<2>, flip<4>, flip<8>, flip<16>},
    .copy_bits = copy_bits,
    .pack_bits = pack_bits,
};

}  // namespace VDX_ISA
}  // namespace vdx
