"""A learner's first session, driven from outside with real input events and read back the way
a screen reader reads the screen. Run inside run-session; argument: the program to start."""

import sys
import time
from functools import partial

from session_support import (
    DISPLAY_TITLE, MAIN_TITLE, MEMORY_TITLE, PANEL_TITLE, PAUSE_TITLE, Program, button, check,
    click, display_values, find, key, lamp, run_pass, sensitive, showing_titles, shown_texts,
    table_rows, wait_until, window, x_geometry)

PROGRAM = sys.argv[1]
FACTORIAL = ['101110101101', '001110111110', '110100110000', '111101101101',
             '000000000110', '000000000001', '000000000001', '000000000001']
# 120 as the display shows it.
BITS_120 = '000001111000'


def start_up():
    wait_until(lambda: window(MAIN_TITLE) and window(PANEL_TITLE),
               'start-up: the main window and the control panel are on screen')
    time.sleep(0.5)  # time for any other window to come up, which would be a fault
    shown = showing_titles()
    check(shown == sorted([MAIN_TITLE, PANEL_TITLE]),
          f'start-up: exactly those two windows are showing ({shown})')
    width, height, left, top = x_geometry(PANEL_TITLE)
    check((width, height, left, top) == (293, 87, 340, 339),
          f'panel: client 293 x 87 at 340, 339 ({width} x {height} at {left}, {top})')
    width, height, _, _ = x_geometry(MAIN_TITLE)
    check(width == 582 and height > 409, f'main window: client 582 wide, 409 below a menu bar '
                                         f'({width} x {height})')


def type_the_factorial():
    click(button(PANEL_TITLE, 'ВВОД'))
    wait_until(lambda: window(MEMORY_TITLE), 'ВВОД opens the memory window')
    width, height, left, top = x_geometry(MEMORY_TITLE)
    check((width, height, left, top) == (348, 355, 0, 60),
          f'memory window: client 348 x 355 at 0, 60 ({width} x {height} at {left}, {top})')
    check(lamp(PANEL_TITLE, 'Ввод') == 'зелёный', 'panel input lamp green')
    check(lamp(MEMORY_TITLE, 'Ввод') == 'зелёный', 'memory input lamp green')

    key(*''.join(FACTORIAL))
    wait_until(lambda: table_rows(MEMORY_TITLE) == FACTORIAL,
               'the factorial program typed as 96 key presses is in the memory grid')

    click(window(MAIN_TITLE), at=(0.9, 0.9))  # a bare spot of the board, clear of the panel
    wait_until(lambda: lamp(PANEL_TITLE, 'Ввод') == 'красный',
               'a click on the main window turns the panel input lamp red')
    check(lamp(MEMORY_TITLE, 'Ввод') == 'красный', 'memory input lamp red again')


def auto_run():
    click(find(window(MAIN_TITLE), 'label', 'Дисплей'))
    wait_until(lambda: window(DISPLAY_TITLE), 'the display area opens the display window')

    panel = window(PANEL_TITLE)
    click(find(panel, 'radio button', 'Авто'))
    click(find(panel, 'push button', 'ПУСК'))
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'ПУСК lights the run lamp')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run ends by itself')
    check(table_rows(DISPLAY_TITLE) == [BITS_120] * 3, 'the display shows 120 in all rows')
    values = display_values()
    check(values == ['120'] * 3, f'the three values read 120 ({values})')


def pause_texts():
    return shown_texts(window(PAUSE_TITLE))


def tact_run_stopped_in_its_pause(program):
    panel = window(PANEL_TITLE)
    click(find(panel, 'radio button', 'Такт'))
    click(find(panel, 'push button', 'ПУСК'))
    wait_until(lambda: window(PAUSE_TITLE), 'a Tact run pauses after tact 1')
    texts = pause_texts()
    check('ячейки 000' in texts and 'Выборка' in texts, f'the pause comments tact 1 ({texts})')
    click(button(PAUSE_TITLE, 'СТОП'))
    wait_until(lambda: not window(PAUSE_TITLE), 'СТОП closes the pause')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run has ended')
    check(sensitive(button(PANEL_TITLE, 'ПУСК')), 'ПУСК usable again')
    check(program.running(), 'the program is still running')


def main():
    program = Program(PROGRAM)
    run_pass(start_up, type_the_factorial, auto_run,
             partial(tact_run_stopped_in_its_pause, program))


main()
