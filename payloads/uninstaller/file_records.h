// payloads/uninstaller/file_records.h
#pragma once

#include <string>
#include <vector>

// One "filelocation.*" value under a component's key: which component, the value's name and
// the file it names. The key is the user's own, so any program the user runs may have written
// it: a record is a claim, checked before anything is done with it.
struct FileRecord {
    std::string component;
    std::string name;
    std::string path;
};

// Every file-location record of both components, for the current user.
std::vector<FileRecord> ReadFileRecords();
// Forgets one record once its file is gone.
void DeleteFileRecord(const FileRecord& record);
// Once nothing is left to remove: the uninstall entry, and the records' keys where nothing but
// the records removed was in them (a value the installer did not write stays, with its keys).
void DeleteProductKeys();
