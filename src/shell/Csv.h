#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Appends one record to `out` as RFC 4180 has it, its fields separated by `separator`: a field
// holding the separator, a quote, a CR or an LF is quoted, with its quotes doubled; the record
// ends with an LF, the line end of the programs it is piped to (an LF inside a quoted field stays
// part of the field).
void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields,
                     char separator = ',');
inline void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields,
                            char separator = ',')
{
    AppendCsvRecord(out, std::span<const std::string_view>(fields.begin(), fields.size()),
                    separator);
}

struct csv_parser;

// One record as read, with the lines it starts and ends on, counted from 1.
struct CsvRecord {
    std::vector<std::string> fields;
    std::int64_t firstLine = 1;
    std::int64_t lastLine = 1;
    // The line of a quote that was still open when the input ended (its field then runs to the
    // end); 0 when every quote was closed.
    std::int64_t unclosedQuoteLine = 0;
};

// Reads RFC 4180 records with libcsv from pieces of any size. A field is kept exactly as it was
// written, blanks at its ends included. A line ends at an LF, a CR or a CRLF, inside quotes as
// well; a record ends with its line unless a quote is open, and empty lines are skipped (they
// still count). A UTF-8 byte order mark at the start is not read as text.
class CsvReader {
public:
    using RecordHandler = std::function<void(const CsvRecord& record)>;

    // The fields are separated by whichever of `separators` comes first on the first line that
    // is not empty (by the first of them when the line has none), so that a header can choose.
    explicit CsvReader(RecordHandler handler, std::string separators = ",");
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    void Feed(std::string_view data);
    // The end of the input: a last record without a line end is handed over here.
    void Finish();
    // The separator, once the first line that is not empty has been read (0 before).
    char Separator() const { return m_separator; }

private:
    void ChooseSeparator();
    void FeedLines(std::string_view data);
    static void EndField(void* text, std::size_t size, void* reader);
    static void EndRecord(int terminator, void* reader);
    void FeedLinePiece(std::string_view piece);

    std::unique_ptr<csv_parser> m_parser;
    RecordHandler m_handler;
    std::string m_separators;
    char m_separator = 0;
    // The input up to the end of the first line that is not empty, held until then.
    std::string m_held;
    CsvRecord m_record;
    std::size_t m_fieldCount = 0;
    std::int64_t m_line = 1;
    // The character that ended line m_line, or 0 while it goes on: the next byte begins the next
    // line, unless it is the LF of a CRLF.
    char m_lineEnd = 0;
    std::int64_t m_fieldLine = 1;
};
