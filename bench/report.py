#!/usr/bin/env python3
"""Prints the benchmark report of `make bench`: every figure of the performance table with
its target beside it and PASS or FAIL, from the files run-bench.sh collected in one folder:
  game_pass.json, oracle_frame.json, script_playback.json  (Google Benchmark JSON)
  oracle.txt    the reference renderer's microseconds per frame, one a line (absent: not run)
  cpu.txt       "running PERCENT" and "halted PERCENT" lines (absent: not measured)
  latency.txt   "PASS" or "FAIL" from the headless key-latency test
  text.txt      "NAME PERCENT" lines: text agreement with the reference renderer (absent: not run)
  counts.txt    "FIGURE PASSES ALLOCATIONS" lines from bench_instruction_counts
  counts.out.N  callgrind's dump of each figure's passes (absent: valgrind missing)
  notes.txt     lines explaining what was skipped
"""
import glob
import json
import os
import re
import statistics
import sys

folder = sys.argv[1]


def read_json(name):
    try:
        with open(os.path.join(folder, name)) as f:
            return json.load(f)
    except (OSError, ValueError):
        return None


def bench(data, name):
    """The runs of one benchmark (its repetitions), errors left out."""
    if not data:
        return []
    return [b for b in data.get("benchmarks", [])
            if b.get("run_name", b.get("name")).split("/")[0] == name
            and b.get("run_type", "iteration") == "iteration" and not b.get("error_occurred")]


def counter(runs, key, pick=min):
    values = [r[key] for r in runs if key in r]
    return pick(values) if values else None


def median_of(runs, key):
    return counter(runs, key, statistics.median)


def read_lines(name):
    try:
        with open(os.path.join(folder, name)) as f:
            return [line.strip() for line in f if line.strip()]
    except OSError:
        return None


rows = []  # (figure, measured, target, verdict)


def verdict(ok):
    return "n/a" if ok is None else ("PASS" if ok else "FAIL")


game = read_json("game_pass.json")
frame = read_json("oracle_frame.json")
playback = read_json("script_playback.json")

oracle_times = read_lines("oracle.txt")
oracle_times = [float(t) for t in oracle_times or [] if t.replace(".", "", 1).isdigit()]
oracle_median = statistics.median(oracle_times) if oracle_times else None
oracle_min = min(oracle_times) if oracle_times else None

pass_runs = bench(game, "BM_GamePass")
pass_median = median_of(pass_runs, "median_us")
pass_min = counter(pass_runs, "min_us")
copy_median = median_of(bench(game, "BM_SurfaceCopy"), "median_us")
frame_runs = bench(frame, "BM_OracleFrame")
frame_median = median_of(frame_runs, "median_us")
frame_min = counter(frame_runs, "min_us")


def ratio_row(figure, ours_median, ours_min, target):
    if oracle_median is None:
        # Without the reference there is nothing to compare with (and no frame.txt to draw).
        measured = "not measured" if ours_median is None else f"{ours_median:.0f} us per frame"
        rows.append((figure, f"{measured} (no reference to compare)",
                     f">= {target}x faster than the reference", "n/a"))
        return
    if ours_median is None:
        rows.append((figure, "not measured", f">= {target}x faster than the reference", "FAIL"))
        return
    ratio = oracle_median / ours_median
    best = f"; best {ours_min:.0f} vs {oracle_min:.0f} us = {oracle_min / ours_min:.1f}x" if ours_min else ""
    rows.append((figure, f"{ours_median:.0f} us vs {oracle_median:.0f} us = {ratio:.1f}x{best}",
                 f">= {target}x faster than the reference", verdict(ratio >= target)))


bare_runs = bench(game, "BM_GamePassWithoutCopy")
ratio_row("Full game pass, headless (copy to the window apart)", median_of(bare_runs, "median_us"),
          counter(bare_runs, "min_us"), 5)
if copy_median is not None:
    rows.append(("  beside it: the copy of the surface to the window", f"{copy_median:.0f} us", "", ""))
if pass_median is not None and oracle_median is not None:
    rows.append(("  beside it: the pass with its copy", f"{pass_median:.0f} us = {oracle_median / pass_median:.1f}x",
                 "", ""))
ratio_row("Reference frame.txt drawn by our GDI", frame_median, frame_min, 12)

text_shares = {}
for line in read_lines("text.txt") or []:
    parts = line.split()
    if len(parts) == 2:
        text_shares[parts[0]] = float(parts[1])
text_figure = "Text agreement with the reference (within 48 per channel in the texts' boxes)"
if text_shares:
    measured = ", ".join(f"{name}.txt {share:.2f}%" for name, share in text_shares.items())
    ok = len(text_shares) == 2 and all(share >= 95 for share in text_shares.values())
    rows.append((text_figure, measured, ">= 95% on each", verdict(ok)))
else:
    rows.append((text_figure, "not measured", ">= 95% on each", "n/a"))

logging_median = median_of(bench(game, "BM_GamePassLoggingOn"), "median_us")
if logging_median is None:
    rows.append(("Game pass, logging on, 1280-px text window shown", "not measured", "< 10 ms", "FAIL"))
else:
    rows.append(("Game pass, logging on, 1280-px text window shown", f"{logging_median / 1000:.2f} ms",
                 "< 10 ms", verdict(logging_median < 10000)))



def read_counts():
    """Passes and allocations by figure, and the instructions of each figure's dump."""
    passes = {}
    for line in read_lines("counts.txt") or []:
        parts = line.split()
        if len(parts) == 3 and parts[1].isdigit() and parts[2].isdigit():
            passes[parts[0]] = (int(parts[1]), int(parts[2]))
    instructions = {}
    for path in glob.glob(os.path.join(folder, "counts.out.*")):
        with open(path) as f:
            text = f.read()
        name = re.search(r"Client Request: (\S+)", text)
        total = re.search(r"^totals: (\d+)", text, re.M)
        if name and total:
            instructions[name.group(1)] = int(total.group(1))
    return passes, instructions


count_passes, count_instructions = read_counts()
for name, figure, limit in (("game_pass", "Instructions per game pass, copy to the window included", 650_000),
                            ("oracle_frame", "Instructions per frame.txt through our GDI", 550_000),
                            ("game_pass_logging", "Instructions per game pass, logging on", 3_000_000)):
    target = f"<= {limit // 1000:,}k"
    if name not in count_passes:
        rows.append((figure, "not measured", target, "n/a" if name == "oracle_frame" else "FAIL"))
    elif name not in count_instructions:
        rows.append((figure, "skipped: valgrind not installed", target, "n/a"))
    else:
        per_pass = count_instructions[name] / count_passes[name][0]
        rows.append((figure, f"{per_pass / 1000:,.0f}k", target, verdict(per_pass <= limit)))
if "game_pass" in count_passes:
    passes, allocations = count_passes["game_pass"]
    rows.append(("Heap allocations per game pass", f"{allocations / passes:.1f}", "<= 10",
                 verdict(allocations / passes <= 10)))
else:
    rows.append(("Heap allocations per game pass", "not measured", "<= 10", "FAIL"))

cpu = {}
for line in read_lines("cpu.txt") or []:
    parts = line.split()
    if len(parts) == 2:
        cpu[parts[0]] = float(parts[1])
for key, figure, limit in (("halted", "CPU, animation halted, no input (10 s, SDL2 under Xvfb)", 0.5),
                           ("running", "CPU, game running at 10 ticks/s (10 s, SDL2 under Xvfb)", 3.0)):
    if key in cpu:
        rows.append((figure, f"{cpu[key]:.2f}% of a core", f"< {limit}%", verdict(cpu[key] < limit)))
    else:
        rows.append((figure, "not measured", f"< {limit}%", "n/a"))

play_runs = bench(playback, "BM_ScriptPlayback")
per_cpu = counter(play_runs, "passes_per_cpu_s", max)
per_wall = counter(play_runs, "passes_per_s", max)
if per_cpu is None:
    rows.append(("Playback of a 10,000-tick script, headless", "not measured", ">= 3000 passes/s", "FAIL"))
else:
    rows.append(("Playback of a 10,000-tick script, headless",
                 f"{per_cpu:.0f} passes per CPU second ({per_wall:.0f} per wall second)",
                 ">= 3000 passes/s", verdict(per_cpu >= 3000)))

latency = read_lines("latency.txt")
rows.append(("Key press to ZORVA_next_event (headless test)",
             "one message turn, no timer wait" if latency == ["PASS"] else "the latency test failed",
             "one message turn, no timer wait", verdict(latency == ["PASS"])))

widths = [max(len(r[i]) for r in rows + [("Figure", "Measured", "Target", "Result")]) for i in range(4)]
header = ("Figure", "Measured", "Target", "Result")
print()
print("  ".join(h.ljust(w) for h, w in zip(header, widths)))
print("  ".join("-" * w for w in widths))
for r in rows:
    print("  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
for note in read_lines("notes.txt") or []:
    print("note: " + note)
failed = sum(1 for r in rows if r[3] == "FAIL")
print(f"\n{sum(1 for r in rows if r[3] == 'PASS')} passed, {failed} failed")
