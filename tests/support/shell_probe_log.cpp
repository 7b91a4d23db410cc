#include "shell_probe_log.h"

#include "test_files.h"

#include <windows.h>

namespace test {

void ClearShellRequests() { DeleteFileW(kShellProbeLog); }

std::vector<ShellRequest> ShellRequests(std::size_t count, int waitMilliseconds) {
    // The shell starts the probe asynchronously; it writes each request as one
    // line "SHOW<TAB>COMMAND LINE" in UTF-16.
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(waitMilliseconds);
    for (;;) {
        std::vector<ShellRequest> requests;
        if (auto bytes = ReadFile(kShellProbeLog)) {
            std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / sizeof(wchar_t));
            std::size_t start = 0;
            for (std::size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
                const std::wstring line = text.substr(start, end - start);
                const std::size_t tab = line.find(L'\t');
                if (tab == std::wstring::npos) continue;
                requests.push_back({std::stoi(line.substr(0, tab)), line.substr(tab + 1)});
            }
        }
        // With count 0 the caller expects none: wait the whole time for a late one.
        if ((count > 0 && requests.size() >= count) || static_cast<LONG>(GetTickCount() - deadline) >= 0) {
            return requests;
        }
        Sleep(50);
    }
}

}  // namespace test
