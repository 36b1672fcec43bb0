"""Prints every cell python3-xlrd reads from a worksheet, one per line:
"ROW COL text|number VALUE" (numbers with repr, text as is), after a line
"size ROWS COLS". Used to check the Excel exports from outside.
"""
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1])
sheet = book.sheet_by_index(0)
print("size", sheet.nrows, sheet.ncols)
for rowx in range(sheet.nrows):
    for colx in range(sheet.ncols):
        cell = sheet.cell(rowx, colx)
        if cell.ctype == xlrd.XL_CELL_TEXT:
            print(rowx, colx, "text", cell.value)
        elif cell.ctype == xlrd.XL_CELL_NUMBER:
            print(rowx, colx, "number", repr(cell.value))
        elif cell.ctype != xlrd.XL_CELL_EMPTY:
            print(rowx, colx, "other", cell.ctype)
