"""A learner's session from the keyboard alone: not one mouse event from the start to the end.
Windows are switched with the window manager's Alt+Tab, as a learner without a mouse does, and
everything is read back through the accessibility interface. Run inside run-session; argument:
the program to start."""

import sys

import pyatspi

from session_support import (
    DISPLAY_TITLE, EXAMPLE_TITLE, FACTORIAL, MAIN_TITLE, MEMORY_TITLE, OK_CAPTIONS, PANEL_TITLE,
    YES_CAPTIONS, Program, active, answer_message, check, descendants, display_values, extents,
    find, has_state, key, lamp, menu_items, message_box, message_text, poll, run_pass, sensitive,
    showing, table_rows, wait_for, wait_until, window, windows, xdotool)

PROGRAM = sys.argv[1]


def active_title():
    return next((w.name for w in windows() if active(w)), None)


def focused(root, role):
    """The name of the focused descendant of that role in root."""
    return next((a.name for a in descendants(root)
                 if a.getRoleName() == role and has_state(a, pyatspi.STATE_FOCUSED)), None)


class Desktop:
    """What the pass learns from events: the windows from the most recently active on, as the
    window manager's Alt+Tab lists them, and the pop-up menus, which the tree does not list."""

    def __init__(self):
        self.recent = []
        self.last_activated = None
        self.switching = False
        self.popups = []
        pyatspi.Registry.registerEventListener(self._note_activation, 'window:activate')
        pyatspi.Registry.registerEventListener(self._note_popup, 'object:state-changed:showing')

    def _note_activation(self, event):
        # While Alt is held the window manager activates each window Tab passes over; only the
        # one chosen moves up the list.
        self.last_activated = event.source
        if not self.switching:
            self._put_first(event.source)

    def _note_popup(self, event):
        if event.detail1 == 1 and event.source.getRoleName() == 'popup menu':
            self.popups.append(event.source)

    def _put_first(self, acc):
        self.recent = [acc] + [w for w in self.recent if w != acc]

    def switch_to(self, title):
        """Alt+Tab, with Tab pressed as often as the window stands down the list."""
        target = window(title)
        if active(target):
            return
        order = [w for w in self.recent if showing(w)]
        presses = order.index(target) if target in order else len(order)
        self.switching = True
        xdotool('keydown', 'alt')
        xdotool('key', *['Tab'] * presses)
        xdotool('keyup', 'alt')
        wait_for(active_title, title, f'Alt+Tab with Tab {presses} times reaches «{title}»')
        # Once the chosen window's activation has come, every one before it has been seen.
        wait_until(lambda: self.last_activated == target, f'«{title}» is the last one activated')
        self.switching = False
        self._put_first(target)

    def menu_item(self):
        """The menu item a learner is on: the innermost focused one, without the bar's blanks."""
        names = [acc.name.strip() for root in windows() + self.popups
                 for acc in descendants(root)
                 if acc.getRoleName() == 'menu item' and showing(acc)
                 and has_state(acc, pyatspi.STATE_FOCUSED)]
        return names[-1] if names else None


def tab_to(title, captions):
    """Presses Tab until a push button of the window with one of captions has the focus."""
    root = window(title)
    for _ in descendants(root):
        name = focused(root, 'push button')
        if name in captions:
            break
        key('Tab')
        poll(lambda: focused(root, 'push button'), lambda now: now != name)
    name = focused(root, 'push button')
    check(name in captions, f'Tab reaches «{captions[0]}» in «{title}» ({name!r})')


def start_up(desktop):
    wait_until(lambda: window(MAIN_TITLE) and window(PANEL_TITLE),
               'start-up: the main window and the control panel are on screen')
    desktop.switch_to(MAIN_TITLE)
    taken = [a.name for a in descendants(window(MAIN_TITLE))
             if has_state(a, pyatspi.STATE_FOCUSED)]
    check(not taken, f'nothing on the main window has the keyboard focus ({taken})')


def example_from_the_menu(desktop):
    key('F10')
    wait_for(desktop.menu_item, 'Система команд', 'F10 opens «Помощь» on its first item')
    key('Down', 'Down')
    wait_for(desktop.menu_item, 'Пример', 'Down, Down: «Пример»')
    key('Return')
    wait_until(lambda: window(EXAMPLE_TITLE) and active(window(EXAMPLE_TITLE)),
               'Enter opens the example window')
    tab_to(EXAMPLE_TITLE, ('Ввести в ОЗУ',))
    key('space')
    wait_until(lambda: not sensitive(find(window(EXAMPLE_TITLE), 'push button', 'Ввести в ОЗУ')),
               'Space loads the example: the window comes back with «Ввести в ОЗУ» disabled')
    wait_for(lambda: table_rows(MEMORY_TITLE), FACTORIAL, 'the memory holds the factorial')
    tab_to(EXAMPLE_TITLE, OK_CAPTIONS)
    key('space')
    wait_until(lambda: not window(EXAMPLE_TITLE), 'Space on OK closes the example window')
    wait_for(active_title, MEMORY_TITLE, 'the memory window comes up active')


def display_from_the_board(desktop):
    desktop.switch_to(MAIN_TITLE)
    main = window(MAIN_TITLE)
    for area in ('ОЗУ', 'АЛУ', 'Дисплей'):
        key('Tab')
        wait_for(lambda: focused(main, 'push button'), area, f'Tab: the board area «{area}»')
    key('Return')
    wait_until(lambda: window(DISPLAY_TITLE), 'Enter on «Дисплей» opens the display window')


def run_from_the_panel(desktop):
    desktop.switch_to(PANEL_TITLE)
    tab_to(PANEL_TITLE, ('ПУСК',))
    key('space')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'Space on ПУСК starts the run')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run ends by itself')
    wait_for(display_values, ['120'] * 3, 'the three display rows read 120')


def decode_cell_000(desktop):
    desktop.switch_to(MEMORY_TITLE)
    grid = window(MEMORY_TITLE)
    for _ in range(8):
        cell = focused(grid, 'table cell') or ''
        if cell.startswith('Ячейка 000'):
            break
        key('Up')
        poll(lambda: focused(grid, 'table cell'), lambda now: now not in (None, cell))
    cell = focused(grid, 'table cell') or ''
    check(cell.startswith('Ячейка 000'), f'Up moves the cursor to cell 000 ({cell!r})')
    cell_x, _, cell_width, _ = extents(find(grid, 'table cell', cell))
    key('shift+F10')
    menu = poll(lambda: next((p for p in desktop.popups if showing(p)), None), bool)
    items = menu_items(menu) if menu else None
    check(items is not None and items[:3] == ['Команда', 'Адреса', '10-е число'],
          f'Shift+F10 opens the decoding menu ({items})')
    menu_x, _, menu_width, _ = extents(menu)
    middle = menu_x + menu_width // 2
    check(cell_x <= middle < cell_x + cell_width,
          f'centred on the cell: its middle at {middle}, the cell from {cell_x} to '
          f'{cell_x + cell_width}')
    wait_for(desktop.menu_item, 'Команда', 'its first item highlighted: «Команда»')
    key('Return')
    wait_until(message_box, 'Enter shows its message')
    decoded = message_text(message_box())
    check(decoded == 'Ячейка 000:\nкоманда - 101  A1 * A2 ==> A3',
          f'it decodes cell 000 ({decoded!r})')
    answer_message(OK_CAPTIONS)


def leave(desktop, program):
    desktop.switch_to(MAIN_TITLE)
    key('F10')
    wait_for(desktop.menu_item, 'Система команд', 'F10 opens «Помощь»')
    key('Right', 'Right')
    wait_for(desktop.menu_item, 'Выход', 'Right, Right: «Выход»')
    key('Return')
    wait_until(message_box, 'Enter on «Выход» asks whether to leave')
    answer_message(YES_CAPTIONS)
    status = program.exit_status()
    check(status == 0, f'«Да» ends the program with status 0 ({status})')


def main():
    desktop = Desktop()
    program = Program(PROGRAM)
    run_pass(*(lambda step=step: step(desktop) for step in (
        start_up, example_from_the_menu, display_from_the_board, run_from_the_panel,
        decode_cell_000)), lambda: leave(desktop, program))


main()
