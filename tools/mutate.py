#!/usr/bin/env python3
"""Plants the faults of tools/mutants.json one at a time and tells which ones the tests catch.

The safety net for changing the tests: a fault the tests caught before a change and miss after it
shows a test that was lost. Run on demand (the whole catalogue takes about half an hour on two
cores, more when the scratch copy is built for the first time), never from the test run.

  tools/mutate.py --check               every entry applies exactly once (no build; seconds)
  tools/mutate.py                       the whole catalogue against each fault's own layer
  tools/mutate.py --layer cli --id core-scoring-speed-rounded   the cli faults and one more
  tools/mutate.py --whole               also the whole suite for each fault its layer missed
  tools/mutate.py --timeout 300         seconds a layer's test run may take (default: ten times
                                        the run without a fault, at least 60)
  tools/mutate.py --compare OLD.json    after the run, list every fault OLD caught that is missed now
  tools/mutate.py --compare OLD.json --no-run   compare OLD with the last results, no run

How it works: the tracked (and untracked, not ignored) files of the working tree are copied to
build/mutate/src (only files that changed since the last run are copied again), configured once
in build/mutate/build with Ninja and ccache, and the tests of the selected layers are run once
without a fault (they must pass). Then for each fault: its text is replaced in the copy, only the
targets its layer's tests need are rebuilt, those tests are run under the timeout, and the file is
restored. A fault is "caught" (a test failed), "timeout" (the tests did not finish; counted as
caught in the figures), "missed" (all passed) or "broken" (its text was not found exactly once,
or it did not compile). Results go to build/mutate/results.json (after every fault, so a long run
can be watched), logs of each fault to build/mutate/logs/.

Layer tests: core -> the core_tests program; storage -> storage_tests; cli -> cli_tests and the
ctest entries cli_program_*; ui and media -> the window tests (ctest tst_*, without _dbg/_san
variants; the sound tests start their sound server).
The sanitizer builds, the end-to-end test and the benchmarks are never built or run.

Catalogue entries: id (stable, unique), layer (core, storage, cli, ui; the file lies in that
folder), file, find (occurs exactly once in the file), replace, effect (what a user would meet).
"""

from __future__ import annotations

import argparse
import datetime
import fcntl
import filecmp
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

LAYERS = ("core", "storage", "cli", "ui", "media")
ENTRY_FIELDS = ("id", "layer", "file", "find", "replace", "effect")
DETECTED = ("caught", "timeout")
UI_TESTS = ("^tst_", "_(dbg|san)")  # ctest -R, -E


@dataclass
class Mutant:
    id: str
    layer: str
    file: str
    find: str
    replace: str
    effect: str


@dataclass
class Outcome:
    status: str
    seconds: float = 0.0
    detail: str = ""


@dataclass
class LayerRun:
    """The build targets and test commands of one layer."""

    targets: list[str]
    commands: list[list[str]] = field(default_factory=list)


def repository_root() -> Path:
    here = Path(__file__).resolve().parent
    out = subprocess.run(["git", "rev-parse", "--show-toplevel"], cwd=here, capture_output=True,
                         text=True, check=True)
    return Path(out.stdout.strip())


# --- Catalogue ---

def load_catalogue(path: Path) -> tuple[list[Mutant], list[str]]:
    problems: list[str] = []
    data = json.loads(path.read_text(encoding="utf-8"))
    mutants: list[Mutant] = []
    seen: set[str] = set()
    for n, entry in enumerate(data.get("mutants", [])):
        missing = [f for f in ENTRY_FIELDS if not isinstance(entry.get(f), str) or not entry[f]]
        if missing and missing != ["replace"]:
            problems.append(f"entry {n}: missing or empty {', '.join(missing)}")
            continue
        mutant = Mutant(*(entry.get(f, "") for f in ENTRY_FIELDS))
        if mutant.id in seen:
            problems.append(f"{mutant.id}: the id is used twice")
        seen.add(mutant.id)
        if mutant.layer not in LAYERS:
            problems.append(f"{mutant.id}: unknown layer '{mutant.layer}'")
        elif not mutant.file.startswith(mutant.layer + "/"):
            problems.append(f"{mutant.id}: {mutant.file} is not in the {mutant.layer} layer")
        if mutant.find == mutant.replace:
            problems.append(f"{mutant.id}: the replacement changes nothing")
        if set(entry) - set(ENTRY_FIELDS):
            problems.append(f"{mutant.id}: unknown fields {sorted(set(entry) - set(ENTRY_FIELDS))}")
        mutants.append(mutant)
    return mutants, problems


def applies_once(root: Path, mutant: Mutant) -> str:
    """An empty string when the mutant's text occurs exactly once in its file, else why not."""
    path = root / mutant.file
    if not path.is_file():
        return f"{mutant.file} does not exist"
    count = path.read_bytes().count(mutant.find.encode("utf-8"))
    return "" if count == 1 else f"its text occurs {count} times in {mutant.file}"


def check(root: Path, mutants: list[Mutant], problems: list[str]) -> int:
    for mutant in mutants:
        why = applies_once(root, mutant)
        if why:
            problems.append(f"{mutant.id}: {why}")
    counts = {layer: sum(m.layer == layer for m in mutants) for layer in LAYERS}
    print(f"{len(mutants)} entries: " + ", ".join(f"{layer} {counts[layer]}" for layer in LAYERS))
    for problem in problems:
        print("  " + problem)
    print("all apply exactly once" if not problems else f"{len(problems)} problems")
    return 1 if problems else 0


def select(mutants: list[Mutant], layers: list[str] | None, ids: list[str] | None) -> list[Mutant]:
    known = {m.id for m in mutants}
    unknown = [i for i in ids or [] if i not in known]
    if unknown:
        sys.exit(f"unknown ids: {', '.join(unknown)}")
    if not layers and not ids:
        return mutants
    return [m for m in mutants if m.layer in (layers or []) or m.id in (ids or [])]


# --- Scratch copy ---

class Scratch:
    def __init__(self, root: Path, work: Path, jobs: int):
        self.root = root
        self.work = work
        self.src = work / "src"
        self.build = work / "build"
        self.logs = work / "logs"
        self.jobs = jobs

    def lock(self):
        self.work.mkdir(parents=True, exist_ok=True)
        handle = open(self.work / "lock", "w")
        try:
            fcntl.flock(handle, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except OSError:
            sys.exit(f"another run uses {self.work}")
        return handle

    def sync(self) -> bool:
        """Copies what changed; True when the set of files changed."""
        listed = subprocess.run(
            ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
            cwd=self.root, capture_output=True, check=True).stdout.decode().split("\0")
        files = sorted(p for p in listed if p and (self.root / p).is_file())
        manifest = self.work / "manifest.json"
        before = json.loads(manifest.read_text()) if manifest.exists() else []
        for stale in set(before) - set(files):
            (self.src / stale).unlink(missing_ok=True)
        copied = 0
        for name in files:
            source, target = self.root / name, self.src / name
            if target.is_file() and filecmp.cmp(source, target, shallow=False):
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, target)  # a new time stamp, so Ninja rebuilds it
            shutil.copymode(source, target)
            copied += 1
        manifest.write_text(json.dumps(files))
        print(f"scratch copy: {copied} of {len(files)} files copied to {self.src}")
        return before != files

    def configure(self, files_changed: bool):
        if (self.build / "build.ninja").exists() and not files_changed:
            return
        print("configuring the scratch build")
        run_logged(["cmake", "-S", str(self.src), "-B", str(self.build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"],
                   self.logs / "configure.log", None, check=True)

    def layer_run(self, layer: str) -> LayerRun:
        tests = self.build / "tests"
        ctest = ["ctest", "--test-dir", str(self.build), "--no-tests=error", "--stop-on-failure",
                 "--output-on-failure", "-j", str(self.jobs)]
        gtest = ["--gtest_brief=1", "--gtest_fail_fast"]
        if layer == "core":
            return LayerRun(["core_tests"], [[str(tests / "core_tests"), *gtest]])
        if layer == "storage":
            return LayerRun(["storage_tests"], [[str(tests / "storage_tests"), *gtest]])
        if layer == "cli":
            return LayerRun(["cli_tests", "tymba-vyhodnoceni", "tymba-historie"],
                            [[str(tests / "cli_tests"), *gtest], [*ctest, "-R", "^cli_program_"]])
        include, exclude = UI_TESTS
        listing = subprocess.run(
            ["ctest", "--test-dir", str(self.build), "--show-only=json-v1", "-R", include,
             "-E", exclude], capture_output=True, text=True, check=True).stdout
        # A window test's program is the target of its name (its command is listed once built);
        # the fixtures listed with them (the sound server) build nothing.
        targets = sorted({Path(t.get("command", [t["name"]])[0]).name
                          for t in json.loads(listing)["tests"] if t["name"].startswith("tst_")})
        return LayerRun(targets, [[*ctest, "-R", include, "-E", exclude]])

    def build_targets(self, targets: list[str], log: Path, timeout: float | None) -> bool:
        command = ["cmake", "--build", str(self.build), "-j", str(self.jobs), "--target", *targets]
        return run_logged(command, log, timeout).returncode == 0


@dataclass
class Finished:
    returncode: int
    timed_out: bool
    seconds: float
    output: str


def run_logged(command: list[str], log: Path, timeout: float | None, check: bool = False,
               env: dict | None = None) -> Finished:
    """Runs command in its own process group, appends its output to log, kills it on timeout."""
    log.parent.mkdir(parents=True, exist_ok=True)
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True, env=env)
    timed_out = False
    try:
        output, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        timed_out = True
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise
    text = output.decode("utf-8", "replace")
    with open(log, "a", encoding="utf-8") as handle:
        handle.write(f"$ {' '.join(command)}\n{text}\n")
    finished = Finished(process.returncode, timed_out, time.monotonic() - start, text)
    if check and finished.returncode != 0:
        sys.exit(f"failed: {' '.join(command)} (see {log})")
    return finished


def first_failure(output: str) -> str:
    """The name of the first failing test in gtest or ctest output."""
    for pattern in (r"\[  FAILED  \] ([\w./]+)", r"\d+ - (\S+) \((?:Failed|SEGFAULT|Subprocess)",
                    r"\*\*\*(?:Failed|Exception)[^\n]*?\s+(\S+)\s*$"):
        found = re.search(pattern, output, re.MULTILINE)
        if found:
            return found.group(1)
    return ""


def run_tests(run: LayerRun, log: Path, timeout: float, test_env: dict) -> Outcome:
    start = time.monotonic()
    for command in run.commands:
        left = max(1.0, timeout - (time.monotonic() - start))
        finished = run_logged(command, log, left, env=test_env)
        if finished.timed_out:
            return Outcome("timeout", time.monotonic() - start, Path(command[0]).name)
        if finished.returncode != 0:
            detail = first_failure(finished.output) or (
                f"signal {-finished.returncode}" if finished.returncode < 0 else "")
            return Outcome("caught", time.monotonic() - start, detail or Path(command[0]).name)
    return Outcome("missed", time.monotonic() - start)


# --- Running the catalogue ---

class Runner:
    def __init__(self, scratch: Scratch, layers: list[str], timeout: float | None):
        self.scratch = scratch
        self.runs = {layer: scratch.layer_run(layer) for layer in layers}
        self.timeouts: dict[str, float] = {}
        self.fixed_timeout = timeout
        self.test_env = dict(os.environ, TMPDIR=str(scratch.build / "test-tmp"))

    def baseline(self):
        """Every selected layer's tests pass without a fault, and how long they take."""
        log = self.scratch.logs / "baseline.log"
        log.unlink(missing_ok=True)
        targets = sorted({t for run in self.runs.values() for t in run.targets})
        print(f"building {len(targets)} targets without a fault")
        if not self.scratch.build_targets(targets, log, None):
            sys.exit(f"the scratch copy does not build without a fault (see {log})")
        for layer, run in self.runs.items():
            outcome = run_tests(run, log, self.fixed_timeout or 3600, self.test_env)
            if outcome.status != "missed":
                sys.exit(f"the {layer} tests fail without a fault ({outcome.detail}; see {log})")
            self.timeouts[layer] = self.fixed_timeout or max(60.0, 10 * outcome.seconds)
            print(f"  {layer}: tests pass in {outcome.seconds:.1f} s; "
                  f"timeout {self.timeouts[layer]:.0f} s")

    def layer_outcome(self, layer: str, log: Path) -> Outcome:
        run = self.runs[layer]
        start = time.monotonic()
        if not self.scratch.build_targets(run.targets, log, None):
            return Outcome("broken", time.monotonic() - start, "does not compile")
        outcome = run_tests(run, log, self.timeouts[layer], self.test_env)
        outcome.seconds = time.monotonic() - start
        return outcome

    def run(self, mutant: Mutant, whole: bool) -> dict:
        start = time.monotonic()
        path = self.scratch.src / mutant.file
        log = self.scratch.logs / f"{mutant.id}.log"
        log.unlink(missing_ok=True)
        why = applies_once(self.scratch.src, mutant)
        if why:
            return {"status": "broken", "seconds": 0.0, "detail": why}
        original = path.read_bytes()
        try:
            path.write_bytes(original.replace(mutant.find.encode("utf-8"),
                                              mutant.replace.encode("utf-8")))
            outcome = self.layer_outcome(mutant.layer, log)
            result = {"status": outcome.status, "seconds": round(outcome.seconds, 1),
                      "detail": outcome.detail}
            if whole and outcome.status != "broken":
                result["whole"] = outcome.status
                for layer in LAYERS:
                    if result["whole"] != "missed" or layer == mutant.layer:
                        continue
                    other = self.layer_outcome(layer, log)
                    result["whole"] = other.status
                    if other.status != "missed":
                        result["whole_detail"] = f"{layer}: {other.detail}"
        finally:
            path.write_bytes(original)
        result["seconds"] = round(time.monotonic() - start, 1)
        return result


def summarise(results: list[dict], key: str = "status") -> dict:
    summary = {}
    for layer in (*LAYERS, "all"):
        chosen = [r for r in results if key in r and (layer == "all" or r["layer"] == layer)]
        if not chosen:
            continue
        counts = {s: sum(r[key] == s for r in chosen)
                  for s in ("caught", "timeout", "missed", "broken")}
        valid = len(chosen) - counts["broken"]
        detected = counts["caught"] + counts["timeout"]
        summary[layer] = {"total": len(chosen), **counts,
                          "percent": round(100.0 * detected / valid, 1) if valid else None}
    return summary


def print_summary(results: list[dict], catalogue: dict[str, Mutant], whole: bool):
    for key, title in (("status", "caught by the layer's tests"),
                       ("whole", "caught by the whole suite")):
        if key == "whole" and not whole:
            continue
        print(f"\n{title} (a timeout counts as caught; broken ones are left out of the percent):")
        for layer, s in summarise(results, key).items():
            percent = "-" if s["percent"] is None else f"{s['percent']:.1f} %"
            print(f"  {layer:8} {s['caught'] + s['timeout']:3} / {s['total'] - s['broken']:3}"
                  f"  {percent:>7}   (timeout {s['timeout']}, missed {s['missed']},"
                  f" broken {s['broken']})")
    for status in ("missed", "broken"):
        listed = [r for r in results if r["status"] == status]
        if listed:
            print(f"\n{status}:")
            for r in listed:
                note = r["detail"] if status == "broken" else catalogue[r["id"]].effect
                print(f"  {r['id']}: {note}")


def compare(old_path: Path, new: dict) -> int:
    old = json.loads(old_path.read_text(encoding="utf-8"))
    now = {r["id"]: r for r in new["mutants"]}
    lost, not_run = [], []
    for before in old["mutants"]:
        for key in ("status", "whole"):
            if before.get(key) not in DETECTED:
                continue
            after = now.get(before["id"])
            if after is None:
                not_run.append(before["id"])
            elif key in after and after[key] not in DETECTED:
                lost.append(f"{before['id']} ({'whole suite' if key == 'whole' else 'layer'}:"
                            f" {before[key]} before, {after[key]} now)")
    print(f"\ncompared with {old_path}:")
    for line in lost:
        print(f"  no longer caught: {line}")
    if not_run:
        print(f"  {len(set(not_run))} caught before were not run now")
    print("  nothing lost" if not lost else f"  {len(lost)} lost")
    return 1 if lost else 0


def git_state(root: Path) -> dict:
    def git(*args):
        return subprocess.run(["git", *args], cwd=root, capture_output=True, text=True).stdout.strip()
    return {"branch": git("rev-parse", "--abbrev-ref", "HEAD"), "commit": git("rev-parse", "HEAD"),
            "changed_files": bool(git("status", "--porcelain", "--untracked-files=no"))}


def main() -> int:
    root = repository_root()
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--catalogue", type=Path, default=root / "tools" / "mutants.json")
    parser.add_argument("--check", action="store_true", help="only check that every entry applies")
    parser.add_argument("--layer", action="append", choices=LAYERS, help="run this layer's faults")
    parser.add_argument("--id", action="append", help="run this fault")
    parser.add_argument("--whole", action="store_true",
                        help="also run the whole suite for each fault its layer missed")
    parser.add_argument("--timeout", type=float, help="seconds for one layer's test run")
    parser.add_argument("--jobs", type=int, default=2, help="parallel build and ctest jobs")
    parser.add_argument("--work", type=Path, default=root / "build" / "mutate",
                        help="scratch folder (default build/mutate)")
    parser.add_argument("--results", type=Path, help="results file (default WORK/results.json)")
    parser.add_argument("--compare", type=Path, metavar="OLD.json",
                        help="list the faults OLD caught that are not caught now")
    parser.add_argument("--no-run", action="store_true",
                        help="with --compare: compare with the results file instead of running")
    args = parser.parse_args()

    mutants, problems = load_catalogue(args.catalogue)
    if args.check:
        return check(root, mutants, problems)
    if problems:
        print("\n".join(problems))
        return 2
    results_path = args.results or args.work / "results.json"
    if args.no_run:
        if not args.compare:
            sys.exit("--no-run needs --compare")
        return compare(args.compare, json.loads(results_path.read_text(encoding="utf-8")))

    chosen = select(mutants, args.layer, args.id)
    if not chosen:
        sys.exit("no fault selected")
    scratch = Scratch(root, args.work.resolve(), args.jobs)
    lock = scratch.lock()
    scratch.configure(files_changed=scratch.sync())
    layers = list(LAYERS) if args.whole else [l for l in LAYERS if any(m.layer == l for m in chosen)]
    runner = Runner(scratch, layers, args.timeout)
    runner.baseline()

    catalogue = {m.id: m for m in mutants}
    report = {"started": datetime.datetime.now().isoformat(timespec="seconds"),
              **git_state(root), "whole": args.whole, "mutants": []}
    width = max(len(m.id) for m in chosen)
    try:
        for n, mutant in enumerate(chosen, 1):
            result = {"id": mutant.id, "layer": mutant.layer, "file": mutant.file,
                      **runner.run(mutant, args.whole)}
            report["mutants"].append(result)
            whole = f"  whole: {result['whole']}" if "whole" in result else ""
            print(f"[{n:3}/{len(chosen)}] {mutant.layer:7} {mutant.id:{width}}  "
                  f"{result['status']:7} {result['seconds']:6.1f} s  {result['detail']}{whole}",
                  flush=True)
            report["summary"] = summarise(report["mutants"])
            results_path.parent.mkdir(parents=True, exist_ok=True)
            results_path.write_text(json.dumps(report, indent=1, ensure_ascii=False) + "\n")
    except KeyboardInterrupt:
        print("\ninterrupted; the results so far are kept")
    report["finished"] = datetime.datetime.now().isoformat(timespec="seconds")
    if args.whole:
        report["summary_whole"] = summarise(report["mutants"], "whole")
    results_path.write_text(json.dumps(report, indent=1, ensure_ascii=False) + "\n")
    print_summary(report["mutants"], catalogue, args.whole)
    print(f"\nresults: {results_path}")
    lock.close()
    return compare(args.compare, report) if args.compare else 0


if __name__ == "__main__":
    sys.exit(main())
