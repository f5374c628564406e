// Choosing and installing the interface language.
#include "app/Language.h"

#include "platform/DataPaths.h"
#include "platform/ProgramSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace {

const char* const LanguageKey = "interface/language";

} // namespace

QString LanguageCode(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? QStringLiteral("en") : QStringLiteral("pt_BR");
}

InterfaceLanguage LanguageForLocale(const QLocale& locale)
{
    return locale.language() == QLocale::English ? InterfaceLanguage::English : InterfaceLanguage::Portuguese;
}

InterfaceLanguage ChosenLanguage()
{
    const QString stored = ProgramSettings().value(QLatin1String(LanguageKey)).toString();
    if (stored == LanguageCode(InterfaceLanguage::English))
        return InterfaceLanguage::English;
    if (stored == LanguageCode(InterfaceLanguage::Portuguese))
        return InterfaceLanguage::Portuguese;
    return LanguageForLocale(QLocale::system());
}

void StoreLanguage(InterfaceLanguage language)
{
    QSettings settings = ProgramSettings();
    settings.setValue(QLatin1String(LanguageKey), LanguageCode(language));
}

bool InstallTranslators(QCoreApplication& application, InterfaceLanguage language)
{
    bool complete = true;
    // Qt's dialogs speak the interface language too.
    auto* qtTranslator = new QTranslator(&application);
    if (qtTranslator->load(QStringLiteral("qtbase_") + LanguageCode(language),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    else
        complete = false;
    if (language == InterfaceLanguage::English) {
        auto* own = new QTranslator(&application);
        if (own->load(QStringLiteral(":/i18n/kestravin_en.qm")))
            QCoreApplication::installTranslator(own);
        else
            complete = false;
    }
    return complete;
}

InterfaceLanguage ShownLanguage()
{
    // Each translation names its own language here.
    const QString code =
        QCoreApplication::translate("InterfaceLanguage", "pt_BR", "the code of this translation's language");
    return code == LanguageCode(InterfaceLanguage::English) ? InterfaceLanguage::English
                                                            : InterfaceLanguage::Portuguese;
}

namespace {

// "DOC/JOGO.html" -> "DOC/JOGO_en.html".
QString TranslatedName(const QString& name, InterfaceLanguage language)
{
    const QFileInfo info(name);
    const QString folder = info.path() == QLatin1String(".") ? QString() : info.path() + QLatin1Char('/');
    return folder + info.completeBaseName() + QLatin1Char('_') + LanguageCode(language) + QLatin1Char('.') +
        info.suffix();
}

} // namespace

QString HelpDocumentInShownLanguage(const QString& relativeName)
{
    if (ShownLanguage() == InterfaceLanguage::Portuguese)
        return relativeName;
    const QString translated = TranslatedName(relativeName, ShownLanguage());
    return FindHelpDocument(translated).isEmpty() ? relativeName : translated;
}

QString PictureInShownLanguage(const QString& resource)
{
    if (ShownLanguage() == InterfaceLanguage::Portuguese)
        return resource;
    const QString translated = TranslatedName(resource, ShownLanguage());
    return QFile::exists(translated) ? translated : resource;
}
