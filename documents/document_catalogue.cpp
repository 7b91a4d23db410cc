#include "document_catalogue.h"

// Compiled with code page 1251 as the execution character set, so these
// literals are the very bytes of the file names. The "l" ending "Глоссарийl" is
// a Latin letter and the "V" of "Раздел V" a Latin capital, as printed in the book.
const std::array<TDocumentEntry, 7> DocumentCatalogue{{
    {"Button1", "Анализ динамики затрат в стр-ве", "DOC1", "Анализ динамики затрат в стр-ве.xls"},
    {"Button5", "Глоссарийl", "DOC2", "Глоссарийl.xls"},
    {"Button6", "Себестоимость стр-во", "DOC3", "Себестоимость стр-во.xls"},
    {"Button71", "СТРУКТУРНЫЙ Анализ себестоимости в стр-ве", "DOC4",
     "СТРУКТУРНЫЙ Анализ себестоимости в стр-ве.xls"},
    {"Button38", "Таблица по Аренде", "DOC8", "Таблица по Аренде.xls"},
    {"Button2", "Отраслевое соглашение", "DOC9", "Отраслевое соглашение.docx"},
    {"Button3", "Раздел V Отраслевого соглашения", "DOC10", "Раздел V Отраслевого соглашения.docx"},
}};
