#pragma once
// doctest for the Win32-side tests. The product's compiler has no std::mutex
// (win32 thread model), so doctest runs single-threaded.
#define DOCTEST_CONFIG_NO_MULTITHREADING
#include <doctest.h>
