// Command editor (2000 to 2199). Row controls are numbered by command: the
// label, level field and group button of command i are NAME + i, LEVEL + i
// and GRUPPE + i.
#pragma once

#define IDD_FRMPRBEFEHLE 2000
#define IDT_FRMPRBEFEHLE_HEAD 2001  // the nine headings, 2001 to 2009
#define IDT_FRMPRBEFEHLE_NAME 2020
#define IDE_FRMPRBEFEHLE_LEVEL 2070
#define IDB_FRMPRBEFEHLE_GRUPPE 2120
#define IDB_FRMPRBEFEHLE_ABBRUCH 2190
#define IDB_FRMPRBEFEHLE_OK 2191
