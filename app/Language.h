// The interface language. Portuguese (Brazil) is the program's own language
// and the source of every text; English is a translation. The language
// follows the system locale (English for "en*", Portuguese for everything
// else) until the user chooses one in "Opções › Idioma"; the choice is kept
// in the settings and takes effect at the next start, when the translators
// are installed, before any window exists.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

enum class InterfaceLanguage { Portuguese, English };

// "pt_BR" or "en": the settings' value and the translation files' suffix.
QString LanguageCode(InterfaceLanguage language);
// The language a locale gets: English for English locales, else Portuguese.
InterfaceLanguage LanguageForLocale(const QLocale& locale);
// The stored choice, or the system locale's language when there is none.
InterfaceLanguage ChosenLanguage();
// Stores the user's choice for the next start.
void StoreLanguage(InterfaceLanguage language);

// Installs Qt's own translation for the language (its dialogs and buttons:
// "Salvar como", "Cancelar", ...) and, for English, the program's
// translation. Returns false when one of them could not be loaded (the
// program then speaks Portuguese or Qt's English, and goes on).
bool InstallTranslators(QCoreApplication& application, InterfaceLanguage language);

// The language the installed translators speak (Portuguese when none is
// installed); unlike ChosenLanguage() it does not change when the user picks
// another language for the next start.
InterfaceLanguage ShownLanguage();
// A help document ("DOC/JOGO.html") in the language shown: with English, its
// English version ("DOC/JOGO_en.html") when that is installed, else the
// Portuguese one; with Portuguese, the name as given.
QString HelpDocumentInShownLanguage(const QString& relativeName);
// A picture with words in it (":/pictures/title.jpg") in the language shown:
// with English, its English version (":/pictures/title_en.jpg") when the
// program has one, else the picture as named.
QString PictureInShownLanguage(const QString& resource);
