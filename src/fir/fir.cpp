// Single-rate FIR filters: states (fir_state.h) over every tap / data row,
// the direct and overlap-save block computation, threads, and the stateless
// _Direct members.  Every export is one line over a row (bottom of file).
//
// Method of a block of n outputs, by the state's work type W:
//   overlap-save when the state has an FFT path (L >= 64 for 32f and 64f,
//     L >= 16 for 32fc, L >= 32 for 64fc) and n > 511 (real) / 255 (complex);
//   otherwise direct: the broadcast kernel for real L <= 31 (64f: L <= 15
//     or n < 512), the shifted kernel above, the complex kernel for complex.
// Threads: the direct second stage and overlap-save run on several threads
// when n > 1600 (real) / 800 (complex).
//
// A block call on a state whose data type is W filters out of place in two
// stages: the first block (B = L rounded up to 4 outputs direct, or the first
// overlap-save block) from the delay buffer, then the rest straight from the
// caller's array; short blocks go through the delay buffer in one piece.
// In-place calls and rows whose data type differs from W go through the
// delay buffer in chunks of up to `chunk` inputs (converted on the way in,
// outputs converted, scaled, rounded half to even and saturated on the way
// out), each chunk choosing its method and threads by its own length.
#include "fir/fir_state.h"

#include <cmath>
#include <cstring>
#include <type_traits>

#include "fir/fir_kernels.h"
#include "numeric/fixed.h"
#include "numeric/types.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"
#include "runtime/parallel.h"
#include "transform/fft_real.h"

namespace vdx::fir {
namespace {

using FirVariant = Variant<FirKernels, &fir_kernels_variants>;

// ---------------------------------------------------------------- work types

enum class Method { broadcast, shifted, fft };

// Per work type: the FFT of the overlap-save path and the thresholds.
template <class W>
struct Work;

#define VDX_FIR_WORK(W, P, FAM, code, fft_taps, fft_above, shifted_taps, shifted_iters, thread_above) \
    template <>                                                                                               \
    struct Work<W> {                                                                                          \
        using Part = P;                                                                                       \
        using Spec = VdxsFFTSpec_##FAM##_##code;                                                              \
        static constexpr bool kComplex = !std::is_same_v<W, P>;                                               \
        static constexpr int kFftTaps = fft_taps;         /* shortest L with an FFT path */                  \
        static constexpr int kFftAbove = fft_above;       /* FFT when n is above */                          \
        static constexpr int kShiftedTaps = shifted_taps; /* shifted kernel from this L */                   \
        static constexpr int kShiftedIters = shifted_iters; /* ... and this n */                             \
        static constexpr int kThreadAbove = thread_above; /* threads when n is above */                      \
        static VdxStatus get_size(int order, int* s, int* i, int* b) noexcept {                               \
            return y8_vdxsFFTGetSize_##FAM##_##code(order, VDX_FFT_DIV_INV_BY_N, vdxAlgHintNone, s, i, b);    \
        }                                                                                                     \
        static VdxStatus init(Spec** sp, int order, Vdx8u* mem, Vdx8u* init) noexcept {                      \
            return y8_vdxsFFTInit_##FAM##_##code(sp, order, VDX_FFT_DIV_INV_BY_N, vdxAlgHintNone, mem, init); \
        }                                                                                                     \
        static VdxStatus forward(const W* s, W* d, const Spec* sp, Vdx8u* w) noexcept;                        \
        static VdxStatus inverse(W* x, const Spec* sp, Vdx8u* w) noexcept;                                    \
    };
VDX_FIR_WORK(Vdx32f, Vdx32f, R, 32f, 64, 511, 32, 0, 1600)
VDX_FIR_WORK(Vdx64f, Vdx64f, R, 64f, 64, 511, 16, 512, 1600)
VDX_FIR_WORK(Vdx32fc, Vdx32f, C, 32fc, 16, 255, 1 << 30, 0, 800)
VDX_FIR_WORK(Vdx64fc, Vdx64f, C, 64fc, 32, 255, 1 << 30, 0, 800)
#undef VDX_FIR_WORK

#define VDX_FIR_REAL_FFT(W, code)                                                                          \
    VdxStatus Work<W>::forward(const W* s, W* d, const Spec* sp, Vdx8u* w) noexcept {                      \
        return y8_vdxsFFTFwd_RToPerm_##code(s, d, sp, w);                                                  \
    }
#define VDX_FIR_COMPLEX_FFT(W, code)                                                                       \
    VdxStatus Work<W>::forward(const W* s, W* d, const Spec* sp, Vdx8u* w) noexcept {                      \
        return y8_vdxsFFTFwd_CToC_##code(s, d, sp, w);                                                     \
    }                                                                                                      \
    VdxStatus Work<W>::inverse(W* x, const Spec* sp, Vdx8u* w) noexcept {                                  \
        return y8_vdxsFFTInv_CToC_##code##_I(x, sp, w);                                                    \
    }
VDX_FIR_REAL_FFT(Vdx32f, 32f)
VDX_FIR_REAL_FFT(Vdx64f, 64f)
VDX_FIR_COMPLEX_FFT(Vdx32fc, 32fc)
VDX_FIR_COMPLEX_FFT(Vdx64fc, 64fc)
#undef VDX_FIR_REAL_FFT
#undef VDX_FIR_COMPLEX_FFT

template <class W>
using PartW = typename Work<W>::Part;

template <class W>
const FirKernelRow<PartW<W>>& kernels() noexcept {
    const FirKernels& k = FirVariant::table();
    if constexpr (std::is_same_v<PartW<W>, Vdx32f>) {
        return k.f32;
    } else {
        return k.f64;
    }
}

// ---------------------------------------------------------------- element conversions

template <class T>
constexpr int parts_of() noexcept {
    return is_complex<T> ? 2 : 1;
}

template <class T>
PartOf<T>* parts(T* p) noexcept {
    return reinterpret_cast<PartOf<T>*>(p);
}
template <class T>
const PartOf<T>* parts(const T* p) noexcept {
    return reinterpret_cast<const PartOf<T>*>(p);
}

// n data elements into the work type (exact: every data type fits W).
template <class W, class D>
void load(const D* src, W* dst, int n) noexcept {
    if constexpr (std::is_same_v<W, D>) {
        std::memmove(dst, src, static_cast<size_t>(n) * sizeof(W));
    } else {
        const auto* s = parts(src);
        auto* d = parts(dst);
        for (int i = 0; i < n * parts_of<D>(); ++i) d[i] = static_cast<PartW<W>>(s[i]);
    }
}

// n work values to the data type: floats rounded to nearest, integers
// scaled by 2^-sf, rounded half to even and saturated.
template <class D, class W>
void store(const W* src, D* dst, int n, int sf) noexcept {
    using PD = PartOf<D>;
    const auto* s = parts(src);
    auto* d = parts(dst);
    if constexpr (std::is_same_v<W, D>) {
        std::memmove(dst, src, static_cast<size_t>(n) * sizeof(W));
    } else if constexpr (is_floating<PD>) {
        for (int i = 0; i < n * parts_of<D>(); ++i) d[i] = static_cast<PD>(s[i]);
    } else {
        const Pow2Scale<PartW<W>> scale = pow2_scale<PartW<W>>(sf);
        for (int i = 0; i < n * parts_of<D>(); ++i) d[i] = round_sat<PD>(apply_scale(s[i], scale), vdxRndNear);
    }
}

// ---------------------------------------------------------------- taps at the interface

// Taps as the caller gives them: real values of the work type, integers
// (value = (t >> shift) * 2^factor), or floats that an integer-tap state
// rounds to integers times 2^factor.
enum class TapKind { real, integer, quantized };

template <class Tap>
struct TapsIn {
    const Tap* taps;
    TapKind kind;
    int shift;   // integer taps: right shift that brings every |tap| to 32766 or less
    int factor;  // the taps factor of the state
};

template <class W, class Tap>
W tap_value(const TapsIn<Tap>& in, int k) noexcept {
    W w{};
    const auto* t = parts(in.taps + k);
    auto* out = parts(&w);
    for (int p = 0; p < parts_of<W>(); ++p) {
        using PW = PartW<W>;
        if (in.kind == TapKind::real) {
            out[p] = static_cast<PW>(t[p]);
        } else if (in.kind == TapKind::integer) {
            const auto v = static_cast<std::int64_t>(t[p]) >> in.shift;
            out[p] = static_cast<PW>(static_cast<double>(v) * std::ldexp(1.0, in.factor));
        } else {
            const double q = __builtin_roundeven(std::ldexp(static_cast<double>(t[p]), -in.factor));
            out[p] = static_cast<PW>(std::ldexp(q, in.factor));
        }
    }
    return w;
}

// The largest part magnitude of L taps.
template <class Tap>
double largest_tap(const Tap* taps, int L, int shift) noexcept {
    double m = 0;
    for (int i = 0; i < L * parts_of<Tap>(); ++i) {
        const auto t = parts(taps)[i];
        double a;
        if constexpr (is_floating<PartOf<Tap>>) {
            a = std::fabs(static_cast<double>(t));
        } else {
            a = std::fabs(static_cast<double>(static_cast<std::int64_t>(t) >> shift));
        }
        if (a > m) m = a;
    }
    return m;
}

// Integer taps shifted right one bit at a time, raising the factor, until
// every tap fits 16 bits with 32766 as the largest magnitude.
template <class Tap>
TapsIn<Tap> shifted_integer_taps(const Tap* taps, int L, int factor) noexcept {
    int shift = 0;
    while (largest_tap(taps, L, shift) > 32766) ++shift;
    return {taps, TapKind::integer, shift, factor > INT32_MAX - shift ? INT32_MAX : factor + shift};
}

// Float taps for an integer-tap state: the factor that puts the largest
// magnitude just at or below 32766 (0 for all-zero or non-finite taps).
template <class Tap>
TapsIn<Tap> quantized_taps(const Tap* taps, int L) noexcept {
    const double m = taps == nullptr ? 0.0 : largest_tap(taps, L, 0);
    int f = 0;
    if (m > 0 && std::isfinite(m)) {
        int e;
        std::frexp(m / 32766.0, &e);  // m / 32766 < 2^e
        f = e;
        while (f > -1100 && std::ldexp(m, -(f - 1)) <= 32766.0) --f;
        while (std::ldexp(m, -f) > 32766.0) ++f;
    }
    return {taps, TapKind::quantized, 0, f};
}

// ---------------------------------------------------------------- layout

constexpr long align32(long b) noexcept { return (b + 31) / 32 * 32; }

// Per-thread overlap-save areas a state holds at most: a 4096-sample block
// has no use for more.
constexpr int kMostThreads = 8;

struct Layout {
    long rows, dly, bcast, spectrum, spec, spec_init, thread_data, fft_work, out, status, total;
    int order;  // 0: no FFT path
    int spec_bytes, init_bytes, work_bytes;
    int threads, chunk, stride;
};

template <class W>
int fft_order(int L) noexcept {
    if (L < Work<W>::kFftTaps || L > (1 << 26)) return 0;
    int k = 2;
    while ((1 << k) <= L) ++k;
    return k + 1;
}

template <class W, class D>
bool layout_of(int L, Layout* out) noexcept {
    Layout g{};
    g.order = fft_order<W>(L);
    if (g.order > 0 && Work<W>::get_size(g.order, &g.spec_bytes, &g.init_bytes, &g.work_bytes) != vdxStsNoErr) {
        g.order = 0;  // no FFT of that order: the state filters directly
    }
    const long N = g.order > 0 ? 1L << g.order : 0;
    const long M = N - (L - 1);
    g.threads = object_thread_areas(kMostThreads);
    // Chunks of 16 L inputs, at least 256 and at most about 4096, in whole
    // overlap-save blocks, and at least a first block: short filters keep
    // small states, long ones amortise moving their delay line.
    long chunk = 16L * L < 256 ? 256 : (16L * L > 4096 ? 4096 : 16L * L);
    if (g.order > 0) chunk = (chunk + M - 1) / M * M;
    if (chunk < L + 4) chunk = L + 4;
    g.chunk = static_cast<int>(chunk);
    g.stride = fir_shifted_stride(L);
    const long w = static_cast<long>(sizeof(W));
    long at = align32(static_cast<long>(sizeof(State<W>)));
    auto take = [&](long bytes) {
        const long here = at;
        at += align32(bytes);
        return here;
    };
    g.rows = take(4L * g.stride * w);
    g.dly = take((L + chunk) * w);
    g.bcast = take(4L * L * w);
    g.spectrum = take(N * w);
    g.spec = take(g.spec_bytes);
    g.spec_init = take(g.init_bytes);
    g.thread_data = take(g.threads * N * w);
    g.work_bytes = static_cast<int>(align32(g.work_bytes));
    g.fft_work = take(g.order > 0 ? static_cast<long>(g.threads) * g.work_bytes : 0);
    g.out = take(std::is_same_v<W, D> ? 0 : chunk * w);
    g.status = take(4L * g.threads);
    g.total = at;
    *out = g;
    return at < 2000000000L;
}

// ---------------------------------------------------------------- rows

// One tap / data row: the interface types, the work type and identifiers.
template <class TapT, class DataT, class WorkT, std::uint32_t Id, std::uint32_t StreamId = 0,
          std::uint32_t MrId = 0, std::uint32_t MrStreamId = 0>
struct Row {
    using Tap = TapT;
    using D = DataT;
    using W = WorkT;
    static constexpr std::uint32_t kId = Id;
    static constexpr std::uint32_t kStreamId = StreamId;
    static constexpr std::uint32_t kMrId = MrId;  // multi-rate states (firmr.inc)
    static constexpr std::uint32_t kMrStreamId = MrStreamId;
};

// object.h's family descriptor of a row's single-rate or stream state.
template <class R, bool Stream>
struct Family {
    using W = typename R::W;
    using D = typename R::D;
    using Object = void;
    using Header = State<W>;
    struct Params {
        const void* taps;  // TapsIn<Tap>
        int len;
        const D* dly;
    };
    static constexpr std::uint32_t kId = Stream ? R::kStreamId : R::kId;
    static VdxStatus check_query(const Params&, VdxStatus outputs) noexcept { return outputs; }
    static VdxStatus check_init(const Params&) noexcept { return vdxStsNoErr; }
    static VdxStatus sizes(const Params& p, ObjectSizes* s) noexcept {
        Layout g;
        if (!layout_of<W, D>(p.len, &g)) return vdxStsMemAllocErr;
        s->object = object_bytes(static_cast<int>(g.total));
        return vdxStsNoErr;
    }
    static VdxStatus build(Header* h, const Params& p, const ObjectSizes&, Vdx8u*) noexcept;
    static void release_parts(Header*) noexcept {}
    static bool consistent(const Header& h) noexcept { return h.taps_len >= 1 && h.rows != nullptr; }
};

// ---------------------------------------------------------------- taps and delay line in a state

// The real value of tap k, read back from the reversed copy.
template <class W>
W tap_of(const State<W>& s, int k) noexcept {
    return s.rows[s.taps_len - 1 - k];
}
template <class W>
W tap_of(const MrState<W>& s, int k) noexcept {
    return s.taps[k];
}

// The four shifted reversed copies, the broadcast copy and the taps
// spectrum, from taps in.
template <class W, class Tap>
VdxStatus write_taps(State<W>& s, const TapsIn<Tap>& in) noexcept {
    const int L = s.taps_len, S = s.stride;
    std::memset(static_cast<void*>(s.rows), 0, 4 * static_cast<size_t>(S) * sizeof(W));
    for (int k = 0; k < L; ++k) {
        const W h = tap_value<W>(in, k);
        for (int c = 0; c < 4; ++c) s.rows[c * S + c + (L - 1 - k)] = h;
        for (int j = 0; j < 4; ++j) s.bcast[4 * k + j] = h;
    }
    s.taps_factor = in.factor;
    if (s.fft_len <= 0) return vdxStsNoErr;
    for (int k = 0; k < L; ++k) s.spectrum[k] = tap_of(s, k);
    std::memset(static_cast<void*>(s.spectrum + L), 0, static_cast<size_t>(s.fft_len - L) * sizeof(W));
    const auto* spec = static_cast<const typename Work<W>::Spec*>(s.fft_spec);
    return Work<W>::forward(s.spectrum, s.spectrum, spec, s.fft_work);
}

// The caller's delay line (newest first, null for zeros) into the buffer,
// oldest first from position 0.
template <class W, class D>
void set_delay(State<W>& s, const D* line) noexcept {
    const int L = s.dly_len;
    s.dly_offset = 0;
    if (line == nullptr) {
        std::memset(static_cast<void*>(s.dly), 0, static_cast<size_t>(L) * sizeof(W));
        return;
    }
    for (int i = 0; i < L; ++i) load(line + (L - 1 - i), s.dly + i, 1);
}

template <class W, class D>
void get_delay(const State<W>& s, D* line) noexcept {
    const int L = s.dly_len;
    for (int i = 0; i < L; ++i) store(s.dly + s.dly_offset + (L - 1 - i), line + i, 1, 0);
}

template <class R, bool Stream>
VdxStatus Family<R, Stream>::build(Header* h, const Params& p, const ObjectSizes&, Vdx8u*) noexcept {
    Layout g;
    layout_of<W, D>(p.len, &g);
    auto* base = reinterpret_cast<Vdx8u*>(h);
    auto at = [&](long off) { return reinterpret_cast<W*>(base + off); };
    State<W>& s = *h;
    s.rows = at(g.rows);
    s.dly = at(g.dly);
    s.bcast = at(g.bcast);
    s.taps_len = p.len;
    s.dly_len = Stream ? 0 : p.len;
    s.direct_first_block = (p.len + 3) / 4 * 4 + 1;
    s.stride = g.stride;
    s.chunk = g.chunk;
    s.threads = g.threads;
    s.thread_status = reinterpret_cast<std::int32_t*>(base + g.status);
    s.out = std::is_same_v<W, D> ? nullptr : at(g.out);
    s.fft_len = -1;
    if (g.order > 0) {
        typename Work<W>::Spec* spec = nullptr;
        if (Work<W>::init(&spec, g.order, base + g.spec, base + g.spec_init) == vdxStsNoErr) {
            s.fft_spec = spec;
            s.fft_len = 1 << g.order;
            s.spectrum = at(g.spectrum);
            s.thread_data = at(g.thread_data);
            s.fft_work = base + g.fft_work;
            s.fft_work_bytes = g.work_bytes;
        }
    }
    const auto& taps = *static_cast<const TapsIn<typename R::Tap>*>(p.taps);
    if (write_taps(s, taps) != vdxStsNoErr) {  // the state filters directly
        s.fft_len = -1;
        s.fft_spec = nullptr;
    }
    std::memset(static_cast<void*>(s.dly), 0, static_cast<size_t>(p.len) * sizeof(W));
    if (!Stream) set_delay(s, p.dly);
    return vdxStsNoErr;
}

#include "fir/firmr.inc"

// ---------------------------------------------------------------- state access

enum class Kind { none, single, stream };

template <class R>
Kind kind_of(const void* p) noexcept {
    if (checked_header<Family<R, false>>(p) != nullptr) return Kind::single;
    if constexpr (R::kStreamId != 0) {
        if (checked_header<Family<R, true>>(p) != nullptr) return Kind::stream;
    }
    return Kind::none;
}

template <class R>
State<typename R::W>& state(void* p) noexcept {
    return *static_cast<State<typename R::W>*>(p);
}
template <class R>
const State<typename R::W>& state(const void* p) noexcept {
    return *static_cast<const State<typename R::W>*>(p);
}

// ---------------------------------------------------------------- the computation

template <class W>
Method method_for(const State<W>& s, int n) noexcept {
    using Wk = Work<W>;
    if (s.fft_len > 0 && n > Wk::kFftAbove) return Method::fft;
    if (s.taps_len >= Wk::kShiftedTaps && n >= Wk::kShiftedIters) return Method::shifted;
    return Method::broadcast;
}

// Threads for a block of n outputs: 1 at or below the row's threshold.
template <class W>
int threads_for(int n) noexcept {
    return team_size(n, ParallelPolicy{Work<W>::kThreadAbove + 1, 1 << 20});
}

template <class W>
void direct(const State<W>& s, Method m, const W* x, int n, W* out) noexcept {
    const auto& k = kernels<W>();
    const auto* xp = parts(x);
    auto* op = parts(out);
    if constexpr (Work<W>::kComplex) {
        k.complex_broadcast(parts(s.bcast), xp, op, n, s.taps_len);
    } else if (m == Method::shifted) {
        k.shifted(s.rows, xp, op, n, s.taps_len);
    } else {
        k.broadcast(s.bcast, xp, op, n, s.taps_len);
    }
}

// One overlap-save block: window (N inputs; may be buf itself) forward
// into buf, times the taps spectrum, inverse; buf[L-1 ..] then holds the
// block's outputs.  Real data take the product and both recombinations of
// the real transform in one pass.
template <class W>
VdxStatus transform_block(const State<W>& s, const W* window, W* buf, Vdx8u* work) noexcept {
    const auto* spec = static_cast<const typename Work<W>::Spec*>(s.fft_spec);
    if constexpr (Work<W>::kComplex) {
        VDX_RETURN_IF_ERROR(Work<W>::forward(window, buf, spec, work));
        kernels<W>().product(parts(s.spectrum), parts(buf), s.fft_len);
        return Work<W>::inverse(buf, spec, work);
    } else {
        fft::real_filter<W>(*reinterpret_cast<const fft::RealSpec<W>*>(spec), window, s.spectrum, buf, work);
        return vdxStsNoErr;
    }
}

// Overlap-save blocks [first, last) of a span, with per-thread area a.
// Block b takes x[bM .. bM + N) (zero-padded past the n + L - 1 inputs) and
// gives out[bM .. bM + M) (fewer in the last block).
template <class W>
VdxStatus fft_blocks(const State<W>& s, const W* x, int n, W* out, int first, int last, int a) noexcept {
    const int N = s.fft_len, L = s.taps_len, M = N - (L - 1);
    W* buf = s.thread_data + static_cast<long>(a) * N;
    Vdx8u* work = s.fft_work + static_cast<long>(a) * s.fft_work_bytes;
    for (int b = first; b < last; ++b) {
        const long at = static_cast<long>(b) * M;
        const long avail = static_cast<long>(n) + L - 1 - at;
        const W* window = x + at;
        if (avail < N) {
            std::memcpy(buf, x + at, static_cast<size_t>(avail) * sizeof(W));
            std::memset(static_cast<void*>(buf + avail), 0, static_cast<size_t>(N - avail) * sizeof(W));
            window = buf;
        }
        VDX_RETURN_IF_ERROR(transform_block(s, window, buf, work));
        const long outs = n - at < M ? n - at : M;
        std::memcpy(out + at, buf + (L - 1), static_cast<size_t>(outs) * sizeof(W));
    }
    return vdxStsNoErr;
}

// The first overlap-save block of a call: the newest L - 1 delay samples
// and M inputs, put together in the block buffer.
template <class W>
VdxStatus first_fft_block(const State<W>& s, const W* src, W* dst) noexcept {
    const int N = s.fft_len, L = s.taps_len, M = N - (L - 1);
    W* buf = s.thread_data;
    std::memcpy(buf, s.dly + 1, static_cast<size_t>(L - 1) * sizeof(W));
    std::memcpy(buf + (L - 1), src, static_cast<size_t>(M) * sizeof(W));
    VDX_RETURN_IF_ERROR(transform_block(s, buf, buf, s.fft_work));
    std::memcpy(dst, buf + (L - 1), static_cast<size_t>(M) * sizeof(W));
    return vdxStsNoErr;
}

// out[i] = sum hRev(j) x[i + j], i < n, by method m on up to `threads`
// threads.  x holds n + L - 1 inputs; out may be x only with threads = 1.
template <class W>
VdxStatus span(State<W>& s, Method m, const W* x, int n, W* out, int threads) noexcept {
    if (m != Method::fft) {
        if (threads <= 1) {
            direct(s, m, x, n, out);
            return vdxStsNoErr;
        }
        // Shares start at multiples of 64 outputs, a whole number of vectors
        // in every variant: each output comes from the vector code or the
        // scalar tail exactly as in the one-thread pass, so the results do
        // not depend on the split.
        const int grains = n / 64;
        Team team(threads);
        team.run(threads, [&](int t) {
            const BlockRange g = block_range(grains, threads, t);
            const int begin = 64 * g.begin, end = t == threads - 1 ? n : 64 * g.end;
            direct(s, m, x + begin, end - begin, out + begin);
        });
        return vdxStsNoErr;
    }
    const int M = s.fft_len - (s.taps_len - 1);
    const int blocks = static_cast<int>((static_cast<long>(n) + M - 1) / M);
    int shares = threads < s.threads ? threads : s.threads;
    if (shares > blocks) shares = blocks;
    if (shares <= 1) return fft_blocks(s, x, n, out, 0, blocks, 0);
    // Share t takes blocks t, t + T, t + 2T, ... with its own block buffer,
    // FFT work buffer and status slot; the lowest status wins.
    for (int t = 0; t < shares; ++t) s.thread_status[t] = vdxStsNoErr;
    Team team(shares);
    team.run(shares, [&](int t) {
        VdxStatus status = vdxStsNoErr;
        for (int b = t; b < blocks && status == vdxStsNoErr; b += shares)
            status = fft_blocks(s, x, n, out, b, b + 1, t);
        s.thread_status[t] = status;
    });
    VdxStatus status = vdxStsNoErr;
    for (int t = 0; t < shares; ++t) status = s.thread_status[t] < status ? s.thread_status[t] : status;
    return status;
}

// Moves the live delay line to the front of the buffer.
template <class W>
void rebase(State<W>& s) noexcept {
    if (s.dly_offset != 0) {
        std::memmove(s.dly, s.dly + s.dly_offset, static_cast<size_t>(s.taps_len) * sizeof(W));
        s.dly_offset = 0;
    }
}

// Through the delay buffer, chunk by chunk: inputs behind the L delay
// samples, outputs from the buffer, the newest L samples to the front.
template <class W, class D>
VdxStatus chunked(State<W>& s, const D* src, D* dst, int n, int sf) noexcept {
    const int L = s.taps_len;
    for (int done = 0; done < n;) {
        const int c = n - done < s.chunk ? n - done : s.chunk;
        load(src + done, s.dly + L, c);
        W* out = std::is_same_v<W, D> ? reinterpret_cast<W*>(dst + done) : s.out;
        VDX_RETURN_IF_ERROR(span(s, method_for(s, c), s.dly + 1, c, out, threads_for<W>(c)));
        std::memmove(s.dly, s.dly + c, static_cast<size_t>(L) * sizeof(W));
        if constexpr (!std::is_same_v<W, D>) store(s.out, dst + done, c, sf);
        done += c;
    }
    return vdxStsNoErr;
}

// Out of place, data type W: the first block from the delay buffer, the
// rest straight from src.
template <class W>
VdxStatus two_stage(State<W>& s, const W* src, W* dst, int n) noexcept {
    const int L = s.taps_len;
    const Method m = method_for(s, n);
    const int first = m == Method::fft ? s.fft_len - (L - 1) : (L + 3) / 4 * 4;
    const int one_piece = m == Method::fft ? first : s.direct_first_block;
    if (n <= one_piece) return chunked(s, src, dst, n, 0);
    if (m == Method::fft) {
        VDX_RETURN_IF_ERROR(first_fft_block(s, src, dst));
    } else {
        std::memcpy(s.dly + L, src, static_cast<size_t>(first) * sizeof(W));
        direct(s, m, s.dly + 1, first, dst);
    }
    std::memcpy(s.dly, src + (n - L), static_cast<size_t>(L) * sizeof(W));
    return span(s, m, src + (first - L + 1), n - first, dst + first, threads_for<W>(n));
}

// A stream state: n outputs from n + L - 1 inputs, no history kept.
template <class W, class D>
VdxStatus stream(State<W>& s, const D* src, D* dst, int n, int sf) noexcept {
    const int L = s.taps_len;
    if constexpr (std::is_same_v<W, D>) {
        // In place the outputs overwrite inputs that only earlier outputs
        // read: one ascending pass on the calling thread.
        const int threads = static_cast<const void*>(src) == dst ? 1 : threads_for<W>(n);
        return span(s, method_for(s, n), src, n, dst, threads);
    } else {
        for (int done = 0; done < n;) {
            const int c = n - done < s.chunk ? n - done : s.chunk;
            load(src + done, s.dly, c + L - 1);
            VDX_RETURN_IF_ERROR(span(s, method_for(s, c), s.dly, c, s.out, threads_for<W>(c)));
            store(s.out, dst + done, c, sf);
            done += c;
        }
        return vdxStsNoErr;
    }
}

// ---------------------------------------------------------------- state operations

template <class R>
using TapsOf = TapsIn<typename R::Tap>;

template <class R>
VdxStatus get_size(int L, int* size) noexcept {
    if (size == nullptr) return vdxStsNullPtrErr;
    if (L < 1) return vdxStsFIRLenErr;
    ObjectSizes s{};
    VDX_RETURN_IF_ERROR((Family<R, false>::sizes({nullptr, L, nullptr}, &s)));
    *size = s.object;
    return vdxStsNoErr;
}

// Init and InitAlloc: pointers, the length and the size are checked before
// make(taps, L) reads the taps (integer taps are scanned for their shift).
template <class R>
VdxStatus check_init(const void* pp, const void* taps, int L, const void* buf) noexcept {
    if (any_null(pp, taps, buf)) return vdxStsNullPtrErr;
    if (L < 1) return vdxStsFIRLenErr;
    Layout g;
    return layout_of<typename R::W, typename R::D>(L, &g) ? vdxStsNoErr : vdxStsMemAllocErr;
}

template <class R, bool Stream, class Obj, class Make>
VdxStatus init(Obj** pp, const typename R::Tap* taps, int L, const typename R::D* dly, Vdx8u* buf,
               Make make) noexcept {
    VDX_RETURN_IF_ERROR(check_init<R>(pp, taps, L, buf));
    const TapsOf<R> in = make(taps, L);
    void* obj = nullptr;
    VDX_RETURN_IF_ERROR((object_init<Family<R, Stream>>(&obj, {&in, L, dly}, buf, nullptr)));
    *pp = static_cast<Obj*>(obj);
    return vdxStsNoErr;
}

template <class R, bool Stream, class Obj, class Make>
VdxStatus init_alloc(Obj** pp, const typename R::Tap* taps, int L, const typename R::D* dly, Make make) noexcept {
    VDX_RETURN_IF_ERROR(check_init<R>(pp, taps, L, pp));
    const TapsOf<R> in = make(taps, L);
    void* obj = nullptr;
    VDX_RETURN_IF_ERROR((object_init_alloc<Family<R, Stream>>(&obj, {&in, L, dly})));
    *pp = static_cast<Obj*>(obj);
    return vdxStsNoErr;
}

template <class R>
VdxStatus free_state(void* p) noexcept {
    if (p == nullptr) return vdxStsNullPtrErr;
    if (kind_of<R>(p) == Kind::none && mr_state<R>(p) == nullptr) return vdxStsContextMatchErr;
    // A state in the caller's memory is the caller's to reuse: untouched.
    // Single- and multi-rate states share the header prefix.
    auto& s = state<R>(p);
    if (s.allocated == 1) {
        set_identifier(&s, 0);
        y8_vdxsFree(reinterpret_cast<Vdx8u*>(&s));
    }
    return vdxStsNoErr;
}

// L of a single- or multi-rate state of the row, 0 for anything else.
template <class R>
int taps_len_of(const void* p) noexcept {
    if (const auto* mr = mr_state<R>(p)) return mr->taps_len;
    return kind_of<R>(p) == Kind::none ? 0 : state<R>(p).taps_len;
}

template <class R>
VdxStatus set_taps(const TapsOf<R>& taps, void* p) noexcept {
    if (any_null(taps.taps, p)) return vdxStsNullPtrErr;
    if (auto* mr = mr_state<R>(p)) {
        mr_write_taps(*mr, taps);
        return vdxStsNoErr;
    }
    if (kind_of<R>(p) == Kind::none) return vdxStsContextMatchErr;
    return write_taps(state<R>(p), taps);
}

// Taps at the interface: real values, or integers t = h * 2^-factor (rounded
// half to even and saturated when the state was built from real taps) with
// the factor.
template <class S, class Out>
VdxStatus taps_out(const S& s, Out* taps, int* factor) noexcept;

template <class R, class Out>
VdxStatus get_taps(const void* p, Out* taps, int* factor) noexcept {
    if (any_null(p, taps)) return vdxStsNullPtrErr;
    if (const auto* mr = mr_state<R>(p)) return taps_out(*mr, taps, factor);
    if (kind_of<R>(p) == Kind::none) return vdxStsContextMatchErr;
    return taps_out(state<R>(p), taps, factor);
}

template <class S, class Out>
VdxStatus taps_out(const S& s, Out* taps, int* factor) noexcept {
    using PO = PartOf<Out>;
    for (int k = 0; k < s.taps_len; ++k) {
        const auto h = tap_of(s, k);
        for (int c = 0; c < parts_of<Out>(); ++c) {
            const auto v = parts(&h)[c];
            if constexpr (is_floating<PO>) {
                parts(taps + k)[c] = static_cast<PO>(v);
            } else {
                parts(taps + k)[c] = convert_sfs<PO>(v, s.taps_factor, vdxRndNear);
            }
        }
    }
    if (factor != nullptr) *factor = s.taps_factor;
    return vdxStsNoErr;
}

template <class R>
VdxStatus set_dly(void* p, const typename R::D* line) noexcept {
    if (p == nullptr) return vdxStsNullPtrErr;
    bool stream = false;
    if (auto* mr = mr_state<R>(p, &stream); mr != nullptr && !stream) {
        mr_set_delay(*mr, line);
        return vdxStsNoErr;
    }
    if (kind_of<R>(p) != Kind::single) return vdxStsContextMatchErr;
    set_delay(state<R>(p), line);
    return vdxStsNoErr;
}

template <class R>
VdxStatus get_dly(const void* p, typename R::D* line) noexcept {
    if (any_null(p, line)) return vdxStsNullPtrErr;
    bool stream = false;
    if (const auto* mr = mr_state<R>(p, &stream); mr != nullptr && !stream) {
        mr_get_delay(*mr, line);
        return vdxStsNoErr;
    }
    if (kind_of<R>(p) != Kind::single) return vdxStsContextMatchErr;
    get_delay(state<R>(p), line);
    return vdxStsNoErr;
}

template <class R>
VdxStatus one(typename R::D x, typename R::D* y, void* p, int sf) noexcept {
    using W = typename R::W;
    if (any_null(y, p)) return vdxStsNullPtrErr;
    if (kind_of<R>(p) != Kind::single) return vdxStsContextMatchErr;
    State<W>& s = state<R>(p);
    const int L = s.taps_len;
    if (s.dly_offset + L + 1 > L + s.chunk) rebase(s);
    W* line = s.dly + s.dly_offset;
    load(&x, line + L, 1);
    W out;
    direct(s, s.taps_len >= Work<W>::kShiftedTaps ? Method::shifted : Method::broadcast, line + 1, 1, &out);
    s.dly_offset += 1;
    store(&out, y, 1, sf);
    return vdxStsNoErr;
}

template <class R>
VdxStatus block(const typename R::D* src, typename R::D* dst, int n, void* p, int sf) noexcept {
    using W = typename R::W;
    using D = typename R::D;
    if (any_null(src, dst, p)) return vdxStsNullPtrErr;
    if (n < 1) return vdxStsSizeErr;
    bool mr_stream = false;
    if (auto* mr = mr_state<R>(p, &mr_stream)) return mr_filter(*mr, src, dst, n, sf, mr_stream);
    const Kind kind = kind_of<R>(p);
    if (kind == Kind::none) return vdxStsContextMatchErr;
    State<W>& s = state<R>(p);
    if (kind == Kind::stream) return stream(s, src, dst, n, sf);
    rebase(s);
    if constexpr (std::is_same_v<W, D>) {
        if (src != dst) return two_stage(s, src, dst, n);
    }
    return chunked(s, src, dst, n, sf);
}

// ---------------------------------------------------------------- stateless members

// The caller's delay line holds 2L samples: the L newest, newest first, at
// [index, index + L), each also L places further on, so that the window is
// one contiguous run whatever the index.
template <class W, class D>
VdxStatus one_direct(D x, D* y, const W* taps, int L, D* line, int* index, int sf) noexcept {
    if (any_null(y, taps, line, index)) return vdxStsNullPtrErr;
    if (L < 1) return vdxStsFIRLenErr;
    if (*index < 0 || *index >= L) return vdxStsDlyLineIndexErr;
    const int i = *index == 0 ? L - 1 : *index - 1;
    line[i] = line[i + L] = x;
    W acc{}, v{}, prod{};
    for (int k = 0; k < L; ++k) {
        load(line + i + k, &v, 1);
        if constexpr (Work<W>::kComplex) {
            prod = W{taps[k].re * v.re - taps[k].im * v.im, taps[k].re * v.im + taps[k].im * v.re};
            acc = W{acc.re + prod.re, acc.im + prod.im};
        } else {
            acc += taps[k] * v;
        }
    }
    *index = i;
    store(&acc, y, 1, sf);
    return vdxStsNoErr;
}

// Block form: the window (the L newest samples, then the inputs, in chunks)
// and the broadcast taps in scratch memory, the broadcast kernel over it.
template <class W, class D>
VdxStatus block_direct(const D* src, D* dst, int n, const W* taps, int L, D* line, int* index, int sf) noexcept {
    if (any_null(src, dst, taps, line, index)) return vdxStsNullPtrErr;
    if (n < 1) return vdxStsSizeErr;
    if (L < 1) return vdxStsFIRLenErr;
    if (*index < 0 || *index >= L) return vdxStsDlyLineIndexErr;
    constexpr int kChunk = 1024;
    const long elements = 4L * L + (L + kChunk) + kChunk;
    if (elements * static_cast<long>(sizeof(W)) > 2000000000L) return vdxStsMemAllocErr;
    WorkBuffer mem(nullptr, static_cast<int>(elements * static_cast<long>(sizeof(W))));
    if (!mem) return vdxStsMemAllocErr;
    W* bcast = reinterpret_cast<W*>(mem.data());
    W* x = bcast + 4L * L;
    W* out = x + L + kChunk;
    for (int k = 0; k < L; ++k)
        for (int j = 0; j < 4; ++j) bcast[4 * k + j] = taps[k];
    for (int k = 0; k < L; ++k) load(line + *index + k, x + (L - 1 - k), 1);
    const auto& kern = kernels<W>();
    for (int done = 0; done < n;) {
        const int c = n - done < kChunk ? n - done : kChunk;
        load(src + done, x + L, c);
        if constexpr (Work<W>::kComplex) {
            kern.complex_broadcast(parts(bcast), parts(x + 1), parts(out), c, L);
        } else {
            kern.broadcast(bcast, x + 1, out, c, L);
        }
        std::memmove(x, x + c, static_cast<size_t>(L) * sizeof(W));
        store(out, dst + done, c, sf);
        done += c;
    }
    for (int k = 0; k < L; ++k) {
        store(x + (L - 1 - k), line + k, 1, 0);
        line[k + L] = line[k];
    }
    *index = 0;
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- multi-rate operations

// upFactor = downFactor = 1 gives the single-rate state of the row.
template <class R, bool Stream>
VdxStatus mr_get_size(int L, int up, int down, int* size) noexcept {
    if (size == nullptr) return vdxStsNullPtrErr;
    if (L < 1) return vdxStsFIRLenErr;
    if (up < 1 || down < 1) return vdxStsFIRMRFactorErr;
    if (up == 1 && down == 1) return get_size<R>(L, size);
    ObjectSizes s{};
    VDX_RETURN_IF_ERROR((MrFamily<R, Stream>::sizes({nullptr, {L, up, 0, down, 0}, nullptr}, &s)));
    *size = s.object;
    return vdxStsNoErr;
}

// Init (buf non-null) and InitAlloc (buf null, alloc true): pointers,
// length, factors, phases and the size are checked before make reads the
// taps.
template <class R, bool Stream, class Obj, class Make>
VdxStatus mr_init(Obj** pp, const typename R::Tap* taps, const MrShape& g, const typename R::D* dly, Vdx8u* buf,
                  bool alloc, Make make) noexcept {
    if (any_null(pp, taps) || (!alloc && buf == nullptr)) return vdxStsNullPtrErr;
    VDX_RETURN_IF_ERROR(check_shape(g));
    if (g.up == 1 && g.down == 1) {
        return alloc ? init_alloc<R, Stream>(pp, taps, g.L, dly, make) : init<R, Stream>(pp, taps, g.L, dly, buf, make);
    }
    MrLayout y;
    if (!mr_layout<typename R::W, typename R::D>(g, &y)) return vdxStsMemAllocErr;
    const TapsOf<R> in = make(taps, g.L);
    const typename MrFamily<R, Stream>::Params p{&in, g, dly};
    void* obj = nullptr;
    using F = MrFamily<R, Stream>;
    const VdxStatus status = alloc ? object_init_alloc<F>(&obj, p) : object_init<F>(&obj, p, buf, nullptr);
    if (status != vdxStsNoErr) return status;
    *pp = static_cast<Obj*>(obj);
    return vdxStsNoErr;
}

// The stateless members: a multi-rate state built for the call in scratch
// memory from the caller's taps and delay line (ceil(L / U) inputs newest
// first), which gets the new delay line back.
template <class R, class Make>
VdxStatus mr_direct(const typename R::D* src, typename R::D* dst, int n, const typename R::Tap* taps,
                    const MrShape& g, typename R::D* line, int sf, Make make) noexcept {
    using F = MrFamily<R, false>;
    if (any_null(src, dst, taps, line)) return vdxStsNullPtrErr;
    if (n < 1) return vdxStsSizeErr;
    VDX_RETURN_IF_ERROR(check_shape(g));
    const TapsOf<R> in = make(taps, g.L);
    const typename F::Params p{&in, g, line};
    ObjectSizes size{};
    VDX_RETURN_IF_ERROR(F::sizes(p, &size));
    WorkBuffer mem(nullptr, size.object);
    if (!mem) return vdxStsMemAllocErr;
    void* obj = nullptr;
    VDX_RETURN_IF_ERROR(object_init<F>(&obj, p, mem.data(), nullptr));
    auto& s = *static_cast<MrState<typename R::W>*>(obj);
    VDX_RETURN_IF_ERROR(mr_filter(s, src, dst, n, sf, false));
    mr_get_delay(s, line);
    return vdxStsNoErr;
}

}  // namespace

// ---------------------------------------------------------------- rows

using namespace ids;
using R_32f = Row<Vdx32f, Vdx32f, Vdx32f, fir_32f, fir_stream_32f, firmr_32f, firmr_stream_32f>;
using R_32fc = Row<Vdx32fc, Vdx32fc, Vdx32fc, fir_32fc, 0, firmr_32fc>;
using R32f_16s = Row<Vdx32f, Vdx16s, Vdx32f, fir32f_16s, 0, firmr32f_16s>;
using R32fc_16sc = Row<Vdx32fc, Vdx16sc, Vdx32fc, fir32fc_16sc, 0, firmr32fc_16sc>;
using R_64f = Row<Vdx64f, Vdx64f, Vdx64f, fir_64f, 0, firmr_64f>;
using R_64fc = Row<Vdx64fc, Vdx64fc, Vdx64fc, fir_64fc, 0, firmr_64fc>;
using R64f_32f = Row<Vdx64f, Vdx32f, Vdx64f, fir64f_32f, 0, firmr64f_32f>;
using R64fc_32fc = Row<Vdx64fc, Vdx32fc, Vdx64fc, fir64fc_32fc, 0, firmr64fc_32fc>;
using R64f_32s = Row<Vdx64f, Vdx32s, Vdx64f, fir64f_32s, 0, firmr64f_32s>;
using R64fc_32sc = Row<Vdx64fc, Vdx32sc, Vdx64fc, fir64fc_32sc, 0, firmr64fc_32sc>;
using R64f_16s = Row<Vdx64f, Vdx16s, Vdx64f, fir64f_16s, 0, firmr64f_16s>;
using R64fc_16sc = Row<Vdx64fc, Vdx16sc, Vdx64fc, fir64fc_16sc, 0, firmr64fc_16sc>;
// 32s / 16s has no multi-rate state of its own: its calls take the 16s one.
using R32s_16s = Row<Vdx32s, Vdx16s, Vdx64f, fir32s_16s, fir_stream_16s, firmr32s_16s, firmr_stream_16s>;
using R32s_16s32f = Row<Vdx32f, Vdx16s, Vdx64f, fir32s_16s, fir_stream_16s, firmr32s_16s, firmr_stream_16s>;
using R_16s = Row<Vdx16s, Vdx16s, Vdx64f, fir32s_16s, fir_stream_16s, firmr32s_16s, firmr_stream_16s>;
using R32sc_16sc = Row<Vdx32sc, Vdx16sc, Vdx64fc, fir32sc_16sc, 0, firmr32sc_16sc>;
using R32sc_16sc32fc = Row<Vdx32fc, Vdx16sc, Vdx64fc, fir32sc_16sc, 0, firmr32sc_16sc>;
using R_32s = Row<Vdx32s, Vdx32s, Vdx64f, fir64f_32s, 0, firmr64f_32s>;

template <class Tap>
TapsIn<Tap> real_taps(const Tap* t) noexcept {
    return {t, TapKind::real, 0, 0};
}

}  // namespace vdx::fir

using namespace vdx::fir;

// ---------------------------------------------------------------- exports

// Operations shared by every row: name suffix X, row R, public state type S.
#define VDX_FIR_COMMON(X, R, S)                                                                                 \
    extern "C" VdxStatus y8_vdxsFIRGetStateSize##X(int tapsLen, int* pBufferSize) noexcept {                    \
        return get_size<R>(tapsLen, pBufferSize);                                                               \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRFree##X(S* pState) noexcept { return free_state<R>(pState); }               \
    extern "C" VdxStatus y8_vdxsFIRSetDlyLine##X(S* pState, const R::D* pDlyLine) noexcept {                    \
        return set_dly<R>(pState, pDlyLine);                                                                    \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRGetDlyLine##X(const S* pState, R::D* pDlyLine) noexcept {                    \
        return get_dly<R>(pState, pDlyLine);                                                                    \
    }

// Rows with real-valued taps of the work type.
#define VDX_FIR_REAL_TAPS(X, R, S)                                                                              \
    extern "C" VdxStatus y8_vdxsFIRInit##X(S** ppState, const R::Tap* pTaps, int tapsLen, const R::D* pDlyLine, \
                                           Vdx8u* pBuffer) noexcept {                                           \
        return init<R, false>(ppState, pTaps, tapsLen, pDlyLine, pBuffer, kRealTaps);                         \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRInitAlloc##X(S** ppState, const R::Tap* pTaps, int tapsLen,                  \
                                                const R::D* pDlyLine) noexcept {                                \
        return init_alloc<R, false>(ppState, pTaps, tapsLen, pDlyLine, kRealTaps);                            \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRSetTaps##X(const R::Tap* pTaps, S* pState) noexcept {                        \
        return set_taps<R>(real_taps(pTaps), pState);                                                           \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRGetTaps##X(const S* pState, R::Tap* pTaps) noexcept {                        \
        return get_taps<R>(pState, pTaps, nullptr);                                                             \
    }

// Integer taps with a taps factor; Shift: brought into 16 bits.
#define VDX_FIR_INT_TAPS(X, R, S, make)                                                                         \
    extern "C" VdxStatus y8_vdxsFIRInit##X(S** ppState, const R::Tap* pTaps, int tapsLen, int tapsFactor,       \
                                           const R::D* pDlyLine, Vdx8u* pBuffer) noexcept {                     \
        const auto taps = with_factor(make<R::Tap>, tapsFactor);                                                \
        return init<R, false>(ppState, pTaps, tapsLen, pDlyLine, pBuffer, taps);                                \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRInitAlloc##X(S** ppState, const R::Tap* pTaps, int tapsLen, int tapsFactor,  \
                                                const R::D* pDlyLine) noexcept {                                \
        const auto taps = with_factor(make<R::Tap>, tapsFactor);                                                \
        return init_alloc<R, false>(ppState, pTaps, tapsLen, pDlyLine, taps);                                   \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRSetTaps##X(const R::Tap* pTaps, S* pState, int tapsFactor) noexcept {        \
        if (pState == nullptr || taps_len_of<R>(pState) == 0)                                                   \
            return set_taps<R>(real_taps(pTaps), pState); /* its status */                                      \
        return set_taps<R>(make(pTaps, taps_len_of<R>(pState), tapsFactor), pState);                           \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRGetTaps##X(const S* pState, R::Tap* pTaps, int* pTapsFactor) noexcept {      \
        if (pTapsFactor == nullptr) return vdxStsNullPtrErr;                                                    \
        return get_taps<R>(pState, pTaps, pTapsFactor);                                                         \
    }

// Float taps for an integer-tap state: the factor chosen from them.
#define VDX_FIR_QUANTIZED_TAPS(X, R, S)                                                                         \
    extern "C" VdxStatus y8_vdxsFIRInit##X(S** ppState, const R::Tap* pTaps, int tapsLen, const R::D* pDlyLine, \
                                           Vdx8u* pBuffer) noexcept {                                           \
        return init<R, false>(ppState, pTaps, tapsLen, pDlyLine, pBuffer, kQuantizedTaps);             \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRInitAlloc##X(S** ppState, const R::Tap* pTaps, int tapsLen,                  \
                                                const R::D* pDlyLine) noexcept {                                \
        return init_alloc<R, false>(ppState, pTaps, tapsLen, pDlyLine, kQuantizedTaps);                \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRSetTaps##X(const R::Tap* pTaps, S* pState) noexcept {                        \
        if (pState == nullptr || taps_len_of<R>(pState) == 0)                                                   \
            return set_taps<R>(real_taps(pTaps), pState); /* its status */                                      \
        return set_taps<R>(quantized_taps(pTaps, taps_len_of<R>(pState)), pState);                              \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRGetTaps##X(const S* pState, R::Tap* pTaps) noexcept {                        \
        return get_taps<R>(pState, pTaps, nullptr);                                                             \
    }

// Single-sample and block calls: names One##X##M and X##M / X##IM.
#define VDX_FIR_CALLS_FLOAT(X, R, S)                                                                            \
    extern "C" VdxStatus y8_vdxsFIROne##X(R::D src, R::D* pDstVal, S* pState) noexcept {                        \
        return one<R>(src, pDstVal, pState, 0);                                                                 \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##X(const R::D* pSrc, R::D* pDst, int numIters, S* pState) noexcept {        \
        return block<R>(pSrc, pDst, numIters, pState, 0);                                                       \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##X##_I(R::D* pSrcDst, int numIters, S* pState) noexcept {                   \
        return block<R>(pSrcDst, pSrcDst, numIters, pState, 0);                                                 \
    }
#define VDX_FIR_CALLS_SFS(X, R, S)                                                                              \
    extern "C" VdxStatus y8_vdxsFIROne##X##_Sfs(R::D src, R::D* pDstVal, S* pState, int scaleFactor) noexcept { \
        return one<R>(src, pDstVal, pState, scaleFactor);                                                       \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##X##_Sfs(const R::D* pSrc, R::D* pDst, int numIters, S* pState,             \
                                             int scaleFactor) noexcept {                                        \
        return block<R>(pSrc, pDst, numIters, pState, scaleFactor);                                             \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##X##_ISfs(R::D* pSrcDst, int numIters, S* pState, int scaleFactor) noexcept { \
        return block<R>(pSrcDst, pSrcDst, numIters, pState, scaleFactor);                                       \
    }

namespace {
template <class Tap>
TapsIn<Tap> shifted_taps(const Tap* t, int L, int factor) noexcept {
    return t == nullptr ? real_taps(t) : shifted_integer_taps(t, L, factor);
}
template <class Tap>
TapsIn<Tap> plain_int_taps(const Tap* t, int, int factor) noexcept {
    return {t, TapKind::integer, 0, factor};
}
// Taps makers for init: (taps, L) -> TapsIn, called once the arguments pass.
constexpr auto kRealTaps = [](const auto* t, int) noexcept { return real_taps(t); };
constexpr auto kQuantizedTaps = [](const auto* t, int L) noexcept { return quantized_taps(t, L); };
template <class Make>
auto with_factor(Make make, int factor) noexcept {
    return [make, factor](const auto* t, int L) noexcept { return make(t, L, factor); };
}
}  // namespace

#define VDX_FIR_FLOAT_ROW(X, R, S) VDX_FIR_COMMON(X, R, S) VDX_FIR_REAL_TAPS(X, R, S) VDX_FIR_CALLS_FLOAT(X, R, S)
#define VDX_FIR_SFS_ROW(X, R, S) VDX_FIR_COMMON(X, R, S) VDX_FIR_REAL_TAPS(X, R, S) VDX_FIR_CALLS_SFS(X, R, S)
VDX_FIR_FLOAT_ROW(_32f, R_32f, VdxsFIRState_32f)
VDX_FIR_FLOAT_ROW(_32fc, R_32fc, VdxsFIRState_32fc)
VDX_FIR_FLOAT_ROW(_64f, R_64f, VdxsFIRState_64f)
VDX_FIR_FLOAT_ROW(_64fc, R_64fc, VdxsFIRState_64fc)
VDX_FIR_FLOAT_ROW(64f_32f, R64f_32f, VdxsFIRState64f_32f)
VDX_FIR_FLOAT_ROW(64fc_32fc, R64fc_32fc, VdxsFIRState64fc_32fc)
VDX_FIR_SFS_ROW(32f_16s, R32f_16s, VdxsFIRState32f_16s)
VDX_FIR_SFS_ROW(32fc_16sc, R32fc_16sc, VdxsFIRState32fc_16sc)
VDX_FIR_SFS_ROW(64f_32s, R64f_32s, VdxsFIRState64f_32s)
VDX_FIR_SFS_ROW(64fc_32sc, R64fc_32sc, VdxsFIRState64fc_32sc)
VDX_FIR_SFS_ROW(64f_16s, R64f_16s, VdxsFIRState64f_16s)
VDX_FIR_SFS_ROW(64fc_16sc, R64fc_16sc, VdxsFIRState64fc_16sc)
#undef VDX_FIR_FLOAT_ROW
#undef VDX_FIR_SFS_ROW

#define VDX_FIR_INT_ROW(X, R, S, make) \
    VDX_FIR_COMMON(X, R, S) VDX_FIR_INT_TAPS(X, R, S, make) VDX_FIR_CALLS_SFS(X, R, S)
VDX_FIR_INT_ROW(32s_16s, R32s_16s, VdxsFIRState32s_16s, shifted_taps)
VDX_FIR_INT_ROW(32sc_16sc, R32sc_16sc, VdxsFIRState32sc_16sc, shifted_taps)
VDX_FIR_INT_ROW(_16s, R_16s, VdxsFIRState_16s, shifted_taps)
VDX_FIR_INT_ROW(_32s, R_32s, VdxsFIRState_32s, plain_int_taps)
#undef VDX_FIR_INT_ROW
VDX_FIR_QUANTIZED_TAPS(32s_16s32f, R32s_16s32f, VdxsFIRState32s_16s)
VDX_FIR_QUANTIZED_TAPS(32sc_16sc32fc, R32sc_16sc32fc, VdxsFIRState32sc_16sc)

// Stream states (32f taps for 32f data; 16s taps with a taps factor for 16s data).
extern "C" VdxStatus y8_vdxsFIRStreamGetStateSize_32f(int tapsLen, int* pBufferSize) noexcept {
    return get_size<R_32f>(tapsLen, pBufferSize);
}
extern "C" VdxStatus y8_vdxsFIRStreamInit_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen,
                                              Vdx8u* pBuffer) noexcept {
    return init<R_32f, true>(ppState, pTaps, tapsLen, nullptr, pBuffer, kRealTaps);
}
extern "C" VdxStatus y8_vdxsFIRStreamInitAlloc_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps,
                                                   int tapsLen) noexcept {
    return init_alloc<R_32f, true>(ppState, pTaps, tapsLen, nullptr, kRealTaps);
}
extern "C" VdxStatus y8_vdxsFIRStreamGetStateSize_16s(int tapsLen, int* pBufferSize) noexcept {
    return get_size<R_16s>(tapsLen, pBufferSize);
}
extern "C" VdxStatus y8_vdxsFIRStreamInit_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen,
                                              int tapsFactor, Vdx8u* pBuffer) noexcept {
    return init<R_16s, true>(ppState, pTaps, tapsLen, nullptr, pBuffer, with_factor(shifted_taps<Vdx16s>, tapsFactor));
}
extern "C" VdxStatus y8_vdxsFIRStreamInitAlloc_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen,
                                                   int tapsFactor) noexcept {
    return init_alloc<R_16s, true>(ppState, pTaps, tapsLen, nullptr, with_factor(shifted_taps<Vdx16s>, tapsFactor));
}

// Stateless members: P the tap prefix ("" when taps and data share a type),
// taps W, data D.
#define VDX_FIR_DIRECT_FLOAT(P, X, W, D)                                                                        \
    extern "C" VdxStatus y8_vdxsFIROne##P##_Direct_##X(D src, D* pDstVal, const W* pTaps, int tapsLen,          \
                                                       D* pDlyLine, int* pDlyLineIndex) noexcept {              \
        return one_direct(src, pDstVal, pTaps, tapsLen, pDlyLine, pDlyLineIndex, 0);                            \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIROne##P##_Direct_##X##_I(D* pSrcDstVal, const W* pTaps, int tapsLen,          \
                                                           D* pDlyLine, int* pDlyLineIndex) noexcept {          \
        if (pSrcDstVal == nullptr) return vdxStsNullPtrErr;                                                     \
        return one_direct(*pSrcDstVal, pSrcDstVal, pTaps, tapsLen, pDlyLine, pDlyLineIndex, 0);                 \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##P##_Direct_##X(const D* pSrc, D* pDst, int numIters, const W* pTaps,       \
                                                    int tapsLen, D* pDlyLine, int* pDlyLineIndex) noexcept {    \
        return block_direct(pSrc, pDst, numIters, pTaps, tapsLen, pDlyLine, pDlyLineIndex, 0);                  \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##P##_Direct_##X##_I(D* pSrcDst, int numIters, const W* pTaps, int tapsLen,  \
                                                        D* pDlyLine, int* pDlyLineIndex) noexcept {             \
        return block_direct(pSrcDst, pSrcDst, numIters, pTaps, tapsLen, pDlyLine, pDlyLineIndex, 0);            \
    }
#define VDX_FIR_DIRECT_SFS(P, X, W, D)                                                                          \
    extern "C" VdxStatus y8_vdxsFIROne##P##_Direct_##X##_Sfs(D src, D* pDstVal, const W* pTaps, int tapsLen,    \
                                                             D* pDlyLine, int* pDlyLineIndex,                   \
                                                             int scaleFactor) noexcept {                        \
        return one_direct(src, pDstVal, pTaps, tapsLen, pDlyLine, pDlyLineIndex, scaleFactor);                  \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIROne##P##_Direct_##X##_ISfs(D* pSrcDstVal, const W* pTaps, int tapsLen,       \
                                                              D* pDlyLine, int* pDlyLineIndex,                  \
                                                              int scaleFactor) noexcept {                       \
        if (pSrcDstVal == nullptr) return vdxStsNullPtrErr;                                                     \
        return one_direct(*pSrcDstVal, pSrcDstVal, pTaps, tapsLen, pDlyLine, pDlyLineIndex, scaleFactor);       \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##P##_Direct_##X##_Sfs(const D* pSrc, D* pDst, int numIters, const W* pTaps, \
                                                          int tapsLen, D* pDlyLine, int* pDlyLineIndex,         \
                                                          int scaleFactor) noexcept {                           \
        return block_direct(pSrc, pDst, numIters, pTaps, tapsLen, pDlyLine, pDlyLineIndex, scaleFactor);        \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIR##P##_Direct_##X##_ISfs(D* pSrcDst, int numIters, const W* pTaps,            \
                                                           int tapsLen, D* pDlyLine, int* pDlyLineIndex,        \
                                                           int scaleFactor) noexcept {                          \
        return block_direct(pSrcDst, pSrcDst, numIters, pTaps, tapsLen, pDlyLine, pDlyLineIndex, scaleFactor);  \
    }
VDX_FIR_DIRECT_FLOAT(, 32f, Vdx32f, Vdx32f)
VDX_FIR_DIRECT_FLOAT(, 32fc, Vdx32fc, Vdx32fc)
VDX_FIR_DIRECT_FLOAT(, 64f, Vdx64f, Vdx64f)
VDX_FIR_DIRECT_FLOAT(, 64fc, Vdx64fc, Vdx64fc)
VDX_FIR_DIRECT_FLOAT(64f, 32f, Vdx64f, Vdx32f)
VDX_FIR_DIRECT_FLOAT(64fc, 32fc, Vdx64fc, Vdx32fc)
VDX_FIR_DIRECT_SFS(32f, 16s, Vdx32f, Vdx16s)
VDX_FIR_DIRECT_SFS(32fc, 16sc, Vdx32fc, Vdx16sc)
VDX_FIR_DIRECT_SFS(64f, 32s, Vdx64f, Vdx32s)
VDX_FIR_DIRECT_SFS(64fc, 32sc, Vdx64fc, Vdx32sc)
VDX_FIR_DIRECT_SFS(64f, 16s, Vdx64f, Vdx16s)
VDX_FIR_DIRECT_SFS(64fc, 16sc, Vdx64fc, Vdx16sc)

// ---------------------------------------------------------------- multi-rate exports

// Size, Init and InitAlloc of a row with taps of the work type (make:
// kRealTaps or kQuantizedTaps).
#define VDX_FIRMR_SIZE(X, R)                                                                                    \
    extern "C" VdxStatus y8_vdxsFIRMRGetStateSize##X(int tapsLen, int upFactor, int downFactor,                 \
                                                     int* pBufferSize) noexcept {                               \
        return mr_get_size<R, false>(tapsLen, upFactor, downFactor, pBufferSize);                               \
    }
#define VDX_FIRMR_INIT(X, R, S, make)                                                                           \
    extern "C" VdxStatus y8_vdxsFIRMRInit##X(S** ppState, const R::Tap* pTaps, int tapsLen, int upFactor,       \
                                             int upPhase, int downFactor, int downPhase, const R::D* pDlyLine,  \
                                             Vdx8u* pBuffer) noexcept {                                         \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_init<R, false>(ppState, pTaps, g, pDlyLine, pBuffer, false, make);                            \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRMRInitAlloc##X(S** ppState, const R::Tap* pTaps, int tapsLen, int upFactor,  \
                                                  int upPhase, int downFactor, int downPhase,                   \
                                                  const R::D* pDlyLine) noexcept {                              \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_init<R, false>(ppState, pTaps, g, pDlyLine, nullptr, true, make);                             \
    }
// Integer taps with a taps factor after tapsLen.
#define VDX_FIRMR_INIT_INT(X, R, S, make)                                                                       \
    extern "C" VdxStatus y8_vdxsFIRMRInit##X(S** ppState, const R::Tap* pTaps, int tapsLen, int tapsFactor,     \
                                             int upFactor, int upPhase, int downFactor, int downPhase,          \
                                             const R::D* pDlyLine, Vdx8u* pBuffer) noexcept {                   \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_init<R, false>(ppState, pTaps, g, pDlyLine, pBuffer, false, with_factor(make<R::Tap>, tapsFactor)); \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRMRInitAlloc##X(S** ppState, const R::Tap* pTaps, int tapsLen,                \
                                                  int tapsFactor, int upFactor, int upPhase, int downFactor,    \
                                                  int downPhase, const R::D* pDlyLine) noexcept {               \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_init<R, false>(ppState, pTaps, g, pDlyLine, nullptr, true, with_factor(make<R::Tap>, tapsFactor)); \
    }

#define VDX_FIRMR_ROW(X, R, S) VDX_FIRMR_SIZE(X, R) VDX_FIRMR_INIT(X, R, S, kRealTaps)
VDX_FIRMR_ROW(_32f, R_32f, VdxsFIRState_32f)
VDX_FIRMR_ROW(_32fc, R_32fc, VdxsFIRState_32fc)
VDX_FIRMR_ROW(_64f, R_64f, VdxsFIRState_64f)
VDX_FIRMR_ROW(_64fc, R_64fc, VdxsFIRState_64fc)
VDX_FIRMR_ROW(64f_32f, R64f_32f, VdxsFIRState64f_32f)
VDX_FIRMR_ROW(64fc_32fc, R64fc_32fc, VdxsFIRState64fc_32fc)
VDX_FIRMR_ROW(32f_16s, R32f_16s, VdxsFIRState32f_16s)
VDX_FIRMR_ROW(32fc_16sc, R32fc_16sc, VdxsFIRState32fc_16sc)
VDX_FIRMR_ROW(64f_32s, R64f_32s, VdxsFIRState64f_32s)
VDX_FIRMR_ROW(64fc_32sc, R64fc_32sc, VdxsFIRState64fc_32sc)
VDX_FIRMR_ROW(64f_16s, R64f_16s, VdxsFIRState64f_16s)
VDX_FIRMR_ROW(64fc_16sc, R64fc_16sc, VdxsFIRState64fc_16sc)
#undef VDX_FIRMR_ROW
VDX_FIRMR_SIZE(32sc_16sc, R32sc_16sc)
VDX_FIRMR_INIT_INT(32sc_16sc, R32sc_16sc, VdxsFIRState32sc_16sc, shifted_taps)
VDX_FIRMR_INIT(32sc_16sc32fc, R32sc_16sc32fc, VdxsFIRState32sc_16sc, kQuantizedTaps)
VDX_FIRMR_SIZE(_16s, R_16s)
VDX_FIRMR_INIT_INT(_16s, R_16s, VdxsFIRState_16s, shifted_taps)
VDX_FIRMR_SIZE(_32s, R_32s)
VDX_FIRMR_INIT_INT(_32s, R_32s, VdxsFIRState_32s, plain_int_taps)
#undef VDX_FIRMR_SIZE
#undef VDX_FIRMR_INIT
#undef VDX_FIRMR_INIT_INT

// Stream states: the caller's history in front of the inputs.
extern "C" VdxStatus y8_vdxsFIRMRStreamGetStateSize_32f(int tapsLen, int upFactor, int downFactor,
                                                        int* pBufferSize) noexcept {
    return mr_get_size<R_32f, true>(tapsLen, upFactor, downFactor, pBufferSize);
}
extern "C" VdxStatus y8_vdxsFIRMRStreamInit_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen,
                                                int upFactor, int upPhase, int downFactor, int downPhase,
                                                Vdx8u* pBuffer) noexcept {
    const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};
    return mr_init<R_32f, true>(ppState, pTaps, g, nullptr, pBuffer, false, kRealTaps);
}
extern "C" VdxStatus y8_vdxsFIRMRStreamInitAlloc_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen,
                                                     int upFactor, int upPhase, int downFactor,
                                                     int downPhase) noexcept {
    const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};
    return mr_init<R_32f, true>(ppState, pTaps, g, nullptr, nullptr, true, kRealTaps);
}
extern "C" VdxStatus y8_vdxsFIRMRStreamGetStateSize_16s(int tapsLen, int upFactor, int downFactor,
                                                        int* pBufferSize) noexcept {
    return mr_get_size<R_16s, true>(tapsLen, upFactor, downFactor, pBufferSize);
}
extern "C" VdxStatus y8_vdxsFIRMRStreamInit_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen,
                                                int tapsFactor, int upFactor, int upPhase, int downFactor,
                                                int downPhase, Vdx8u* pBuffer) noexcept {
    const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};
    return mr_init<R_16s, true>(ppState, pTaps, g, nullptr, pBuffer, false,
                                with_factor(shifted_taps<Vdx16s>, tapsFactor));
}
extern "C" VdxStatus y8_vdxsFIRMRStreamInitAlloc_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen,
                                                     int tapsFactor, int upFactor, int upPhase, int downFactor,
                                                     int downPhase) noexcept {
    const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};
    return mr_init<R_16s, true>(ppState, pTaps, g, nullptr, nullptr, true,
                                with_factor(shifted_taps<Vdx16s>, tapsFactor));
}

// Stateless members: P the tap prefix ("" when taps and data share a type).
#define VDX_FIRMR_DIRECT(P, X, R, Sfs, ISfs, SF_PARAM, SF)                                                    \
    extern "C" VdxStatus y8_vdxsFIRMR##P##_Direct_##X##Sfs(const R::D* pSrc, R::D* pDst, int numIters,          \
                                                           const R::Tap* pTaps, int tapsLen, int upFactor,      \
                                                           int upPhase, int downFactor, int downPhase,          \
                                                           R::D* pDlyLine SF_PARAM) noexcept {                  \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_direct<R>(pSrc, pDst, numIters, pTaps, g, pDlyLine, SF, kRealTaps);                           \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRMR##P##_Direct_##X##ISfs(R::D* pSrcDst, int numIters, const R::Tap* pTaps,   \
                                                            int tapsLen, int upFactor, int upPhase,             \
                                                            int downFactor, int downPhase,                      \
                                                            R::D* pDlyLine SF_PARAM) noexcept {                 \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_direct<R>(pSrcDst, pSrcDst, numIters, pTaps, g, pDlyLine, SF, kRealTaps);                     \
    }
#define VDX_FIRMR_DIRECT_INT(P, X, R)                                                                           \
    extern "C" VdxStatus y8_vdxsFIRMR##P##_Direct_##X##_Sfs(const R::D* pSrc, R::D* pDst, int numIters,         \
                                                            const R::Tap* pTaps, int tapsLen, int tapsFactor,   \
                                                            int upFactor, int upPhase, int downFactor,          \
                                                            int downPhase, R::D* pDlyLine,                      \
                                                            int scaleFactor) noexcept {                         \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_direct<R>(pSrc, pDst, numIters, pTaps, g, pDlyLine, scaleFactor,                              \
                            with_factor(plain_int_taps<R::Tap>, tapsFactor));                                   \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsFIRMR##P##_Direct_##X##_ISfs(R::D* pSrcDst, int numIters, const R::Tap* pTaps,  \
                                                             int tapsLen, int tapsFactor, int upFactor,         \
                                                             int upPhase, int downFactor, int downPhase,        \
                                                             R::D* pDlyLine, int scaleFactor) noexcept {        \
        const MrShape g{tapsLen, upFactor, upPhase, downFactor, downPhase};                                     \
        return mr_direct<R>(pSrcDst, pSrcDst, numIters, pTaps, g, pDlyLine, scaleFactor,                        \
                            with_factor(plain_int_taps<R::Tap>, tapsFactor));                                   \
    }
#define VDX_COMMA ,
#define VDX_FIRMR_DIRECT_FLOAT(P, X, R) VDX_FIRMR_DIRECT(P, X, R, , _I, , 0)
#define VDX_FIRMR_DIRECT_SFS(P, X, R) VDX_FIRMR_DIRECT(P, X, R, _Sfs, _ISfs, VDX_COMMA int scaleFactor, scaleFactor)
VDX_FIRMR_DIRECT_FLOAT(, 32f, R_32f)
VDX_FIRMR_DIRECT_FLOAT(, 32fc, R_32fc)
VDX_FIRMR_DIRECT_FLOAT(, 64f, R_64f)
VDX_FIRMR_DIRECT_FLOAT(, 64fc, R_64fc)
VDX_FIRMR_DIRECT_FLOAT(64f, 32f, R64f_32f)
VDX_FIRMR_DIRECT_FLOAT(64fc, 32fc, R64fc_32fc)
VDX_FIRMR_DIRECT_SFS(32f, 16s, R32f_16s)
VDX_FIRMR_DIRECT_SFS(32fc, 16sc, R32fc_16sc)
VDX_FIRMR_DIRECT_SFS(64f, 32s, R64f_32s)
VDX_FIRMR_DIRECT_SFS(64fc, 32sc, R64fc_32sc)
VDX_FIRMR_DIRECT_SFS(64f, 16s, R64f_16s)
VDX_FIRMR_DIRECT_SFS(64fc, 16sc, R64fc_16sc)
VDX_FIRMR_DIRECT_INT(32s, 16s, R32s_16s)
VDX_FIRMR_DIRECT_INT(32sc, 16sc, R32sc_16sc)
#undef VDX_FIRMR_DIRECT_FLOAT
#undef VDX_FIRMR_DIRECT_SFS
#undef VDX_FIRMR_DIRECT_INT
#undef VDX_FIRMR_DIRECT
#undef VDX_COMMA
