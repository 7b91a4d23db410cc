"""Анализ динамики затрат в стр-ве: monthly cost dynamics for the first quarter.

The hidden sheet "1 кв" holds the base figures; "Динамика" analyses them
with formulas that refer to the hidden sheet only, so correcting a base
figure updates every result."""
from fods import Workbook, Sheet, a1

ORG = 'ООО «СМУ-7» (условный пример)'

# Cost item; January, February, March of 2024; the fourth quarter of 2023
# (reference); thousand roubles.
ITEMS = [
    ('Материалы, конструкции и изделия', 12480.6, 13215.3, 15904.8, 44312.5),
    ('Основная заработная плата рабочих', 4215.0, 4302.7, 4688.4, 13540.2),
    ('Страховые взносы с оплаты труда рабочих', 1272.9, 1299.4, 1415.9, 4089.1),
    ('Эксплуатация строительных машин и механизмов', 3104.2, 3288.9, 3975.1, 11206.8),
    ('Топливо и энергия на технологические нужды', 1642.8, 1587.3, 1401.5, 4390.6),
    ('Работы и услуги субподрядных организаций', 2950.0, 3420.5, 4860.0, 12715.4),
    ('Транспортные расходы', 986.4, 1034.2, 1218.9, 3402.7),
    ('Амортизация основных средств', 712.5, 712.5, 738.1, 2120.4),
    ('Временные здания и сооружения', 420.3, 398.6, 455.2, 1380.1),
    ('Накладные (общехозяйственные) расходы', 2318.7, 2296.4, 2402.9, 7105.3),
    ('Прочие затраты', 395.8, 412.6, 468.3, 1290.5),
]
VOLUME = ('Объём выполненных СМР собственными силами', 33850.0, 36120.0, 42960.0, 115400.0)

BASE = "'1 кв'"
FIRST = 4          # first item row on both sheets (0-based)


def expected():
    """Figures the finished workbook must show (used by the office check)."""
    q1 = round(sum(sum(r[1:4]) for r in ITEMS), 1)
    return {'total_q1': q1}


def build():
    wb = Workbook('Анализ динамики затрат в строительстве',
                  'Динамика затрат строительной организации за I квартал 2024 г.',
                  'затраты; динамика; индексы; строительство',
                  'Помесячный анализ затрат по статьям: абсолютные и относительные изменения, '
                  'цепные и базисные индексы, структура, сравнение с IV кварталом.')

    # ---- hidden base sheet -------------------------------------------------
    b = wb.add(Sheet('1 кв', hidden=True, landscape=False, freeze=(4, 0),
                     header_rows=(3, 3)))
    b.set(0, 0, 'Исходные данные: затраты по статьям за I квартал 2024 г.', 'title', span=(1, 7))
    b.set(1, 0, ORG + ', тыс. руб.', 'subtitle', span=(1, 7))
    b.row(3, 0, ['№', 'Статья затрат', 'Январь', 'Февраль', 'Март', 'IV кв. 2023 г.\n(справочно)', 'Примечание'], 'head')
    for i, (name, *vals) in enumerate(ITEMS):
        r = FIRST + i
        b.row(r, 0, [i + 1, name] + vals, ['numtop', 'text'] + ['n1'] * 4)
        b.set(r, 6, '', 'text')
    b.set(FIRST + 4, 6, 'Снижение в марте: окончание прогрева бетона', 'text')
    b.set(FIRST + 7, 6, 'С марта введён в работу новый автокран', 'text')
    vr = FIRST + len(ITEMS) + 1
    b.row(vr, 0, [None, VOLUME[0]] + list(VOLUME[1:]), [None, 'textb'] + ['n1b'] * 4)
    b.set(vr + 2, 0, 'Данные бухгалтерского учёта (счёт 20 «Основное производство», счёт 26 '
          '«Общехозяйственные расходы»); лист используется листом «Динамика».', 'note', span=(1, 7))
    for c, w in enumerate([0.9, 7.8, 2.5, 2.5, 2.5, 2.8, 6.5]):
        b.col_width(c, w)
    b.row_height(3, 1.0)

    # ---- analysis sheet ----------------------------------------------------
    d = wb.add(Sheet('Динамика', landscape=True, freeze=(6, 2), header_rows=(3, 5)))
    wb.active = 'Динамика'
    d.set(0, 0, 'Анализ динамики затрат в строительстве за I квартал 2024 г.', 'title', span=(1, 17))
    d.set(1, 0, ORG + '; тыс. руб. Исходные данные — лист «1 кв».', 'subtitle', span=(1, 17))
    groups = [(2, 4, 'Затраты по месяцам'), (6, 2, 'Абсолютное изменение'),
              (8, 2, 'Темп прироста'), (10, 3, 'Индексы'), (13, 1, 'Структура'),
              (14, 3, 'Сравнение с IV кв. 2023 г.')]
    d.set(3, 0, '№', 'head', span=(2, 1))
    d.set(3, 1, 'Статья затрат', 'head', span=(2, 1))
    for c, n, text in groups:
        d.set(3, c, text, 'head', span=(1, n))
    d.row(4, 2, ['Январь', 'Февраль', 'Март', 'Итого\nI кв.',
                 'февр. к янв.', 'март к февр.', 'февр. к янв.', 'март к февр.',
                 'цепной\nфевр./янв.', 'цепной\nмарт/февр.', 'базисный\nмарт/янв.',
                 'доля в итоге I кв.', 'IV кв.\n2023 г.', 'изменение', 'индекс'], 'head')
    d.row(5, 0, [str(n) for n in range(1, 18)], 'colno')

    def line(r, src, name, bold=False, number=None):
        s = lambda st: st + 'b' if bold else st
        C, D, E, F = (a1(r, c) for c in (2, 3, 4, 5))
        vals = [number if number is not None else '', name,
                "=%s!C%d" % (BASE, src + 1), "=%s!D%d" % (BASE, src + 1), "=%s!E%d" % (BASE, src + 1),
                '=SUM(%s:%s)' % (C, E),
                '=%s-%s' % (D, C), '=%s-%s' % (E, D),
                '=IF(%s=0,"",%s/%s-1)' % (C, D, C), '=IF(%s=0,"",%s/%s-1)' % (D, E, D),
                '=IF(%s=0,"",%s/%s)' % (C, D, C), '=IF(%s=0,"",%s/%s)' % (D, E, D),
                '=IF(%s=0,"",%s/%s)' % (C, E, C),
                '=%s/$F$%d' % (F, TOT + 1),
                "=%s!F%d" % (BASE, src + 1),
                '=%s-%s' % (F, a1(r, 14)), '=IF(%s=0,"",%s/%s)' % (a1(r, 14), F, a1(r, 14))]
        styles = ['numtop', 'textb' if bold else 'text', s('n1'), s('n1'), s('n1'), s('n1'),
                  s('ch1'), s('ch1'), s('chp'), s('chp'), s('n3'), s('n3'), s('n3'), s('p1'),
                  s('n1'), s('ch1'), s('n3')]
        d.row(r, 0, vals, styles)

    TOT = FIRST + 2 + len(ITEMS)     # row of the total (two header rows more than on "1 кв")
    for i in range(len(ITEMS)):
        line(FIRST + 2 + i, FIRST + i, ITEMS[i][0], number=i + 1)
    # The total row sums the items on this sheet; its share is 100 % by construction.
    first, last = FIRST + 3, TOT
    tot = ['', 'Итого затрат'] + ['=SUM(%s%d:%s%d)' % (col, first, col, last) for col in 'CDEF']
    tot += ['=D{0}-C{0}'.format(TOT + 1), '=E{0}-D{0}'.format(TOT + 1),
            '=D{0}/C{0}-1'.format(TOT + 1), '=E{0}/D{0}-1'.format(TOT + 1),
            '=D{0}/C{0}'.format(TOT + 1), '=E{0}/D{0}'.format(TOT + 1), '=E{0}/C{0}'.format(TOT + 1),
            '=SUM(N%d:N%d)' % (first, last), '=SUM(O%d:O%d)' % (first, last),
            '=F{0}-O{0}'.format(TOT + 1), '=F{0}/O{0}'.format(TOT + 1)]
    d.row(TOT, 0, tot, ['total', 'total', 'n1tot', 'n1tot', 'n1tot', 'n1tot', 'ch1b', 'ch1b',
                        'chpb', 'chpb', 'n3b', 'n3b', 'n3b', 'p1tot', 'n1tot', 'ch1b', 'n3b'])
    vol = TOT + 1
    line(vol, FIRST + len(ITEMS) + 1, VOLUME[0], bold=True)
    for c in (13,):
        d.set(vol, c, '', 'n1b')
    cost = vol + 1
    d.set(cost, 0, '', 'numtop')
    d.set(cost, 1, 'Затраты на 1 руб. СМР, коп.', 'textb')
    for c in (2, 3, 4, 5, 14):
        d.set(cost, c, '=%s/%s*100' % (a1(TOT, c), a1(vol, c)), 'n2b')
    d.set(cost, 6, '=%s-%s' % (a1(cost, 3), a1(cost, 2)), 'ch1b')
    d.set(cost, 7, '=%s-%s' % (a1(cost, 4), a1(cost, 3)), 'ch1b')
    for c in (8, 9, 10, 11, 12, 13):
        d.set(cost, c, '', 'n1b')
    d.set(cost, 15, '=%s-%s' % (a1(cost, 5), a1(cost, 14)), 'ch1b')
    d.set(cost, 16, '=%s/%s' % (a1(cost, 5), a1(cost, 14)), 'n3b')

    n = cost + 2
    notes = [
        'Пояснения к расчёту:',
        'Абсолютное изменение = затраты текущего месяца − затраты предыдущего месяца (гр. 7, 8).',
        'Темп прироста = затраты текущего месяца / затраты предыдущего месяца − 1 (гр. 9, 10); '
        'индекс = отношение текущего уровня к сравниваемому (гр. 11–13, 17).',
        'Доля статьи = затраты статьи за I квартал / итого затрат за I квартал (гр. 14); сумма долей равна 100 %.',
        'Затраты на 1 руб. СМР = итого затрат / объём выполненных работ × 100 коп.; '
        'снижение показателя означает рост эффективности производства.',
        'Рост затрат в марте связан с началом сезона: увеличением объёмов бетонных и монтажных работ.',
    ]
    for i, t in enumerate(notes):
        d.set(n + i, 0, t, 'caption' if i == 0 else 'note', span=(1, 17))
    d.set(n + len(notes) + 1, 1, 'Экономист ____________________', 'sign')
    d.set(n + len(notes) + 1, 8, 'Главный бухгалтер ____________________', 'sign', span=(1, 8))
    d.print_area = 'A1:%s' % a1(n + len(notes) + 1, 16)
    widths = [0.8, 6.6, 2.0, 2.0, 2.0, 2.2, 2.0, 2.0, 1.9, 1.9, 1.9, 1.9, 1.9, 2.3, 2.1, 2.1, 1.7]
    for c, w in enumerate(widths):
        d.col_width(c, w)
    d.row_height(3, 0.9)
    d.row_height(4, 1.3)
    return wb
