// Single-rate FIR states: the layout every tap / data row shares, the work
// types the filters compute in, and the thresholds between their methods.
//
// A state computes in its work type W (32f, 32fc, 64f or 64fc): the taps are
// held as W values h(k) (integer taps times 2^tapsFactor, exact), the delay
// buffer holds W samples, and integer or narrower data is converted on the
// way in and out.  The header (State<W>) is followed by its arrays, each on
// a 32-byte boundary:
//   rows      the four shifted reversed copies of the taps: row c of S =
//             (L+6) rounded down to a multiple of 4 elements holds c zeros,
//             hRev(j) = h(L-1-j), zeros (fir_kernels.h)
//   dly       the delay buffer: L samples oldest first from dly_offset, and
//             room for `chunk` inputs behind them
//   bcast     the taps in forward order, each four times
//   spectrum  the overlap-save taps spectrum (fftLen elements: Perm format
//             for real W, complex bins for complex W)
//   fft       the overlap-save FFT object and its init buffer
//   per thread, for object_thread_areas() threads (the thread count, never
//             fewer than the processors configured, at most 8): one
//             fftLen-element block buffer and one FFT work buffer
//   out       `chunk` W outputs, for rows whose data type is not W
//   status    one 32-bit status per thread
#pragma once

#include <cstdint>

#include "abi/api.h"

namespace vdx::fir {

template <class W>
struct State {
    std::uint32_t id;
    std::uint16_t allocated;     // 1 when made by InitAlloc
    std::uint16_t seal;          // object.h
    std::uint32_t work_bytes;    // object.h; block calls take no work buffer
    W* rows;                     // four shifted reversed copies
    W* dly;                      // delay buffer
    std::int32_t taps_len;       // L
    std::int32_t direct_first_block;  // (L+3 rounded down to 4) + 1
    const void* fft_spec;        // null when the overlap-save path is off
    W* spectrum;
    std::int32_t fft_len;        // -1 when the overlap-save path is off
    std::int32_t dly_offset;     // first live delay sample
    std::intptr_t reserved;      // 0
    W* bcast;                    // taps forward, each four times
    std::int32_t dly_len;        // L; 0 in stream states
    std::int32_t threads;        // per-thread areas built
    W* thread_data;              // threads blocks of fftLen elements
    Vdx8u* fft_work;             // threads FFT work buffers
    std::int32_t fft_work_bytes; // bytes of one (a multiple of 32)
    std::int32_t chunk;          // inputs the delay buffer takes behind the line
    std::int32_t* thread_status;
    W* out;                      // chunk W outputs (rows whose data type is not W)
    std::int32_t taps_factor;    // integer taps: h(k) = tap(k) * 2^taps_factor
    std::int32_t stride;         // row stride S of the shifted copies
};

// Multi-rate states (firmr.inc): the same header prefix, the factors and
// phases, the kind, and the tables of that kind.  The arrays follow the
// header on 32-byte boundaries:
//   taps   h(0 .. L-1) forward
//   dly    the history (dly_len inputs oldest first; `history` inputs read
//          by a stream state), then room for `cycles` * down inputs
//   out    `cycles` * up W outputs (rows whose data type is not W)
//   direct kind: poly (per output phase, its taps h(r + iU), i descending,
//          rows of `blocks` rounded up to 4), first (per phase, the newest
//          input its outputs read), count (taps per phase)
//   decimating kind: poly (the taps reversed); real rows with D > 1 also
//          deint (the buffer deinterleaved into D rows, input p at row
//          p mod D, place p / D) and tap_rows (per tap, where its input for
//          cycle 0 lies there)
//   indexed kind: first, count, then per phase and tap an input offset and
//          the tap (index, itaps)
template <class W>
struct MrState {
    std::uint32_t id;
    std::uint16_t allocated;     // 1 when made by InitAlloc
    std::uint16_t seal;          // object.h
    std::uint32_t work_bytes;    // object.h; 0
    std::int32_t taps_len;       // L
    std::int32_t up;             // upFactor U
    std::int32_t blocks;         // polyphase block count ceil(L / U)
    std::int32_t down;           // downFactor D
    std::int32_t up_phase;
    std::int32_t down_phase;
    std::int32_t kind;           // 1 direct polyphase, 2 decimating, 3 indexed polyphase
    std::int32_t dly_len;        // ceil(L / U); 0 in stream states
    std::int32_t history;        // inputs before the first new one that outputs read
    std::int32_t cycles;         // cycles (D inputs, U outputs) one chunk holds
    std::int32_t taps_factor;    // integer taps: h(k) = tap(k) * 2^taps_factor
    std::int32_t poly_stride;    // blocks rounded up to 4
    W* taps;
    W* dly;
    W* out;
    W* poly;
    std::int32_t* first;
    std::int32_t* count;
    std::int32_t* index;
    W* itaps;
    W* deint;                    // decimating kind, real, D > 1: D rows of deint_len
    const W** tap_rows;          // ... and per tap the row element of cycle 0
    std::int32_t deint_len;
};

}  // namespace vdx::fir
