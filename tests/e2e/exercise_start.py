"""Starts with an exercise file, as a teacher hands one out: a good file comes up in the memory
window; a broken one gives one message naming the file and the line, and loads nothing; a
learner's copy of an exercise without a solution is solved, checked, saved and left. Run inside
run-session; arguments: the program to start and the factorial exercise (the others lie beside
it)."""

import os
import shutil
import sys
import tempfile
import time

from session_support import (
    FACTORIAL, MAIN_TITLE, MEMORY_TITLE, NO_CAPTIONS, OK_CAPTIONS, PANEL_TITLE, YES_CAPTIONS,
    Program, active, answer_message, bring_to_front, button, check, choose_menu, click, find,
    focused_caption, key,
    leave, message_box, message_text, poll, run_pass, showing, showing_titles, stacking_order,
    table_rows, wait_for, wait_until, window, windows)

PROGRAM, FACTORIAL_FILE = sys.argv[1:3]
# The factorial with a letter in the word on line 3.
BROKEN = FACTORIAL[:2] + ['1101001100x0'] + FACTORIAL[3:]
EMPTY_MEMORY = ['0' * 12] * 8
# The sum's solution: cell 101 := A + B, then A, B and the sum on the display.
SUM_SOLUTION = ['001110111101', '111110111101']


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


def read(path):
    with open(path, encoding='utf-8') as text:
        return text.read()


def solved_checked_and_saved(folder):
    path = os.path.join(folder, 'sum.soyka')
    shutil.copyfile(os.path.join(os.path.dirname(FACTORIAL_FILE), 'sum.soyka'), path)
    header = [line for line in read(path).splitlines() if line.startswith('#')]
    program = Program(PROGRAM, path)
    wait_until(lambda: window(MEMORY_TITLE) and active(window(MEMORY_TITLE)),
               'with the sum exercise the memory window comes up active')
    click(button(PANEL_TITLE, 'ВВОД'))
    wait_until(lambda: active(window(MEMORY_TITLE)), 'ВВОД gives the memory window the keys')
    key(*''.join(SUM_SOLUTION))
    wait_until(lambda: table_rows(MEMORY_TITLE)[:2] == SUM_SOLUTION,
               'the solution typed bit by bit is in cells 000 and 001')

    key('F9')
    wait_until(message_box, 'F9 («Проверить программу») shows its result')
    verdict = message_text(message_box())
    check(verdict == 'Все проверки пройдены: 4 из 4.', f'all four checks hold ({verdict!r})')
    answer_message(OK_CAPTIONS)

    key('ctrl+s')
    saved = poll(lambda: read(path), lambda text: SUM_SOLUTION[0] in text)
    lines = saved.splitlines()
    check([line for line in lines if line.startswith('#')] == header,
          f'Ctrl+S keeps the header and the checks ({lines})')
    words = [line for line in lines if line and not line.startswith('#')]
    check(words[:2] == SUM_SOLUTION and len(words) == 8,
          f'and writes the eight words, the typed ones first ({words})')

    # One more bit, not saved: «Выход», once confirmed, asks about it before the program ends.
    bring_to_front(MEMORY_TITLE)
    click(button(PANEL_TITLE, 'ВВОД'))
    wait_until(lambda: active(window(MEMORY_TITLE)), 'ВВОД again')
    key('1')
    bring_to_front(MAIN_TITLE)
    choose_menu('Выход')
    wait_until(message_box, '«Выход» asks whether to leave')
    # «Да» is the question's default; the next question follows at once, so the wait is for it.
    first = message_box()
    check(poll(lambda: focused_caption(first), lambda found: found is not None) in YES_CAPTIONS,
          'the exit question has «Да» focused')
    key('space')
    asked = poll(lambda: message_box() and message_text(message_box()),
                 lambda text: text and 'Сохранить их?' in text)
    check(asked and path in asked, f'then whether to save the changes in {path} ({asked!r})')
    answer_message(NO_CAPTIONS)
    status = program.exit_status()
    check(status == 0, f'«Нет» ends the program with status 0 ({status})')
    check(read(path) == saved, 'the file stays as it was saved')


def main():
    with tempfile.TemporaryDirectory(prefix='soyka-exercise-') as folder:
        run_pass(good_file, lambda: broken_file(folder),
                 lambda: solved_checked_and_saved(folder))


main()
