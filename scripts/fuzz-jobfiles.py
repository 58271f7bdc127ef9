#!/usr/bin/env python3
"""Runs mutated job files through the program and fails on any crash.

Each job is a silent script over a few small photos, built from the job
files under tests/data/jobfiles (their property blocks and filters) and the
filter records the loader reads, with values out of range, wrong types,
huge numbers, missing and repeated elements and every filter id with odd
values. The jobs come from a fixed seed: the same files on every machine.
Meant for the AddressSanitizer/UBSan build; a sanitizer report, a signal
or a job still running after --hang-limit seconds fails the run. Exit
statuses 0 to 3 are the program's normal outcomes.

    scripts/fuzz-jobfiles.py --program build-asan/bin/glimmerbox
"""

import argparse
import concurrent.futures
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
KNOWN_JOBS = [ROOT / "tests/data/jobfiles/known.gbs", ROOT / "tests/data/jobfiles/known.gbf"]
SAMPLE_PHOTOS = sorted((ROOT / "examples/photos").glob("*.jpg"))

NORMAL_EXITS = {0, 1, 2, 3}
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "runtime error:", "SUMMARY: UndefinedBehaviorSanitizer",
                   "ERROR: LeakSanitizer", "AddressSanitizer:DEADLYSIGNAL")
SANITIZER_EXIT = 86

# Numbers a value from a job file can be, in four kinds drawn alike: small
# and boundary values, the limits of the integer types and their
# neighbours, huge doubles, and text that is no (finite) number.
ODD_NUMBERS = [
    ["0", "-1", "1", "2", "3", "7", "0.5", "-0.5", "99", "100", "101", "255", "256", "360", "-360", "1000"],
    ["30000", "30001", "999999", "1000000", "2147483647", "2147483648", "-2147483648", "-2147483649",
     "4294967295", "4294967296"],
    ["9007199254740993", "9223372036854775807", "9300000000000000", "9223372036854775808",
     "-9223372036854775808", "-9223372036854775809", "1e18", "-1e18", "1e300", "-1e300"],
    ["1e-300", "1e999", "nan", "inf", "-inf", "", " ", "abc", "0x10", "1,5", " 7 ", "+5", "-0", "007", "1e3",
     "99999999999999999999999"],
]
ODD_TEXTS = ["", " ", "[Filename]", "[Counter][Counter][Counter]", "%d%s%n", "../../x", "/", "a/b",
             "\u65e5\u672c", "&amp;&lt;&gt;", "x" * 300, "[" * 50, "\t\n"]
FORMATS = ["JPG", "JPG", "JPG", "PNG", "PNG", "TIF", "GIF", "BMP", "WEBP", "PDF", "PSD", "TGA", "PCX", "JP2",
           "JPT", "HEIF", "Original", "Original", "", "XYZ", "jpg", "EPS", "WBMP", "SGI"]

# Every filter id with parameters that give a working filter; the mutations
# start from these.
FILTERS = {
    1000: ([1, 8, 16, 14, 0, 2, 0, 0, 0, 10, 1, 0, 0, 0, 4294967295, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1,
            4278190080, 40, 4, 315, 3], ["Mark [Filename]\n[ImageDimensions]", "DejaVu Sans", ""]),
    1010: ([4, 5, 5, 0, 10, 10, 50, 0, 20, 0, 1, 16711680, 0, 2, 1, 0, 30, 20, 45, 1], ["@logo"]),
    1020: ([0, 30], ["@mask", "@mask"]),
    2001: ([1, 16777215, 0, 0, 0], []),
    2002: ([2, 0, 0, 0], []),
    2003: ([1, 255, 0, 0], []),
    2004: ([3, 65280, 0, 0], []),
    2005: ([12, 5, 0, 0, 2], []),
    2010: ([20, 1], []),
    2020: ([60, 4, 8421504, 1], []),
    2030: ([4, 4, 6, 6, 0, 16711935, 0], []),
    3000: ([20], []),
    3020: ([10, 10], []),
    3030: ([2], []),
    3040: ([10, 10], []),
    3050: ([10, 10], []),
    3060: ([], []),
    3070: ([40], []),
    3080: ([], []),
    3090: ([2], []),
    3100: ([3], []),
    3120: ([20, 30], []),
    3130: ([50], []),
    3140: ([30, 30, 1], []),
    3150: ([5], []),
    3160: ([90], []),
    3170: ([5, 3], []),
    4000: ([], []),
    4003: ([], []),
    4006: ([], []),
    4010: ([20, 10], []),
    4020: ([30, 40], []),
    4030: ([10, 0, -5], []),
    4040: ([], []),
    4050: ([10, -20, 5], []),
    4060: ([20, 40, 20, 0], []),
    4070: ([1], []),
    4080: ([50], []),
    4090: ([50, 40, 10], []),
    5000: ([], []),
    5002: ([3, 1, 4, 3, 1], []),
    5010: ([30, 16777215, 0, 0, 0], []),
    5020: ([10, 10, 50, 40, 1], []),
    5030: ([1, 1], []),
    5040: ([50, 50, 1, 0, 1, 0], []),
    5050: ([80, 60, 0, 0, 72, 72, 1], []),
    5060: ([10, 20, 1], []),
    5070: ([30, 0], []),
    5080: ([40, 30, 2], []),
}
# Ids that no filter has, or whose low 16 bits are a filter's.
ODD_FILTER_IDS = ["0", "-1", "66536", "4294967295", "abc", "", "1000.5", "3080 ", "9999"]

# Properties that only folder-monitoring jobs carry.
MONITOR = [("Id", "m1"), ("Name", "watch"), ("Folder", "@photos"), ("PicCount", "5"), ("CreateLog", "1"),
           ("Overwrite", "0"), ("SilentMode", "1"), ("Type", "0"), ("Host", "")]

# Properties whose values stay as given so that a job cannot leave its own
# folder, reach a host other than 127.0.0.1 or wait for a person.
FIXED = {"DisableNotifications": "1", "DestPath": "@out", "FTPHost": "127.0.0.1", "FTPPort": "1",
         "FTPUser": "nobody"}
NAME_CHOICES = {
    "FilenameFormat": ["[Filename].[Extension]", "[Counter]-[Filename].[Extension]", "[DateTime] [Counter]",
                       "[FolderName] [Counter].[Extension]", "[Counter]" * 40, "../[Filename]", ""],
    "OutputFolder": ["Processed", "", "..", "a/b", "x" * 300, "/", "."],
    "OutputFormat": FORMATS,
    "DefaultFormat": FORMATS,
    "CustomProfile": ["@icc", "@icc", "", "@photos/missing.icc", "@logo"],
}


def xml_text(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def load_known_blocks():
    """The property blocks of the known job files: class -> [(name, value)]."""
    blocks = {}
    for path in KNOWN_JOBS:
        text = path.read_text(encoding="utf-8")
        text = re.sub(r"^<\?xml[^>]*\?>", "", text)
        root = ElementTree.fromstring(text)
        for properties in root.iter("Properties"):
            entries = blocks.setdefault(properties.get("Class"), [])
            for prop in properties.iter("Property"):
                name = prop.get("Name")
                if all(name != known for known, _ in entries):
                    entries.append((name, prop.text or ""))
    blocks.pop("Profile", None)
    blocks["Monitor"] = MONITOR
    # Start from a job that runs: a folder destination.
    blocks["Output"] = [(n, "1" if n == "Destination" else v) for n, v in blocks["Output"]]
    return blocks


class JobMaker:
    """Builds the text of one mutated job from a seeded random source."""

    def __init__(self, rng, blocks, photos):
        self.rng = rng
        self.blocks = blocks
        self.photos = photos

    def chance(self, p):
        return self.rng.random() < p

    def odd_number(self):
        return self.rng.choice(self.rng.choice(ODD_NUMBERS))

    def property_value(self, name, base):
        if name in FIXED:
            return FIXED[name]
        if name in NAME_CHOICES and self.chance(0.7):
            return self.rng.choice(NAME_CHOICES[name])
        if self.chance(0.4):
            return base
        if self.chance(0.8):
            return self.odd_number()
        return self.rng.choice(ODD_TEXTS)

    def properties_block(self, cls, entries):
        lines = []
        for name, base in entries:
            if self.chance(0.1) and name not in FIXED:
                continue  # missing
            lines.append((name, self.property_value(name, base)))
            if self.chance(0.05) and name not in FIXED:
                lines.append((name, self.property_value(name, base)))  # repeated
        if self.chance(0.1):
            lines.append(("Unknown", self.odd_number()))
        if self.chance(0.1):
            self.rng.shuffle(lines)
        body = "".join(f'\t\t<Property Name="{xml_text(n)}">{xml_text(v)}</Property>\n' for n, v in lines)
        return f'\t<Properties Class="{cls}">\n{body}\t</Properties>\n'

    def params(self, values):
        values = [str(value) for value in values]
        roll = self.rng.random()
        if roll < 0.15:
            values = values[: self.rng.randrange(len(values) + 1)]  # cut short
        elif roll < 0.25:
            values += ["0"] * self.rng.randrange(1, 40)  # more than the record holds
        if self.chance(0.15):
            return [self.odd_number()] * len(values)  # every value the same odd one
        share = self.rng.choice([0.05, 0.2, 0.5, 0.9])
        return [self.odd_number() if self.chance(share) else value for value in values]

    def filter_block(self):
        # The marks do the most arithmetic on their many values.
        fid = self.rng.choice(sorted(FILTERS) + [1000] * 5 + [1010] * 3)
        numbers, strings = FILTERS[fid]
        attributes = f'Id="{fid}"'
        if self.chance(0.04):
            attributes = f'Id="{xml_text(self.rng.choice(ODD_FILTER_IDS))}"'
        if self.chance(0.1):
            attributes += f' Active="{xml_text(self.odd_number())}"'
        body = ""
        for text in self.params(numbers):
            kind = "float" if not self.chance(0.03) else self.rng.choice(["int", "", "string"])
            body += f'\t\t\t<Param Type="{kind}">{xml_text(text)}</Param>\n'
        for text in strings:
            if self.chance(0.25):
                text = self.rng.choice(ODD_TEXTS + ["@photos", "@photos/missing.png", "@photo"])
            body += f'\t\t\t<Param Type="string">{xml_text(text)}</Param>\n'
        if self.chance(0.05):
            body += "\t\t\t<Deeper><Param Type=\"float\">1e300</Param></Deeper>\n"
        return f"\t\t<Filter {attributes}>\n{body}\t\t</Filter>\n"

    def images_block(self):
        lines = []
        for name in self.rng.sample(self.photos, self.rng.randint(1, min(3, len(self.photos)))):
            path = f"photos/{name}" if self.chance(0.5) else f"@photos/{name}"
            lines.append(f'\t\t<Image Path="{xml_text(path)}" />\n')
            if self.chance(0.05):
                lines.append(lines[-1])  # the same photo twice
        if self.chance(0.1):
            odd = self.rng.choice(["", "@photos", "@photos/missing.jpg", "photos/../photos/" + self.photos[0],
                                   "job.gbs"])
            lines.append(f'\t\t<Image Path="{xml_text(odd)}" />\n')
        if self.chance(0.15):
            mask = self.rng.choice(["*.jpg", "*", "*.png", "[a-", "*.*"])
            sub = self.rng.choice(["0", "1", "abc", ""])
            lines.append(f'\t\t<Search Path="photos/{xml_text(mask)}" Subfolders="{sub}" />\n')
        return "\t<Images>\n" + "".join(lines) + "\t</Images>\n"

    def job(self):
        parts = [self.properties_block("Script", self.blocks["Script"]), self.images_block()]
        filters = [self.filter_block() for _ in range(self.rng.choice([0, 1, 1, 2, 2, 3, 4, 6]))]
        parts.append("\t<Filters>\n" + "".join(filters) + "\t</Filters>\n")
        for cls in ("Rename", "Output", "Format", "Interface", "Monitor"):
            if cls == "Monitor" and not self.chance(0.15):
                continue
            if self.chance(0.05):
                continue  # the whole block missing
            parts.append(self.properties_block(cls, self.blocks[cls]))
            if self.chance(0.03):
                parts.append(self.properties_block(cls, self.blocks[cls]))  # a second block
        if self.chance(0.02):
            parts.append(self.images_block())  # two Images blocks: the job is refused
        body = "\n".join(parts)
        return f'<?xml version="1.0" encoding="utf-16"?>\n<Script Version="1" Mode="Silent">\n\n{body}\n</Script>\n'

    def encoded(self, text):
        data = text.encode("utf-16") if self.chance(0.1) else text.encode("utf-8")
        if self.chance(0.03):
            data = data[: self.rng.randrange(len(data))]  # cut short
        return data


def set_orientation(path, orientation):
    """Puts an EXIF block holding only the orientation into a JPEG."""
    ifd = (b"II*\0" + (8).to_bytes(4, "little") + (1).to_bytes(2, "little") + (0x0112).to_bytes(2, "little")
           + (3).to_bytes(2, "little") + (1).to_bytes(4, "little") + orientation.to_bytes(4, "little")
           + (0).to_bytes(4, "little"))
    payload = b"Exif\0\0" + ifd
    data = path.read_bytes()
    path.write_bytes(data[:2] + b"\xff\xe1" + (len(payload) + 2).to_bytes(2, "big") + payload + data[2:])


def make_fixtures(folder):
    """Small photos (one turned by its EXIF orientation, one grey, one with
    alpha, one of two pages), a logo and a mask, made with the ImageMagick
    command-line tool from the example photos, without time stamps."""
    folder.mkdir(parents=True, exist_ok=True)
    big = [str(p) for p in SAMPLE_PHOTOS]
    commands = [
        [big[0], "-resize", "96x64", "wide.jpg"],
        [big[1 % len(big)], "-resize", "80x80", "-colorspace", "Gray", "grey.jpg"],
        [big[2 % len(big)], "-resize", "48x60", "-alpha", "set", "-channel", "A", "-evaluate", "set", "60%",
         "+channel", "tall.png"],
        ["-size", "40x30", "gradient:red-blue", "-delay", "10", "-size", "40x30", "gradient:green-yellow",
         "pages.gif"],
        [big[0], "-resize", "32x24", "-compress", "lzw", "small.tif"],
        ["-size", "24x16", "xc:none", "-fill", "#ff000080", "-draw", "circle 12,8 12,2", "logo.png"],
        ["-size", "32x32", "gradient:white-black", "mask.png"],
    ]
    for command in commands:
        subprocess.run(["convert"] + command[:-1] + ["+set", "date:create", "+set", "date:modify", "-define",
                        "png:exclude-chunks=date,time", str(folder / command[-1])], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    set_orientation(folder / "wide.jpg", 6)
    return ["wide.jpg", "grey.jpg", "tall.png", "pages.gif", "small.tif"]


def resolve(text, job_dir, fixtures, icc):
    """Puts the job's own folders into the placeholders of a job text."""
    return (text.replace("@photos", str(job_dir / "photos")).replace("@out", str(job_dir / "out"))
            .replace("@logo", str(fixtures / "logo.png")).replace("@mask", str(fixtures / "mask.png"))
            .replace("@photo", str(job_dir / "photos" / "wide.jpg")).replace("@icc", icc))


def sandbox_environment(sandbox):
    """The program's environment: its own HOME, settings, runtime and
    temporary folders, no screen, nothing opened, and sanitizers that stop
    at the first report with an exit status of their own."""
    for sub in ("home/.config", "tmp", "runtime"):
        (sandbox / sub).mkdir(parents=True)
    (sandbox / "runtime").chmod(0o700)
    env = dict(os.environ)
    for name in ("GLIMMERBOX_UPDATE_URL", "GLIMMERBOX_RESOURCES"):
        env.pop(name, None)
    env.update({
        "HOME": str(sandbox / "home"), "XDG_CONFIG_HOME": str(sandbox / "home/.config"),
        "XDG_DATA_HOME": str(sandbox / "home/.local/share"), "XDG_CACHE_HOME": str(sandbox / "home/.cache"),
        "XDG_RUNTIME_DIR": str(sandbox / "runtime"), "TMPDIR": str(sandbox / "tmp"),
        "QT_QPA_PLATFORM": "offscreen", "GLIMMERBOX_OPENER": shutil.which("true") or "/bin/true",
        "ASAN_OPTIONS": f"detect_leaks=0:exitcode={SANITIZER_EXIT}",
        "UBSAN_OPTIONS": f"halt_on_error=1:print_stacktrace=1:exitcode={SANITIZER_EXIT}",
        # Jobs run side by side: one ImageMagick thread each.
        "MAGICK_THREAD_LIMIT": "1", "OMP_NUM_THREADS": "1",
    })
    return env


def run_program(command, cwd, env, err_path, limit):
    """Runs command, killed with its children after `limit` seconds; its exit
    status (negative for a signal), whether it was killed, and its peak
    memory in MB."""
    with open(err_path, "wb") as err:
        process = subprocess.Popen(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=err, start_new_session=True)
    killed = threading.Event()

    def kill():
        killed.set()
        os.killpg(process.pid, signal.SIGKILL)

    timer = threading.Timer(limit, kill)
    timer.start()
    _, status, usage = os.wait4(process.pid, 0)
    timer.cancel()
    process.returncode = os.waitstatus_to_exitcode(status)
    return process.returncode, killed.is_set(), usage.ru_maxrss // 1024


def run_job(index, data, args, fixtures, photos):
    job_dir = Path(args.work) / f"job{index:04d}"
    (job_dir / "photos").mkdir(parents=True)
    (job_dir / "out").mkdir()
    for name in photos:
        shutil.copyfile(fixtures / name, job_dir / "photos" / name)
    job = job_dir / "job.gbs"
    job.write_bytes(data)
    env = sandbox_environment(job_dir / "sandbox")
    err_path = job_dir / "stderr.txt"
    started = time.monotonic()
    status, hung, megabytes = run_program([args.program, str(job)], job_dir, env, err_path, args.hang_limit)
    seconds = time.monotonic() - started
    err = err_path.read_text(encoding="utf-8", errors="replace")
    report = [line for line in err.splitlines() if not re.match(r"^\d\d:\d\d:\d\d\.\d+ ", line)]
    problem = None
    if hung:
        problem = f"still running after {args.hang_limit:g} s"
    elif any(mark in err for mark in SANITIZER_MARKS) or status == SANITIZER_EXIT:
        problem = "sanitizer report"
    elif status < 0:
        problem = f"killed by signal {-status}"
    elif status not in NORMAL_EXITS:
        problem = f"exit status {status}"
    if problem is None and not args.keep:
        shutil.rmtree(job_dir, ignore_errors=True)
    return index, status, problem, seconds, megabytes, "\n".join(report[-40:])


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True, help="the glimmerbox binary (a sanitizer build)")
    parser.add_argument("--jobs", type=int, default=320, help="how many job files (default 320)")
    parser.add_argument("--seed", type=int, default=7919, help="seed of the mutations (default 7919)")
    parser.add_argument("--parallel", type=int, default=len(os.sched_getaffinity(0)),
                        help="jobs at once (default: the cores this process may use)")
    parser.add_argument("--hang-limit", type=float, default=120.0,
                        help="seconds a job may run before it counts as hung (default 120)")
    parser.add_argument("--only", type=int, action="append", help="run only this job number (repeatable)")
    parser.add_argument("--work", help="folder for the jobs (default: a new temporary folder, removed after)")
    parser.add_argument("--keep", action="store_true", help="keep every job's folder, not only the failed ones")
    args = parser.parse_args()
    args.program = str(Path(args.program).resolve())

    own_work = args.work is None
    args.work = args.work or tempfile.mkdtemp(prefix="gb-fuzz-")
    work = Path(args.work)
    fixtures = work / "fixtures"
    photos = make_fixtures(fixtures)
    icc = str(Path(args.program).parent.parent / "Resources" / "sRGB.icm")

    # Every job is drawn in order from one generator, whichever are run.
    rng = random.Random(args.seed)
    maker = JobMaker(rng, load_known_blocks(), photos)
    jobs = []
    for index in range(args.jobs):
        text = maker.job()
        data = maker.encoded(resolve(text, work / f"job{index:04d}", fixtures, icc))
        if not args.only or index in args.only:
            jobs.append((index, data))

    started = time.monotonic()
    failures = []
    statuses = {}
    slowest = (0.0, -1)
    largest = (0, -1)
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.parallel)) as pool:
        futures = [pool.submit(run_job, index, data, args, fixtures, photos) for index, data in jobs]
        for future in concurrent.futures.as_completed(futures):
            index, status, problem, seconds, megabytes, report = future.result()
            statuses[status] = statuses.get(status, 0) + 1
            slowest = max(slowest, (seconds, index))
            largest = max(largest, (megabytes, index))
            if problem:
                failures.append((index, problem, report))
    elapsed = time.monotonic() - started

    counts = ", ".join(f"{count} x {status}" for status, count in sorted(statuses.items()))
    print(f"fuzz-jobfiles: {len(jobs)} job(s) in {elapsed:.1f} s on {args.parallel} at once "
          f"(seed {args.seed}; exit statuses: {counts}; slowest: job {slowest[1]}, {slowest[0]:.1f} s; "
          f"largest: job {largest[1]}, {largest[0]} MB)")
    for index, problem, report in sorted(failures):
        print(f"\nfuzz-jobfiles: job {index}: {problem}; kept in {work / f'job{index:04d}'}; again with "
              f"--seed {args.seed} --jobs {index + 1} --only {index} --keep")
        if report:
            print(report)
    if not failures and own_work:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
