// install/install_locations.h
#pragma once

#include "support/text.h"

// The product's own directory: "Tarvelle\" below the Program Files folder.
Text InstallRoot();
// The plug-in directory of hosts added by hand: "plugins\" directly below Program Files.
Text DefaultPluginFolder();
// Whether a file can be created directly in the Program Files folder: the installer's only
// test of the user's rights.
bool HasAdminRights();
