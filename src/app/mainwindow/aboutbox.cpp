#include "mainwindow/aboutbox.h"

#include <QGuiApplication>
#include <QScreen>

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>

#include "platform/dialogs.h"
#include "version.h"
#include "widgets/accessible.h"
#include "widgets/files.h"
#include "widgets/help.h"
#include "widgets/programicon.h"

namespace qolvar::app {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("バージョン情報"));
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto label = [panel](const char* name, const QString& text) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    ProgramIcon = label("ProgramIcon", QString());
    ProgramIcon->setPixmap(ProgramPixmap(65));
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setFixedSize(65, 65);
    ProductName = label("ProductName", tr("プロダクト名"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(19);
    ProductName->setFont(bold);
    Description = label("Description", tr("説明"));
    Version = label("Version", tr("バージョン番号"));
    Copyright = label("Copyright", tr("著作権表記"));
    QFont small = font();
    small.setPixelSize(11);
    Label1 = label("Label1", QStringLiteral("Mardenvi Home Page"));
    QFont link = small;
    link.setUnderline(true);
    Label1->setFont(link);
    Label1->setStyleSheet(QStringLiteral("color: #0000FF;"));
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    Label1->setFocusPolicy(Qt::StrongFocus);  // Enter or Space opens the page
    Label2 = label("Label2", QStringLiteral(QOLVAR_CONTACT));
    Label2->setFont(small);
    OKButton = new QPushButton(QStringLiteral("OK"), panel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setMinimumWidth(75);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // The icon at the left of the four lines about the program; the link
    // and the contact below, the OK button at the bottom right. The box
    // grows with its texts, so no line is ever cut.
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    for (QLabel* l : {ProductName, Description, Version, Copyright}) texts->addWidget(l);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(15);
    top->addWidget(ProgramIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* links = new QVBoxLayout;
    links->setSpacing(0);
    links->addWidget(Label1);
    links->addWidget(Label2);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links);
    bottom->addStretch(1);
    bottom->addWidget(OKButton, 0, Qt::AlignBottom);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(10, 8, 10, 8);
    inner->addLayout(top, 1);
    inner->addLayout(bottom);
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel, 0, 0);
    outer->setColumnMinimumWidth(0, 249);
    outer->setRowMinimumHeight(0, 129);
    resize(249, 129);
    // The button first, then the link.
    setTabOrder(OKButton, Label1);
    OKButton->setFocus();
    // What a screen reader says of the controls.
    Describe(OKButton, QT_TRANSLATE_NOOP("Accessible", "OK"),
             QT_TRANSLATE_NOOP("Accessible", "バージョン情報を閉じる"));
    Describe(Label1, QT_TRANSLATE_NOOP("Accessible", "ホームページ"),
             QT_TRANSLATE_NOOP("Accessible", "作者のホームページまたはヘルプを開く"));
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
    // The description and the copyright holder in the user's language (the
    // texts of version.h.in marked below).
    static_cast<void>(QT_TR_NOOP("色コード変換ツール"));
    Description->setText(tr(GetVersionValue(QStringLiteral("FileDescription")).toUtf8().constData()));
    Version->setText(QStringLiteral("Version ") + GetVersionValue(QStringLiteral("FileVersion")));
    static_cast<void>(QT_TR_NOOP("(C) 2026 Qolvar の開発者"));
    Copyright->setText(QStringLiteral("Copyright ") +
                       tr(GetVersionValue(QStringLiteral("LegalCopyright")).toUtf8().constData()));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    FormShow();
    Centre();
    QDialog::showEvent(event);
    // The labels' styles and fonts may still change their sizes as the box
    // is shown: once that has settled, the box is centred for its final
    // size.
    QTimer::singleShot(0, this, &TAboutBox::Centre);
}

void TAboutBox::Centre()
{
    ensurePolished();
    layout()->activate();
    resize(size().expandedTo(sizeHint()));
    // The box stands in the middle of the screen, not over its owner.
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

QString HomePage()
{
    const QString page = QStringLiteral(QOLVAR_HOMEPAGE);
    return page.isEmpty() ? HelpPath(ProgramFolder(), QStringLiteral("Qolvar.chm"), HelpLanguage()) : page;
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
