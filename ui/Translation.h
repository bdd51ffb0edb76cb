// The language of the interface. The program's texts are written in English everywhere; the
// windows show them translated at the one point where a text reaches a widget, through Tr().
// What is sent to a peer, and what the chat window's receive list shows of the network, is
// never translated.
//
// The translations are Qt's .qm files, made from ui/translations/*.ts by the build; they lie in
// "translations/" beside the program, or in the installed data folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include <QString>

namespace tamsok {

// System follows the system's locale: a language with a translation shows in it, any other
// in English.
enum class Language : std::uint8_t { System, English, Korean };

// Where the settings file keeps the choice: "[Interface]", "Language=Korean".
inline constexpr std::string_view kInterfaceSection = "Interface";
inline constexpr std::string_view kLanguageKey = "Language";

// The language chosen in the settings file at `iniPath`; System when none is.
Language ChosenLanguage(const std::filesystem::path& iniPath);
// Keeps `language` in the settings file, leaving every other line as it is; false when the
// file could not be written.
bool RememberLanguage(const std::filesystem::path& iniPath, Language language);

// The folder of the translations for a program in `programDir`.
QString TranslationsDir(const QString& programDir);

// From now on Tr() and Qt's own texts (the buttons of message boxes, the file dialogs) show in
// `language`, read from `translationsDir`; English, and a language without a translation there,
// show the texts as they are written. Returns whether the texts are translated.
bool UseLanguage(Language language, const QString& translationsDir);

// `text` as the user reads it. A marked text (see rules/TextMark.h) is its translation. A text
// composed from a marked printf form, such as "Not %s Turn" or "Connected to: %s", is the
// translated form filled with the same parts, the parts that are marked texts translated in
// turn. Anything else, and every text while the interface is in English, is the text itself.
QString Tr(std::string_view text);

// `text` translated into `language` without changing the interface's language.
QString TrIn(Language language, const char* text, const QString& translationsDir);

}  // namespace tamsok
