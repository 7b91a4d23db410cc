// Holds a file open with no sharing, as an office application does with a
// document it shows, until the test lets go of it.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, L"TervalenTestHolding");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TervalenTestRelease");
    SetEvent(holding);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    CloseHandle(release);
    CloseHandle(holding);
    return 0;
}
