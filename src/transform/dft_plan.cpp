// Complex DFT plans: method choice, tables, and the unscaled transform
// (dft_plan.h).  Twiddles, roots and the chirp are computed once here, in
// long double from the exact index; a call computes no sine or cosine.
#include "transform/dft_plan.h"

#include <immintrin.h>

#include <climits>
#include <cmath>
#include <cstring>

#include "abi/api.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "transform/packed_kernels.h"

namespace vdx::dft {
namespace {

using DftVariant = Variant<DftKernels, &dft_kernels_variants>;
using PackedVariant = Variant<PackedKernels, &packed_kernels_variants>;

template <class T>
const PackedPairKernels<T>& products() noexcept {
    if constexpr (sizeof(T) == 4) {
        return PackedVariant::table().f32;
    } else {
        return PackedVariant::table().f64;
    }
}

template <class T>
long pair_bytes(long pairs) noexcept {
    return round32(2 * pairs * static_cast<long>(sizeof(T)));
}

constexpr long double kTwoPi = 6.283185307179586476925286766559005768L;

// e^(-2 pi i q / n) into out[0], out[1].  Whole quarter turns are exact:
// cosl and sinl of the rounded angle leave about 1e-20 where 0 belongs, and
// products of two such parts (twiddles formed from others) would fall into
// the subnormal range, slow on every x86 core.
template <class T>
void unit_root(long q, long n, T* out) noexcept {
    if ((4 * q) % n == 0) {
        static constexpr T kQuarters[4][2] = {{T(1), T(0)}, {T(0), T(-1)}, {T(-1), T(0)}, {T(0), T(1)}};
        const long turn = (4 * q / n) % 4;
        out[0] = kQuarters[turn][0];
        out[1] = kQuarters[turn][1];
        return;
    }
    const long double a = kTwoPi * static_cast<long double>(q) / static_cast<long double>(n);
    out[0] = static_cast<T>(cosl(a));
    out[1] = static_cast<T>(-sinl(a));
}

// (cos, sin)(2 pi q / p), q < p: the roots a butterfly of radix p reads,
// followed for a two-stage radix by those of its stages.
template <class T>
void fill_roots(int p, T* roots) noexcept {
    for (int q = 0; q < p; ++q) {
        unit_root<T>(q, p, roots + 2 * q);
        roots[2 * q + 1] = -roots[2 * q + 1];
    }
    if (const int a = composite_first(p); a != 0) {
        fill_roots<T>(a, roots + 2 * p);
        fill_roots<T>(p / a, roots + 2 * (p + a));
    }
}

constexpr long kConvLengths[] = {128,  144,  160,  192,  200,  256,  288,  320,  384,  400,  512,
                                 576,  640,  768,  800,  1024, 1152, 1280, 1536, 1600, 2048, 2304,
                                 2560, 3072, 3200, 4096, 4608, 5120, 6144, 6400, 8192};

// The radices the passes run, from the factor list: last found first (the
// powers of two come last, so every pass but the final one has a run length
// that fills whole vectors whenever n has a factor 4), and the factors 2 and
// 4 at the end joined into passes of 16 (4 x 4) and one of 8, 4 or 2 before
// them, and pairs of odd factors making 9, 15 or 25 joined too: fewer
// sweeps over the data.
int pass_radices(const Factors& f, int* radix) noexcept {
    int count = 0, first_odd = 0, twos = 0;
    for (; first_odd < f.count && (f.f[first_odd] == 4 || f.f[first_odd] == 2); ++first_odd)
        twos += f.f[first_odd] == 4 ? 2 : 1;
    for (int q = f.count - 1; q >= first_odd; --q) {
        // Two odd factors whose product is a two-stage radix run as one pass.
        if (q > first_odd && composite_first(f.f[q] * f.f[q - 1]) != 0) {
            radix[count++] = f.f[q] * f.f[q - 1];
            --q;
            continue;
        }
        radix[count++] = f.f[q];
    }
    if (twos % 4 != 0) radix[count++] = 1 << (twos % 4);
    for (; twos >= 4; twos -= 4) radix[count++] = 16;
    return count;
}

template <class T>
void build_mixed(ComplexPlan<T>* p, const Factors& f, Arena& arena) noexcept {
    const long n = p->n;
    int radix[kMaxPasses];
    p->passes = pass_radices(f, radix);
    p->merged6 = f.merged6;
    long l1 = 1;
    for (int q = 0; q < p->passes; ++q) {
        const int ip = radix[q];
        const long ido = n / (l1 * ip);
        T* tw = arena.take<T>(2 * twiddle_rows(ip) * ido);
        T* roots = arena.take<T>(2 * roots_count(ip));
        p->pass[q] = {ip, static_cast<int>(l1), static_cast<int>(ido), tw, roots};
        if (!arena.measuring()) {
            for (int m = 1; m <= twiddle_rows(ip); ++m)
                for (long i = 0; i < ido; ++i) unit_root<T>(m * i * l1, n, tw + 2 * ((m - 1) * ido + i));
            fill_roots<T>(ip, roots);
        }
        l1 *= ip;
    }
    p->work_bytes = pair_bytes<T>(n);
}

template <class T>
void build_direct(ComplexPlan<T>* p, Arena& arena) noexcept {
    const long n = p->n;
    T* table = arena.take<T>(2 * n * n);
    p->table = table;
    if (!arena.measuring())
        for (long k = 0; k < n; ++k)
            for (long j = 0; j < n; ++j) unit_root<T>(j * k % n, n, table + 2 * (k * n + j));
    p->work_bytes = pair_bytes<T>(n);
}

// conj(c[k]) at k and L-k (k < n), zero between: the convolution kernel,
// in double.
void mirrored_chirp(long n, long L, double* b) noexcept {
    std::memset(static_cast<void*>(b), 0, sizeof(double) * 2 * static_cast<size_t>(L));
    long index = 0;
    for (long k = 0; k < n; ++k) {
        double c[2];
        unit_root<double>(index, 2 * n, c);
        b[2 * k] = b[2 * ((L - k) % L)] = c[0];
        b[2 * k + 1] = b[2 * ((L - k) % L) + 1] = -c[1];
        index += 2 * k + 1;
        if (index >= 2 * n) index -= 2 * n;
    }
}

// The float plans' transformed kernel, computed by a double plan of length
// L built for the occasion: its rounding stays below the float result's.
template <class T>
VdxStatus transformed_chirp_in_double(long n, long L, T* chirp_fft) noexcept {
    ComplexPlan<double> plan{};
    Vdx8u* block = nullptr;
    VdxStatus status = build_allocated<double>(&plan, static_cast<int>(L), false, &block);
    const long bytes = pair_bytes<double>(L) + plan.work_bytes;
    Vdx8u* work = status == vdxStsNoErr && bytes <= INT_MAX ? y8_vdxsMalloc_8u(static_cast<int>(bytes)) : nullptr;
    if (status == vdxStsNoErr && work == nullptr) status = vdxStsMemAllocErr;
    if (status == vdxStsNoErr) {
        double* b = reinterpret_cast<double*>(work);
        mirrored_chirp(n, L, b);
        run<double>(plan, b, b, false, work + pair_bytes<double>(L));
        for (long i = 0; i < 2 * L; ++i) chirp_fft[i] = static_cast<T>(b[i] / static_cast<double>(L));
    }
    y8_vdxsFree(work);
    y8_vdxsFree(block);
    return status;
}

// The chirp c[k] = e^(-pi i k^2 / n), k^2 taken modulo 2n by steps of 2k+1
// (no k^2 overflow); the mirrored conj(c) in L pairs, transformed by the
// inner plan in the scratch, times 1/L.
template <class T>
VdxStatus build_chirp(ComplexPlan<T>* p, Arena& arena, Vdx8u* scratch) noexcept {
    const long n = p->n, L = conv_length(n);
    p->conv_len = static_cast<int>(L);
    T* chirp = arena.take<T>(2 * n);
    T* chirp_fft = arena.take<T>(2 * L);
    ComplexPlan<T>* inner = arena.take<ComplexPlan<T>>(1);
    ComplexPlan<T> measured{};
    ComplexPlan<T>* in = arena.measuring() ? &measured : inner;
    VDX_RETURN_IF_ERROR(build<T>(in, static_cast<int>(L), false, arena, scratch));
    p->chirp = chirp;
    p->chirp_fft = chirp_fft;
    p->inner = arena.measuring() ? nullptr : inner;
    const long buffer = pair_bytes<T>(L);
    p->work_bytes = buffer + in->work_bytes;
    p->scratch_bytes = in->scratch_bytes > buffer + in->work_bytes ? in->scratch_bytes : buffer + in->work_bytes;
    if (arena.measuring()) return vdxStsNoErr;
    long index = 0;
    for (long k = 0; k < n; ++k) {
        unit_root<T>(index, 2 * n, chirp + 2 * k);
        index += 2 * k + 1;
        if (index >= 2 * n) index -= 2 * n;
    }
    if constexpr (sizeof(T) == 4) {
        return transformed_chirp_in_double(n, L, chirp_fft);
    } else {
        double* b = reinterpret_cast<double*>(scratch);
        mirrored_chirp(n, L, b);
        run<double>(*inner, b, b, false, scratch + buffer);
        for (long i = 0; i < 2 * L; ++i) chirp_fft[i] = b[i] / static_cast<double>(L);
    }
    return vdxStsNoErr;
}

}  // namespace

template <class T>
const DftKernelRow<T>& kernels() noexcept {
    if constexpr (sizeof(T) == 4) {
        return DftVariant::table().f32;
    } else {
        return DftVariant::table().f64;
    }
}

long conv_length(long n) noexcept {
    const long need = 2 * n - 1;
    if (need <= 8192)
        for (long L : kConvLengths)
            if (L >= need) return L;
    long L = 1;
    while (L < need) L *= 2;
    return L;
}

// Factors 4 while they divide; one 2 if an even part remains; odd trial
// divisors d while the cofactor is at least d^2 (a dividing d recorded and
// tried again); the cofactor left last.  A 3 right after the 2, with no 4,
// joins it as a 6.
template <class T>
Factors factorise(int n) noexcept {
    Factors f{};
    long c = n;
    bool four = false, two = false;
    while (c % 4 == 0) {
        f.f[f.count++] = 4;
        c /= 4;
        four = true;
    }
    if (c % 2 == 0) {
        f.f[f.count++] = 2;
        c /= 2;
        two = true;
    }
    auto record = [&](int d) {
        if (d == 3 && two && !four && f.merged6 == 0 && f.f[f.count - 1] == 2) {
            f.f[f.count - 1] = 6;
            f.merged6 = 1;
        } else {
            f.f[f.count++] = d;
        }
    };
    for (long d = 3; c >= d * d;) {
        if (c % d != 0) {
            d += 2;
            continue;
        }
        if (d > Limits<T>::kFactor) return Factors{};
        record(static_cast<int>(d));
        c /= d;
    }
    if (f.count == 0) return f;
    if (c > 1) {
        const long limit = n % 4 == 0 ? 150 : Limits<T>::kFactor;
        if (c > limit) return Factors{};
        record(static_cast<int>(c));
    }
    return f;
}

template <class T>
Method choose(int n, bool force_chirp) noexcept {
    if (!force_chirp) {
        if (is_pow2(n)) return log2_of(n) <= fft::kMaxOrder<T> ? Method::fft : Method{};
        if (n <= 16) return Method::small;
        if (n < Limits<T>::kMixed && factorise<T>(n).count > 0) return Method::mixed;
        if (n <= Limits<T>::kFactor) return Method::direct;
    }
    return n < Limits<T>::kChirp ? Method::chirp : Method{};
}

template <class T>
VdxStatus build(ComplexPlan<T>* p, int n, bool force_chirp, Arena& arena, Vdx8u* scratch) noexcept {
    *p = ComplexPlan<T>{};
    p->n = n;
    p->method = choose<T>(n, force_chirp);
    switch (p->method) {
        case Method::small:
            return vdxStsNoErr;
        case Method::fft: {
            const int m = log2_of(n);
            const fft::EngineSizes e = fft::engine_sizes<T>(m);
            Vdx8u* tables = arena.take<Vdx8u>(e.tables);
            p->work_bytes = e.work;
            p->scratch_bytes = e.init;
            if (!arena.measuring())
                fft::build_plan<T>(&p->fft, m, e.tables > 0 ? tables : nullptr, e.init > 0 ? scratch : nullptr);
            return vdxStsNoErr;
        }
        case Method::mixed:
            build_mixed(p, factorise<T>(n), arena);
            return vdxStsNoErr;
        case Method::direct:
            build_direct(p, arena);
            return vdxStsNoErr;
        case Method::chirp:
            return build_chirp(p, arena, scratch);
    }
    return vdxStsSizeErr;
}

template <class T>
VdxStatus build_allocated(ComplexPlan<T>* p, int n, bool force_chirp, Vdx8u** block) noexcept {
    *block = nullptr;
    Arena measure(nullptr);
    VDX_RETURN_IF_ERROR(build<T>(p, n, force_chirp, measure, nullptr));
    if (measure.used() > INT_MAX || p->scratch_bytes > INT_MAX - 64) return vdxStsMemAllocErr;
    if (measure.used() > 0 && (*block = y8_vdxsMalloc_8u(static_cast<int>(measure.used()))) == nullptr)
        return vdxStsMemAllocErr;
    Vdx8u* scratch = nullptr;
    if (p->scratch_bytes > 0 && (scratch = y8_vdxsMalloc_8u(static_cast<int>(p->scratch_bytes))) == nullptr)
        return vdxStsMemAllocErr;
    Arena arena(*block);
    const VdxStatus status = build<T>(p, n, force_chirp, arena, scratch);
    y8_vdxsFree(scratch);
    return status;
}

template <class T>
void run(const ComplexPlan<T>& p, const T* src, T* dst, bool inverse, Vdx8u* work) noexcept {
    const int n = p.n;
    switch (p.method) {
        case Method::small:
            kernels<T>().small(n, src, dst, inverse);
            return;
        case Method::fft:
            fft::run_complex<T>(p.fft, src, dst, inverse, false, T(1), work);
            return;
        case Method::mixed:
            kernels<T>().passes(p.pass, p.passes, n, src, dst, reinterpret_cast<T*>(work), inverse);
            return;
        case Method::direct: {
            const T* from = src;
            if (src == dst) {
                std::memcpy(work, src, sizeof(T) * 2 * static_cast<size_t>(n));
                from = reinterpret_cast<const T*>(work);
            }
            kernels<T>().direct(p.table, n, from, dst, inverse);
            return;
        }
        case Method::chirp: {
            const int L = p.conv_len;
            const PackedPairKernels<T>& k = products<T>();
            T* a = reinterpret_cast<T*>(work);
            Vdx8u* inner_work = work + pair_bytes<T>(L);
            (inverse ? k.mul_conj : k.mul)(src, p.chirp, a, n);
            std::memset(static_cast<void*>(a + 2 * n), 0, sizeof(T) * 2 * static_cast<size_t>(L - n));
            run<T>(*p.inner, a, a, false, inner_work);
            if (inverse) {
                k.mul_conj(a, p.chirp_fft, a, L);  // element by element: a may be the destination
            } else {
                k.mul(p.chirp_fft, a, a, L);
            }
            run<T>(*p.inner, a, a, true, inner_work);
            (inverse ? k.mul_conj : k.mul)(a, p.chirp, dst, n);
            return;
        }
    }
}

template <class T>
T normalisation(long n, int flag) noexcept {
    if (flag == VDX_FFT_NODIV_BY_ANY) return T(1);
    const T len = static_cast<T>(n);
    if (flag != VDX_FFT_DIV_BY_SQRTN) return T(1) / len;
    if constexpr (sizeof(T) == 4) {
        const float y = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(len)));
        return y * (3.0f - len * y * y) * 0.5f;
    } else {
        return 1.0 / std::sqrt(len);
    }
}

template <class T>
void scale(T* d, long count, T f) noexcept {
    if constexpr (sizeof(T) == 4) {
        y8_vdxsMulC_32f_I(f, d, static_cast<int>(count));
    } else {
        y8_vdxsMulC_64f_I(f, d, static_cast<int>(count));
    }
}

#define VDX_DFT_PLAN_ROW(T)                                                                          \
    template const DftKernelRow<T>& kernels<T>() noexcept;                                          \
    template Factors factorise<T>(int) noexcept;                                                     \
    template Method choose<T>(int, bool) noexcept;                                                   \
    template VdxStatus build<T>(ComplexPlan<T>*, int, bool, Arena&, Vdx8u*) noexcept;                \
    template VdxStatus build_allocated<T>(ComplexPlan<T>*, int, bool, Vdx8u**) noexcept;             \
    template void run<T>(const ComplexPlan<T>&, const T*, T*, bool, Vdx8u*) noexcept;                \
    template T normalisation<T>(long, int) noexcept;                                                 \
    template void scale<T>(T*, long, T) noexcept;
VDX_DFT_PLAN_ROW(float)
VDX_DFT_PLAN_ROW(double)
#undef VDX_DFT_PLAN_ROW

}  // namespace vdx::dft
