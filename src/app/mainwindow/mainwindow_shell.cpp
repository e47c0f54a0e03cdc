// The main window's shell commands (exit, always on top, help, about, the
// table editor), its log line, and start-up and shutdown with the settings
// kept between runs.
#include <QAction>
#include <QStatusBar>
#include <algorithm>
#include <memory>

#include "colour/munsell.h"
#include "colour/munsell_renotation.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/colourlog.h"
#include "mainwindow/colourtable.h"
#include "mainwindow/copyas.h"
#include "mainwindow/mainwindow.h"
#include "pages/page_cmyk.h"
#include "pages/page_munsell.h"
#include "pages/page_video.h"
#include "picking/pickcommands.h"
#include "platform/cursors.h"
#include "platform/settings.h"
#include "widgets/exceptionhook.h"
#include "widgets/files.h"
#include "widgets/help.h"

namespace qolvar::app {

namespace {

const QString kSection = QStringLiteral("formMain");
// No file name is longer than a path may be (PATH_MAX on Linux).
constexpr qsizetype kMaxPathLength = 4096;

}  // namespace

// ---------------------------------------------------------------- log

void TformMain::LogWrite(const QString& text)
{
    if (liveRefresh_) return;
    // The code of the colour the page converted, as the hexadecimal field
    // shows it; the field itself may hold text not yet applied or no code.
    log_->Write(QStringLiteral("RGB=#") + HexText(CurRGB()) + QLatin1Char(' ') + text);
}

// ---------------------------------------------------------------- shell

void TformMain::Exit1Click() { close(); }

void TformMain::QuitProgram() { close(); }

void TformMain::Front1Click()
{
    Front1->setChecked(!Front1->isChecked());
    const bool on = Front1->isChecked();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();  // changing the flags hides the window
}

void TformMain::Contents1Click() { BrowseHelp(this, exeDir_, QStringLiteral("Qolvar.chm")); }

void TformMain::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

void TformMain::TblEdit1Click()
{
    if (formTblEdit_) {
        formTblEdit_->show();
        formTblEdit_->raise();
    }
}

// ---------------------------------------------------------------- start-up and exit

void TformMain::FormCreate()
{
    // Each step that fails is reported and the following steps still run,
    // so that a missing data file never costs the user the stored colour,
    // page or window place.
    auto step = [this](auto&& f) { Guarded(this, f); };
    InstallExceptionHandler(this,
                            [this](QObject* receiver, const std::exception& e) { AppExceptionHandler(receiver, e); });
    step([] { platform::RegisterCursor(platform::kEyedropperCursor, platform::EyedropperCursor()); });
    if (!platform::WindowPlacementSupported()) {
        Front1->setEnabled(false);
        Front1->setToolTip(tr("このデスクトップ（Wayland）ではウィンドウを常に手前に表示できません"));
    }
    exeDir_ = ProgramFolder();
    step([&] { conditions_.LoadMunsellTable(exeDir_); });
    step([] {
        if (!platform::RegKeyExists(kRegistryRoot)) platform::RegKeyCreate(kRegistryRoot);
    });
    step([&] {
        if (platform::RegKeyExists(kRegistryRoot + QLatin1Char('\\') + objectName()))
            platform::RestoreFormBounds(this, kRegistryRoot, &stored_);
    });
    RestoreOptionStatus();
}

void TformMain::RestoreOptionStatus()
{
    std::unique_ptr<platform::RegIniFile> reg;
    Guarded(this, [&] { reg = std::make_unique<platform::RegIniFile>(kRegistryRoot, &stored_); });
    auto readString = [&](const char* name, const QString& def) {
        QString v = def;
        if (reg) Guarded(this, [&] { v = reg->ReadString(kSection, QString::fromLatin1(name), def); });
        return v;
    };
    auto readInteger = [&](const char* name, qint64 def) {
        qint64 v = def;
        if (reg) Guarded(this, [&] { v = reg->ReadInteger(kSection, QString::fromLatin1(name), def); });
        return v;
    };
    QString tableName = readString("TableName", QString());
    if (tableName.size() > kMaxPathLength) {
        // A stored name that no file can have is refused at once (loading
        // and reporting it would take long); the default table stands in.
        AppExceptionHandler(this, platform::SettingsError(
                                      tr("'TableName' が長すぎます（%1 文字）").arg(tableName.size()).toStdString()));
        tableName.clear();
    }
    // The table of a first run: the web's standard colours with their
    // Japanese names; in English, the CSS named colours.
    if (tableName.isEmpty()) tableName = exeDir_ + QStringLiteral("/Table/") + tr("Web標準色.tab");
    Guarded(this, [&] { table_->OpenColorTable(tableName); });
    LiveConv1->setChecked(readInteger("LiveConversion", 0) != 0);
    copyAs_->Restore(readString("CopyFormat", QStringLiteral("hex")),
                     readString("CopyTemplate", copyAs_->CopyTemplate()));
    SetCurRGB(static_cast<RGBCode>(readInteger("RGB", 0)), CurrentColour::Source::Restored);
    if (auto* munsell = findChild<MunsellPage*>())
        munsell->SetMethod(static_cast<int>(readInteger("MunsellMethod", 1)));
    if (auto* video = findChild<VideoPage*>())
        video->SetStandard(static_cast<int>(readInteger("VideoStandard", 0)),
                           static_cast<int>(readInteger("VideoRange", 0)),
                           static_cast<int>(readInteger("VideoBits", 8)));
    // A profile that cannot be read any more leaves CMYK to the formula;
    // the status bar says so, no box interrupts the start.
    if (auto* cmyk = findChild<CMYKPage*>()) {
        const QString profile = readString("CMYKProfile", QString());
        const int intent = static_cast<int>(readInteger("CMYKIntent", 1));
        const bool bpc = readInteger("CMYKBPC", 0) != 0;
        Guarded(this, [&] {
            if (const auto problem = cmyk->SetProfile(profile, intent, bpc))
                statusBar()->showMessage(tr("CMYK プロファイルを使えないため計算式で求めます: %1").arg(*problem));
        });
    }
    SetActivePageIndex(static_cast<int>(readInteger("PageIndex", 1)));
    pickCommands_->setAverage(static_cast<int>(std::clamp<qint64>(readInteger("PickAverage", 1), 0, 7)));
    pickCommands_->setUseMonitorProfile(readInteger("UseMonitorProfile", 1) != 0);
    SetColourView(ColourViewOfIndex(readInteger("ColourVision", 0)));
    repaint();
}

void TformMain::FormDestroy()
{
    destroyed_ = true;
    Guarded(this, [&] {
        if (platform::RegKeyExists(kRegistryRoot)) platform::StoreFormBounds(this, kRegistryRoot, &stored_);
    });
    Guarded(this, [&] { StoreOptionStatus(); });
}

void TformMain::StoreOptionStatus()
{
    platform::RegIniFile reg(kRegistryRoot, &stored_);
    reg.WriteString(kSection, QStringLiteral("TableName"), table_->TableFileName());
    reg.WriteInteger(kSection, QStringLiteral("RGB"), CurRGB());
    reg.WriteInteger(kSection, QStringLiteral("PageIndex"), ActivePageIndex());
    reg.WriteInteger(kSection, QStringLiteral("MunsellMethod"), static_cast<int>(conditions_.MunsellMethodInUse()));
    if (const auto* video = findChild<VideoPage*>()) {
        reg.WriteInteger(kSection, QStringLiteral("VideoStandard"), video->StandardIndex());
        reg.WriteInteger(kSection, QStringLiteral("VideoRange"), video->RangeIndex());
        reg.WriteInteger(kSection, QStringLiteral("VideoBits"), video->Bits());
    }
    if (const auto* cmyk = findChild<CMYKPage*>()) {
        reg.WriteString(kSection, QStringLiteral("CMYKProfile"), cmyk->StoredProfilePath());
        reg.WriteInteger(kSection, QStringLiteral("CMYKIntent"), cmyk->IntentIndex());
        reg.WriteInteger(kSection, QStringLiteral("CMYKBPC"), cmyk->BlackPointCompensation() ? 1 : 0);
    }
    reg.WriteInteger(kSection, QStringLiteral("PickAverage"), pickCommands_->average());
    reg.WriteInteger(kSection, QStringLiteral("UseMonitorProfile"), pickCommands_->useMonitorProfile() ? 1 : 0);
    reg.WriteString(kSection, QStringLiteral("CopyFormat"), copyAs_->CopyFormat());
    reg.WriteInteger(kSection, QStringLiteral("LiveConversion"), LiveConv1->isChecked() ? 1 : 0);
    reg.WriteInteger(kSection, QStringLiteral("ColourVision"), ColourViewIndex(colourView_));
    reg.WriteString(kSection, QStringLiteral("CopyTemplate"), copyAs_->CopyTemplate());
}

}  // namespace qolvar::app
