#!/usr/bin/env python3
"""How often a compound puzzle has a second answer.

The drill shows, for a record drawn at random, two distinct compounds
X + centre (left and above) and two distinct compounds centre + X (right and
below). A showing is ambiguous when another kanji K also makes all four
words: left + K, above + K, K + right, K + below. This prints the share of
ambiguous showings over the whole file (records equally likely, pairs within
a record equally likely) and the records that are ambiguous most often.

Words are the common words of mecab-ipadic: its lists without names of
people, places, organisations and other proper nouns, which a player does not
reach for.

    python3 tools/content/ambiguity.py data/file/二字熟語.csv [--top N]
        [--max-share PERCENT] [--max-record PERCENT]

With --max-share or --max-record it exits non-zero when the whole file, or
any one record, has a larger share; the test suite runs it so.
"""
import argparse
import csv
import glob
import os
import sys
from collections import Counter
from itertools import combinations

DICTIONARY = "/usr/share/mecab/dic/ipadic"
PROPER = {"Noun.name.csv", "Noun.place.csv", "Noun.org.csv", "Noun.proper.csv"}


def is_kanji(c):
    return "\u4e00" <= c <= "\u9fff" or c == "\u3005"


def dictionary_words():
    words = set()
    for path in glob.glob(os.path.join(DICTIONARY, "*.csv")):
        if os.path.basename(path) in PROPER:
            continue
        with open(path, encoding="euc_jp", errors="replace") as f:
            for line in f:
                w = line.split(",", 1)[0]
                if len(w) == 2 and is_kanji(w[0]) and is_kanji(w[1]):
                    words.add(w)
    return words


def read_records(path):
    with open(path, "rb") as f:
        text = f.read().decode("cp932")
    records = []
    for fields in csv.reader(text.splitlines()):
        saki = [x for x in fields[1:31] if x]
        ato = [x for x in fields[32:62] if x]
        records.append((saki[0][0], saki, ato))
    return records


def ambiguous_share(centre, saki, ato, words, by_first, by_second):
    """Share of showings of this record that another kanji also completes."""
    # Candidates: kanji that make a word with at least one shown kanji on each side.
    candidates = set()
    for a in ato:
        candidates |= by_first.get(a[0], set())
    cand2 = set()
    for s in saki:
        cand2 |= by_second.get(s[1], set())
    candidates &= cand2
    candidates.discard(centre)

    def pair_groups(items, makes):
        groups = Counter()
        for x, y in combinations(items, 2):
            groups[frozenset(k for k in candidates if makes(x, k) and makes(y, k))] += 1
        return groups

    left = pair_groups(ato, lambda a, k: a[0] + k in words)
    right = pair_groups(saki, lambda s, k: k + s[1] in words)
    total = sum(left.values()) * sum(right.values())
    hits = sum(nl * nr for kl, nl in left.items() for kr, nr in right.items() if kl & kr)
    return hits / total


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("file")
    parser.add_argument("--top", type=int, default=20, help="list the N most ambiguous records")
    parser.add_argument("--max-share", type=float, help="fail above this percentage overall")
    parser.add_argument("--max-record", type=float, help="fail when a record is above this percentage")
    args = parser.parse_args()

    words = dictionary_words()
    if len(words) < 10000:
        print(f"{DICTIONARY} is missing or cut short: tools/setup.sh installs mecab-ipadic")
        return 2
    by_first, by_second = {}, {}
    for w in words:
        by_first.setdefault(w[0], set()).add(w[1])
        by_second.setdefault(w[1], set()).add(w[0])

    shares = []
    for centre, saki, ato in read_records(args.file):
        shares.append((ambiguous_share(centre, saki, ato, words, by_first, by_second), centre))
    mean = sum(s for s, _ in shares) / len(shares)
    print(f"records: {len(shares)}")
    print(f"showings with a second answer: {mean:.3%}")
    for share, centre in sorted(shares, reverse=True)[: args.top]:
        print(f"  {centre}  {share:.0%}")
    failed = False
    if args.max_share is not None and mean * 100 > args.max_share:
        print(f"more than {args.max_share}% of showings have a second answer")
        failed = True
    if args.max_record is not None:
        for share, centre in shares:
            if share * 100 > args.max_record:
                print(f"{centre}: {share:.1%} of its showings have a second answer")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
