// On/off query of the schedule editor (5100 to 5149).
#pragma once

#define IDD_FRMSPERRE 5100
#define IDT_FRMSPERRE_LABEL 5101
#define IDB_FRMSPERRE_AN 5102
#define IDB_FRMSPERRE_AUS 5103
