// "Progresso": the person's exercise rating over time (TRatingChart) and
// the exercises solved and failed by theme, read from the training record.
#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;
class TRatingChart;
class TTrainingDatabase;

class TProgressView : public QDialog {
    Q_OBJECT

public:
    explicit TProgressView(QWidget* parent = nullptr);

    // Reads the record anew (a database that is not open shows nothing).
    void ShowRecord(const TTrainingDatabase& database);

    TRatingChart* Chart() const { return chart_; }
    QTableWidget* ThemeTable() const { return table_; }
    QLabel* Summary() const { return summary_; }

private:
    TRatingChart* chart_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
};
