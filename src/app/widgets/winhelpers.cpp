#include "widgets/winhelpers.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QSlider>
#include <QToolButton>

#include "platform/cursors.h"
#include "platform/screenpick.h"
#include "platform/spinedit.h"

namespace qolvar::app {

void SetFieldMarked(QWidget* field, bool marked)
{
    if (!field || FieldMarked(field) == marked) return;
    field->setProperty("invalidInput", marked);
    if (marked) {
        QPalette tinted = field->palette();
        tinted.setColor(QPalette::Base, QColor(0xFF, 0xD6, 0xD6));
        tinted.setColor(QPalette::Text, QColor(Qt::black));
        field->setPalette(tinted);
    } else {
        field->setPalette(QPalette());
    }
}

bool FieldMarked(const QWidget* field) { return field && field->property("invalidInput").toBool(); }

QString WithModifiedMark(const QString& title)
{
    // Qt's own escape ("[*][*]") is misread after a mark in front of it, so
    // a "[*]" of the title gets a zero-width space inside: it shows as it
    // is and is no placeholder.
    QString own = title;
    own.replace(QStringLiteral("[*]"), QStringLiteral("[\u200B*]"));
    return QStringLiteral("[*]") + own;
}

QString ShownText(const QString& text)
{
    if (text.size() <= kMaxShownChars) return text;
    return text.left(kMaxShownChars) + QChar(0x2026);
}

QString PlainToolTip(const QString& text)
{
    // Anything that could open a tag is escaped, whatever the toolkit's
    // guess at markup would say.
    if (!text.contains(u'<')) return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString HexText(std::uint32_t v, int width) { return QString::fromLatin1(HexDigits(v, width)); }

std::uint32_t HexOf(const QString& text)
{
    return HexToCode(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

std::optional<RGBCode> RGBOfSpins(const platform::SpinEdit* red, const platform::SpinEdit* green,
                                  const platform::SpinEdit* blue)
{
    const auto r = red->readInt(), g = green->readInt(), b = blue->readInt();
    if (!r || !g || !b) return std::nullopt;
    return static_cast<RGBCode>(*r & 0xFF) << 16 | static_cast<RGBCode>(*g & 0xFF) << 8 |
           static_cast<RGBCode>(*b & 0xFF);
}

ChannelRow MakeChannelRow(QWidget* parent, const ChannelNames& names, int spinMax)
{
    ChannelRow r{};
    r.label = Named(new QLabel(QCoreApplication::translate("ChannelRow", names.caption), parent), names.label);
    r.track = Named(new QSlider(Qt::Horizontal, parent), names.track);
    r.track->setRange(0, 255);
    r.track->setTickPosition(QSlider::NoTicks);
    r.spin = Named(new platform::SpinEdit(parent), names.spin);
    r.spin->setRange(0, spinMax);
    r.spin->setStyleSheet(QStringLiteral("QAbstractSpinBox { %1 }").arg(QString::fromLatin1(names.style)));
    return r;
}

EyedropperButton::EyedropperButton(QToolButton* button, std::function<void(QPointF)> release,
                                   std::function<void(QPoint)> click)
    : QObject(button), button_(button), release_(std::move(release)), click_(std::move(click))
{
    button->installEventFilter(this);
}

bool EyedropperButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != button_) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        // During the pick the button is greyed, not pressed; it still
        // hears the release through this filter. Greying a focused button
        // would hand the focus to the next control (the editor's list would
        // show its row over the colour being edited), so the focus is put
        // aside and given back afterwards.
        hadFocus_ = button_->hasFocus();
        if (hadFocus_) button_->clearFocus();
        button_->setEnabled(false);
        QApplication::setOverrideCursor(platform::ScreenCursor(platform::kEyedropperCursor));
        active_ = true;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (active_) {
            active_ = false;
            button_->setEnabled(true);
            if (hadFocus_) button_->setFocus(Qt::OtherFocusReason);
            QApplication::restoreOverrideCursor();
            const QPointF exact = static_cast<QMouseEvent*>(event)->globalPosition();
            const QPoint at = exact.toPoint();
            // Released where it was pressed (a plain click): rather than
            // taking the button's own grey, the click starts the pick mode
            // where there is one, else the pick is cancelled. Where the
            // screen cannot be read the click hands over to the desktop's
            // picker instead.
            const bool overButton = button_->rect().contains(button_->mapFromGlobal(at));
            if (!overButton || !platform::screenReader().canReadPixels())
                release_(exact);
            else if (click_)
                click_(at);
        }
        return true;
    }
    return false;
}

QFont DesktopFont(QFontDatabase::SystemFont kind)
{
    QFont font = QFontDatabase::systemFont(kind);
    font.setFamily(QFontInfo(font).family());
    return font;
}

QFont NamedFont(const QString& family, int pixelSize, QFontDatabase::SystemFont kind)
{
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : DesktopFont(kind);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace qolvar::app
