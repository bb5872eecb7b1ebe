// Checks packaging/windows/gavrento.rc, the resource script windres compiles into Gavrento.exe.
// The script is tokenized and parsed here (statements, BLOCK/VALUE tree, numeric literals) so
// that each value is checked for what it means rather than compared as text.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <QtTest>
#include <cstdint>
#include <optional>
#include <vector>

#include "../packaging/test_support/packaging_paths.h"

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------------------------------------
// Tokenizer

enum class TokenKind { Word, String, Comma };

struct Token {
  TokenKind kind;
  QString text;
  int line;
};

class Tokenizer {
 public:
  explicit Tokenizer(const QString& source) : source_(source) {}

  std::optional<std::vector<Token>> run(QString* error) {
    std::vector<Token> tokens;
    while (pos_ < source_.size()) {
      const QChar c = source_[pos_];
      if (c == u'\n') {
        ++line_;
        ++pos_;
      } else if (c.isSpace()) {
        ++pos_;
      } else if (startsWith(u"//") || (c == u'#' && atLineStart())) {
        skipToLineEnd();  // comments and preprocessor directives
      } else if (startsWith(u"/*")) {
        if (!skipBlockComment()) return fail(error, QStringLiteral("unterminated comment"));
      } else if (c == u'"') {
        const auto text = readString();
        if (!text) return fail(error, QStringLiteral("unterminated string"));
        tokens.push_back({TokenKind::String, *text, line_});
      } else if (c == u',') {
        tokens.push_back({TokenKind::Comma, QStringLiteral(","), line_});
        ++pos_;
      } else if (c == u'{' || c == u'}') {
        tokens.push_back({TokenKind::Word, c == u'{' ? u"BEGIN"_s : u"END"_s, line_});
        ++pos_;
      } else {
        tokens.push_back({TokenKind::Word, readWord(), line_});
      }
    }
    return tokens;
  }

 private:
  std::optional<std::vector<Token>> fail(QString* error, const QString& message) const {
    *error = QStringLiteral("line %1: %2").arg(line_).arg(message);
    return std::nullopt;
  }

  bool startsWith(QStringView text) const {
    return QStringView(source_).mid(pos_).startsWith(text);
  }

  bool atLineStart() const {
    for (qsizetype i = pos_ - 1; i >= 0 && source_[i] != u'\n'; --i) {
      if (!source_[i].isSpace()) return false;
    }
    return true;
  }

  void skipToLineEnd() {
    while (pos_ < source_.size() && source_[pos_] != u'\n') ++pos_;
  }

  bool skipBlockComment() {
    const qsizetype end = source_.indexOf(u"*/", pos_ + 2);
    if (end < 0) return false;
    line_ += QStringView(source_).mid(pos_, end - pos_).count(u'\n');
    pos_ = end + 2;
    return true;
  }

  // "..." with "" or \" for an embedded quote, as rc and windres accept.
  std::optional<QString> readString() {
    QString text;
    for (++pos_; pos_ < source_.size(); ++pos_) {
      const QChar c = source_[pos_];
      if (c == u'\n') return std::nullopt;
      if (c == u'\\' && pos_ + 1 < source_.size()) {
        text += source_[++pos_];
      } else if (c == u'"' && pos_ + 1 < source_.size() && source_[pos_ + 1] == u'"') {
        text += u'"';
        ++pos_;
      } else if (c == u'"') {
        ++pos_;
        return text;
      } else {
        text += c;
      }
    }
    return std::nullopt;
  }

  QString readWord() {
    const qsizetype start = pos_;
    while (pos_ < source_.size()) {
      const QChar c = source_[pos_];
      if (c.isSpace() || c == u',' || c == u'"' || c == u'{' || c == u'}') break;
      if (startsWith(u"//") || startsWith(u"/*")) break;
      ++pos_;
    }
    return source_.mid(start, pos_ - start);
  }

  const QString& source_;
  qsizetype pos_ = 0;
  int line_ = 1;
};

// ---------------------------------------------------------------------------------------------
// Parser for the subset of the resource language the script uses

struct RcValue {
  QString key;
  QStringList strings;
  std::vector<std::uint32_t> numbers;
};

struct RcBlock {
  QString name;
  std::vector<RcBlock> blocks;
  std::vector<RcValue> values;
};

struct IconResource {
  QString id;
  QString file;
};

struct RcScript {
  std::vector<std::uint32_t> language;
  std::vector<IconResource> icons;
  QString versionInfoId;
  QMap<QString, std::vector<std::uint32_t>> fixedInfo;
  RcBlock versionRoot;
};

// Decimal or 0x hexadecimal with the optional L/U suffixes rc allows.
std::optional<std::uint32_t> parseNumber(QString text) {
  while (text.endsWith(u'L', Qt::CaseInsensitive) || text.endsWith(u'U', Qt::CaseInsensitive)) {
    text.chop(1);
  }
  bool ok = false;
  const uint value = text.toUInt(&ok, 0);
  if (!ok) return std::nullopt;
  return value;
}

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::optional<RcScript> run(QString* error) {
    RcScript script;
    while (pos_ < tokens_.size() && error_.isEmpty()) parseStatement(script);
    if (!error_.isEmpty()) {
      *error = error_;
      return std::nullopt;
    }
    return script;
  }

 private:
  void parseStatement(RcScript& script) {
    const Token& first = take();
    if (first.text == u"LANGUAGE") {
      script.language = numbersOnLine(first.line);
    } else if (peekWord(u"ICON")) {
      take();
      const Token file = take();
      if (file.kind != TokenKind::String) return setError(file, "ICON needs a quoted file name");
      script.icons.push_back({first.text, file.text});
    } else if (peekWord(u"VERSIONINFO")) {
      take();
      script.versionInfoId = first.text;
      parseFixedInfo(script);
      script.versionRoot = parseBlockBody(QString());
    } else {
      setError(first, "unexpected statement");
    }
  }

  void parseFixedInfo(RcScript& script) {
    while (pos_ < tokens_.size() && !peekWord(u"BEGIN") && error_.isEmpty()) {
      const Token& keyword = take();
      script.fixedInfo[keyword.text] = numbersOnLine(keyword.line);
    }
  }

  RcBlock parseBlockBody(const QString& name) {
    RcBlock block{name, {}, {}};
    if (!peekWord(u"BEGIN")) {
      setError(current(), "expected BEGIN");
      return block;
    }
    take();
    while (error_.isEmpty()) {
      if (pos_ >= tokens_.size()) {
        setError(tokens_.back(), "missing END");
        break;
      }
      const Token& keyword = take();
      if (keyword.text == u"END") break;
      if (keyword.text == u"BLOCK") {
        const Token blockName = take();
        block.blocks.push_back(parseBlockBody(blockName.text));
      } else if (keyword.text == u"VALUE") {
        block.values.push_back(parseValue(keyword.line));
      } else {
        setError(keyword, "expected BLOCK, VALUE or END");
      }
    }
    return block;
  }

  // VALUE "key", item, item...   (items are strings or numbers, all on the key's line)
  RcValue parseValue(int line) {
    RcValue value;
    const Token key = take();
    if (key.kind != TokenKind::String) setError(key, "VALUE needs a quoted key");
    value.key = key.text;
    while (pos_ < tokens_.size() && current().line == line && error_.isEmpty()) {
      const Token& item = take();
      if (item.kind == TokenKind::Comma) continue;
      if (item.kind == TokenKind::String) {
        value.strings << item.text;
      } else if (const auto number = parseNumber(item.text)) {
        value.numbers.push_back(*number);
      } else {
        setError(item, "not a number");
      }
    }
    return value;
  }

  std::vector<std::uint32_t> numbersOnLine(int line) {
    std::vector<std::uint32_t> numbers;
    bool expectNumber = true;
    while (pos_ < tokens_.size() && current().line == line && error_.isEmpty()) {
      const Token& token = take();
      const auto number = parseNumber(token.text);
      if (expectNumber && number) {
        numbers.push_back(*number);
      } else if (expectNumber || token.kind != TokenKind::Comma) {
        setError(token, "malformed number list");
      }
      expectNumber = !expectNumber;
    }
    if (expectNumber && error_.isEmpty())
      error_ = QStringLiteral("line %1: dangling comma or no number").arg(line);
    return numbers;
  }

  const Token& current() const { return tokens_[std::min(pos_, tokens_.size() - 1)]; }

  const Token& take() {
    const Token& token = current();
    if (pos_ >= tokens_.size()) setError(token, "unexpected end of file");
    ++pos_;
    return token;
  }

  bool peekWord(QStringView word) const {
    return pos_ < tokens_.size() && tokens_[pos_].kind == TokenKind::Word &&
           tokens_[pos_].text == word;
  }

  void setError(const Token& at, const char* message) {
    if (error_.isEmpty()) {
      error_ = QStringLiteral("line %1 near '%2': %3").arg(at.line).arg(at.text, message);
    }
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  QString error_;
};

std::optional<RcScript> parseRc(const QString& source, QString* error) {
  auto tokens = Tokenizer(source).run(error);
  if (!tokens) return std::nullopt;
  if (tokens->empty()) {
    *error = QStringLiteral("empty script");
    return std::nullopt;
  }
  return Parser(std::move(*tokens)).run(error);
}

// ---------------------------------------------------------------------------------------------
// Lookups

const RcBlock* findBlock(const RcBlock& parent, const QString& name) {
  for (const RcBlock& block : parent.blocks) {
    if (block.name == name) return &block;
  }
  return nullptr;
}

std::vector<const RcValue*> findValues(const RcBlock& block, const QString& key) {
  std::vector<const RcValue*> found;
  for (const RcValue& value : block.values) {
    if (value.key == key) found.push_back(&value);
  }
  return found;
}

QStringList blockNames(const RcBlock& parent) {
  QStringList names;
  for (const RcBlock& block : parent.blocks) names << block.name;
  return names;
}

// "1.00" -> {1, 0}: the string versions must name the same release as the binary ones.
std::vector<std::uint32_t> majorMinor(const QString& version) {
  std::vector<std::uint32_t> numbers;
  for (const QString& part : version.split(u'.')) numbers.push_back(part.toUInt());
  return numbers;
}

using Numbers = std::vector<std::uint32_t>;

QString scriptPath() {
  return QDir(QString::fromUtf8(packaging_paths::sourceDir()))
      .filePath(QStringLiteral("windows/gavrento.rc"));
}

const QString kStringTableName = QStringLiteral("041004B0");

}  // namespace

Q_DECLARE_METATYPE(Numbers)

class RcTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void parserAcceptsRcSyntax_data();
  void parserAcceptsRcSyntax();
  void parserRejectsBrokenScripts_data();
  void parserRejectsBrokenScripts();
  void iconResource();
  void resourceLanguageIsItalian();
  void fixedInfo_data();
  void fixedInfo();
  void blockLayout();
  void stringValues_data();
  void stringValues();
  void everyStringValueIsExpected();
  void companyNameIsFilledIn();
  void versionStringsMatchNumbers_data();
  void versionStringsMatchNumbers();
  void translationMatchesStringTable();

 private:
  const RcBlock& stringTable() const;

  RcScript script_;
};

void RcTest::initTestCase() {
  QFile file(scriptPath());
  QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(scriptPath()));
  QString error;
  const auto script = parseRc(QString::fromUtf8(file.readAll()), &error);
  QVERIFY2(script.has_value(), qPrintable(error));
  script_ = *script;
}

// The parser is only useful if it reads what windres reads, so try it on small snippets first.
void RcTest::parserAcceptsRcSyntax_data() {
  QTest::addColumn<QString>("source");
  QTest::addColumn<QString>("expectedValue");
  QTest::addColumn<Numbers>("expectedVersion");

  const QString body = QStringLiteral(
      "1 VERSIONINFO\nFILEVERSION %1\nBEGIN BLOCK \"S\"\nBEGIN\nVALUE \"K\", %2\nEND\nEND\n");
  QTest::newRow("plain") << body.arg(u"1,2,3,4", u"\"v\"") << "v" << Numbers{1, 2, 3, 4};
  QTest::newRow("hex with suffix")
      << body.arg(u"0x1L, 0X2,3L ,4", u"\"v\"") << "v" << Numbers{1, 2, 3, 4};
  QTest::newRow("doubled quote") << body.arg(u"1,0,0,0", u"\"a\"\"b\"") << "a\"b"
                                 << Numbers{1, 0, 0, 0};
  QTest::newRow("comments") << "/* x\n y */ // z\n#include <winver.h>\n" +
                                   body.arg(u"1,0,0,0 // four", u"\"v\" /* c */")
                            << "v" << Numbers{1, 0, 0, 0};
  QTest::newRow("braces") << QStringLiteral(
                                 "1 VERSIONINFO\nFILEVERSION 5,6,7,8\n{ BLOCK \"S\" {\n"
                                 "VALUE \"K\", \"w\"\n} }\n")
                          << "w" << Numbers{5, 6, 7, 8};
}

void RcTest::parserAcceptsRcSyntax() {
  QFETCH(QString, source);
  QFETCH(QString, expectedValue);
  QFETCH(Numbers, expectedVersion);
  QString error;
  const auto script = parseRc(source, &error);
  QVERIFY2(script.has_value(), qPrintable(error));
  QVERIFY(script->fixedInfo.value(u"FILEVERSION"_s) == expectedVersion);
  const RcBlock* block = findBlock(script->versionRoot, u"S"_s);
  QVERIFY(block != nullptr);
  const auto values = findValues(*block, u"K"_s);
  QCOMPARE(values.size(), std::size_t{1});
  QCOMPARE(values.front()->strings, QStringList{expectedValue});
}

void RcTest::parserRejectsBrokenScripts_data() {
  QTest::addColumn<QString>("source");
  QTest::newRow("missing END") << QStringLiteral("1 VERSIONINFO\nBEGIN\nBLOCK \"S\"\nBEGIN\nEND\n");
  QTest::newRow("unterminated string")
      << QStringLiteral("1 VERSIONINFO\nBEGIN\nVALUE \"K, \"v\"\nEND\n");
  QTest::newRow("bad number") << QStringLiteral("1 VERSIONINFO\nFILEVERSION 1,x,0,0\nBEGIN\nEND\n");
  QTest::newRow("dangling comma") << QStringLiteral(
      "1 VERSIONINFO\nFILEVERSION 1,0,\nBEGIN\nEND\n");
  QTest::newRow("unknown statement") << QStringLiteral("1 BITMAP \"a.bmp\"\n");
  QTest::newRow("empty") << QString();
}

void RcTest::parserRejectsBrokenScripts() {
  QFETCH(QString, source);
  QString error;
  QVERIFY(!parseRc(source, &error).has_value());
  QVERIFY(!error.isEmpty());
}

void RcTest::iconResource() {
  QCOMPARE(script_.icons.size(), std::size_t{1});
  QCOMPARE(script_.icons.front().id, u"1"_s);
  QCOMPARE(script_.icons.front().file, u"gavrento.ico"_s);
  // windres looks the icon up next to the script.
  QVERIFY(QFileInfo(QFileInfo(scriptPath()).dir(), script_.icons.front().file).isFile());
}

void RcTest::resourceLanguageIsItalian() {
  QVERIFY((script_.language == Numbers{0x10, 0x1}));  // LANG_ITALIAN, SUBLANG_ITALIAN
}

void RcTest::fixedInfo_data() {
  QTest::addColumn<QString>("keyword");
  QTest::addColumn<Numbers>("expected");
  QTest::newRow("FILEVERSION") << "FILEVERSION" << Numbers{1, 0, 0, 0};
  QTest::newRow("PRODUCTVERSION") << "PRODUCTVERSION" << Numbers{1, 0, 0, 0};
  QTest::newRow("FILEOS is VOS__WINDOWS32") << "FILEOS" << Numbers{0x4};
  QTest::newRow("FILETYPE is VFT_APP") << "FILETYPE" << Numbers{0x1};
  QTest::newRow("FILEFLAGS marks a release build") << "FILEFLAGS" << Numbers{0x0};
}

void RcTest::fixedInfo() {
  QFETCH(QString, keyword);
  QFETCH(Numbers, expected);
  QCOMPARE(script_.versionInfoId, u"1"_s);
  QVERIFY2(script_.fixedInfo.contains(keyword), qPrintable(keyword + u" is missing"_s));
  QVERIFY(script_.fixedInfo.value(keyword) == expected);
}

void RcTest::blockLayout() {
  QCOMPARE(blockNames(script_.versionRoot), (QStringList{u"StringFileInfo"_s, u"VarFileInfo"_s}));
  QVERIFY(script_.versionRoot.values.empty());
  const RcBlock* strings = findBlock(script_.versionRoot, u"StringFileInfo"_s);
  QCOMPARE(blockNames(*strings), QStringList{kStringTableName});
}

const RcBlock& RcTest::stringTable() const {
  static const RcBlock empty;
  const RcBlock* strings = findBlock(script_.versionRoot, u"StringFileInfo"_s);
  const RcBlock* table = strings ? findBlock(*strings, kStringTableName) : nullptr;
  return table ? *table : empty;
}

void RcTest::stringValues_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("expected");
  QTest::newRow("FileDescription") << "FileDescription"
                                   << "Gavrento";
  QTest::newRow("FileVersion") << "FileVersion"
                               << "1.00";
  QTest::newRow("InternalName") << "InternalName"
                                << "Gavrento";
  QTest::newRow("OriginalFilename") << "OriginalFilename"
                                    << "Gavrento.exe";
  QTest::newRow("ProductName") << "ProductName"
                               << "Gavrento";
  QTest::newRow("ProductVersion") << "ProductVersion"
                                  << "1.00";
}

void RcTest::stringValues() {
  QFETCH(QString, key);
  QFETCH(QString, expected);
  const auto values = findValues(stringTable(), key);
  QVERIFY2(values.size() == 1, qPrintable(key + u" must appear exactly once"_s));
  QCOMPARE(values.front()->strings, QStringList{expected});
  QVERIFY(values.front()->numbers.empty());
}

void RcTest::everyStringValueIsExpected() {
  const QStringList known{u"CompanyName"_s,  u"FileDescription"_s, u"FileVersion"_s,
                          u"InternalName"_s, u"LegalCopyright"_s,  u"OriginalFilename"_s,
                          u"ProductName"_s,  u"ProductVersion"_s};
  QStringList seen;
  for (const RcValue& value : stringTable().values) {
    QVERIFY2(known.contains(value.key), qPrintable(value.key + u" is not a standard key"_s));
    QVERIFY2(!seen.contains(value.key), qPrintable(value.key + u" appears twice"_s));
    QVERIFY2(value.strings.size() == 1 && !value.strings.front().isEmpty(),
             qPrintable(value.key + u" needs one non-empty string"_s));
    seen << value.key;
  }
}

void RcTest::companyNameIsFilledIn() {
  const auto values = findValues(stringTable(), u"CompanyName"_s);
  QCOMPARE(values.size(), std::size_t{1});
  const QString company = values.front()->strings.value(0).trimmed();
  QVERIFY(company.size() >= 3);
  QVERIFY(!company.contains(u"TODO"_s, Qt::CaseInsensitive));
}

void RcTest::versionStringsMatchNumbers_data() {
  QTest::addColumn<QString>("stringKey");
  QTest::addColumn<QString>("fixedKeyword");
  QTest::newRow("file") << "FileVersion"
                        << "FILEVERSION";
  QTest::newRow("product") << "ProductVersion"
                           << "PRODUCTVERSION";
}

void RcTest::versionStringsMatchNumbers() {
  QFETCH(QString, stringKey);
  QFETCH(QString, fixedKeyword);
  const auto values = findValues(stringTable(), stringKey);
  QCOMPARE(values.size(), std::size_t{1});
  const Numbers fromString = majorMinor(values.front()->strings.value(0));
  const Numbers fixed = script_.fixedInfo.value(fixedKeyword);
  QVERIFY(fixed.size() == 4 && fromString.size() == 2);
  QVERIFY(std::equal(fromString.begin(), fromString.end(), fixed.begin()));
}

void RcTest::translationMatchesStringTable() {
  const RcBlock* varInfo = findBlock(script_.versionRoot, u"VarFileInfo"_s);
  QVERIFY(varInfo != nullptr);
  const auto translations = findValues(*varInfo, u"Translation"_s);
  QCOMPARE(translations.size(), std::size_t{1});
  QVERIFY((translations.front()->numbers == Numbers{0x410, 1200}));  // Italian, UTF-16
  // The string table's name is the same pair written as 4 + 4 hex digits.
  const Numbers fromName{kStringTableName.left(4).toUInt(nullptr, 16),
                         kStringTableName.mid(4).toUInt(nullptr, 16)};
  QVERIFY(translations.front()->numbers == fromName);
}

QTEST_GUILESS_MAIN(RcTest)
#include "test_rc.moc"
