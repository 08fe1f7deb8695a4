#!/usr/bin/env python3
"""The words and texts that ship are everyday ones, and kind.

The compound puzzle: every record is one the drill uses, no two share a
centre kanji, and every compound is a two-character word of mecab-ipadic
written in jouyou kanji (kanjidic grades 1 to 6 and 8; 9 and 10 are name
kanji). No two compounds of a run share a reading unless homophones.txt
lists them as different words (one word written two ways, 淡白 and 淡泊,
would stand twice), and none is on grim_words.txt (no death, war, disaster,
violence or prison), which holds two-character words, each once.

The quizzes hold at least 300 questions each, none twice; every document
has 6 to 20 lines of text and at least 4 questions.

    python3 tools/content/words.py <program folder>

Exits non-zero and names every fault it finds.
"""
import csv
import glob
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DICTIONARY = "/usr/share/mecab/dic/ipadic"
KANJIDIC = "/usr/share/edict/kanjidic"


def lines(path, encoding="utf-8"):
    """The lines of a list, without comments (#) and blank lines."""
    with open(path, encoding=encoding) as f:
        return [x.strip() for x in f if x.strip() and not x.startswith("#")]


def rows(path):
    with open(path, "rb") as f:
        return list(csv.reader(f.read().decode("cp932").splitlines()))


def readings():
    words = {}
    for path in glob.glob(os.path.join(DICTIONARY, "*.csv")):
        with open(path, encoding="euc_jp", errors="replace") as f:
            for line in f:
                fields = line.split(",")
                if len(fields) > 11 and len(fields[0]) == 2:
                    words.setdefault(fields[0], set()).add(fields[11])
    return words


def joyo():
    kanji = set()
    with open(KANJIDIC, encoding="euc_jp", errors="replace") as f:
        for line in f:
            fields = line.split()
            if any(len(x) == 2 and x[0] == "G" and "1" <= x[1] <= "8" for x in fields[1:]):
                kanji.add(fields[0])
    return kanji


def main():
    program = sys.argv[1]
    faults = []
    words, kanji = readings(), joyo()
    alike = {frozenset(x.split()) for x in lines(os.path.join(HERE, "homophones.txt"))}
    grim = lines(os.path.join(HERE, "grim_words.txt"))
    if len(words) < 10000 or not 2000 < len(kanji) < 2200 or not alike or len(grim) < 100:
        print("a word list is missing or cut short: tools/setup.sh installs mecab-ipadic, kanjidic")
        return 2
    for w in grim:
        try:
            w.encode("cp932")
        except UnicodeEncodeError:
            faults.append(f"grim_words.txt: 「{w}」 cannot be written in the data files")
        if len(w) != 2 or grim.count(w) > 1:
            faults.append(f"grim_words.txt: 「{w}」 is no two-kanji compound, or stands twice")

    records = rows(os.path.join(program, "file", "二字熟語.csv"))
    if len(records) < 800:
        faults.append(f"only {len(records)} compound records")
    centres = set()
    for r in records:
        runs = [r[1 : 1 + int(r[31])], r[32 : 32 + int(r[62])]]
        if any(len(run) < 2 or any(len(c) != 2 for c in run) for run in runs):
            faults.append(f"record {r[0]} is one the drill cannot use")
            continue
        centre = runs[0][0][0]
        if centre in centres:
            faults.append(f"{centre} is the centre of two records")
        centres.add(centre)
        for run in runs:
            for i, c in enumerate(run):
                if c not in words:
                    faults.append(f"{c} (centre {centre}) is no dictionary word")
                    continue
                faults += [f"{c} (centre {centre}): {k} is no jouyou kanji" for k in c if k not in kanji]
                if c in grim:
                    faults.append(f"{c} (centre {centre}) is on grim_words.txt")
                for d in run[i + 1 :]:
                    if d in words and frozenset((c, d)) not in alike and words[c] & words[d]:
                        faults.append(f"{c} and {d} (centre {centre}) read alike; "
                                      "if they are different words, list them in homophones.txt")

    for name in ["なぞなぞ.csv", "クイズ（思い出し）.csv"]:
        questions = [r[4] for r in rows(os.path.join(program, "作業ファイル", name))]
        if len(questions) < 300 or len(set(questions)) != len(questions):
            faults.append(f"{name}: fewer than 300 questions, or one twice")
    for path in sorted(glob.glob(os.path.join(program, "bun", "b*.csv"))):
        text = sum(1 for r in rows(path) if r[1].strip() == "1")
        asked = len(rows(path)) - text
        if not 6 <= text <= 20 or asked < 4:
            faults.append(f"{path}: {text} lines of text, {asked} questions")

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
