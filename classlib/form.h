#pragma once

#include "window_ref.h"

#include <cstdint>
#include <string>

struct tagMSG;
class TApplication;

// A form's window-level settings, as its definition gives them.
struct TFormSettings {
    std::string className;
    std::string caption;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

// A top-level window with a fixed thin frame, a system menu and a minimise
// button. It is created hidden; the application's loop shows it. When it is
// the application's main form, its closing ends the loop.
class TForm {
public:
    TForm(TApplication& application, const TFormSettings& settings);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    WindowRef Handle() const noexcept { return WindowRef{window_}; }
    void Show();

    // Gives the form a first look at a queued message (its keyboard
    // navigation); true when the form has dealt with it.
    bool PreTranslateMessage(const tagMSG* message);

private:
    friend struct TFormWindowProcedure;
    std::intptr_t HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    TApplication& application_;
    void* window_ = nullptr;
    void* lastFocus_ = nullptr;
};
