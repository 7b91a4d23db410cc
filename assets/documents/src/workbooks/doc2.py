"""Глоссарийl: construction-economics terms on three topical sheets.

The terms live in glossary.txt; each sheet is sorted in Russian alphabetical
order here, so new terms can be appended anywhere in the source."""
import os
from fods import Workbook, Sheet

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'glossary.txt')


def load():
    sheets = []
    with open(SOURCE, encoding='utf-8') as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            if line.startswith('=='):
                name, caption = (p.strip() for p in line[2:].split('|'))
                sheets.append((name, caption, []))
                continue
            term, definition, note = (p.strip() for p in line.split('|'))
            sheets[-1][2].append((term, definition, note))
    for _, _, terms in sheets:
        terms.sort(key=lambda t: t[0].lower().replace('ё', 'е'))
    return sheets


def expected():
    return {'terms': sum(len(t) for _, _, t in load())}


def build():
    wb = Workbook('Глоссарий терминов экономики строительства',
                  'Термины и определения: ценообразование, затраты и финансы, организация строительства и труд',
                  'глоссарий; термины; экономика строительства',
                  'Краткий словарь терминов экономики строительства с формулами расчёта показателей.')
    sheets = load()
    total = sum(len(t) for _, _, t in sheets)
    for idx, (name, caption, terms) in enumerate(sheets):
        s = wb.add(Sheet(name, landscape=False, freeze=(4, 0), header_rows=(3, 3),
                         header_center='Глоссарий терминов экономики строительства — ' + caption))
        s.set(0, 0, 'Глоссарий терминов экономики строительства', 'title', span=(1, 4))
        s.set(1, 0, 'Раздел %d. %s (%d терминов; всего в глоссарии %d)' % (idx + 1, caption, len(terms), total),
              'caption', span=(1, 4))
        s.row(3, 0, ['№', 'Термин', 'Определение', 'Формула / примечание'], 'head')
        for i, (term, definition, note) in enumerate(terms):
            s.row(4 + i, 0, [i + 1, term, definition, note], ['numtop', 'term', 'defn', 'formula'])
        r = 5 + len(terms)
        s.set(r, 0, 'Разделы глоссария: Лист1 — ценообразование и сметное дело; Лист2 — затраты, себестоимость, '
              'финансы и анализ;', 'note', span=(1, 4))
        s.set(r + 1, 0, 'Лист3 — организация строительства, труд и договорные отношения. '
              'Обозначения в формулах расшифрованы в определениях соответствующих терминов.', 'note', span=(1, 4))
        for c, w in enumerate([0.9, 4.6, 9.0, 4.2]):
            s.col_width(c, w)
    return wb
