// JSON written by the programs that hand the window's facts to other languages: the page's
// writer, for the scripts that put the site together, and the tests' printer, for the
// tests written in shell, Python and JavaScript. Each value is written as it is made:
//   Object("name", record.name, "width", 391, "italic", false, "box", Object(...))
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace gavrento::json {

// A JSON value, written out.
struct Value {
  std::string text;
};

// Texts are UTF-8, and JSON's are: only the quote, the backslash and control characters
// need escapes.
inline Value Of(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return {out + '"'};
}

inline Value Of(const char* text) {
  return Of(std::string_view(text));
}

inline Value Of(int number) {
  return {std::to_string(number)};
}

// With the digits that tell the number again: 8.25, not 8.250000.
inline Value Of(double number) {
  char written[32];
  std::snprintf(written, sizeof written, "%.17g", number);
  return {written};
}

inline Value Of(bool value) {
  return {value ? "true" : "false"};
}

inline Value Of(const Value& value) {
  return value;
}

// One item a line, so that a person can read the file too.
inline Value Of(const std::vector<Value>& items) {
  std::string out = "[";
  const char* separator = "\n  ";
  for (const Value& item : items) {
    out += separator + item.text;
    separator = ",\n  ";
  }
  return {out + "]"};
}

inline void AddMembers(std::string& /*out*/) {}

template <typename T, typename... Rest>
void AddMembers(std::string& out, std::string_view name, const T& value, const Rest&... rest) {
  if (out.size() > 1) out += ", ";
  out += Of(name).text + ": " + Of(value).text;
  AddMembers(out, rest...);
}

// Names and values in turn.
template <typename... Members>
Value Object(const Members&... members) {
  static_assert(sizeof...(members) % 2 == 0, "a value for every name");
  std::string out = "{";
  AddMembers(out, members...);
  return {out + "}"};
}

}  // namespace gavrento::json
