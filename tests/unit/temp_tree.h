// tests/unit/temp_tree.h
#pragma once

#include <windows.h>

#include <string>

// A directory tree of a test's own below the temporary folder, removed with everything in it
// (attributes cleared first) when the object goes.
class TempTree {
public:
    explicit TempTree(const std::string& name) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter_++);
        Remove(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree() { Remove(root_); }

    // The root without a trailing separator.
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

    // Makes relative ("a\b\c") with all missing parents; its full path with a trailing "\".
    std::string Make(const std::string& relative, DWORD attributes = 0) {
        std::string path = root_;
        std::size_t start = 0;
        while (start <= relative.size()) {
            const std::size_t end = relative.find('\\', start);
            path += "\\" + relative.substr(start, end - start);
            CreateDirectoryA(path.c_str(), nullptr);
            if (end == std::string::npos) {
                break;
            }
            start = end + 1;
        }
        if (attributes != 0) {
            SetFileAttributesA(path.c_str(), attributes);
        }
        return path + "\\";
    }

    void MakeFile(const std::string& relative, const std::string& bytes = "") {
        HANDLE file = CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

private:
    static void Remove(const std::string& path) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        WIN32_FIND_DATAA entry{};
        HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = entry.cFileName;
                if (name == "." || name == "..") {
                    continue;
                }
                const std::string child = path + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Remove(child);
                } else {
                    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(find, &entry));
            FindClose(find);
        }
        RemoveDirectoryA(path.c_str());
    }

    static inline int counter_ = 0;
    std::string root_;
};
