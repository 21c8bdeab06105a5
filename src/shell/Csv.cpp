#include "shell/Csv.h"

#include <csv.h>

#include <algorithm>
#include <stdexcept>

namespace {

// libcsv would trim blanks around an unquoted field; here they are part of the text typed.
int NoBlank(unsigned char)
{
    return 0;
}

// libcsv's states of a parser between records and inside a field (ROW_NOT_BEGUN and
// FIELD_BEGUN in libcsv.c).
constexpr int BetweenRecords = 0;
constexpr int InField = 2;

std::string_view WithoutByteOrderMark(std::string_view input)
{
    if (input.starts_with("\xEF\xBB\xBF"))
        input.remove_prefix(3);
    return input;
}

} // namespace

void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields, char separator)
{
    const auto needsQuotes = [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    };
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += separator;
        first = false;
        if (std::none_of(field.begin(), field.end(), needsQuotes)) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += '\n';
}

CsvReader::CsvReader(RecordHandler handler, std::string separators)
    : m_parser(std::make_unique<csv_parser>()), m_handler(std::move(handler)),
      m_separators(std::move(separators))
{
    if (csv_init(m_parser.get(), 0) != 0)
        throw std::runtime_error("the CSV reader could not be made");
    csv_set_space_func(m_parser.get(), NoBlank);
}

CsvReader::~CsvReader()
{
    csv_free(m_parser.get());
}

void CsvReader::Feed(std::string_view data)
{
    if (m_separator != 0) {
        FeedLines(data);
        return;
    }
    m_held += data;
    const std::string_view held = WithoutByteOrderMark(m_held);
    const std::size_t text = held.find_first_not_of("\r\n");
    if (text != std::string_view::npos &&
        held.find_first_of("\r\n", text) != std::string_view::npos)
        ChooseSeparator();
}

void CsvReader::ChooseSeparator()
{
    const std::string_view held = WithoutByteOrderMark(m_held);
    const std::size_t text = std::min(held.find_first_not_of("\r\n"), held.size());
    const std::string_view line = held.substr(text, held.find_first_of("\r\n", text) - text);
    const std::size_t at = line.find_first_of(m_separators);
    m_separator = at == std::string_view::npos ? m_separators.front() : line[at];
    csv_set_delim(m_parser.get(), static_cast<unsigned char>(m_separator));
    FeedLines(held);
    m_held = std::string();
}

// libcsv gives no positions: the input is fed a line at a time, so that the line a record starts
// on is the one being fed when the parser leaves the state between records, and the line it ends
// on the one being fed when it hands the record over.
void CsvReader::FeedLines(std::string_view data)
{
    while (!data.empty()) {
        const bool crlf = m_lineEnd == '\r' && data.front() == '\n';
        if (m_lineEnd != 0 && !crlf)
            ++m_line;
        // A plain search: find_first_of would call memchr for every character.
        const auto lineEnd =
            std::find_if(data.begin(), data.end(), [](char c) { return c == '\n' || c == '\r'; });
        const bool ends = lineEnd != data.end();
        const auto size = static_cast<std::size_t>(lineEnd - data.begin()) + (ends ? 1 : 0);
        FeedLinePiece(data.substr(0, size));
        m_lineEnd = ends ? *lineEnd : 0;
        data.remove_prefix(size);
    }
}

void CsvReader::FeedLinePiece(std::string_view piece)
{
    if (m_parser->pstate == BetweenRecords)
        m_record.firstLine = m_fieldLine = m_line;
    if (csv_parse(m_parser.get(), piece.data(), piece.size(), EndField, EndRecord, this) !=
        piece.size())
        throw std::runtime_error(csv_strerror(csv_error(m_parser.get())));
}

void CsvReader::Finish()
{
    if (m_separator == 0)
        ChooseSeparator();
    if (m_parser->pstate == InField && m_parser->quoted)
        m_record.unclosedQuoteLine = m_fieldLine;
    csv_fini(m_parser.get(), EndField, EndRecord, this);
}

void CsvReader::EndField(void* text, std::size_t size, void* data)
{
    auto* reader = static_cast<CsvReader*>(data);
    std::vector<std::string>& fields = reader->m_record.fields;
    if (reader->m_fieldCount == fields.size())
        fields.emplace_back();
    std::string& field = fields[reader->m_fieldCount++];
    if (size == 0)
        field.clear(); // libcsv may give no buffer at all for an empty field
    else
        field.assign(static_cast<const char*>(text), size);
    // The next field begins after the separator, on this line.
    reader->m_fieldLine = reader->m_line;
}

void CsvReader::EndRecord(int, void* data)
{
    auto* reader = static_cast<CsvReader*>(data);
    CsvRecord& record = reader->m_record;
    record.fields.resize(reader->m_fieldCount);
    record.lastLine = reader->m_line;
    reader->m_fieldCount = 0;
    reader->m_handler(record);
    record.unclosedQuoteLine = 0;
}
