// Reaches up into the widget layer.
#include "board/ChessBoard.h"
