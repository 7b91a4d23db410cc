#pragma once

#include "document_entry.h"

#include <array>
#include <stdexcept>

// The seven documents, in the tab order of their buttons on the main window.
// The program is compiled with code page 1251 as its execution character set,
// so these literals are the very bytes of the captions and file names. The
// "l" ending "Глоссарийl" is a Latin letter and the "V" of "Раздел V" a Latin
// capital, as printed in the book.
inline constexpr std::array<TDocumentEntry, 7> DocumentCatalogue{{
    {"Button1", "Анализ динамики затрат в стр-ве", "DOC1", "Анализ динамики затрат в стр-ве.xls"},
    {"Button5", "Глоссарийl", "DOC2", "Глоссарийl.xls"},
    {"Button6", "Себестоимость стр-во", "DOC3", "Себестоимость стр-во.xls"},
    {"Button71", "СТРУКТУРНЫЙ Анализ себестоимости в стр-ве", "DOC4",
     "СТРУКТУРНЫЙ Анализ себестоимости в стр-ве.xls"},
    {"Button38", "Таблица по Аренде", "DOC8", "Таблица по Аренде.xls"},
    {"Button2", "Отраслевое соглашение", "DOC9", "Отраслевое соглашение.docx"},
    {"Button3", "Раздел V Отраслевого соглашения", "DOC10", "Раздел V Отраслевого соглашения.docx"},
}};

// The row of the button named `controlName`; a name without a row does not compile
// where it is used in a constant expression.
constexpr const TDocumentEntry& CatalogueRow(std::string_view controlName) {
    for (const TDocumentEntry& entry : DocumentCatalogue) {
        if (entry.ControlName == controlName) return entry;
    }
    throw std::out_of_range("no catalogue row for this control");
}
