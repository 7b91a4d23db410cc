#include "program.h"

namespace test {

std::wstring BesideThisExecutable(const std::wstring& name) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + name;
}

namespace {

std::wstring EnvironmentBlock(const std::vector<std::wstring>& extra) {
    std::wstring block;
    wchar_t* current = GetEnvironmentStringsW();
    for (const wchar_t* entry = current; *entry; entry += wcslen(entry) + 1) {
        block += entry;
        block += L'\0';
    }
    FreeEnvironmentStringsW(current);
    for (const std::wstring& entry : extra) {
        block += entry;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[256];
    GetClassNameW(window, className, 256);
    if (owner == search->processId && IsWindowVisible(window) && wcscmp(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

Program::Program(const std::wstring& executable, const std::vector<std::wstring>& environment,
                 const std::wstring& argument) {
    std::wstring command = L"\"" + executable + L"\"";
    if (!argument.empty()) command += L" \"" + argument + L"\"";
    std::wstring block = EnvironmentBlock(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(executable.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        block.data(), nullptr, &startup, &process_)) {
        process_ = {};
    }
}

Program::~Program() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Program::FindWindowOf(const wchar_t* className) const {
    Search search{process_.dwProcessId, className, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::WaitForWindow(const wchar_t* className, int milliseconds) const {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowOf(className)) return window;
        if (static_cast<int>(GetTickCount() - start) > milliseconds) return nullptr;
        Sleep(50);
    }
}

DWORD Program::WaitForExit(int milliseconds) {
    if (!process_.hProcess) return STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, static_cast<DWORD>(milliseconds));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<HWND> DescendantsOf(HWND window) {
    std::vector<HWND> all;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

RECT PlaceOf(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = L"";
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    wchar_t text[1024] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

}  // namespace test
