#!/usr/bin/env python3
"""Runs the OpenSees scripts that vek-cli writes for the example models in a real OpenSees
interpreter and judges each run by its output and its recorder files.

Usage: run_examples.py VEK_CLI EXAMPLES_DIR OPENSEES
       run_examples.py --selftest

run_examples.sh finds the interpreter and calls this. One line per run (PASS, FAIL or SKIP and
the reason), then a summary; the exit code is 1 when any run failed.

Environment:
  OPENSEES_JOBS      runs at the same time (default 2)
  OPENSEES_TIMEOUT   seconds one OpenSees run may take (default 120)
  OPENSEES_KEEP      1: keep every run's folder (the folders of failed runs are always kept)
"""

import json
import math
import os
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
from concurrent.futures import ThreadPoolExecutor

MARKER = "END-OF-SCRIPT"

# Texts in the interpreter's output that mean the script did not do its work. The interpreter
# exits 0 even when a command fails.
FAILURE_TEXTS = [
    "while executing",
    "analyze failed",
    "singular",
    "Could not build an Arnoldi factorization",
]

# Settings every run gets: short analyses, and a pushover of 1 mm a step.
COMMON_SETTINGS = ["LoadSteps=10", "AnalysisSteps=10", "ControlDisp=1"]

# Extra recorder runs: the modal analysis with every recorder that it allows, and one static
# analysis (gravity + pushover, the longest static one) with the element recorders.
EXTRA_RUNS = [
    (4, ["RecordFrameForce=1", "RecordSectionDeform=1", "RecordModeShapes=1"]),
    (3, ["RecordFrameForce=1", "RecordSectionDeform=1"]),
]

# Frame section element types (FrameSections[].ElemType of vek-cli dump) and the OpenSees
# element each one is written as.
ELASTIC, NONLINEAR, DISP, HINGES, TRUSS, COROT_TRUSS, RELEASE_LINK = 1, 2, 3, 4, 5, 6, 7
ELEMENT_COMMAND = {
    ELASTIC: "elasticBeamColumn",
    NONLINEAR: "nonlinearBeamColumn",
    DISP: "dispBeamColumn",
    HINGES: "beamWithHinges",
    TRUSS: "trussSection",
    COROT_TRUSS: "corotTrussSection",
    RELEASE_LINK: "zeroLength",
}
COMMAND_KIND = {command: kind for kind, command in ELEMENT_COMMAND.items()}

# What OpenSees 3.8 writes per element, found by recording single elements of the example
# scripts:
# - localForce: 12 values for a 3D beam-column element (elastic, force-based, displacement-
#   based, beamWithHinges) and for trussSection; nothing for corotTrussSection; one value per
#   direction of its -dir list for zeroLength (VEK's release links have three: 4 5 6); nothing
#   for ShellMITC4 and stdBrick.
# - section k deformation: one value per section resultant. An elastic beam-column element
#   and a zeroLength have no sections (nothing). A 3D fibre section with -GJ has 4 (P, Mz, My,
#   T); the aggregator adds Vy and Vz (6). nonlinear/dispBeamColumn have as many sections as
#   integration points. beamWithHinges has 6: 1 and 6 are the hinges (the element's section,
#   4 or 6), 2 to 5 the elastic interior (4). A truss has one section, its fibre section without
#   aggregator (4). ShellMITC4 with a PlateFiber section writes 8 for any k; stdBrick nothing.
# - A range of tags covers the elements (nodes) of the range that exist; first > last is taken
#   as last..first. A recorder that covers nothing writes the time alone on each line (the
#   README of the interpreter says an empty file: both are accepted).
LOCAL_FORCE = {
    ELASTIC: 12, NONLINEAR: 12, DISP: 12, HINGES: 12, TRUSS: 12, COROT_TRUSS: 0,
}
FIBRE_RESULTANTS = 4
AGGREGATED_RESULTANTS = 6
ELASTIC_SECTION_RESULTANTS = 4
HINGE_SECTIONS = 6
SHELL_PLATE_RESULTANTS = 8
OTHER_LOCAL_FORCE = {"ShellMITC4": 0, "stdBrick": 0}
OTHER_SECTION = {"ShellMITC4": SHELL_PLATE_RESULTANTS, "stdBrick": 0}


class Judged(Exception):
    """A run that cannot pass; the message is the reason."""


# ---------------------------------------------------------------- settings file


def read_example_settings(path):
    """{file name: (vek-cli arguments, set of skipped analysis types, largest plausible node
    displacement or None)} of example_settings.txt."""
    settings = {}
    if not os.path.exists(path):
        return settings
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            name = words[0]
            args, skips, limit = settings.get(name, ([], set(), None))
            for word in words[1:]:
                if word.startswith("maxdisp="):
                    try:
                        limit = float(word[8:])
                    except ValueError:
                        raise SystemExit("%s:%d: bad limit '%s'" % (path, number, word))
                    if not limit > 0:
                        raise SystemExit("%s:%d: bad limit '%s'" % (path, number, word))
                elif word.startswith("skip="):
                    for t in word[5:].split(","):
                        if not t.strip().isdigit():
                            raise SystemExit("%s:%d: bad skip list '%s'" % (path, number, word))
                        skips.add(int(t))
                elif word.startswith("--"):
                    option, sep, value = word.partition("=")
                    args.extend([option, value] if sep else [option])
                elif "=" in word:
                    args.extend(["--set", word])
                else:
                    raise SystemExit("%s:%d: cannot read '%s'" % (path, number, word))
            settings[name] = (args, skips, limit)
    return settings


def setting_value(args, name, default):
    """The last --set name=value of args, or default."""
    value = default
    for i in range(len(args) - 1):
        if args[i] == "--set" and args[i + 1].startswith(name + "="):
            value = args[i + 1].split("=", 1)[1]
    return value


# ---------------------------------------------------------------- the script


class Script:
    """What the generated script defines: nodes, elements, recorders, analysis steps."""

    def __init__(self, text):
        self.nodes = set()
        self.elements = {}  # tag -> list of the words of its element command
        self.recorders = []  # list of (line, words)
        self.steps = 0  # sum of the step counts of the analyze commands
        self.records = 0  # "record" commands
        self.num_modes = None
        self.periods_file = None
        for raw in text.splitlines():
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            words = line.rstrip(";").split()
            head = words[0]
            if head == "node" and len(words) >= 2:
                self.nodes.add(int(words[1]))
            elif head == "element" and len(words) >= 3:
                tag = int(words[2])
                if tag in self.elements:
                    raise Judged("the script defines element %d twice (%s; %s)"
                                 % (tag, " ".join(self.elements[tag][:2]), " ".join(words[1:3])))
                self.elements[tag] = words[1:]
            elif head == "recorder":
                try:
                    self.recorders.append((line, shlex.split(line)))
                except ValueError as e:
                    raise Judged("cannot read recorder line '%s': %s" % (line, e))
            elif head == "analyze" and len(words) >= 2:
                try:
                    self.steps += int(words[1])
                except ValueError:
                    raise Judged("cannot read the step count of '%s'" % line)
            elif head == "record":
                self.records += 1
            elif head == "set" and len(words) >= 3 and words[1] == "numModes":
                self.num_modes = int(words[2])
            elif head == "set" and len(words) >= 3 and words[1] == "period":
                self.periods_file = words[2].strip('"')


def tag_range(first, last):
    """The tags OpenSees covers for a range "first last" (it swaps a reversed range)."""
    lo, hi = min(first, last), max(first, last)
    return lo, hi


class Expectation:
    """The columns and lines one recorder file must have."""

    def __init__(self, name, columns, members, lines):
        self.name = name
        self.columns = columns
        self.members = members
        self.lines = lines


class Model:
    """The parts of vek-cli dump the judge needs."""

    def __init__(self, dump, args=()):
        self.joint_count = dump.get("JointCount", 0)
        self.frame_count = max(dump.get("FrameCount", 0), 0)
        kinds = [s["ElemType"] for s in dump.get("FrameSections", [])]
        # "--section N:ElemType=V" of the run changes the element type of section N.
        for i in range(len(args) - 1):
            if args[i] == "--section":
                number, _, field = args[i + 1].partition(":")
                name, _, value = field.partition("=")
                if name == "ElemType" and number.isdigit() and 1 <= int(number) <= len(kinds):
                    kinds[int(number) - 1] = int(value)
        self.frame_kind = {}
        for i, frame in enumerate(dump.get("Frames", []), 1):
            s = frame["Section"]
            if not 1 <= s <= len(kinds):
                raise Judged("frame %d names section %d of %d" % (i, s, len(kinds)))
            self.frame_kind[i] = kinds[s - 1]


def section_columns(kind, k, aggregator, points):
    """Values of "section k deformation" for a frame element of the given kind."""
    hinge = AGGREGATED_RESULTANTS if aggregator else FIBRE_RESULTANTS
    if kind in (NONLINEAR, DISP):
        return hinge if 1 <= k <= points else 0
    if kind == HINGES:
        if k in (1, HINGE_SECTIONS):
            return hinge
        return ELASTIC_SECTION_RESULTANTS if 1 < k < HINGE_SECTIONS else 0
    if kind in (TRUSS, COROT_TRUSS):
        return FIBRE_RESULTANTS if k == 1 else 0
    return 0  # elastic beam-column, release link


def element_columns(model, script, tag, response, aggregator, points):
    """Values one element writes for the recorder response (a list of words)."""
    words = script.elements[tag]
    command = words[0]
    if tag in model.frame_kind:
        kind = model.frame_kind[tag]
        if COMMAND_KIND.get(command) != kind:
            raise Judged("element %d is a '%s' in the script, but frame %d's section has "
                         "ElemType %d (%s)" % (tag, command, tag, kind,
                                               ELEMENT_COMMAND.get(kind, "unknown")))
        if response == ["localForce"]:
            if kind == RELEASE_LINK:
                if "-dir" not in words:
                    raise Judged("zeroLength %d has no -dir list" % tag)
                return len(words) - words.index("-dir") - 1
            return LOCAL_FORCE[kind]
        if len(response) == 3 and response[0] == "section" and response[2] == "deformation":
            return section_columns(kind, int(response[1]), aggregator, points)
    else:
        if response == ["localForce"] and command in OTHER_LOCAL_FORCE:
            return OTHER_LOCAL_FORCE[command]
        if (len(response) == 3 and response[0] == "section" and response[2] == "deformation"
                and command in OTHER_SECTION):
            return OTHER_SECTION[command]
    raise Judged("the test does not know what '%s' writes for element %d (%s)"
                 % (" ".join(response), tag, command))


def expect_recorder(model, script, words, aggregator, points):
    """The Expectation of one recorder line (its words)."""
    kind = words[1]
    options = {}
    response = []
    i = 2
    while i < len(words):
        w = words[i]
        if w in ("-file", "-xml", "-binary"):
            options["file"] = words[i + 1]
            i += 2
        elif w == "-time":
            options["time"] = True
            i += 1
        elif w in ("-nodeRange", "-eleRange"):
            options["range"] = (int(words[i + 1]), int(words[i + 2]))
            i += 3
        elif w in ("-node", "-ele", "-dof"):
            j = i + 1
            values = []
            while j < len(words) and words[j].lstrip("-").isdigit():
                values.append(int(words[j]))
                j += 1
            options[w[1:]] = values
            i = j
        else:
            response = words[i:]
            break
    if "file" not in options:
        raise Judged("recorder without -file: %s" % " ".join(words))
    if not options.get("time"):
        raise Judged("recorder without -time: %s" % " ".join(words))
    name = options["file"]
    if "range" in options:
        first, last = options["range"]
        if first > last:
            lo, hi = tag_range(first, last)
            existing = script.nodes if kind == "Node" else script.elements
            covered = [t for t in range(lo, hi + 1) if t in existing]
            if covered:
                raise Judged("%s: the reversed range %d %d is taken by OpenSees as %d..%d and "
                             "records %s %s: a range meant to be empty"
                             % (name, first, last, lo, hi,
                                "nodes" if kind == "Node" else "elements",
                                " ".join(map(str, covered))))
        lo, hi = tag_range(first, last)
        tags = range(lo, hi + 1)
    elif "node" in options or "ele" in options:
        tags = options.get("node", options.get("ele"))
    else:
        raise Judged("%s: recorder without a range or a list of tags" % name)
    lines = script.steps + script.records
    if kind == "Node":
        if "dof" not in options:
            raise Judged("%s: node recorder without -dof" % name)
        if len(response) != 1 or not (response[0] == "disp"
                                      or (response[0].startswith("eigen ")
                                          and response[0][6:].isdigit())):
            raise Judged("%s: the test does not know node response '%s'"
                         % (name, " ".join(response)))
        members = [t for t in tags if t in script.nodes]
        columns = 1 + len(options["dof"]) * len(members)
        return Expectation(name, columns, len(members), lines)
    if kind == "Element":
        members = [t for t in tags if t in script.elements]
        columns = 1 + sum(element_columns(model, script, t, response, aggregator, points)
                          for t in members)
        return Expectation(name, columns, len(members), lines)
    raise Judged("%s: the test does not know recorder type '%s'" % (name, kind))


def check_recorder_file(folder, e):
    """Raises Judged when the recorder file does not have e's lines and columns."""
    path = os.path.join(folder, e.name)
    if not os.path.exists(path):
        raise Judged("%s: the recorder file is missing" % e.name)
    with open(path, encoding="utf-8", errors="replace") as f:
        rows = [line.split() for line in f.read().splitlines()]
    if not rows:
        if e.members == 0:
            return
        raise Judged("%s: the file is empty, but the range has %d members" % (e.name, e.members))
    if e.lines > 0 and len(rows) != e.lines:
        raise Judged("%s: %d lines, the script's analyses take %d steps"
                     % (e.name, len(rows), e.lines))
    for number, row in enumerate(rows, 1):
        if len(row) != e.columns:
            raise Judged("%s line %d: %d columns, expected %d (the time and the values of %d "
                         "members)" % (e.name, number, len(row), e.columns, e.members))
        for value in row:
            try:
                x = float(value)
            except ValueError:
                raise Judged("%s line %d: '%s' is not a number" % (e.name, number, value))
            if not math.isfinite(x):
                raise Judged("%s line %d: value %s" % (e.name, number, value))


def check_displacements(folder, script, limit):
    """The node displacements of the run are plausible: none larger than `limit` in size, and,
    when the script analyses any step, not all zero (the loads or the ground moved the model)."""
    largest = 0.0
    files = 0
    for _, words in script.recorders:
        if len(words) < 2 or words[1] != "Node" or words[-1] != "disp" or "-file" not in words:
            continue
        name = words[words.index("-file") + 1]
        files += 1
        with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                for value in line.split()[1:]:
                    x = abs(float(value))
                    if x > limit:
                        raise Judged("%s line %d: displacement %s, more than the %g that is "
                                     "plausible for this model" % (name, number, value, limit))
                    largest = max(largest, x)
    if files and script.steps > 0 and largest == 0:
        raise Judged("no node moved in %d steps: every displacement is 0" % script.steps)
    return largest


def check_periods(folder, script):
    """The modal analysis writes its eigenvalues: numModes positive numbers."""
    if script.num_modes is None or script.periods_file is None:
        return
    path = os.path.join(folder, script.periods_file)
    if not os.path.exists(path):
        raise Judged("%s: the eigenvalue file is missing" % script.periods_file)
    with open(path, encoding="utf-8", errors="replace") as f:
        values = f.read().split()
    try:
        numbers = [float(v) for v in values]
    except ValueError:
        raise Judged("%s: not numbers: %s" % (script.periods_file, " ".join(values)[:200]))
    if len(numbers) != script.num_modes:
        raise Judged("%s: %d eigenvalues, numModes is %d"
                     % (script.periods_file, len(numbers), script.num_modes))
    if not all(math.isfinite(x) and x > 0 for x in numbers):
        raise Judged("%s: eigenvalues not all positive: %s"
                     % (script.periods_file, " ".join(values)))


def judge_output(output):
    """Raises Judged when the interpreter's output shows a failed command or no marker."""
    lines = output.splitlines()
    for text in FAILURE_TEXTS:
        for i, line in enumerate(lines):
            if text in line:
                context = [l.strip() for l in lines[max(0, i - 5):i + 3] if l.strip()]
                raise Judged("OpenSees printed '%s': %s" % (text, " | ".join(context))[:600])
    if MARKER not in (line.strip() for line in lines):
        tail = [l.strip() for l in lines[-4:] if l.strip()]
        raise Judged("the script did not reach its end (no %s); last output: %s"
                     % (MARKER, " | ".join(tail))[:600])


def judge_run(folder, output, script_text, model, aggregator, points, max_disp=None):
    """Raises Judged with the first reason the run fails. Returns a short note. With max_disp,
    the node displacements must be plausible (check_displacements)."""
    judge_output(output)
    script = Script(script_text)
    # Every joint is a node of the same tag; more nodes may follow (the 3-DOF copy of a joint
    # that solids share with frames or shells).
    missing = [j for j in range(1, model.joint_count + 1) if j not in script.nodes]
    if missing:
        raise Judged("the script defines no node for joints %s of %d"
                     % (" ".join(map(str, missing[:10])), model.joint_count))
    expectations = [expect_recorder(model, script, words, aggregator, points)
                    for _, words in script.recorders]
    for e in expectations:
        check_recorder_file(folder, e)
    check_periods(folder, script)
    note = "reached its end; %d recorder files checked" % len(expectations)
    if max_disp is not None:
        note += "; largest displacement %.4g" % check_displacements(folder, script, max_disp)
    return note


# ---------------------------------------------------------------- running


class Runner:
    def __init__(self, cli, examples, opensees, work):
        self.cli = cli
        self.examples = examples
        self.opensees = opensees
        self.work = work
        self.timeout = float(os.environ.get("OPENSEES_TIMEOUT", "120"))
        self.keep = os.environ.get("OPENSEES_KEEP", "0") == "1"
        self.models = {}
        self.lock = threading.Lock()

    def model(self, s2k, args):
        with self.lock:
            if s2k not in self.models:
                p = subprocess.run([self.cli, "dump", s2k], capture_output=True, text=True)
                if p.returncode != 0:
                    self.models[s2k] = Judged("vek-cli dump exited with %d: %s"
                                              % (p.returncode, p.stderr.strip()[:300]))
                else:
                    try:
                        self.models[s2k] = json.loads(p.stdout)
                    except ValueError as e:
                        self.models[s2k] = Judged("cannot read vek-cli dump: %s" % e)
            dump = self.models[s2k]
        if isinstance(dump, Judged):
            raise dump
        try:
            return Model(dump, args)
        except (KeyError, TypeError, ValueError) as e:
            raise Judged("cannot read vek-cli dump: %s" % e)

    def run(self, job):
        """Runs one job; returns (status, label, reason, seconds)."""
        s2k, args, label, max_disp = job
        start = time.monotonic()
        folder = tempfile.mkdtemp(prefix="run-", dir=self.work)
        try:
            note = self.run_in(folder, s2k, args, max_disp)
            status = "PASS"
        except Judged as e:
            note = str(e)
            status = "FAIL"
        seconds = time.monotonic() - start
        if status == "FAIL" or self.keep:
            note += " [kept in %s]" % folder
        else:
            shutil.rmtree(folder, ignore_errors=True)
        return status, label, note, seconds

    def run_in(self, folder, s2k, args, max_disp):
        model = self.model(s2k, args)
        script = os.path.join(folder, "model.tcl")
        p = subprocess.run([self.cli, "tcl", s2k, "-o", script] + args,
                           capture_output=True, text=True)
        warnings = [l for l in p.stderr.splitlines() if l.strip()]
        if p.returncode != 0:
            raise Judged("vek-cli tcl exited with %d: %s"
                         % (p.returncode, " | ".join(warnings)[:400]))
        if not os.path.exists(script) or os.path.getsize(script) == 0:
            raise Judged("vek-cli tcl wrote no script")
        with open(script, encoding="utf-8", errors="replace") as f:
            text = f.read()
        with open(script, "a", encoding="utf-8") as f:
            f.write('\r\nputs "%s"\r\n' % MARKER)
        for motion in ("GMX.txt", "DM1X.txt"):
            source = os.path.join(self.examples, motion)
            if not os.path.exists(source):
                raise Judged("%s is missing" % source)
            shutil.copy(source, folder)
        proc = subprocess.Popen([self.opensees, "model.tcl"], cwd=folder,
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, start_new_session=True)
        try:
            out, _ = proc.communicate(timeout=self.timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.communicate()
            raise Judged("OpenSees took more than %g s" % self.timeout)
        output = out.decode("utf-8", errors="replace")
        with open(os.path.join(folder, "opensees.log"), "w", encoding="utf-8") as f:
            f.write(output)
        aggregator = setting_value(args, "UseSectionAggregator", "0") in ("1", "true", "-1")
        points = int(setting_value(args, "NumIntegrationPoints", "3"))
        note = judge_run(folder, output, text, model, aggregator, points, max_disp)
        if warnings:
            note += "; vek-cli: " + " | ".join(sorted(set(warnings)))[:300]
        return note


def jobs_of(examples, settings):
    """(jobs, skips): the runs of every example, and the lines of the skipped ones."""
    jobs, skips = [], []
    files = sorted(f for f in os.listdir(examples) if f.endswith(".s2k"))
    unknown = set(settings) - set(files)
    if unknown:
        raise SystemExit("example_settings.txt names files that are not examples: %s"
                         % " ".join(sorted(unknown)))
    for name in files:
        s2k = os.path.join(examples, name)
        extra, skipped, max_disp = settings.get(name, ([], set(), None))
        runs = [(t, a, []) for t in range(1, 8) for a in (0, 1)]
        runs += [(t, a, more) for t, more in EXTRA_RUNS for a in (0, 1)]
        for t, a, more in runs:
            sets = ["AnalysisType=%d" % t, "UseSectionAggregator=%d" % a] + COMMON_SETTINGS + more
            label = "%s %s" % (name, " ".join(["AnalysisType=%d" % t,
                                                "UseSectionAggregator=%d" % a] + more))
            if t in skipped:
                skips.append("SKIP %s: type %d skipped in example_settings.txt" % (label, t))
                continue
            args = []
            for s in sets:
                args += ["--set", s]
            jobs.append((s2k, args + extra, label, max_disp))
    if not files:
        raise SystemExit("no .s2k files in %s" % examples)
    return jobs, skips


def main(argv):
    if len(argv) == 2 and argv[1] == "--selftest":
        return selftest()
    if len(argv) != 4:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    cli, examples, opensees = (os.path.abspath(a) if os.sep in a else a for a in argv[1:])
    here = os.path.dirname(os.path.abspath(__file__))
    settings = read_example_settings(os.path.join(here, "example_settings.txt"))
    jobs, skips = jobs_of(examples, settings)
    for line in skips:
        print(line, flush=True)
    start = time.monotonic()
    work = tempfile.mkdtemp(prefix="vek-opensees-")
    runner = Runner(cli, examples, opensees, work)
    counts = {"PASS": 0, "FAIL": 0}
    n_jobs = max(1, int(os.environ.get("OPENSEES_JOBS", "2")))
    # The longest runs (the transient ones) start first, so that the workers finish together;
    # the lines come in the order of the examples and types.
    transient = ("5", "6", "7")
    order = sorted(range(len(jobs)),
                   key=lambda i: setting_value(jobs[i][1], "AnalysisType", "1") not in transient)
    with ThreadPoolExecutor(max_workers=n_jobs) as pool:
        futures = {i: pool.submit(runner.run, jobs[i]) for i in order}
        for i in range(len(jobs)):
            status, label, note, seconds = futures[i].result()
            counts[status] += 1
            print("%s %s (%.1f s): %s" % (status, label, seconds, note), flush=True)
    if counts["FAIL"] == 0 and not runner.keep:
        shutil.rmtree(work, ignore_errors=True)
    print("%d runs: %d passed, %d failed, %d skipped, %.0f s"
          % (len(jobs), counts["PASS"], counts["FAIL"], len(skips), time.monotonic() - start))
    return 1 if counts["FAIL"] else 0


# ---------------------------------------------------------------- self-test of the judge


def selftest():
    """Feeds the judge made-up runs: right ones must pass, each broken one must fail."""
    dump = {
        "JointCount": 4, "FrameCount": 5,
        "Frames": [{"Section": s} for s in (1, 2, 3, 4, 5)],
        "FrameSections": [{"ElemType": t} for t in (ELASTIC, NONLINEAR, HINGES, TRUSS,
                                                    RELEASE_LINK)],
    }
    model = Model(dump)
    script = "\r\n".join([
        "node 1 0 0 0", "node 2 0 0 1", "node 3 1 0 1", "node 4 1 0 1",
        "element elasticBeamColumn 1 1 2 1 1 1 1 1 1 1",
        "element nonlinearBeamColumn 2 2 3 3 1002 2",
        "element beamWithHinges 3 2 3 1003 100 1003 100 1 1 1 1 1 1 3",
        "element trussSection 4 1 3 4",
        "element zeroLength 5 3 4 -mat 2 2 2 -dir 4 5 6",
        "element ShellMITC4 6 1 2 3 4 701",
        "recorder Node -file n0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
        "recorder Element -file e0.out -time -eleRange 1 100 localForce",
        "recorder Element -file s1.out -time -eleRange 1 5 section 1 deformation",
        "recorder Element -file s3.out -time -eleRange 1 5 section 3 deformation",
        "recorder Element -file x.out -time -eleRange 101 110 localForce",
        "analyze 2",
    ]) + "\r\n"
    good = {
        "n0.out": 1 + 3 * 4,
        "e0.out": 1 + 12 + 12 + 12 + 12 + 3 + 0,
        "s1.out": 1 + 0 + 6 + 6 + 4 + 0,  # with the aggregator
        "s3.out": 1 + 0 + 6 + 4 + 0 + 0,
        "x.out": 1,
    }
    output = "analysis\n%s\n" % MARKER
    failures = []

    def attempt(label, files, out=output, text=script, should_pass=False, value="1.5",
                max_disp=None):
        folder = tempfile.mkdtemp(prefix="vek-judge-")
        try:
            for name, columns in files.items():
                with open(os.path.join(folder, name), "w") as f:
                    for step in range(2 if columns is not None else 0):
                        f.write(" ".join(["%g" % (0.5 * (step + 1))] + [value] * (columns - 1))
                                + "\n")
            try:
                judge_run(folder, out, text, model, True, 3, max_disp)
                passed, reason = True, ""
            except Judged as e:
                passed, reason = False, str(e)
        finally:
            shutil.rmtree(folder, ignore_errors=True)
        ok = passed == should_pass
        print("%s %s%s" % ("ok " if ok else "BAD", label, ": " + reason if reason else ""))
        if not ok:
            failures.append(label)

    attempt("a right run passes", good, should_pass=True)
    empty = dict(good, **{"x.out": None})
    attempt("an empty file for a range without members passes", empty, should_pass=True)
    for name in good:
        broken = dict(good)
        broken[name] = good[name] + 1
        attempt("one column too many in %s fails" % name, broken)
        missing = dict(good)
        del missing[name]
        attempt("a missing %s fails" % name, missing)
    attempt("an empty file for a range with members fails", dict(good, **{"e0.out": None}))
    attempt("no marker fails", good, out="analysis\n")
    for text in FAILURE_TEXTS:
        attempt("output with '%s' fails" % text, good, out="x %s y\n%s\n" % (text, MARKER))
    attempt("a step too few fails", good, text=script.replace("analyze 2", "analyze 3"))
    attempt("an element kind other than the dump's fails", good,
            text=script.replace("element nonlinearBeamColumn", "element dispBeamColumn"))
    attempt("a tag defined twice fails", good,
            text=script.replace("ShellMITC4 6 ", "ShellMITC4 5 "))
    reversed_range = script.replace("-eleRange 101 110", "-eleRange 6 5")
    attempt("a reversed range over elements that exist fails", good, text=reversed_range)
    attempt("a value that is not a number fails", good, value="nan")
    attempt("a joint without a node fails", good, text=script.replace("node 4 1 0 1", ""))
    attempt("a node more than the joints passes", good, should_pass=True,
            text=script.replace("node 4 1 0 1", "node 4 1 0 1\r\nnode 200 1 1 1"))
    attempt("displacements within the plausible limit pass", good, should_pass=True,
            max_disp=10)
    attempt("a displacement over the plausible limit fails", good, max_disp=1)
    attempt("a run in which no node moves fails", good, value="0", max_disp=10)
    attempt("a run without analysis steps may leave the nodes at rest", good, should_pass=True,
            value="0", max_disp=10, text=script.replace("analyze 2", "record\r\nrecord"))
    folder = tempfile.mkdtemp(prefix="vek-judge-")
    try:
        path = os.path.join(folder, "settings.txt")
        with open(path, "w") as f:
            f.write("# comment\na.s2k ControlNode=3 skip=4,5  # why\n"
                    "a.s2k --solid-material=100:E=30000,Poisson=0.2 --flag maxdisp=20\n"
                    "b.s2k skip=7\n")
        read = read_example_settings(path)
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    expected = {"a.s2k": (["--set", "ControlNode=3", "--solid-material",
                           "100:E=30000,Poisson=0.2", "--flag"], {4, 5}, 20.0),
                "b.s2k": ([], {7}, None)}
    ok = read == expected
    print("%s the settings file is read into vek-cli arguments, skips and limits%s"
          % ("ok " if ok else "BAD", "" if ok else ": %r" % (read,)))
    if not ok:
        failures.append("settings file")
    print("self-test: %d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
