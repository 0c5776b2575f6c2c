#!/usr/bin/env python3
"""Time and peak memory of the readers on generated files of growing size.

    bench/reader_scaling.py [--cli build/dev/bin/kesto-cli] [--sizes 1,2,4,8,16]

Each size is the input in MiB. For every kind of file below, kesto-cli runs as a whole process
on the generated file and the script prints the wall time, the peak resident memory and the
memory per page, so that growth can be read off: linear time doubles with the size, and memory
stays within 4 KiB a page plus a fixed amount.

  pages        a document of copies of the bundled example's pages        (dump)
  classes      a page whose stress records introduce their class again    (dump)
               and again, each followed by a reference to it
  messages     a format 1.02 page with an old message list of empty texts (dump)
  json-pages   a JSON document of empty pages {}                          (import, then dump)
"""
import argparse
import json
import os
import struct
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def text(s):
    b = s.encode("cp932")
    if len(b) < 0xFF:
        return bytes([len(b)]) + b
    if len(b) < 0xFFFE:
        return b"\xff" + struct.pack("<H", len(b)) + b
    return b"\xff\xff\xff" + struct.pack("<I", len(b)) + b


def count(n):
    return struct.pack("<H", n) if n < 0xFFFF else b"\xff\xff" + struct.pack("<I", n)


def new_class(name):
    return b"\xff\xff\x00\x00" + struct.pack("<H", len(name)) + name.encode()


def conditions(version):
    out = bytes([1] * 8)
    if version >= "1.02":
        out += b"\x00"
    out += struct.pack("<8d", 2, 2, 1.3, 1.3, 1.1, 35, 1, 1)
    out += text("Ｈ形鋼JIS.tbl") + text("角鋼管BCR.tbl")
    if version >= "1.04":
        out += text("切削並目JIS.tbl")
    out += text("K")
    if version >= "1.03":
        out += b"\x01\x01\x01" + struct.pack("<d", 5)
    if version >= "1.04":
        out += b"\x00\x00\x00"
    return out + count(0) * 4  # no stress names, no combinations


def header(version):
    return (text("Kesto " + version) + text("") + text("") + text("") + b"\x00\x00" +
            b"\x01\x00" + conditions(version))


def page_inputs():
    """The page fields common to every format, up to ribGaugeY."""
    out = b"".join(text(s) for s in ["C1", "Fc21", "SN400", "SN400", "SN400", "SN400", "M30",
                                     "□-350x350x16"])
    out += b"\x00\x00\x01" + struct.pack("<4H", 3, 3, 2, 2)
    return out + struct.pack("<9d", 650, 650, 36, 150, 12, 75, 75, 158, 158)


def classes_file(size):
    """A page whose stress records alternately introduce CStress again and refer to it."""
    body = struct.pack("<3d", 1, 2, 3)
    record_bytes = len(new_class("CStress")) + 1 + 24 + 6 + 1 + 24
    pairs = max(1, size // record_bytes)
    counter = 1  # object map counter of the archive
    out = bytearray(header("1.04"))
    out += count(1) + new_class("CKesto")
    counter += 2  # class CKesto, then the page object
    out += page_inputs() + b"\x01\x01" + struct.pack("<7d", 750, 750, 650, 140, 600, 0, 0)
    out += struct.pack("<12d", *([0] * 12))
    out += count(2 * pairs)
    for _ in range(pairs):
        cls = counter
        out += new_class("CStress") + text("G") + body
        counter += 2
        out += b"\xff\x7f" + struct.pack("<I", 0x80000000 | cls) + text("G") + body
        counter += 1
    out += count(0)
    return bytes(out), 1


def messages_file(size):
    """One format 1.02 page whose stored error list holds empty texts."""
    out = bytearray(header("1.02"))
    out += count(1) + new_class("CKesto")
    out += page_inputs()
    for _ in range(2):
        for _ in range(2):
            out += struct.pack("<3d", 0, 0, 0) + struct.pack("<19d", *([0] * 19)) + b"\x00"
        out += struct.pack("<19d", *([0] * 19)) + b"\x00"
    out += count(0) + count(0)
    n = max(1, size - len(out) - 8)
    out += count(n) + b"\x00" * n + count(0)
    return bytes(out), 1


def example_pages():
    with open(os.path.join(ROOT, "data", "examples", "example.json"), encoding="utf-8") as f:
        return json.load(f)


def pages_json(size):
    doc = example_pages()
    one = len(json.dumps(doc["pages"][0], ensure_ascii=False).encode())
    n = max(1, size // one)
    base = doc["pages"]
    doc["pages"] = [dict(base[i % len(base)], mark="C%d" % i) for i in range(n)]
    return json.dumps(doc, ensure_ascii=False).encode(), n


def empty_pages_json(size):
    n = max(1, (size - 20) // 3)
    return b'{"pages":[' + b",".join([b"{}"] * n) + b"]}", n


def run(cmd):
    start = time.monotonic()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.monotonic() - start
    err = proc.stderr.read().decode(errors="replace")
    proc.stderr.close()
    if status != 0:
        sys.exit("failed: %s\n%s" % (" ".join(cmd), err[:500]))
    return elapsed, usage.ru_maxrss / 1024.0  # MiB


def report(kind, what, size, pages, seconds, peak):
    per_page = peak * 1024 / pages
    print("%-11s %-7s %8.1f MiB %9d pages %8.2f s %9.1f MiB peak %10.1f KiB/page" %
          (kind, what, size / 2**20, pages, seconds, peak, per_page), flush=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", default=os.path.join(ROOT, "build", "dev", "bin", "kesto-cli"))
    ap.add_argument("--sizes", default="1,2,4,8,16")
    ap.add_argument("--kinds", default="pages,classes,messages,json-pages")
    args = ap.parse_args()
    sizes = [int(float(s) * 2**20) for s in args.sizes.split(",")]
    kinds = args.kinds.split(",")
    with tempfile.TemporaryDirectory() as tmp:
        kso = os.path.join(tmp, "doc.kso")
        src = os.path.join(tmp, "doc.json")
        for kind in kinds:
            for size in sizes:
                if kind in ("pages", "json-pages"):
                    data, pages = (pages_json if kind == "pages" else empty_pages_json)(size)
                    with open(src, "wb") as f:
                        f.write(data)
                    t, m = run([args.cli, "import", src, "-o", kso])
                    if kind == "json-pages":
                        report(kind, "import", len(data), pages, t, m)
                else:
                    data, pages = (classes_file if kind == "classes" else messages_file)(size)
                    with open(kso, "wb") as f:
                        f.write(data)
                t, m = run([args.cli, "dump", kso])
                report(kind, "dump", os.path.getsize(kso), pages, t, m)


if __name__ == "__main__":
    main()
