"""A learner's first session, driven from outside with real input events and read back the way
a screen reader reads the screen. Run inside run-session; argument: the program to start."""

import sys
import time
from functools import partial

from session_support import (
    DISPLAY_TITLE, FACTORIAL, MAIN_TITLE, MEMORY_TITLE, NO_CAPTIONS, OK_CAPTIONS, PANEL_IDLE,
    PANEL_TITLE, PAUSE_TITLE, REGISTERS_TITLE, Program, active, answer_message, bring_to_front,
    button, check, choose_menu, choose_popup_item, click, click_at, counter_lamps,
    display_values, drag, find, key, lamp, leave, load_example, memory_cell, menu_items,
    message_box, message_text, open_context_menu, open_view, panel_state, request_close,
    run_pass, sensitive, showing_titles, shown_texts, stacking_order, start_run, table_rows,
    title_bar_point, wait_for, wait_until, window, x_geometry)

PROGRAM = sys.argv[1]
# With "pauses": only as far as the pauses' place, for a pass under another window manager.
SHORT = sys.argv[2:] == ['pauses']
INTERFACE_TITLE = 'Интерфейс'
# The factorial's rows that its run never writes: everything but F (101) and K (110).
FACTORIAL_CODE_ROWS = (0, 1, 2, 3, 4, 7)
# 120 and 720 as the display shows them.
BITS_120 = '000001111000'
BITS_720 = '001011010000'
# Typed into cell 000 from bit 12 on: eleven digits, the twelfth with Shift held (the cursor
# steps back to bit 2), then the digit that lands on bit 2 over the eleventh.
CELL_000_KEYS = ['1', '0', '0', '0', '0', '0', '0', '0', '0', '0', '1', 'shift+0', '0']
# The tacts of one pass of the factorial's loop (multiply, add, compare and jump) in Tact mode.
TACTS_OF_THE_LOOP = (1, 2, 3, 4, 5) * 3
PAUSES_IN_TWO_PASSES = 2 * len(TACTS_OF_THE_LOOP)
# "Jump to 000 if cell 000 equals cell 000": a run that only a change of memory can end.
ENDLESS_LOOP = '100000000000'


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


def pause_keeps_its_place():
    """Two passes of the factorial's loop in Tact mode, thirty pauses: each stands where the first
    did. The СТОП at tact 1 of the next command leaves F = 2 and K = 3, the loop's own values."""
    start_run('Такт')
    places = []
    for number in range(1, PAUSES_IN_TWO_PASSES + 1):
        wait_for(lambda: pause_texts()[pause_texts().index('такт') + 1],
                 str(TACTS_OF_THE_LOOP[(number - 1) % len(TACTS_OF_THE_LOOP)]),
                 f'pause {number} is up')
        places.append(x_geometry(PAUSE_TITLE))
        click(button(PAUSE_TITLE, 'Дальше'))
    check(places == [(323, 125, 303, 302)] * PAUSES_IN_TWO_PASSES,
          f'all thirty pauses stand at 303, 302 with a 323 x 125 client ({sorted(set(places))})')
    wait_for(lambda: pause_texts()[pause_texts().index('такт') + 1], '1', 'pause 31 is up')
    click(button(PAUSE_TITLE, 'СТОП'))
    wait_for(panel_state, PANEL_IDLE, 'СТОП ends the run')


def auto_run():
    open_view('Дисплей', DISPLAY_TITLE)
    start_run('Авто')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'ПУСК lights the run lamp')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run ends by itself')
    check(table_rows(DISPLAY_TITLE) == [BITS_120] * 3, 'the display shows 120 in all rows')
    values = display_values()
    check(values == ['120'] * 3, f'the three values read 120 ({values})')


def pause_texts():
    return shown_texts(window(PAUSE_TITLE))


def tact_run_stopped_in_its_pause(program):
    start_run('Такт')
    wait_until(lambda: window(PAUSE_TITLE), 'a Tact run pauses after tact 1')
    texts = pause_texts()
    check('ячейки 000' in texts and 'Выборка' in texts, f'the pause comments tact 1 ({texts})')

    # The pause stands over the whole panel; the learner moves it aside to reach the panel.
    x, y = title_bar_point(PAUSE_TITLE)
    drag((x, y), (x, y + 230))
    panel_stop = button(PANEL_TITLE, 'СТОП')
    check(not sensitive(panel_stop), 'the panel\'s СТОП is disabled during a Tact run')
    click(panel_stop)
    click(button(PAUSE_TITLE, 'Помощь'))
    wait_until(message_box, 'the pause\'s Помощь shows its message')
    help_text = message_text(message_box())
    check(help_text == 'Выход из режимов\n"ШАГ"  и  "ТАКТ"\n Т О Л Ь К О ( !!! )\n'
                       'по кнопке "СТОП"!!!', f'it says how to leave the run ({help_text!r})')
    answer_message(OK_CAPTIONS)
    texts = pause_texts()
    check(window(PAUSE_TITLE) is not None and 'такт' in texts and texts[texts.index('такт') + 1]
          == '1', f'a click on the panel\'s СТОП leaves the pause at tact 1 ({texts})')
    check(lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'the run is still under way')

    click(button(PAUSE_TITLE, 'СТОП'))
    wait_until(lambda: not window(PAUSE_TITLE), 'СТОП closes the pause')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный', 'the run has ended')
    check(sensitive(button(PANEL_TITLE, 'ПУСК')), 'ПУСК usable again')
    wait_for(panel_state, PANEL_IDLE, 'the panel\'s lamps and buttons are idle')
    wait_for(counter_lamps, '000', 'the counter lamps show 000: the stop came before tact 2')
    check(program.running(), 'the program is still running')


def step_run():
    """From F = 120 and K = 6 left by the Auto run, one pass of the loop: four commands."""
    start_run('Шаг')
    expected = [('000', ' A1 * A2 ==> A3'), ('001', ' A1 + A2 ==> A3'),
                ('010', ' при A1 > A2 к A3'), ('011', ' ВЫВОД, СТОП')]
    for address, comment in expected:
        def pause_reads():
            texts = pause_texts()
            return texts[texts.index('команда') + 1], texts[texts.index('Комментарии') + 2]
        wait_for(pause_reads, (address, comment),
                 f'a Step pause after the command in cell {address}')
        click(button(PAUSE_TITLE, 'Дальше'))
    wait_until(lambda: not window(PAUSE_TITLE), 'Дальше after the output command ends the pauses')
    wait_for(panel_state, PANEL_IDLE, 'the Step run ends with the panel\'s lamps and buttons idle')
    wait_for(counter_lamps, '100', 'the counter lamps show 100, the cell after the output')
    values = display_values()
    check(table_rows(DISPLAY_TITLE) == [BITS_720] * 3 and values == ['720'] * 3,
          f'the display shows 720 in all rows ({values})')


def tact_run_stepped_back():
    """A Tact run from cell 000: Дальше three times, then Назад twice by mouse and once by
    Backspace; each restored pause, the memory, the registers and the counter lamps read back
    as they were at that tact going forward. СТОП then ends the run before any store, so the
    memory stays as the Auto run left it (F = 120, K = 6)."""
    def seen():
        texts = pause_texts()
        registers = [table_rows(REGISTERS_TITLE, 0, 3)] + [
            table_rows(REGISTERS_TITLE, t) for t in (1, 2)]
        return texts, table_rows(MEMORY_TITLE), registers, counter_lamps()

    def tact_shown():
        texts = pause_texts()
        return texts[texts.index('такт') + 1]

    open_view('АЛУ', REGISTERS_TITLE)
    start_run('Такт')
    wait_until(lambda: window(PAUSE_TITLE), 'a Tact run pauses after tact 1')
    # Moved aside earlier to reach the panel, the pause goes back up, clear of the task bar.
    x, y = title_bar_point(PAUSE_TITLE)
    drag((x, y), (x, y - 230))
    forward = []
    for tact in ('1', '2', '3', '4'):
        wait_for(tact_shown, tact, f'the pause of tact {tact}')
        check(sensitive(button(PAUSE_TITLE, 'Назад')) == (tact != '1'),
              f'Назад is offered from the run\'s second pause on (tact {tact})')
        forward.append(seen())
        if tact != '4':
            click(button(PAUSE_TITLE, 'Дальше'))
    for tact, by_key in (('3', False), ('2', False), ('1', True)):
        if by_key:
            click(window(PAUSE_TITLE), at=(0.5, 0.55))  # a bare spot: the pause takes the keys
            wait_until(lambda: active(window(PAUSE_TITLE)), 'the pause is the active window')
            key('BackSpace')
        else:
            click(button(PAUSE_TITLE, 'Назад'))
        wait_for(seen, forward[int(tact) - 1],
                 f'Назад{" by Backspace" if by_key else ""} brings back tact {tact}: the pause, '
                 'memory, registers and counter lamps as they were')
    check(not sensitive(button(PAUSE_TITLE, 'Назад')), 'at the first pause Назад is disabled')
    click(button(PAUSE_TITLE, 'СТОП'))
    wait_until(lambda: not window(PAUSE_TITLE), 'СТОП closes the pause')
    wait_for(panel_state, PANEL_IDLE, 'the run has ended with the panel idle')


def exit_refused(program):
    before = showing_titles()
    bring_to_front(MAIN_TITLE)
    choose_menu('Выход')
    wait_until(message_box, '«Выход» asks first')
    question = message_text(message_box())
    check(question == 'Действительно хотите выйти из программы?', f'the question ({question!r})')
    answer_message(NO_CAPTIONS)
    wait_for(showing_titles, before, 'after «Нет» every window is still on screen')
    check(program.running(), 'the program is still running')


def dialog_above_the_panel():
    """«Интерфейс» opens over the always-on-top panel and stays above it until its OK."""
    bring_to_front(MAIN_TITLE)
    choose_menu('Помощь', 'Интерфейс')
    wait_until(lambda: window(INTERFACE_TITLE), '«Интерфейс» opens its dialog')
    wait_for(lambda: stacking_order()[-1], INTERFACE_TITLE,
             'the dialog stands above every window, the control panel included')
    click(find(window(INTERFACE_TITLE), 'push button', names=OK_CAPTIONS))
    wait_until(lambda: not window(INTERFACE_TITLE), 'its OK, uncovered, closes it')


def type_into_cell_000():
    before = table_rows(MEMORY_TITLE)
    click(button(PANEL_TITLE, 'ВВОД'))
    wait_until(lambda: active(window(MEMORY_TITLE)), 'ВВОД makes the memory window active')
    check(lamp(PANEL_TITLE, 'Ввод') == 'зелёный' and lamp(MEMORY_TITLE, 'Ввод') == 'зелёный',
          'both input lamps green')
    click(memory_cell(0, 0))
    key(*CELL_000_KEYS)
    expected = [ENDLESS_LOOP] + before[1:]
    wait_for(lambda: table_rows(MEMORY_TITLE), expected,
             'the keys fill cell 000 bit by bit; after Shift+0 the next digit lands one cell to '
             'the left; no other cell changes')


def close_requests_refused():
    refusing = [MEMORY_TITLE, REGISTERS_TITLE, DISPLAY_TITLE, PANEL_TITLE]
    for title in refusing:
        request_close(title)
    # The requests reach the program before the click on ПУСК, so once the run lamp answers,
    # each window has had its request.
    start_run('Авто')
    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'зелёный',
               'ПУСК starts an Auto run of the endless loop in cell 000')
    shown = showing_titles()
    check(all(title in shown for title in refusing), 'a close request from the window system '
          f'leaves each view and the panel on screen ({shown})')


def load_example_during_the_run():
    menu = open_context_menu(memory_cell(2, 5))
    items = menu_items(menu)
    check(items == ['Команда', 'Адреса', '10-е число', 'Открыть упражнение…',
                    'Сохранить программу', 'Сохранить программу как…', 'Проверить программу'],
          f'the memory menu reads {items}')
    choose_popup_item('Команда')
    wait_until(message_box, '«Команда» shows its message')
    decoded = message_text(message_box())
    check(decoded == 'Ячейка 000:\nкоманда - 100  при A1 = A2 к A3',
          f'it decodes the cell under the cursor, which the run keeps at 000 ({decoded!r})')
    answer_message(OK_CAPTIONS)
    check(lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'the run goes on behind the message')

    def factorial_loaded_during_the_run():
        rows = table_rows(MEMORY_TITLE)
        check(all(rows[r] == FACTORIAL[r] for r in FACTORIAL_CODE_ROWS),
              f'the memory now holds the factorial program ({rows})')
        check(lamp(PANEL_TITLE, 'Счет') == 'зелёный', 'the run goes on as the memory is replaced')

    load_example(factorial_loaded_during_the_run)

    wait_until(lambda: lamp(PANEL_TITLE, 'Счет') == 'красный',
               'the same run, now of the factorial, ends by itself', timeout=60)
    values = display_values()
    check(table_rows(DISPLAY_TITLE) == [BITS_120] * 3 and values == ['120'] * 3,
          f'the three display rows are equal: 120 ({values})')


def title_bar_close():
    program = Program(PROGRAM)
    wait_until(lambda: window(MAIN_TITLE) and window(PANEL_TITLE),
               'a second start: the main window and the control panel are on screen')
    click_at(*title_bar_point(MAIN_TITLE, from_right=0))
    status = program.exit_status()
    check(status == 0, f'the title bar\'s close button ends the program with status 0 ({status})')


def main():
    program = Program(PROGRAM)
    if SHORT:
        run_pass(start_up, type_the_factorial, pause_keeps_its_place)
        return
    run_pass(start_up, type_the_factorial, pause_keeps_its_place, auto_run,
             partial(tact_run_stopped_in_its_pause, program), tact_run_stepped_back, step_run,
             partial(exit_refused, program), dialog_above_the_panel,
             partial(open_view, 'АЛУ', REGISTERS_TITLE),
             type_into_cell_000, close_requests_refused, load_example_during_the_run,
             partial(leave, program), title_bar_close)


main()
