// Kernels of the complex FFT engine (fft_engine.cpp), one table per element
// type and instruction-set variant (fft_kernels.cpp, compiled once per
// variant).  Complex data is interleaved (re, im) pairs of T; every count
// below is in complex elements.  User data may have any alignment of T;
// twiddle tables and buffers from the engine are 32-byte aligned.
//
// Twiddles are forward ones, w_L^k = exp(-2 pi i k / L); the inverse kernels
// use their conjugates.  Table layouts (written by fft_engine.cpp):
//   radix-4 stage of length L: for each group of 4 consecutive k < L/4, the
//     real parts of w^k (each twice: 8 T), their imaginary parts (each
//     twice), then the same for w^(2k) and w^(3k) (48 T);
//   radix-8 final pass over M: for each group of 4 k < M, the 4 pairs of
//     w_N^(jk) for j = 1, then j = 2, ... 7 (56 T), which final_twiddles
//     rewrites to blocks: per block of k, for j = 1 .. 7 the real parts of
//     w_N^(jk), then their imaginary parts (14 T per k);
//   radix-4 row stage of length L: per k < L/4, w^k, w^(2k), w^(3k) (6 T);
//   radix-4 stage on blocks (below): for each block of k < L/4, the real
//     parts of w^k, then their imaginary parts, then the same for w^(2k) and
//     w^(3k), in the block's lane order (6 T per k; block_twiddles rewrites
//     a stage's table from the group-of-4 layout, in its first half).
//
// Blocks: the inner radix-4 stages may keep the data as blocks of `block`
// consecutive terms, all real parts then all imaginary parts (the vector
// layer's to_block order), so that their butterflies need no shuffles; the
// first of them reads pairs and the last writes pairs again.
#pragma once

#include <cstdint>
#include "runtime/kernel_tables.h"

namespace vdx {
namespace fft {

// The data a radix-4 stage reads and writes: pairs in and out, pairs in and
// blocks out, blocks in and out, blocks in and pairs out.
enum class Form : int { pairs, to_blocks, blocks, from_blocks };

template <class T>
struct Kernels {
    // Terms per block (a power of two, at least 2).
    int block;
    // Rewrites the group-of-4 table of a radix-4 stage whose quarter q holds
    // whole blocks into the block layout, in place.
    void (*block_twiddles)(T* tw, long q) noexcept;
    // Rewrites the radix-8 final pass table over M in place into blocks.
    void (*final_twiddles)(T* tw, long M) noexcept;
    // Lengths 2^m, m = 0..5, straight-line code per length over vectors of
    // pairs, out of place or in place (src == dst); the scaling form
    // multiplies each output by factor as it stores it.
    void (*small)(const T* src, T* dst, int m, bool inverse, bool scale, T factor) noexcept;
    // Bit-reversed gather fused with the first DIT stage of radix B = 2^logB
    // (4 or 8): for each row i < count (a multiple of 4) and its partner
    // i + ustep/2, the B inputs src[(i + u * ustep) * stride], u = 0..B-1,
    // have their B-point DFT stored at dst[rev[i] * B + k] (the partner's at
    // dst[(rev[i] + 1) * B + k]).  dst must not overlap src.
    void (*first_gather)(const T* src, long stride, long ustep, const std::int32_t* rev, int count, int logB,
                         T* dst, bool inverse) noexcept;
    // The same first stage on data already in bit-reversed order, in place.
    void (*first_inplace)(T* data, long count, int logB, bool inverse) noexcept;
    // One radix-4 DIT stage of length L (L/4 a multiple of 4, and of `block`
    // when the form reads or writes blocks) over n elements, in place; with
    // out not null (form from_blocks only) the pairs go to out instead.
    void (*radix4)(T* data, long n, long L, const T* tw, Form form, bool inverse, bool scale, T factor,
                   T* out) noexcept;
    // The final radix-8 pass of the two-level regime for k in [k0, k1)
    // (multiples of `block`): Y holds the eight sub-transforms of M, in
    // blocks, X gets X[k + q M] = sum_j w_N^(jk) Y_j[k] w_8^(jq) as pairs.
    // X may equal Y.
    void (*radix8_final)(const T* Y, T* X, long M, long k0, long k1, const T* tw, bool inverse) noexcept;
    // out[d] = in[d] * (c * t2[d]) (conjugated twiddle for the inverse), d <
    // width, width a multiple of 4; c = (cre, cim), t2 forward twiddles.
    void (*twiddle_row)(const T* in, T* out, int width, const T* t2, T cre, T cim, bool inverse) noexcept;
    // One radix-4 DIT stage of length L rows over `rows` rows of `width`
    // elements (width a multiple of 4), each row one element of the stage.
    void (*radix4_rows)(T* data, int rows, int width, int L, const T* tw, bool inverse) noexcept;
    // Separate-array ends: first_gather reading pairs (re[e], im[e]),
    // e = (i + u * ustep) * stride; the radix-4 stage and the radix-8 pass
    // writing their outputs to re and im at the elements' indices.
    void (*first_gather_split)(const T* re, const T* im, long stride, long ustep, const std::int32_t* rev,
                               int count, int logB, T* dst, bool inverse) noexcept;
    void (*radix4_split)(const T* data, long n, long L, const T* tw, bool from_blocks, bool inverse, bool scale,
                         T factor, T* re, T* im) noexcept;
    void (*radix8_final_split)(const T* Y, T* re, T* im, long M, long k0, long k1, const T* tw,
                               bool inverse) noexcept;
    // first_gather of the two sequences at src and src + 1 pair (stride >= 2)
    // together, into dst0 and dst1.
    void (*first_gather2)(const T* src, long stride, long ustep, const std::int32_t* rev, int count, int logB,
                          T* dst0, T* dst1, bool inverse) noexcept;
};

}  // namespace fft

VDX_KERNEL_TABLE(fft::Kernels<float>, fft_kernels_32f, "transform/fft_kernels")
VDX_KERNEL_TABLE(fft::Kernels<double>, fft_kernels_64f, "transform/fft_kernels")

}  // namespace vdx
