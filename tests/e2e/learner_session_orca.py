"""The learner's session heard through Orca: what the screen reader says at each pause, in the
memory grid, during a run with every view open, and for the error box and the exit question,
read from Orca's speech log. Run inside run-session; argument: the program to start."""

import sys

import pyatspi

from orca_support import Orca, Speech, all_heard, cells_named, heard
from session_support import (
    DISPLAY_TITLE, EXAMPLE_TITLE, MAIN_TITLE, MEMORY_TITLE, OK_CAPTIONS, PANEL_TITLE, PAUSE_TITLE,
    REGISTERS_TITLE, Program, active, answer_message, bring_to_front, button, check, choose_menu,
    click, descendants, display_values, find, has_state, key, lamp, leave, memory_cell,
    message_box, message_text, run_pass, sensitive, showing_titles, shown_texts, table_rows,
    wait_for, wait_until, window)

PROGRAM = sys.argv[1]
FACTORIAL = ['101110101101', '001110111110', '110100110000', '111101101101',
             '000000000110', '000000000001', '000000000001', '000000000001']
# What the factorial's run leaves on the display: 5! in all three rows.
FACTORIAL_RESULT = ['120'] * 3
# The most cell names Orca may speak during the factorial's run (16 commands).
MOST_CELLS_IN_A_RUN = 24
# Keys typed into the memory from cell 000, bit 12, each with the row and column the cursor
# goes to. They leave 101 000 000 000 in cell 000: "cell 000 times cell 000", which overflows.
MEMORY_KEYS = [('1', (0, 1)), ('0', (0, 2)), ('shift+1', (0, 1)), ('Tab', (0, 2))]
OVERFLOWING = '101000000000'
COMMENTARY_CAPTION = 'Комментарии'
VIEWS = (MEMORY_TITLE, REGISTERS_TITLE, DISPLAY_TITLE)


def plain(text):
    return ' '.join(text.split())


def in_reading_order(utterance, parts):
    """Whether the utterance holds each part, one after another."""
    text, at = plain(utterance), 0
    for part in parts:
        at = text.find(plain(part), at)
        if at < 0:
            return False
        at += len(plain(part))
    return True


def spoken_in_order(said, beginnings):
    """Whether utterances beginning so come one after another among what was said."""
    at = 0
    for beginning in beginnings:
        at = next((i + 1 for i in range(at, len(said))
                   if plain(said[i]).startswith(plain(beginning))), None)
        if at is None:
            return False
    return True


def focused_button(top):
    return next(b.name for b in descendants(top) if b.getRoleName() == 'push button'
                and has_state(b, pyatspi.STATE_FOCUSED))


def button_after(opening):
    """Accepts what was said once a button has been spoken after an utterance beginning so."""
    def accept(said):
        start = next((i for i, u in enumerate(said) if u.startswith(opening)), None)
        return start is not None and any('push button' in u for u in said[start + 1:])
    return accept


class OrcaPass:
    def __init__(self):
        self.orca = Orca()
        self.speech = None
        self.program = None

    def start(self):
        self.orca.start()
        self.speech = Speech(self.orca)
        self.program = Program(PROGRAM)
        wait_until(lambda: window(MAIN_TITLE) and window(PANEL_TITLE),
                   'start-up: the main window and the control panel are on screen')
        self.speech.until()

    def pause_is_spoken(self, what, shows):
        """Orca speaks the pause window with every text it shows, in reading order, before the
        button that has the focus; shows(texts) tells the pause is the one the step expects."""
        wait_until(lambda: window(PAUSE_TITLE), f'{what}: the pause window shows')
        dialog = f'{PAUSE_TITLE} dialog'
        said = self.speech.until(button_after(dialog))
        pause = window(PAUSE_TITLE)
        texts = [plain(t) for t in shown_texts(pause) if plain(t) and t != COMMENTARY_CAPTION]
        check(shows(texts), f'{what}: the pause shows {texts}')
        focused = focused_button(pause)
        spoken = next((u for u in said if u.startswith(dialog)), '')
        heard(in_reading_order(spoken, texts) and
              spoken_in_order(said, [dialog, f'{focused} push button']),
              f'{what}: Orca speaks {texts} before «{focused}» ({said})')

    def end_pause(self):
        key('Escape')
        wait_until(lambda: not window(PAUSE_TITLE), 'Escape closes the pause')
        wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run has ended')

    def box_is_spoken(self, what):
        """Orca speaks the message box's title and its text, then its focused button."""
        wait_until(message_box, f'{what} shows')
        box = message_box()
        text, focused = message_text(box), focused_button(box)
        said = self.speech.until(button_after('alert'))
        heard(spoken_in_order(said, [f'alert {box.name}', text, f'{focused} push button']),
              f'{what}: Orca speaks «{box.name}», «{text}», «{focused}» ({said})')

    def memory_speaks_cells(self):
        self.orca.click(button(PANEL_TITLE, 'ВВОД'))
        wait_until(lambda: active(window(MEMORY_TITLE)), 'ВВОД makes the memory window active')
        said = self.speech.until(cells_named)
        expected = memory_cell(0, 0).name
        heard(cells_named(said) == [expected],
              f'entering the memory window speaks its current cell once, «{expected}» ({said})')
        for keys, (row, column) in MEMORY_KEYS:
            key(keys)
            said = self.speech.until(cells_named)
            expected = memory_cell(row, column).name
            heard(cells_named(said) == [expected],
                  f'after {keys} Orca speaks the cell the cursor moved to, «{expected}» ({said})')
        wait_for(lambda: table_rows(MEMORY_TITLE)[0], OVERFLOWING, 'cell 000 holds the typed bits')

    def start_run(self, mode):
        panel = window(PANEL_TITLE)
        click(find(panel, 'radio button', mode))
        self.speech.until()
        self.orca.click(find(panel, 'push button', 'ПУСК'))

    def error_is_spoken(self):
        self.start_run('Авто')
        self.box_is_spoken('the overflow\'s error box')
        answer_message(OK_CAPTIONS)
        self.pause_is_spoken('the error pause', lambda texts: 'ОШИБКА:' in texts and
                             texts[texts.index('ОШИБКА:') + 1] == 'Переполнение!')
        self.end_pause()

    def tacts_are_spoken(self):
        self.start_run('Такт')
        for tact in (1, 2):
            if tact > 1:
                key('space')  # Дальше has the focus
            # The address, the tact, then three lines of commentary.
            self.pause_is_spoken(f'tact {tact}', lambda texts: len(texts) == 7 and
                                 texts[:4] == ['команда', '000', 'такт', str(tact)])
        self.end_pause()

    def step_is_spoken(self):
        self.start_run('Шаг')
        self.pause_is_spoken('a Step pause', lambda texts: texts == ['команда', '000',
                                                                    'A1 * A2 ==> A3'])
        self.end_pause()

    def load_factorial(self):
        bring_to_front(MAIN_TITLE)
        choose_menu('Помощь', 'Пример')
        wait_until(lambda: window(EXAMPLE_TITLE), '«Пример» opens the example window')
        click(button(EXAMPLE_TITLE, 'Ввести в ОЗУ'))
        wait_until(lambda: not sensitive(button(EXAMPLE_TITLE, 'Ввести в ОЗУ')),
                   'the example window comes back after «Ввести в ОЗУ»')
        click(find(window(EXAMPLE_TITLE), 'push button', names=OK_CAPTIONS))
        wait_until(lambda: not window(EXAMPLE_TITLE), 'OK closes the example window')
        wait_for(lambda: table_rows(MEMORY_TITLE), FACTORIAL, 'the factorial is in the memory')

    def open_views(self):
        for area, title in (('АЛУ', REGISTERS_TITLE), ('Дисплей', DISPLAY_TITLE)):
            bring_to_front(MAIN_TITLE)
            click(find(window(MAIN_TITLE), 'label', area))
            wait_until(lambda: window(title), f'the board\'s «{area}» opens «{title}»')

    def factorial_run_is_quiet(self, how, during):
        shown = showing_titles()
        check(all(view in shown for view in VIEWS), f'every view is open ({shown})')
        self.start_run('Авто')
        wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'ПУСК starts the factorial')
        during()
        wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный',
                   'the factorial\'s run ends by itself', timeout=60)
        said = self.speech.until()
        values = display_values()
        check(values == FACTORIAL_RESULT, f'the run has computed 5! ({values})')
        cells = cells_named(said)
        heard(len(cells) <= MOST_CELLS_IN_A_RUN,
              f'the factorial\'s Auto run, {how}: {len(cells)} cell utterances, at most '
              f'{MOST_CELLS_IN_A_RUN} (the first of {len(said)}: {said[:20]})')

    def panel_stays_active(self):
        check(active(window(PANEL_TITLE)), 'the panel is the active window during the run')

    def activate_memory(self):
        bring_to_front(MEMORY_TITLE)
        wait_until(lambda: active(window(MEMORY_TITLE)), 'the memory window becomes active')
        check(lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'the run is still under way')

    def exit_is_spoken(self):
        bring_to_front(MAIN_TITLE)
        self.speech.until()
        leave(self.program, press=self.orca.click,
              asked=lambda: self.box_is_spoken('the exit question'))


def main():
    session = OrcaPass()
    try:
        run_pass(session.start, session.memory_speaks_cells, session.error_is_spoken,
                 session.tacts_are_spoken, session.load_factorial, session.open_views,
                 lambda: session.factorial_run_is_quiet('the panel active',
                                                        during=session.panel_stays_active),
                 session.step_is_spoken, session.load_factorial,
                 lambda: session.factorial_run_is_quiet('the memory window made active',
                                                        during=session.activate_memory),
                 session.exit_is_spoken, session.orca.stop, all_heard)
        session.orca.discard()
    finally:
        session.orca.end()


main()
