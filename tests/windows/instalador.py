"""The Windows setup program under Wine, as a player and Settings > Apps see it.

    instalador.py SETUP ZIP VERSION WINE-RUN

In the fresh Wine prefix that WINEPREFIX names (scripts/windows/test makes
it): the setup, run with /S, installs the zip's files and an uninstaller under
%LOCALAPPDATA%\\Programs\\Trevalia, a Start menu shortcut to the game in that
folder, and the Uninstall key; the game started as the shortcut starts it, from
a folder with no pictures, shows its start screen and closes with status 0;
the uninstaller, run with /S, leaves no file and no registry entry that names
the game. Needs a display.
"""

import getpass
import os
import struct
import subprocess
import sys
import time
import zipfile

from jogador.jogo import Game
from jogador.preparos import check

SETUP, ZIP, VERSION, WINE = sys.argv[1:5]
DRIVE_C = os.path.join(os.environ["WINEPREFIX"], "drive_c")
APPDATA = os.path.join(DRIVE_C, "users", getpass.getuser(), "AppData")
INSTALLED = os.path.join(APPDATA, "Local", "Programs", "Trevalia")
SHORTCUT = os.path.join(APPDATA, "Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
                        "Trevalia.lnk")
FOLDER = "C:\\users\\%s\\AppData\\Local\\Programs\\Trevalia" % getpass.getuser()
KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Trevalia"


def wine(*args):
    return subprocess.run([WINE] + list(args), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=120).returncode


def registry(key):
    """The registry under a key as `reg export` writes it; empty if there is no such key."""
    if wine("reg", "export", key, "C:\\registro.reg", "/y") != 0:
        return ""
    with open(os.path.join(DRIVE_C, "registro.reg"), "rb") as f:
        text = f.read().decode("utf-16")
    os.unlink(os.path.join(DRIVE_C, "registro.reg"))
    return text


def ours():
    """The files, folders and registry lines in the prefix that name the game."""
    found = [os.path.join(folder, name) for folder, folders, files in os.walk(DRIVE_C)
             for name in folders + files if "trevalia" in name.lower()]
    return found + [line for line in registry("HKCU").splitlines() if "trevalia" in line.lower()]


def shortcut():
    """The shortcut's target, and its strings by flag: 0x10 the working folder, 0x40 the icon."""
    with open(SHORTCUT, "rb") as f:
        data = f.read()
    flags = struct.unpack_from("<I", data, 20)[0]
    info = 78 + struct.unpack_from("<H", data, 76)[0]  # past the header and the item list
    start = info + struct.unpack_from("<I", data, info + 16)[0]
    target = data[start:data.index(b"\0", start)].decode("latin-1")
    at, strings = info + struct.unpack_from("<I", data, info)[0], {}
    for flag in (0x04, 0x08, 0x10, 0x20, 0x40):
        if flags & flag:
            end = at + 2 + 2 * struct.unpack_from("<H", data, at)[0]
            # Wine counts a closing NUL in, Windows does not.
            strings[flag], at = data[at + 2:end].decode("utf-16-le").rstrip("\0"), end
    return target, strings


def main():
    found = ours()
    check(not found, "the prefix is not fresh: %s" % found)
    check(wine(SETUP, "/S") == 0, "the setup failed")
    with zipfile.ZipFile(ZIP) as pacote:
        expected = {name.split("/", 1)[1] for name in pacote.namelist() if name[-1] != "/"}
    expected.add("uninstall.exe")
    installed = {os.path.relpath(os.path.join(folder, name), INSTALLED)
                 for folder, _, names in os.walk(INSTALLED) for name in names}
    check(installed == expected, "installed, or not: %s" % sorted(installed ^ expected))

    exe, uninstaller = FOLDER + "\\trevalia.exe", '"%s\\uninstall.exe"' % FOLDER
    key = registry(KEY)
    for name, value in (("DisplayName", "Trevalia"), ("DisplayIcon", exe + ",0"),
                        ("DisplayVersion", VERSION), ("Publisher", "The Trevalia developers"),
                        ("InstallLocation", FOLDER), ("UninstallString", uninstaller),
                        ("QuietUninstallString", uninstaller + " /S")):
        line = '"%s"="%s"' % (name, value.replace("\\", "\\\\").replace('"', '\\"'))
        check(line in key, "the Uninstall key lacks %s:\n%s" % (line, key))
    check('"EstimatedSize"=dword:' in key, "the Uninstall key gives no size")

    target, strings = shortcut()
    check((target, strings.get(0x10), strings.get(0x40)) == (exe, FOLDER, exe),
          "the shortcut: %r %r" % (target, strings))

    class FromShortcut(Game):
        def command(self):
            # What the shell does with the shortcut. (Wine's start.exe opens
            # a .lnk itself, but /wait does not wait for the program then.)
            return [WINE, "start", "/wait", "/d", strings[0x10], target]

    with FromShortcut(SHORTCUT, os.path.join(INSTALLED, "imagens"), pictures="missing") as game:
        game.wait_screen("inicial.jpg", timeout=30)
        game.request_close()
        game.wait_screen("menu.jpg")
        game.request_close(ends=True)

    # The uninstaller hands its work to a copy of itself and ends at once;
    # the copy removes the folder last.
    check(wine(os.path.join(INSTALLED, "uninstall.exe"), "/S") == 0, "the uninstaller failed")
    deadline = time.monotonic() + 60
    while os.path.exists(INSTALLED) and time.monotonic() < deadline:
        time.sleep(0.2)
    found = ours()
    check(not found, "left after uninstalling: %s" % found)
    print("installed %d files, played from the shortcut, uninstalled" % len(installed))


if __name__ == "__main__":
    main()
