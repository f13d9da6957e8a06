// resources/resource.h
// The ids shared by the resource script, the pages and the end-to-end driver.
#pragma once

// Pictures.
#define IDI_TARVELLE 128
#define IDB_SIDE_PICTURE 129
// The side picture twice as large, which the pages scale to the display (RCDATA).
#define IDR_SIDE_PICTURE_LARGE 150

// Payloads, resources of type "BIN".
#define IDR_PAYLOAD_PLUGIN 130
#define IDR_PAYLOAD_PRESETS 134
#define IDR_PAYLOAD_SHELL 138
#define IDR_PAYLOAD_UNINSTALLER 139
#define IDR_PAYLOAD_LICENSE 140

// Dialog templates.
#define IDD_PLUGIN_DIR_DIALOG 175
#define IDD_HOST_SELECTION_PAGE 176
#define IDD_SEARCHING_PAGE 179
#define IDD_MESSAGE_PAGE 181
#define IDD_LICENSE_PAGE 184
#define IDD_CHOICE_PAGE 185

// Controls. Continue>> is IDOK (1) and Cancel is IDCANCEL (2) on every page.
#define IDC_PAGE_TEXT 1001
#define IDC_APPLICATION_NAME 1003
#define IDC_PLUGIN_DIRECTORY 1004
#define IDC_CHANGE_DIRECTORY 1005
#define IDC_HOST_LIST 1006
#define IDC_HOST_OPTIONS 1007
#define IDC_SEARCH_PROGRESS 1009
#define IDC_SIDE_PICTURE 1013
#define IDC_AGREE 1014
#define IDC_DISAGREE 1015
#define IDC_LICENSE_TEXT 1016
#define IDC_INSTALL_SHELL 1017
#define IDC_SEARCH_HOSTS 1018

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
