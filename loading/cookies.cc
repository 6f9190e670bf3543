#include "loading/cookies.h"

#include <algorithm>
#include <vector>

#include "text/byte_text.h"

namespace bramble {
namespace {

void EndWithSemicolon(std::string& text) {
  if (!text.empty() && Right(text, 1) != ";") text += ";";
}

// The first new entry of the same name and another value gives `old` its
// value and leaves the new list.
void TakeNewValue(std::string& old, std::vector<std::string>& fresh) {
  const std::string name = CookieName(old);
  const std::string value = CookieValue(old);
  for (auto it = fresh.begin(); it != fresh.end(); ++it) {
    if (CookieName(*it) == name && CookieValue(*it) != value) {
      old = name + "=" + CookieValue(*it);
      fresh.erase(it);
      return;
    }
  }
}

bool IsDeleted(std::string_view entry) {
  return entry.size() >= 8 && Right(entry, 8) == "=deleted";
}

}  // namespace

std::string MergeCookies(std::string& cookies, std::string& setCookies) {
  cookies = RemoveBlanks(cookies);
  setCookies = RemoveBlanks(setCookies);
  EndWithSemicolon(cookies);
  EndWithSemicolon(setCookies);
  std::vector<std::string> old_list = Split(cookies, ";");
  std::vector<std::string> new_list = Split(setCookies, ";");
  for (std::string& old : old_list) TakeNewValue(old, new_list);
  std::string merged;
  for (const auto* list : {&old_list, &new_list}) {
    for (const std::string& entry : *list) {
      if (!IsDeleted(entry)) merged += entry + "; ";
    }
  }
  cookies = DedupEntries(merged, "; ");
  return cookies;
}

std::string CookieName(std::string_view entry) {
  const int equals = InStr(entry, "=");
  return equals == -1 ? std::string() : Left(entry, equals - 1);
}

std::string CookieValue(std::string_view entry) {
  const int equals = InStr(entry, "=");
  return equals == -1 ? std::string() : Mid(entry, equals + 1);
}

std::string DedupEntries(std::string_view text, std::string_view separator) {
  std::vector<std::string> kept;
  for (std::string& part : Split(text, separator)) {
    if (std::find(kept.begin(), kept.end(), part) == kept.end()) {
      kept.push_back(std::move(part));
    }
  }
  std::string joined;
  for (const std::string& part : kept) {
    joined += part;
    joined += separator;
  }
  return joined;
}

}  // namespace bramble
