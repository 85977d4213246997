#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Does the test suite catch the faults a child or a user would notice?

Each mutant below is one small fault put into the program: a carry at 61, a
verdict in the wrong colour, a tab order, a text with a full-width letter.
The script copies the working tree (committed or not) once into a scratch
folder, builds it once, then for each mutant puts the fault in, rebuilds,
runs the whole suite (ctest --preset dev, the walk-through included) and
takes the fault out again. A mutant is

  killed    when a test fails (or, marked "build", when it does not compile),
  survived  when every test passes: a fault no test would catch,
  stale     when its text is not found exactly once in the program's sources:
            the catalogue needs mending after code moved or changed.

A mutant names no file: its text is looked for in every source file of
shell/, quiz/, info/ and screens/, so it stays valid when code moves between
files. Slow (a rebuild and a suite run per mutant); not part of CI.

  tools/mutants.py                    every mutant
  tools/mutants.py carry-at-61 'tab-*' only these (shell-style patterns)
  tools/mutants.py --check            only check that no mutant is stale
  tools/mutants.py --list             the catalogue, with each fault
  tools/mutants.py --scratch DIR      build in DIR and keep it: a second run
                                      rebuilds only what changed
  tools/mutants.py --rev REV          the tree of a commit instead of the
                                      working tree
"""

import argparse
import fnmatch
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
from dataclasses import dataclass
from pathlib import Path

SOURCE_DIRS = ("shell", "quiz", "info", "screens")
SOURCE_SUFFIXES = (".cpp", ".h", ".in")


@dataclass
class Mutant:
    name: str
    find: str  # exact text, found exactly once in the program's sources
    replace: str
    fault: str  # what the child or the user would see


# fmt: off
CATALOGUE = [
    # quiz/: the arithmetic of the exercises
    Mutant("carry-at-61", "if (sum.hun > 59)", "if (sum.hun > 60)",
           "2:30 + 3:30 gives 5:60 instead of 6:00"),
    Mutant("carry-takes-59", "sum.hun = sub16(sum.hun, 60);", "sum.hun = sub16(sum.hun, 59);",
           "a carry leaves one minute too many"),
    Mutant("carry-adds-no-hour", "sum.ji = add16(sum.ji, 1);", "sum.ji = add16(sum.ji, 0);",
           "a carry loses the hour"),
    Mutant("addition-swaps-span", "addWithCarry({m_state.ji1, m_state.hun1}, {m_state.ji2, m_state.hun2})",
           "addWithCarry({m_state.ji1, m_state.hun1}, {m_state.hun2, m_state.ji2})",
           "the span's hours and minutes are added the wrong way round"),
    Mutant("smaller-first", "if (first > second)", "if (first < second)",
           "frmtime2 shows the smaller time on top and expects a negative answer"),
    Mutant("difference-reversed", "return sub16(larger, smaller);", "return sub16(smaller, larger);",
           "frmtime2 expects a negative answer"),
    Mutant("difference-minutes-from-hours", "m_state.hun3 = minutes.difference();",
           "m_state.hun3 = hours.difference();",
           "frmtime2 expects the hours' difference in the minutes box"),
    Mutant("difference-shows-pair-swapped", 'showPair("lblji1", "lblji2", hours);',
           'showPair("lblji2", "lblji1", hours);',
           "frmtime2 shows the smaller hour value as the clock time"),
    Mutant("draw-rounds", "return CInt(Int(double(r) * n + 1));", "return CInt(double(r) * n + 1);",
           "a draw rounds up: 6 じ or 59 ふん come up"),
    Mutant("six-hour-values", "inline constexpr int hourValues = 5;", "inline constexpr int hourValues = 6;",
           "6 じ comes up in a problem"),
    Mutant("minutes-drawn-as-hours", "m_state.hun1 = drawValue(rt.Rnd(), minuteValues);",
           "m_state.hun1 = drawValue(rt.Rnd(), hourValues);",
           "the start time's minutes never pass 5"),
    Mutant("no-reseed", "rt.Randomize();", "(void)0;",
           "every run poses the same problems"),
    Mutant("state-kept-on-new-problem", "m_state = QuizState {};", "(void)m_state;",
           "a new problem keeps the last answer until こたえる"),
    Mutant("focus-to-hours-box", 'SetFocus("txthun3");\n    m_state = QuizState {};',
           'SetFocus("txtji3");\n    m_state = QuizState {};',
           "a new problem puts the cursor in the hours box"),
    Mutant("old-verdict-stays", '{"lblji3", "lbltime4", "lblhun3", "lblmm4", "lblseikai"}',
           '{"lblji3", "lbltime4", "lblhun3", "lblmm4"}',
           "a new problem still says せいかい"),
    Mutant("one-empty-box-is-empty", "if (hours.isEmpty() && minutes.isEmpty())",
           "if (hours.isEmpty() || minutes.isEmpty())",
           "8 じ with the minutes box left empty gets the message instead of せいかい"),
    Mutant("answer-read-whole", "Val(hours) == double(state.ji3)", "int(Val(hours)) == state.ji3",
           "8.5 じ counts as 8 じ"),
    Mutant("empty-answer-message", 'QStringLiteral("こたえがはいっていないよ")',
           'QStringLiteral("こたえがはいってないよ")',
           "the empty-answer message reads wrong"),
    Mutant("right-verdict-colour", 'ForeColor("lblseikai", QBColor(12));', 'ForeColor("lblseikai", QBColor(4));',
           "せいかい in dark red"),
    Mutant("wrong-verdict-colour", 'ForeColor("lblseikai", QBColor(1));', 'ForeColor("lblseikai", QBColor(9));',
           "ちがうよ in bright blue"),
    Mutant("wrong-answer-kept", 'ForeColor("lblseikai", QBColor(1));\n        Text("txtji3", QString());',
           'ForeColor("lblseikai", QBColor(1));\n        Text("txtji3", QStringLiteral("0"));',
           "after ちがうよ the hours box shows 0 instead of emptying"),
    Mutant("answer-hours-shown-as-minutes", 'showNumber("lblji3", m_state.ji3);',
           'showNumber("lblji3", m_state.hun3);',
           "the written-out answer shows the minutes as hours"),
    Mutant("answer-unit-kanji", 'Caption("lbltime4", QStringLiteral("じ"));',
           'Caption("lbltime4", QStringLiteral("時"));',
           "the written-out answer says 時, a kanji the children have not learnt"),
    # shell/: numbers, navigation, the runtime and the builder
    Mutant("numbers-zero-filled", "return QString::number(n);",
           "return QString::number(n).rightJustified(2, u'0');",
           "a problem shows 05 じ"),
    Mutant("leading-blanks-not-skipped", "explicit Reader(const QString &text) : m_text(text) { skipBlanks(); }",
           "explicit Reader(const QString &text) : m_text(text) { }",
           "' 8' typed with a blank first is wrong"),
    Mutant("overflow-check-off-by-one", "r <= 32767.0", "r <= 32768.0",
           "32768 wraps round to -32768 instead of stopping the program"),
    Mutant("palette-red", "        0xFF0000,\n", "        0xFF4040,\n",
           "せいかい in pink"),
    Mutant("draw-reaches-one", "return float(bits >> 40) * 0x1p-24f;", "return float(bits >> 39) * 0x1p-24f;",
           "a draw can reach 1: 6 じ or 59 ふん come up"),
    Mutant("menu-button-opens-other-exercise", "rt.Show(m_forms.frmtime());", "rt.Show(m_forms.frmtime2());",
           "なんじになる？１ opens the second exercise"),
    Mutant("screens-made-afresh", "    if (!slot)\n        slot = std::make_unique<F>",
           "    if (true)\n        slot = std::make_unique<F>",
           "an exercise forgets its problem and a second about box opens"),
    Mutant("ends-with-one-screen-left", "if (m_depth == 0 && m_loaded.empty())",
           "if (m_depth == 0 && m_loaded.size() < 2)",
           "the program ends while the menu is still open"),
    Mutant("end-status", "        destroyWindow(*m_loaded.back());\n    finish(0);",
           "        destroyWindow(*m_loaded.back());\n    finish(1);",
           "おわる reports a failure to whoever started the program"),
    Mutant("message-untitled", "m_services.messageBox->show(m_app.Title, prompt);",
           "m_services.messageBox->show(QString(), prompt);",
           "message boxes lose the title ぽにるか"),
    Mutant("twips-truncated", "return (twips + (twips >= 0 ? 7 : -7)) / 15;", "return twips / 15;",
           "controls sit a pixel off their places"),
    Mutant("tab-order-reversed", "[](const auto &a, const auto &b) { return a.first < b.first; }",
           "[](const auto &a, const auto &b) { return a.first > b.first; }",
           "Tab walks the screen backwards and the focus starts on the last control"),
    Mutant("sizes-follow-font-dpi", "result.setPixelSize(int(std::lround(font.points * 96 / 72)));",
           "result.setPointSizeF(font.points);",
           "at a font DPI of 120 the texts outgrow their boxes"),
    Mutant("no-bold", "result.setWeight(QFont::Weight(font.weight));", "result.setWeight(QFont::Normal);",
           "the numbers and the verdict lose their bold"),
    Mutant("pop-face-lost", 'Substitute {"HGS創英角ﾎﾟｯﾌﾟ体", "Reggae One"},',
           'Substitute {"HGS創英角ﾎﾟｯﾌﾟ体", "IPAPGothic"},',
           "the splash title loses its pop face"),
    Mutant("key-preview-twice", "if (!previewed)", "if (!previewed || previewed)",
           "a key on a key-preview window reaches Form_KeyPress twice"),
    Mutant("qt-translation-misnamed", 'QStringLiteral("qtbase_ja")', 'QStringLiteral("qtbase_jp")',
           "an answer box's context menu is English"),
    Mutant("no-close-box", "if (w.closeBox)", "if (!w.closeBox)",
           "the exercises and the about box lose their close box"),
    Mutant("tool-windows", "Qt::WindowFlags flags = w.taskbarButton ? Qt::Window : Qt::Tool;",
           "Qt::WindowFlags flags = w.taskbarButton ? Qt::Tool : Qt::Window;",
           "the menu and the exercises vanish from the taskbar, the about box appears there"),
    Mutant("input-method-on", "if (c.imeOff)", "if (!c.imeOff)",
           "a Japanese input method turns typed digits full-width"),
    Mutant("right-alignment-lost", "return Qt::AlignRight | Qt::AlignTop;", "return Qt::AlignLeft | Qt::AlignTop;",
           "the splash's licence line moves to the left"),
    Mutant("numbers-wrap", "option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);",
           "option.setWrapMode(wrap ? QTextOption::WrapAnywhere : QTextOption::NoWrap);",
           "58 shows as 5 with the 8 out of sight"),
    Mutant("quote-not-grouping", "if (text.front() == '\"') {", "if (text.front() == '\\'') {",
           "a quoted program path with blanks does not start"),
    # info/: the splash, the about box and the system-information launcher
    Mutant("splash-version-full-width", '"Version " + CStr(', '"Ｖersion " + CStr(',
           "the splash's version line has a full-width Ｖ"),
    Mutant("about-version-full-width", '"ﾊﾞｰｼﾞｮﾝ " + CStr(', '"バージョン " + CStr(',
           "the about box's version line is in full-width katakana"),
    Mutant("about-title-blank", 'app.Title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報")',
           'app.Title + QStringLiteral(" のﾊﾞｰｼﾞｮﾝ情報")',
           "the about box's title has a blank after ぽにるか"),
    Mutant("key-on-splash-opens-menu", "onKeyPress([this](int key) { Form_KeyPress(key); });",
           "onKeyPress([this](int key) { Form_KeyPress(key); Frame1_Click(); });",
           "a key on the splash opens the menu instead of ending the program"),
    Mutant("help-opens-menu", "rt.Show(m_navigation.aboutBox());", "rt.Show(m_navigation.menu());",
           "バージョン opens the menu beside the exercise"),
    Mutant("registry-read-only", "constexpr std::uint32_t keyAccess = 0x2003F;",
           "constexpr std::uint32_t keyAccess = 0x20019;",
           "a key the user may only read is used, against the rule that asks for write rights"),
    Mutant("program-file-without-backslash", 'const std::string programFile = "\\\\MSINFO32.EXE";',
           'const std::string programFile = "MSINFO32.EXE";',
           "the program in the registered folder is never found"),
    Mutant("folder-found-when-missing", "&& !m_files.Dir(ProgramPath + programFile).empty()",
           "&& m_files.Dir(ProgramPath + programFile).empty()",
           "the launcher starts a program that is not there and finds none that is"),
    Mutant("value-of-1024-bytes-refused", "&& size <= data.size();", "&& size < data.size();",
           "a path of exactly 1024 bytes counts as absent"),
    Mutant("terminator-always-dropped", "data[size - 1] == 0 ? size - 1 : size;", "size - 1;",
           "a path stored without its zero byte loses its last letter"),
    Mutant("unavailable-full-width", 'unavailableMessage = "現時点ではｼｽﾃﾑ情報を使用できません"',
           'unavailableMessage = "現時点ではシステム情報を使用できません"',
           "the message when system information is unavailable is in full-width katakana"),
    Mutant("hardinfo-before-kde", '{"kinfocenter", ""},\n        {"hardinfo2", ""},',
           '{"hardinfo2", ""},\n        {"kinfocenter", ""},',
           "on a KDE desktop with hardinfo2 installed, the wrong program starts"),
    # screens/: the layout tables
    Mutant("splash-timer-ten-seconds", ".kind = Kind::Timer, .container = \"Frame1\", .interval = 1000}",
           ".kind = Kind::Timer, .container = \"Frame1\", .interval = 10000}",
           "the splash stays ten seconds"),
    Mutant("minutes-box-after-answer-button",
           "{1800, 3360, 975, 855},    {1800, 3240, 975, 855},    1, 3},",
           "{1800, 3360, 975, 855},    {1800, 3240, 975, 855},    4, 3},",
           "on frmtime the first Tab goes to the hours box"),
    Mutant("enter-goes-to-menu", "c.escapeKey = difference && q.differenceKey == Key::Escape;",
           "c.enterKey = difference && q.differenceKey == Key::Escape;",
           "Enter in an answer box of frmtime2 goes back to the menu"),
    Mutant("about-without-esc", ".enterKey = true, .escapeKey = true,",
           ".enterKey = true,",
           "Esc no longer closes the about box"),
    Mutant("blank-lost-in-bars", '"| |",', '"||",',
           "the bar under the sum loses its blank"),
    Mutant("title-half-width-colon", '"ぽにるか：たしたらなんじになる？"', '"ぽにるか:たしたらなんじになる？"',
           "frmtime's title has a half-width colon"),
    Mutant("menu-background", "constexpr Rgb green {128, 255, 128};", "constexpr Rgb green {128, 255, 0};",
           "the menu turns a harsh green"),
]
# fmt: on


def run(command, cwd, log=None):
    """Runs a command; returns its status and output, which is also appended to log."""
    result = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if log is not None:
        with open(log, "a") as out:
            out.write(result.stdout)
    return result.returncode, result.stdout


def tree(repo, rev, unpacked):
    """The folder holding the tree to test and its files: the working tree
    (tracked files, and new ones not ignored), or a commit's unpacked into
    the folder unpacked."""
    if rev is None:
        code, out = run(["git", "ls-files", "--cached", "--others", "--exclude-standard", "-z"], repo)
        if code != 0:
            sys.exit("mutants: not a git checkout: " + str(repo))
        return repo, [f for f in out.split("\0") if f and (repo / f).is_file()]
    code, out = run(["git", "ls-tree", "-r", "--name-only", "-z", rev], repo)
    if code != 0:
        sys.exit("mutants: no commit " + rev)
    archive = subprocess.run(["git", "archive", rev], cwd=repo, stdout=subprocess.PIPE, check=True).stdout
    subprocess.run(["tar", "-x", "-C", str(unpacked)], input=archive, check=True)
    return unpacked, [f for f in out.split("\0") if f and (unpacked / f).is_file()]


def sources(files):
    return [f for f in files if f.split("/")[0] in SOURCE_DIRS and f.endswith(SOURCE_SUFFIXES)]


def locate(mutant, root, files):
    """The one file holding the mutant's text, or why there is not exactly one."""
    hits = []
    for f in files:
        count = (root / f).read_text(encoding="utf-8").count(mutant.find)
        hits += [f] * count
    if len(hits) == 1:
        return hits[0], None
    return None, "text not found" if not hits else f"text found {len(hits)} times ({', '.join(sorted(set(hits)))})"


def sync(repo, scratch, files):
    """Copies the working tree into scratch, touching only files that differ."""
    for f in files:
        source, target = repo / f, scratch / f
        if target.is_file() and target.read_bytes() == source.read_bytes():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)  # stamped now, so that the build sees the change
        shutil.copymode(source, target)  # scripts the suite runs stay executable


def failed_tests(ctest_output):
    return re.findall(r"^\s*\d+ - (\S+) \(", ctest_output.split("The following tests FAILED:")[-1], re.M) \
        if "The following tests FAILED:" in ctest_output else ["ctest"]


def main():
    # Stopped from outside, the script still takes its fault out of the scratch copy.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("mutants: stopped"))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("names", nargs="*", help="mutants to run (shell-style patterns); all when none")
    parser.add_argument("--check", action="store_true", help="only check that no mutant is stale")
    parser.add_argument("--list", action="store_true", help="print the catalogue")
    parser.add_argument("--scratch", type=Path, help="build in this folder and keep it for the next run")
    parser.add_argument("--rev", help="test the tree of this commit instead of the working tree")
    args = parser.parse_args()

    repo = Path(__file__).resolve().parent.parent
    names = [m.name for m in CATALOGUE]
    if len(set(names)) != len(names):
        sys.exit("mutants: two mutants share a name")
    chosen = [m for m in CATALOGUE if not args.names or any(fnmatch.fnmatchcase(m.name, p) for p in args.names)]
    if not chosen:
        sys.exit("mutants: no mutant matches " + " ".join(args.names))
    if args.list:
        for m in chosen:
            print(f"{m.name:34} {m.fault}")
        return 0

    unpacked = tempfile.TemporaryDirectory(prefix="poniruka-mutants-rev-")
    source, files = tree(repo, args.rev, Path(unpacked.name))
    program = sources(files)
    stale = {}
    for m in chosen:
        where, why = locate(m, source, program)
        if why:
            stale[m.name] = why
        elif m.find == m.replace:
            stale[m.name] = "replacement equals the text"
    if args.check:
        for m in chosen:
            print(f"{'stale' if m.name in stale else 'ok':9} {m.name:34} {stale.get(m.name, '')}".rstrip())
        print(f"{len(chosen) - len(stale)} ok, {len(stale)} stale")
        return 1 if stale else 0

    scratch = args.scratch.resolve() if args.scratch else Path(tempfile.mkdtemp(prefix="poniruka-mutants-"))
    scratch.mkdir(parents=True, exist_ok=True)
    log = scratch / "mutants.log"
    print(f"scratch copy: {scratch} (log: {log})", flush=True)
    try:
        sync(source, scratch, files)
        unpacked.cleanup()
        build = ["cmake", "--build", "--preset", "dev", "-j2"]
        # A test counts as failed only when it fails twice running: the machine may be busy.
        test = ["ctest", "--preset", "dev", "--repeat", "until-pass:2"]
        if run(["cmake", "--preset", "dev", "-DPONIRUKA_BUILD_BENCH=OFF"], scratch, log)[0] != 0 \
                or run(build, scratch, log)[0] != 0:
            sys.exit("mutants: the unchanged tree does not build; see " + str(log))
        code, out = run(test, scratch, log)
        if code != 0:
            sys.exit("mutants: the unchanged tree fails its tests: " + ", ".join(failed_tests(out)))

        results = []
        for m in chosen:
            if m.name in stale:
                results.append(("stale", m.name, stale[m.name]))
                print(f"stale     {m.name}: {stale[m.name]}", flush=True)
                continue
            where, _ = locate(m, scratch, program)
            path = scratch / where
            original = path.read_text(encoding="utf-8")
            path.write_text(original.replace(m.find, m.replace), encoding="utf-8")
            try:
                with open(log, "a") as out:
                    out.write(f"\n=== {m.name} ({where})\n")
                if run(build, scratch, log)[0] != 0:
                    outcome = ("killed", m.name, "build")
                else:
                    code, out = run(test, scratch, log)
                    outcome = ("killed", m.name, ", ".join(failed_tests(out))) if code else ("survived", m.name, "")
            finally:
                path.write_text(original, encoding="utf-8")  # newer than the mutant's build: rebuilt next time
            results.append(outcome)
            print(f"{outcome[0]:9} {m.name} {outcome[2]}".rstrip(), flush=True)
    finally:
        if not args.scratch:
            shutil.rmtree(scratch, ignore_errors=True)

    print()
    for state, name, detail in results:
        print(f"{state:9} {name:34} {detail}".rstrip())
    killed = sum(r[0] == "killed" for r in results)
    survived = sum(r[0] == "survived" for r in results)
    print(f"{killed} killed, {survived} survived" + (f", {len(stale)} stale" if stale else ""))
    return 0 if killed == len(results) else 1


if __name__ == "__main__":
    sys.exit(main())
