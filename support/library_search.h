// support/library_search.h
#pragma once

// Windows looks for a DLL loaded by name in the executable's folder first (and, without safe
// search, in the current folder), and our programs run from folders that others can write to:
// an installer in a downloads folder, a copy of the shell wherever a user put it. Each program
// calls this first thing in WinMain, before anything can load a library by name; from then on
// only System32 is searched. The DLLs a program imports are resolved before WinMain, from its
// folder first, so our programs import only kernel32 and the C runtime and delay-load the rest
// (cmake/DelayImports.cmake).
void LoadLibrariesOnlyFromSystem32();
