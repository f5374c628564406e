// The interface language: which locale gets which language, and that the
// installed translators make Qt's dialogs and the program's own texts speak
// it.
#include "app/Language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// Removes the translators a test installed, so the others see Portuguese.
void RemoveTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST(InterfaceLanguage, EnglishLocalesGetEnglishEverythingElsePortuguese)
{
    EXPECT_EQ(LanguageForLocale(QLocale(QStringLiteral("en_US"))), InterfaceLanguage::English);
    EXPECT_EQ(LanguageForLocale(QLocale(QStringLiteral("en_GB"))), InterfaceLanguage::English);
    EXPECT_EQ(LanguageForLocale(QLocale(QStringLiteral("pt_BR"))), InterfaceLanguage::Portuguese);
    EXPECT_EQ(LanguageForLocale(QLocale(QStringLiteral("pt_PT"))), InterfaceLanguage::Portuguese);
    EXPECT_EQ(LanguageForLocale(QLocale(QStringLiteral("de_DE"))), InterfaceLanguage::Portuguese);
    EXPECT_EQ(LanguageForLocale(QLocale::c()), InterfaceLanguage::Portuguese);
}

TEST(InterfaceLanguage, PortugueseTranslatesQtsOwnDialogs)
{
    ASSERT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    if (!InstallTranslators(*qApp, InterfaceLanguage::Portuguese)) {
        RemoveTranslators();
        GTEST_SKIP() << "Qt's Portuguese translation (qt6-translations-l10n) is not installed";
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("Salvar"));
    // The program's own texts stay as they are written.
    EXPECT_EQ(QCoreApplication::translate("TForm2", "&Partida"), QStringLiteral("&Partida"));
    RemoveTranslators();
}

TEST(InterfaceLanguage, EnglishTranslatesTheProgramsTexts)
{
    EXPECT_TRUE(InstallTranslators(*qApp, InterfaceLanguage::English));
    EXPECT_EQ(QCoreApplication::translate("TForm2", "&Partida"), QStringLiteral("&Game"));
    EXPECT_EQ(QCoreApplication::translate("TForm2", "&Opções"), QStringLiteral("&Options"));
    RemoveTranslators();
    EXPECT_EQ(QCoreApplication::translate("TForm2", "&Partida"), QStringLiteral("&Partida"));
}

} // namespace
