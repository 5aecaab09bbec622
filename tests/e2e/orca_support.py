"""Orca, the desktop's screen reader, beside a pass: started headless with its speech going only
into its debug log, which is read back as the utterances Orca spoke."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from session_support import (POLL_INTERVAL, WAIT, check, fail, move_pointer, point_in, poll,
                             xdotool)

# Speech on; neither braille nor sound, for which the session has no device.
USER_SETTINGS = '''{"general": {"enableSpeech": true, "enableBraille": false, "enableSound": false},
    "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {},
    "keybindings": {}}'''
# Orca runs this as it starts. The log is read as Orca writes it: each line must reach the file at
# once. Orca's SIGTERM handler, Python's, waits for the main loop to run Python, which an idle Orca
# at times never did; GLib's, set once the loop runs, after Orca's own, wakes the loop.
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
    """One Orca for the pass, with a fresh preferences folder of its own that holds its log."""
    folder = log = process = None
    offset = 0  # where the next look at the log starts

    def start(self):
        """Starts Orca and waits until it listens to the desktop; fails the pass if it cannot."""
        if shutil.which('orca') is None:
            fail('Orca cannot start: it is not installed (scripts/install-deps installs it)')
        self.folder = tempfile.mkdtemp(prefix='orca-pass-')
        self.log = os.path.join(self.folder, 'orca-debug.log')
        for name, text in (('user-settings.conf', USER_SETTINGS),
                           ('orca-customizations.py', CUSTOMIZATIONS)):
            with open(os.path.join(self.folder, name), 'w') as file:
                file.write(text)
        # What Orca itself prints goes into the pass's output, where a failure is read.
        self.process = subprocess.Popen(
            ['orca', '--debug-file', self.log, '-u', self.folder, '-e', 'speech'])
        ready = poll(lambda: self.process.poll() is None and READY_LINE in self._read(0),
                     lambda ready: ready or self.process.poll() is not None)
        if not ready:
            status = self.process.poll()
            fail('Orca cannot start: ' + (f'not listening after {WAIT:.0f} s' if status is None
                                          else f'it ended with status {status}'))
        self.offset = os.path.getsize(self.log)
        check(True, 'Orca runs and listens to the desktop')

    def stop(self):
        if self.process.poll() is not None:
            fail(f'Orca ended during the pass with status {self.process.returncode}')
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            fail(f'Orca did not stop within {WAIT:.0f} s of SIGTERM')
        check(True, 'Orca stops on SIGTERM')
        shutil.rmtree(self.folder, ignore_errors=True)  # its log is kept only when a check fails

    def end(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.log and os.path.exists(self.log):
            print('Orca\'s debug log:', self.log, flush=True)

    def click(self, acc):
        """Clicks acc once Orca has said what came before, which is passed over, and releases the
        button once Orca has handled the press: Orca takes the window active then for the one
        clicked, and a window the click opened would go unspoken."""
        self.said()
        move_pointer(*point_in(acc))
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
        with open(self.log, 'rb') as log:
            log.seek(start)
            return log.read()


def cells_named(said):
    return [name for utterance in said for name in CELL_NAME.findall(utterance)]


def heard(condition, what):
    """A check of what Orca said: a failed one lets the pass go on to name every speech fault, and
    all_heard() then fails it."""
    if condition:
        check(True, what)
    else:
        print('FAILED:', what, flush=True)
        _misheard.append(what)


def all_heard():
    check(not _misheard, f'Orca said what every step expects ({len(_misheard)} did not)')
