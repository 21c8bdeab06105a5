#include "physics/ShockLimits.h"
#include "physics/ObliqueShock.h"
#include "physics/PerfectGas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

const PerfectGas Gases[] = {Air, PerfectGasOf(1.3), PerfectGasOf(5.0 / 3.0)};

TEST(Detachment, IsTheLargestDeflectionOfTheRelationTheWindowComputes)
{
    for (const PerfectGas& gas : Gases)
        for (double M1 : {1.0001, 1.5, 3.0, 1000.0}) {
            const ShockPoint top = Detachment(M1, gas);
            const double step = 1e-4 * (top.BetaR - std::asin(1.0 / M1));
            EXPECT_LT(Deflection(M1, top.BetaR - step, gas.gamma), top.TetaR) << M1;
            EXPECT_LT(Deflection(M1, top.BetaR + step, gas.gamma), top.TetaR) << M1;
            EXPECT_NEAR(Deflection(M1, top.BetaR, gas.gamma), top.TetaR, 1e-11 * top.TetaR);
        }
}

TEST(Detachment, ReachesItsLimitWithoutAFaultWhere1OverM1SquaredVanishes)
{
    for (const PerfectGas& gas : Gases)
        EXPECT_EQ(Detachment(1e300, gas).TetaR, LimitMaxDeflection(gas));
}

TEST(LeastAttachingMach, GivesBackTheMachOfItsLargestDeflection)
{
    for (const PerfectGas& gas : Gases)
        for (double M1 : {1.0001, 1.5, 3.0, 10.0})
            EXPECT_NEAR(LeastAttachingMach(Detachment(M1, gas).TetaR, gas).value(), M1, 1e-13 * M1);
}

TEST(LeastAttachingMach, OneForAMachWaveNoneFromTheLimitOn)
{
    EXPECT_EQ(LeastAttachingMach(0.0), 1.0);
    EXPECT_EQ(LeastAttachingMach(-1e-12), 1.0);
    for (const PerfectGas& gas : Gases) {
        const double limit = LimitMaxDeflection(gas);
        EXPECT_FALSE(LeastAttachingMach(limit, gas).has_value());
        EXPECT_FALSE(LeastAttachingMach(1.2 * limit, gas).has_value());
        EXPECT_GT(LeastAttachingMach(std::nextafter(limit, 0.0), gas).value(), 1e6);
    }
    EXPECT_FALSE(LeastAttachingMach(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(ShockLimitsRefused, NoShockAtOrBelowMachOne)
{
    for (double M1 : {1.0, 0.5, -2.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(Detachment(M1), std::domain_error) << M1;
        EXPECT_THROW(SonicPoint(M1), std::domain_error) << M1;
    }
}

} // namespace
