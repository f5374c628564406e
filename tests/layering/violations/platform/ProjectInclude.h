// The platform layer includes nothing of the project.
#include "core/Square.h"
