#pragma once

#include "shell/Csv.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Many requests at once: a CSV with the header
//     output,M1,Teta,Beta,branch
// is read, and each row is answered as a fresh window answers one click, in a CSV with the header
//     output,M1,Teta,Beta,branch,Mn1,Mn2,M2,p2p1,T2T1,outcome,messages,shock_Mn1,shock_Mn2,
//     shock_M2,shock_p2p1,shock_rho2rho1,shock_T2T1,shock_p02p01,theta_max,beta_at_theta_max,
//     beta_sonic,theta_sonic,beta_branch,beta_other_branch,m1_least_attached
// `output` is M1, Teta, Beta or empty for none chosen; `branch` weak or strong; M1, Teta and Beta
// are the texts typed into the boxes, an empty field leaving its box as it was and the output's
// own field ignored. A sixth column, gamma, may give each request's ratio of specific heats, a
// plain decimal number above 1 and at most 3 (GasOfRatio, with the file's decimal mark), empty
// for the window's 1.4; a row with any other gamma is refused. The header's names, the outputs
// and the branches are read whatever their case and the blanks around them, and the header may
// give the columns in any order: the answer has them in that order, under the header's names,
// before the results. The answer gives
// the three boxes as shown after the click, the result boxes the click wrote (empty where it
// wrote none), the outcome (solved, refused, detached, failed or no-output), every message in
// order, one per line, and the whole shock of the request (ShockDetails), empty where a value
// does not apply. A record that cannot be a request is refused with a message that names its
// line, or its first and last line, and the records after it are answered. Numbers are written
// with ".", whatever the locale, so that the file reads the same everywhere; a header separated
// by ";", as a spreadsheet with decimal commas writes it, makes the whole file ";"-separated, read
// with "," as a decimal mark beside "." and written with ",".
class Batch {
public:
    // The answers, header first, are appended to `out`; a note for each input text that goes on
    // after the number it is read as (`line 2: M1 "2,5" read as 2`), one per line, to `notes`.
    Batch(std::string& out, std::string& notes);

    void Feed(std::string_view data);
    // The exit status: 0 when the input was read, whatever the rows' outcomes; 2 when its header
    // is missing or wrong, which Problem() then tells.
    int Finish();
    const std::string& Problem() const { return m_problem; }
    // What was read, once Finish() has returned 0: how many records followed the header, how
    // many of them were requests and answered, and which spanned several lines:
    //     4 records read, 3 requests answered; lines 3–5 were one record
    std::string Summary() const;

private:
    void Header(const CsvRecord& record);
    void Row(const CsvRecord& record);

    std::string& m_out;
    std::string& m_notes;
    CsvReader m_reader;
    bool m_headerRead = false;
    // Where the header put each of the request's columns, in the order output, M1, Teta, Beta,
    // branch and gamma, and how many it named: 5, or 6 with the gas's.
    std::array<std::size_t, 6> m_at{};
    std::size_t m_fields = 5;
    std::string m_problem;
    std::int64_t m_records = 0;
    std::int64_t m_answered = 0;
    // The records that span several lines: "3–5" for the first few, and how many there were.
    std::vector<std::string> m_spans;
    std::int64_t m_spanCount = 0;
};

inline constexpr std::string_view BatchHeader = "output,M1,Teta,Beta,branch";

// Reads the requests from `in` and writes the answers to `out`; the notes and the summary, or a
// missing or wrong header, are said on `errors`. A regular file is read in 64 KiB pieces; any
// other input (a pipe, a terminal) is read from its descriptor as its data comes, and each answer
// is written and flushed as soon as its line is read, so `in` must not have been read through
// before. Returns the exit status: 0, 2 for the header (Batch::Finish), or 1 when the input
// could not be read or the answers could not be written, which is said on `errors` instead.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* errors);
