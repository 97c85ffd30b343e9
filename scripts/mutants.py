#!/usr/bin/env python3
"""The project's own mutation runner: does the test suite catch a realistic single fault?

Each fault names a file, an exact text that occurs once in it, its replacement and the CTest
regex of the tests of that area. The runner copies the committed tree (git archive of HEAD) into
build-mutants/tree, builds it once, then for each fault: applies it, rebuilds, runs the area's
tests, restores the file. A fault whose tests fail is killed; one whose tests pass survived. A
fault whose text no longer occurs exactly once is reported as stale and not counted; one that
does not compile is reported and not counted either.

    python3 scripts/mutants.py            every fault, then the score
    python3 scripts/mutants.py --check    only whether every fault's text still occurs once
    python3 scripts/mutants.py -k NAME    only the faults whose name contains NAME
    python3 scripts/mutants.py -a pit     only the faults of one area (payments, exchange,
                                          printouts, pit, stats; may be repeated)

Slow (a rebuild and an area's tests per fault): not part of CI.
"""
import argparse
import io
import os
import shutil
import subprocess
import sys
import tarfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORK = os.path.join(ROOT, "build-mutants")
TREE = os.path.join(WORK, "tree")

# Each fault: (name, file, exact text occurring once, replacement, CTest regex of the area's
# tests). One list per area, so that faults of different areas are added apart.

FAULTS_PAYMENTS = [
    ("zwsi-D-account-takes-rachunek", "src/payments/zwsi_files.cpp",
     "pesel + rodzaj + KwotaZwsi(p.dowyplaty) + KwotaZwsi(p.rachunek)",
     "pesel + rodzaj + KwotaZwsi(p.rachunek) + KwotaZwsi(p.rachunek)", "payments"),
    ("zwsi-D-cash-only-when-account", "src/payments/zwsi_files.cpp",
     "            if (p.zaliczkawaluta > 0)\n                dopisz(f.kasa",
     "            if (p.rachunek > 0)\n                dopisz(f.kasa", "payments"),
    ("transfer-amount-format", "src/payments/transfers.cpp",
     "Kwota00Kropka(kwota),", "Kwota00Kropka(kwota + 0.01),", "payments"),
    ("transfer-account2-bank-of-account1", "src/payments/transfers.cpp",
     "p.brachunek2, p.bic2};", "p.brachunek1, p.bic2};", "payments"),
    ("transfer-currency-filter", "src/payments/transfers.cpp",
     'const bool walTak = !o.niepobrane && o.filtr != QLatin1String("N");',
     'const bool walTak = !o.niepobrane && o.filtr != QLatin1String("T");', "payments"),
    ("transfer-not-collected-flag", "src/payments/transfers.cpp",
     'p.zaliczkapln > 0 && p.niepobranewkasie == QLatin1String("N")',
     'p.zaliczkapln > 0 && p.niepobranewkasie != QLatin1String("W")', "payments"),
    ("transfer-sums-swapped", "src/payments/transfers.cpp",
     "(naWalute ? w.walKwota : w.plnKwota) += kwota;",
     "(naWalute ? w.plnKwota : w.walKwota) += kwota;", "payments"),
    ("transfer-value-date-order", "src/payments/transfers.cpp",
     'o.dataWaluty.toString(u"dd/MM/yyyy")', 'o.dataWaluty.toString(u"MM/dd/yyyy")', "payments"),
    ("zwsi-cash-eur-paid-as-pln", "src/payments/zwsi_files.cpp",
     'lista.walutazaliczki == QLatin1String("EUR");',
     'lista.walutazaliczki == QLatin1String("GBP");', "payments"),
    ("zwsi-account1-when-bank-amount", "src/payments/zwsi_files.cpp",
     "if (p.rachunek1 > 0) konta +=", "if (p.rachunek > 0) konta +=", "payments"),
    ("zwsi-not-collected-any-flag", "src/payments/zwsi_files.cpp",
     'p.zaliczkapln > 0 && p.niepobranewkasie == QLatin1String("N"))\n            dopisz(f.niepobrane',
     "p.zaliczkapln > 0)\n            dopisz(f.niepobrane", "payments"),
    ("zwsi-D-cash-takes-pln", "src/payments/zwsi_files.cpp",
     "pesel + rodzaj + KwotaZwsi(p.zaliczkawaluta) + KwotaZwsi(0)",
     "pesel + rodzaj + KwotaZwsi(p.zaliczkapln) + KwotaZwsi(0)", "payments"),
    ("transfer-not-collected-to-account2", "src/payments/transfers.cpp",
     "przelew(p, 1, p.zaliczkapln, false);", "przelew(p, 2, p.zaliczkapln, false);", "payments"),
    ("transfer-not-collected-removes-currency-file", "src/payments/transfers.cpp",
     "    if (!niepobrane)\n        pliki << PlikZestawu", "    pliki << PlikZestawu", "payments"),
    ("transfer-refused-sums-swapped", "src/payments/transfers.cpp",
     "(naWalute ? w.walKwotaOdrzucona : w.plnKwotaOdrzucona) += kwota;",
     "(naWalute ? w.plnKwotaOdrzucona : w.walKwotaOdrzucona) += kwota;", "payments"),
]

FAULTS_EXCHANGE_AND_CALCULATION = [
    ("zaokraglij-truncates", "src/data/numbers.cpp",
     "rintl(x * 100.0L + 0.00001L)", "truncl(x * 100.0L + 0.00001L)", "data/|lists/calc"),
    ("exchange-number-truncates", "src/data/exchange_values.cpp",
     "std::llrint(x * 1000000.0)", "static_cast<long long>(x * 1000000.0)",
     "data/|lists/list_files|persons/person_files"),
    ("exchange-column-kind-by-case", "src/data/exchange_values.cpp",
     "typy.value(kolumny[i].toLower())", "typy.value(kolumny[i])",
     "data/exchange|lists/list_files|persons/person_files"),
    ("exchange-double-column-as-text", "src/data/exchange_values.cpp",
     'if (t.contains(u"DOUBLE") || t.contains(u"REAL")', 'if (t.contains(u"REAL")',
     "data/exchange|lists/list_files|persons/person_files"),
    ("exchange-date-1899-accepted", "src/data/exchange_values.cpp",
     "d.year() < 1900 &&", "d.year() < 1899 &&",
     "data/exchange|lists/list_files|persons/person_files"),
    ("list-file-100-columns-refused", "src/lists/list_files.cpp",
     "n < 1 || n > kMaksKolumn", "n < 1 || n >= kMaksKolumn", "lists/list_files"),
    ("list-file-order-by-name-for-nis", "src/lists/list_files.cpp",
     "kolejnosc == KolejnoscPozycji::Nis", "kolejnosc != KolejnoscPozycji::Nis",
     "lists/list_files"),
    ("list-file-question-names-column-6", "src/lists/list_files.cpp",
     "wartosciListy.value(7)", "wartosciListy.value(6)", "lists/list_files"),
    ("list-file-idlisty-first-column-missed", "src/lists/list_files.cpp",
     "if (idlisty >= 0)\n            v[idlisty] = id;", "if (idlisty > 0)\n            v[idlisty] = id;",
     "lists/list_files"),
    ("person-file-100-columns-refused", "src/persons/person_files.cpp",
     "n < 1 || n > kMaksKolumn", "n < 1 || n >= kMaksKolumn", "persons/person_files"),
    ("person-file-listed-pesel-stops-import", "src/persons/person_files.cpp",
     "if (listowanePesele.contains(w.value(0).trimmed())) continue;",
     "if (listowanePesele.contains(w.value(0).trimmed())) break;", "persons/person_files"),
    ("person-zwsi-account2-needs-account1", "src/persons/person_files.cpp",
     "if (konto.isEmpty()) continue;", "if (konto.isEmpty()) break;", "persons/person_files"),
    ("numbers-field-max-exclusive", "src/data/numbers.cpp",
     "v < zakres.min || v > zakres.max", "v < zakres.min || v >= zakres.max", "data/numbers"),
    ("calc-mon-30-days-paid-by-the-day", "src/lists/calculation.cpp",
     "if (dniMon == dniMiesiaca || dniMon == 30)", "if (dniMon == dniMiesiaca)", "lists/calc"),
    ("calc-lost-on-the-first-gives-nothing", "src/lists/calculation.cpp",
     "(N < S && U < S) || (N > E && U > E)", "(N < S && U <= S) || (N > E && U > E)",
     "lists/calc"),
    ("calc-daily-rate-rounded-after-days", "src/lists/calculation.cpp",
     "p.naleznosc = double(dni * LD(zaokraglij(LD(l.uposazenie) * p.mnoznik / 30)));",
     "p.naleznosc = zaokraglij(dni * LD(l.uposazenie) * p.mnoznik / 30);", "lists/calc"),
    ("calc-supplement-II-added-twice", "src/lists/calculation.cpp",
     "p.dodatekwojenny + p.dodatekwojenny2 + p.dodatekwojenny3 + p.rozm +",
     "p.dodatekwojenny + p.dodatekwojenny2 + p.dodatekwojenny2 + p.rozm +", "lists/calc"),
    ("calc-cash-at-bank-rate", "src/lists/calculation.cpp",
     "p.zaliczkapln = zaokraglij(LD(p.zaliczkawaluta) * l.kurszaliczki);\n        p.rachunek = zaokraglij(",
     "p.zaliczkapln = zaokraglij(LD(p.zaliczkawaluta) * l.kursrach);\n        p.rachunek = zaokraglij(",
     "lists/calc"),
    ("calc-contributions-not-deducted", "src/lists/calculation.cpp",
     "zaokraglij(LD(p.razem) - p.skladkizus - p.innezwiekszenia)",
     "zaokraglij(LD(p.razem) - p.innezwiekszenia)", "lists/calc"),
]

# The tests of printouts and PIT-11 and statistics without the screen tests: a fault there shows
# in the page model or the file, and the screen tests would only lengthen each rebuild.
PRINTOUTS = "^printouts/|^cli/print"
PIT11 = "^pit/|^printouts/pit11|^cli/pit11"
STATS = "^stats/|^cli/analyse"

FAULTS_PRINTOUTS = [
    ("equivalent-halves-up", "src/printouts/conventions.cpp",
     "(reszta * 2 == dzielnik && grosze % 2 != 0)", "(reszta * 2 == dzielnik)", PRINTOUTS),
    ("list-mon-under-pkw-amount", "src/lists/list_printout.cpp",
     "komorka(pa, k[4], 1, kwota(p.zwnaleznmon));", "komorka(pa, k[4], 1, kwota(p.zwnaleznpkw));",
     PRINTOUTS),
    ("list-total-third-war-supplement-adds-second", "src/lists/list_printout_parts.cpp",
     "woj3 += p.dodatekwojenny3;", "woj3 += p.dodatekwojenny2;", PRINTOUTS),
    ("list-account1-equivalent-from-rounded-amount", "src/lists/list_printout.cpp",
     "p.rachunek1bz, sr.pln1", "p.rachunek1, sr.pln1", PRINTOUTS),
    ("list-U-hygiene-total-is-demining", "src/lists/list_printout_tax.cpp",
     "sum(6, 1, s.srhigieny);", "sum(6, 1, s.rozm);", PRINTOUTS),
    ("list-D-tax-accounts-column-not-shifted", "src/lists/list_printout.cpp",
     "const int kolRach = zPodatkiem ? 7 : 6;", "const int kolRach = zPodatkiem ? 6 : 6;",
     PRINTOUTS),
    ("list-D-cash-totals-swapped", "src/lists/list_printout.cpp",
     "        sum(kolRach + 1, wal);\n        sum(kolRach + 2, pln);",
     "        sum(kolRach + 1, pln);\n        sum(kolRach + 2, wal);", PRINTOUTS),
    ("transfer-equivalent-from-rounded-amount", "src/payments/payment_printouts.cpp",
     "const double podstawa[2] = {p.rachunek1bz, p.rachunek2};",
     "const double podstawa[2] = {p.rachunek1, p.rachunek2};", PRINTOUTS),
    ("cash-list-currency-column-shows-pln", "src/payments/payment_printouts.cpp",
     "kom(4, kwota(p.zaliczkawaluta)", "kom(4, kwota(p.zaliczkapln)", PRINTOUTS),
    ("person-dues-equalisation-shows-increases", "src/lists/person_dues.cpp",
     "komorka(pa, k[7], 1, kwota(p.wyrownanie));",
     "komorka(pa, k[7], 1, kwota(p.innezwiekszenia));", PRINTOUTS),
    ("person-dues-start-date-shows-end", "src/lists/person_dues.cpp",
     "komorka(pa, k[3], 1, data(p.datanabycia), L);",
     "komorka(pa, k[3], 1, data(p.datautraty), L);", PRINTOUTS),
    ("person-dues-mon-total-adds-pkw", "src/lists/person_dues.cpp",
     "s.mon += p.zwnaleznmon;", "s.mon += p.zwnaleznpkw;", PRINTOUTS),
    ("person-dues-rates-of-an-additional-list", "src/lists/person_dues.cpp",
     'if (po.typ == u"P") {', 'if (po.typ != u"P") {', PRINTOUTS),
    ("pit11-printout-income-box-shows-revenue", "src/pit/pit11_printout.cpp",
     "w.wartosc(31, KwotaStrony2(f.kw_dochod)", "w.wartosc(31, KwotaStrony2(f.kw_przychod)",
     PIT11),
]

FAULTS_PIT11 = [
    ("pit-form-commune-from-county", "src/pit/pit11.cpp",
     'f.os_gmina = pole("adr_gmina");', 'f.os_gmina = pole("adr_powiat");', PIT11),
    ("pit-form-without-advance", "src/pit/pit11.cpp",
     "if (!(zaokraglij(s.podatek) > 0)) continue;", "if (!(s.podatek > 0)) continue;", PIT11),
    ("pit-forms-sorted-by-first-name", "src/pit/pit11.cpp",
     "order by os_nazwisko, os_imie, id", "order by os_imie, os_nazwisko, id", PIT11),
    ("pit-forms-count-lists-not-marked-untaxed", "src/pit/pit11.cpp",
     "and lista.czy_podatek = 'T' group by pesel", "and lista.czy_podatek <> 'N' group by pesel",
     PIT11),
    ("pit-xml-income-element-from-revenue", "src/pit/pit11_xml.cpp",
     'Element(QStringLiteral("P_31"), KwotaPit11(f.kw_dochod))',
     'Element(QStringLiteral("P_31"), KwotaPit11(f.kw_przychod))', PIT11),
    ("pit-xml-costs-element-from-exempt-income", "src/pit/pit11_xml.cpp",
     'Element(QStringLiteral("P_30"), KwotaPit11(f.kw_koszty))',
     'Element(QStringLiteral("P_30"), KwotaPit11(f.kw_dochod_zw))', PIT11),
    ("pit-xml-unwritable-file-skipped", "src/pit/pit11_xml.cpp",
     "ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), xml);",
     "if (!QFileInfo(QDir(folder).filePath(NazwaPlikuPit11(f))).isDir())\n"
     "                ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), xml);", PIT11),
    ("pit29-income-columns-swapped", "src/pit/pit11_xml29.cpp",
     'Element(w, QStringLiteral("P_31"), KwotaPit11(f.kw_dochod));',
     'Element(w, QStringLiteral("P_31"), KwotaPit11(f.kw_dochod_zw));', PIT11),
    ("pit29-costs-element-from-income", "src/pit/pit11_xml29.cpp",
     'Element(w, QStringLiteral("P_30"), KwotaPit11(f.kw_koszty));',
     'Element(w, QStringLiteral("P_30"), KwotaPit11(f.kw_dochod));', PIT11),
    ("pit29-unwritable-file-skipped", "src/pit/pit11_xml29.cpp",
     "ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), xml);",
     "if (!QFileInfo(QDir(folder).filePath(NazwaPlikuPit11(f))).isDir())\n"
     "                ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), xml);", PIT11),
    ("pit29-tax-not-rounded-to-whole-zloty", "src/pit/pit11_xml29.cpp",
     'Element(w, QStringLiteral("P_33"), KwotaCalkowitaPit11(f.kw_podatek));',
     'Element(w, QStringLiteral("P_33"), KwotaPit11(f.kw_podatek));', PIT11),
]

FAULTS_STATISTICS_AND_ANALYSES = [
    ("analysis-war-supplement-third", "src/stats/analysis.cpp",
     '"pozycja.dodatekwojenny+pozycja.dodatekwojenny2+pozycja.dodatekwojenny3"',
     '"pozycja.dodatekwojenny+pozycja.dodatekwojenny2+pozycja.dodatekwojenny2"', STATS),
    ("analysis-pln-advance-column", "src/stats/analysis.cpp",
     '{"Zaliczka w PLN", "pozycja.zaliczkapln"}', '{"Zaliczka w PLN", "pozycja.zaliczkawaluta"}',
     STATS),
    ("analysis-post-grouping-reads-subunit", "src/stats/analysis.cpp",
     '{"Stanowisko", "Stanowisko", "pozycja.stanowisko"}',
     '{"Stanowisko", "Stanowisko", "pozycja.skrotpododdzial"}', STATS),
    ("analysis-average-is-the-sum", "src/stats/analysis.cpp",
     "r.srednia = q.value(2).toDouble();", "r.srednia = q.value(1).toDouble();", STATS),
    ("analysis-marked-lists-count-the-register", "src/stats/analysis.cpp",
     "r.listy = tylko ? zaznaczonych : listRejestru;", "r.listy = listRejestru;", STATS),
    ("analysis-sub-grouping-takes-grouping-caption", "src/stats/analysis.cpp",
     "r.naglowki << PozycjePodgrupyAnalizy()[g2i];", "r.naglowki << PozycjeGrupyAnalizy()[g2i];",
     STATS),
    ("statistics-two-sums-swapped", "src/stats/statistics.cpp",
     '"razem",     "skladkizus",', '"skladkizus",     "razem",', STATS),
    ("statistics-U-list-counted-additional", "src/stats/statistics.cpp",
     'if (l.typ == u"D") ++s.dodatkowe;', 'if (l.typ != u"P") ++s.dodatkowe;', STATS),
    ("statistics-marked-filter-inverted", "src/stats/statistics.cpp",
     "if (s.tylkoZaznaczone && l.zaz != znak) continue;",
     "if (s.tylkoZaznaczone && l.zaz == znak) continue;", STATS),
    ("statistics-currency-on-pln-cash", "src/stats/statistics.cpp",
     'i == 16 ? waluta : QStringLiteral("zł")', 'i == 15 ? waluta : QStringLiteral("zł")', STATS),
]

AREAS = {
    "payments": FAULTS_PAYMENTS,
    "exchange": FAULTS_EXCHANGE_AND_CALCULATION,
    "printouts": FAULTS_PRINTOUTS,
    "pit": FAULTS_PIT11,
    "stats": FAULTS_STATISTICS_AND_ANALYSES,
}
FAULTS = [f for faults in AREAS.values() for f in faults]


def run(cmd, cwd, timeout):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                           timeout=timeout)
        return p.returncode, p.stdout.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        return None, "timed out"


def occurrences(path, text):
    """How often `text` occurs in the file (0 when the file is gone)."""
    try:
        with open(path, encoding="utf-8") as f:
            return f.read().count(text)
    except FileNotFoundError:
        return 0


def prepare(regexes):
    """The committed tree, configured, and the tests of the chosen faults' areas built once (no
    benchmarks): a run over a few areas does not wait for every other test to build."""
    os.makedirs(TREE, exist_ok=True)
    archive = subprocess.run(["git", "-C", ROOT, "archive", "HEAD"], check=True,
                             stdout=subprocess.PIPE).stdout
    # Only the files that differ from the copy are written (with the time of now): tar would
    # give every file the commit's time, older than the objects of an earlier run, and a test
    # changed since would not be rebuilt.
    with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
        for m in tar.getmembers():
            dest = os.path.join(TREE, m.name)
            if m.isdir():
                os.makedirs(dest, exist_ok=True)
            elif m.isfile():
                data = tar.extractfile(m).read()
                try:
                    with open(dest, "rb") as f:
                        if f.read() == data:
                            continue
                except FileNotFoundError:
                    pass
                os.makedirs(os.path.dirname(dest), exist_ok=True)
                with open(dest, "wb") as f:
                    f.write(data)
                os.chmod(dest, m.mode)
        # A file the commit no longer has (moved or deleted since the last run) goes too: the
        # build globs its sources and would compile the old copy beside the new one.
        kept = {os.path.normpath(m.name) for m in tar.getmembers() if m.isfile()}
    for top, dirs, files in os.walk(TREE):
        if top == TREE:
            dirs[:] = [d for d in dirs if d != "build"]
        for name in files:
            rel = os.path.relpath(os.path.join(top, name), TREE)
            if rel not in kept:
                os.remove(os.path.join(top, name))
    launcher = []
    if shutil.which("ccache"):
        # The copy compiles as the working tree does: with the paths made relative, the
        # objects of an earlier build of the project come from the cache.
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
        os.environ.setdefault("CCACHE_BASEDIR", os.path.dirname(ROOT))
        os.environ.setdefault("CCACHE_NOHASHDIR", "1")
    code, out = run(["cmake", "-S", ".", "-B", "build", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                     "-DVEXA_BENCH=OFF"] + launcher + [
                     "-DVEXA_XSD_DIR=" + os.path.join(os.path.dirname(ROOT), "shared", "xsd")],
                    TREE, 600)
    if code != 0:
        sys.exit("mutants: cmake failed\n" + out[-3000:])
    code, out = build(sorted({t for r in regexes for t in targets(r)}))
    if code != 0:
        sys.exit("mutants: the unchanged tree does not build\n" + out[-3000:])
    # A fault counts as killed only when its tests fail: they must pass on the tree as committed.
    for regex in sorted(regexes):
        code, out = tests(regex)
        if code != 0:
            sys.exit(f"mutants: the unchanged tree fails the tests /{regex}/\n" + out[-3000:])


def build(targets=()):
    """Builds the given targets (all when none): a fault rebuilds only its area's tests."""
    cmd = ["cmake", "--build", "build", "-j", str(os.cpu_count() or 2)]
    for t in targets:
        cmd += ["--target", t]
    return run(cmd, TREE, 3600)


def targets(regex):
    """The executables of the tests that match `regex`: test a/b_test is target t_a_b_test (the
    screen-fit runs on other screens reuse the one executable), and vexa-cli for the command
    tests."""
    code, out = run(["ctest", "--test-dir", "build", "-N", "-R", regex], TREE, 300)
    names = set()
    for line in out.splitlines():
        line = line.strip()
        if line.startswith("Test") and ":" in line:
            name = line.split(":", 1)[1].strip()
            name = name.split("_test")[0] + "_test" if "_test" in name else name
            names.add("t_" + name.replace("/", "_"))
    # The command tests run the built vexa-cli: a fault must reach it too.
    if any(n.startswith("t_cli_") for n in names):
        names.add("vexa-cli")
    return sorted(names)


def tests(regex):
    env_cmd = ["ctest", "--test-dir", "build", "-R", regex, "-j", str(os.cpu_count() or 2),
               "--timeout", "300"]
    return run(env_cmd, TREE, 1800)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true", help="only report stale faults")
    ap.add_argument("-k", default="", help="only faults whose name contains this")
    ap.add_argument("-a", "--area", choices=sorted(AREAS), action="append",
                    help="only the faults of this area (may be repeated)")
    args = ap.parse_args()
    chosen = [f for a in args.area for f in AREAS[a]] if args.area else FAULTS
    faults = [f for f in chosen if args.k in f[0]]

    stale = [f for f in faults if occurrences(os.path.join(ROOT, f[1]), f[2]) != 1]
    for f in stale:
        print(f"STALE     {f[0]}: the text occurs {occurrences(os.path.join(ROOT, f[1]), f[2])}"
              f" times in {f[1]}")
    if args.check:
        print(f"{len(faults) - len(stale)} faults apply, {len(stale)} stale")
        return 1 if stale else 0

    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    prepare({f[4] for f in faults if f not in stale})
    killed = survived = broken = 0
    for name, rel, text, repl, regex in faults:
        if (name, rel, text, repl, regex) in stale:
            continue
        path = os.path.join(TREE, rel)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        start = time.time()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(text, repl, 1))
            code, out = build(targets(regex))
            if code != 0:
                broken += 1
                verdict = "NO BUILD "
            else:
                code, out = tests(regex)
                if code == 0 and "No tests were found" in out:
                    broken += 1
                    verdict = "NO TESTS "
                elif code == 0:
                    survived += 1
                    verdict = "SURVIVED "
                else:
                    killed += 1
                    verdict = "killed   "
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        print(f"{verdict} {name} ({rel}, tests /{regex}/, {time.time() - start:.0f} s)", flush=True)
    counted = killed + survived
    score = 100.0 * killed / counted if counted else 0.0
    print(f"mutants: {killed} killed, {survived} survived of {counted} counted "
          f"({score:.1f} %); {len(stale)} stale, {broken} not built or without tests")
    return 0


if __name__ == "__main__":
    sys.exit(main())
