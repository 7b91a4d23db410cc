#pragma once

// Internal to the class layer: how its controls meet Win32's windows.
#include <windows.h>

#include <string>

class TControl;

// Registers, once per process, a window class whose messages go to the
// TControl that created the window (passed as the creation parameter).
// Classes are unregistered when the program ends.
void RegisterControlClass(const std::wstring& className, bool withApplicationIcon);

// The control a window of ours belongs to (own classes and system controls
// alike), or null.
TControl* ControlFromWindow(HWND window) noexcept;
void AttachControl(HWND window, TControl* control) noexcept;
