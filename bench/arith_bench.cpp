// Arithmetic family against plain loops and VOLK on the same buffers:
// vdxsAdd_32f, vdxsMul_32f, vdxsMul_32fc, vdxsDiv_32f and vdxsAdd_16s_Sfs
// (scale factors 0 and 1), each beside
//   loop_sse41  the plain loop at the project's baseline flags (-O3 -msse4.1),
//   loop_avx2   the same loop compiled with -O3 -mavx2,
//   volk        the VOLK kernel, where the build found VOLK (it has no 16-bit
//               saturating or scaled sum).
// Sizes: 1K elements (in L1) and 4M (beyond the last-level cache).  The
// byte counts are the bytes read and written, so the 4M rows compare with
// the memory references: a plain loop reading two vectors and writing one
// (Pass_32f, no arithmetic) and memcpy of as many bytes.  vdxsDiv_32f runs
// on a team of two from 4096 elements: its rows come with the default thread
// count and pinned to one thread (vdxs_1thread).
//
//   bench/arith_bench --benchmark_min_time=0.2
//
// Times are wall-clock times (the threaded division runs on two threads).
// The 4M rows are memory-bound and the machine is shared: compare rows of
// the same run, preferably with --benchmark_repetitions and
// --benchmark_enable_random_interleaving.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>

#include "arith_loops.h"
#include "vdxcore.h"
#include "vdxs.h"

#ifdef VDXS_BENCH_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

constexpr int k1K = 1 << 10;
constexpr int k4M = 4 << 20;

// Sources and destination of n elements, 64-byte aligned, filled once before
// timing: floats of either sign in [0.5, 2) (no zero divisors), 16-bit
// integers over the whole range.
template <class T>
struct Buffers {
    explicit Buffers(int n) : len(n) {
        a = static_cast<T*>(vdxMalloc(static_cast<int>(n * sizeof(T))));
        b = static_cast<T*>(vdxMalloc(static_cast<int>(n * sizeof(T))));
        d = static_cast<T*>(vdxMalloc(static_cast<int>(n * sizeof(T))));
        std::mt19937 rng(1);
        fill(a, rng);
        fill(b, rng);
        std::memset(d, 0, n * sizeof(T));
    }
    ~Buffers() {
        vdxFree(a);
        vdxFree(b);
        vdxFree(d);
    }
    Buffers(const Buffers&) = delete;
    Buffers& operator=(const Buffers&) = delete;

    void fill(T* p, std::mt19937& rng) {
        std::uniform_real_distribution<float> mag(0.5f, 2.0f);
        std::uniform_int_distribution<int> any16(-32768, 32767), sign(0, 1);
        auto real = [&] { return sign(rng) ? mag(rng) : -mag(rng); };
        for (int i = 0; i < len; ++i) {
            if constexpr (std::is_same_v<T, Vdx16s>) p[i] = static_cast<Vdx16s>(any16(rng));
            else if constexpr (std::is_same_v<T, Vdx32fc>) p[i] = Vdx32fc{real(), real()};
            else p[i] = real();
        }
    }

    int len;
    T* a;
    T* b;
    T* d;
};

// Times fn(a, b, d, n); bytes: two sources read, one destination written.
template <class T, class Fn>
void two_sources(benchmark::State& state, Fn fn) {
    Buffers<T> buf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fn(buf.a, buf.b, buf.d, buf.len);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * buf.len * 3 * sizeof(T));
}

// Pinned to one thread for the timed loop.
template <class Fn>
void f32_one_thread(benchmark::State& state, Fn fn) {
    vdxcoreSetNumThreads(1);
    two_sources<float>(state, fn);
    vdxcoreSetNumThreads(0);
}

// The element type in the benchmark's name (BENCHMARK_CAPTURE pastes it).
template <class Fn>
void f32(benchmark::State& state, Fn fn) {
    two_sources<float>(state, fn);
}
template <class Fn>
void c32(benchmark::State& state, Fn fn) {
    two_sources<Vdx32fc>(state, fn);
}
template <class Fn>
void i16(benchmark::State& state, Fn fn) {
    two_sources<Vdx16s>(state, fn);
}

#define VDX_ARITH_BENCH(group, impl, kind, T, ...)                                            \
    BENCHMARK_CAPTURE(kind, group##_##impl, [](const T* a, const T* b, T* d, int n) {       \
        __VA_ARGS__;                                                                          \
    })->Arg(k1K)->Arg(k4M)->UseRealTime()

// ---- Add_32f
VDX_ARITH_BENCH(Add_32f, vdxs, f32, float, vdxsAdd_32f(a, b, d, n));
VDX_ARITH_BENCH(Add_32f, loop_sse41, f32, float, arith_loops_sse41::add_32f(a, b, d, n));
VDX_ARITH_BENCH(Add_32f, loop_avx2, f32, float, arith_loops_avx2::add_32f(a, b, d, n));

// ---- Mul_32f
VDX_ARITH_BENCH(Mul_32f, vdxs, f32, float, vdxsMul_32f(a, b, d, n));
VDX_ARITH_BENCH(Mul_32f, loop_sse41, f32, float, arith_loops_sse41::mul_32f(a, b, d, n));
VDX_ARITH_BENCH(Mul_32f, loop_avx2, f32, float, arith_loops_avx2::mul_32f(a, b, d, n));

// ---- Mul_32fc
VDX_ARITH_BENCH(Mul_32fc, vdxs, c32, Vdx32fc, vdxsMul_32fc(a, b, d, n));
VDX_ARITH_BENCH(Mul_32fc, loop_sse41, c32, Vdx32fc, arith_loops_sse41::mul_32fc(a, b, d, n));
VDX_ARITH_BENCH(Mul_32fc, loop_avx2, c32, Vdx32fc, arith_loops_avx2::mul_32fc(a, b, d, n));

// ---- Div_32f: d = b / a
VDX_ARITH_BENCH(Div_32f, vdxs, f32, float, vdxsDiv_32f(a, b, d, n));
BENCHMARK_CAPTURE(f32_one_thread, Div_32f_vdxs_1thread, [](const float* a, const float* b, float* d, int n) {
    vdxsDiv_32f(a, b, d, n);
})->Arg(k1K)->Arg(k4M)->UseRealTime();
VDX_ARITH_BENCH(Div_32f, loop_sse41, f32, float, arith_loops_sse41::div_32f(a, b, d, n));
VDX_ARITH_BENCH(Div_32f, loop_avx2, f32, float, arith_loops_avx2::div_32f(a, b, d, n));

// ---- Add_16s_Sfs
VDX_ARITH_BENCH(Add_16s_Sfs0, vdxs, i16, Vdx16s, vdxsAdd_16s_Sfs(a, b, d, n, 0));
VDX_ARITH_BENCH(Add_16s_Sfs0, loop_sse41, i16, Vdx16s, arith_loops_sse41::add_16s_sat(a, b, d, n));
VDX_ARITH_BENCH(Add_16s_Sfs0, loop_avx2, i16, Vdx16s, arith_loops_avx2::add_16s_sat(a, b, d, n));
VDX_ARITH_BENCH(Add_16s_Sfs1, vdxs, i16, Vdx16s, vdxsAdd_16s_Sfs(a, b, d, n, 1));
VDX_ARITH_BENCH(Add_16s_Sfs1, loop_sse41, i16, Vdx16s, arith_loops_sse41::add_16s_half(a, b, d, n));
VDX_ARITH_BENCH(Add_16s_Sfs1, loop_avx2, i16, Vdx16s, arith_loops_avx2::add_16s_half(a, b, d, n));

#ifdef VDXS_BENCH_HAVE_VOLK
// VOLK names the destination first and divides its first source by its second.
VDX_ARITH_BENCH(Add_32f, volk, f32, float, volk_32f_x2_add_32f(d, a, b, n));
VDX_ARITH_BENCH(Mul_32f, volk, f32, float, volk_32f_x2_multiply_32f(d, a, b, n));
VDX_ARITH_BENCH(Mul_32fc, volk, c32, Vdx32fc,
                volk_32fc_x2_multiply_32fc(reinterpret_cast<lv_32fc_t*>(d), reinterpret_cast<const lv_32fc_t*>(a),
                                           reinterpret_cast<const lv_32fc_t*>(b), n));
VDX_ARITH_BENCH(Div_32f, volk, f32, float, volk_32f_x2_divide_32f(d, b, a, n));
#endif

// ---- memory references at 4M: the bytes of a two-source, one-destination
// float operation, moved without arithmetic.
BENCHMARK_CAPTURE(f32, Pass_32f_loop_sse41, [](const float* a, const float* b, float* d, int n) {
    arith_loops_sse41::pass_32f(a, b, d, n);
})->Arg(k4M)->UseRealTime();
BENCHMARK_CAPTURE(f32, Pass_32f_loop_avx2, [](const float* a, const float* b, float* d, int n) {
    arith_loops_avx2::pass_32f(a, b, d, n);
})->Arg(k4M)->UseRealTime();

// memcpy of 6 bytes per element: 12 bytes moved (6 read, 6 written), as
// many as a two-source, one-destination float operation moves.
void Memcpy_12B_per_element(benchmark::State& state) {
    const int bytes = static_cast<int>(state.range(0)) * 6;
    char* src = static_cast<char*>(vdxMalloc(bytes));
    char* dst = static_cast<char*>(vdxMalloc(bytes));
    std::memset(src, 1, bytes);
    std::memset(dst, 0, bytes);
    for (auto _ : state) {
        std::memcpy(dst, src, bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes * 2);
    vdxFree(src);
    vdxFree(dst);
}
BENCHMARK(Memcpy_12B_per_element)->Arg(k4M)->UseRealTime();

}  // namespace
