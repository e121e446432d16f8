#!/usr/bin/env python3
"""Times brindlecast-cli against the floor of the work on the benchmark corpus.

In one run: builds the release programs, generates the corpus if it is missing, runs the
floor and `brindlecast-cli make` in mode 0 on every set (and modes 1 and 2 on one set)
several times each, and prints the median wall time, peak memory, output size and the ratio
to the floor. Run it by hand from anywhere in the repository:

    bench/run.py [--runs 3] [--corpus build/bench-corpus] [--sets frames-1,frames-10]
"""

import argparse
import json
import os
import re
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_BUILD = ROOT / "build" / "release"
DEFAULT_CORPUS = ROOT / "build" / "bench-corpus"
MODES_SET = "anim-320x240"
SETS_FILE = "sets.txt"
IMAGE_SUFFIXES = (".gif", ".jpg")
MB = 1024 * 1024
TIME = "/usr/bin/time"


@dataclass
class Run:
    seconds: float
    cpu_seconds: float
    peak_kb: int
    output_bytes: int
    movie_bytes: int
    stdout: str


@dataclass
class Row:
    set_name: str
    program: str
    pictures: int
    runs: list = field(default_factory=list)
    error: str = ""

    def median(self, attribute):
        return statistics.median(getattr(run, attribute) for run in self.runs)


def log(message):
    print(f"bench: {message}", file=sys.stderr, flush=True)


def build(build_dir, targets):
    """Configures a release build and builds the targets; returns those that failed."""
    if build_dir == DEFAULT_BUILD:
        configure = ["cmake", "--preset", "release"]
    else:
        configure = ["cmake", "-S", str(ROOT), "-B", str(build_dir), "-G", "Ninja",
                     "-DCMAKE_BUILD_TYPE=Release"]
    subprocess.run(configure, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    failed = set()
    for target in targets:
        result = subprocess.run(["cmake", "--build", str(build_dir), "--target", target],
                                cwd=ROOT, capture_output=True, text=True)
        if result.returncode == 0:
            continue
        failed.add(target)
        if f"unknown target '{target}'" in result.stdout + result.stderr:
            log(f"{target} does not exist in this tree yet")
        else:
            log(f"could not build {target}:\n{result.stdout[-2000:]}{result.stderr[-2000:]}")
    return failed


def read_sets(corpus, seed):
    """The corpus's sets in order, as (name, description, images); None when the corpus is
    missing, incomplete or made from another seed."""
    listing = corpus / SETS_FILE
    if not listing.is_file():
        return None
    lines = listing.read_text().splitlines()
    if f"# seed {seed}" not in lines:
        return None
    sets = []
    for line in lines:
        if not line or line.startswith("#"):
            continue
        name, _, description = line.partition("\t")
        folder = corpus / name
        if not folder.is_dir():
            return None
        images = sorted(p for p in folder.iterdir() if p.suffix.lower() in IMAGE_SUFFIXES)
        if not images:
            return None
        sets.append((name, description, images))
    return sets


def ensure_corpus(corpus, generator, seed):
    """The corpus's sets, generating the corpus first when it is not there complete."""
    sets = read_sets(corpus, seed)
    if sets is not None:
        return sets
    log(f"generating the corpus in {corpus} (seed {seed})")
    started = time.perf_counter()
    subprocess.run([str(generator), "--seed", str(seed), str(corpus)], check=True)
    log(f"corpus generated in {time.perf_counter() - started:.1f} s")
    sets = read_sets(corpus, seed)
    if sets is None:
        sys.exit(f"bench: the corpus in {corpus} is incomplete after generating it")
    return sets


def uncompressed_length(path):
    """The uncompressed movie length a SWF header records (bytes 4 to 7), 0 when unreadable."""
    try:
        with open(path, "rb") as movie:
            header = movie.read(8)
    except OSError:
        return 0
    if len(header) < 8 or header[:3] not in (b"CWS", b"FWS"):
        return 0
    return struct.unpack("<I", header[4:8])[0]


def run_once(command, outputs):
    """Runs one command; returns a Run, or raises RuntimeError with its error output."""
    for path in outputs():
        path.unlink()
    # GNU time measures the peak: a child forked from this Python process would report
    # Python's own resident size as its peak whenever the program stays below it.
    with tempfile.TemporaryDirectory() as folder:
        peak_file = Path(folder) / "peak"
        started = time.perf_counter()
        result = subprocess.run([TIME, "-f", "%M %U %S", "-o", str(peak_file)] + command,
                                capture_output=True, text=True, errors="replace")
        seconds = time.perf_counter() - started
        # The last line; a failing command gets a line of its own before it.
        usage = peak_file.read_text().splitlines()[-1].split() if peak_file.exists() else []
    if result.returncode != 0:
        raise RuntimeError(f"{' '.join(command[:3])} ... exited with {result.returncode}:\n"
                           f"{result.stderr[-2000:]}")
    written = list(outputs())
    peak_kb, user, system = (int(usage[0]), float(usage[1]), float(usage[2])) if usage else (0, 0, 0)
    return Run(seconds=seconds, cpu_seconds=user + system, peak_kb=peak_kb,
               output_bytes=sum(p.stat().st_size for p in written),
               movie_bytes=max((uncompressed_length(p) for p in written), default=0),
               stdout=result.stdout)


def measure(entries, runs):
    """Runs every (row, command, outputs) `runs` times, in rounds that run each program once, so
    that a busy spell of the machine falls on the floor and the conversions alike."""
    log(f"{entries[0][0].set_name}: {', '.join(row.program for row, _, _ in entries)}, "
        f"{runs} rounds")
    for _ in range(runs):
        for row, command, outputs in entries:
            if row.error:
                continue
            try:
                row.runs.append(run_once(command, outputs))
            except RuntimeError as failure:
                row.error = str(failure)
                log(f"{row.set_name}: {row.program} failed: {failure}")


def floor_pictures(run):
    counts = dict(re.findall(r"^(frames|jpegs) (\d+)$", run.stdout, re.MULTILINE))
    return int(counts.get("frames", 0)) + int(counts.get("jpegs", 0))


def floor_steps(rows):
    """The floor's own per-step times (medians), one line per set."""
    lines = []
    for row in rows:
        if row.program != "floor" or not row.runs:
            continue
        steps = {}
        for run in row.runs:
            for step, seconds in re.findall(r"^(\w+) ([\d.]+) s$", run.stdout, re.MULTILINE):
                steps.setdefault(step, []).append(float(seconds))
        lines.append(f"  {row.set_name:<18}" + "  ".join(
            f"{step} {statistics.median(values):.3f} s" for step, values in steps.items()))
    return lines


def mode_outputs(folder, pattern):
    return lambda: sorted(folder.glob(pattern))


def benchmark_set(name, images, tools, scratch, runs, cli_args, with_modes):
    sources = [str(p) for p in images]
    entries = [(Row(name, "floor", len(images)), [str(tools["floor"])] + sources, lambda: [])]
    if "cli" in tools:
        movie = scratch / f"{name}.swf"
        make = [str(tools["cli"]), "make"] + cli_args
        entries.append((Row(name, "cli mode 0", 0),
                        make + ["--mode", "0", "--output", str(movie)] + sources,
                        mode_outputs(scratch, movie.name)))
    if "cli" in tools and with_modes:
        # Mode 1 writes next to each source, so it works on links to the images in a scratch
        # folder.
        each = scratch / f"{name}-each"
        each.mkdir(exist_ok=True)
        linked = []
        for image in images:
            target = each / image.name
            if not target.exists():
                try:
                    os.link(image, target)
                except OSError:
                    shutil.copyfile(image, target)
            linked.append(str(target))
        entries.append((Row(name, "cli mode 1", 0), make + ["--mode", "1"] + linked,
                        mode_outputs(each, "*.swf")))
        library = scratch / f"{name}-library.swf"
        entries.append((Row(name, "cli mode 2", 0),
                        make + ["--mode", "2", "--output", str(library)] + sources,
                        mode_outputs(scratch, library.name)))
    measure(entries, runs)
    rows = [row for row, _, _ in entries]
    floor = rows[0]
    if floor.runs:
        floor.pictures = floor_pictures(floor.runs[0])
    for row in rows[1:]:
        row.pictures = floor.pictures
    return rows


def ratio_text(value, floor):
    # GNU time counts cpu time in hundredths: a tiny set's floor may show none at all.
    return f"{value / floor:.2f}" if floor > 0 else "-"


def table(rows):
    floors = {row.set_name: row for row in rows if row.program == "floor" and row.runs}
    header = (f"{'set':<18} {'program':<11} {'pics':>5} {'median s':>9} {'ms/pic':>7} "
              f"{'cpu s':>7} {'peak MB':>8} {'movie MB':>9} {'output bytes':>13} "
              f"{'x floor':>8} {'cpu x':>6}")
    lines = [header, "-" * len(header)]
    for row in rows:
        if not row.runs:
            lines.append(f"{row.set_name:<18} {row.program:<11} failed (see above)")
            continue
        seconds = row.median("seconds")
        per_picture = 1000 * seconds / row.pictures if row.pictures else 0
        cpu = row.median("cpu_seconds")
        floor = floors.get(row.set_name)
        ratio = ratio_text(seconds, floor.median("seconds") if floor else 0)
        cpu_ratio = ratio_text(cpu, floor.median("cpu_seconds") if floor else 0)
        movie = f"{row.median('movie_bytes') / MB:.1f}" if row.program != "floor" else "-"
        output = f"{int(row.median('output_bytes'))}" if row.program != "floor" else "-"
        lines.append(f"{row.set_name:<18} {row.program:<11} {row.pictures:>5} {seconds:>9.3f} "
                     f"{per_picture:>7.2f} {cpu:>7.2f} {row.median('peak_kb') / 1024:>8.1f} "
                     f"{movie:>9} {output:>13} {ratio:>8} {cpu_ratio:>6}")
    return lines


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=3, help="runs of each program (default 3)")
    parser.add_argument("--corpus", type=Path, default=DEFAULT_CORPUS,
                        help="corpus folder, generated when missing (default build/bench-corpus)")
    parser.add_argument("--seed", type=int, default=1, help="corpus seed (default 1)")
    parser.add_argument("--build-dir", type=Path, default=DEFAULT_BUILD,
                        help="release build folder (default build/release, the release preset)")
    parser.add_argument("--no-build", action="store_true", help="use the programs as built")
    parser.add_argument("--sets", help="comma-separated set names to run (default: all)")
    parser.add_argument("--modes-set", default=MODES_SET,
                        help=f"set on which modes 1 and 2 also run (default {MODES_SET})")
    parser.add_argument("--cli-arg", action="append", default=[],
                        help="extra argument for brindlecast-cli make (repeatable)")
    parser.add_argument("--json", type=Path, help="also write every run's figures to this file")
    arguments = parser.parse_args()
    if arguments.runs < 1:
        parser.error("--runs must be at least 1")
    return arguments


def main():
    arguments = parse_arguments()
    build_dir = arguments.build_dir.resolve()
    programs = {"floor": "brindlecast-bench-floor", "corpus": "brindlecast-bench-corpus",
                "cli": "brindlecast-cli"}
    if not os.access(TIME, os.X_OK):
        sys.exit(f"bench: {TIME} is missing (apt-get install time)")
    # A program that failed to build is left out rather than timed as an older build.
    failed = set() if arguments.no_build else build(build_dir, programs.values())
    tools = {key: build_dir / "bin" / name for key, name in programs.items()
             if name not in failed and (build_dir / "bin" / name).is_file()}
    for needed in ("floor", "corpus"):
        if needed not in tools:
            sys.exit(f"bench: {programs[needed]} is not built in {build_dir}")
    if "cli" not in tools:
        log("brindlecast-cli is not built: timing the floor only")

    corpus = arguments.corpus.resolve()
    sets = ensure_corpus(corpus, tools["corpus"], arguments.seed)
    wanted = set(arguments.sets.split(",")) if arguments.sets else None
    if wanted:
        unknown = wanted - {name for name, _, _ in sets}
        if unknown:
            sys.exit(f"bench: no such set: {', '.join(sorted(unknown))}")

    rows = []
    with tempfile.TemporaryDirectory(prefix="brindlecast-bench-") as scratch:
        for name, description, images in sets:
            if wanted and name not in wanted:
                continue
            log(f"{name}: {description}")
            rows += benchmark_set(name, images, tools, Path(scratch), arguments.runs,
                                  arguments.cli_arg, name == arguments.modes_set)

    load = os.getloadavg()[0]
    print(f"median of {arguments.runs} runs; cpu s = user + system; movie MB = uncompressed "
          f"movie length from the header (largest file in mode 1); x floor = median wall time / "
          f"the floor's, cpu x = the same for cpu time; load average {load:.1f} on "
          f"{os.cpu_count()} cores")
    if load > 0.5 * (os.cpu_count() or 1):
        print("warning: the machine is busy, so wall times are inflated; cpu times hold better")
    print("\n".join(table(rows)))
    print("floor steps (median):")
    print("\n".join(floor_steps(rows)))
    if arguments.json:
        arguments.json.write_text(json.dumps(
            [{"set": row.set_name, "program": row.program, "pictures": row.pictures,
              "error": row.error,
              "runs": [{"seconds": run.seconds, "cpu_seconds": run.cpu_seconds,
                        "peak_kb": run.peak_kb,
                        "output_bytes": run.output_bytes, "movie_bytes": run.movie_bytes}
                       for run in row.runs]} for row in rows], indent=1))
    return 1 if any(row.error for row in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
