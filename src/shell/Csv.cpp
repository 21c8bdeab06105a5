#include "shell/Csv.h"

#include <csv.h>

#include <stdexcept>

namespace {

// libcsv would trim blanks around an unquoted field; here they are part of the text typed.
int NoBlank(unsigned char)
{
    return 0;
}

// libcsv's state of a parser that is between records (ROW_NOT_BEGUN in libcsv.c).
constexpr int BetweenRecords = 0;

} // namespace

void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += ',';
        first = false;
        if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
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

CsvReader::CsvReader(RecordHandler handler)
    : m_parser(std::make_unique<csv_parser>()), m_handler(std::move(handler))
{
    if (csv_init(m_parser.get(), 0) != 0)
        throw std::runtime_error("the CSV reader could not be made");
    csv_set_space_func(m_parser.get(), NoBlank);
}

CsvReader::~CsvReader()
{
    csv_free(m_parser.get());
}

// libcsv gives no positions: the input is fed a line at a time, so that the line a record starts
// on is the one being fed when the parser leaves the state between records.
void CsvReader::Feed(std::string_view data)
{
    while (!data.empty()) {
        const std::size_t end = data.find('\n');
        const std::size_t size = end == std::string_view::npos ? data.size() : end + 1;
        FeedLinePiece(data.substr(0, size));
        if (end != std::string_view::npos)
            ++m_line;
        data.remove_prefix(size);
    }
}

void CsvReader::FeedLinePiece(std::string_view piece)
{
    if (m_parser->pstate == BetweenRecords)
        m_recordLine = m_line;
    if (csv_parse(m_parser.get(), piece.data(), piece.size(), EndField, EndRecord, this) !=
        piece.size())
        throw std::runtime_error(csv_strerror(csv_error(m_parser.get())));
}

void CsvReader::Finish()
{
    csv_fini(m_parser.get(), EndField, EndRecord, this);
}

void CsvReader::EndField(void* text, std::size_t size, void* data)
{
    auto* reader = static_cast<CsvReader*>(data);
    if (reader->m_fieldCount == reader->m_fields.size())
        reader->m_fields.emplace_back();
    std::string& field = reader->m_fields[reader->m_fieldCount++];
    if (size == 0)
        field.clear(); // libcsv may give no buffer at all for an empty field
    else
        field.assign(static_cast<const char*>(text), size);
}

void CsvReader::EndRecord(int, void* data)
{
    auto* reader = static_cast<CsvReader*>(data);
    reader->m_fields.resize(reader->m_fieldCount);
    reader->m_fieldCount = 0;
    reader->m_handler(reader->m_fields, reader->m_recordLine);
}
