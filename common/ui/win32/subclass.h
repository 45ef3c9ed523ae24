// Hooks into a control's messages, as comctl32's SetWindowSubclass does, but
// keeps the list of hooks in the program. comctl32 looks its list up in a
// window property at every message the control gets, and under Wine each
// such lookup is a round trip to the window server: a list box filled with a
// few hundred rows paid for a few hundred of them.
#pragma once

#include <windows.h>

namespace ui {

using SubclassHook = LRESULT(CALLBACK*)(HWND control, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                        DWORD_PTR data);

// Adds hook (under id) to control's messages; the latest hook added sees a
// message first. The same hook and id again only replace its data. The hooks
// go with the window: each still gets WM_NCDESTROY, to free its data.
bool Subclass(HWND control, SubclassHook hook, UINT_PTR id, DWORD_PTR data);
// The data of hook under id on control, when it is there.
bool FindSubclass(HWND control, SubclassHook hook, UINT_PTR id, DWORD_PTR* data);
// From inside a hook: hands the message on to the hooks added before it, and
// at last to the control itself.
LRESULT CallNextHook(HWND control, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace ui
