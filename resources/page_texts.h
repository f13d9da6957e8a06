// resources/page_texts.h
// Every text that the installer's pages, boxes and host list show and that is written in code
// rather than in a dialog template.
#pragma once

inline constexpr char kProductTitle[] = "Tarvelle Pigmora Demo";
inline constexpr char kSupportWebAddress[] = "https://www.tarvelle.example/support";
inline constexpr char kSupportEmail[] = "support@tarvelle.example";

// The pages of a run, in their order.
inline constexpr char kRefusalText[] =
    "This installer needs to run with administrator privileges, please log in as Administrator "
    "or a user with administrator rights and run the installer again.";
inline constexpr char kWelcomeText[] =
    "Welcome to the Tarvelle Installer.\n\nThis program will install Tarvelle Pigmora Demo on "
    "your computer. Click 'Continue' to proceed with the Installation.";
inline constexpr char kSearchNoticeText[] =
    "The installer will now search local hard drives for known host applications, this may take "
    "several minutes. Click 'Continue' to proceed.";
inline constexpr char kSearchDrivesQuestion[] =
    "no host applications were found in 'Program Files' directories, search hard drives?";
inline constexpr char kQuitQuestion[] = "Are you sure you want to quit?";
inline constexpr char kSelectionPrompt[] =
    "Select the host image editing packages to install Tarvelle Pigmora Demo for:";
inline constexpr char kNoHostText[] =
    "The installer has failed to find a host application that supports Tarvelle Pigmora Demo."
    "\n\nIf you would like to continue with the installation, click 'Continue' to manually "
    "select a directory to install the files to.\n\nTo find more info on standard plugin "
    "directories for your host application, please consult the host application's product "
    "documentation.";
// The summary lines: the shell, then one line for each host, around its name.
inline constexpr char kShellSummaryLine[] = ".    TarvelleShell app with plugin\n";
inline constexpr char kHostSummaryLineStart[] = ".    plugin for ";
// The summary page, around the product's title and the summary lines.
inline constexpr char kConfirmationFormat[] =
    "The installer has all the info it needs to install %s for the following:\n\n%sClick "
    "'Continue' to copy the installation files now or 'Cancel' to stop the installation.";
inline constexpr char kThankYouText[] =
    "Thank you for installing Tarvelle.\n\nIf your host image application is running You may "
    "need to restart it in order for the installed plugins to function correctly.";
// The error page, around the support address and email; when files failed, the heading and a
// failure line with its path for each follow.
inline constexpr char kErrorPageFormat[] =
    "An error occurred during installation of one or more components.\n\nPlease contact "
    "technical support at %s or email %s for more information.";
inline constexpr char kErrorListHeading[] = "\n\nerrors:\n";
inline constexpr char kFileNotWrittenLine[] = "\nError writing file ";
// The box of a file that could not be written, around its path.
inline constexpr char kFileNotWrittenFormat[] =
    "Error writing file '%s'.\nMake sure the host application is not running and retry the "
    "installation.";
// The box of a failure that ended the run, around the support address.
inline constexpr char kUnknownExceptionFormat[] =
    "unknown exception during installation \n- please contact us at %s for assistance";

// Button captions that replace the template's.
inline constexpr char kOkCaption[] = "OK";
inline constexpr char kSkipCaption[] = "Skip";

// The host list's lines that the installer adds: a folder of the user's choice beside the hosts
// found, and the one line when none was found.
inline constexpr char kUserSelectedName[] = "user selected plugin location";
inline constexpr char kUserSelectedCaption[] = "user selected plugin file location";
inline constexpr char kUnknownHostName[] = "Unknown Host Application";
inline constexpr char kUnknownHostCaption[] = "Unknown (edit with 'Options' button)";

// The plug-in directory dialog and its folder browser.
inline constexpr wchar_t kBrowseFolderTitle[] = L"Select Plugin Installation Directory";
inline constexpr char kFullPathRequiredText[] =
    "Please enter the full path of a folder, for example C:\\Program Files\\Editor\\Plug-Ins\\";
// Around the name that Windows keeps for a device.
inline constexpr char kDeviceNameFolderStart[] = "Windows keeps the name \"";
inline constexpr char kDeviceNameFolderEnd[] =
    "\" for a device: a folder of that name could not be opened or removed again. Please choose "
    "another folder.";
// Before a name that ends with a dot or a space, or holds a character no name may hold.
inline constexpr char kFolderNameStart[] = "The folder name \"";
inline constexpr char kTrailingDotFolderEnd[] =
    "\" ends with a dot or a space, which Windows drops from the names of folders. Please remove "
    "it or choose another folder.";
inline constexpr char kForbiddenCharacterFolderEnd[] =
    "\" holds a character that Windows does not allow in names: a control character or one of "
    "\\ / : * ? \" < > |. Please choose another folder.";
inline constexpr char kUnreachableLinkText[] =
    "That folder is reached through a link that does not lead to a folder on a drive or network "
    "share. Please choose the folder the link leads to.";
inline constexpr char kUnrepresentableFolderText[] =
    "This version of Windows cannot pass the name of that folder to the installer exactly. "
    "Please choose a folder whose name uses only the characters of your system's language, or "
    "use Windows 10 version 1903 or later.";
