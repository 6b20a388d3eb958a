// The program's texts are 8-bit strings; wx wants wxString. UTF-8 first, Latin-1 for anything
// else.
#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

namespace gui {

inline wxString toWx(std::string_view text) {
  wxString converted = wxString::FromUTF8(text.data(), text.size());
  if (converted.empty() && !text.empty())
    converted = wxString(text.data(), wxConvISO8859_1, text.size());
  return converted;
}

inline std::string fromWx(const wxString& text) {
  return std::string(text.utf8_str());
}

}  // namespace gui
