#!/usr/bin/env python3
"""Reads two callgrind files (the program's, the bare window's), each cut at the first paint,
and prints where the instructions went: the parts of the start sequence and each library."""
import re
import subprocess
import sys
from collections import Counter

# (label, text that names the function in callgrind_annotate's output). Inclusive counts: a part
# holds everything it called, so the indented rows are shares of the row above them.
PARTS = [
    ("dynamic linking before main()", "_dl_start "),
    ("QApplication constructor", "QApplication::QApplication(int&"),
    ("the application's font: the font database is set up", "chronavell::StandInFamily("),
    ("main window constructor", "chronavell::TForm1::TForm1("),
    ("  Current Date page", "chronavell::CurrentDatePage::CurrentDatePage("),
    ("  General Date Conversion page", "chronavell::ConversionPage::ConversionPage("),
    ("  timeline page", "chronavell::TimelinePage::TimelinePage("),
    ("  Links page", "chronavell::LinksPage::LinksPage("),
    ("  About page", "chronavell::AboutPage::AboutPage("),
    ("start sequence (FormShow)", "chronavell::TForm1::FormShow("),
    ("  sayings file", "chronavell::LoadSayings("),
    ("show()", "QWidget::setVisible(bool)"),
    ("event loop until the first paint", "QApplication::exec()"),
    ("  painting the first frame", "QWidgetRepaintManager::sync("),
]

# Costs that cut across the parts above.
ACROSS = [
    ("fontconfig reading its configuration and caches", "FcInitLoadConfigAndFonts"),
    ("Qt's font list", "QFontconfigDatabase::populateFontDatabase("),
    ("fonts: every font looked up", "QFontDatabasePrivate::load(QFontPrivate"),
    ("  opening font files, matching", "QFontDatabasePrivate::loadEngine("),
    ("  fallback font lists", "QFontconfigDatabase::fallbacksForFamily("),
    ("text shaping", "QTextEngine::shapeText("),
    ("JPEG decoding (turbojpeg)", "tjDecompress2"),
    ("PNG decoding", "QImageReader::read("),
    ("plugins loaded after start (dlopen)", "dlopen@@"),
]

LINE = re.compile(r"^\s*([\d,]+) \(\s*[\d.]+%\)\s+(.*)$")


def annotate(path, inclusive):
    command = ["callgrind_annotate", "--threshold=100", f"--inclusive={'yes' if inclusive else 'no'}",
               path]
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def totals(text):
    for line in text.splitlines():
        if "PROGRAM TOTALS" in line:
            return int(line.split()[0].replace(",", ""))
    return 0


def inclusive_costs(text):
    costs = []
    for line in text.splitlines():
        match = LINE.match(line)
        if match:
            costs.append((int(match.group(1).replace(",", "")), match.group(2)))
    return costs


def cost_of(costs, needle):
    # The largest line that names it: a function can be listed once per recursion level.
    # None when it never ran (or was inlined away).
    return max((value for value, name in costs if needle in name), default=None)


def by_library(text):
    libraries = Counter()
    for line in text.splitlines():
        match = LINE.match(line)
        if match and match.group(2).endswith("]"):
            library = match.group(2).rsplit("[", 1)[1].rstrip("]").split("/")[-1]
            libraries[library] += int(match.group(1).replace(",", ""))
    return libraries


def millions(value):
    return f"{value / 1e6:.1f}"


def main():
    program, bare = sys.argv[1], sys.argv[2]
    program_incl = annotate(program, True)
    bare_incl = annotate(bare, True)
    program_total = totals(program_incl)
    bare_total = totals(bare_incl)
    program_costs = inclusive_costs(program_incl)
    bare_costs = inclusive_costs(bare_incl)

    print("Instructions (millions) from the start to the first paint, counted by callgrind")
    print()
    print("| part | program | share | bare window |")
    print("|---|---|---|---|")
    print(f"| everything | {millions(program_total)} | 100% | {millions(bare_total)} |")
    for label, needle in PARTS + ACROSS:
        mine = cost_of(program_costs, needle)
        floor = cost_of(bare_costs, needle)
        share = f"{100 * mine / program_total:.0f}%" if mine is not None else ""
        print(f"| {label} | {millions(mine) if mine is not None else 'not seen'} | {share} | "
              f"{millions(floor) if floor is not None else '-'} |")

    print()
    print("By library (own instructions, not counting what they call)")
    print()
    print("| library | program | bare window |")
    print("|---|---|---|")
    program_libraries = by_library(annotate(program, False))
    bare_libraries = by_library(annotate(bare, False))
    for library, value in program_libraries.most_common(14):
        print(f"| {library} | {millions(value)} | {millions(bare_libraries.get(library, 0))} |")


if __name__ == "__main__":
    main()
