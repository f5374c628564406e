// "Opções › Idioma": the interface language, chosen for the next start.
#include "app/Application.h"
#include "app/Language.h"
#include "app/Unit2.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void TForm2::CreateLanguageMenu()
{
    Idioma1 = Opcoes1->addMenu(tr("Idioma"));
    Idioma1->setObjectName(QStringLiteral("Idioma1"));
    auto* group = new QActionGroup(this);
    const InterfaceLanguage current = ChosenLanguage();
    // Each language is named in its own words, so that it can be found
    // whatever the language shown.
    const std::pair<InterfaceLanguage, QString> languages[] = {
        {InterfaceLanguage::Portuguese, QStringLiteral("Português (Brasil)")},
        {InterfaceLanguage::English, QStringLiteral("English")},
    };
    for (const auto& [language, name] : languages) {
        QAction* action = Idioma1->addAction(name);
        action->setObjectName(QStringLiteral("Idioma_") + LanguageCode(language));
        action->setCheckable(true);
        action->setChecked(language == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [language = language] {
            if (language == ChosenLanguage())
                return;
            StoreLanguage(language);
            ShowMessage(tr("O idioma escolhido vale a partir da próxima vez que o programa for aberto."));
        });
    }
}
