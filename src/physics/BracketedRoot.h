#pragma once

#include <cfloat>
#include <cmath>

// A root of a continuous function f that changes sign between lo and hi, to full double
// precision: Brent's method, inverse quadratic interpolation and secant steps kept inside the
// bracket, with a bisection wherever they would not shrink it fast enough. It ends when the
// bracket is about a unit in the last place of the root wide, or f is 0. `fLo` and `fHi` are f at
// the ends, of opposite signs.
template <typename F>
double BracketedRoot(F f, double lo, double hi, double fLo, double fHi)
{
    double a = lo, b = hi, c = hi;
    double fa = fLo, fb = fHi, fc = fHi;
    double d = b - a, e = d;
    for (int step = 0; step < 400; ++step) {
        if ((fb > 0.0 && fc > 0.0) || (fb < 0.0 && fc < 0.0)) {
            c = a;
            fc = fa;
            d = b - a;
            e = d;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tolerance = DBL_EPSILON * std::fabs(b) + DBL_TRUE_MIN;
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= tolerance || fb == 0.0)
            return b;
        if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2.0 * half * s;
                q = 1.0 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2.0 * half * qa * (qa - r) - (b - a) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0)
                q = -q;
            p = std::fabs(p);
            if (2.0 * p < std::fmin(3.0 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tolerance ? d : std::copysign(tolerance, half);
        fb = f(b);
    }
    return b;
}
