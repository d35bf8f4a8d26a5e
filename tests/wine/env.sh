# Sourced: the environment every Wine run of the tests shares.
export WINEPREFIX=${JPGNAMES_WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wineprefix}
# The locale sets Windows' ANSI code page: 936 for zh_CN.UTF-8 (the default,
# a Chinese Windows), 1252 for C.UTF-8 (an English one).
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=${JPGNAMES_WINE_LOCALE:-zh_CN.UTF-8}

# 64-bit programs go straight to the 64-bit loader: the plain `wine` starts
# with the 32-bit one, which some kernels cannot execute.
wine_loader_for() {
  case "$(LC_ALL=C file -b "$1" 2>/dev/null)" in
    PE32+*) [ -x /usr/lib/wine/wine64 ] && { echo /usr/lib/wine/wine64; return; } ;;
  esac
  echo wine
}

# Whether this machine runs 32-bit Linux programs, and so 32-bit Wine.
can_run_32bit() {
  /lib/ld-linux.so.2 --help >/dev/null 2>&1
}
