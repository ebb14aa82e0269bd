#pragma once
#include <string>
#include <vector>

#include "base/ormel_error.h"

// Where the loader sends the problems of a skin. Messages start with the file concerned.
class SkinReport {
 public:
  virtual ~SkinReport() = default;
  // The skin cannot be shown as described. A report that returns lets the loader go on with
  // what it has, so that every problem is found in one pass.
  virtual void Error(const std::string& message) = 0;
  // An error that the checker tells skin authors in more words (the element concerned, what
  // to write instead); the clock's message stays `message`.
  virtual void Error(const std::string& message, const std::string& forAuthors) = 0;
  // An unparsable number took its default; the skin still loads.
  virtual void Fallback(const std::string& message) = 0;
};

// A real load: the first error stops it, fallbacks pass silently as the format allows.
class StopAtFirstError : public SkinReport {
 public:
  void Error(const std::string& message) override { throw OrmelError(message); }
  void Error(const std::string& message, const std::string&) override { Error(message); }
  void Fallback(const std::string&) override {}
};

// The skin checker: keeps every problem.
class CollectProblems : public SkinReport {
 public:
  void Error(const std::string& message) override { problems.push_back(message); }
  void Error(const std::string&, const std::string& forAuthors) override { problems.push_back(forAuthors); }
  void Fallback(const std::string& message) override { problems.push_back(message); }
  std::vector<std::string> problems;
};
