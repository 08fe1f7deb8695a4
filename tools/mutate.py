#!/usr/bin/env python3
"""Mutation testing of src/ against the unit tests (a maintainers' tool, not run by CI).

Applies seeded mutants to src/ one at a time -- a comparison flipped, an integer
off by one, a negation dropped, && for || -- rebuilds the test programs that link
the mutated file, runs them, restores the file and reports the mutants that no
test notices. Results go to a JSON-lines file as the run goes, so --resume
carries on where an interrupted run stopped.

  python3 tools/mutate.py --build-dir build --seed 1 --count 250

After a change to the tests, --again re-runs the mutants of an earlier run that
still exist (found by the text of their line), so the two runs compare the same
faults:

  python3 tools/mutate.py --again mutants-before.jsonl --out mutants-after.jsonl
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time
from collections import defaultdict
from pathlib import Path

ROOT = None  # the source tree the build dir builds, from its CMakeCache.txt

TOKEN = re.compile(
    r"""
      (?P<pp>^[ \t]*\#(?:\\\n|[^\n])*)                  # preprocessor line
    | (?P<ws>[ \t\r]*\n|[ \t\r]+)
    | (?P<comment>//[^\n]*|/\*.*?\*/)
    | (?P<str>(?:u8|[uUL])?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"
             |(?:u8|[uUL])?"(?:\\.|[^"\\\n])*"
             |(?:u8|[uUL])?'(?:\\.|[^'\\\n])*')
    | (?P<num>\.?\d(?:[eEpP][+-]|[\w'.])*)              # any number, as the preprocessor sees it
    | (?P<id>[A-Za-z_]\w*)
    | (?P<op><=>|<<=|>>=|->\*|->|::|<<|>>|<=|>=|==|!=|&&|\|\||\+\+|--|[-+*/%&|^!=<>]=|.)
    """,
    re.S | re.M | re.X,
)
INTEGER = re.compile(r"(0[xX][0-9a-fA-F']+|0|[1-9][0-9']*)([uUlLzZ]*)")
FLIP = {"<": ">=", ">=": "<", ">": "<=", "<=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&"}
# `<`, `>` and `&&` are also template brackets and rvalue references; the tree is
# clang-formatted, so only the ones with a space on both sides are operators.
NEEDS_SPACES = {"<", ">", "<=", ">=", "&&"}


def rectangles(code):
    """Indices of the integers in the brace lists that place controls on a form.

    A control moved by a twip is not something a unit test should notice, so such
    lists are left out: those with an item in twips (100 or more, a multiple of 15)."""
    skip, opened = set(), []
    for i, (_, tok, _) in enumerate(code):
        if tok in "({[":
            opened.append(i)
        elif tok in ")}]" and opened:
            start = opened.pop()
            items = [[]]
            depth = 0
            for j in range(start + 1, i):
                t = code[j][1]
                depth += (t in "({[") - (t in ")}]")
                if t == "," and depth == 0:
                    items.append([])
                else:
                    items[-1].append(j)
            numbers = [it[0] for it in items if len(it) == 1 and INTEGER.fullmatch(code[it[0]][1])]
            if tok == "}" and any(value(code[j][1]) >= 100 and value(code[j][1]) % 15 == 0
                                  for j in numbers):
                skip.update(numbers)
    return skip


def value(literal):
    digits = INTEGER.fullmatch(literal).group(1).replace("'", "")
    return int(digits, 16 if digits[:2].lower() == "0x" else 10)


def mutants_of(rel, text):
    """Every mutant of one file: dicts sorted by offset."""
    tokens = [(m.lastgroup, m.group(), m.start()) for m in TOKEN.finditer(text)]
    code = [t for t in tokens if t[0] not in ("ws", "comment", "pp")]
    layout = rectangles(code)
    found = []
    for i, (kind, tok, at) in enumerate(code):
        prev = code[i - 1][1] if i else ""
        end = at + len(tok)
        pure_virtual = tok == "0" and prev == "=" and code[i - 2][1] in (")", "const", "override")
        if prev == "operator" or i in layout or pure_virtual:
            continue
        if kind == "op" and tok in FLIP:
            spaced = text[at - 1 : at] == " " and text[end : end + 1] == " "
            if tok not in NEEDS_SPACES or spaced:
                found.append(("logic" if tok in ("&&", "||") else "compare", at, tok, FLIP[tok]))
        elif kind == "op" and tok == "!":
            found.append(("negation", at, tok, ""))
        elif kind == "num":
            m = INTEGER.fullmatch(tok)
            if m:
                digits = m.group(1).replace("'", "")
                if digits[:2].lower() == "0x":
                    case = "X" if digits[2:].isupper() else "x"
                    new = digits[:2] + format(value(tok) + 1, f"0{len(digits) - 2}{case}")
                else:
                    new = str(value(tok) + 1)
                found.append(("constant", at, tok, new + m.group(2)))
    result = []
    for kind, at, old, new in found:
        line = text.count("\n", 0, at) + 1
        start = text.rfind("\n", 0, at) + 1
        stop = text.find("\n", at)
        stop = len(text) if stop < 0 else stop
        result.append({
            "id": f"{rel}:{at}:{old}>{new}",
            "file": rel, "line": line, "offset": at, "kind": kind, "old": old, "new": new,
            "before": text[start:stop].strip(),
            "after": (text[start:at] + new + text[at + len(old) : stop]).strip(),
        })
    return result


def ninja(build, *args):
    return subprocess.run(["ninja", "-C", str(build), *args], capture_output=True, text=True,
                          check=True).stdout


def test_targets(build):
    return sorted(re.findall(r"^(test_\w+):", ninja(build, "-t", "targets", "all"), re.M))


def build_tests(build, jobs):
    """The test programs and the data folders they read, beside them."""
    subprocess.run(["ninja", "-C", str(build), "-j", str(jobs), *test_targets(build),
                    "zunobi_data_folders", "zunobi_question_files"], check=True,
                   stdout=subprocess.DEVNULL)


def test_map(build):
    """Which test programs each source file reaches: {absolute path: {test target}}."""
    targets = test_targets(build)
    tests_of_object = defaultdict(set)
    reach = defaultdict(set)
    for target in targets:
        for obj, src in re.findall(r" -o (\S+\.o) -c (\S+)", ninja(build, "-t", "commands", target)):
            tests_of_object[obj].add(target)
            reach[os.path.realpath(src)].add(target)
    # Headers reach what the objects that include them reach.
    obj = None
    for line in ninja(build, "-t", "deps").splitlines():
        if line and not line.startswith(" "):
            obj = line.split(":")[0]
        elif line.strip() and obj in tests_of_object:
            reach[os.path.realpath(build / line.strip())] |= tests_of_object[obj]
    return targets, reach


def choose(seed, count, paths, headers, reach):
    suffixes = (".cpp", ".h") if headers else (".cpp",)
    files = sorted(f for p in paths for f in [ROOT / p, *(ROOT / p).rglob("*")]
                   if f.is_file() and f.suffix in suffixes)
    sites, unreached = [], []
    for path in files:
        rel = str(path.relative_to(ROOT))
        if not reach.get(str(path.resolve())):
            unreached.append(rel)
            continue
        sites += mutants_of(rel, path.read_bytes().decode("utf-8"))
    # Shuffled whole and run in that order, so a shorter run (or the start of an
    # interrupted one) is the start of the longer one, and still a fair sample.
    random.Random(seed).shuffle(sites)
    return sites[:count], len(sites), unreached


def again(earlier, sites):
    """The sites that match the mutants of an earlier run, in that run's order.

    A mutant is found again by its file, its change and its line's text; where
    that text is on several lines, by the line nearest where it was."""
    by_key = defaultdict(list)
    for m in sites:
        by_key[(m["file"], m["kind"], m["old"], m["new"], m["before"])].append(m)
    found, gone = [], []
    for r in earlier:
        matches = by_key.get((r["file"], r["kind"], r["old"], r["new"], r["before"]))
        if matches:
            found.append(dict(min(matches, key=lambda m: abs(m["line"] - r["line"])),
                              earlier=r["status"]))
        else:
            gone.append(r)
    return found, gone


def run_test(bin_dir, target, timeout):
    """'passed', 'timeout', or the first failing test (or how the program ended)."""
    proc = subprocess.Popen([str(bin_dir / target), "--gtest_brief=1", "--gtest_fail_fast"],
                            cwd=bin_dir, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                            start_new_session=True, text=True, errors="replace")
    try:
        out, _ = proc.communicate(timeout=timeout)
    except BaseException as e:  # a hang, or Ctrl-C, which its own session does not see
        os.killpg(proc.pid, signal.SIGKILL)
        proc.communicate()
        if isinstance(e, subprocess.TimeoutExpired):
            return "timeout"
        raise
    if proc.returncode == 0:
        return "passed"
    failed = re.search(r"^\[  FAILED  \] (\S+)", out, re.M)
    return failed.group(1) if failed else f"exit {proc.returncode}"


def try_mutant(m, build, reach, timings, jobs):
    path = ROOT / m["file"]
    original = path.read_bytes()
    text = original.decode("utf-8")
    tests = sorted(reach[str(path.resolve())], key=lambda t: timings[t])
    try:
        mutated = text[: m["offset"]] + m["new"] + text[m["offset"] + len(m["old"]) :]
        path.write_bytes(mutated.encode("utf-8"))
        built = subprocess.run(["ninja", "-C", str(build), "-j", str(jobs), *tests],
                               capture_output=True, text=True)
        if built.returncode != 0:
            error = re.search(r"error: .*", built.stdout)
            return "did not build", error.group(0)[:200] if error else "ninja failed"
        for target in tests:  # the quickest first; the first failure is enough
            outcome = run_test(build / "bin", target, 30 + 5 * timings[target])
            if outcome == "timeout":
                return "timeout", target
            if outcome != "passed":
                return "caught", f"{target} {outcome}"
        return "survived", " ".join(tests)
    finally:
        path.write_bytes(original)  # a newer time, so the next build puts the original back


def report(results, total_sites, unreached):
    count = defaultdict(int)
    for r in results:
        count[r["status"]] += 1
    caught, survived = count["caught"] + count["timeout"], count["survived"]  # a hang is noticed
    score = caught / (caught + survived) if caught + survived else 0.0
    lines = [
        f"mutants: {len(results)} (of {total_sites} sites)",
        f"caught: {caught} (of them timeouts: {count['timeout']})  survived: {survived}"
        f"  did not build: {count['did not build']}",
        f"score: caught / (caught + survived) = {score:.1%}",
    ]
    if unreached:
        lines.append("not linked into any test program, so left out: " + " ".join(unreached))
    survivors = defaultdict(list)
    for r in results:
        if r["status"] == "survived":
            survivors[r["file"]].append(r)
    for file in sorted(survivors):
        lines.append(f"\n{file}")
        for r in sorted(survivors[file], key=lambda r: r["offset"]):
            lines.append(f"  {file}:{r['line']}  ({r['kind']} {r['old']} -> {r['new'] or 'nothing'})")
            lines.append(f"    - {r['before']}")
            lines.append(f"    + {r['after']}")
    return "\n".join(lines)


def compared(pairs):
    """How the same mutants fared in the earlier run and in this one."""
    noticed = ("caught", "timeout")
    count = defaultdict(int)
    lost = []
    for before, now in pairs:
        key = (before in noticed, now["status"] in noticed)
        count[key] += 1
        if key == (True, False):
            lost.append(f"  {now['file']}:{now['line']}  {now['before']}  =>  {now['after']}")
    return "\n".join([f"\nthe same mutants, earlier -> now: caught both {count[(True, True)]}, "
                      f"newly caught {count[(False, True)]}, no longer caught {len(lost)}, "
                      f"survived both {count[(False, False)]}", *lost])


def interrupt(*_):
    raise KeyboardInterrupt


def main():
    # SIGTERM unwinds like Ctrl-C, so the file under mutation is put back.
    signal.signal(signal.SIGTERM, interrupt)
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=250, help="mutants to sample (default 250)")
    ap.add_argument("--build-dir", default="build", help="a configured Ninja build (default build)")
    ap.add_argument("--jobs", type=int, default=2, help="ninja -j (default 2)")
    ap.add_argument("--out", default="mutants.jsonl", help="results, one JSON line a mutant")
    ap.add_argument("--paths", nargs="+", default=["src"], help="folders or files to mutate")
    ap.add_argument("--headers", action="store_true",
                    help="mutate headers too (each rebuilds every file that includes it)")
    ap.add_argument("--again", metavar="RESULTS",
                    help="re-run the mutants of an earlier run's results (within --paths)")
    ap.add_argument("--list", action="store_true", help="print the mutants, run nothing")
    ap.add_argument("--resume", action="store_true", help="skip the mutants already in --out")
    ap.add_argument("--report", action="store_true", help="report what --out holds, run nothing")
    args = ap.parse_args()
    build = Path(args.build_dir).resolve()
    out = Path(args.out)
    if not (build / "build.ninja").exists():
        sys.exit(f"{build} is not a Ninja build; configure one with cmake -G Ninja first")

    global ROOT
    cache = (build / "CMakeCache.txt").read_text()
    ROOT = Path(re.search(r"^CMAKE_HOME_DIRECTORY:INTERNAL=(.*)$", cache, re.M).group(1))

    if not (args.list or args.report):
        if subprocess.run(["git", "-C", str(ROOT), "status", "--porcelain", "--", "src"],
                          capture_output=True, text=True, check=True).stdout.strip():
            sys.exit(f"{ROOT}/src has uncommitted changes; commit or stash them first")
        if out.exists() and not args.resume:
            sys.exit(f"{out} exists; give --resume to carry on, or remove it")
        # A full build of the tests also records which headers each object includes.
        print("building the test programs ...", file=sys.stderr)
        build_tests(build, args.jobs)
    targets, reach = test_map(build)
    if args.again:
        earlier = [json.loads(line) for line in Path(args.again).read_text().splitlines()]
        inside = [r for r in earlier
                  if any(Path(r["file"]).is_relative_to(p) for p in map(Path, args.paths))]
        sites, total_sites, unreached = choose(args.seed, None, args.paths, args.headers, reach)
        mutants, gone = again(inside, sites)
        print(f"{len(mutants)} of the earlier run's {len(inside)} mutants here are still in the"
              f" code; {len(gone)} are gone with their lines", file=sys.stderr)
    else:
        mutants, total_sites, unreached = choose(args.seed, args.count, args.paths, args.headers,
                                                 reach)
    if args.list:
        for m in mutants:
            print(f"{m['file']}:{m['line']}  {m['kind']}  {m['before']}  =>  {m['after']}")
        print(f"{len(mutants)} mutants of {total_sites} sites", file=sys.stderr)
        return

    done = {}
    if out.exists():
        for line in out.read_text().splitlines():
            r = json.loads(line)
            done[r["id"]] = r
    todo = [] if args.report else [m for m in mutants if m["id"] not in done]
    try:
        run(todo, len(mutants), done, build, targets, reach, out, args.jobs)
    finally:
        print(report([done[m["id"]] for m in mutants if m["id"] in done], total_sites, unreached))
        if args.again:
            print(compared([(m["earlier"], done[m["id"]]) for m in mutants if m["id"] in done]))


def run(todo, total, done, build, targets, reach, out, jobs):
    if not todo:
        return
    print("timing the test programs unmutated ...", file=sys.stderr)
    timings = {}
    for target in targets:
        start = time.monotonic()
        outcome = run_test(build / "bin", target, 600)
        timings[target] = time.monotonic() - start
        if outcome != "passed":
            sys.exit(f"{target} fails unmutated ({outcome}); fix the tree first")
    print("  " + ", ".join(f"{t} {s:.1f}s" for t, s in timings.items()), file=sys.stderr)
    with out.open("a") as log:
        for n, m in enumerate(todo, total - len(todo) + 1):
            start = time.monotonic()
            status, detail = try_mutant(m, build, reach, timings, jobs)
            r = dict(m, status=status, detail=detail, seconds=round(time.monotonic() - start, 1))
            log.write(json.dumps(r, ensure_ascii=False) + "\n")
            log.flush()
            done[m["id"]] = r
            print(f"[{n}/{total}] {status:13} {m['file']}:{m['line']} "
                  f"{m['old']} -> {m['new'] or 'nothing'}  ({r['seconds']}s)", file=sys.stderr)
    build_tests(build, jobs)  # leave the build holding the unmutated programs


if __name__ == "__main__":
    try:
        main()
    except KeyboardInterrupt:
        sys.exit("interrupted; the file under mutation is restored, --resume carries on")
