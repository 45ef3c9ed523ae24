// Start parameters (3300 to 3399). The check boxes of row r (port r, row 9
// the sysop port) are PORT + r, FENSTER + r and IMMER + r.
#pragma once

#define IDD_FRMSTART 3300
#define IDC_FRMSTART_FRAME 3301
#define IDX_FRMSTART_PORT 3310
#define IDX_FRMSTART_FENSTER 3320
#define IDX_FRMSTART_IMMER 3330
#define IDB_FRMSTART_ABBRUCH 3340
#define IDB_FRMSTART_OK 3341
