#pragma once

#include "shell/ShellRequest.h"

#include <cstdio>
#include <string>
#include <string_view>

// What one request from the shell shows: a row for each box the user typed into or the request
// wrote, in window order, the texts aligned after the labels:
//     M1     2
//     θ      10
//     β      39.3139
// Boxes neither typed into nor written keep what a fresh window holds (a blank, a result box's
// "1") and have no row; a box written empty (β of a detached shock) has its label alone.
std::string RequestTable(const ShellRequest& request, const ShellAnswer& answer);

// The whole shock of the request (ShockDetails), a row for each value that applies, aligned as
// the table is:
//     Mn1        1.26714
//     …
//     β at θmax  64.669
// Empty for a request that solved nothing and found no detached shock.
std::string ShockTable(const ShellAnswer& answer);

// The exit status when the answer, or the figure beside it, could not be written, whatever the
// request's outcome.
inline constexpr int WriteFailedStatus = 1;

// The error of a read or a write that failed: errno as it left it (cleared before it), or EIO
// where the library set none.
int StreamError();

// Writes `text` to `stream` and flushes it. Returns 0, or the error number of the write or the
// flush that failed.
int WriteAll(std::FILE* stream, std::string_view text);

// Says on `errors` that the answer could not be written, for the error number `error`, and
// returns WriteFailedStatus.
int AnswerLost(std::FILE* errors, int error);

// An answer as the shell shows it: the table on `out`, and after an empty line the shock's; then on
// `errors`, one per line, the notes on the texts the request read (ReadNotes, with
// `decimalSeparator`), since reading comes first, and the messages in the order the window shows
// them. Returns the exit status (ExitStatus), or WriteFailedStatus when the table, a note or a
// message could not be written (said on `errors` where it still can be).
int PrintAnswer(const ShellRequest& request, const ShellAnswer& answer,
                const std::string& decimalSeparator, std::FILE* out, std::FILE* errors);

// One request from the shell: the answer printed as PrintAnswer does. Returns its status.
// `chart`, when given, receives the request's drawing, as Answer says.
int RunOneRequest(const ShellRequest& request, const std::string& decimalSeparator, std::FILE* out,
                  std::FILE* errors, ChartSurface* chart = nullptr);
