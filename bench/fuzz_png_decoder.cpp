// libFuzzer entry: any input must either decode or fail with OrmelError, never crash.
#include <cstddef>
#include <cstdint>

#include "base/ormel_error.h"
#include "image/png_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TPngImage image = DecodePng(data, size);
    if (image.colors.size() != image.alpha.size()) __builtin_trap();
  } catch (const OrmelError&) {
  }
  return 0;
}
