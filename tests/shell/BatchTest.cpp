#include "shell/Batch.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include <poll.h>
#include <unistd.h>

namespace {

const std::string Header = "output,M1,Teta,Beta,branch\n";
// The whole shock's columns of the rows that solve these requests, computed apart from the
// program (see tests/reactions/ShockDetailsTest).
const std::string ShockBetaWeakM2Theta10 = "1.26714,0.80319,1.64052,1.70658,1.45843,1.17015,"
                                           "0.98464,22.9735,64.669,61.4854,22.706,weak,83.7001,";
const std::string ShockBetaStrongM2Theta10 =
    "1.98792,0.57943,0.6037,4.44381,2.64873,1.67771,"
    "0.72652,22.9735,64.669,61.4854,22.706,strong,39.3139,";
const std::string ShockThetaM2Beta40 = "1.28558,0.79338,1.61732,1.76149,1.49056,1.18177,"
                                       "0.98179,22.9735,64.669,61.4854,22.706,weak,83.2619,";
const std::string ShockBetaWeakM25Theta10 = "1.31927,0.77636,2.08593,1.86387,1.54927,1.20307,"
                                            "0.97589,29.7974,64.7822,62.6475,29.6676,weak,85.5761,";
// γ = 13/10, computed the same way.
const std::string BetaWeakM2Theta10Gamma13 =
    "38.8127,weak,1.25355,0.80799,1.6765,1.64593,1.12549,solved,,1.25355,0.80799,1.6765,1.64593,"
    "1.4624,1.12549,0.98611,24.7294,65.3433,62.2072,24.4496,weak,84.4326,";
const std::string ShockColumns =
    "shock_Mn1,shock_Mn2,shock_M2,shock_p2p1,shock_rho2rho1,shock_T2T1,shock_p02p01,theta_max,"
    "beta_at_theta_max,beta_sonic,theta_sonic,beta_branch,beta_other_branch,m1_least_attached";
const std::string AnswerHeader =
    "output,M1,Teta,Beta,branch,Mn1,Mn2,M2,p2p1,T2T1,outcome,messages,shock_Mn1,shock_Mn2,"
    "shock_M2,shock_p2p1,shock_rho2rho1,shock_T2T1,shock_p02p01,theta_max,beta_at_theta_max,"
    "beta_sonic,theta_sonic,beta_branch,beta_other_branch,m1_least_attached\n";

struct BatchCase {
    const char* name;
    std::string input;
    int status;
    std::string output;
    std::string problem;
    std::string summary; // when the status is 0
    std::string notes = {};
};

class BatchRun : public testing::TestWithParam<BatchCase> {};

TEST_P(BatchRun, AnswersEveryRowAsAFreshWindow)
{
    const auto& c = GetParam();
    std::string out;
    std::string notes;
    Batch batch(out, notes);
    batch.Feed(c.input);
    EXPECT_EQ(batch.Finish(), c.status);
    EXPECT_EQ(out, c.output);
    EXPECT_EQ(notes, c.notes);
    EXPECT_EQ(batch.Problem(), c.problem);
    if (c.status == 0) {
        EXPECT_EQ(batch.Summary(), c.summary);
    }
}

TEST_P(BatchRun, AnswersTheSameInPiecesOfAnySize)
{
    const auto& c = GetParam();
    std::string whole;
    std::string wholeNotes;
    Batch wholeBatch(whole, wholeNotes);
    wholeBatch.Feed(c.input);
    const int status = wholeBatch.Finish();
    for (std::size_t size = 1; size <= c.input.size(); ++size) {
        std::string out;
        std::string notes;
        Batch batch(out, notes);
        for (std::size_t at = 0; at < c.input.size(); at += size)
            batch.Feed(std::string_view(c.input).substr(at, size));
        EXPECT_EQ(batch.Finish(), status) << "pieces of " << size;
        EXPECT_EQ(out, whole) << "pieces of " << size;
        EXPECT_EQ(notes, wholeNotes) << "pieces of " << size;
        EXPECT_EQ(batch.Problem(), wholeBatch.Problem()) << "pieces of " << size;
        EXPECT_EQ(batch.Summary(), wholeBatch.Summary()) << "pieces of " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchRun,
    testing::Values(
        BatchCase{"every_outcome",
                  Header + "Beta,2,10,,weak\n"
                           "Beta,2,10,,strong\n"
                           "Teta,2,,40,weak\n"
                           "M1,,10,-3e78,weak\n"
                           "Beta,2,30,,weak\n"
                           ",2,10,40,strong\n"
                           "M1,1.5,,40,weak\n",
                  0,
                  AnswerHeader +
                      "Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                      ShockBetaWeakM2Theta10 +
                      "\n"
                      "Beta,2,10,83.7001,strong,1.98792,0.57943,0.6037,4.44381,1.67771,solved,," +
                      ShockBetaStrongM2Theta10 +
                      "\n"
                      "Teta,2,10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      "M1,1.6058,10,-3e78,weak,,,,,,failed,Arithmetic overflow,,,,,,,,,,,,,,\n"
                      "Beta,2,30,,weak,,,,,,detached,Teta > TetaMax,,,,,,,,22.9735,,,,,,2.5192\n"
                      ",2,10,40,strong,,,,,,no-output,Choose an output option,,,,,,,,,,,,,,\n"
                      "M1, , ,40,weak,,,,,,refused,Teta must be greater then 0 and less then 90 "
                      "degrees,,,,,,,,,,,,,,\n",
                  "", "7 records read, 7 requests answered"},
        BatchCase{"numbers_with_a_point_a_comma_read_as_its_leading_number",
                  Header + "Beta,\"2,5\",10,,weak\nBeta,2.5,10,,weak\n", 0,
                  AnswerHeader +
                      "Beta,\"2,5\",10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,"
                      "solved,," +
                      ShockBetaWeakM2Theta10 +
                      "\n"
                      "Beta,2.5,10,31.8506,weak,1.31927,0.77636,2.08593,1.86387,1.20307,solved,," +
                      ShockBetaWeakM25Theta10 + "\n",
                  "", "2 records read, 2 requests answered", "line 2: M1 \"2,5\" read as 2\n"},
        BatchCase{"notes_for_each_text_read_short_of_its_end_in_box_order",
                  Header + "Beta,2,10,,weak\nTeta,\"2,5\",,40 deg,weak\n", 0,
                  AnswerHeader +
                      "Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                      ShockBetaWeakM2Theta10 +
                      "\n"
                      "Teta,\"2,5\",10.6229,40 deg,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 + "\n",
                  "", "2 records read, 2 requests answered",
                  "line 3: M1 \"2,5\" read as 2\nline 3: Beta \"40 deg\" read as 40\n"},
        BatchCase{"typed_blanks_and_quoted_line_feed_are_the_box_text",
                  Header + "Beta, 2 ,\"1\n0\",,weak\n", 0,
                  AnswerHeader +
                      "Beta, 2 ,\"1\n0\",39.3139,weak,1.26714,0.80319,1.64052,1.70658,"
                      "1.17015,solved,," +
                      ShockBetaWeakM2Theta10 + "\n",
                  "", "1 record read, 1 request answered; lines 2\u20133 were one record"},
        BatchCase{"malformed_rows_name_their_line_and_the_next_is_answered",
                  Header + "Beta,2,10\n"
                           "\n"
                           "Theta,2,10,,weak\n"
                           "Beta,2,10,,\"we\nak\"\n"
                           "Teta,2,,40,weak,extra\n"
                           "Teta,2,,40,weak\n",
                  0,
                  AnswerHeader +
                      ",,,,,,,,,,refused,\"line 2: 3 fields, expected 5\",,,,,,,,,,,,,,\n"
                      "Theta,2,10,,weak,,,,,,refused,\"line 4: unknown output \"\"Theta\"\", "
                      "expected M1, Teta, Beta or nothing\",,,,,,,,,,,,,,\n"
                      "Beta,2,10,,\"we\nak\",,,,,,refused,\"lines 5\u20136: unknown branch "
                      "\"\"we\nak\"\", "
                      "expected weak or strong\",,,,,,,,,,,,,,\n"
                      ",,,,,,,,,,refused,\"line 7: 6 fields, expected 5\",,,,,,,,,,,,,,\n"
                      "Teta,2,10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 + "\n",
                  "", "5 records read, 1 request answered; lines 5\u20136 were one record"},
        BatchCase{"stray_quote_record_names_its_first_and_last_line",
                  Header + "Beta,2,10,,weak\n"
                           "Beta,\"2,10,,weak\n"
                           "Teta,2,,40,weak\n"
                           "Beta,2,\"10\",,weak\n"
                           "Teta,2,,40,weak\n"
                           "Beta,2,10,,weak\n",
                  0,
                  AnswerHeader +
                      "Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                      ShockBetaWeakM2Theta10 +
                      "\n"
                      ",,,,,,,,,,refused,\"lines 3\u20135: 4 fields, expected 5\",,,,,,,,,,,,,,\n"
                      "Teta,2,10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      "Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                      ShockBetaWeakM2Theta10 + "\n",
                  "", "4 records read, 3 requests answered; lines 3\u20135 were one record"},
        BatchCase{"unclosed_quote_is_said",
                  Header + "Beta,2,10,,weak\n"
                           "Teta,2,,40,weak\n"
                           "Beta,2,\"10,,weak\n"
                           "Teta,2,,40,weak\n",
                  0,
                  AnswerHeader +
                      "Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                      ShockBetaWeakM2Theta10 +
                      "\n"
                      "Teta,2,10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      ",,,,,,,,,,refused,lines 4\u20135: a quote opened on line 4 was never "
                      "closed,,,,,,,,,,,,,,\n",
                  "", "3 records read, 2 requests answered; lines 4\u20135 were one record"},
        BatchCase{"bare_cr_ends_a_line_and_crlf_one",
                  Header + "Beta,2,10\r,,weak\r\nTeta,2,,40,weak\r\rBeta,2\n", 0,
                  AnswerHeader +
                      ",,,,,,,,,,refused,\"line 2: 3 fields, expected 5\",,,,,,,,,,,,,,\n"
                      ",,,,,,,,,,refused,\"line 3: 3 fields, expected 5\",,,,,,,,,,,,,,\n"
                      "Teta,2,10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      ",,,,,,,,,,refused,\"line 6: 2 fields, expected 5\",,,,,,,,,,,,,,\n",
                  "", "4 records read, 1 request answered"},
        BatchCase{"blank_lines_skipped_and_counted", "\n\r\n" + Header + "\r\n\rBeta,2\n\n", 0,
                  AnswerHeader +
                      ",,,,,,,,,,refused,\"line 6: 2 fields, expected 5\",,,,,,,,,,,,,,\n",
                  "", "1 record read, 0 requests answered"},
        BatchCase{"last_line_without_line_end", Header + "Teta,2,,40,weak", 0,
                  AnswerHeader + "Teta,2,10.6229,40,weak,,,,,,solved,," + ShockThetaM2Beta40 + "\n",
                  "", "1 record read, 1 request answered"},
        BatchCase{"summary_names_two_records_of_several_lines",
                  Header + "Teta,\"2\n\",,40,weak\nTeta,2,,40,weak\nTeta,\"2\n\",,40,weak\n", 0,
                  AnswerHeader + "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," + ShockThetaM2Beta40 +
                      "\n"
                      "Teta,2,10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 + "\n",
                  "",
                  "3 records read, 3 requests answered; lines 2\u20133 and 5\u20136 were one "
                  "record each"},
        BatchCase{"summary_names_three_records_of_several_lines_and_counts_the_others",
                  Header + "Teta,\"2\n\",,40,weak\nTeta,\"2\n\",,40,weak\nTeta,\"2\n\",,40,weak\n"
                           "Teta,\"2\n\",,40,weak\nTeta,\"2\n\",,40,weak\n",
                  0,
                  AnswerHeader + "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," + ShockThetaM2Beta40 +
                      "\n"
                      "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 +
                      "\n"
                      "Teta,\"2\n\",10.6229,40,weak,,,,,,solved,," +
                      ShockThetaM2Beta40 + "\n",
                  "",
                  "5 records read, 5 requests answered; lines 2\u20133, 4\u20135, 6\u20137 and 2 "
                  "more were one record each"},
        BatchCase{
            "names_outputs_and_branches_in_any_case_with_blanks_columns_in_any_order",
            " Branch , beta,M1 ,OUTPUT,\tteta\nWeak,,2,BETA,10\n weak,40,2, teta ,\n", 0,
            "Branch,beta,M1,OUTPUT,teta,Mn1,Mn2,M2,p2p1,T2T1,outcome,messages,shock_Mn1,shock_Mn2,"
            "shock_M2,shock_p2p1,shock_rho2rho1,shock_T2T1,shock_p02p01,theta_max,"
            "beta_at_theta_max,beta_sonic,theta_sonic,beta_branch,beta_other_branch,"
            "m1_least_attached\n"
            "Weak,39.3139,2,BETA,10,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                ShockBetaWeakM2Theta10 +
                "\n"
                " weak,40,2, teta "
                ",10.6229,,,,,,solved,," +
                ShockThetaM2Beta40 + "\n",
            "", "2 records read, 2 requests answered"},
        BatchCase{
            "gamma_column_in_any_place_and_case_empty_for_the_window_gas",
            "output,Gamma,M1,Teta,Beta,branch\nBeta,1.3,2,10,,weak\nBeta, ,2,10,,weak\n"
            "Beta,1.4,2,10,,weak\n",
            0,
            "output,Gamma,M1,Teta,Beta,branch,Mn1,Mn2,M2,p2p1,T2T1,outcome,messages," +
                ShockColumns + "\nBeta,1.3,2,10," + BetaWeakM2Theta10Gamma13 +
                "\n"
                "Beta, ,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                ShockBetaWeakM2Theta10 +
                "\n"
                "Beta,1.4,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                ShockBetaWeakM2Theta10 + "\n",
            "", "3 records read, 3 requests answered"},
        BatchCase{"gamma_other_than_a_plain_number_above_1_and_at_most_3_is_refused",
                  "output,M1,Teta,Beta,branch,gamma\nBeta,2,10,,weak,1\nBeta,2,10,,weak,3.5\n"
                  "Beta,2,10,,weak,1e0\nBeta,2,10,,weak,air\nBeta,2,10,,weak\n",
                  0,
                  "output,M1,Teta,Beta,branch,gamma,Mn1,Mn2,M2,p2p1,T2T1,outcome,messages," +
                      ShockColumns +
                      "\n"
                      "Beta,2,10,,weak,1,,,,,,refused,\"line 2: gamma \"\"1\"\" is not a ratio of "
                      "specific heats above 1 and at most 3\",,,,,,,,,,,,,,\n"
                      "Beta,2,10,,weak,3.5,,,,,,refused,\"line 3: gamma \"\"3.5\"\" is not a ratio "
                      "of specific heats above 1 and at most 3\",,,,,,,,,,,,,,\n"
                      "Beta,2,10,,weak,1e0,,,,,,refused,\"line 4: gamma \"\"1e0\"\" is not a ratio "
                      "of specific heats above 1 and at most 3\",,,,,,,,,,,,,,\n"
                      "Beta,2,10,,weak,air,,,,,,refused,\"line 5: gamma \"\"air\"\" is not a ratio "
                      "of specific heats above 1 and at most 3\",,,,,,,,,,,,,,\n"
                      ",,,,,,,,,,,refused,\"line 6: 5 fields, expected 6\",,,,,,,,,,,,,,\n",
                  "", "5 records read, 0 requests answered"},
        BatchCase{
            "gamma_in_a_semicolon_file_has_a_decimal_comma",
            "output;M1;Teta;Beta;branch;gamma\nBeta;2;10;;weak;1,3\n", 0,
            "output;M1;Teta;Beta;branch;gamma;Mn1;Mn2;M2;p2p1;T2T1;outcome;messages;shock_Mn1;"
            "shock_Mn2;shock_M2;shock_p2p1;shock_rho2rho1;shock_T2T1;shock_p02p01;theta_max;"
            "beta_at_theta_max;beta_sonic;theta_sonic;beta_branch;beta_other_branch;"
            "m1_least_attached\n"
            "Beta;2;10;38,8127;weak;1,3;1,25355;0,80799;1,6765;1,64593;1,12549;solved;;"
            "1,25355;0,80799;1,6765;1,64593;1,4624;1,12549;0,98611;"
            "24,7294;65,3433;62,2072;24,4496;weak;84,4326;\n",
            "", "1 record read, 1 request answered"},
        BatchCase{"header_with_gamma_in_place_of_a_request_column", "output,M1,Teta,Beta,gamma\n",
                  2, "",
                  "line 1: the header is \"output,M1,Teta,Beta,gamma\", expected "
                  "output,M1,Teta,Beta,branch",
                  ""},
        BatchCase{
            "semicolon_header_reads_and_writes_decimal_commas",
            "\xEF\xBB\xBFoutput;M1;Teta;Beta;branch\r\nBeta;2,5;10;;weak\r\n"
            "Beta;2.5;10;;weak\r\nBeta;2;30;;weak\r\nBeta;\"2;5\";10\r\n"
            "Teta;2.5x;;40;weak\r\n",
            0,
            "output;M1;Teta;Beta;branch;Mn1;Mn2;M2;p2p1;T2T1;outcome;messages;shock_Mn1;shock_Mn2;"
            "shock_M2;shock_p2p1;shock_rho2rho1;shock_T2T1;shock_p02p01;theta_max;"
            "beta_at_theta_max;beta_sonic;theta_sonic;beta_branch;beta_other_branch;"
            "m1_least_attached\n"
            "Beta;2,5;10;31,8506;weak;1,31927;0,77636;2,08593;1,86387;1,20307;solved;;"
            "1,31927;0,77636;2,08593;1,86387;1,54927;1,20307;0,97589;"
            "29,7974;64,7822;62,6475;29,6676;weak;85,5761;\n"
            "Beta;2.5;10;31,8506;weak;1,31927;0,77636;2,08593;1,86387;1,20307;solved;;"
            "1,31927;0,77636;2,08593;1,86387;1,54927;1,20307;0,97589;"
            "29,7974;64,7822;62,6475;29,6676;weak;85,5761;\n"
            "Beta;2;30;;weak;;;;;;detached;Teta > TetaMax;;;;;;;;22,9735;;;;;;2,5192\n"
            ";;;;;;;;;;refused;line 5: 3 fields, expected 5;;;;;;;;;;;;;;\n"
            "Teta;2.5x;17,6755;40;weak;;;;;;solved;;"
            "1,60697;0,66635;1,75424;2,84607;2,04344;1,39278;0,89259;"
            "29,7974;64,7822;62,6475;29,6676;weak;81,5483;\n",
            "", "5 records read, 4 requests answered", "line 6: M1 \"2.5x\" read as 2,5\n"},
        BatchCase{"comma_first_on_the_header_line_chooses_comma", "output,M1,Teta,Beta,branch;x\n",
                  2, "",
                  "line 1: the header is \"output,M1,Teta,Beta,branch;x\", expected "
                  "output,M1,Teta,Beta,branch",
                  ""},
        BatchCase{"semicolon_header_with_a_wrong_name", "output;M1;Theta;Beta;branch\n", 2, "",
                  "line 1: the header is \"output;M1;Theta;Beta;branch\", expected "
                  "output,M1,Teta,Beta,branch",
                  ""},
        BatchCase{"header_naming_a_column_twice", "output,M1,Teta,m1,branch\n", 2, "",
                  "line 1: the header is \"output,M1,Teta,m1,branch\", expected "
                  "output,M1,Teta,Beta,branch",
                  ""},
        BatchCase{"crlf_and_byte_order_mark",
                  "\xEF\xBB\xBFoutput,M1,Teta,Beta,branch\r\nTeta,2,,40,weak\r\n", 0,
                  AnswerHeader + "Teta,2,10.6229,40,weak,,,,,,solved,," + ShockThetaM2Beta40 + "\n",
                  "", "1 record read, 1 request answered"},
        BatchCase{"header_alone", Header, 0, AnswerHeader, "",
                  "0 records read, 0 requests answered"},
        BatchCase{"no_input", "", 2, "",
                  "no header: the input must begin with output,M1,Teta,Beta,branch", ""},
        BatchCase{"wrong_header_answers_nothing",
                  "\noutput,M1,Theta,Beta,branch\nBeta,2,10,,weak\n", 2, "",
                  "line 2: the header is \"output,M1,Theta,Beta,branch\", expected "
                  "output,M1,Teta,Beta,branch",
                  ""},
        BatchCase{"header_with_a_quoted_comma_is_wrong", "\"output,M1\",Teta,Beta,branch\n", 2, "",
                  "line 1: the header is \"output,M1,Teta,Beta,branch\", expected "
                  "output,M1,Teta,Beta,branch",
                  ""}),
    ParamName);

// Standard streams for RunBatch: files that close themselves.
struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

File Holding(const std::string& text)
{
    File file(std::tmpfile());
    std::fwrite(text.data(), 1, text.size(), file.get());
    std::rewind(file.get());
    return file;
}

std::string Contents(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    std::array<char, 4096> buffer;
    while (const std::size_t size = std::fread(buffer.data(), 1, buffer.size(), file))
        text.append(buffer.data(), size);
    return text;
}

struct UnwritableCase {
    const char* name;
    std::FILE* (*open)();
    std::string error;
};

class BatchUnwritable : public testing::TestWithParam<UnwritableCase> {};

TEST_P(BatchUnwritable, SaysTheAnswersWereLostAndFails)
{
    const auto& c = GetParam();
    const File out(c.open());
    ASSERT_NE(out, nullptr);
    const File in = Holding(Header + "Beta,2,10,,weak\n");
    const File errors(std::tmpfile());
    EXPECT_EQ(RunBatch(in.get(), out.get(), errors.get()), 1);
    EXPECT_EQ(Contents(errors.get()),
              "oblique-shock-calculator: the answers could not be written: " + c.error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, BatchUnwritable,
    testing::Values(UnwritableCase{"full_device", [] { return std::fopen("/dev/full", "w"); },
                                   std::strerror(ENOSPC)},
                    UnwritableCase{"stream_open_for_reading",
                                   [] {
                                       const std::string path =
                                           testing::TempDir() + "batch-answers-open-for-reading";
                                       std::fclose(std::fopen(path.c_str(), "w"));
                                       return std::fopen(path.c_str(), "r");
                                   },
                                   std::strerror(EBADF)}),
    ParamName);

struct UnreadableCase {
    const char* name;
    std::FILE* (*open)();
    std::string error;
};

class BatchUnreadable : public testing::TestWithParam<UnreadableCase> {};

TEST_P(BatchUnreadable, SaysTheRequestsCouldNotBeReadAndFails)
{
    const auto& c = GetParam();
    // Opened first, so that a closed descriptor is not taken again by them.
    const File out(std::tmpfile());
    const File errors(std::tmpfile());
    const File in(c.open());
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(RunBatch(in.get(), out.get(), errors.get()), 1);
    EXPECT_EQ(Contents(out.get()), "");
    EXPECT_EQ(Contents(errors.get()),
              "oblique-shock-calculator: the requests could not be read: " + c.error + "\n");
}

INSTANTIATE_TEST_SUITE_P(Inputs, BatchUnreadable,
                         testing::Values(UnreadableCase{"directory",
                                                        [] { return std::fopen("/", "r"); },
                                                        std::strerror(EISDIR)},
                                         UnreadableCase{"closed_descriptor",
                                                        [] {
                                                            int ends[2];
                                                            if (pipe(ends) != 0)
                                                                return static_cast<std::FILE*>(
                                                                    nullptr);
                                                            std::FILE* in = fdopen(ends[0], "r");
                                                            close(ends[1]);
                                                            close(ends[0]);
                                                            return in;
                                                        },
                                                        std::strerror(EBADF)}),
                         ParamName);

// Reads from `fd` into `received` until it holds `lines` line ends or two seconds have gone by.
bool AwaitLines(int fd, std::string& received, std::size_t lines)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (static_cast<std::size_t>(std::count(received.begin(), received.end(), '\n')) < lines) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            return false;
        std::array<char, 256> buffer;
        const auto size = read(fd, buffer.data(), buffer.size());
        if (size <= 0)
            return false;
        received.append(buffer.data(), static_cast<std::size_t>(size));
    }
    return true;
}

void Send(int fd, std::string_view text)
{
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

// The batch as another program's co-process: each answer comes before the next line is sent.
TEST(BatchFromAPipe, AnswersEachLineAsItComes)
{
    int requests[2];
    int answers[2];
    ASSERT_EQ(pipe(requests), 0);
    ASSERT_EQ(pipe(answers), 0);
    const File in(fdopen(requests[0], "r"));
    File out(fdopen(answers[1], "w"));
    const File errors(std::tmpfile());
    int status = -1;
    std::thread batch([&] {
        status = RunBatch(in.get(), out.get(), errors.get());
        out.reset(); // the end of the answers
    });

    std::string received;
    Send(requests[1], Header);
    EXPECT_TRUE(AwaitLines(answers[0], received, 1));
    Send(requests[1], "Beta,2,10,,weak\n");
    EXPECT_TRUE(AwaitLines(answers[0], received, 2));
    Send(requests[1], "Teta,2,");
    Send(requests[1], ",40,weak\r");
    EXPECT_TRUE(AwaitLines(answers[0], received, 3));
    close(requests[1]);
    batch.join();
    AwaitLines(answers[0], received, 4);
    close(answers[0]);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(received,
              AnswerHeader +
                  "Beta,2,10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,," +
                  ShockBetaWeakM2Theta10 +
                  "\n"
                  "Teta,2,10.6229,40,weak,,,,,,solved,," +
                  ShockThetaM2Beta40 + "\n");
    EXPECT_EQ(Contents(errors.get()),
              "oblique-shock-calculator: 2 records read, 2 requests answered\n");
}

TEST(BatchFromAPipe, SaysAWrongHeaderWithoutWaitingForTheEnd)
{
    int requests[2];
    ASSERT_EQ(pipe(requests), 0);
    const File in(fdopen(requests[0], "r"));
    const File out(std::tmpfile());
    const File errors(std::tmpfile());
    std::promise<int> done;
    std::future<int> status = done.get_future();
    std::thread batch([&] { done.set_value(RunBatch(in.get(), out.get(), errors.get())); });
    Send(requests[1], "M1,Teta\n");
    const bool said = status.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    close(requests[1]);
    batch.join();

    EXPECT_TRUE(said);
    EXPECT_EQ(status.get(), 2);
    EXPECT_EQ(Contents(errors.get()),
              "oblique-shock-calculator: line 1: the header is \"M1,Teta\", "
              "expected output,M1,Teta,Beta,branch\n");
}

// A file read in 64 KiB pieces and the same text from a pipe, read as it comes, are answered alike.
TEST(BatchFromAPipe, AnswersAsAFileIsAnswered)
{
    std::string input = Header;
    for (int row = 0; input.size() < 200000; ++row)
        input += row % 3 == 0   ? "Beta,\"2,5\",10,,weak\r\n"
                 : row % 3 == 1 ? "Teta,\"2\r\n\",,40,weak\r"
                                : "Beta,2,30,,weak\n";

    const File file = Holding(input);
    const File fileAnswers(std::tmpfile());
    const File fileErrors(std::tmpfile());
    EXPECT_EQ(RunBatch(file.get(), fileAnswers.get(), fileErrors.get()), 0);

    int requests[2];
    ASSERT_EQ(pipe(requests), 0);
    const File in(fdopen(requests[0], "r"));
    const File pipeAnswers(std::tmpfile());
    const File pipeErrors(std::tmpfile());
    int status = -1;
    std::thread batch([&] { status = RunBatch(in.get(), pipeAnswers.get(), pipeErrors.get()); });
    for (std::size_t at = 0; at < input.size(); at += 1000)
        Send(requests[1], std::string_view(input).substr(at, 1000));
    close(requests[1]);
    batch.join();

    EXPECT_EQ(status, 0);
    const std::string answers = Contents(fileAnswers.get());
    EXPECT_GT(answers.size(), input.size());
    EXPECT_EQ(Contents(pipeAnswers.get()), answers);
    EXPECT_EQ(Contents(pipeErrors.get()), Contents(fileErrors.get()));
}

} // namespace
