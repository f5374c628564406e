// The moving image of a drag: a picture shown above a window and its
// children at a point of that window, drawn through its transparent pixels.
// What lies underneath is the window's own picture, shown again as the image
// moves or hides; the window's widgets are not asked to draw anything new.
//
// The image is a small child widget raised above its siblings. Moving it
// brings the screen up to date at once, without running the event loop, so
// an animation can slide it while no messages are processed.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>

class QWidget;
class DragImageOverlay;

class TDragImage {
public:
    TDragImage();
    ~TDragImage();
    TDragImage(const TDragImage&) = delete;
    TDragImage& operator=(const TDragImage&) = delete;

    // Selects the picture; hotSpot is the picture's point that sits at the
    // positions given below.
    void SetImage(const QImage& image, QPoint hotSpot = {});

    // Attaches the image to window with its hot spot at the window's point
    // at, hidden. A window of null leaves it detached. Makes it active.
    void Attach(QWidget* window, QPoint at);
    void Show();
    void Hide();
    void MoveTo(QPoint at);
    // Hides the image, ends it and detaches it; harmless when not active.
    void Release();

    bool Active() const;
    bool Visible() const;
    // The hot spot's position in the window, (0, 0) when not active.
    QPoint Position() const;
    QWidget* Window() const;

private:
    void Flush(const QRect& before);

    QImage image_;
    QPoint hotSpot_;
    QPointer<DragImageOverlay> overlay_;
};
