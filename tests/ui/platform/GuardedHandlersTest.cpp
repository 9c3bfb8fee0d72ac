// Reads the program's sources: every way Qt's event loop can enter the program (a signal, a
// deferred call, an event override) must go through platform/HandlerGuard, so that a new handler
// cannot forget the guard and let an error cross Qt's code.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tremora {
namespace {

// The source with comments and string and character literals blanked out, lines kept.
std::string CodeOnly(const std::string& source) {
  std::string code = source;
  size_t i = 0;
  auto blank = [&](size_t from, size_t to) {
    for (size_t k = from; k < to && k < code.size(); ++k) {
      if (code[k] != '\n') code[k] = ' ';
    }
  };
  while (i < code.size()) {
    if (code.compare(i, 2, "//") == 0) {
      const size_t end = code.find('\n', i);
      blank(i, end);
      i = end == std::string::npos ? code.size() : end;
    } else if (code.compare(i, 2, "/*") == 0) {
      const size_t end = code.find("*/", i + 2);
      const size_t stop = end == std::string::npos ? code.size() : end + 2;
      blank(i, stop);
      i = stop;
    } else if (code.compare(i, 3, "R\"") == 0 || (code[i] == 'R' && i + 1 < code.size() && code[i + 1] == '"')) {
      const size_t open = code.find('(', i);
      const std::string close = ")" + code.substr(i + 2, open - i - 2) + "\"";
      const size_t end = code.find(close, open);
      const size_t stop = end == std::string::npos ? code.size() : end + close.size();
      blank(i, stop);
      i = stop;
    } else if (code[i] == '"' || (code[i] == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(code[i - 1]))))) {
      const char quote = code[i];
      size_t k = i + 1;
      while (k < code.size() && code[k] != quote && code[k] != '\n') k += code[k] == '\\' ? 2 : 1;
      blank(i, k + 1);
      i = k + 1;
    } else {
      ++i;
    }
  }
  return code;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Index just past the bracket that closes the one at open, or npos.
size_t PastClosing(const std::string& code, size_t open) {
  const char opening = code[open];
  const char closing = opening == '(' ? ')' : '}';
  int depth = 0;
  for (size_t i = open; i < code.size(); ++i) {
    if (code[i] == opening) ++depth;
    if (code[i] == closing && --depth == 0) return i + 1;
  }
  return std::string::npos;
}

size_t SkipBlanks(const std::string& code, size_t i) {
  while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i]))) ++i;
  return i;
}

std::string WordAt(const std::string& code, size_t i) {
  size_t end = i;
  while (end < code.size() && IsWordChar(code[end])) ++end;
  return code.substr(i, end - i);
}

bool IsEventHandlerName(const std::string& word) {
  const auto ends_with = [&](const char* tail) {
    const std::string t(tail);
    return word.size() > t.size() && word.compare(word.size() - t.size(), t.size(), t) == 0;
  };
  return (ends_with("Event") && std::islower(static_cast<unsigned char>(word[0]))) || word == "eventFilter" ||
         word == "event";
}

// True when the body (from its "{") is one statement: RunGuarded(...) or return AnswerGuarded(...).
bool IsOneGuardedCall(const std::string& code, size_t open, size_t past) {
  size_t i = SkipBlanks(code, open + 1);
  if (WordAt(code, i) == "return") i = SkipBlanks(code, i + 6);
  const std::string guard = WordAt(code, i);
  if (guard != "RunGuarded" && guard != "AnswerGuarded") return false;
  i = SkipBlanks(code, i + guard.size());
  if (i >= code.size() || code[i] != '(') return false;
  i = PastClosing(code, i);
  if (i == std::string::npos) return false;
  i = SkipBlanks(code, i);
  if (i >= code.size() || code[i] != ';') return false;
  return SkipBlanks(code, i + 1) == past - 1;
}

// "name:line: what" for each way into the program that bypasses the guard.
std::vector<std::string> UnguardedEntries(const std::string& name, const std::string& source) {
  const std::string code = CodeOnly(source);
  std::vector<std::string> found;
  auto report = [&](size_t at, const std::string& what) {
    const auto line = 1 + std::count(code.begin(), code.begin() + static_cast<std::ptrdiff_t>(at), '\n');
    found.push_back(name + ":" + std::to_string(line) + ": " + what);
  };
  for (const char* direct : {"QTimer::singleShot", "QMetaObject::invokeMethod"}) {
    for (size_t at = code.find(direct); at != std::string::npos; at = code.find(direct, at + 1)) report(at, direct);
  }
  for (size_t i = 0; i < code.size(); ++i) {
    if (!IsWordChar(code[i]) || (i > 0 && IsWordChar(code[i - 1]))) continue;
    const std::string word = WordAt(code, i);
    size_t next = SkipBlanks(code, i + word.size());
    if (next < code.size() && code[next] == '(') {
      if (word == "connect") report(i, "connect");
      if (IsEventHandlerName(word)) {
        // A definition: the parameter list, qualifiers, then the body.
        size_t after = PastClosing(code, next);
        if (after == std::string::npos) break;
        after = SkipBlanks(code, after);
        for (std::string q = WordAt(code, after); q == "const" || q == "noexcept" || q == "override" || q == "final";
             q = WordAt(code, after)) {
          after = SkipBlanks(code, after + q.size());
        }
        if (after < code.size() && code[after] == '{') {
          const size_t past = PastClosing(code, after);
          if (past != std::string::npos && !IsOneGuardedCall(code, after, past)) report(i, word + " outside the guard");
        }
      }
    }
    i += word.size() - 1;
  }
  return found;
}

TEST(GuardedHandlers, TheCheckFindsEveryWayPastTheGuard) {
  const std::string source = R"(
    // connect( in a comment and "QTimer::singleShot" in a text are no calls
    Window::Window() {
      connect(button, &QPushButton::clicked, this, [this] { Save(); });
      QObject::connect(box, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
      QTimer::singleShot(0, this, [this] { Load(); });
      QMetaObject::invokeMethod(this, [this] { Load(); }, Qt::QueuedConnection);
      ConnectGuarded(edit, &QLineEdit::returnPressed, this, [this] { Find(); });
    }
    void Window::dropEvent(QDropEvent* event) { Load(event); }
    void Window::closeEvent(QCloseEvent* event) {
      RunGuarded([&] { Close(); });
      event->accept();
    }
    void Window::keyPressEvent(QKeyEvent* event) {
      RunGuarded([&] { Key(event); });
    }
    class Filter : public QObject {
      bool eventFilter(QObject* watched, QEvent* event) override { return AnswerGuarded([&] { return Take(event); }, true); }
      void mouseReleaseEvent(QMouseEvent* event) override;
    };
    void Other() { QWidget::mouseReleaseEvent(event); }
  )";
  const std::vector<std::string> expected = {
      "W.cpp:6: QTimer::singleShot",  "W.cpp:7: QMetaObject::invokeMethod", "W.cpp:4: connect",
      "W.cpp:5: connect",             "W.cpp:10: dropEvent outside the guard",
      "W.cpp:11: closeEvent outside the guard"};
  EXPECT_EQ(UnguardedEntries("W.cpp", source), expected);
}

TEST(GuardedHandlers, TheProgramEntersEveryHandlerThroughTheGuard) {
  const std::filesystem::path sources = std::filesystem::path(TREMORA_RECORDS_DIR) / ".." / "src";
  const std::filesystem::path guard = sources / "platform" / "HandlerGuard";
  std::vector<std::string> found;
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(sources)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h" && extension != ".inl")) continue;
    if (entry.path().parent_path() / entry.path().stem() == guard) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::vector<std::string> here =
        UnguardedEntries(std::filesystem::relative(entry.path(), sources).string(), text.str());
    found.insert(found.end(), here.begin(), here.end());
    ++files;
  }
  EXPECT_GT(files, 100);
  std::string list;
  for (const std::string& entry : found) list += entry + "\n";
  EXPECT_TRUE(found.empty()) << list;
}

}  // namespace
}  // namespace tremora
