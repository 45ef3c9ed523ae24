// Net box picker (4400 to 4449).
#pragma once

#define IDD_FRMBOX 4400
#define IDL_FRMBOX_BOXES 4401
#define IDB_FRMBOX_ABBRUCH 4402
