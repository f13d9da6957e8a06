// install/admin_rights.h
#pragma once

// Whether a file can be created directly in the Program Files folder: the installer's only
// test of the user's rights.
bool HasAdminRights();
