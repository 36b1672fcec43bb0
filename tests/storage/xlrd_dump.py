"""Prints what python3-xlrd reads from a worksheet, one fact per line.

Used by the worksheet writer's interoperability test: the output is compared
line by line with what the test wrote.
"""
import sys

import xlrd

TYPES = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number",
         xlrd.XL_CELL_EMPTY: "empty", xlrd.XL_CELL_BLANK: "blank"}

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
print("biff", book.biff_version)
print("codepage", book.codepage, book.encoding)
print("sheets", book.nsheets)
for font in book.font_list:
    print("font", font.name, font.height, "bold" if font.bold else "plain")
sheet = book.sheet_by_index(0)
print("size", sheet.nrows, sheet.ncols)
for colx in sorted(sheet.colinfo_map):
    print("width", colx, sheet.colinfo_map[colx].width)
for rowx in range(sheet.nrows):
    for colx in range(sheet.ncols):
        cell = sheet.cell(rowx, colx)
        if cell.ctype == xlrd.XL_CELL_EMPTY:
            continue
        xf = book.xf_list[cell.xf_index]
        print("cell", rowx, colx, TYPES.get(cell.ctype, cell.ctype), repr(cell.value),
              "font", xf.font_index, "align", xf.alignment.hor_align)
