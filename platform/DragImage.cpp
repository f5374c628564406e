// The moving image as a transparent child widget of the window it moves
// over. Qt composes a widget that does not fill its background over its
// parent's picture, so the pixels under the image's see-through parts and
// the places it leaves show the window as it was.
#include "platform/DragImage.h"

#include <QPainter>
#include <QWidget>

class DragImageOverlay : public QWidget {
public:
    DragImageOverlay(QWidget* parent, const QImage& image) : QWidget(parent), image_(image)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setAutoFillBackground(false);
        setFocusPolicy(Qt::NoFocus);
        // An image made for a denser screen covers its logical size.
        const QSize logical = image_.deviceIndependentSize().toSize();
        resize(logical.isEmpty() ? QSize(1, 1) : logical);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }

private:
    QImage image_;
};

TDragImage::TDragImage() = default;

TDragImage::~TDragImage()
{
    Release();
}

void TDragImage::SetImage(const QImage& image, QPoint hotSpot)
{
    image_ = image;
    hotSpot_ = hotSpot;
}

void TDragImage::Attach(QWidget* window, QPoint at)
{
    Release();
    if (window == nullptr)
        return;
    overlay_ = new DragImageOverlay(window, image_);
    overlay_->move(at - hotSpot_);
    overlay_->hide();
}

void TDragImage::Show()
{
    if (!overlay_ || overlay_->isVisible())
        return;
    overlay_->raise();
    overlay_->show();
    Flush(overlay_->geometry());
}

void TDragImage::Hide()
{
    if (!overlay_ || !overlay_->isVisible())
        return;
    const QRect before = overlay_->geometry();
    overlay_->hide();
    Flush(before);
}

void TDragImage::MoveTo(QPoint at)
{
    if (!overlay_)
        return;
    const QRect before = overlay_->geometry();
    if (before.topLeft() == at - hotSpot_)
        return;
    overlay_->move(at - hotSpot_);
    if (overlay_->isVisible())
        Flush(before);
}

void TDragImage::Release()
{
    if (!overlay_)
        return;
    Hide();
    // Deleted at once: the image must be gone even while no messages are
    // processed (an animation), and nothing else refers to it.
    delete overlay_.data();
    overlay_ = nullptr;
}

bool TDragImage::Active() const
{
    return !overlay_.isNull();
}

bool TDragImage::Visible() const
{
    return overlay_ && overlay_->isVisible();
}

QPoint TDragImage::Position() const
{
    return overlay_ ? overlay_->pos() + hotSpot_ : QPoint();
}

QWidget* TDragImage::Window() const
{
    return overlay_ ? overlay_->parentWidget() : nullptr;
}

void TDragImage::Flush(const QRect& before)
{
    QWidget* window = overlay_ ? overlay_->parentWidget() : nullptr;
    if (window == nullptr || !window->isVisible())
        return;
    // Paint the place left and the place taken now, without waiting for the
    // event loop.
    window->repaint(QRegion(before).united(overlay_->geometry()));
}
