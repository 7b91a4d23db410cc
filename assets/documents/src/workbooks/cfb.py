"""Minimal compound-file (OLE2) reading and writing for the workbooks.

LibreOffice writes a correct Workbook stream but decides the rest of the
container itself (extra streams, property-set code page).  We keep its
Workbook stream byte for byte and write the container ourselves: version 3,
512-byte sectors, exactly three streams, property sets in code page 1251."""
import struct
import uuid

SIG = b'\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1'
FREESECT, ENDOFCHAIN, FATSECT, NOSTREAM = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0xFFFFFFFF
SECTOR, MINI, CUTOFF = 512, 64, 4096
EXCEL_CLSID = uuid.UUID('00020820-0000-0000-c000-000000000046').bytes_le


# ---------------------------------------------------------------- reading
def read_streams(data):
    """Return {name: bytes} for every stream of a compound file."""
    assert data[:8] == SIG, 'not a compound file'
    ssz = 1 << struct.unpack_from('<H', data, 30)[0]
    msz = 1 << struct.unpack_from('<H', data, 32)[0]
    nfat, dir_start = struct.unpack_from('<II', data, 44)
    cutoff, mfat_start, nmfat, difat_start, ndifat = struct.unpack_from('<IIIII', data, 56)
    sect = lambda n: data[(n + 1) * ssz:(n + 2) * ssz]
    difat = list(struct.unpack_from('<109I', data, 76))
    d = difat_start
    for _ in range(ndifat):
        blk = struct.unpack('<%dI' % (ssz // 4), sect(d))
        difat += blk[:-1]
        d = blk[-1]
    fat = []
    for s in difat[:nfat]:
        fat += struct.unpack('<%dI' % (ssz // 4), sect(s))

    def chain(start, table):
        out, seen = [], set()
        while start not in (ENDOFCHAIN, FREESECT) and start not in seen:
            seen.add(start)
            out.append(start)
            start = table[start]
        return out
    directory = b''.join(sect(s) for s in chain(dir_start, fat))
    entries = []
    for off in range(0, len(directory), 128):
        e = directory[off:off + 128]
        nlen = struct.unpack_from('<H', e, 64)[0]
        name = e[:max(nlen - 2, 0)].decode('utf-16-le')
        typ = e[66]
        start, size = struct.unpack_from('<IQ', e, 116)
        entries.append((name, typ, start, size & 0xFFFFFFFF))
    root = entries[0]
    ministream = b''.join(sect(s) for s in chain(root[2], fat))
    minifat = []
    for s in chain(mfat_start, fat):
        minifat += struct.unpack('<%dI' % (ssz // 4), sect(s))
    streams = {}
    for name, typ, start, size in entries[1:]:
        if typ != 2:
            continue
        if size < cutoff:
            blob = b''.join(ministream[m * msz:(m + 1) * msz] for m in chain(start, minifat))
        else:
            blob = b''.join(sect(s) for s in chain(start, fat))
        streams[name] = blob[:size]
    return streams


# ---------------------------------------------------------------- writing
def _name_key(name):
    return (len(name), name.upper())


def write_compound(streams, root_clsid=EXCEL_CLSID):
    """Build a version-3 compound file holding the given streams (all in the root)."""
    names = sorted(streams, key=_name_key)
    big = [n for n in names if len(streams[n]) >= CUTOFF]
    small = [n for n in names if len(streams[n]) < CUTOFF]

    # Mini stream: small streams in 64-byte mini sectors.
    minifat, ministream, start_of = [], bytearray(), {}
    for n in small:
        blob = streams[n]
        count = max(1, -(-len(blob) // MINI)) if blob else 0
        start_of[n] = len(minifat) if count else ENDOFCHAIN
        for i in range(count):
            minifat.append(len(minifat) + 1 if i < count - 1 else ENDOFCHAIN)
        ministream += blob + b'\0' * (count * MINI - len(blob))

    sectors = []          # list of 512-byte blobs in file order
    fat = []

    def put(blob):
        count = -(-len(blob) // SECTOR)
        first = len(sectors)
        blob = blob + b'\0' * (count * SECTOR - len(blob))
        for i in range(count):
            sectors.append(blob[i * SECTOR:(i + 1) * SECTOR])
            fat.append(first + i + 1 if i < count - 1 else ENDOFCHAIN)
        return first if count else ENDOFCHAIN

    for n in big:
        start_of[n] = put(streams[n])
    mini_start = put(bytes(ministream)) if ministream else ENDOFCHAIN
    minifat_bytes = b''.join(struct.pack('<I', v) for v in minifat)
    minifat_bytes += b'\xFF' * ((-len(minifat_bytes)) % SECTOR)
    minifat_start = put(minifat_bytes) if minifat else ENDOFCHAIN
    nminifat = len(minifat_bytes) // SECTOR if minifat else 0

    # Directory: root, then the streams; a balanced binary tree, all black.
    entries = [None] * (1 + len(names))
    order = names              # already in tree comparison order
    index = {n: i + 1 for i, n in enumerate(order)}
    left, right = {}, {}

    def tree(lo, hi):
        if lo > hi:
            return NOSTREAM
        mid = (lo + hi) // 2
        left[order[mid]] = tree(lo, mid - 1)
        right[order[mid]] = tree(mid + 1, hi)
        return index[order[mid]]
    root_child = tree(0, len(order) - 1)

    def entry(name, typ, lsib, rsib, child, clsid, start, size):
        raw = name.encode('utf-16-le') + b'\0\0'
        return (raw + b'\0' * (64 - len(raw)) +
                struct.pack('<HBBIII', len(raw), typ, 1, lsib, rsib, child) +
                clsid + struct.pack('<IQQIQ', 0, 0, 0, start, size))
    entries[0] = entry('Root Entry', 5, NOSTREAM, NOSTREAM, root_child, root_clsid,
                       mini_start, len(ministream))
    for n in order:
        entries[index[n]] = entry(n, 2, left[n], right[n], NOSTREAM, b'\0' * 16,
                                  start_of[n], len(streams[n]))
    directory = b''.join(entries)
    pad_entry = b'\0' * 64 + struct.pack('<HBBIII', 0, 0, 0, NOSTREAM, NOSTREAM, NOSTREAM) + b'\0' * 16 + b'\0' * 32
    while len(directory) % SECTOR:
        directory += pad_entry
    dir_start = put(directory)

    # FAT sectors last; they must also describe themselves.
    nfat = 1
    while (len(sectors) + nfat) > nfat * (SECTOR // 4):
        nfat += 1
    assert nfat <= 109, 'file too large for a header-only DIFAT'
    fat_first = len(sectors)
    fat += [FATSECT] * nfat
    fat += [FREESECT] * (nfat * (SECTOR // 4) - len(fat))
    fat_bytes = b''.join(struct.pack('<I', v) for v in fat)
    for i in range(nfat):
        sectors.append(fat_bytes[i * SECTOR:(i + 1) * SECTOR])

    difat = [fat_first + i for i in range(nfat)] + [FREESECT] * (109 - nfat)
    header = (SIG + b'\0' * 16 + struct.pack('<HHHHH', 0x003E, 0x0003, 0xFFFE, 9, 6) + b'\0' * 6 +
              struct.pack('<IIIIIIIII', 0, nfat, dir_start, 0, CUTOFF, minifat_start, nminifat,
                          ENDOFCHAIN, 0) +
              struct.pack('<109I', *difat))
    assert len(header) == SECTOR
    return header + b''.join(sectors)


# ---------------------------------------------------------------- property sets
FMTID_SUMMARY = uuid.UUID('f29f85e0-4ff9-1068-ab91-08002b27b3d9').bytes_le
FMTID_DOCSUMMARY = uuid.UUID('d5cdd502-2e9c-101b-9397-08002b2cf9ae').bytes_le
CODEPAGE = 1251


def _prop(vt, value):
    if vt == 2:                                   # VT_I2
        return struct.pack('<HHhH', 2, 0, value, 0)
    if vt == 3:                                   # VT_I4
        return struct.pack('<HHi', 3, 0, value)
    if vt == 0x0B:                                # VT_BOOL
        return struct.pack('<HHhH', 0x0B, 0, -1 if value else 0, 0)
    if vt == 0x1E:                                # VT_LPSTR in the set's code page
        raw = value.encode('cp1251') + b'\0'
        raw += b'\0' * ((-len(raw)) % 4)
        return struct.pack('<HHI', 0x1E, 0, len(value.encode('cp1251')) + 1) + raw
    if vt == 0x40:                                # VT_FILETIME
        return struct.pack('<HHQ', 0x40, 0, value)
    raise ValueError(vt)


def property_set(fmtid, props):
    """props: list of (pid, vt, value); pid 1 (code page) is added first."""
    props = [(1, 2, CODEPAGE - 65536 if CODEPAGE > 32767 else CODEPAGE)] + props
    body, offsets = b'', []
    head_len = 8 + 8 * len(props)
    for pid, vt, value in props:
        offsets.append((pid, head_len + len(body)))
        body += _prop(vt, value)
    section = struct.pack('<II', head_len + len(body), len(props))
    section += b''.join(struct.pack('<II', pid, off) for pid, off in offsets) + body
    header = struct.pack('<HHI', 0xFFFE, 0, 0x00020006) + b'\0' * 16 + struct.pack('<I', 1)
    header += fmtid + struct.pack('<I', 48)
    return header + section


def filetime(iso):
    import datetime
    dt = datetime.datetime.fromisoformat(iso)
    epoch = datetime.datetime(1601, 1, 1)
    return int((dt - epoch).total_seconds()) * 10_000_000


def summary_streams(title, subject, author, keywords, comments, date):
    ft = filetime(date)
    si = property_set(FMTID_SUMMARY, [
        (2, 0x1E, title), (3, 0x1E, subject), (4, 0x1E, author), (5, 0x1E, keywords),
        (6, 0x1E, comments), (8, 0x1E, author), (12, 0x40, ft), (13, 0x40, ft),
        (18, 0x1E, 'Microsoft Excel'), (19, 3, 0)])
    dsi = property_set(FMTID_DOCSUMMARY, [
        (15, 0x1E, 'Tervalen'), (16, 0x0B, False), (22, 0x0B, False), (23, 3, 0x000B0000)])
    return si, dsi
