// The main window of a test-only build whose construction fails once its
// window exists: TERVALEN_TEST_FAILURE says with what ("exception", or
// "other" for an error object that is not an Exception).
#include "exceptions.h"
#include "form1.h"

#include <cstdlib>
#include <string>

TForm1* Form1 = nullptr;

namespace {
constexpr TFormDefinition kWindowOnly{"TForm1", "Tervalen", 504, 127, 700, 261, {"MS Sans Serif", -11, false}, 96, 13, {}};
}

TForm1::TForm1(TApplication& owner) : TForm(owner) {
    Load(kWindowOnly);
    const char* failure = std::getenv("TERVALEN_TEST_FAILURE");
    if (failure && std::string(failure) == "other") throw 42;
    throw Exception("The main window could not be built: Нет ресурса");
}

TNotifyEvent TForm1::FindMethod(std::string_view name) { return TForm::FindMethod(name); }
