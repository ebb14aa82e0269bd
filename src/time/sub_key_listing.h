#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the store answers when asked for the sub-key name at one index.
struct SubKeyAt {
  enum class Answer { Name, NoMoreItems, Error };
  Answer answer = Answer::NoMoreItems;
  std::string name;
};

// The sub-key names of a key, asked for by index from 0 on. Any answer but a name ends the
// listing and keeps the names read so far: an error that persists must not walk every index.
std::vector<std::string> ListSubKeyNames(const std::function<SubKeyAt(uint32_t index)>& nameAt);
