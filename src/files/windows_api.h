#pragma once
// <windows.h> without its rarely used parts, included the same way by every
// Windows branch. Empty elsewhere.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif
