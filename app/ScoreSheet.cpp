// The score sheet (see ScoreSheet.h).
#include "app/ScoreSheet.h"

#include "app/EvaluationGraph.h"
#include "app/GameEnding.h"
#include "core/MoveList.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <stdexcept>

namespace {

QString TagText(const Game& game, std::string_view name)
{
    const std::optional<std::string> value = game.Tag(name);
    if (!value || value->empty() || *value == "?" || value->find_first_not_of("?.") == std::string::npos)
        return QString();
    return QString::fromStdString(*value);
}

QString PlayerText(const Game& game, bool white)
{
    QString name = TagText(game, white ? "White" : "Black");
    const std::optional<PlayerType> type = game.Player(white);
    const QString kind = !type         ? QString()
        : *type == PlayerType::Program ? QCoreApplication::translate("ScoreSheet", "computador")
                                       : QCoreApplication::translate("ScoreSheet", "humano");
    if (name.isEmpty())
        return kind.isEmpty() ? QStringLiteral("?") : kind.at(0).toUpper() + kind.mid(1);
    return kind.isEmpty() ? name : name + QStringLiteral(" (") + kind + QLatin1Char(')');
}

QString LevelText(int level)
{
    switch (level) {
    case 1: return QCoreApplication::translate("ScoreSheet", "Super Fácil");
    case 2: return QCoreApplication::translate("ScoreSheet", "Fácil");
    case 3: return QCoreApplication::translate("ScoreSheet", "Médio");
    case 4: return QCoreApplication::translate("ScoreSheet", "Difícil");
    case 5: return QCoreApplication::translate("ScoreSheet", "Super Difícil");
    default: return QString();
    }
}

QString ResultText(const std::string& result)
{
    if (result == "1-0")
        return QCoreApplication::translate("ScoreSheet", "1-0 (vitória das Brancas)");
    if (result == "0-1")
        return QCoreApplication::translate("ScoreSheet", "0-1 (vitória das Pretas)");
    if (result == "1/2-1/2")
        return QCoreApplication::translate("ScoreSheet", "½-½ (empate)");
    return QCoreApplication::translate("ScoreSheet", "* (partida em andamento)");
}

// Lengths on the printer, from millimetres and points.
struct Units {
    double perMm;
    double Mm(double mm) const { return mm * perMm; }
};

} // namespace

ScoreSheetContent ScoreSheetOf(const Game& game, const PieceLetters& letters)
{
    ScoreSheetContent sheet;
    sheet.Title = QCoreApplication::translate("ScoreSheet", "Kestravin 2005 – Planilha da partida");
    sheet.Heading << QCoreApplication::translate("ScoreSheet", "Brancas: %1").arg(PlayerText(game, true))
                  << QCoreApplication::translate("ScoreSheet", "Pretas: %1").arg(PlayerText(game, false));
    const QString event = TagText(game, "Event");
    if (!event.isEmpty()) {
        const QString site = TagText(game, "Site");
        sheet.Heading << QCoreApplication::translate("ScoreSheet", "Evento: %1")
                             .arg(site.isEmpty() ? event : event + QStringLiteral(", ") + site);
    }
    const QString date = TagText(game, "Date");
    sheet.Heading
        << QCoreApplication::translate("ScoreSheet", "Data: %1").arg(date.isEmpty() ? QStringLiteral("?") : date);
    if (const std::optional<int> level = game.Level()) {
        const bool program = game.Player(true) == PlayerType::Program || game.Player(false) == PlayerType::Program;
        if (program)
            sheet.Heading << QCoreApplication::translate("ScoreSheet", "Nível: %1").arg(LevelText(*level));
    }
    sheet.Heading << QCoreApplication::translate("ScoreSheet", "Resultado: %1").arg(ResultText(game.Result()));
    // How it ended, when the final position does not show it (the clock,
    // a resignation, an agreed or claimed draw), and on which clock.
    if (const GameOutcome outcome = RecordedOutcome(game); outcome.Reason != EndReason::None)
        sheet.Heading << QCoreApplication::translate("ScoreSheet", "Fim: %1").arg(GameEnding::OutcomeText(outcome));
    if (const auto control = game.Tag("TimeControl"); control && *control != "-" && *control != "?")
        sheet.Heading
            << QCoreApplication::translate("ScoreSheet", "Controle de tempo: %1").arg(QString::fromStdString(*control));
    if (!game.StartsFromStandardPosition())
        sheet.Heading << QCoreApplication::translate("ScoreSheet", "Posição inicial: %1")
                             .arg(QString::fromStdString(game.FenAt(0)));

    GameState state = game.StartState();
    for (const GameMove& move : game.Moves()) {
        const QString san = QString::fromStdString(MoveToSan(state, move.Move, letters));
        if (state.WhiteToMove || sheet.Rows.empty()) {
            ScoreSheetContent::Row row;
            row.Number = state.CurrentMove;
            sheet.Rows.push_back(row);
        }
        (state.WhiteToMove ? sheet.Rows.back().White : sheet.Rows.back().Black) = san;
        state = PositionAfter(state, move.Move);
    }
    sheet.Final = state;
    sheet.FinalFen = QString::fromStdString(game.FinalFen());
    const std::string rules = Game::RulesResult(state);
    if (rules == "1-0" || rules == "0-1")
        sheet.FinalCaption = QCoreApplication::translate("ScoreSheet", "Posição final: xeque-mate.");
    else if (rules == "1/2-1/2")
        sheet.FinalCaption = QCoreApplication::translate("ScoreSheet", "Posição final: empate.");
    else
        sheet.FinalCaption = state.WhiteToMove
            ? QCoreApplication::translate("ScoreSheet", "Posição final: as Brancas jogam.")
            : QCoreApplication::translate("ScoreSheet", "Posição final: as Pretas jogam.");
    return sheet;
}

void DrawDiagram(QPainter& painter, const QRectF& area, const GameState& state)
{
    const double side = std::min(area.width(), area.height());
    const double label = side / 18.0;
    const double square = (side - label) / 8.0;
    const QPointF origin(area.left() + label, area.top());
    QFont glyphFont(QStringLiteral("FreeSerif"));
    glyphFont.setPixelSize(std::max(1, static_cast<int>(square * 0.85)));
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(std::max(1, static_cast<int>(label * 0.6)));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int rank = 8; rank >= 1; --rank) {
        for (int file = 1; file <= 8; ++file) {
            const QRectF box(origin.x() + (file - 1) * square, origin.y() + (8 - rank) * square, square, square);
            const Square sq = SquareAt(file, rank);
            painter.fillRect(box, IsLightSquare(sq) ? QColor(Qt::white) : QColor(0xb8, 0xb8, 0xb8));
            const char piece = state.Board[Ord(sq)];
            const int kind = QStringLiteral("KQRBNP").indexOf(QChar::fromLatin1(UpperPiece(piece)));
            if (kind < 0)
                continue;
            painter.setFont(glyphFont);
            const QString solid(QChar(0x265A + kind));
            if (piece >= 'A' && piece <= 'Z') {
                // A white glyph is an outline with a see-through inside:
                // the black glyph's shape in white fills it first.
                painter.setPen(Qt::white);
                painter.drawText(box, Qt::AlignCenter, solid);
                painter.setPen(Qt::black);
                painter.drawText(box, Qt::AlignCenter, QString(QChar(0x2654 + kind)));
            } else {
                painter.setPen(Qt::black);
                painter.drawText(box, Qt::AlignCenter, solid);
            }
        }
    }
    painter.setPen(QPen(Qt::black, std::max(1.0, square / 40.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin, QSizeF(8 * square, 8 * square)));
    painter.setFont(labelFont);
    for (int i = 0; i < 8; ++i) {
        painter.drawText(QRectF(area.left(), origin.y() + i * square, label, square), Qt::AlignCenter,
                         QString::number(8 - i));
        painter.drawText(QRectF(origin.x() + i * square, origin.y() + 8 * square, square, label), Qt::AlignCenter,
                         QString(QChar('a' + i)));
    }
    painter.restore();
}

int PrintScoreSheet(const Game& game, QPrinter& printer, const std::vector<EvaluationPoint>& curve)
{
    const ScoreSheetContent sheet = ScoreSheetOf(game);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(sheet.Title);

    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    if (area.width() <= 0 || area.height() <= 0)
        throw std::runtime_error(
            QCoreApplication::translate("ScoreSheet", "A impressora escolhida não pode imprimir.").toStdString());
    const Units units{printer.resolution() / 25.4};

    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setPointSizeF(15);
    titleFont.setBold(true);
    QFont textFont(QStringLiteral("DejaVu Sans"));
    textFont.setPointSizeF(10);
    QFont moveFont(QStringLiteral("DejaVu Sans"));
    moveFont.setPointSizeF(10);
    QFont smallFont(QStringLiteral("DejaVu Sans"));
    smallFont.setPointSizeF(8);

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(
            QCoreApplication::translate("ScoreSheet", "A impressora escolhida não pode imprimir.").toStdString());

    const QFontMetricsF title(titleFont, &printer);
    const QFontMetricsF text(textFont, &printer);
    const QFontMetricsF small(smallFont, &printer);
    const double line = text.lineSpacing();
    const double rowHeight = line * 1.25;
    const double footer = small.lineSpacing() + units.Mm(4);
    const double bottom = area.bottom() - footer;
    const double headingTextHeight = title.lineSpacing() + units.Mm(3) + sheet.Heading.size() * line;
    // The review's graph below the heading: a caption and the curve.
    const double graphHeight = curve.empty() ? 0.0 : units.Mm(3) + small.lineSpacing() + units.Mm(38);
    const double headingHeight = headingTextHeight + graphHeight + units.Mm(6);
    const double columnGap = units.Mm(10);
    const double columnWidth = (area.width() - columnGap) / 2;
    const double diagramSide = std::min(area.width() * 0.7, units.Mm(110));
    const double diagramHeight = diagramSide + units.Mm(4) + 2 * small.lineSpacing();

    // The pages: the rows each holds, in two columns, then the diagram on
    // the last page when it fits below the moves, else on a page of its own.
    struct Page {
        std::size_t FirstRow = 0;
        std::size_t Rows = 0;
        int RowsPerColumn = 0;
        double MovesTop = 0;
        bool Diagram = false;
        double DiagramTop = 0;
        double DiagramSide = 0;
    };
    std::vector<Page> pages;
    std::size_t row = 0;
    do {
        Page page;
        page.FirstRow = row;
        page.MovesTop = pages.empty() ? headingHeight : 0;
        page.RowsPerColumn = std::max(1, static_cast<int>((bottom - page.MovesTop) / rowHeight));
        page.Rows = std::min<std::size_t>(sheet.Rows.size() - row, 2 * static_cast<std::size_t>(page.RowsPerColumn));
        row += page.Rows;
        pages.push_back(page);
    } while (row < sheet.Rows.size());
    {
        // The last page's moves in two columns of even length, and the
        // diagram below them when there is room enough for it.
        Page& last = pages.back();
        if (last.Rows > 0)
            last.RowsPerColumn = static_cast<int>((last.Rows + 1) / 2);
        const double used = last.MovesTop + last.RowsPerColumn * rowHeight + (last.Rows > 0 ? units.Mm(8) : 0);
        const double room = bottom - used - (diagramHeight - diagramSide);
        if (room >= std::min(diagramSide, units.Mm(70))) {
            last.Diagram = true;
            last.DiagramTop = used;
            last.DiagramSide = std::min(diagramSide, room);
        } else {
            Page page;
            page.FirstRow = sheet.Rows.size();
            page.Diagram = true;
            page.DiagramSide = diagramSide;
            pages.push_back(page);
        }
    }

    const int pageCount = static_cast<int>(pages.size());
    for (int p = 0; p < pageCount; ++p) {
        const Page& page = pages[static_cast<std::size_t>(p)];
        if (p > 0 && !printer.newPage())
            throw std::runtime_error(
                QCoreApplication::translate("ScoreSheet", "A impressora escolhida não pode imprimir.").toStdString());
        painter.setPen(Qt::black);
        if (p == 0) {
            painter.setFont(titleFont);
            painter.drawText(QRectF(0, 0, area.width(), title.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
                             sheet.Title);
            double y = title.lineSpacing() + units.Mm(3);
            painter.setFont(textFont);
            for (const QString& heading : sheet.Heading) {
                painter.drawText(QRectF(0, y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                                 text.elidedText(heading, Qt::ElideRight, area.width()));
                y += line;
            }
            if (!curve.empty()) {
                const double top = headingTextHeight + units.Mm(3);
                painter.setFont(smallFont);
                painter.drawText(
                    QRectF(0, top, area.width(), small.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
                    QCoreApplication::translate("ScoreSheet",
                                                "Avaliação ao longo da partida (revisão): vantagem "
                                                "das Brancas para cima, até 10 peões; pontos: erros ? e ?\?"));
                PaintEvaluationGraph(painter, QRectF(0, top + small.lineSpacing(), area.width(), units.Mm(38)), curve);
                painter.setPen(Qt::black);
                painter.setFont(textFont);
            }
            painter.drawLine(QPointF(0, headingHeight - units.Mm(3)),
                             QPointF(area.width(), headingHeight - units.Mm(3)));
        }

        painter.setFont(moveFont);
        const double numberWidth = columnWidth * 0.18;
        const double moveWidth = (columnWidth - numberWidth) / 2;
        for (std::size_t i = 0; i < page.Rows; ++i) {
            const ScoreSheetContent::Row& r = sheet.Rows[page.FirstRow + i];
            const int column = static_cast<int>(i / static_cast<std::size_t>(page.RowsPerColumn));
            const double x = column * (columnWidth + columnGap);
            const double y =
                page.MovesTop + static_cast<double>(i % static_cast<std::size_t>(page.RowsPerColumn)) * rowHeight;
            if ((i % 2) == 1)
                painter.fillRect(QRectF(x, y, columnWidth, rowHeight), QColor(0xee, 0xee, 0xee));
            painter.drawText(QRectF(x, y, numberWidth - units.Mm(2), rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(r.Number) + QLatin1Char('.'));
            painter.drawText(QRectF(x + numberWidth, y, moveWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             r.White.isEmpty() ? QStringLiteral("…") : r.White);
            painter.drawText(QRectF(x + numberWidth + moveWidth, y, moveWidth, rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, r.Black);
        }

        if (page.Diagram) {
            const QRectF box((area.width() - page.DiagramSide) / 2, page.DiagramTop, page.DiagramSide,
                             page.DiagramSide);
            DrawDiagram(painter, box, sheet.Final);
            painter.setPen(Qt::black);
            painter.setFont(smallFont);
            const double y = box.bottom() + units.Mm(4);
            painter.drawText(QRectF(0, y, area.width(), small.lineSpacing()), Qt::AlignHCenter | Qt::AlignVCenter,
                             sheet.FinalCaption);
            painter.drawText(QRectF(0, y + small.lineSpacing(), area.width(), small.lineSpacing()),
                             Qt::AlignHCenter | Qt::AlignVCenter, sheet.FinalFen);
        }

        painter.setFont(smallFont);
        painter.setPen(Qt::black);
        const QRectF foot(0, area.bottom() - small.lineSpacing(), area.width(), small.lineSpacing());
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestravin 2005"));
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                         QCoreApplication::translate("ScoreSheet", "Página %1 de %2").arg(p + 1).arg(pageCount));
    }
    painter.end();
    return pageCount;
}
