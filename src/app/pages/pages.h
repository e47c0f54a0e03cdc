// Folder pages/: the five model pages and the HUE page's colour field. They
// include widgets/ and the libraries; they know the main window only as an
// AppHost.
//
// The five model pages of the main window. Each page converts the current
// colour into its model on refresh and converts typed values back; it
// reaches the program only through its AppHost.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <initializer_list>
#include <string>

#include "colour/errors.h"
#include "pages/pagetext.h"
#include "platform/spinedit.h"
#include "widgets/apphost.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

// A typed value that cannot be used: the field that holds it and why.
class FieldProblem : public ConvertError {
public:
    FieldProblem(QWidget* field, const std::string& why) : ConvertError(why), field(field) {}
    QWidget* field;
};

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
    // stays in the box as typed, its cursor and undo steps untouched).
    // TypedIndex gives the item chosen either way.
    template <class Change>
    QComboBox* AddTypedComboBox(const char* name, const QStringList& items, const QString& initial, const QRect& place,
                                Change change)
    {
        auto* box = Named(new QComboBox(this), name);
        box->setGeometry(place);
        box->addItems(items);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setPlaceholderText(initial);
        box->setCurrentIndex(-1);
        box->lineEdit()->setText(initial);
        box->setProperty(kTypedIndex, -1);
        connect(box, &QComboBox::activated, this, [this, box, change](int index) {
            box->setProperty(kTypedIndex, index);
            Guarded(box, change);
        });
        // The box's own current item is left alone while typing: choosing
        // one would rewrite the text, moving the cursor to its end and
        // dropping the undo steps.
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, box, change](const QString& text) {
            box->setProperty(kTypedIndex, box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
            Guarded(box, change);
        });
        return box;
    }
    static constexpr const char* kTypedIndex = "typedIndex";

public:
    // The item a typed combo box's text chooses, -1 for none.
    static int TypedIndex(const QComboBox* box) { return box->property(kTypedIndex).toInt(); }

protected:
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

    // Runs the conversion of the values typed in a group of fields: nothing
    // while the update guard is set; else with the guard set. A value that
    // cannot be used marks its field (text that is not a number) or the
    // whole group (values the conversion rejects) and says why in the status
    // bar, with the beep; the colour stays. Success takes the marks away.
    template <class F>
    void ConvertTyped(const QList<QWidget*>& group, F&& f)
    {
        if (host_.InUpdate()) return;
        GuardScope guard(host_.InUpdate());
        CheckTyped(group, f);
    }
    // Runs f with the marking of ConvertTyped, without the guard.
    template <class F>
    void CheckTyped(const QList<QWidget*>& group, F&& f)
    {
        bool ok = true;
        CatchColourErrors(f, [&](const ColourError& e) {
            ok = false;
            if (const auto* p = dynamic_cast<const FieldProblem*>(&e))
                host_.ShowProblem(group, {p->field}, QString::fromStdString(e.what()));
            else
                host_.ShowProblem(group, group, tr("値が範囲外です！"));
        });
        if (ok) host_.ClearProblem(group);
    }
    // A spin edit's integer; text that is not one is a FieldProblem.
    static int ReadInt(platform::SpinEdit* spin)
    {
        const auto v = spin->readInt();
        if (!v) throw FieldProblem(spin, NotANumber(spin->Text()));
        return *v;
    }
    // A line edit's real number (blanks around it allowed); text that is not
    // one is a FieldProblem.
    static long double RealOf(QLineEdit* edit)
    {
        try {
            return ReadReal(edit->text());
        } catch (const ConvertError&) {
            throw FieldProblem(edit, NotANumber(edit->text()));
        }
    }
    static std::string NotANumber(const QString& text)
    {
        if (text.trimmed().isEmpty())
            return QCoreApplication::translate("qolvar::app::ModelPage", "値が入力されていません").toStdString();
        return QCoreApplication::translate("qolvar::app::ModelPage", "「%1」は数値ではありません")
            .arg(text.left(40))
            .toStdString();
    }

    // The typed values' colour becomes current: the result swatch, CurRGB
    // and the RGB section show it.
    void TakeTypedColour(RGBCode rgb) { host_.TakeTypedColour(rgb); }

    AppHost& host_;
};

}  // namespace qolvar::app
