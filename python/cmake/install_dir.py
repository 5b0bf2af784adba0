"""Prints where the Python of this machine looks for packages under PREFIX,
relative to PREFIX: Debian's own scheme for /usr and /usr/local, the plain
posix_prefix scheme for any other prefix."""
import os
import sys
import sysconfig

prefix = os.path.normpath(sys.argv[1])
schemes = sysconfig.get_scheme_names()
if prefix == "/usr" and "deb_system" in schemes:
    path = sysconfig.get_path("platlib", "deb_system", vars={"base": prefix, "platbase": prefix})
elif prefix == "/usr/local" and "posix_local" in schemes:
    # Debian's posix_local scheme adds "local" to a base of /usr itself.
    path = sysconfig.get_path("platlib", "posix_local", vars={"base": "/usr", "platbase": "/usr"})
else:
    path = sysconfig.get_path("platlib", "posix_prefix", vars={"base": prefix, "platbase": prefix})
print(os.path.relpath(path, prefix), end="")
