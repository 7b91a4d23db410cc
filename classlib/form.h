#pragma once

#include "button.h"
#include "control.h"
#include "definition.h"

#include <memory>
#include <string>
#include <vector>

struct tagMSG;
class TApplication;
class TFont;

// A top-level window with a thin fixed frame, a system menu and a minimise
// button, built from a TFormDefinition. It is created hidden; the
// application's loop shows it. When it is the application's main form, its
// closing ends the loop.
class TForm : public TControl {
public:
    explicit TForm(TApplication& application);
    ~TForm() override;

    void Show();

    // Gives the form a first look at a queued message for its keyboard
    // navigation; true when the form has dealt with it.
    bool PreTranslateMessage(const tagMSG* message);

    // A control made from the definition, by name; throws when there is none
    // of that name and class.
    template <class Control>
    Control* FindComponent(std::string_view name) const {
        auto* control = dynamic_cast<Control*>(FindControl(name));
        if (!control) ThrowMissingComponent(name);
        return control;
    }

protected:
    // Builds the window and its controls from `definition`, scaled to the
    // screen's density. Called once, from the derived form's constructor.
    void Load(const TFormDefinition& definition);

    // The handler a definition names for an event; the derived form publishes
    // its handlers here. An unknown name fails the loading.
    virtual TNotifyEvent FindMethod(std::string_view name);

    void* CreateWindowHandle(void* parent, const TBounds& bounds) override;
    std::intptr_t WindowProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    TControl* FindControl(std::string_view name) const;
    [[noreturn]] static void ThrowMissingComponent(std::string_view name);
    std::unique_ptr<TControl> MakeControl(const TControlDefinition& definition);
    const TFont& FontFor(const TFontDefinition& definition);
    void CollectTabStops(const TControl& container);
    void MoveFocus(bool forward);
    void RememberFocus();
    void RestoreFocus();
    bool MoveFocusAmongButtons(TControl& focused, bool forward);

    TApplication& application_;
    std::wstring className_;
    std::string caption_;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    int designPixelsPerInch_ = 96;
    int designTextHeight_ = 13;
    std::vector<std::unique_ptr<TFont>> fonts_;
    std::vector<std::unique_ptr<TControl>> components_;
    std::vector<TControl*> tabStops_;  // every tab stop of the form, in tab order
    void* lastFocus_ = nullptr;
};
