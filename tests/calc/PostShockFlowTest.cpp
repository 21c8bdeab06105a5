#include "calc/PostShockFlow.h"
#include "form/FormState.h"
#include "physics/ArithmeticFault.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct FlowCase {
    const char* name;
    double M1;
    double betaDegrees;
    double tetaDegrees;
    std::vector<std::string> boxes; // Mn1, Mn2, M2, p2/p1, T2/T1
};

class PostShockFlowWrites : public testing::TestWithParam<FlowCase> {};

TEST_P(PostShockFlowWrites, FiveBoxesInOrder)
{
    const auto& c = GetParam();
    const FormState state;
    RecordingForm form;
    Şok_Gerisi_Akım_Özellikleri(form, c.M1, c.betaDegrees * state.DegToRad,
                                c.tetaDegrees * state.DegToRad);
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"Text_Mn1 <- " + c.boxes[0], "Text_Mn2 <- " + c.boxes[1],
                                        "Text_M2 <- " + c.boxes[2], "Text_p2p1 <- " + c.boxes[3],
                                        "Text_T2T1 <- " + c.boxes[4]}));
}

INSTANTIATE_TEST_SUITE_P(
    Shocks, PostShockFlowWrites,
    testing::Values(FlowCase{"weak_M2_theta10",
                             2,
                             39.313932,
                             10,
                             {"1.26714", "0.80319", "1.64052", "1.70658", "1.17015"}},
                    FlowCase{"strong_M2_theta10",
                             2,
                             83.700080,
                             10,
                             {"1.98792", "0.57943", "0.6037", "4.44381", "1.67771"}},
                    FlowCase{"weak_M3_theta20",
                             3,
                             37.763634,
                             20,
                             {"1.83722", "0.60839", "1.99413", "3.77126", "1.55962"}},
                    FlowCase{
                        "normal_shock", 2, 90, 0, {"2", "0.57735", "0.57735", "4.5", "1.6875"}},
                    FlowCase{"zero_strength_mach_wave", 2, 30, 0, {"1", "1", "2", "1", "1"}}),
    ParamName);

TEST(PostShockFlowFaults, AbandonBeforeAnyBoxIsWritten)
{
    struct Case {
        double BetaR;
        double TetaR;
        ArithmeticFault::Kind kind;
    };
    // β = θ leaves no flow angle behind the shock; a wave angle far below the Mach angle gives
    // Mn1² below 1/7.
    for (const Case& c : {Case{0.5, 0.5, ArithmeticFault::Kind::DivisionByZero},
                          Case{0.1, 0.0, ArithmeticFault::Kind::NegativeRoot}}) {
        RecordingForm form;
        try {
            Şok_Gerisi_Akım_Özellikleri(form, 2, c.BetaR, c.TetaR);
            ADD_FAILURE() << "no fault for BetaR " << c.BetaR;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.FaultKind(), c.kind);
        }
        EXPECT_TRUE(form.events.empty());
    }
}

} // namespace
