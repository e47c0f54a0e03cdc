// The program's application object and its four windows.
#pragma once

#include <QApplication>
#include <memory>

namespace qolvar::app {

class TformMain;
class TAboutBox;
class TformLogViewer;
class TformTblEdit;

// Hands any exception that escapes an event handler to the main window's
// AppExceptionHandler, so that none crosses the event loop.
class QolvarApplication : public QApplication {
public:
    QolvarApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The windows in their order of creation: the main window (which runs its
// FormCreate), the about box, the log viewer, the table editor. Only the
// main window is shown (by the caller).
struct Windows {
    std::unique_ptr<TformMain> formMain;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TformLogViewer> formLogViewer;
    std::unique_ptr<TformTblEdit> formTblEdit;
    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
};
Windows CreateWindows();

// The program's folder, where its data files lie: the executable's folder
// unless set otherwise (tests give each test a folder of its own).
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

class AppHost;
// The main window in use, for the application's error handler and the
// table editor; nullptr when there is none.
AppHost* MainWindow();

}  // namespace qolvar::app
