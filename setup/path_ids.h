// Installation directory (8200 to 8299).
#pragma once

#define IDD_PATH 8200
#define IDT_PATH_LABEL1 8201
#define IDE_PATH_TEXT1 8202
#define IDB_PATH_AUSWAHL 8203
#define IDB_PATH_WEITER 8204
#define IDB_PATH_ABBRUCH 8205
