// payloads/shell/file_bytes.cpp
#include "payloads/shell/file_bytes.h"

#include <cstdio>

namespace {

// Closes the file it was given, whatever way the function leaves.
class OpenFile {
public:
    OpenFile(const std::string& path, const char* mode) : file_(std::fopen(path.c_str(), mode)) {}
    ~OpenFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::FILE* Get() const { return file_; }
    // Closes now, to learn whether the last bytes reached the file.
    bool Close() {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return closed;
    }

private:
    std::FILE* file_;
};

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    OpenFile file(path, "rb");
    if (file.Get() == nullptr) {
        return false;
    }
    bytes.clear();
    char chunk[16384];
    std::size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file.Get())) > 0) {
        bytes.append(chunk, read);
    }
    return std::ferror(file.Get()) == 0;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    OpenFile file(path, "wb");
    if (file.Get() == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.Get()) == bytes.size();
    return file.Close() && written;
}
