// Priority scale of the search thread, shared by the board (which stores the
// chosen priority) and the platform thread class (which applies it).
#pragma once

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
