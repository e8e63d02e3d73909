#!/usr/bin/python3
# Writes flat-ODF spreadsheets and has LibreOffice Calc (headless) save them as .xls
# (Excel 97-2003), beside this script:
#   weather.xls         six sheets (see README.md), and weather-sheet2.txt, the text twin
#                       of its second sheet
#   dates1904.xls       a workbook in the 1904 date system
# Run from anywhere with Debian's python3 and libreoffice-calc-nogui:
#   python3 tests/data/xls/make_fixtures.py
import datetime
import os
import shutil
import subprocess
import tempfile
from xml.sax.saxutils import escape, quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))

HEAD = '''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:chart="urn:oasis:names:tc:opendocument:xmlns:chart:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
 <number:date-style style:name="Ndate"><number:day number:style="long"/><number:text>/</number:text><number:month number:style="long"/><number:text>/</number:text><number:year number:style="long"/></number:date-style>
 <number:date-style style:name="Ndatetime"><number:day number:style="long"/><number:text>/</number:text><number:month number:style="long"/><number:text>/</number:text><number:year/><number:text> </number:text><number:hours number:style="long"/><number:text>:</number:text><number:minutes number:style="long"/></number:date-style>
 <number:time-style style:name="Ntime"><number:hours number:style="long"/><number:text>:</number:text><number:minutes number:style="long"/></number:time-style>
 <number:percentage-style style:name="Npercent"><number:number number:decimal-places="1" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
 <style:style style:name="date" style:family="table-cell" style:data-style-name="Ndate"/>
 <style:style style:name="datetime" style:family="table-cell" style:data-style-name="Ndatetime"/>
 <style:style style:name="time" style:family="table-cell" style:data-style-name="Ntime"/>
 <style:style style:name="percent" style:family="table-cell" style:data-style-name="Npercent"/>
 <style:style style:name="shown" style:family="table"><style:table-properties table:display="true"/></style:style>
 <style:style style:name="hidden" style:family="table"><style:table-properties table:display="false"/></style:style>
</office:automatic-styles>
<office:body><office:spreadsheet>
'''
TAIL = '</office:spreadsheet></office:body></office:document>\n'


def text(s):
    return f'<table:table-cell office:value-type="string"><text:p>{escape(s)}</text:p></table:table-cell>'


def number(v, shown=None, style=None, formula=None):
    attrs = f' office:value-type="float" office:value="{v}"'
    if style == 'percent':
        attrs = f' office:value-type="percentage" office:value="{v}"'
    if style:
        attrs += f' table:style-name="{style}"'
    if formula:
        attrs += f' table:formula={quoteattr(formula)}'
    return f'<table:table-cell{attrs}><text:p>{escape(shown if shown is not None else str(v))}</text:p></table:table-cell>'


def date(d, formula=None, style='date'):
    value = d.isoformat()
    attrs = f' office:value-type="date" office:date-value="{value}" table:style-name="{style}"'
    if formula:
        attrs += f' table:formula={quoteattr(formula)}'
    return f'<table:table-cell{attrs}><text:p>{value}</text:p></table:table-cell>'


def boolean(b):
    word = 'true' if b else 'false'
    return f'<table:table-cell office:value-type="boolean" office:boolean-value="{word}"><text:p>{word.upper()}</text:p></table:table-cell>'


def formula_text(formula):
    return f'<table:table-cell table:formula={quoteattr(formula)}><text:p/></table:table-cell>'


def formula_boolean(formula, value):
    word = 'true' if value else 'false'
    return (f'<table:table-cell table:formula={quoteattr(formula)} office:value-type="boolean" '
            f'office:boolean-value="{word}"><text:p>{word.upper()}</text:p></table:table-cell>')


def formula_error(formula):
    return f'<table:table-cell table:formula={quoteattr(formula)}><text:p>Err</text:p></table:table-cell>'


EMPTY = '<table:table-cell/>'


def table(name, rows, hidden=False, extra=''):
    style = 'hidden' if hidden else 'shown'
    body = ''.join(f'<table:table-row>{"".join(cells)}</table:table-row>\n' for cells in rows)
    return f'<table:table table:name={quoteattr(name)} table:style-name="{style}">{extra}\n{body}</table:table>\n'


def decimal(units, places):
    """The canonical text of units / 10**places: 12.5, 3, -0.4."""
    sign = '-' if units < 0 else ''
    units = abs(units)
    whole, frac = divmod(units, 10 ** places)
    digits = str(frac).rjust(places, '0').rstrip('0')
    return sign + str(whole) + ('.' + digits if digits else '')


def station_rows():
    """365 days of 1995: the cells of the sheet and the lines of its text twin."""
    seed = 19950101
    def draw(n):
        nonlocal seed
        seed = (seed * 1103515245 + 12345) % 2**31
        return (seed >> 16) % n
    titles = ['DATE', 'TMIN', 'TMAX', 'RHMIN', 'RHMAX', 'RAD', 'WIND', 'ELIOF', 'RAIN']
    cells = [[text(t) for t in titles]]
    lines = ['\t'.join(titles)]
    day = datetime.date(1995, 1, 1)
    for i in range(365):
        r = i + 2  # sheet row
        season = [0, 1, 3, 6, 9, 12, 14, 13, 10, 7, 3, 1][day.month - 1]
        tmin = -30 + season * 12 + draw(40)          # tenths of a degree
        span = 40 + draw(90)                          # tenths
        rhmin = 35 + draw(30)
        rhmax = rhmin + 20 + draw(15)
        rad = 300 + season * 150 + draw(400)          # hundredths of MJ m-2
        wind = 5 + draw(40)                           # tenths of m s-1
        sun = draw(120)                               # tenths of hours
        rain = draw(80) if draw(4) == 0 else 0        # tenths of mm
        rain_cell = EMPTY if i % 29 == 3 else number(decimal(rain, 1))
        rain_text = '' if i % 29 == 3 else decimal(rain, 1)
        date_cell = date(day) if i == 0 else date(day, formula=f'of:=[.A{r - 1}]+1')
        cells.append([
            date_cell,
            number(decimal(tmin, 1)),
            number(decimal(tmin + span, 1), formula=f'of:=[.B{r}]+{decimal(span, 1)}'),
            number(rhmin), number(rhmax),
            number(decimal(rad, 2)), number(decimal(wind, 1)), number(decimal(sun, 1)),
            rain_cell,
        ])
        lines.append('\t'.join([day.strftime('%d/%m/%y'), decimal(tmin, 1), decimal(tmin + span, 1), str(rhmin),
                                str(rhmax), decimal(rad, 2), decimal(wind, 1), decimal(sun, 1), rain_text]))
        day += datetime.timedelta(days=1)
    return cells, lines


def kinds_rows():
    """One of each kind of cell, and 40 titled columns."""
    wide = [text(f'C{c}') for c in range(1, 41)]
    values = [number(c * 1.5 if c % 2 else c) for c in range(1, 41)]
    return [
        wide,
        values,
        [text('booleans'), boolean(True), boolean(False), formula_boolean('of:=1<2', True), formula_boolean('of:=1>2', False)],
        [text('errors'), formula_error('of:=1/0'), formula_error('of:=NA()')],
        [text('sum'), number(0.30000000000000004, '0.3', formula='of:=0.1+0.2'), EMPTY, number(1500), number(-3.2), number(12.5)],
        [text('far'), number('1E+20', '1E+20'), number('1.234E-05', '1.234E-05'), number(123456789012345678, '123456789012345678')],
        [text('formats'), number(0.125, '12.5%', style='percent'),
         f'<table:table-cell office:value-type="time" office:time-value="PT13H30M00S" table:style-name="time"><text:p>13:30</text:p></table:table-cell>',
         date(datetime.datetime(1995, 3, 5, 6, 30), style='datetime')],
        [text('texts'), formula_text('of:=CONCATENATE("a";"b")'), formula_text('of:=""'), text('  padded  '), text('12,5')],
        [EMPTY, EMPTY, text('after two empty cells')],
    ]


def chart_frame(sheet, first, last):
    rng = f"'{sheet}'.B{first}:'{sheet}'.B{last}"
    return f'''<table:shapes><draw:frame draw:z-index="0" draw:name="TminChart" svg:width="12cm" svg:height="7cm" svg:x="1cm" svg:y="1cm">
 <draw:object draw:notify-on-update-of-ranges={quoteattr(rng)}>
  <office:document office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.chart">
   <office:body><office:chart>
    <chart:chart svg:width="12cm" svg:height="7cm" chart:class="chart:line">
     <chart:plot-area table:cell-range-address={quoteattr(rng)} chart:data-source-has-labels="none">
      <chart:axis chart:dimension="x" chart:name="primary-x"/>
      <chart:axis chart:dimension="y" chart:name="primary-y"/>
      <chart:series chart:values-cell-range-address={quoteattr(rng)} chart:class="chart:line"/>
     </chart:plot-area>
    </chart:chart>
   </office:chart></office:body>
  </office:document>
 </draw:object>
</draw:frame></table:shapes>'''


def weather():
    station, lines = station_rows()
    doc = HEAD
    doc += table('Notes', [[text('Station'), text('Ferrara')], [text('Latitude'), number(44.83)]])
    doc += table('Ferrara 1995', station)
    doc += table('Hidden Ω', [[text('secret')], [number(42)]], hidden=True)
    doc += table('Stazione Ø ∂', kinds_rows())
    doc += table('Wide', [[number(c) for c in range(1, 121)]])
    doc += table('Chart', [[text('TMIN of January')]], extra=chart_frame('Ferrara 1995', 2, 32))
    doc += TAIL
    return doc, '\r\n'.join(lines) + '\r\n'


def dates1904():
    doc = HEAD.replace('<office:body><office:spreadsheet>',
                       '<office:body><office:spreadsheet><table:calculation-settings>'
                       '<table:null-date table:date-value="1904-01-01"/></table:calculation-settings>')
    doc += table('1904', [[text('DATE'), text('SERIAL')],
                          [date(datetime.date(2000, 1, 1)), number(35064)],
                          [date(datetime.date(1904, 1, 1)), number(0)]])
    return doc + TAIL


# A fresh profile that recalculates every formula on load, so that the .xls files keep
# the results Calc computed rather than what the sources say.
PROFILE = '''<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema"
 xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="ODFRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
'''


def convert(source, target, filter_name):
    with tempfile.TemporaryDirectory() as out, tempfile.TemporaryDirectory() as profile:
        os.makedirs(os.path.join(profile, 'user'))
        with open(os.path.join(profile, 'user', 'registrymodifications.xcu'), 'w') as f:
            f.write(PROFILE)
        subprocess.run(['soffice', f'-env:UserInstallation=file://{profile}', '--headless', '--convert-to',
                        f'xls:{filter_name}', '--outdir', out, source], check=True, stdout=subprocess.DEVNULL)
        shutil.move(os.path.join(out, os.path.splitext(os.path.basename(source))[0] + '.xls'), target)


def main():
    doc, twin = weather()
    with open(os.path.join(HERE, 'weather-sheet2.txt'), 'w', encoding='utf-8', newline='') as f:
        f.write(twin)
    with tempfile.TemporaryDirectory() as sources:
        for name, content in (('weather', doc), ('dates1904', dates1904())):
            source = os.path.join(sources, name + '.fods')
            with open(source, 'w', encoding='utf-8') as f:
                f.write(content)
            convert(source, os.path.join(HERE, name + '.xls'), 'MS Excel 97')


if __name__ == '__main__':
    main()
