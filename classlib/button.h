#pragma once

#include "control.h"

#include <functional>

using TNotifyEvent = std::function<void(TObject* sender)>;

// A push button in the system's classic style.
class TButton : public TControl {
public:
    TButton(std::string_view name, std::string_view caption);

    TNotifyEvent OnClick;
    void Click() override;

protected:
    void* CreateWindowHandle(void* parent, const TBounds& bounds) override;

private:
    std::string caption_;
};
