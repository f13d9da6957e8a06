// pages/plugin_dir_dialog.cpp
#include "pages/plugin_dir_dialog.h"

#include <shlobj.h>

#include "pages/message_box.h"
#include "resources/page_texts.h"
#include "resources/resource.h"
#include "support/com_scope.h"
#include "support/owned_handle.h"
#include "support/paths.h"
#include "support/wide_text.h"

namespace {

constexpr int kPathBufferSize = 260;

// An item list that the shell allocated, given back to the shell's allocator, which is COM's
// task allocator.
class ItemList {
public:
    explicit ItemList(LPITEMIDLIST list) : list_(list) {}
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    ~ItemList() { CoTaskMemFree(list_); }
    LPITEMIDLIST Get() const { return list_; }

private:
    LPITEMIDLIST list_;
};

// The control's text in the program's code page; false when the code page cannot hold it
// exactly (its best-fit look-alike would be another folder).
bool DialogItemText(HWND dialog, int id, std::string& text) {
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthW(control);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    Text bytes;
    if (!TextFromWide(wide, bytes)) {
        return false;
    }
    text = bytes.Bytes();
    return true;
}

// Why a typed folder is refused, in the user's words.
std::string RefusalText(const TypedFolder& read) {
    switch (read.fault) {
        case TypedFolderFault::DeviceName:
            return kDeviceNameFolderStart + read.name + kDeviceNameFolderEnd;
        case TypedFolderFault::EndsInDotOrSpace:
            return kFolderNameStart + read.name + kTrailingDotFolderEnd;
        case TypedFolderFault::ForbiddenCharacter:
            return kFolderNameStart + read.name + kForbiddenCharacterFolderEnd;
        default:
            return kFullPathRequiredText;
    }
}

// A path for the wide calls at any length: read already, it needs no more reading by them.
std::wstring LongForm(const std::string& path) {
    const std::wstring wide = WideFromText(Text(path));
    return wide.compare(0, 2, L"\\\\") == 0 ? L"\\\\?\\UNC\\" + wide.substr(2) : L"\\\\?\\" + wide;
}

std::wstring ShortForm(const std::wstring& path) {
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
        return L"\\\\" + path.substr(8);
    }
    return path.compare(0, 4, L"\\\\?\\") == 0 ? path.substr(4) : path;
}

enum class LinkResult { NoLink, Resolved, Unreachable, Unrepresentable };

// The install opens every name of the folder's path without following any link, so a folder
// the user reaches through a junction or a symbolic link he made would fail at the write. The
// folder the link leads to is the one he means: the existing part of the path is asked for its
// final name once, here, and the names below it that the install will make are kept.
LinkResult FolderPastLinks(const TypedFolder& read, std::string& folder) {
    std::string path = read.root;
    std::string deepest;
    std::size_t existing = 0;
    bool link = false;
    for (const std::string& name : read.names) {
        path += name;
        const DWORD attributes = GetFileAttributesW(LongForm(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            break;
        }
        link = link || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        deepest = path;
        ++existing;
        path += "\\";
    }
    if (!link) {
        return LinkResult::NoLink;
    }
    const OwnedHandle opened(CreateFileW(LongForm(deepest).c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                         nullptr));
    std::wstring finalPath(kPathBufferSize, L'\0');
    DWORD length = 0;
    while (opened.IsOpen()) {
        length = GetFinalPathNameByHandleW(opened.Get(), finalPath.data(),
                                           static_cast<DWORD>(finalPath.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length < finalPath.size()) {
            break;
        }
        finalPath.resize(length);
    }
    if (length == 0) {
        return LinkResult::Unreachable;
    }
    finalPath.resize(length);
    Text target;
    if (!TextFromWide(ShortForm(finalPath), target)) {
        return LinkResult::Unrepresentable;
    }
    std::string text = target.Bytes();
    for (std::size_t i = existing; i < read.names.size(); ++i) {
        text += "\\" + read.names[i];
    }
    if (read.folder.back() == '\\') {
        text += "\\";
    }
    const TypedFolder past = ReadTypedFolder(text);
    if (past.fault != TypedFolderFault::None) {
        return LinkResult::Unreachable;
    }
    folder = past.folder;
    return LinkResult::Resolved;
}

}  // namespace

PluginDirDialog::PluginDirDialog(HostRecord& host)
    : Dialog(IDD_PLUGIN_DIR_DIALOG),
      host_(host),
      applicationName_(host.displayName.Bytes()),
      directoryText_(host.pluginDirectory.Bytes()) {}

BOOL PluginDirDialog::OnInitDialog() {
    ShowFields();
    return TRUE;
}

void PluginDirDialog::ShowFields() {
    SetItemText(IDC_APPLICATION_NAME, applicationName_.c_str());
    SetItemText(IDC_PLUGIN_DIRECTORY, directoryText_.c_str());
}

void PluginDirDialog::OnOK() {
    std::string typed;
    if (!DialogItemText(Window(), IDC_PLUGIN_DIRECTORY, typed)) {
        InstallerMessageBox(kUnrepresentableFolderText, MB_OK);
        return;
    }
    // Anything but a full path would put the plug-in wherever the current directory happens to
    // be; the other faults would end in a write that fails, or in another folder than typed.
    const TypedFolder read = ReadTypedFolder(typed);
    if (read.fault != TypedFolderFault::None) {
        InstallerMessageBox(RefusalText(read).c_str(), MB_OK);
        return;
    }
    std::string folder = read.folder;
    switch (FolderPastLinks(read, folder)) {
        case LinkResult::Unreachable:
            InstallerMessageBox(kUnreachableLinkText, MB_OK);
            return;
        case LinkResult::Unrepresentable:
            InstallerMessageBox(kUnrepresentableFolderText, MB_OK);
            return;
        default:
            break;
    }
    directoryText_ = folder;
    End(IDOK);
    host_.pluginDirectory = Text(directoryText_);
}

bool PluginDirDialog::OnCommand(int id, int notification, HWND) {
    if (id == IDC_CHANGE_DIRECTORY && notification == BN_CLICKED) {
        BrowseForDirectory();
        return true;
    }
    return false;
}

void PluginDirDialog::BrowseForDirectory() {
    // The new-style browser hosts shell views, which need COM on this thread (apartment-threaded)
    // for as long as it is open.
    const ComScope com;
    LPITEMIDLIST drives = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(Window(), CSIDL_DRIVES, &drives))) {
        drives = nullptr;
    }
    const ItemList root(drives);

    wchar_t displayName[kPathBufferSize] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = Window();
    browse.pidlRoot = root.Get();
    browse.pszDisplayName = displayName;
    browse.lpszTitle = kBrowseFolderTitle;
    browse.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
    const ItemList chosen(SHBrowseForFolderW(&browse));
    bool exact = true;
    // The path is written into a buffer of exactly the size the call may fill.
    wchar_t path[kPathBufferSize] = {};
    if (chosen.Get() != nullptr && SHGetPathFromIDListW(chosen.Get(), path)) {
        path[kPathBufferSize - 1] = L'\0';
        Text bytes;
        exact = TextFromWide(path, bytes);
        if (exact) {
            directoryText_ = bytes.Bytes();
        }
    }
    ShowFields();
    if (!exact) {
        InstallerMessageBox(kUnrepresentableFolderText, MB_OK);
    }
}
