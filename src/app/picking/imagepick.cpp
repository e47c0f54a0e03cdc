#include "picking/imagepick.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "platform/pickaverage.h"
#include "widgets/accessible.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

std::optional<QImage> ReadPickImage(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = QCoreApplication::translate("ImagePickWindow", "画像 %1 を読み込めません（%2）")
                         .arg(path, reader.errorString());
        return std::nullopt;
    }
    return image;
}

QString PickImageFilter()
{
    QStringList patterns;
    // Both cases: screenshots from other systems are often named *.PNG.
    for (const QByteArray& f : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(f).toLower()
                 << QStringLiteral("*.") + QString::fromLatin1(f).toUpper();
    patterns.removeDuplicates();
    return QCoreApplication::translate("ImagePickWindow", "画像ファイル|%1|すべてのファイル(*.*)|*.*")
        .arg(patterns.join(QLatin1Char(';')));
}

// The image at its own size, with the averaging square marked; the pointer
// over it chooses the position.
class ImageView : public QWidget {
public:
    ImageView(ImagePickWindow* window, const QImage& image) : QWidget(window), window_(window), image_(image)
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::CrossCursor);
        setFixedSize(image.size());
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.drawImage(event->rect(), image_, event->rect());
        const int a = window_->magnifier()->average();
        const QPoint at = window_->position();
        const QRect square(at - QPoint(a / 2, a / 2), QSize(a, a));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(square.adjusted(-1, -1, 0, 0));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(square.adjusted(-2, -2, 1, 1));
    }
    void mouseMoveEvent(QMouseEvent* event) override { window_->setPosition(event->position().toPoint()); }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            window_->setPosition(event->position().toPoint());
            window_->take();
        } else if (event->button() == Qt::RightButton) {
            window_->cancel();
        }
    }
    void wheelEvent(QWheelEvent* event) override
    {
        Magnifier* m = window_->magnifier();
        const int dy = event->angleDelta().y();
        if (dy > 0) m->setZoom(ZoomIn(m->zoom()));
        if (dy < 0) m->setZoom(ZoomOut(m->zoom()));
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!window_->pickKey(event)) QWidget::keyPressEvent(event);
    }

private:
    ImagePickWindow* window_;
    QImage image_;
};

ImagePickWindow::ImagePickWindow(QImage image, const QString& name, int average, int zoom, QWidget* owner)
    : QWidget(owner, Qt::Window), surface_(std::make_unique<ImageSurface>(std::move(image))), name_(name)
{
    setObjectName(QStringLiteral("formImagePick"));
    setWindowTitle(tr("画像から色を取る - %1").arg(name));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QHBoxLayout(this);
    scroll_ = Named(new QScrollArea(this), "scrollImage");
    view_ = Named(new ImageView(this, surface_->image()), "imageView");
    scroll_->setWidget(view_);
    scroll_->setFocusProxy(view_);
    layout->addWidget(scroll_, 1);
    auto* side = new QVBoxLayout;
    magnifier_ = Named(new Magnifier(surface_.get(), this), "magnifierImage");
    magnifier_->setAverage(average);
    magnifier_->setZoom(zoom);
    side->addWidget(magnifier_);
    label_ = Named(new QLabel(this), "labelImagePos");
    side->addWidget(label_);
    // Which profile the colours go through: the image's own, named, or why
    // it was not used; nothing for an image without one.
    profile_ = Named(new QLabel(this), "labelImageProfile");
    profile_->setTextFormat(Qt::PlainText);  // a profile's name is the file's text
    profile_->setWordWrap(true);
    profile_->setMaximumWidth(Magnifier::kView);
    const platform::ProfileUse use = surface_->profileUse({});
    if (!use.name.isEmpty())
        profile_->setText(tr("%1 を通して色を取ります").arg(use.name));
    else if (!use.problem.isEmpty())
        profile_->setText(tr("画像のプロファイルは使いません: %1").arg(use.problem));
    profile_->setVisible(!profile_->text().isEmpty());
    side->addWidget(profile_);
    auto* hint = Named(new QLabel(tr("クリック・Enter: 色を取る\nEsc・右クリック: やめる\n"
                                     "矢印: 1 画素（Shift: 10 画素）移動\nホイール・＋／－: 拡大率"),
                                  this),
                       "labelImageHint");
    side->addWidget(hint);
    side->addStretch(1);
    layout->addLayout(side);
    const QSize imageSize = surface_->image().size();
    resize(std::min(imageSize.width() + 40, 900) + Magnifier::kView + 20,
           std::max(std::min(imageSize.height() + 40, 700), Magnifier::kView + Magnifier::kStrip + 120));
    setPosition(QPoint(imageSize.width() / 2, imageSize.height() / 2));
    // What a screen reader says of the controls.
    Describe(view_, QT_TRANSLATE_NOOP("Accessible", "画像"),
             QT_TRANSLATE_NOOP("Accessible", "色を取る画像。矢印キーで位置を動かし、Enter で色を取る"));
    Describe(scroll_, QT_TRANSLATE_NOOP("Accessible", "画像"),
             QT_TRANSLATE_NOOP("Accessible", "色を取る画像。矢印キーで位置を動かし、Enter で色を取る"));
    Describe(magnifier_, QT_TRANSLATE_NOOP("Accessible", "拡大鏡"),
             QT_TRANSLATE_NOOP("Accessible", "画像の現在位置の拡大"));
    view_->setFocus();
}

ImagePickWindow::~ImagePickWindow()
{
    if (!done_) {
        done_ = true;
        emit cancelled();
    }
}

void ImagePickWindow::setPosition(QPoint position)
{
    const QSize size = surface_->image().size();
    // The position stays on the image.
    position.setX(std::clamp(position.x(), 0, std::max(size.width() - 1, 0)));
    position.setY(std::clamp(position.y(), 0, std::max(size.height() - 1, 0)));
    magnifier_->setPosition(position);
    showPosition();
}

void ImagePickWindow::showPosition()
{
    const QPoint p = position();
    const auto c = magnifier_->colour();
    label_->setText(
        QStringLiteral("x %1, y %2  %3")
            .arg(QString::number(p.x()), QString::number(p.y()), c ? QStringLiteral("#") + HexText(*c) : QString()));
    scroll_->ensureVisible(p.x(), p.y(), 8, 8);
    view_->update();
}

bool ImagePickWindow::pickKey(QKeyEvent* event)
{
    const PickKey key = PickKeyOf(event);
    switch (key.kind) {
    case PickKey::Move: setPosition(position() + key.step); return true;
    case PickKey::ZoomIn: magnifier_->setZoom(ZoomIn(magnifier_->zoom())); return true;
    case PickKey::ZoomOut: magnifier_->setZoom(ZoomOut(magnifier_->zoom())); return true;
    case PickKey::Take: take(); return true;
    case PickKey::Cancel: cancel(); return true;
    case PickKey::None: return false;
    }
    return false;
}

void ImagePickWindow::take()
{
    if (done_) return;
    const auto colour = magnifier_->colour();
    if (!colour) return;
    done_ = true;
    const QPoint at = position();
    close();
    emit taken(*colour, at);
}

void ImagePickWindow::cancel()
{
    if (done_) return;
    done_ = true;
    close();
    emit cancelled();
}

void ImagePickWindow::keyPressEvent(QKeyEvent* event)
{
    if (!pickKey(event)) QWidget::keyPressEvent(event);
}

void ImagePickWindow::closeEvent(QCloseEvent* event)
{
    if (!done_) {
        done_ = true;
        emit cancelled();
    }
    event->accept();
}

}  // namespace qolvar::app
