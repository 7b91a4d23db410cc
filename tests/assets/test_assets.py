"""Checks the committed binary assets: the five workbooks, the two
agreement documents, the cover picture and the icon.

usage: test_assets.py [REPO_ROOT] [unittest options]"""
import os
import struct
import sys
import unittest
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
if len(sys.argv) > 1 and os.path.isdir(sys.argv[1]):
    ROOT = os.path.abspath(sys.argv.pop(1))

DOCS = os.path.join(ROOT, 'assets', 'documents')

# file, [(sheet name, hidden)]
WORKBOOKS = [
    ('doc1.xls', [('1 кв', True), ('Динамика', False)]),
    ('doc2.xls', [('Лист1', False), ('Лист2', False), ('Лист3', False)]),
    ('doc3.xls', [('Себестоимость', False)]),
    ('doc4.xls', [('1 кв', True), ('Структура', False)]),
    ('doc8.xls', [('Лист1', False)]),
]
# file, footers, JPEG pictures
WORD_DOCS = [('doc9.docx', 6, 3), ('doc10.docx', 1, 0)]
WORD_PARTS = ['[Content_Types].xml', '_rels/.rels', 'word/document.xml', 'word/_rels/document.xml.rels',
              'word/styles.xml', 'word/numbering.xml', 'word/settings.xml', 'word/webSettings.xml',
              'word/fontTable.xml', 'word/theme/theme1.xml', 'word/footnotes.xml', 'word/endnotes.xml',
              'docProps/core.xml', 'docProps/app.xml']

STANDARD_16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def read(*path):
    with open(os.path.join(ROOT, *path), 'rb') as f:
        return f.read()


# ---------------------------------------------------------------- compound file
def compound_streams(data):
    """{name: bytes} of a compound file's streams, plus the storages' names."""
    ssz = 1 << struct.unpack_from('<H', data, 30)[0]
    nfat, dir_start = struct.unpack_from('<II', data, 44)
    cutoff, mfat_start = struct.unpack_from('<II', data, 56)
    sect = lambda n: data[(n + 1) * ssz:(n + 2) * ssz]
    difat = [s for s in struct.unpack_from('<109I', data, 76)[:nfat]]
    fat = []
    for s in difat:
        fat += struct.unpack('<%dI' % (ssz // 4), sect(s))

    def chain(start, table):
        out = []
        while start < 0xFFFFFFFA and len(out) <= len(table):
            out.append(start)
            start = table[start]
        return out
    directory = b''.join(sect(s) for s in chain(dir_start, fat))
    minifat = []
    for s in chain(mfat_start, fat):
        minifat += struct.unpack('<%dI' % (ssz // 4), sect(s))
    entries = []
    for off in range(0, len(directory), 128):
        e = directory[off:off + 128]
        n = struct.unpack_from('<H', e, 64)[0]
        entries.append((e[:max(n - 2, 0)].decode('utf-16-le'), e[66], *struct.unpack_from('<IQ', e, 116)))
    ministream = b''.join(sect(s) for s in chain(entries[0][2], fat))
    streams, storages = {}, []
    for name, typ, start, size in entries[1:]:
        if typ == 1:
            storages.append(name)
        elif typ == 2:
            if size < cutoff:
                blob = b''.join(ministream[m * 64:(m + 1) * 64] for m in chain(start, minifat))
            else:
                blob = b''.join(sect(s) for s in chain(start, fat))
            streams[name] = blob[:size]
    return streams, storages


def property_set_codepage(stream):
    offset = struct.unpack_from('<I', stream, 44)[0]
    count = struct.unpack_from('<I', stream, offset + 4)[0]
    for i in range(count):
        pid, poff = struct.unpack_from('<II', stream, offset + 8 + 8 * i)
        if pid == 1:
            vt, value = struct.unpack_from('<HxxH', stream, offset + poff)
            return value if vt == 2 else None
    return None


def biff_records(stream):
    off = 0
    while off + 4 <= len(stream):
        typ, size = struct.unpack_from('<HH', stream, off)
        yield typ, stream[off + 4:off + 4 + size]
        off += 4 + size


def globals_records(stream):
    for typ, data in biff_records(stream):
        yield typ, data
        if typ == 0x000A:          # EOF of the globals substream
            return


def sheet_name(data):
    cch, flags = data[6], data[7]
    raw = data[8:8 + (cch * 2 if flags & 1 else cch)]
    return raw.decode('utf-16-le') if flags & 1 else raw.decode('latin-1')


# ---------------------------------------------------------------- JPEG
def jpeg_segments(data):
    pos, out = 2, []
    while pos < len(data) and data[pos] == 0xFF:
        marker = data[pos + 1]
        if marker == 0xDA:
            out.append((marker, b''))
            break
        size = struct.unpack('>H', data[pos + 2:pos + 4])[0]
        out.append((marker, data[pos + 4:pos + 2 + size]))
        pos += 2 + size
    return out


class Workbooks(unittest.TestCase):
    def test_workbooks(self):
        for name, sheets in WORKBOOKS:
            with self.subTest(workbook=name):
                data = read('assets', 'documents', name)
                self.assertEqual(data[:8], bytes.fromhex('D0CF11E0A1B11AE1'))
                major, byte_order, shift = struct.unpack_from('<HHH', data, 26)
                self.assertEqual((major, byte_order, shift), (3, 0xFFFE, 9))
                self.assertEqual(len(data) % 512, 0)
                streams, storages = compound_streams(data)
                self.assertEqual(sorted(streams), sorted(['Workbook', '\x05SummaryInformation',
                                                          '\x05DocumentSummaryInformation']))
                self.assertEqual(storages, [], 'no storages (no VBA project)')
                for ps in ('\x05SummaryInformation', '\x05DocumentSummaryInformation'):
                    self.assertEqual(property_set_codepage(streams[ps]), 1251, ps)
                wb = streams['Workbook']
                first_type, first = next(biff_records(wb))
                self.assertEqual(first_type, 0x0809)
                self.assertEqual(struct.unpack_from('<HH', first, 0), (0x0600, 0x0005))
                glob = list(globals_records(wb))
                types = [t for t, _ in glob]
                rec = {t: d for t, d in glob}
                self.assertEqual(struct.unpack('<H', rec[0x0042])[0], 1200)        # CODEPAGE
                self.assertEqual(struct.unpack('<H', rec.get(0x0022, b'\0\0'))[0], 0)  # DATEMODE 1900
                self.assertNotIn(0x002F, types, 'FILEPASS')
                self.assertNotIn(0x00D3, types, 'OBPROJ')
                for t in (0x0012, 0x0019, 0x0013):       # PROTECT, WINDOWPROTECT, PASSWORD
                    for typ, d in glob:
                        if typ == t:
                            self.assertEqual(struct.unpack('<H', d[:2])[0], 0, hex(t))
                bound = [(sheet_name(d), d[4] & 3) for t, d in glob if t == 0x0085]
                self.assertEqual(bound, [(n, 1 if hidden else 0) for n, hidden in sheets])
                for typ, d in biff_records(wb):          # no sheet protection either
                    if typ == 0x0012:
                        self.assertEqual(struct.unpack('<H', d[:2])[0], 0)
                self.assertNotIn(b'_VBA_PROJECT', data)


class WordDocuments(unittest.TestCase):
    def test_word_documents(self):
        for name, footers, pictures in WORD_DOCS:
            with self.subTest(document=name):
                data = read('assets', 'documents', name)
                self.assertEqual(data[:4], b'PK\x03\x04')
                self.assertEqual(data[-22:-18], b'PK\x05\x06', 'EOCD with empty comment at the end')
                self.assertEqual(struct.unpack('<H', data[-2:])[0], 0)
                path = os.path.join(DOCS, name)
                with zipfile.ZipFile(path) as z:
                    self.assertIsNone(z.testzip())
                    names = z.namelist()
                    for part in WORD_PARTS:
                        self.assertIn(part, names)
                    for info in z.infolist():
                        if not info.filename.startswith('word/media/'):
                            self.assertEqual(info.compress_type, zipfile.ZIP_DEFLATED, info.filename)
                    self.assertFalse([n for n in names if 'vbaProject' in n])
                    self.assertEqual(len([n for n in names if n.startswith('word/footer')]), footers)
                    media = [n for n in names if n.startswith('word/media/')]
                    self.assertEqual(len(media), pictures)
                    for m in media:
                        self.assertTrue(m.endswith('.jpeg'))
                        self.assertEqual(z.read(m)[:3], b'\xFF\xD8\xFF')
                    settings = z.read('word/settings.xml').decode('utf-8')
                    self.assertNotIn('documentProtection', settings)
                    self.assertNotIn('writeProtection', settings)
                    self.check_content_types(z, names)

    def check_content_types(self, z, names):
        import xml.etree.ElementTree as ET
        ns = '{http://schemas.openxmlformats.org/package/2006/content-types}'
        types = ET.fromstring(z.read('[Content_Types].xml'))
        defaults = {d.get('Extension').lower(): d.get('ContentType') for d in types.iter(ns + 'Default')}
        overrides = {o.get('PartName'): o.get('ContentType') for o in types.iter(ns + 'Override')}
        for part in overrides:
            self.assertIn(part.lstrip('/'), names, 'override for a missing part')
        for n in names:
            if n == '[Content_Types].xml' or n.endswith('/'):
                continue
            ext = n.rsplit('.', 1)[-1].lower()
            self.assertTrue('/' + n in overrides or ext in defaults, 'no content type: ' + n)
        self.assertNotIn('macroEnabled', overrides['/word/document.xml'])
        for n in names:                    # every relationship target exists
            if n.endswith('.rels'):
                base = n.replace('_rels/', '').rsplit('.rels', 1)[0]
                folder = base.rsplit('/', 1)[0] + '/' if '/' in base else ''
                for rel in ET.fromstring(z.read(n)):
                    if rel.get('TargetMode') == 'External':
                        continue
                    target = os.path.normpath(folder + rel.get('Target')).replace(os.sep, '/')
                    self.assertIn(target, names, n + ' -> ' + rel.get('Target'))


class Pictures(unittest.TestCase):
    def test_cover(self):
        data = read('assets', 'cover', 'cover.jpg')
        self.assertEqual(data[:2], b'\xFF\xD8')
        self.assertEqual(data[-2:], b'\xFF\xD9')
        segs = jpeg_segments(data)
        markers = [m for m, _ in segs]
        self.assertIn(0xC0, markers, 'baseline SOF0')
        for sof in (0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF):
            self.assertNotIn(sof, markers)
        sof = dict(segs)[0xC0]
        bits, height, width, ncomp = struct.unpack('>BHHB', sof[:6])
        self.assertEqual((bits, width, height, ncomp), (8, 1760, 2490, 3))
        sampling = [sof[6 + 3 * i + 1] for i in range(3)]
        self.assertEqual(sampling, [0x22, 0x11, 0x11])
        app0 = segs[0]
        self.assertEqual(app0[0], 0xE0)
        self.assertEqual(app0[1][:5], b'JFIF\x00')
        ver, unit, xd, yd = struct.unpack('>HBHH', app0[1][5:12])
        self.assertEqual((ver, unit, xd, yd), (0x0101, 1, 300, 300))
        app1 = [d for m, d in segs if m == 0xE1]
        self.assertTrue(any(d.startswith(b'Exif\x00\x00') for d in app1), 'Exif')
        self.assertTrue(any(d.startswith(b'http://ns.adobe.com/xap/1.0/\x00') for d in app1), 'XMP')
        icc = b''.join(d[14:] for m, d in segs if m == 0xE2 and d.startswith(b'ICC_PROFILE\x00'))
        self.assertTrue(icc, 'ICC profile')
        self.assertEqual(icc[36:40], b'acsp')
        self.assertEqual(icc[16:20], b'RGB ')
        self.assertGreater(len(data), 100_000)
        self.assertLess(len(data), 1_000_000)

    def test_icon(self):
        data = read('assets', 'icon', 'tervalen.ico')
        reserved, kind, count = struct.unpack_from('<HHH', data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 1))
        w, h, colours, _, planes, bpp, size, offset = struct.unpack_from('<BBBBHHII', data, 6)
        self.assertEqual((w, h, colours, planes, bpp), (32, 32, 16, 1, 4))
        self.assertEqual(offset + size, len(data))
        hdr = struct.unpack_from('<IiiHHIIiiII', data, offset)
        self.assertEqual(hdr[:6], (40, 32, 64, 1, 4, 0))
        pal = data[offset + 40:offset + 40 + 64]
        self.assertEqual([(pal[i + 2], pal[i + 1], pal[i]) for i in range(0, 64, 4)], STANDARD_16)
        xor_end = offset + 40 + 64 + 32 * 16
        mask = data[xor_end:xor_end + 32 * 4]
        self.assertEqual(len(mask), 128)
        self.assertEqual(mask, bytes(128))
        self.assertEqual(xor_end + 128, len(data))


if __name__ == '__main__':
    unittest.main()
