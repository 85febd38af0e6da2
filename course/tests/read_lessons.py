#!/usr/bin/python3
"""Lists a lessons.klx file without the course library: decrypts the
container (RC2-CBC, 40-bit key from MD5 of the passphrase, zero IV, PKCS#5)
and walks the archive records by their documented layout.

usage: read_lessons.py LESSONS.klx     prints the same listing as `vek-course list`
"""
import hashlib
import struct
import sys

from Cryptodome.Cipher import ARC2

PASSPHRASE = b"{5C1E93B7-4A02-11d3-8F6D-2B7E04A19C55}"


def decrypt(data):
    if len(data) == 0 or len(data) % 8:
        raise ValueError("length %d is not a whole number of blocks" % len(data))
    key = hashlib.md5(PASSPHRASE).digest()[:5] + bytes(11)
    plain = ARC2.new(key, ARC2.MODE_CBC, iv=bytes(8), effective_keylen=40).decrypt(data)
    pad = plain[-1]
    if not 1 <= pad <= 8 or plain[-pad:] != bytes([pad]) * pad:
        raise ValueError("bad padding: wrong key or damaged file")
    return plain[:-pad]


class Reader:
    def __init__(self, data):
        self.data, self.pos = data, 0

    def take(self, n):
        if n > len(self.data) - self.pos:
            raise ValueError("data ends at byte %d, %d more wanted" % (self.pos, n))
        b = self.data[self.pos:self.pos + n]
        self.pos += n
        return b

    def u32(self):
        return struct.unpack("<I", self.take(4))[0]

    def i32(self):
        return struct.unpack("<i", self.take(4))[0]

    def f64(self):
        return struct.unpack("<d", self.take(8))[0]

    def text(self):
        n = self.take(1)[0]
        if n == 0xFF:
            n = struct.unpack("<H", self.take(2))[0]
            if n == 0xFFFF:
                n = self.u32()
        return self.take(n).decode("cp1252", errors="replace")

    def version(self, what):
        v = self.u32()
        if v != 1:
            raise ValueError("%s record of version %d" % (what, v))


def read_course(plain):
    r = Reader(plain)
    version_word = r.u32()
    course = {"version": r.text(), "lessons": []}
    if version_word != 1:
        raise ValueError("course record of version %d" % version_word)
    for _ in range(r.u32()):
        r.version("lesson")
        lesson = {"name": r.text(), "number": r.f64(), "score": r.i32(), "status": r.text(),
                  "text": r.text(), "correct": r.i32(), "completed": r.i32(), "questions": []}
        for _ in range(r.u32()):
            r.version("question")
            q = {"sentence": r.text(), "spare": r.text(), "question": r.text(),
                 "spare1": r.i32(), "spare2": r.i32()}
            q["answers"] = [r.text() for _ in range(r.u32())]
            lesson["questions"].append(q)
        course["lessons"].append(lesson)
    if r.pos != len(plain):
        raise ValueError("%d bytes after the last lesson" % (len(plain) - r.pos))
    return course


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    try:
        course = read_course(decrypt(data))
    except ValueError as e:
        sys.exit("%s: %s" % (sys.argv[1], e))
    out = ["version " + course["version"]]
    for s in course["lessons"]:
        out.append("%.2f\t%s\t%d questions\t%s" % (s["number"], s["name"], len(s["questions"]), s["status"]))
        for q in s["questions"]:
            out.append("\t" + "\t".join([q["sentence"]] + q["answers"]))
    sys.stdout.buffer.write(("\n".join(out) + "\n").encode("utf-8"))


if __name__ == "__main__":
    main()
