#!/usr/bin/env python3
"""Lines of code and of tests, as the project weighs them: lines that are neither blank nor
only a comment, in the C++ sources (.cpp, .h) and shell scripts of each folder. The tests
(tests/) are set against the program's code (core, storage, media, ui, app, cli); the aim is a quarter
to a third, never more than 35 %.

  tools/linecount.py            one line per folder, then the totals and the ratio
  tools/linecount.py --files    also every file of tests/, largest first
"""

import sys
from pathlib import Path

CODE = ("core", "storage", "media", "ui", "app", "cli")
SUFFIXES = {".cpp", ".h", ".sh"}


def counted_lines(path: Path) -> int:
    count = 0
    in_block = False
    shell = path.suffix == ".sh"
    for raw in path.read_text(encoding="utf-8", errors="replace").splitlines():
        line = raw.strip()
        if shell:
            if line and not line.startswith("#"):
                count += 1
            continue
        if in_block:
            if "*/" not in line:
                continue
            in_block = False
            line = line.split("*/", 1)[1].strip()
        if not line or line.startswith("//"):
            continue
        if line.startswith("/*"):
            in_block = "*/" not in line
            continue
        count += 1
    return count


def files_of(folder: Path):
    return sorted(p for p in folder.rglob("*") if p.suffix in SUFFIXES and p.is_file())


def main() -> int:
    root = Path(__file__).resolve().parent.parent
    code = {name: sum(counted_lines(p) for p in files_of(root / name)) for name in CODE}
    tests = {p.name: sum(counted_lines(f) for f in files_of(p))
             for p in sorted((root / "tests").iterdir()) if p.is_dir()}
    for name, lines in code.items():
        print(f"code   {name:10} {lines:6}")
    for name, lines in tests.items():
        print(f"tests  {name:10} {lines:6}")
    total_code, total_tests = sum(code.values()), sum(tests.values())
    print(f"code {total_code}, tests {total_tests}: tests are {100 * total_tests / total_code:.1f} % of the code")
    if "--files" in sys.argv:
        rows = [(counted_lines(f), f.relative_to(root)) for f in files_of(root / "tests")]
        for lines, path in sorted(rows, reverse=True):
            print(f"{lines:6} {path}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
