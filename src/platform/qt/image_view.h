#pragma once
#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/qt/control_view.h"

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QImage scaled_;
    std::shared_ptr<const std::vector<std::uint32_t>> keep_;
    std::shared_ptr<const ScaledCopy> prepared_;
    bool stretch_ = false;
};

// An ImageBox: its picture, or else the icon named by resource() from the program's data folder.
// Not stretched, the widget takes the picture's natural size, one image pixel per device pixel.
class ImageView : public ControlView {
    Q_OBJECT
public:
    ImageView(FormWindow& window, ImageBox& image);

protected:
    void render() override;
    QRect geometry_px() const override;

private:
    PictureWidget* picture_;
    Picture shown_;
    std::string shown_resource_;
};

}  // namespace vis
