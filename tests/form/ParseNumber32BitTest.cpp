// Exponents beyond what a 32-bit long holds, read by a build where long has 32 bits. Without a
// test framework for that target: each row that reads otherwise is printed, and the status says
// whether any did.
#include "form/ParseNumber.h"
#include "physics/ArithmeticFault.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

struct Row {
    std::string text;
    std::optional<double> value; // none: an overflow
};

} // namespace

int main()
{
    static_assert(sizeof(long) == 4, "built for a target where long has 32 bits");
    const Row rows[] = {
        {"1e2147483648", std::nullopt},
        {"1e4294967306", std::nullopt},
        {"-2e99999999999999999999", std::nullopt},
        {"1e-2147483649", 0.0},
        {"0." + std::string(30, '0') + "1e00000000000000000031", 1.0},
        {"2,5e3", 2.0},
    };
    int wrong = 0;
    for (const Row& row : rows) {
        std::optional<double> read;
        try {
            read = ParseNumber(row.text);
        } catch (const ArithmeticFault&) {
        }
        if (read != row.value) {
            ++wrong;
            std::printf("%s read as %s\n", row.text.c_str(),
                        read ? std::to_string(*read).c_str() : "an overflow");
        }
    }
    std::printf("%d of %d rows read otherwise\n", wrong, int(std::size(rows)));
    return wrong == 0 ? 0 : 1;
}
