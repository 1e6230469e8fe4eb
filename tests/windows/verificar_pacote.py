"""Checks the Windows zip as a player gets it.

    verificar_pacote.py ZIP OBJDUMP VERSION PLANTED PROBE

One folder, holding the program, exactly the pictures and font the game reads,
the README and the licences; the program a GUI program (Windows opens no
console for it) that imports no DLL beyond Windows' known ones, keeps its
address-space and no-execute protections, has its icon and version details
(read back with icoutils' wrestool), and, under Wine, loads no DLL planted
beside it. Needs a display.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

from jogador import figuras
from jogador.arranque import Failure
from jogador.jogo import Game

ZIP, OBJDUMP, VERSION, PLANTED, PROBE = sys.argv[1:6]
FOLDER = "Trevalia-%s/" % VERSION

# Windows' known DLLs, which it loads from System32 only.
KNOWN_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll"}


class Zip(unittest.TestCase):
    def test_one_folder_with_the_game_its_pictures_and_its_texts(self):
        with zipfile.ZipFile(ZIP) as pacote:
            files = {n for n in pacote.namelist() if not n.endswith("/")}
        expected = {"trevalia.exe", "README.txt", "LICENSE.txt", "licenses/DejaVu-fonts.txt",
                    "licenses/SFML.txt", "licenses/FreeType.txt",
                    "licenses/MinGW-w64-runtime.txt"}
        expected |= {"imagens/" + name for name in figuras.FILES}
        self.assertEqual(files, {FOLDER + name for name in expected})


class Program(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as tmp:
            with zipfile.ZipFile(ZIP) as pacote:
                exe = pacote.extract(FOLDER + "trevalia.exe", tmp)
            cls.headers = subprocess.run([OBJDUMP, "-p", exe], check=True,
                                         stdout=subprocess.PIPE).stdout.decode()
            # The icon group, as a .ico file, the version resource and the
            # manifest as they are.
            cls.icon, cls.version, cls.manifest = (
                subprocess.run(["wrestool", "-x"] + kind + [exe], check=True,
                               stdout=subprocess.PIPE).stdout
                for kind in (["--type=14"], ["--raw", "--type=16"], ["--raw", "--type=24"]))

    def test_is_a_gui_program(self):
        self.assertIn("(Windows GUI)", self.headers)

    def test_imports_only_windows_own_dlls(self):
        dlls = {line.split(":", 1)[1].strip().lower()
                for line in self.headers.splitlines() if "DLL Name:" in line}
        self.assertTrue(dlls, "no imports read from the program")
        self.assertLessEqual(dlls, KNOWN_DLLS)

    def test_keeps_random_addresses_and_no_execution_from_data(self):
        # Dynamic base 0x40, high-entropy addresses 0x20, NX 0x100.
        flags = re.search(r"DllCharacteristics\s+([0-9a-f]+)", self.headers).group(1)
        self.assertEqual(int(flags, 16) & 0x160, 0x160)

    def test_has_its_icon_in_six_sizes_and_its_version(self):
        count = struct.unpack_from("<H", self.icon, 4)[0]
        self.assertEqual([self.icon[6 + 16 * i] or 256 for i in range(count)],
                         [16, 24, 32, 48, 64, 256])
        self.assertIn(VERSION.encode("utf-16-le"), self.version)

    def test_declares_per_monitor_dpi_awareness_with_its_fallbacks(self):
        self.assertIn(b">PerMonitorV2, PerMonitor</dpiAwareness>", self.manifest)
        self.assertIn(b">true/pm</dpiAware>", self.manifest)


class PlantedLibraries(unittest.TestCase):
    """A foreign DLL under the name of a system DLL that is not a known one,
    beside the program, which leaves a mark when loaded. Wine, like Windows,
    would load it first: its own DLLs are preferred unless told otherwise."""

    def plant(self, program, names):
        folder = tempfile.mkdtemp(prefix="trevalia-plantadas-")
        self.addCleanup(shutil.rmtree, folder, True)
        for name in names:
            shutil.copy(PLANTED, os.path.join(folder, name + ".dll"))
        overrides = os.environ.get("WINEDLLOVERRIDES", "")
        self.addCleanup(os.environ.__setitem__, "WINEDLLOVERRIDES", overrides)
        os.environ["WINEDLLOVERRIDES"] = overrides + ";%s=n,b" % ",".join(names)
        return shutil.copy(program, folder), folder

    def loaded(self, folder):
        return {name.split(".")[0].lower() for name in os.listdir(folder)
                if name.endswith(".carregada")}

    def test_the_game_loads_none_and_starts(self):
        names = ("opengl32", "winmm", "dinput8")
        with tempfile.TemporaryDirectory() as tmp:
            with zipfile.ZipFile(ZIP) as pacote:
                pacote.extractall(tmp)
            program, folder = self.plant(os.path.join(tmp, FOLDER, "trevalia.exe"), names)
            try:
                with Game(program, os.path.join(tmp, FOLDER, "imagens")) as game:
                    game.wait_screen("inicial.jpg", timeout=30)
            except Failure as failure:
                self.fail("%s\nloaded from beside it: %s" % (failure, self.loaded(folder)))
        self.assertEqual(self.loaded(folder), set())

    def test_a_program_without_the_guard_loads_it(self):
        program, folder = self.plant(PROBE, ["winmm"])
        subprocess.run([os.environ["TREVALIA_E2E_LAUNCHER"], program], check=True, timeout=60)
        self.assertEqual(self.loaded(folder), {"winmm"})


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
