"""Prints what python3-xlrd reads from a report: the fonts, the cell formats
(font, alignment byte pieces), the column widths, then every cell as
"ROW COL text|number VALUE xf N", row by row. Used to check the sheet page's
reports from outside the program.
"""
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
for font in book.font_list:
    print("font", font.name, font.height, "bold" if font.bold else "plain")
for index, xf in enumerate(book.xf_list):
    print("xf", index, "font", xf.font_index, "align", xf.alignment.hor_align)
sheet = book.sheet_by_index(0)
for colx in sorted(sheet.colinfo_map):
    print("width", colx, sheet.colinfo_map[colx].width)
for rowx in range(sheet.nrows):
    for colx in range(sheet.ncols):
        cell = sheet.cell(rowx, colx)
        if cell.ctype == xlrd.XL_CELL_TEXT:
            print(rowx, colx, "text", cell.value, "xf", cell.xf_index)
        elif cell.ctype == xlrd.XL_CELL_NUMBER:
            print(rowx, colx, "number", repr(cell.value), "xf", cell.xf_index)
        elif cell.ctype != xlrd.XL_CELL_EMPTY:
            print(rowx, colx, "other", cell.ctype, "xf", cell.xf_index)
