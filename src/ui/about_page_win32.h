#pragma once
#include "ui/about_page.h"

// The browser key in the current user's registry.
class BrowserRegistryWin32 : public BrowserRegistry {
 public:
  std::unique_ptr<BrowserMainKey> OpenMainKey() override;
};

// "About...": the product page beside the program, opened maximized by the shell.
void About1Click();
