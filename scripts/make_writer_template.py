#!/usr/bin/python3
"""Writes resources/tq.ott, the LibreOffice Writer template of the case report.

The report relies on three things in it: a first text table with the cells "B1" to "B6" (case
and incident texts) and "A8" (the circumstances), a first bookmark where the drawing goes and a
second bookmark where the table of points goes. Everything else is layout, kept the same as the
Word template's (scripts/make_word_template.py). The archive is written with fixed timestamps so
that the same script gives the same bytes.

    /usr/bin/python3 scripts/make_writer_template.py [output]
"""
import sys
import zipfile
from pathlib import Path
from xml.sax.saxutils import escape

MIMETYPE = "application/vnd.oasis.opendocument.text-template"
DECL = '<?xml version="1.0" encoding="UTF-8"?>\n'
NAMESPACES = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "dc": "http://purl.org/dc/elements/1.1/",
    "meta": "urn:oasis:names:tc:opendocument:xmlns:meta:1.0",
}

# A4 with 2 cm margins; the label column as wide as the Word template's (2900 twips).
PAGE_W, PAGE_H, MARGIN = 21.0, 29.7, 2.0
TEXT_W = PAGE_W - 2 * MARGIN
LABEL_W = 5.115
ACCENT = "#1f3864"
LABEL_FILL = "#e8ecf4"
BORDER = "#8ea0c0"
LINE = f"0.5pt solid {BORDER}"

CASE_ROWS = ["Case name or number", "Description", "Date and hour", "Place", "Name 1", "Name 2"]


def root(name, body, version=True):
    xmlns = " ".join(f'xmlns:{p}="{u}"' for p, u in NAMESPACES.items())
    v = ' office:version="1.3"' if version else ""
    return DECL + f"<office:{name} {xmlns}{v}>{body}</office:{name}>"


def fonts():
    return ('<office:font-face-decls><style:font-face style:name="Arial" svg:font-family="Arial"'
            ' style:font-family-generic="swiss" style:font-pitch="variable"/></office:font-face-decls>')


def para_style(name, display, text_props="", para_props="", parent="Standard", cls="text", inside=""):
    pp = f"<style:paragraph-properties {para_props}>{inside}</style:paragraph-properties>" if para_props else ""
    tp = f"<style:text-properties {text_props}/>" if text_props else ""
    return (f'<style:style style:name="{name}" style:display-name="{display}" style:family="paragraph"'
            f' style:parent-style-name="{parent}" style:next-style-name="Standard" style:class="{cls}">'
            f"{pp}{tp}</style:style>")


def styles():
    accent_bold = f'fo:font-weight="bold" style:font-weight-complex="bold" fo:color="{ACCENT}"'
    cell_spacing = 'fo:margin-top="0.07cm" fo:margin-bottom="0.07cm"'
    named = (
        '<office:styles>'
        '<style:default-style style:family="paragraph">'
        '<style:paragraph-properties fo:margin-top="0cm" fo:margin-bottom="0.141cm" fo:line-height="108%"'
        ' style:tab-stop-distance="1.251cm"/>'
        '<style:text-properties style:font-name="Arial" fo:font-size="10pt" style:font-size-complex="10pt"'
        ' fo:language="en" fo:country="GB"/></style:default-style>'
        '<style:style style:name="Standard" style:family="paragraph" style:class="text"/>'
        + para_style("Title", "Title",
                     f'fo:font-size="22pt" style:font-size-complex="22pt" {accent_bold}',
                     f'fo:margin-bottom="0.106cm" fo:border-bottom="1.5pt solid {ACCENT}" fo:padding-bottom="0.141cm"',
                     cls="chapter")
        + para_style("Subtitle", "Subtitle", 'fo:font-size="11pt" style:font-size-complex="11pt" fo:color="#595959"',
                     'fo:margin-bottom="0.423cm"', cls="chapter")
        + para_style("Heading_20_1", "Heading 1",
                     f'fo:font-size="13pt" style:font-size-complex="13pt" {accent_bold}',
                     'fo:margin-top="0.564cm" fo:margin-bottom="0.212cm" fo:keep-with-next="always"',
                     cls="text")
        + para_style("Table_20_Contents", "Table Contents", "", cell_spacing, cls="extra")
        + para_style("Table_20_Heading", "Table Heading", accent_bold, cell_spacing,
                     parent="Table_20_Contents", cls="extra")
        + para_style("Table_20_Label", "Table Label", accent_bold, cell_spacing,
                     parent="Table_20_Contents", cls="extra")
        + para_style("Picture", "Picture", "",
                     f'fo:text-align="center" fo:margin-bottom="0cm" fo:line-height="100%" fo:border="{LINE}"'
                     ' fo:padding="0.035cm" fo:keep-together="always"')
        # Writer ends a text with a paragraph: the one left around the points takes no room
        # and keeps their heading with them.
        + para_style("After_20_Table", "After Table", 'fo:font-size="2pt" style:font-size-complex="2pt"',
                     'fo:margin-top="0cm" fo:margin-bottom="0cm" fo:line-height="100%" fo:keep-with-next="always"')
        + para_style("Footer", "Footer", 'fo:font-size="8pt" style:font-size-complex="8pt" fo:color="#7f7f7f"',
                     f'fo:margin-bottom="0cm" fo:border-top="{LINE}" fo:padding-top="0.141cm"', cls="extra",
                     # the page number at the right edge of the text
                     inside=f'<style:tab-stops><style:tab-stop style:position="{TEXT_W}cm"'
                            ' style:type="right"/></style:tab-stops>')
        + '</office:styles>')
    layout = (
        '<office:automatic-styles><style:page-layout style:name="A4">'
        f'<style:page-layout-properties fo:page-width="{PAGE_W}cm" fo:page-height="{PAGE_H}cm"'
        ' style:print-orientation="portrait"'
        f' fo:margin-top="{MARGIN}cm" fo:margin-bottom="1cm" fo:margin-left="{MARGIN}cm" fo:margin-right="{MARGIN}cm"/>'
        '<style:footer-style><style:header-footer-properties fo:min-height="0cm" fo:margin-top="0.5cm"/>'
        '</style:footer-style></style:page-layout></office:automatic-styles>')
    master = (
        '<office:master-styles><style:master-page style:name="Standard" style:page-layout-name="A4">'
        '<style:footer><text:p text:style-name="Footer">Zorvane case report<text:tab/>Page '
        '<text:page-number text:select-page="current">1</text:page-number> of '
        '<text:page-count>1</text:page-count></text:p></style:footer>'
        '</style:master-page></office:master-styles>')
    return root("document-styles", fonts() + named + layout + master)


def paragraph(text, style):
    return f'<text:p text:style-name="{style}">{escape(text)}</text:p>'


def cell(style, content, span=1):
    spanned = f' table:number-columns-spanned="{span}"' if span > 1 else ""
    covered = "<table:covered-table-cell/>" * (span - 1)
    return (f'<table:table-cell table:style-name="{style}"{spanned} office:value-type="string">'
            f"{content}</table:table-cell>{covered}")


def case_table():
    rows = []
    for label in CASE_ROWS:
        rows.append('<table:table-row table:style-name="Case.row">'
                    + cell("Case.label", paragraph(label, "Table_20_Label"))
                    + cell("Case.value", paragraph("", "Table_20_Contents")) + "</table:table-row>")
    rows.append('<table:table-row table:style-name="Case.row">'
                + cell("Case.label", paragraph("Circumstances", "Table_20_Label"), span=2)
                + "</table:table-row>")
    rows.append('<table:table-row table:style-name="Case.tall">'
                + cell("Case.text", paragraph("", "Table_20_Contents"), span=2) + "</table:table-row>")
    return ('<table:table table:name="Case" table:style-name="Case">'
            '<table:table-column table:style-name="Case.A"/><table:table-column table:style-name="Case.B"/>'
            + "".join(rows) + "</table:table>")


def table_styles():
    padding = 'fo:padding-left="0.19cm" fo:padding-right="0.19cm" fo:padding-top="0cm" fo:padding-bottom="0cm"'

    def cell_style(name, fill, align):
        background = f' fo:background-color="{fill}"' if fill else ""
        return (f'<style:style style:name="{name}" style:family="table-cell"><style:table-cell-properties'
                f'{background} {padding} fo:border="{LINE}" style:vertical-align="{align}"/></style:style>')

    return (
        '<office:automatic-styles>'
        '<style:style style:name="Case" style:family="table"><style:table-properties'
        f' style:width="{TEXT_W}cm" table:align="margins" table:border-model="collapsing"/></style:style>'
        f'<style:style style:name="Case.A" style:family="table-column"><style:table-column-properties'
        f' style:column-width="{LABEL_W}cm"/></style:style>'
        f'<style:style style:name="Case.B" style:family="table-column"><style:table-column-properties'
        f' style:column-width="{TEXT_W - LABEL_W:.3f}cm"/></style:style>'
        '<style:style style:name="Case.row" style:family="table-row"><style:table-row-properties'
        ' style:min-row-height="0.635cm" fo:keep-together="always"/></style:style>'
        '<style:style style:name="Case.tall" style:family="table-row"><style:table-row-properties'
        ' style:min-row-height="2.47cm"/></style:style>'
        + cell_style("Case.label", LABEL_FILL, "middle")
        + cell_style("Case.value", None, "middle")
        + cell_style("Case.text", None, "top")
        + '</office:automatic-styles>')


def content():
    body = (paragraph("Case Report", "Title")
            + paragraph("Site survey of an accident or crime scene", "Subtitle")
            + '<text:h text:style-name="Heading_20_1" text:outline-level="1">Case</text:h>'
            + case_table()
            + '<text:h text:style-name="Heading_20_1" text:outline-level="1">Drawing</text:h>'
            + '<text:p text:style-name="Picture"><text:bookmark text:name="xyz"/></text:p>'
            + '<text:h text:style-name="Heading_20_1" text:outline-level="1">Measured points</text:h>'
            + '<text:p text:style-name="After_20_Table"><text:bookmark text:name="dat"/></text:p>')
    return root("document-content", fonts() + table_styles()
                + f"<office:body><office:text>{body}</office:text></office:body>")


def meta():
    return root("document-meta", "<office:meta><meta:generator>Zorvane</meta:generator>"
                "<dc:title>Case Report</dc:title></office:meta>")


def manifest():
    ns = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"
    entries = [("/", MIMETYPE), ("content.xml", "text/xml"), ("styles.xml", "text/xml"),
               ("meta.xml", "text/xml")]
    body = "".join(f'<manifest:file-entry manifest:full-path="{p}" manifest:media-type="{t}"'
                   + (' manifest:version="1.3"' if p == "/" else "") + "/>" for p, t in entries)
    return DECL + f'<manifest:manifest xmlns:manifest="{ns}" manifest:version="1.3">{body}</manifest:manifest>'


PARTS = [
    ("content.xml", content),
    ("styles.xml", styles),
    ("meta.xml", meta),
    ("META-INF/manifest.xml", manifest),
]


def main():
    default = Path(__file__).resolve().parent.parent / "resources" / "tq.ott"
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    with zipfile.ZipFile(out, "w") as z:
        # The package's type comes first and uncompressed, so that it can be read at a fixed offset.
        info = zipfile.ZipInfo("mimetype", date_time=(1980, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_STORED
        z.writestr(info, MIMETYPE)
        for name, make in PARTS:
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, make().encode("utf-8"))
    print(out)


if __name__ == "__main__":
    main()
