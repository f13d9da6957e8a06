// support/held_folder_win32.cpp
#include <windows.h>

#include <winternl.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/busy_file.h"
#include "support/file_attributes_win32.h"
#include "support/files.h"
#include "support/held_folder.h"
#include "support/link_target.h"
#include "support/link_trust.h"
#include "support/paths.h"
#include "support/wide_text.h"

namespace {

// Not in every SDK's headers: "the create operation stopped after reaching a symbolic link".
constexpr DWORD kStoppedOnLink = 681;
// The rights a held folder is opened with: enough to look inside, nothing that conflicts with
// another program's ordinary use of it, and without sharing deletion, which pins its name.
constexpr ACCESS_MASK kFolderAccess =
    FILE_TRAVERSE | FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

// Opens name relative to the folder handle parent. The NTSTATUS becomes the last error.
OwnedHandle OpenRelative(void* parent, const Text& name, ACCESS_MASK access, ULONG share,
                         ULONG disposition, ULONG options, ULONG attributes = 0) {
    std::wstring wide = WideFromText(name);
    // A device name would be made as a folder that no path call can reach again. Asked of the
    // system's own units: a code page of one byte a character has "COM¹"'s digit as a byte.
    if (!IsPlainName(name.View()) || IsDeviceName(std::wstring_view(wide))) {
        SetLastError(ERROR_INVALID_NAME);
        return OwnedHandle();
    }
    if (wide.empty()) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return OwnedHandle();
    }
    UNICODE_STRING objectName;
    objectName.Buffer = wide.data();
    objectName.Length = static_cast<USHORT>(wide.size() * sizeof(wchar_t));
    objectName.MaximumLength = objectName.Length;
    OBJECT_ATTRIBUTES object;
    InitializeObjectAttributes(&object, &objectName, OBJ_CASE_INSENSITIVE, parent, nullptr);
    IO_STATUS_BLOCK status{};
    HANDLE handle = nullptr;
    const NTSTATUS result = NtCreateFile(&handle, access | SYNCHRONIZE | FILE_READ_ATTRIBUTES,
                                         &object, &status, nullptr, attributes, share, disposition,
                                         options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
    if (result < 0) {
        SetLastError(RtlNtStatusToDosError(result));
        return OwnedHandle();
    }
    return OwnedHandle(handle);
}

// Asked of the handle, which names the link itself where Windows opened the link; and of the
// path, for file systems (Wine's) that open a link's target whatever they are asked and show
// the link only in a listing.
bool OpenedALink(const OwnedHandle& opened, const Text& path) {
    FileAttributes byHandle;
    FileAttributes byPath;
    return (file_handle::ReadAttributes(opened.Get(), byHandle) &&
            byHandle.Has(FileAttribute::ReparsePoint)) ||
           (ReadFileAttributes(path, byPath) && byPath.Has(FileAttribute::ReparsePoint));
}

std::vector<Text> NamesAfter(const std::string& path, std::size_t start) {
    const std::vector<std::string> names = NamesFrom(path, start);
    return std::vector<Text>(names.begin(), names.end());
}

// Where a link leads, read through its own handle (the link's, not its target's) from the
// reparse data the file system keeps for it. False where that cannot be read: Wine keeps none for
// its links, which are Unix ones, and opens their target whatever it is asked.
bool ReadLinkTarget(const OwnedHandle& link, const Text& linkFolder, Text& target) {
    std::vector<std::uint8_t> data(kLongestReparseData);
    DWORD bytes = 0;
    if (!DeviceIoControl(link.Get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                         static_cast<DWORD>(data.size()), &bytes, nullptr)) {
        return false;
    }
    data.resize(bytes);
    const std::wstring folder = WideFromText(linkFolder);
    std::u16string path;
    return LinkTargetPath(data, std::u16string(folder.begin(), folder.end()), path) &&
           TextFromWide(std::wstring(path.begin(), path.end()), target);
}

// Opens root and then each name through the folder before it, appending every handle to chain;
// path becomes the folder as opened, ending with "\". A junction or symbolic link on the way is
// crossed only where mayCrossLink and MayFollowLinkAt allow it, to the target its own reparse
// data names, which is opened the same way from its own root while the link's handle stays held.
// Behind that link lies another drive's folder that may be any user's: no further link is
// crossed, there or on the rest of the path.
bool OpenChain(const Text& root, const std::vector<Text>& names, ULONG disposition,
               bool mayCrossLink, std::vector<OwnedHandle>& chain, Text& path) {
    chain.emplace_back(CreateFileA(root.CStr(), kFolderAccess,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!chain.back().IsOpen()) {
        return false;
    }
    path = root;
    for (const Text& name : names) {
        const Text here = path + name.CStr();
        OwnedHandle next = OpenRelative(
            chain.back().Get(), name, kFolderAccess, FILE_SHARE_READ | FILE_SHARE_WRITE,
            disposition, FILE_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT, FILE_ATTRIBUTE_NORMAL);
        if (!next.IsOpen()) {
            return false;
        }
        const bool isLink = OpenedALink(next, here);
        chain.push_back(std::move(next));
        if (isLink) {
            Text target;
            if (!mayCrossLink || !MayFollowLinkAt(here) ||
                !ReadLinkTarget(chain.back(), path, target)) {
                return Fail(kStoppedOnLink);
            }
            mayCrossLink = false;
            // The target has to be there: nothing is made on another drive's behalf.
            std::size_t namesStart = 0;
            const Text targetRoot(RootOf(target.Bytes(), namesStart));
            Text targetPath;
            if (!OpenChain(targetRoot, NamesAfter(target.Bytes(), namesStart), FILE_OPEN, false,
                           chain, targetPath)) {
                return false;
            }
        }
        path = here + "\\";
    }
    return true;
}

}  // namespace

bool HeldFolder::Open(const Text& folder, bool create) {
    chain_.clear();
    path_.Clear();
    std::size_t namesStart = 0;
    const Text root(RootOf(folder.Bytes(), namesStart));
    if (root.IsEmpty()) {
        return Fail(ERROR_BAD_PATHNAME);
    }
    const std::vector<Text> names = NamesAfter(folder.Bytes(), namesStart);
    // Windows counts a path's length in UTF-16 units, not in our bytes.
    std::size_t length = WideFromText(root).size();
    for (const Text& name : names) {
        length += WideFromText(name).size() + 1;
    }
    if (length > kLongestDirectoryPath) {
        return Fail(ERROR_FILENAME_EXCED_RANGE);
    }
    std::vector<OwnedHandle> chain;
    Text path;
    if (!OpenChain(root, names, create ? FILE_OPEN_IF : FILE_OPEN, true, chain, path)) {
        return false;
    }
    chain_ = std::move(chain);
    path_ = path;
    return true;
}

OwnedHandle HeldFolder::OpenFile(const Text& name, std::uint32_t access) const {
    return OpenEntry(name, access, FILE_NON_DIRECTORY_FILE);
}

OwnedHandle HeldFolder::OpenFolder(const Text& name, std::uint32_t access) const {
    return OpenEntry(name, access, FILE_DIRECTORY_FILE);
}

OwnedHandle HeldFolder::OpenEntry(const Text& name, std::uint32_t access,
                                  std::uint32_t kind) const {
    OwnedHandle entry =
        OpenRelative(Handle(), name, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     FILE_OPEN, kind | FILE_OPEN_REPARSE_POINT);
    if (entry.IsOpen() && OpenedALink(entry, path_ + name.CStr())) {
        SetLastError(kStoppedOnLink);
        return OwnedHandle();
    }
    return entry;
}

OwnedHandle HeldFolder::CreateNewFile(const Text& name) const {
    return OpenRelative(Handle(), name, GENERIC_WRITE | DELETE, FILE_SHARE_READ, FILE_CREATE,
                        FILE_NON_DIRECTORY_FILE, FILE_ATTRIBUTE_NORMAL);
}

bool HeldFolder::RemoveEmptyFolder(const Text& name) const {
    const OwnedHandle folder = OpenFolder(name, DELETE);
    // A folder with anything in it refuses the mark.
    return folder.IsOpen() && file_handle::MarkForDeletion(folder.Get(), true);
}

namespace file_handle {

bool MarkForDeletion(void* file, bool marked) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = marked ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != FALSE;
}

bool MoveInto(void* file, const HeldFolder& folder, const Text& name) {
    const std::wstring wide = WideFromText(name);
    if (wide.empty()) {
        return Fail(ERROR_INVALID_NAME);
    }
    // The name is relative to the folder's handle. Passed to the kernel as it is: the Win32
    // wrapper of some systems (Wine's) turns a relative name into a full path first.
    const ULONG nameBytes = static_cast<ULONG>(wide.size() * sizeof(wchar_t));
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFORMATION) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFORMATION*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = folder.Handle();
    rename->FileNameLength = nameBytes;
    std::memcpy(rename->FileName, wide.data(), nameBytes);
    return RetryWhileBusy([&] {
        IO_STATUS_BLOCK status{};
        const NTSTATUS result =
            NtSetInformationFile(file, &status, rename, static_cast<ULONG>(buffer.size()),
                                 static_cast<FILE_INFORMATION_CLASS>(FileRenameInformation));
        return result >= 0 || Fail(RtlNtStatusToDosError(result));
    });
}

bool ReadAttributes(void* file, FileAttributes& attributes) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) {
        return false;
    }
    attributes = AttributesFromSystem(information.dwFileAttributes);
    return true;
}

bool ReadIdentity(void* file, FileIdentity& identity) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) {
        return false;
    }
    identity.volume = information.dwVolumeSerialNumber;
    identity.index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    identity.links = information.nNumberOfLinks;
    return true;
}

bool WriteAttributes(void* file, const FileAttributes& attributes) {
    FILE_BASIC_INFO basic{};
    // Zero times leave the times as they are.
    basic.FileAttributes = SystemAttributes(attributes);
    return SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

bool Flush(void* file) {
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace file_handle
