// Where the tests find the repository's files (resources, fixtures).
#pragma once
#include <cstdlib>
#include <string>

inline std::string SourceDir()
{
    const char* dir = std::getenv("KESTRAVIN_SOURCE_DIR");
    return dir ? dir : ".";
}
