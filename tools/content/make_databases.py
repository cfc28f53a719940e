#!/usr/bin/env python3
"""Writes the two test databases, orv0.dll and orv1.dll, from the questions in
questions.py, or their German versions from questions_de.py.

    make_databases.py [--language de] [FOLDER]

The questions are checked first (15 per scale, phrases unique and plain, pairs
complete, no word repeated within the sentence of one scale); then each test's
questions are put in a fixed pseudo-random order, so that the same questions
always give the same files byte for byte. FOLDER defaults to the data folder
of the source tree.

With --language CODE the questions of tools/content/questions_CODE.py are
checked by the rules that file gives for its language, and they must match the
English ones item for item: the same scales, and in each the same reverse-keyed
items and pair keys in the same positions. That file defines TEST0 and TEST1
(shaped as in questions.py), HEADERS (the first line of each database),
PHRASE_RE and TEXT_RE (what a phrase and a question may look like),
MAX_PHRASE_LETTERS, LINKING_WORDS (lower-case words that may recur among the
phrases of one sentence), AND_WORDS (words a phrase must not contain, since the
evaluation joins the phrases with ", " and its "and"), INFORMAL (words of the
familiar form, forbidden), FIRST_PERSON (a question contains one of them), and
may define extra_phrase_check(phrase), which returns what is wrong or None.
The translated files take the English files' order, numbers, related
questions, scales and directions record for record, and only the question and
the phrase are translated. They are written in UTF-8 with CR LF line ends;
FOLDER then defaults to the CODE folder inside the data folder, which is made
when missing.
"""
import argparse
import importlib
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


def content_words(phrase, linking=LINKING_WORDS):
    # In English "one's" is one word; elsewhere an apostrophe joins two (l'avenir).
    split = r"[ -]" if linking is LINKING_WORDS else r"[ '’-]"
    words = (w.strip("'").lower() for w in re.split(split, phrase))
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


def check_same_structure(testno, english, translated):
    """A translated test has the English test's scales, and in each the same
    items in the same order as far as the evaluation can tell: the same
    reverse-keyed items and the same pair keys in the same positions."""
    assert sorted(translated) == sorted(english), (testno, sorted(translated))
    for s, items in english.items():
        assert len(translated[s]) == len(items), (testno, s, len(translated[s]))
        for n, (e, g) in enumerate(zip(items, translated[s]), start=1):
            assert len(g) == 4 and (g[2], g[3]) == (e[2], e[3]), (testno, s, n, g, e)


def check_translated(scales, lang):
    phrases = set()
    for s, items in scales.items():
        for text, phrase, rev, key in items:
            words = set(re.findall(r"[^\W\d_]+", text.lower()))
            assert len(text) <= 150 and lang.TEXT_RE.match(text) and '  ' not in text, text
            assert lang.FIRST_PERSON & words, text
            assert not lang.INFORMAL & words, text
            assert lang.PHRASE_RE.match(phrase) and len(phrase) <= lang.MAX_PHRASE_LETTERS, phrase
            words = phrase.split(' ')
            assert all(words), phrase  # no leading, trailing or double space
            lower = {w.lower() for w in words}
            assert not lang.AND_WORDS & lower, phrase
            assert not lang.INFORMAL & lower, phrase
            fault = getattr(lang, 'extra_phrase_check', lambda p: None)(phrase)
            assert fault is None, (phrase, fault)
            assert phrase not in phrases, phrase
            phrases.add(phrase)
        check_pairs(s, items)
        check_repeated_words(s, items, lang.LINKING_WORDS)


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


def build_translated(testno, english, lang, seed):
    """A translated database: the English records, order and numbers included,
    with the translated question and phrase of the same scale and position."""
    translated = (lang.TEST0, lang.TEST1)[testno]
    check_english(english)
    check_same_structure(testno, english, translated)
    check_translated(translated, lang)
    return write_records(lang.HEADERS[testno], shuffle(english, seed), translated)


def load_language(code, parser):
    if not re.fullmatch(r"[a-z]{2,3}(_[A-Z]{2})?", code):
        parser.error(f'{code}: not a language code such as de or pt_BR')
    if code == 'en':
        return None
    if not os.path.isfile(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                       f'questions_{code}.py')):
        parser.error(f'{code}: no questions_{code}.py next to this script')
    return importlib.import_module(f'questions_{code}')


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split('\n\n')[0],
        epilog='Prints each file written with its records and related pairs.')
    parser.add_argument('--language', default='en', metavar='CODE',
                        help='language of the questions, read from questions_CODE.py '
                             '(default: en)')
    parser.add_argument('folder', nargs='?',
                        help=f'folder to write the databases into (default: {DATA}, '
                             f'with --language CODE {os.path.join(DATA, "CODE")})')
    args = parser.parse_args()
    lang = load_language(args.language, parser)
    folder = args.folder
    if folder is None:
        folder = DATA if lang is None else os.path.join(DATA, args.language)
        if lang is not None:
            os.makedirs(folder, exist_ok=True)
    if not os.path.isdir(folder):
        parser.error(f'{folder}: no such folder')

    # Both databases are built before either is written, so a failed check
    # leaves the folder as it was.
    if lang is None:
        built = [(testno, build(testno, scales, 20260 + testno))
                 for testno, scales in ((0, TEST0), (1, TEST1))]
        encoding = 'ascii'
    else:
        built = [(testno, build_translated(testno, english, lang, 20260 + testno))
                 for testno, english in ((0, TEST0), (1, TEST1))]
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
