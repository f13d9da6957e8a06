// support/files_win32.cpp
#include <windows.h>

#include "support/exception.h"
#include "support/file_attributes_win32.h"
#include "support/file_sink.h"
#include "support/files.h"

HandleSink::~HandleSink() = default;

std::int32_t HandleSink::Write(const char* data, std::int32_t length) {
    DWORD written = 0;
    const DWORD count = length > 0 ? static_cast<DWORD>(length) : 0;
    if (!WriteFile(handle_, data, count, &written, nullptr)) {
        throw Exception(ExceptionCode::FileWrite);
    }
    return static_cast<std::int32_t>(written);
}

FileSink::FileSink(const Text& path)
    : HandleSink(CreateFileA(path.CStr(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr)),
      file_(handle_) {
    if (!file_.IsOpen()) {
        throw Exception(ExceptionCode::FileOpen);
    }
}

void FileSink::Close() {
    file_.Close();
    handle_ = INVALID_HANDLE_VALUE;
}

bool ReadFileAttributes(const Text& path, FileAttributes& attributes) {
    const DWORD found = GetFileAttributesA(path.CStr());
    if (found == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    attributes = AttributesFromSystem(found);
    return true;
}

bool WriteFileAttributes(const Text& path, const FileAttributes& attributes) {
    return SetFileAttributesA(path.CStr(), SystemAttributes(attributes)) != FALSE;
}

bool RemoveFile(const Text& path) {
    return DeleteFileA(path.CStr()) != FALSE;
}
