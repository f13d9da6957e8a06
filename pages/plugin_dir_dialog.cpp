// pages/plugin_dir_dialog.cpp
#include "pages/plugin_dir_dialog.h"

#include <shlobj.h>

#include "pages/message_box.h"
#include "resources/resource.h"
#include "support/com_pointer.h"
#include "support/com_scope.h"
#include "support/paths.h"
#include "support/wide_text.h"

const char kFullPathRequiredText[] =
    "Please enter the full path of a folder, for example C:\\Program Files\\Editor\\Plug-Ins\\";
// Around the name that Windows keeps for a device.
const char kDeviceNameFolderStart[] = "Windows keeps the name \"";
const char kDeviceNameFolderEnd[] =
    "\" for a device: a folder of that name could not be opened or removed again. Please choose "
    "another folder.";
const char kUnrepresentableFolderText[] =
    "This version of Windows cannot pass the name of that folder to the installer exactly. "
    "Please choose a folder whose name uses only the characters of your system's language, or "
    "use Windows 10 version 1903 or later.";

namespace {

constexpr int kPathBufferSize = 260;

// Item lists that the shell allocated are given back to the shell's allocator.
class ShellAllocator {
public:
    ShellAllocator() { SHGetMalloc(malloc_.Out()); }
    void Free(void* block) const {
        if (malloc_.Get() != nullptr && block != nullptr) {
            malloc_->Free(block);
        }
    }

private:
    ComPointer<IMalloc> malloc_;
};

class ItemList {
public:
    ItemList(const ShellAllocator& allocator, LPITEMIDLIST list)
        : allocator_(allocator), list_(list) {}
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    ~ItemList() { allocator_.Free(list_); }
    LPITEMIDLIST Get() const { return list_; }

private:
    const ShellAllocator& allocator_;
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
    // Anything but a full path would put the plug-in wherever the current directory happens
    // to be.
    if (!IsFullDirectoryPath(typed)) {
        InstallerMessageBox(kFullPathRequiredText, MB_OK);
        return;
    }
    const std::string device = DeviceNameIn(typed);
    if (!device.empty()) {
        InstallerMessageBox((kDeviceNameFolderStart + device + kDeviceNameFolderEnd).c_str(),
                            MB_OK);
        return;
    }
    directoryText_ = typed;
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
    ShellAllocator allocator;
    LPITEMIDLIST drives = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(Window(), CSIDL_DRIVES, &drives))) {
        drives = nullptr;
    }
    const ItemList root(allocator, drives);

    wchar_t displayName[kPathBufferSize] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = Window();
    browse.pidlRoot = root.Get();
    browse.pszDisplayName = displayName;
    browse.lpszTitle = L"Select Plugin Installation Directory";
    browse.ulFlags = BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
    const ItemList chosen(allocator, SHBrowseForFolderW(&browse));
    bool exact = true;
    if (chosen.Get() != nullptr) {
        // The path is written into a buffer of exactly the size the call may fill.
        wchar_t path[kPathBufferSize] = {};
        Text bytes;
        if (SHGetPathFromIDListW(chosen.Get(), path)) {
            path[kPathBufferSize - 1] = L'\0';
            exact = TextFromWide(path, bytes);
            if (exact) {
                directoryText_ = bytes.Bytes();
            }
        }
    }
    ShowFields();
    if (!exact) {
        InstallerMessageBox(kUnrepresentableFolderText, MB_OK);
    }
}
