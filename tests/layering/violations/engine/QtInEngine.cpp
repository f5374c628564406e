// The engine must stay free of Qt.
#include <QString>
