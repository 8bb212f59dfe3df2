"""Path delivery as a person sees it: a folder chosen from the icon's Folders menu lands in the open
file dialog, typed or pasted, or, with no dialog open, in an Explorer window through Go To. The
targets are real windows of the fixture programs; each logs what reached it.

Folders are made under a scratch directory in /tmp, which Wine shows as Z:\\tmp\\..."""
import shutil
import tempfile
import time
from pathlib import Path

from harness import check, parametrise

SPECIAL_NAME = 'a%b^c+d~e{f}g(h)i[j]k&l m'
ACCENTED_NAME = 'caf\u00e9 d\u00e9j\u00e0'


# --- helpers -------------------------------------------------------------------------------------

class Scratch:
    """A scratch directory of the test's own, removed at the end."""

    def __init__(self):
        self.root = Path(tempfile.mkdtemp(prefix='dm-deliver-'))

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        shutil.rmtree(self.root, ignore_errors=True)

    def folder(self, name):
        path = self.root / name
        path.mkdir()
        return path

    def log(self, name):
        return self.root / f'{name}.log'


def windows_path(path):
    return 'Z:' + str(path).replace('/', '\\')


def lines(log):
    try:
        return log.read_text(encoding='utf-8').splitlines()
    except FileNotFoundError:
        return []


def same_folder(a, b):
    return a.rstrip('\\').casefold() == b.rstrip('\\').casefold()


def shows(log, folder):
    return any(same_folder(line, windows_path(folder)) for line in lines(log))


def fixture(d, name):
    return d.build / 'fixtures' / f'{name}.exe'


def open_dialog(d, log, title, *options):
    """Starts the Open dialog fixture in C:\\windows and waits until it shows that folder."""
    d.spawn(fixture(d, 'file_dialog_fixture'), windows_path(log), 'C:\\windows', title, *options)
    dialog = d.wait_window(cls='#32770', title=title, visible=True, timeout=30)
    d.wait_for(lambda: lines(log), 30, f'the dialog "{title}" to show its first folder')
    return dialog


def open_explorer(d, log, title, *options):
    d.spawn(fixture(d, 'explorer_fixture'), windows_path(log), '--title', title, *options)
    return d.wait_window(cls='ExploreWClass', title=title, visible=True, timeout=30)


def start_with(d, paths, clipboard):
    d.reg_seed_paths([windows_path(p) for p in paths], Clipboard='True' if clipboard else 'False')
    return d.start_dashmarks()


def choose_path(d, entry=1):
    """A single click on the icon, then entry n of the Folders menu. The first Down highlights the
    disabled heading (it can be highlighted, not chosen), so entry n takes n + 1 of them."""
    d.click_tray(1)
    d.wait_for(d.popup_menu, 10, 'the Folders menu')
    d.keys(*(['down'] * (entry + 1)), 'enter')
    d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close')


def nothing_for(seconds, condition):
    """True when condition stays false for the whole time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return False
        time.sleep(0.1)
    return True


def seconds_until_the_icon_answers(d):
    """Right-clicks the icon and waits for its Configure menu; the time it took is a figure for the
    drill's report, not a verdict. The menu is closed again."""
    clicked = time.monotonic()
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    return time.monotonic() - clicked


def refreshed(d, window):
    found = [w for w in d.windows() if w.hwnd == window.hwnd]
    return found[0] if found else None


# --- file dialog ---------------------------------------------------------------------------------

@parametrise([('typed', False), ('pasted', True)])
def test_open_dialog_shows_the_chosen_folder(d, clipboard):
    with Scratch() as s:
        first, second = s.folder('first folder'), s.folder('second folder')
        log = s.log('dialog')
        start_with(d, [first, second], clipboard)
        dialog = open_dialog(d, log, 'Fixture Open')
        d.screenshot('dialog-before', dialog)
        choose_path(d, 2)
        d.wait_for(lambda: shows(log, second), 20, f'the dialog to show {second}')
        d.screenshot('dialog-after', refreshed(d, dialog) or dialog)
        check(not shows(log, first), f'the dialog also went to the other entry: {lines(log)}')
        check(refreshed(d, dialog) is not None, 'the dialog closed')


@parametrise([('special-characters', SPECIAL_NAME), ('non-ascii', ACCENTED_NAME)])
def test_a_folder_name_arrives_literally_when_typed(d, name):
    with Scratch() as s:
        folder = s.folder(name)
        log = s.log('dialog')
        start_with(d, [folder], clipboard=False)
        dialog = open_dialog(d, log, 'Fixture Open')
        choose_path(d)
        d.wait_for(lambda: shows(log, folder), 20, f'the dialog to show {folder}')
        d.screenshot('dialog-after', refreshed(d, dialog) or dialog)


# --- Explorer ------------------------------------------------------------------------------------

@parametrise([('shown', False), ('minimised', True)])
def test_explorer_gets_the_path_through_go_to(d, minimised):
    with Scratch() as s:
        folder = s.folder(SPECIAL_NAME)
        log = s.log('explorer')
        start_with(d, [folder], clipboard=False)
        explorer = open_explorer(d, log, 'Fixture Explorer', *(['--minimized'] if minimised else []))
        normal_size = (600, 400)
        if minimised:
            check((explorer.width, explorer.height) != normal_size, f'not minimised: {explorer}')
        choose_path(d)
        d.wait_for(lambda: windows_path(folder) in lines(log), 20, 'the Go To box to receive the path')
        after = refreshed(d, explorer)
        check(after is not None and after.visible, f'the Explorer window is gone or hidden: {after}')
        check((after.width, after.height) == normal_size, f'the Explorer window was not restored: {after}')
        d.screenshot('explorer-after', after)


def test_a_dialog_wins_over_an_explorer_window_in_front(d):
    with Scratch() as s:
        folder = s.folder('wanted')
        dialog_log, explorer_log = s.log('dialog'), s.log('explorer')
        start_with(d, [folder], clipboard=False)
        open_dialog(d, dialog_log, 'Fixture Open')
        explorer = open_explorer(d, explorer_log, 'Fixture Explorer')
        rc, _ = d.helper('activate', explorer.hwnd)
        check(rc == 0, 'could not bring the Explorer window to the front')
        d.screenshot('explorer-in-front')
        choose_path(d)
        d.wait_for(lambda: shows(dialog_log, folder), 20, 'the dialog behind to show the folder')
        check(lines(explorer_log) == [], f'the Explorer window received {lines(explorer_log)}')


# --- windows that are not targets ----------------------------------------------------------------

@parametrise([('beside-a-file-dialog', 'dialog'), ('beside-an-explorer-window', 'explorer')])
def test_a_message_box_receives_nothing(d, partner):
    with Scratch() as s:
        folder = s.folder('wanted')
        box_log, partner_log = s.log('box'), s.log(partner)
        start_with(d, [folder], clipboard=False)
        if partner == 'dialog':
            open_dialog(d, partner_log, 'Fixture Open')
        else:
            open_explorer(d, partner_log, 'Fixture Explorer')
        d.spawn(fixture(d, 'message_box_fixture'), windows_path(box_log), 'Fixture Question')
        box = d.wait_window(cls='#32770', title='Fixture Question', visible=True, timeout=30)
        d.screenshot('message-box-in-front')
        choose_path(d)
        if partner == 'dialog':
            d.wait_for(lambda: shows(partner_log, folder), 20, 'the file dialog to show the folder')
        else:
            d.wait_for(lambda: windows_path(folder) in lines(partner_log), 20, 'the Go To box to get the path')
        check(nothing_for(1.5, lambda: lines(box_log)), f'the message box was answered: {lines(box_log)}')
        after = refreshed(d, box)
        check(after is not None and after.visible, 'the message box closed')
        d.screenshot('message-box-after', after)


# --- the clipboard -------------------------------------------------------------------------------

def put_text(d):
    rc, _ = d.helper('clip-set-text', 'held before the paste')
    return rc


def text_is_back(d):
    rc, out = d.helper('clip-get-text')
    return rc == 0 and out.rstrip('\n') == 'held before the paste'


def put_image(d):
    rc, _ = d.helper('clip-set-image', '37', '23')
    return rc


def image_is_back(d):
    rc, out = d.helper('clip-image-size')
    text_rc, text = d.helper('clip-get-text')
    return rc == 0 and out.strip() == '37x23' and (text_rc != 0 or not text.strip())


@parametrise([('text', put_text, text_is_back), ('image', put_image, image_is_back)])
def test_a_paste_puts_the_clipboard_back(d, put, is_back):
    with Scratch() as s:
        folder = s.folder(SPECIAL_NAME)
        log = s.log('dialog')
        start_with(d, [folder], clipboard=True)
        open_dialog(d, log, 'Fixture Open')
        check(put(d) == 0, 'could not fill the clipboard')
        choose_path(d)
        d.wait_for(lambda: shows(log, folder), 20, 'the dialog to show the pasted folder')
        _, formats = d.helper('clip-formats')
        check(is_back(d), f'the clipboard was not put back; it holds formats {formats.split()}')


# --- a target that stops answering ---------------------------------------------------------------

@parametrise([('before-the-choice', ['--hang-after-ms', '200']), ('at-the-first-key', ['--hang-on-key'])])
def test_a_hung_dialog_leaves_the_icon_answering(d, hang):
    with Scratch() as s:
        folder = s.folder('wanted')
        log, witness_log = s.log('dialog'), s.log('witness')
        start_with(d, [folder], clipboard=False)
        open_dialog(d, log, 'Fixture Busy', *hang)
        if '--hang-after-ms' in hang:
            d.wait_for(lambda: 'hanging' in lines(log), 10, 'the dialog to stop answering')
        # A message box in front: Enter, Esc, Y or N typed anywhere near it would answer it.
        d.spawn(fixture(d, 'message_box_fixture'), windows_path(witness_log), 'Fixture Witness')
        witness = d.wait_window(cls='#32770', title='Fixture Witness', visible=True, timeout=30)
        d.helper('activate', witness.hwnd)
        choose_path(d)
        chosen = time.monotonic()
        if '--hang-on-key' in hang:
            d.wait_for(lambda: 'hanging' in lines(log), 10, 'the dialog to stop answering at the first key')
        after_click = seconds_until_the_icon_answers(d)
        d.report(f'Configure menu {after_click:.1f} s after the right click, '
                  f'{time.monotonic() - chosen:.1f} s after the choice')
        d.screenshot('configure-menu-beside-a-hung-dialog')
        d.keys('esc')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the Configure menu to close')
        # Once the dialog answers again it works through what was queued for it: not the path.
        (s.root / 'dialog.log.release').touch()
        d.wait_for(lambda: 'answering' in lines(log), 10, 'the dialog to answer again')
        check(nothing_for(2, lambda: shows(log, folder)), f'the path reached the dialog late: {lines(log)}')
        check(lines(witness_log) == [] and refreshed(d, witness) is not None,
              f'keys reached the message box: {lines(witness_log)}')


# --- a target that goes away or loses the front mid-way ------------------------------------------

@parametrise([('closes', ['--close-on-key'], 'closing'),
              ('loses-the-front', ['--yield-on-key', 'Fixture Witness'], 'yielding')])
def test_a_dialog_that_goes_mid_way_gets_nothing_more_and_nothing_goes_elsewhere(d, options, event):
    with Scratch() as s:
        folder = s.folder('wanted')
        log, witness_log = s.log('dialog'), s.log('witness')
        start_with(d, [folder], clipboard=False)
        # A Yes/No message box beside the dialog: Enter, Y or N typed into it would answer it.
        d.spawn(fixture(d, 'message_box_fixture'), windows_path(witness_log), 'Fixture Witness')
        witness = d.wait_window(cls='#32770', title='Fixture Witness', visible=True, timeout=30)
        open_dialog(d, log, 'Fixture Leaving', *options)
        choose_path(d)
        chosen = time.monotonic()
        d.wait_for(lambda: event in lines(log), 10, f'the dialog to be {event} at the first key')
        d.screenshot(f'after-{event}')
        after_click = seconds_until_the_icon_answers(d)
        d.report(f'Configure menu {after_click:.1f} s after the right click, '
                  f'{time.monotonic() - chosen:.1f} s after the choice')
        d.keys('esc')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the Configure menu to close')
        check(nothing_for(2, lambda: shows(log, folder)), f'the path reached the dialog: {lines(log)}')
        check(lines(witness_log) == [] and refreshed(d, witness) is not None,
              f'keys reached the message box: {lines(witness_log)}')
