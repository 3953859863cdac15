#!/usr/bin/env python3
"""Mutated input files through every kestal-cli command.

Makes COUNT damaged copies of the example problems (numbers swapped for zeros,
negatives, tiny, huge, non-numbers; keys changed; lines dropped, doubled,
cut short; bytes inserted) and runs report, every view, calc-tension and
calc-shear on each. Every run must end with exit status 0 or 1 (never a
signal, never 2), print on standard error only the reason lines of a
refused file or input ("kestal-cli: cannot read ..." after a read error,
"kestal-cli: FIELD = VALUE: RULE" after "Incomplete information"), one for
each such message, show no "nan" or "inf", and every message must be one the
program knows.

    tools/mutated-inputs.py [--count N] [--seed S] [--cli build/src/kestal-cli]

Last line: MUTATED INPUTS: N files, R runs, F failures
"""
import argparse, concurrent.futures as cf, glob, os, random, re, subprocess, sys, tempfile

VIEWS = ['section-properties', 'moment-capability', 'service-load-stress', 'fatigue-stress',
         'crack-control', 'shear-capability', 'rebar-table']
MESSAGES = [r'Kestal: Incomplete Information', r'Kestal: Incomplete information',
            r'Shear Capability: Incomplete Information',
            r'Kestal: No service load moments have been entered',
            r'Kestal: Crack control variables have not been entered',
            r'READ INPUT: Error reading input file', r'Kestal: Save Output Error',
            r'Tension Reinforcing: Incomplete information', r'Tension Reinforcing: Required As = ',
            r'Shear Reinforcing: Incomplete information', r'Shear Reinforcing: Required Av/s= ',
            r'Shear Reinforcing: No shear rules for this code',
            r'Shear Reinforcing: Shear force exceeds maximum capacity = ']
NUMBER = re.compile(rb'(?<![\w".])-?\d+(\.\d*)?(E[+-]\d+)?(?![\w"])')
SPECIAL = [b'0', b'-1', b'1E-38', b'3.4E+38', b'1E+39', b'-0', b'nan', b'inf', b'', b'1e5000',
           b'.', b'-', b'0.000001', b'99999999', b'2.9E+07']
KEYS = [b'"English"', b'"Metric"', b'"aci"', b'"lrfd"', b'"ohbdc"', b'"ud"', b'"xyz"', b'""',
        b'"review"', b'"Vdesign"', b'"design"']


def mutate(text, rng):
    for _ in range(rng.randint(1, 4)):
        op = rng.randrange(6)
        if op <= 1:
            spans = [m.span() for m in NUMBER.finditer(text)]
            if spans:
                a, b = rng.choice(spans)
                text = text[:a] + rng.choice(SPECIAL) + text[b:]
        elif op == 2:
            spans = [m.span() for m in re.finditer(rb'"[^"\r\n]*"', text)]
            if spans:
                a, b = rng.choice(spans)
                text = text[:a] + rng.choice(KEYS) + text[b:]
        elif op == 3:
            lines = text.split(b'\r\n')
            i = rng.randrange(len(lines))
            if rng.random() < 0.5:
                del lines[i]
            else:
                lines.insert(i, lines[i])
            text = b'\r\n'.join(lines)
        elif op == 4:
            text = text[:rng.randrange(len(text) + 1)]
        else:
            i = rng.randrange(len(text) + 1)
            text = text[:i] + bytes(rng.randrange(256) for _ in range(rng.randint(1, 3))) + text[i:]
    return text


def check(args, proc):
    problems = []
    if proc.returncode not in (0, 1):
        problems.append('exit status %d' % proc.returncode)
    out = proc.stdout.decode('latin-1')
    reasons = proc.stderr.decode('latin-1').splitlines()
    refusals = len(re.findall(r'(Error reading input file|Incomplete [Ii]nformation|Save Output Error)', out))
    if len(reasons) > refusals or not all(r.startswith('kestal-cli: ') for r in reasons):
        problems.append('standard error: %r' % proc.stderr[:200])
    if re.search(r'\b(nan|inf)\b', out, re.I):
        problems.append('a non-number printed')
    for line in out.splitlines():
        if ': ' in line and not line.startswith('     ') and not line.startswith('#') \
                and '\t' not in line:
            if not any(re.match(m, line) for m in MESSAGES) and not line.startswith('     '):
                # The second line of the Av/s message has no title of its own.
                if not line.startswith('Maximum spacing = '):
                    problems.append('unknown message: %r' % line)
    return problems


def run_one(cli, path, out_dir):
    runs, failures = 0, []
    commands = [['report', path, '-o', os.path.join(out_dir, os.path.basename(path) + '.out')],
                ['calc-tension', path], ['calc-shear', path]] + [['view', v, path] for v in VIEWS]
    for args in commands:
        proc = subprocess.run([cli] + args, capture_output=True, timeout=30,
                              env=dict(os.environ, SOURCE_DATE_EPOCH='0'))
        runs += 1
        for p in check(args, proc):
            failures.append('%s %s: %s' % (' '.join(args[:2]), os.path.basename(path), p))
    return runs, failures


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--count', type=int, default=2000)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--cli', default='build/src/kestal-cli')
    a = ap.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    examples = [open(p, 'rb').read() for p in sorted(glob.glob(os.path.join(root, 'examples', '*.in')))]
    rng = random.Random(a.seed)
    with tempfile.TemporaryDirectory() as tmp:
        paths = []
        for i in range(a.count):
            path = os.path.join(tmp, 'm%05d.in' % i)
            open(path, 'wb').write(mutate(rng.choice(examples), rng))
            paths.append(path)
        runs, failures = 0, []
        with cf.ThreadPoolExecutor(os.cpu_count()) as pool:
            for r, f in pool.map(lambda p: run_one(os.path.abspath(a.cli), p, tmp), paths):
                runs += r
                failures += f
        for f in failures[:50]:
            print(f)
    print('MUTATED INPUTS: %d files, %d runs, %d failures' % (a.count, runs, len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
