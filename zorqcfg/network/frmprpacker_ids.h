// Packers (4600 to 4649). The six fields are numbered 0 to 5 (name, pack,
// unpack, suffix, identifier, list): label and field of field f are
// LABEL + f and FIELD + f.
#pragma once

#define IDD_FRMPRPACKER 4600
#define IDL_FRMPRPACKER_NAMES 4601
#define IDT_FRMPRPACKER_LABEL 4610
#define IDE_FRMPRPACKER_FIELD 4620
#define IDC_FRMPRPACKER_OPTIONEN 4630
#define IDT_FRMPRPACKER_F 4631
#define IDT_FRMPRPACKER_A 4632
#define IDT_FRMPRPACKER_NOTE 4633
#define IDB_FRMPRPACKER_NAECHSTER 4640
#define IDB_FRMPRPACKER_VORHERIGER 4641
#define IDB_FRMPRPACKER_ABBRUCH 4642
#define IDB_FRMPRPACKER_OK 4643
