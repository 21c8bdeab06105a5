#pragma once

#include "shell/ShellRequest.h"

#include <cstdio>
#include <string>

// What the window shows after a request, as a table of the three input boxes and the five
// result boxes, one per line, the texts aligned after the labels:
//     M1     2
//     θ      10
//     β      39.3139
std::string RequestTable(const ShellAnswer& answer);

// An answer as the shell shows it: the table on `out`, each message on `errors`, one per line.
// Returns the exit status (ExitStatus).
int PrintAnswer(const ShellAnswer& answer, std::FILE* out, std::FILE* errors);

// One request from the shell: the table on `out`, each message the window would show on
// `errors`, one per line. Returns the exit status (ExitStatus). `chart`, when given, receives the
// request's drawing, as Answer says.
int RunOneRequest(const ShellRequest& request, const std::string& decimalSeparator, std::FILE* out,
                  std::FILE* errors, ChartSurface* chart = nullptr);
