"""Себестоимость стр-во: cost price of one construction object.

Direct costs (materials with procurement costs, workers' pay, machines)
plus overheads give the cost price; estimated profit and VAT give the
estimate value.  Norms sit in input cells at the top; every derived
figure on the sheet is a formula."""
from fods import Workbook, Sheet, a1

OBJECT = ('Склад готовой продукции: одноэтажное каркасное здание из лёгких '
          'металлоконструкций, 72 × 20 м, общая площадь 1 440 м²')

PARAMS = [  # label, value, style
    ('Общая площадь здания, м²', 1440, 'n2in'),
    ('Заготовительно-складские расходы, % от стоимости материалов', 0.02, 'p1in'),
    ('Транспортные расходы, % от стоимости материалов', 0.03, 'p1in'),
    ('Норматив накладных расходов, % от ФОТ (рабочих и машинистов)', 0.90, 'p1in'),
    ('Норматив сметной прибыли, % от ФОТ (рабочих и машинистов)', 0.50, 'p1in'),
    ('Ставка НДС', 0.20, 'p1in'),
]

MATERIALS = [  # name, unit, quantity, price in roubles
    ('Бетон тяжёлый B25 W6 F150', 'м³', 312, 6850),
    ('Арматурная сталь A500С', 'т', 18.6, 78400),
    ('Металлоконструкции каркаса (колонны, фермы, связи)', 'т', 46.2, 142000),
    ('Сэндвич-панели стеновые, 150 мм', 'м²', 1260, 3180),
    ('Сэндвич-панели кровельные, 200 мм', 'м²', 1520, 3640),
    ('Щебень гранитный, фракция 20–40 мм', 'м³', 420, 2150),
    ('Песок строительный', 'м³', 380, 980),
    ('Ворота секционные 4,0 × 4,2 м', 'шт.', 4, 186500),
    ('Окна и двери (комплект по спецификации)', 'компл.', 1, 612000),
    ('Прочие материалы (крепёж, герметики, электроды)', 'компл.', 1, 285400),
]

LABOUR = [  # trade, person-hours, hourly rate
    ('Землекопы 2-го разряда', 640, 318),
    ('Бетонщики 4-го разряда', 1840, 412),
    ('Арматурщики 4-го разряда', 960, 405),
    ('Монтажники металлоконструкций 5-го разряда', 2210, 468),
    ('Электросварщики 5-го разряда', 720, 475),
    ('Монтажники ограждающих конструкций 4-го разряда', 1980, 430),
    ('Подсобные рабочие 1-го разряда', 1150, 290),
]

MACHINES = [  # machine, machine-hours, price of a machine-hour, of it operators' pay
    ('Автокран, грузоподъёмность 25 т', 420, 3850, 620),
    ('Экскаватор одноковшовый, ковш 0,65 м³', 180, 2940, 540),
    ('Бульдозер, 96 кВт', 96, 2680, 520),
    ('Автобетононасос, стрела 36 м', 64, 6200, 640),
    ('Каток дорожный самоходный, 8 т', 72, 1860, 480),
    ('Агрегат сварочный передвижной', 720, 185, 0),
]


def expected():
    mat = sum(q * p for _, _, q, p in MATERIALS) * (1 + 0.02 + 0.03)
    fot = sum(h * r for _, h, r in LABOUR)
    emm = sum(h * p for _, h, p, _ in MACHINES)
    otm = sum(h * w for _, h, _, w in MACHINES)
    cost = mat + fot + emm + 0.90 * (fot + otm)
    return {'cost_price': round(cost, 2)}


def build():
    wb = Workbook('Себестоимость строительства объекта',
                  'Расчёт себестоимости и сметной стоимости строительства склада',
                  'себестоимость; прямые затраты; накладные расходы; сметная прибыль',
                  'Прямые затраты (материалы, оплата труда, машины и механизмы), накладные расходы, '
                  'себестоимость, сметная прибыль, НДС и удельные показатели на квадратный метр.')
    s = wb.add(Sheet('Себестоимость', landscape=False, freeze=(0, 0), header_rows=None, one_page=True))
    NC = 8
    s.set(0, 0, 'Расчёт себестоимости строительства объекта', 'title', span=(1, NC))
    s.set(1, 0, 'Объект: ' + OBJECT, 'notewrap', span=(1, NC))
    s.row_height(1, 0.85)
    s.set(2, 0, 'Уровень цен: I квартал 2024 г.; суммы в рублях без НДС, если не указано иное.', 'subtitle', span=(1, NC))

    r = 4
    s.set(r, 0, 'Исходные нормативы и параметры', 'caption', span=(1, NC))
    prm = {}
    for i, (label, value, style) in enumerate(PARAMS):
        row = r + 1 + i
        s.set(row, 0, label, 'text', span=(1, 5))
        for c in range(1, 5):
            s.set(row, c, '', 'text')
        s.set(row, 5, value, style)
        prm[i] = a1(row, 5, absolute=True)
    AREA, ZSR, TR, NR, SP, VAT = (prm[i] for i in range(6))

    r = r + len(PARAMS) + 2
    head = r
    s.row(r, 0, ['№', 'Наименование затрат', 'Ед. изм.', 'Кол-во', 'Цена (ставка) за ед., руб.',
                 'Сумма, руб.', 'в т. ч. оплата машинистов, руб.', 'Доля в себестоимости'], 'head')
    s.row(r + 1, 0, [str(n) for n in range(1, NC + 1)], 'colno')
    s.row_height(r, 1.75)
    r += 2
    rows = {}

    def share(row):
        return '=%s/%s' % (a1(row, 5), COST)

    # Section 1: materials
    s.set(r, 0, '1. Материалы, конструкции и изделия', 'section', span=(1, NC))
    r += 1
    first = r
    lines = []
    for i, (name, unit, q, p) in enumerate(MATERIALS):
        s.row(r, 0, ['1.%d' % (i + 1), name, unit, q, p, '=D%d*E%d' % (r + 1, r + 1), '', None],
              ['textc', 'text', 'textc', 'n2', 'n2', 'n2', 'text', 'p1'])
        lines.append(r)
        r += 1
    s.row(r, 0, ['', 'Итого материалы по ценам приобретения', '', '', '', '=SUM(F%d:F%d)' % (first + 1, r), '', None],
          ['textb', 'textb', 'textb', 'n2b', 'n2b', 'n2b', 'textb', 'p1b'])
    mat_sub = r
    r += 1
    s.row(r, 0, ['', 'Заготовительно-складские расходы', '%', '', '=%s*100' % ZSR, '=F%d*%s' % (mat_sub + 1, ZSR), '', None],
          ['textc', 'texti', 'textc', 'n2', 'n2', 'n2', 'text', 'p1'])
    r += 1
    s.row(r, 0, ['', 'Транспортные расходы', '%', '', '=%s*100' % TR, '=F%d*%s' % (mat_sub + 1, TR), '', None],
          ['textc', 'texti', 'textc', 'n2', 'n2', 'n2', 'text', 'p1'])
    r += 1
    s.row(r, 0, ['', 'Всего материалы с заготовительно-транспортными расходами', '', '', '',
                 '=SUM(F%d:F%d)' % (mat_sub + 1, r), '', None],
          ['textb', 'textb', 'textb', 'n2b', 'n2b', 'n2b', 'textb', 'p1b'])
    rows['mat'] = r
    r += 2

    # Section 2: workers' pay
    s.set(r, 0, '2. Оплата труда рабочих-строителей', 'section', span=(1, NC))
    r += 1
    first = r
    for i, (name, h, rate) in enumerate(LABOUR):
        s.row(r, 0, ['2.%d' % (i + 1), name, 'чел.-ч', h, rate, '=D%d*E%d' % (r + 1, r + 1), '', None],
              ['textc', 'text', 'textc', 'n2', 'n2', 'n2', 'text', 'p1'])
        r += 1
    s.row(r, 0, ['', 'Итого оплата труда рабочих (ФОТ рабочих)', 'чел.-ч', '=SUM(D%d:D%d)' % (first + 1, r), '',
                 '=SUM(F%d:F%d)' % (first + 1, r), '', None],
          ['textb', 'textb', 'textb', 'n2b', 'n2b', 'n2b', 'textb', 'p1b'])
    rows['fot'] = r
    r += 2

    # Section 3: machines
    s.set(r, 0, '3. Эксплуатация строительных машин и механизмов', 'section', span=(1, NC))
    r += 1
    first = r
    for i, (name, h, price, wage) in enumerate(MACHINES):
        s.row(r, 0, ['3.%d' % (i + 1), name, 'маш.-ч', h, price, '=D%d*E%d' % (r + 1, r + 1),
                     '=D%d*%s' % (r + 1, wage), None],
              ['textc', 'text', 'textc', 'n2', 'n2', 'n2', 'n2', 'p1'])
        r += 1
    s.row(r, 0, ['', 'Итого эксплуатация машин и механизмов', 'маш.-ч', '=SUM(D%d:D%d)' % (first + 1, r), '',
                 '=SUM(F%d:F%d)' % (first + 1, r), '=SUM(G%d:G%d)' % (first + 1, r), None],
          ['textb', 'textb', 'textb', 'n2b', 'n2b', 'n2b', 'n2b', 'p1b'])
    rows['emm'] = r
    r += 2

    # Summary
    s.set(r, 0, '4. Себестоимость и сметная стоимость', 'section', span=(1, NC))
    r += 1
    M, F, E = (a1(rows[k], 5) for k in ('mat', 'fot', 'emm'))
    OTM = a1(rows['emm'], 6)
    summary = [
        ('4.1', 'Прямые затраты (стр. 1 + 2 + 3)', '', '=%s+%s+%s' % (M, F, E), 'n2b'),
        ('4.2', 'ФОТ для начисления накладных расходов и сметной прибыли (рабочие + машинисты)', '',
         '=%s+%s' % (F, OTM), 'n2'),
        ('4.3', 'Накладные расходы', '=%s*100' % NR, None, 'n2'),
        ('4.4', 'Себестоимость строительства (4.1 + 4.3)', '', None, 'n2tot'),
        ('4.5', 'Сметная прибыль', '=%s*100' % SP, None, 'n2'),
        ('4.6', 'Сметная стоимость без НДС (4.4 + 4.5)', '', None, 'n2b'),
        ('4.7', 'НДС', '=%s*100' % VAT, None, 'n2'),
        ('4.8', 'Сметная стоимость с НДС (4.6 + 4.7)', '', None, 'n2tot'),
    ]
    base = r
    R = lambda k: 'F%d' % (base + k + 1)
    formulas = [None, None, '=%s*%s' % (R(1), NR), '=%s+%s' % (R(0), R(2)), '=%s*%s' % (R(1), SP),
                '=%s+%s' % (R(3), R(4)), '=%s*%s' % (R(5), VAT), '=%s+%s' % (R(5), R(6))]
    COST = '$F$%d' % (base + 4)
    for i, (no, name, pct, f, style) in enumerate(summary):
        tot = style == 'n2tot'
        s.row(r, 0, [no, name, '%' if pct else '', '', pct, f or formulas[i], '', None],
              ['total' if tot else 'textc', 'total' if tot else ('textb' if style == 'n2b' else 'text'),
               'textc', 'text', 'n2', style, 'text', 'p1'])
        r += 1
    for row in (rows['mat'], rows['fot'], rows['emm'], base, base + 2, base + 3):
        s.set(row, 7, share(row), 'p1tot' if row == base + 3 else 'p1b')
    for row in lines:
        s.set(row, 7, share(row), 'p1')
    r += 1
    s.set(r, 0, 'Удельные показатели', 'caption', span=(1, NC))
    r += 1
    for name, f in [('Себестоимость 1 м² общей площади, руб.', '=%s/%s' % (R(3), AREA)),
                    ('Сметная стоимость 1 м² без НДС, руб.', '=%s/%s' % (R(5), AREA)),
                    ('Сметная стоимость 1 м² с НДС, руб.', '=%s/%s' % (R(7), AREA)),
                    ('Трудоёмкость работ рабочих-строителей, чел.-ч на 1 м²', '=D%d/%s' % (rows['fot'] + 1, AREA)),
                    ('Материалоёмкость: доля материалов в себестоимости', '=%s/%s' % (M, R(3)))]:
        s.set(r, 0, name, 'text', span=(1, 5))
        for c in range(1, 5):
            s.set(r, c, '', 'text')
        s.set(r, 5, f, 'p1b' if 'доля' in name else 'n2b')
        r += 1
    r += 1
    for t in ['Накладные расходы и сметная прибыль начислены от фонда оплаты труда рабочих-строителей и машинистов.',
              'Зелёные ячейки — исходные нормативы: при их изменении все итоги пересчитываются автоматически.',
              'Доля статей рассчитана к себестоимости строительства (строка 4.4).']:
        s.set(r, 0, t, 'note', span=(1, NC))
        r += 1
    r += 1
    s.set(r, 1, 'Составил: инженер-сметчик ____________', 'sign')
    s.set(r, 4, 'Проверил: главный экономист ____________', 'sign', span=(1, 4))
    s.print_area = 'A1:%s' % a1(r, NC - 1)
    s.header_rows = (head, head + 1)
    for c, w in enumerate([1.0, 7.0, 1.4, 2.2, 2.4, 2.9, 2.4, 2.0]):
        s.col_width(c, w)
    return wb
