#include "input.h"

namespace test {

namespace {

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

void Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(input);
}

void Mouse(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

void Click(POINT screen) {
    Mouse(MOUSEEVENTF_MOVE, screen);
    Sleep(30);
    Mouse(MOUSEEVENTF_LEFTDOWN, screen);
    Sleep(30);
    Mouse(MOUSEEVENTF_LEFTUP, screen);
}

}  // namespace

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

void PressKey(WORD key, bool withShift) {
    if (withShift) Key(VK_SHIFT, false);
    Key(key, false);
    Sleep(30);
    Key(key, true);
    if (withShift) Key(VK_SHIFT, true);
    // Let the program take the keys before anyone looks at the outcome.
    Sleep(150);
}

void ClickCentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    Sleep(150);
}

void DoubleClickAt(POINT screen) {
    Click(screen);
    Sleep(30);
    Click(screen);
    Sleep(300);
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

}  // namespace test
