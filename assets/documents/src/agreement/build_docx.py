"""Builds the industry agreement (doc9.docx) and its section V (doc10.docx)
from agreement.txt.

usage: build_docx.py OUTDIR

The WordprocessingML is written directly so that every part (numbering,
footnotes, endnotes, one footer per part of the text) is exactly what we
intend; the packages are reproducible byte for byte."""
import os
import re
import sys
import zipfile
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import pictures  # noqa: E402

ROMAN = ['I', 'II', 'III', 'IV', 'V', 'VI', 'VII', 'VIII', 'IX', 'X']
DATE = (2023, 12, 15, 12, 0, 0)
TITLE = 'Отраслевое соглашение по строительству на 2024–2026 годы'
EMPLOYERS = 'Объединение работодателей строительной отрасли «Стройальянс-Регион»'
UNION = 'Межрегиональный профессиональный союз работников строительства и промышленности строительных материалов «Созидание»'

W = ('xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" '
     'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"')
DRAW_NS = ('xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing" '
           'xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
           'xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"')
XML = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
REL = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships/'


# ------------------------------------------------------------------ source
def parse(path):
    """-> list of parts: (key, [blocks]); a block is (kind, payload)."""
    parts = []
    with open(path, encoding='utf-8') as f:
        for raw in f:
            line = raw.rstrip('\n')
            if not line.strip() or line.startswith('# '):
                continue
            if line.startswith('@part '):
                parts.append((line[6:].strip(), []))
            elif line.startswith('## '):
                parts[-1][1].append(('heading', line[3:]))
            elif line.startswith('-- '):
                parts[-1][1].append(('sub', line[3:]))
            elif line.startswith('- '):
                parts[-1][1].append(('clause', line[2:]))
            elif line.startswith('* '):
                parts[-1][1].append(('bullet', line[2:]))
            elif line.startswith('! '):
                parts[-1][1].append(('centre', line[2:]))
            elif line.startswith('|'):
                cells = [c.strip() for c in line.strip().strip('|').split('|')]
                blocks = parts[-1][1]
                if blocks and blocks[-1][0] == 'table':
                    blocks[-1][1].append(cells)
                else:
                    blocks.append(('table', [cells]))
            else:
                parts[-1][1].append(('body', line))
    return parts


# ------------------------------------------------------------------ writer
class Doc:
    def __init__(self):
        self.body = []
        self.footnotes = []
        self.endnotes = []
        self.footers = []          # xml of each footer part
        self.images = []           # (file name, bytes)
        self.heading_num = 1
        self.clause_nums = {}      # section number -> num id
        self.section = 0
        self.doc_pr = 0

    # inline text with {fn:...} and {en:...}
    def runs(self, text, rpr=''):
        out = []
        for piece in re.split(r'(\{(?:fn|en):[^}]*\})', text):
            if not piece:
                continue
            m = re.match(r'\{(fn|en):(.*)\}$', piece)
            if m:
                kind, note = m.groups()
                if kind == 'fn':
                    self.footnotes.append(note)
                    nid = len(self.footnotes) + 1
                    out.append('<w:r><w:rPr><w:rStyle w:val="FootnoteReference"/></w:rPr>'
                               '<w:footnoteReference w:id="%d"/></w:r>' % nid)
                else:
                    self.endnotes.append(note)
                    nid = len(self.endnotes) + 1
                    out.append('<w:r><w:rPr><w:rStyle w:val="EndnoteReference"/></w:rPr>'
                               '<w:endnoteReference w:id="%d"/></w:r>' % nid)
            else:
                out.append('<w:r>%s<w:t xml:space="preserve">%s</w:t></w:r>'
                           % ('<w:rPr>%s</w:rPr>' % rpr if rpr else '', escape(piece)))
        return ''.join(out)

    def para(self, text, style=None, ppr='', rpr=''):
        p = ''
        if style:
            p += '<w:pStyle w:val="%s"/>' % style
        p += ppr
        self.body.append('<w:p>%s%s</w:p>' % ('<w:pPr>%s</w:pPr>' % p if p else '', self.runs(text, rpr)))

    def heading(self, text):
        self.section += 1
        self.para(text, 'Heading1', '<w:numPr><w:ilvl w:val="0"/><w:numId w:val="%d"/></w:numPr>' % self.heading_num)

    def clause(self, text, level):
        num = 10 + self.section
        self.clause_nums[self.section] = num
        self.para(text, 'Clause' if level == 0 else 'SubClause',
                  '<w:numPr><w:ilvl w:val="%d"/><w:numId w:val="%d"/></w:numPr>' % (level, num))

    def table(self, rows):
        ncols = len(rows[0])
        first = 4200
        other = (9355 - first) // (ncols - 1)
        grid = ''.join('<w:gridCol w:w="%d"/>' % (first if i == 0 else other) for i in range(ncols))
        trs = []
        for r, cells in enumerate(rows):
            tcs = []
            for i, c in enumerate(cells):
                shade = '<w:shd w:val="clear" w:color="auto" w:fill="D9E2F3"/>' if r == 0 else ''
                jc = 'left' if i == 0 else 'center'
                rpr = '<w:b/>' if r == 0 else ''
                tcs.append('<w:tc><w:tcPr><w:tcW w:w="%d" w:type="dxa"/>%s<w:vAlign w:val="center"/></w:tcPr>'
                           '<w:p><w:pPr><w:pStyle w:val="TableText"/><w:jc w:val="%s"/></w:pPr>%s</w:p></w:tc>'
                           % (first if i == 0 else other, shade, jc, self.runs(c, rpr)))
            hdr = '<w:trPr><w:tblHeader/></w:trPr>' if r == 0 else ''
            trs.append('<w:tr>%s%s</w:tr>' % (hdr, ''.join(tcs)))
        self.body.append('<w:tbl><w:tblPr><w:tblStyle w:val="TableGrid"/><w:tblW w:w="9355" w:type="dxa"/>'
                         '<w:jc w:val="center"/><w:tblLook w:val="04A0" w:firstRow="1" w:lastRow="0" '
                         'w:firstColumn="1" w:lastColumn="0" w:noHBand="0" w:noVBand="1"/></w:tblPr>'
                         '<w:tblGrid>%s</w:tblGrid>%s</w:tbl>' % (grid, ''.join(trs)))
        self.para('', 'TableText')

    def image(self, data, width_cm, height_cm, name, descr):
        self.images.append((name, data))
        rid = 'rIdImg%d' % len(self.images)
        self.doc_pr += 1
        cx, cy = int(width_cm * 360000), int(height_cm * 360000)
        return ('<w:r><w:drawing><wp:inline distT="0" distB="0" distL="0" distR="0"><wp:extent cx="%d" cy="%d"/>'
                '<wp:effectExtent l="0" t="0" r="0" b="0"/><wp:docPr id="%d" name="%s" descr="%s"/>'
                '<wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect="1"/></wp:cNvGraphicFramePr>'
                '<a:graphic><a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/picture">'
                '<pic:pic><pic:nvPicPr><pic:cNvPr id="0" name="%s"/><pic:cNvPicPr/></pic:nvPicPr>'
                '<pic:blipFill><a:blip r:embed="%s"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>'
                '<pic:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="%d" cy="%d"/></a:xfrm>'
                '<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData></a:graphic>'
                '</wp:inline></w:drawing></w:r>' % (cx, cy, self.doc_pr, escape(descr), escape(descr), name, rid, cx, cy))

    def footer(self, left):
        self.footers.append(
            '<w:ftr %s><w:p><w:pPr><w:pStyle w:val="Footer"/><w:pBdr><w:top w:val="single" w:sz="4" w:space="4" '
            'w:color="808080"/></w:pBdr><w:tabs><w:tab w:val="clear" w:pos="4677"/><w:tab w:val="right" w:pos="9355"/></w:tabs></w:pPr>'
            '<w:r><w:t xml:space="preserve">%s</w:t></w:r><w:r><w:tab/><w:t xml:space="preserve">Стр. </w:t></w:r>'
            '<w:fldSimple w:instr=" PAGE "><w:r><w:t>1</w:t></w:r></w:fldSimple>'
            '<w:r><w:t xml:space="preserve"> из </w:t></w:r>'
            '<w:fldSimple w:instr=" NUMPAGES "><w:r><w:t>1</w:t></w:r></w:fldSimple></w:p></w:ftr>'
            % (W, escape(left)))
        return 'rIdFtr%d' % len(self.footers)

    def sect_pr(self, default_footer, first_footer=None, restart=False):
        refs = '<w:footerReference w:type="default" r:id="%s"/>' % default_footer
        if first_footer:
            refs += '<w:footerReference w:type="first" r:id="%s"/>' % first_footer
        return ('<w:sectPr>%s<w:type w:val="nextPage"/><w:pgSz w:w="11906" w:h="16838"/>'
                '<w:pgMar w:top="1134" w:right="850" w:bottom="1134" w:left="1701" w:header="709" w:footer="709" w:gutter="0"/>'
                '%s%s<w:docGrid w:linePitch="360"/></w:sectPr>'
                % (refs, '<w:pgNumType w:start="1"/>' if restart else '', '<w:titlePg/>' if first_footer else ''))

    def end_section(self, sect):
        """Closes a part: its properties ride on an empty last paragraph."""
        self.body.append('<w:p><w:pPr>%s</w:pPr></w:p>' % sect)

    def blocks(self, blocks):
        for kind, payload in blocks:
            if kind == 'heading':
                self.heading(payload)
            elif kind == 'clause':
                self.clause(payload, 0)
            elif kind == 'sub':
                self.clause(payload, 1)
            elif kind == 'bullet':
                self.para(payload, 'ListBullet')
            elif kind == 'centre':
                self.para(payload, 'Heading2')
            elif kind == 'table':
                self.table(payload)
            else:
                self.para(payload, 'BodyText')


# ------------------------------------------------------------------ fixed parts
def numbering_xml(first_section, last_section, heading_start):
    abstract = ['<w:abstractNum w:abstractNumId="0"><w:multiLevelType w:val="singleLevel"/>'
                '<w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="upperRoman"/><w:suff w:val="space"/><w:lvlText w:val="%1."/>'
                '<w:lvlJc w:val="center"/><w:pPr><w:ind w:left="0" w:firstLine="0"/></w:pPr></w:lvl></w:abstractNum>']
    nums = ['<w:num w:numId="1"><w:abstractNumId w:val="0"/>%s</w:num>'
            % ('<w:lvlOverride w:ilvl="0"><w:startOverride w:val="%d"/></w:lvlOverride>' % heading_start
               if heading_start != 1 else '')]
    # One list per section: its clauses read "5.1.", "5.1.2." whatever the
    # heading's Roman numeral, so the section number is literal text here.
    for s in range(first_section, last_section + 1):
        aid = 10 + s
        abstract.append(
            '<w:abstractNum w:abstractNumId="%d"><w:multiLevelType w:val="multilevel"/>'
            '<w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%d.%%1."/>'
            '<w:lvlJc w:val="left"/><w:pPr><w:tabs><w:tab w:val="num" w:pos="1134"/></w:tabs>'
            '<w:ind w:left="0" w:firstLine="567"/></w:pPr></w:lvl>'
            '<w:lvl w:ilvl="1"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%d.%%1.%%2."/>'
            '<w:lvlJc w:val="left"/><w:pPr><w:tabs><w:tab w:val="num" w:pos="1418"/></w:tabs>'
            '<w:ind w:left="0" w:firstLine="567"/></w:pPr></w:lvl></w:abstractNum>' % (aid, s, s))
        nums.append('<w:num w:numId="%d"><w:abstractNumId w:val="%d"/></w:num>' % (aid, aid))
    return XML + '<w:numbering %s>%s%s</w:numbering>' % (W, ''.join(abstract), ''.join(nums))


def styles_xml():
    def pstyle(sid, name, ppr='', rpr='', based='Normal', nxt=None, extra=''):
        return ('<w:style w:type="paragraph" w:styleId="%s"><w:name w:val="%s"/>%s%s%s<w:qFormat/>'
                '<w:pPr>%s</w:pPr><w:rPr>%s</w:rPr></w:style>'
                % (sid, name, '<w:basedOn w:val="%s"/>' % based if based else '',
                   '<w:next w:val="%s"/>' % nxt if nxt else '', extra, ppr, rpr))
    font = '<w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:cs="Times New Roman" w:eastAsia="Times New Roman"/>'
    return (XML + '<w:styles %s><w:docDefaults><w:rPrDefault><w:rPr>%s<w:sz w:val="26"/><w:szCs w:val="26"/>'
            '<w:lang w:val="ru-RU" w:eastAsia="en-US" w:bidi="ar-SA"/></w:rPr></w:rPrDefault>'
            '<w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="276" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults>'
            % (W, font) +
            pstyle('Normal', 'Normal', based=None, extra='<w:uiPriority w:val="0"/>') +
            pstyle('Title', 'Title', '<w:jc w:val="center"/><w:spacing w:before="240" w:after="120"/>',
                   '<w:b/><w:caps/><w:sz w:val="40"/><w:szCs w:val="40"/>') +
            pstyle('Subtitle', 'Subtitle', '<w:jc w:val="center"/><w:spacing w:after="120"/>',
                   '<w:sz w:val="30"/><w:szCs w:val="30"/>') +
            pstyle('Heading1', 'heading 1', '<w:keepNext/><w:keepLines/><w:jc w:val="center"/>'
                   '<w:spacing w:before="360" w:after="180"/><w:outlineLvl w:val="0"/>',
                   '<w:b/><w:sz w:val="28"/><w:szCs w:val="28"/>', nxt='Clause') +
            pstyle('Heading2', 'heading 2', '<w:keepNext/><w:jc w:val="center"/><w:spacing w:before="240" w:after="120"/>'
                   '<w:outlineLvl w:val="1"/>', '<w:b/><w:sz w:val="28"/><w:szCs w:val="28"/>', nxt='BodyText') +
            pstyle('BodyText', 'Body Text', '<w:spacing w:after="120"/><w:ind w:firstLine="567"/><w:jc w:val="both"/>') +
            pstyle('Clause', 'Пункт соглашения', '<w:spacing w:after="120"/><w:jc w:val="both"/>', nxt='Clause') +
            pstyle('SubClause', 'Подпункт соглашения', '<w:spacing w:after="60"/><w:jc w:val="both"/>', nxt='SubClause') +
            pstyle('ListBullet', 'List Bullet', '<w:ind w:left="851" w:hanging="284"/><w:jc w:val="both"/>') +
            pstyle('TableText', 'Текст таблицы', '<w:spacing w:before="40" w:after="40" w:line="240" w:lineRule="auto"/>',
                   '<w:sz w:val="22"/><w:szCs w:val="22"/>') +
            pstyle('Centred', 'Текст по центру', '<w:jc w:val="center"/><w:spacing w:after="120"/>') +
            pstyle('FootnoteText', 'footnote text', '<w:jc w:val="both"/><w:spacing w:line="240" w:lineRule="auto"/>',
                   '<w:sz w:val="20"/><w:szCs w:val="20"/>') +
            pstyle('EndnoteText', 'endnote text', '<w:jc w:val="both"/><w:spacing w:after="60" w:line="240" w:lineRule="auto"/>',
                   '<w:sz w:val="20"/><w:szCs w:val="20"/>') +
            pstyle('Footer', 'footer', '<w:tabs><w:tab w:val="center" w:pos="4677"/><w:tab w:val="right" w:pos="9355"/></w:tabs>',
                   '<w:sz w:val="18"/><w:szCs w:val="18"/><w:color w:val="595959"/>') +
            '<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default Paragraph Font"/>'
            '<w:uiPriority w:val="1"/><w:semiHidden/></w:style>'
            '<w:style w:type="character" w:styleId="FootnoteReference"><w:name w:val="footnote reference"/>'
            '<w:rPr><w:vertAlign w:val="superscript"/></w:rPr></w:style>'
            '<w:style w:type="character" w:styleId="EndnoteReference"><w:name w:val="endnote reference"/>'
            '<w:rPr><w:vertAlign w:val="superscript"/></w:rPr></w:style>'
            '<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:semiHidden/>'
            '<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/>'
            '<w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>'
            '</w:tblCellMar></w:tblPr></w:style>'
            '<w:style w:type="table" w:styleId="TableGrid"><w:name w:val="Table Grid"/><w:basedOn w:val="TableNormal"/>'
            '<w:tblPr><w:tblBorders><w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/>'
            '<w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/>'
            '<w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/>'
            '<w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/></w:tblBorders></w:tblPr></w:style>'
            '<w:style w:type="numbering" w:default="1" w:styleId="NoList"><w:name w:val="No List"/><w:semiHidden/></w:style>'
            '</w:styles>')


def notes_xml(tag, notes):
    ref = 'footnoteRef' if tag == 'footnote' else 'endnoteRef'
    style = 'FootnoteText' if tag == 'footnote' else 'EndnoteText'
    rstyle = 'FootnoteReference' if tag == 'footnote' else 'EndnoteReference'
    out = ['<w:%s w:type="separator" w:id="0"><w:p><w:r><w:separator/></w:r></w:p></w:%s>' % (tag, tag),
           '<w:%s w:type="continuationSeparator" w:id="1"><w:p><w:r><w:continuationSeparator/></w:r></w:p></w:%s>'
           % (tag, tag)]
    for i, text in enumerate(notes):
        out.append('<w:%s w:id="%d"><w:p><w:pPr><w:pStyle w:val="%s"/></w:pPr><w:r><w:rPr><w:rStyle w:val="%s"/></w:rPr>'
                   '<w:%s/></w:r><w:r><w:t xml:space="preserve"> %s</w:t></w:r></w:p></w:%s>'
                   % (tag, i + 2, style, rstyle, ref, escape(text), tag))
    return XML + '<w:%ss %s>%s</w:%ss>' % (tag, W, ''.join(out), tag)


def settings_xml():
    return (XML + '<w:settings %s><w:zoom w:percent="100"/><w:defaultTabStop w:val="708"/>'
            '<w:characterSpacingControl w:val="doNotCompress"/>'
            '<w:footnotePr><w:footnote w:id="0"/><w:footnote w:id="1"/></w:footnotePr>'
            '<w:endnotePr><w:endnote w:id="0"/><w:endnote w:id="1"/></w:endnotePr>'
            '<w:compat><w:compatSetting w:name="compatibilityMode" w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>'
            '<w:themeFontLang w:val="ru-RU"/><w:decimalSymbol w:val=","/><w:listSeparator w:val=";"/></w:settings>' % W)


WEB_SETTINGS = XML + '<w:webSettings %s><w:optimizeForBrowser/><w:allowPNG/></w:webSettings>' % W

FONT_TABLE = (XML + '<w:fonts %s>'
              '<w:font w:name="Times New Roman"><w:panose1 w:val="02020603050405020304"/><w:charset w:val="CC"/>'
              '<w:family w:val="roman"/><w:pitch w:val="variable"/></w:font>'
              '<w:font w:name="Calibri"><w:charset w:val="CC"/><w:family w:val="swiss"/><w:pitch w:val="variable"/></w:font>'
              '<w:font w:name="Cambria"><w:charset w:val="CC"/><w:family w:val="roman"/><w:pitch w:val="variable"/></w:font>'
              '</w:fonts>' % W)


def theme_xml():
    colours = [('dk1', '<a:sysClr val="windowText" lastClr="000000"/>'), ('lt1', '<a:sysClr val="window" lastClr="FFFFFF"/>'),
               ('dk2', '<a:srgbClr val="1F3864"/>'), ('lt2', '<a:srgbClr val="E7E6E6"/>'),
               ('accent1', '<a:srgbClr val="12346E"/>'), ('accent2', '<a:srgbClr val="A01C24"/>'),
               ('accent3', '<a:srgbClr val="E2AA28"/>'), ('accent4', '<a:srgbClr val="46464F"/>'),
               ('accent5', '<a:srgbClr val="5B9BD5"/>'), ('accent6', '<a:srgbClr val="70AD47"/>'),
               ('hlink', '<a:srgbClr val="0563C1"/>'), ('folHlink', '<a:srgbClr val="954F72"/>')]
    clr = ''.join('<a:%s>%s</a:%s>' % (n, v, n) for n, v in colours)
    solid = '<a:solidFill><a:schemeClr val="phClr"/></a:solidFill>'
    line = '<a:ln w="%d"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln>'
    return (XML + '<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" name="Tervalen">'
            '<a:themeElements><a:clrScheme name="Tervalen">%s</a:clrScheme>'
            '<a:fontScheme name="Tervalen"><a:majorFont><a:latin typeface="Times New Roman"/><a:ea typeface=""/><a:cs typeface=""/></a:majorFont>'
            '<a:minorFont><a:latin typeface="Times New Roman"/><a:ea typeface=""/><a:cs typeface=""/></a:minorFont></a:fontScheme>'
            '<a:fmtScheme name="Tervalen"><a:fillStyleLst>%s%s%s</a:fillStyleLst>'
            '<a:lnStyleLst>%s%s%s</a:lnStyleLst>'
            '<a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle>'
            '<a:effectStyle><a:effectLst/></a:effectStyle></a:effectStyleLst>'
            '<a:bgFillStyleLst>%s%s%s</a:bgFillStyleLst></a:fmtScheme></a:themeElements>'
            '<a:objectDefaults/><a:extraClrSchemeLst/></a:theme>'
            % (clr, solid, solid, solid, line % 6350, line % 12700, line % 19050, solid, solid, solid))


def core_xml(title, subject, description):
    return (XML + '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
            'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
            'xmlns:dcmitype="http://purl.org/dc/dcmitype/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
            '<dc:title>%s</dc:title><dc:subject>%s</dc:subject><dc:creator>Tervalen</dc:creator>'
            '<cp:keywords>отраслевое соглашение; оплата труда; строительство</cp:keywords>'
            '<dc:description>%s</dc:description><cp:lastModifiedBy>Tervalen</cp:lastModifiedBy><cp:revision>1</cp:revision>'
            '<dcterms:created xsi:type="dcterms:W3CDTF">2023-12-15T12:00:00Z</dcterms:created>'
            '<dcterms:modified xsi:type="dcterms:W3CDTF">2023-12-15T12:00:00Z</dcterms:modified>'
            '<dc:language>ru-RU</dc:language></cp:coreProperties>' % (escape(title), escape(subject), escape(description)))


def app_xml(pages):
    return (XML + '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" '
            'xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">'
            '<Template>Normal.dotm</Template><TotalTime>0</TotalTime><Pages>%d</Pages><Application>Tervalen</Application>'
            '<DocSecurity>0</DocSecurity><ScaleCrop>false</ScaleCrop><Company>Tervalen</Company>'
            '<LinksUpToDate>false</LinksUpToDate><SharedDoc>false</SharedDoc><HyperlinksChanged>false</HyperlinksChanged>'
            '<AppVersion>16.0000</AppVersion></Properties>' % pages)


# ------------------------------------------------------------------ package
def package(doc, path, title, subject, description, pages):
    body = ''.join(doc.body)
    document = (XML + '<w:document %s %s><w:body>%s</w:body></w:document>' % (W, DRAW_NS, body))
    rels = [('rIdStyles', 'styles', 'styles.xml'), ('rIdNumbering', 'numbering', 'numbering.xml'),
            ('rIdSettings', 'settings', 'settings.xml'), ('rIdWeb', 'webSettings', 'webSettings.xml'),
            ('rIdFonts', 'fontTable', 'fontTable.xml'), ('rIdTheme', 'theme', 'theme/theme1.xml'),
            ('rIdFootnotes', 'footnotes', 'footnotes.xml'), ('rIdEndnotes', 'endnotes', 'endnotes.xml')]
    rels += [('rIdFtr%d' % (i + 1), 'footer', 'footer%d.xml' % (i + 1)) for i in range(len(doc.footers))]
    rels += [('rIdImg%d' % (i + 1), 'image', 'media/' + name) for i, (name, _) in enumerate(doc.images)]
    doc_rels = (XML + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">' +
                ''.join('<Relationship Id="%s" Type="%s%s" Target="%s"/>' % (i, REL, t, tg) for i, t, tg in rels) +
                '</Relationships>')
    wml = 'application/vnd.openxmlformats-officedocument.wordprocessingml.'
    overrides = [('/word/document.xml', wml + 'document.main+xml'), ('/word/styles.xml', wml + 'styles+xml'),
                 ('/word/numbering.xml', wml + 'numbering+xml'), ('/word/settings.xml', wml + 'settings+xml'),
                 ('/word/webSettings.xml', wml + 'webSettings+xml'), ('/word/fontTable.xml', wml + 'fontTable+xml'),
                 ('/word/theme/theme1.xml', 'application/vnd.openxmlformats-officedocument.theme+xml'),
                 ('/word/footnotes.xml', wml + 'footnotes+xml'), ('/word/endnotes.xml', wml + 'endnotes+xml')]
    overrides += [('/word/footer%d.xml' % (i + 1), wml + 'footer+xml') for i in range(len(doc.footers))]
    overrides += [('/docProps/core.xml', 'application/vnd.openxmlformats-package.core-properties+xml'),
                  ('/docProps/app.xml', 'application/vnd.openxmlformats-officedocument.extended-properties+xml')]
    defaults = [('rels', 'application/vnd.openxmlformats-package.relationships+xml'), ('xml', 'application/xml')]
    if doc.images:
        defaults.append(('jpeg', 'image/jpeg'))
    content_types = (XML + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">' +
                     ''.join('<Default Extension="%s" ContentType="%s"/>' % d for d in defaults) +
                     ''.join('<Override PartName="%s" ContentType="%s"/>' % o for o in overrides) + '</Types>')
    root_rels = (XML + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                 '<Relationship Id="rId1" Type="%sofficeDocument" Target="word/document.xml"/>'
                 '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>'
                 '<Relationship Id="rId3" Type="%sextended-properties" Target="docProps/app.xml"/>'
                 '</Relationships>' % (REL, REL))
    first_section = min(doc.clause_nums) if doc.clause_nums else 1
    last_section = max(doc.clause_nums) if doc.clause_nums else 1
    entries = [('[Content_Types].xml', content_types), ('_rels/.rels', root_rels),
               ('word/document.xml', document), ('word/_rels/document.xml.rels', doc_rels),
               ('word/styles.xml', styles_xml()),
               ('word/numbering.xml', numbering_xml(first_section, last_section, doc.heading_start)),
               ('word/settings.xml', settings_xml()), ('word/webSettings.xml', WEB_SETTINGS),
               ('word/fontTable.xml', FONT_TABLE), ('word/theme/theme1.xml', theme_xml()),
               ('word/footnotes.xml', notes_xml('footnote', doc.footnotes)),
               ('word/endnotes.xml', notes_xml('endnote', doc.endnotes))]
    entries += [('word/footer%d.xml' % (i + 1), XML + f) for i, f in enumerate(doc.footers)]
    entries += [('docProps/core.xml', core_xml(title, subject, description)), ('docProps/app.xml', app_xml(pages))]
    with zipfile.ZipFile(path, 'w') as z:
        for name, text in entries:
            info = zipfile.ZipInfo(name, DATE)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, text.encode('utf-8'), compresslevel=9)
        for i, (name, data) in enumerate(doc.images):
            info = zipfile.ZipInfo('word/media/' + name, DATE)
            # JPEG data does not deflate; the emblems are stored as they are.
            info.compress_type = zipfile.ZIP_STORED if i < 2 else zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            z.writestr(info, data)


# ------------------------------------------------------------------ the two documents
def build_agreement(parts, path):
    d = Doc()
    d.heading_start = 1
    f_title = d.footer('Отраслевое соглашение по строительству на 2024–2026 годы')
    f_pre = d.footer('Отраслевое соглашение · Преамбула')
    # Title page: the two emblems side by side, the parties, the title.
    emb1 = d.image(pictures.jpeg(pictures.emblem_employers()), 4.2, 4.2, 'image1.jpeg', 'Эмблема Объединения работодателей')
    emb2 = d.image(pictures.jpeg(pictures.emblem_union()), 4.2, 4.2, 'image2.jpeg', 'Эмблема Профсоюза')
    cell = ('<w:tc><w:tcPr><w:tcW w:w="4677" w:type="dxa"/></w:tcPr><w:p><w:pPr><w:pStyle w:val="Centred"/></w:pPr>%s</w:p>'
            '<w:p><w:pPr><w:pStyle w:val="Centred"/></w:pPr>%s</w:p></w:tc>')
    d.body.append('<w:tbl><w:tblPr><w:tblW w:w="9355" w:type="dxa"/><w:tblLook w:val="0000"/></w:tblPr>'
                  '<w:tblGrid><w:gridCol w:w="4677"/><w:gridCol w:w="4678"/></w:tblGrid><w:tr>%s%s</w:tr></w:tbl>'
                  % (cell % (emb1, d.runs(EMPLOYERS, '<w:sz w:val="22"/>')), cell % (emb2, d.runs(UNION, '<w:sz w:val="22"/>'))))
    for _ in range(5):
        d.para('', 'Centred')
    d.para('Отраслевое соглашение', 'Title')
    d.para('по строительству на 2024–2026 годы', 'Subtitle')
    for _ in range(10):
        d.para('', 'Centred')
    d.para('Заключено 15 декабря 2023 г.', 'Centred')
    d.para('', 'Centred', '<w:pageBreakBefore/>')
    footers = {'sections_1_4': 'Отраслевое соглашение · Разделы I–IV',
               'section_5': 'Отраслевое соглашение · Раздел V. Оплата труда',
               'sections_6_10': 'Отраслевое соглашение · Разделы VI–X'}
    current = d.sect_pr(f_pre, f_title, restart=True)
    for key, blocks in parts:
        if key != 'preamble':
            d.end_section(current)
            current = d.sect_pr(d.footer(footers[key]))
        d.blocks(blocks)
    d.end_section(current)
    d.para('Подписи Сторон', 'Heading2')
    d.para('Настоящее Соглашение подписано уполномоченными представителями Сторон:', 'BodyText')
    d.body.append('<w:p><w:pPr><w:pStyle w:val="Centred"/></w:pPr>%s</w:p>'
                  % d.image(pictures.jpeg(pictures.signature_block()), 16.0, 16.0 * 820 / 1800, 'image3.jpeg',
                            'Подписи представителей Сторон'))
    d.para('Примечания', 'Heading2')
    d.para('Пояснения к отдельным положениям Соглашения приведены в концевых сносках.', 'BodyText')
    d.body.append(d.sect_pr(d.footer('Отраслевое соглашение · Подписи Сторон')))
    assert len(d.footers) == 6 and len(d.images) == 3
    package(d, path, TITLE, 'Отраслевое соглашение между объединением работодателей и профсоюзом строительной отрасли',
            'Преамбула и разделы I–X: общие положения, экономическая политика, трудовые отношения, '
            'рабочее время, оплата труда, охрана труда, социальные гарантии, молодёжная политика, '
            'гарантии профсоюзов, контроль и ответственность.', 12)


def build_section5(parts, path):
    d = Doc()
    d.heading_start = 5
    d.section = 4
    blocks = dict(parts)['section_5']
    d.para('Извлечение из Отраслевого соглашения по строительству на 2024–2026 годы', 'Subtitle')
    d.para('заключённого между ' + EMPLOYERS + ' и ' + UNION + ' 15 декабря 2023 г.', 'Centred',
           rpr='<w:i/><w:sz w:val="22"/>')
    d.blocks(blocks)
    d.body.append(d.sect_pr(d.footer('Раздел V Отраслевого соглашения по строительству · Оплата труда'), restart=True))
    assert len(d.footers) == 1 and not d.images
    package(d, path, 'Раздел V Отраслевого соглашения: оплата труда', 'Оплата труда работников строительной отрасли',
            'Раздел V «Оплата труда» Отраслевого соглашения по строительству на 2024–2026 годы.', 3)


if __name__ == '__main__':
    out = sys.argv[1]
    parts = parse(os.path.join(HERE, 'agreement.txt'))
    build_agreement(parts, os.path.join(out, 'doc9.docx'))
    build_section5(parts, os.path.join(out, 'doc10.docx'))
