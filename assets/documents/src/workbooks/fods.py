"""A small writer of flat OpenDocument spreadsheets (.fods).

Workbook scripts describe their sheets with this module; LibreOffice then
turns the .fods into an Excel 97 workbook.  Formulas are written in the
familiar Excel A1 notation and translated to OpenFormula here, so the
workbook scripts read like the sheets they produce.
"""
import re
from xml.sax.saxutils import escape, quoteattr

NS = {
    'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0',
    'style': 'urn:oasis:names:tc:opendocument:xmlns:style:1.0',
    'text': 'urn:oasis:names:tc:opendocument:xmlns:text:1.0',
    'table': 'urn:oasis:names:tc:opendocument:xmlns:table:1.0',
    'fo': 'urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0',
    'number': 'urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0',
    'of': 'urn:oasis:names:tc:opendocument:xmlns:of:1.2',
    'dc': 'http://purl.org/dc/elements/1.1/',
    'meta': 'urn:oasis:names:tc:opendocument:xmlns:meta:1.0',
    'config': 'urn:oasis:names:tc:opendocument:xmlns:config:1.0',
    'svg': 'urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0',
    'loext': 'urn:org:documentfoundation:names:experimental:office:xmlns:loext:1.0',
    'xlink': 'http://www.w3.org/1999/xlink',
}

BORDER = '0.5pt solid #000000'

# Number formats every workbook may use.  Names are referenced by cell styles.
DATA_STYLES = '''
<number:number-style style:name="N0"><number:number number:decimal-places="0" number:min-decimal-places="0" number:min-integer-digits="1" number:grouping="true"/></number:number-style>
<number:number-style style:name="N1"><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1" number:grouping="true"/></number:number-style>
<number:number-style style:name="N2"><number:number number:decimal-places="2" number:min-decimal-places="2" number:min-integer-digits="1" number:grouping="true"/></number:number-style>
<number:number-style style:name="N3"><number:number number:decimal-places="3" number:min-decimal-places="3" number:min-integer-digits="1" number:grouping="false"/></number:number-style>
<number:percentage-style style:name="P1"><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
<number:percentage-style style:name="P0"><number:number number:decimal-places="0" number:min-decimal-places="0" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
<number:number-style style:name="CH1P"><number:text>+</number:text><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1" number:grouping="true"/></number:number-style>
<number:number-style style:name="CH1"><style:text-properties fo:color="#C00000"/><number:text>-</number:text><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1" number:grouping="true"/><style:map style:condition="value()&gt;=0" style:apply-style-name="CH1P"/></number:number-style>
<number:percentage-style style:name="CHPP"><number:text>+</number:text><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
<number:percentage-style style:name="CHP"><style:text-properties fo:color="#C00000"/><number:text>-</number:text><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1"/><number:text>%</number:text><style:map style:condition="value()&gt;=0" style:apply-style-name="CHPP"/></number:percentage-style>
'''

# Cell styles: name -> (data style or None, properties).
#   b bold, i italic, sz font size, al alignment, bd border, bg fill,
#   wr wrap, va vertical alignment, ind indent, fg font colour
CELL_STYLES = {
    'title':    dict(b=True, sz=14, al='start'),
    'subtitle': dict(i=True, sz=10, al='start'),
    'caption':  dict(b=True, sz=11, al='start'),
    'note':     dict(i=True, sz=9, al='start'),
    'notewrap': dict(i=True, sz=9, al='start', wr=True, va='top'),
    'head':     dict(b=True, sz=10, al='center', bd=True, bg='#D9E2F3', wr=True, va='middle'),
    'headl':    dict(b=True, sz=10, al='start', bd=True, bg='#D9E2F3', wr=True, va='middle'),
    'colno':    dict(i=True, sz=8, al='center', bd=True, bg='#F2F2F2'),
    'text':     dict(sz=10, al='start', bd=True, wr=True, va='middle'),
    'textc':    dict(sz=10, al='center', bd=True, wr=True, va='middle'),
    'texti':    dict(sz=10, al='start', bd=True, wr=True, va='middle', ind='0.4cm'),
    'textb':    dict(b=True, sz=10, al='start', bd=True, bg='#F2F2F2', wr=True, va='middle'),
    'section':  dict(b=True, sz=10, al='start', bd=True, bg='#FFF2CC', va='middle'),
    'term':     dict(b=True, sz=10, al='start', bd=True, wr=True, va='top'),
    'defn':     dict(sz=10, al='start', bd=True, wr=True, va='top'),
    'formula':  dict(i=True, sz=9, al='start', bd=True, wr=True, va='top'),
    'numtop':   dict(sz=10, al='center', bd=True, va='top', data='N0'),
    'int':      ('N0', dict(sz=10, al='end', bd=True)),
    'n1':       ('N1', dict(sz=10, al='end', bd=True)),
    'n1b':      ('N1', dict(b=True, sz=10, al='end', bd=True, bg='#F2F2F2')),
    'n2':       ('N2', dict(sz=10, al='end', bd=True)),
    'n2b':      ('N2', dict(b=True, sz=10, al='end', bd=True, bg='#F2F2F2')),
    'n2in':     ('N2', dict(sz=10, al='end', bd=True, bg='#EAF3E2')),
    'n3':       ('N3', dict(sz=10, al='end', bd=True)),
    'n3b':      ('N3', dict(b=True, sz=10, al='end', bd=True, bg='#F2F2F2')),
    'p1':       ('P1', dict(sz=10, al='end', bd=True)),
    'p1b':      ('P1', dict(b=True, sz=10, al='end', bd=True, bg='#F2F2F2')),
    'p1in':     ('P1', dict(sz=10, al='end', bd=True, bg='#EAF3E2')),
    'ch1':      ('CH1', dict(sz=10, al='end', bd=True)),
    'ch1b':     ('CH1', dict(b=True, sz=10, al='end', bd=True, bg='#F2F2F2')),
    'chp':      ('CHP', dict(sz=10, al='end', bd=True)),
    'chpb':     ('CHP', dict(b=True, sz=10, al='end', bd=True, bg='#F2F2F2')),
    'total':    dict(b=True, sz=10, al='start', bd=True, bg='#D9E2F3', va='middle'),
    'n2tot':    ('N2', dict(b=True, sz=10, al='end', bd=True, bg='#D9E2F3')),
    'n1tot':    ('N1', dict(b=True, sz=10, al='end', bd=True, bg='#D9E2F3')),
    'p1tot':    ('P1', dict(b=True, sz=10, al='end', bd=True, bg='#D9E2F3')),
    'sign':     dict(sz=10, al='start'),
}


def _cell_style_xml(name, props):
    data = None
    if isinstance(props, tuple):
        data, props = props
    data = props.get('data', data)
    attrs = ' style:data-style-name="%s"' % data if data else ''
    cell = []
    if props.get('bd'):
        cell.append('fo:border="%s"' % BORDER)
    if props.get('bg'):
        cell.append('fo:background-color="%s"' % props['bg'])
    if props.get('wr'):
        cell.append('fo:wrap-option="wrap"')
    cell.append('style:vertical-align="%s"' % props.get('va', 'middle'))
    para = 'fo:text-align="%s"' % props.get('al', 'start')
    if props.get('ind'):
        para += ' fo:margin-left="%s"' % props['ind']
    txt = ['style:font-name="Arial"', 'fo:font-size="%spt"' % props.get('sz', 10)]
    if props.get('b'):
        txt.append('fo:font-weight="bold"')
    if props.get('i'):
        txt.append('fo:font-style="italic"')
    if props.get('fg'):
        txt.append('fo:color="%s"' % props['fg'])
    return ('<style:style style:name="%s" style:family="table-cell" style:parent-style-name="Default"%s>'
            '<style:table-cell-properties %s/>'
            '<style:paragraph-properties %s/>'
            '<style:text-properties %s/></style:style>'
            % (name, attrs, ' '.join(cell), para, ' '.join(txt)))


_REF = re.compile(
    r"(?<![\w.$'])(?:'(?P<qs>[^']+)'!|(?P<s>[A-Za-z_][\w]*)!)?"
    r"(?P<a>\$?[A-Z]{1,3}\$?\d+)(?::(?P<b>\$?[A-Z]{1,3}\$?\d+))?(?![\w(])")


def to_openformula(formula):
    """'=SUM('1 кв'!B5:B9,C3)' -> 'of:=SUM([$'1 кв'.B5:.B9];[.C3])'."""
    assert formula.startswith('=')
    out = []
    parts = re.split(r'("[^"]*")', formula[1:])
    for i, part in enumerate(parts):
        if i % 2:                      # string literal, leave alone
            out.append(part)
            continue

        def ref(m):
            sheet = m.group('qs') or m.group('s')
            pre = "$'%s'." % sheet if sheet else '.'
            r = pre + m.group('a')
            if m.group('b'):
                r += ':.' + m.group('b')
            return '[' + r + ']'
        part = _REF.sub(ref, part)
        out.append(part.replace(',', ';'))
    return 'of:=' + ''.join(out)


class Sheet:
    def __init__(self, name, hidden=False, landscape=False, fit_width=True,
                 header_rows=None, freeze=(0, 0), print_area=None,
                 footer_left=None, header_center=None, one_page=False):
        self.name = name
        self.hidden = hidden
        self.landscape = landscape
        self.fit_width = fit_width
        self.one_page = one_page                # fit the print area on a single page
        self.header_rows = header_rows          # (first, last), 0-based, repeated on print
        self.freeze = freeze                    # (rows, cols) kept in view
        self.print_area = print_area            # 'A1:H40' or None for the used range
        self.footer_left = footer_left
        self.header_center = header_center
        self.cells = {}
        self.merges = {}
        self.widths = {}
        self.heights = {}
        self.max_row = -1
        self.max_col = -1

    def col_width(self, col, cm):
        self.widths[col] = cm

    def row_height(self, row, cm):
        self.heights[row] = cm

    def set(self, row, col, value, style='text', span=None):
        """row, col 0-based; value str, number or '=formula'; span (rows, cols)."""
        self.cells[(row, col)] = (value, style)
        self.max_row = max(self.max_row, row)
        self.max_col = max(self.max_col, col)
        if span:
            self.merges[(row, col)] = span
            self.max_row = max(self.max_row, row + span[0] - 1)
            self.max_col = max(self.max_col, col + span[1] - 1)

    def row(self, row, col, values, styles):
        if isinstance(styles, str):
            styles = [styles] * len(values)
        for i, (v, s) in enumerate(zip(values, styles)):
            if v is not None:
                self.set(row, col + i, v, s)


def col_letter(col):
    s = ''
    col += 1
    while col:
        col, r = divmod(col - 1, 26)
        s = chr(65 + r) + s
    return s


def a1(row, col, absolute=False):
    d = '$' if absolute else ''
    return '%s%s%s%d' % (d, col_letter(col), d, row + 1)


class Workbook:
    def __init__(self, title, subject, keywords, description, author='Tervalen',
                 date='2024-01-15T10:00:00'):
        self.title = title
        self.subject = subject
        self.keywords = keywords
        self.description = description
        self.author = author
        self.date = date
        self.sheets = []
        self.active = None

    def add(self, sheet):
        self.sheets.append(sheet)
        return sheet

    # -- output -------------------------------------------------------
    def _cell_xml(self, sheet, r, c, covered):
        if (r, c) in covered:
            return '<table:covered-table-cell/>'
        if (r, c) not in sheet.cells:
            return '<table:table-cell/>'
        value, style = sheet.cells[(r, c)]
        attrs = ' table:style-name="%s"' % style
        span = sheet.merges.get((r, c))
        if span:
            attrs += ' table:number-rows-spanned="%d" table:number-columns-spanned="%d"' % span
        if isinstance(value, str) and value.startswith('='):
            return '<table:table-cell%s table:formula=%s/>' % (attrs, quoteattr(to_openformula(value)))
        if isinstance(value, (int, float)):
            return ('<table:table-cell%s office:value-type="float" office:value="%r"><text:p>%s</text:p></table:table-cell>'
                    % (attrs, value, value))
        if value == '':
            return '<table:table-cell%s/>' % attrs
        paras = ''.join('<text:p>%s</text:p>' % escape(line) for line in str(value).split('\n'))
        return '<table:table-cell%s office:value-type="string">%s</table:table-cell>' % (attrs, paras)

    def _table_xml(self, idx, sheet, auto):
        covered = set()
        for (r, c), (rs, cs) in sheet.merges.items():
            for rr in range(r, r + rs):
                for cc in range(c, c + cs):
                    if (rr, cc) != (r, c):
                        covered.add((rr, cc))
        pr = sheet.print_area or 'A1:%s' % a1(sheet.max_row, sheet.max_col)
        first, last = pr.split(':')
        out = ['<table:table table:name=%s table:style-name="ta%d" table:print-ranges=%s>'
               % (quoteattr(sheet.name), idx, quoteattr("$'%s'.$%s:.$%s" % (
                   sheet.name, _abs(first), _abs(last))))]
        for c in range(sheet.max_col + 1):
            w = sheet.widths.get(c, 2.3)
            cname = 'co%d_%d' % (idx, c)
            auto.append('<style:style style:name="%s" style:family="table-column">'
                        '<style:table-column-properties fo:break-before="auto" style:column-width="%.3fcm"/></style:style>'
                        % (cname, w))
            out.append('<table:table-column table:style-name="%s" table:default-cell-style-name="Default"/>' % cname)
        for r in range(sheet.max_row + 1):
            if sheet.header_rows and r == sheet.header_rows[0]:
                out.append('<table:table-header-rows>')
            if r in sheet.heights:
                rname = 'ro%d_%d' % (idx, r)
                auto.append('<style:style style:name="%s" style:family="table-row">'
                            '<style:table-row-properties style:row-height="%.3fcm" fo:break-before="auto" '
                            'style:use-optimal-row-height="false"/></style:style>' % (rname, sheet.heights[r]))
                out.append('<table:table-row table:style-name="%s">' % rname)
            else:
                out.append('<table:table-row table:style-name="ro_auto">')
            for c in range(sheet.max_col + 1):
                out.append(self._cell_xml(sheet, r, c, covered))
            out.append('</table:table-row>')
            if sheet.header_rows and r == sheet.header_rows[1]:
                out.append('</table:table-header-rows>')
        out.append('</table:table>')
        return '\n'.join(out)

    def _settings_xml(self):
        items = []
        for s in self.sheets:
            fr, fc = s.freeze
            items.append(
                '<config:config-item-map-entry config:name=%s>' % quoteattr(s.name) +
                _ci('CursorPositionX', 'int', fc) + _ci('CursorPositionY', 'int', fr) +
                _ci('HorizontalSplitMode', 'short', 2 if fc else 0) +
                _ci('VerticalSplitMode', 'short', 2 if fr else 0) +
                _ci('HorizontalSplitPosition', 'int', fc) +
                _ci('VerticalSplitPosition', 'int', fr) +
                _ci('ActiveSplitRange', 'short', 2 if fr else (3 if fc else 2)) +
                _ci('PositionLeft', 'int', 0) + _ci('PositionRight', 'int', fc) +
                _ci('PositionTop', 'int', 0) + _ci('PositionBottom', 'int', fr) +
                _ci('ZoomType', 'short', 0) + _ci('ZoomValue', 'int', 100) +
                _ci('ShowGrid', 'boolean', 'true') +
                '</config:config-item-map-entry>')
        active = self.active or next(s.name for s in self.sheets if not s.hidden)
        return ('<office:settings><config:config-item-set config:name="ooo:view-settings">'
                '<config:config-item-map-indexed config:name="Views"><config:config-item-map-entry>'
                + _ci('ViewId', 'string', 'view1') +
                '<config:config-item-map-named config:name="Tables">' + ''.join(items) +
                '</config:config-item-map-named>' + _ci('ActiveTable', 'string', active) +
                _ci('ShowGrid', 'boolean', 'true') +
                '</config:config-item-map-entry></config:config-item-map-indexed></config:config-item-set>'
                '</office:settings>')

    def to_fods(self):
        auto = []
        auto.append('<style:style style:name="ro_auto" style:family="table-row">'
                    '<style:table-row-properties fo:break-before="auto" style:use-optimal-row-height="true"/></style:style>')
        masters = []
        for i, s in enumerate(self.sheets):
            auto.append('<style:style style:name="ta%d" style:family="table" style:master-page-name="PM%d">'
                        '<style:table-properties table:display="%s" style:writing-mode="lr-tb"/></style:style>'
                        % (i, i, 'false' if s.hidden else 'true'))
            w, h = ('29.7cm', '21cm') if s.landscape else ('21cm', '29.7cm')
            y = 1 if s.one_page else 0
            scale = (' style:scale-to-X="1" style:scale-to-Y="%d" loext:scale-to-X="1" loext:scale-to-Y="%d"' % (y, y)
                     if s.fit_width else '')
            auto.append(
                '<style:page-layout style:name="pl%d"><style:page-layout-properties fo:page-width="%s" fo:page-height="%s" '
                'style:print-orientation="%s" fo:margin-top="1.5cm" fo:margin-bottom="1.5cm" fo:margin-left="2cm" '
                'fo:margin-right="1.5cm" style:print-page-order="ttb" style:first-page-number="continue" '
                'style:table-centering="horizontal" style:print="objects charts drawings"%s/>'
                '<style:header-style><style:header-footer-properties fo:min-height="0.6cm" fo:margin-bottom="0.25cm"/></style:header-style>'
                '<style:footer-style><style:header-footer-properties fo:min-height="0.6cm" fo:margin-top="0.25cm"/></style:footer-style>'
                '</style:page-layout>' % (i, w, h, 'landscape' if s.landscape else 'portrait', scale))
            hc = escape(s.header_center or self.title)
            fl = escape(s.footer_left or 'Tervalen')
            masters.append(
                '<style:master-page style:name="PM%d" style:page-layout-name="pl%d">'
                '<style:header><style:region-center><text:p>%s</text:p></style:region-center></style:header>'
                '<style:footer><style:region-left><text:p>%s</text:p></style:region-left>'
                '<style:region-right><text:p>Стр. <text:page-number>1</text:page-number> из '
                '<text:page-count>1</text:page-count></text:p></style:region-right></style:footer>'
                '</style:master-page>' % (i, i, hc, fl))
        for name, props in CELL_STYLES.items():
            auto.append(_cell_style_xml(name, props))
        tables = [self._table_xml(i, s, auto) for i, s in enumerate(self.sheets)]
        ns = ' '.join('xmlns:%s="%s"' % kv for kv in NS.items())
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<office:document %s office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">\n'
                '<office:meta><dc:title>%s</dc:title><dc:subject>%s</dc:subject><meta:keyword>%s</meta:keyword>'
                '<dc:description>%s</dc:description><meta:initial-creator>%s</meta:initial-creator><dc:creator>%s</dc:creator>'
                '<meta:creation-date>%s</meta:creation-date><dc:date>%s</dc:date></office:meta>\n'
                '%s\n'
                '<office:font-face-decls><style:font-face style:name="Arial" svg:font-family="Arial" style:font-family-generic="swiss" style:font-pitch="variable"/></office:font-face-decls>\n'
                '<office:styles>%s<style:style style:name="Default" style:family="table-cell">'
                '<style:text-properties style:font-name="Arial" fo:font-size="10pt"/></style:style></office:styles>\n'
                '<office:automatic-styles>%s</office:automatic-styles>\n'
                '<office:master-styles>%s</office:master-styles>\n'
                '<office:body><office:spreadsheet><table:calculation-settings table:automatic-find-labels="false"/>\n%s\n'
                '</office:spreadsheet></office:body></office:document>\n'
                % (ns, escape(self.title), escape(self.subject), escape(self.keywords), escape(self.description),
                   escape(self.author), escape(self.author), self.date, self.date,
                   self._settings_xml(), DATA_STYLES, '\n'.join(auto), '\n'.join(masters), '\n'.join(tables)))


def _abs(ref):
    m = re.match(r'([A-Z]+)(\d+)$', ref)
    return '%s$%s' % (m.group(1), m.group(2))


def _ci(name, typ, value):
    return '<config:config-item config:name="%s" config:type="%s">%s</config:config-item>' % (name, typ, value)
