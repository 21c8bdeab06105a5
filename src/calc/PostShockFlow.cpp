#include "calc/PostShockFlow.h"

#include "calc/CheckedMath.h"
#include "form/ShowRounded.h"

#include <cmath>

using namespace checked;

void Şok_Gerisi_Akım_Özellikleri(ControlModel& form, double M1, double BetaR, double TetaR)
{
    const double Mn1 = Finite(M1 * std::sin(BetaR));
    const double Mn2 =
        SquareRoot(Quotient(1.0 + 0.2 * Square(Mn1), Finite(1.4 * Square(Mn1) - 0.2)));
    const double M2 = Quotient(Mn2, std::sin(BetaR - TetaR));
    const double p2p1 = Finite(1.0 + 7.0 / 6.0 * (Square(Mn1) - 1.0));
    const double rho2rho1 = Quotient(2.4 * Square(Mn1), Finite(0.4 * Square(Mn1) + 2.0));
    const double T2T1 = Quotient(p2p1, rho2rho1);

    ShowRounded(form, TextBox::Text_Mn1, Mn1, 5);
    ShowRounded(form, TextBox::Text_Mn2, Mn2, 5);
    ShowRounded(form, TextBox::Text_M2, M2, 5);
    ShowRounded(form, TextBox::Text_p2p1, p2p1, 5);
    ShowRounded(form, TextBox::Text_T2T1, T2T1, 5);
}
