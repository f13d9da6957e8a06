// support/command_line.h
#pragma once

#include <string>
#include <vector>

// The program's arguments as Windows splits them, the program's own path first, in the ANSI
// code page.
std::vector<std::string> CommandLineArguments();
