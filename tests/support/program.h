#pragma once

// Drives a copy of a Windows program from outside, as a person would: starts
// it, finds its windows and message boxes, closes it, reads its exit code.
#include <windows.h>

#include <string>
#include <vector>

namespace test {

// The full path of a file that sits beside the test executable.
std::wstring BesideThisExecutable(const std::wstring& name);

class Program {
public:
    // Starts `executable` with `argument` (quoted); `environment` entries
    // ("NAME=value") are added to ours.
    explicit Program(const std::wstring& executable, const std::vector<std::wstring>& environment = {},
                     const std::wstring& argument = L"");
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return process_.dwProcessId; }
    // The first visible top-level window of this process with that class,
    // waiting for it up to `milliseconds`; null if none came.
    HWND WaitForWindow(const wchar_t* className, int milliseconds = 20000) const;
    // The same, as things stand now, without waiting.
    HWND FindWindowOf(const wchar_t* className) const;
    // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(int milliseconds = 20000);

private:
    PROCESS_INFORMATION process_{};
};

// Every window below `window`, children's children included.
std::vector<HWND> DescendantsOf(HWND window);
std::wstring ClassOf(HWND window);
// A child window's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND child);

// The text of a window, or of a message box's text control.
std::wstring TextOf(HWND window);
std::wstring MessageBoxText(HWND box);
void PressOk(HWND box);

}  // namespace test
