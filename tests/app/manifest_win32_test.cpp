// The manifests the programs carry, as Windows reads them when it starts a program: a manifest
// Windows cannot read stops the program before it runs. Both run as the user who starts them
// (no elevation, no virtualization of files and registry) and name the Windows versions they
// were made for, without which Windows treats them as Vista programs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::wstring DistFile(const wchar_t* name) {
  std::wstring p = L"Z:";
  for (const char* c = ORMEL_DIST_DIR; *c; ++c) p += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return p + L"\\" + name;
}

class ActivationContext {
 public:
  explicit ActivationContext(const std::wstring& program) {
    ACTCTXW actctx{};
    actctx.cbSize = sizeof actctx;
    actctx.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    actctx.lpSource = program.c_str();
    actctx.lpResourceName = MAKEINTRESOURCEW(1);  // the manifest Windows reads at start-up
    handle_ = CreateActCtxW(&actctx);
  }
  ~ActivationContext() {
    if (handle_ != INVALID_HANDLE_VALUE) ReleaseActCtx(handle_);
  }
  ActivationContext(const ActivationContext&) = delete;
  ActivationContext& operator=(const ActivationContext&) = delete;

  bool Read() const { return handle_ != INVALID_HANDLE_VALUE; }

  std::vector<unsigned char> Query(ACTIVATION_CONTEXT_INFO_CLASS what) const {
    SIZE_T needed = 0;
    QueryActCtxW(0, handle_, nullptr, what, nullptr, 0, &needed);
    std::vector<unsigned char> info(std::max<SIZE_T>(needed, 64));
    if (!QueryActCtxW(0, handle_, nullptr, what, info.data(), info.size(), &needed)) info.clear();
    return info;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

bool Contains(const std::vector<unsigned char>& info, const GUID& id) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&id);
  return std::search(info.begin(), info.end(), bytes, bytes + sizeof id) != info.end();
}

TEST(ManifestWin32, BothProgramsRunAsInvokerOnTheWindowsTheyNameMadeFor) {
  const struct {
    const char* name;
    GUID id;
  } systems[] = {
      {"Windows 7", {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}}},
      {"Windows 8", {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}}},
      {"Windows 8.1", {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}}},
      {"Windows 10 and 11", {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}}},
  };
  for (const wchar_t* program : {L"OrmelClock.exe", L"ormel-skin.exe"}) {
    SCOPED_TRACE(std::string(program, program + wcslen(program)));
    const ActivationContext context(DistFile(program));
    ASSERT_TRUE(context.Read()) << "the manifest cannot be read: error " << GetLastError();

    const auto runLevel = context.Query(RunlevelInformationInActivationContext);
    ASSERT_GE(runLevel.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    const auto* level = reinterpret_cast<const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(runLevel.data());
    EXPECT_EQ(level->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(level->UiAccess, 0u);

    // Newer systems lay out each element with more fields than older headers know: look for
    // each system's identifier anywhere in the answer.
    const auto compatibility = context.Query(CompatibilityInformationInActivationContext);
    ASSERT_GE(compatibility.size(), sizeof(DWORD));
    EXPECT_EQ(*reinterpret_cast<const DWORD*>(compatibility.data()), std::size(systems));
    for (const auto& system : systems) EXPECT_TRUE(Contains(compatibility, system.id)) << system.name;
  }
}

}  // namespace
