"""The game as a player installs it, checked from the outside.

    /usr/bin/python3 instalacao.py --build BUILD --id ID --versao VERSION {destdir,pacote}

destdir: `cmake --install` (what `make install` runs) into a temporary DESTDIR,
then what `make uninstall` runs.
pacote: the Debian package that `make package` builds, unpacked with dpkg -x.
Either way the installed tree must hold exactly the expected files, and its
launcher must start the game from a folder that has no pictures of its own.
Nothing is installed on the system itself. Needs an X display, like the
end-to-end games whose driver this borrows; the package needs Debian's tools,
and is skipped (status 77) where they are missing.
"""

import argparse
import configparser
import glob
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import Image

from jogador import figuras, pontos
from jogador.arranque import Failure
from jogador.jogo import Game
from jogador.preparos import check

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
SKIPPED = 77

# Where the launcher and the game's data go in each layout.
LAYOUTS = {
    "local": ("bin/trevalia", "share/trevalia/imagens"),
    "debian": ("games/trevalia", "share/games/trevalia/imagens"),
}


def run(command, **kwargs):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          timeout=300, **kwargs).stdout.decode(errors="replace")


def expected_tree(layout, app_id):
    launcher, data = LAYOUTS[layout]
    files = {launcher, "libexec/trevalia/trevalia",
             "share/applications/%s.desktop" % app_id,
             "share/metainfo/%s.metainfo.xml" % app_id,
             "share/man/man6/trevalia.6.gz",
             "share/doc/trevalia/copyright", "share/doc/trevalia/changelog.gz"}
    files |= {"share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, app_id) for n in ICON_SIZES}
    # The data folder holds every file the game reads, and nothing else.
    files |= {"%s/%s" % (data, name) for name in figuras.FILES}
    return files


def installed_tree(prefix):
    found = set()
    for folder, _, names in os.walk(prefix):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), prefix))
    return found


def check_tree(prefix, layout, app_id):
    found, wanted = installed_tree(prefix), expected_tree(layout, app_id)
    check(found == wanted, "installed tree differs: unexpected %s, missing %s"
          % (sorted(found - wanted)[:10], sorted(wanted - found)[:10]))
    for program in (LAYOUTS[layout][0], "libexec/trevalia/trevalia"):
        check(os.access(os.path.join(prefix, program), os.X_OK), "%s is not executable" % program)


def desktop_entry(prefix, app_id):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(os.path.join(prefix, "share/applications/%s.desktop" % app_id))
    return entry["Desktop Entry"]


def check_metadata(prefix, app_id, version):
    """The validators the distributions run, and one id and one version throughout."""
    desktop = os.path.join(prefix, "share/applications/%s.desktop" % app_id)
    metainfo = os.path.join(prefix, "share/metainfo/%s.metainfo.xml" % app_id)
    run(["desktop-file-validate", desktop])
    # The one finding allowed: the game has no homepage to name. AppStream
    # before 1.0 (Debian 12's) does not know 1.0's <developer> yet.
    report = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], timeout=300,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    text = report.stdout.decode(errors="replace")
    findings = set(re.findall(r"^[EWIP]: [^:\n]*:[^:\n]*: (.+?)\s*$", text, re.M))
    allowed = {"url-homepage-missing"}
    if run(["appstreamcli", "--version"]).split()[-1].startswith("0."):
        allowed.add("unknown-tag developer")
    check((report.returncode == 0 or findings) and findings <= allowed,
          "appstreamcli validate: " + text)

    entry = desktop_entry(prefix, app_id)
    check(entry["Exec"] == "trevalia", "the menu entry runs %r" % entry["Exec"])
    check(entry["Icon"] == app_id, "the menu entry's icon is %r" % entry["Icon"])
    for n in ICON_SIZES:
        path = os.path.join(prefix, "share/icons/hicolor/%dx%d/apps/%s.png" % (n, n, app_id))
        with Image.open(path) as icon:
            check(icon.size == (n, n) and icon.mode == "RGBA",
                  "the %dpx icon is %s %s" % (n, icon.mode, icon.size))

    component = ET.parse(metainfo).getroot()
    check(component.findtext("id") == app_id, "the metainfo's id is not %s" % app_id)
    check(component.findtext("launchable") == app_id + ".desktop",
          "the metainfo launches %r" % component.findtext("launchable"))
    releases = [r.get("version") for r in component.iter("release")]
    check(releases[:1] == [version], "the metainfo's newest release is %r" % releases[:1])
    with gzip.open(os.path.join(prefix, "share/man/man6/trevalia.6.gz"), "rt") as page:
        title = page.readline()
    check(("Trevalia %s" % version) in title, "the manual page's title reads %r" % title)


def window_class(window):
    out = run(["xprop", "-id", str(window), "WM_CLASS"])
    found = re.findall(r'"([^"]*)"', out)
    check(len(found) == 2, "no WM_CLASS on the window: %r" % out)
    return found[1]


def check_launcher(prefix, layout, app_id):
    """The menu's command starts the game from a folder without pictures: the
    start screen, a click to the menu, and a close that ends it cleanly."""
    launcher, data = LAYOUTS[layout]
    with Game(os.path.join(prefix, launcher), os.path.join(prefix, data), "missing") as game:
        game.wait_screen("inicial.jpg")
        wanted = desktop_entry(prefix, app_id)["StartupWMClass"]
        seen = window_class(game.window)
        check(seen == wanted, "the window's class is %r, the menu entry says %r" % (seen, wanted))
        game.click(*pontos.MENU_PLAY)
        game.wait_screen("menu.jpg")
        game.request_close(ends=True)


def destdir(args, work):
    env = dict(os.environ, DESTDIR=work)
    run(["cmake", "--install", args.build, "--prefix", "/usr/local"], env=env)
    prefix = os.path.join(work, "usr/local")
    check_tree(prefix, "local", args.id)
    check_metadata(prefix, args.id, args.versao)
    check_launcher(prefix, "local", args.id)
    # `make uninstall` takes away every file, and the folders that were the game's own.
    run(["cmake", "-DMANIFESTO=%s" % os.path.join(args.build, "install_manifest.txt"),
         "-P", os.path.join(SOURCE, "cmake", "desinstalar.cmake")], env=env)
    left = installed_tree(work) | {d for d, _, _ in os.walk(work) if "trevalia" in d[len(work):]}
    check(not left, "left after uninstalling: %s" % sorted(left)[:10])


def pacote(args, work):
    out = os.path.join(work, "saida")
    run(["cpack", "-B", out], cwd=args.build)
    debs = glob.glob(os.path.join(out, "*.deb"))
    arch = run(["dpkg", "--print-architecture"]).strip()
    wanted = os.path.join(out, "trevalia_%s_%s.deb" % (args.versao, arch))
    check(debs == [wanted], "the package files are %s" % debs)
    deb = debs[0]

    fields = {f: run(["dpkg-deb", "-f", deb, f]).strip() for f in ("Version", "Section",
                                                                    "Depends")}
    check(fields["Version"] == args.versao, "the package's version is %r" % fields["Version"])
    check(fields["Section"] == "games", "the package's section is %r" % fields["Section"])
    for library in ("graphics", "window", "system"):
        check(re.search(r"\blibsfml-%s\d+\.\d+\b" % library, fields["Depends"]),
              "Depends names no SFML %s library: %s" % (library, fields["Depends"]))

    lint = subprocess.run(["lintian", "--fail-on", "error", deb], stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, timeout=300)
    report = lint.stdout.decode(errors="replace")
    print(report)
    check(lint.returncode == 0, "lintian found errors:\n%s" % report)

    root = os.path.join(work, "raiz")
    run(["dpkg", "-x", deb, root])
    prefix = os.path.join(root, "usr")
    check_tree(prefix, "debian", args.id)
    # The font is Debian's own, through a link that resolves once installed.
    font = os.path.join(LAYOUTS["debian"][1], "star.ttf")
    link = os.readlink(os.path.join(prefix, font))
    check(os.path.isfile(os.path.normpath(os.path.join("/usr", os.path.dirname(font), link))),
          "the font link %s leads nowhere on this system" % link)
    check_launcher(prefix, "debian", args.id)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", required=True, help="the build folder")
    parser.add_argument("--id", required=True, help="the desktop entry's reverse-DNS id")
    parser.add_argument("--versao", required=True, help="the project's version")
    parser.add_argument("what", choices=("destdir", "pacote"))
    args = parser.parse_args()
    if args.what == "pacote" and not shutil.which("dpkg-shlibdeps"):
        print("skipped: no dpkg-shlibdeps (Debian's dpkg-dev) to build the package with")
        return SKIPPED
    work = tempfile.mkdtemp(prefix="trevalia-instalacao-")
    try:
        (destdir if args.what == "destdir" else pacote)(args, work)
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    except subprocess.CalledProcessError as error:
        print("FAIL: %s\n%s" % (error, error.stdout.decode(errors="replace")))
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
