"""A delivery that fails says why: besides the beep, a quiet notice from the icon (Wine's tray
shows it as a balloon, a tooltip of its own process, read back from inside it by dmhelper tooltip).
"Notify" = "False" keeps a failure to the beep. Wine's tray shows a balloon two seconds after it is
asked for, and its tooltips give no title back, so a notice is told by its sentence."""
import shutil

from harness import check
from test_delivery import Scratch, choose_path, nothing_for, open_dialog, windows_path


def balloons(d):
    """The sentences of the program's balloons on screen."""
    found = []
    for window in d.find_windows(cls='tooltips_class32', visible=True):
        rc, out = d.helper('tooltip', window.hwnd)
        text = out.strip().split('|', 1)[-1] if rc == 0 else ''
        if text.startswith('The folder was not put '):
            found.append(text)
    return found


def test_a_choice_with_no_window_to_take_it_says_so(d):
    with Scratch() as s:
        d.reg_seed_paths([windows_path(s.folder('Chosen'))])
        d.start_dashmarks()
        choose_path(d)
        shown = d.wait_for(lambda: balloons(d), 20, 'the notice')
        d.screenshot('notice-no-target')
        check(shown == ['The folder was not put anywhere: no file dialog or Explorer window is open.'],
              f'the notice: {shown}')


def test_a_folder_deleted_after_it_was_added_is_not_delivered_and_the_notice_says_why(d):
    with Scratch() as s:
        gone = s.folder('Gone')
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(gone)])
        d.start_dashmarks()
        open_dialog(d, log, 'Fixture Open')
        shutil.rmtree(gone)
        choose_path(d)
        shown = d.wait_for(lambda: balloons(d), 20, 'the notice')
        check(shown == ['The folder was not put into the window: the folder does not exist (any more), or it is '
                        'not one a file dialog can show.'], f'the notice: {shown}')


def test_notify_false_keeps_a_failure_to_the_beep(d):
    with Scratch() as s:
        d.reg_seed_paths([windows_path(s.folder('Chosen'))], Notify='False')
        d.start_dashmarks()
        choose_path(d)
        # A balloon asked for would show two seconds after it was asked for (later on a busy machine).
        check(nothing_for(8, lambda: balloons(d)), f'a notice showed: {balloons(d)}')
        check(d.reg_values().get('Notify') == 'False', f'the value was changed: {d.reg_values()}')
