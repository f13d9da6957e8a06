// support/command_line_win32.cpp
#include "support/command_line.h"

#include <windows.h>

#include <shellapi.h>

#include "support/wide_text.h"

namespace {

// The list CommandLineToArgvW allocates, given back with LocalFree.
class WideArguments {
public:
    WideArguments() : list_(CommandLineToArgvW(GetCommandLineW(), &count_)) {}
    WideArguments(const WideArguments&) = delete;
    WideArguments& operator=(const WideArguments&) = delete;
    ~WideArguments() { LocalFree(list_); }
    int Count() const { return list_ != nullptr ? count_ : 0; }
    const wchar_t* At(int index) const { return list_[index]; }

private:
    int count_ = 0;
    LPWSTR* list_;
};

}  // namespace

std::optional<std::vector<std::string>> CommandLineArguments() {
    const WideArguments wide;
    std::vector<std::string> arguments;
    for (int i = 0; i < wide.Count(); ++i) {
        Text argument;
        if (!TextFromWide(wide.At(i), argument)) {
            return std::nullopt;
        }
        arguments.push_back(argument.Bytes());
    }
    return arguments;
}
