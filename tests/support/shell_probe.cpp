// Registered in the test prefix as the application for the documents' types:
// records how the shell started it and ends at once.
#include "shell_probe_log.h"

#include <windows.h>

#include <string>

int wmain() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::wstring line = std::to_wstring(show) + L"\t" + GetCommandLineW() + L"\n";

    CreateDirectoryW(L"C:\\probe", nullptr);
    // Appends under an exclusive open, retrying, so that requests made in
    // quick succession do not overwrite each other.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE log = CreateFileW(test::kShellProbeLog, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(log, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
            CloseHandle(log);
            return 0;
        }
        Sleep(25);
    }
    return 1;
}
