"""Two starts with an exercise file, as a teacher hands one out: a good file comes up in the memory
window; a broken one gives one message naming the file and the line, and loads nothing. Run
inside run-session; arguments: the program to start and the factorial exercise."""

import os
import sys
import tempfile
import time

from session_support import (
    FACTORIAL, MAIN_TITLE, MEMORY_TITLE, OK_CAPTIONS, PANEL_TITLE, Program, active,
    answer_message, check, click, find, leave, message_box, message_text, poll, run_pass,
    showing, showing_titles, stacking_order, table_rows, wait_for, wait_until, window, windows)

PROGRAM, FACTORIAL_FILE = sys.argv[1:3]
# The factorial with a letter in the word on line 3.
BROKEN = FACTORIAL[:2] + ['1101001100x0'] + FACTORIAL[3:]
EMPTY_MEMORY = ['0' * 12] * 8


def memory_in_front(order):
    """Whether the memory window stacks above the main window, in titles from the bottom up."""
    return MEMORY_TITLE in order and MAIN_TITLE in order and \
        order.index(MEMORY_TITLE) > order.index(MAIN_TITLE)


def good_file():
    program = Program(PROGRAM, FACTORIAL_FILE)
    wait_until(lambda: window(MEMORY_TITLE) and active(window(MEMORY_TITLE)),
               'with the factorial exercise the memory window comes up active')
    shown = showing_titles()
    check(shown == sorted([MAIN_TITLE, MEMORY_TITLE, PANEL_TITLE]),
          f'beside it only the main window and the panel, no message ({shown})')
    order = poll(stacking_order, memory_in_front)
    check(memory_in_front(order),
          f'the memory window stands in front of the main window ({order}, bottom up)')
    wait_for(lambda: table_rows(MEMORY_TITLE), FACTORIAL,
             'the memory grid reads the factorial\'s eight words')
    leave(program)


def broken_file(folder):
    path = os.path.join(folder, 'broken.soyka')
    with open(path, 'w') as exercise:
        exercise.write('\n'.join(BROKEN) + '\n')
    program = Program(PROGRAM, path)
    wait_until(message_box, 'with a broken exercise a message comes up')
    boxes = [w for w in windows() if w.getRoleName() == 'alert' and showing(w)]
    check(len(boxes) == 1, f'one message box ({len(boxes)})')
    text = message_text(message_box())
    expected = (f'Файл упражнения не загружен:\n{path}\n\n'
                'Строка 3: здесь должно быть слово из 12 цифр 0 и 1.')
    check(text == expected, f'it names the file and line 3 ({text!r})')
    answer_message(OK_CAPTIONS)
    time.sleep(0.5)  # time for a second message to come up, which would be a fault
    shown = showing_titles()
    check(shown == sorted([MAIN_TITLE, PANEL_TITLE]),
          f'after OK the main window and the panel are on screen, nothing else ({shown})')

    # The panel covers the middle of the memory area and its label; the first block is clear.
    click(find(window(MAIN_TITLE), 'filler', 'ОЗУ, блок 1'))
    wait_until(lambda: window(MEMORY_TITLE), 'the board\'s memory area opens the memory window')
    wait_for(lambda: table_rows(MEMORY_TITLE), EMPTY_MEMORY,
             'the memory is all zeros: nothing of the file was loaded')
    leave(program)


def main():
    with tempfile.TemporaryDirectory(prefix='soyka-exercise-') as folder:
        run_pass(good_file, lambda: broken_file(folder))


main()
