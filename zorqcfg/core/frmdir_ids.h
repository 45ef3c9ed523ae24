// Directory picker (1200 to 1249).
#pragma once

#define IDD_FRMDIR 1200
#define IDC_FRMDIR_DRIVES 1201
#define IDL_FRMDIR_TREE 1202
#define IDB_FRMDIR_ABBRUCH 1203
#define IDB_FRMDIR_OK 1204
