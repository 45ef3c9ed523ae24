// Memory limits (3500 to 3599). Label and field of row i are LABEL + i and
// FIELD + i, in the order boards, users, net boxes, editor lines, letters.
#pragma once

#define IDD_FRMPRSSPEICHER 3500
#define IDT_FRMPRSSPEICHER_LABEL 3501
#define IDE_FRMPRSSPEICHER_FIELD 3511
#define IDB_FRMPRSSPEICHER_ABBRUCH 3520
#define IDB_FRMPRSSPEICHER_OK 3521
