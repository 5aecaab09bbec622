"""Orca, the desktop's screen reader, beside a pass: started headless with its speech going only
into its debug log, which is read back as the utterances Orca spoke."""

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
READY_LINE = b'ORCA: Starting registry'
PRESS_HANDLED = b'PROCESS OBJECT EVENT mouse:button:1p ^^^^^'
# Orca has handled what came before once its log has not grown for this long.
STILL = 0.5
# One entry of speech: the utterance in quotes, perhaps its voice, a dict; an utterance of several
# lines goes on in indented lines, so it ends at a line that the next entry follows.
SPEECH = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - SPEECH OUTPUT: '(.*?)'"
                    r"(?: voice=\w+)? ?(?:\{[^\n]*\})?\n(?! {18})", re.M | re.S)
# A memory cell as the grid names it: 'Ячейка 000, разряд 12: 0'.
CELL_NAME = re.compile(r'Ячейка [01]{3}, разряд \d{1,2}: [01]')

_misheard = []


class Orca:
    """One Orca for the pass, with a fresh preferences folder of its own."""

    def __init__(self):
        self.folder = self.log = self.process = None
        self.offset = 0

    def start(self):
        """Starts Orca and waits until it listens to the desktop; fails the pass if it cannot."""
        if shutil.which('orca') is None:
            fail('Orca cannot start: it is not installed (scripts/install-deps installs it)')
        self.folder = tempfile.mkdtemp(prefix='orca-pass-')
        self.log = os.path.join(self.folder, 'orca-debug.log')
        prefs = os.path.join(self.folder, 'prefs')
        os.makedirs(prefs)
        for name, text in (('user-settings.conf', USER_SETTINGS),
                           ('orca-customizations.py', CUSTOMIZATIONS)):
            with open(os.path.join(prefs, name), 'w') as file:
                file.write(text)
        console = os.path.join(self.folder, 'console.txt')
        with open(console, 'w') as output:
            self.process = subprocess.Popen(
                ['orca', '--debug-file', self.log, '-u', prefs, '-e', 'speech'],
                stdout=output, stderr=subprocess.STDOUT)
        poll(lambda: READY_LINE in self._read(0) or self.process.poll() is not None, bool)
        if READY_LINE not in self._read(0):
            status = self.process.poll()
            with open(console, errors='replace') as output:
                said = output.read().strip()[-500:]
            why = f'not listening after {WAIT:.0f} s' if status is None else f'status {status}'
            fail(f'Orca cannot start: {why} ({said!r})')
        self.offset = os.path.getsize(self.log)
        check(True, 'Orca runs and listens to the desktop')

    def stop(self):
        """Stops Orca with SIGTERM; fails the pass if it ended early or needs SIGKILL."""
        if self.process.poll() is not None:
            fail(f'Orca ended during the pass with status {self.process.returncode}')
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            fail(f'Orca did not stop within {WAIT:.0f} s of SIGTERM')
        check(True, 'Orca stops on SIGTERM')

    def end(self, passed):
        """Kills Orca if it still runs; keeps its log only for a failed pass."""
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if passed:
            shutil.rmtree(self.folder, ignore_errors=True)
        elif self.log and os.path.exists(self.log):
            print('Orca\'s debug log:', self.log, flush=True)

    def click(self, acc):
        """Clicks acc, releasing the button once Orca has handled the press: Orca takes the window
        active then for the one clicked, and a window the click opened would go unspoken."""
        xdotool('mousemove', '--sync', *point_in(acc))
        start = os.path.getsize(self.log)
        xdotool('mousedown', 1)
        handled = poll(lambda: PRESS_HANDLED in self._read(start), bool)
        xdotool('mouseup', 1)
        if not handled:
            fail(f'Orca has not handled a press on «{acc.name}» within {WAIT:.0f} s')

    def said(self, accept=lambda said: True):
        """The utterances since the last look, once accept(them) holds and Orca has handled
        everything (its log is still); at the bound, whatever it has said."""
        deadline = time.monotonic() + WAIT
        size, since = -1, time.monotonic()
        while True:
            data = self._read(self.offset)
            if len(data) != size:
                size, since = len(data), time.monotonic()
            complete = data.rfind(b'\n') + 1  # a line still being written waits for the next look
            said = SPEECH.findall(data[:complete].decode(errors='replace'))
            if (time.monotonic() - since >= STILL and accept(said)) or time.monotonic() >= deadline:
                self.offset += complete
                return said
            time.sleep(POLL_INTERVAL)

    def _read(self, start):
        if not os.path.exists(self.log):
            return b''
        with open(self.log, 'rb') as log:
            log.seek(start)
            return log.read()


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
