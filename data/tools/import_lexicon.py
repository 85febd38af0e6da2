#!/usr/bin/env python3
"""Writes data/lexicon.tsv from a checkout of the klingon-assistant-data set.

    import_lexicon.py CHECKOUT [--overlay FILE] [--out FILE]

The checkout's mem-*.xml files are read in name order as one document. The
output depends on nothing else, so the same checkout gives the same bytes. It
is written to a temporary file beside FILE and renamed over it only when
complete; on any problem the message goes to stderr, the exit code is 1 and
FILE is left as it was. Standard library only.
"""
import argparse
import glob
import os
import re
import sys
import tempfile
import unicodedata
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.join(HERE, "..", "lexicon.tsv")
DEFAULT_OVERLAY = os.path.join(HERE, "..", "tests", "required-entries.tsv")

# The data set's first tag -> our part of speech; n:pro and n:num are refined below.
BASE_POS = {"n": "noun", "v": "verb", "adv": "adverb", "conj": "conj",
            "excl": "excl", "ques": "ques"}
SKIPPED_BASES = {"sen"}          # sentences and phrases
SKIPPED_TAGS = {"suff", "pref",  # affixes: the analyser has its own tables
                "hyp"}           # hypothetical, not attested
REQUIRED_COLUMNS = ("entry_name", "part_of_speech", "definition",
                    "synonyms", "antonyms", "components", "source")
LETTERS = re.compile(r"^[abcDeghHIjlmnopqQrStuvwy']+( [abcDeghHIjlmnopqQrStuvwy']+)*$")
LINK = re.compile(r"\{([^{}]*)\}")
FOOTNOTE = re.compile(r"\[\d+\]\s*")
CKWORD_POS = ("noun", "verb", "pronoun", "adverb", "number", "conj", "excl", "ques")
COLUMNS = ("word", "pos", "definition", "notes", "being", "bodypart", "inherentplural",
           "irregular", "irregularform", "stative", "synonyms", "antonyms")


class CheckoutError(Exception):
    """A checkout or overlay the import cannot use; the message says why."""


class Entry:
    def __init__(self, index, fields):
        self.index = index
        self.name = fields["entry_name"].strip()
        self.pos_field = fields["part_of_speech"].strip()
        base, _, rest = self.pos_field.partition(":")
        self.base = base
        self.tags = [t for t in rest.split(",") if t] if rest else []
        self.raw_definition = fields["definition"].strip()
        self.synonyms = fields["synonyms"]
        self.antonyms = fields["antonyms"]
        self.components = fields["components"]
        self.source = fields["source"]
        # Filled in by the import.
        self.word = self.name
        self.pos = None
        self.definition = ""
        self.key = None
        self.flags = {}
        self.irregular_form = ""
        self.syn_keys = []
        self.ant_keys = []

    def homonym_number(self):
        for t in self.tags:
            m = re.fullmatch(r"(\d+)h?", t)
            if m:
                return int(m.group(1))
        return None


def parse_link(text):
    """'{word:pos:2,tag@@parts}' contents -> (word, base pos or None, number or None)."""
    text = text.split("@@", 1)[0]
    parts = text.split(":")
    word = parts[0].strip()
    pos = parts[1].strip() if len(parts) > 1 and parts[1].strip() else None
    number = None
    if len(parts) > 2:
        m = re.match(r"(\d+)", parts[2].strip())
        if m:
            number = int(m.group(1))
    return word, pos, number


def plain(text):
    """Link markup to the plain words it shows."""
    return LINK.sub(lambda m: parse_link(m.group(1))[0], text)


def to_cp1252(text):
    """The lexicon file holds Windows-1252; other characters lose their accents or become '?'."""
    out = []
    for ch in text:
        try:
            ch.encode("cp1252")
            out.append(ch)
        except UnicodeEncodeError:
            base = "".join(c for c in unicodedata.normalize("NFKD", ch)
                           if not unicodedata.combining(c))
            try:
                base.encode("cp1252")
                out.append(base or "?")
            except UnicodeEncodeError:
                out.append("?")
    return "".join(out)


def tidy(text):
    return to_cp1252(" ".join(plain(text).split()))


def read_checkout(path):
    if not os.path.isdir(path):
        raise CheckoutError(f"{path}: no such folder (a checkout of klingon-assistant-data is expected)")
    files = sorted(glob.glob(os.path.join(path, "mem-*.xml")))
    if not files:
        raise CheckoutError(f"{path}: no mem-*.xml files; not a klingon-assistant-data checkout")
    texts, starts, line = [], [], 1
    for f in files:
        try:
            with open(f, encoding="utf-8") as fh:
                t = fh.read()
        except (OSError, UnicodeDecodeError) as e:
            raise CheckoutError(f"{f}: cannot read: {e}")
        starts.append((line, f))
        texts.append(t)
        line += t.count("\n")
    try:
        root = ET.fromstring("".join(texts))
    except ET.ParseError as e:
        at, name = e.position[0], files[0]
        first = 1
        for start, f in starts:
            if start <= at:
                first, name = start, f
        why = str(e).split(": line ")[0]
        raise CheckoutError(f"{name}: line {at - first + 1}: damaged XML ({why})")
    entries = []
    for table in root.iter("table"):
        if table.get("name") != "mem":
            continue
        fields = {c.get("name"): (c.text or "") for c in table.findall("column")}
        where = f"entry {len(entries) + 1} ({fields.get('entry_name', '?')!r})"
        for col in REQUIRED_COLUMNS:
            if col not in fields:
                raise CheckoutError(f"{path}: {where} has no '{col}' column; damaged checkout")
        e = Entry(len(entries), fields)
        if not e.name or not e.base:
            raise CheckoutError(f"{path}: {where} has no word or no part of speech; damaged checkout")
        if e.base not in BASE_POS and e.base not in SKIPPED_BASES:
            raise CheckoutError(f"{path}: {where}: unknown part of speech '{e.pos_field}'")
        entries.append(e)
    if not entries:
        raise CheckoutError(f"{path}: no entries found; damaged checkout")
    return entries


def read_overlay(path):
    rows = []
    try:
        with open(path, encoding="utf-8") as fh:
            lines = fh.read().splitlines()
    except (OSError, UnicodeDecodeError) as e:
        raise CheckoutError(f"{path}: cannot read the overlay: {e}")
    for n, line in enumerate(lines, 1):
        if not line.strip() or line.startswith("#"):
            continue
        parts = line.split("\t")
        if len(parts) != 3 or not all(parts):
            raise CheckoutError(f"{path}: line {n}: expected word<TAB>part of speech<TAB>definition")
        rows.append(tuple(parts))
    return rows


class Index:
    """Kept entries by word, to follow the data set's {word:pos:n} links."""

    def __init__(self, entries):
        self.by_word = {}
        for e in entries:
            self.by_word.setdefault(e.name, []).append(e)

    def find(self, link):
        word, pos, number = parse_link(link)
        found = [e for e in self.by_word.get(word, []) if pos is None or e.base == pos]
        if number is not None:
            found = [e for e in found if e.homonym_number() == number]
        return found


def select(entries):
    kept = []
    for e in entries:
        if e.base in SKIPPED_BASES or SKIPPED_TAGS.intersection(e.tags):
            continue
        word = e.name
        if e.base == "excl":
            word = word.rstrip("!?")  # "chatlh!" is read as chatlh
        if not LETTERS.match(word):
            continue
        e.word = word
        kept.append(e)
    return kept


def resolve_definitions(kept):
    """Definitions in plain words; one that is only a link (alternative spellings)
    takes the definition of the entry it names. Entries left without one are dropped."""
    index = Index(kept)

    def definition(e, depth):
        m = LINK.fullmatch(e.raw_definition)
        if not m:
            return tidy(e.raw_definition)
        targets = [t for t in index.find(m.group(1)) if t is not e]
        if not targets or depth > 4:
            return ""
        return definition(targets[0], depth + 1)

    out = []
    for e in kept:
        e.definition = definition(e, 0)
        if e.definition:
            out.append(e)
    return out


def apply_overlay(kept, overlay):
    """Our exact definitions win; the homonym chosen is the one already carrying
    the definition, then one whose definition starts with it, then the first."""
    by_word = {}
    for e in kept:
        by_word.setdefault((e.word, e.pos), []).append(e)
    added = []
    for word, pos, definition in overlay:
        if pos not in CKWORD_POS:
            raise CheckoutError(f"overlay entry {word}: unknown part of speech '{pos}'")
        found = by_word.get((word, pos), [])
        pick = (next((e for e in found if e.definition == definition), None)
                or next((e for e in found if e.definition.startswith(definition)), None)
                or (found[0] if found else None))
        if pick is None:
            # Ours alone: added after the data set's entries.
            pick = Entry(-1 - len(added), dict.fromkeys(REQUIRED_COLUMNS, ""))
            pick.word, pick.pos = word, pos
            added.append(pick)
            by_word[(word, pos)] = [pick]
        pick.definition = definition
    return added


def map_pos(e):
    if e.base == "n" and "pro" in e.tags:
        return "pronoun"
    if e.base == "n" and "num" in e.tags:
        return "number"
    return BASE_POS[e.base]


def assign_keys(kept):
    taken = set()
    for e in kept:
        key, n = e.word, 2
        while key in taken:
            key, n = f"{e.word}:{n}", n + 1
        taken.add(key)
        e.key = key


def link_keys(kept):
    index = Index(kept)
    pairs = {"syn": set(), "ant": set()}
    for e in kept:
        for kind, field in (("syn", e.synonyms), ("ant", e.antonyms)):
            for m in LINK.finditer(field):
                targets = index.find(m.group(1))
                if len(targets) == 1 and targets[0] is not e:
                    a, b = e.index, targets[0].index
                    pairs[kind].add((a, b))
                    pairs[kind].add((b, a))
    by_index = {e.index: e for e in kept}
    for kind, attr in (("syn", "syn_keys"), ("ant", "ant_keys")):
        for a, b in sorted(pairs[kind]):
            getattr(by_index[a], attr).append(by_index[b].key)


def pair_plurals(kept):
    """A singular (inhps) and its inherent plural (inhpl) that name each other
    in their components become an irregular pair."""
    index = Index(kept)
    partner = {}
    for e in kept:
        if e.pos != "noun" or ("inhps" in e.tags) == ("inhpl" in e.tags):
            continue
        want = "inhpl" if "inhps" in e.tags else "inhps"
        for m in LINK.finditer(e.components):
            for t in index.find(m.group(1)):
                if t.pos == "noun" and want in t.tags and not {"inhps", "inhpl"} <= set(t.tags):
                    partner.setdefault(e.index, set()).add(t.index)
    by_index = {e.index: e for e in kept}
    for a, targets in sorted(partner.items()):
        # One partner each way (or none named back) and neither already paired.
        if len(targets) != 1:
            continue
        b = next(iter(targets))
        e, other = by_index[a], by_index[b]
        if partner.get(b, {a}) != {a} or e.flags.get("irregular") or other.flags.get("irregular"):
            continue
        for x, y in ((e, other), (other, e)):
            x.flags["irregular"] = 1
            x.irregular_form = y.word


def set_flags(e):
    if e.pos == "noun":
        if "being" in e.tags:
            e.flags["being"] = 1
        if "body" in e.tags:
            e.flags["bodypart"] = 1
        if "inhpl" in e.tags or "plural" in e.tags:
            e.flags["inherentplural"] = 1
    if e.pos == "verb" and "is" in e.tags:
        e.flags["stative"] = 1


def citation(e):
    return tidy(FOOTNOTE.sub("", e.source))


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def build(checkout, overlay_path):
    entries = read_checkout(checkout)
    overlay = read_overlay(overlay_path)
    kept = select(entries)
    for e in kept:
        e.pos = map_pos(e)
    kept = resolve_definitions(kept)
    kept += apply_overlay(kept, overlay)
    # The same word, part of speech and definition twice is one entry.
    seen, unique = set(), []
    for e in kept:
        row = (e.word, e.pos, e.definition)
        if row not in seen:
            seen.add(row)
            unique.append(e)
    kept = unique
    for e in kept:
        set_flags(e)
    assign_keys(kept)
    pair_plurals(kept)
    link_keys(kept)
    version = ""
    try:
        with open(os.path.join(checkout, "VERSION"), encoding="utf-8") as fh:
            version = fh.read().strip()
    except OSError:
        pass
    lines = [
        "# Klingon-English lexicon shipped with the program; compiled into lexicon.klx by the build.",
        "# Generated by data/tools/import_lexicon.py from klingon-assistant-data"
        + (f" {version}" if version else "") + " (Apache-2.0, see data/NOTICE).",
        "# Do not edit by hand: our own definitions go into data/tests/required-entries.tsv.",
        "\t".join(COLUMNS),
    ]
    for e in kept:
        f = e.flags
        row = [e.word, e.pos, e.definition, citation(e),
               f.get("being"), f.get("bodypart"), f.get("inherentplural"), f.get("irregular"),
               e.irregular_form, f.get("stative"), "|".join(e.syn_keys), "|".join(e.ant_keys)]
        lines.append("\t".join(escape(str(v)) if v else "" for v in row))
    return "\n".join(lines) + "\n"


def write_atomically(path, text):
    folder = os.path.dirname(os.path.abspath(path))
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".lexicon-", suffix=".tmp")
    try:
        with os.fdopen(fd, "w", encoding="utf-8", newline="\n") as fh:
            fh.write(text)
            fh.flush()
            os.fsync(fh.fileno())
        os.replace(tmp, path)
    except BaseException:
        try:
            os.unlink(tmp)
        except OSError:
            pass
        raise


def main(argv):
    ap = argparse.ArgumentParser(description="Generate lexicon.tsv from klingon-assistant-data.")
    ap.add_argument("checkout", help="folder holding the data set's mem-*.xml files")
    ap.add_argument("--overlay", default=DEFAULT_OVERLAY,
                    help="word<TAB>pos<TAB>definition rows that win over the data set")
    ap.add_argument("--out", default=DEFAULT_OUT, help="the lexicon to write (default data/lexicon.tsv)")
    args = ap.parse_args(argv)
    try:
        text = build(args.checkout, args.overlay)
        write_atomically(args.out, text)
    except CheckoutError as e:
        print(f"import_lexicon: {e}", file=sys.stderr)
        return 1
    except OSError as e:
        print(f"import_lexicon: cannot write {args.out}: {e}", file=sys.stderr)
        return 1
    print(f"{args.out}: {text.count(chr(10)) - 4} entries", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
