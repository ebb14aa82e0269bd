// Plays security software or a read-only policy for the end-to-end tests, on a key of the
// current user:  ormel_registry_guard guard|free KEY
//   guard  nobody may write the key's values or make sub-keys (created when missing); it still reads
//   free   everybody may do everything again
#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const bool guard = argc == 3 && std::strcmp(argv[1], "guard") == 0;
  if (argc != 3 || (!guard && std::strcmp(argv[1], "free") != 0)) {
    std::fprintf(stderr, "usage: ormel_registry_guard guard|free KEY\n");
    return 64;
  }
  HKEY key = nullptr;
  LONG rc =
      RegCreateKeyExA(HKEY_CURRENT_USER, argv[2], 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &key, nullptr);
  if (rc != ERROR_SUCCESS) {
    std::fprintf(stderr, "cannot open %s: %ld\n", argv[2], rc);
    return 1;
  }
  PSECURITY_DESCRIPTOR sd = nullptr;
  const char* access = guard ? "D:P(D;;0x6;;;WD)(A;;KA;;;WD)" : "D:(A;;KA;;;WD)";
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(access, SDDL_REVISION_1, &sd, nullptr)) return 1;
  rc = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd);
  LocalFree(sd);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) std::fprintf(stderr, "cannot set the access of %s: %ld\n", argv[2], rc);
  return rc == ERROR_SUCCESS ? 0 : 1;
}
