#!/usr/bin/env python3
"""Writes the two test databases, orv0.dll and orv1.dll, from the questions in
questions.py.

    make_databases.py [FOLDER]

The questions are checked first (15 per scale, phrases unique and plain, pairs
complete, no word repeated within the sentence of one scale); then each test's
questions are put in a fixed pseudo-random order, so that the same questions
always give the same files byte for byte. FOLDER defaults to the data folder
of the source tree.
"""
import argparse
import os
import random
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from questions import TEST0, TEST1

DATA = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'data'))

HEADERS = {
 0: "150\t.Copyright (c) 2026 Orvane Software. Test of Individual Attributes.",
 1: "150\t.Copyright (c) 2026 Orvane Software. Test of Interpersonal and Social Attributes.",
}
PHRASE_RE = re.compile(r"^[a-z0-9' -]+$")
# Words that may recur among the phrases of one evaluation sentence.
LINKING_WORDS = set("a an the of to and with in at on for about by your you yourself "
                    "from than when if what as are is".split())


def content_words(phrase):
    words = (w.strip("'") for w in re.split(r"[ -]", phrase))
    return [w for w in words if w and w not in LINKING_WORDS]


def same_word(a, b):
    """Whether two words are one word in different forms (rule/rules, law/lawful)."""
    a, b = sorted((a.removesuffix("'s"), b.removesuffix("'s")), key=len)
    common = 0
    while common < len(a) and a[common] == b[common]:
        common += 1
    return len(a) >= 3 and common >= min(5, len(a))


def check_repeated_words(scale, items):
    """The phrases of one scale share one sentence of the evaluation, except the
    two of a contradicting pair, which cancel each other; no content word may
    come back in that sentence."""
    for i, x in enumerate(items):
        for y in items[i + 1:]:
            if x[3] and x[3] == y[3]:
                continue
            repeated = [(u, v) for u in content_words(x[1]) for v in content_words(y[1])
                        if same_word(u, v)]
            assert not repeated, (scale, x[1], y[1], repeated)

def build(testno, scales, seed):
    rng = random.Random(seed)
    # validate content
    phrases = set()
    for s, items in scales.items():
        assert len(items) == 15, (s, len(items))
        assert sum(1 for i in items if i[2]) >= 4, s
        keys = {}
        for text, phrase, rev, key in items:
            assert len(text) <= 110 and text.endswith('.') and '\t' not in text, text
            assert all(32 <= ord(c) < 127 for c in text), text
            assert PHRASE_RE.match(phrase) and len(phrase) <= 32, phrase
            assert phrase not in phrases, phrase
            phrases.add(phrase)
            if key:
                keys.setdefault(key, []).append(rev)
        for k, revs in keys.items():
            assert len(revs) == 2, (s, k)
        check_repeated_words(s, items)
    order = {s: rng.sample(items, len(items)) for s, items in scales.items()}
    seq = []
    last = None
    for r in range(15):
        while True:
            perm = rng.sample(range(1, 11), 10)
            if perm[0] != last:
                break
        seq.extend(perm)
        last = perm[-1]
    pos = {s: 0 for s in scales}
    recs = []  # (number, scale, item)
    for n, s in enumerate(seq, start=1):
        recs.append((n, s, order[s][pos[s]]))
        pos[s] += 1
    # resolve pairs
    where = {}
    for n, s, it in recs:
        if it[3]:
            where.setdefault((s, it[3]), []).append(n)
    lines = [HEADERS[testno]]
    pairs = []
    for n, s, (text, phrase, rev, key) in recs:
        rel = "0"
        if key:
            other = [m for m in where[(s, key)] if m != n]
            assert len(other) == 1
            rel = str(other[0])
            if n < other[0]:
                pairs.append((n, other[0]))
        lines.append(f"{n}\t{phrase}\t{rel}\t{s}{'-' if rev else ''}\t.{text}")
    return lines, pairs


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split('\n\n')[0],
        epilog='Prints each file written with its records and related pairs.')
    parser.add_argument('folder', nargs='?', default=DATA,
                        help=f'folder to write the databases into (default: {DATA})')
    args = parser.parse_args()
    if not os.path.isdir(args.folder):
        parser.error(f'{args.folder}: no such folder')

    # Both databases are built before either is written, so a failed check
    # leaves the folder as it was.
    built = [(testno, build(testno, scales, 20260 + testno))
             for testno, scales in ((0, TEST0), (1, TEST1))]
    for testno, (lines, pairs) in built:
        path = os.path.join(args.folder, f'orv{testno}.dll')
        data = ''.join(l + '\r\n' for l in lines).encode('ascii')
        with open(path, 'wb') as f:
            f.write(data)
        print(path, len(lines) - 1, 'records', len(pairs), 'pairs:',
              ' '.join(f'{a}/{b}' for a, b in pairs))


if __name__ == '__main__':
    main()
