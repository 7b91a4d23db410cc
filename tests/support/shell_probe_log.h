#pragma once

// What the test prefix's registered "application" (shell_probe.exe) saw each
// time the shell started it for a document.
#include <string>
#include <vector>

namespace test {

struct ShellRequest {
    int showCommand = -1;        // wShowWindow from its start-up info
    std::wstring commandLine;    // as GetCommandLineW gave it
};

inline constexpr wchar_t kShellProbeLog[] = L"C:\\probe\\opened.log";

void ClearShellRequests();
// Every request logged so far; waits up to `waitMilliseconds` for at least
// `count` of them, or, with `count` 0, the whole time, so a late one shows.
std::vector<ShellRequest> ShellRequests(std::size_t count = 0, int waitMilliseconds = 0);

}  // namespace test
