// The types of the board's view: the border sides that carry coordinates,
// the drag states and the handler types of the mouse and drag events, and
// the Qt classes the view's properties are made of.
#pragma once

#include "board/PieceSet.h"
#include "platform/DragImage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

#include <cstdint>
#include <functional>
#include <initializer_list>

// Border sides: West and East carry rank numbers, North and South file
// letters. Ordinals 0 to 3.
enum class DisplayCoords : std::uint8_t { West, North, East, South };

// A set of DisplayCoords in one byte: West = 1, North = 2, East = 4, South = 8.
class CoordSet {
public:
    constexpr explicit CoordSet(std::uint8_t bits = 0) : bits_(bits & 0x0F) {}
    constexpr CoordSet(std::initializer_list<DisplayCoords> members)
    {
        for (DisplayCoords m : members)
            Include(m);
    }
    static constexpr CoordSet All() { return CoordSet(0x0F); }

    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Contains(DisplayCoords c) const { return (bits_ & Bit(c)) != 0; }
    constexpr void Include(DisplayCoords c) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(c)); }
    constexpr void Exclude(DisplayCoords c) { bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(c)); }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr bool operator==(CoordSet a, CoordSet b) { return a.bits_ == b.bits_; }

private:
    static constexpr std::uint8_t Bit(DisplayCoords c) { return static_cast<std::uint8_t>(1u << static_cast<int>(c)); }
    std::uint8_t bits_ = 0;
};

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
