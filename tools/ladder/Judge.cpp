// The ladder's judge: see Judge.h.
#include "Judge.h"

#include <algorithm>

int EvaluationLoss(int beforeCp, int afterCp)
{
    const int before = std::clamp(beforeCp, -JudgeCapCp, JudgeCapCp);
    const int after = -std::clamp(afterCp, -JudgeCapCp, JudgeCapCp);
    return before - after;
}

TMoveJudgement JudgeGame(TUciPlayer& judge, const std::vector<std::string>& moves, int openingPlies,
                         const std::string& go)
{
    TMoveJudgement judgement;
    std::vector<int> scores;
    std::string text;
    for (std::size_t ply = 0; ply <= moves.size(); ++ply) {
        if (static_cast<int>(ply) >= openingPlies) {
            int score = 0;
            if (judge.BestMove(text, go, 60000).empty() || !judge.LastScore(score)) {
                judgement.Error = "the judge gave no evaluation: " + judge.Error();
                return judgement;
            }
            scores.push_back(score);
        }
        if (ply < moves.size())
            text += (text.empty() ? "" : " ") + moves[ply];
    }
    for (std::size_t i = 0; i + 1 < scores.size(); ++i) {
        const int side = (openingPlies + static_cast<int>(i)) % 2;
        ++judgement.Moves[side];
        if (EvaluationLoss(scores[i], scores[i + 1]) >= BlunderCp)
            ++judgement.Blunders[side];
    }
    return judgement;
}
