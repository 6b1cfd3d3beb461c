"""Plants one-token faults in core/ and cli/, one at a time, builds the calendar core's and the
command line's tests, runs them and reports which faults they caught.

A fault is one token changed where the code decides something: a comparison (< <= > >= == !=),
a condition (&& ||, a dropped !), an operator (+ - / %), a whole-number constant (n to n + 1,
1 to 0; hexadecimal ones too) or true and false. Comments, strings, preprocessor lines and static_assert are left
alone. A fault counts as killed when a test fails, a run exceeds its time, or a static_assert
fails at build time; one that does not compile for any other reason (a template's angle
bracket, say) is stillborn and counted apart. Faults survive that leave every test green:
each is listed with its place, for a person to judge.

The work is done in a copy of the tree under build/mutate/, never in the tree itself.
"""

import argparse
import dataclasses
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ("core", "cli")
TARGETS = ["chronavell_core_tests", "chronavell_cli_tests", "chronavell-date"]
CORE_TESTS = "tests/core/chronavell_core_tests"
CLI_TESTS = "tests/cli/chronavell_cli_tests"
# A planted fault may make a test loop: a run longer than this many times the unchanged tree's
# (or than the floor, for runs of a moment) counts as caught. Generous, so that a busy machine
# is not mistaken for a fault.
SLOWER = 5
FLOOR = 15

# Binary operators stand between blanks in this tree (clang-format); template brackets,
# pointers, references and unary signs do not, and are left alone.
SPACED = {
    " < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
    " == ": " != ", " != ": " == ", " && ": " || ", " || ": " && ",
    " + ": " - ", " - ": " + ", " / ": " * ", " % ": " / ",
}
SPACED_PATTERN = re.compile("|".join(re.escape(token) for token in sorted(SPACED, key=len,
                                                                           reverse=True)))
NUMBER = re.compile(r"(?<![\w.'])\d+(?![\w.'])")
HEXADECIMAL = re.compile(r"(?<![\w.'])0x([0-9A-Fa-f]+)(U?)(?![\w.'])")
BOOLEAN = re.compile(r"\b(true|false)\b")
NEGATION = re.compile(r"!(?=[\w(])")


@dataclasses.dataclass
class Fault:
    path: str
    line: int
    column: int
    before: str
    after: str

    def describe(self) -> str:
        return f"{self.path}:{self.line}:{self.column}: '{self.before}' -> '{self.after}'"


def code_mask(text: str) -> list:
    """True for each character of code: not in a comment, a string or a character literal."""
    mask = [True] * len(text)
    i = 0
    while i < len(text):
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = len(text) if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i) + 2
        elif text[i] in "\"'" and not (text[i] == "'" and i > 0 and text[i - 1].isalnum()):
            quote = text[i]
            end = i + 1
            while end < len(text) and text[end] != quote:
                end += 2 if text[end] == "\\" else 1
            end += 1
        else:
            i += 1
            continue
        for j in range(i, min(end, len(text))):
            mask[j] = False
        i = end
    return mask


def faults_of(path: pathlib.Path, relative: str) -> list:
    text = path.read_text()
    mask = code_mask(text)
    faults = []
    offset = 0
    in_assert = False
    for number, line in enumerate(text.split("\n"), start=1):
        start = offset
        offset += len(line) + 1
        stripped = line.strip()
        if stripped.startswith("static_assert"):
            in_assert = not stripped.endswith(";")
            continue
        if in_assert:
            in_assert = not stripped.endswith(";")
            continue
        if stripped.startswith("#"):
            continue

        def add(at: int, before: str, after: str) -> None:
            if all(mask[start + at:start + at + len(before)]):
                faults.append(Fault(relative, number, at + 1, before, after))

        for match in SPACED_PATTERN.finditer(line):
            add(match.start(), match.group(), SPACED[match.group()])
        for match in NUMBER.finditer(line):
            value = int(match.group())
            add(match.start(), match.group(), "0" if value == 1 else str(value + 1))
        for match in HEXADECIMAL.finditer(line):
            add(match.start(), match.group(),
                f"0x{int(match.group(1), 16) + 1:X}{match.group(2)}")
        for match in BOOLEAN.finditer(line):
            add(match.start(), match.group(), "false" if match.group() == "true" else "true")
        for match in NEGATION.finditer(line):
            add(match.start(), "!", "")
    return faults


def plant(text: str, fault: Fault) -> str:
    lines = text.split("\n")
    line = lines[fault.line - 1]
    at = fault.column - 1
    assert line[at:at + len(fault.before)] == fault.before, fault.describe()
    lines[fault.line - 1] = line[:at] + fault.after + line[at + len(fault.before):]
    return "\n".join(lines)


def run(command, cwd, limit=None):
    """Runs in a process group of its own, so that an overrun also ends the programs the
    tests started, which would otherwise hold their pipes and the run open."""
    with subprocess.Popen(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          text=True, errors="replace", start_new_session=True) as process:
        try:
            out, err = process.communicate(timeout=limit)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.communicate()
            raise
        return subprocess.CompletedProcess(command, process.returncode, out, err)


def tests_for(fault_path: str) -> list:
    # The core's tests do not link the command line: a fault there can only show in its own.
    return [CLI_TESTS] if fault_path.startswith("cli/") else [CORE_TESTS, CLI_TESTS]


def prepare(work: pathlib.Path) -> tuple:
    """A copy of the tracked files as they stand, a build of the tests in it and the time each
    test run may take."""
    source = work / "src"
    files = run(["git", "ls-files", "-z"], ROOT).stdout.split("\0")
    for name in filter(None, files):
        origin = ROOT / name
        if origin.is_file():
            target = source / name
            target.parent.mkdir(parents=True, exist_ok=True)
            if not target.exists() or target.read_bytes() != origin.read_bytes():
                # A new time stamp, so that the build sees the change even when an interrupted
                # run left a planted fault newer than the file it replaces.
                shutil.copy(origin, target)
    build = work / "build"
    if not (build / "CMakeCache.txt").exists():
        configured = run(["cmake", "-S", str(source), "-B", str(build), "-G", "Ninja",
                          "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O1",
                          "-DCHRONAVELL_BUILD_BENCH=OFF", "-DCHRONAVELL_BUILD_ASSETGEN=OFF",
                          "-DCHRONAVELL_HARDENING=OFF"], ROOT)
        if configured.returncode != 0:
            sys.exit("mutate: cannot configure:\n" + configured.stdout + configured.stderr)
    built = run(["ninja", "-C", str(build)] + TARGETS, ROOT)
    if built.returncode != 0:
        sys.exit("mutate: the unchanged tree does not build:\n" + built.stdout[-4000:])
    limits = {}
    for test in (CORE_TESTS, CLI_TESTS):
        began = time.monotonic()
        if run([str(build / test), "--gtest_brief=1"], build).returncode != 0:
            sys.exit(f"mutate: {test} fails on the unchanged tree")
        limits[test] = max(FLOOR, SLOWER * (time.monotonic() - began))
    return source, limits


def verdict(build: pathlib.Path, tests: list, limits: dict) -> str:
    built = run(["ninja", "-C", str(build)] + TARGETS, ROOT)
    if built.returncode != 0:
        return "killed (static_assert)" if "static assert" in built.stdout else "stillborn"
    for test in tests:
        try:
            if run([str(build / test), "--gtest_brief=1"], build, limits[test]).returncode != 0:
                return "killed"
        except subprocess.TimeoutExpired:
            return "killed (time)"
    return "survived"


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("paths", nargs="*", help="files to plant faults in (all of core/ and cli/)")
    parser.add_argument("--list", action="store_true", help="list the faults and plant none")
    parser.add_argument("--start", type=int, default=1, metavar="N",
                        help="begin with the Nth fault, to go on after an interrupted run")
    parser.add_argument("--work", default=str(ROOT / "build/mutate"),
                        help="the folder of the copy; a second one lets two runs share the cores")
    parser.add_argument("--report", help="where the report goes (report.txt in the copy's folder)")
    arguments = parser.parse_args()

    paths = [pathlib.Path(p).resolve() for p in arguments.paths] or sorted(
        p for folder in FOLDERS for p in (ROOT / folder).iterdir()
        if p.suffix in (".cpp", ".h"))
    names = [str(path.relative_to(ROOT)) for path in paths]
    if arguments.list:
        faults = [fault for path, name in zip(paths, names) for fault in faults_of(path, name)]
        for fault in faults:
            print(fault.describe())
        print(f"{len(faults)} faults")
        return 0

    # Faults are planted in the copy as it was made, so the tree may change meanwhile.
    work = pathlib.Path(arguments.work).resolve()
    source, limits = prepare(work)
    faults = [fault for name in names for fault in faults_of(source / name, name)]
    build = work / "build"
    print("time allowed a run: " + ", ".join(f"{pathlib.Path(test).name} {limit:.0f} s"
                                              for test, limit in limits.items()), flush=True)
    counts = {}
    survivors = []
    began = time.monotonic()
    for index, fault in enumerate(faults[arguments.start - 1:], start=arguments.start):
        target = source / fault.path
        original = target.read_text()
        target.write_text(plant(original, fault))
        try:
            result = verdict(build, tests_for(fault.path), limits)
        finally:
            target.write_text(original)
        kind = result.split(" ")[0]
        counts[kind] = counts.get(kind, 0) + 1
        if result == "survived":
            survivors.append(fault)
        print(f"[{index}/{len(faults)}] {result}: {fault.describe()}", flush=True)
    # Leave the copy built as the tree stands, for the next run.
    run(["ninja", "-C", str(build)] + TARGETS, ROOT)

    killed = counts.get("killed", 0)
    alive = counts.get("survived", 0)
    judged = killed + alive
    lines = [f"{sum(counts.values())} faults planted in {len(paths)} files in "
             f"{(time.monotonic() - began) / 60:.0f} min: {killed} killed, {alive} survived, "
             f"{counts.get('stillborn', 0)} did not compile",
             f"killed: {100 * killed / judged:.1f}% of those that compiled" if judged else ""]
    lines += ["survivors:"] + [f"  {fault.describe()}" for fault in survivors]
    report = "\n".join(lines) + "\n"
    pathlib.Path(arguments.report or work / "report.txt").write_text(report)
    print(report, end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
