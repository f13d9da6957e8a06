// support/command_line_win32.cpp
#include "support/command_line.h"

#include <windows.h>

#include <shellapi.h>

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

std::vector<std::string> CommandLineArguments() {
    const WideArguments wide;
    std::vector<std::string> arguments;
    for (int i = 0; i < wide.Count(); ++i) {
        const int size =
            WideCharToMultiByte(CP_ACP, 0, wide.At(i), -1, nullptr, 0, nullptr, nullptr);
        std::string text(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.At(i), -1, text.data(), size, nullptr, nullptr);
        text.resize(text.size() - 1);
        arguments.push_back(text);
    }
    return arguments;
}
