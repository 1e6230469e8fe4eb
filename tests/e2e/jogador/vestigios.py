"""The leftovers check: what the programs an end-to-end run starts may leave
behind, and whether a whole run left anything.

The driver notes every program it starts in the list TREVALIA_E2E_INICIADOS
(the game, its deal helper, the desktop's helpers, and under Wine the Wine
server a program may have started, which outlives it), and makes its
temporary folders in TREVALIA_E2E_TMP. `python3 -m jogador.vestigios inicio
--iniciados LIST --temporaria FOLDER` empties both, noting the Wine server
already running as the run's own (scripts/windows/test starts one a test);
`fim` fails if a started program still runs, if libfaketime's files of one
are still in /dev/shm, or if anything is left in the folder. Only what this
run started counts, not other programs of the same names.
"""

import argparse
import contextlib
import glob
import os
import shutil
import sys
from pathlib import Path

SHM = "/dev/shm"
SANITIZER_LOG = "relatorio_sanitizer"
# Marks a program in the list that was running before the run: not a leftover.
KEPT = "mantido"


def sanitizer_reports(folder):
    """What the sanitizers reported about a program run in `folder`, if anything."""
    return "\n".join(Path(path).read_text(errors="replace")
                     for path in sorted(glob.glob(os.path.join(folder, SANITIZER_LOG + ".*"))))


def temporary_folder():
    """Where the driver makes its temporary folders: the run's own, if it has one."""
    return os.environ.get("TREVALIA_E2E_TMP") or None


def clock_files(pid):
    """libfaketime's semaphore and shared-memory object of a process, in /dev/shm."""
    return [os.path.join(SHM, name % pid) for name in ("faketime_shm_%d", "sem.faketime_sem_%d")]


def started(pid, program):
    """Notes a started program in the run's list, when there is one."""
    path = os.environ.get("TREVALIA_E2E_INICIADOS")
    if path:
        with open(path, "a") as f:
            f.write("%d %s\n" % (pid, os.path.basename(program)))


def ended(process):
    """After a started program has ended: libfaketime removes its files in
    /dev/shm only at a normal exit, so after a kill or a crash they go here.
    A program run through Wine may have started a Wine server, which lives on:
    it is noted then."""
    for path in clock_files(process.pid):
        with contextlib.suppress(FileNotFoundError):
            os.unlink(path)
    if os.environ.get("TREVALIA_E2E_LAUNCHER"):
        noted = {pid for pid, _, _ in entries(os.environ.get("TREVALIA_E2E_INICIADOS", ""))}
        for pid, name in wine_servers():
            if pid not in noted:
                started(pid, name)


def wine_servers():
    """The Wine servers of this prefix (WINEPREFIX, else ~/.wine) running now,
    as (pid, name): Debian's is wineserver64 or wineserver32. Wine's server
    works in a folder named for the prefix's device and inode."""
    try:
        prefix = os.stat(os.environ.get("WINEPREFIX") or os.path.expanduser("~/.wine"))
    except OSError:
        return []
    folder = "/server-%x-%x" % (prefix.st_dev, prefix.st_ino)
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/comm" % pid) as f:
                name = f.read().strip()
            if name.startswith("wineserver") and \
                    os.readlink("/proc/%s/cwd" % pid).endswith(folder):
                found.append((int(pid), name))
        except OSError:
            pass
    return found


def still_running(pid, program):
    try:
        with open("/proc/%d/comm" % pid) as f:
            # The kernel keeps the first 15 characters of the name.
            return f.read().strip() == program[:15]
    except OSError:
        return False


def entries(started_list):
    """The list's (pid, program, kept) entries."""
    if not os.path.exists(started_list):
        return []
    with open(started_list) as f:
        return [(int(e[0]), e[1], e[2:] == [KEPT]) for e in map(str.split, f) if e]


def leftovers(started_list, temporary):
    complaints = []
    noted = entries(started_list)
    for pid, program, kept in noted:
        if not kept and still_running(pid, program):
            complaints.append("%s (process %d) is still running" % (program, pid))
        complaints += ["%s (of %s, process %d) is still there" % (path, program, pid)
                       for path in clock_files(pid) if os.path.exists(path)]
    complaints += ["%s is left in the temporary folder" % os.path.join(temporary, name)
                   for name in sorted(os.listdir(temporary))]
    return sum(not kept for _, _, kept in noted), complaints


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("moment", choices=("inicio", "fim"))
    parser.add_argument("--iniciados", required=True, help="the list of started programs")
    parser.add_argument("--temporaria", required=True, help="the run's temporary folder")
    args = parser.parse_args()

    if args.moment == "inicio":
        shutil.rmtree(args.temporaria, ignore_errors=True)
        os.makedirs(args.temporaria)
        with open(args.iniciados, "w") as f:
            f.writelines("%d %s %s\n" % (pid, name, KEPT) for pid, name in wine_servers())
        return 0
    count, complaints = leftovers(args.iniciados, args.temporaria)
    for complaint in complaints:
        print("LEFT BEHIND: %s" % complaint, file=sys.stderr)
    print("%d programs started, %d things left behind" % (count, len(complaints)))
    return 1 if complaints else 0


if __name__ == "__main__":
    sys.exit(main())
