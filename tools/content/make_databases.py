#!/usr/bin/env python3
"""Writes the two test databases, orv0.dll and orv1.dll, from the questions in
questions.py, or their German versions from questions_de.py.

    make_databases.py [--language de] [FOLDER]

The questions are checked first (15 per scale, phrases unique and plain, pairs
complete, no word repeated within the sentence of one scale); then each test's
questions are put in a fixed pseudo-random order, so that the same questions
always give the same files byte for byte. FOLDER defaults to the data folder
of the source tree.

With --language de the German questions are checked the same way, with rules
for German (phrases of at most 40 letters, digits, spaces, hyphens and
apostrophes, with no "und" inside, since the evaluation joins them with ", "
and " und "; questions in the first person, without "du"), and they must match
the English ones item for item: the same scales, and in each the same
reverse-keyed items and pair keys in the same positions. The German files take
the English files' order, numbers, related questions, scales and directions
record for record, and only the question and the phrase are German. They are
written in UTF-8 with CR LF line ends; FOLDER then defaults to the de folder
inside the data folder, which is made when missing.
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

GERMAN_HEADERS = {
 0: "150\t.Copyright (c) 2026 Orvane Software. Test der individuellen Eigenschaften.",
 1: "150\t.Copyright (c) 2026 Orvane Software. Test der zwischenmenschlichen und sozialen Eigenschaften.",
}
GERMAN_PHRASE_RE = re.compile(r"^[A-Za-zÄÖÜäöüß0-9' -]+$")
# A question begins with a capital and ends with a full stop; between them
# letters, digits, spaces and ordinary punctuation, German quotation marks
# and the dash included.
GERMAN_TEXT_RE = re.compile(r"^[A-ZÄÖÜ0-9„][A-Za-zÄÖÜäöüß0-9 .,;:!?'()„“–-]*\.$")
# The German counterpart of LINKING_WORDS (compared in lower case): articles,
# prepositions, pronouns and a few adverbs that any phrase may use.
GERMAN_LINKING_WORDS = set(
    "ein eine einer eines einem einen kein keine der die das den dem des "
    "und oder als wie zu zum zur mit in im ins an am auf aufs für fürs von vom "
    "bei beim über um aus nach vor ohne gegenüber durch bis "
    "sich selbst ihr ihre ihren ihrem ihrer ihres sie "
    "nicht sehr gern lieber mehr auch noch so etwas umso "
    "alle allen jeder jede jedem jeden jedes".split())
# The evaluation speaks to the reader as "Sie": a phrase that says "ihr" in
# lower case speaks of someone else.
GERMAN_POSSESSIVES = {"ihr", "ihre", "ihren", "ihrem", "ihrer", "ihres"}
GERMAN_INFORMAL = {"du", "dich", "dir", "dein", "deine", "deinen", "deinem", "deiner", "deines"}
# Every question is a statement about oneself.
GERMAN_FIRST_PERSON = {"ich", "mich", "mir", "mein", "meine", "meinen", "meinem", "meiner", "meines"}


def content_words(phrase, linking=LINKING_WORDS):
    words = (w.strip("'").lower() for w in re.split(r"[ -]", phrase))
    return [w for w in words if w and w not in linking]


def same_word(a, b):
    """Whether two words are one word in different forms (rule/rules, law/lawful)."""
    a, b = sorted((a.removesuffix("'s"), b.removesuffix("'s")), key=len)
    common = 0
    while common < len(a) and a[common] == b[common]:
        common += 1
    return len(a) >= 3 and common >= min(5, len(a))


def check_repeated_words(scale, items, linking=LINKING_WORDS):
    """The phrases of one scale share one sentence of the evaluation, except the
    two of a contradicting pair, which cancel each other; no content word may
    come back in that sentence."""
    for i, x in enumerate(items):
        for y in items[i + 1:]:
            if x[3] and x[3] == y[3]:
                continue
            repeated = [(u, v) for u in content_words(x[1], linking)
                        for v in content_words(y[1], linking) if same_word(u, v)]
            assert not repeated, (scale, x[1], y[1], repeated)


def check_pairs(scale, items):
    keys = {}
    for text, phrase, rev, key in items:
        if key:
            keys.setdefault(key, []).append(rev)
    for k, revs in keys.items():
        assert len(revs) == 2, (scale, k)


def check_english(scales):
    phrases = set()
    for s, items in scales.items():
        assert len(items) == 15, (s, len(items))
        assert sum(1 for i in items if i[2]) >= 4, s
        for text, phrase, rev, key in items:
            assert len(text) <= 110 and text.endswith('.') and '\t' not in text, text
            assert all(32 <= ord(c) < 127 for c in text), text
            assert PHRASE_RE.match(phrase) and len(phrase) <= 32, phrase
            assert phrase not in phrases, phrase
            phrases.add(phrase)
        check_pairs(s, items)
        check_repeated_words(s, items)


def check_same_structure(testno, english, german):
    """The German test has the English test's scales, and in each the same
    items in the same order as far as the evaluation can tell: the same
    reverse-keyed items and the same pair keys in the same positions."""
    assert sorted(german) == sorted(english), (testno, sorted(german))
    for s, items in english.items():
        assert len(german[s]) == len(items), (testno, s, len(german[s]))
        for n, (e, g) in enumerate(zip(items, german[s]), start=1):
            assert len(g) == 4 and (g[2], g[3]) == (e[2], e[3]), (testno, s, n, g, e)


def check_german(scales):
    phrases = set()
    for s, items in scales.items():
        for text, phrase, rev, key in items:
            words = re.findall(r"[A-Za-zÄÖÜäöüß]+", text.lower())
            assert len(text) <= 150 and GERMAN_TEXT_RE.match(text) and '  ' not in text, text
            assert GERMAN_FIRST_PERSON & set(words), text
            assert not GERMAN_INFORMAL & set(words), text
            assert GERMAN_PHRASE_RE.match(phrase) and len(phrase) <= 40, phrase
            words = phrase.split(' ')
            assert all(words), phrase  # no leading, trailing or double space
            # " und " would look like the end of the list; "Sie sind außerdem
            # sich ..." puts the adverb before the reflexive pronoun.
            assert 'und' not in words and words[0] != 'sich', phrase
            assert not GERMAN_POSSESSIVES & set(words), phrase
            assert not GERMAN_INFORMAL & {w.lower() for w in words}, phrase
            assert phrase not in phrases, phrase
            phrases.add(phrase)
        check_pairs(s, items)
        check_repeated_words(s, items, GERMAN_LINKING_WORDS)


def shuffle(scales, seed):
    """The records in file order, as (number, scale, position in the scale)."""
    rng = random.Random(seed)
    order = {s: rng.sample(range(len(items)), len(items)) for s, items in scales.items()}
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
    recs = []
    for n, s in enumerate(seq, start=1):
        recs.append((n, s, order[s][pos[s]]))
        pos[s] += 1
    return recs


def write_records(header, recs, scales):
    """The database's lines, with each question of a pair naming the other."""
    where = {}
    for n, s, i in recs:
        key = scales[s][i][3]
        if key:
            where.setdefault((s, key), []).append(n)
    lines = [header]
    pairs = []
    for n, s, i in recs:
        text, phrase, rev, key = scales[s][i]
        rel = "0"
        if key:
            other = [m for m in where[(s, key)] if m != n]
            assert len(other) == 1
            rel = str(other[0])
            if n < other[0]:
                pairs.append((n, other[0]))
        lines.append(f"{n}\t{phrase}\t{rel}\t{s}{'-' if rev else ''}\t.{text}")
    return lines, pairs


def build(testno, scales, seed):
    check_english(scales)
    return write_records(HEADERS[testno], shuffle(scales, seed), scales)


def build_german(testno, english, german, seed):
    """The German database: the English records, order and numbers included,
    with the German question and phrase of the same scale and position."""
    check_english(english)
    check_same_structure(testno, english, german)
    check_german(german)
    return write_records(GERMAN_HEADERS[testno], shuffle(english, seed), german)


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split('\n\n')[0],
        epilog='Prints each file written with its records and related pairs.')
    parser.add_argument('--language', choices=('en', 'de'), default='en',
                        help='language of the questions (default: en)')
    parser.add_argument('folder', nargs='?',
                        help=f'folder to write the databases into (default: {DATA}, '
                             f'with --language de {os.path.join(DATA, "de")})')
    args = parser.parse_args()
    folder = args.folder
    if folder is None:
        folder = DATA if args.language == 'en' else os.path.join(DATA, 'de')
        if args.language == 'de':
            os.makedirs(folder, exist_ok=True)
    if not os.path.isdir(folder):
        parser.error(f'{folder}: no such folder')

    # Both databases are built before either is written, so a failed check
    # leaves the folder as it was.
    if args.language == 'en':
        built = [(testno, build(testno, scales, 20260 + testno))
                 for testno, scales in ((0, TEST0), (1, TEST1))]
        encoding = 'ascii'
    else:
        import questions_de
        built = [(testno, build_german(testno, english, german, 20260 + testno))
                 for testno, english, german in ((0, TEST0, questions_de.TEST0),
                                                 (1, TEST1, questions_de.TEST1))]
        encoding = 'utf-8'
    for testno, (lines, pairs) in built:
        path = os.path.join(folder, f'orv{testno}.dll')
        data = ''.join(l + '\r\n' for l in lines).encode(encoding)
        with open(path, 'wb') as f:
            f.write(data)
        print(path, len(lines) - 1, 'records', len(pairs), 'pairs:',
              ' '.join(f'{a}/{b}' for a, b in pairs))


if __name__ == '__main__':
    main()
