#include "common_controls.h"

#include "exceptions.h"

#include <windows.h>
#include <commctrl.h>

namespace {

// The library stays loaded while the program runs: its window classes are in use.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name)
        : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
    ~SystemLibrary() {
        if (module_) FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    HMODULE Module() const noexcept { return module_; }

private:
    HMODULE module_;
};

}  // namespace

void EnsureTabControlClass() {
    static const SystemLibrary commonControls(L"comctl32.dll");
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto* init = commonControls.Module()
                     ? reinterpret_cast<InitFunction>(
                           reinterpret_cast<void*>(GetProcAddress(commonControls.Module(), "InitCommonControlsEx")))
                     : nullptr;
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
    if (!init || !init(&classes)) throw Exception("Cannot load the common controls");
}
