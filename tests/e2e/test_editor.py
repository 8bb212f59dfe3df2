"""The path list editor as a person uses it: opened by a double click on the icon, folders added
through the real folder browser by the keyboard, paths deleted, and the list that reaches the store
when the editor closes and the program ends, in every orderly way it can end."""

from harness import check

EDITOR_CLASS = 'DashmarksList'
BROWSER_TITLE = 'Browse for Folder'
WINDOWS = 'C:\\windows\\'
# Past the system's double-click time (320 ms): a Folders menu would have shown by then.
AFTER_DOUBLE_CLICK = 1.5


def open_editor(d):
    d.double_click_tray()
    editor = d.wait_window(cls=EDITOR_CLASS, visible=True)
    wait_foreground(d, editor)
    return editor


def wait_foreground(d, window):
    def is_foreground():
        rc, out = d.helper('foreground')
        return rc == 0 and out.split(' ', 1)[0] == window.hwnd
    d.wait_for(is_foreground, 10, f'{window} to be the foreground window')


def control(d, editor, cls, text=None):
    found = [c for c in d.children(editor) if c.cls == cls and (text is None or c.title == text)]
    check(len(found) == 1, f'expected one {cls} {text!r} in the editor, found {found}')
    return found[0]


def editor_list(d, editor):
    """The editor's list as (selected index, lines)."""
    rc, out = d.helper('combo', control(d, editor, 'ComboBox').hwnd)
    check(rc == 0, f'could not read the list: {out}')
    lines = out.split('\n')
    check(lines[0].startswith('selected '), f'unexpected list read-out {out!r}')
    return int(lines[0].split()[1]), [line for line in lines[1:] if line]


def wait_list(d, editor, expected, what):
    seen = []

    def matches():
        seen[:] = [editor_list(d, editor)]
        return seen[0] == expected
    try:
        d.wait_for(matches, 10, what)
    except AssertionError:
        check(False, f'{what}: the list is {seen[0] if seen else None}, expected {expected}')


def add_windows_folder(d, editor, screenshot=None):
    """Add... and, in the folder browser, My Computer, (C:), windows, OK, all by the keyboard."""
    d.keys('alt+a')
    browser = d.wait_window(title=BROWSER_TITLE, visible=True)
    wait_foreground(d, browser)
    # Two tabs reach the tree with Desktop selected; letters typed less than half a second apart
    # make one search, so the pause before "w" keeps it from joining the "m".
    d.keys('tab', 'tab', 'm', 'right', 'sleep:300', 'down', 'right', 'sleep:700', 'w', 'sleep:300')
    if screenshot:
        d.screenshot(screenshot, browser)
    d.keys('enter')
    d.wait_for(lambda: not d.find_windows(title=BROWSER_TITLE, visible=True), 10, 'the folder browser to close')
    wait_foreground(d, editor)


def select_first_and_delete(d):
    d.keys('alt+p', 'home', 'alt+d')


def close_editor(d):
    d.keys('esc')
    d.wait_for(lambda: not d.find_windows(cls=EDITOR_CLASS), 10, 'the editor to close')


def choose_configure(d, accelerator):
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    d.keys(accelerator)
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')


def stored_paths(values):
    count = int(values.get('Amount', '0'))
    return [values.get(f'Path{i}') for i in range(1, count + 1)]


def check_store_holds(d, paths):
    """Exactly the given list, in order, with its count and nothing beyond it."""
    for reader in (d.reg_values, d.reg_query):
        values = reader()
        check(values.get('Amount') == str(len(paths)), f'Amount in {values}, expected {len(paths)}')
        check(stored_paths(values) == paths, f'stored paths {stored_paths(values)}, expected {paths}')
        extra = [name for name in values if name.startswith('Path') and name not in
                 {f'Path{i}' for i in range(1, len(paths) + 1)}]
        check(not extra, f'keys beyond the list remain: {extra} in {values}')


def check_controls_inside(d, editor):
    rc, out = d.helper('client', editor.hwnd)
    check(rc == 0, f'no client area for {editor}')
    x, y, width, height = (int(v) for v in out.split())
    for child in d.children(editor):
        if not child.visible:  # the closed list's drop-down part
            continue
        left, top, right, bottom = child.rect
        check(x < left and y < top and right < x + width and bottom < y + height,
              f'{child} is not inside the client area {x, y, width, height}')


def test_double_click_opens_the_editor_at_the_bottom_right_with_the_list_sorted(d):
    width, height = d.screen_size
    cases = [
        # seeded paths, the list as shown (sorted without regard to case), selected line, Delete on
        (['C:\\windows\\', 'd:\\zeta\\', 'c:\\Beta\\', 'C:\\alpha\\'],
         ['C:\\alpha\\', 'c:\\Beta\\', 'C:\\windows\\', 'd:\\zeta\\'], 0, True),
        ([], [], -1, False),
    ]
    for seeded, shown, selected, delete_enabled in cases:
        d.reg_seed_paths(seeded)
        process = d.start_dashmarks()
        editor = open_editor(d)
        check(editor.title == 'Dashmarks', f'editor caption {editor.title!r}')
        # Right edge one pixel beyond the screen's, bottom edge 28 pixels above the screen's bottom.
        check(editor.rect[2] == width + 1 and editor.rect[3] == height - 28,
              f'editor at {editor.rect} on a {width}x{height} screen')
        check(d.no_menu_for(AFTER_DOUBLE_CLICK), 'a Folders menu followed the double click')
        check(editor_list(d, editor) == (selected, shown), f'list {editor_list(d, editor)} for {seeded}')
        check(control(d, editor, 'Button', '&Delete').enabled == delete_enabled, 'Delete button state')
        check(control(d, editor, 'Button', '&Add...').enabled, 'Add button disabled')
        check(len(d.find_windows(cls=EDITOR_CLASS)) == 1, 'more than one editor')
        check_controls_inside(d, editor)
        d.screenshot(f'editor-{len(seeded)}-paths')
        # Ended in order, so that the next case starts from an empty tray and store.
        close_editor(d)
        choose_configure(d, 'x')
        d.wait_exit(process, 15)
        d.reg_clear()


def test_list_on_the_configure_menu_opens_the_one_editor(d):
    d.reg_seed_paths(['C:\\users\\', 'C:\\windows\\'])
    d.start_dashmarks()
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    d.keys('l')
    editor = d.wait_window(cls=EDITOR_CLASS, visible=True)
    wait_foreground(d, editor)
    check(editor_list(d, editor) == (0, ['C:\\users\\', WINDOWS]), f'list {editor_list(d, editor)}')
    # A double click while it is open brings the same editor forward, and no menu follows it.
    d.double_click_tray()
    check(d.no_menu_for(AFTER_DOUBLE_CLICK), 'a menu followed the double click')
    check([w.hwnd for w in d.find_windows(cls=EDITOR_CLASS)] == [editor.hwnd], 'a second editor opened')
    wait_foreground(d, editor)


def test_clicks_on_the_icon_while_the_editor_is_open_show_nothing(d):
    d.reg_seed_paths(['C:\\users\\', 'C:\\windows\\'])
    d.start_dashmarks()
    editor = open_editor(d)
    check(d.no_menu_for(AFTER_DOUBLE_CLICK), 'a Folders menu followed the double click')
    for button, name in ((3, 'right'), (1, 'single')):
        d.click_tray(button)
        check(d.no_menu_for(AFTER_DOUBLE_CLICK), f'a {name} click opened a menu while the editor is open')
    check([w.hwnd for w in d.find_windows(cls=EDITOR_CLASS)] == [editor.hwnd], 'the editor changed')
    check(d.find_windows(cls=EDITOR_CLASS)[0].visible, 'the editor was hidden')


def test_added_and_deleted_paths_reach_the_tip_and_after_exit_the_store_in_the_editors_order(d):
    seeded = ['C:\\users\\', 'c:\\Alpha\\', 'C:\\zz\\', 'C:\\Program Files\\']
    d.reg_seed_paths(seeded)
    process = d.start_dashmarks()
    editor = open_editor(d)

    add_windows_folder(d, editor, screenshot='folder-browser')
    # The new path takes its sorted place and is selected.
    wait_list(d, editor, (3, ['c:\\Alpha\\', 'C:\\Program Files\\', 'C:\\users\\', WINDOWS, 'C:\\zz\\']),
              'the added folder in its place')
    # Deleting the first line twice leaves three paths, the first selected.
    select_first_and_delete(d)
    wait_list(d, editor, (0, ['C:\\Program Files\\', 'C:\\users\\', WINDOWS, 'C:\\zz\\']), 'one delete')
    select_first_and_delete(d)
    final = ['C:\\users\\', WINDOWS, 'C:\\zz\\']
    wait_list(d, editor, (0, final), 'the second delete')
    d.screenshot('after-add-and-deletes', editor)

    close_editor(d)
    d.wait_for(lambda: d.tray_tip() == '3 Dashmarks', 10, 'the tip to show the new count')
    # The list the editor leaves is stored as it closes.
    check_store_holds(d, final)

    choose_configure(d, 'x')
    d.wait_exit(process, 15)
    check_store_holds(d, final)
    check(d.reg_values().get('Clipboard') == 'True', f'clipboard option: {d.reg_values()}')


def test_the_same_folder_added_twice_is_refused_and_the_selection_restored(d):
    # A path that differs only in letter case is a different path: it stays beside the added one.
    d.reg_seed_paths(['C:\\WINDOWS\\', 'C:\\users\\'])
    process = d.start_dashmarks()
    editor = open_editor(d)
    add_windows_folder(d, editor)
    selected, lines = editor_list(d, editor)
    check(sorted(lines) == sorted(['C:\\WINDOWS\\', 'C:\\users\\', WINDOWS]) and lines[0] == 'C:\\users\\',
          f'after the first add: {lines}')
    check(lines[selected] == WINDOWS, f'the added path is not selected: {selected} in {lines}')

    d.keys('alt+p', 'home')
    wait_list(d, editor, (0, lines), 'the first line selected')
    add_windows_folder(d, editor)
    wait_list(d, editor, (0, lines), 'the list unchanged and the selection back after the second add')

    close_editor(d)
    check(d.tray_tip() == '3 Dashmarks', 'tip after the refused add')
    choose_configure(d, 'x')
    d.wait_exit(process, 15)
    check_store_holds(d, lines)


def test_end_of_session_with_the_editor_open_saves_its_list_after_a_delete(d):
    # Deleting the first line leaves the Folders menu, until the editor closes, with the old
    # captions minus the last: C:\c\ and C:\a\. The store must get the editor's list instead.
    d.reg_seed_paths(['C:\\c\\', 'C:\\a\\', 'C:\\b\\'])
    process = d.start_dashmarks()
    editor = open_editor(d)
    select_first_and_delete(d)
    wait_list(d, editor, (0, ['C:\\b\\', 'C:\\c\\']), 'the delete')
    d.wine('wineboot', '--end-session', timeout=60)
    d.wait_exit(process, 20, 'the program to end with the session')
    check_store_holds(d, ['C:\\b\\', 'C:\\c\\'])


def test_close_from_the_task_list_with_the_editor_open_saves_the_added_path(d):
    d.reg_seed_paths(['C:\\users\\'])
    process = d.start_dashmarks()
    editor = open_editor(d)
    add_windows_folder(d, editor)
    wait_list(d, editor, (1, ['C:\\users\\', WINDOWS]), 'the added folder')
    d.wine('taskkill', '/im', 'Dashmarks.exe', timeout=30)
    d.wait_exit(process, 15, 'the program to end after the task list asked it to close')
    check_store_holds(d, ['C:\\users\\', WINDOWS])


def test_a_shell_restart_in_the_middle_of_an_edit_loses_nothing(d):
    d.reg_seed_paths(['C:\\c\\', 'C:\\a\\', 'C:\\b\\'])
    process = d.start_dashmarks()
    editor = open_editor(d)
    select_first_and_delete(d)
    wait_list(d, editor, (0, ['C:\\b\\', 'C:\\c\\']), 'the delete')
    d.restart_shell()
    d.wait_for(d.tray_window, 10, 'the icon to come back')
    # The edit goes on where it was.
    wait_list(d, editor, (0, ['C:\\b\\', 'C:\\c\\']), 'the list unchanged by the restart')
    d.helper('activate', editor.hwnd)
    wait_foreground(d, editor)
    close_editor(d)
    d.wait_for(lambda: d.tray_tip() == '2 Dashmarks', 10, 'the tip to show the count after the edit')
    choose_configure(d, 'x')
    d.wait_exit(process, 15)
    check_store_holds(d, ['C:\\b\\', 'C:\\c\\'])


def test_a_list_edited_and_closed_survives_a_forced_kill(d):
    d.reg_seed_paths(['C:\\c\\', 'C:\\a\\', 'C:\\b\\'])
    process = d.start_dashmarks()
    editor = open_editor(d)
    select_first_and_delete(d)
    wait_list(d, editor, (0, ['C:\\b\\', 'C:\\c\\']), 'the delete')
    close_editor(d)
    d.kill(process)  # SIGKILL: nothing of the program runs after this
    d.wait_for(lambda: not d.find_windows(cls='DashmarksMain'), 15, 'the killed program to be gone')
    check_store_holds(d, ['C:\\b\\', 'C:\\c\\'])

    # The next start shows the edited list.
    d.sweep_tray()
    process = d.start_dashmarks()
    editor = open_editor(d)
    wait_list(d, editor, (0, ['C:\\b\\', 'C:\\c\\']), 'the list after the restart')
    d.screenshot('after-the-restart', editor)
    close_editor(d)


def test_an_amount_above_the_stored_paths_lists_only_the_paths_and_an_unchanged_editor_writes_nothing(d):
    # A hand-edited "Amount" far above the sixteen paths stored: the editor lists the sixteen (in
    # the order stored, which is already the display order), Add stays open for more, and closing
    # it unchanged leaves every value where it was, the oversized "Amount" too.
    paths = [f'C:\\folder {i:02}\\' for i in range(1, 17)]
    d.reg_seed_paths(paths, Amount='99999999999999999999')
    before = d.reg_values()
    rc, stamp = d.helper('reg-stamp')
    check(rc == 0, 'no write time for the settings key')
    d.start_dashmarks()
    check(d.tray_tip() == '16 Dashmarks', f'the tip counts {d.tray_tip()!r}')
    editor = open_editor(d)
    wait_list(d, editor, (0, paths), 'the sixteen stored paths')
    check(control(d, editor, 'Button', '&Add...').enabled, 'Add is disabled below the limit')
    d.screenshot('editor-over-an-oversized-amount', editor)
    close_editor(d)
    d.wait_for(lambda: d.tray_tip() == '16 Dashmarks', 10, 'the tip after the editor closed')
    check(d.reg_values() == before, f'the store changed: {d.reg_values()}, was {before}')
    check(d.helper('reg-stamp') == (0, stamp), 'a value was written or deleted under the settings key')
