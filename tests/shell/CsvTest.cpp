#include "shell/Csv.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct WriteCase {
    const char* name;
    std::vector<std::string> fields;
    std::string written;
    char separator = ',';
};

class CsvWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(CsvWrite, QuotesOnlyWhatNeedsIt)
{
    const auto& c = GetParam();
    std::string out = "before\n";
    switch (c.fields.size()) {
    case 1:
        AppendCsvRecord(out, {c.fields[0]}, c.separator);
        break;
    case 3:
        AppendCsvRecord(out, {c.fields[0], c.fields[1], c.fields[2]}, c.separator);
        break;
    default:
        FAIL() << "a row of 1 or 3 fields";
    }
    EXPECT_EQ(out, "before\n" + c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CsvWrite,
    testing::Values(WriteCase{"plain", {"Beta", "39.3139", ""}, "Beta,39.3139,\n"},
                    WriteCase{"comma", {"2,5", "x", "y"}, "\"2,5\",x,y\n"},
                    WriteCase{"quote_doubled", {"say \"hi\""}, "\"say \"\"hi\"\"\"\n"},
                    WriteCase{"line_feed",
                              {"Teta > TetaMax\nArithmetic overflow"},
                              "\"Teta > TetaMax\nArithmetic overflow\"\n"},
                    WriteCase{"carriage_return", {"a\rb"}, "\"a\rb\"\n"},
                    WriteCase{"blanks_kept_unquoted", {" 2 ", "\t", " "}, " 2 ,\t, \n"},
                    WriteCase{"empty", {""}, "\n"},
                    WriteCase{"semicolon_quotes_semicolons_not_commas",
                              {"1,5", "a;b", "\"q"},
                              "1,5;\"a;b\";\"\"\"q\"\n",
                              ';'}),
    ParamName);

// A record as the reader hands it over: its first and last line, its fields and the line of a
// quote left open.
struct Read {
    std::int64_t first;
    std::int64_t last;
    std::vector<std::string> fields;
    std::int64_t unclosedQuote = 0;

    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& read, std::ostream* out)
{
    *out << "lines " << read.first << "-" << read.last << " " << testing::PrintToString(read.fields)
         << " unclosed quote " << read.unclosedQuote;
}

using Records = std::vector<Read>;

Records ReadIn(const std::string& input, std::size_t pieceSize, const std::string& separators)
{
    Records records;
    CsvReader reader(
        [&records](const CsvRecord& record) {
            records.push_back(
                {record.firstLine, record.lastLine, record.fields, record.unclosedQuoteLine});
        },
        separators);
    for (std::size_t at = 0; at < input.size(); at += pieceSize)
        reader.Feed(std::string_view(input).substr(at, pieceSize));
    reader.Finish();
    return records;
}

struct ReadCase {
    const char* name;
    std::string input;
    Records records;
    std::string separators = ",";
};

class CsvRead : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvRead, GivesEachRecordWithTheLinesItSpans)
{
    const auto& c = GetParam();
    // The same records whether the input comes at once or in pieces of any size.
    for (std::size_t pieceSize = 1; pieceSize <= c.input.size() + 1; ++pieceSize)
        EXPECT_EQ(ReadIn(c.input, pieceSize, c.separators), c.records) << "pieces of " << pieceSize;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CsvRead,
    testing::Values(
        ReadCase{"plain_lines", "a,b\nc,d\n", {{1, 1, {"a", "b"}}, {2, 2, {"c", "d"}}}},
        ReadCase{"crlf_line_ends", "a,b\r\nc,d\r\n", {{1, 1, {"a", "b"}}, {2, 2, {"c", "d"}}}},
        ReadCase{"bare_cr_ends_a_line_crlf_one",
                 "a\rb\r\n\rc\n\r\nd",
                 {{1, 1, {"a"}}, {2, 2, {"b"}}, {4, 4, {"c"}}, {6, 6, {"d"}}}},
        ReadCase{"last_line_without_end", "a\nb", {{1, 1, {"a"}}, {2, 2, {"b"}}}},
        ReadCase{"blank_lines_skipped_but_counted", "a\n\n\nb\n", {{1, 1, {"a"}}, {4, 4, {"b"}}}},
        ReadCase{"blanks_kept", " 2 ,\t,  \n", {{1, 1, {" 2 ", "\t", "  "}}}},
        ReadCase{"empty_fields", ",,\n", {{1, 1, {"", "", ""}}}},
        ReadCase{"quoted_comma_and_quote",
                 "\"2,5\",\"say \"\"hi\"\"\"\n",
                 {{1, 1, {"2,5", "say \"hi\""}}}},
        ReadCase{"line_feed_inside_quotes_counts_a_line",
                 "\"1\n0\",x\ny\n",
                 {{1, 2, {"1\n0", "x"}}, {3, 3, {"y"}}}},
        ReadCase{"cr_and_crlf_inside_quotes_count_a_line_each",
                 "\"1\r2\r\n3\"\ny\n",
                 {{1, 3, {"1\r2\r\n3"}}, {4, 4, {"y"}}}},
        ReadCase{"unclosed_quote_runs_to_the_end",
                 "a\n\"b,c\nd",
                 {{1, 1, {"a"}}, {2, 3, {"b,c\nd"}, 2}}},
        ReadCase{"unclosed_quote_names_the_line_it_opens_on",
                 "\"a\nb\",c,\"d\ne\n",
                 {{1, 3, {"a\nb", "c", "d\ne\n"}, 2}}},
        ReadCase{"byte_order_mark_is_no_text", "\xEF\xBB\xBF\"a\",b\n", {{1, 1, {"a", "b"}}}},
        ReadCase{"semicolon_chosen_on_the_first_line_not_empty",
                 "\r\n x;y,z\n1,5;2\n",
                 {{2, 2, {" x", "y,z"}}, {3, 3, {"1,5", "2"}}},
                 ",;"},
        ReadCase{"separator_chosen_on_the_whole_line_after_a_mark_and_an_empty_line",
                 "\xEF\xBB\xBF\r\na b;c,d\n",
                 {{2, 2, {"a b", "c,d"}}},
                 ",;"},
        ReadCase{"comma_before_semicolon_chooses_comma",
                 "a,b;c\nd;e,f",
                 {{1, 1, {"a", "b;c"}}, {2, 2, {"d;e", "f"}}},
                 ",;"},
        ReadCase{"no_separator_on_the_first_line_chooses_the_first",
                 "a\nb;c,d\n",
                 {{1, 1, {"a"}}, {2, 2, {"b;c", "d"}}},
                 ",;"}),
    ParamName);

} // namespace
