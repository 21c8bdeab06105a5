#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Appends one record to `out` as RFC 4180 has it: a field holding a comma, a quote, a CR or an
// LF is quoted, with its quotes doubled; the record ends with an LF, the line end of the
// programs it is piped to (an LF inside a quoted field stays part of the field).
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);

struct csv_parser;

// Reads RFC 4180 records with libcsv from pieces of any size. A field is kept exactly as it was
// written, blanks at its ends included; CRLF and LF both end a record, and empty lines are
// skipped. Each record is handed over with the line it starts on, counted from 1.
class CsvReader {
public:
    using RecordHandler = std::function<void(const std::vector<std::string>& fields, long line)>;

    explicit CsvReader(RecordHandler handler);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    void Feed(std::string_view data);
    // The end of the input: a last record without a line end is handed over here.
    void Finish();

private:
    static void EndField(void* text, std::size_t size, void* reader);
    static void EndRecord(int terminator, void* reader);
    void FeedLinePiece(std::string_view piece);

    std::unique_ptr<csv_parser> m_parser;
    RecordHandler m_handler;
    std::vector<std::string> m_fields;
    std::size_t m_fieldCount = 0;
    long m_line = 1;
    long m_recordLine = 1;
};
