// The types of the board's view: the border sides that carry coordinates,
// the drag states and the handler types of the mouse and drag events, and
// the Qt classes the view's properties are made of.
#pragma once

#include "board/PieceSet.h"
#include "core/FlagSet.h"
#include "platform/DragImage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

#include <cstdint>
#include <functional>

// Border sides: West and East carry rank numbers, North and South file
// letters. Ordinals 0 to 3.
enum class DisplayCoords : std::uint8_t { West, North, East, South };

// West = 1, North = 2, East = 4, South = 8.
using CoordSet = FlagSet<DisplayCoords, 4>;

// Where the pointer is in a drag, as DragOver is told.
enum class TDragState : std::uint8_t { DragEnter, DragLeave, DragMove };

// Mouse and drag event handlers (the board is Sender and drag Source).
using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Buttons,
                                       Qt::KeyboardModifiers Shift, int X, int Y)>;
using TMouseMoveEvent =
    std::function<void(QObject* Sender, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)>;
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;
