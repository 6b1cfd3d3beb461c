#!/usr/bin/env python3
"""Turns run.sh's raw lines into median / min / max tables, the program set against the bare
window: start-up as a ratio of medians, memory and idle figures as differences."""
import statistics
import sys
from collections import defaultdict

BASELINE = "bare"

# (key in the raw line, label, how one run's value is made, how to compare with the baseline)
FIGURES = [
    ("map_ms", "window mapped (ms)", lambda r: r["map_ms"], "ratio"),
    ("paint_ms", "first paint (ms)", lambda r: r["paint_ms"], "ratio"),
    ("frame_ms", "whole window painted (ms)", lambda r: r["frame_ms"], "ratio"),
    ("cpu_paint", "  program's CPU until then (ms)", lambda r: r["cpu_to_paint_ms"], "ratio"),
    ("server_paint", "  X server's CPU until then (ms)", lambda r: r["server_cpu_to_paint_ms"],
     "ratio"),
    ("faults", "  page faults until then", lambda r: r["faults_to_paint"], "ratio"),
    ("rss", "RSS at 3 s (MiB)", lambda r: r["rss_kib"] / 1024, "diff"),
    ("rss_anon", "  of it anonymous: heap, pictures (MiB)", lambda r: r["rss_anon_kib"] / 1024,
     "diff"),
    ("rss_file", "  of it files: libraries, fonts (MiB)", lambda r: r["rss_file_kib"] / 1024,
     "diff"),
    ("threads", "threads", lambda r: r["threads"], "diff"),
    ("rss_end", "RSS at the end of the idle window (MiB)",
     lambda r: r["rss_end_kib"] / 1024 if r.get("rss_end_kib", -1) > 0 else "NA", "diff"),
    ("gui_run", "GUI thread CPU, idle (ms/s, schedstat)",
     lambda r: r["gui_run_ms"] / r["idle_s"], "diff"),
    ("gui_cpu", "GUI thread CPU, idle (ms/s, utime+stime)",
     lambda r: r["gui_cpu_ms"] / r["idle_s"], "diff"),
    ("gui_wake", "GUI thread wake-ups (/s)", lambda r: r["gui_vcsw"] / r["idle_s"], "diff"),
    ("proc_run", "process CPU, idle (ms/s, schedstat)",
     lambda r: r["proc_run_ms"] / r["idle_s"], "diff"),
    ("proc_cpu", "process CPU, idle (ms/s, utime+stime)",
     lambda r: r["proc_cpu_ms"] / r["idle_s"], "diff"),
    ("proc_wake", "process wake-ups (/s)", lambda r: r["proc_vcsw"] / r["idle_s"], "diff"),
    ("proc_preempt", "process involuntary switches (/s)",
     lambda r: r["proc_ivcsw"] / r["idle_s"], "diff"),
    ("repaints", "repaints seen by the server, idle (/s)",
     lambda r: r["idle_damage"] / r["idle_s"], "diff"),
    ("busy", "whole machine busy, idle window (%)", lambda r: r["machine_busy_pct"], "diff"),
]

# The short starts stop at the first frame: only the start-up, and the memory at that moment.
START_FIGURES = [figure for figure in FIGURES
                 if figure[0] in ("map_ms", "paint_ms", "cpu_paint", "server_paint", "faults")]
START_FIGURES.append(("rss", "RSS at the first paint (MiB)", lambda r: r["rss_kib"] / 1024,
                      "diff"))


def checks(series):
    """How often the probe's safeguards came into play: these should stay near zero."""
    starts = [run for programs in series.values() for runs in programs.values() for run in runs]
    missed = sum(1 for run in starts if run["expose_ms"] == "NA")
    fills = sum(1 for run in starts if run["server_fills"] > 0)
    not_rt = sum(1 for run in starts if run["rt"] != 1)
    partial = sum(1 for run in starts if run["paints_to_frame"] != 1)
    print(f"Checks over {len(starts)} starts: Expose missed {missed}, server fills {fills}, "
          f"probe without real-time priority {not_rt}, first frame in more than one paint "
          f"{partial}")


def parse(path):
    runs = defaultdict(lambda: defaultdict(list))
    header = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#"):
                header.append(line[1:].strip())
                continue
            fields = dict(part.split("=", 1) for part in line.split())
            if fields.get("status") != "ok":
                continue
            values = {}
            for key, text in fields.items():
                try:
                    values[key] = float(text)
                except ValueError:
                    values[key] = text
            runs[fields.get("series", "full")][fields["program"]].append(values)
    return header, runs


def number(value):
    if abs(value) >= 100:
        return f"{value:.0f}"
    if abs(value) >= 10:
        return f"{value:.1f}"
    return f"{value:.2f}"


def table(runs, figures):
    programs = [name for name in runs if name != BASELINE] + [BASELINE]
    columns = ["figure"]
    for name in programs:
        columns += [f"{name} median", "min", "max"]
    columns += [f"{name} vs {BASELINE}" for name in programs if name != BASELINE]
    print("| " + " | ".join(columns) + " |")
    print("|" + "---|" * len(columns))
    for _, label, value, compare in figures:
        cells = [label]
        medians = {}
        for name in programs:
            values = [value(run) for run in runs[name] if not isinstance(value(run), str)]
            if not values:
                cells += ["NA"] * 3
                continue
            medians[name] = statistics.median(values)
            cells += [number(medians[name]), number(min(values)), number(max(values))]
        for name in programs:
            if name == BASELINE:
                continue
            if name not in medians or BASELINE not in medians:
                cells.append("NA")
            elif compare == "ratio":
                cells.append(f"x{medians[name] / medians[BASELINE]:.2f}")
            else:
                cells.append(f"{medians[name] - medians[BASELINE]:+.2f}")
        print("| " + " | ".join(cells) + " |")


def main():
    header, series = parse(sys.argv[1])
    for line in header:
        print(line)
    full = series.get("full", {})
    if BASELINE in full:
        print()
        print(f"Full runs: {len(full[BASELINE])}, each with an idle window of "
              f"{full[BASELINE][0]['idle_s']:g} s")
        print()
        table(full, FIGURES)
    starts = series.get("starts", {})
    if BASELINE in starts:
        print()
        print(f"Short starts: {len(starts[BASELINE])} of each, stopped at the first paint")
        print()
        table(starts, START_FIGURES)
    print()
    checks(series)


if __name__ == "__main__":
    main()
