#!/usr/bin/python3
"""Writes resources/tq.dotx, the Word template of the case report.

The report relies on three things in it: a first table whose cells (1,2)..(6,2) take the case
and incident texts and whose cell (8,1) takes the circumstances, a bookmark "xyz" where the
drawing goes and a bookmark "dat" where the table of points goes. Everything else is layout.
The archive is written with fixed timestamps so that the same script gives the same bytes.

    /usr/bin/python3 scripts/make_word_template.py [output]
"""
import sys
import zipfile
from pathlib import Path
from xml.sax.saxutils import escape

W_NS = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R_NS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
REL_NS = "http://schemas.openxmlformats.org/package/2006/relationships"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'

# A4 with 2 cm margins, in twentieths of a point.
PAGE_W, PAGE_H, MARGIN = 11906, 16838, 1134
TEXT_W = PAGE_W - 2 * MARGIN
LABEL_W = 2900
ACCENT = "1F3864"
LABEL_FILL = "E8ECF4"
BORDER = "8EA0C0"

CASE_ROWS = ["Case name or number", "Description", "Date and hour", "Place", "Name 1", "Name 2"]


def content_types():
    return DECL + (
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"/>'
        '<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>'
        '<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>'
        '<Override PartName="/word/footer1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"/>'
        '<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
        '<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>'
        '</Types>')


def package_rels():
    return DECL + (
        f'<Relationships xmlns="{REL_NS}">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>'
        '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>'
        '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>'
        '</Relationships>')


def document_rels():
    base = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
    return DECL + (
        f'<Relationships xmlns="{REL_NS}">'
        f'<Relationship Id="rId1" Type="{base}styles" Target="styles.xml"/>'
        f'<Relationship Id="rId2" Type="{base}settings" Target="settings.xml"/>'
        f'<Relationship Id="rId3" Type="{base}footer" Target="footer1.xml"/>'
        '</Relationships>')


def core_props():
    return DECL + (
        '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties"'
        ' xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/"'
        ' xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
        '<dc:title>Case Report</dc:title><dc:creator>Zorvane</dc:creator>'
        '</cp:coreProperties>')


def app_props():
    return DECL + (
        '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">'
        '<Template>tq.dotx</Template><Application>Zorvane</Application></Properties>')


def settings():
    return DECL + (
        f'<w:settings xmlns:w="{W_NS}"><w:defaultTabStop w:val="709"/>'
        '<w:characterSpacingControl w:val="doNotCompress"/>'
        '<w:compat><w:compatSetting w:name="compatibilityMode" w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>'
        '</w:settings>')


def styles():
    def para_style(sid, name, ppr, rpr, based="Normal", extra=""):
        return (f'<w:style w:type="paragraph" w:styleId="{sid}"><w:name w:val="{name}"/>'
                f'<w:basedOn w:val="{based}"/><w:next w:val="Normal"/>{extra}<w:qFormat/>'
                f'<w:pPr>{ppr}</w:pPr><w:rPr>{rpr}</w:rPr></w:style>')

    fonts = '<w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:eastAsia="Arial" w:cs="Arial"/>'
    return DECL + (
        f'<w:styles xmlns:w="{W_NS}">'
        f'<w:docDefaults><w:rPrDefault><w:rPr>{fonts}<w:sz w:val="20"/><w:szCs w:val="20"/>'
        '<w:lang w:val="en-GB"/></w:rPr></w:rPrDefault>'
        '<w:pPrDefault><w:pPr><w:spacing w:after="80" w:line="259" w:lineRule="auto"/></w:pPr></w:pPrDefault>'
        '</w:docDefaults>'
        '<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>'
        + para_style("Title", "Title",
                     f'<w:pBdr><w:bottom w:val="single" w:sz="12" w:space="4" w:color="{ACCENT}"/></w:pBdr>'
                     '<w:spacing w:after="60"/>',
                     f'<w:b/><w:color w:val="{ACCENT}"/><w:sz w:val="44"/><w:szCs w:val="44"/>')
        + para_style("Subtitle", "Subtitle", '<w:spacing w:after="240"/>',
                     '<w:color w:val="595959"/><w:sz w:val="22"/><w:szCs w:val="22"/>')
        + para_style("Heading1", "heading 1",
                     '<w:keepNext/><w:keepLines/><w:spacing w:before="320" w:after="120"/><w:outlineLvl w:val="0"/>',
                     f'<w:b/><w:color w:val="{ACCENT}"/><w:sz w:val="26"/><w:szCs w:val="26"/>')
        + para_style("TableLabel", "Table Label", '<w:spacing w:before="40" w:after="40"/>',
                     f'<w:b/><w:color w:val="{ACCENT}"/>')
        + para_style("TableText", "Table Text", '<w:spacing w:before="40" w:after="40"/>', '')
        + para_style("Picture", "Picture",
                     '<w:keepLines/><w:pBdr>'
                     + "".join(f'<w:{side} w:val="single" w:sz="4" w:space="1" w:color="{BORDER}"/>'
                               for side in ("top", "left", "bottom", "right"))
                     + '</w:pBdr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/><w:jc w:val="center"/>',
                     '')
        + para_style("Footer", "footer",
                     f'<w:tabs><w:tab w:val="right" w:pos="{TEXT_W}"/></w:tabs><w:spacing w:after="0"/>',
                     '<w:color w:val="7F7F7F"/><w:sz w:val="16"/><w:szCs w:val="16"/>')
        + '<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/>'
        '<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/>'
        '<w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>'
        '</w:tblCellMar></w:tblPr></w:style>'
        '</w:styles>')


def paragraph(text, style=None):
    ppr = f'<w:pPr><w:pStyle w:val="{style}"/></w:pPr>' if style else ""
    run = f'<w:r><w:t xml:space="preserve">{escape(text)}</w:t></w:r>' if text else ""
    return f"<w:p>{ppr}{run}</w:p>"


def cell(width, content, fill=None, span=1, align="center"):
    props = f'<w:tcW w:w="{width}" w:type="dxa"/>'
    if span > 1:
        props += f'<w:gridSpan w:val="{span}"/>'
    if fill:
        props += f'<w:shd w:val="clear" w:color="auto" w:fill="{fill}"/>'
    props += f'<w:vAlign w:val="{align}"/>'
    return f"<w:tc><w:tcPr>{props}</w:tcPr>{content}</w:tc>"


def case_table():
    value_w = TEXT_W - LABEL_W
    borders = "".join(f'<w:{side} w:val="single" w:sz="4" w:space="0" w:color="{BORDER}"/>'
                      for side in ("top", "left", "bottom", "right", "insideH", "insideV"))
    rows = []
    for label in CASE_ROWS:
        rows.append('<w:tr><w:trPr><w:cantSplit/><w:trHeight w:val="360"/></w:trPr>'
                    + cell(LABEL_W, paragraph(label, "TableLabel"), LABEL_FILL)
                    + cell(value_w, paragraph("", "TableText")) + "</w:tr>")
    rows.append('<w:tr><w:trPr><w:cantSplit/><w:trHeight w:val="360"/></w:trPr>'
                + cell(TEXT_W, paragraph("Circumstances", "TableLabel"), LABEL_FILL, span=2) + "</w:tr>")
    rows.append('<w:tr><w:trPr><w:trHeight w:val="1400"/></w:trPr>'
                + cell(TEXT_W, paragraph("", "TableText"), span=2, align="top") + "</w:tr>")
    return ('<w:tbl><w:tblPr>'
            f'<w:tblW w:w="{TEXT_W}" w:type="dxa"/><w:tblBorders>{borders}</w:tblBorders>'
            '<w:tblLayout w:type="fixed"/><w:tblLook w:val="0000"/></w:tblPr>'
            f'<w:tblGrid><w:gridCol w:w="{LABEL_W}"/><w:gridCol w:w="{value_w}"/></w:tblGrid>'
            + "".join(rows) + "</w:tbl>")


def bookmark(name, ident, style):
    return (f'<w:p><w:pPr><w:pStyle w:val="{style}"/></w:pPr>'
            f'<w:bookmarkStart w:id="{ident}" w:name="{name}"/><w:bookmarkEnd w:id="{ident}"/></w:p>')


def document():
    body = (paragraph("Case Report", "Title")
            + paragraph("Site survey of an accident or crime scene", "Subtitle")
            + paragraph("Case", "Heading1")
            + case_table()
            + paragraph("Drawing", "Heading1")
            + bookmark("xyz", 0, "Picture")
            + paragraph("Measured points", "Heading1")
            + bookmark("dat", 1, "Normal")
            + '<w:sectPr><w:footerReference w:type="default" r:id="rId3"/>'
            f'<w:pgSz w:w="{PAGE_W}" w:h="{PAGE_H}"/>'
            f'<w:pgMar w:top="{MARGIN}" w:right="{MARGIN}" w:bottom="{MARGIN}" w:left="{MARGIN}"'
            ' w:header="567" w:footer="567" w:gutter="0"/></w:sectPr>')
    return DECL + f'<w:document xmlns:w="{W_NS}" xmlns:r="{R_NS}"><w:body>{body}</w:body></w:document>'


def field(instruction):
    return (f'<w:fldSimple w:instr=" {instruction} "><w:r><w:t>1</w:t></w:r></w:fldSimple>')


def footer():
    return DECL + (
        f'<w:ftr xmlns:w="{W_NS}" xmlns:r="{R_NS}"><w:p><w:pPr><w:pStyle w:val="Footer"/>'
        f'<w:pBdr><w:top w:val="single" w:sz="4" w:space="4" w:color="{BORDER}"/></w:pBdr></w:pPr>'
        '<w:r><w:t>Zorvane case report</w:t></w:r><w:r><w:tab/><w:t xml:space="preserve">Page </w:t></w:r>'
        + field("PAGE") + '<w:r><w:t xml:space="preserve"> of </w:t></w:r>' + field("NUMPAGES")
        + '</w:p></w:ftr>')


PARTS = [
    ("[Content_Types].xml", content_types),
    ("_rels/.rels", package_rels),
    ("docProps/core.xml", core_props),
    ("docProps/app.xml", app_props),
    ("word/document.xml", document),
    ("word/_rels/document.xml.rels", document_rels),
    ("word/styles.xml", styles),
    ("word/settings.xml", settings),
    ("word/footer1.xml", footer),
]


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "tq.dotx"
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, make in PARTS:
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, make().encode("utf-8"))
    print(out)


if __name__ == "__main__":
    main()
