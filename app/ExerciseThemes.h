// The exercises' theme keys ("fork", "mateIn2") in the interface language.
#pragma once

#include <QString>

#include <string>
#include <vector>

// The name of a theme key; the empty key stands for the person's own
// mistakes ("Meus erros"). An unknown key is shown as it is.
QString ExerciseThemeName(const std::string& key);
// The names of several keys, separated by commas.
QString ExerciseThemeNames(const std::vector<std::string>& keys);
