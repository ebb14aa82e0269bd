#include "support/memory_storage.h"

namespace {

class MemorySection : public SettingsSection {
 public:
  MemorySection(MemoryStorage::Values& values, std::vector<std::string>& order)
      : values_(values), order_(order) {}

  std::optional<std::string> ReadString(const std::string& name) const override {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void WriteString(const std::string& name, const std::string& value) override {
    values_[name] = value;
    order_.push_back(name);
  }
  void DeleteValue(const std::string& name) override { values_.erase(name); }

 private:
  MemoryStorage::Values& values_;
  std::vector<std::string>& order_;
};

}  // namespace

std::unique_ptr<SettingsSection> MemoryStorage::OpenForWrite(const std::string& section) {
  return std::make_unique<MemorySection>(sections_[section], writeOrder_);
}

std::unique_ptr<SettingsSection> MemoryStorage::OpenForRead(const std::string& section) {
  auto it = sections_.find(section);
  if (it == sections_.end()) return nullptr;
  return std::make_unique<MemorySection>(it->second, writeOrder_);
}
