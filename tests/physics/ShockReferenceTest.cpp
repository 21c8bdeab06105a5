#include "physics/ObliqueShock.h"
#include "physics/PerfectGas.h"
#include "physics/ShockBranches.h"
#include "physics/ShockLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Every value of tests/physics/shock-reference.tsv (made by tools/shock-reference.py with
// 80-digit arithmetic, for inputs that are doubles) against what the physics computes. The
// window shows angles in degrees to 4 places and the other values to 5; a relative error of at
// most 1e-12 keeps every value of the table, the largest a pressure ratio near 1.2e6, within a
// tenth of the last digit it shows, and far within it for the rest.
//
// A wave angle or M1 that answers a deflection is exact for the deflection's double, but the
// relation that gives it is evaluated in doubles, to a few units in the last place: its error
// grows by the answer's condition number κ, which the table gives, without bound near the
// detachment point (κ = 8e5 at M1 = 1000's sonic point, 1e-6 rad from β*). Such a value may be
// off by 4 κ units in the last place more, still below 1e-9 and a thousandth of a shown digit.

namespace {

constexpr double Tolerance = 1e-12;

const std::vector<std::string> Quantities{
    "flow.Mn1",      "flow.Mn2",    "flow.M2",          "flow.p2p1",        "flow.T2T1",
    "flow.rho2rho1", "flow.p02p01", "detachment.beta",  "detachment.theta", "sonic.beta",
    "sonic.theta",   "branch",      "otherBranch.beta", "leastMach",        "limitTheta"};

struct Row {
    int line = 0;
    std::string name, gas, quantity, value;
    double M1 = 0.0, beta = 0.0, theta = 0.0;
    double condition = 0.0; // κ of a value that answers a deflection, else 0
};

double Number(const std::string& text)
{
    return text == "-" ? 0.0 : std::strtod(text.c_str(), nullptr);
}

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows = [] {
        std::vector<Row> read;
        std::ifstream file(OSC_SHOCK_REFERENCE);
        std::string line, M1, beta, theta, condition;
        std::getline(file, line); // the header
        for (int number = 2; std::getline(file, line); ++number) {
            std::istringstream in(line);
            Row row;
            row.line = number;
            for (std::string* field :
                 {&row.name, &row.gas, &M1, &beta, &theta, &row.quantity, &row.value, &condition})
                std::getline(in, *field, '\t');
            row.M1 = Number(M1);
            row.beta = Number(beta);
            row.theta = Number(theta);
            row.condition = Number(condition);
            read.push_back(row);
        }
        return read;
    }();
    return rows;
}

// What the physics computes for a row, by the quantity it names.
std::optional<double> Computed(const Row& r)
{
    const PerfectGas gas = PerfectGasOf(r.gas == "5/3" ? 5.0 / 3.0 : Number(r.gas));
    const std::string& q = r.quantity;
    if (q.starts_with("flow.")) {
        const FlowBehindShock f = FlowBehind(r.M1, r.beta, r.theta, gas);
        for (const auto& [name, value] : {std::pair{"flow.Mn1", f.Mn1},
                                          {"flow.Mn2", f.Mn2},
                                          {"flow.M2", f.M2},
                                          {"flow.p2p1", f.p2p1},
                                          {"flow.T2T1", f.T2T1},
                                          {"flow.rho2rho1", f.rho2rho1},
                                          {"flow.p02p01", f.p02p01}})
            if (q == name)
                return value;
    }
    if (q == "detachment.beta" || q == "detachment.theta") {
        const ShockPoint point = Detachment(r.M1, gas);
        return q.ends_with("beta") ? point.BetaR : point.TetaR;
    }
    if (q == "sonic.beta" || q == "sonic.theta") {
        const ShockPoint point = SonicPoint(r.M1, gas);
        return q.ends_with("beta") ? point.BetaR : point.TetaR;
    }
    if (q == "branch")
        return BranchOf(r.M1, r.beta, gas) == ShockBranch::Weak ? 0.0 : 1.0;
    if (q == "otherBranch.beta")
        return OtherBranchWaveAngle(r.M1, r.beta, r.theta, gas);
    if (q == "leastMach")
        return LeastAttachingMach(r.theta, gas);
    if (q == "limitTheta")
        return LimitMaxDeflection(gas);
    throw std::invalid_argument("no quantity " + q);
}

class ShockReference : public testing::TestWithParam<std::string> {};

TEST_P(ShockReference, AgreesWithTheExactValues)
{
    int compared = 0;
    double largest = 0.0;
    std::string where;
    for (const Row& row : Rows()) {
        if (row.quantity != GetParam())
            continue;
        ++compared;
        const std::optional<double> value = Computed(row);
        const std::string at = row.name + " (line " + std::to_string(row.line) + ")";
        if (row.value == "none" || row.value == "weak" || row.value == "strong") {
            EXPECT_EQ(value, row.value == "none"   ? std::nullopt
                             : row.value == "weak" ? std::optional(0.0)
                                                   : std::optional(1.0))
                << at;
            continue;
        }
        ASSERT_TRUE(value.has_value()) << at;
        const double exact = Number(row.value);
        const double error = std::fabs(*value - exact) / std::fabs(exact);
        const double tolerance = Tolerance + 4.0 * row.condition * DBL_EPSILON;
        EXPECT_LE(error, tolerance) << at << ": " << *value << " against " << row.value;
        if (error > largest) {
            largest = error;
            where = " at " + row.name;
        }
    }
    EXPECT_GT(compared, 0) << "no row of " << GetParam();
    std::cout << GetParam() << ": " << compared << " values, largest relative error " << largest
              << where << "\n";
}

INSTANTIATE_TEST_SUITE_P(Table, ShockReference, testing::ValuesIn(Quantities),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(ShockReferenceFile, EveryRowIsCompared)
{
    ASSERT_GT(Rows().size(), 1000u) << OSC_SHOCK_REFERENCE;
    for (const Row& row : Rows())
        EXPECT_NE(std::find(Quantities.begin(), Quantities.end(), row.quantity), Quantities.end())
            << row.quantity << " at line " << row.line;
}

} // namespace
