#pragma once

// The command line. Without arguments, or with only the toolkit's own options (-platform,
// -style, …), the program opens its window; any other argument asks for the calculator from the
// shell, which needs no display: one request printed as a table, or many read and written as CSV.

// Whether the arguments ask for the calculator from the shell.
bool WantsShell(int argc, char* argv[]);

// Runs the calculator from the shell and returns the exit status: 0 solved (or help, version, a
// batch that was read), 1 the answer or the figure of --chart could not be written (whatever the
// request's outcome), 2 a wrong command line or batch header, 3 a request refused, 4 no attached
// shock, 5 a calculation that failed.
int RunFromShell(int argc, char* argv[]);
