#!/usr/bin/python3
"""Opens the exported documents with LibreOffice and checks what a reader
would see: each document's title text and, for each workbook, a total that
only comes out right when the formulas compute.

usage: office_check.py FOLDER [FILE ...]

FOLDER holds the exported files (their catalogue names) or the asset files
(doc1.xls ...).  With FILE arguments only those files are checked.  Exits
non-zero and prints what failed when any check fails."""
import csv
import glob
import os
import shutil
import subprocess
import sys
import tempfile

# asset name, exported name, title text, sheet checked (None: all), expected figure.
# The figures come from the workbook generators' own data.
EXPECTED = [
    ('doc1.xls', 'Анализ динамики затрат в стр-ве.xls',
     'Анализ динамики затрат в строительстве', 'Динамика', 99996.7),        # total costs, Q1, th. roubles
    ('doc2.xls', 'Глоссарийl.xls',
     'Глоссарий терминов экономики строительства', None, 161),               # numbered terms on 3 sheets
    ('doc3.xls', 'Себестоимость стр-во.xls',
     'Расчёт себестоимости строительства объекта', 'Себестоимость', 34679090.00),  # cost price, roubles
    ('doc4.xls', 'СТРУКТУРНЫЙ Анализ себестоимости в стр-ве.xls',
     'Структурный анализ себестоимости', 'Структура', 99996.7),             # cost price, Q1, th. roubles
    ('doc8.xls', 'Таблица по Аренде.xls',
     'Таблица расчёта арендных платежей', 'Лист1', 23182080.00),            # rent incl. VAT, roubles
    ('doc9.docx', 'Отраслевое соглашение.docx',
     'Отраслевое соглашение', None, ['по строительству на 2024–2026 годы', 'ОПЛАТА ТРУДА',
                                     'ГАРАНТИИ ДЕЯТЕЛЬНОСТИ ПРОФСОЮЗНЫХ ОРГАНИЗАЦИЙ']),
    ('doc10.docx', 'Раздел V Отраслевого соглашения.docx',
     'Извлечение из Отраслевого соглашения', None, ['ОПЛАТА ТРУДА', 'Минимальная месячная тарифная ставка']),
]

CSV_FILTER = 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1'
TXT_FILTER = 'txt:Text (encoded):UTF8'


def soffice():
    return shutil.which('soffice') or '/usr/bin/soffice'


def convert(path, target, outdir, profile):
    subprocess.run([soffice(), '-env:UserInstallation=file://' + profile, '--headless', '--norestore',
                    '--convert-to', target, '--outdir', outdir, path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)


def read_sheets(outdir):
    """{sheet name: rows} from LibreOffice's one-csv-per-sheet output."""
    sheets = {}
    for f in glob.glob(os.path.join(outdir, '*.csv')):
        stem = os.path.basename(f)[:-4]
        name = stem.rsplit('-', 1)[-1] if '-' in stem else stem
        with open(f, encoding='utf-8', newline='') as fh:
            sheets[name] = list(csv.reader(fh))
    return sheets


def number(cell):
    try:
        return float(cell.replace('\u00a0', '').replace(' ', ''))
    except ValueError:
        return None


def check_workbook(path, title, sheet, expected, work, profile):
    errors = []
    convert(path, CSV_FILTER, work, profile)
    sheets = read_sheets(work)
    if not sheets:
        return ['no sheet could be exported']
    text = '\n'.join(c for rows in sheets.values() for r in rows for c in r)
    if title not in text:
        errors.append('title text %r not found' % title)
    if sheet is None:                       # glossary: count the numbered terms
        count = sum(1 for rows in sheets.values() for r in rows[4:] if r and number(r[0]) and len(r) > 2 and r[1])
        if count != expected:
            errors.append('expected %d terms, found %d' % (expected, count))
        return errors
    rows = sheets.get(sheet)
    if rows is None:
        return errors + ['sheet %r not exported (have %s)' % (sheet, ', '.join(sheets))]
    values = [number(c) for r in rows for c in r]
    if not any(v is not None and abs(v - expected) < 0.005 for v in values):
        errors.append('sheet %r: computed total %s not found' % (sheet, expected))
    if any(c.startswith(('#', 'Err:')) for r in rows for c in r):
        errors.append('sheet %r shows formula errors' % sheet)
    return errors


def check_document(path, title, phrases, work, profile):
    convert(path, TXT_FILTER, work, profile)
    out = glob.glob(os.path.join(work, '*.txt'))
    if not out:
        return ['no text output']
    with open(out[0], encoding='utf-8-sig') as f:
        text = f.read()
    return ['text %r not found' % t for t in [title] + phrases if t not in text]


def main(argv):
    if not argv:
        print(__doc__)
        return 2
    folder, only = argv[0], set(argv[1:])
    failures = []
    profile = tempfile.mkdtemp(prefix='office-check-profile-')
    try:
        for asset, exported, title, sheet, expected in EXPECTED:
            path = next((os.path.join(folder, n) for n in (exported, asset)
                         if os.path.exists(os.path.join(folder, n))), None)
            if only and exported not in only and asset not in only:
                continue
            label = exported
            if path is None:
                failures.append('%s: missing' % label)
                continue
            work = tempfile.mkdtemp(prefix='office-check-')
            try:
                if path.endswith('.xls'):
                    errors = check_workbook(path, title, sheet, expected, work, profile)
                else:
                    errors = check_document(path, title, expected, work, profile)
            except (subprocess.SubprocessError, OSError) as e:
                errors = ['conversion failed: %s' % e]
            finally:
                shutil.rmtree(work, ignore_errors=True)
            failures += ['%s: %s' % (label, e) for e in errors]
            print('%-50s %s' % (label, 'ok' if not errors else 'FAILED'))
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    for f in failures:
        print(f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
