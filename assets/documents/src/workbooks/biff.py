"""Fix-ups of a BIFF8 Workbook stream written by a headless LibreOffice.

A headless conversion has no view, so the sheet-view state of the source
(active sheet, frozen panes) is lost, and because the first sheet then
counts as the active one the exporter refuses to hide it.  We restore that
state here: hidden flags in BOUNDSHEET, the active tab in WINDOW1, the
selected/frozen flags in WINDOW2, a PANE record per frozen sheet.  Inserted
bytes shift later substreams, so BOUNDSHEET and INDEX offsets are updated."""
import struct

BOF, EOF, BOUNDSHEET, WINDOW1, WINDOW2, PANE, SELECTION, INDEX = (
    0x0809, 0x000A, 0x0085, 0x003D, 0x023E, 0x0041, 0x001D, 0x020B)


def records(stream):
    off = 0
    while off < len(stream):
        typ, size = struct.unpack_from('<HH', stream, off)
        yield typ, bytearray(stream[off + 4:off + 4 + size])
        off += 4 + size


def fix_workbook(stream, hidden, active, freeze):
    """hidden: set of sheet indexes; active: index of the sheet shown on
    opening; freeze: {sheet index: (rows, cols)} kept in view."""
    globals_, sheets, cur = [], [], None
    for typ, data in records(stream):
        if typ == BOF and cur is None and globals_:
            cur = []
            sheets.append(cur)
        (globals_ if cur is None else cur).append([typ, data])
        if typ == EOF and cur is not None:
            cur = None

    for rec in globals_:
        if rec[0] == WINDOW1:
            struct.pack_into('<HHH', rec[1], 10, active, 0, 1)   # itabCur, itabFirst, ctabSel
    bound = [rec for rec in globals_ if rec[0] == BOUNDSHEET]
    assert len(bound) == len(sheets)
    for i, rec in enumerate(bound):
        rec[1][4] = 1 if i in hidden else 0

    for i, recs in enumerate(sheets):
        rows, cols = freeze.get(i, (0, 0))
        out = []
        for typ, data in recs:
            if typ == PANE:
                continue
            if typ == WINDOW2:
                grbit = struct.unpack_from('<H', data, 0)[0]
                grbit &= ~(0x0200 | 0x0400 | 0x0008 | 0x0100)
                if i == active:
                    grbit |= 0x0200 | 0x0400                    # fSelected, fPaged
                if rows or cols:
                    grbit |= 0x0008 | 0x0100                    # fFrozen, fFrozenNoSplit
                struct.pack_into('<H', data, 0, grbit)
                out.append([typ, data])
                if rows or cols:
                    pane = 0 if rows and cols else (2 if rows else 1)
                    out.append([PANE, bytearray(struct.pack('<HHHHBB', cols, rows, rows, cols, pane, 0))])
                continue
            if typ == SELECTION and (rows or cols):
                data[0] = 0 if rows and cols else (2 if rows else 1)
            out.append([typ, data])
        sheets[i] = out

    # Serialise, then patch absolute offsets (BOUNDSHEET and INDEX).
    def size(recs):
        return sum(4 + len(d) for _, d in recs)
    new_pos = []
    pos = size(globals_)
    for recs in sheets:
        new_pos.append(pos)
        pos += size(recs)
    # Old substream starts come from the BOUNDSHEET records themselves.
    old_pos = [struct.unpack_from('<I', rec[1], 0)[0] for rec in bound]
    for i, rec in enumerate(bound):
        struct.pack_into('<I', rec[1], 0, new_pos[i])
    for i, recs in enumerate(sheets):
        for typ, data in recs:
            if typ == INDEX:
                delta = new_pos[i] - old_pos[i]
                n = (len(data) - 16) // 4
                vals = list(struct.unpack_from('<I', data, 12)) + list(struct.unpack_from('<%dI' % n, data, 16))
                vals = [v + delta if v else 0 for v in vals]
                struct.pack_into('<I', data, 12, vals[0])
                struct.pack_into('<%dI' % n, data, 16, *vals[1:])
    out = bytearray()
    for typ, data in globals_ + [r for recs in sheets for r in recs]:
        out += struct.pack('<HH', typ, len(data)) + data
    return bytes(out)

