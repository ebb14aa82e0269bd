#pragma once
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

// A key under HKEY_CURRENT_USER for this test alone: ctest runs each test in a process of
// its own over one Wine prefix, so the name carries the process id and the test's name.
// It is removed when the test ends, and the common parent with it once no test uses it.
class ScratchRegistryKey {
 public:
  ScratchRegistryKey() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string(kParent) + "\\" + std::to_string(GetCurrentProcessId()) + " " + test->test_suite_name() +
            "." + test->name();
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  }
  ~ScratchRegistryKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kParent);  // refused while another test's key is under it
  }
  ScratchRegistryKey(const ScratchRegistryKey&) = delete;
  ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

  const std::string& Path() const { return path_; }
  std::string Sub(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  static constexpr const char* kParent = "Software\\OrmelClockTests";
  std::string path_;
};
