"""Runs clang-tidy on every translation unit of ours in a build's compile database, two at a
time, skipping units found clean before with the same inputs. Exits 1 on any finding."""

import concurrent.futures
import hashlib
import json
import os
import pathlib
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


def shared_key() -> bytes:
    """What every unit depends on besides itself: the settings, the tool and our headers."""
    digest = hashlib.sha256()
    digest.update(subprocess.run(["clang-tidy", "--version"], capture_output=True,
                                 check=True).stdout)
    digest.update((ROOT / ".clang-tidy").read_bytes())
    for header in sorted(ROOT.glob("**/*.h")):
        if not header.relative_to(ROOT).parts[0].startswith("build"):
            digest.update(str(header).encode())
            digest.update(header.read_bytes())
    return digest.digest()


def main() -> int:
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build").resolve()
    database = json.loads((build / "compile_commands.json").read_text())
    stamps = build / "lint"
    stamps.mkdir(exist_ok=True)
    shared = shared_key()

    units = {}
    for entry in database:
        path = pathlib.Path(entry["directory"], entry["file"])
        if ours(path):
            digest = hashlib.sha256(shared)
            digest.update(path.read_bytes())
            digest.update(entry.get("command", " ".join(entry.get("arguments", []))).encode())
            units[str(path)] = stamps / digest.hexdigest()
    todo = sorted(path for path, stamp in units.items() if not stamp.exists())
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
