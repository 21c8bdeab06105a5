#include "physics/ObliqueShock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double Degree = std::numbers::pi / 180.0;

// The iterates in degrees of Newton's method from a branch's start, as the wave-angle iteration
// takes them: until a step moves less than 0.0001°, leaves [lower, 90] or `limit` steps pass.
std::vector<double> Iterates(double M1, double teta, double startDegrees, double lower = 0.0,
                             int limit = 1000)
{
    std::vector<double> iterates;
    double beta = startDegrees * Degree;
    double previous = startDegrees;
    while (static_cast<int>(iterates.size()) < limit) {
        beta = NewtonStep(M1, beta, std::tan(teta * Degree), 1.4);
        iterates.push_back(beta / Degree);
        if (iterates.back() < lower || iterates.back() > 90.0 ||
            std::fabs(iterates.back() - previous) < 0.0001)
            break;
        previous = iterates.back();
    }
    return iterates;
}

double WeakStart(double M1)
{
    return MachAngle(M1) / Degree;
}

TEST(MachAngle, BothFormsAreTheArcSineOfTheInverse)
{
    for (double M : {1.1, 1.25, 1.5, 2.0, 3.0, 10.0, 1e6}) {
        EXPECT_NEAR(MachAngle(M), std::asin(1.0 / M), 4e-16) << M;
        EXPECT_NEAR(MachAngleBySquareRoot(M), std::asin(1.0 / M), 4e-16) << M;
    }
    EXPECT_NEAR(MachAngle(2.0) / Degree, 30.0, 1e-12);
}

TEST(Relation, DeflectionIsZeroAtTheMachAngleAndAtTheNormalShock)
{
    for (double M : {1.2, 2.0, 3.0}) {
        EXPECT_NEAR(Deflection(M, MachAngle(M), 1.4), 0.0, 1e-15) << M;
        EXPECT_NEAR(Deflection(M, std::numbers::pi / 2, 1.4), 0.0, 1e-15) << M;
    }
    // M1 = 2, β = 40°: 10.6229°.
    EXPECT_NEAR(Deflection(2.0, 40 * Degree, 1.4) / Degree, 10.62290962, 1e-8);
}

TEST(Relation, SolvedForMachGivesBackTheMachNumber)
{
    for (double M : {1.3, 2.0, 4.5}) {
        for (double beta = WeakStart(M) + 1; beta < 90; beta += 7) {
            const double teta = Deflection(M, beta * Degree, 1.4);
            const auto [num, den] = MachSquared(teta, beta * Degree, 1.4);
            EXPECT_NEAR(std::sqrt(num / den), M, 1e-9 * M) << M << " at " << beta;
        }
    }
    // As M1 grows without bound the deflection at β = 40° tends to its limit, 32.039°.
    EXPECT_NEAR(LimitDeflection(40 * Degree, 1.4) / Degree, 32.039, 5e-4);
    EXPECT_NEAR(Deflection(1e6, 40 * Degree, 1.4), LimitDeflection(40 * Degree, 1.4), 1e-9);
}

TEST(NewtonStep, FollowsTheIteratesFromEachBranchStart)
{
    const std::vector<double> weak{38.082233, 39.293422, 39.313926, 39.313932};
    const std::vector<double> strong{83.938325, 83.701122, 83.700080, 83.700080};
    const auto weakRun = Iterates(2, 10, WeakStart(2));
    const auto strongRun = Iterates(2, 10, 90);
    ASSERT_EQ(weakRun.size(), weak.size());
    ASSERT_EQ(strongRun.size(), strong.size());
    for (std::size_t k = 0; k < weak.size(); ++k) {
        EXPECT_NEAR(weakRun[k], weak[k], 5e-7) << "weak step " << k + 1;
        EXPECT_NEAR(strongRun[k], strong[k], 5e-7) << "strong step " << k + 1;
    }
    // The normal shock is reached exactly on the first step.
    EXPECT_EQ(Iterates(2, 0, 90), std::vector<double>{90.0});
    // Five steps each for M1 = 2, θ = 20°.
    EXPECT_EQ(Iterates(2, 20, WeakStart(2)).size(), 5u);
    EXPECT_EQ(Iterates(2, 20, 90).size(), 5u);
}

TEST(NewtonStep, BeyondTheLargestDeflectionTheIteratesLeaveTheRange)
{
    const auto weak25 = Iterates(2, 25, WeakStart(2), WeakStart(2));
    EXPECT_EQ(weak25.size(), 6u);
    EXPECT_GT(weak25.back(), 90.0);
    const auto weak30 = Iterates(2, 30, WeakStart(2), WeakStart(2));
    EXPECT_EQ(weak30.size(), 4u);
    EXPECT_LT(weak30.back(), 0.0);
    const auto strong25 = Iterates(2, 25, 90);
    EXPECT_EQ(strong25.size(), 20u);
    EXPECT_LT(strong25.back(), 0.0);
    // M1 = 1.5, θ = 33.3°, strong: the iterates settle into a cycle and never converge.
    const auto cycle = Iterates(1.5, 33.3, 90);
    ASSERT_EQ(cycle.size(), 1000u);
    EXPECT_NEAR(cycle[998], 46.34, 0.01);
    EXPECT_NEAR(cycle[999], 89.90, 0.01);
}

TEST(FlowBehind, NormalShockAndZeroStrength)
{
    const FlowBehindShock normal = FlowBehind(2.0, std::numbers::pi / 2, 0.0);
    EXPECT_DOUBLE_EQ(normal.Mn1, 2.0);
    EXPECT_DOUBLE_EQ(normal.M2, normal.Mn2);
    EXPECT_NEAR(normal.Mn2, 0.57735, 5e-6);
    EXPECT_DOUBLE_EQ(normal.p2p1, 4.5);
    EXPECT_DOUBLE_EQ(normal.T2T1, 1.6875);
    // A Mach wave changes nothing.
    const FlowBehindShock wave = FlowBehind(2.0, MachAngle(2.0), 0.0);
    EXPECT_NEAR(wave.Mn1, 1.0, 1e-15);
    EXPECT_NEAR(wave.Mn2, 1.0, 1e-15);
    EXPECT_NEAR(wave.p2p1, 1.0, 1e-15);
    EXPECT_NEAR(wave.T2T1, 1.0, 1e-15);
    EXPECT_NEAR(wave.M2, 2.0, 1e-14);
    EXPECT_NEAR(wave.rho2rho1, 1.0, 1e-15);
    EXPECT_NEAR(wave.p02p01, 1.0, 1e-15);
}

TEST(FlowBehind, DensityAndTotalPressureOfTheNormalShock)
{
    // M1 = 2: ρ2/ρ1 = 9.6 / 3.6 = 8/3, p02/p01 = (8/3)^3.5 (1/4.5)^2.5 = 0.72087.
    const FlowBehindShock normal = FlowBehind(2.0, std::numbers::pi / 2, 0.0);
    EXPECT_DOUBLE_EQ(normal.rho2rho1, 8.0 / 3.0);
    EXPECT_NEAR(normal.p02p01, 0.72087, 5e-6);
    EXPECT_EQ(normal.T2T1, normal.p2p1 / normal.rho2rho1);
    // At M1 = 1e6 almost nothing is left: 3.5988388678400414e-28 of the total pressure.
    EXPECT_NEAR(FlowBehind(1e6, std::numbers::pi / 2, 0.0).p02p01, 3.5988388678400414e-28,
                1e-12 * 3.6e-28);
}

} // namespace
