// support/program_path.h
#pragma once

#include "support/text.h"

// The full path of this program's executable; empty when the code page cannot hold it exactly.
Text ThisProgramPath();
