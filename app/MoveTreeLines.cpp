// The move list's lines for a game with variations (see MoveTreeLines.h).
#include "app/MoveTreeLines.h"

#include "core/MoveExecution.h"
#include "core/San.h"

namespace {

std::vector<ChessMove> MovesOf(const std::vector<GameMove>& moves)
{
    std::vector<ChessMove> line;
    line.reserve(moves.size());
    for (const GameMove& move : moves)
        line.push_back(move.Move);
    return line;
}

QString MainText(const GameState& state, const ChessMove& move, bool algebraic)
{
    const QString text = algebraic ? QString::fromStdString(MoveToSan(state, move, PortugueseLetters))
                                   : QString::fromStdString(SquareName(move.From) + "-" + SquareName(move.To));
    return state.WhiteToMove ? QString::number(state.CurrentMove) + QStringLiteral(". ") + text
                             : QString(14, QLatin1Char(' ')) + text;
}

class Builder {
public:
    Builder(std::vector<MoveTreeLine>& out) : out_(out) {}

    // The variations of the move played from `state`, whose line so far is
    // `before` (the moves up to that one).
    void AddVariations(const GameMove& move, const GameState& state, const std::vector<ChessMove>& before, int depth)
    {
        for (const GameVariation& variation : move.Variations) {
            if (variation.Moves.empty())
                continue;
            std::vector<ChessMove> line = before;
            const std::vector<ChessMove> own = MovesOf(variation.Moves);
            line.insert(line.end(), own.begin(), own.end());
            GameState position = state;
            for (std::size_t j = 0; j < variation.Moves.size(); ++j) {
                const GameMove& played = variation.Moves[j];
                MoveTreeLine row;
                row.MainLine = false;
                row.Line = line;
                row.Ply = before.size() + j + 1;
                const QString number = QString::number(position.CurrentMove) +
                    (position.WhiteToMove ? QStringLiteral(". ") : QStringLiteral("... "));
                row.Text = QString(2 * depth, QLatin1Char(' ')) + (j == 0 ? QStringLiteral("(") : QStringLiteral(" ")) +
                    number + QString::fromStdString(MoveToSan(position, played.Move, PortugueseLetters));
                out_.push_back(std::move(row));
                const std::vector<ChessMove> upTo(line.begin(),
                                                  line.begin() + static_cast<std::ptrdiff_t>(before.size() + j));
                AddVariations(played, position, upTo, depth + 1);
                position = PositionAfter(position, played.Move);
            }
            out_.back().Text += QLatin1Char(')');
        }
    }

private:
    std::vector<MoveTreeLine>& out_;
};

} // namespace

bool HasVariations(const Game& game)
{
    for (const GameMove& move : game.Moves())
        if (!move.Variations.empty())
            return true;
    return false;
}

bool FollowsTree(const Game& game, const std::vector<ChessMove>& line, bool* leavesMainLine)
{
    const std::vector<GameMove>* moves = &game.Moves();
    std::size_t at = 0;
    bool left = false;
    for (const ChessMove& move : line) {
        if (at >= moves->size())
            return false;
        if ((*moves)[at].Move == move) {
            ++at;
            continue;
        }
        const std::vector<GameMove>* into = nullptr;
        for (const GameVariation& variation : (*moves)[at].Variations)
            if (!variation.Moves.empty() && variation.Moves.front().Move == move)
                into = &variation.Moves;
        if (into == nullptr)
            return false;
        moves = into;
        at = 1;
        left = true;
    }
    if (leavesMainLine != nullptr)
        *leavesMainLine = left;
    return true;
}

std::vector<MoveTreeLine> MoveTreeLines(const Game& game, bool algebraic)
{
    std::vector<MoveTreeLine> lines;
    const std::vector<ChessMove> main = MovesOf(game.Moves());
    GameState state = game.StartState();
    if (!state.WhiteToMove && !main.empty())
        lines.push_back({QString::number(state.CurrentMove) + QStringLiteral(". ..."), main, 0, true});
    Builder builder(lines);
    for (std::size_t i = 0; i < main.size(); ++i) {
        lines.push_back({MainText(state, main[i], algebraic), main, i + 1, true});
        builder.AddVariations(game.Moves()[i], state,
                              std::vector<ChessMove>(main.begin(), main.begin() + static_cast<std::ptrdiff_t>(i)), 1);
        state = PositionAfter(state, main[i]);
    }
    return lines;
}

QStringList TextOf(const std::vector<MoveTreeLine>& lines)
{
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const MoveTreeLine& line : lines)
        text.append(line.Text);
    return text;
}
