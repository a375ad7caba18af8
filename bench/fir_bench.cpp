// FIR block filtering of 4096-sample blocks, one thread: vdxsFIR_32f at
// L = 16, 64, 256, 1024, vdxsFIR_32fc and vdxsFIR_64f at L = 64, 1024.
// Peers: a plain loop compiled with -O3 -mavx2 (fir_loops_avx2.cpp) over a
// history buffer; liquid-dsp's firfilt (rrrf, cccf; it has no double
// filter) where found; an FFTW overlap-save filter (r2c / c2r for real data,
// c2c for complex, the FFT length the library uses, 2^(k+1) with 2^k the
// smallest power of two above L, FFTW_MEASURE plans and the taps spectrum
// made outside the timing) where FFTW is found.  The counter MAC/s is
// L * 4096 / time.
#include <benchmark/benchmark.h>

#include <complex>
#include <cstring>
#include <random>
#include <vector>

#include "fir_loops.h"
#include "vdxcore.h"
#include "vdxs.h"

#ifdef VDXS_BENCH_HAVE_FFTW
#include <fftw3.h>
#endif
#ifdef VDXS_BENCH_HAVE_LIQUID
#include <liquid/liquid.h>
#endif

namespace {

constexpr int kBlock = 4096;

template <class T>
std::vector<T> source(int len, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<T> v(len);
    for (auto& e : v) {
        if constexpr (std::is_floating_point_v<T>) {
            e = static_cast<T>(u(rng));
        } else {
            e = T(u(rng), u(rng));
        }
    }
    return v;
}

class OneThread {
public:
    OneThread() { vdxcoreSetNumThreads(1); }
    ~OneThread() { vdxcoreSetNumThreads(0); }
};

template <class F>
void timed(benchmark::State& state, int L, F&& f) {
    for (auto _ : state) {
        f();
        benchmark::ClobberMemory();
    }
    state.counters["MAC/s"] =
        benchmark::Counter(static_cast<double>(L) * kBlock, benchmark::Counter::kIsIterationInvariantRate);
}

// ---------------------------------------------------------------- this library

template <class T>
struct Vdxs;
#define VDXS_ROW(T, V, X)                                                                        \
    template <>                                                                                  \
    struct Vdxs<T> {                                                                             \
        VdxsFIRState##X* st = nullptr;                                                           \
        explicit Vdxs(const std::vector<T>& h) {                                                 \
            vdxsFIRInitAlloc##X(&st, reinterpret_cast<const V*>(h.data()), int(h.size()), nullptr); \
        }                                                                                        \
        ~Vdxs() { vdxsFIRFree##X(st); }                                                          \
        void run(const T* x, T* y) {                                                             \
            vdxsFIR##X(reinterpret_cast<const V*>(x), reinterpret_cast<V*>(y), kBlock, st);      \
        }                                                                                        \
    };
VDXS_ROW(float, Vdx32f, _32f)
VDXS_ROW(double, Vdx64f, _64f)
VDXS_ROW(std::complex<float>, Vdx32fc, _32fc)
#undef VDXS_ROW

template <class T>
void BM_FIR_vdxs(benchmark::State& state) {
    const int L = static_cast<int>(state.range(0));
    OneThread one;
    Vdxs<T> f(source<T>(L, 1));
    const auto x = source<T>(kBlock, 2);
    std::vector<T> y(kBlock);
    timed(state, L, [&] { f.run(x.data(), y.data()); });
}

// ---------------------------------------------------------------- plain loop

template <class T>
void loop(const T* x, const T* h, T* y, int n, int L) {
    if constexpr (std::is_same_v<T, float>) fir_loops_avx2::fir_32f(x, h, y, n, L);
    if constexpr (std::is_same_v<T, double>) fir_loops_avx2::fir_64f(x, h, y, n, L);
    if constexpr (std::is_same_v<T, std::complex<float>>) fir_loops_avx2::fir_32fc(x, h, y, n, L);
}

template <class T>
void BM_FIR_loop_avx2(benchmark::State& state) {
    const int L = static_cast<int>(state.range(0));
    const auto h = source<T>(L, 1);
    const auto x = source<T>(kBlock, 2);
    std::vector<T> buf(L - 1 + kBlock), y(kBlock);
    timed(state, L, [&] {
        // The history stays in front of the block, as in a filter object.
        std::memcpy(buf.data() + L - 1, x.data(), kBlock * sizeof(T));
        loop(buf.data(), h.data(), y.data(), kBlock, L);
        std::memmove(buf.data(), buf.data() + kBlock, (L - 1) * sizeof(T));
    });
}

// ---------------------------------------------------------------- liquid-dsp

#ifdef VDXS_BENCH_HAVE_LIQUID
void BM_FIR_liquid_32f(benchmark::State& state) {
    const int L = static_cast<int>(state.range(0));
    auto h = source<float>(L, 1);
    auto x = source<float>(kBlock, 2);
    std::vector<float> y(kBlock);
    firfilt_rrrf q = firfilt_rrrf_create(h.data(), L);
    timed(state, L, [&] { firfilt_rrrf_execute_block(q, x.data(), kBlock, y.data()); });
    firfilt_rrrf_destroy(q);
}
void BM_FIR_liquid_32fc(benchmark::State& state) {
    const int L = static_cast<int>(state.range(0));
    auto h = source<std::complex<float>>(L, 1);
    auto x = source<std::complex<float>>(kBlock, 2);
    std::vector<std::complex<float>> y(kBlock);
    firfilt_cccf q = firfilt_cccf_create(reinterpret_cast<liquid_float_complex*>(h.data()), L);
    timed(state, L, [&] {
        firfilt_cccf_execute_block(q, reinterpret_cast<liquid_float_complex*>(x.data()), kBlock,
                                   reinterpret_cast<liquid_float_complex*>(y.data()));
    });
    firfilt_cccf_destroy(q);
}
#endif

// ---------------------------------------------------------------- FFTW overlap-save

#ifdef VDXS_BENCH_HAVE_FFTW
template <class T>
struct Fftw;
template <>
struct Fftw<float> {
    using C = fftwf_complex;
    using Plan = fftwf_plan;
    static Plan fwd(int n, float* a, C* b) { return fftwf_plan_dft_r2c_1d(n, a, b, FFTW_MEASURE); }
    static Plan inv(int n, C* a, float* b) { return fftwf_plan_dft_c2r_1d(n, a, b, FFTW_MEASURE); }
    static void run(Plan p) { fftwf_execute(p); }
    static void destroy(Plan p) { fftwf_destroy_plan(p); }
    static void* alloc(size_t b) { return fftwf_malloc(b); }
    static void release(void* p) { fftwf_free(p); }
};
template <>
struct Fftw<double> {
    using C = fftw_complex;
    using Plan = fftw_plan;
    static Plan fwd(int n, double* a, C* b) { return fftw_plan_dft_r2c_1d(n, a, b, FFTW_MEASURE); }
    static Plan inv(int n, C* a, double* b) { return fftw_plan_dft_c2r_1d(n, a, b, FFTW_MEASURE); }
    static void run(Plan p) { fftw_execute(p); }
    static void destroy(Plan p) { fftw_destroy_plan(p); }
    static void* alloc(size_t b) { return fftw_malloc(b); }
    static void release(void* p) { fftw_free(p); }
};
template <>
struct Fftw<std::complex<float>> : Fftw<float> {
    static Plan fwd(int n, C* a, C* b) { return fftwf_plan_dft_1d(n, a, b, FFTW_FORWARD, FFTW_MEASURE); }
    static Plan inv(int n, C* a, C* b) { return fftwf_plan_dft_1d(n, a, b, FFTW_BACKWARD, FFTW_MEASURE); }
};

int ols_length(int L) {
    int k = 2;
    while ((1 << k) <= L) ++k;
    return 2 << k;
}

// Overlap-save with a history buffer: blocks of N inputs (the L - 1 before
// and M = N - L + 1 new), forward, product with the taps spectrum (1/N
// folded in), inverse, M outputs.
template <class T>
class Ols {
    using F = Fftw<T>;
    using C = typename F::C;
    static constexpr bool kReal = std::is_floating_point_v<T>;
    using Bin = std::conditional_t<kReal, std::complex<T>, T>;

public:
    explicit Ols(const std::vector<T>& h)
        : L_(static_cast<int>(h.size())), N_(ols_length(L_)), bins_(kReal ? N_ / 2 + 1 : N_), hist_(L_ - 1 + kBlock) {
        in_ = static_cast<T*>(F::alloc(N_ * sizeof(T)));
        spec_ = static_cast<C*>(F::alloc(bins_ * sizeof(C)));
        out_ = static_cast<T*>(F::alloc(N_ * sizeof(T)));
        if constexpr (kReal) {
            fwd_ = F::fwd(N_, in_, spec_);
            inv_ = F::inv(N_, spec_, out_);
        } else {
            fwd_ = F::fwd(N_, reinterpret_cast<C*>(in_), spec_);
            inv_ = F::inv(N_, spec_, reinterpret_cast<C*>(out_));
        }
        std::memset(static_cast<void*>(in_), 0, N_ * sizeof(T));
        std::copy(h.begin(), h.end(), in_);
        F::run(fwd_);
        taps_.resize(bins_);
        using Real = decltype(std::abs(Bin{}));
        for (int k = 0; k < bins_; ++k) taps_[k] = Bin(spec_[k][0], spec_[k][1]) / static_cast<Real>(N_);
    }
    ~Ols() {
        F::destroy(fwd_);
        F::destroy(inv_);
        F::release(in_);
        F::release(spec_);
        F::release(out_);
    }
    void run(const T* x, T* y) {
        const int M = N_ - (L_ - 1);
        std::memcpy(hist_.data() + L_ - 1, x, kBlock * sizeof(T));
        for (int at = 0; at < kBlock; at += M) {
            const int avail = std::min(N_, L_ - 1 + kBlock - at), outs = std::min(M, kBlock - at);
            std::memcpy(in_, hist_.data() + at, avail * sizeof(T));
            std::memset(static_cast<void*>(in_ + avail), 0, (N_ - avail) * sizeof(T));
            F::run(fwd_);
            auto* s = reinterpret_cast<Bin*>(spec_);
            for (int k = 0; k < bins_; ++k) s[k] *= taps_[k];
            F::run(inv_);
            std::memcpy(y + at, out_ + L_ - 1, outs * sizeof(T));
        }
        std::memmove(hist_.data(), hist_.data() + kBlock, (L_ - 1) * sizeof(T));
    }

private:
    int L_, N_, bins_;
    std::vector<T> hist_;
    std::vector<Bin> taps_;
    T* in_;
    T* out_;
    C* spec_;
    typename F::Plan fwd_, inv_;
};

template <class T>
void BM_FIR_fftw_ols(benchmark::State& state) {
    const int L = static_cast<int>(state.range(0));
    Ols<T> f(source<T>(L, 1));
    const auto x = source<T>(kBlock, 2);
    std::vector<T> y(kBlock);
    timed(state, L, [&] { f.run(x.data(), y.data()); });
}
#endif

}  // namespace

using C32 = std::complex<float>;
BENCHMARK(BM_FIR_vdxs<float>)->Arg(16)->Arg(64)->Arg(256)->Arg(1024);
BENCHMARK(BM_FIR_loop_avx2<float>)->Arg(16)->Arg(64)->Arg(256)->Arg(1024);
#ifdef VDXS_BENCH_HAVE_LIQUID
BENCHMARK(BM_FIR_liquid_32f)->Arg(16)->Arg(64)->Arg(256)->Arg(1024);
#endif
#ifdef VDXS_BENCH_HAVE_FFTW
BENCHMARK(BM_FIR_fftw_ols<float>)->Arg(64)->Arg(256)->Arg(1024);
#endif

BENCHMARK(BM_FIR_vdxs<C32>)->Arg(64)->Arg(1024);
BENCHMARK(BM_FIR_loop_avx2<C32>)->Arg(64)->Arg(1024);
#ifdef VDXS_BENCH_HAVE_LIQUID
BENCHMARK(BM_FIR_liquid_32fc)->Arg(64)->Arg(1024);
#endif
#ifdef VDXS_BENCH_HAVE_FFTW
BENCHMARK(BM_FIR_fftw_ols<C32>)->Arg(64)->Arg(1024);
#endif

BENCHMARK(BM_FIR_vdxs<double>)->Arg(64)->Arg(1024);
BENCHMARK(BM_FIR_loop_avx2<double>)->Arg(64)->Arg(1024);
#ifdef VDXS_BENCH_HAVE_FFTW
BENCHMARK(BM_FIR_fftw_ols<double>)->Arg(64)->Arg(1024);
#endif

// ---------------------------------------------------------------- multi-rate

// 32f decimation by 4 and interpolation by 4, L = 64, 4096 inputs per call,
// one thread: this library's multi-rate state, the plain polyphase loops and
// liquid-dsp's firdecim / firinterp.  The counter MAC/s counts the products
// a polyphase filter needs: L per output kept (decimation), L per input
// (interpolation).
namespace {
namespace mr {

constexpr int kTaps = 64, kFactor = 4;

void counters(benchmark::State& state, double macs) {
    state.counters["MAC/s"] = benchmark::Counter(macs, benchmark::Counter::kIsIterationInvariantRate);
}

// A 32f multi-rate state over `inputs` samples per call, macs per call.
void run_multirate(benchmark::State& state, int taps, int up, int down, int inputs, double macs) {
    OneThread one;
    const auto h = source<float>(taps, 1);
    const auto x = source<float>(inputs, 2);
    std::vector<float> y(static_cast<std::size_t>(inputs) / down * up);
    VdxsFIRState_32f* st = nullptr;
    vdxsFIRMRInitAlloc_32f(&st, h.data(), taps, up, 0, down, 0, nullptr);
    for (auto _ : state) {
        vdxsFIR_32f(x.data(), y.data(), inputs / down, st);
        benchmark::ClobberMemory();
    }
    vdxsFIRFree_32f(st);
    counters(state, macs);
}

// Arg: 0 decimates, 1 interpolates.
void BM_FIRMR_vdxs(benchmark::State& state) {
    const bool interp = state.range(0) == 1;
    run_multirate(state, kTaps, interp ? kFactor : 1, interp ? 1 : kFactor, kBlock,
                  static_cast<double>(kTaps) * kBlock / (interp ? 1 : kFactor));
}

void BM_FIRMR_loop_avx2(benchmark::State& state) {
    const bool interp = state.range(0) == 1;
    const auto h = source<float>(kTaps, 1);
    const auto x = source<float>(kBlock + kTaps, 2);
    std::vector<float> y(interp ? kBlock * kFactor : kBlock / kFactor);
    for (auto _ : state) {
        if (interp) {
            fir_loops_avx2::interp_32f(x.data(), h.data(), y.data(), kBlock, kTaps, kFactor);
        } else {
            fir_loops_avx2::decim_32f(x.data(), h.data(), y.data(), kBlock / kFactor, kTaps, kFactor);
        }
        benchmark::ClobberMemory();
    }
    counters(state, static_cast<double>(kTaps) * kBlock / (interp ? 1 : kFactor));
}
BENCHMARK(BM_FIRMR_vdxs)->Arg(0)->Arg(1);
BENCHMARK(BM_FIRMR_loop_avx2)->Arg(0)->Arg(1);

#ifdef VDXS_BENCH_HAVE_LIQUID
void BM_FIRMR_liquid(benchmark::State& state) {
    const bool interp = state.range(0) == 1;
    auto h = source<float>(kTaps, 1);
    auto x = source<float>(kBlock, 2);
    std::vector<float> y(interp ? kBlock * kFactor : kBlock / kFactor);
    if (interp) {
        firinterp_rrrf q = firinterp_rrrf_create(kFactor, h.data(), kTaps);
        for (auto _ : state) {
            firinterp_rrrf_execute_block(q, x.data(), kBlock, y.data());
            benchmark::ClobberMemory();
        }
        firinterp_rrrf_destroy(q);
    } else {
        firdecim_rrrf q = firdecim_rrrf_create(kFactor, h.data(), kTaps);
        for (auto _ : state) {
            firdecim_rrrf_execute_block(q, x.data(), kBlock / kFactor, y.data());
            benchmark::ClobberMemory();
        }
        firdecim_rrrf_destroy(q);
    }
    counters(state, static_cast<double>(kTaps) * kBlock / (interp ? 1 : kFactor));
}
BENCHMARK(BM_FIRMR_liquid)->Arg(0)->Arg(1);
#endif

// Rational resampling by 3/2 with 96 taps (32 per phase), 16384 inputs per
// call: 24576 outputs of 32 products each.
constexpr int kUp = 3, kDown = 2, kRationalTaps = 96, kRationalIn = 16384;
constexpr double kRationalMacs = double(kRationalIn) / kDown * kUp * kRationalTaps / kUp;

void BM_Rational_vdxs(benchmark::State& state) {
    run_multirate(state, kRationalTaps, kUp, kDown, kRationalIn, kRationalMacs);
}

void BM_Rational_loop_avx2(benchmark::State& state) {
    const auto h = source<float>(kRationalTaps, 1);
    const auto x = source<float>(kRationalIn + kRationalTaps, 2);
    std::vector<float> y(kRationalIn / kDown * kUp);
    for (auto _ : state) {
        fir_loops_avx2::resample_32f(x.data(), h.data(), y.data(), int(y.size()), kRationalTaps, kUp, kDown);
        benchmark::ClobberMemory();
    }
    counters(state, kRationalMacs);
}
BENCHMARK(BM_Rational_vdxs);
BENCHMARK(BM_Rational_loop_avx2);

#ifdef VDXS_BENCH_HAVE_LIQUID
void BM_Rational_liquid(benchmark::State& state) {
    auto h = source<float>(kRationalTaps, 1);
    auto x = source<float>(kRationalIn, 2);
    std::vector<float> y(kRationalIn / kDown * kUp);
    rresamp_rrrf q = rresamp_rrrf_create(kUp, kDown, kRationalTaps / (2 * kUp), h.data());
    for (auto _ : state) {
        rresamp_rrrf_execute_block(q, x.data(), kRationalIn / kDown, y.data());
        benchmark::ClobberMemory();
    }
    rresamp_rrrf_destroy(q);
    counters(state, kRationalMacs);
}
BENCHMARK(BM_Rational_liquid);
#endif

}  // namespace mr
}  // namespace
