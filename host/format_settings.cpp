#include "host/format_settings.hpp"

#include "host/internal/os.hpp"

namespace zub {

TFormatSettings TFormatSettings::FromLocale() {
  TFormatSettings fs;
  os::LocaleSeparators(fs.DecimalSeparator, fs.ThousandSeparator);
  if (fs.ThousandSeparator == fs.DecimalSeparator)
    fs.ThousandSeparator = fs.DecimalSeparator == u',' ? u'.' : u',';
  return fs;
}

TFormatSettings FormatSettings = TFormatSettings::FromLocale();

}  // namespace zub
