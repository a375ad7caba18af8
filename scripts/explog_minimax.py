#!/usr/bin/env python3
"""Minimax polynomials of the exponential and logarithm kernels.

Prints the coefficients used in src/math/explog_kernels.cpp, rounded to the
working precision, with the largest weighted error of each fit.  Each fit
minimises the relative error of the whole function value (Remez exchange on
a weighted linear problem, in 60-digit arithmetic).  Needs mpmath.

    scripts/explog_minimax.py
"""
import struct

import mpmath as mp

mp.mp.dps = 60


def remez(g, w, a, b, deg, iterations=30, grid=4000):
    """Coefficients c of P (degree deg) minimising max |w(x) (g(x) - P(x))| on [a, b]."""
    n = deg + 1
    xs = [(a + b) / 2 + (b - a) / 2 * mp.cos(mp.pi * (n + 1 - i) / (n + 1)) for i in range(n + 1)]
    for _ in range(iterations):
        m = mp.matrix(n + 1, n + 1)
        rhs = mp.matrix(n + 1, 1)
        for i, x in enumerate(xs):
            for j in range(n):
                m[i, j] = w(x) * x**j
            m[i, n] = (-1) ** i
            rhs[i] = w(x) * g(x)
        sol = mp.lu_solve(m, rhs)
        c = [sol[j] for j in range(n)]

        def err(x):
            return w(x) * (g(x) - sum(c[j] * x**j for j in range(n)))

        pts = [a + (b - a) * mp.mpf(k) / grid for k in range(grid + 1)]
        vals = [err(x) for x in pts]
        ext = [0] + [k for k in range(1, grid) if abs(vals[k]) >= abs(vals[k - 1]) and abs(vals[k]) >= abs(vals[k + 1])]
        ext.append(grid)
        sel = []  # alternating extrema, the largest of each run of one sign
        for k in ext:
            if sel and mp.sign(vals[k]) == mp.sign(vals[sel[-1]]):
                if abs(vals[k]) > abs(vals[sel[-1]]):
                    sel[-1] = k
            else:
                sel.append(k)
        while len(sel) > n + 1:
            sel.pop(0 if abs(vals[sel[0]]) < abs(vals[sel[-1]]) else -1)
        if len(sel) < n + 1:
            break
        new = []
        for k in sel:  # refine each extremum by ternary search between its neighbours
            lo, hi = pts[max(k - 1, 0)], pts[min(k + 1, grid)]
            for _ in range(40):
                m1, m2 = lo + (hi - lo) / 3, hi - (hi - lo) / 3
                if abs(err(m1)) > abs(err(m2)):
                    hi = m2
                else:
                    lo = m1
            new.append(a if k == 0 else b if k == grid else (lo + hi) / 2)
        xs = new
    return c, max(abs(v) for v in vals)


def show(name, c, worst, single):
    print(f"{name}: weighted error 2^{mp.nstr(mp.log(worst, 2), 4)}")
    for j, cj in enumerate(c):
        v = struct.unpack("f", struct.pack("f", float(cj)))[0] if single else float(cj)
        mantissa, exponent = v.hex().split("p")
        print(f"  c{j} = {mantissa.rstrip('0').rstrip('.')}p{exponent}{'f' if single else ''}")


TINY = mp.mpf("1e-30")
HALF_LN2 = mp.log(2) / 2 * mp.mpf("1.0005")  # |r| <= ln2 / 2, with room for the rounding of n

# e^r = 1 + r + r^2 (1/2 + r Q(r)): fit Q with weight r^3 / e^r.
exp_g = lambda r: mp.mpf(1) / 6 if abs(r) < TINY else ((mp.e**r - 1 - r) / r**2 - mp.mpf(1) / 2) / r
exp_w = lambda r: r**3 / mp.e**r
show("float e^x Q", *remez(exp_g, exp_w, -HALF_LN2, HALF_LN2, 3), True)
show("double e^x Q", *remez(exp_g, exp_w, -HALF_LN2, HALF_LN2, 9), False)

# ln(1 + f) = f + f^2 (-1/2 + f q(f)), f in [sqrt(1/2) - 1, sqrt(2) - 1]: weight f^3 / ln(1 + f).
ln_g = lambda f: mp.mpf(1) / 3 if abs(f) < TINY else ((mp.log(1 + f) - f) / f**2 + mp.mpf(1) / 2) / f
ln_w = lambda f: mp.mpf(0) if abs(f) < TINY else abs(f**3 / mp.log(1 + f))
show("float ln q", *remez(ln_g, ln_w, mp.sqrt(0.5) - 1, mp.sqrt(2) - 1, 7), True)

# 2 atanh(s) = 2s + s z T(z), z = s^2 <= ((sqrt(2) - 1) / (sqrt(2) + 1))^2.
Z = ((mp.sqrt(2) - 1) / (mp.sqrt(2) + 1)) ** 2 * mp.mpf("1.0001")


def t_g(z):
    if z < TINY:
        return mp.mpf(2) / 3
    s = mp.sqrt(z)
    return (2 * mp.atanh(s) - 2 * s) / (s * z)


def t_w(z):
    if z < TINY:
        return mp.mpf(0)
    s = mp.sqrt(z)
    return s * z / (2 * mp.atanh(s))


show("double ln T", *remez(t_g, t_w, mp.mpf(0), Z, 6), False)
