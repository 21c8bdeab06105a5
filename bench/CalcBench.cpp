#include "BenchForm.h"
#include "calc/RequestCalculation.h"
#include "chart/Chart.h"
#include "support/RecordingForm.h"

#include <benchmark/benchmark.h>

namespace {

void Request(benchmark::State& run, OptionButton output, bool strong, const char* M1,
             const char* teta, const char* beta, OutcomeKind expected)
{
    BenchForm form(output, strong, M1, teta, beta);
    FormState state;
    for (auto _ : run) {
        const RequestOutcome outcome = RequestCalculation(form, state);
        benchmark::DoNotOptimize(outcome.Beta);
        if (outcome.kind != expected) {
            run.SkipWithError("unexpected outcome");
            break;
        }
    }
}

void BetaWeak(benchmark::State& run)
{
    Request(run, OptionButton::Option_Beta, false, "2", "10", "", OutcomeKind::Solved);
}
void BetaStrong(benchmark::State& run)
{
    Request(run, OptionButton::Option_Beta, true, "2", "10", "", OutcomeKind::Solved);
}
// Never converges: all 1000 Newton steps, then the message.
void BetaDetachedThousandSteps(benchmark::State& run)
{
    Request(run, OptionButton::Option_Beta, true, "1.5", "33.3", "",
            OutcomeKind::NoAttachedSolution);
}
void TetaClosedForm(benchmark::State& run)
{
    Request(run, OptionButton::Option_Teta, false, "2", "", "40", OutcomeKind::Solved);
}
void MachClosedForm(benchmark::State& run)
{
    Request(run, OptionButton::Option_M1, false, "", "10", "40", OutcomeKind::Solved);
}

void GrafikOnCountingSurface(benchmark::State& run)
{
    BenchForm form(OptionButton::Option_Beta, false, "", "", "");
    const FormState state;
    for (auto _ : run)
        grafik(form, state, 2.0);
    benchmark::DoNotOptimize(form.surface.calls);
}

// The same calls kept with their arguments, as the tests see them.
void GrafikOnRecordingSurface(benchmark::State& run)
{
    const FormState state;
    for (auto _ : run) {
        RecordingForm form;
        grafik(form, state, 2.0);
        benchmark::DoNotOptimize(form.surface.calls.data());
    }
}

} // namespace

BENCHMARK(BetaWeak);
BENCHMARK(BetaStrong);
BENCHMARK(BetaDetachedThousandSteps);
BENCHMARK(TetaClosedForm);
BENCHMARK(MachClosedForm);
BENCHMARK(GrafikOnCountingSurface);
BENCHMARK(GrafikOnRecordingSurface);

BENCHMARK_MAIN();
