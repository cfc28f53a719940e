#!/usr/bin/env python3
"""Writes a saved-responses file for a test database, as if a user had taken
the whole test with a fixed pattern of answers.

    make_sample_responses.py DB OUT --pattern all-strong|every-other

Every question is answered in file order, as the test window does it: the
answer value (2 "I strongly agree", 0 "I disagree") is added to the question's
own entry and taken from each related question it lists (the first six; a 0
ends the list; numbers outside 1..250 are skipped), and the count of its scale
grows by one. "all-strong" strongly agrees with every question; "every-other"
strongly agrees with odd-numbered questions and disagrees with even ones.

The file has 261 lines ended by CR LF: the number of the last question, the
response values of questions 1..250 and the answer counts of scales 1..10.
"""
import argparse
import sys

MAX_QUESTIONS = 250
SCALES = 10
RELATED_SLOTS = 6
STRONGLY_AGREE = 2
DISAGREE = 0


def read_records(path):
    """The question records of a database: (number, related list, scale)."""
    with open(path, 'rb') as f:
        text = f.read().decode('latin-1')
    lines = text.replace('\r\n', '\r').split('\r')
    if lines and lines[-1] == '':
        lines.pop()
    total = int(lines[0].split('\t', 1)[0])
    records = []
    for number, line in enumerate(lines[1:], start=2):
        fields = line.split('\t', 4)
        if len(fields) != 5:
            sys.exit(f'{path}: line {number} is not a question record')
        qno = int(fields[0])
        related = [int(item) for item in fields[2].split(',')][:RELATED_SLOTS]
        scale = abs(int(fields[3].rstrip('-')))
        records.append((qno, related, scale))
        if qno >= total:
            break  # the answer to this question ends the test
    return records


def answer_for(pattern, qno):
    if pattern == 'all-strong':
        return STRONGLY_AGREE
    return STRONGLY_AGREE if qno % 2 == 1 else DISAGREE


def take_test(records, pattern):
    ans = [0] * (MAX_QUESTIONS + 1)
    scount = [0] * (SCALES + 1)
    for qno, related, scale in records:
        value = answer_for(pattern, qno)
        ans[qno] += value
        for other in related:
            if other == 0:
                break
            if 1 <= other <= MAX_QUESTIONS:
                ans[other] -= value
        scount[scale] += 1
    return ans, scount


def main():
    summary, _, details = __doc__.strip().partition('\n\n')
    parser = argparse.ArgumentParser(
        description=summary, epilog=details.split('\n\n', 1)[1],
        formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('db', help='the test database to take, for example data/orv0.dll')
    parser.add_argument('out', help='the saved-responses file to write, for example sample.0')
    parser.add_argument('--pattern', required=True, choices=('all-strong', 'every-other'),
                        help='the answers given')
    args = parser.parse_args()

    # The database is read whole before the output file is opened, so a bad
    # database leaves nothing behind.
    try:
        records = read_records(args.db)
    except OSError as error:
        parser.error(f'{args.db}: {error.strerror}')
    except (ValueError, IndexError):
        sys.exit(f'{args.db}: not a test database')
    if not records:
        sys.exit(f'{args.db}: no questions')
    ans, scount = take_test(records, args.pattern)
    values = [records[-1][0]] + ans[1:] + scount[1:]
    with open(args.out, 'wb') as f:
        f.write(''.join(f'{v}\r\n' for v in values).encode('ascii'))


if __name__ == '__main__':
    main()
