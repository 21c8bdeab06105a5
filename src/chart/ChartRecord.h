#pragma once

#include "form/ChartSurface.h"

#include <optional>
#include <vector>

// The chart area's drawing since it was last cleared: every call is passed on to the surface
// that shows it, if any, and kept, so that the same chart can be drawn again, call for call, on
// another surface (a figure saved to a file).
class ChartRecord : public ChartSurface {
public:
    ChartRecord() = default;
    explicit ChartRecord(ChartSurface& shown) : m_shown(&shown) {}

    // Whether nothing has been drawn since the area was last cleared.
    bool Empty() const { return m_calls.empty(); }
    // Draws the kept chart on `surface`, from the scale it was drawn at.
    void Replay(ChartSurface& surface) const;

    void Clear() override;
    void SetScale(float left, float top, float right, float bottom) override;
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void DrawLineTo(float x, float y, Rgb colour) override;
    void SetPoint(float x, float y, std::optional<Rgb> colour) override;
    void DrawCircle(float x, float y, float radius, Rgb colour) override;

private:
    enum class Operation { SetScale, DrawLine, DrawLineTo, SetPoint, DrawCircle };
    struct Call {
        Operation operation;
        float a, b, c, d;
        // A colour kept as its parts: an optional one assembled on the way would be read back
        // in a wider piece than it was written in, on every call.
        Rgb colour;
        bool coloured;
    };
    static std::optional<Rgb> Colour(const Call& call)
    {
        return call.coloured ? std::optional(call.colour) : std::nullopt;
    }

    void Keep(Operation operation, float a, float b, float c, float d, Rgb colour, bool coloured);

    ChartSurface* m_shown = nullptr;
    std::optional<Call> m_scale; // the scale outlives a Clear
    std::vector<Call> m_calls;
};
