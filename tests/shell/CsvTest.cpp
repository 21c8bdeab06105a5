#include "shell/Csv.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct WriteCase {
    const char* name;
    std::vector<std::string> fields;
    std::string written;
};

class CsvWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(CsvWrite, QuotesOnlyWhatNeedsIt)
{
    const auto& c = GetParam();
    std::string out = "before\n";
    switch (c.fields.size()) {
    case 1:
        AppendCsvRecord(out, {c.fields[0]});
        break;
    case 3:
        AppendCsvRecord(out, {c.fields[0], c.fields[1], c.fields[2]});
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
                    WriteCase{"empty", {""}, "\n"}),
    ParamName);

using Records = std::vector<std::pair<long, std::vector<std::string>>>;

Records Read(const std::string& input, std::size_t pieceSize)
{
    Records records;
    CsvReader reader([&records](const std::vector<std::string>& fields, long line) {
        records.emplace_back(line, fields);
    });
    for (std::size_t at = 0; at < input.size(); at += pieceSize)
        reader.Feed(std::string_view(input).substr(at, pieceSize));
    reader.Finish();
    return records;
}

struct ReadCase {
    const char* name;
    std::string input;
    Records records;
};

class CsvRead : public testing::TestWithParam<ReadCase> {};

TEST_P(CsvRead, GivesEachRecordWithTheLineItStartsOn)
{
    const auto& c = GetParam();
    // The same records whether the input comes at once, a byte at a time or in odd pieces.
    for (std::size_t pieceSize : {c.input.size() + 1, std::size_t{1}, std::size_t{3}})
        EXPECT_EQ(Read(c.input, pieceSize), c.records) << "pieces of " << pieceSize;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CsvRead,
    testing::Values(
        ReadCase{"plain_lines", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"crlf_line_ends", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        ReadCase{"last_line_without_end", "a\nb", {{1, {"a"}}, {2, {"b"}}}},
        ReadCase{"blank_lines_skipped_but_counted", "a\n\n\nb\n", {{1, {"a"}}, {4, {"b"}}}},
        ReadCase{"blanks_kept", " 2 ,\t,  \n", {{1, {" 2 ", "\t", "  "}}}},
        ReadCase{"empty_fields", ",,\n", {{1, {"", "", ""}}}},
        ReadCase{
            "quoted_comma_and_quote", "\"2,5\",\"say \"\"hi\"\"\"\n", {{1, {"2,5", "say \"hi\""}}}},
        ReadCase{"line_feed_inside_quotes_counts_a_line",
                 "\"1\n0\",x\ny\n",
                 {{1, {"1\n0", "x"}}, {3, {"y"}}}},
        ReadCase{"unclosed_quote_runs_to_the_end", "a\n\"b,c\nd", {{1, {"a"}}, {2, {"b,c\nd"}}}}),
    ParamName);

} // namespace
