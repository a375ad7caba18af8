// The vector main loop with its tail, written once.
//
// for_each_vector<Step>(n, vector, tail) runs vector(i) for i = 0, Step,
// 2 Step, ... while a whole step fits below n, then tail(i) for each index
// left (a scalar body; or a masked one called once, through
// for_each_vector_rest, where the variant has masks).  With Unroll > 1 the
// main loop first runs Unroll steps per trip (vector(i), vector(i + Step),
// ...), then single steps.  The bodies are inlined: the loops compile as the
// hand-written ones did.
//
// One piece of the vector layer (simd/simd.h); lives in vdx::VDX_ISA.
#pragma once

// rest(i, count) handles the count < Step indices left from i in one call
// (when count > 0), e.g. with a masked vector body.
template <int Step, int Unroll = 1, class Index, class Vector, class Rest>
[[gnu::always_inline]] inline void for_each_vector_rest(Index n, Vector&& vector, Rest&& rest) {
    Index i = 0;
    if constexpr (Unroll > 1) {
        for (; i + Unroll * Step <= n; i += Unroll * Step) {
#pragma GCC unroll 16
            for (int u = 0; u < Unroll; ++u) vector(i + u * Step);
        }
    }
    for (; i + Step <= n; i += Step) vector(i);
    if (i < n) rest(i, n - i);
}

// tail(i) for each index left: a scalar body.
template <int Step, int Unroll = 1, class Index, class Vector, class Tail>
[[gnu::always_inline]] inline void for_each_vector(Index n, Vector&& vector, Tail&& tail) {
    for_each_vector_rest<Step, Unroll>(n, vector, [&](Index i, Index count) {
        for (const Index end = i + count; i < end; ++i) tail(i);
    });
}

// body(src, dst) over whole vectors of N elements, then once over a local
// copy of the tail padded with `pad`: the tail takes the vector arithmetic
// too, with no scalar code for the compiler to treat otherwise.
template <int N, int Unroll = 1, class S, class D, class Body>
[[gnu::always_inline]] inline void for_each_vector_padded(const S* src, D* dst, int len, S pad, Body&& body) {
    for_each_vector_rest<N, Unroll>(
        len, [&](int i) { body(src + i, dst + i); },
        [&](int i, int rest) {
            alignas(32) S s[N];
            alignas(32) D d[N];
            for (int j = 0; j < N; ++j) s[j] = j < rest ? src[i + j] : pad;
            body(s, d);
            for (int j = 0; j < rest; ++j) dst[i + j] = d[j];
        });
}
