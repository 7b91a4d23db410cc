#include "application.h"

#include "application_title.h"
#include "exceptions.h"
#include "form.h"
#include "message_box.h"
#include "parked_exception.h"
#include "report_text.h"
#include "text.h"

#include <windows.h>
#include <objbase.h>

TApplication Application;

namespace {

std::string ModuleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return TextFromWide(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

TApplication::TApplication() {
    // Load system DLLs from the system folder only, never from the program's
    // own folder or the current directory.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
    title_ = ApplicationTitle(ModuleFileName());
}

TApplication::~TApplication() {
    forms_.clear();
    if (comInitialized_) CoUninitialize();
}

void TApplication::Initialize() {
    comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TApplication::Run() {
    if (!mainForm_) return;
    mainForm_->Show();
    RethrowParkedException();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        try {
            if (!mainForm_->PreTranslateMessage(&message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            RethrowParkedException();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }
}

void TApplication::Terminate() noexcept { PostQuitMessage(0); }

void TApplication::HandleException(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& exception) {
        ShowException(exception);
    } catch (...) {
        ShowException(Exception(""));
    }
}

void TApplication::ShowException(const Exception& error) noexcept {
    const WindowRef owner = mainForm_ ? mainForm_->Handle() : WindowRef{};
    ShowErrorBox(owner, title_, ReportText(error.Message()));
}
