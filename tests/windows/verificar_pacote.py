"""Checks the Windows zip as a player gets it.

    verificar_pacote.py ZIP OBJDUMP VERSION

One folder, holding the program, exactly the pictures and font the game reads,
the README and the licences; the program a GUI program (Windows opens no
console for it) that needs no DLL beyond those every Windows has, with its
icon and version details (read back with icoutils' wrestool).
"""

import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

ZIP, OBJDUMP, VERSION = sys.argv[1:4]
FOLDER = "Trevalia-%s/" % VERSION

# Every file the game opens from imagens/, by the names it builds.
IMAGENS = (
    ["cartaazul%d.jpg" % n for n in range(1, 100)]
    + ["cartaroxa%d.jpg" % n for n in range(1, 100)]
    + ["tutorial%d.jpg" % k for k in range(1, 10)]
    + ["fundo0.jpg", "fundo100.jpg", "fundo2.jpg", "inicial.jpg", "menu.jpg",
       "instrucoes.jpg", "ganhou2.jpg", "perdeu2.jpg"]
    + ["desfazer.png", "botao_menu.png", "botao_dnv.png", "star.ttf"]
)
IMAGENS += [n.replace(".", "@2x.") for n in IMAGENS if n != "star.ttf"]  # scaled desktops

# Windows' own DLLs, present on every installation.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "opengl32.dll", "winmm.dll",
               "advapi32.dll", "msvcrt.dll"}


class Zip(unittest.TestCase):
    def test_one_folder_with_the_game_its_pictures_and_its_texts(self):
        with zipfile.ZipFile(ZIP) as pacote:
            files = {n for n in pacote.namelist() if not n.endswith("/")}
        expected = {"trevalia.exe", "README.txt", "LICENSE.txt", "licenses/DejaVu-fonts.txt",
                    "licenses/SFML.txt", "licenses/FreeType.txt",
                    "licenses/MinGW-w64-runtime.txt"}
        expected |= {"imagens/" + name for name in IMAGENS}
        self.assertEqual(files, {FOLDER + name for name in expected})


class Program(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as tmp:
            with zipfile.ZipFile(ZIP) as pacote:
                exe = pacote.extract(FOLDER + "trevalia.exe", tmp)
            cls.headers = subprocess.run([OBJDUMP, "-p", exe], check=True,
                                         stdout=subprocess.PIPE).stdout.decode()
            # The icon group, as a .ico file, and the version resource as it is.
            cls.icon, cls.version = (
                subprocess.run(["wrestool", "-x"] + kind + [exe], check=True,
                               stdout=subprocess.PIPE).stdout
                for kind in (["--type=14"], ["--raw", "--type=16"]))

    def test_is_a_gui_program(self):
        self.assertIn("(Windows GUI)", self.headers)

    def test_imports_only_windows_own_dlls(self):
        dlls = {line.split(":", 1)[1].strip().lower()
                for line in self.headers.splitlines() if "DLL Name:" in line}
        self.assertTrue(dlls, "no imports read from the program")
        self.assertLessEqual(dlls, SYSTEM_DLLS)

    def test_has_its_icon_in_six_sizes_and_its_version(self):
        count = struct.unpack_from("<H", self.icon, 4)[0]
        self.assertEqual([self.icon[6 + 16 * i] or 256 for i in range(count)],
                         [16, 24, 32, 48, 64, 256])
        self.assertIn(VERSION.encode("utf-16-le"), self.version)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
