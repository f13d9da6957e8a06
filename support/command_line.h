// support/command_line.h
#pragma once

#include <optional>
#include <string>
#include <vector>

// The program's arguments as Windows splits them, the program's own path first, in the program's
// code page; none when the code page cannot hold one of them exactly (its best-fit look-alike
// could name another file).
std::optional<std::vector<std::string>> CommandLineArguments();
