// Command picker (2200 to 2299).
#pragma once

#define IDD_FRMALIAS 2200
#define IDL_FRMALIAS_LIST 2201
#define IDB_FRMALIAS_ABBRUCH 2202
