#pragma once
#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "qt/control_view.h"
#include "ui/picture_repaint.h"

namespace vis {

// Paints one image, stretched to the widget or at its natural size. A stretched image is scaled
// once for the widget's size and kept, so a repaint costs a copy, not a smooth rescale.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent);
    // `keep` owns the pixels the image borrows; `scaled`, when given, is the image already
    // shrunk for a stretched display, used when it fits the widget exactly.
    void set_image(QImage image, std::shared_ptr<const std::vector<std::uint32_t>> keep, bool stretch,
                   std::shared_ptr<const ScaledCopy> scaled = {});
    const QImage& image() const { return image_; }
    // Repaints the part of the widget that shows these pixels of the image.
    void repaint_pixels(const PixelRect& r);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QImage scaled_;
    std::shared_ptr<const std::vector<std::uint32_t>> keep_;
    std::shared_ptr<const ScaledCopy> prepared_;
    bool stretch_ = false;
};

// An ImageBox or a PictureBox: its picture, or else the icon named by resource() from the
// program's data folder. Not stretched, the widget takes the picture's natural size, one image
// pixel per device pixel. A picture changed in place is repainted where it changed.
class ImageView : public ControlView {
    Q_OBJECT
public:
    ImageView(FormWindow& window, ImageBox& image);

protected:
    void render() override;
    QRect geometry_px() const override;

private:
    void apply_pointer(const Icon& icon);

    PictureWidget* picture_;
    ShownPicture shown_;
    Icon shown_pointer_;
};

}  // namespace vis
