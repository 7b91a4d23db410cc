#include "application.h"
#include "form1.h"

// A GUI program: the arguments are not used, and it ends with 0 whatever happened.
int main() {
    try {
        Application.Initialize();
        Application.CreateForm(Form1);
        Application.Run();
    } catch (...) {
        Application.HandleException(std::current_exception());
    }
    return 0;
}
