#!/usr/bin/env python3
"""End-to-end checks of arg_pass.com and standin.com inside a real, headless DOSBox.

Every DOSBox run gets its own temporary C: and D: drives, its own configuration
file (sound off, surface output) and its own HOME, so nothing reaches the
user's DOSBox settings. The stand-in game writes QFRUN.TXT in the directory it
ran in; errorlevels are written to files by a batch ladder (QFEL.BAT).

usage: dosbox_programs_test.py ARG_PASS.COM STANDIN.COM [case ...]
Prints one line per case and a summary; exits 1 on any failure, 77 when
DOSBox is not installed.
"""

import os
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

FILE_SIZE = 12683
ROOM = 128
MARKER_DIR = b"xxchdir"
MARKER_PROG = b"yydukedir"
MARKER_FLAG = b"zzdukedir"
RUN_TIMEOUT = 30
# DOSBox 0.74 takes at most 11 -c commands and silently drops the rest, the
# closing "exit" included, and then sits at its prompt until killed.
MAX_C_COMMANDS = 11

CONF = """\
[sdl]
fullscreen=false
output=surface
[cpu]
cycles=max
[mixer]
nosound=true
[sblaster]
sbtype=none
[speaker]
pcspeaker=false
[midi]
mpu401=none
"""

# "if errorlevel N" holds for every N up to the errorlevel, so the last SET wins.
LADDER = "\r\n".join(
    ["@echo off"]
    + ["if errorlevel %d set QFEL=%d" % (n, n) for n in range(256)]
    + ["echo %QFEL%>%1", ""]
)

# Starts the stand-in with the batch file's arguments, as a game's batch would.
RUNGAME_BAT = "@echo off\r\nC:\\GAME\\STANDIN.COM %1 %2 %3 %4 %5 %6 %7 %8 %9\r\n"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure("%s: expected %r, got %r" % (what, expected, actual))


def patched(image, directory, program, flag=b"N"):
    """The arg_pass image with a directory, a program and the way-back flag filled in."""
    data = bytearray(image)
    for marker, value, room in ((MARKER_DIR, directory, ROOM), (MARKER_PROG, program, ROOM)):
        if value is None:
            continue
        raw = value.encode("ascii") + b"\0"
        assert len(raw) <= room, value
        at = data.index(marker) + len(marker)
        data[at : at + len(raw)] = raw
    if flag is not None:
        data[data.index(MARKER_FLAG) + len(MARKER_FLAG)] = flag[0]
    return bytes(data)


class Session:
    """One DOSBox run over two temporary drives."""

    def __init__(self, root, dosbox):
        self.root = root
        self.dosbox = dosbox
        self.drives = {"C": os.path.join(root, "c"), "D": os.path.join(root, "d")}
        for path in self.drives.values():
            os.makedirs(path)
        self.home = os.path.join(root, "home")
        os.makedirs(self.home)
        self.conf = os.path.join(root, "qf95test.conf")
        with open(self.conf, "w") as f:
            f.write(CONF)
        self.put("C:\\QFEL.BAT", LADDER.encode("ascii"))
        self.output = ""

    def host(self, dos_path):
        drive, rest = dos_path[0].upper(), dos_path[3:]
        return os.path.join(self.drives[drive], *[p for p in rest.split("\\") if p])

    def put(self, dos_path, data):
        path = self.host(dos_path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)

    def mkdir(self, dos_path):
        os.makedirs(self.host(dos_path), exist_ok=True)

    def exists(self, dos_path):
        return os.path.exists(self.host(dos_path))

    def read(self, dos_path):
        path = self.host(dos_path)
        check(os.path.exists(path), "%s was not written" % dos_path)
        with open(path, "rb") as f:
            return f.read().decode("latin-1")

    def lines(self, dos_path):
        text = self.read(dos_path)
        check(text.endswith("\r\n"), "%s does not end in CR LF: %r" % (dos_path, text))
        return text[:-2].split("\r\n")

    def errorlevel(self, dos_path):
        return int(self.read(dos_path).strip())

    def run(self, *commands):
        """Runs the DOS commands from C:\\GAME, then exits DOSBox."""
        lines = ["mount %s %s" % (letter.lower(), path) for letter, path in self.drives.items()]
        lines += ["c:", "cd \\GAME"] + list(commands) + ["exit"]
        assert len(lines) <= MAX_C_COMMANDS, "too many commands for one run: use run_batch"
        args = list(self.dosbox) + ["-conf", self.conf]
        for line in lines:
            args += ["-c", line]
        env = dict(os.environ, HOME=self.home, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
        try:
            done = subprocess.run(
                args, env=env, cwd=self.root, stdin=subprocess.DEVNULL,
                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=RUN_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("DOSBox did not exit within %d s: %s" % (RUN_TIMEOUT, commands))
        self.output = done.stdout.decode("latin-1", "replace")
        check(done.returncode == 0, "DOSBox exited with %d:\n%s" % (done.returncode, self.output))

    def run_batch(self, *commands):
        """Runs any number of DOS commands through a batch file, C:\\QFSTEPS.BAT."""
        self.put("C:\\QFSTEPS.BAT", ("\r\n".join(["@echo off"] + list(commands)) + "\r\n").encode("ascii"))
        self.run("call C:\\QFSTEPS.BAT")


class Cases:
    def __init__(self, arg_pass, standin, dosbox):
        with open(arg_pass, "rb") as f:
            self.image = f.read()
        with open(standin, "rb") as f:
            self.standin = f.read()
        self.dosbox = dosbox
        self.temp = None

    def session(self, directory="D:\\MAPS", program="C:\\GAME\\STANDIN.COM", flag=b"N"):
        """A session with C:\\GAME\\STANDIN.COM, D:\\MAPS and a patched C:\\GAME\\ARG_PASS.COM."""
        s = Session(tempfile.mkdtemp(dir=self.temp), self.dosbox)
        s.put("C:\\GAME\\STANDIN.COM", self.standin)
        s.mkdir("D:\\MAPS")
        s.put("C:\\GAME\\ARG_PASS.COM", patched(self.image, directory, program, flag))
        return s

    # --- the file the front-end patches ---------------------------------------

    def case_layout(self):
        """Size and markers, without DOSBox."""
        check_equal(len(self.image), FILE_SIZE, "arg_pass.com size")
        for marker in (MARKER_DIR, MARKER_PROG, MARKER_FLAG):
            check_equal(self.image.count(marker), 1, "occurrences of %s" % marker.decode())
        for marker in (MARKER_DIR, MARKER_PROG):
            at = self.image.index(marker) + len(marker)
            check(self.image[at : at + ROOM] == bytes(ROOM),
                  "the room after %s is not empty" % marker.decode())
        at = self.image.index(MARKER_FLAG) + len(MARKER_FLAG)
        check(at < FILE_SIZE, "no flag byte after the last marker")
        check_equal(self.image[at], 0, "unpatched way-back flag")
        # A patch must reach exactly the bytes after the markers.
        changed = patched(self.image, "D:\\MAPS", "C:\\X.EXE")
        diff = [i for i in range(FILE_SIZE) if changed[i] != self.image[i]]
        check_equal(len(diff), len("D:\\MAPS") + len("C:\\X.EXE") + 1, "bytes changed by a patch")

    # --- arg_pass in DOSBox -------------------------------------------------

    def case_tail_and_directory(self):
        s = self.session()
        s.run("ARG_PASS.COM -map test.map /v1", "call C:\\QFEL.BAT C:\\EL.TXT")
        check(not s.exists("C:\\GAME\\QFRUN.TXT"), "the game ran in C:\\GAME, not in D:\\MAPS")
        check_equal(s.lines("D:\\MAPS\\QFRUN.TXT"),
                    ["CWD=D:\\MAPS", "TAIL= -map test.map /v1"], "QFRUN.TXT")
        check_equal(s.errorlevel("C:\\EL.TXT"), 0, "errorlevel")

    def case_tail_kept_byte_for_byte(self):
        # What the game gets must be what arg_pass got: compare with the stand-in run directly.
        tails = ["   Two  Blanks\tTab /X", "", "/v1", " \"quoted  text\" ;,=end"]
        commands = []
        for n, tail in enumerate(tails):
            commands += ["C:\\GAME\\STANDIN.COM" + tail,
                         "copy C:\\GAME\\QFRUN.TXT C:\\DIRECT%d.TXT" % n,
                         "C:\\GAME\\ARG_PASS.COM" + tail,
                         "copy D:\\MAPS\\QFRUN.TXT C:\\PASSED%d.TXT" % n,
                         "C:"]
        s = self.session()
        s.run_batch(*commands)
        for n, tail in enumerate(tails):
            direct = s.lines("C:\\DIRECT%d.TXT" % n)[1]
            check_equal(s.lines("C:\\PASSED%d.TXT" % n)[1], direct, "tail for %r" % tail)

    def case_exit_code_passes_through(self):
        s = self.session()
        s.run("C:\\GAME\\ARG_PASS.COM /exit:7", "call C:\\QFEL.BAT C:\\EL7.TXT",
              "C:\\GAME\\ARG_PASS.COM -x /EXIT:255", "call C:\\QFEL.BAT C:\\EL255.TXT",
              "C:\\GAME\\ARG_PASS.COM -x", "call C:\\QFEL.BAT C:\\EL0.TXT")
        check_equal(s.errorlevel("C:\\EL7.TXT"), 7, "errorlevel for /exit:7")
        check_equal(s.errorlevel("C:\\EL255.TXT"), 255, "errorlevel for /EXIT:255")
        check_equal(s.errorlevel("C:\\EL0.TXT"), 0, "errorlevel without /exit")

    def case_directory_forms(self):
        # (patched directory, where the game must have run)
        forms = [
            ("D:", "D:\\"),
            ("D:\\", "D:\\"),
            ("D:\\MAPS\\", "D:\\MAPS"),
            ("d:\\maps", "D:\\MAPS"),
            ("\\MAPS", "C:\\MAPS"),
            ("", "C:\\GAME"),
        ]
        for directory, expected in forms:
            s = self.session(directory=directory)
            s.mkdir("C:\\MAPS")
            # D: stands in \MAPS beforehand, so "D:" must not mean "where D: is".
            s.run("cd D:\\MAPS", "ARG_PASS.COM form", "call C:\\QFEL.BAT C:\\EL.TXT")
            where = expected if expected.endswith("\\") else expected + "\\"
            check_equal(s.lines(where + "QFRUN.TXT"), ["CWD=" + expected, "TAIL= form"],
                        "game run for directory %r" % directory)
            check_equal(s.errorlevel("C:\\EL.TXT"), 0, "errorlevel for directory %r" % directory)

    def case_stays_in_game_directory_with_n(self):
        s = self.session(flag=b"N")
        s.run("ARG_PASS.COM game", "cd > C:\\WHERE.TXT")
        check_equal(s.read("C:\\WHERE.TXT").strip(), "D:\\MAPS", "directory after the game")

    def case_goes_back_without_n(self):
        s = self.session(flag=b"\0")
        s.mkdir("D:\\OTHER")
        # D: stands in \OTHER before the start; both drives must be as they were after it.
        s.run("cd D:\\OTHER", "ARG_PASS.COM game", "cd > C:\\WHERE.TXT", "D:",
              "cd > C:\\WHERED.TXT")
        check_equal(s.lines("D:\\MAPS\\QFRUN.TXT"), ["CWD=D:\\MAPS", "TAIL= game"], "QFRUN.TXT")
        check_equal(s.read("C:\\WHERE.TXT").strip(), "C:\\GAME", "directory after the game")
        check_equal(s.read("C:\\WHERED.TXT").strip(), "D:\\OTHER", "D: directory after the game")

    def case_batch_program(self):
        s = self.session(program="C:\\GAME\\RUNGAME.BAT")
        s.put("C:\\GAME\\RUNGAME.BAT", RUNGAME_BAT.encode("ascii"))
        s.run("ARG_PASS.COM -map test.map /v1 /exit:7", "call C:\\QFEL.BAT C:\\EL.TXT",
              "cd > C:\\WHERE.TXT")
        check_equal(s.lines("D:\\MAPS\\QFRUN.TXT"),
                    ["CWD=D:\\MAPS", "TAIL= -map test.map /v1 /exit:7"], "QFRUN.TXT")
        # The command interpreter ends with 0 whatever the batch file's programs returned.
        check_equal(s.errorlevel("C:\\EL.TXT"), 0, "errorlevel after a batch program")
        check_equal(s.read("C:\\WHERE.TXT").strip(), "D:\\MAPS", "directory after the batch")

    def case_batch_program_interpreter(self):
        # Without COMSPEC the built-in Z:\COMMAND.COM runs it; a wrong COMSPEC is reported.
        s = self.session(program="C:\\GAME\\rungame.bat")
        s.put("C:\\GAME\\RUNGAME.BAT", RUNGAME_BAT.encode("ascii"))
        s.run("set COMSPEC=", "ARG_PASS.COM no comspec",
              "set COMSPEC=Z:\\NOSHELL.COM", "C:", "ARG_PASS.COM bad comspec > C:\\OUT.TXT",
              "call C:\\QFEL.BAT C:\\EL.TXT")
        check_equal(s.lines("D:\\MAPS\\QFRUN.TXT")[1], "TAIL= no comspec", "tail without COMSPEC")
        check_equal(s.errorlevel("C:\\EL.TXT"), 3, "errorlevel for a missing interpreter")
        check("arg_pass: cannot run Z:\\NOSHELL.COM" in s.read("C:\\OUT.TXT"),
              "message: %r" % s.read("C:\\OUT.TXT"))

    def case_batch_tail_too_long(self):
        s = self.session(program="C:\\GAME\\RUNGAME.BAT")
        s.put("C:\\GAME\\RUNGAME.BAT", RUNGAME_BAT.encode("ascii"))
        # " /C C:\GAME\RUNGAME.BAT" is 23 characters: 103 more still fit, 104 do not.
        fits = " " + "a" * 102
        s.run("ARG_PASS.COM" + fits, "call C:\\QFEL.BAT C:\\ELFIT.TXT",
              "C:", "ARG_PASS.COM" + fits + "b > C:\\OUT.TXT", "call C:\\QFEL.BAT C:\\EL.TXT")
        check_equal(s.errorlevel("C:\\ELFIT.TXT"), 0, "errorlevel for a tail that fits")
        check_equal(s.errorlevel("C:\\EL.TXT"), 1, "errorlevel for a tail too long")
        check("arg_pass: command line too long for C:\\GAME\\RUNGAME.BAT" in s.read("C:\\OUT.TXT"),
              "message: %r" % s.read("C:\\OUT.TXT"))

    def case_missing_program(self):
        for program in ("C:\\GAME\\NOPE.COM", "C:\\GAME\\NOPE.BAT"):
            s = self.session(program=program)
            s.run("ARG_PASS.COM x > C:\\OUT.TXT", "call C:\\QFEL.BAT C:\\EL.TXT",
                  "cd > C:\\WHERE.TXT")
            check_equal(s.errorlevel("C:\\EL.TXT"), 3, "errorlevel for %s" % program)
            out = s.read("C:\\OUT.TXT")
            check("arg_pass: cannot run %s (DOS error 2)" % program in out, "message: %r" % out)
            check_equal(s.read("C:\\WHERE.TXT").strip(), "C:\\GAME",
                        "directory after a failed start of %s" % program)

    def case_missing_program_path(self):
        s = self.session(program=None)
        s.run("ARG_PASS.COM x > C:\\OUT.TXT", "call C:\\QFEL.BAT C:\\EL.TXT")
        check_equal(s.errorlevel("C:\\EL.TXT"), 3, "errorlevel")
        check("arg_pass: no program to run" in s.read("C:\\OUT.TXT"), "message")

    def case_missing_directory(self):
        for directory in ("D:\\NOPE", "Q:\\GAMES"):
            s = self.session(directory=directory)
            s.run("ARG_PASS.COM x > C:\\OUT.TXT", "call C:\\QFEL.BAT C:\\EL.TXT",
                  "cd > C:\\WHERE.TXT")
            check_equal(s.errorlevel("C:\\EL.TXT"), 2, "errorlevel for %s" % directory)
            out = s.read("C:\\OUT.TXT")
            check("arg_pass: cannot change to directory %s" % directory in out,
                  "message: %r" % out)
            check(not s.exists("D:\\MAPS\\QFRUN.TXT") and not s.exists("C:\\GAME\\QFRUN.TXT"),
                  "the game ran although %s is missing" % directory)
            check_equal(s.read("C:\\WHERE.TXT").strip(), "C:\\GAME",
                        "directory after failing on %s" % directory)

    # --- the stand-in game's own file reading --------------------------------

    def case_reads_file_through_short_names(self):
        s = self.session(directory="C:\\GAME")
        long_dir = os.path.join(s.drives["C"], "Program Files", "Long File Name Dir")
        os.makedirs(long_dir)
        with open(os.path.join(long_dir, "data.txt"), "wb") as f:
            f.write(b"first line of data\r\nsecond line\r\n")
        with open(os.path.join(long_dir, "wide.txt"), "wb") as f:
            f.write(b"x" * 100 + b"\n")
        s.run("ARG_PASS.COM @C:\\PROGRA~1\\LONGFI~1\\DATA.TXT rest",
              "copy QFRUN.TXT C:\\R1.TXT",
              "ARG_PASS.COM  @C:\\PROGRA~1\\LONGFI~1\\WIDE.TXT",
              "copy QFRUN.TXT C:\\R2.TXT",
              "ARG_PASS.COM @C:\\PROGRA~1\\NOPE.TXT")
        check_equal(s.lines("C:\\R1.TXT"),
                    ["CWD=C:\\GAME", "TAIL= @C:\\PROGRA~1\\LONGFI~1\\DATA.TXT rest",
                     "READ=first line of data"], "QFRUN.TXT for DATA.TXT")
        check_equal(s.lines("C:\\R2.TXT")[2], "READ=" + "x" * 80, "first line cut at 80")
        check_equal(s.lines("C:\\GAME\\QFRUN.TXT")[2], "READ=FAILED", "missing file")


def main(argv):
    if len(argv) < 3:
        print("usage: dosbox_programs_test.py ARG_PASS.COM STANDIN.COM [case ...]")
        return 2
    dosbox = shlex.split(os.environ.get("QF95_DOSBOX", "dosbox"))
    cases = Cases(argv[1], argv[2], dosbox)
    names = sorted(n[len("case_"):] for n in dir(cases) if n.startswith("case_"))
    wanted = argv[3:] or names
    unknown = [n for n in wanted if n not in names]
    if unknown:
        print("unknown case(s): %s; known: %s" % (", ".join(unknown), ", ".join(names)))
        return 2
    if wanted != ["layout"] and shutil.which(dosbox[0]) is None:
        print("SKIP: %s is not installed" % dosbox[0])
        return 77
    passed = failed = 0
    with tempfile.TemporaryDirectory(prefix="qf95-dosbox-") as temp:
        cases.temp = temp
        for name in wanted:
            started = time.monotonic()
            try:
                getattr(cases, "case_" + name)()
            except Failure as e:
                failed += 1
                print("FAIL %s: %s" % (name, e))
            else:
                passed += 1
                print("ok   %s (%.1f s)" % (name, time.monotonic() - started))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
