#pragma once
// A user's gestures on a hosted list's real windows, sent as the system sends
// them: clicks, the wheel and keys to the list's window, the border drag to
// the marker window the list shows over a column gap.
#include <windows.h>

#include <functional>

namespace mltest {

// Inside the header band of a list with its border (one pixel, rows 16 high).
constexpr int kHeaderY = 8;

// The column-border marker: the narrowest shown picture box over the list;
// null while none is shown (or the list makes none).
HWND BorderMarker(HWND list);
// The still picture of the list under the marker: the widest shown picture
// box while two are shown, else null.
HWND StillPicture(HWND list);

// Hovers the header band from the left until the marker comes up; the x that
// brought it up, -1 when none did.
int FindBorderGap(HWND list);

// Hovers the gap at `gapX` and drags the marker by `dx` pixels, calling
// `pressed` (if given) while the button is down; false (and nothing
// pressed) when no marker came up.
bool DragBorder(HWND list, int gapX, int dx, const std::function<void(HWND marker)>& pressed = {});

void Click(HWND list, int x, int y);
void DoubleClick(HWND list, int x, int y);
// Press at `fromX`, move to `toX` and release there, all at `y`.
void Drag(HWND list, int fromX, int toX, int y);
// `notches` > 0 turns the wheel towards the user.
void Wheel(HWND list, int x, int y, int notches);
void Key(HWND list, UINT vk);

}  // namespace mltest
