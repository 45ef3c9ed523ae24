// Port chooser (3000 to 3099). The button of port k is PORT + k.
#pragma once

#define IDD_FRMPORT 3000
#define IDC_FRMPORT_FRAME 3001
#define IDB_FRMPORT_PORT 3010
#define IDB_FRMPORT_ABBRUCH 3020
