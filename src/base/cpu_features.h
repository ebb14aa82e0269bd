#pragma once

// Whether the build's SSE2 paths run here: every x86-64 processor has SSE2, a 32-bit build
// asks the processor once.
inline bool RunsSse2() {
#ifdef ORMEL_SSE2
  static const bool has = __builtin_cpu_supports("sse2");
  return has;
#else
  return false;
#endif
}
