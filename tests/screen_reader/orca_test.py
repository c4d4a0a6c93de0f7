#!/usr/bin/env python3
# A blind learner's run through Quillory with the Orca screen reader:
#     on-xvfb.sh orca_test.py PROGRAM
# Orca has a session bus, runtime folder and home of its own. Its speech goes through
# speech-dispatcher to a null sound output, and what it says is read from its debug log as it is
# written, on a pseudo-terminal so that Python writes it a line at a time. The learner's keys go to
# the program and Orca must say each step's lines. Only Orca writes that log, so the test cannot
# pass without Orca listening to the program. The program's session bus answers late, as a busy
# machine's does: its window is active before Qt has connected to Orca. When it fails, it shows what
# Orca and speech-dispatcher printed and the end of Orca's log.
import contextlib, os, pty, re, shlex, shutil, signal, socket, subprocess, sys, tempfile, threading, time
from pathlib import Path


SPOKEN = Path(__file__).parents[1].joinpath("data/spoken.txt").read_text()
JUDGED = {int(version) for version in re.findall(r"^(\d+): ", SPOKEN, re.M)}


def steps(version):  # the learner's keys, and what this Orca must then say
    table = re.sub(rf"^{version}: ", "", SPOKEN, flags=re.M)
    blocks = re.split(r"^>", re.sub(r"^(#.*|\d+: .*)?\n", "", table, flags=re.M), flags=re.M)[1:]
    return [([a.strip() for a in keys.split(";") if a.strip()], said)
            for keys, *said in (block.splitlines() for block in blocks)]


# Seconds to wait for Orca's first words or a step's lines: a hang's guard,
# long enough for a sanitized build on two busy cores.
PATIENCE = 60
# Orca 43.1's launcher (Debian 12) will not start while the same user runs
# another Orca anywhere on the machine (it asks pgrep), and says so only on its
# output: a learner's own Orca, or this test run at the same time elsewhere,
# would leave this one silent. This Orca has a desktop of its own, so it starts
# without that check, and under its interpreter's name, keeping it from the
# others'. run() fails once the launcher no longer makes that check.
ORCA = """import shutil, sys
launcher = {"__name__": "launcher", "__file__": shutil.which("orca")}
exec(open(launcher["__file__"]).read(), launcher)
launcher.update(otherOrcas=lambda: [], setProcessName=lambda name: None)
sys.exit(launcher["main"]())"""


class Speech:  # what Orca has said
    def __init__(self):
        self._terminal, log = pty.openpty()
        self.path = os.ttyname(log)
        self.text, self._heard, self._logged, self._changed = "", 0, 0, threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while data := os.read(self._terminal, 1 << 16):
            with self._changed:
                self.text += data.decode(errors="replace")
                self._changed.notify_all()

    def lines(self):
        found = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", self.text, re.S)
        return [re.sub(r"\s*\n\s*", " ", line) for line in found]

    def heard(self, line):  # since the last step; "a | b" is either line; "focus X" is Orca's
        return any(f" to [{choice[6:]}]. Notify: " in self.text[self._logged:]  # focus moved to X
                   if choice.startswith("focus ") else choice in self.lines()[self._heard:]
                   for choice in line.split(" | "))

    # Orca 48 takes a focus before older events: a caret move left from typing in a box, taken when
    # Tab comes back there, moves its focus silently. A learner lets Orca finish; so does the test.
    def idle(self):  # Orca 48 has taken every event it had (Orca 43 does not tell)
        last = self.text.rsplit("vvvvv START PRIORITY-", 1)[1:]
        return not last or bool(re.match(r"[^\n]*size: 0\).*\^{5} FINISHED", last[0], re.S)) \
            and "MANAGER: Queued " not in last[0]

    # Orca 48 keeps what it worked out to say of an object until a timer clears it, every 2 s: a
    # description changed meanwhile is read as it was. A learner hearing Orca out gives it that
    # time; so does the test. (Orca 43 keeps nothing.)
    def forgot(self):
        cleared = self.text.rfind("GENERATOR: Clearing cache.")
        return cleared < 0 or cleared > self.text.rfind("GENERATOR: _generate")

    def expect(self, wanted, orca):  # every wanted line
        deadline = time.monotonic() + PATIENCE
        with self._changed:
            while not (all(self.heard(line) for line in wanted) and self.idle() and self.forgot()):
                left = deadline - time.monotonic()
                if left <= 0 or orca.poll() is not None:
                    said = f"{self.lines()[self._heard:]}{'' if self.idle() else ' and was busy'}"
                    ended = "" if orca.poll() is None else f" and ended ({orca.returncode})"
                    raise AssertionError(f"Orca did not say {wanted}; it said {said}{ended}")
                self._changed.wait(min(left, 0.5))  # and looks whether Orca still runs
            self._heard, self._logged = len(self.lines()), len(self.text)


def late_bus(bus, delay=0.7):  # a relay that holds back each of the bus's answers
    def forward(source, sink, wait):
        with contextlib.suppress(OSError):  # as the run ends
            while data := source.recv(1 << 16):
                time.sleep(wait)
                sink.sendall(data)
            sink.shutdown(socket.SHUT_WR)

    def serve(relay):
        while True:
            program, _ = relay.accept()
            upstream = socket.socket(socket.AF_UNIX)
            upstream.connect(bus)
            for ends in ((program, upstream, 0), (upstream, program, delay)):
                threading.Thread(target=forward, args=ends, daemon=True).start()
    relay = socket.create_server(f"{bus}.late", family=socket.AF_UNIX)
    threading.Thread(target=serve, args=(relay,), daemon=True).start()
    return f"unix:path={bus}.late"


def run(program, version, home, speech, start):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config", LANG="C.UTF-8",
               XDG_DATA_HOME=f"{home}/data", XDG_CACHE_HOME=f"{home}/cache",
               XDG_RUNTIME_DIR=f"{home}/runtime")
    os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
    bus = start("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--print-address=1",
                 f"--address=unix:path={home}/bus"], env, stdout=subprocess.PIPE)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    # Speech: started here, as Orca would leave it running as a daemon.
    settings = Path(home, "config/speech-dispatcher/speechd.conf")
    settings.parent.mkdir(parents=True)
    settings.write_text(Path("/etc", *settings.parts[-2:]).read_text() + 'AudioOutputMethod "libao"\n')
    Path(home, ".libao").write_text("default_driver=null\n")
    socket = f"{home}/speechd.sock"
    env["SPEECHD_ADDRESS"] = f"unix_socket:{socket}"
    start("speech-dispatcher", ["speech-dispatcher", "--run-single", "--timeout", "0",
                                "--socket-path", socket], env)
    wait_until(lambda: os.path.exists(socket), lambda: "speech-dispatcher did not start")
    launcher = Path(shutil.which("orca")).read_text()
    assert "if otherOrcas():" in launcher, "Orca no longer checks for other Orcas: drop ORCA's patch"
    python = launcher.splitlines()[0][2:].split()  # its #! line
    orca = start("orca", [*python, "-c", ORCA, "--debug-file", speech.path], env)
    speech.expect(["Screen reader on."], orca)
    start("quillory", [program], dict(env, DBUS_SESSION_BUS_ADDRESS=late_bus(f"{home}/bus")))
    for actions, wanted in steps(version):
        for action in actions:
            subprocess.run(["xdotool", *shlex.split(action)], env=env, check=True)
        speech.expect(wanted, orca)
        print(f"{' '.join(actions) or 'start'}: heard {wanted}", flush=True)


def main(program, version):
    home, started, speech = tempfile.mkdtemp(prefix="quillory-orca-"), [], Speech()

    def start(name, command, env, stdout=None):  # in one process group, ended together
        group = started[0].pid if started else 0
        with open(f"{home}/{name}.out", "wb") as out:
            started.append(subprocess.Popen(command, env=env, process_group=group,
                                            stdout=stdout or out, stderr=out))
        return started[-1]
    try:
        run(program, version, home, speech, start)
    except BaseException:
        for log in sorted(Path(home).glob("*.out")):  # what each program printed
            print(f"--- {log.relative_to(home)}:\n{log.read_text(errors='replace')}")
        print("--- the end of Orca's log:\n" + "".join(speech.text.splitlines(True)[-40:]))
        raise
    finally:
        if started:  # killed outright, so nothing gets to restart speech
            os.killpg(started[0].pid, signal.SIGKILL)
        for process in started:
            process.wait()
        wait_until(lambda: not left_behind(home), lambda: f"left running: {left_behind(home)}")
        shutil.rmtree(home)


def left_behind(home):  # the run's processes, started by whoever, that still run
    environments = [str(process) for process in Path("/proc").glob("[0-9]*/environ")]
    return subprocess.run(["grep", "-lsxzF", f"HOME={home}", *environments],
                          capture_output=True, text=True).stdout.split()


def wait_until(holds, failure):  # for what says nothing when it happens
    deadline = time.monotonic() + PATIENCE
    while not holds():
        assert time.monotonic() < deadline, failure()
        time.sleep(0.05)


if __name__ == "__main__":
    said = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    if (version := int(re.search(r"(\d+)\.\d+", said).group(1))) not in JUDGED:
        print(f"SKIPPED: Orca {version} is not judged: only Orca {JUDGED}'s words are")
        sys.exit(77)
    main(sys.argv[1], version)
