// The five model pages of the main window. Each page converts the current
// colour into its model on refresh and converts typed values back; it
// reaches the program only through its AppHost.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QString>
#include <QWidget>
#include <initializer_list>

#include "apphost.h"
#include "colour/errors.h"
#include "platform/spinedit.h"
#include "winhelpers.h"

namespace qolvar::app {

class ModelPage : public QWidget {
    Q_OBJECT
public:
    ModelPage(AppHost& host, QWidget* parent) : QWidget(parent), host_(host) {}
    // The page's refresh from CurRGB (btCIEClick, btHueClick, …).
    virtual void Refresh() = 0;

protected:
    // Runs a handler, handing the library's errors to the error handler.
    template <class F>
    void Guarded(QObject* sender, F&& f)
    {
        CatchColourErrors(f, [&](const ColourError& e) { host_.AppExceptionHandler(sender, e); });
    }

    // A label of the page with its object name and place; a title is the
    // model's name in large bold type.
    QLabel* AddLabel(const char* name, const QString& text, const QRect& place)
    {
        auto* l = Named(new QLabel(text, this), name);
        l->setGeometry(place);
        return l;
    }
    QLabel* AddTitle(const char* name, const QString& text, const QRect& place)
    {
        QLabel* l = AddLabel(name, text, place);
        QFont big = l->font();
        big.setPixelSize(16);
        big.setBold(true);
        l->setFont(big);
        return l;
    }

    // A combo box the user may also type into, showing `initial` with no
    // item chosen. Choosing an item, or typing text, runs change: typed text
    // that is exactly an item chooses it, any other text chooses none (and
    // stays in the box as typed).
    template <class Change>
    QComboBox* AddTypedComboBox(const char* name, const QStringList& items, const QString& initial,
                                const QRect& place, Change change)
    {
        auto* box = Named(new QComboBox(this), name);
        box->setGeometry(place);
        box->addItems(items);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setPlaceholderText(initial);
        box->setCurrentIndex(-1);
        box->lineEdit()->setText(initial);
        connect(box, &QComboBox::activated, this, [this, box, change] { Guarded(box, change); });
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box, change](const QString& text) {
            const int index = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
            {
                const QSignalBlocker quiet(box);
                box->setCurrentIndex(index);
                box->lineEdit()->setText(text);
            }
            Guarded(box, change);
        });
        return box;
    }

    // Whether every text holds something to read: none is empty.
    static bool AllTyped(std::initializer_list<QString> texts)
    {
        for (const QString& t : texts)
            if (t.isEmpty()) return false;
        return true;
    }
    // Whether a text is a lone minus sign: the user is about to type digits.
    static bool AnyLoneSign(std::initializer_list<QString> texts)
    {
        for (const QString& t : texts)
            if (t == QLatin1String("-")) return true;
        return false;
    }

    // Runs the conversion of typed values: nothing while the update guard
    // is set; else with the guard set, and a value that cannot be used (text
    // that is not a number, a value out of range) gives the over-range
    // warning.
    template <class F>
    void ConvertTyped(F&& f)
    {
        if (host_.InUpdate()) return;
        GuardScope guard(host_.InUpdate());
        WarnOverRange(f);
    }
    // Runs f; a library error gives the over-range warning.
    template <class F>
    void WarnOverRange(F&& f)
    {
        CatchColourErrors(f, [&](const ColourError&) { host_.OverErr(); });
    }
    // A spin edit's integer; text that is not one raises ConvertError.
    static int ReadInt(const platform::SpinEdit* spin)
    {
        const auto v = spin->readInt();
        if (!v) throw ConvertError("'" + spin->Text().toStdString() + "' is not a valid integer value");
        return *v;
    }

    // The typed values' colour becomes current: the result swatch, CurRGB
    // and the RGB section show it.
    void TakeTypedColour(RGBCode rgb) { host_.TakeTypedColour(rgb); }

    AppHost& host_;
};

}  // namespace qolvar::app
