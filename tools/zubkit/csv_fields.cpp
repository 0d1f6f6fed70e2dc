#include "tools/zubkit/csv_fields.hpp"

namespace zubkit {

zub::Char DetectDelimiter(const zub::UnicodeString& line) {
  return zub::CSVDELIMITERS[zub::DetectCSVDelimiter(line)];
}

std::vector<zub::UnicodeString> SplitFields(const zub::UnicodeString& line, zub::Char delimiter) {
  if (delimiter == 0) return {line};
  std::vector<zub::UnicodeString> fields(1);
  size_t i = 0;
  while (i < line.size()) {
    zub::UnicodeString& field = fields.back();
    if (field.empty() && line[i] == u'"') {
      for (++i; i < line.size(); ++i) {
        if (line[i] != u'"') {
          field += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == u'"') {
          field += u'"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      continue;
    }
    if (line[i] == delimiter)
      fields.emplace_back();
    else
      field += line[i];
    ++i;
  }
  return fields;
}

}  // namespace zubkit
