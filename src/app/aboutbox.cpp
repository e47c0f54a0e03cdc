#include "aboutbox.h"

#include <QGuiApplication>
#include <QScreen>

#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "accessible.h"
#include "application.h"
#include "help.h"
#include "platform/dialogs.h"
#include "programicon.h"
#include "version.h"

namespace qolvar::app {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("バージョン情報"));
    setFixedSize(249, 129);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, 249, 129);
    auto label = [panel](const char* name, const QString& text, int x, int y, int w, int h) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, h);
        return l;
    };
    ProgramIcon = label("ProgramIcon", QString(), 10, 18, 65, 65);
    ProgramIcon->setPixmap(ProgramPixmap(65));
    ProgramIcon->setScaledContents(true);
    ProductName = label("ProductName", tr("プロダクト名"), 90, 10, 150, 22);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(19);
    ProductName->setFont(bold);
    Description = label("Description", tr("説明"), 90, 34, 155, 16);
    Version = label("Version", tr("バージョン番号"), 90, 50, 155, 16);
    Copyright = label("Copyright", tr("著作権表記"), 90, 66, 155, 16);
    QFont small = font();
    small.setPixelSize(11);
    Label1 = label("Label1", QStringLiteral("Mardenvi Home Page"), 10, 90, 120, 14);
    QFont link = small;
    link.setUnderline(true);
    Label1->setFont(link);
    Label1->setStyleSheet(QStringLiteral("color: #0000FF;"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    Label1->setFocusPolicy(Qt::StrongFocus);  // Enter or Space opens the page
    Label2 = label("Label2", QStringLiteral(QOLVAR_CONTACT), 8, 104, 125, 14);
    Label2->setFont(small);
    OKButton = new QPushButton(QStringLiteral("OK"), panel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(135, 92, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    // The button first, then the link.
    setTabOrder(OKButton, Label1);
    OKButton->setFocus();
    DescribeAboutBox(this);
}

QString TAboutBox::GetVersionValue(const QString& name)
{
    if (name == QLatin1String("ProductName")) return QStringLiteral(QOLVAR_PRODUCT_NAME);
    if (name == QLatin1String("FileDescription")) return QStringLiteral(QOLVAR_FILE_DESCRIPTION);
    if (name == QLatin1String("FileVersion")) return QStringLiteral(QOLVAR_FILE_VERSION);
    if (name == QLatin1String("LegalCopyright")) return QStringLiteral(QOLVAR_LEGAL_COPYRIGHT);
    return {};
}

void TAboutBox::FormShow()
{
    ProductName->setText(GetVersionValue(QStringLiteral("ProductName")));
    // The description in the user's language (the text of version.h.in
    // marked below).
    static_cast<void>(QT_TR_NOOP("色コード変換ツール"));
    Description->setText(tr(GetVersionValue(QStringLiteral("FileDescription")).toUtf8().constData()));
    Version->setText(QStringLiteral("Version ") + GetVersionValue(QStringLiteral("FileVersion")));
    Copyright->setText(QStringLiteral("Copyright ") + GetVersionValue(QStringLiteral("LegalCopyright")));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    FormShow();
    // The box stands in the middle of the screen, not over its owner.
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

QString HomePage()
{
    const QString page = QStringLiteral(QOLVAR_HOMEPAGE);
    return page.isEmpty() ? HelpPath(ProgramFolder(), QStringLiteral("Qolvar.chm")) : page;
}

void TAboutBox::Label1Click() { platform::dialogs().shellOpen(HomePage()); }
void TAboutBox::Label1MouseEnter() { Label1->setStyleSheet(QStringLiteral("color: #FF0000;")); }
void TAboutBox::Label1MouseLeave() { Label1->setStyleSheet(QStringLiteral("color: #0000FF;")); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label1) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease: Label1Click(); return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                Label1Click();
                return true;
            }
            break;
        }
        case QEvent::Enter: Label1MouseEnter(); break;
        case QEvent::Leave: Label1MouseLeave(); break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qolvar::app
