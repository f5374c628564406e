#include "app/ProgressView.h"

#include "app/ExerciseThemes.h"
#include "app/RatingChart.h"
#include "app/TrainingDatabase.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

TProgressView::TProgressView(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgressView"));
    setWindowTitle(tr("Progresso nos exercícios"));
    auto* column = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ProgressSummary"));
    column->addWidget(summary_);
    chart_ = new TRatingChart(this);
    column->addWidget(chart_, 1);
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("ProgressByTheme"));
    table_->setHorizontalHeaderLabels({tr("Tema"), tr("Resolvidos"), tr("Não resolvidos")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setMinimumHeight(160);
    column->addWidget(table_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Fechar"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    column->addWidget(buttons);
    resize(480, 520);
}

void TProgressView::ShowRecord(const TTrainingDatabase& database)
{
    // From where everyone starts, then one point per rated attempt.
    std::vector<double> ratings{TGlickoRating{}.Rating};
    for (const TRatingPoint& point : database.RatingHistory())
        ratings.push_back(point.Rating.Rating);
    chart_->SetRatings(ratings);
    const TGlickoRating now = database.Rating();
    summary_->setText(tr("Pontuação: %1 (± %2) · tentativas: %3")
                          .arg(std::lround(now.Rating))
                          .arg(std::lround(now.Deviation))
                          .arg(database.AttemptCount()));

    std::vector<TThemeResults> themes = database.ResultsByTheme();
    // Most practised first; the person's own mistakes last.
    std::stable_sort(themes.begin(), themes.end(), [](const TThemeResults& a, const TThemeResults& b) {
        if (a.Theme.empty() != b.Theme.empty())
            return b.Theme.empty();
        return a.Solved + a.Failed > b.Solved + b.Failed;
    });
    table_->setRowCount(static_cast<int>(themes.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const TThemeResults& results = themes[static_cast<std::size_t>(row)];
        table_->setItem(row, 0, new QTableWidgetItem(ExerciseThemeName(results.Theme)));
        for (const auto& [column, count] : {std::pair{1, results.Solved}, std::pair{2, results.Failed}}) {
            auto* item = new QTableWidgetItem(QString::number(count));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
}
