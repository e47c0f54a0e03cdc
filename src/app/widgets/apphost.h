// What the model pages (AppHost) and the table editor (TableEditorHost) may
// ask of the main window: the current colour and its update guard, the
// conditions conversions run under, taking a typed colour, the result
// swatch, the colour log, the over-range warning and the application's
// error handler. The main window implements both;
// nothing else of it is visible to them.
#pragma once

#include <QList>
#include <QString>
#include <exception>

#include "colour/codes.h"
#include "colour/conditions.h"
#include "widgets/colourview.h"

class QObject;
class QWidget;

namespace qolvar::app {

class WindowConditions;

class AppHost {
public:
    // The current colour (CurRGB).
    virtual RGBCode CurRGB() const = 0;
    // The update guard (InUpdate): change handlers return while it is set,
    // and set it while they rewrite controls.
    virtual bool& InUpdate() = 0;
    // The conditions every conversion of the window runs under (gamma,
    // reference white, Munsell table and method), and the settings of the
    // CIE and Munsell pages that change them.
    virtual const ConversionConditions& Conditions() const = 0;
    virtual WindowConditions& EditConditions() = 0;
    // Shows a colour on the result swatch and its code panel (DspDsetRGB).
    virtual void DspDsetRGB(RGBCode rgb) = 0;
    // Makes a colour typed on a page current: the result swatch, CurRGB and
    // the RGB section show it.
    virtual void TakeTypedColour(RGBCode rgb) = 0;
    // Appends a log line "RGB=#" + the hexadecimal field + " " + text.
    virtual void LogWrite(const QString& text) = 0;
    // The beep and the warning "値が範囲外です！".
    virtual void OverErr() = 0;
    // A typed value that cannot be used: the fields of `group` lose their
    // marks, those of `marked` are marked as invalid, the beep sounds and
    // the main window's status bar says why. No box takes the focus.
    virtual void ShowProblem(const QList<QWidget*>& group, const QList<QWidget*>& marked, const QString& why) = 0;
    // The group's values are usable again: their marks and, when no field
    // is marked any more, the status bar's message go.
    virtual void ClearProblem(const QList<QWidget*>& group) = 0;
    // The refresh button: the active page from CurRGB, with a log line.
    virtual void BitBtn1Click() = 0;
    // The program's folder (ExeDir), where its data files lie.
    virtual QString ExeDir() const = 0;
    // Shows an error as the application's error box; conversion errors
    // (text that is not a number) are passed over.
    virtual void AppExceptionHandler(QObject* sender, const std::exception& e) = 0;

protected:
    ~AppHost() = default;
};

class TableEditorHost {
public:
    // The conditions L*a*b* swatches are read under.
    virtual const ConversionConditions& Conditions() const = 0;
    // The colour-vision simulation the swatches are painted with, if any.
    virtual ColourView SwatchView() const = 0;
    // Shows an error as the application's error box; conversion errors
    // (text that is not a number) are passed over.
    virtual void AppExceptionHandler(QObject* sender, const std::exception& e) = 0;
    // Ends the program as closing the main window does (the editor is asked
    // about its unsaved changes first).
    virtual void QuitProgram() = 0;

protected:
    ~TableEditorHost() = default;
};

}  // namespace qolvar::app
