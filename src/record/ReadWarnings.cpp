#include "record/ReadWarnings.h"

#include <algorithm>

#include "base/CNumbers.h"
#include "base/TextCoding.h"
#include "base/Translation.h"

namespace tremora {

namespace {

std::string English(const ReadWarning& w) {
  const char* path = w.path.c_str();
  switch (w.kind) {
    case ReadWarningKind::TooManySamples:
      return FormatC("%s holds %lld samples; the first %lld are used", path, w.total, w.used);
    case ReadWarningKind::NotAnInteger:
      return FormatC("%s: line %d, field %d: '%s' is not an integer; read as %s", path, w.line, w.field,
                     w.found.c_str(), w.read_as.c_str());
    case ReadWarningKind::NotANumber:
      return FormatC("%s: line %d, field %d: '%s' is not a number; read as %s", path, w.line, w.field,
                     w.found.c_str(), w.read_as.c_str());
    case ReadWarningKind::HeaderLooksLikeData:
      return FormatC("%s: line %d is the last header line but looks like a data line (is the header a line "
                     "short?); its values are not read as samples",
                     path, w.line);
    case ReadWarningKind::NumberOutOfRange:
      return FormatC("%s: line %d: '%s' is out of range; read as %s", path, w.line, w.found.c_str(),
                     w.read_as.c_str());
    case ReadWarningKind::HeaderNotWholeNumber:
      return FormatC("%s: line %d: '%s' is not a whole number; read as %s", path, w.line, w.found.c_str(),
                     w.read_as.c_str());
    case ReadWarningKind::FewerSamplesThanAnnounced:
      return FormatC("%s: line %d announces %lld samples, the file holds %lld; those are used", path, w.line,
                     w.total, w.used);
  }
  return std::string();
}

// The warning for a message box, in the window's language.
std::string Shown(const ReadWarning& w) {
  const char* path = w.path.c_str();
  const char* found = w.found.c_str();
  const char* read_as = w.read_as.c_str();
  switch (w.kind) {
    case ReadWarningKind::TooManySamples:
      return FormatC(Translate("ReadWarnings",
                               "データファイル %s には %lld 個のデータがあります。最初の %lld 個だけを使います")
                         .c_str(),
                     path, w.total, w.used);
    case ReadWarningKind::NotAnInteger:
      return FormatC(Translate("ReadWarnings",
                               "%s の %d 行目 %d 番目の値「%s」は整数ではありません (%s として読みました)")
                         .c_str(),
                     path, w.line, w.field, found, read_as);
    case ReadWarningKind::NotANumber:
      return FormatC(Translate("ReadWarnings",
                               "%s の %d 行目 %d 番目の値「%s」は数値ではありません (%s として読みました)")
                         .c_str(),
                     path, w.line, w.field, found, read_as);
    case ReadWarningKind::HeaderLooksLikeData:
      return FormatC(Translate("ReadWarnings",
                               "%s の %d 行目 (ヘッダーの最後の行) がデータ行のようです。"
                               "ヘッダーが 1 行足りない恐れがあります (この行の値はデータとして読まれません)")
                         .c_str(),
                     path, w.line);
    case ReadWarningKind::NumberOutOfRange:
      return FormatC(Translate("ReadWarnings", "%s の %d 行目の値「%s」は範囲外です (%s として読みました)").c_str(),
                     path, w.line, found, read_as);
    case ReadWarningKind::HeaderNotWholeNumber:
      return FormatC(Translate("ReadWarnings", "%s の %d 行目の値「%s」は整数ではありません (%s として読みました)").c_str(),
                     path, w.line, found, read_as);
    case ReadWarningKind::FewerSamplesThanAnnounced:
      return FormatC(Translate("ReadWarnings",
                               "データファイル %s の %d 行目ではデータが %lld 個とされていますが、%lld 個しかありません。"
                               "あるデータだけを使います")
                         .c_str(),
                     path, w.line, w.total, w.used);
  }
  return std::string();
}

template <class Describer, class OmittedDescriber>
std::vector<std::string> Describe(const ReadWarnings& warnings, Describer describe, OmittedDescriber omitted) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < warnings.shown().size(); ++i) {
    const ReadWarning& w = warnings.shown()[i];
    lines.push_back(describe(w));
    // After the last shown warning of its group, the count of the others.
    bool last_of_group = true;
    for (size_t j = i + 1; j < warnings.shown().size(); ++j) {
      if (warnings.shown()[j].path == w.path && warnings.shown()[j].kind == w.kind) last_of_group = false;
    }
    const int more = warnings.Omitted(w.path, w.kind);
    if (last_of_group && more > 0) lines.push_back(omitted(w, more));
  }
  return lines;
}

}  // namespace

void ReadWarnings::Add(ReadWarning warning) {
  warning.found = VisibleText(warning.found);
  int& count = counts_[{warning.path, warning.kind}];
  if (++count <= kShownPerKind) shown_.push_back(std::move(warning));
}

void ReadWarnings::AddValue(ReadWarningKind kind, const std::string& path, int line, int field,
                            std::string_view found, std::string read_as) {
  ReadWarning w;
  w.kind = kind;
  w.path = path;
  w.line = line;
  w.field = field;
  w.found = std::string(found);
  w.read_as = std::move(read_as);
  Add(std::move(w));
}

void ReadWarnings::AddSampleCut(const std::string& path, long long total, long long used) {
  if (total <= used) return;
  ReadWarning w;
  w.kind = ReadWarningKind::TooManySamples;
  w.path = path;
  w.total = total;
  w.used = used;
  Add(std::move(w));
}

int ReadWarnings::Omitted(const std::string& path, ReadWarningKind kind) const {
  const auto it = counts_.find({path, kind});
  return it == counts_.end() ? 0 : std::max(0, it->second - kShownPerKind);
}

std::vector<std::string> ReadWarnings::Lines() const {
  return Describe(*this, English, [](const ReadWarning& w, int more) {
    return FormatC("%s: %d more such fields", w.path.c_str(), more);
  });
}

std::string ReadWarnings::ShownText() const {
  std::string text;
  for (const std::string& line : Describe(*this, Shown, [](const ReadWarning& w, int more) {
         return FormatC(Translate("ReadWarnings", "%s: ほかに同様の値が %d 個あります").c_str(), w.path.c_str(), more);
       })) {
    text += line + "\n";
  }
  return text;
}

}  // namespace tremora
