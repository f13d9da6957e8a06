// resources/install_contract.h
// Every name the installer writes and the uninstaller (or a test) reads back: change one here and
// both programs follow. Folder names end with "\"; key paths are below HKEY_CURRENT_USER.
#pragma once

namespace contract {

// The file-location records: one key per component, one value per file, named after a location
// key.
inline constexpr char kProductKey[] = "Software\\Tarvelle";
inline constexpr char kFilesKey[] = "Software\\Tarvelle\\files\\";
inline constexpr char kPluginComponent[] = "pigmorademo";
inline constexpr char kShellComponent[] = "tarvelleshell";
inline constexpr char kFileLocationPrefix[] = "filelocation.";
// The location key of the shell itself and of the shell's own copy of the plug-in; of the line
// for a folder of the user's choice; of the host added when the search found none.
inline constexpr char kShellLocationKey[] = "tarvelleshell";
inline constexpr char kUserSelectedLocationKey[] = "user_selected";
inline constexpr char kOtherLocationKey[] = "other";

// The uninstall entry and its values.
inline constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvelle";
inline constexpr char kUninstallStringValue[] = "UninstallString";
inline constexpr char kDisplayNameValue[] = "DisplayName";
inline constexpr char kDisplayVersionValue[] = "DisplayVersion";
inline constexpr char kPublisherValue[] = "Publisher";
inline constexpr char kInstallLocationValue[] = "InstallLocation";
inline constexpr char kUrlInfoAboutValue[] = "URLInfoAbout";
inline constexpr char kNoModifyValue[] = "NoModify";
inline constexpr char kNoRepairValue[] = "NoRepair";
// Written after the eight above: the entry shows the shell's icon.
inline constexpr char kDisplayIconValue[] = "DisplayIcon";
// The entry's display name is also the uninstaller's window title.
inline constexpr char kUninstallerTitle[] = "Tarvelle Uninstall Manager";
inline constexpr char kDisplayVersion[] = "1.0";
inline constexpr char kPublisher[] = "Tarvelle";
inline constexpr char kMakerWebAddress[] = "https://www.tarvelle.example/";

// Files and folders: the install directory below Program Files and what it holds, the plug-in's
// name in every place it goes, and the folder of hand-added hosts below Program Files.
inline constexpr char kInstallFolder[] = "Tarvelle\\";
inline constexpr char kShellFile[] = "TarvelleShell.exe";
inline constexpr char kUninstallerFile[] = "uninstall.exe";
inline constexpr char kShellPluginFolder[] = "plugins\\";
inline constexpr char kPresetsFolder[] = "presets\\";
inline constexpr char kPresetsFile[] = "PigmoraPresets.ini";
inline constexpr char kPluginBaseName[] = "Tarvelle_Pigmora_Demo";
inline constexpr char kHostPluginExtension[] = "8bf";
inline constexpr char kShellPluginExtension[] = "tvplg";
// The installer's own folder inside a host's plug-in folder.
inline constexpr char kHostPluginSubfolder[] = "tvl\\";
inline constexpr char kDefaultPluginFolder[] = "plugins\\";

// The shell's shortcuts: on the all-users desktop and in the all-users Start menu's programs.
inline constexpr char kShortcutFile[] = "Tarvelle Shell.lnk";
inline constexpr char kStartMenuProgramsFolder[] = "Programs\\";
inline constexpr char kDesktopShortcutDescription[] = "Tarvelle Shell Image Editor";
inline constexpr char kStartMenuShortcutDescription[] = "Tarvelle Shell";

}  // namespace contract
