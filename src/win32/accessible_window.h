#pragma once
// Accessibility for the list's in-place window: the MSAA object answered on
// WM_GETOBJECT for the client area, and the list's changes told to MSAA
// clients with NotifyWinEvent. It belongs to the window, from its creation
// to its destruction; the object handed out is cut off when the window goes,
// since the list outlives its window and clients may outlive both.
#include <windows.h>

namespace mirelo {
class MireloList;
}

namespace mirelo::win32 {

void AttachAccessibility(MireloList& list, HWND hwnd);
void DetachAccessibility(HWND hwnd);
// The window's WM_SETFOCUS and WM_KILLFOCUS: whether a new selection is also
// announced as the focus. Kept here because asking the system for the focus
// (GetFocus) is a round trip to the Wine server on every key press.
void AccessibilityFocusChanged(HWND hwnd, bool gained);
// The answer to WM_GETOBJECT: the list's object for OBJID_CLIENT, its header's
// and bar's for their own ids, 0 for any other object (the window procedure
// then lets the system answer).
LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam);

}  // namespace mirelo::win32
