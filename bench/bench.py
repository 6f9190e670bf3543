#!/usr/bin/env python3
"""Times bramble's four transforms on a few MB of real code.

format is measured against js-beautify's own command line on Node.js (the
version package-lock.json pins, with the options bramble uses) in the same
run; minify, pack and unpack are measured on inputs that double in size, and
the ratio of each time to the previous size's shows whether the time grows
linearly (about 2 for twice the input).

The inputs are made from the JavaScript files that npm installed into
node_modules/: source inputs of the files as they are, minified inputs of
the same files minified by `bramble minify`, each concatenated (and repeated
when the files run out) up to each size. Files given on the command line are
used instead, as both kinds. Every time is the best of a few runs; the
outputs are checked too: bramble format against the js-beautify command
line, byte for byte, and unpack of pack (bramble's own, and js-beautify's
unpacker of the packed form) against the input.

Builds nothing: build bramble first (cmake --build build --target bramble).
"""

import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
MODULES = ROOT / "node_modules"
JS_BEAUTIFY_CLI = MODULES / "js-beautify/js/bin/js-beautify.js"
UNPACKER = MODULES / "js-beautify/js/lib/unpackers/p_a_c_k_e_r_unpacker.js"
MB = 1 << 20

# Runs js-beautify's unpacker of the p,a,c,k,e,d form on a file (argv[1])
# and writes what it gives to standard output.
UNPACK_WITH_JS_BEAUTIFY = """
const fs = require('fs'), vm = require('vm');
vm.runInThisContext(fs.readFileSync(process.argv[2], 'utf8'));
const packed = fs.readFileSync(process.argv[1], 'utf8');
process.stdout.write(P_A_C_K_E_R.unpack(packed));
"""


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=str(ROOT / "build"),
                        help="build directory holding bramble (default: build/)")
    parser.add_argument("--sizes", default="1,2,4",
                        help="input sizes in MB, comma-separated (default: 1,2,4)")
    parser.add_argument("--runs", type=int, default=3,
                        help="runs of each measurement, the best counts (default: 3)")
    parser.add_argument("--keep", metavar="DIR",
                        help="make the inputs and outputs in DIR and keep them")
    parser.add_argument("files", nargs="*",
                        help="inputs to use instead of the made ones")
    return parser.parse_args()


def run(command, stdout=subprocess.DEVNULL):
    """Runs a command; gives (seconds, peak resident MB, exit status)."""
    started = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                               stdout=stdout, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - started
    error = process.stderr.read().decode("utf-8", "replace").strip()
    process.stderr.close()
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        raise RuntimeError(f"{' '.join(map(str, command))}: exit "
                           f"{process.returncode}: {error}")
    return seconds, usage.ru_maxrss / 1024


def best_of(runs, command):
    results = [run(command) for _ in range(runs)]
    return min(r[0] for r in results), max(r[1] for r in results)


def write_output(command, path):
    with open(path, "wb") as out:
        run(command, stdout=out)
    return path


def library_files():
    """The distinct JavaScript files under node_modules, in a fixed order."""
    seen, files = set(), []
    for path in sorted(MODULES.rglob("*")):
        if path.suffix not in (".js", ".cjs", ".mjs") or not path.is_file():
            continue
        content = path.read_bytes()
        digest = hashlib.sha256(content).digest()
        if digest in seen or not content.strip():
            continue
        seen.add(digest)
        # A "#!" line is only allowed at the very start of a script.
        if content.startswith(b"#!"):
            content = content.split(b"\n", 1)[-1]
        files.append(content)
    return files


def concatenate(pieces, size):
    """Pieces joined by line breaks, repeated as needed, to about `size`."""
    out, total, i = [], 0, 0
    while total < size:
        piece = pieces[i % len(pieces)]
        if out and total + len(piece) - size > size - total:
            break  # stopping short is nearer
        out.append(piece)
        total += len(piece) + 1
        i += 1
    return b"\n".join(out)


def make_inputs(bramble, work, sizes):
    files = library_files()
    minified = []
    for content in files:
        source = work / "piece.js"
        source.write_bytes(content)
        result = subprocess.run([bramble, "minify", source],
                                capture_output=True)
        if result.returncode == 0 and result.stdout.strip():
            minified.append(result.stdout)
    print(f"inputs from {len(files)} files of node_modules/ "
          f"({sum(map(len, files)) / MB:.2f} MB; {len(minified)} minified "
          f"without error: {sum(map(len, minified)) / MB:.2f} MB)")
    sources, minifieds = [], []
    for size in sizes:
        label = f"{size:g}MB"
        source = work / f"source-{label}.js"
        source.write_bytes(concatenate(files, size * MB))
        sources.append(source)
        small = work / f"minified-{label}.js"
        small.write_bytes(concatenate(minified, size * MB))
        minifieds.append(small)
    return sources, minifieds


def same_bytes(a, b):
    return Path(a).read_bytes() == Path(b).read_bytes()


def size_mb(path):
    return Path(path).stat().st_size / MB


def print_table(title, header, rows):
    print(f"\n{title}")
    widths = [max(len(str(row[i])) for row in [header] + rows)
              for i in range(len(header))]
    for row in [header] + rows:
        print("  " + "  ".join(str(cell).rjust(w) for cell, w in
                               zip(row, widths)))


def bench_format(bramble, inputs, runs, work):
    rows, problems = [], []
    for path in inputs:
        ours_cmd = [bramble, "format", path]
        peer_cmd = ["node", JS_BEAUTIFY_CLI, "-m", "0", "-e", "\\n", path]
        ours = write_output(ours_cmd, work / "format-ours.js")
        peer = write_output(peer_cmd, work / "format-peer.js")
        identical = same_bytes(ours, peer)
        if not identical:
            problems.append(f"format of {path.name}: bramble's output differs "
                            "from the js-beautify command line's")
        t_ours, mem_ours = best_of(runs, ours_cmd)
        t_peer, mem_peer = best_of(runs, peer_cmd)
        rows.append([path.name, f"{size_mb(path):.2f}", f"{t_ours:.3f}",
                     f"{t_peer:.3f}", f"{t_ours / t_peer:.2f}",
                     f"{mem_ours:.0f}", f"{mem_peer:.0f}",
                     "yes" if identical else "NO"])
    print_table("format: bramble against js-beautify's command line on "
                "Node.js (seconds, best of %d)" % runs,
                ["input", "MB", "bramble", "node", "bramble/node",
                 "bramble MB RSS", "node MB RSS", "same output"], rows)
    return problems


def growth_rows(times, inputs, start_up):
    rows, previous = [], None
    for (seconds, memory), path in zip(times, inputs):
        size = size_mb(path)
        net = max(seconds - start_up, 1e-6)
        if previous:
            ratios = [f"{size / previous[0]:.2f}",
                      f"{seconds / previous[1]:.2f}",
                      f"{net / previous[2]:.2f}"]
        else:
            ratios = ["-", "-", "-"]
        rows.append([path.name, f"{size:.2f}", f"{seconds:.3f}",
                     f"{memory:.0f}"] + ratios)
        previous = (size, seconds, net)
    return rows


def bench_growth(name, bramble, inputs, runs, work):
    # The same command on a one-word input (packed, for unpack): starting
    # the program and executing its script, the part that does not grow.
    tiny = work / "tiny.js"
    tiny.write_bytes(b"x")
    if name == "unpack":
        tiny = write_output([bramble, "pack", tiny], work / "tiny-packed.js")
    start_up, _ = best_of(runs, [bramble, name, tiny])
    times = [best_of(runs, [bramble, name, path]) for path in inputs]
    print_table(f"{name}: time against the previous input's (seconds, "
                f"best of {runs}; start-up on a one-word input "
                f"{start_up:.3f} s; linear growth gives time ratios equal to "
                "the size ratio)",
                ["input", "MB", "bramble", "MB RSS", "size ratio",
                 "time ratio", "net of start-up"],
                growth_rows(times, inputs, start_up))


def check_round_trips(bramble, sources, work):
    packed, problems = [], []
    for path in sources:
        pack = write_output([bramble, "pack", path], work / f"packed-{path.name}")
        packed.append(pack)
        ours = write_output([bramble, "unpack", pack], work / "unpacked-ours.js")
        if not same_bytes(ours, path):
            problems.append(f"bramble unpack of bramble pack of {path.name} "
                            "is not the input")
        theirs = write_output(["node", "-e", UNPACK_WITH_JS_BEAUTIFY, pack,
                               UNPACKER], work / "unpacked-theirs.js")
        if not same_bytes(theirs, path):
            problems.append(f"js-beautify's unpacker of bramble pack of "
                            f"{path.name} is not the input")
    checks = 2 * len(sources)
    print(f"\npack, then unpack by bramble and by js-beautify's unpacker: "
          f"{checks - len(problems)} of {checks} give the input back byte for "
          "byte")
    return packed, problems


def main():
    args = parse_args()
    bramble = Path(args.build).resolve() / "bramble"
    if not os.access(bramble, os.X_OK):
        sys.exit(f"bench: no {bramble}: build it first "
                 f"(cmake --build {args.build} --target bramble)")
    for needed in (JS_BEAUTIFY_CLI, UNPACKER):
        if not needed.is_file():
            sys.exit(f"bench: no {needed}: run tools/install-deps.sh")
    if shutil.which("node") is None:
        sys.exit("bench: no node: run tools/install-deps.sh")
    work = Path(args.keep or tempfile.mkdtemp(prefix="bramble-bench-"))
    work.mkdir(parents=True, exist_ok=True)
    try:
        if args.files:
            sources = minifieds = [Path(f).resolve() for f in args.files]
        else:
            sizes = [float(s) for s in args.sizes.split(",")]
            sources, minifieds = make_inputs(bramble, work, sizes)
        node = subprocess.run(["node", "--version"], capture_output=True,
                              text=True).stdout.strip()
        peer = subprocess.run(["node", JS_BEAUTIFY_CLI, "--version"],
                              capture_output=True, text=True).stdout.strip()
        print(f"bramble: {bramble}; peer: js-beautify {peer} on Node.js {node}")
        problems = bench_format(bramble, minifieds, args.runs, work)
        bench_growth("minify", bramble, sources, args.runs, work)
        bench_growth("pack", bramble, sources, args.runs, work)
        packed, round_trip_problems = check_round_trips(bramble, sources, work)
        problems += round_trip_problems
        bench_growth("unpack", bramble, packed, args.runs, work)
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)
    for problem in problems:
        print(f"PROBLEM: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except RuntimeError as failure:
        sys.exit(f"bench: {failure}")
