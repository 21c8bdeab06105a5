// Golden log of the calculate button and the chart.
//
// More than ten thousand requests go through the click, each on a fresh recording window and
// form state, and the chart functions are called on their own; everything they do is written
// into one log. For a request: what was typed and chosen, the output-selection handler's events
// when the request starts with an output choice, every event of the click with every call on
// the drawing surface in its place among them, and the outcome. Values the program computed are
// written exactly, as hexadecimal floating point.
//
// The log itself is not kept: golden-log.sha256 holds its SHA-256, golden-log-sample.txt a
// readable part of it (every SampleEvery-th entry, long runs of drawing calls folded into their
// count and digest, and between them a line with the MD5 of the entries left out). The test fails
// when either differs from what the code does now. It then writes the whole log and its sample to
// golden-log.txt and golden-log-sample.txt in this test's build folder, and prints their paths, the
// digest and the first sample entry that differs. It also prints how long writing the log took.
//
// Environment:
//   OSC_GOLDEN_UPDATE=1    after a deliberate change of behaviour: rewrites golden-log.sha256
//                          and golden-log-sample.txt here in the source tree from the current
//                          code (review the sample's diff before committing them), e.g.
//                              OSC_GOLDEN_UPDATE=1 ctest --test-dir build/dev -R GoldenLog
//   OSC_GOLDEN_KEEP_LOG=1  writes the whole log to the build folder even when it matches, to
//                          diff the logs of two versions line by line.
//
// The inputs come from fixed lists and from the raw outputs of std::mt19937_64, which the C++
// standard defines; they are turned into texts with integer arithmetic only, so that every
// standard library makes the same requests.
//
// The parts: GoldenLog.h writes the values and keeps the log with its digest and sample,
// GoldenRequests.h holds the requests (the listed ones in GoldenRequests.cpp, the pseudo-random
// sweep in GoldenRandom.cpp) and GoldenRun.h runs them and the chart; this file writes the whole
// log and compares it with the record.

#include "GoldenLog.h"
#include "GoldenRequests.h"
#include "GoldenRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string StoredDigestPath = OSC_GOLDEN_DIR "/golden-log.sha256";
const std::string StoredSamplePath = OSC_GOLDEN_DIR "/golden-log-sample.txt";
const std::string ActualLogPath = OSC_GOLDEN_OUT_DIR "/golden-log.txt";
const std::string ActualSamplePath = OSC_GOLDEN_OUT_DIR "/golden-log-sample.txt";

bool EnvironmentSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && std::string_view(value) == "1";
}

// ---------------------------------------------------------------------------------------------

struct Written {
    std::string digest;
    std::string sample;
    std::size_t entries = 0;
    std::size_t bytes = 0;
    int requests = 0;
};

Written WriteLog(std::ofstream* full)
{
    golden::Log log(full);
    std::vector<golden::Request> requests = golden::ListedRequests();
    for (const golden::Request& request : golden::RandomRequests())
        requests.push_back(request);
    int number = 0;
    for (const golden::Request& request : requests)
        golden::Run(log, ++number, request);
    golden::RunCharts(log);

    Written written;
    written.digest = log.Finish();
    written.sample = log.Sample();
    written.entries = log.Entries();
    written.bytes = log.Bytes();
    written.requests = number;
    return written;
}

std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

// A log's entries: each header line with the indented lines that follow it.
std::vector<std::string> EntriesOf(const std::string& text)
{
    std::vector<std::string> entries;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (entries.empty() || line.empty() || line[0] != ' ')
            entries.emplace_back();
        entries.back() += line + '\n';
    }
    return entries;
}

std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    const auto expectedEntries = EntriesOf(expected);
    const auto actualEntries = EntriesOf(actual);
    for (std::size_t i = 0; i < std::max(expectedEntries.size(), actualEntries.size()); ++i) {
        const std::string stored = i < expectedEntries.size() ? expectedEntries[i] : "(none)\n";
        const std::string now = i < actualEntries.size() ? actualEntries[i] : "(none)\n";
        if (stored != now)
            return "first differing sample entry, stored:\n" + stored + "now:\n" + now;
    }
    return "the samples agree";
}

TEST(GoldenLog, ClickAndChartDoWhatTheRecordSays)
{
    const auto start = std::chrono::steady_clock::now();
    std::ofstream keptLog;
    if (EnvironmentSet("OSC_GOLDEN_KEEP_LOG"))
        keptLog.open(ActualLogPath, std::ios::binary | std::ios::trunc);
    const Written written = WriteLog(keptLog.is_open() ? &keptLog : nullptr);
    keptLog.close();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("golden log: %d requests, %zu entries, %zu bytes, sha256 %s, written in %.2f s\n",
                written.requests, written.entries, written.bytes, written.digest.c_str(), seconds);
    EXPECT_GE(written.requests, 10000);

    const std::string digestLine = written.digest + "  golden-log.txt\n";
    if (EnvironmentSet("OSC_GOLDEN_UPDATE")) {
        WriteFile(StoredDigestPath, digestLine);
        WriteFile(StoredSamplePath, written.sample);
        std::printf("golden log: rewrote %s and %s\n", StoredDigestPath.c_str(),
                    StoredSamplePath.c_str());
        return;
    }

    const auto storedDigest = ReadFile(StoredDigestPath);
    const auto storedSample = ReadFile(StoredSamplePath);
    ASSERT_TRUE(storedDigest && storedSample)
        << "no record in " << OSC_GOLDEN_DIR << "; write it with OSC_GOLDEN_UPDATE=1";

    const bool digestAgrees = storedDigest->substr(0, written.digest.size()) == written.digest;
    const bool sampleAgrees = *storedSample == written.sample;
    if (digestAgrees && sampleAgrees)
        return;

    std::ofstream full(ActualLogPath, std::ios::binary | std::ios::trunc);
    const Written again = WriteLog(&full);
    full.close();
    WriteFile(ActualSamplePath, written.sample);
    ADD_FAILURE() << "the click or the chart no longer does what the record says\n"
                  << "stored digest: " << storedDigest->substr(0, 64) << "\n"
                  << "actual digest: " << written.digest
                  << (again.digest == written.digest ? ""
                                                     : " (a second run gave " + again.digest + ")")
                  << "\nwhole log: " << ActualLogPath << "\nits sample: " << ActualSamplePath
                  << "\n"
                  << FirstDifference(*storedSample, written.sample);
}

} // namespace
