#!/usr/bin/python3
# A file system like a network share that stopped answering, mounted on the folder given: every
# file can be listed and looked at but its reads never return, and every name below "stil" is
# never even looked up. Ends when killed; unmount the folder afterwards.
import errno
import stat
import sys
import threading

from fusepy import FUSE, FuseOSError, Operations

NEVER = threading.Event()  # never set


class StalledShare(Operations):
    def getattr(self, path, fh=None):
        if path == "/":
            return {"st_mode": stat.S_IFDIR | 0o755, "st_nlink": 2}
        if path.startswith("/stil"):
            NEVER.wait()
        if path.count("/") == 1 and "." in path:
            return {"st_mode": stat.S_IFREG | 0o644, "st_nlink": 1, "st_size": 1 << 20}
        raise FuseOSError(errno.ENOENT)

    def readdir(self, path, fh):
        return [".", "..", "foto.jpg"]

    def open(self, path, flags):
        return 0

    def read(self, path, size, offset, fh):
        NEVER.wait()


if __name__ == "__main__":
    FUSE(StalledShare(), sys.argv[1], foreground=True, nothreads=False)
