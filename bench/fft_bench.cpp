// Complex FFT, forward, out of place, N = 2^4 .. 2^22: this library (one
// thread, and the default thread count) against FFTW (FFTW_MEASURE plans, one
// thread, the same aligned buffers) and KissFFT (float only).  Each result
// carries GFLOP/s = 5 N log2(N) / time.
//   build-fft/bench/fft_bench --benchmark_filter=32fc
#include <benchmark/benchmark.h>

#include <fftw3.h>

#include <cstring>
#include <random>

#include "vdxcore.h"
#include "vdxs.h"

#if defined(VDXS_BENCH_HAVE_KISSFFT)
#include <kiss_fft.h>
#endif

namespace {

constexpr int kMinOrder = 4, kMaxOrder = 22;

void set_rate(benchmark::State& state, int order) {
    const double n = double(1L << order);
    state.counters["GFLOPs"] =
        benchmark::Counter(5.0 * n * order * double(state.iterations()) / 1e9, benchmark::Counter::kIsRate);
}

template <class T>
void fill(T* p, long count) {
    std::mt19937 gen(1);
    std::uniform_real_distribution<double> dist(-1, 1);
    for (long i = 0; i < count; ++i) p[i] = T(dist(gen));
}

template <class C, class Spec, auto InitAlloc, auto Fwd, auto Free, auto GetSize>
void ours(benchmark::State& state, int threads) {
    const int order = int(state.range(0));
    const long n = 1L << order;
    vdxcoreSetNumThreads(threads);  // the object keeps the count it was built with
    Spec* spec = nullptr;
    InitAlloc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);
    int s, i, w;
    GetSize(order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone, &s, &i, &w);
    auto* src = static_cast<C*>(fftw_malloc(sizeof(C) * n));
    auto* dst = static_cast<C*>(fftw_malloc(sizeof(C) * n));
    auto* buf = static_cast<Vdx8u*>(fftw_malloc(w + 1));
    fill(reinterpret_cast<decltype(src->re)*>(src), 2 * n);
    for (auto _ : state) {
        Fwd(src, dst, spec, buf);
        benchmark::DoNotOptimize(dst);
    }
    set_rate(state, order);
    fftw_free(buf);
    fftw_free(dst);
    fftw_free(src);
    Free(spec);
    vdxcoreSetNumThreads(0);
}

void ours_32fc(benchmark::State& state, int threads) {
    ours<Vdx32fc, VdxsFFTSpec_C_32fc, vdxsFFTInitAlloc_C_32fc, vdxsFFTFwd_CToC_32fc, vdxsFFTFree_C_32fc,
         vdxsFFTGetSize_C_32fc>(state, threads);
}
void ours_64fc(benchmark::State& state, int threads) {
    ours<Vdx64fc, VdxsFFTSpec_C_64fc, vdxsFFTInitAlloc_C_64fc, vdxsFFTFwd_CToC_64fc, vdxsFFTFree_C_64fc,
         vdxsFFTGetSize_C_64fc>(state, threads);
}

void BM_ours_32fc_1thread(benchmark::State& state) { ours_32fc(state, 1); }
void BM_ours_32fc_default(benchmark::State& state) { ours_32fc(state, 0); }
void BM_ours_64fc_1thread(benchmark::State& state) { ours_64fc(state, 1); }
void BM_ours_64fc_default(benchmark::State& state) { ours_64fc(state, 0); }

void BM_fftw_32fc(benchmark::State& state) {
    const int order = int(state.range(0));
    const int n = 1 << order;
    auto* src = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * n));
    auto* dst = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * n));
    fftwf_plan plan = fftwf_plan_dft_1d(n, src, dst, FFTW_FORWARD, FFTW_MEASURE);
    fill(&src[0][0], 2L * n);
    for (auto _ : state) {
        fftwf_execute(plan);
        benchmark::DoNotOptimize(dst);
    }
    set_rate(state, order);
    fftwf_destroy_plan(plan);
    fftwf_free(dst);
    fftwf_free(src);
}

void BM_fftw_64fc(benchmark::State& state) {
    const int order = int(state.range(0));
    const int n = 1 << order;
    auto* src = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    auto* dst = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
    fftw_plan plan = fftw_plan_dft_1d(n, src, dst, FFTW_FORWARD, FFTW_MEASURE);
    fill(&src[0][0], 2L * n);
    for (auto _ : state) {
        fftw_execute(plan);
        benchmark::DoNotOptimize(dst);
    }
    set_rate(state, order);
    fftw_destroy_plan(plan);
    fftw_free(dst);
    fftw_free(src);
}

#if defined(VDXS_BENCH_HAVE_KISSFFT)
void BM_kiss_32fc(benchmark::State& state) {
    const int order = int(state.range(0));
    const int n = 1 << order;
    kiss_fft_cfg cfg = kiss_fft_alloc(n, 0, nullptr, nullptr);
    auto* src = static_cast<kiss_fft_cpx*>(fftwf_malloc(sizeof(kiss_fft_cpx) * n));
    auto* dst = static_cast<kiss_fft_cpx*>(fftwf_malloc(sizeof(kiss_fft_cpx) * n));
    fill(&src[0].r, 2L * n);
    for (auto _ : state) {
        kiss_fft(cfg, src, dst);
        benchmark::DoNotOptimize(dst);
    }
    set_rate(state, order);
    fftwf_free(dst);
    fftwf_free(src);
    kiss_fft_free(cfg);
}
BENCHMARK(BM_kiss_32fc)->DenseRange(kMinOrder, kMaxOrder);
#endif

BENCHMARK(BM_ours_32fc_1thread)->DenseRange(kMinOrder, kMaxOrder);
BENCHMARK(BM_ours_32fc_default)->DenseRange(kMinOrder, kMaxOrder);
BENCHMARK(BM_fftw_32fc)->DenseRange(kMinOrder, kMaxOrder);
BENCHMARK(BM_ours_64fc_1thread)->DenseRange(kMinOrder, kMaxOrder);
BENCHMARK(BM_ours_64fc_default)->DenseRange(kMinOrder, kMaxOrder);
BENCHMARK(BM_fftw_64fc)->DenseRange(kMinOrder, kMaxOrder);

}  // namespace
