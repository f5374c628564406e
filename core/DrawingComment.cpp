#include "core/DrawingComment.h"

#include <algorithm>

namespace {

constexpr std::string_view ArrowCommand = "[%cal";
constexpr std::string_view CircleCommand = "[%csl";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool OnBoard(Square square)
{
    return Ord(square) >= 1 && Ord(square) <= 64;
}

// The next %cal or %csl command from `from`: where it begins, where its
// entries are and where it ends (past its "]").
struct CommandPlace {
    std::size_t Begin = 0;
    std::size_t End = 0;
    std::string_view Entries;
    bool Arrows = false;
};

std::optional<CommandPlace> NextCommand(std::string_view comment, std::size_t from)
{
    while (from < comment.size()) {
        const std::size_t arrows = comment.find(ArrowCommand, from);
        const std::size_t circles = comment.find(CircleCommand, from);
        const std::size_t begin = std::min(arrows, circles);
        if (begin == std::string_view::npos)
            return std::nullopt;
        const std::size_t entries = begin + ArrowCommand.size();
        // "[%call" is another command; the name ends at a blank or the "]".
        if (entries < comment.size() && !IsBlank(comment[entries]) && comment[entries] != ']') {
            from = begin + 1;
            continue;
        }
        const std::size_t close = comment.find(']', entries);
        if (close == std::string_view::npos)
            return std::nullopt;
        return CommandPlace{begin, close + 1, comment.substr(entries, close - entries), begin == arrows};
    }
    return std::nullopt;
}

// The entries of a command: separated by commas and blanks.
template <typename Visit>
void ForEachEntry(std::string_view entries, Visit visit)
{
    std::size_t i = 0;
    while (i < entries.size()) {
        while (i < entries.size() && (entries[i] == ',' || IsBlank(entries[i])))
            ++i;
        std::size_t end = i;
        while (end < entries.size() && entries[end] != ',' && !IsBlank(entries[end]))
            ++end;
        if (end > i)
            visit(entries.substr(i, end - i));
        i = end;
    }
}

Square EntrySquare(std::string_view entry, std::size_t at)
{
    return SquareFromName(entry[at], entry[at + 1]);
}

std::string Joined(std::string_view before, std::string_view after)
{
    std::string text(before);
    if (!after.empty() && IsBlank(after.front()))
        after.remove_prefix(1);
    else if (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    text += after;
    return text;
}

} // namespace

char DrawColourLetter(DrawColour colour)
{
    switch (colour) {
    case DrawColour::Green: return 'G';
    case DrawColour::Red: return 'R';
    case DrawColour::Blue: return 'B';
    case DrawColour::Yellow: return 'Y';
    }
    return 'G';
}

std::optional<DrawColour> DrawColourFromLetter(char letter)
{
    switch (letter) {
    case 'G':
    case 'g': return DrawColour::Green;
    case 'R':
    case 'r': return DrawColour::Red;
    case 'B':
    case 'b': return DrawColour::Blue;
    case 'Y':
    case 'y': return DrawColour::Yellow;
    default: return std::nullopt;
    }
}

void BoardDrawing::Toggle(const DrawnArrow& arrow)
{
    if (!OnBoard(arrow.From) || !OnBoard(arrow.To) || arrow.From == arrow.To)
        return;
    const auto same = std::find_if(Arrows.begin(), Arrows.end(), [&](const DrawnArrow& drawn) {
        return drawn.From == arrow.From && drawn.To == arrow.To;
    });
    if (same == Arrows.end())
        Arrows.push_back(arrow);
    else if (same->Colour == arrow.Colour)
        Arrows.erase(same);
    else
        same->Colour = arrow.Colour;
}

void BoardDrawing::Toggle(const DrawnCircle& circle)
{
    if (!OnBoard(circle.At))
        return;
    const auto same =
        std::find_if(Circles.begin(), Circles.end(), [&](const DrawnCircle& drawn) { return drawn.At == circle.At; });
    if (same == Circles.end())
        Circles.push_back(circle);
    else if (same->Colour == circle.Colour)
        Circles.erase(same);
    else
        same->Colour = circle.Colour;
}

BoardDrawing CommentDrawing(std::string_view comment)
{
    BoardDrawing drawing;
    std::size_t from = 0;
    while (const std::optional<CommandPlace> place = NextCommand(comment, from)) {
        from = place->End;
        ForEachEntry(place->Entries, [&](std::string_view entry) {
            const std::optional<DrawColour> colour = entry.empty() ? std::nullopt : DrawColourFromLetter(entry[0]);
            if (!colour)
                return;
            if (place->Arrows) {
                if (entry.size() != 5)
                    return;
                const DrawnArrow arrow{EntrySquare(entry, 1), EntrySquare(entry, 3), *colour};
                if (!OnBoard(arrow.From) || !OnBoard(arrow.To) || arrow.From == arrow.To)
                    return;
                std::erase_if(drawing.Arrows,
                              [&](const DrawnArrow& a) { return a.From == arrow.From && a.To == arrow.To; });
                drawing.Arrows.push_back(arrow);
            } else {
                if (entry.size() != 3)
                    return;
                const DrawnCircle circle{EntrySquare(entry, 1), *colour};
                if (!OnBoard(circle.At))
                    return;
                std::erase_if(drawing.Circles, [&](const DrawnCircle& c) { return c.At == circle.At; });
                drawing.Circles.push_back(circle);
            }
        });
    }
    return drawing;
}

std::string WithoutCommentDrawing(std::string_view comment)
{
    std::string text(comment);
    while (const std::optional<CommandPlace> place = NextCommand(text, 0))
        text = Joined(std::string_view(text).substr(0, place->Begin), std::string_view(text).substr(place->End));
    return text;
}

std::string WithCommentDrawing(std::string_view comment, const BoardDrawing& drawing)
{
    const std::string rest = WithoutCommentDrawing(comment);
    std::string commands;
    if (!drawing.Circles.empty()) {
        commands += CircleCommand;
        char separator = ' ';
        for (const DrawnCircle& circle : drawing.Circles) {
            commands += separator;
            commands += DrawColourLetter(circle.Colour);
            commands += LowerSquareName(circle.At);
            separator = ',';
        }
        commands += ']';
    }
    if (!drawing.Arrows.empty()) {
        if (!commands.empty())
            commands += ' ';
        commands += ArrowCommand;
        char separator = ' ';
        for (const DrawnArrow& arrow : drawing.Arrows) {
            commands += separator;
            commands += DrawColourLetter(arrow.Colour);
            commands += LowerSquareName(arrow.From);
            commands += LowerSquareName(arrow.To);
            separator = ',';
        }
        commands += ']';
    }
    if (commands.empty())
        return rest;
    if (std::all_of(rest.begin(), rest.end(), IsBlank))
        return commands;
    return commands + ' ' + rest;
}
