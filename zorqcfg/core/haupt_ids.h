// Main window (1000 to 1199).
#pragma once

#define IDD_HAUPT 1000
#define IDT_HAUPT_TITLE 1001
#define IDB_HAUPT_ABBRUCH 1002
