"""Orca, the desktop's screen reader, beside a pass: started headless with its speech going only
into its debug log, and that log read back as the utterances Orca spoke. Used inside run-session
by /usr/bin/python3, together with session_support."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from session_support import POLL_INTERVAL, WAIT, check, fail, point_in, poll, xdotool

# Speech on; neither braille nor sound, for which the session has no device.
USER_SETTINGS = '''{
    "general": {"enableSpeech": true, "enableBraille": false, "enableSound": false},
    "profiles": {"default": {"profile": ["Default", "default"]}},
    "pronunciations": {},
    "keybindings": {}
}
'''
# Orca runs this from its preferences folder before it starts. The pass reads the log while Orca
# writes it, so each line must reach the file at once. Orca's own handler of SIGTERM is Python's,
# which runs only when the main loop next runs Python; an idle Orca, once the program had gone,
# at times never did. GLib's handler wakes the loop itself and hands the stop to Orca there; it
# is put in place once the loop runs, after Orca has set its own.
CUSTOMIZATIONS = '''import signal

import orca.debug
from gi.repository import GLib

if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)


def stop():
    from orca import orca
    orca.shutdownOnSignal(signal.SIGTERM, None)
    return GLib.SOURCE_REMOVE


def take_stop_signal():
    GLib.unix_signal_add(GLib.PRIORITY_HIGH, signal.SIGTERM, stop)
    return GLib.SOURCE_REMOVE


GLib.idle_add(take_stop_signal)
'''
READY_LINE = 'ORCA: Starting registry'
PRESS_HANDLED = b'PROCESS OBJECT EVENT mouse:button:1p ^^^^^'
# Orca has handled what came before once its log has not grown for this long.
STILL = 0.5
STAMP = re.compile(r'^\d\d:\d\d:\d\d\.\d{6} - ')
CONTINUATION = ' ' * 18  # how Orca indents the further lines of one log entry
SPOKEN = "SPEECH OUTPUT: '"
# A memory cell as the grid names it: 'Ячейка 000, разряд 12: 0'.
CELL_NAME = re.compile(r'Ячейка [01]{3}, разряд \d{1,2}: [01]')

_misheard = []


class Orca:
    """One Orca for the pass, with a fresh preferences folder of its own."""

    def __init__(self):
        self.folder = self.log = self.output = self.process = None

    def start(self):
        """Starts Orca and waits until it listens to the desktop; fails the pass if it cannot."""
        if shutil.which('orca') is None:
            fail('Orca cannot start: it is not installed (scripts/install-deps installs it)')
        self.folder = tempfile.mkdtemp(prefix='orca-pass-')
        self.log = os.path.join(self.folder, 'orca-debug.log')
        self.output = os.path.join(self.folder, 'orca-output.txt')
        prefs = os.path.join(self.folder, 'prefs')
        os.makedirs(prefs)
        with open(os.path.join(prefs, 'user-settings.conf'), 'w') as settings:
            settings.write(USER_SETTINGS)
        with open(os.path.join(prefs, 'orca-customizations.py'), 'w') as customizations:
            customizations.write(CUSTOMIZATIONS)
        with open(self.output, 'w') as output:
            self.process = subprocess.Popen(
                ['orca', '--debug-file', self.log, '-u', prefs, '-e', 'speech'],
                stdout=output, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + WAIT
        while not self._ready():
            if self.process.poll() is not None:
                fail(f'Orca cannot start: it ended with status {self.process.returncode} '
                     f'({self._said_on_console()!r})')
            if time.monotonic() >= deadline:
                fail(f'Orca cannot start: not listening after {WAIT:.0f} s '
                     f'({self._said_on_console()!r})')
            time.sleep(POLL_INTERVAL)
        check(True, 'Orca runs and listens to the desktop')

    def stop(self):
        """Stops Orca with SIGTERM; fails the pass if it ended early or needs SIGKILL."""
        status = self.process.poll()
        if status is not None:
            fail(f'Orca ended during the pass with status {status}')
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            fail(f'Orca did not stop within {WAIT:.0f} s of SIGTERM')
        check(True, 'Orca stops on SIGTERM')

    def click(self, acc):
        """Clicks acc with the left button, releasing it once Orca has handled the press. Orca
        takes the window that is active when it handles a press for the one clicked: were the
        press handled after the click had opened a window, Orca would take that window as known
        and not speak it. A learner's Orca keeps up with the hand; a loaded machine's may not."""
        x, y = point_in(acc)
        xdotool('mousemove', '--sync', x, y)
        start = os.path.getsize(self.log)
        xdotool('mousedown', 1)
        handled = poll(lambda: self._logged_since(start, PRESS_HANDLED), bool)
        xdotool('mouseup', 1)
        if not handled:
            fail(f'Orca has not handled a press on «{acc.name}» within {WAIT:.0f} s')

    def discard(self):
        """Removes Orca's folder and log once the pass has passed."""
        shutil.rmtree(self.folder, ignore_errors=True)
        self.log = None

    def end(self):
        """Ends Orca without a word on the way out of a failed pass, and names its log."""
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.log is not None and os.path.exists(self.log):
            print('Orca\'s debug log:', self.log, flush=True)

    def _ready(self):
        if not os.path.exists(self.log):
            return False
        with open(self.log, errors='replace') as log:
            return READY_LINE in log.read()

    def _logged_since(self, start, line):
        with open(self.log, 'rb') as log:
            log.seek(start)
            return line in log.read()

    def _said_on_console(self):
        with open(self.output, errors='replace') as output:
            return output.read().strip()[-500:]


class Speech:
    """What Orca speaks, read from its debug log from where the last look ended."""

    def __init__(self, orca):
        self.path = orca.log
        self.offset = os.path.getsize(self.path)

    def until(self, accept=lambda said: True, timeout=WAIT):
        """The utterances since the last look, once accept(them) holds and Orca has handled
        everything (its log is still); at the bound, whatever it has said."""
        deadline = time.monotonic() + timeout
        size, since = -1, time.monotonic()
        while True:
            now = os.path.getsize(self.path)
            if now != size:
                size, since = now, time.monotonic()
            said, end = self._read()
            if (time.monotonic() - since >= STILL and accept(said)) or time.monotonic() >= deadline:
                self.offset = end
                return said
            time.sleep(POLL_INTERVAL)

    def _read(self):
        with open(self.path, 'rb') as log:
            log.seek(self.offset)
            data = log.read()
        complete = data.rfind(b'\n') + 1  # a line still being written waits for the next look
        return utterances(data[:complete].decode('utf-8', errors='replace')), \
            self.offset + complete


def utterances(text):
    """The texts of the SPEECH OUTPUT entries in a piece of Orca's debug log, in order."""
    entries = []
    for line in text.split('\n'):
        stamp = STAMP.match(line)
        if stamp:
            entries.append(line[stamp.end():])
        elif entries and line.startswith(CONTINUATION):
            entries[-1] += '\n' + line[len(CONTINUATION):]
    return [_without_voice(entry[len(SPOKEN):]) for entry in entries if entry.startswith(SPOKEN)]


def _without_voice(body):
    """An entry ends with its voice, a dict in braces, perhaps after a blank or ' voice=NAME';
    before that stands the utterance's closing quote. The utterance may hold quotes and braces
    itself, so the voice is found by matching braces from the end."""
    end = len(body)
    if body.endswith('}'):
        depth = 0
        for end in range(len(body) - 1, -1, -1):
            depth += {'}': 1, '{': -1}.get(body[end], 0)
            if depth == 0:
                break
    head = re.sub(r"( voice=\w+)? ?$", '', body[:end])
    return head[:-1] if head.endswith("'") else head


def cells_named(said):
    """Every memory cell named in the utterances, in order."""
    return [name for utterance in said for name in CELL_NAME.findall(utterance)]


def heard(condition, what):
    """A check of what Orca said. A failed one is counted and the pass goes on, so one run names
    every speech fault; all_heard() then fails the pass."""
    if condition:
        check(True, what)
    else:
        print('FAILED:', what, flush=True)
        _misheard.append(what)


def all_heard():
    check(not _misheard, f'Orca said what every step expects ({len(_misheard)} did not)')
