// User picker (1300 to 1349).
#pragma once

#define IDD_FRMSELUS 1300
#define IDL_FRMSELUS_USERS 1301
#define IDB_FRMSELUS_ABBRUCH 1302
