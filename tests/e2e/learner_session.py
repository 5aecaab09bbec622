"""A learner's first session, driven from outside with real input events and read back the way
a screen reader reads the screen. Run inside run-session; argument: the program to start."""

import subprocess
import sys
import time

import pyatspi

PROGRAM = sys.argv[1]
MAIN_TITLE = 'Учебная ЭВМ "Сойка"'
FACTORIAL = ['101110101101', '001110111110', '110100110000', '111101101101',
             '000000000110', '000000000001', '000000000001', '000000000001']
checks = 0


def check(condition, what):
    global checks
    if not condition:
        print('FAILED:', what, flush=True)
        sys.exit(1)
    checks += 1
    print('ok', what, flush=True)


def wait_until(predicate, what, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if predicate():
                check(True, what)
                return
        except Exception:  # the accessibility tree changes under our feet while windows come up
            pass
        time.sleep(0.1)
    check(False, what)


def xdotool(*args):
    return subprocess.run(['xdotool', *args], check=True, capture_output=True,
                          text=True).stdout


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == 'Soyka':
            return app
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def windows():
    app = application()
    return [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []


def window(title):
    for w in windows():
        if w.name == title and showing(w):
            return w
    return None


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name=None, startswith=None):
    for acc in descendants(root):
        if acc.getRoleName() != role:
            continue
        if name is not None and acc.name != name:
            continue
        if startswith is not None and not acc.name.startswith(startswith):
            continue
        return acc
    return None


def click(acc, button=1):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool('mousemove', str(box.x + box.width // 2), str(box.y + box.height // 2))
    time.sleep(0.05)
    xdotool('click', str(button))
    time.sleep(0.2)


def sensitive(acc):
    return acc.getState().contains(pyatspi.STATE_SENSITIVE)


def lamp(title, caption):
    """The colour word a lamp's name ends with: 'Ввод: зелёный'."""
    w = window(title)
    acc = find(w, 'unknown', startswith=caption + ':') or next(
        a for a in descendants(w) if a.name.startswith(caption + ':'))
    return acc.name.split(':', 1)[1].strip()


def table_rows(title, table_index=0, columns=12):
    tables = [a for a in descendants(window(title)) if a.getRoleName() == 'table']
    cells = [a for a in descendants(tables[table_index]) if a.getRoleName() == 'table cell']
    bits = ''.join(c.name[-1:] if c.name[-1:] in ('0', '1') else ' ' for c in cells)
    return [bits[i:i + columns] for i in range(0, len(bits), columns)]


def x_geometry(title):
    """Client size and the frame's top-left corner of a mapped window, from the X server."""
    wid = xdotool('search', '--onlyvisible', '--name', '^' + title.replace('"', '.') + '$')
    wid = wid.split()[0]
    info = subprocess.run(['xwininfo', '-id', wid], check=True, capture_output=True,
                          text=True).stdout
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(':')
        values[key] = value.strip()
    extents = subprocess.run(['xprop', '-id', wid, '_NET_FRAME_EXTENTS'], capture_output=True,
                             text=True).stdout
    left, _, top, _ = ([int(v) for v in extents.split('=')[1].split(',')]
                       if '=' in extents else [0, 0, 0, 0])
    return (int(values['Width']), int(values['Height']),
            int(values['Absolute upper-left X']) - left,
            int(values['Absolute upper-left Y']) - top)


def main():
    program = subprocess.Popen([PROGRAM])
    try:
        session(program)
    finally:
        program.terminate()
        program.wait(timeout=10)
    print(f'{checks} passed, 0 failed', flush=True)


def session(program):
    wait_until(lambda: window(MAIN_TITLE) and window('Пульт управления'),
               'start-up: the main window and the control panel are on screen')
    time.sleep(0.5)
    shown = sorted(w.name for w in windows() if showing(w))
    check(shown == sorted([MAIN_TITLE, 'Пульт управления']),
          f'start-up: exactly those two windows are showing ({shown})')
    width, height, left, top = x_geometry('Пульт управления')
    check((width, height, left, top) == (293, 87, 340, 339),
          f'panel: client 293 x 87 at 340, 339 ({width} x {height} at {left}, {top})')
    width, height, _, _ = x_geometry(MAIN_TITLE)
    check(width == 582 and height > 409, f'main window: client 582 wide, 409 below a menu bar '
                                         f'({width} x {height})')

    panel = window('Пульт управления')
    click(find(panel, 'push button', 'ВВОД'))
    wait_until(lambda: window('Память'), 'ВВОД opens the memory window')
    width, height, left, top = x_geometry('Память')
    check((width, height, left, top) == (348, 355, 0, 60),
          f'memory window: client 348 x 355 at 0, 60 ({width} x {height} at {left}, {top})')
    check(lamp('Пульт управления', 'Ввод') == 'зелёный', 'panel input lamp green')
    check(lamp('Память', 'Ввод') == 'зелёный', 'memory input lamp green')

    for word in FACTORIAL:
        for bit in word:
            xdotool('key', '--clearmodifiers', bit)
    time.sleep(0.3)
    wait_until(lambda: table_rows('Память') == FACTORIAL,
               'the factorial program typed as 96 key presses is in the memory grid')

    click(window(MAIN_TITLE))
    wait_until(lambda: lamp('Пульт управления', 'Ввод') == 'красный',
               'a click on the main window turns the panel input lamp red')
    check(lamp('Память', 'Ввод') == 'красный', 'memory input lamp red again')

    click(find(window(MAIN_TITLE), 'label', 'Дисплей'))
    wait_until(lambda: window('Дисплей'), 'the display area opens the display window')

    panel = window('Пульт управления')
    click(find(panel, 'radio button', 'Авто'))
    click(find(panel, 'push button', 'ПУСК'))
    wait_until(lambda: lamp('Пульт управления', 'Счет') == 'зелёный', 'ПУСК lights the run lamp')
    wait_until(lambda: lamp('Пульт управления', 'Счет') == 'красный',
               'the run ends by itself', timeout=30)
    check(table_rows('Дисплей') == ['000001111000'] * 3, 'the display shows 120 in all rows')
    labels = [a.name for a in descendants(window('Дисплей')) if a.getRoleName() == 'label']
    values = [name.rsplit(':', 1)[-1].strip() for name in labels if name.startswith('Значение')]
    check(values == ['120'] * 3, f'the three values read 120 ({labels})')

    panel = window('Пульт управления')
    click(find(panel, 'radio button', 'Такт'))
    click(find(panel, 'push button', 'ПУСК'))
    wait_until(lambda: window('Выполнено:'), 'a Tact run pauses after tact 1')
    pause = window('Выполнено:')
    texts = [a.name for a in descendants(pause) if a.getRoleName() == 'label']
    check('ячейки 000' in texts and 'Выборка' in texts, f'the pause comments tact 1 ({texts})')
    click(find(pause, 'push button', 'СТОП'))
    wait_until(lambda: not window('Выполнено:'), 'СТОП closes the pause')
    wait_until(lambda: lamp('Пульт управления', 'Счет') == 'красный', 'the run has ended')
    check(sensitive(find(window('Пульт управления'), 'push button', 'ПУСК')), 'ПУСК usable again')
    check(program.poll() is None, 'the program is still running')


main()
