// payloads/uninstaller/file_records.h
#pragma once

#include <string>
#include <vector>

// One "filelocation.*" value the installer wrote: which component's key, the value's name and
// the file it names.
struct FileRecord {
    std::string component;
    std::string name;
    std::string path;
};

// Every file-location record of both components, for the current user.
std::vector<FileRecord> ReadFileRecords();
// Forgets one record once its file is gone.
void DeleteFileRecord(const FileRecord& record);
// "InstallLocation" of the uninstall entry (ending with "\"), or empty.
std::string InstallLocation();
// The records' keys and the uninstall entry, once nothing is left to remove.
void DeleteProductKeys();
