#include "GoldenRun.h"

#include "chart/Chart.h"
#include "reactions/Command1Click.h"
#include "reactions/RequestSteps.h"
#include "support/OutcomeKindName.h"

#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <vector>

namespace golden {

namespace {

std::string TypedText(const std::optional<std::string>& text)
{
    return text ? Quoted(*text) : "untyped";
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Requests through the click

std::string Header(int number, const Request& request)
{
    return "request " + std::to_string(number) + ": output " +
           std::string(request.output ? ControlName(*request.output) : "none") + " branch " +
           std::string(request.branch ? ControlName(*request.branch) : "none") + " sep " +
           Quoted(request.separator) + " M1 " + TypedText(request.M1) + " Teta " +
           TypedText(request.Teta) + " Beta " + TypedText(request.Beta);
}

void Run(Log& log, int number, const Request& request)
{
    RecordingForm form;
    form.separator = request.separator;
    form.surface.calls.reserve(512); // a chart and its mark, without growing on the way
    FormState state;

    ChooseOutput(form, request.output);
    const std::size_t selectionEvents = form.events.size();
    const std::size_t selectionCalls = form.surface.calls.size();

    if (request.branch)
        form.Choose(*request.branch);
    else
        form.selected.erase(OptionButton::Option_Weak); // neither branch, as only a test leaves it
    TypeInputs(form, request.M1, request.Teta, request.Beta);

    log.Entry(Header(number, request));
    WriteRecord(log, form, 0, selectionEvents, 0, selectionCalls, "select ");

    std::optional<RequestOutcome> outcome;
    std::string escaped;
    try {
        outcome = Command1_Click(form, state);
    } catch (const std::exception& error) {
        escaped = error.what();
    }
    WriteRecord(log, form, selectionEvents, form.events.size(), selectionCalls,
                form.surface.calls.size(), "click ");
    if (outcome) {
        log.Line("outcome " + KindName(outcome->kind) + " M1 " + Hex(outcome->M1) + " Beta " +
                 Hex(outcome->Beta) + " Teta " + Hex(outcome->Teta) + " message " +
                 Quoted(outcome->finalMessage));
    } else {
        log.Line("escaped " + Quoted(escaped)); // an exception that left the click
    }
}

// ---------------------------------------------------------------------------------------------
// The chart on its own

void RunChart(Log& log, const std::string& header, const std::function<void(RecordingForm&)>& draw)
{
    RecordingForm form;
    log.Entry(header);
    std::string fault;
    try {
        draw(form);
    } catch (const std::exception& error) {
        fault = error.what();
    }
    WriteRecord(log, form, 0, form.events.size(), 0, form.surface.calls.size(), "");
    if (!fault.empty())
        log.Line("fault " + Quoted(fault));
}

void RunCharts(Log& log)
{
    int number = 0;
    const auto entry = [&number](const std::string& what) {
        return "chart " + std::to_string(++number) + ": " + what;
    };

    std::vector<double> machs;
    for (int k = 90; k <= 320; ++k)
        machs.push_back(k / 100.0);
    for (double edge : {1.0, 1.2, 1.5, 2.9, 3.1}) {
        machs.push_back(std::nextafter(edge, 0.0));
        machs.push_back(std::nextafter(edge, 10.0));
    }
    for (double odd : {0.0, -1.0, -0.0, 1e-300, 1.15, 2.95, 1e300, -1e300})
        machs.push_back(odd);
    for (double M1 : machs) {
        RunChart(log, entry("grafik M1 " + Hex(M1)), [M1](RecordingForm& form) {
            const FormState state;
            grafik(form, state, M1);
        });
    }

    const double floatMax = std::numeric_limits<float>::max();
    const std::vector<double> betas = {
        0.0,   30.0,  39.31393184481859, 90.0,
        -10.0, -1e78, floatMax,          std::nextafter(floatMax, 1e300),
        1e39,  -1e300};
    const std::vector<double> tetas = {
        0.0, 10.0, -5.0, 89.99, 1e-300, -floatMax, std::nextafter(-floatMax, -1e300), 1e39, -1e39};
    for (double Beta : betas) {
        for (double Teta : tetas) {
            RunChart(log, entry("MarkSolution Beta " + Hex(Beta) + " Teta " + Hex(Teta)),
                     [Beta, Teta](RecordingForm& form) { MarkSolution(form, Beta, Teta); });
        }
    }
    for (double Teta : tetas) {
        RunChart(log, entry("MarkNoSolution Teta " + Hex(Teta)),
                 [Teta](RecordingForm& form) { MarkNoSolution(form, Teta); });
    }
}

} // namespace golden
