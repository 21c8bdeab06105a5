#pragma once

#include "calc/RequestOutcome.h"
#include "physics/PerfectGas.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The whole shock of one request beside the boxes the window has: what the shell prints after
// its table and the window's shock details show, each value as the window rounds it.
enum class ShockValue {
    Mn1,
    Mn2,
    M2,
    p2p1,
    rho2rho1,
    T2T1,
    p02p01,
    TetaMax,        // the largest deflection of an attached shock at the request's M1
    BetaAtTetaMax,  // the wave angle of the detachment point
    BetaSonic,      // the wave angle at which the flow behind the shock is at M2 = 1
    TetaSonic,      // the deflection at that wave angle
    Branch,         // "weak" or "strong"
    OtherBranch,    // the other branch's wave angle for the same deflection
    LeastAttaching, // the least M1 at which a detached request's θ attaches, or "none"
};

inline constexpr ShockValue AllShockValues[] = {
    ShockValue::Mn1,
    ShockValue::Mn2,
    ShockValue::M2,
    ShockValue::p2p1,
    ShockValue::rho2rho1,
    ShockValue::T2T1,
    ShockValue::p02p01,
    ShockValue::TetaMax,
    ShockValue::BetaAtTetaMax,
    ShockValue::BetaSonic,
    ShockValue::TetaSonic,
    ShockValue::Branch,
    ShockValue::OtherBranch,
    ShockValue::LeastAttaching,
};

// The value's name as the window labels it: "Mn1", "ρ2/ρ1", "θmax", "β at θmax", …
std::string_view ShockValueName(ShockValue value);

// The texts of the values of one request's shock, empty where a value does not apply.
struct ShockDetails {
    std::array<std::string, std::size(AllShockValues)> texts;

    const std::string& Text(ShockValue value) const
    {
        return texts[static_cast<std::size_t>(value)];
    }
    bool Empty() const;
};

// The shock of `outcome` in `gas`, its numbers written with `decimalSeparator`: for a solved
// request, whatever its output, the seven flow values, θmax and its β at the request's M1, the
// sonic point's β and θ, the branch of β and the other branch's β; for a detached one θmax of
// its M1 and the least attaching M1 ("none" where θ is beyond every M1's θmax). Angles have 4
// places and M1 has too, the rest 5. A value without a finite result (an M1 of 1e300) is
// left empty with those computed from it; other requests have none.
ShockDetails ShockDetailsOf(const RequestOutcome& outcome, const PerfectGas& gas,
                            const std::string& decimalSeparator);

// One line per value that applies, "name<TAB>value", in the order of AllShockValues.
std::string ShockDetailsText(const ShockDetails& details);

// What the details are of, as their window heads them: "M1 = 2, θ = 10°, β = 39.3139°" for a
// solved request, "M1 = 2, θ = 30°: no attached shock" for a detached one, numbers with 4 places;
// that there is none where no request is given or the request is one without a shock.
std::string ShockRequestText(const std::optional<RequestOutcome>& request,
                             const std::string& decimalSeparator);
