// Group picker (1350 to 1399).
#pragma once

#define IDD_FRMSELGRU 1350
#define IDL_FRMSELGRU_GROUPS 1351
#define IDB_FRMSELGRU_ABBRUCH 1352
