#pragma once

// Real input from the test driver, through the system's input queue, to
// whichever window is in the foreground, as a person's keyboard and mouse.
#include <windows.h>

namespace test {

// Brings `window` to the foreground so that input reaches it; false if it
// did not come.
bool BringToFront(HWND window);
void PressKey(WORD key, bool withShift = false);
// Clicks the left button at the centre of `window` (screen coordinates).
void ClickCentreOf(HWND window);
void DoubleClickAt(POINT screen);
// The window that has the keyboard focus in `window`'s thread.
HWND FocusIn(HWND window);
// Waits up to `milliseconds` until `condition()` holds; returns whether it did.
template <class Condition>
bool WaitUntil(Condition condition, int milliseconds = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (static_cast<int>(GetTickCount() - start) > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace test
