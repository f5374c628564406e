// The promotion chooser on its own, over a plain host widget standing for
// the board: 8 x 8 cells filling the host, White at the bottom unless
// flipped, and each piece drawn as a solid block of a colour of its own.
#include "board/PromotionChooser.h"

#include "Placement.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Answer {
    Square From = Square::None;
    Square To = Square::None;
    char Piece = 0; // 0 for a cancellation
    bool operator==(const Answer&) const = default;
};

class PromotionChooserPart : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.resize(400, 380);
        host_ = new QWidget(&window_);
        host_->setGeometry(0, 0, 320, 320);
        other_ = new QPushButton(QStringLiteral("x"), &window_);
        other_->setGeometry(330, 10, 60, 30);
        QObject::connect(other_, &QPushButton::pressed, [this] { ++otherPressed_; });
        for (char piece : std::string("QRBNqrbn"))
            images_[piece] = Block(QColor::fromHsv(30 * static_cast<int>(images_.size()), 200, 200));
        chooser_ = new PromotionChooser(
            *host_,
            [this](Square promotion) {
                const int S = host_->width() / 8;
                const int column = flipped_ ? 8 - FileOf(promotion) : FileOf(promotion) - 1;
                const int row = flipped_ ? RankOf(promotion) - 1 : 8 - RankOf(promotion);
                return PromotionChooser::Place{QRect(column * S, row * S, S, S), row < 4, (S - kPiece) / 2};
            },
            [this](char piece) -> const QImage& { return images_.at(piece); });
        QObject::connect(chooser_, &PromotionChooser::chosen, [this](Square from, Square to, char piece) {
            answers_.push_back({from, to, piece});
        });
        QObject::connect(chooser_, &PromotionChooser::cancelled, [this](Square from, Square to) {
            answers_.push_back({from, to, 0});
        });
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }

    static QImage Block(const QColor& colour)
    {
        QImage image(kPiece, kPiece, QImage::Format_ARGB32_Premultiplied);
        image.fill(colour);
        return image;
    }
    // The centre of cell i (queen 0 to knight 3) in the chooser.
    QPoint CellCentre(int i) const { return chooser_->Cells()[static_cast<std::size_t>(i)].center(); }
    std::vector<Answer> Take() { return std::exchange(answers_, {}); }

    static constexpr int kPiece = 20;
    QWidget window_;
    QWidget* host_ = nullptr;
    QPushButton* other_ = nullptr;
    PromotionChooser* chooser_ = nullptr;
    std::map<char, QImage> images_;
    bool flipped_ = false;
    std::vector<Answer> answers_;
    int otherPressed_ = 0;
};

TEST_F(PromotionChooserPart, AClickOnEachCellReportsItsPieceWithTheMoveAndCloses)
{
    EXPECT_FALSE(chooser_->IsOpen());
    EXPECT_FALSE(chooser_->isVisible());
    const char letters[] = {'q', 'r', 'b', 'n'};
    for (int i = 0; i < 4; ++i) {
        chooser_->Open(Sq("d7"), Sq("e8"), true);
        ASSERT_TRUE(chooser_->IsOpen());
        EXPECT_TRUE(chooser_->isVisible());
        EXPECT_EQ(chooser_->geometry(), host_->rect());
        EXPECT_EQ(chooser_->From(), Sq("d7"));
        EXPECT_EQ(chooser_->To(), Sq("e8"));
        QTest::mouseClick(chooser_, Qt::LeftButton, Qt::NoModifier, CellCentre(i));
        EXPECT_EQ(Take(), (std::vector<Answer>{{Sq("d7"), Sq("e8"), letters[i]}})) << i;
        EXPECT_FALSE(chooser_->IsOpen());
        EXPECT_FALSE(chooser_->isVisible());
        EXPECT_EQ(chooser_->From(), Square::None);
    }
}

TEST_F(PromotionChooserPart, KeysChooseByInitialOrWalkTowardsTheMiddle)
{
    const std::vector<std::pair<Qt::Key, char>> initials = {{Qt::Key_D, 'q'}, {Qt::Key_Q, 'q'}, {Qt::Key_T, 'r'},
                                                            {Qt::Key_R, 'r'}, {Qt::Key_B, 'b'}, {Qt::Key_C, 'n'},
                                                            {Qt::Key_N, 'n'}};
    for (const auto& [key, letter] : initials) {
        chooser_->Open(Sq("b7"), Sq("b8"), true);
        QTest::keyClick(chooser_, Qt::Key_X); // no piece: nothing happens
        ASSERT_TRUE(chooser_->IsOpen());
        QTest::keyClick(chooser_, key);
        EXPECT_EQ(Take(), (std::vector<Answer>{{Sq("b7"), Sq("b8"), letter}})) << key;
    }

    // White's column runs down from e8: Down goes towards the knight and
    // stops there, Up comes back.
    chooser_->Open(Sq("e7"), Sq("e8"), true);
    QTest::keyClick(chooser_, Qt::Key_Return);
    chooser_->Open(Sq("e7"), Sq("e8"), true);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(chooser_, Qt::Key_Down);
    QTest::keyClick(chooser_, Qt::Key_Up);
    QTest::keyClick(chooser_, Qt::Key_Space);
    // Black's column rises from e1: Up goes towards the middle, and a new
    // opening starts at the queen again.
    chooser_->Open(Sq("e2"), Sq("e1"), false);
    QTest::keyClick(chooser_, Qt::Key_Down);
    QTest::keyClick(chooser_, Qt::Key_Up);
    QTest::keyClick(chooser_, Qt::Key_Enter);
    EXPECT_EQ(Take(),
              (std::vector<Answer>{{Sq("e7"), Sq("e8"), 'q'}, {Sq("e7"), Sq("e8"), 'b'}, {Sq("e2"), Sq("e1"), 'r'}}));
}

TEST_F(PromotionChooserPart, EscapeAClickBesideThePiecesOrOnAnotherWidgetCancels)
{
    chooser_->Open(Sq("a7"), Sq("a8"), true);
    QTest::keyClick(chooser_, Qt::Key_Escape);
    chooser_->Open(Sq("a7"), Sq("b8"), true);
    QTest::mouseClick(chooser_, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    // A press meant for another widget is caught on its way.
    chooser_->Open(Sq("c2"), Sq("c1"), false);
    QTest::mouseClick(other_, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(otherPressed_, 0);
    EXPECT_EQ(Take(), (std::vector<Answer>{{Sq("a7"), Sq("a8"), 0}, {Sq("a7"), Sq("b8"), 0}, {Sq("c2"), Sq("c1"), 0}}));
    EXPECT_FALSE(chooser_->IsOpen());
    // Closed, it lets the other widget have its clicks again.
    QTest::mouseClick(other_, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(otherPressed_, 1);
    EXPECT_TRUE(Take().empty());
}

TEST_F(PromotionChooserPart, CloseAndReopeningAreSilentAndTheFocusGoesBackToTheHost)
{
    host_->setFocusPolicy(Qt::StrongFocus);
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    host_->setFocus(Qt::MouseFocusReason);
    chooser_->Open(Sq("a7"), Sq("a8"), true);
    EXPECT_TRUE(chooser_->hasFocus());
    chooser_->Open(Sq("h7"), Sq("h8"), true);
    EXPECT_EQ(chooser_->To(), Sq("h8"));
    chooser_->Close();
    chooser_->Close();
    EXPECT_TRUE(Take().empty());
    EXPECT_FALSE(chooser_->isVisible());
    EXPECT_TRUE(host_->hasFocus());
}

TEST_F(PromotionChooserPart, ItDrawsTheMoversPiecesFromThePromotionSquareTowardsTheMiddleAndFollowsTheHost)
{
    const auto pieceAt = [this](const QImage& shot, int i) {
        const QRect cell = chooser_->Cells()[static_cast<std::size_t>(i)];
        return shot.pixel(cell.center());
    };
    chooser_->Open(Sq("e7"), Sq("e8"), true);
    QImage shot = chooser_->grab().toImage();
    EXPECT_EQ(chooser_->Cells()[0], QRect(160, 0, 40, 40));
    EXPECT_EQ(chooser_->Cells()[3], QRect(160, 120, 40, 40));
    const std::string white = "QRBN";
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pieceAt(shot, i), images_.at(white[static_cast<std::size_t>(i)]).pixel(0, 0)) << i;
    // Off the column the host shows through a veil: no piece colour there.
    EXPECT_NE(shot.pixel(20, 300), images_.at('Q').pixel(0, 0));

    // The host grows and turns while the chooser waits.
    host_->resize(480, 480);
    flipped_ = true;
    QCoreApplication::processEvents();
    EXPECT_EQ(chooser_->geometry(), host_->rect());
    EXPECT_EQ(chooser_->Cells()[0], QRect(180, 420, 60, 60));
    EXPECT_EQ(chooser_->Cells()[1], QRect(180, 360, 60, 60));
    chooser_->Close();

    chooser_->Open(Sq("a2"), Sq("a1"), false);
    shot = chooser_->grab().toImage();
    EXPECT_EQ(chooser_->Cells()[0], QRect(420, 0, 60, 60));
    const std::string black = "qrbn";
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pieceAt(shot, i), images_.at(black[static_cast<std::size_t>(i)]).pixel(0, 0)) << i;
    QTest::mouseClick(chooser_, Qt::LeftButton, Qt::NoModifier, CellCentre(2));
    EXPECT_EQ(Take(), (std::vector<Answer>{{Sq("a2"), Sq("a1"), 'b'}}));
}

} // namespace
