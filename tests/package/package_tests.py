#!/usr/bin/env python3
"""The installer packages under Wine, in fresh 64-bit prefixes.

Registers the packaged component with regsvr32 in one prefix per build (the reference), and in
another prefix installs, upgrades, uses and removes the packages with msiexec, comparing the
registry (HKLM\\Software\\Classes, both views) with the reference after every step. Prints one
"[  PASSED  ]" or "[  FAILED  ]" line per check and ends with "N passed, N failed".

    tests/package/package_tests.py BUILD_ROOT   (build/dist must hold the packages)
"""
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
DIST = os.path.join(BUILD, "dist")
WORK = os.path.join(BUILD, "package-tests")
VERSION = open(os.path.join(ROOT, "VERSION")).read().strip()
OLD_VERSION = "0.9.0"  # an earlier release, built here as the upgrade's source
PREFIX_VERSION = "3"

# Where each build lives on a 64-bit machine, and the loader and folder of the programs that
# load it. Debian's `wine` is the 32-bit loader, and for a 32-bit process system32 is
# syswow64: a 64-bit program has to be started by the 64-bit loader.
ARCHS = {
    "x86": {"folder": "Program Files (x86)", "system": "syswow64", "loader": "wine"},
    "x64": {"folder": "Program Files", "system": "system32",
            "loader": shutil.which("wine64") or "/usr/lib/wine/wine64"},
}

passed = failed = 0


def check(name, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"[  PASSED  ] {name}")
    else:
        failed += 1
        print(f"[  FAILED  ] {name}")
        if detail:
            print("    " + detail.replace("\n", "\n    "))
    sys.stdout.flush()


def wine_env(prefix, debug="-all"):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEARCH="win64", WINEDEBUG=debug,
               WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8", LC_ALL="C.UTF-8")
    return env


def wine(prefix, *args, debug="-all", timeout=300, loader="wine"):
    """Runs one Windows program and waits for the prefix's server to write the registry out."""
    try:
        run = subprocess.run([loader, *args], env=wine_env(prefix, debug), capture_output=True,
                             text=True, errors="replace", timeout=timeout)
        rc, out = run.returncode, run.stdout + run.stderr
    except subprocess.TimeoutExpired:
        rc, out = -1, "timed out"
    subprocess.run(["wineserver", "-w"], env=wine_env(prefix))
    return rc, out.replace("\r", "")


def make_base():
    """A fresh 64-bit prefix, made once and then cloned for each scenario."""
    base = os.path.join(WORK, "base")
    mark = os.path.join(base, ".mirelo-ready")
    if os.path.exists(mark) and open(mark).read() == PREFIX_VERSION:
        return base
    shutil.rmtree(base, ignore_errors=True)
    os.makedirs(WORK, exist_ok=True)
    subprocess.run(["wineboot", "-i"], env=wine_env(base), capture_output=True)
    subprocess.run(["wineserver", "-w"], env=wine_env(base))
    # Wine's script hosts register their own type library on first use: let that be part of
    # the fresh prefix, not of what a package leaves behind.
    empty = os.path.join(WORK, "empty.vbs")
    open(empty, "w").write("\r\n")
    for arch in ARCHS.values():
        wine(base, f"C:\\windows\\{arch['system']}\\cscript.exe", "//nologo", "Z:" + empty.replace("/", "\\"),
             loader=arch["loader"])
    open(mark, "w").write(PREFIX_VERSION)
    return base


def clone(base, name):
    """A copy of the base prefix. Wine's own DLLs (1.2 GB, never written by these tests) are
    hard-linked; everything else, the registry included, is copied."""
    dst = os.path.join(WORK, name)
    shutil.rmtree(dst, ignore_errors=True)
    subprocess.run(["cp", "-al", base, dst], check=True)
    shared = re.compile(r"/(system32|syswow64|winsxs)/")
    for folder, _, files in os.walk(dst):
        for f in files:
            path = os.path.join(folder, f)
            if not os.path.islink(path) and os.stat(path).st_nlink > 1 and not shared.search(path):
                shutil.copy2(path, path + ".copy")
                os.replace(path + ".copy", path)
    return dst


def read_classes(prefix):
    """HKLM\\Software\\Classes as (key, value name, data) rows; a key without values is a row
    with name None. Keys are lower case (the registry ignores case); paths lose the \\\\?\\
    prefix Wine's type library registration adds and a trailing backslash."""
    rows, key = set(), None
    text = open(os.path.join(prefix, "system.reg"), encoding="utf-8", errors="replace").read()
    text = text.replace("\\\n  ", "")  # continued lines
    for line in text.splitlines():
        if line.startswith("["):
            path = line[1:line.rindex("]")].replace("\\\\", "\\")
            key = path.lower() if path.lower().startswith("software\\classes\\") else None
            if key and not key.startswith("software\\classes\\installer\\"):
                rows.add((key[len("software\\classes\\"):], None, None))
            else:
                key = None
        elif key and (line.startswith("@=") or line.startswith('"')):
            m = re.match(r'(@|"((?:[^"\\]|\\.)*)")=(.*)$', line)
            name = "" if m.group(1) == "@" else m.group(2).replace("\\\\", "\\").lower()
            data = m.group(3)
            if data.startswith('"'):
                data = data[1:-1].replace("\\\\", "\\").replace('\\"', '"')
                data = re.sub(r"^\\\\\?\\", "", data)
                if re.match(r"^[A-Za-z]:\\", data):
                    data = data.rstrip("\\").lower()
            rows.add((key[len("software\\classes\\"):], name, data))
    return rows


# Folders of every registration: the first one creates them and nobody removes them.
CONTAINERS = {"clsid", "interface", "typelib", "wow6432node", "wow6432node\\clsid",
              "wow6432node\\interface", "wow6432node\\typelib"}


def added(base_rows, rows):
    """What a step left in the registry beyond the fresh prefix: the values, and the keys that
    hold neither values nor other new keys (Control, the implemented category)."""
    keep = rows - base_rows
    full = {k for k, n, _ in keep if n is not None}
    keys = {k for k, _, _ in keep}
    return {r for r in keep if r[1] is not None or (
        r[0] not in full and r[0] not in CONTAINERS and not any(k.startswith(r[0] + "\\") for k in keys))}


def without_helpdir(rows):
    """Both builds share one HELPDIR value (no help file exists; nothing reads it): the build
    installed last writes it, the first one removed takes it away."""
    return {r for r in rows if not r[0].endswith("\\helpdir")}


def show(rows):
    return "\n".join(f"{k}  [{n}]={d}" if n is not None else f"{k}" for k, n, d in sorted(rows,
                     key=lambda r: (r[0], r[1] or "", r[2] or "")))


def same_keys(name, got, want):
    check(name, got == want, "only from the package:\n" + show(got - want) +
          "\nonly from regsvr32:\n" + show(want - got))


def tree(folder):
    """The files under a folder, by relative path, with their sizes."""
    return sorted((os.path.relpath(os.path.join(d, f), folder), os.path.getsize(os.path.join(d, f)))
                  for d, _, files in os.walk(folder) for f in files)


def installed_files(prefix, arch):
    return tree(os.path.join(prefix, "drive_c", ARCHS[arch]["folder"], "MireloList"))


def products(prefix):
    """The product names the installer has registered."""
    text = open(os.path.join(prefix, "system.reg"), encoding="utf-8", errors="replace").read()
    return sorted(set(re.findall(r'\[Software\\\\Classes\\\\Installer\\\\Products\\\\[0-9A-F]+\][^\[]*?'
                                 r'"ProductName"="([^"]*)"', text)))


def uses(prefix, arch):
    """The control works from the script host of that bitness, through the registration the
    package wrote: the JScript client of the Wine suite, run there."""
    script = "Z:" + os.path.join(ROOT, "tests", "win32", "script_jscript.js").replace("/", "\\")
    host = f"C:\\windows\\{ARCHS[arch]['system']}\\cscript.exe"
    rc, out = wine(prefix, host, "//nologo", script, debug="-all,fixme+wscript", timeout=120,
                   loader=ARCHS[arch]["loader"])
    ok = rc == 0 and "ok: a JScript client" in out and "FAIL" not in out and "OnScriptError" not in out
    return ok, out.strip()


def msiexec(prefix, verb, package):
    # The 32-bit msiexec, which `wine msiexec` starts: Wine's 64-bit one writes a 32-bit
    # component's ProgID under Wow6432Node, where 32-bit programs do not look for it.
    rc, out = wine(prefix, "msiexec", verb, "Z:" + package.replace("/", "\\"), "/qn")
    return rc == 0, f"msiexec {verb} {os.path.basename(package)}: status {rc}\n{out.strip()}"


def main():
    archs = [a for a in ARCHS if os.path.exists(os.path.join(DIST, f"MireloList-{VERSION}-{a}.msi"))]
    if not archs:
        check("packages built", False, f"no MireloList-{VERSION}-*.msi in {DIST}")
        return
    base = make_base()
    base_rows = read_classes(base)
    new = {a: os.path.join(DIST, f"MireloList-{VERSION}-{a}.msi") for a in archs}
    old = {}
    for a in archs:
        old[a] = os.path.join(WORK, f"MireloList-{OLD_VERSION}-{a}.msi")
        subprocess.run([os.path.join(ROOT, "scripts", "package.sh"), a, os.path.join(DIST, f"stage-{a}"),
                        OLD_VERSION, old[a]], check=True, stdout=subprocess.DEVNULL)

    # The reference: what regsvr32 writes for the same file in the same place.
    want = {}
    for a in archs:
        prefix = clone(base, f"regsvr32-{a}")
        folder = os.path.join(prefix, "drive_c", ARCHS[a]["folder"], "MireloList")
        os.makedirs(folder, exist_ok=True)
        shutil.copy(os.path.join(DIST, f"stage-{a}", "MireloList.ocx"), folder)
        rc, out = wine(prefix, f"C:\\windows\\{ARCHS[a]['system']}\\regsvr32.exe", "/s",
                       f"C:\\{ARCHS[a]['folder']}\\MireloList\\MireloList.ocx", loader=ARCHS[a]["loader"])
        check(f"{a}: regsvr32 registers the packaged component", rc == 0, out)
        want[a] = added(base_rows, read_classes(prefix))
        if a == "x86":
            # Registering a 32-bit type library also copies its interfaces into the 64-bit
            # view; a 32-bit package cannot write there, and only 64-bit clients of an
            # out-of-process server would read them.
            want[a] = {r for r in want[a] if not r[0].startswith("interface\\")}

    prefix = clone(base, "msiexec")
    for a in archs:
        ok, out = msiexec(prefix, "/i", old[a])
        check(f"{a}: {OLD_VERSION} installs", ok, out)
        same_keys(f"{a}: {OLD_VERSION} writes the keys regsvr32 writes", added(base_rows, read_classes(prefix)), want[a])
        ok, out = msiexec(prefix, "/i", new[a])
        check(f"{a}: {VERSION} installs over {OLD_VERSION}", ok, out)
        check(f"{a}: the upgrade leaves one product", products(prefix) == [f"MireloList {VERSION} ({a})"],
              str(products(prefix)))
        same_keys(f"{a}: after the upgrade the keys are regsvr32's", added(base_rows, read_classes(prefix)), want[a])
        staged = tree(os.path.join(DIST, f"stage-{a}"))
        check(f"{a}: installs the component and the kit, nothing else", installed_files(prefix, a) == staged,
              f"installed {installed_files(prefix, a)}\npackaged {staged}")
        folder = os.path.join(prefix, "drive_c", ARCHS[a]["folder"], "MireloList")
        readme = open(os.path.join(folder, "README.md"), encoding="utf-8").read()
        check(f"{a}: the installed README describes the folder it is in",
              "bin/" not in readme and "| `MireloList.ocx` |" in readme, readme)
        ok, out = uses(prefix, a)
        check(f"{a}: the control works from the {a} script host without regsvr32", ok, out)
        ok, out = msiexec(prefix, "/x", new[a])
        check(f"{a}: uninstalls", ok, out)
        left = added(base_rows, read_classes(prefix))
        check(f"{a}: uninstall removes every key and file", not left and not installed_files(prefix, a),
              show(left) + str(installed_files(prefix, a)))

    if len(archs) == 2:
        # Both at once, then each removed while the other stays.
        for first, second in (("x86", "x64"), ("x64", "x86")):
            for a in (first, second):
                msiexec(prefix, "/i", new[a])
            both = added(base_rows, read_classes(prefix))
            union = without_helpdir(want["x86"] | want["x64"])
            both = without_helpdir(both)
            check(f"both installed ({first} first): each view holds its build's keys", both == union,
                  "unexpected:\n" + show(both - union) + "\nmissing:\n" + show(union - both))
            ok, out = msiexec(prefix, "/x", new[first])
            same_keys(f"removing {first} leaves {second}'s keys",
                      without_helpdir(added(base_rows, read_classes(prefix))), without_helpdir(want[second]))
            ok, out = uses(prefix, second)
            check(f"removing {first} leaves {second} working", ok, out)
            msiexec(prefix, "/x", new[second])
        left = added(base_rows, read_classes(prefix))
        check("removing both leaves nothing", not left, show(left))


if __name__ == "__main__":
    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -nolisten tcp",
                               sys.executable, *sys.argv])
    main()
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
