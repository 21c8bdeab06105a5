#include "physics/ShockBranches.h"
#include "physics/PerfectGas.h"
#include "physics/ShockLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace {

constexpr double RightAngle = std::numbers::pi / 2;

TEST(BranchOf, WeakBelowTheDetachmentWaveAngleStrongFromIt)
{
    for (double M1 : {1.0001, 2.0, 50.0}) {
        const double top = Detachment(M1).BetaR;
        EXPECT_EQ(BranchOf(M1, std::nextafter(top, 0.0)), ShockBranch::Weak) << M1;
        EXPECT_EQ(BranchOf(M1, top), ShockBranch::Strong) << M1;
    }
}

TEST(OtherBranch, ZeroDeflectionIsTheMachWaveOrTheNormalShock)
{
    // The Mach angles exact: std::asin(1 / M1) is off by 2e-15 at M1 = 1.0001, where it
    // magnifies the rounding of 1 / M1 45 times.
    struct Row {
        double M1, mu;
    };
    for (const Row row : {Row{1.0001, 1.5566547803888132}, Row{2.0, std::numbers::pi / 6},
                          Row{1e6, 1.0000000000001667e-6}})
        // Also a deflection a hair below 0, as a wave angle rounded below the Mach angle gives.
        for (double teta : {0.0, -1e-17}) {
            EXPECT_EQ(OtherBranchWaveAngle(row.M1, row.mu, teta), RightAngle) << row.M1;
            EXPECT_NEAR(OtherBranchWaveAngle(row.M1, RightAngle, teta), row.mu, 4e-16 * row.mu)
                << row.M1;
        }
}

TEST(OtherBranch, TheBranchesMeetAtTheDetachmentPoint)
{
    for (double M1 : {1.01, 2.0, 10.0}) {
        const ShockPoint top = Detachment(M1);
        EXPECT_EQ(OtherBranchWaveAngle(M1, top.BetaR, top.TetaR), top.BetaR) << M1;
        EXPECT_EQ(OtherBranchWaveAngle(M1, top.BetaR - 0.01, top.TetaR), top.BetaR) << M1;
        // A deflection a hair above θmax, as a converged iteration can leave it.
        EXPECT_EQ(OtherBranchWaveAngle(M1, top.BetaR - 0.01, top.TetaR * (1 + 1e-12)), top.BetaR)
            << M1;
    }
}

TEST(ShockBranchesRefused, NoShockAtOrBelowMachOne)
{
    for (double M1 : {1.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(BranchOf(M1, 1.0), std::domain_error) << M1;
        EXPECT_THROW(OtherBranchWaveAngle(M1, 1.0, 0.1), std::domain_error) << M1;
    }
}

} // namespace
