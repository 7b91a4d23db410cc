// A main window whose construction fails, for a test-only build of the
// program: TERVALEN_TEST_FAILURE says how ("exception" or "other").
#include "exceptions.h"
#include "form1.h"

#include <cstdlib>
#include <string>

TForm1* Form1 = nullptr;

namespace {
const TFormSettings kSettings{"TForm1", "Tervalen", 504, 127, 700, 261};
}

TForm1::TForm1(TApplication& owner) : TForm(owner, kSettings) {
    const char* failure = std::getenv("TERVALEN_TEST_FAILURE");
    if (failure && std::string(failure) == "other") throw 42;
    throw Exception("The main window could not be built: Нет ресурса");
}
