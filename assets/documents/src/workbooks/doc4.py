"""СТРУКТУРНЫЙ Анализ себестоимости в стр-ве: cost price by economic element.

The hidden sheet "1 кв" holds the monthly figures by element and
sub-element; "Структура" derives element totals, shares in percent and
the shift of each share between January and March, all by formula."""
from fods import Workbook, Sheet, a1

ORG = 'ООО «СМУ-7» (условный пример)'

# (code, name, January, February, March) in thousand roubles; an element
# with sub-elements carries None and is summed on the analysis sheet.
# Monthly totals agree with the cost analysis by costing item.
ELEMENTS = [
    ('1', 'Материальные затраты', None),
    ('1.1', 'Сырьё, материалы, конструкции и изделия', (12904.3, 13702.5, 16488.0)),
    ('1.2', 'Работы и услуги производственного характера сторонних организаций', (3612.4, 4105.8, 5702.3)),
    ('1.3', 'Топливо', (1046.2, 1012.7, 912.6)),
    ('1.4', 'Энергия', (1118.5, 1074.9, 951.4)),
    ('2', 'Затраты на оплату труда', (6420.8, 6538.2, 7064.5)),
    ('3', 'Страховые взносы', (1939.1, 1974.5, 2133.5)),
    ('4', 'Амортизация основных средств', (1184.6, 1184.6, 1210.2)),
    ('5', 'Прочие затраты', None),
    ('5.1', 'Аренда машин, помещений и площадок', (1065.0, 1065.0, 1420.0)),
    ('5.2', 'Страхование имущества и налоги, включаемые в себестоимость', (312.4, 318.9, 335.6)),
    ('5.3', 'Иные прочие затраты', (895.9, 991.3, 1311.0)),
]


def expected():
    q1 = sum(sum(v) for _, _, v in ELEMENTS if v)
    return {'total_q1': round(q1, 1)}


def build():
    wb = Workbook('Структурный анализ себестоимости в строительстве',
                  'Структура себестоимости строительно-монтажных работ по элементам затрат, I квартал 2024 г.',
                  'себестоимость; структура; элементы затрат; удельный вес',
                  'Удельный вес элементов затрат в себестоимости по месяцам и за квартал, '
                  'изменение структуры в процентных пунктах.')
    b = wb.add(Sheet('1 кв', hidden=True, freeze=(4, 2), header_rows=(3, 3)))
    b.set(0, 0, 'Исходные данные: себестоимость СМР по элементам затрат, I квартал 2024 г.', 'title', span=(1, 5))
    b.set(1, 0, ORG + ', тыс. руб.', 'subtitle', span=(1, 5))
    b.row(3, 0, ['Код', 'Элемент затрат', 'Январь', 'Февраль', 'Март'], 'head')
    src = {}
    r = 4
    for code, name, vals in ELEMENTS:
        if vals is None:
            b.row(r, 0, [code, name, '', '', ''], ['textb', 'textb', 'n1b', 'n1b', 'n1b'])
        else:
            b.row(r, 0, [code, name] + list(vals), ['textc', 'texti' if '.' in code else 'text', 'n1', 'n1', 'n1'])
        src[code] = r
        r += 1
    b.set(r + 1, 0, 'Данные формы управленческой отчётности о затратах на производство; '
          'используются листом «Структура».', 'note', span=(1, 5))
    for c, w in enumerate([1.2, 9.5, 2.6, 2.6, 2.6]):
        b.col_width(c, w)

    s = wb.add(Sheet('Структура', landscape=True, freeze=(6, 2), header_rows=(3, 5), one_page=True))
    wb.active = 'Структура'
    NC = 12
    s.set(0, 0, 'Структурный анализ себестоимости строительно-монтажных работ за I квартал 2024 г.', 'title', span=(1, NC))
    s.set(1, 0, ORG + '; суммы в тыс. руб., удельный вес в % к итогу. Исходные данные — лист «1 кв».', 'subtitle', span=(1, NC))
    s.set(3, 0, 'Код', 'head', span=(2, 1))
    s.set(3, 1, 'Элемент затрат', 'head', span=(2, 1))
    for i, m in enumerate(['Январь', 'Февраль', 'Март', 'Итого I квартал']):
        s.set(3, 2 + 2 * i, m, 'head', span=(1, 2))
        s.row(4, 2 + 2 * i, ['сумма', 'уд. вес'], 'head')
    s.set(3, 10, 'Изменение уд. веса, п. п.', 'head', span=(1, 2))
    s.row(4, 10, ['февр. к янв.', 'март к янв.'], 'head')
    s.row(5, 0, [str(n) for n in range(1, NC + 1)], 'colno')
    r = 6
    first = r
    rows = {}
    for code, name, vals in ELEMENTS:
        rows[code] = r
        r += 1
    TOT = r
    for code, name, vals in ELEMENTS:
        row = rows[code]
        top = '.' not in code
        subs = [c for c, _, _ in ELEMENTS if c.startswith(code + '.')]
        st = (lambda x: x + 'b') if top else (lambda x: x)
        vals_ = [code, name]
        for col, srccol in zip((2, 4, 6), 'CDE'):
            if subs:
                f = '=SUM(%s:%s)' % (a1(rows[subs[0]], col), a1(rows[subs[-1]], col))
            else:
                f = "='1 кв'!%s%d" % (srccol, src[code] + 1)
            vals_ += [f, '=%s/%s' % (a1(row, col), a1(TOT, col, absolute=True))]
        vals_ += ['=SUM(%s,%s,%s)' % (a1(row, 2), a1(row, 4), a1(row, 6)),
                  '=%s/%s' % (a1(row, 8), a1(TOT, 8, absolute=True)),
                  '=(%s-%s)*100' % (a1(row, 5), a1(row, 3)),
                  '=(%s-%s)*100' % (a1(row, 7), a1(row, 3))]
        s.row(row, 0, vals_, [('textb' if top else 'textc'), ('textb' if top else 'texti'),
                              st('n1'), st('p1'), st('n1'), st('p1'), st('n1'), st('p1'), st('n1'), st('p1'),
                              st('ch1'), st('ch1')])
    tops = [rows[c] for c, _, _ in ELEMENTS if '.' not in c]
    tot = ['', 'Итого себестоимость СМР']
    for col in range(2, 10):
        if col % 2 == 0:
            tot.append('=' + '+'.join(a1(t, col) for t in tops))
        else:
            tot.append('=' + '+'.join(a1(t, col) for t in tops))
    tot += ['=(%s-%s)*100' % (a1(TOT, 5), a1(TOT, 3)), '=(%s-%s)*100' % (a1(TOT, 7), a1(TOT, 3))]
    s.row(TOT, 0, tot, ['total', 'total'] + ['n1tot', 'p1tot'] * 4 + ['ch1b', 'ch1b'])

    r = TOT + 2
    s.set(r, 0, 'Укрупнённая структура за I квартал', 'caption', span=(1, NC))
    r += 1
    s.row(r, 1, ['Показатель', 'тыс. руб.', 'уд. вес'], 'head')
    r += 1
    agg = [('Материальные затраты (элемент 1)', [rows['1']]),
           ('Оплата труда со страховыми взносами (элементы 2, 3)', [rows['2'], rows['3']]),
           ('Амортизация и прочие затраты (элементы 4, 5)', [rows['4'], rows['5']])]
    ag0 = r
    for name, src_rows in agg:
        s.row(r, 1, [name, '=' + '+'.join(a1(x, 8) for x in src_rows),
                     '=%s/%s' % (a1(r, 2), a1(TOT, 8, absolute=True))], ['text', 'n1', 'p1'])
        r += 1
    s.row(r, 1, ['Итого', '=SUM(%s:%s)' % (a1(ag0, 2), a1(r - 1, 2)), '=SUM(%s:%s)' % (a1(ag0, 3), a1(r - 1, 3))],
          ['total', 'n1tot', 'p1tot'])
    r += 2
    notes = ['Удельный вес элемента = сумма затрат по элементу / итого себестоимость × 100 %; по каждому периоду сумма удельных весов равна 100 %.',
             'Изменение удельного веса в процентных пунктах = уд. вес отчётного месяца − уд. вес января (гр. 11, 12).',
             'Строительство относится к материалоёмким отраслям: рост доли материальных затрат в марте отражает начало сезона',
             'бетонных и монтажных работ при почти неизменных суммах амортизации и условно-постоянных расходов.']
    for t in notes:
        s.set(r, 0, t, 'note', span=(1, NC))
        r += 1
    r += 1
    s.set(r, 1, 'Экономист ____________________', 'sign')
    s.set(r, 6, 'Начальник ПЭО ____________________', 'sign', span=(1, 6))
    s.print_area = 'A1:%s' % a1(r, NC - 1)
    for c, w in enumerate([1.1, 8.6, 2.1, 1.7, 2.1, 1.7, 2.1, 1.7, 2.3, 1.7, 2.0, 2.0]):
        s.col_width(c, w)
    s.row_height(3, 0.9)
    s.row_height(4, 0.9)
    return wb
