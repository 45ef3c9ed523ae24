// Control and template IDs of the shared dialogs (100 to 199).
#pragma once

#define IDD_INPUTBOX 100
#define IDT_INPUTBOX_PROMPT 101
#define IDE_INPUTBOX_TEXT 102
