#pragma once
// Resource identifiers. Shared by the resource script and the code, so plain #defines only.

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_TERMS_OF_USE 101
#define IDD_ORVEX_DIALOG 102
#define IDD_WINDOW_TREE 135
#define IDD_OPTIONS 142
#define IDD_SEND_MESSAGE 143

// Icons, cursors and bitmaps
#define IDR_MAINFRAME 128
#define IDI_FINDER_IDLE 130
#define IDI_FINDER_DRAGGING 131
#define IDC_FINDER_TARGET 132
#define IDB_VIEW_TOOLBAR 133
#define IDB_PROPERTY_MARKER 134
#define IDB_TREE_IMAGES 136
#define IDB_TREE_TOOLBAR 137
#define IDI_FINDER_WATCHING 140
#define IDB_WINDOW_TOOLBAR 141
#define IDI_SEND_MESSAGE 144

// Menus
#define IDR_TREE_VIEW_OPTIONS 138
#define IDR_PROPERTY_MENU 145
#define IDR_TREE_CONTEXT_MENU 146

// String table: the program's messages
#define IDS_HOTKEY_FAILED 1
#define IDS_FINDER_PROMPT 5
#define IDS_INVALID_WINDOW 6

// Controls of the main dialog
#define IDC_FINDER_TOOL 102

// Commands (their tooltips share the identifiers)
#define ID_VIEW_TOGGLE 32780
#define ID_VIEW_REFRESH 32781
#define ID_VIEW_WINDOW_TREE 32782
#define ID_VIEW_OPTIONS 32783
#define ID_VIEW_WATCH_CURSOR 32784
#define ID_WINDOW_HIGHLIGHT 32785
#define ID_WINDOW_ENABLE_VISIBLE 32786
#define ID_WINDOW_SEND_MESSAGE 32787
#define ID_PROPERTY_COPY 32789
#define ID_APP_ABOUT 57664
