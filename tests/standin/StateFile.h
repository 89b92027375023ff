#pragma once
// Tells tests what the editor shows. After every change of selection the
// file is replaced by three lines, in the ANSI code page, '\n' ended:
//   module=<this executable's path>
//   key=Computer\<root>\<key path>     (the selected tree item)
//   value=<label of the selected value row, empty when none>
// It is written to a side file first and then moved over the old one, so a
// reader finds either the old state or the new, never part of one.
#include <string>

namespace standin {

class StateFile {
 public:
  // An empty path writes nothing.
  explicit StateFile(std::string path);

  void Write(const std::wstring& key, const std::wstring& value) const;

 private:
  std::string path_;
  std::string module_;
};

}  // namespace standin
