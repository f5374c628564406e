// kestravin-uci: the Kestravin 2005 engine as a UCI engine, for chess GUIs
// and for matches against other engines.
#include "UciSession.h"

#include <iostream>

int main()
{
    std::ios::sync_with_stdio(false);
    TUciSession session(std::cin, std::cout);
    session.Run();
    return 0;
}
