#pragma once

#include "form/ChartSurface.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One call on the drawing surface, with its arguments as the surface received them.
struct SurfaceCall {
    std::string operation;
    std::vector<float> args;
    std::optional<Rgb> colour;
    // How many form events had been recorded when the call was made, to place it among them.
    std::size_t afterEvents = 0;
};

// A drawing surface that records every call.
class RecordingSurface : public ChartSurface {
public:
    explicit RecordingSurface(const std::vector<std::string>* formEvents = nullptr)
        : m_formEvents(formEvents)
    {
    }

    std::vector<SurfaceCall> calls;

    std::vector<SurfaceCall> CallsOf(const std::string& operation) const;

    void Clear() override;
    void SetScale(float left, float top, float right, float bottom) override;
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void DrawLineTo(float x, float y, Rgb colour) override;
    void SetPoint(float x, float y, std::optional<Rgb> colour) override;
    void DrawCircle(float x, float y, float radius, Rgb colour) override;

private:
    void Record(std::string operation, std::vector<float> args, std::optional<Rgb> colour);

    const std::vector<std::string>* m_formEvents;
};
