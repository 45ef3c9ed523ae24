// Main window (8000 to 8099).
#pragma once

#define IDD_SETUPMAIN 8000
