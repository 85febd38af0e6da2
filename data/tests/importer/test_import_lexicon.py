#!/usr/bin/env python3
"""The lexicon importer on a made-up checkout: the exact output, the same bytes
every time, and no output at all from a missing or damaged checkout.

    test_import_lexicon.py [VEK_LEXICON]   (with it, the output must also compile)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
IMPORTER = os.path.join(HERE, "..", "..", "tools", "import_lexicon.py")
CHECKOUT = os.path.join(HERE, "checkout")
OVERLAY = os.path.join(HERE, "overlay.tsv")
EXPECTED = os.path.join(HERE, "expected.tsv")
VEK_LEXICON = None


def run(checkout, out, overlay=OVERLAY):
    return subprocess.run([sys.executable, IMPORTER, checkout, "--overlay", overlay, "--out", out],
                          capture_output=True, text=True)


def read(path):
    with open(path, "rb") as fh:
        return fh.read()


class Importer(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        self.out = os.path.join(self.tmp, "lexicon.tsv")

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def damaged_copy(self, name, edit):
        """A copy of the fixture checkout with mem-01-a.xml passed through edit()."""
        copy = os.path.join(self.tmp, name)
        shutil.copytree(CHECKOUT, copy)
        path = os.path.join(copy, "mem-01-a.xml")
        with open(path, encoding="utf-8") as fh:
            text = fh.read()
        with open(path, "w", encoding="utf-8") as fh:
            fh.write(edit(text))
        return copy

    def assertRefused(self, checkout, *message, overlay=OVERLAY):
        with open(self.out, "w") as fh:
            fh.write("old\n")
        r = run(checkout, self.out, overlay)
        self.assertEqual(r.returncode, 1, r.stderr)
        for m in message:
            self.assertIn(m, r.stderr)
        self.assertEqual(read(self.out), b"old\n", "the old lexicon must be kept")
        self.assertEqual([f for f in os.listdir(self.tmp) if f.startswith(".")], [],
                         "no temporary file may be left behind")

    def test_fixture_gives_the_expected_lexicon(self):
        r = run(CHECKOUT, self.out)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(read(self.out).decode("utf-8"), read(EXPECTED).decode("utf-8"))

    def test_same_checkout_same_bytes(self):
        other = os.path.join(self.tmp, "again.tsv")
        self.assertEqual(run(CHECKOUT, self.out).returncode, 0)
        self.assertEqual(run(CHECKOUT, other).returncode, 0)
        self.assertEqual(read(self.out), read(other))

    def test_output_compiles(self):
        if not VEK_LEXICON:
            self.skipTest("vek-lexicon not given")
        klx = os.path.join(self.tmp, "lexicon.klx")
        r = subprocess.run([VEK_LEXICON, "import", EXPECTED, klx], capture_output=True, text=True)
        self.assertEqual(r.returncode, 0, r.stderr)
        r = subprocess.run([VEK_LEXICON, "stats", klx], capture_output=True, text=True)
        self.assertEqual(r.returncode, 0, r.stderr)

    def test_missing_or_damaged_checkout_writes_nothing(self):
        self.assertRefused(os.path.join(self.tmp, "nowhere"), "no such folder")
        empty = os.path.join(self.tmp, "empty")
        os.mkdir(empty)
        self.assertRefused(empty, "no mem-*.xml files")
        cases = [
            ("cut short", lambda t: t[: len(t) // 2], ["damaged XML"]),
            ("bad tag", lambda t: t.replace("</table>", "</tabel>", 1), ["mem-01-a.xml: line 16: damaged XML"]),
            ("a column lost", lambda t: t.replace('<column name="source">[1] {KGT:src}</column>', "", 1),
             ["no 'source' column"]),
            ("no word", lambda t: t.replace('<column name="entry_name">Hev</column>',
                                            '<column name="entry_name"></column>'), ["no word"]),
            ("unknown part of speech", lambda t: t.replace(">adv<", ">adj<"), ["unknown part of speech 'adj'"]),
            ("no entries", lambda t: "", ["no entries found"]),
        ]
        for name, edit, message in cases:
            with self.subTest(name):
                self.assertRefused(self.damaged_copy(name, edit), *message)

    def test_bad_overlay_writes_nothing(self):
        bad = os.path.join(self.tmp, "overlay.tsv")
        for text, message in [("pIm\tpronoun\n", "line 1"), ("pIm\tpronom\twe\n", "unknown part of speech")]:
            with self.subTest(text):
                with open(bad, "w") as fh:
                    fh.write(text)
                self.assertRefused(CHECKOUT, message, overlay=bad)
                os.unlink(bad)


if __name__ == "__main__":
    if len(sys.argv) > 1:
        VEK_LEXICON = sys.argv.pop(1)
    unittest.main()
