// Kernels of the initialization family: byte copies, byte moves, pattern
// fills, element reversal and bit-string copying/packing.  One table per
// instruction-set variant (init_kernels.cpp, compiled once per variant); the
// glue (init.cpp) picks one table once and calls through it.
//
// Every kernel expects arguments the glue has already checked: non-null
// pointers, counts of at least 1.  The vector kernels return the call's
// status (always vdxStsNoErr, 0), so that the glue hands over to them with a
// tail call.
#pragma once

#include <cstdint>
#include "runtime/kernel_tables.h"

namespace vdx {

struct InitKernels {
    // Copies `bytes` bytes.  The ranges must not overlap.
    int (*copy_bytes)(const void* src, void* dst, int bytes) noexcept;
    // Copies `bytes` bytes; the ranges may overlap in either direction.
    int (*move_bytes)(const void* src, void* dst, int bytes) noexcept;
    // Fills `bytes` bytes (a multiple of the element size) with copies of an
    // element of 1, 2, 4, 8, 16 bytes (fill[0] .. fill[4]).  The element
    // comes as raw bits: its bytes in memory order from the lowest byte of
    // lo, continuing in hi for 16-byte elements; the rest is ignored.  lo and
    // hi are double only so that the bits travel in vector registers (a
    // float or complex value needs no move to and from integer registers);
    // they are never used as numbers.
    int (*fill[5])(void* dst, double lo, double hi, int bytes) noexcept;
    // Sets `bytes` bytes to zero.
    int (*zero)(void* dst, int bytes) noexcept;
    // dst[i] = src[len - 1 - i] for elements of 1, 2, 4, 8, 16 bytes
    // (flip[0] .. flip[4]).  src == dst reverses in place; any other overlap
    // is not supported.
    int (*flip[5])(const void* src, void* dst, int len) noexcept;
    // Copies `len` bits from bit srcBit (0..7) of src to bit dstBit (0..7)
    // of dst, bits numbered from the most significant bit of each byte; the
    // other bits of the first and last destination bytes keep their values.
    void (*copy_bits)(const std::uint8_t* src, int srcBit, std::uint8_t* dst, int dstBit, int len) noexcept;
    // Appends the low widths[i] bits of src[i], most significant first, to
    // the bit string that starts at bit dstBit (0..7) of dst; widths outside
    // 0..32 are clamped to that range and reported through *clamped (set
    // only, never cleared).  Returns the number of bits written.
    long long (*pack_bits)(const std::uint32_t* src, const int* widths, int len, std::uint8_t* dst, int dstBit,
                           bool* clamped) noexcept;
};

VDX_KERNEL_TABLE(InitKernels, init_kernels, "vector/init_kernels")

}  // namespace vdx
