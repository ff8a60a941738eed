#pragma once
// Resource identifiers. Shared by the resource script and the code, so plain #defines only.

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_TERMS_OF_USE 101
#define IDD_ORVEX_DIALOG 102
#define IDD_WINDOW_TREE 135
#define IDD_OPTIONS 142
#define IDD_SEND_MESSAGE 143
#define IDD_MESSAGE_LOG 147
#define IDD_MESSAGE_FILTER 148
#define IDD_FIND_WINDOW 149

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
#define IDB_ABOUT_BANNER 150

// The toolbar, tree and marker pictures drawn again at 150% and 200% for high-DPI screens; the
// icons and the cursor hold their larger sizes in the same resource.
#define IDB_VIEW_TOOLBAR_150 170
#define IDB_VIEW_TOOLBAR_200 171
#define IDB_WINDOW_TOOLBAR_150 172
#define IDB_WINDOW_TOOLBAR_200 173
#define IDB_PROPERTY_MARKER_150 174
#define IDB_PROPERTY_MARKER_200 175
#define IDB_TREE_IMAGES_150 176
#define IDB_TREE_IMAGES_200 177
#define IDB_TREE_TOOLBAR_150 178
#define IDB_TREE_TOOLBAR_200 179

// The message log's hook libraries and the host of the 32-bit one, carried as data
#define IDR_MESSAGE_HOOK 160
#define IDR_MESSAGE_HOOK32 190
#define IDR_HOOK_HOST32 191

// Menus
#define IDR_TREE_VIEW_OPTIONS 138
#define IDR_PROPERTY_MENU 145
#define IDR_TREE_CONTEXT_MENU 146

// String table: the program's messages
#define IDS_HOTKEY_FAILED 1
#define IDS_INVALID_NUMBER 2
#define IDS_FINDER_PROMPT 5
#define IDS_INVALID_WINDOW 6

// Controls of the main dialog
#define IDC_MAIN_REBAR 100
#define IDC_VIEW_TOOLBAR 101
#define IDC_FINDER_TOOL 102
#define IDC_PROPERTIES 103
#define IDC_WINDOW_TOOLBAR 104
#define IDC_ABOUT_TOOLBAR 105

// Controls of the about box and the terms dialog
#define IDC_ABOUT_TITLE 1000
#define IDC_ABOUT_VERSION 1001
#define IDC_ABOUT_RIGHTS 1002
#define IDC_ABOUT_LICENCE 1003
#define IDC_ABOUT_EMAIL 1004
#define IDC_ABOUT_BANNER 1005
#define IDC_TERMS_TEXT 1006

// Controls of the options dialog
#define IDC_OPTIONS_ALWAYS_ON_TOP 1002
#define IDC_OPTIONS_HOT_KEY 1003
#define IDC_OPTIONS_HIDE_MAIN_WINDOW 1004
#define IDC_OPTIONS_MORE_PROPERTIES 1005

// Controls of the send-message dialog
#define IDC_SENDMSG_MESSAGE 1004
#define IDC_SENDMSG_WPARAM 1005
#define IDC_SENDMSG_LPARAM 1006
#define IDC_SENDMSG_SIGNED 1007
#define IDC_SENDMSG_UNSIGNED 1008
#define IDC_SENDMSG_WATCH 1009
#define IDC_SENDMSG_SEND 1010
#define IDC_SENDMSG_HIDE_MAIN 1012

// Commands (their tooltips share the identifiers)
#define ID_VIEW_TOGGLE 32780
#define ID_VIEW_REFRESH 32781
#define ID_VIEW_WINDOW_TREE 32782
#define ID_VIEW_OPTIONS 32783
#define ID_VIEW_WATCH_CURSOR 32784
#define ID_WINDOW_HIGHLIGHT 32785
#define ID_WINDOW_ENABLE_VISIBLE 32786
#define ID_WINDOW_SEND_MESSAGE 32787
#define ID_WINDOW_MESSAGE_LOG 32800
#define ID_PROPERTY_COPY 32789
// Moving between windows from the property list's menu; Back and Forward walk the finished picks.
#define ID_PROPERTY_GO_PARENT 32801
#define ID_PROPERTY_GO_OWNER 32802
#define ID_PROPERTY_GO_FIRST_CHILD 32803
#define ID_PROPERTY_GO_PREVIOUS 32804
#define ID_PROPERTY_GO_NEXT 32805
#define ID_PROPERTY_BACK 32806
#define ID_PROPERTY_FORWARD 32807
#define ID_PROPERTY_MORE 32808
#define ID_PROPERTY_COPY_JSON 32809
#define ID_VIEW_FIND 32810
#define ID_APP_ABOUT 57664

// The window tree: its string, controls and commands (tooltips share the command identifiers)
#define IDS_WINDOW_NOT_IN_TREE 3
#define IDC_TREE_REBAR 100
#define IDC_TREE_TOOLBAR 101
#define IDC_TREE_TREE 102
#define ID_TREE_HIDE_INVISIBLE 32771
#define ID_TREE_HIDE_UNTITLED 32772
#define ID_TREE_CATEGORIZED 32774
#define ID_TREE_VIEW_OPTIONS 32775
#define ID_TREE_SYNCH 32776
#define ID_TREE_REFRESH 32777
#define ID_TREE_COLLAPSE_ALL 32778
#define ID_TREE_EXPAND_ALL 32779
#define ID_TREE_HIGHLIGHT 32792
#define ID_TREE_ENABLE_VISIBLE 32794

// The message log: its controls and commands
#define IDC_MSGLOG_LIST 100
#define IDC_MSGLOG_TOOLBAR 101
#define IDC_MSGLOG_SCOPE 102
#define IDC_MSGLOG_STATUS 103
#define ID_MSGLOG_START_STOP 32821
#define ID_MSGLOG_CLEAR 32822
#define ID_MSGLOG_FILTER 32823
#define ID_MSGLOG_SAVE 32824
#define ID_MSGLOG_SAVE_ALL 32825
#define ID_MSGLOG_SAVE_SELECTED 32826

// The message log's filter dialog: one check box per category, in the order of the categories
#define IDC_FILTER_MOUSE 1100
#define IDC_FILTER_KEYBOARD 1101
#define IDC_FILTER_NON_CLIENT 1102
#define IDC_FILTER_PAINT 1103
#define IDC_FILTER_FOCUS 1104
#define IDC_FILTER_POSITION 1105
#define IDC_FILTER_TIMER 1106
#define IDC_FILTER_COMMANDS 1107
#define IDC_FILTER_CONTROL 1108
#define IDC_FILTER_OTHER 1109
#define IDC_FILTER_MESSAGE 1110
#define IDC_FILTER_ADD 1111
#define IDC_FILTER_EXCLUDED 1112
#define IDC_FILTER_REMOVE 1113
#define IDC_FILTER_SHOW_ALL 1114
#define IDC_FILTER_HIDE 1115
#define IDC_FILTER_SHOW_ONLY 1116
#define IDC_FILTER_MESSAGES_GROUP 1117

// The Find Window dialog's controls
#define IDC_FIND_TARGET 1150
#define IDC_FIND_VISIBLE 1151
#define IDC_FIND_TOP_LEVEL 1152
#define IDC_FIND_LIST 1153
#define IDC_FIND_COUNT 1154
#define IDC_FIND_LABEL 1155
