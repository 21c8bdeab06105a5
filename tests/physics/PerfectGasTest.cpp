#include "physics/PerfectGas.h"
#include "physics/ObliqueShock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace {

TEST(PerfectGas, AirIsTheWindowsGasWithItsLiterals)
{
    const PerfectGas gas = PerfectGasOf(1.4);
    for (const PerfectGas& air : {Air, gas}) {
        EXPECT_EQ(air.gamma, 1.4);
        EXPECT_EQ(air.halfGammaMinusOne, 0.2);
        EXPECT_EQ(air.gammaMinusOne, 0.4);
        EXPECT_EQ(air.gammaPlusOne, 2.4);
        EXPECT_EQ(air.pressureRise, 7.0 / 6.0);
        EXPECT_EQ(air.inverseGammaMinusOne, 2.5);
    }
}

TEST(PerfectGasRefused, GammaOutsideAboveOneUpToThree)
{
    for (double gamma :
         {1.0, -1.4, std::nextafter(3.0, 4.0), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(PerfectGasOf(gamma), std::domain_error) << gamma;
}

TEST(PerfectGasInTheRelations, AirStepsExactlyAsTheWindowsGamma)
{
    for (double M1 : {1.05, 2.0, 20.0})
        for (double beta : {0.5, 0.8, 1.5})
            for (double tanTeta : {0.0, 0.1, 0.4})
                EXPECT_EQ(NewtonStep(M1, beta, tanTeta, Air), NewtonStep(M1, beta, tanTeta, 1.4))
                    << M1 << " " << beta << " " << tanTeta;
}

} // namespace
