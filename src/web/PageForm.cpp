#include "web/PageForm.h"

#include "layout/Form1Table.h"
#include "layout/FormAboutTable.h"
#include "reactions/ChartDescription.h"
#include "reactions/Command1Click.h"
#include "reactions/OutputSelection.h"

#include <emscripten.h>

#include <cmath>
#include <cstdlib>
#include <span>
#include <string_view>

// The page's script presents each of these on its elements (page.js, oscPage).
// clang-format off
EM_JS(void, JsCreate, (const char* kind, const char* name, const char* container,
                       const char* caption, int left, int top, int width, int height,
                       int tabIndex, const char* font, const char* accessibleName,
                       const char* accessibleDescription, int settings, int colour), {
    oscPage.create(UTF8ToString(kind), UTF8ToString(name), UTF8ToString(container),
                   UTF8ToString(caption), left, top, width, height, tabIndex, UTF8ToString(font),
                   UTF8ToString(accessibleName), UTF8ToString(accessibleDescription), settings,
                   colour);
});
EM_JS(char*, JsText, (const char* name), {
    return allocateUTF8(oscPage.text(UTF8ToString(name)));
});
EM_JS(int, JsChecked, (const char* name), { return oscPage.checked(UTF8ToString(name)); });
EM_JS(void, JsSetText, (const char* name, const char* text), {
    oscPage.setText(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, JsSetBackColor, (const char* name, int colour), {
    oscPage.setBackColor(UTF8ToString(name), colour);
});
EM_JS(void, JsSetVisible, (const char* name, int visible), {
    oscPage.setVisible(UTF8ToString(name), visible);
});
EM_JS(void, JsMessage, (const char* text), { oscPage.message(UTF8ToString(text)); });
EM_JS(void, JsShowChart, (const unsigned char* pixels, int width, int height), {
    oscPage.showChart(HEAPU8.slice(pixels, pixels + width * height * 4), width, height);
});
EM_JS(void, JsDescribeChart, (const char* text), { oscPage.describeChart(UTF8ToString(text)); });
EM_JS(void, JsChartMenu, (int chartDrawn, int resultsKept), {
    oscPage.chartMenu(chartDrawn, resultsKept);
});
EM_JS(void, JsShowAbout, (), { oscPage.showAbout(); });
EM_JS(void, JsChartCall, (const char* operation, int count, float a, float b, float c, float d,
                          int colour), {
    oscPage.chartCall(UTF8ToString(operation), [ a, b, c, d ].slice(0, count), colour);
});
// clang-format on

namespace {

// Said after whatever the chart shows, as the window says it.
constexpr std::string_view ChartMenuNote =
    ". Its context menu (Shift+F10) copies the chart or the results, or saves the chart";

constexpr const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::OptionButton:
        return "OptionButton";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::ValueBox:
        return "ValueBox";
    case ControlKind::CommandButton:
        return "CommandButton";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Picture:
        return "Picture";
    case ControlKind::AxisLabel:
        break;
    }
    return "AxisLabel";
}

constexpr const char* FontName(ControlFont font)
{
    switch (font) {
    case ControlFont::Greek:
        return "Greek";
    case ControlFont::AboutTitle:
        return "AboutTitle";
    case ControlFont::AboutText:
        return "AboutText";
    case ControlFont::Dialog:
        break;
    }
    return "Dialog";
}

// CSS pixels of a twips length, rounded as the window rounds it at 96 dpi.
int Pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

int Packed(Rgb colour)
{
    return colour.red << 16 | colour.green << 8 | colour.blue;
}

int Packed(std::optional<Rgb> colour)
{
    return colour ? Packed(*colour) : -1;
}

std::string Owned(std::string_view text)
{
    return std::string(text);
}

// The controls of `window` as elements; `prefix` tells the About window's labels from the main
// window's of the same names.
void Build(std::span<const ControlRow> table, std::string_view window, std::string_view prefix)
{
    for (const ControlRow& row : table) {
        const std::string container = row.container.empty() ? Owned(window) : Owned(row.container);
        JsCreate(KindName(row.kind), (Owned(prefix) + Owned(row.name)).c_str(), container.c_str(),
                 Owned(row.caption).c_str(), Pixels(row.twips.left), Pixels(row.twips.top),
                 Pixels(row.twips.width), Pixels(row.twips.height), row.tabIndex,
                 FontName(row.font), Owned(row.accessibleName).c_str(),
                 Owned(row.accessibleDescription).c_str(), static_cast<int>(row.settings),
                 row.textColour ? Packed(*row.textColour) : -1);
    }
}

// The chart's drawable area: Picture1 inside its border of two pixels.
constexpr int PictureBorderWidth = 2;
const ControlRow& Picture1Row()
{
    for (const ControlRow& row : Form1Table) {
        if (row.name == "Picture1")
            return row;
    }
    std::abort();
}

} // namespace

PageForm::PageForm(std::string decimalSeparator, double devicePixelRatio)
    : m_separator(std::move(decimalSeparator))
{
    Build(Form1Table, "Form1", "");
    SetDevicePixelRatio(devicePixelRatio);
    for (TextBox box : AllTextBoxes)
        m_texts[Index(box)] = InitialText(box);
    for (OptionButton option : AllOptionButtons)
        m_selected[Index(option)] = IsSelectedAtStart(option);
    SetChartDescription(EmptyChartDescription);
    UpdateChartMenu();
}

void PageForm::SetDevicePixelRatio(double ratio)
{
    const ControlRow& picture = Picture1Row();
    m_raster.Resize(Pixels(picture.twips.width) - 2 * PictureBorderWidth,
                    Pixels(picture.twips.height) - 2 * PictureBorderWidth, ratio);
    m_chart.Replay(m_raster);
    ShowChart();
}

void PageForm::ReadElements()
{
    for (TextBox box : AllTextBoxes) {
        char* text = JsText(Owned(ControlName(box)).c_str());
        m_texts[Index(box)] = text;
        std::free(text);
    }
    for (OptionButton option : AllOptionButtons)
        m_selected[Index(option)] = JsChecked(Owned(ControlName(option)).c_str()) != 0;
}

void PageForm::ChooseOption(OptionButton option)
{
    ReadElements();
    if (GroupOf(option) != OptionGroup::Output)
        return;
    SelectOutput(*this, option);
    ShowChart();
    m_results.Clear();
    SetChartDescription(EmptyChartDescription);
    UpdateChartMenu();
}

void PageForm::Click()
{
    ReadElements();
    m_clicking = true;
    m_results.Begin(*this);
    const RequestOutcome outcome = Command1_Click(*this, m_state);
    m_clicking = false;
    ShowChart();
    m_results.End(outcome);
    if (const auto description = ChartDescription(outcome, DecimalSeparator()))
        SetChartDescription(*description);
    UpdateChartMenu();
}

void PageForm::ShowAbout()
{
    if (!m_aboutBuilt) {
        Build(FormAboutTable, "Form_About", "Form_About.");
        m_aboutBuilt = true;
    }
    JsShowAbout();
}

void PageForm::ShowChart()
{
    JsShowChart(m_raster.Pixels(), m_raster.Width(), m_raster.Height());
}

void PageForm::SetChartDescription(const std::string& description)
{
    m_chartDescription = description;
    JsDescribeChart((description + Owned(ChartMenuNote)).c_str());
}

void PageForm::UpdateChartMenu()
{
    JsChartMenu(!m_chart.Empty(), !m_results.Empty());
}

void PageForm::SetText(TextBox box, const std::string& text)
{
    if (m_clicking)
        m_results.Wrote(box, text);
    m_texts[Index(box)] = text;
    JsSetText(Owned(ControlName(box)).c_str(), text.c_str());
}

void PageForm::SetBackColor(TextBox box, Rgb colour)
{
    JsSetBackColor(Owned(ControlName(box)).c_str(), Packed(colour));
}

void PageForm::SetVisible(Element element, bool visible)
{
    JsSetVisible(Owned(ControlName(element)).c_str(), visible);
}

void PageForm::SetCommandCaption(const std::string& caption)
{
    JsSetText("Command1", caption.c_str());
}

void PageForm::ShowMessage(const std::string& message)
{
    ShowChart(); // what was drawn before the message shows behind it
    JsMessage(message.c_str());
}

void PageForm::ChartTeller::Clear()
{
    if (telling)
        JsChartCall("Clear", 0, 0, 0, 0, 0, -1);
    kept.Clear();
}

void PageForm::ChartTeller::SetScale(float left, float top, float right, float bottom)
{
    if (telling)
        JsChartCall("SetScale", 4, left, top, right, bottom, -1);
    kept.SetScale(left, top, right, bottom);
}

void PageForm::ChartTeller::DrawLine(float x1, float y1, float x2, float y2,
                                     std::optional<Rgb> colour)
{
    if (telling)
        JsChartCall("DrawLine", 4, x1, y1, x2, y2, Packed(colour));
    kept.DrawLine(x1, y1, x2, y2, colour);
}

void PageForm::ChartTeller::DrawLineTo(float x, float y, Rgb colour)
{
    if (telling)
        JsChartCall("DrawLineTo", 2, x, y, 0, 0, Packed(colour));
    kept.DrawLineTo(x, y, colour);
}

void PageForm::ChartTeller::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    if (telling)
        JsChartCall("SetPoint", 2, x, y, 0, 0, Packed(colour));
    kept.SetPoint(x, y, colour);
}

void PageForm::ChartTeller::DrawCircle(float x, float y, float radius, Rgb colour)
{
    if (telling)
        JsChartCall("DrawCircle", 3, x, y, radius, 0, Packed(colour));
    kept.DrawCircle(x, y, radius, colour);
}
