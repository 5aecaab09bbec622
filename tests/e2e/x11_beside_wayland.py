"""On a desktop that offers a Wayland compositor beside its X server, the program takes X11 and
puts the control panel where it belongs. Starts a headless Weston, then the program with the
environment such a desktop gives it, finds the panel on the X display, and leaves through
«Выход» and «Да». Run inside run-session; argument: the program to start."""

import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
from functools import partial

from session_support import (
    MAIN_TITLE, PANEL_TITLE, Program, check, fail, leave, poll, run_pass, wait_for, wait_until,
    window, x_geometry)

PROGRAM = sys.argv[1]
PANEL_FRAME_CORNER = (340, 339)
WAYLAND_SOCKET = 'soyka-check'


class HeadlessWeston:
    """A Weston compositor without a screen, in a runtime folder of its own."""

    def __init__(self):
        self.runtime_dir = tempfile.mkdtemp(prefix='soyka-wayland-')
        self.log_path = os.path.join(self.runtime_dir, 'weston.log')
        self.process = None

    def start(self):
        """Starts Weston and waits until it takes clients; fails with its log if it exits."""
        try:
            with open(self.log_path, 'w') as log:
                self.process = subprocess.Popen(
                    ['weston', '--backend=headless-backend.so', '--socket=' + WAYLAND_SOCKET,
                     '--idle-time=0'],
                    env=dict(os.environ, XDG_RUNTIME_DIR=self.runtime_dir), stdout=log,
                    stderr=subprocess.STDOUT, start_new_session=True)
        except FileNotFoundError:
            fail('weston is not installed (scripts/install-deps installs it)')
        poll(lambda: self.process.poll() is not None or self._accepts_clients(), bool)
        if self.process.poll() is not None:
            with open(self.log_path) as log:
                print(log.read(), flush=True)
            fail(f'Weston exited with status {self.process.returncode} before it took clients')
        check(self._accepts_clients(), 'a headless Weston answers on its socket')

    def desktop_environment(self):
        """The environment of a Wayland session that also offers this X display, with no
        platform chosen by the user."""
        environment = dict(os.environ, XDG_RUNTIME_DIR=self.runtime_dir,
                           XDG_SESSION_TYPE='wayland', WAYLAND_DISPLAY=WAYLAND_SOCKET)
        environment.pop('QT_QPA_PLATFORM', None)
        return environment

    def stop(self):
        if self.process is not None:
            try:  # Weston and the helper clients it started
                os.killpg(self.process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass  # gone already
            self.process.wait(timeout=10)
        shutil.rmtree(self.runtime_dir, ignore_errors=True)

    def _accepts_clients(self):
        with socket.socket(socket.AF_UNIX) as client:
            try:
                client.connect(os.path.join(self.runtime_dir, WAYLAND_SOCKET))
            except OSError:
                return False
        return True


def panel_on_the_x_display(weston):
    program = Program(PROGRAM, environment=weston.desktop_environment())
    wait_until(lambda: window(MAIN_TITLE) and window(PANEL_TITLE),
               'the main window and the control panel are on screen')
    # The window manager may move the frame once more after mapping: wait for where it settles.
    wait_for(lambda: x_geometry(PANEL_TITLE)[2:], PANEL_FRAME_CORNER,
             'the panel\'s frame stands on the X display at 340, 339')
    leave(program)


def main():
    weston = HeadlessWeston()
    try:
        run_pass(weston.start, partial(panel_on_the_x_display, weston))
    finally:
        weston.stop()


main()
