// Domain routing (4200 to 4249). The three columns are numbered 0 to 2
// (recipient, sender, route): heading, list and field of column c are
// HEAD + c, LIST + c and FIELD + c.
#pragma once

#define IDD_FRMDOMAIN 4200
#define IDT_FRMDOMAIN_HEAD 4201
#define IDL_FRMDOMAIN_LIST 4205
#define IDT_FRMDOMAIN_DOMAIN 4209
#define IDE_FRMDOMAIN_FIELD 4210
#define IDB_FRMDOMAIN_WAHL 4214
#define IDC_FRMDOMAIN_FRAME 4215
#define IDT_FRMDOMAIN_NOTE 4216  // the three explanation lines, 4216 to 4218
#define IDB_FRMDOMAIN_NEU 4220
#define IDB_FRMDOMAIN_LOESCHEN 4221
#define IDB_FRMDOMAIN_ABBRUCH 4222
#define IDB_FRMDOMAIN_OK 4223
