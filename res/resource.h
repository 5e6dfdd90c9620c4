// Resource ids of Quillon.rc, shared by the resource script and the code.
// Plain #defines only: windres reads this file too.
#ifndef QUILLON_RES_RESOURCE_H
#define QUILLON_RES_RESOURCE_H

// Dialog templates
#define IDD_ABOUTBOX                    100
#define IDD_QUILLON_DIALOG              102
#define IDD_DOWNLOADER_PAGE             131
#define IDD_PLAYER_PAGE                 132

// Strings
#define IDS_ABOUTBOX                    101
#define IDS_SOCKETS_INIT_FAILED         103

// Icons: the program's icon and the task list's state images
#define IDR_MAINFRAME                   128
#define IDI_STATE_ANALYSING             140
#define IDI_STATE_FAILED                141
#define IDI_STATE_COMPLETED             142
#define IDI_STATE_WAITING               143
#define IDI_STATE_TRANSFERRING          144

// Bitmaps: main-window background, page-button states, banner
#define IDB_BACKGROUND                  129
#define IDB_DOWNLOADER_NORMAL           134
#define IDB_DOWNLOADER_DISABLED         135
#define IDB_DOWNLOADER_HOT              136
#define IDB_PLAYER_NORMAL               137
#define IDB_PLAYER_DISABLED             138
#define IDB_PLAYER_HOT                  139
#define IDB_BANNER                      146

// Menus
#define IDR_TASK_MENU                   145

// Main window (template 102)
#define IDC_EXPLORER                    1000
#define IDC_PAGE_FRAME                  1001
#define IDC_DOWNLOADER_PAGE_BUTTON      1009
#define IDC_PLAYER_PAGE_BUTTON          1010
#define IDC_BANNER                      1018

// Downloader page (template 131)
#define IDC_URL                         1002
#define IDC_DOWNLOAD                    1003
#define IDC_SAVE_TO                     1004
#define IDC_BROWSE                      1005
#define IDC_TASK_LIST                   1006
#define IDC_DELETE_TASK                 1012
#define IDC_PLAY_VIDEO                  1014
#define IDC_DELETE_FILE                 1015
#define IDC_HINT                        1016
#define IDC_RETRY                       1017

// Player page (template 132)
#define IDC_SHOCKWAVEFLASH              1008

// Commands of the task menu (IDR_TASK_MENU)
#define ID_TASK_DELETE                  32771
#define ID_TASK_DELETE_FILE             32772
#define ID_TASK_PLAY                    32773
#define ID_TASK_RETRY                   32774

// System-menu command of the about box
#define IDM_ABOUTBOX                    0x0010

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

#endif
