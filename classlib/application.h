#pragma once

#include "window_ref.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

class Exception;
class TForm;

// The process's application object: it owns the forms, runs the one message
// loop, and shows every error that reaches it in the default error report.
class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Joins the single-threaded COM apartment that the shell's open requests
    // expect.
    void Initialize();

    // Creates a form owned by the application and stores it in `reference`;
    // the first form created becomes the main form. When construction fails,
    // `reference` is left empty and the error passes on.
    template <class Form>
    void CreateForm(Form*& reference) {
        reference = nullptr;
        auto form = std::make_unique<Form>(*this);
        Form* created = form.get();
        Adopt(std::move(form));
        reference = created;
    }

    // Shows the main form and dispatches messages until it is closed. An
    // error raised while one message is handled is reported, and the loop goes on.
    void Run();

    // The default error report: the message as a sentence in an error box
    // captioned with the title. Anything that is not an Exception is shown as
    // an empty one.
    void HandleException(std::exception_ptr error) noexcept;
    void ShowException(const Exception& error) noexcept;

    TForm* MainForm() const noexcept { return mainForm_; }

    // Called by the main form when its window goes: ends the loop.
    void Terminate() noexcept;

private:
    void Adopt(std::unique_ptr<TForm> form);

    std::string title_;
    bool comInitialized_ = false;
    TForm* mainForm_ = nullptr;
    std::vector<std::unique_ptr<TForm>> forms_;
};

// The one application object, made before the entry point runs.
extern TApplication Application;
