#include "shell/x11_text.h"

#include <algorithm>

#include "text/gb18030.h"

namespace bramble {
namespace {

constexpr char kEsc = 0x1B;
constexpr unsigned char kCsi = 0x9B;

// What the bytes of one half (GL: 0x20-0x7F, GR: 0xA0-0xFF) of compound
// text stand for.
enum class Charset {
  kAscii,    // GL only
  kLatin1,   // the right half of ISO 8859-1, GR only
  kGb2312,   // two bytes per character, in either half
  kUnknown,  // a set this reader does not know: one "?" per byte
};

std::string Latin1ToBytes(std::string_view data) {
  std::u16string units;
  units.reserve(data.size());
  for (const char c : data) units.push_back(static_cast<unsigned char>(c));
  return Utf16ToBytes(units);
}

class CompoundTextReader {
 public:
  explicit CompoundTextReader(std::string_view data) : data_(data) {}

  std::string Read() {
    while (i_ < data_.size()) {
      const auto b = static_cast<unsigned char>(data_[i_]);
      if (b == kEsc) {
        ReadEscape();
      } else if (b == kCsi) {
        SkipDirection();
      } else if (utf8_) {
        ReadUtf8Run();
      } else if (b < 0x20 || b == 0x7F || (b >= 0x80 && b < 0xA0)) {
        if (b == '\t' || b == '\n') out_.push_back(static_cast<char>(b));
        ++i_;
      } else {
        ReadGraphic(b >= 0x80 ? gr_ : gl_);
      }
    }
    return out_;
  }

 private:
  // ESC, intermediate bytes (0x20-0x2F), final byte (0x30-0x7E).
  void ReadEscape() {
    const size_t start = ++i_;
    while (i_ < data_.size() && data_[i_] >= 0x20 && data_[i_] <= 0x2F) ++i_;
    if (i_ >= data_.size()) return;
    const std::string_view intermediates = data_.substr(start, i_ - start);
    const char final_byte = data_[i_++];
    if (intermediates == "(") {
      gl_ = (final_byte == 'B' || final_byte == 'J') ? Charset::kAscii
                                                     : Charset::kUnknown;
    } else if (intermediates == "-") {
      gr_ = final_byte == 'A' ? Charset::kLatin1 : Charset::kUnknown;
    } else if (intermediates == ")") {
      gr_ = Charset::kUnknown;
    } else if (intermediates == "$(" || intermediates == "$") {
      gl_ = final_byte == 'A' ? Charset::kGb2312 : Charset::kUnknown;
    } else if (intermediates == "$)") {
      gr_ = final_byte == 'A' ? Charset::kGb2312 : Charset::kUnknown;
    } else if (intermediates == "%") {
      utf8_ = final_byte == 'G';
    } else if (intermediates == "%/") {
      SkipExtendedSegment();
    }
  }

  // An extended segment: two length bytes M L, then M*128+L bytes (an
  // encoding name, STX, and text in that encoding). Its text is unknown.
  void SkipExtendedSegment() {
    if (i_ + 2 > data_.size()) {
      i_ = data_.size();
      return;
    }
    const size_t length = (static_cast<size_t>(data_[i_] & 0x7F) << 7) |
                          static_cast<size_t>(data_[i_ + 1] & 0x7F);
    i_ += 2;
    const size_t end = std::min(data_.size(), i_ + length);
    const size_t stx = data_.find('\x02', i_);
    if (stx != std::string_view::npos && stx < end) {
      out_.append(end - stx - 1, '?');
    }
    i_ = end;
  }

  // CSI 1 ], CSI 2 ] and CSI ]: directions, which carry no character.
  void SkipDirection() {
    ++i_;
    while (i_ < data_.size() && data_[i_] != ']') ++i_;
    if (i_ < data_.size()) ++i_;
  }

  // UTF-8 runs until the next ESC (the one that ends the segment).
  void ReadUtf8Run() {
    const size_t end = std::min(data_.find(kEsc, i_), data_.size());
    out_ += EditorUtf8ToBytes(data_.substr(i_, end - i_));
    i_ = end;
  }

  void ReadGraphic(Charset charset) {
    const auto b = static_cast<unsigned char>(data_[i_]);
    if (b == ' ') charset = Charset::kAscii;  // the blank of every set
    switch (charset) {
      case Charset::kAscii:
        out_.push_back(static_cast<char>(b & 0x7F));
        ++i_;
        return;
      case Charset::kLatin1:
        out_ += Latin1ToBytes(data_.substr(i_, 1));
        ++i_;
        return;
      case Charset::kGb2312:
        if (i_ + 1 < data_.size()) {
          // GB 2312 in the right half is the program's own byte form.
          out_.push_back(static_cast<char>(b | 0x80));
          out_.push_back(static_cast<char>(data_[i_ + 1] | 0x80));
          i_ += 2;
          return;
        }
        break;
      case Charset::kUnknown:
        break;
    }
    out_.push_back('?');
    ++i_;
  }

  std::string_view data_;
  size_t i_ = 0;
  Charset gl_ = Charset::kAscii;
  Charset gr_ = Charset::kLatin1;
  bool utf8_ = false;
  std::string out_;
};

}  // namespace

std::string X11TextToBytes(X11TextType type, std::string_view data) {
  switch (type) {
    case X11TextType::kUtf8:
      return EditorUtf8ToBytes(data);
    case X11TextType::kLatin1:
      return Latin1ToBytes(data);
    case X11TextType::kCompoundText:
      return CompoundTextReader(data).Read();
  }
  return {};
}

}  // namespace bramble
