#!/usr/bin/env python3
# A blind learner's run through Quillory with the Orca screen reader:
#     on-xvfb.sh orca_test.py PROGRAM
# Orca has a session bus of its own. Its speech goes through speech-dispatcher to a null sound output, and what
# it says is read from its debug log as it is written, on a pseudo-terminal so
# that Python writes it a line at a time. The learner's keys go to the program
# and Orca must say each step's lines. Only Orca writes that log, so the test
# cannot pass without Orca listening to the program.
import os, pty, re, shlex, shutil, signal, subprocess, sys, tempfile, threading, time
from pathlib import Path

MENU = ["Quillory 1.0 frame.", "Welcome to the Verb list/test! What would you like to do?"]
CREDITS = ("Quillory V1.00 Beta This program is designed by Quillory Please visit my web sit at "
           "www.quillory.example or e-mail me at me@quillory.example.")
# What the learner does, as xdotool commands (the window manager's part too:
# giving a window the focus), and what Orca must then say, in any order.
STEPS = [
    ([], MENU + ["Verb list push button."]),
    (["key Tab"], ["Test push button."]),
    (["key space"], ["Verb test frame.", "notification Infinitive: arise.",
                     "Past Participle text.", "Infinitive: arise."]),
    (["key Tab"], ["Past Tense text.", "Infinitive: arise."]),
    # Typed keys reach the box after Orca has seen them, but an access key
    # acts at once: Tab, which waits its turn, comes between.
    (["type arose", "key Tab"], ["Check Past Tense push button."]),
    (["key space"], ["alert Quillory.", "Well done, you got it right!"]),
    (["key Return"], ["Check Past Tense push button."]),
    (["key shift+Tab"], ["Past Tense text.", "arose selected.", "Infinitive: arise."]),
    (["key shift+Tab"], ["Past Participle text.", "Infinitive: arise."]),
    (["type arised", "key Tab"], ["Past Tense text.", "arose selected."]),
    (["key alt+a"], ["alert Quillory.", "Wrong please try again."]),
    (["key Return"], ["Check Past Participle push button."]),
    (["key alt+n"], ["Next push button.", "notification Infinitive: awake."]),
    (["key alt+n"], ["notification Infinitive: be."]),
    (["key alt+b"], ["Back push button.", "notification Infinitive: awake."]),
    (["key Tab"], ["Past Participle text.", "Infinitive: awake."]),
    (["key alt+m"], MENU + ["Verb list push button."]),
    (["key Tab", "key Tab", "key space"], ["About frame.", CREDITS]),
    (["search --name '^Quillory 1.0$' windowfocus --sync", "key Tab"], ["Exit push button."]),
    (["key space"], ["alert Quillory.",
                     "Please visit my web site at www.quillory.example for more downloads!"]),
]
PATIENCE = 20  # seconds to wait for a step's lines; only a hang waits so long


class Speech:  # what Orca has said
    def __init__(self):
        self._terminal, log = pty.openpty()
        self.path = os.ttyname(log)
        self._text, self._heard, self._changed = "", 0, threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while data := os.read(self._terminal, 1 << 16):
            with self._changed:
                self._text += data.decode(errors="replace")
                self._changed.notify_all()

    def lines(self):
        found = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", self._text, re.S)
        return [re.sub(r"\s*\n\s*", " ", line) for line in found]

    def expect(self, wanted):  # every wanted line, said since the last step
        deadline = time.monotonic() + PATIENCE
        with self._changed:
            while not all(line in self.lines()[self._heard:] for line in wanted):
                if not self._changed.wait(deadline - time.monotonic()):
                    said = self.lines()[self._heard:]
                    raise AssertionError(f"Orca did not say {wanted}; it said {said}")
            self._heard = len(self.lines())


def run(program, home, start):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config", LANG="C.UTF-8",
               XDG_DATA_HOME=f"{home}/data", XDG_CACHE_HOME=f"{home}/cache")
    bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                 f"--address=unix:path={home}/bus"], env, stdout=subprocess.PIPE)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
    # Speech: started here, as Orca would leave it running as a daemon.
    settings = Path(home, "config/speech-dispatcher/speechd.conf")
    settings.parent.mkdir(parents=True)
    settings.write_text(Path("/etc", *settings.parts[-2:]).read_text() + 'AudioOutputMethod "libao"\n')
    Path(home, ".libao").write_text("default_driver=null\n")
    socket = f"{home}/speechd.sock"
    env["SPEECHD_ADDRESS"] = f"unix_socket:{socket}"
    start(["speech-dispatcher", "--run-single", "--timeout", "0", "--socket-path", socket], env)
    deadline = time.monotonic() + PATIENCE
    while not os.path.exists(socket):
        assert time.monotonic() < deadline, "speech-dispatcher did not start"
        time.sleep(0.05)
    speech = Speech()
    orca = start(["orca", "--debug-file", speech.path], env)
    speech.expect(["Screen reader on."])
    start([program], env)
    for actions, wanted in STEPS:
        for action in actions:
            subprocess.run(["xdotool", *shlex.split(action)], env=env, check=True)
        speech.expect(wanted)
        print(f"{' '.join(actions) or 'start'}: heard {wanted}", flush=True)
    assert orca.poll() is None, "Orca stopped during the run"


def main(program):
    home, started = tempfile.mkdtemp(prefix="quillory-orca-"), []

    def start(command, env, stdout=subprocess.DEVNULL):  # in one process group, ended together
        group = started[0].pid if started else 0
        started.append(subprocess.Popen(command, env=env, process_group=group, stdout=stdout,
                                        stderr=subprocess.DEVNULL))
        return started[-1]
    try:
        run(program, home, start)
    finally:
        if started:  # killed outright, so nothing gets to restart speech
            os.killpg(started[0].pid, signal.SIGKILL)
        for process in started:
            process.wait()
        shutil.rmtree(home)


if __name__ == "__main__":
    main(sys.argv[1])
