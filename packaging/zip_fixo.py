"""Zips a folder the same way every time (run by cmake/windows-zip.cmake).

    zip_fixo.py ZIP FOLDER

The entries go in sorted order, named from the folder's own name down, each
dated at SOURCE_DATE_EPOCH (the last commit's time, which the Makefile sets;
without it 1980-01-01, the earliest date a zip holds) read as UTC, and with
the mode of a plain file or a program rather than whatever the umask left.
No other field is written: no owner, no access time. The same folder then
gives the same bytes whatever the build folder, clock, time zone or umask.
"""

import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def main():
    destino, pasta = sys.argv[1:3]
    data = time.gmtime(max(int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH)), ZIP_EPOCH))[:6]
    raiz = os.path.dirname(os.path.abspath(pasta))
    arquivos = sorted(os.path.relpath(os.path.join(dentro, nome), raiz).replace(os.sep, "/")
                      for dentro, _, nomes in os.walk(pasta) for nome in nomes)
    with zipfile.ZipFile(destino, "w") as pacote:
        for nome in arquivos:
            caminho = os.path.join(raiz, nome)
            entrada = zipfile.ZipInfo(nome, data)
            entrada.create_system = 3  # Unix, whose modes follow
            entrada.external_attr = (0o100755 if os.access(caminho, os.X_OK) else 0o100644) << 16
            with open(caminho, "rb") as f:
                pacote.writestr(entrada, f.read(), zipfile.ZIP_DEFLATED, 9)


if __name__ == "__main__":
    main()
