#include "chart/ChartRecord.h"

void ChartRecord::Replay(ChartSurface& surface) const
{
    if (m_scale)
        surface.SetScale(m_scale->a, m_scale->b, m_scale->c, m_scale->d);
    for (const Call& call : m_calls) {
        switch (call.operation) {
        case Operation::SetScale:
            surface.SetScale(call.a, call.b, call.c, call.d);
            break;
        case Operation::DrawLine:
            surface.DrawLine(call.a, call.b, call.c, call.d, Colour(call));
            break;
        case Operation::DrawLineTo:
            surface.DrawLineTo(call.a, call.b, call.colour);
            break;
        case Operation::SetPoint:
            surface.SetPoint(call.a, call.b, Colour(call));
            break;
        case Operation::DrawCircle:
            surface.DrawCircle(call.a, call.b, call.c, call.colour);
            break;
        }
    }
}

void ChartRecord::Keep(Operation operation, float a, float b, float c, float d, Rgb colour,
                       bool coloured)
{
    // Written member by member where the call is kept: a chart keeps hundreds of calls. Each
    // call is kept before it is passed on, so that passing it on is the call's last step.
    Call& call = m_calls.emplace_back();
    call.operation = operation;
    call.a = a;
    call.b = b;
    call.c = c;
    call.d = d;
    call.colour = colour;
    call.coloured = coloured;
}

void ChartRecord::Clear()
{
    if (m_shown)
        m_shown->Clear();
    m_calls.clear();
}

void ChartRecord::SetScale(float left, float top, float right, float bottom)
{
    if (m_shown)
        m_shown->SetScale(left, top, right, bottom);
    const Call scale{Operation::SetScale, left, top, right, bottom, Rgb{}, false};
    if (m_calls.empty())
        m_scale = scale;
    else
        m_calls.push_back(scale);
}

void ChartRecord::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Keep(Operation::DrawLine, x1, y1, x2, y2, colour.value_or(Rgb{}), colour.has_value());
    if (m_shown)
        m_shown->DrawLine(x1, y1, x2, y2, colour);
}

void ChartRecord::DrawLineTo(float x, float y, Rgb colour)
{
    Keep(Operation::DrawLineTo, x, y, 0, 0, colour, true);
    if (m_shown)
        m_shown->DrawLineTo(x, y, colour);
}

void ChartRecord::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    Keep(Operation::SetPoint, x, y, 0, 0, colour.value_or(Rgb{}), colour.has_value());
    if (m_shown)
        m_shown->SetPoint(x, y, colour);
}

void ChartRecord::DrawCircle(float x, float y, float radius, Rgb colour)
{
    Keep(Operation::DrawCircle, x, y, radius, 0, colour, true);
    if (m_shown)
        m_shown->DrawCircle(x, y, radius, colour);
}
