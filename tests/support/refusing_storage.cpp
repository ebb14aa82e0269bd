#include "support/refusing_storage.h"

#include "base/ormel_error.h"

namespace {

class RefusingSection : public SettingsSection {
 public:
  RefusingSection(std::unique_ptr<SettingsSection> stored, int& refusals)
      : stored_(std::move(stored)), refusals_(refusals) {}
  std::optional<std::string> ReadString(const std::string& name) const override {
    return stored_ ? stored_->ReadString(name) : std::nullopt;
  }
  void WriteString(const std::string& name, const std::string&) override { Refuse("write the value " + name); }
  void DeleteValue(const std::string& name) override { Refuse("remove the value " + name); }

 private:
  void Refuse(const std::string& what) {
    ++refusals_;
    throw OrmelError("The registry refused to " + what + ": Access denied.");
  }
  std::unique_ptr<SettingsSection> stored_;
  int& refusals_;
};

}  // namespace

std::unique_ptr<SettingsSection> RefusingStorage::OpenForWrite(const std::string& section) {
  if (how_ == Refuses::OpeningForWrite) {
    ++refusals;
    throw OrmelError("The registry refused to open the key " + section + " for writing: Access denied.");
  }
  return std::make_unique<RefusingSection>(stored.OpenForRead(section), refusals);
}

std::unique_ptr<SettingsSection> RefusingStorage::OpenForRead(const std::string& section) {
  return stored.OpenForRead(section);
}
