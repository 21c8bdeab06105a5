#pragma once

#include "shell/ShellRequest.h"

#include <cstdio>
#include <string>

// What one request from the shell shows: a row for each box the user typed into or the request
// wrote, in window order, the texts aligned after the labels:
//     M1     2
//     θ      10
//     β      39.3139
// Boxes neither typed into nor written keep what a fresh window holds (a blank, a result box's
// "1") and have no row; a box written empty (β of a detached shock) has its label alone.
std::string RequestTable(const ShellRequest& request, const ShellAnswer& answer);

// The exit status when the figure beside the answer could not be written, whatever the request's
// outcome.
inline constexpr int WriteFailedStatus = 1;

// An answer as the shell shows it: the table on `out`, each message on `errors`, one per line.
// Returns the exit status (ExitStatus).
int PrintAnswer(const ShellRequest& request, const ShellAnswer& answer, std::FILE* out,
                std::FILE* errors);

// One request from the shell: the answer printed as PrintAnswer does. Returns its status.
// `chart`, when given, receives the request's drawing, as Answer says.
int RunOneRequest(const ShellRequest& request, const std::string& decimalSeparator, std::FILE* out,
                  std::FILE* errors, ChartSurface* chart = nullptr);
