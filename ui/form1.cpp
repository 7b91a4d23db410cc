#include "form1.h"

#include "export_folder.h"

TForm1* Form1 = nullptr;

namespace {
const TFormSettings kMainWindow{"TForm1", "Tervalen", 504, 127, 700, 261};
}

TForm1::TForm1(TApplication& owner) : TForm(owner, kMainWindow) {
    // The folder exists, where it can be made, before any button can be pressed.
    EnsureExportFolder();
}
