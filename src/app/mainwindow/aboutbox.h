// The about box: product name, description, version and legal notice from
// the program's version values, and a link to the project's home page.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qolvar::app {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // One of "ProductName", "FileDescription", "FileVersion",
    // "LegalCopyright"; empty text for any other name.
    static QString GetVersionValue(const QString& name);

    void FormShow();
    void Label1Click();
    void Label1MouseEnter();
    void Label1MouseLeave();

    QLabel *ProgramIcon = nullptr, *ProductName = nullptr, *Description = nullptr, *Version = nullptr,
           *Copyright = nullptr, *Label1 = nullptr, *Label2 = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Grows the box to hold its texts and puts it in the middle of the
    // screen.
    void Centre();
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The project's home page, opened by the link.
// Where the about box's link leads: the web page set when building, else
// the program's own help.
QString HomePage();

}  // namespace qolvar::app
