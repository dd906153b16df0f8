// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Which kernels run: asked of the processor once, at run time.

#include "render/pixels/kernels.h"

#if defined(__x86_64__) || defined(__i386__)
#define GYROCK_VECTOR_PATHS 1
#endif

namespace gyrock::render::pixels {

const std::vector<Path>& availablePaths() {
    static const std::vector<Path> paths = [] {
        std::vector<Path> found{Path::Scalar};
#if defined(GYROCK_VECTOR_PATHS)
        __builtin_cpu_init();
        if (__builtin_cpu_supports("sse2")) found.push_back(Path::Sse2);
        if (__builtin_cpu_supports("avx2")) found.push_back(Path::Avx2);
#endif
        return found;
    }();
    return paths;
}

Path fastestPath() { return availablePaths().back(); }

Kernels kernelsFor(Path path) {
    if (path == Path::Scalar) return {smoothScalar, plainScalar};
#if defined(GYROCK_VECTOR_PATHS)
    return vectorKernels(path);
#else
    return {smoothScalar, plainScalar};  // the only path elsewhere
#endif
}

}  // namespace gyrock::render::pixels
