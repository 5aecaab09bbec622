"""What every pass over the program shares: checks that wait on conditions, real input through
xdotool, the screen read back through the accessibility tree the way a screen reader reads it,
the X server's view of windows, and starting the program and waiting for its exit status.
A pass is a small script run inside run-session by /usr/bin/python3 (where the accessibility
bindings live) that calls run_pass with its steps."""

import ctypes
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MAIN_TITLE = 'Учебная ЭВМ "Сойка"'
PANEL_TITLE = 'Пульт управления'
MEMORY_TITLE = 'Память'
REGISTERS_TITLE = 'Арифметическое устройство'
DISPLAY_TITLE = 'Дисплей'
PAUSE_TITLE = 'Выполнено:'
EXAMPLE_TITLE = 'Пример программы'
# Message boxes carry the toolkit's own button captions, in Russian like every other text.
YES_CAPTIONS = ('Да',)
NO_CAPTIONS = ('Нет',)
OK_CAPTIONS = ('OK', 'ОК')
# The example program, the factorial of 5, as the memory grid's rows.
FACTORIAL = ['101110101101', '001110111110', '110100110000', '111101101101',
             '000000000110', '000000000001', '000000000001', '000000000001']

# The bound on every wait: far above what a loaded machine needs, so only a fault reaches it.
WAIT = 30.0
POLL_INTERVAL = 0.1

# --- Checks -------------------------------------------------------------------------------

_passed = 0
_started = []


class CheckFailed(Exception):
    pass


def check(condition, what):
    """Counts a passed check and prints it; a failed one ends the pass."""
    global _passed
    if not condition:
        fail(what)
    _passed += 1
    print('ok', what, flush=True)


def fail(what):
    """Ends the pass with what went wrong. Raised inside a read that poll repeats, it only makes
    that read fail, so it is printed where the pass ends, not where it is raised."""
    raise CheckFailed(what)


def poll(read, accept, timeout=WAIT):
    """Reads until accept(value) holds or the bound passes; returns the last value read."""
    deadline = time.monotonic() + timeout
    value = None
    while True:
        _deliver_events()
        try:
            value = read()
            if accept(value):
                return value
        except Exception:  # the accessibility tree changes under our feet while windows come up
            pass
        if time.monotonic() >= deadline:
            return value
        time.sleep(POLL_INTERVAL)


def wait_until(predicate, what, timeout=WAIT):
    check(bool(poll(predicate, bool, timeout)), what)


def wait_for(read, expected, what, timeout=WAIT):
    """Waits until read() gives expected and checks it, quoting what was read last."""
    value = poll(read, lambda v: v == expected, timeout)
    check(value == expected, f'{what} ({value!r})')
    return value


def run_pass(*steps):
    """Runs the steps in order and prints the tally. A failed check ends the pass with status 1
    after ending, with a signal, any program it started that is still running."""
    try:
        for step in steps:
            step()
    except CheckFailed as failure:
        print('FAILED:', failure, flush=True)
        sys.exit(1)
    finally:
        for program in _started:
            program.end()
    print(f'{_passed} passed, 0 failed', flush=True)


# --- The program --------------------------------------------------------------------------

class Program:
    """One start of the program under test."""

    def __init__(self, path, *arguments, environment=None):
        """Starts path with the arguments, in the given environment or in this one."""
        self.process = subprocess.Popen([path, *arguments], env=environment)
        _started.append(self)

    def running(self):
        return self.process.poll() is None

    def exit_status(self, timeout=WAIT):
        """Waits for the program to end by itself; None if it is still running at the bound."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def end(self):
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


# --- Real input -----------------------------------------------------------------------------

def xdotool(*args):
    """Runs xdotool; a command that waits on the window manager (--sync) gives up at the bound."""
    return subprocess.run(['xdotool', *(str(a) for a in args)], check=True, capture_output=True,
                          text=True, timeout=WAIT).stdout


def key(*keys):
    """Presses keys one after another, as the keyboard would ('1', 'shift+0', 'Tab')."""
    xdotool('key', '--clearmodifiers', *keys)


def move_pointer(x, y):
    """Moves the pointer there and waits until it has arrived. xdotool's --sync waits for a
    motion, so a move to where the pointer already is would wait out xdotool's own bound."""
    location = _pointer_location()
    if (int(location['X']), int(location['Y'])) != (x, y):
        xdotool('mousemove', '--sync', x, y)


def click_at(x, y, button=1):
    move_pointer(x, y)
    xdotool('click', button)


def click(acc, button=1, at=(0.5, 0.5)):
    """Clicks acc, in its middle or at the given fractions of its width and height; fails if
    another window covers that point."""
    top = top_level(acc)
    if top.getRoleName() == 'popup menu':  # a menu is placed by the program, over everything
        move_pointer(*point_in(acc, at))
    else:
        # Just after start-up or a raise, the window manager may still be placing the window:
        # aim again until the pointer is over it, and fail only if it stays covered.
        frame = outer_frame(x_window_of(top))
        aimed = []

        def pointer_over_window():
            aimed[:] = point_in(acc, at)
            move_pointer(*aimed)
            return _window_under_pointer() == frame

        if not poll(pointer_over_window, bool):
            fail(f'«{acc.name}» in «{top.name}» is covered by another window at '
                 f'{aimed[0]}, {aimed[1]}')
    xdotool('click', button)


def drag(start, end, steps=10):
    """Presses the left button at start, moves to end in small steps, releases it there."""
    move_pointer(*start)
    xdotool('mousedown', 1)
    for step in range(1, steps + 1):
        move_pointer(start[0] + (end[0] - start[0]) * step // steps,
                     start[1] + (end[1] - start[1]) * step // steps)
    xdotool('mouseup', 1)


def point_in(acc, at=(0.5, 0.5)):
    """Where a point of acc is on the screen, at fractions of its width and height. The toolkit
    may keep a stale idea of where the window manager put a window (a dialog it centred itself,
    say), so its position of acc is shifted by the difference between the window's place on the
    X server and the toolkit's."""
    x, y, width, height = extents(acc)
    top = top_level(acc)
    shift_x, shift_y = (0, 0)
    if top.getRoleName() != 'popup menu':  # placed by the program itself, not by the manager
        top_x, top_y, _, _ = extents(top)
        client_x, client_y, _, _ = client_geometry(x_window_of(top))
        shift_x, shift_y = client_x - top_x, client_y - top_y
    return x + int(width * at[0]) + shift_x, y + int(height * at[1]) + shift_y


def extents(acc):
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def answer_message(captions):
    """Presses the button of the showing message box whose caption is one of captions, from the
    keyboard (Tab moves the focus to it, Space presses it), and waits until the box has gone.
    The keyboard reaches a button that another window may cover."""
    box = poll(message_box, lambda found: found is not None and active(found))
    if box is None or not active(box):
        fail(f'no active message box to answer with «{captions[0]}»')
    for _ in range(len(_box_buttons(box)) + 1):
        caption = poll(lambda: focused_caption(box), lambda found: found is not None)
        if caption in captions:
            key('space')
            wait_until(lambda: message_box() is None, f'«{caption}» closes the message box')
            return
        key('Tab')
        poll(lambda: focused_caption(box), lambda found: found not in (None, caption))
    fail(f'the message box has no button {captions}')


def _box_buttons(box):
    return [a for a in descendants(box) if a.getRoleName() == 'push button']


def focused_caption(box):
    return next((b.name for b in _box_buttons(box) if has_state(b, pyatspi.STATE_FOCUSED)), None)


# --- The accessibility tree -----------------------------------------------------------------

def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == 'Soyka':
            return app
    return None


def windows():
    app = application()
    found = [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []
    return [w for w in found if w is not None]


def window(title):
    """The showing top-level window of that title."""
    return next((w for w in windows() if w.name == title and showing(w)), None)


def showing_titles():
    return sorted(w.name for w in windows() if showing(w))


def message_box():
    """The showing message box, whatever its title: its role is alert."""
    return next((w for w in windows() if w.getRoleName() == 'alert' and showing(w)), None)


def top_level(acc):
    """The window acc lies in; a pop-up menu counts as a window of its own."""
    while acc.getRoleName() != 'popup menu':
        parent = acc.parent
        if parent is None or parent.getRoleName() == 'application':
            break
        acc = parent
    return acc


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name=None, startswith=None, names=None):
    """The first descendant of that role whose name is name, starts so, or is one of names."""
    for acc in descendants(root):
        if acc.getRoleName() != role:
            continue
        if name is not None and acc.name != name:
            continue
        if startswith is not None and not acc.name.startswith(startswith):
            continue
        if names is not None and acc.name not in names:
            continue
        return acc
    return None


def button(title, name):
    return find(window(title), 'push button', name)


def has_state(acc, state):
    return acc.getState().contains(state)


def showing(acc):
    return has_state(acc, pyatspi.STATE_SHOWING)


def sensitive(acc):
    return has_state(acc, pyatspi.STATE_SENSITIVE)


def active(acc):
    return has_state(acc, pyatspi.STATE_ACTIVE)


def shown_texts(acc, role='label'):
    """The texts a screen reader reads out: those of the labels on screen, in order."""
    return [a.name for a in descendants(acc) if a.getRoleName() == role and showing(a)]


def message_text(box):
    """A message box's text, with the line breaks a screen reader gets."""
    return '\n'.join(name for name in shown_texts(box) if name)


# --- Menus ----------------------------------------------------------------------------------

def choose_menu(bar_item, item=None, press=click):
    """Clicks a menu-bar item of the main window (its caption without the padding blanks) with
    press, then the item of its submenu. An item that opens a modal window returns at once."""
    bar = find(window(MAIN_TITLE), 'menu bar')
    press(next(a for a in descendants(bar)
               if a.getRoleName() == 'menu item' and a.name.strip() == bar_item))
    if item is not None:
        choose_popup_item(item)


def choose_popup_item(item):
    """Clicks the item of that name in the pop-up menu that is showing."""
    target = poll(lambda: _showing_menu_item(item), lambda found: found is not None)
    check(target is not None, f'the menu shows «{item}»')
    click(target)


def leave(program, press=click, asked=lambda: None):
    """Leaves as a learner does: «Выход» in the main window's menu, clicked with press, then «Да»
    to its question once asked() has looked at it. Checks that the program then ends by itself
    with status 0."""
    bring_to_front(MAIN_TITLE)
    choose_menu('Выход', press=press)
    wait_until(message_box, '«Выход» asks whether to leave')
    asked()
    answer_message(YES_CAPTIONS)
    status = program.exit_status()
    check(status == 0, f'«Да» ends the program with status 0 ({status})')


def start_run(mode, press=click):
    """Chooses the run mode on the panel and presses ПУСК with press."""
    panel = window(PANEL_TITLE)
    click(find(panel, 'radio button', mode))
    press(find(panel, 'push button', 'ПУСК'))


def open_view(area, title):
    """Opens a view with a click on its area of the main window's board."""
    bring_to_front(MAIN_TITLE)
    click(find(window(MAIN_TITLE), 'label', area))
    wait_until(lambda: window(title), f'the board\'s «{area}» opens «{title}»')


def load_example(meanwhile=lambda: None):
    """«Помощь» › «Пример», «Ввести в ОЗУ», then meanwhile(), then OK."""
    bring_to_front(MAIN_TITLE)
    choose_menu('Помощь', 'Пример')
    wait_until(lambda: window(EXAMPLE_TITLE), '«Пример» opens the example window')
    click(button(EXAMPLE_TITLE, 'Ввести в ОЗУ'))
    wait_until(lambda: not sensitive(button(EXAMPLE_TITLE, 'Ввести в ОЗУ')),
               'the example window comes back with «Ввести в ОЗУ» disabled')
    meanwhile()
    click(find(window(EXAMPLE_TITLE), 'push button', names=OK_CAPTIONS))
    wait_until(lambda: not window(EXAMPLE_TITLE), 'OK closes the example window')


def open_context_menu(acc):
    """Right-clicks acc and waits for its pop-up menu. The tree does not list a pop-up menu
    among the program's windows: like a screen reader, we learn of it from its showing event."""
    _popups.clear()
    pyatspi.Registry.registerEventListener(_note_popup, 'object:state-changed:showing')
    try:
        click(acc, 3)
        menu = poll(lambda: next((p for p in _popups if showing(p)), None),
                    lambda found: found is not None)
    finally:
        pyatspi.Registry.deregisterEventListener(_note_popup, 'object:state-changed:showing')
    check(menu is not None, 'a right click opens a pop-up menu')
    return menu


def menu_items(menu):
    return [a.name for a in descendants(menu) if a.getRoleName() == 'menu item']


_popups = []


def _note_popup(event):
    if event.detail1 == 1 and event.source.getRoleName() == 'popup menu':
        _popups.append(event.source)


def _deliver_events():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def _showing_menu_item(name):
    for root in windows() + _popups:
        for acc in descendants(root):
            if acc.getRoleName() == 'menu item' and acc.name == name and showing(acc):
                return acc
    return None


# --- Readers of the machine's views ---------------------------------------------------------

def lamp(title, caption):
    """The colour word that a lamp's name ends with: 'Ввод: зелёный'."""
    acc = next(a for a in descendants(window(title)) if a.name.startswith(caption + ':'))
    return acc.name.split(':', 1)[1].strip()


def counter_lamps():
    """The panel's three counter lamps, most significant first, as 1 (green) and 0 (grey)."""
    return ''.join('1' if lamp(PANEL_TITLE, f'Счетчик, бит {bit}') == 'зелёный' else '0'
                   for bit in (3, 2, 1))


def table_rows(title, table_index=0, columns=12):
    """A bit grid's rows as texts of '0', '1' and ' ' (an empty cell), read cell by cell."""
    tables = [a for a in descendants(window(title)) if a.getRoleName() == 'table']
    cells = [a for a in descendants(tables[table_index]) if a.getRoleName() == 'table cell']
    bits = ''.join(c.name[-1:] if c.name[-1:] in ('0', '1') else ' ' for c in cells)
    return [bits[i:i + columns] for i in range(0, len(bits), columns)]


def memory_cell(row, column):
    """The memory grid's cell at row (the cell number) and column (0 shows bit 12)."""
    return find(window(MEMORY_TITLE), 'table cell',
                startswith=f'Ячейка {row:03b}, разряд {12 - column}:')


def display_values():
    return [name.rsplit(':', 1)[-1].strip() for name in shown_texts(window(DISPLAY_TITLE))
            if name.startswith('Значение')]


def panel_state():
    """The panel's run lamp, input lamp and controls as a learner sees them."""
    panel = window(PANEL_TITLE)
    return {
        'Счет': lamp(PANEL_TITLE, 'Счет'),
        'Ввод': lamp(PANEL_TITLE, 'Ввод'),
        'ПУСК': sensitive(find(panel, 'push button', 'ПУСК')),
        'СТОП': sensitive(find(panel, 'push button', 'СТОП')),
        'ВВОД': sensitive(find(panel, 'push button', 'ВВОД')),
        'режимы': all(sensitive(find(panel, 'radio button', mode))
                      for mode in ('Авто', 'Шаг', 'Такт')),
    }


# The panel between runs: no run, no input, everything but СТОП usable.
PANEL_IDLE = {'Счет': 'красный', 'Ввод': 'красный', 'ПУСК': True, 'СТОП': False, 'ВВОД': True,
              'режимы': True}


# --- The X server's view of windows ---------------------------------------------------------

def x_window(title):
    """The X window of a mapped top-level window of that title."""
    found = xdotool('search', '--onlyvisible', '--name', _title_pattern(title)).split()
    if not found:
        fail(f'no window «{title}» is mapped')
    return found[0]


def x_window_of(top):
    """The X window of an accessible top-level window: of those with its title, the one of its
    size (message boxes share the main window's title)."""
    _, _, width, height = extents(top)
    found = xdotool('search', '--onlyvisible', '--name', _title_pattern(top.name)).split()
    if not found:
        fail(f'no window «{top.name}» is mapped')
    return next((wid for wid in found if client_geometry(wid)[2:] == (width, height)), found[0])


def client_geometry(wid):
    """A window's client area on the screen: left, top, width, height."""
    values = _xwininfo(wid)
    return (int(values['Absolute upper-left X']), int(values['Absolute upper-left Y']),
            int(values['Width']), int(values['Height']))


def stacking_order():
    """The titles of the mapped top-level windows as the window manager stacks them, from the
    bottom up."""
    listed = subprocess.run(['xprop', '-root', '_NET_CLIENT_LIST_STACKING'], check=True,
                            capture_output=True, text=True).stdout
    if '#' not in listed:
        return []
    return [xdotool('getwindowname', wid.strip()).rstrip('\n')
            for wid in listed.split('#', 1)[1].split(',')]


def frame_extents(wid):
    """The window manager's frame around a client: left, right, top, bottom."""
    extents_text = subprocess.run(['xprop', '-id', wid, '_NET_FRAME_EXTENTS'],
                                  capture_output=True, text=True).stdout
    if '=' not in extents_text:
        return [0, 0, 0, 0]
    return [int(v) for v in extents_text.split('=')[1].split(',')]


def x_geometry(title):
    """Client size and the frame's top-left corner of a mapped window: width, height, x, y."""
    wid = x_window(title)
    x, y, width, height = client_geometry(wid)
    left, _, top, _ = frame_extents(wid)
    return width, height, x - left, y - top


def outer_frame(wid):
    """The window manager's outermost window around a client: the child of the root."""
    while True:
        tree = subprocess.run(['xwininfo', '-tree', '-id', str(wid)], check=True,
                              capture_output=True, text=True).stdout
        parent_line = next(line for line in tree.splitlines() if 'Parent window id:' in line)
        if '(the root window)' in parent_line:
            return int(str(wid), 0)
        wid = parent_line.split(':', 1)[1].split()[0]


def title_bar_point(title, from_right=None):
    """A point on the window manager's title bar of a window: its middle, or the middle of the
    square button that stands from_right buttons from the right end (0: the rightmost)."""
    wid = x_window(title)
    x, y, width, _ = client_geometry(wid)
    _, right, top, bottom = frame_extents(wid)
    border = bottom
    bar_height = top - border
    middle_y = y - top + border + bar_height // 2
    if from_right is None:
        return x + width // 2, middle_y
    return x + width + right - border - bar_height * from_right - bar_height // 2, middle_y


def bring_to_front(title):
    """Activates a window through the window manager, as a click on its taskbar button does."""
    xdotool('windowactivate', '--sync', x_window(title))


def request_close(title):
    """Asks a window to close the way a window manager, a taskbar or wmctrl finally does: the
    ICCCM's WM_DELETE_WINDOW message, sent to the window's client. (icewm offers no close of
    its own for a window whose hints leave close out, so its Alt+F4 never reaches the program.)"""
    wid = int(x_window(title))
    xlib = _xlib()
    display = xlib.XOpenDisplay(None)
    try:
        event = _XEvent()
        event.xclient.type = _CLIENT_MESSAGE
        event.xclient.window = wid
        event.xclient.message_type = xlib.XInternAtom(display, b'WM_PROTOCOLS', False)
        event.xclient.format = 32
        event.xclient.data[0] = xlib.XInternAtom(display, b'WM_DELETE_WINDOW', False)
        event.xclient.data[1] = 0  # CurrentTime
        xlib.XSendEvent(display, wid, False, 0, ctypes.byref(event))
        xlib.XSync(display, False)
    finally:
        xlib.XCloseDisplay(display)


def _title_pattern(title):
    return '^' + title.replace('"', '.') + '$'


def _xwininfo(wid):
    info = subprocess.run(['xwininfo', '-id', str(wid)], check=True, capture_output=True,
                          text=True).stdout
    values = {}
    for line in info.splitlines():
        name, _, value = line.strip().partition(':')
        values[name] = value.strip()
    return values


def _window_under_pointer():
    return int(_pointer_location()['WINDOW'])


def _pointer_location():
    return dict(field.split('=') for field in xdotool('getmouselocation', '--shell').split())


_CLIENT_MESSAGE = 33


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong),
                ('message_type', ctypes.c_ulong), ('format', ctypes.c_int),
                ('data', ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [('xclient', _XClientMessageEvent), ('pad', ctypes.c_long * 24)]


def _xlib():
    xlib = ctypes.CDLL('libX11.so.6')
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.POINTER(_XEvent)]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib
