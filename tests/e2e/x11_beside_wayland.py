"""On a desktop that offers a Wayland compositor beside its X server, the program takes X11 and
puts the control panel where it belongs. Starts a headless Weston, then the program with the
environment such a desktop gives it, finds the panel on the X display, and leaves through
«Выход» and the question's yes. Run inside run-session; argument: the program to start."""

import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM = sys.argv[1]
PANEL_TITLE = 'Пульт управления'
PANEL_FRAME_CORNER = (340, 339)
WAYLAND_SOCKET = 'soyka-check'
YES_NAMES = ('Yes', 'Да')


def fail(what):
    print('FAILED:', what, flush=True)
    sys.exit(1)


def wait_for(probe, what, timeout=20.0):
    """The probe's first true answer; a failure after a generous bound."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            answer = probe()
            if answer:
                print('ok', what, flush=True)
                return answer
        except Exception:  # windows come and go under our feet while the program starts
            pass
        time.sleep(0.1)
    fail(what)


def start_weston(runtime_dir, log):
    try:
        return subprocess.Popen(
            ['weston', '--backend=headless-backend.so', '--socket=' + WAYLAND_SOCKET,
             '--idle-time=0'],
            env=dict(os.environ, XDG_RUNTIME_DIR=runtime_dir), stdout=log,
            stderr=subprocess.STDOUT, start_new_session=True)
    except FileNotFoundError:
        fail('weston is not installed (scripts/install-deps installs it)')


def wait_for_weston(weston, runtime_dir, log_path):
    def accepts_clients():
        if weston.poll() is not None:
            with open(log_path) as log:
                print(log.read(), flush=True)
            fail(f'Weston exited with status {weston.returncode} before it took clients')
        with socket.socket(socket.AF_UNIX) as client:
            client.connect(os.path.join(runtime_dir, WAYLAND_SOCKET))
        return True

    wait_for(accepts_clients, 'a headless Weston answers on its socket')


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def showing(pid, role, names):
    """Every (window, accessible) of a showing window whose role and name match."""
    app = application(pid)
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window.getState().contains(pyatspi.STATE_SHOWING):
            for acc in descendants(window):
                if acc.getRoleName() == role and acc.name.replace('&', '').strip() in names:
                    yield window, acc


def showing_accessible(pid, role, names):
    return next((acc for _, acc in showing(pid, role, names)), None)


def showing_window_with(pid, role, names):
    return next((window for window, _ in showing(pid, role, names)), None)


def click(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(['xdotool', 'mousemove', str(box.x + box.width // 2),
                    str(box.y + box.height // 2), 'click', '1'], check=True)


def x_frame_corner(title):
    """The top-left corner of a mapped window's frame, from the X server."""
    found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^' + title + '$'],
                           capture_output=True, text=True).stdout.split()
    if not found:
        return None
    info = subprocess.run(['xwininfo', '-id', found[0]], check=True, capture_output=True,
                          text=True).stdout
    values = dict(line.strip().partition(':')[::2] for line in info.splitlines() if ':' in line)
    extents = subprocess.run(['xprop', '-id', found[0], '_NET_FRAME_EXTENTS'],
                             capture_output=True, text=True).stdout
    left, _, top, _ = ([int(v) for v in extents.split('=')[1].split(',')]
                       if '=' in extents else [0, 0, 0, 0])
    return (int(values['Absolute upper-left X']) - left,
            int(values['Absolute upper-left Y']) - top)


def session(program):
    corner = wait_for(lambda: x_frame_corner(PANEL_TITLE),
                      'the control panel is a window on the X display')
    # The window manager may move the frame once more after mapping: wait for where it settles.
    wait_for(lambda: x_frame_corner(PANEL_TITLE) == PANEL_FRAME_CORNER,
             f'the panel frame stands at {PANEL_FRAME_CORNER} (first seen at {corner})')
    if program.poll() is not None:
        fail(f'the program ended by itself with status {program.returncode}')

    click(wait_for(lambda: showing_accessible(program.pid, 'menu item', ('Выход',)),
                   'the main window offers «Выход»'))
    question = wait_for(lambda: showing_window_with(program.pid, 'push button', YES_NAMES),
                        'the exit question is asked')
    # The panel stays on top and may cover the question's buttons; yes is its default answer.
    wait_for(lambda: question.getState().contains(pyatspi.STATE_ACTIVE),
             'the exit question has the keyboard')
    subprocess.run(['xdotool', 'key', 'Return'], check=True)
    try:
        status = program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        fail('the program still runs after the exit question was answered yes')
    if status != 0:
        fail(f'the program ended with status {status}')
    print('ok the answer yes ends the program with status 0', flush=True)


def main():
    runtime_dir = tempfile.mkdtemp(prefix='soyka-wayland-')
    log_path = os.path.join(runtime_dir, 'weston.log')
    weston = None
    program = None
    try:
        with open(log_path, 'w') as log:
            weston = start_weston(runtime_dir, log)
        wait_for_weston(weston, runtime_dir, log_path)
        environment = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir, XDG_SESSION_TYPE='wayland',
                           WAYLAND_DISPLAY=WAYLAND_SOCKET)
        environment.pop('QT_QPA_PLATFORM', None)
        program = subprocess.Popen([PROGRAM], env=environment)
        session(program)
    finally:
        if program is not None and program.poll() is None:
            program.terminate()
            program.wait(timeout=10)
        if weston is not None:
            try:  # Weston and the helper clients it started
                os.killpg(weston.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass  # gone already
            weston.wait(timeout=10)
        shutil.rmtree(runtime_dir, ignore_errors=True)


main()
