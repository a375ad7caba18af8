// Accuracy of the any-length DFT (complex and real) and of the DCT-II
// against FFTW's long-double transforms, beside FFTW's single and double
// precision on the same inputs: relative RMS error of each, and their ratio.
//   build/bench/dft_accuracy [n ...]
#include <fftw3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "vdxs.h"

namespace {

using LD = long double;

template <class T>
double rel_rms(const T* got, const LD* want, long count) {
    LD e = 0, r = 0;
    for (long i = 0; i < count; ++i) {
        e += (got[i] - want[i]) * (got[i] - want[i]);
        r += want[i] * want[i];
    }
    return std::sqrt(static_cast<double>(e / r));
}

// Rows of one precision: ours and FFTW's complex, real (CCS) and DCT-II.
template <class T>
struct Row;

#define VDX_ACCURACY_ROW(T, C, S, P)                                                                        \
    template <>                                                                                             \
    struct Row<T> {                                                                                         \
        static void complex(long n, const T* x, T* ours, T* peer) {                                          \
            VdxsDFTSpec_C_##S##c* s = nullptr;                                                               \
            vdxsDFTInitAlloc_C_##S##c(&s, int(n), VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);                    \
            vdxsDFTFwd_CToC_##S##c(reinterpret_cast<const C*>(x), reinterpret_cast<C*>(ours), s, nullptr);   \
            vdxsDFTFree_C_##S##c(s);                                                                         \
            std::vector<T> in(x, x + 2 * n);                                                                 \
            auto p = P##_plan_dft_1d(int(n), reinterpret_cast<P##_complex*>(in.data()),                      \
                                     reinterpret_cast<P##_complex*>(peer), FFTW_FORWARD, FFTW_ESTIMATE);     \
            P##_execute(p);                                                                                  \
            P##_destroy_plan(p);                                                                             \
        }                                                                                                    \
        static void real(long n, const T* x, T* ours, T* peer) {                                             \
            VdxsDFTSpec_R_##S* s = nullptr;                                                                  \
            vdxsDFTInitAlloc_R_##S(&s, int(n), VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);                       \
            vdxsDFTFwd_RToCCS_##S(x, ours, s, nullptr);                                                      \
            vdxsDFTFree_R_##S(s);                                                                            \
            std::vector<T> in(x, x + n);                                                                     \
            auto p = P##_plan_dft_r2c_1d(int(n), in.data(), reinterpret_cast<P##_complex*>(peer), FFTW_ESTIMATE); \
            P##_execute(p);                                                                                  \
            P##_destroy_plan(p);                                                                             \
        }                                                                                                    \
        static void dct(long n, const T* x, T* ours, T* peer) {                                              \
            VdxsDCTFwdSpec_##S* s = nullptr;                                                                 \
            vdxsDCTFwdInitAlloc_##S(&s, int(n), vdxAlgHintNone);                                            \
            vdxsDCTFwd_##S(x, ours, s, nullptr);                                                             \
            vdxsDCTFwdFree_##S(s);                                                                           \
            std::vector<T> in(x, x + n);                                                                     \
            auto p = P##_plan_r2r_1d(int(n), in.data(), peer, FFTW_REDFT10, FFTW_ESTIMATE);                  \
            P##_execute(p);                                                                                  \
            P##_destroy_plan(p);                                                                             \
            peer[0] *= T(0.5) / std::sqrt(T(n));                                                            \
            for (long k = 1; k < n; ++k) peer[k] *= T(1) / std::sqrt(T(2 * n));                             \
        }                                                                                                    \
    };
VDX_ACCURACY_ROW(float, Vdx32fc, 32f, fftwf)
VDX_ACCURACY_ROW(double, Vdx64fc, 64f, fftw)

enum Kind { kComplex, kReal, kDct };

// The long-double transform of x (values of T) for the kind.
std::vector<LD> exact(Kind kind, long n, const std::vector<LD>& x) {
    std::vector<LD> in = x, out(kind == kComplex ? 2 * n : kind == kReal ? n + 2 : n);
    fftwl_plan p = kind == kComplex ? fftwl_plan_dft_1d(int(n), reinterpret_cast<fftwl_complex*>(in.data()),
                                                        reinterpret_cast<fftwl_complex*>(out.data()), FFTW_FORWARD,
                                                        FFTW_ESTIMATE)
                   : kind == kReal ? fftwl_plan_dft_r2c_1d(int(n), in.data(), reinterpret_cast<fftwl_complex*>(out.data()),
                                                           FFTW_ESTIMATE)
                                   : fftwl_plan_r2r_1d(int(n), in.data(), out.data(), FFTW_REDFT10, FFTW_ESTIMATE);
    fftwl_execute(p);
    fftwl_destroy_plan(p);
    if (kind == kDct) {
        out[0] *= 0.5L / sqrtl(n);
        for (long k = 1; k < n; ++k) out[k] /= sqrtl(2.0L * n);
    }
    return out;
}

template <class T>
void measure(Kind kind, long n) {
    const long count = kind == kComplex ? 2 * n : n;
    const long outputs = kind == kComplex ? 2 * n : kind == kReal ? n + 2 : n;
    std::mt19937 gen(static_cast<unsigned>(n));
    std::uniform_real_distribution<double> dist(-1, 1);
    std::vector<T> x(count), ours(outputs), peer(outputs);
    std::vector<LD> xl(count);
    for (long i = 0; i < count; ++i) xl[i] = x[i] = static_cast<T>(dist(gen));
    if (kind == kComplex) Row<T>::complex(n, x.data(), ours.data(), peer.data());
    if (kind == kReal) Row<T>::real(n, x.data(), ours.data(), peer.data());
    if (kind == kDct) Row<T>::dct(n, x.data(), ours.data(), peer.data());
    const auto want = exact(kind, n, xl);
    const double a = rel_rms(ours.data(), want.data(), outputs), b = rel_rms(peer.data(), want.data(), outputs);
    static const char* const kNames[] = {"complex", "real", "dct-II"};
    std::printf("| %s %s | %ld | %.2e | %.2e | %.2f |\n", kNames[kind], sizeof(T) == 4 ? "32f" : "64f", n, a, b, a / b);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<long> ns;
    for (int i = 1; i < argc; ++i) ns.push_back(std::atol(argv[i]));
    if (ns.empty()) ns = {17, 53, 97, 360, 596, 604, 1000, 1021, 1155, 4095, 4096, 48000, 99991, 1000000};
    std::printf("| Transform | N | this library | FFTW | ratio |\n|---|---|---|---|---|\n");
    for (Kind kind : {kComplex, kReal, kDct})
        for (long n : ns) {
            measure<float>(kind, n);
            measure<double>(kind, n);
        }
    return 0;
}
