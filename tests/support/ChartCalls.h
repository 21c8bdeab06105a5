#pragma once

#include <cstddef>

// What grafik makes on its surface: Clear, SetScale and the two axes, then for each of the
// twenty curves one SetPoint and 21 DrawLineTo.
inline constexpr std::size_t ChartAxisCalls = 4;
inline constexpr std::size_t ChartCurves = 20;
inline constexpr std::size_t CallsPerCurve = 22;
inline constexpr std::size_t ChartCalls = ChartAxisCalls + ChartCurves * CallsPerCurve;
