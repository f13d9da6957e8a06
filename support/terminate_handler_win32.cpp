// support/terminate_handler_win32.cpp
#include <cstdlib>

// Linked into each program we ship, ahead of the C++ library, so that the library's own
// handler for an exception nobody caught is not linked in: it prints the exception's type to
// standard error, which a windowed program does not have, and brings the whole C++ name
// demangler with it (45 KB, a sixth of the installer's code). Ending the process is all either
// of them does for a windowed program.
namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler();

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
