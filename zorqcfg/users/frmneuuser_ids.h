// New-user defaults (7100 to 7149). The label and field of value i
// ("Freiraum", "Rate", "Zeitlimit", "Level") are LABEL + i and VALUE + i.
#pragma once

#define IDD_FRMNEUUSER 7100
#define IDT_FRMNEUUSER_LABEL 7101
#define IDE_FRMNEUUSER_VALUE 7110
#define IDT_FRMNEUUSER_NEU 7120
#define IDL_FRMNEUUSER_NEU 7121
#define IDT_FRMNEUUSER_REST 7122
#define IDL_FRMNEUUSER_REST 7123
#define IDB_FRMNEUUSER_ABBRUCH 7130
#define IDB_FRMNEUUSER_OK 7131
