#include "form1.h"

#include "document_catalogue.h"
#include "export_folder.h"
#include "form1_definition.h"
#include "open_embedded_document.h"

#include <array>
#include <utility>

TForm1* Form1 = nullptr;

TForm1::TForm1(TApplication& owner) : TForm(owner) {
    Load(Form1Definition);
    PageControl1 = FindComponent<TPageControl>("PageControl1");
    TabSheet1 = FindComponent<TTabSheet>("TabSheet1");
    Button1 = FindComponent<TButton>("Button1");
    Button5 = FindComponent<TButton>("Button5");
    Button6 = FindComponent<TButton>("Button6");
    Button71 = FindComponent<TButton>("Button71");
    Button38 = FindComponent<TButton>("Button38");
    Image1 = FindComponent<TImage>("Image1");
    Button2 = FindComponent<TButton>("Button2");
    Button3 = FindComponent<TButton>("Button3");
    // The folder exists, where it can be made, before any button can be pressed.
    EnsureExportFolder();
}

TNotifyEvent TForm1::FindMethod(std::string_view name) {
    using Handler = void (TForm1::*)(TObject*);
    static constexpr std::array<std::pair<std::string_view, Handler>, 7> kPublished{{
        {"Button1Click", &TForm1::Button1Click},
        {"Button5Click", &TForm1::Button5Click},
        {"Button6Click", &TForm1::Button6Click},
        {"Button71Click", &TForm1::Button71Click},
        {"Button38Click", &TForm1::Button38Click},
        {"Button2Click", &TForm1::Button2Click},
        {"Button3Click", &TForm1::Button3Click},
    }};
    for (const auto& [published, handler] : kPublished) {
        if (published == name) return [this, handler](TObject* sender) { (this->*handler)(sender); };
    }
    return TForm::FindMethod(name);
}

void TForm1::Button1Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button1"), Handle()); }
void TForm1::Button5Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button5"), Handle()); }
void TForm1::Button6Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button6"), Handle()); }
void TForm1::Button71Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button71"), Handle()); }
void TForm1::Button38Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button38"), Handle()); }
void TForm1::Button2Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button2"), Handle()); }
void TForm1::Button3Click(TObject*) { OpenEmbeddedDocument(CatalogueRow("Button3"), Handle()); }
