#pragma once

// The golden log itself: how values are written into it (exact hexadecimal floating point,
// escaped and quoted texts, form events, outcome kinds, digests), the Log that takes its entries
// and keeps their digest and sample, and WriteRecord, which writes a window's events and drawing
// calls in the order they happened.

#include "reactions/Command1Click.h"
#include "support/RecordingForm.h"

#include <QCryptographicHash>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace golden {

constexpr int SampleEvery = 500;
// In the sample, a run of more drawing calls than this keeps its first and last FoldKeep calls.
constexpr std::size_t FoldAbove = 8;
constexpr std::size_t FoldKeep = 3;

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
std::string Escaped(std::string_view text, bool endsLine = true);

std::string Quoted(std::string_view text);

// A form event as recorded; what a write puts into a box or a caption is quoted, so that
// blanks and empty texts show: Text_M1 <- " ".
std::string EventText(const std::string& event);

std::string HexDigest(QCryptographicHash& hash);

// ---------------------------------------------------------------------------------------------
// The log: entries of a header line and indented lines. Everything goes into the digest (and
// into a file when one is given); every SampleEvery-th entry also goes into the sample.

class Log {
public:
    explicit Log(std::ofstream* full);

    // Starts an entry; its header begins with its name, "request 12: …".
    void Entry(const std::string& header);

    // An indented line of the current entry.
    void Line(std::string_view phase, std::string_view text);

    void Line(std::string_view text) { Line({}, text); }

    // A call on the drawing surface: its operation, its arguments exactly and its colour.
    void Call(std::string_view phase, const SurfaceCall& call);

    // Ends the last entry; returns the log's digest in hexadecimal.
    std::string Finish();

    const std::string& Sample() const { return m_sample; }
    std::size_t Entries() const { return m_entries; }
    std::size_t Bytes() const { return m_bytes; }

private:
    void EndLine(std::string_view line, bool drawing);

    // The entries between two sampled ones show in the sample as one line with their MD5, which
    // tells where the log changed when no sampled entry did.
    void EndBlock();

    void HashBlock();
    void Flush();
    void EndEntry();

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
                 std::string_view phase);

} // namespace golden
