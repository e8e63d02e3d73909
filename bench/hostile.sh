#!/usr/bin/env bash
# bench/hostile.sh [BUILD_DIR]
#
# Hostile workbooks against etp: writes a set of small .ods and .xlsx files that ask for
# far more than they hold (a cell repeated along a million rows, one long shared string in
# every cell, a million spaces from a few bytes, 500 MB of XML in a zip of a few MB, a row
# of millions of cells, nesting millions deep, a zip bomb, each cut short), runs etp on
# each on two processors, and prints its time and peak memory. The goal: each ends within
# 10 s and 512 MB, refused with its reason or read (what it holds is within the limits).
# Writing the files takes about a minute (python3's zipfile).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
etp_install_missing time python3
. bench/common.sh

build=${1:-build}
bench_build "$build" etp
etp=$(realpath "$build/bin/etp")
bench_workdir hostile

echo "writing the hostile workbooks"
python3 - "$work/files" <<'PY'
import os, sys, zipfile
out = sys.argv[1]
os.makedirs(out, exist_ok=True)
OFFICE = ('<?xml version="1.0" encoding="UTF-8"?><office:document-content '
          'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
          'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">'
          '<office:body><office:spreadsheet><table:table table:name="S">')
OFFICE_END = '</table:table></office:spreadsheet></office:body></office:document-content>'
LIMIT = (500 << 20)  # bytes of XML, under the 512 MiB a package may inflate to
MIME = 'application/vnd.oasis.opendocument.spreadsheet'

def package(name, small_parts, big_name, big_parts, pad):
    """A zip of small parts, one large part streamed from big_parts(), and pad random bytes
    stored (they lift the file's size, and so what it may inflate to)."""
    with zipfile.ZipFile(os.path.join(out, name), 'w', compression=zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for part, text, method in small_parts:
            z.writestr(zipfile.ZipInfo(part), text, compress_type=method)
        info = zipfile.ZipInfo(big_name, date_time=(2020,1,1,0,0,0))
        info.compress_type = zipfile.ZIP_DEFLATED
        with z.open(info, 'w', force_zip64=True) as f:
            for piece in big_parts():
                f.write(piece.encode())
        if pad:
            z.writestr(zipfile.ZipInfo('pad.bin'), os.urandom(pad), compress_type=zipfile.ZIP_STORED)

def ods(name, content_parts, pad=0):
    package(name, [('mimetype', MIME, zipfile.ZIP_STORED)], 'content.xml', content_parts, pad)

def one(text):
    def parts():
        yield OFFICE + text + OFFICE_END
    return parts

# 1. the repeat bomb
ods('repeat-bomb.ods', one('<table:table-row table:number-rows-repeated="1048576"><table:table-cell '
    'table:number-columns-repeated="16384" office:value-type="float" office:value="1"/></table:table-row>'))
# 2. a row of long texts repeated
ods('repeat-text.ods', one('<table:table-row table:number-rows-repeated="100000">' +
    ('<table:table-cell table:number-columns-repeated="90"><text:p>' + 'x' * 2000 + '</text:p></table:table-cell>') +
    '</table:table-row>'))
# 3. spaces
ods('spaces.ods', one('<table:table-row><table:table-cell><text:p><text:s text:c="4000000000"/></text:p></table:table-cell></table:table-row>'))
# 4. deep nesting
def deep():
    yield OFFICE + '<table:table-row><table:table-cell><text:p>'
    yield '<text:span>' * 2000000
    yield '</text:span>' * 2000000
    yield '</text:p></table:table-cell></table:table-row>' + OFFICE_END
ods('deep.ods', deep, pad=1 << 20)
# 5. 500 MB of rows each of 200 empty cells and a number (the pad lifts the ratio of
#    inflated to file size under the 200 a package may have)
def far():
    yield OFFICE
    row = '<table:table-row><table:table-cell table:number-columns-repeated="200"/><table:table-cell office:value-type="float" office:value="1"/></table:table-row>'
    chunk = row * 10000
    n = LIMIT // len(chunk)
    for _ in range(n - 1):
        yield chunk
    yield OFFICE_END
ods('many-rows.ods', far, pad=6 << 20)
# 5b. 500 MB of numbers in one row, past the columns the sheet holds
def wide():
    yield OFFICE + '<table:table-row>'
    chunk = '<table:table-cell office:value-type="float" office:value="1"/>' * 10000
    for _ in range(LIMIT // len(chunk)):
        yield chunk
    yield '</table:table-row>' + OFFICE_END
ods('wide-row.ods', wide, pad=6 << 20)
# 6. 3 GB of spaces
def spaces():
    yield OFFICE
    chunk = ' ' * (1 << 20)
    for _ in range(3000):
        yield chunk
    yield OFFICE_END
ods('zip-bomb.ods', spaces)

XLSX_CT = ('<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
  '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
  '<Default Extension="xml" ContentType="application/xml"/>'
  '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
  '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
  '<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
RELS = ('<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
WB = ('<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
  'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="S" sheetId="1" r:id="rId1"/></sheets></workbook>')
WBRELS = ('<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
  '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>'
  '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
SHEET = '<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
SHEET_END = '</sheetData></worksheet>'

def xlsx(name, sheet_parts, strings='<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>a</t></si></sst>', pad=0):
    small = [('[Content_Types].xml', XLSX_CT), ('_rels/.rels', RELS), ('xl/workbook.xml', WB),
             ('xl/_rels/workbook.xml.rels', WBRELS), ('xl/sharedStrings.xml', strings)]
    package(name, [(part, text, zipfile.ZIP_DEFLATED) for part, text in small], 'xl/worksheets/sheet1.xml', sheet_parts, pad)

# 7. one long shared string in every cell
def shared():
    yield SHEET
    for r in range(1, 100001):
        yield '<row r="%d">' % r + ''.join('<c r="%s%d" t="s"><v>0</v></c>' % (c, r) for c in 'ABCDEFGHIJ') + '</row>'
    yield SHEET_END
xlsx('shared-string.xlsx', shared, strings='<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>' + 'x' * (4 << 20) + '</t></si></sst>')
# 8. 500 MB of cells in columns the sheet never holds, and empty ones
def farx():
    yield SHEET
    row = '<row><c r="ZZ1"><v>1</v></c><c r="ZZZ1"><v>2</v></c><c/><c/><c/><c/><c/><c/><c/><c/></row>'
    chunk = row * 10000
    for _ in range(LIMIT // len(chunk) - 1):
        yield chunk
    yield SHEET_END
xlsx('far-columns.xlsx', farx, pad=6 << 20)
# 9. twenty-one million small cells
def many():
    yield SHEET
    for r in range(1, 1048577):
        yield '<row r="%d">' % r + '<c><v>1</v></c>' * 21 + '</row>'
    yield SHEET_END
xlsx('many-cells.xlsx', many, pad=2 << 20)
# Each file cut short at half its size.
for name in sorted(os.listdir(out)):
    path = os.path.join(out, name)
    stem, ext = os.path.splitext(name)
    with open(path, 'rb') as whole, open(os.path.join(out, stem + '-cut' + ext), 'wb') as cut:
        data = whole.read()
        cut.write(data[:len(data) // 2])
PY

cpus=0
[ "$(nproc)" -gt 1 ] && cpus=0,1
printf '%-26s %8s %8s  %s\n' "file" "s" "MB" "etp's last line"
failed=0
for file in "$work"/files/*; do
    /usr/bin/time -f '%e %M' -o "$work/time" taskset -c "$cpus" "$etp" "$file" >"$work/out" 2>&1 || true
    read -r seconds kilobytes < <(tail -n 1 "$work/time")
    megabytes=$((kilobytes / 1024))
    verdict=$(tail -n 1 "$work/out")
    printf '%-26s %8s %8s  %s\n' "$(basename "$file")" "$seconds" "$megabytes" "$verdict"
    if awk -v s="$seconds" 'BEGIN { exit !(s > 10) }' || [ "$megabytes" -gt 512 ]; then failed=1; fi
done
[ "$failed" -eq 0 ] && echo "every file within 10 s and 512 MB: met" || { echo "a file passed 10 s or 512 MB: missed"; exit 1; }
