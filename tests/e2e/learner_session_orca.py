"""The learner's session heard through Orca: what the screen reader says at each pause, in the
memory grid, in a run with every view open, for the error box and the exit question. Run inside
run-session; argument: the program to start."""

import re
import sys
from functools import partial

from orca_support import Orca, all_heard, cells_named, heard
from session_support import (
    DISPLAY_TITLE, FACTORIAL, MAIN_TITLE, MEMORY_TITLE, OK_CAPTIONS, PANEL_TITLE, PAUSE_TITLE,
    REGISTERS_TITLE, Program, active, answer_message, bring_to_front, button, check,
    display_values, focused_caption, key, lamp, leave, load_example, memory_cell, message_box,
    message_text, open_view, poll, run_pass, showing_titles, shown_texts, start_run, table_rows,
    wait_for, wait_until, window)

# The most cell names Orca may speak during the factorial's run (16 commands).
MOST_CELLS_IN_A_RUN = 24
# Keys typed into the memory (None: entering it, at cell 000, bit 12), each with the row and
# column the cursor goes to. They leave "cell 000 times cell 000" in cell 000, which overflows.
MEMORY_KEYS = [(None, (0, 0)), ('1', (0, 1)), ('0', (0, 2)), ('shift+1', (0, 1)), ('Tab', (0, 2))]
# The texts each pause shows besides the commentary caption: the address, then the tact and
# three lines of commentary, the command's description, or the error.
TACT_PAUSES = [('tact 1', ['команда', '000', 'такт', '1', 'Выборка', 'команды из', 'ячейки 000']),
               ('tact 2', ['команда', '000', 'такт', '2', '+1 в СчК.', 'Подготовка к',
                           'след.команде'])]
STEP_PAUSE = ('a Step pause', ['команда', '000', 'A1 * A2 ==> A3'])
ERROR_PAUSE = ('the error pause', ['команда', '000', 'ОШИБКА:', 'Переполнение!'])


def plain(text):
    return ' '.join(text.split())


def in_order(said, *utterances):
    """Whether said holds, one after another, utterances that each begin with the first of their
    parts and hold the others in order."""
    lines = ''.join(plain(u) + '\n' for u in said)
    pattern = r'(?:.*\n)*?'.join('^' + '.*?'.join(re.escape(plain(p)) for p in parts) + '.*\n'
                                 for parts in utterances)
    return re.search(pattern, lines, re.M) is not None


class OrcaPass:
    def __init__(self):
        self.orca = Orca()

    def start(self):
        self.orca.start()
        self.program = Program(sys.argv[1])
        wait_until(lambda: window(MAIN_TITLE) and window(PANEL_TITLE),
                   'start-up: the main window and the control panel are on screen')
        self.orca.said()

    def is_spoken(self, what, top, *utterances):
        """Orca speaks the utterances and then the focused button of the window top."""
        focused = poll(lambda: focused_caption(top()), bool)
        expected = [*utterances, [f'{focused} push button']]
        said = self.orca.said(lambda said: in_order(said, *expected))
        heard(in_order(said, *expected), f'{what}: Orca speaks {expected} ({said})')

    def box_is_spoken(self, what, text):
        wait_for(lambda: message_text(message_box()), text, f'{what} shows')
        self.is_spoken(what, message_box, [f'alert {message_box().name}'], [text])

    def pauses_are_spoken(self, mode, *pauses, box=None):
        start_run(mode, press=self.orca.click)
        if box:
            self.box_is_spoken(*box)
            answer_message(OK_CAPTIONS)
        for number, (what, texts) in enumerate(pauses):
            if number:
                key('space')  # Дальше has the focus
            wait_for(lambda: [plain(t) for t in shown_texts(window(PAUSE_TITLE))
                              if plain(t) not in ('', 'Комментарии')], texts,
                     f'{what}: the pause shows')
            self.is_spoken(what, lambda: window(PAUSE_TITLE), [f'{PAUSE_TITLE} dialog', *texts])
        key('Escape')
        wait_until(lambda: not window(PAUSE_TITLE), 'Escape closes the pause')
        wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run has ended')

    def memory_speaks_cells(self):
        for keys, (row, column) in MEMORY_KEYS:
            if keys:
                key(keys)
            else:
                self.orca.click(button(PANEL_TITLE, 'ВВОД'))
                wait_until(lambda: active(window(MEMORY_TITLE)), 'ВВОД activates the memory')
            said = self.orca.said(cells_named)
            expected = memory_cell(row, column).name
            heard(cells_named(said) == [expected], f'{keys or "entering the memory"}: Orca '
                  f'speaks the cell the cursor is on, once, «{expected}» ({said})')
        wait_for(lambda: table_rows(MEMORY_TITLE)[0], '101000000000', 'cell 000 holds the keys')

    def factorial_run_is_quiet(self, active_title):
        """The factorial's Auto run with every view open and active_title the active window."""
        load_example()
        wait_for(lambda: table_rows(MEMORY_TITLE), FACTORIAL, 'the factorial is in the memory')
        check({MEMORY_TITLE, REGISTERS_TITLE, DISPLAY_TITLE} <= set(shown := showing_titles()),
              f'every view is open ({shown})')
        start_run('Авто', press=self.orca.click)
        wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'ПУСК starts the factorial')
        if active_title != PANEL_TITLE:
            bring_to_front(active_title)
        wait_until(lambda: active(window(active_title)) and lamp(PANEL_TITLE, 'Счет') == 'зелёный',
                   f'«{active_title}» is active while the run is under way')
        wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный',
                   'the factorial\'s run ends by itself', timeout=60)
        said = self.orca.said()
        wait_for(display_values, ['120'] * 3, 'the run has computed 5!')
        cells = cells_named(said)
        heard(len(cells) <= MOST_CELLS_IN_A_RUN,
              f'the factorial\'s Auto run, «{active_title}» active: {len(cells)} cell utterances, '
              f'at most {MOST_CELLS_IN_A_RUN} (the first of {len(said)}: {said[:20]})')

    def exit_is_spoken(self):
        leave(self.program, press=self.orca.click, asked=lambda: self.box_is_spoken(
            'the exit question', 'Действительно хотите выйти из программы?'))


def main():
    session = OrcaPass()
    try:
        run_pass(session.start, session.memory_speaks_cells,
                 partial(session.pauses_are_spoken, 'Авто', ERROR_PAUSE,
                         box=('the error box', 'Переполнение!')),
                 partial(session.pauses_are_spoken, 'Такт', *TACT_PAUSES),
                 partial(open_view, 'АЛУ', REGISTERS_TITLE),
                 partial(open_view, 'Дисплей', DISPLAY_TITLE),
                 partial(session.factorial_run_is_quiet, PANEL_TITLE),
                 partial(session.pauses_are_spoken, 'Шаг', STEP_PAUSE),
                 partial(session.factorial_run_is_quiet, MEMORY_TITLE),
                 session.exit_is_spoken, all_heard, session.orca.stop)
    finally:
        session.orca.end()


main()
