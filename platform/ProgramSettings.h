// Where the program keeps what a person chose: one QSettings store, the
// same for every window and part.
#pragma once

#include <QSettings>
#include <QString>

inline QString ProgramSettingsOrganisation()
{
    return QStringLiteral("Kestravin");
}

inline QString ProgramSettingsApplication()
{
    return QStringLiteral("Kestravin 2005");
}

inline QSettings ProgramSettings()
{
    return QSettings(ProgramSettingsOrganisation(), ProgramSettingsApplication());
}
