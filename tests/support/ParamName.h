#pragma once

#include <string>

// Names each case of a table-driven test after its `name` field, so that a failure says which
// row failed: INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberReads, testing::Values(…), ParamName).
inline constexpr auto ParamName = [](const auto& info) {
    return std::string(info.param.name);
};
