// bench/trivial.cpp
// The least a Win32 program can do: start and end.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
