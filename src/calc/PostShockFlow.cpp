#include "calc/PostShockFlow.h"

#include "form/ShowRounded.h"
#include "physics/ObliqueShock.h"

void Şok_Gerisi_Akım_Özellikleri(ControlModel& form, double M1, double BetaR, double TetaR,
                                 const PerfectGas& gas)
{
    // Every value is computed before the first box is written.
    const FlowBehindShock flow = FlowBehind(M1, BetaR, TetaR, gas);
    ShowRounded(form, TextBox::Text_Mn1, flow.Mn1, 5);
    ShowRounded(form, TextBox::Text_Mn2, flow.Mn2, 5);
    ShowRounded(form, TextBox::Text_M2, flow.M2, 5);
    ShowRounded(form, TextBox::Text_p2p1, flow.p2p1, 5);
    ShowRounded(form, TextBox::Text_T2T1, flow.T2T1, 5);
}
