// Weekday chooser of the schedule editor (5200 to 5249). The boxes of
// Sunday to Saturday are TAG + 0 to TAG + 6.
#pragma once

#define IDD_FRMWOCH 5200
#define IDC_FRMWOCH_FRAME 5201
#define IDX_FRMWOCH_TAG 5210
#define IDB_FRMWOCH_OK 5220
