# Compiler caching for the build scripts; source it. When ccache is installed, $launcher holds
# the CMake option that puts it in front of the compiler (empty otherwise). Any clone of the
# project shares the cache, and compiles that use precompiled headers are cached too.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
    export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
fi
