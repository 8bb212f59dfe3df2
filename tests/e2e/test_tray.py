"""The tray icon as a person uses it: its tip, single, double and right clicks, the Configure
commands, and every way the program ends."""

import time

from harness import check, TestFailure

PATHS = ['C:\\windows\\', 'C:\\users\\', 'C:\\Program Files\\']


def open_menu(d, button):
    d.click_tray(button)
    return d.wait_for(d.popup_menu, 10, 'a pop-up menu')


def test_tip_reads_the_number_of_paths(d):
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    tip = d.tray_tip()
    check(tip == '3 Dashmarks', f'tip reads {tip!r}')
    d.screenshot('tip')


def test_single_click_with_paths_shows_the_folders_menu(d):
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    menu = open_menu(d, 1)
    d.screenshot('folders-menu', menu)
    # Heading plus three paths: four rows of equal height.
    check(menu.height > 0, f'menu {menu}')
    d.keys('esc')
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')


def test_single_click_without_paths_shows_nothing(d):
    d.start_dashmarks()
    d.click_tray(1)
    check(d.no_menu_for(1.5), 'a menu opened with an empty list')


def test_right_click_shows_the_configure_menu(d):
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    menu = open_menu(d, 3)
    d.screenshot('configure-menu', menu)
    d.keys('esc')
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')


def test_menu_closes_when_the_user_clicks_elsewhere(d):
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    open_menu(d, 3)
    d.move_pointer(900, 600)
    d._xdotool('click', 1)
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close after a click elsewhere')


def choose_configure(d, accelerator):
    open_menu(d, 3)
    d.keys(accelerator)
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')


def test_clipboard_toggled_then_exit_writes_false(d):
    d.reg_seed_paths(PATHS)
    process = d.start_dashmarks()
    choose_configure(d, 'c')
    choose_configure(d, 'x')
    d.wait_exit(process, 15)
    values = d.reg_values()
    check(values.get('Clipboard') == 'False', f'registry holds {values}')
    check(values.get('Amount') == '3' and values.get('Path3') == PATHS[2], f'paths changed: {values}')
    check(not d.tray_window(), 'the icon is still shown after Exit')


def test_clipboard_toggled_with_no_paths_is_stored_and_exit_writes_nothing_more(d):
    process = d.start_dashmarks()
    choose_configure(d, 'c')
    d.wait_for(lambda: d.reg_values() == {'Clipboard': 'False'}, 10, 'the option to be stored at once')
    choose_configure(d, 'x')
    d.wait_exit(process, 15)
    values = d.reg_values()
    check(values == {'Clipboard': 'False'}, f'an empty list wrote {values}')


def test_second_start_beeps_and_leaves_the_first_running(d):
    d.reg_seed_paths(PATHS)
    first = d.start_dashmarks()
    second = d.spawn(d.exe)
    d.wait_exit(second, 20, 'the second copy to end')
    check(first.poll() is None, 'the first copy ended')
    check(len(d.find_windows(cls='DashmarksMain')) == 1, 'two main windows')
    open_menu(d, 3)
    d.keys('esc')


def test_close_from_the_task_list_saves(d):
    d.reg_seed_paths(PATHS)
    process = d.start_dashmarks()
    choose_configure(d, 'c')
    d.wine('taskkill', '/im', 'Dashmarks.exe', timeout=30)
    d.wait_exit(process, 15, 'the program to end after the task list asked it to close')
    check(d.reg_values().get('Clipboard') == 'False', f'not saved: {d.reg_values()}')


def test_end_of_session_saves(d):
    d.reg_seed_paths(PATHS)
    process = d.start_dashmarks()
    choose_configure(d, 'c')
    d.wine('wineboot', '--end-session', timeout=60)
    d.wait_exit(process, 20, 'the program to end with the session')
    check(d.reg_values().get('Clipboard') == 'False', f'not saved: {d.reg_values()}')


def test_a_toggled_option_survives_a_forced_kill(d):
    d.reg_seed_paths(PATHS)
    process = d.start_dashmarks()
    choose_configure(d, 'c')
    d.wait_for(lambda: d.reg_values().get('Clipboard') == 'False', 10, 'the option to be stored at once')
    d.kill(process)  # SIGKILL: nothing of the program runs after this
    d.wait_for(lambda: not d.find_windows(cls='DashmarksMain'), 15, 'the killed program to be gone')
    values = d.reg_values()
    check(values.get('Clipboard') == 'False', f'the option was lost: {values}')
    check(values.get('Amount') == '3' and values.get('Path3') == PATHS[2], f'paths changed: {values}')


def test_a_restart_announcement_that_kept_the_icon_leaves_one_icon(d):
    """"TaskbarCreated" also arrives when the shell kept its icons: the add is refused, and the
    program modifies the icon it has instead of running without one or asking again forever."""
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    cells = d.tray_cells()[3]
    rc, _ = d.helper('post', d.main_window().hwnd, 'TaskbarCreated', '0', '0')
    check(rc == 0, 'could not post TaskbarCreated')
    time.sleep(1)  # the posted announcement is handled
    d.screenshot('after-the-announcement')
    check(d.tray_cells()[3] == cells, f'the tray grew from {cells} cells to {d.tray_cells()[3]}')
    tip = d.tray_tip()
    check(tip == '3 Dashmarks', f'tip after the announcement reads {tip!r}')
    open_menu(d, 3)
    d.keys('esc')


def test_shell_restart_adds_the_icon_again(d):
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    d.restart_shell()
    d.wait_for(d.tray_window, 10, 'the icon to come back')
    tip = d.tray_tip()
    check(tip == '3 Dashmarks', f'tip after the restart reads {tip!r}')
    open_menu(d, 3)
    d.keys('esc')
