#include "shell/Batch.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A batch of requests as a script would send them, with every column: β on both branches, θ and
// M1, a detached shock and a refused input among them, in the window's gas and two others. Each
// row is one click on a fresh shell form, the chart drawn nowhere.
std::string Requests(int rows)
{
    static const char* const kinds[] = {"Beta,2,10,,weak,\n",   "Beta,2,10,,strong,1.3\n",
                                        "Teta,2,,40,weak,\n",   "M1,,10,40,weak,1.67\n",
                                        "Beta,2.5,20,,weak,\n", "Beta,2,30,,weak,1.3\n",
                                        "Teta,0.5,,40,weak,\n", "Beta,3,15.5,,strong,\n"};
    std::string input = "output,M1,Teta,Beta,branch,gamma\n";
    for (int row = 0; row < rows; ++row)
        input += kinds[row % std::size(kinds)];
    return input;
}

void BatchRows(benchmark::State& run)
{
    const int rows = static_cast<int>(run.range(0));
    const std::string input = Requests(rows);
    std::string out;
    std::string notes;
    out.reserve(input.size() * 4);
    for (auto _ : run) {
        out.clear();
        Batch batch(out, notes);
        batch.Feed(input);
        if (batch.Finish() != 0) {
            run.SkipWithError("the batch was not read");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    run.SetItemsProcessed(run.iterations() * rows);
}
BENCHMARK(BatchRows)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
