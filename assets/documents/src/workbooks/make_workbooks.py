"""Rebuilds the five .xls workbooks.

usage: make_workbooks.py OUTDIR WORKDIR

Each docN.py describes one workbook; it is written as a flat ODF
spreadsheet into WORKDIR, converted to Excel 97 by LibreOffice, and its
Workbook stream is repacked into a clean compound file in OUTDIR."""
import glob
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import biff  # noqa: E402
import cfb  # noqa: E402

DOCS = sys.argv[3:] or ['doc1', 'doc2', 'doc3', 'doc4', 'doc8']


def main(outdir, workdir):
    os.makedirs(workdir, exist_ok=True)
    books = {}
    for name in DOCS:
        wb = __import__(name).build()
        books[name] = wb
        with open(os.path.join(workdir, name + '.fods'), 'w', encoding='utf-8') as f:
            f.write(wb.to_fods())
    profile = 'file://' + os.path.join(os.path.abspath(workdir), 'lo-profile')
    subprocess.run(['soffice', '-env:UserInstallation=' + profile, '--headless', '--norestore',
                    '--convert-to', 'xls:MS Excel 97', '--outdir', workdir]
                   + [os.path.join(workdir, n + '.fods') for n in DOCS],
                   check=True, stdout=subprocess.DEVNULL)
    for name, wb in books.items():
        with open(os.path.join(workdir, name + '.xls'), 'rb') as f:
            streams = cfb.read_streams(f.read())
        si, dsi = cfb.summary_streams(wb.title, wb.subject, wb.author, wb.keywords,
                                      wb.description, wb.date)
        sheets = wb.sheets
        active = [s.name for s in sheets].index(wb.active) if wb.active else \
            next(i for i, s in enumerate(sheets) if not s.hidden)
        book = biff.fix_workbook(streams['Workbook'],
                                 hidden={i for i, s in enumerate(sheets) if s.hidden},
                                 active=active,
                                 freeze={i: s.freeze for i, s in enumerate(sheets)})
        data = cfb.write_compound({'Workbook': book,
                                   '\x05SummaryInformation': si,
                                   '\x05DocumentSummaryInformation': dsi})
        assert cfb.read_streams(data)['Workbook'] == book
        with open(os.path.join(outdir, name + '.xls'), 'wb') as f:
            f.write(data)
        print('%s.xls  %d bytes' % (name, len(data)))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
