#!/usr/bin/env python3
"""Rewrites the SOURCES and TESTS lists of the CMakeLists.txt files named on the command line from the
files present in each target's folder (.cpp .h .qrc for SOURCES, test_*.cpp for TESTS)."""
import os, re, sys, textwrap

def listing(folder, tests):
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    if tests:
        return [n for n in names if n.startswith('test_') and n.endswith('.cpp')]
    return [n for n in names if n.endswith(('.cpp', '.h', '.qrc'))]

def wrap(keyword, names):
    text = keyword + ' ' + ' '.join(names)
    lines = textwrap.wrap(text, 108, subsequent_indent='  ', break_on_hyphens=False, break_long_words=False)
    return '\n  '.join(lines)

call = re.compile(r'(ventrix_(?:library|tests)\()(.*?)(\n  LIBS|\))', re.S)

for cmake in sys.argv[1:]:
    base = os.path.dirname(os.path.abspath(cmake))
    src = open(cmake).read()
    def fix(m):
        body = m.group(2)
        d = re.search(r'\bDIR (\S+)', body)
        folder = os.path.join(base, d.group(1)) if d else base
        for kw, tests in (('SOURCES', False), ('TESTS', True)):
            k = re.search(r'\n  ' + kw + r' .*?(?=\n  [A-Z]+ |\Z)', body, re.S)
            if k:
                body = body[:k.start()] + '\n  ' + wrap(kw, listing(folder, tests)) + body[k.end():]
        return m.group(1) + body + m.group(3)
    out = call.sub(fix, src)
    open(cmake, 'w').write(out)
