// Languages (7200 to 7249). The label, field and "Edit" button of slot i
// (0 the main language) are LABEL + i, NAME + i and EDIT + i.
#pragma once

#define IDD_SPRACHEN 7200
#define IDC_SPRACHEN_FRAME 7201
#define IDT_SPRACHEN_LABEL 7210
#define IDE_SPRACHEN_NAME 7220
#define IDB_SPRACHEN_EDIT 7230
#define IDB_SPRACHEN_ABBRUCH 7240
#define IDB_SPRACHEN_OK 7241
