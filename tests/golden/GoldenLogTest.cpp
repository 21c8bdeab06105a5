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

#include "calc/Command1Click.h"
#include "calc/OutputSelection.h"
#include "chart/Chart.h"
#include "support/RecordingForm.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int SampleEvery = 500;
// In the sample, a run of more drawing calls than this keeps its first and last FoldKeep calls.
constexpr std::size_t FoldAbove = 8;
constexpr std::size_t FoldKeep = 3;
constexpr int RandomRequestCount = 6000;

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
// Writing values

// The longest text WriteHex writes, "-0x1.fffffffffffffp-1022", with room to spare.
constexpr std::size_t HexRoom = 40;

// The exact value in hexadecimal floating point, "0x1.4p+3", written at `out`, which has room
// for HexRoom characters; returns the end.
template <typename Float>
char* WriteHex(char* out, Float value)
{
    char digits[HexRoom];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::hex);
    const char* from = digits;
    if (std::isfinite(value)) {
        if (*from == '-')
            *out++ = *from++;
        *out++ = '0';
        *out++ = 'x';
    }
    const auto length = static_cast<std::size_t>(result.ptr - from);
    std::memcpy(out, from, length);
    return out + length;
}

template <typename Float>
std::string Hex(Float value)
{
    char text[HexRoom];
    return std::string(text, WriteHex(text, value));
}

// Control characters, backslashes and quotes escaped. A text that ends a line has a blank at its
// very end written as \x20, so that the sample survives editors that strip trailing blanks.
std::string Escaped(std::string_view text, bool endsLine = true)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f || (c == ' ' && endsLine && i + 1 == text.size())) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Quoted(std::string_view text)
{
    return '"' + Escaped(text, false) + '"';
}

// A form event as recorded; what a write puts into a box or a caption is quoted, so that
// blanks and empty texts show: Text_M1 <- " ".
std::string EventText(const std::string& event)
{
    const std::string_view arrow = " <- ";
    const std::size_t at = event.find(arrow);
    if (at == std::string::npos)
        return Escaped(event);
    return Escaped(std::string_view(event).substr(0, at)) + std::string(arrow) +
           Quoted(std::string_view(event).substr(at + arrow.size()));
}

std::string KindName(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::NoOutputChosen:
        return "NoOutputChosen";
    case OutcomeKind::Rejected:
        return "Rejected";
    case OutcomeKind::Solved:
        return "Solved";
    case OutcomeKind::NoAttachedSolution:
        return "NoAttachedSolution";
    case OutcomeKind::CalculationFailed:
        return "CalculationFailed";
    }
    return "kind " + std::to_string(static_cast<int>(kind));
}

std::string HexDigest(QCryptographicHash& hash)
{
    return hash.result().toHex().toStdString();
}

// ---------------------------------------------------------------------------------------------
// The log: entries of a header line and indented lines. Everything goes into the digest (and
// into a file when one is given); every SampleEvery-th entry also goes into the sample.

class Log {
public:
    explicit Log(std::ofstream* full) : m_full(full)
    {
        m_sample = "# Every " + std::to_string(SampleEvery) +
                   "th entry of the golden log written by GoldenLogTest.cpp, and the MD5 of the "
                   "entries between; runs of more than " +
                   std::to_string(FoldAbove) + " drawing calls are folded into their count and " +
                   "the SHA-256 of their lines.\n";
    }

    // Starts an entry; its header begins with its name, "request 12: …".
    void Entry(const std::string& header)
    {
        EndEntry();
        m_sampled = m_entries % SampleEvery == 0;
        ++m_entries;
        const std::string name = header.substr(0, header.find(':'));
        if (m_sampled) {
            EndBlock();
        } else {
            if (m_blockFrom == std::string::npos) {
                m_blockFrom = m_buffer.size();
                m_blockFirst = name;
                m_blockEntries = 0;
            }
            m_blockLast = name;
            ++m_blockEntries;
        }
        EndLine(header, false);
    }

    // An indented line of the current entry.
    void Line(std::string_view phase, std::string_view text)
    {
        m_line.assign("  ");
        m_line += phase;
        m_line += text;
        EndLine(m_line, false);
    }

    void Line(std::string_view text) { Line({}, text); }

    // A call on the drawing surface: its operation, its arguments exactly and its colour.
    void Call(std::string_view phase, const SurfaceCall& call)
    {
        // Written straight into a buffer large enough for the line: these are most of the
        // log's lines.
        const std::size_t room = 2 + phase.size() + 9 + call.operation.size() +
                                 call.args.size() * (1 + HexRoom) + 8 + 3 * 4;
        if (m_call.size() < room)
            m_call.resize(room);
        char* const line = m_call.data();
        char* out = line;
        const auto put = [&out](std::string_view text) {
            std::memcpy(out, text.data(), text.size());
            out += text.size();
        };
        const auto putNumber = [&out](int value) {
            out = std::to_chars(out, out + 3, value).ptr;
        };
        put("  ");
        put(phase);
        put("Picture1 ");
        put(call.operation);
        for (float arg : call.args) {
            *out++ = ' ';
            out = WriteHex(out, arg);
        }
        put(" colour ");
        if (call.colour) {
            putNumber(call.colour->red);
            *out++ = ',';
            putNumber(call.colour->green);
            *out++ = ',';
            putNumber(call.colour->blue);
        } else {
            put("none");
        }
        EndLine(std::string_view(line, static_cast<std::size_t>(out - line)), true);
    }

    // Ends the last entry; returns the log's digest in hexadecimal.
    std::string Finish()
    {
        EndEntry();
        EndBlock();
        Flush();
        return HexDigest(m_hash);
    }

    const std::string& Sample() const { return m_sample; }
    std::size_t Entries() const { return m_entries; }
    std::size_t Bytes() const { return m_bytes; }

private:
    void EndLine(std::string_view line, bool drawing)
    {
        m_buffer += line;
        m_buffer += '\n';
        if (m_buffer.size() >= (1u << 20))
            Flush();
        if (m_sampled)
            m_entryLines.emplace_back(line, drawing);
    }

    // The entries between two sampled ones show in the sample as one line with their MD5, which
    // tells where the log changed when no sampled entry did.
    void EndBlock()
    {
        if (m_blockFrom == std::string::npos)
            return;
        HashBlock();
        m_sample += "= " + m_blockFirst + " to " + m_blockLast + ": " +
                    std::to_string(m_blockEntries) + " entries, md5 " + HexDigest(m_block) + '\n';
        m_block.reset();
        m_blockFrom = std::string::npos;
    }

    void HashBlock()
    {
        if (m_blockFrom == std::string::npos)
            return;
        m_block.addData(QByteArrayView(m_buffer.data() + m_blockFrom,
                                       static_cast<qsizetype>(m_buffer.size() - m_blockFrom)));
        m_blockFrom = 0;
    }

    void Flush()
    {
        HashBlock();
        m_hash.addData(QByteArrayView(m_buffer.data(), static_cast<qsizetype>(m_buffer.size())));
        if (m_full)
            m_full->write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_bytes += m_buffer.size();
        m_buffer.clear();
    }

    void EndEntry()
    {
        std::size_t i = 0;
        while (i < m_entryLines.size()) {
            std::size_t end = i;
            while (end < m_entryLines.size() && m_entryLines[end].second)
                ++end;
            if (end - i > FoldAbove) {
                QCryptographicHash folded(QCryptographicHash::Sha256);
                for (std::size_t k = i + FoldKeep; k < end - FoldKeep; ++k) {
                    const std::string& line = m_entryLines[k].first;
                    folded.addData(
                        QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
                    folded.addData(QByteArrayView("\n", 1));
                }
                for (std::size_t k = i; k < i + FoldKeep; ++k)
                    m_sample += m_entryLines[k].first + '\n';
                m_sample += "  ... " + std::to_string(end - i - 2 * FoldKeep) +
                            " drawing calls, sha256 " + HexDigest(folded).substr(0, 16) + '\n';
                for (std::size_t k = end - FoldKeep; k < end; ++k)
                    m_sample += m_entryLines[k].first + '\n';
                i = end;
            } else if (end == i) {
                m_sample += m_entryLines[i++].first + '\n';
            } else {
                for (; i < end; ++i)
                    m_sample += m_entryLines[i].first + '\n';
            }
        }
        m_entryLines.clear();
        m_sampled = false;
    }

    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    std::ofstream* m_full;
    std::string m_buffer;
    std::string m_line;
    std::string m_call;
    std::size_t m_bytes = 0;
    std::size_t m_entries = 0;
    bool m_sampled = false;
    std::vector<std::pair<std::string, bool>> m_entryLines;
    std::string m_sample;
    // The block of entries since the last sampled one: where its text starts in m_buffer (npos
    // when there is none), its first and last entry and how many it has.
    QCryptographicHash m_block{QCryptographicHash::Md5};
    std::size_t m_blockFrom = std::string::npos;
    std::string m_blockFirst;
    std::string m_blockLast;
    std::size_t m_blockEntries = 0;
};

// The events [eventsBegin, eventsEnd) and drawing calls [callsBegin, callsEnd) of a window,
// each call placed after the events that had been recorded when it was made.
void WriteRecord(Log& log, const RecordingForm& form, std::size_t eventsBegin,
                 std::size_t eventsEnd, std::size_t callsBegin, std::size_t callsEnd,
                 std::string_view phase)
{
    std::size_t e = eventsBegin;
    for (std::size_t c = callsBegin; c < callsEnd; ++c) {
        const SurfaceCall& call = form.surface.calls[c];
        for (; e < eventsEnd && e < call.afterEvents; ++e)
            log.Line(phase, EventText(form.events[e]));
        log.Call(phase, call);
    }
    for (; e < eventsEnd; ++e)
        log.Line(phase, EventText(form.events[e]));
}

// ---------------------------------------------------------------------------------------------
// Requests through the click

struct Request {
    std::optional<OptionButton> output; // none: no output option chosen
    std::optional<OptionButton> branch; // Option_Weak or Option_Strong; none: neither selected
    std::string separator = ".";
    std::optional<std::string> M1; // none: the box is not typed into
    std::optional<std::string> Teta;
    std::optional<std::string> Beta;
};

std::string TypedText(const std::optional<std::string>& text)
{
    return text ? Quoted(*text) : "untyped";
}

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

    if (request.output) {
        form.Choose(*request.output);
        SelectOutput(form, *request.output);
    }
    const std::size_t selectionEvents = form.events.size();
    const std::size_t selectionCalls = form.surface.calls.size();

    if (request.branch)
        form.Choose(*request.branch);
    else
        form.selected.erase(OptionButton::Option_Weak);
    if (request.M1)
        form.Type(TextBox::Text_M1, *request.M1);
    if (request.Teta)
        form.Type(TextBox::Text_Teta, *request.Teta);
    if (request.Beta)
        form.Type(TextBox::Text_Beta, *request.Beta);

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

const std::string LongHex = "&H" + std::string(260, 'F');
const std::string LongHexOfOne = "&H" + std::string(270, '0') + "1";
const std::string LongOctal = "&O" + std::string(360, '7');

// Texts every box is tried with: blanks, odd forms and faults.
const std::vector<std::string>& OddTexts()
{
    static const std::vector<std::string> texts = {
        "",      " ",     "\t",         "abc",     "-",     ".",      ",",
        "&H",    "&O",    "&",          "E5",      "1e400", "1e308",  "-1e308",
        "1e100", LongHex, LongHexOfOne, LongOctal, "1.2.3", "1e-400", "  "};
    return texts;
}

const std::vector<std::string>& MachTexts()
{
    static const std::vector<std::string> texts = {"1",
                                                   "0",
                                                   "-2",
                                                   "0.5",
                                                   "1.0000000001",
                                                   "1.0001",
                                                   "1.05",
                                                   "1.2",
                                                   "1.49",
                                                   "1.5",
                                                   "1.51",
                                                   "2",
                                                   "1.4142135623731",
                                                   "2.5",
                                                   "2,5",
                                                   "3",
                                                   "5",
                                                   "10",
                                                   "100",
                                                   "1e154",
                                                   "1e155",
                                                   "2abc",
                                                   "2D0",
                                                   "2d1",
                                                   "0.2E1",
                                                   "&H2",
                                                   "&h3",
                                                   "&O3",
                                                   "+2",
                                                   "-1.5",
                                                   "  2 ",
                                                   " 1 . 5 ",
                                                   "2.",
                                                   ".5E1"};
    return texts;
}

// The deflection typed for a β or an M1 request.
const std::vector<std::string>& TetaTexts()
{
    static const std::vector<std::string> texts = {
        "-1",   "-0.0001", "0",    "-0",  "1E-300",  "0.0001", "5",      "10",
        "20",   "22.9",    "23",   "30",  "33.2",    "33.25",  "33.3",   "33.35",
        "33.4", "45",      "45.5", "46",  "89.9999", "90",     "95",     "10abc",
        "1D1",  "&HA",     "&O12", "+10", "1,5",     "10,5",   "10.5.1", "1 0"};
    return texts;
}

// The wave angle typed for a θ request: around the Mach angles 30° (M1 = 2) and 45° (M1 = √2)
// and around 90°.
const std::vector<std::string>& WaveAngleTexts()
{
    static const std::vector<std::string> texts = {"-10",
                                                   "0",
                                                   "10",
                                                   "29.9",
                                                   "29.9999999999999",
                                                   "30",
                                                   "30.000000000001",
                                                   "19.4712",
                                                   "39.3139",
                                                   "44.9999999",
                                                   "45",
                                                   "45.0000001",
                                                   "64.6",
                                                   "80",
                                                   "89.9999",
                                                   "90",
                                                   "90.0001",
                                                   "95",
                                                   "-1e78",
                                                   "40abc",
                                                   "4D1",
                                                   "&H28",
                                                   "&O50",
                                                   "+40",
                                                   "40,5"};
    return texts;
}

// The wave angle typed for an M1 request, negative ones included.
const std::vector<std::string>& MachModeWaveAngleTexts()
{
    static const std::vector<std::string> texts = {
        "-90",   "-80",     "-45",   "-10", "-0.0001", "0",       "5",   "10",         "20",
        "30",    "39.3139", "45",    "60",  "84.9",    "89.9999", "90",  "90.0000001", "91",
        "-1e78", "-1e300",  "40abc", "4D1", "&H28",    "+40",     "40,5"};
    return texts;
}

using Box = std::optional<std::string> Request::*;

// Every text of one list with every text of the other.
void AddGrid(std::vector<Request>& requests, const Request& base, Box first,
             const std::vector<std::string>& firsts, Box second,
             const std::vector<std::string>& seconds)
{
    for (const std::string& a : firsts) {
        for (const std::string& b : seconds) {
            Request request = base;
            request.*first = a;
            request.*second = b;
            requests.push_back(request);
        }
    }
}

// The two lists crossed, then every odd text in each box with the other box's partners.
void AddGridWithOddTexts(std::vector<Request>& requests, const Request& base, Box first,
                         const std::vector<std::string>& firsts,
                         const std::vector<std::string>& firstPartners, Box second,
                         const std::vector<std::string>& seconds,
                         const std::vector<std::string>& secondPartners)
{
    AddGrid(requests, base, first, firsts, second, seconds);
    AddGrid(requests, base, first, OddTexts(), second, secondPartners);
    AddGrid(requests, base, first, firstPartners, second, OddTexts());
}

std::vector<Request> ListedRequests()
{
    std::vector<Request> requests;
    const auto weak = OptionButton::Option_Weak;
    const auto strong = OptionButton::Option_Strong;
    const auto beta = OptionButton::Option_Beta;
    const auto teta = OptionButton::Option_Teta;
    const auto mach = OptionButton::Option_M1;

    // With the "," separator, fewer texts: those that show how numbers are read and written.
    const std::vector<std::string> commaMachs = {"1",   "1,0001", "1.5",   "2",    "2,5",
                                                 "2.5", "3",      "1e308", "2abc", "&H2"};
    const std::vector<std::string> commaTetas = {"0",    "10", "10,5", "10.5",  "33.3",
                                                 "45.5", "90", "1,5",  "1e400", ""};
    const std::vector<std::string> commaBetas = {"10", "30", "39,3139", "39.3139", "45",
                                                 "90", "95", "-10",     "-45,5",   "-1e78"};

    // β as output, on both branches.
    for (const auto branch : {weak, strong}) {
        const Request base{beta, branch, ".", {}, {}, {}};
        AddGridWithOddTexts(requests, base, &Request::M1, MachTexts(), {"1.5", "2"}, &Request::Teta,
                            TetaTexts(), {"10", "33.3"});
        const Request comma{beta, branch, ",", {}, {}, {}};
        AddGrid(requests, comma, &Request::M1, commaMachs, &Request::Teta, commaTetas);
    }
    // β with neither branch selected, around the non-converging strong case and the detached
    // shocks.
    AddGrid(requests, {beta, std::nullopt, ".", {}, {}, {}}, &Request::M1,
            {"1.49", "1.5", "1.51", "2", "1", "1e308"}, &Request::Teta,
            {"0", "10", "22.9", "23", "33.3", "45.5", "90"});

    // θ as output.
    AddGridWithOddTexts(requests, {teta, weak, ".", {}, {}, {}}, &Request::M1, MachTexts(),
                        {"1.5", "2"}, &Request::Beta, WaveAngleTexts(), {"30", "45"});
    AddGrid(requests, {teta, strong, ",", {}, {}, {}}, &Request::M1, commaMachs, &Request::Beta,
            commaBetas);

    // M1 as output.
    AddGridWithOddTexts(requests, {mach, weak, ".", {}, {}, {}}, &Request::Teta, TetaTexts(),
                        {"10", "30"}, &Request::Beta, MachModeWaveAngleTexts(), {"40", "-40"});
    AddGrid(requests, {mach, weak, ",", {}, {}, {}}, &Request::Teta, commaTetas, &Request::Beta,
            commaBetas);

    // No output chosen: whatever is typed, the click only asks for a choice.
    for (const char* separator : {".", ","}) {
        for (const auto branch :
             {std::optional{weak}, std::optional{strong}, std::optional<OptionButton>{}}) {
            requests.push_back({std::nullopt, branch, separator, "2", "10", "40"});
            requests.push_back(
                {std::nullopt, branch, separator, std::nullopt, std::nullopt, std::nullopt});
            requests.push_back({std::nullopt, branch, separator, "1e400", LongHex, "abc"});
        }
    }
    // Boxes left as the output choice blanked them.
    for (const auto output : {beta, teta, mach}) {
        requests.push_back({output, weak, ".", std::nullopt, std::nullopt, std::nullopt});
        requests.push_back({output, strong, ".", "2", std::nullopt, std::nullopt});
        requests.push_back({output, weak, ".", std::nullopt, "10", "40"});
        requests.push_back({output, weak, ",", "2", "10", "40"});
    }
    return requests;
}

// Texts for the pseudo-random sweep, from std::mt19937_64 raw outputs and integer arithmetic.
class RandomTexts {
public:
    std::uint64_t Below(std::uint64_t bound) { return m_engine() % bound; }
    bool Percent(std::uint64_t percent) { return Below(100) < percent; }

    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[Below(items.size())];
    }

    // A number between low and high, both in ten-thousandths, with 0 to 8 decimals, in one of
    // the forms a user might type.
    std::string Number(std::int64_t low, std::int64_t high, const std::string& separator)
    {
        const int decimals = static_cast<int>(Below(9));
        std::int64_t units = 0;
        if (decimals >= 4) {
            const auto scale = Power10(decimals - 4);
            units = low * scale +
                    static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) *
                                                        static_cast<std::uint64_t>(scale) +
                                                    1));
        } else {
            const auto scale = Power10(4 - decimals);
            const std::int64_t lowUnits = Ceiling(low, scale);
            const std::int64_t highUnits = std::max(Floor(high, scale), lowUnits);
            units = lowUnits + static_cast<std::int64_t>(
                                   Below(static_cast<std::uint64_t>(highUnits - lowUnits) + 1));
        }

        if (Percent(3))
            return Pick(OddTexts());
        if (Percent(3) && units >= 0) {
            std::string digits = Digits(static_cast<std::uint64_t>(units) /
                                            static_cast<std::uint64_t>(Power10(decimals)),
                                        Percent(50) ? 16 : 8);
            if (Percent(50))
                for (char& c : digits)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return (digits.size() % 2 ? "&h" : "&H") + digits;
        }

        std::string text;
        if (Percent(6)) {
            // The integer of the digits with a negative exponent: 12.345 as 12345E-3.
            text = std::to_string(units) + Pick(std::vector<std::string>{"E", "e", "D", "d"}) +
                   "-" + std::to_string(decimals);
        } else {
            const char point = separator == "," && Percent(30) ? ',' : Percent(3) ? ',' : '.';
            text = Decimal(units, decimals, point);
        }
        if (Percent(3) && units >= 0)
            text.insert(0, "+");
        if (Percent(5))
            text.insert(Below(text.size() + 1), 1, ' ');
        if (Percent(3))
            text = Pick(std::vector<std::string>{" ", "\t", "  "}) + text;
        if (Percent(3))
            text += Pick(std::vector<std::string>{" ", "\t", "\n"});
        if (Percent(4))
            text += Pick(std::vector<std::string>{"abc", "x", "\xc2\xb0", ".5", ",5", " 7", "e",
                                                  "E+", "D", "E2", "-1"});
        return text;
    }

    // A number from one of the ranges, each given as {weight in percent, low, high} with the
    // bounds in ten-thousandths.
    struct Range {
        std::uint64_t weight;
        std::int64_t low;
        std::int64_t high;
    };

    std::string FromRanges(const std::vector<Range>& ranges, const std::string& separator)
    {
        std::uint64_t roll = Below(100);
        for (const Range& range : ranges) {
            if (roll < range.weight)
                return Number(range.low, range.high, separator);
            roll -= range.weight;
        }
        return Number(ranges.back().low, ranges.back().high, separator);
    }

private:
    static std::int64_t Power10(int exponent)
    {
        std::int64_t value = 1;
        for (int i = 0; i < exponent; ++i)
            value *= 10;
        return value;
    }

    static std::int64_t Floor(std::int64_t value, std::int64_t divisor)
    {
        const std::int64_t quotient = value / divisor;
        return quotient * divisor > value ? quotient - 1 : quotient;
    }

    static std::int64_t Ceiling(std::int64_t value, std::int64_t divisor)
    {
        const std::int64_t quotient = value / divisor;
        return quotient * divisor < value ? quotient + 1 : quotient;
    }

    static std::string Digits(std::uint64_t value, int base)
    {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, base);
        return std::string(buffer, result.ptr);
    }

    // units / 10^decimals written out with the given decimal point.
    static std::string Decimal(std::int64_t units, int decimals, char point)
    {
        const bool negative = units < 0;
        std::string digits = std::to_string(negative ? -static_cast<std::uint64_t>(units)
                                                     : static_cast<std::uint64_t>(units));
        if (decimals > 0) {
            const auto places = static_cast<std::size_t>(decimals);
            if (digits.size() <= places)
                digits.insert(0, places + 1 - digits.size(), '0');
            digits.insert(digits.size() - places, 1, point);
        }
        return negative ? '-' + digits : digits;
    }

    std::mt19937_64 m_engine{20240611};
};

std::vector<Request> RandomRequests()
{
    using Range = RandomTexts::Range;
    const std::vector<Range> mach = {{25, 10000, 13000},
                                     {50, 10000, 50000},
                                     {10, 0, 11000},
                                     {10, 50000, 500000},
                                     {5, -30000, 10000}};
    const std::vector<Range> betaModeTeta = {{20, 0, 100000},
                                             {50, 0, 450000},
                                             {10, -20000, 20000},
                                             {15, 300000, 600000},
                                             {5, 850000, 950000}};
    const std::vector<Range> tetaModeBeta = {
        {60, 0, 950000}, {25, 150000, 450000}, {10, 850000, 950000}, {5, -100000, 0}};
    const std::vector<Range> machModeTeta = {
        {50, -20000, 950000}, {40, 0, 300000}, {10, 850000, 950000}};
    const std::vector<Range> machModeBeta = {
        {50, -1000000, 1000000}, {30, 0, 900000}, {10, 600000, 950000}, {10, -950000, -600000}};
    const std::vector<Range> anything = {{100, -1000000, 1000000}};

    RandomTexts random;
    std::vector<Request> requests;
    for (int i = 0; i < RandomRequestCount; ++i) {
        Request request;
        const std::uint64_t mode = random.Below(100);
        request.separator = random.Percent(30) ? "," : ".";
        request.branch = random.Percent(8)    ? std::nullopt
                         : random.Percent(50) ? std::optional{OptionButton::Option_Weak}
                                              : std::optional{OptionButton::Option_Strong};
        const std::string& sep = request.separator;
        if (mode < 45) {
            request.output = OptionButton::Option_Beta;
            request.M1 = random.FromRanges(mach, sep);
            request.Teta = random.FromRanges(betaModeTeta, sep);
            if (random.Percent(20))
                request.Beta = random.FromRanges(anything, sep);
        } else if (mode < 65) {
            request.output = OptionButton::Option_Teta;
            request.M1 = random.FromRanges(mach, sep);
            request.Beta = random.FromRanges(tetaModeBeta, sep);
            if (random.Percent(20))
                request.Teta = random.FromRanges(anything, sep);
        } else if (mode < 92) {
            request.output = OptionButton::Option_M1;
            request.Teta = random.FromRanges(machModeTeta, sep);
            request.Beta = random.FromRanges(machModeBeta, sep);
            if (random.Percent(20))
                request.M1 = random.FromRanges(anything, sep);
        } else {
            request.M1 = random.FromRanges(mach, sep);
            request.Teta = random.FromRanges(anything, sep);
            request.Beta = random.FromRanges(anything, sep);
        }
        // Now and then a box keeps the blank the output choice left in it.
        for (auto box : {&Request::M1, &Request::Teta, &Request::Beta}) {
            if (random.Percent(3))
                request.*box = std::nullopt;
        }
        requests.push_back(request);
    }
    return requests;
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
    Log log(full);
    std::vector<Request> requests = ListedRequests();
    for (const Request& request : RandomRequests())
        requests.push_back(request);
    int number = 0;
    for (const Request& request : requests)
        Run(log, ++number, request);
    RunCharts(log);

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
