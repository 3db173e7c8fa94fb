#!/usr/bin/env python3
"""quorix-cli as people call it: whole runs checked for exit status, standard output and standard
error. Most cases are rows of one table; the rest follow one answer into the next call (a list's
row found again, fed to page, exported to Anki).

A failing call must print exactly one line on standard error and nothing on standard output.

Usage: cli_cases.py CLI SYNTHETIC_DB_DIR BUNDLED_DB_DIR
"""
import html
import os
import re
import subprocess
import sys
import tempfile

cli, synthetic, bundled = sys.argv[1:4]
failures = []


def run(args):
    done = subprocess.run([cli] + args, capture_output=True)
    return done.returncode, done.stdout.decode('utf-8'), done.stderr.decode('utf-8')


def check(name, args, status, out=None, err=None):
    """`out` and `err` are regular expressions searched in the output; an error is one line."""
    code, stdout, stderr = run(args)
    problems = []
    if code != status:
        problems.append(f'status {code}, expected {status}')
    if out is not None and not re.search(out, stdout, re.M):
        problems.append(f'standard output lacks /{out}/: {stdout[:300]!r}')
    if status != 0:
        if stdout:
            problems.append(f'a failure printed on standard output: {stdout[:200]!r}')
        if stderr.count('\n') != 1:
            problems.append(f'the error is not one line: {stderr!r}')
    elif stderr:
        problems.append(f'success printed on standard error: {stderr!r}')
    if err is not None and not re.search(err, stderr):
        problems.append(f'standard error lacks /{err}/: {stderr!r}')
    if problems:
        failures.append(f'{name}: quorix-cli {" ".join(args)}\n    ' + '\n    '.join(problems))
    return stdout


def expect(name, condition, detail=''):
    if not condition:
        failures.append(f'{name}: {detail}')


db = ['--db-dir', synthetic]
nowhere = os.path.join(synthetic, 'no-such-folder')
HELP = r'see quorix-cli --help\)$'
def help_of(command): return rf'\(see quorix-cli {command} --help\)$'

with tempfile.TemporaryDirectory() as scratch:
    cases = [
        # help and version, anywhere
        ('help', ['--help'], 0, r'^usage: quorix-cli COMMAND(.|\n)*^  export-anki FILE', None),
        ('help short', ['-h'], 0, r'^usage: quorix-cli COMMAND', None),
        ('help command', ['help', 'page'], 0, r'^usage: quorix-cli page ENTRY', None),
        ('help after a command', ['list', '--help'], 0, r'^    0 all-forms (.|\n)*^   10 russian-infinitives (.|\n)*^   11 english ', None),
        ('help before a command', ['--help', 'find'], 0, r'^usage: quorix-cli find TEXT', None),
        ('version', ['--version'], 0, r'^quorix-cli \d+\.\d+\n$', None),
        # wrong calls: one line naming the problem and the help to read, status 2
        ('no command', [], 2, None, r'^quorix-cli: missing command \(' + HELP),
        ('unknown command', ['frobnicate'], 2, None, r"unknown command 'frobnicate' \(" + HELP),
        ('unknown option', ['info', '--colour', 'red'], 2, None, r"unknown option --colour for 'info' " + help_of('info')),
        ('unknown short option', ['-x', 'info'], 2, None, r'unknown option -x \(' + HELP),
        ('dangling option', ['info', '--db-dir'], 2, None, r'option --db-dir needs a value'),
        ('option twice', ['list', '7', '--binyan', '1', '--binyan', '2'] + db, 2, None, r'--binyan is given twice'),
        ('flag with value', ['page', '0', '--text=yes'] + db, 2, None, r'--text takes no value'),
        ('bad number', ['synthesize', '--records', '12x', '--out', nowhere], 2, None, r'--records takes a whole number'),
        ('negative verb', ['dump-verb', '-3'] + db, 2, None, r"VERBID must be a whole number, not '-3'"),
        ('extra argument', ['info', 'more'] + db, 2, None, r'info takes no arguments ' + help_of('info')),
        # failures of the data: status 1, nothing on standard output first
        ('missing database', ['info', '--db-dir', nowhere], 1, None, r'hebrew\.db: cannot open'),
        ('absent verb', ['dump-verb', '999999'] + db, 1, None, r'no verb with id 999999'),
        ('no such form', ['conjugate', 'קקקקק'] + db, 1, None, r"no verb has the form 'קקקקק'"),
        ('no such meaning', ['conjugate', 'qqq'] + db, 1, None, r"no verb means 'qqq'"),
        ('only "to"', ['conjugate', 'to '] + db, 2, None, r'WORD is empty'),
        # options before or after the command, --name=value
        ('db-dir first', ['--db-dir', synthetic, 'info'], 0, r'^records: 210000$', None),
        ('db-dir last', ['info', '--db-dir=' + synthetic], 0, r'^search entries: 5832\nenglish groups: 5832\nenglish search entries: 5832\n\Z', None),
        # list: modes by name or number, the options each mode reads and no others
        ('mode by name', ['list', 'roots'] + db, 0, r'^\d+\t\S', None),
        ('unused binyan', ['list', '2', '--binyan', '9'] + db, 2, None, r'mode present \(2\) does not use --binyan ' + help_of('list')),
        ('unused table', ['list', '0', '--table', '99999'] + db, 2, None, r'mode all-forms \(0\) does not use --table'),
        ('unused filter', ['list', 'russian', '--filter', 'all'] + db, 2, None, r'mode russian \(9\) does not use --filter'),
        ('english unused binyan', ['list', 'english', '--binyan', '1'] + db, 2, None, r'mode english \(11\) does not use --binyan'),
        ('missing binyan', ['list', 'tables-of-binyan'] + db, 2, None, r'mode tables-of-binyan \(5\) needs --binyan'),
        ('missing table', ['list', 'verbs-of-table'] + db, 2, None, r'mode verbs-of-table \(8\) needs --table'),
        ('binyan out of range', ['list', 'verbs-of-binyan', '--binyan', '9'] + db, 2, None, r"--binyan takes a whole number from 1 to 7, not '9' \(1 pa'al"),
        ('binyan not a number', ['list', '5', '--binyan', '9x'] + db, 2, None, r'--binyan takes a whole number'),
        ('absent table', ['list', 'verbs-of-table', '--table', '99999'] + db, 2, None, r'hebrew\.db has no table 99999'),
        ('unknown filter', ['list', 'tables-by-number', '--filter', '7'] + db, 2, None, r"--filter is one of all \(11\), root \(99\), infinitive \(0\), present \(21\), past \(4\), not '7'"),
        ('unknown mode', ['list', '12'] + db, 2, None, r"unknown mode '12'"),
        ('unknown mode name', ['list', 'verbs'] + db, 2, None, r"unknown mode 'verbs'"),
        ('no mode', ['list'] + db, 2, None, r'list takes one MODE'),
        ('text is for pages', ['list', '4', '--text'] + db, 2, None, r"unknown option --text for 'list'"),
        # find and page
        ('find unknown mode', ['find', 'x', '--mode', '12'] + db, 2, None, r"unknown mode '12'"),
        ('find nothing', ['find', 'zzz', '--mode', 'infinitives'] + db, 0, r'^-1$', None),
        ('page inside a record', ['page', '5'] + db, 1, None, r'ENTRY 5 is not where a record of hebrew\.db begins'),
        ('page past the blob', ['page', '99999999'] + db, 1, None, r'is not where a record of hebrew\.db begins'),
        ('page no search entry', ['page', '50', '--side', 'ru'] + db, 1, None, r'is no search entry of rusearch\.db'),
        ('page no english entry', ['page', '99999936', '--side', 'en'] + db, 1, None,
         r'ENTRY 99999936 is no search entry of ensearch\.db \(a multiple of 48 below \d+, as list english prints them\)$'),
        ('page unknown side', ['page', '0', '--side', 'fr'] + db, 2, None, r"--side is one of he ru en, not 'fr'"),
        ('page unknown ui', ['page', '0', '--ui', 'de'] + db, 2, None, r"--ui is one of en ru he, not 'de'"),
        ('page unknown font', ['page', '0', '--font', 'xx'] + db, 2, None, r"--font is one of ar tm dv mr, not 'xx'"),
        ('page search mode', ['page', '0', '--search-mode', '7'] + db, 2, None, r'--search-mode is 0 to 4, 10 or 11, not 7'),
        ('page not a number', ['page', '12abc'] + db, 2, None, r'ENTRY must be a whole number'),
        ('russian page', ['page', '0', '--side', 'ru', '--ui', 'ru', '--font', 'dv'] + db, 0, r'class="dv"(.|\n)*&#1058;&#1072;&#1073;', None),
        ('russian page as text', ['page', '0', '--side', 'ru', '--ui', 'ru', '--text'] + db, 0, r'^\u0424\u043e\u0440\u043c\u044b \u0441\u043f\u0440\u044f\u0436\u0435\u043d\u0438\u044f', None),
        # export-anki
        ('anki to standard output', ['export-anki', '-', '--mode', 'tables-by-number', '--filter', 'infinitive'] + db, 0,
         r'\A#separator:tab\n#html:true\n#deck:Quorix\n#guid column:1\n#tags column:9\n#columns:Id\tVerb\tEnglish\tRussian\tBinyan\tRoot\tTable\tConjugation\tTags\nquorix-verb-\d+\t', None),
        ('anki unwritable', ['export-anki', os.path.join(nowhere, 'deck.txt')] + db, 1, None, r'cannot create'),
        ('anki no file', ['export-anki'] + db, 2, None, r'export-anki takes one FILE'),
        ('anki unused option', ['export-anki', '-', '--mode', 'roots', '--binyan', '1'] + db, 2, None, r'does not use --binyan'),
    ]
    for name, args, status, out, err in cases:
        check(name, args, status, out, err)

    # A mode by name lists what it lists by number, and the second call reads the cache.
    by_number = check('list 4', ['list', '4'] + db, 0)
    expect('list by name', check('list infinitives', ['list', 'infinitives'] + db, 0) == by_number)
    expect('cached', os.path.isfile(os.path.join(synthetic, 'query cache', '0400000000.cache')), 'no cache file for list 4')
    expect('filter by name', check('filter name', ['list', 'tables-by-number', '--filter', 'infinitive'] + db, 0) ==
           check('filter number', ['list', '6', '--filter', '0'] + db, 0))

    # A row of a list is found again by its text, and find's entry value opens its page.
    rows = by_number.splitlines()
    entry, text = rows[99].split('\t')
    found = check('find row 100', ['find', text, '--mode', 'infinitives'] + db, 0)
    index, found_entry, found_text = found.rstrip('\n').split('\t')
    expect('find', int(index) <= 99 and rows[int(index)].split('\t') == [found_entry, found_text], found)
    check('page of found entry', ['page', found_entry] + db, 0, r"\A<html> <style> (.|\n)*bgcolor='#ffd988'(.|\n)*</td> </tr> </table> </body> </html>\Z")
    check('conjugate a listed form', ['conjugate', text] + db, 0, r'^infinitive: ')
    word = check('russian list', ['list', '9'] + db, 0).splitlines()[0].split('\t')[1]
    check('conjugate a russian word', ['conjugate', word] + db, 0, r'^translations:')

    # On the bundled dictionary: a verb's page as text, fed by find.
    bundled_db = ['--db-dir', bundled]
    # find's list index, a number of another kind, is refused.
    found = check('find bundled', ['find', 'כתב'] + bundled_db, 0, r'^\d+\t\d+\tכתב')
    check('page of a list index', ['page', found.split('\t')[0]] + bundled_db, 1, None, r'not a list index')
    page = check('page bundled', ['page', found.split('\t')[1], '--text'] + bundled_db, 0,
                 r'^Verb Conjugation Forms:$(.|\n)*^  Table  Binyan  Model  Root   Infinitive$(.|\n)*\*כָּתַב\*')
    expect('page text', 'לִכְתֹּב' in page and 'Binyans:' in page and 'Translation:' in page, page)

    # A deck file: Anki's header and one note per verb, all lines of the same columns.
    deck_path = os.path.join(scratch, 'deck.txt')
    said = check('anki file', ['export-anki', deck_path] + bundled_db, 0, r'^wrote \d+ notes to ')
    with open(deck_path, encoding='utf-8') as deck_file:
        deck = deck_file.read().splitlines()
    notes = deck[6:]
    expect('anki count', said.startswith(f'wrote {len(notes)} notes'), said)
    expect('anki verbs', len(notes) == len(set(n.split('\t')[0] for n in notes)) > 1000, f'{len(notes)} notes')
    columns = deck[5].count('\t')
    expect('anki columns', all(n.count('\t') == columns for n in notes), 'a note with another number of columns')
    write = [n for n in notes if n.split('\t')[1] == 'לִכְתֹּב']
    expect('anki verb', len(write) == 1 and 'to write' in write[0] and '<table class=quorix-conjugation>' in write[0], write)

    # The English side: a meaning is found whatever the case of its letters, its page lists its
    # verbs, and conjugate takes the meaning or its gloss.
    jump = check('find english', ['find', 'Jump', '--mode', 'english'] + bundled_db, 0, r'^\d+\t\d+\tjump\n\Z')
    jump_entry = jump.split('\t')[1]
    check('english page', ['page', jump_entry, '--side', 'en'] + bundled_db, 0, r'&#1500;&#1460;&#1511;&#1456;&#1508;&#1465;&#1468;&#1509;')
    check('english page as text', ['page', jump_entry, '--side', 'en', '--ui', 'he', '--text'] + bundled_db, 0, r'לִקְפֹּץ')
    for word in ['jump', 'to jump', 'JUMP']:
        check(f'conjugate {word}', ['conjugate', word] + bundled_db, 0, r'^infinitive: לִקְפֹּץ$')
    check('find english nothing', ['find', 'zzzz', '--mode', 'english'] + bundled_db, 0, r'^-1$')
    # Every verb has an English meaning, so a deck of the English list holds every verb once (the
    # infinitives' deck lacks the verbs of the binyans without an infinitive).
    english_deck = check('anki english', ['export-anki', '-', '--mode', 'english'] + bundled_db, 0)
    english_ids = [n.split('\t')[0] for n in english_deck.splitlines()[6:]]
    verb_count = int(re.search(r'^verbs: (\d+)$', check('info bundled', ['info'] + bundled_db, 0), re.M).group(1))
    expect('anki english', len(english_ids) == len(set(english_ids)) == verb_count and
           set(english_ids) >= set(n.split('\t')[0] for n in notes),
           f'{len(english_ids)} notes of the English list, {verb_count} verbs')
    meanings = check('english list', ['list', 'english'] + bundled_db, 0).splitlines()
    expect('english list', len(meanings) > 5000 and any(m.endswith('\tjump') for m in meanings), f'{len(meanings)} meanings')

    # Each English meaning of a sample of the verbs (the deck's Verb and English columns) finds an
    # entry of that meaning, whose page lists the verb.
    for note in notes[::80]:
        columns = note.split('\t')
        verb, glosses = columns[1], html.unescape(columns[2])
        for gloss in glosses.split('; '):
            meaning = gloss[3:] if gloss.startswith('to ') else gloss
            found = check(f'find {meaning}', ['find', meaning, '--mode', 'english'] + bundled_db, 0)
            if not found.rstrip('\n').endswith('\t' + meaning):
                failures.append(f'find {meaning}: found {found!r}')
                continue
            page = check(f'page of {meaning}', ['page', found.split('\t')[1], '--side', 'en', '--text'] + bundled_db, 0)
            expect(f'page of {meaning}', verb in page, f'{verb} is not on the page')

for failure in failures:
    print(failure)
print(f'{len(failures)} of the cases failed' if failures else 'every case passed')
sys.exit(1 if failures else 0)
