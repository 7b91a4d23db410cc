#include "shell.h"

#include "text.h"

#include <windows.h>
#include <shellapi.h>

void ShellOpen(WindowRef owner, const std::string& path) noexcept {
    ShellExecuteW(static_cast<HWND>(owner.handle), nullptr, WideFromText(path).c_str(), nullptr, nullptr,
                  SW_RESTORE);
}
