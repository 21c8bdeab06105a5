#include "support/RecordingSurface.h"

#include <algorithm>
#include <iterator>

std::vector<SurfaceCall> RecordingSurface::CallsOf(const std::string& operation) const
{
    std::vector<SurfaceCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&](const SurfaceCall& call) { return call.operation == operation; });
    return found;
}

void RecordingSurface::Record(std::string operation, std::vector<float> args,
                              std::optional<Rgb> colour)
{
    calls.push_back(
        {std::move(operation), std::move(args), colour, m_formEvents ? m_formEvents->size() : 0});
}

void RecordingSurface::Clear()
{
    Record("Clear", {}, std::nullopt);
}

void RecordingSurface::SetScale(float left, float top, float right, float bottom)
{
    Record("SetScale", {left, top, right, bottom}, std::nullopt);
}

void RecordingSurface::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Record("DrawLine", {x1, y1, x2, y2}, colour);
}

void RecordingSurface::DrawLineTo(float x, float y, Rgb colour)
{
    Record("DrawLineTo", {x, y}, colour);
}

void RecordingSurface::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    Record("SetPoint", {x, y}, colour);
}

void RecordingSurface::DrawCircle(float x, float y, float radius, Rgb colour)
{
    Record("DrawCircle", {x, y, radius}, colour);
}
