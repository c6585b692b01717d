#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs under fuzz/corpus/<target>/ (committed; rerun after a change).

Each seed starts the fuzzer off at a case worth reaching: for the script reader NUL bytes,
10,000-character lines, a last line without its line end and binary junk; for the drawing
entry points every operation with ordinary and extreme arguments; for the dialog template
reader the text prompt's template and its variants (font, named classes, creation data).
"""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def script_seeds():
    t = "script_reader_fuzz"
    write(t, "recorded", b"ZORVA_PERIODIC(12);\nZORVA_KBD(32);\nZORVA_MOUSE(-120, 45);\n")
    write(t, "blank_lines_and_crlf", b"\n\nZORVA_KBD(-23);\r\n\n\nZORVA_PERIODIC(1);\n       \n")
    write(t, "nul_bytes", b"ZORVA_KBD(6\x005);\nZORVA_\x00MOUSE(1, 2);\n\x00\x00\x00\nZORVA_MOUSE(7,\x00 8);\n")
    write(t, "long_number_line", b"ZORVA_MOUSE(" + b"1" * 9980 + b", 5);\nZORVA_KBD(65);\n")
    write(t, "long_junk_line", b"x" * 10000 + b"\nZORVA_KBD(66);\n")
    write(t, "long_line_no_end", b"ZORVA_PERIODIC(" + b"9" * 9985)
    write(t, "no_final_line_end", b"ZORVA_KBD(65);\nZORVA_MOUSE(3, 4);")
    write(t, "numbers_at_the_edges",
          b"ZORVA_PERIODIC(0);\nZORVA_PERIODIC(999999999999999);\nZORVA_MOUSE(--5, 1-2);\n"
          b"ZORVA_KBD(-2147483648);\nZORVA_MOUSE(2147483647, -2147483648);\nZORVA_PERIODIC(-3);\n")
    write(t, "short_and_unknown_lines", b"ZORVA\nZORVA_K\nZORVA_M(5)\nZORVA_mOUSE(1, 2);\nZORVA_P;\n")
    rng = random.Random(10)
    write(t, "binary_junk", bytes(rng.randrange(256) for _ in range(2048)))
    write(t, "round_trip_mouse", bytes([0]) + struct.pack(">ii", -2147483648, 2147483647) + b"\x80")


def be(*values):
    return b"".join(struct.pack(">i", v) for v in values)


def drawing_seeds():
    t = "drawing_fuzz"
    lo, hi = -2147483648, 2147483647

    def text(s):
        return bytes([len(s)]) + s

    ordinary = (
        bytes([0x80 | 0]) + be(2, 10, 20)                              # pixel, logged
        + bytes([1]) + be(3, 0, 0, 50)                                 # circle
        + bytes([2]) + be(4, -50, -50, 50, -50, 0, 60, 3)              # triangle
        + bytes([0x83]) + be(5, -100, 100, 100, -100, 1)               # rectangle, logged
        + bytes([4]) + be(6, -80, 40, 80, -40, 5)                      # oval
        + bytes([5]) + be(7, -200, -200, 200, 200, 2)                  # line
        + bytes([0x86]) + be(1, -100, 0, 15) + text(b"Kills: 3 Hits: 1")  # text
        + bytes([7]) + be(2, 0, -100, 12) + text(b"%s%n%d") + be(42) + b"Z"  # textf
        + bytes([17, 21]))                                             # flush, deliver
    write(t, "every_coordinate_form", ordinary)
    points = b"".join(bytes([8 + op]) + be(op + 1) + be(*([op * 7 - 20] * 8)) for op in range(6))
    points += bytes([14]) + be(3, 5, 5, 20) + text(b"point text")
    points += bytes([15]) + be(4, -5, -5, 9) + text(b"\xe9\xe8\xff")
    write(t, "every_point_form", points)
    extreme = (
        bytes([0x80]) + be(hi, lo, hi)
        + bytes([0x81]) + be(lo, hi, lo, hi)
        + bytes([2]) + be(-1, lo, lo, hi, hi, lo, hi, hi)
        + bytes([0x83]) + be(24, lo, hi, hi, lo, lo)
        + bytes([4]) + be(25, hi, hi, lo, lo, hi)
        + bytes([0x85]) + be(0, lo, 0, hi, 0, 1000000)
        + bytes([6]) + be(3, hi, lo, hi) + text(b"huge")
        + bytes([6]) + be(3, 0, 0, lo) + text(b"negative size")
        + bytes([22]) + be(hi, lo)
        + bytes([0]) + be(1, 0, 0)
        + bytes([16, 18, 18, 18]))
    write(t, "extreme_arguments", extreme)
    long_text = bytes([0x86]) + be(1, 0, 0, 10) + bytes([255]) + b"A" * 3000 + b"\x00" + b"B" * 1500
    write(t, "long_text_rest_of_input", long_text)
    log_lines = b"".join(bytes([19]) + text(b"line %d of the log\n" % i) for i in range(30))
    log_lines += bytes([20, 0, 21, 20, 1, 21])
    write(t, "log_and_text_window", log_lines)


def dialog_template(items, style=0x90C80080, caption="ZORVA_gets", font=None, menu=b"\0\0", cls=b"\0\0"):
    out = bytearray(struct.pack("<IIHhhhh", style, 0, len(items), 50, 50, 185, 92))
    out += menu + cls
    out += caption.encode("utf-16-le") + b"\0\0"
    if font is not None:
        out += struct.pack("<H", font[0]) + font[1].encode("utf-16-le") + b"\0\0"
    for item in items:
        while len(out) % 4:
            out += b"\0"
        style_, x, y, cx, cy, ident, klass, title, extra = item
        out += struct.pack("<IIhhhhH", style_, 0, x, y, cx, cy, ident)
        out += struct.pack("<HH", 0xFFFF, klass) if isinstance(klass, int) else klass.encode("utf-16-le") + b"\0\0"
        out += title.encode("utf-16-le") + b"\0\0"
        out += struct.pack("<H", len(extra) + 2) + extra if extra else b"\0\0"
    return bytes(out)


def dialog_seeds():
    t = "dialog_template_fuzz"
    prompt = [
        (0x50810044, 8, 30, 167, 37, 102, 0x81, "", b""),
        (0x50010001, 67, 74, 50, 14, 101, 0x80, "Okay", b""),
        (0x50020000, 8, 3, 167, 24, 103, 0x82, "What is your name?".ljust(79), b""),
    ]
    plain = dialog_template(prompt)
    write(t, "prompt", b"\x00" + plain)
    write(t, "prompt_with_typing", b"\x06" + plain + b"Hi\r\x1b\x09 ")
    write(t, "font_and_named_classes", b"\x00" + dialog_template(
        [(0x50010000, 5, 5, 40, 12, 1, "Button", "&Go", b""),
         (0x50800080, 5, 20, 90, 12, 2, "Edit", "text", b"\x01\x02\x03\x04"),
         (0x50000000, 5, 40, 90, 30, 3, "Static", "caf\xe9", b"")],
        style=0x90C800C0, caption="Font", font=(8, "MS Shell Dlg")))
    write(t, "menu_ordinal_and_extremes", b"\x00" + dialog_template(
        [(0xFFFFFFFF, -32768, 32767, 32767, -32768, 65535, 0x82, "", b"")],
        caption="", menu=struct.pack("<HH", 0xFFFF, 7)))
    write(t, "truncated", b"\x00" + plain[:40])


if __name__ == "__main__":
    script_seeds()
    drawing_seeds()
    dialog_seeds()
