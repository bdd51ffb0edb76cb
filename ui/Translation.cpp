#include "ui/Translation.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <vector>

#include "net/IniFile.h"
#include "ui/MoveSound.h"

namespace tamsok {

namespace {

constexpr const char* kContext = "tamsok";
// How deep the parts of a composed text are looked into: "[.]" + a move's status text, whose
// parts are names, is two levels.
constexpr int kMaxDepth = 3;
// No text composed from a form is longer; a longer one (a text received from a peer) is not
// searched for forms, which would take time that grows with the square of its length.
constexpr qsizetype kMaxComposedLength = 400;

// The marked texts with printf conversions, as the translation file lists them (generated from
// it by the build).
constexpr const char* kPrintfForms[] = {
#include "TextForms.inc"
    nullptr};

constexpr std::string_view kLanguageNames[] = {"System", "English", "Korean"};

// A printf conversion: "%%", or "%" with flags, width, precision and length before its letter
// (captured). Qt's "%1" is none.
const QRegularExpression& Conversion() {
  static const QRegularExpression re(
      QStringLiteral("%(?:%|[-+ #0]*\\d*(?:\\.\\d+)?(?:hh|h|ll|l|z|j|t)?([diuxXsc]))"));
  return re;
}

bool IsStringConversion(const QRegularExpressionMatch& m) {
  return m.captured(1) == u's' || m.captured(1) == u'c';
}

// A marked printf form: what its English texts look like, and its translation.
struct Form {
  QRegularExpression pattern;  // one capture per conversion
  QString translated;
  qsizetype literalLength = 0;  // the more fixed text, the more particular the form
};

Form MakeForm(const QString& source, QString translated) {
  Form form;
  form.translated = std::move(translated);
  QString pattern;
  qsizetype at = 0;
  for (auto it = Conversion().globalMatch(source); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString fixed = source.mid(at, m.capturedStart() - at);
    pattern += QRegularExpression::escape(fixed);
    form.literalLength += fixed.size();
    if (m.capturedLength(1) == 0) {
      pattern += u'%';
      ++form.literalLength;
    } else {
      pattern += IsStringConversion(m) ? QStringLiteral("(.*?)") : QStringLiteral("( *[-+]?\\d+)");
    }
    at = m.capturedEnd();
  }
  pattern += QRegularExpression::escape(source.mid(at));
  form.literalLength += source.size() - at;
  form.pattern.setPattern(QRegularExpression::anchoredPattern(pattern));
  form.pattern.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
  return form;
}

struct Translations {
  std::unique_ptr<QTranslator> ours, qt;
  std::vector<Form> forms;
  // The texts translated lately: the move history and the clocks show the same ones again
  // and again. Emptied when full.
  QHash<QString, QString> recent;
};
constexpr qsizetype kRecentTexts = 4096;

Translations& Current() {
  static Translations translations;
  return translations;
}

bool Load(QTranslator& translator, Language language, const QString& dir) {
  switch (language) {
    case Language::English:
      return false;
    case Language::Korean:
      return translator.load(QLocale(QLocale::Korean), QStringLiteral("tamsok"),
                             QStringLiteral("_"), dir);
    case Language::System:
      return translator.load(QLocale::system(), QStringLiteral("tamsok"), QStringLiteral("_"), dir);
  }
  return false;
}

QString Translate(const QString& text, int depth);

// The translated form with the parts of `parts` in its conversions, in order.
QString Fill(const QString& form, const QRegularExpressionMatch& parts, int depth) {
  QString out;
  qsizetype at = 0;
  int next = 1;
  for (auto it = Conversion().globalMatch(form); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += form.mid(at, m.capturedStart() - at);
    if (m.capturedLength(1) == 0) {
      out += u'%';
    } else if (next <= parts.lastCapturedIndex()) {
      const QString part = parts.captured(next++);
      out += IsStringConversion(m) ? Translate(part, depth) : part;
    } else {
      out += m.captured();  // a translation with more conversions than its form: as written
    }
    at = m.capturedEnd();
  }
  return out + form.mid(at);
}

QString Translate(const QString& text, int depth) {
  const Translations& now = Current();
  if (!now.ours || text.isEmpty()) return text;
  const QByteArray utf8 = text.toUtf8();
  const QString exact = now.ours->translate(kContext, utf8.constData());
  if (!exact.isEmpty()) return exact;
  if (depth > 0 && text.size() <= kMaxComposedLength) {
    for (const Form& form : now.forms) {
      const QRegularExpressionMatch m = form.pattern.match(text);
      if (m.hasMatch()) return Fill(form.translated, m, depth - 1);
    }
  }
  return text;
}

}  // namespace

Language ChosenLanguage(const std::filesystem::path& iniPath) {
  const std::optional<std::string> name =
      IniFile(iniPath).ReadValue(kInterfaceSection, kLanguageKey);
  for (std::size_t i = 0; name && i < std::size(kLanguageNames); ++i)
    if (*name == kLanguageNames[i]) return static_cast<Language>(i);
  return Language::System;
}

bool RememberLanguage(const std::filesystem::path& iniPath, Language language) {
  std::error_code ignored;
  std::filesystem::create_directories(iniPath.parent_path(), ignored);
  return IniFile(iniPath).WriteKey(kInterfaceSection, kLanguageKey,
                                   kLanguageNames[static_cast<std::size_t>(language)]);
}

QString TranslationsDir(const QString& programDir) {
  return FindShippedFile(programDir, QStringLiteral("translations"),
                         QStringLiteral(TAMSOK_DATA_FROM_BIN));
}

bool UseLanguage(Language language, const QString& translationsDir) {
  Translations& now = Current();
  for (QTranslator* t : {now.ours.get(), now.qt.get()})
    if (t) QCoreApplication::removeTranslator(t);
  now = Translations();

  auto ours = std::make_unique<QTranslator>();
  if (!Load(*ours, language, translationsDir)) return false;
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QLocale(ours->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    now.qt = std::move(qt);
  }
  QCoreApplication::installTranslator(ours.get());

  for (const char* const* f = kPrintfForms; *f; ++f) {
    const QString translated = ours->translate(kContext, *f);
    if (!translated.isEmpty()) now.forms.push_back(MakeForm(QString::fromUtf8(*f), translated));
  }
  std::stable_sort(now.forms.begin(), now.forms.end(),
                   [](const Form& a, const Form& b) { return a.literalLength > b.literalLength; });
  now.ours = std::move(ours);
  return true;
}

QString Tr(std::string_view text) {
  const QString source = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  Translations& now = Current();
  if (!now.ours) return source;
  if (const auto known = now.recent.constFind(source); known != now.recent.constEnd())
    return *known;
  if (now.recent.size() >= kRecentTexts) now.recent.clear();
  return now.recent[source] = Translate(source, kMaxDepth);
}

QString TrIn(Language language, const char* text, const QString& translationsDir) {
  QTranslator translator;
  if (Load(translator, language, translationsDir)) {
    const QString translated = translator.translate(kContext, text);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(text);
}

}  // namespace tamsok
