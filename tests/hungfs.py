#!/usr/bin/env python3
"""A read-only mirror of a folder in which chosen calls never answer, like a
network share whose server has gone away.

Usage: hungfs.py [--log FILE] [--delay MS] [--allow-other] [--hang OPS:PATH[@FLAG]]... SOURCE MOUNTPOINT
       hungfs.py --probe

OPS is a comma-separated list of getattr, access, readlink, opendir, readdir,
open, read, statfs, or "all". PATH is a path inside the mount ("/" for the
whole mount): a call on it or on anything under it blocks for ever. With
@FLAG it blocks only while the file FLAG exists (the share dies later),
otherwise always. The log gets one line per call ("readdir /roms") and one per
call that blocks ("hang read /roms/a.gb"). --delay makes every call take
that many milliseconds more, like a share across a network; --allow-other
lets users other than the one mounting it in (root may always). Runs in the foreground until
killed; --probe only checks that fusepy and libfuse can be loaded.
"""
import argparse
import ctypes
import errno
import os
import sys
import threading
import time

try:
    import fusepy as fuse  # Debian's python3-fusepy
except ImportError:
    import fuse
if not hasattr(fuse, "FUSE") or not hasattr(fuse, "Operations"):
    raise ImportError("the fuse module found is not fusepy")

OPERATIONS = ("getattr", "access", "readlink", "opendir", "readdir", "open", "read", "statfs")


class Rule:
    def __init__(self, text):
        ops, _, rest = text.partition(":")
        self.path, _, self.flag = rest.partition("@")
        self.ops = set(OPERATIONS) if ops == "all" else set(ops.split(","))
        unknown = self.ops - set(OPERATIONS)
        if unknown or not self.path.startswith("/"):
            raise argparse.ArgumentTypeError("bad rule: " + text)

    def holds(self, op, path):
        if op not in self.ops:
            return False
        inside = (self.path == "/" or path == self.path
                  or path.startswith(self.path.rstrip("/") + "/"))
        return inside and (not self.flag or os.path.exists(self.flag))


class HungMirror(fuse.Operations):
    def __init__(self, source, rules, log, delay=0.0):
        self.source = os.path.realpath(source)
        self.rules = rules
        self.log = log
        self.delay = delay
        self.mutex = threading.Lock()

    def note(self, line):
        if self.log:
            with self.mutex:
                self.log.write(line + "\n")
                self.log.flush()

    def enter(self, op, path):
        self.note(op + " " + path)
        if self.delay:
            time.sleep(self.delay)
        if any(rule.holds(op, path) for rule in self.rules):
            self.note("hang " + op + " " + path)
            threading.Event().wait()

    def real(self, path):
        return os.path.join(self.source, path.lstrip("/"))

    def getattr(self, path, fh=None):
        self.enter("getattr", path)
        st = os.lstat(self.real(path))
        return {key: getattr(st, key) for key in (
            "st_mode", "st_nlink", "st_uid", "st_gid", "st_size",
            "st_atime", "st_mtime", "st_ctime")}

    def access(self, path, amode):
        self.enter("access", path)
        if not os.access(self.real(path), amode):
            raise fuse.FuseOSError(errno.EACCES)
        return 0

    def readlink(self, path):
        self.enter("readlink", path)
        return os.readlink(self.real(path))

    def opendir(self, path):
        self.enter("opendir", path)
        if not os.path.isdir(self.real(path)):
            raise fuse.FuseOSError(errno.ENOTDIR)
        return 0

    def readdir(self, path, fh):
        self.enter("readdir", path)
        return [".", ".."] + os.listdir(self.real(path))

    def open(self, path, flags):
        self.enter("open", path)
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise fuse.FuseOSError(errno.EROFS)
        return os.open(self.real(path), os.O_RDONLY)

    def read(self, path, size, offset, fh):
        self.enter("read", path)
        return os.pread(fh, size, offset)

    def release(self, path, fh):
        os.close(fh)
        return 0

    def statfs(self, path):
        self.enter("statfs", path)
        st = os.statvfs(self.source)
        return {key: getattr(st, key) for key in (
            "f_bsize", "f_frsize", "f_blocks", "f_bfree", "f_bavail",
            "f_files", "f_ffree", "f_favail", "f_flag", "f_namemax")}


def main():
    if sys.argv[1:] == ["--probe"]:
        return 0
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--hang", type=Rule, action="append", default=[])
    parser.add_argument("--log")
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--allow-other", action="store_true")
    parser.add_argument("source")
    parser.add_argument("mountpoint")
    args = parser.parse_args()
    log = open(args.log, "a") if args.log else None
    # Ends with the test that started it, so nothing stays blocked on the mount.
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, 9)
    # No caching in the kernel: every call reaches us, so a hang that starts
    # later (a flag) is not hidden by what was read before.
    fuse.FUSE(HungMirror(args.source, args.hang, log, args.delay / 1000), args.mountpoint, foreground=True,
              nothreads=False, ro=True, fsname="hungfs", direct_io=True,
              entry_timeout=0, attr_timeout=0, negative_timeout=0, **({"allow_other": True} if args.allow_other else {}))
    return 0


if __name__ == "__main__":
    sys.exit(main())
