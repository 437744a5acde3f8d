#!/usr/bin/env python3
"""Mutation check: do the quick tests notice what a careless change breaks?

Each mutation below is one small change a developer could make by mistake,
written as a file, a snippet that occurs exactly once in it, and its
replacement. The check mirrors the working tree into a scratch clone
(build/mutation-check/src, kept between runs so rebuilds stay incremental),
builds it, and for each mutation: applies it, rebuilds, runs the quick tests
(the mutated folder's test programs first, then `ctest --preset quick`),
records whether a test failed, and puts the file back. For a mutation no test
caught, it runs the programs whose executables changed on the output of
make_sample_data, before and after, to tell a visible fault from an
equivalent change. A snippet no longer found (the code moved on) is reported
as stale, not as a failure.

Usage: tests/mutation_check.py [-j JOBS] [--scratch DIR] [--list] [PATTERN...]
  PATTERN  runs only the mutations whose names or files match (e.g. 'trips/*')
Exit status: 0 when every visible mutation was caught, 1 otherwise.
"""

import argparse
import fnmatch
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEST_TIMEOUT_S = 600
RUN_TIMEOUT_S = 300


@dataclass
class Mutation:
    name: str
    path: str
    snippet: str
    replacement: str
    note: str = ""   # why it cannot change a result, when it cannot


M = Mutation
MUTATIONS = [
    # spectral
    M("phone-grid-limit", "spectral/transform/exact_spectrum.cpp", "grid.limit > f;", "grid.limit >= f;"),
    M("pulsar-keeps-mean", "spectral/pulsar_spectrum.cpp", "remove_mean(series.y);", ""),
    M("mean-divisor", "spectral/spectrum.cpp",
      "sum / static_cast<double>(y.size())", "sum / static_cast<double>(y.size() - 1)"),
    M("spectrum-norm", "spectral/transform/exact_spectrum.cpp",
      "(2.0 / span) * sqrt_two_pi", "(2.0 / span) / sqrt_two_pi"),
    M("peak-frequency-on-raise", "spectral/spectrum.cpp",
      "if (peak && line.log_power == peak->log_power)", "else if (peak && line.log_power == peak->log_power)"),
    M("dft-sine-sign", "spectral/transform/dft.cpp",
      "im += (y[i] * std::sin(phase)) * dt;", "im -= (y[i] * std::sin(phase)) * dt;"),
    M("fold-weight-order", "spectral/crab_brightness.cpp",
      "count[b] = count[b] + 1;\n        sum[b] = sum[b] + s.y[i] / count[b];",
      "sum[b] = sum[b] + s.y[i] / count[b];\n        count[b] = count[b] + 1;"),
    M("pair-bins-last", "spectral/angle_histogram.cpp",
      "k <= last_written;", "k < last_written;"),
    M("pair-opening-angle", "spectral/pair_mass.cpp",
      "(theta2 + theta1) * 0.5", "(theta2 + theta1) * 0.25"),
    M("sawtooth-grid-end", "spectral/sawtooth_series.cpp", "grid_end >= t;", "grid_end > t;",
      "t reaches 9.99999999999998 after 100 additions and 10.1 after 101: "
      "no time equals 10, so both comparisons stop at the same point"),
    M("sawtooth-sine-sign", "spectral/sawtooth_series.cpp",
      "b[j] = -1.0 / (j * pi);", "b[j] = 1.0 / (j * pi);"),
    M("sawtooth-rms-step", "spectral/sawtooth_series.cpp",
      "squared_error * time_step / grid_end", "squared_error / grid_end"),
    # integration
    M("simpson-odd-bound", "integration/quadrature.cpp",
      "for (int i = 3; i < n; i += 2)", "for (int i = 3; i <= n; i += 2)"),
    M("quadrature-x", "integration/quadrature.cpp", "n * w + lower_limit;", "(n - 1) * w + lower_limit;"),
    M("leibniz-sign", "integration/pi_series.cpp", "i % 2 != 0", "i % 2 == 0"),
    M("e-tolerance", "integration/e_series.cpp", "tolerance = 0.1;", "tolerance = 0.04;"),
    M("term-count-base", "integration/term_count.cpp",
      "std::strtoll(begin, &end, 0)", "std::strtoll(begin, &end, 10)"),
    # motion
    M("burn-out-edge", "motion/flight.cpp", "if (t <= v.burn_time)", "if (t < v.burn_time)"),
    M("earth-centre-sign", "motion/flight.cpp",
      "+ 2 * e.radius * s.y", "- 2 * e.radius * s.y"),
    M("midpoint-half-step", "motion/midpoint.cpp", "p.v * dt / 2 + p.x", "p.v * dt + p.x"),
    M("rocket-mass-time", "motion/rocket.cpp",
      "c = flight_conditions(t, s,", "c = flight_conditions(t + dt, s,"),
    M("pitch-programme", "motion/launch_trajectory.cpp",
      "right_angle * t / vehicle.burn_time", "right_angle * (t + dt) / vehicle.burn_time"),
    M("pendulum-precision", "motion/swing_sim.cpp", "out.precision(5);", "out.precision(6);"),
    M("oscillator-closed-form-time", "motion/ode_stepper.cpp",
      "x0 * std::cos(omega * t)", "x0 * std::cos(omega * (t + dt))"),
    # fitting
    M("poisson-error", "fitting/lifetime_fit.cpp",
      "std::sqrt(c.n + 0.75) + 1.0", "std::sqrt(c.n) + 1.0"),
    M("tau-grid-start", "fitting/lifetime_fit.cpp",
      "double tau = fit.tau_first;", "double tau = fit.tau_first + fit.tau_step;",
      "the tau grid moves by one step, so only a best point or band point at its ends "
      "changes; the tie rows of lifetime_fit_slow_test catch it"),
    M("band-edge", "fitting/lifetime_fit.cpp",
      "chi2 < fit.band_high", "chi2 <= fit.band_high",
      "only a chi-square exactly on the band's upper edge changes; the band-edge rows of "
      "lifetime_fit_slow_test catch it"),
    M("deviate-sign", "fitting/lifetime_fit.cpp",
      "std::sqrt(2.0 * best.chi_square) - deviate_offset",
      "std::sqrt(2.0 * best.chi_square) + deviate_offset"),
    # montecarlo
    M("walk-draw-order", "montecarlo/walk.cpp",
      "program.step(p, u1, u2);", "program.step(p, u2, u1);"),
    M("walk-error-column", "montecarlo/walk.cpp",
      "((std::sqrt(walks) / walks) * sum[i]) / walks", "(sum[i] / std::sqrt(walks)) / walks",
      "the two orders differ by a rounding at most, far below the six printed digits"),
    M("decay-draw-edge", "montecarlo/decay.cpp",
      "drand48() <= probability", "drand48() < probability",
      "drand48 returns multiples of 2^-48; no probability of the programs' inputs "
      "(0.1/1000, 0.1/100, 0.1 ln2/T) is one, so equality never occurs"),
    M("decay-bin-centre", "montecarlo/decay.cpp",
      "(i + 0.5) * grid.bin_width", "(i + 1) * grid.bin_width"),
    M("ball-cube-volume", "montecarlo/ball_volume.cpp",
      "std::pow(2.0, static_cast<double>(d))", "std::pow(2.0, static_cast<double>(d - 1))"),
    M("pond-separator", "montecarlo/pond_sphere.cpp", 'out << "\\n\\n";', 'out << "\\n";'),
    M("cube-doubling", "montecarlo/dimension_volume.cpp",
      "j < dimensions && std::isfinite(v)", "j <= dimensions && std::isfinite(v)"),
    # trips
    M("hour-base", "trips/trip_records.cpp",
      "std::strtol(hour, nullptr, 10)", "std::strtol(hour, nullptr, 0)"),
    M("ride-path-step", "trips/trip_records.cpp",
      "std::sqrt(d1 * d1 + d2 * d2)", "std::sqrt(d1 * d1 + d1 * d2)"),
    M("velocity-format", "trips/trip_records.cpp", 'sizeof line, "%d  %.15lf', 'sizeof line, "%d  %.14lf'),
    M("ride-table-capacity", "trips/trip_records.cpp",
      "const bool kept = table.rides_seen <= capacity;",
      "const bool kept = table.rides_seen < capacity;"),
    M("velocity-band-edge", "trips/trip_frequency.cpp",
      "velocity < band_width * (k + 1)", "velocity <= band_width * (k + 1)"),
    M("sort-stability", "trips/trip_speed_sort.cpp",
      "rides[i].velocity > rides[i + 1].velocity", "rides[i].velocity >= rides[i + 1].velocity"),
    M("lengths-numbering", "trips/trip_lengths.cpp", "k++, ride.path_length", "++k, ride.path_length"),
    M("route-tie", "trips/cheapest_route.cpp", "total[i] < minimum", "total[i] <= minimum"),
    M("leg-word-count", "trips/route_legs.cpp", "words.size() != 3", "words.size() < 3"),
    M("empty-words", "trips/record_lines.cpp", "if (i > start)", "if (i >= start)"),
    # accounts
    M("balance-sort-order", "accounts/account_summary.cpp",
      "balances[k] > balances[i]", "balances[k] < balances[i]"),
    M("balance-list-format", "accounts/account_summary.cpp", '"%3zu: $%8.2f\\n"', '"%3zu: $%9.2f\\n"'),
    M("fee-share-precision", "accounts/account_summary.cpp",
      "float percentage = charge / balance * 100;",
      "double percentage = charge / static_cast<double>(balance) * 100;"),
    M("charge-edge", "accounts/account_summary.cpp",
      "bool charged = balance < minimum;", "bool charged = balance <= minimum;"),
    M("fee-check-edge", "accounts/fee_check.cpp", "if (minimum > balance)", "if (minimum >= balance)"),
    M("saving-minimum", "accounts/answers.h", "usual_minimums{1000.0f, 500.0f}", "usual_minimums{100.0f, 500.0f}"),
    # terminal
    M("board-bottom-row", "terminal/raw_board.cpp",
      "row != 1 && row != board_rows;", "row != 1 && row != board_rows - 1;"),
    M("clear-lines", "terminal/raw_board.cpp", "i < clear_lines;", "i <= clear_lines;"),
    M("wrap-left-edge", "terminal/chase_game.cpp", "if (x <= leftmost_x)", "if (x < leftmost_x)"),
    M("item-row-range", "terminal/chase_game.cpp",
      "std::rand() % random_rows + first_random_row", "std::rand() % random_rows + 1"),
    M("attacker-axis-order", "terminal/chase_game.cpp",
      "if (attacker_x < player_x)\n        ++attacker_x;",
      "if (attacker_y < player_y)\n        ++attacker_y;\n    else if (attacker_x < player_x)\n        ++attacker_x;"),
    M("face-margin", "terminal/display.cpp", "left_margin = 18;", "left_margin = 17;"),
    # common
    M("reason-suffix", "common/errors.cpp", "fmt[len - 1] == ':'", "fmt[len - 1] == ' '"),
    M("short-input-edge", "common/files.cpp", "if (got >= needed)", "if (got + 1 >= needed)"),
    M("short-input-kind", "common/files.cpp", "if (in.eof())", "if (!in.eof())"),
    # sample_data
    M("pulsar-sample-frequency", "sample_data/spectral_samples.cpp",
      "pulsar_frequency = 47.3;", "pulsar_frequency = 47.2;"),
    M("poisson-branch", "sample_data/sample_data.cpp", "if (mean > 60.0)", "if (mean >= 60.0)",
      "the Crab.dat rates run from 100 to 152 counts per sample and the other files "
      "draw no Poisson deviates, so no mean is 60"),
    M("sample-file-path", "sample_data/sample_data.cpp",
      'const std::string path = dir + "/" + name;', 'const std::string path = dir + name;'),
]

# Every program's run on the sample data, as the table of programs gives it:
# name, arguments, standard input, the files it reads and writes.
# chase_game places its pieces from the clock, so its results cannot be
# compared: a change to it that no test catches counts as visible.
# make_sample_data's own output is compared as the sample data.
TABLE = os.path.join(ROOT, "suite/programs.tsv")
UNCOMPARED = ["chase_game"]


def field_list(field, separator):
    return [] if field == "-" else field.split(separator)


def read_table():
    """The table's rows as (program, args, stdin text, reads, writes)."""
    with open(TABLE) as f:
        lines = [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]
    return [(program, field_list(args, " "), "" if stdin == "-" else stdin.replace("\\n", "\n"),
             [item.split(" ")[0] for item in field_list(reads, ", ")], field_list(writes, ", "))
            for program, _, _, args, stdin, reads, writes, _, _ in lines[1:]]


SAMPLE_RUNS = [row for row in read_table() if row[0] not in UNCOMPARED + ["make_sample_data"]]


def log(text):
    print(text, flush=True)


def run(cmd, cwd, timeout=None, stdin_text=None):
    """Runs a command; returns (status, combined output). A timeout is status 124."""
    try:
        p = subprocess.run(cmd, cwd=cwd, input=stdin_text.encode() if stdin_text is not None else None,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired as e:
        return 124, (e.stdout or b"").decode(errors="replace")


def listed_files(tree):
    out = subprocess.run(["git", "-C", tree, "ls-files", "-z", "--cached", "--others",
                          "--exclude-standard"], stdout=subprocess.PIPE, check=True).stdout
    return {f for f in out.decode().split("\0") if f and os.path.isfile(os.path.join(tree, f))}


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def mirror_tree(src):
    """Makes src hold the working tree's files (tracked and untracked, not
    ignored), rewriting only files whose contents differ, so that ninja
    rebuilds only what changed since the last run."""
    if not os.path.isdir(os.path.join(src, ".git")):
        subprocess.run(["git", "clone", "-q", ROOT, src], check=True)
    wanted = listed_files(ROOT)
    for rel in wanted:
        data = read_bytes(os.path.join(ROOT, rel))
        target = os.path.join(src, rel)
        if not os.path.isfile(target) or read_bytes(target) != data:
            write_bytes(target, data)
        shutil.copymode(os.path.join(ROOT, rel), target)
    for rel in listed_files(src) - wanted:
        os.remove(os.path.join(src, rel))


def build(src, jobs):
    if not os.path.isfile(os.path.join(src, "build/release/build.ninja")):
        status, out = run(["cmake", "--preset", "release", "-DSUITE_WERROR=OFF"], src)
        if status != 0:
            return status, out
    return run(["cmake", "--build", "--preset", "release", "-j", str(jobs)], src)


def folder_tests(src, path):
    """The quick test programs of the mutated file's folder."""
    folder = os.path.join(src, path.split("/")[0], "tests")
    names = []
    if os.path.isdir(folder):
        for f in sorted(os.listdir(folder)):
            if f.endswith("_test.cpp") and not f.endswith("_slow_test.cpp"):
                exe = os.path.join(src, "build/release/test-bin", f[:-4])
                if os.path.isfile(exe):
                    names.append(exe)
    return names


def quick_tests(src, path, jobs):
    """Name of the first failing test program or 'ctest', or None when all pass."""
    for exe in folder_tests(src, path):
        with tempfile.TemporaryDirectory() as tmp:
            status, _ = run([exe, "--gtest_brief=1"], tmp, TEST_TIMEOUT_S)
        if status != 0:
            return os.path.basename(exe)
    status, _ = run(["ctest", "--preset", "quick", "--stop-on-failure", "-j", str(jobs)], src,
                    TEST_TIMEOUT_S * 4)
    return "ctest" if status != 0 else None


def program_hashes(src):
    bin_dir = os.path.join(src, "build/release/bin")
    return {f: hashlib.sha256(read_bytes(os.path.join(bin_dir, f))).hexdigest()
            for f in os.listdir(bin_dir)}


def run_on_samples(src, program, args, stdin_text, sample_dir):
    """What a program prints and writes when run in a copy of the sample folder."""
    with tempfile.TemporaryDirectory() as tmp:
        work = os.path.join(tmp, "run")
        shutil.copytree(sample_dir, work)
        before = {f: read_bytes(os.path.join(work, f)) for f in os.listdir(work)}
        exe = os.path.join(src, "build/release/bin", program)
        try:
            p = subprocess.run([exe] + args, cwd=work, input=stdin_text.encode(),
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=RUN_TIMEOUT_S)
            result = {"<status>": str(p.returncode).encode(), "<stdout>": p.stdout, "<stderr>": p.stderr}
        except subprocess.TimeoutExpired:
            result = {"<status>": b"timeout"}
        for f in os.listdir(work):
            path = os.path.join(work, f)
            if os.path.isfile(path) and before.get(f) != read_bytes(path):
                result[f] = read_bytes(path)
        return result


def make_samples(src, target):
    shutil.rmtree(target, ignore_errors=True)
    status, out = run([os.path.join(src, "build/release/bin/make_sample_data"), target], src, RUN_TIMEOUT_S)
    if status != 0:
        return None
    return {f: read_bytes(os.path.join(target, f)) for f in sorted(os.listdir(target))}


def sample_baseline(src, scratch):
    """Sample data and every program's results on it, from the unmutated build.
    An input that make_sample_data does not write joins the folder as the
    first program of the table that writes it leaves it (rides.txt)."""
    sample_dir = os.path.join(scratch, "samples")
    files = make_samples(src, sample_dir)
    if files is None:
        sys.exit("mutation_check: make_sample_data failed on the unmutated build")
    for name in {name for run in SAMPLE_RUNS for name in run[3]} - set(os.listdir(sample_dir)) - {"DATAFILE"}:
        writer = next(run for run in SAMPLE_RUNS if name in run[4])
        write_bytes(os.path.join(sample_dir, name), run_on_samples(src, *writer[:3], sample_dir)[name])
    results = {}
    for program, args, stdin_text, _, _ in SAMPLE_RUNS:
        results[program] = run_on_samples(src, program, args, stdin_text, sample_dir)
    return sample_dir, files, results


def visible_changes(src, scratch, changed, baseline):
    """Programs (or the sample data) whose results on the sample data differ."""
    sample_dir, files, results = baseline
    differing = [p + " (not compared)" for p in UNCOMPARED if p in changed]
    if "make_sample_data" in changed:
        if make_samples(src, os.path.join(scratch, "samples-mutated")) != files:
            differing.append("sample data")
    for program, args, stdin_text, _, _ in SAMPLE_RUNS:
        if program in changed and run_on_samples(src, program, args, stdin_text, sample_dir) != results[program]:
            differing.append(program)
    return differing


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("-j", "--jobs", type=int, default=2, help="build and test jobs (default 2)")
    parser.add_argument("--scratch", default=os.path.join(ROOT, "build/mutation-check"),
                        help="scratch folder, kept between runs (default build/mutation-check)")
    parser.add_argument("--list", action="store_true", help="list the mutations and exit")
    parser.add_argument("names", nargs="*",
                        help="run only the mutations whose names or files match these patterns")
    opts = parser.parse_args()

    chosen = [m for m in MUTATIONS if not opts.names or
              any(fnmatch.fnmatch(m.name, p) or fnmatch.fnmatch(m.path, p) for p in opts.names)]
    if opts.list:
        for m in chosen:
            log(f"{m.name:30} {m.path}")
        return 0
    names = [m.name for m in MUTATIONS]
    assert len(set(names)) == len(names), "mutation names must be unique"

    started = time.time()
    scratch = os.path.abspath(opts.scratch)
    src = os.path.join(scratch, "src")
    os.makedirs(scratch, exist_ok=True)
    log(f"mirroring the working tree into {src}")
    mirror_tree(src)
    log("building the unmutated tree")
    status, out = build(src, opts.jobs)
    if status != 0:
        sys.exit(out + "\nmutation_check: the unmutated tree does not build")
    log("running the quick tests on the unmutated tree")
    status, out = run(["ctest", "--preset", "quick", "-j", str(opts.jobs)], src, TEST_TIMEOUT_S * 4)
    if status != 0:
        sys.exit(out + "\nmutation_check: the quick tests fail on the unmutated tree")
    log("running every program on the sample data")
    baseline = sample_baseline(src, scratch)
    hashes = program_hashes(src)

    rows = []   # (mutation, result, detail, seconds)
    for m in chosen:
        t0 = time.time()
        path = os.path.join(src, m.path)
        original = read_bytes(path) if os.path.isfile(path) else b""
        count = original.decode(errors="replace").count(m.snippet)
        if count != 1:
            rows.append((m, "stale", "snippet not found" if count == 0 else f"snippet found {count} times", 0))
            log(f"{m.name}: stale")
            continue
        write_bytes(path, original.decode().replace(m.snippet, m.replacement).encode())
        try:
            status, out = build(src, opts.jobs)
            if status != 0:
                result, detail = "no build", "the mutated tree does not compile"
            else:
                failing = quick_tests(src, m.path, opts.jobs)
                if failing:
                    result, detail = "caught", failing
                else:
                    now = program_hashes(src)
                    changed = {p for p in now if now[p] != hashes.get(p)}
                    differing = visible_changes(src, scratch, changed, baseline)
                    if differing:
                        result, detail = "MISSED", "changes " + ", ".join(differing)
                    else:
                        result = "equivalent"
                        detail = ("same results on the sample data: " + ", ".join(sorted(changed))
                                  if changed else "the programs compile unchanged")
        finally:
            write_bytes(path, original)
        rows.append((m, result, detail, time.time() - t0))
        log(f"{m.name}: {result} ({detail}) {time.time() - t0:.0f} s")

    # Leaves the scratch build unmutated for the next run.
    build(src, opts.jobs)

    log("")
    log(f"{'mutation':28} {'file':32} {'result':10} detail")
    for m, result, detail, _ in rows:
        log(f"{m.name:28} {m.path:32} {result:10} {detail}")
        if result == "equivalent" and m.note:
            log(f"{'':28} {'':32} {'':10} ({m.note})")
    caught = sum(1 for r in rows if r[1] == "caught")
    missed = sum(1 for r in rows if r[1] == "MISSED")
    equivalent = sum(1 for r in rows if r[1] == "equivalent")
    stale = sum(1 for r in rows if r[1] in ("stale", "no build"))
    visible = caught + missed
    score = 100.0 * caught / visible if visible else 100.0
    log("")
    log(f"score: {caught} of {visible} visible mutations caught ({score:.1f}%); "
        f"{equivalent} equivalent, {stale} stale or not built; {time.time() - started:.0f} s")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
