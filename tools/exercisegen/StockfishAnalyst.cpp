// The finder's engine over UCI (see StockfishAnalyst.h).
#include "StockfishAnalyst.h"

#include "enginehelp/UciInfo.h"

#include <map>

namespace {

constexpr int SearchTimeoutMs = 120000;

} // namespace

TStockfishAnalyst::TStockfishAnalyst(const QString& program, int hashMb)
{
    TPlayerSpec spec;
    spec.Name = "analyst";
    spec.Program = program;
    spec.Options = {{"Threads", "1"}, {"Hash", std::to_string(hashMb)}, {"MultiPV", "1"}, {"Skill Level", "20"}};
    player_ = std::make_unique<TUciPlayer>(spec);
}

bool TStockfishAnalyst::Start(std::string& error)
{
    if (player_->Start())
        return true;
    error = player_->Error();
    return false;
}

TAnalysis TStockfishAnalyst::Analyse(const std::string& fen, int lines, int depth)
{
    if (skill_ != 20 && player_->SetOption("Skill Level", "20"))
        skill_ = 20;
    if (lines != multiPv_ && player_->SetOption("MultiPV", std::to_string(lines)))
        multiPv_ = lines;
    std::vector<std::string> infoLines;
    const std::string best =
        player_->Search("position fen " + fen, "depth " + std::to_string(depth), SearchTimeoutMs, &infoLines);
    if (best.empty() || best == "(none)" || best == "0000")
        return {};
    return AnalysisFromInfoLines(infoLines, lines);
}

std::string TStockfishAnalyst::PlayMove(const std::string& fen, int skill, int moveTimeMs)
{
    if (multiPv_ != 1 && player_->SetOption("MultiPV", "1"))
        multiPv_ = 1;
    if (skill != skill_ && player_->SetOption("Skill Level", std::to_string(skill)))
        skill_ = skill;
    const std::string move =
        player_->Search("position fen " + fen, "movetime " + std::to_string(moveTimeMs), SearchTimeoutMs);
    return move == "(none)" || move == "0000" ? std::string() : move;
}

TAnalysis AnalysisFromInfoLines(const std::vector<std::string>& infoLines, int lines)
{
    // The last complete line of each rank, and the first move at each depth.
    std::map<int, TPvLine> byRank;
    std::map<int, std::string> firstMoveAtDepth;
    for (const std::string& text : infoLines) {
        TUciInfo info;
        const QString line = QString::fromStdString(text);
        if (!ParseUciInfo(line, info) || !info.HasScore || info.Bound || info.Pv.isEmpty() || info.MultiPv < 1 ||
            info.MultiPv > lines)
            continue;
        TPvLine pv;
        for (const QString& move : info.Pv)
            pv.Pv.push_back(move.toStdString());
        if (info.Mate)
            pv.MateIn = info.Score;
        else
            pv.ScoreCp = info.Score;
        if (info.Mate && info.Score == 0)
            continue;
        if (info.MultiPv == 1 && info.Depth >= 0)
            firstMoveAtDepth[info.Depth] = pv.Pv.front();
        byRank[info.MultiPv] = std::move(pv);
    }
    TAnalysis analysis;
    for (int rank = 1; rank <= lines; ++rank) {
        const auto found = byRank.find(rank);
        if (found == byRank.end())
            break;
        analysis.Lines.push_back(found->second);
    }
    if (analysis.Lines.empty())
        return analysis;
    const std::string& best = analysis.Lines.front().Pv.front();
    analysis.FoundAtDepth = 1;
    for (const auto& [depth, move] : firstMoveAtDepth)
        if (move != best)
            analysis.FoundAtDepth = depth + 1;
    return analysis;
}
