#include "form.h"

#include "application.h"
#include "exceptions.h"
#include "parked_exception.h"
#include "text.h"

#include <windows.h>

#include <map>
#include <memory>

namespace {

// A registered window class, unregistered when the program ends.
class WindowClass {
public:
    WindowClass(const std::wstring& name, WNDPROC procedure) : name_(name) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        // The application icon; the form has none of its own.
        windowClass.hIcon = LoadIconW(windowClass.hInstance, L"MAINICON");
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = name_.c_str();
        atom_ = RegisterClassExW(&windowClass);
    }
    ~WindowClass() {
        if (atom_) UnregisterClassW(name_.c_str(), GetModuleHandleW(nullptr));
    }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

private:
    std::wstring name_;
    ATOM atom_ = 0;
};

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

}  // namespace

// The one window procedure of all forms: finds the form the window belongs to
// and hands it the message. Nothing thrown may cross back into Win32.
struct TFormWindowProcedure {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            auto* form = static_cast<TForm*>(create->lpCreateParams);
            form->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        }
        auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!form) return DefWindowProcW(window, message, wParam, lParam);
        try {
            return form->HandleMessage(message, wParam, lParam);
        } catch (...) {
            ParkException(std::current_exception());
            return message == WM_NCCREATE ? FALSE : 0;
        }
    }

    static void Register(const std::wstring& className) {
        static std::map<std::wstring, std::unique_ptr<WindowClass>> registered;
        if (!registered.count(className)) {
            registered.emplace(className, std::make_unique<WindowClass>(className, &Procedure));
        }
    }
};

TForm::TForm(TApplication& application, const TFormSettings& settings) : application_(application) {
    const std::wstring className = WideFromText(settings.className);
    TFormWindowProcedure::Register(className);

    RECT frame{0, 0, settings.clientWidth, settings.clientHeight};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    CreateWindowExW(kFormExStyle, className.c_str(), WideFromText(settings.caption).c_str(), kFormStyle,
                    settings.left, settings.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    RethrowParkedException();
    if (!window_) throw Exception("Error creating window");
}

TForm::~TForm() {
    if (window_) {
        HWND window = static_cast<HWND>(window_);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

void TForm::Show() {
    ShowWindow(static_cast<HWND>(window_), SW_SHOWNORMAL);
    UpdateWindow(static_cast<HWND>(window_));
}

bool TForm::PreTranslateMessage(const tagMSG*) { return false; }

std::intptr_t TForm::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    HWND window = static_cast<HWND>(window_);
    switch (message) {
        case WM_ACTIVATE:
            // Like a dialog, keep the focus on the control that had it when the
            // window was left (for an error box, another program, minimising).
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) lastFocus_ = focus;
            } else if (lastFocus_ && IsWindow(static_cast<HWND>(lastFocus_))) {
                SetFocus(static_cast<HWND>(lastFocus_));
                return 0;
            }
            break;
        case WM_DESTROY:
            if (application_.MainForm() == this) application_.Terminate();
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
