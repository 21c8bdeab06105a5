#!/usr/bin/python3
# Reference values of the whole shock for tests/physics/ShockReferenceTest, computed with
# 80-digit arithmetic (mpmath) from the textbook relations of an oblique shock in a perfect gas
# (NACA Report 1135): the flow behind the shock, the detachment and sonic points, the branch of a
# wave angle and the other branch's wave angle, the least M1 that attaches a deflection and the
# limit of θmax. Each input is a double, written so that it reads back as that double, and the
# values are exact for that double (and for γ = 7/5, 13/10 or 5/3 exactly), given to 40
# significant digits. Where a value answers a deflection, the relative condition number of the
# answer to that deflection follows it, since it amplifies the deflection's rounding.
#
# Run from the repository's folder, with Debian's python3-mpmath (1.2.1 when it was made):
#     /usr/bin/python3 tools/shock-reference.py > tests/physics/shock-reference.tsv

import math
from fractions import Fraction

from mpmath import asin, atan, cos, diff, mp, mpf, pi, polyroots, sin, sqrt, tan

# 80 digits: tan β and β − 90° lose up to 17 of them where β is the double nearest 90°.
mp.dps = 80

GASES = [("1.4", Fraction(7, 5)), ("1.3", Fraction(13, 10)), ("5/3", Fraction(5, 3))]
MACHS = [1.0001, 1.01, 1.5, 2.0, 3.0, 5.0, 10.0, 50.0, 1000.0]


def exact(x):
    """The exact value of a double (or a fraction)."""
    if isinstance(x, Fraction):
        return mpf(x.numerator) / x.denominator
    return mpf(x)


def deflection(M, b, g):
    return atan(2 / tan(b) * (M**2 * sin(b)**2 - 1) / (M**2 * (g + cos(2 * b)) + 2))


def detachment(M, g):
    s2 = ((g + 1) * M**2 / 4 - 1 + sqrt((g + 1) * ((g + 1) * M**4 / 16 + (g - 1) * M**2 / 2 + 1))) / (g * M**2)
    b = asin(sqrt(s2))
    return b, deflection(M, b, g)


def sonic(M, g):
    s2 = ((g + 1) * M**2 / 4 - (3 - g) / 4 + sqrt((g + 1) * ((9 + g) / 16 - (3 - g) * M**2 / 8 + (g + 1) * M**4 / 16))) / (g * M**2)
    b = asin(sqrt(s2))
    return b, deflection(M, b, g)


def flow(M, b, t, g):
    mn1 = M * sin(b)
    mn2 = sqrt((1 + (g - 1) / 2 * mn1**2) / (g * mn1**2 - (g - 1) / 2))
    p = 1 + 2 * g / (g + 1) * (mn1**2 - 1)
    rho = (g + 1) * mn1**2 / ((g - 1) * mn1**2 + 2)
    p0 = ((g + 1) * mn1**2 / ((g - 1) * mn1**2 + 2))**(g / (g - 1)) * \
        ((g + 1) / (2 * g * mn1**2 - (g - 1)))**(1 / (g - 1))
    return {"Mn1": mn1, "Mn2": mn2, "M2": mn2 / sin(b - t), "p2p1": p, "T2T1": p / rho,
            "rho2rho1": rho, "p02p01": p0}


def wave_angles(M, t, g):
    """Both wave angles of deflection t: the roots in cot β of the relation's cubic."""
    T, u = tan(t), 1 / M**2
    roots = polyroots([2 * u, T * (g + 1 + 2 * u), -2 * (1 - u), T * (g - 1 + 2 * u)],
                      maxsteps=200, extraprec=200)
    betas = sorted(atan(1 / mp.re(c)) for c in roots if abs(mp.im(c)) < mpf(10)**-60 and mp.re(c) > 0)
    for b in betas:
        assert abs(deflection(M, b, g) - t) < mpf(10)**-50 * t
    return betas


def least_mach(t, g):
    """The M1 whose θmax is t, by bisection in u = 1/M1² (θmax falls as u rises)."""
    lo, hi = mpf(0), mpf(1)
    while hi - lo > mpf(10)**-75 * hi:
        u = (lo + hi) / 2
        if detachment(1 / sqrt(u), g)[1] > t:
            lo = u
        else:
            hi = u
    return 1 / sqrt((lo + hi) / 2)


def number(x):
    return mp.nstr(x, 40, min_fixed=-5, max_fixed=5, strip_zeros=False)


def double(x):
    return repr(float(x))


rows = []


def gas_tag(name):
    return "g" + name.replace(".", "p").replace("/", "over")


def row(case, gas, M1, beta, teta, quantity, value, condition=None):
    rows.append("\t".join([case, gas, M1, beta, teta, quantity, value,
                           "-" if condition is None else mp.nstr(condition, 3)]))


for name, gamma in GASES:
    g = exact(gamma)
    for M1 in MACHS:
        M = exact(M1)
        tag = "M" + repr(M1).removesuffix(".0").replace(".", "p") + "_" + gas_tag(name)
        bStar, tMax = detachment(M, g)
        bSonic, tSonic = sonic(M, g)
        # The closed forms are what they claim: θ is stationary at β*, M2 is 1 at βs.
        assert abs(diff(lambda b: deflection(M, b, g), bStar)) < mpf(10)**-60
        assert abs(flow(M, bSonic, tSonic, g)["M2"] - 1) < mpf(10)**-60
        for quantity, value in [("detachment.beta", bStar), ("detachment.theta", tMax),
                                ("sonic.beta", bSonic), ("sonic.theta", tSonic)]:
            row(tag, name, double(M1), "-", "-", quantity, number(value))
        mu = asin(1 / M)
        # Wave angles on both branches: near the Mach angle (θ near 0), within the weak branch,
        # at the sonic point, on either side of β*, within the strong branch, near and at 90°.
        points = [("nearMach", mu + (bStar - mu) / 1000), ("weak", mu + (bStar - mu) * 2 / 5),
                  ("sonic", bSonic), ("belowDetachment", bStar - (bStar - mu) / 100),
                  ("aboveDetachment", bStar + (pi / 2 - bStar) / 100),
                  ("strong", bStar + (pi / 2 - bStar) / 2),
                  ("nearNormal", pi / 2 - (pi / 2 - bStar) / 1000), ("normal", pi / 2)]
        for where, b in points:
            beta = float(b)
            B = exact(beta)
            if B <= mu:
                continue
            teta = float(deflection(M, B, g))
            t = exact(teta)
            case = tag + "_" + where
            for quantity, value in flow(M, B, t, g).items():
                row(case, name, double(M1), double(beta), double(teta), "flow." + quantity,
                    number(value))
            row(case, name, double(M1), double(beta), "-", "branch",
                "weak" if B < bStar else "strong")
            weak, strong = wave_angles(M, t, g)[-2:] if t > 0 else (mu, pi / 2)
            other = strong if B < bStar else weak
            # The wave angle answers a deflection that is a double, rounded: its relative
            # error grows by θ / (β dθ/dβ), unbounded at β*, where dθ/dβ is 0.
            condition = abs(t / (other * diff(lambda b: deflection(M, b, g), other))) if t > 0 else None
            row(case, name, double(M1), double(beta), double(teta), "otherBranch.beta",
                number(other), condition)
    limit = asin(1 / g)
    row(gas_tag(name), name, "-", "-", "-", "limitTheta", number(limit))
    # Deflections from nearly 0 to just below the limit, the limit itself and beyond it.
    for share in ["0.00001", "0.01", "0.25", "0.5", "0.9", "0.99", "0.999"]:
        teta = float(limit * mpf(share))
        case = gas_tag(name) + "_theta" + share.replace(".", "p") + "ofLimit"
        M = least_mach(exact(teta), g)
        condition = abs(exact(teta) / (M * diff(lambda m: detachment(m, g)[1], M)))
        row(case, name, "-", "-", double(teta), "leastMach", number(M), condition)
    atLimit = float(limit)
    if exact(atLimit) < limit:
        atLimit = math.nextafter(atLimit, math.inf)
    for where, teta in [("atLimit", atLimit), ("beyondLimit", float(limit * mpf("1.01")))]:
        row(gas_tag(name) + "_theta" + where, name, "-", "-", double(teta), "leastMach", "none")

print("case\tgas\tM1\tbeta\ttheta\tquantity\tvalue\tcondition")
print("\n".join(rows))
