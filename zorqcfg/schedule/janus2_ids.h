// Janus2 call mode query of the schedule editor (5150 to 5199).
#pragma once

#define IDD_JANUS2 5150
#define IDT_JANUS2_LABEL 5151
#define IDB_JANUS2_PMS 5152
#define IDB_JANUS2_MAILS 5153
#define IDB_JANUS2_NICHTSSCHICKEN 5154
#define IDB_JANUS2_NICHTSEMPFANGEN 5155
#define IDB_JANUS2_NORMAL 5156
