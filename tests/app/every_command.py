#!/usr/bin/env python3
"""Every menu item does something.

The main window's menu and the menus of the result pages are listed with the
script verb `menustate`; then each enabled item is sent alone, in a fresh
install folder, after the waters it needs are entered. The log must show
something after it: a window, a message box, a print job, a file, a clipboard
change, or a prompt or dialog the script leaves unanswered. The items that are
meant to do nothing (section headings, and page items that their page does not
act on) are listed below; any other silent item fails the test.

usage: every_command.py TARVEX SOURCE WORKDIR
"""
import concurrent.futures
import os
import re
import shutil
import subprocess
import sys

TARVEX, SOURCE, WORK = sys.argv[1:4]
TARVEX = os.path.abspath(TARVEX)
PRODUCTS = os.path.join(os.path.dirname(TARVEX), 'products')

# Items that do nothing by design: headings of the menu's sections, and the
# copy items of the pages that their page does not act on.
SILENT = {
    ('', 65535): 'section heading',
    ('', 1035): 'section heading',
    ('DisplayMUWater', 755): 'the chemistry page has no spreadsheet copy',
    ('DisplayTempWater', 750): 'profile pages have no rich-text copy',
    ('DisplayTempWater', 751): 'profile pages have no rich-text copy',
    ('DisplaypHWater', 750): 'profile pages have no rich-text copy',
    ('DisplaypHWater', 751): 'profile pages have no rich-text copy',
    ('DisplayPressWater', 750): 'profile pages have no rich-text copy',
    ('DisplayPressWater', 751): 'profile pages have no rich-text copy',
}


def tour_lines():
    with open(os.path.join(SOURCE, 'data', 'scripts', 'tour.tvs')) as f:
        return f.read().split('\n')


def waters():
    """The tour's part 1: units, the three waters through the forms."""
    lines = tour_lines()
    start = next(i for i, l in enumerate(lines) if l.startswith('# 1.'))
    end = next(i for i, l in enumerate(lines) if l.startswith('# 2.'))
    return '\n'.join(l for l in lines[start:end] if l and not l.startswith('#')) + '\n'


def multimix():
    text = open(os.path.join(SOURCE, 'data', 'scripts', 'multimix-three-waters.tvs')).read()
    body = text[text.index('answer yes Last Analysis'):text.index('file ws.krv')]
    return body


PRELUDES = {
    'waters': waters() + 'menu 1248\n',
    'profiles': waters() + 'menu 1036\nmenu 1038\nmenu 228\nmenu 1042\n',
    'multimix': waters() + multimix(),
}
# The page classes whose menus are tried, with the prelude that opens them.
PAGES = {
    'DisplayMUWater': 'waters', 'DisplayMUValues': 'waters',
    'DisplayTempWater': 'profiles', 'DisplayTempValues': 'profiles',
    'DisplaypHWater': 'profiles', 'DisplaypHValues': 'profiles',
    'DisplayPressWater': 'profiles', 'DisplayPressValues': 'profiles',
    'DisplayCycledWater': 'profiles', 'DisplayCycledValues': 'profiles',
    'DisplayMixedWater': 'multimix', 'DisplayMixedValues': 'multimix',
    'DisplayMixedWaterOut': 'multimix', 'DisplayMixedValuesOut': 'multimix',
}
CLOSING = 'answer no Data has been modified\nanswer no Did you wish to leave data\n'
EVENT = re.compile(r'^(window created|window destroyed|message box|printed|print "|open |'
                   r'file written|file deleted|clipboard holds|clipboard emptied|script failure)')


def run(name, script):
    folder = os.path.join(WORK, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, 'INHIB'))
    for p in os.listdir(PRODUCTS):
        shutil.copy(os.path.join(PRODUCTS, p), os.path.join(folder, 'INHIB'))
    with open(os.path.join(folder, 'printers.cfg'), 'w') as f:
        f.write('PDF | letter | 300 | colour | out\n')
    with open(os.path.join(folder, 'script.tvs'), 'w') as f:
        f.write(script)
    proc = subprocess.run([TARVEX, '--headless', '--script', 'script.tvs', '--log', 'run.log'],
                          cwd=folder, capture_output=True, text=True, timeout=240)
    with open(os.path.join(folder, 'run.log'), encoding='latin-1') as f:
        log = f.read()
    if 'ERROR: AddressSanitizer' in proc.stderr or 'runtime error' in proc.stderr:
        raise RuntimeError(f'{name}: sanitizer report\n{proc.stderr[-3000:]}')
    return log


def items(log, owner):
    """(id, text, grayed) of the menu of `owner` ('' the main window) in a menustate dump."""
    head = 'menu of ' + (owner or 'the main window')
    out = []
    inside = False
    for line in log.split('\n'):
        if line == head:
            inside = True
            continue
        if inside:
            if not line.startswith('  '):
                break
            m = re.match(r'\s+\[(\d+)\] "(.*)"( \(.*\))?$', line)
            if m:
                out.append((int(m.group(1)), m.group(2), 'grayed' in (m.group(3) or '')))
    return out


def after(log, action):
    at = log.find('> ' + action + '\n')
    if at < 0:
        return None
    rest = log[at:].split('\n')[1:]
    events = []
    for line in rest:
        if line.startswith('> '):
            break
        if EVENT.match(line):
            events.append(line)
    return events


# The alkalinity items of the chemistry profile pages change what the page
# shows: its text after each differs.
ALKALINITY = (1072, 1073)


def alkalinity_switches(owner, prelude, ident):
    run(f'{owner}-alkalinity-{ident}',
              PRELUDES[prelude] + f'menu 1072 {owner}\ntext {owner} pm.txt\n'
              f'menu 1073 {owner}\ntext {owner} species.txt\n' + CLOSING)
    folder = os.path.join(WORK, f'{owner}-alkalinity-{ident}')
    try:
        pm = open(os.path.join(folder, 'pm.txt'), 'rb').read()
        species = open(os.path.join(folder, 'species.txt'), 'rb').read()
    except OSError:
        return False
    return bool(pm) and pm != species


def main():
    os.makedirs(WORK, exist_ok=True)
    dumps = {}
    for prelude, text in PRELUDES.items():
        owners = [''] + [c for c, p in PAGES.items() if p == prelude]
        dumps[prelude] = run('dump-' + prelude,
                             text + ''.join(f'menustate {o}\n' for o in owners) + CLOSING)
    jobs = []
    for owner in [''] + list(PAGES):
        prelude = PAGES.get(owner, 'waters')
        listed = items(dumps[prelude], owner)
        if not listed:
            print(f'FAIL: no menu listed for {owner or "the main window"}')
            return 1
        seen = set()
        for ident, text, grayed in listed:
            if grayed or ident in seen:
                continue
            seen.add(ident)
            jobs.append((owner, ident, text, prelude))
    failures = []
    silent = []

    def one(job):
        owner, ident, text, prelude = job
        if ident in ALKALINITY and owner:
            return job, ['text changed'] if alkalinity_switches(owner, prelude, ident) else []
        action = f'menu {ident}' + (f' {owner}' if owner else '')
        log = run(f'{owner or "main"}-{ident}', PRELUDES[prelude] + action + '\n' + CLOSING)
        return job, after(log, action)

    workers = max(2, (os.cpu_count() or 2))
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        for job, events in pool.map(one, jobs):
            owner, ident, text, _ = job
            where = owner or 'main window'
            if events is None:
                failures.append(f'{where} [{ident}] "{text}": never sent')
            elif not events:
                if (owner, ident) in SILENT:
                    silent.append(f'{where} [{ident}] "{text}": {SILENT[(owner, ident)]}')
                else:
                    failures.append(f'{where} [{ident}] "{text}": nothing happened')
    for s in silent:
        print('silent by design:', s)
    for f in failures:
        print('FAIL:', f)
    print(f'every_command: {len(jobs)} items tried, {len(silent)} silent by design, '
          f'{len(failures)} failed')
    return 1 if failures else 0


sys.exit(main())
