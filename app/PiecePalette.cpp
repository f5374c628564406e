#include "app/PiecePalette.h"

#include "app/PositionEditorBoard.h"
#include "board/BoardWords.h"
#include "core/GameState.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDrag>
#include <QGridLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>

namespace {

// A palette button that also starts a drag of its piece.
class PaletteButton : public QToolButton {
public:
    PaletteButton(char piece, QWidget* parent) : QToolButton(parent), piece_(piece) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            pressPoint_ = event->position().toPoint();
        QToolButton::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - pressPoint_).manhattanLength() < QApplication::startDragDistance()) {
            QToolButton::mouseMoveEvent(event);
            return;
        }
        setDown(false);
        auto* mime = new QMimeData;
        mime->setData(QString::fromLatin1(PieceMimeType), QByteArray(1, piece_));
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        drag->setPixmap(icon().pixmap(iconSize()));
        drag->setHotSpot(QPoint(iconSize().width() / 2, iconSize().height() / 2));
        drag->exec(Qt::CopyAction | Qt::MoveAction);
    }

private:
    char piece_;
    QPoint pressPoint_;
};

QString Capitalised(const QString& text)
{
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

} // namespace

PiecePalette::PiecePalette(QWidget* parent) : QWidget(parent)
{
    pieces_.Prepare(qApp->devicePixelRatio());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    group_ = new QButtonGroup(this);
    group_->setExclusive(false);
    for (std::size_t i = 0; i < Letters.size(); ++i) {
        const char piece = Letters[i];
        auto* button = new PaletteButton(piece, this);
        button->setObjectName(QStringLiteral("Peca%1").arg(QChar::fromLatin1(piece)));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setIcon(QIcon(pieces_.Picture(piece)));
        button->setIconSize(QSize(pieces_.Size(), pieces_.Size()));
        button->setFocusPolicy(Qt::TabFocus);
        button->setAccessibleName(Capitalised(PieceWords(piece)));
        button->setToolTip(tr("%1 (tecla %2)").arg(Capitalised(PieceWords(piece))).arg(QChar::fromLatin1(piece)));
        grid->addWidget(button, static_cast<int>(i / 6), static_cast<int>(i % 6));
        group_->addButton(button);
        buttons_[i] = button;
    }
    // One piece at most is chosen; a second click on it chooses none.
    connect(group_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton* button, bool on) {
        if (!on) {
            if (Chosen() == EmptySquare)
                emit chosenChanged(EmptySquare);
            return;
        }
        for (QToolButton* other : buttons_)
            if (other != button && other->isChecked())
                other->setChecked(false);
        emit chosenChanged(Chosen());
    });
}

char PiecePalette::Chosen() const
{
    for (std::size_t i = 0; i < Letters.size(); ++i)
        if (buttons_[i]->isChecked())
            return Letters[i];
    return EmptySquare;
}

void PiecePalette::Choose(char piece)
{
    for (std::size_t i = 0; i < Letters.size(); ++i)
        buttons_[i]->setChecked(Letters[i] == piece);
}

QToolButton* PiecePalette::Button(char piece) const
{
    for (std::size_t i = 0; i < Letters.size(); ++i)
        if (Letters[i] == piece)
            return buttons_[i];
    return nullptr;
}
