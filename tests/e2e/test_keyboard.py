"""The icon and the Folders menu from the keyboard: a keyboard selection of the icon opens the Folders
menu at once, its menu key the Configure menu, both at the icon; the folder hotkey pressed in a file
dialog or an Explorer window opens the Folders menu there and the folder goes to that window; in
any other window the same keys reach that window."""
from harness import check, parametrise
from test_delivery import Scratch, fixture, lines, open_dialog, open_explorer, refreshed, shows, windows_path

TRACE_LINES = 'warn+seh,warn+debugstr'
CALLBACK = 512          # the icon's callback message (WM_MOUSEMOVE)
ICON_ID = 1
NIN_KEYSELECT = 0x401
WM_CONTEXTMENU = 0x7B
NAME_BOX_COMBO = 0x47C
NAME_BOX_EDIT = 0x480
PATHS = ['C:\\windows\\', 'C:\\users\\']


def icon_window(d):
    main = d.wait_for(d.main_window, 10, 'the main window')
    return [w for w in d.children(main) if w.cls == 'DashmarksHook'][0]


def post_icon_event(d, event, x, y):
    """What the shell sends for an icon of the current behaviour: the event and the icon's id in
    lParam, the anchor point in wParam."""
    rc, _ = d.helper('post', icon_window(d).hwnd, str(CALLBACK), str((y << 16) | x), str((ICON_ID << 16) | event))
    check(rc == 0, 'could not post the icon callback')


def menu_opened_by_click(d, button):
    """The size of the menu a real click on the icon opens (1: Folders, 3: Configure)."""
    d.click_tray(button)
    menu = d.wait_for(d.popup_menu, 10, 'the menu of a click')
    close_menu(d)
    return menu.width, menu.height


def trace_text(d):
    trace = d.test_dir() / 'dashmarks.log'
    return trace.read_text(errors='replace') if trace.exists() else ''


def close_menu(d):
    d.keys('esc')
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')


# --- the icon from the keyboard --------------------------------------------------------------------

@parametrise([('selection', NIN_KEYSELECT, 1), ('menu-key', WM_CONTEXTMENU, 3)])
def test_the_keyboard_opens_the_menu_of_its_click_at_the_icon(d, event, button):
    # A keyboard selection opens the Folders menu at once, the menu key the Configure menu; both are
    # the menus the clicks open (told by their size: three rows against four and a separator).
    d.reg_seed_paths(PATHS)
    d.start_dashmarks(env={'WINEDEBUG': TRACE_LINES})
    expected = menu_opened_by_click(d, button)
    other = menu_opened_by_click(d, 4 - button)
    check(expected != other, f'the two menus look alike: {expected}')
    d.move_pointer(900, 600)
    post_icon_event(d, event, 400, 300)
    menu = d.wait_for(d.popup_menu, 5, 'the menu of the keyboard')
    d.screenshot('menu-from-keyboard')
    check((menu.width, menu.height) == expected, f'not the menu of button {button}: {menu}')
    check(menu.rect[:2] == (400, 300), f'the menu is not at the icon\'s anchor (400, 300): {menu}')
    # The shell took the current behaviour: nothing says it kept the original one.
    check('original icon behaviour' not in trace_text(d), 'the shell refused version 4 of the icon behaviour')
    close_menu(d)


def test_a_right_click_opens_one_configure_menu(d):
    # The shell follows the click with a menu request of its own; it belongs to the click.
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    close_menu(d)
    check(d.no_menu_for(1.5), 'a second Configure menu opened after the right click')


# --- the folder hotkey -----------------------------------------------------------------------------

def name_box(d, dialog):
    boxes = [w for w in d.children(dialog) if w.control_id in (NAME_BOX_COMBO, NAME_BOX_EDIT) and w.visible]
    check(boxes, f'no name box in {dialog}')
    return boxes[0]


def bring_to_front(d, window):
    rc, _ = d.helper('activate', window.hwnd)
    check(rc == 0, f'could not bring {window} to the front')


def test_the_hotkey_in_a_file_dialog_opens_the_folders_menu_and_delivers_there(d):
    with Scratch() as s:
        first, second = s.folder('first folder'), s.folder('second folder')
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(first), windows_path(second)])
        d.start_dashmarks(env={'WINEDEBUG': TRACE_LINES})
        dialog = open_dialog(d, log, 'Fixture Open')
        bring_to_front(d, dialog)
        d.move_pointer(900, 600)
        d.keys('ctrl+g')
        menu = d.wait_for(d.popup_menu, 10, 'the Folders menu after Ctrl+G')
        d.screenshot('folders-menu-from-hotkey')
        box = name_box(d, dialog)
        check(menu.rect[:2] == (box.rect[0], box.rect[3]), f'the menu {menu} is not at the name box {box}')
        d.keys('down', 'down', 'down', 'enter')
        d.wait_for(lambda: shows(log, second), 20, f'the dialog to show {second}')
        d.screenshot('dialog-after', refreshed(d, dialog) or dialog)
        check(not shows(log, first), f'the dialog also went to the other entry: {lines(log)}')


def test_the_hotkey_in_explorer_delivers_to_that_window_not_the_dialog_behind(d):
    # Without the hotkey a file dialog wins over an Explorer window; the key says which one is meant.
    with Scratch() as s:
        folder = s.folder('wanted')
        dialog_log, explorer_log = s.log('dialog'), s.log('explorer')
        d.reg_seed_paths([windows_path(folder)])
        d.start_dashmarks()
        open_dialog(d, dialog_log, 'Fixture Open')
        explorer = open_explorer(d, explorer_log, 'Fixture Explorer')
        bring_to_front(d, explorer)
        shown_before = lines(dialog_log)
        d.keys('ctrl+g')
        d.wait_for(d.popup_menu, 10, 'the Folders menu after Ctrl+G')
        d.keys('down', 'down', 'enter')
        d.wait_for(lambda: windows_path(folder) in lines(explorer_log), 20, 'the Go To box to receive the path')
        check(lines(dialog_log) == shown_before, f'the dialog behind moved: {lines(dialog_log)}')


def test_in_another_window_the_hotkey_reaches_that_window(d):
    # The Find box is a dialog too, with an edit like a name box, but no file dialog: Ctrl+G is its.
    with Scratch() as s:
        dialog_log, find_log = s.log('dialog'), s.log('find')
        d.reg_seed_paths(PATHS)
        d.start_dashmarks()
        dialog = open_dialog(d, dialog_log, 'Fixture Open')
        bring_to_front(d, dialog)
        d.spawn(fixture(d, 'find_fixture'), windows_path(find_log), 'Fixture Find')
        find = d.wait_window(cls='#32770', title='Fixture Find', visible=True, timeout=30)
        bring_to_front(d, find)
        d.keys('ctrl+g')
        d.wait_for(lambda: 'key: 71' in lines(find_log), 10, 'the Find box to receive G with Ctrl')
        check(d.no_menu_for(1.5), 'a menu opened for a key pressed in another window')


def test_the_hotkey_setting_chooses_the_key_and_is_kept(d):
    with Scratch() as s:
        folder = s.folder('wanted')
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(folder)], Hotkey='Ctrl+Alt+F')
        d.start_dashmarks()
        dialog = open_dialog(d, log, 'Fixture Open')
        bring_to_front(d, dialog)
        d.keys('ctrl+g')
        check(d.no_menu_for(1.5), 'Ctrl+G opened a menu while the setting chooses Ctrl+Alt+F')
        d.keys('ctrl+alt+f')
        d.wait_for(d.popup_menu, 10, 'the Folders menu after Ctrl+Alt+F')
        d.keys('down', 'down', 'enter')
        d.wait_for(lambda: shows(log, folder), 20, f'the dialog to show {folder}')
        # Every save on the way out leaves the user's setting as it was.
        d.click_tray(3)
        d.wait_for(d.popup_menu, 10, 'the Configure menu')
        d.keys('x')
        d.wait_for(lambda: not d.main_window(), 15, 'the program to end')
        values = d.reg_values()
        check(values.get('Hotkey') == 'Ctrl+Alt+F', f'the setting changed: {values}')


def test_an_empty_or_unreadable_setting_leaves_the_hotkey_off(d):
    for setting in ('', 'Ctrl+Banana'):
        d.reset()
        d.reg_seed_paths(PATHS, Hotkey=setting)
        d.start_dashmarks(env={'WINEDEBUG': TRACE_LINES})
        with Scratch() as s:
            dialog = open_dialog(d, s.log('dialog'), 'Fixture Open')
            bring_to_front(d, dialog)
            d.keys('ctrl+g')
            check(d.no_menu_for(1.5), f'a menu opened with the setting {setting!r}')
        traced = trace_text(d).count('OutputDebugStringA "Dashmarks: the \\"Hotkey\\" setting')
        check(traced == (1 if setting else 0), f'{traced} trace lines for the setting {setting!r}')
        values = d.reg_values()
        check(values.get('Hotkey') == setting, f'the setting changed: {values}')


# --- the front after a menu closed without a choice ------------------------------------------------

def foreground(d):
    rc, out = d.helper('foreground')
    return out.split(' ', 1)[0] if rc == 0 else None


def open_folders_menu(d, way):
    if way == 'hotkey':
        d.keys('ctrl+g')
    else:
        post_icon_event(d, NIN_KEYSELECT, 400, 300)
    d.wait_for(d.popup_menu, 10, f'the Folders menu opened by the {way}')


def wait_typed(d, box, text):
    seen = []

    def typed():
        seen[:] = [d.window_text(box)]
        return seen[0] == text
    try:
        d.wait_for(typed, 10, f'{text!r} in the name box')
    except AssertionError:
        check(False, f'the name box holds {seen[0] if seen else None!r}, not the keys typed {text!r}')


@parametrise([('hotkey', 'hotkey'), ('icon-keyboard', 'icon')])
def test_a_folders_menu_closed_without_a_choice_gives_the_front_back(d, way):
    # Esc closes the menu: the user's next keys go to the dialog the menu came from, and the hotkey
    # opens the menu again at once, without a click on the dialog first.
    with Scratch() as s:
        d.reg_seed_paths(PATHS)
        d.start_dashmarks()
        dialog = open_dialog(d, s.log('dialog'), 'Fixture Open')
        bring_to_front(d, dialog)
        box = name_box(d, dialog)
        d.move_pointer(900, 600)
        open_folders_menu(d, way)
        close_menu(d)
        d.wait_for(lambda: foreground(d) == dialog.hwnd, 10, 'the dialog to have the front back')
        d.keys('text:typed after')
        wait_typed(d, box, 'typed after')
        d.keys('ctrl+g')
        d.wait_for(d.popup_menu, 10, 'the Folders menu after Ctrl+G, pressed again')
        close_menu(d)
        d.wait_for(lambda: foreground(d) == dialog.hwnd, 10, 'the dialog to have the front back again')


# --- a dialog that makes its name box after it came to the front --------------------------------------

def test_the_hotkey_reaches_a_dialog_whose_name_box_appears_after_it_came_to_the_front(d):
    # The dialog is no file dialog yet when it takes the front; half a second later it is one, and
    # nothing tells the program that the foreground changed: it has to look again by itself.
    with Scratch() as s:
        log = s.log('late')
        d.reg_seed_paths(PATHS)
        d.start_dashmarks(env={'WINEDEBUG': TRACE_LINES})
        d.move_pointer(900, 600)
        d.spawn(fixture(d, 'late_name_box_fixture'), windows_path(log), 'Fixture Late', '500')
        dialog = d.wait_window(cls='#32770', title='Fixture Late', visible=True, timeout=30)
        d.wait_for(lambda: 'parts: front' in lines(log) or 'parts: behind' in lines(log), 30,
                   'the dialog to make its name box')
        check(lines(log) == ['front', 'parts: front'], f'the dialog lost the front on the way: {lines(log)}')
        box = name_box(d, dialog)
        d.keys('ctrl+g')
        menu = d.wait_for(d.popup_menu, 10, 'the Folders menu after Ctrl+G in the late dialog')
        d.screenshot('folders-menu-in-late-dialog')
        check(menu.rect[:2] == (box.rect[0], box.rect[3]), f'the menu {menu} is not at the name box {box}')
        close_menu(d)
        d.wait_for(lambda: foreground(d) == dialog.hwnd, 10, 'the dialog to have the front back')
        d.keys('text:late')
        wait_typed(d, box, 'late')
