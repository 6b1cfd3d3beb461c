"""Runs clang-tidy on the translation units of ours in a build's compile database, two at a
time. By default it skips a unit found clean before with the same inputs: its source, its
compile command, the headers of ours it includes (as the build's dependency records list
them) and clang-tidy's version and settings. --since REV checks the units whose source or
included headers changed since a revision; --all checks every unit. Exits 1 on any finding."""

import argparse
import concurrent.futures
import hashlib
import json
import os
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUR_FOLDERS = ("core", "cli", "app", "pages", "dialogs", "widgets", "tests", "tools", "bench")


def ours(path: pathlib.Path) -> bool:
    try:
        relative = path.resolve().relative_to(ROOT)
    except ValueError:
        return False
    return relative.parts[0] in OUR_FOLDERS and path.suffix == ".cpp"


def settings_key() -> bytes:
    """What every unit depends on besides its own files: the tool and its settings."""
    digest = hashlib.sha256()
    digest.update(subprocess.run(["clang-tidy", "--version"], capture_output=True,
                                 check=True).stdout)
    digest.update((ROOT / ".clang-tidy").read_bytes())
    return digest.digest()


def our_headers() -> list:
    return sorted(header for header in ROOT.glob("**/*.h")
                  if not header.relative_to(ROOT).parts[0].startswith("build"))


def included_files(build: pathlib.Path) -> dict:
    """Each object file's sources and headers of ours, as the last build found them."""
    listing = subprocess.run(["ninja", "-C", str(build), "-t", "deps"], capture_output=True,
                             text=True).stdout
    deps = {}
    current = None
    for line in listing.splitlines():
        if line and not line[0].isspace():
            current = line.split(":", 1)[0]
            deps[current] = [] if "(VALID)" in line else None
        elif current is not None and deps[current] is not None and line.strip():
            path = pathlib.Path(line.strip())
            path = path if path.is_absolute() else build / path
            if ours_at_all(path):
                deps[current].append(path.resolve())
    return deps


def ours_at_all(path: pathlib.Path) -> bool:
    try:
        path.resolve().relative_to(ROOT)
    except ValueError:
        return False
    return True


def changed_since(revision: str) -> set:
    """The files of ours that differ from the revision, uncommitted and untracked ones too."""
    names = subprocess.run(["git", "diff", "--name-only", revision, "--"], cwd=ROOT,
                           capture_output=True, text=True, check=True).stdout.split()
    names += subprocess.run(["git", "ls-files", "--others", "--exclude-standard"], cwd=ROOT,
                            capture_output=True, text=True, check=True).stdout.split()
    return {(ROOT / name).resolve() for name in names}


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--all", action="store_true", help="check every unit")
    parser.add_argument("--since", metavar="REV",
                        help="check the units whose source or headers changed since REV")
    arguments = parser.parse_args()
    build = pathlib.Path(arguments.build).resolve()
    database = json.loads((build / "compile_commands.json").read_text())
    stamps = build / "lint"
    stamps.mkdir(exist_ok=True)
    settings = settings_key()
    deps = included_files(build)
    changed = changed_since(arguments.since) if arguments.since else None

    units = {}
    todo = []
    for entry in database:
        path = pathlib.Path(entry["directory"], entry["file"])
        if not ours(path):
            continue
        command = entry.get("command", " ".join(entry.get("arguments", [])))
        output = re.search(r"(?:^|\s)-o\s+(\S+)", command)
        # A unit not built yet may include any header of ours.
        inputs = deps.get(output.group(1)) if output else None
        inputs = inputs if inputs else [path.resolve()] + our_headers()
        digest = hashlib.sha256(settings)
        digest.update(command.encode())
        for name in sorted(set(inputs) | {path.resolve()}):
            digest.update(str(name).encode())
            digest.update(name.read_bytes() if name.exists() else b"")
        units[str(path)] = stamps / digest.hexdigest()
        if arguments.all:
            todo.append(str(path))
        elif changed is not None:
            if (ROOT / ".clang-tidy").resolve() in changed or changed & set(inputs):
                todo.append(str(path))
        elif not units[str(path)].exists():
            todo.append(str(path))
    todo.sort()
    print(f"clang-tidy: {len(units)} units, {len(todo)} to check", flush=True)

    def check(path: str):
        result = subprocess.run(["clang-tidy", "--quiet", "-p", str(build), path],
                                capture_output=True, text=True)
        return path, result

    failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        for path, result in pool.map(check, todo):
            findings = [line for line in result.stdout.splitlines()
                        if " warning: " in line or " error: " in line]
            if result.returncode != 0 or findings:
                failed += 1
                print(result.stdout, end="")
                print(result.stderr, end="", file=sys.stderr)
            else:
                units[path].touch()
    if failed:
        print(f"clang-tidy: findings in {failed} units", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
