"""The release as a user meets it: the installer (dist/, made by scripts/package) run silently in a
Wine prefix of this test's own, a logon that starts the program from the Run value, the installer run
again over a running copy with an edited list, the uninstaller; a copy running as administrator,
which the installer names and leaves be; the signed release; and F1 in the editor, which opens the
page built into the program when none lies beside it."""
import re
import shutil
import subprocess
import tempfile
import zipfile
from contextlib import contextmanager
from pathlib import Path
from urllib.parse import unquote

import test_editor
import wine_loader
from harness import Window, check

PRODUCT = 'Dashmarks'
RUN_KEY = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY = r'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dashmarks'
HTML_KEY = r'HKLM\Software\Classes\.html'
VIEWER_CLASS = r'HKLM\Software\Classes\DashmarksTestPage'
START_WITH_WINDOWS = 'Start Dashmarks when Windows starts'
KEEP_QUESTION = 'Keep your list of folders for a later installation of Dashmarks?'
ELEVATED_COPY = ('Dashmarks is running as administrator and cannot be closed by this setup. Close it from its '
                 'icon (Exit), then run the setup again.')
# The installer on NSIS's 64-bit stub, which scripts/test has scripts/package make (--stub64) where
# Wine starts no 32-bit program, and so not the release's own installer.
STUB64_SETUP = 'build/win64/Dashmarks-setup-stub64.exe'
# Wine shows OutputDebugString lines on its "seh" channel (older versions: "debugstr").
TRACE_LINES = 'warn+seh,warn+debugstr'
SIGNER = 'Dashmarks test signing'


def project_version(repo):
    text = (repo / 'CMakeLists.txt').read_text()
    found = re.search(r'^\s*project\s*\(\s*Dashmarks\b[^)]*?\bVERSION\s+([0-9.]+)', text, re.MULTILINE)
    check(found, 'no version in CMakeLists.txt')
    return found.group(1)


def reg_read(d, key):
    """{name: (type, data)} of the values under a key, as `reg query` shows them; None without the key."""
    result = d.wine('reg', 'query', key)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.decode('utf-8', errors='replace').splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith('REG_'):
            values['' if parts[0] == '(Default)' else parts[0]] = (parts[1], parts[2] if len(parts) > 2 else '')
    return values


def unix_path(d, windows_path):
    out = d.wine('winepath', '-u', windows_path).stdout.decode('utf-8', errors='replace').strip()
    check(out, f'winepath could not map {windows_path}')
    return Path(out)


def wine_expand(d, variable):
    result = d.wine('cmd', '/c', f'echo %{variable}%', timeout=60)
    return result.stdout.decode('utf-8', errors='replace').strip()


@contextmanager
def own_prefix(d, name):
    """A fresh Wine prefix under the build folder, made the harness's for the block; the shared
    prefix of the other tests is not touched. Whatever runs in it is ended afterwards."""
    prefix = d.build / name
    saved = dict(d.env)
    subprocess.run(['wineserver', '-k'], env={**d.env, 'WINEPREFIX': str(prefix)}, capture_output=True,
                   timeout=60)
    shutil.rmtree(prefix, ignore_errors=True)
    prefix.mkdir(parents=True)
    d.env['WINEPREFIX'] = str(prefix)
    try:
        subprocess.run([d.wine_command, 'wineboot', '-i'], env=d.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300)
        d.wine('reg', 'add', r'HKCU\Software\Wine\X11 Driver', '/v', 'Managed', '/d', 'N', '/f', check_rc=True)
        yield prefix
    except Exception:
        d.screenshot('at-failure-in-own-prefix')
        raise
    finally:
        subprocess.run(['wineserver', '-k'], env=d.env, capture_output=True, timeout=60)
        d.env.clear()
        d.env.update(saved)
        # The tray of the ended prefix may still be on the display for a moment.
        d.wait_for(lambda: not d.tray_window(), 15, 'the other prefix\'s tray to go')


def running_copies(d):
    return d.find_windows(cls='DashmarksMain')


def wait_running(d, what):
    main = d.wait_for(lambda: (running_copies(d) or [None])[0], 30, f'{PRODUCT} to run {what}')
    d.wait_for(d.tray_window, 20, f'its icon in the system tray {what}')
    return main


def run_installer(d, setup):
    result = d.wine(setup, '/S', timeout=180)
    check(result.returncode == 0, f'the silent installation failed with {result.returncode}')


def pe_machine(exe):
    """'x64' or 'x86', from a Windows executable's PE header."""
    return 'x64' if wine_loader.pe_is_64bit(exe) else 'x86'


def installer_to_run(d, release):
    """The installer Wine runs here: the release's own, a 32-bit program that runs on every Windows,
    or, where Wine starts no 32-bit program, the same installer on NSIS's 64-bit stub."""
    check(release.exists(), f'no {release}: scripts/package makes it')
    check(pe_machine(release) == 'x86', f'{release} is not a 32-bit program: 32-bit Windows would not start it')
    if wine_loader.runs_32bit_wine():
        return release
    setup = d.repo / STUB64_SETUP
    check(setup.exists(), f'no {setup}: scripts/package --stub64 makes it')
    return setup


def expected_program(d):
    """The build the installer puts on the Windows of the harness's prefix: the 64-bit one in a 64-bit
    prefix, the 32-bit one in a 32-bit prefix."""
    return d.repo / 'build' / d.wine_arch / 'Dashmarks.exe'


def signature(path, certificate=None):
    """osslsigncode's report on the file's signature, or None where it has none that verifies."""
    args = ['osslsigncode', 'verify'] + (['-CAfile', str(certificate)] if certificate else []) + ['-in', str(path)]
    result = subprocess.run(args, capture_output=True, text=True, timeout=120)
    return result.stdout if result.returncode == 0 else None


def test_silent_install_logon_install_over_a_running_copy_and_uninstall(d):
    version = project_version(d.repo)
    release = d.repo / 'dist' / f'{PRODUCT}-{version}-setup.exe'
    setup = installer_to_run(d, release)
    program = expected_program(d)
    for archive, build in ((f'{PRODUCT}-{version}.zip', 'win32'), (f'{PRODUCT}-{version}-x64.zip', 'win64')):
        with zipfile.ZipFile(d.repo / 'dist' / archive) as zip_file:
            check(sorted(zip_file.namelist()) == [f'{PRODUCT}-{version}/Dashmarks.exe',
                                                  f'{PRODUCT}-{version}/Dashmarks.html'],
                  f'{archive} holds {zip_file.namelist()}')
            packed = zip_file.read(f'{PRODUCT}-{version}/Dashmarks.exe')
            check(packed == (d.repo / 'build' / build / 'Dashmarks.exe').read_bytes(),
                  f'{archive} does not hold the program of build/{build}')
    # Made without --sign: nothing carries a signature.
    check(signature(release) is None, f'{release} is signed')
    with own_prefix(d, 'wineprefix-install'):
        local = wine_expand(d, 'LOCALAPPDATA')
        install_dir = f'{local}\\Programs\\{PRODUCT}'
        exe = f'{install_dir}\\{PRODUCT}.exe'
        folder = unix_path(d, install_dir)
        shortcut = unix_path(d, wine_expand(d, 'APPDATA')) / 'Microsoft/Windows/Start Menu/Programs/Dashmarks.lnk'
        temporary_copy = unix_path(d, wine_expand(d, 'TEMP')) / 'Dashmarks.html'

        # A silent installation takes the defaults: started with Windows, and started now.
        run_installer(d, setup)
        names = sorted(p.name for p in folder.iterdir()) if folder.is_dir() else []
        check(names == ['Dashmarks.exe', 'Dashmarks.html', 'Uninstall.exe'], f'installed files: {names}')
        check(pe_machine(folder / 'Dashmarks.exe') == pe_machine(program),
              f'the {pe_machine(folder / "Dashmarks.exe")} program installed in a {d.wine_arch} prefix')
        check((folder / 'Dashmarks.exe').read_bytes() == program.read_bytes(),
              f'the installed program is not {program}')
        check(signature(folder / 'Uninstall.exe') is None, 'the uninstaller is signed')
        check((folder / 'Dashmarks.html').read_bytes() == (d.repo / 'res/Dashmarks.html').read_bytes(),
              'the installed help page differs')
        link = shortcut.read_bytes() if shortcut.exists() else b''
        check(exe.encode('utf-16-le') in link or exe.encode() in link,
              f'no Start-menu shortcut to {exe} at {shortcut}')
        run_values = reg_read(d, RUN_KEY) or {}
        check(run_values.get(PRODUCT) == ('REG_SZ', f'"{exe}"'), f'Run value: {run_values}')
        entry = reg_read(d, UNINSTALL_KEY) or {}
        expected = {'DisplayName': PRODUCT, 'DisplayVersion': version, 'DisplayIcon': f'{exe},0',
                    'Publisher': 'Vantrel', 'UninstallString': f'"{install_dir}\\Uninstall.exe"'}
        for name, data in expected.items():
            check(entry.get(name, (None, None))[1] == data, f'uninstall entry {name}: {entry.get(name)}')
        size_kb = int(entry.get('EstimatedSize', ('', '0x0'))[1], 16)
        files_kb = sum(p.stat().st_size for p in folder.iterdir()) // 1024
        check(files_kb <= size_kb <= files_kb + 8, f'EstimatedSize {size_kb} KB for {files_kb} KB of files')
        first = wait_running(d, 'after the installation')
        d.screenshot('installed-and-started')

        # A logon: everything ends without a word, then the session starts the Run entries.
        d.reg_seed_paths(['C:\\users\\', 'C:\\windows\\'])
        subprocess.run(['wineserver', '-k'], env=d.env, capture_output=True, timeout=60)
        d.wait_for(lambda: not d.tray_window(), 15, 'the icon to go with the session')
        subprocess.run([d.wine_command, 'wineboot'], env=d.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120)
        at_logon = wait_running(d, 'at logon')
        check(at_logon.pid != first.pid or at_logon.hwnd != first.hwnd, 'the same window survived the logon')
        d.screenshot('started-at-logon')

        # The list is edited in the running copy and the editor left open (the edit is stored when
        # the editor closes or the program ends); the installer run over it closes it the way the
        # task list does, so the edit reaches the store.
        editor = test_editor.open_editor(d)
        test_editor.select_first_and_delete(d)
        test_editor.wait_list(d, editor, (0, ['C:\\windows\\']), 'the delete')
        check(test_editor.stored_paths(d.reg_values()) == ['C:\\users\\', 'C:\\windows\\'],
              f'written before the end: {d.reg_values()}')
        run_installer(d, setup)
        test_editor.check_store_holds(d, ['C:\\windows\\'])
        again = wait_running(d, 'after the installation over the running copy')
        check(len(running_copies(d)) == 1 and again.hwnd != at_logon.hwnd,
              f'not one new copy running: {running_copies(d)}')

        # The uninstaller ends the running copy the same way, takes away the files, the shortcut,
        # the Run value and its entry, and (silent) keeps the list. It runs from a copy of itself,
        # so its end is awaited on the folder.
        temporary_copy.write_text('left by the program\'s F1')
        result = d.wine(folder / 'Uninstall.exe', '/S', timeout=120)
        check(result.returncode == 0, f'the uninstaller failed with {result.returncode}')
        d.wait_for(lambda: not folder.exists(), 60, 'the uninstaller to remove the program\'s folder')
        d.wait_for(lambda: not running_copies(d), 15, 'the running copy to end')
        check(not shortcut.exists(), 'the Start-menu shortcut remains')
        check(not temporary_copy.exists(), 'the help page\'s temporary copy remains')
        check(PRODUCT not in (reg_read(d, RUN_KEY) or {}), f'Run value remains: {reg_read(d, RUN_KEY)}')
        check(reg_read(d, UNINSTALL_KEY) is None, 'the uninstall entry remains')
        test_editor.check_store_holds(d, ['C:\\windows\\'])

        # With its pages: the box on the options page, cleared, leaves the Run value out, and the
        # finish page starts the program.
        d.spawn(setup, log_name='setup.log')
        wizard = next_page(d, 'Dashmarks Setup', {'Next >'}, 'welcome')
        box = d.wait_for(lambda: [c for c in controls(d, wizard) if c.title == START_WITH_WINDOWS and c.visible],
                         15, 'the options page')[0]
        d.screenshot('options-page', wizard)
        left, top, right, bottom = box.rect
        d.move_pointer((left + right) // 2, (top + bottom) // 2)
        d._xdotool('click', 1)
        # The box has the focus now, and takes Enter for itself: Install by its access key.
        next_page(d, 'Dashmarks Setup', {'Install'}, 'options', after='box-cleared', key='alt+i')
        next_page(d, 'Dashmarks Setup', {'Finish'}, 'finish')
        wait_running(d, 'from the finish page')
        run_values = reg_read(d, RUN_KEY) or {}
        check(PRODUCT not in run_values, f'Run value with the box cleared: {run_values}')

        # The uninstaller with its pages asks about the list; answered No, the list goes too.
        d.spawn(folder / 'Uninstall.exe', log_name='uninstall.log')
        next_page(d, 'Dashmarks Uninstall', {'Uninstall'}, 'confirm')
        question = d.wait_window(cls='#32770', title='Dashmarks Uninstall', visible=True, timeout=30)
        test_editor.wait_foreground(d, question)
        question_text = ' '.join(filter(None, (d.window_text(c) for c in controls(d, question))))
        check(KEEP_QUESTION in question_text, f'the uninstaller asked {question_text!r}')
        d.keys('alt+n')
        next_page(d, 'Dashmarks Uninstall', {'Close'}, 'done')
        d.wait_for(lambda: not folder.exists(), 30, 'the program\'s folder to go')
        check(not d.reg_values(), f'settings left after No: {d.reg_values()}')
        check(reg_read(d, r'HKCU\Software\Vantrel') is None, 'the publisher\'s empty key remains')


def test_a_copy_running_as_administrator_is_named_and_nothing_is_installed_over_it(d):
    """Windows refuses the close request to a copy that runs as administrator (access denied). Wine
    knows no integrity levels: the installer built with TEST_ELEVATED_COPY takes that refusal in
    place of the send, and the rest is the installer's own."""
    version = project_version(d.repo)
    setup = d.build / 'Dashmarks-setup-elevated-copy.exe'
    setup.unlink(missing_ok=True)
    target = 'amd64-unicode' if d.wine_arch == 'win64' else 'x86-unicode'
    result = subprocess.run(
        ['makensis', '-V2', '-INPUTCHARSET', 'UTF8', f'-XTarget {target}', f'-DVERSION={version}',
         f'-DPROGRAM32_DIR={d.repo}/build/win32', f'-DPROGRAM64_DIR={d.repo}/build/win64', f'-DOUTPUT={setup}',
         f'-DICON={d.repo}/res/dashmarks.ico', '-DTEST_ELEVATED_COPY', 'installer/dashmarks.nsi'],
        cwd=d.repo, capture_output=True, text=True, timeout=300)
    check(result.returncode == 0, f'makensis failed: {result.stdout}{result.stderr}')
    with own_prefix(d, 'wineprefix-install'):
        folder = unix_path(d, f'{wine_expand(d, "LOCALAPPDATA")}\\Programs\\{PRODUCT}')
        d.start_dashmarks()
        copy = wait_running(d, 'before the installation')

        process = d.spawn(setup, log_name='setup.log', env={'WINEDEBUG': TRACE_LINES})
        next_page(d, 'Dashmarks Setup', {'Next >'}, 'welcome')
        next_page(d, 'Dashmarks Setup', {'Install'}, 'options', key='alt+i')

        def message():
            for window in d.find_windows(cls='#32770', visible=True):
                if window.title.strip() == 'Dashmarks Setup':
                    text = ' '.join(filter(None, (d.window_text(c) for c in d.children(window))))
                    if 'administrator' in text:
                        return window, text
            return None
        box, text = d.wait_for(message, 30, 'the setup\'s word on the copy running as administrator')
        d.screenshot('elevated-copy', box)
        check(ELEVATED_COPY in text, f'the setup said {text!r}')
        d.keys('enter')
        check(d.wait_exit(process, 30, 'the setup to end') == 2, f'the setup ended with {process.returncode}')
        trace = (d.test_dir() / 'setup.log').read_text(encoding='utf-8', errors='replace')
        check('refused the close request (access denied)' in trace, 'the refusal is not traced')

        check(not folder.exists(), f'installed over the running copy, into {folder}')
        check(PRODUCT not in (reg_read(d, RUN_KEY) or {}), f'Run value written: {reg_read(d, RUN_KEY)}')
        check(reg_read(d, UNINSTALL_KEY) is None, 'the uninstall entry is written')
        check([(w.pid, w.hwnd) for w in running_copies(d)] == [(copy.pid, copy.hwnd)],
              f'the running copy did not stay: {running_copies(d)}')


def test_signed_release_signs_both_programs_the_uninstaller_and_the_installer(d):
    """scripts/package --sign with a throw-away self-signed certificate: the installer, both programs
    (in their zips and as installed) and the uninstaller the installer writes each carry a signature
    by it that verifies; the signed installer and uninstaller still run."""
    version = project_version(d.repo)
    with tempfile.TemporaryDirectory(prefix='dashmarks-signing-') as folder:
        check_signed_release(d, version, Path(folder))


def check_signed_release(d, version, work):
    certificate, key, pfx, password = (work / name for name in ('cert.pem', 'key.pem', 'cert.pfx', 'password.txt'))
    password.write_text('throw-away password')
    subprocess.run(['openssl', 'req', '-x509', '-newkey', 'rsa:2048', '-nodes', '-keyout', key, '-out', certificate,
                    '-days', '2', '-subj', f'/CN={SIGNER}', '-addext', 'extendedKeyUsage=codeSigning',
                    '-addext', 'keyUsage=critical,digitalSignature'], check=True, capture_output=True, timeout=120)
    subprocess.run(['openssl', 'pkcs12', '-export', '-inkey', key, '-in', certificate, '-out', pfx,
                    '-passout', f'file:{password}'], check=True, capture_output=True, timeout=120)
    out = work / 'dist'
    stub = work / 'Dashmarks-setup-stub64.exe'
    runs_32bit = wine_loader.runs_32bit_wine()
    result = subprocess.run(['bash', 'scripts/package', '--sign', pfx, password, '--out', out]
                            + ([] if runs_32bit else ['--stub64', stub]),
                            cwd=d.repo, capture_output=True, text=True, timeout=1200)
    (d.test_dir() / 'package.log').write_text(result.stdout + result.stderr)
    check(result.returncode == 0, f'scripts/package --sign failed: {result.stderr[-2000:]}')

    def check_signed(path, what):
        report = signature(path, certificate)
        check(report is not None and 'Signature verification: ok' in report and f'CN={SIGNER}' in report,
              f'{what} ({path}) carries no signature by the test certificate: {report}')

    release = out / f'{PRODUCT}-{version}-setup.exe'
    check_signed(release, 'the installer')
    for archive, machine in ((f'{PRODUCT}-{version}.zip', 'x86'), (f'{PRODUCT}-{version}-x64.zip', 'x64')):
        program = work / machine / 'Dashmarks.exe'
        program.parent.mkdir()
        with zipfile.ZipFile(out / archive) as zip_file:
            program.write_bytes(zip_file.read(f'{PRODUCT}-{version}/Dashmarks.exe'))
        check(pe_machine(program) == machine, f'{archive} holds the {pe_machine(program)} program')
        check_signed(program, f'the program in {archive}')
    setup = release if runs_32bit else stub
    if setup != release:
        check_signed(setup, 'the installer on the 64-bit stub')

    with own_prefix(d, 'wineprefix-install'):
        folder = unix_path(d, f'{wine_expand(d, "LOCALAPPDATA")}\\Programs\\{PRODUCT}')
        run_installer(d, setup)
        installed = folder / 'Dashmarks.exe'
        check(pe_machine(installed) == pe_machine(expected_program(d)),
              f'the {pe_machine(installed)} program installed in a {d.wine_arch} prefix')
        check_signed(installed, 'the installed program')
        check_signed(folder / 'Uninstall.exe', 'the installed uninstaller')
        wait_running(d, 'after the signed installation')
        result = d.wine(folder / 'Uninstall.exe', '/S', timeout=120)
        check(result.returncode == 0, f'the signed uninstaller failed with {result.returncode}')
        d.wait_for(lambda: not folder.exists(), 60, 'the signed uninstaller to remove the program\'s folder')


def controls(d, window):
    """The window's controls that read whole on one line each: the wizard's longer texts run over
    several lines, and are left out."""
    _, out = d.helper('children', window.hwnd)
    found = []
    for line in out.splitlines():
        try:
            found.append(Window(line))
        except (ValueError, IndexError):
            pass
    return found


def next_page(d, title, buttons, page, after=None, key='enter'):
    """Waits for the wizard's page whose default button reads one of `buttons`, then presses Enter
    (or the key given)."""
    def shown():
        # The caption of the last pages ends in a blank.
        for window in d.find_windows(visible=True):
            if window.title.strip() != title:
                continue
            if any(c.title.replace('&', '') in buttons and c.visible and c.enabled for c in controls(d, window)):
                return window
        return None
    wizard = d.wait_for(shown, 60, f'the {page} page of {title}')
    test_editor.wait_foreground(d, wizard)
    d.screenshot(f'{title.split()[-1].lower()}-{after or page}', wizard)
    d.keys(key)
    return wizard


@contextmanager
def page_viewer_registered(d):
    """The page_viewer fixture as the program that opens .html files, for the block; the shared
    prefix's own association is put back afterwards."""
    viewer = d.build / 'fixtures' / 'page_viewer.exe'
    log = viewer.with_name('page_viewer.log')
    log.unlink(missing_ok=True)
    before = (reg_read(d, HTML_KEY) or {}).get('', (None, None))[1]
    d.wine('reg', 'add', HTML_KEY, '/ve', '/d', 'DashmarksTestPage', '/f', check_rc=True)
    d.wine('reg', 'add', VIEWER_CLASS + r'\shell\open\command', '/ve', '/d', f'"{viewer}" "%1"', '/f',
           check_rc=True)
    try:
        yield log
    finally:
        d.wine('reg', 'delete', VIEWER_CLASS, '/f')
        if before is None:
            d.wine('reg', 'delete', HTML_KEY, '/ve', '/f')
        else:
            d.wine('reg', 'add', HTML_KEY, '/ve', '/d', before, '/f')


def test_f1_opens_the_page_beside_the_program_or_else_the_built_in_copy_at_the_topic(d):
    page = (d.repo / 'res' / 'Dashmarks.html').read_bytes()
    alone = d.build / 'program-without-help'
    shutil.rmtree(alone, ignore_errors=True)
    alone.mkdir()
    shutil.copy2(d.exe, alone / d.exe.name)
    cases = [
        # the program started, where the opened page must be
        (d.exe, lambda path: path == d.exe.with_name('Dashmarks.html').resolve()),
        (alone / d.exe.name, lambda path: path.parent != alone.resolve() and path.name == 'Dashmarks.html'),
    ]
    with page_viewer_registered(d) as log:
        for program, expected_page in cases:
            log.unlink(missing_ok=True)
            process = d.spawn(program, log_name='dashmarks.log')
            wait_running(d, f'from {program}')
            editor = test_editor.open_editor(d)
            d.keys('f1')
            # The viewer makes its log before it writes the line: the line is waited for, whole.
            d.wait_for(lambda: log.exists() and log.read_text(encoding='utf-8').endswith('\n'), 15,
                       f'the page viewer to be started from {program}')
            # Under load the viewer has been seen started twice with the same address: each is checked.
            addresses = log.read_text(encoding='utf-8').split()
            check(len(set(addresses)) == 1, f'different addresses opened: {addresses}')
            address = addresses[0]
            # The list has the focus when the editor opens: topic 11.
            found = re.fullmatch(r'file:///(.*)#topic11', address)
            check(found, f'opened {address!r}, not a file address at topic 11')
            opened = unix_path(d, unquote(found.group(1)).replace('/', '\\')).resolve()
            check(expected_page(opened), f'{program} opened {opened}')
            check(opened.read_bytes() == page, f'{opened} is not the help page')
            check([w.hwnd for w in d.find_windows(cls=test_editor.EDITOR_CLASS)] == [editor.hwnd],
                  'the editor went away')
            # The page's viewer took the front: the editor is brought back to be closed.
            d.helper('activate', editor.hwnd)
            test_editor.wait_foreground(d, editor)
            test_editor.close_editor(d)
            test_editor.choose_configure(d, 'x')
            d.wait_exit(process, 15)
