"""Reliability drills: a storm of icon notifications, a hand-edited store, and a second start in the
middle of an edit. Each drill writes its figures to drill.txt among its artefacts."""
import re

from harness import REGISTRY_KEY, check


def exit_through_both_menus(d, process, when):
    """The Folders menu on a single click (closed again), then Exit from the Configure menu."""
    d.click_tray(1)
    d.wait_for(d.popup_menu, 10, f'the Folders menu {when}')
    d.screenshot(f'folders-menu-{when.replace(" ", "-")}')
    d.keys('esc')
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, f'the Configure menu {when}')
    d.keys('x')
    d.wait_exit(process, 15)


def test_a_thousand_random_notifications_leave_the_icon_answering(d):
    d.reg_seed_paths(['C:\\windows\\', 'C:\\users\\'])
    process = d.start_dashmarks()
    main = d.main_window()
    hook = [w for w in d.children(main) if w.cls == 'DashmarksHook'][0]
    rc, out = d.helper('tray-storm', hook.hwnd, '1000', '20261210', timeout=300)
    check(rc == 0, f'the storm did not finish: {out}')
    d.report(out.strip())
    check(process.poll() is None, 'the program ended during the storm')
    # Whatever the storm left open is closed as a user would: Esc for a menu, the editor closed.
    for _ in range(3):
        if d.popup_menu():
            d.keys('esc')
    for editor in d.find_windows(title='Dashmarks', visible=True, pid=main.pid):
        d.helper('close', editor.hwnd)
    d.wait_for(lambda: not d.popup_menu() and not d.find_windows(title='Dashmarks', visible=True, pid=main.pid),
               10, 'menus and editor to close')
    # The guard was released: the icon still answers a single and a right click.
    exit_through_both_menus(d, process, 'after the storm')


def test_a_hand_edited_store_starts_runs_and_exits_rewriting_only_what_the_program_owns(d):
    d.reg_seed({
        'Amount': '3', 'Path1': 'C:\\windows\\', 'Path3': 'C:\\users\\',  # Path2 missing
        'Path4': 'beyond the count', 'Clipboard': 'perhaps', 'Priority': 'very high',
        'Unrelated': 'kept as it is',
    })
    process = d.start_dashmarks()
    exit_through_both_menus(d, process, 'from a hand-edited store')
    values = d.reg_values()
    expected = {
        'Amount': '3', 'Path1': 'C:\\windows\\', 'Path2': '', 'Path3': 'C:\\users\\',
        'Path4': 'beyond the count', 'Clipboard': 'True', 'Priority': 'very high', 'Unrelated': 'kept as it is',
    }
    check(values == expected, f'store after the run: {values}')
    d.report(f'values after exit: {len(values)}, as expected')


def test_bad_numbers_in_the_store_never_stop_the_program(d):
    for amount in ['abc', '-1', '99999999999999999999', '300']:
        d.reg_clear()
        d.reg_seed({'Amount': amount, 'Path1': 'C:\\windows\\', 'Priority': '256', 'Clipboard': ''})
        process = d.start_dashmarks()
        tip = d.tray_tip()
        # Not a number reads as 0; above 255 as 255, and the list then ends at the one Path key stored.
        expected = '0 Dashmarks' if amount in ('abc', '-1') else '1 Dashmarks'
        check(tip == expected, f'Amount {amount!r}: tip {tip!r}')
        d.kill(process)
        d.sweep_tray()
    # Numbers entered by hand as DWORD values read as their numbers.
    d.reg_clear()
    d.reg_seed_paths(['C:\\windows\\', 'C:\\users\\'])
    for name, number in (('Amount', '2'), ('Priority', '64')):
        result = d.wine('reg', 'add', REGISTRY_KEY, '/v', name, '/t', 'REG_DWORD', '/d', number, '/f')
        check(result.returncode == 0, f'could not set the DWORD {name}')
    process = d.start_dashmarks()
    tip = d.tray_tip()
    check(tip == '2 Dashmarks', f'DWORD Amount 2: tip {tip!r}')
    d.report(f'DWORD Amount 2 and Priority 64: tip {tip!r}')
    d.kill(process)
    d.sweep_tray()


def test_a_second_start_during_an_edit_changes_nothing(d):
    d.reg_seed_paths(['C:\\windows\\', 'C:\\users\\'])
    first = d.start_dashmarks()
    d.double_click_tray()
    editor = d.wait_window(title='Dashmarks', visible=True, pid=first.pid and d.main_window().pid)
    second = d.spawn(d.exe)
    d.wait_exit(second, 20, 'the second copy to end')
    check(first.poll() is None, 'the first copy ended')
    check(d.find_windows(title='Dashmarks', visible=True), 'the editor closed')
    d.helper('close', editor.hwnd)
    d.wait_for(lambda: not d.find_windows(title='Dashmarks', visible=True), 10, 'the editor to close')
    values = d.reg_values()
    check(values.get('Amount') == '2' and 'Clipboard' not in values, f'the second copy wrote: {values}')
