#pragma once
// The terminal a job's progress is drawn on. Whether the output is one is
// the system's to say; the drawing is ANSI escapes, which a Windows console
// draws as well once its virtual-terminal mode is on.
#include <cstddef>
#include <string>

// Whether standard output is a terminal that draws the escapes below (where
// the terminal must be told to, having told it). Otherwise progress goes out
// as plain lines, for a log.
bool OutputIsTerminal();

// Erases from the cursor to the end of its line.
inline constexpr const char* EraseLineEnd = "\x1b[K";

// Moves the cursor to the start of the line `lines` above it.
inline std::string LinesUp(size_t lines) { return "\x1b[" + std::to_string(lines) + "F"; }
