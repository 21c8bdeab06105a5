#include "GoldenLog.h"

#include <cstdio>
#include <fstream>

namespace golden {

// ---------------------------------------------------------------------------------------------
// Writing values

std::string Escaped(std::string_view text, bool endsLine)
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

std::string EventText(const std::string& event)
{
    const std::string_view arrow = " <- ";
    const std::size_t at = event.find(arrow);
    if (at == std::string::npos)
        return Escaped(event);
    return Escaped(std::string_view(event).substr(0, at)) + std::string(arrow) +
           Quoted(std::string_view(event).substr(at + arrow.size()));
}

std::string HexDigest(QCryptographicHash& hash)
{
    return hash.result().toHex().toStdString();
}

// ---------------------------------------------------------------------------------------------
// The log

Log::Log(std::ofstream* full) : m_full(full)
{
    m_sample = "# Every " + std::to_string(SampleEvery) +
               "th entry of the golden log written by GoldenLogTest.cpp, and the MD5 of the "
               "entries between; runs of more than " +
               std::to_string(FoldAbove) + " drawing calls are folded into their count and " +
               "the SHA-256 of their lines.\n";
}

void Log::Entry(const std::string& header)
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

void Log::Line(std::string_view phase, std::string_view text)
{
    m_line.assign("  ");
    m_line += phase;
    m_line += text;
    EndLine(m_line, false);
}

void Log::Call(std::string_view phase, const SurfaceCall& call)
{
    // Written straight into a buffer large enough for the line: these are most of the
    // log's lines.
    const std::size_t room =
        2 + phase.size() + 9 + call.operation.size() + call.args.size() * (1 + HexRoom) + 8 + 3 * 4;
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

std::string Log::Finish()
{
    EndEntry();
    EndBlock();
    Flush();
    return HexDigest(m_hash);
}

void Log::EndLine(std::string_view line, bool drawing)
{
    m_buffer += line;
    m_buffer += '\n';
    if (m_buffer.size() >= (1u << 20))
        Flush();
    if (m_sampled)
        m_entryLines.emplace_back(line, drawing);
}

void Log::EndBlock()
{
    if (m_blockFrom == std::string::npos)
        return;
    HashBlock();
    m_sample += "= " + m_blockFirst + " to " + m_blockLast + ": " + std::to_string(m_blockEntries) +
                " entries, md5 " + HexDigest(m_block) + '\n';
    m_block.reset();
    m_blockFrom = std::string::npos;
}

void Log::HashBlock()
{
    if (m_blockFrom == std::string::npos)
        return;
    m_block.addData(QByteArrayView(m_buffer.data() + m_blockFrom,
                                   static_cast<qsizetype>(m_buffer.size() - m_blockFrom)));
    m_blockFrom = 0;
}

void Log::Flush()
{
    HashBlock();
    m_hash.addData(QByteArrayView(m_buffer.data(), static_cast<qsizetype>(m_buffer.size())));
    if (m_full)
        m_full->write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_bytes += m_buffer.size();
    m_buffer.clear();
}

void Log::EndEntry()
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
                folded.addData(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
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

// ---------------------------------------------------------------------------------------------
// A window's events and drawing calls

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

} // namespace golden
