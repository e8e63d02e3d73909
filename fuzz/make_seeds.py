#!/usr/bin/python3
# Writes the hand-made seeds of the fuzz corpus: bare BIFF streams that reach the record
# kinds the LibreOffice-made workbooks (also in corpus/) lack.
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def rec(rid, body=b''):
    return struct.pack('<HH', rid, len(body)) + body


def cell(row, col, xf=0):
    return struct.pack('<HHH', row, col, xf)


def narrow(text, count=2):
    data = text.encode('latin-1')
    return (struct.pack('<H', len(data)) if count == 2 else bytes([len(data)])) + b'\0' + data


def workbook(globals_, sheets, version=0x0600):
    head = rec(0x0809, struct.pack('<HHIII', version, 5, 0, 0, 0)) + globals_
    bound = []
    for name, _ in sheets:
        name_field = narrow(name, 1) if version == 0x0600 else bytes([len(name)]) + name.encode('latin-1')
        bound.append(struct.pack('<IBB', 0, 0, 0) + name_field)
    size = len(head) + sum(4 + len(b) for b in bound) + 4
    out, bodies = b'', b''
    for (name, body), field in zip(sheets, bound):
        sheet = rec(0x0809, struct.pack('<HHIII', version, 0x10, 0, 0, 0)) + body + rec(0x000A)
        out += rec(0x0085, struct.pack('<I', size + len(bodies)) + field[4:])
        bodies += sheet
    return head + out + rec(0x000A) + bodies


def biff8():
    formats = rec(0x041E, struct.pack('<H', 164) + narrow('dd/mm/yyyy')) + b''.join(
        rec(0x00E0, struct.pack('<HH', 0, f) + bytes(16)) for f in (0, 14, 164, 20))
    sst = rec(0x00FC, struct.pack('<II', 3, 3) + narrow('DATE') + struct.pack('<HB', 5, 0) + b'TM') + rec(
        0x003C, b'\x01' + 'IN\u2202'.encode('utf-16-le') + narrow('RAIN'))
    globals_ = rec(0x0042, struct.pack('<H', 1200)) + rec(0x0022, struct.pack('<H', 1)) + formats + sst
    cells = (rec(0x0200, struct.pack('<IIHHH', 0, 65536, 0, 256, 0)) + rec(0x00FD, cell(0, 0) + struct.pack('<I', 0)) +
             rec(0x00FD, cell(0, 1) + struct.pack('<I', 1)) + rec(0x00FD, cell(0, 2) + struct.pack('<I', 2)) +
             rec(0x0203, cell(1, 0, 1) + struct.pack('<d', 35065)) +
             rec(0x00BD, struct.pack('<HH', 1, 1) + struct.pack('<HI', 0, (125 << 2) | 3) + struct.pack('<HI', 3, 0x3FE00000) +
                 struct.pack('<H', 2)) +
             rec(0x027E, cell(2, 0, 2) + struct.pack('<I', (35066 << 2) | 2)) +
             rec(0x0006, cell(2, 1) + bytes([0, 0, 0, 0, 0, 0, 0xFF, 0xFF]) + bytes(8)) + rec(0x04BC, bytes(10)) +
             rec(0x0207, narrow('text')) + rec(0x0006, cell(2, 2) + bytes([1, 0, 1, 0, 0, 0, 0xFF, 0xFF]) + bytes(8)) +
             rec(0x0205, cell(3, 0) + bytes([0x07, 1])) + rec(0x0204, cell(3, 1) + narrow('label')) +
             rec(0x00D6, cell(3, 2) + narrow('rich') + struct.pack('<HI', 1, 0)) +
             rec(0x0809, struct.pack('<HHIII', 0x0600, 0x20, 0, 0, 0)) + rec(0x0203, cell(9, 9) + bytes(8)) + rec(0x000A))
    return workbook(globals_, [('Data', cells), ('Hidden', rec(0x0203, cell(0, 120) + struct.pack('<d', 1.5)))])


def biff5():
    globals_ = rec(0x0042, struct.pack('<H', 1251)) + rec(0x041E, struct.pack('<H', 164) + b'\x08d/m/yyyy') + rec(
        0x00E0, struct.pack('<HH', 0, 164) + bytes(12))
    cells = (rec(0x0204, cell(0, 0) + struct.pack('<H', 5) + b'\xc4\xee\xe6\xe4\xfc') + rec(0x0203, cell(1, 0, 0) + struct.pack('<d', 34700)) +
             rec(0x0006, cell(1, 1) + bytes([0, 0, 0, 0, 0, 0, 0xFF, 0xFF]) + bytes(6)) + rec(0x0207, struct.pack('<H', 2) + b'\xec\xec'))
    return workbook(globals_, [('\xc4\xe0\xed\xed\xfb\xe5', cells)], version=0x0500)


def biff2():
    attr = lambda fmt: bytes([0, fmt, 0])
    return (rec(0x0009, struct.pack('<HH', 2, 0x10)) + rec(0x001E, b'\x07General') + rec(0x001E, b'\x08dd/mm/yy') +
            rec(0x0002, struct.pack('<HH', 0, 0) + attr(1) + struct.pack('<H', 34700)) +
            rec(0x0003, struct.pack('<HH', 0, 1) + attr(0) + struct.pack('<d', -3.2)) +
            rec(0x0004, struct.pack('<HH', 1, 0) + attr(0) + b'\x05Temp\xb0') +
            rec(0x0005, struct.pack('<HH', 1, 1) + attr(0) + b'\x07\x01') +
            rec(0x0006, struct.pack('<HH', 2, 0) + attr(0) + bytes([0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0])) +
            rec(0x0007, b'\x04text') + rec(0x000A))


def biff4():
    return (rec(0x0409, struct.pack('<HHH', 0, 0x10, 0)) + rec(0x041E, b'\x00\x00\x07General') +
            rec(0x041E, b'\x00\x00\x08d/m/yyyy') + rec(0x0443, bytes([0, 1]) + bytes(10)) +
            rec(0x0203, cell(0, 0, 1) + struct.pack('<d', 35065)) + rec(0x027E, cell(0, 1) + struct.pack('<I', (7 << 2) | 2)) +
            rec(0x0406, cell(0, 2) + bytes([2, 0, 0x2A, 0, 0, 0, 0xFF, 0xFF]) + bytes(6)) + rec(0x000A))


for name, data in (('biff8-records.xls', biff8()), ('biff5-cp1251.xls', biff5()), ('biff2.xls', biff2()),
                   ('biff4.xls', biff4()), ('encrypted.xls', workbook(rec(0x002F, bytes(4)), [('S', b'')]))):
    with open(os.path.join(HERE, 'corpus', name), 'wb') as f:
        f.write(data)
