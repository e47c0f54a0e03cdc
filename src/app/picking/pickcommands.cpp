#include "picking/pickcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include "picking/imagepick.h"
#include "picking/pickmode.h"
#include "platform/dialogs.h"
#include "platform/pickaverage.h"
#include "widgets/files.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

QString PickPathMessage(RGBCode colour, platform::PickPath path, const QString& detail,
                        const platform::ProfileUse& profile)
{
    const QString code = QStringLiteral("#") + HexText(colour & 0xFFFFFF);
    QString note = detail;
    if (!profile.name.isEmpty())
        note += QCoreApplication::translate("PickCommands", "（%1 を通して取りました）").arg(profile.name);
    else if (!profile.problem.isEmpty() && path == platform::PickPath::Image)
        note += QCoreApplication::translate("PickCommands", "（画像のプロファイルは使いませんでした: %1）")
                    .arg(profile.problem);
    else if (!profile.problem.isEmpty())
        note += QCoreApplication::translate("PickCommands", "（モニターのプロファイルは使いませんでした: %1）")
                    .arg(profile.problem);
    switch (path) {
    case platform::PickPath::Screen:
        return QCoreApplication::translate("PickCommands", "%1から色を取りました: %2%3")
            .arg(platform::ScreenPathName(), code, note);
    case platform::PickPath::Portal:
        return QCoreApplication::translate("PickCommands", "デスクトップのポータルから色を取りました: %1").arg(code);
    case platform::PickPath::Image:
        return QCoreApplication::translate("PickCommands", "画像から色を取りました: %1%2").arg(code, note);
    }
    return code;
}

namespace {
QString AverageNote(int average)
{
    return average > 1 ? QCoreApplication::translate("PickCommands", "（%1×%1 の平均）").arg(average) : QString();
}
}  // namespace

PickCommands::PickCommands(QWidget* window, Host host) : QObject(window), window_(window), host_(std::move(host))
{
    pickMode_ = MakeCommand(window, "actPickMode", QCoreApplication::translate("PickCommands", "画面から色を取る(&P)"),
                            QCoreApplication::translate("PickCommands", "拡大鏡で画面の色を取る"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                            [this](QAction*) { host_.guarded([&] { startPickMode(QCursor::pos()); }); });
    image_ = MakeCommand(window, "actPickImage", QCoreApplication::translate("PickCommands", "画像から色を取る(&I)..."),
                         QCoreApplication::translate("PickCommands", "画像ファイルを開いて色を取る"),
                         QKeySequence(Qt::CTRL | Qt::Key_I), [this](QAction*) { host_.guarded([&] { pickImage(); }); });
    averages_ = new QActionGroup(this);
    for (int size : platform::kPickAverages) {
        auto* a = new QAction(QCoreApplication::translate("PickCommands", "%1×%1 画素").arg(size), window);
        a->setObjectName(QStringLiteral("actPickAverage%1").arg(size));
        a->setCheckable(true);
        a->setChecked(size == average_);
        a->setData(size);
        averages_->addAction(a);
        connect(a, &QAction::triggered, this, [this, size] { setAverage(size); });
    }
    monitorProfile_ =
        Named(new QAction(QCoreApplication::translate("PickCommands", "ピックにモニターのカラープロファイルを使う(&C)"),
                          window),
              "UseMonitorProfile1");
    monitorProfile_->setCheckable(true);
    monitorProfile_->setChecked(platform::UseMonitorProfile());
    connect(monitorProfile_, &QAction::toggled, this, [](bool on) { platform::SetUseMonitorProfile(on); });
}

bool PickCommands::useMonitorProfile() const { return monitorProfile_->isChecked(); }

void PickCommands::setUseMonitorProfile(bool on)
{
    monitorProfile_->setChecked(on);
    platform::SetUseMonitorProfile(on);
}

QMenu* PickCommands::addAverageMenu(QMenu* options)
{
    QMenu* menu =
        Named(options->addMenu(QCoreApplication::translate("PickCommands", "平均する範囲(&M)")), "menuPickAverage");
    menu->addActions(averages_->actions());
    return menu;
}

void PickCommands::setAverage(int size)
{
    average_ = platform::IsPickAverage(size) ? size : 1;
    for (QAction* a : averages_->actions()) a->setChecked(a->data().toInt() == average_);
    if (session_) session_->magnifier()->setAverage(average_);
    if (imageWindow_) {
        imageWindow_->magnifier()->setAverage(average_);
        imageWindow_->setPosition(imageWindow_->position());
    }
}

void PickCommands::took(RGBCode colour, platform::PickPath path, const QString& detail,
                        const platform::ProfileUse& profile)
{
    host_.take(colour);
    host_.say(PickPathMessage(colour, path, detail, profile));
}

void PickCommands::failed(const QString& why)
{
    host_.say(QCoreApplication::translate("PickCommands", "画面から色を取れません: %1").arg(why));
    // The image path works everywhere: offer it.
    const int answer = platform::Warning(
        window_,
        QCoreApplication::translate("qolvar::platform", platform::kPickFailedMessage) + QStringLiteral("\n") + why +
            QCoreApplication::translate("PickCommands",
                                        "。\n\n画像ファイル（スクリーンショットなど）から色を取りますか？"),
        platform::kYes | platform::kNo);
    if (answer == platform::kYes) pickImage();
}

void PickCommands::pickAt(QPointF globalPos)
{
    QPointer<PickCommands> self(this);
    platform::PickScreenColour(
        window_, globalPos,
        [self](TColor colour, platform::PickPath path, const platform::ProfileUse& profile) {
            if (self) self->host_.guarded([&] { self->took(ColorToCode(colour), path, {}, profile); });
        },
        [self](const QString& why) {
            if (self) self->host_.guarded([&] { self->failed(why); });
        });
}

void PickCommands::startPickMode(QPoint globalPos)
{
    // One pick at a time: asking again starts afresh (also when the first
    // never got hold of the mouse).
    if (session_) session_->cancel();
    if (!platform::screenReader().canReadPixels()) {
        // The desktop's own picker (and its magnifier) does the work.
        pickAt(globalPos);
        return;
    }
    session_ = new PickSession(std::make_unique<ScreenSurface>(), average_, zoom_, window_);
    QPointer<PickSession> session = session_;
    connect(session_, &PickSession::taken, this, [this, session](RGBCode colour) {
        if (session) zoom_ = session->magnifier()->zoom();
        const platform::ProfileUse profile = session ? session->profileUse() : platform::ProfileUse{};
        host_.guarded([&] { took(colour, platform::PickPath::Screen, AverageNote(average_), profile); });
    });
    session_->start(globalPos);
}

void PickCommands::pickImage()
{
    platform::FileDialogOptions o;
    o.title = QCoreApplication::translate("PickCommands", "画像から色を取る");
    o.filter = PickImageFilter();
    const QString path = ChooseOpenFile(window_, o);
    if (!path.isEmpty()) openImage(path);
}

void PickCommands::openImage(const QString& path)
{
    QString error;
    const auto image = ReadPickImage(path, &error);
    if (!image) {
        platform::Warning(window_, error);
        return;
    }
    if (imageWindow_) imageWindow_->cancel();
    const QString name = QFileInfo(path).fileName();
    imageWindow_ = new ImagePickWindow(*image, name, average_, zoom_, window_);
    QPointer<ImagePickWindow> w = imageWindow_;
    connect(imageWindow_, &ImagePickWindow::taken, this, [this, w, name](RGBCode colour, QPoint at) {
        const int average = w ? w->magnifier()->average() : average_;
        if (w) zoom_ = w->magnifier()->zoom();
        const platform::ProfileUse profile = w ? w->profileUse() : platform::ProfileUse{};
        host_.guarded([&] {
            took(colour, platform::PickPath::Image,
                 QCoreApplication::translate("PickCommands", "（%1、x %2, y %3%4）")
                     .arg(name, QString::number(at.x()), QString::number(at.y()),
                          average > 1 ? QCoreApplication::translate("PickCommands", "、%1×%1 の平均").arg(average)
                                      : QString()),
                 profile);
        });
    });
    imageWindow_->show();
    imageWindow_->raise();
    imageWindow_->activateWindow();
}

}  // namespace qolvar::app
