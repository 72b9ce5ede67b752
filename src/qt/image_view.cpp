#include "qt/image_view.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "qt/form_window.h"
#include "qt/picture_image.h"
#include "qt/qt_window_system.h"
#include "services/paths.h"

namespace vis {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::set_image(QImage image, std::shared_ptr<const std::vector<std::uint32_t>> keep, bool stretch,
                              std::shared_ptr<const ScaledCopy> scaled) {
    image_ = std::move(image);
    keep_ = std::move(keep);
    stretch_ = stretch;
    prepared_ = std::move(scaled);
    scaled_ = QImage();
    update();
}

void PictureWidget::repaint_pixels(const PixelRect& r) {
    if (image_.isNull() || r.empty()) return;
    if (stretch_) {
        // The picture changed in place: the scaled copy no longer shows it.
        scaled_ = QImage();
        prepared_.reset();
    }
    const PixelRect area =
        repaint_area(r, image_.width(), image_.height(), stretch_, width(), height(), image_.devicePixelRatio());
    update(area.left, area.top, area.width, area.height);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        const QSize device_size = size() * devicePixelRatioF();
        if (scaled_.size() != device_size) {
            if (prepared_ && QSize(prepared_->width, prepared_->height) == device_size)
                scaled_ = QImage(reinterpret_cast<const uchar*>(prepared_->pixels.data()), prepared_->width,
                                 prepared_->height, prepared_->width * 4, QImage::Format_RGB32);
            else
                scaled_ = image_.scaled(device_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaled_.setDevicePixelRatio(devicePixelRatioF());
        }
        painter.drawImage(QPoint(0, 0), scaled_);
    } else {
        // The image carries the device pixel ratio, so it is drawn pixel for pixel.
        painter.drawImage(QPoint(0, 0), image_);
    }
}

ImageView::ImageView(FormWindow& window, ImageBox& image)
    : ControlView(window, image), picture_(new PictureWidget(&window.client())) {
    picture_->setAccessibleName(QString::fromStdString(image.name()));
    set_widget(picture_);
    set_clicks_from_mouse(true);
}

void ImageView::render() {
    auto& box = static_cast<ImageBox&>(*control_);
    if (box.kind() == ControlKind::picture_box) apply_pointer(static_cast<const PictureBox&>(box).mouse_icon());
    const ShownPicture::Update update = shown_.take(box);
    if (!update.whole) {
        picture_->repaint_pixels(update.changed);
        return;
    }
    const Picture& picture = box.picture();
    QImage image;
    if (!picture.empty()) {
        image = wrap_picture(picture);
    } else if (!box.resource().empty()) {
        const std::string path = join_path(join_path(system_.program_folder(), "data"), box.resource());
        if (file_exists(path)) image.load(QString::fromStdString(path));
    }
    if (!box.stretch()) image.setDevicePixelRatio(system_.screen().device_pixel_ratio);
    picture_->set_image(std::move(image), picture.pixels, box.stretch(), picture.scaled);
}

// The hot spot is the icon's bottom-right pixel: the tools draw about one icon up and left of it,
// at the icon's top-left corner, where the icons put their tips.
void ImageView::apply_pointer(const Icon& icon) {
    if (icon == shown_pointer_) return;
    shown_pointer_ = icon;
    const std::string path = join_path(join_path(system_.program_folder(), "data"), icon.resource);
    QPixmap pixmap;
    if (icon.resource.empty() || !file_exists(path) || !pixmap.load(QString::fromStdString(path))) {
        picture_->unsetCursor();
        return;
    }
    picture_->setCursor(QCursor(pixmap, pixmap.width() - 1, pixmap.height() - 1));
}

QRect ImageView::geometry_px() const {
    QRect r = ControlView::geometry_px();
    const auto& box = static_cast<const ImageBox&>(*control_);
    const QImage& image = picture_->image();
    if (!box.stretch() && !image.isNull()) {
        const QSizeF natural = image.deviceIndependentSize();
        r.setSize(QSize(static_cast<int>(std::ceil(natural.width())), static_cast<int>(std::ceil(natural.height()))));
    }
    return r;
}

}  // namespace vis
