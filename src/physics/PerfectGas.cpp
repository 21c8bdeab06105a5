#include "physics/PerfectGas.h"

#include <stdexcept>

PerfectGas PerfectGasOf(double gamma)
{
    if (!(gamma > 1.0 && gamma <= 3.0))
        throw std::domain_error("The ratio of specific heats must be above 1 and at most 3");
    if (gamma == Air.gamma)
        return Air;
    // γ − 1 and its half are exact for every γ in (1, 3].
    const double gammaMinusOne = gamma - 1.0;
    const double gammaPlusOne = gamma + 1.0;
    return {gamma,        gammaMinusOne / 2.0,        gammaMinusOne,
            gammaPlusOne, 2.0 * gamma / gammaPlusOne, 1.0 / gammaMinusOne};
}
