// FuzzSupport.h: what the fuzz targets share: a check that stops the run
// (the fuzzer then keeps the input), and the one scratch file of a process
// for the readers that take a path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(cond)                                                                   \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// The scratch folder of this process (with its trailing separator), made on
// first use and removed with everything in it when the process ends.
const std::string& FuzzTempFolder();
// Replaces the contents of the named file of the scratch folder; returns its path.
std::string WriteFuzzTempFile(const char* pszName, const uint8_t* data, size_t size);
