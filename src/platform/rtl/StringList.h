// Placeholder until the runtime layer lands; replaced by the full version.
#pragma once
#include <functional>
#include <string>
#include <vector>

class TStringList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int i) const { return lines_[i]; }
  std::string Get(int i) const { return i >= 0 && i < Count() ? lines_[i] : std::string(); }
  void Put(int i, const std::string& s) { if (i >= 0 && i < Count()) { lines_[i] = s; changed(); } }
  int Add(const std::string& s) { lines_.push_back(s); changed(); return Count() - 1; }
  void Insert(int i, const std::string& s) { if (i >= 0 && i <= Count()) { lines_.insert(lines_.begin() + i, s); changed(); } }
  void Delete(int i) { if (i >= 0 && i < Count()) { lines_.erase(lines_.begin() + i); changed(); } }
  void Clear() { lines_.clear(); changed(); }
  int IndexOf(const std::string& s) const { for (int i = 0; i < Count(); ++i) if (lines_[i] == s) return i; return -1; }
  const std::vector<std::string>& Lines() const { return lines_; }
  void Assign(const TStringList& o) { lines_ = o.lines_; changed(); }
  std::function<void()> OnChange;
 private:
  void changed() { if (OnChange) OnChange(); }
  std::vector<std::string> lines_;
};
using TStrings = TStringList;
