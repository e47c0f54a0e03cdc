#include "pages/page_cmyk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSet>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "colour/cmyk.h"
#include "colour/numeric.h"
#include "pages/pagetext.h"
#include "platform/spinedit.h"
#include "widgets/accessible.h"
#include "widgets/files.h"

namespace qolvar::app {

using platform::SpinEdit;

namespace {

int ToPercent(int v) { return static_cast<int>(num::Round(static_cast<num::Ext>(v) * 100 / 255)); }
std::int64_t FromPercent(int p) { return num::Round(static_cast<num::Ext>(p) * 255 / 100); }

// With a profile the track bars and spin edits count hundredths of a
// percent; the arrows of a track bar step by one percent.
constexpr int kInkSteps = 10000;
constexpr int kInkDecimals = 2;
int InkSteps(double percent)
{
    if (std::isnan(percent)) return 0;
    // Hundredths rounded half to even from the exact product (exact in
    // extended precision), as the command line prints inks.
    return static_cast<int>(std::lrint(static_cast<long double>(std::clamp(percent, 0.0, 100.0)) * 100));
}
// An ink as its field shows it.
double ShownInk(double percent) { return static_cast<double>(InkSteps(percent)) / 100; }

// Item data of the profile box: a profile's path, and the mark of "Other…".
constexpr int kPathRole = Qt::UserRole;
constexpr int kOtherRole = Qt::UserRole + 1;

const char* const kSystemProfileFolder = "/usr/share/color/icc";

struct FoundProfile {
    QString description, path;
};

// The CMYK profiles installed for the system and the user that can convert
// colours (files *.icc and *.icm in the usual folders and below them),
// sorted by description; a file that cannot be read is passed over. The
// folders are searched once per run.
const std::vector<FoundProfile>& InstalledCMYKProfiles()
{
    static const std::vector<FoundProfile> found = [] {
        std::vector<FoundProfile> list;
        QSet<QString> seen;
        const QString home = QDir::homePath();
        for (const QString& folder :
             {QString::fromLatin1(kSystemProfileFolder), home + QStringLiteral("/.local/share/icc"),
              home + QStringLiteral("/.color/icc")}) {
            QDirIterator it(folder, {QStringLiteral("*.icc"), QStringLiteral("*.icm")}, QDir::Files | QDir::Readable,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                const QString canonical = QFileInfo(path).canonicalFilePath();
                if (seen.contains(canonical)) continue;
                seen.insert(canonical);
                // The header says the class and colour space: only CMYK
                // profiles of a converting class are read whole.
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly)) continue;
                const QByteArray header = file.read(20);
                file.close();
                static const QByteArray classes[] = {"prtr", "mntr", "scnr", "spac"};
                if (header.size() < 20 || header.mid(16, 4) != "CMYK" ||
                    std::find(std::begin(classes), std::end(classes), header.mid(12, 4)) == std::end(classes))
                    continue;
                try {
                    const icc::ProfilePtr profile = icc::Profile::Open(QFile::encodeName(path).toStdString());
                    profile->Require(icc::Space::CMYK, "a CMYK profile");
                    list.push_back({QString::fromStdString(profile->Description()), path});
                } catch (const std::exception&) {
                    // Not a usable CMYK profile: not offered.
                }
            }
        }
        std::sort(list.begin(), list.end(), [](const FoundProfile& a, const FoundProfile& b) {
            const int order = a.description.compare(b.description, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a.path < b.path;
        });
        return list;
    }();
    return found;
}

// Whether two paths name the same file.
bool SameFile(const QString& a, const QString& b)
{
    if (a == b) return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

CMYKPage::CMYKPage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
{
    setObjectName(QStringLiteral("TabSheetCMYK"));
    CreateRows();
    LabelCMYK = AddTitle("LabelCMYK", QStringLiteral("CMYK"), QRect(250, 10, 60, 22));
    LabelCMYK0 = AddLabel("LabelCMYK0", QString(), QRect(316, 13, 120, 18));

    ckCMYK = new QCheckBox(tr("% 表示"), this);
    ckCMYK->setObjectName(QStringLiteral("ckCMYK"));
    ckCMYK->setGeometry(250, 38, 120, 22);
    ckCMYK->setChecked(true);
    // A display switch refreshes the page under the update guard: the
    // rewritten fields run no handler, so the colour never changes.
    connect(ckCMYK, &QCheckBox::toggled, this, [this] {
        Guarded(ckCMYK, [&] {
            GuardScope guard(host_.InUpdate());
            btCMYKClick();
        });
    });
    CreateProfileControls();
    // What a screen reader says of the controls.
    Describe(SpinEditCMYK4, QT_TRANSLATE_NOOP("Accessible", "シアン"), QT_TRANSLATE_NOOP("Accessible", "シアンの値"));
    Describe(SpinEditCMYK3, QT_TRANSLATE_NOOP("Accessible", "マゼンタ"),
             QT_TRANSLATE_NOOP("Accessible", "マゼンタの値"));
    Describe(SpinEditCMYK2, QT_TRANSLATE_NOOP("Accessible", "イエロー"),
             QT_TRANSLATE_NOOP("Accessible", "イエローの値"));
    Describe(SpinEditCMYK1, QT_TRANSLATE_NOOP("Accessible", "キー (黒)"),
             QT_TRANSLATE_NOOP("Accessible", "キー (黒) の値"));
    Describe(TrackBarCMYK4, QT_TRANSLATE_NOOP("Accessible", "シアンのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "シアンの値を矢印キーで変える"));
    Describe(TrackBarCMYK3, QT_TRANSLATE_NOOP("Accessible", "マゼンタのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "マゼンタの値を矢印キーで変える"));
    Describe(TrackBarCMYK2, QT_TRANSLATE_NOOP("Accessible", "イエローのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "イエローの値を矢印キーで変える"));
    Describe(TrackBarCMYK1, QT_TRANSLATE_NOOP("Accessible", "キー (黒) のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "キー (黒) の値を矢印キーで変える"));
    Describe(ckCMYK, QT_TRANSLATE_NOOP("Accessible", "% 表示"),
             QT_TRANSLATE_NOOP("Accessible", "値を百分率で表示する"));
    Describe(cboxCMYKProfile, QT_TRANSLATE_NOOP("Accessible", "CMYK プロファイル"),
             QT_TRANSLATE_NOOP("Accessible", "CMYK の求め方: 計算式または ICC プロファイル"));
    Describe(cboxCMYKIntent, QT_TRANSLATE_NOOP("Accessible", "レンダリングインテント"),
             QT_TRANSLATE_NOOP("Accessible", "プロファイルによる変換のレンダリングインテント"));
    Describe(ckCMYKBPC, QT_TRANSLATE_NOOP("Accessible", "黒点の補正"),
             QT_TRANSLATE_NOOP("Accessible", "プロファイルによる変換で黒点を補正する"));
}

void CMYKPage::CreateProfileControls()
{
    // Below the rows: the profile, then its intent and black-point
    // compensation.
    cboxCMYKProfile = Named(new QComboBox(this), "cboxCMYKProfile");
    cboxCMYKProfile->setGeometry(98, 210, 338, 24);
    cboxCMYKProfile->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboxCMYKProfile->addItem(tr("計算式（従来）"));
    for (const FoundProfile& p : InstalledCMYKProfiles()) {
        cboxCMYKProfile->addItem(p.description, p.path);
        cboxCMYKProfile->setItemData(cboxCMYKProfile->count() - 1, PlainToolTip(p.path), Qt::ToolTipRole);
    }
    cboxCMYKProfile->addItem(tr("その他…"));
    cboxCMYKProfile->setItemData(cboxCMYKProfile->count() - 1, true, kOtherRole);
    connect(cboxCMYKProfile, &QComboBox::activated, this,
            [this](int index) { Guarded(cboxCMYKProfile, [&] { cboxCMYKProfileChange(index); }); });

    cboxCMYKIntent = Named(new QComboBox(this), "cboxCMYKIntent");
    cboxCMYKIntent->setGeometry(98, 242, 180, 24);
    // Items in the order of the intents' numbers.
    cboxCMYKIntent->addItems({tr("知覚的"), tr("相対的な測色"), tr("彩度"), tr("絶対的な測色")});
    cboxCMYKIntent->setCurrentIndex(static_cast<int>(icc::Intent::Relative));
    connect(cboxCMYKIntent, &QComboBox::activated, this,
            [this] { Guarded(cboxCMYKIntent, [&] { cboxCMYKIntentChange(); }); });

    ckCMYKBPC = Named(new QCheckBox(tr("黒点の補正"), this), "ckCMYKBPC");
    ckCMYKBPC->setGeometry(288, 243, 190, 22);
    connect(ckCMYKBPC, &QCheckBox::toggled, this, [this] { Guarded(ckCMYKBPC, [&] { cboxCMYKIntentChange(); }); });

    LabelCMYKProfile = AddLabel("LabelCMYKProfile", tr("プロファイル(&P)"), QRect(12, 214, 84, 16));
    LabelCMYKIntent = AddLabel("LabelCMYKIntent", tr("インテント(&I)"), QRect(12, 246, 84, 16));
    LabelCMYKProfile->setBuddy(cboxCMYKProfile);
    LabelCMYKIntent->setBuddy(cboxCMYKIntent);
    // The formula at first: intent and black point wait for a profile.
    for (QWidget* w : std::initializer_list<QWidget*>{LabelCMYKIntent, cboxCMYKIntent, ckCMYKBPC}) w->setEnabled(false);
}

void CMYKPage::CreateRows()
{
    struct Row {
        ChannelNames names;
        QLabel*& label;
        QSlider*& track;
        SpinEdit*& spin;
        QLabel*& percent;
        const char* percentName;
    };
    const Row rows[] = {
        {{"LabelCMYK4", QT_TRANSLATE_NOOP("ChannelRow", "シアン　(C)"), "TrackBarCMYK4", "SpinEditCMYK4",
          "background: #00FFFF; color: #000000;"},
         LabelCMYK4,
         TrackBarCMYK4,
         SpinEditCMYK4,
         LabelCPer4,
         "LabelCPer4"},
        {{"LabelCMYK3", QT_TRANSLATE_NOOP("ChannelRow", "マゼンタ(M)"), "TrackBarCMYK3", "SpinEditCMYK3",
          "background: #FF00FF; color: #FFFFFF;"},
         LabelCMYK3,
         TrackBarCMYK3,
         SpinEditCMYK3,
         LabelCPer3,
         "LabelCPer3"},
        {{"LabelCMYK2", QT_TRANSLATE_NOOP("ChannelRow", "イエロー(Y)"), "TrackBarCMYK2", "SpinEditCMYK2",
          "background: #FFFF00; color: #000000;"},
         LabelCMYK2,
         TrackBarCMYK2,
         SpinEditCMYK2,
         LabelCPer2,
         "LabelCPer2"},
        {{"LabelCMYK1", QT_TRANSLATE_NOOP("ChannelRow", "キー[黒](K)"), "TrackBarCMYK1", "SpinEditCMYK1",
          "background: #000000; color: #FFFFFF;"},
         LabelCMYK1,
         TrackBarCMYK1,
         SpinEditCMYK1,
         LabelCPer1,
         "LabelCPer1"},
    };
    // The rows start below the main window's result swatch, which lies over
    // the top-left corner of the page.
    int y = 72;
    for (const Row& r : rows) {
        const ChannelRow row = MakeChannelRow(this, r.names, 100);
        r.label = row.label;
        r.track = row.track;
        r.spin = row.spin;
        r.label->setGeometry(12, y + 4, 84, 16);
        r.track->setGeometry(98, y, 255, 24);
        r.spin->setGeometry(362, y, 49, 24);
        r.percent = Named(new QLabel(QStringLiteral("%"), this), r.percentName);
        r.percent->setGeometry(415, y + 4, 20, 16);
        connect(r.track, &QSlider::valueChanged, this,
                [this, t = r.track] { Guarded(t, [&] { TrackBarCMYK1Change(); }); });
        connect(r.spin, &SpinEdit::changed, this, [this, sp = r.spin] { Guarded(sp, [&] { SpinEditCMYK1Change(); }); });
        y += 32;
    }
}

void CMYKPage::btCMYKClick()
{
    if (converter_) {
        DspInk(converter_->ToInk(host_.CurRGB()));
        // The result swatch shows what the inks as shown read back to.
        host_.DspDsetRGB(converter_->ToCode(TrackBarInk()));
        host_.LogWrite(QStringLiteral("CMYK ") + QString::fromStdString(profile_->Description()) + QLatin1Char(' ') +
                       QString::fromLatin1(icc::IntentName(intent_)) +
                       (blackPointCompensation_ ? QStringLiteral(" BPC") : QString()) + QLatin1Char('=') +
                       SpinEditCMYK4->Text() + QLatin1Char(',') + SpinEditCMYK3->Text() + QLatin1Char(',') +
                       SpinEditCMYK2->Text() + QLatin1Char(',') + SpinEditCMYK1->Text());
        return;
    }
    const CMYKCode code = RGBToCMYK(host_.CurRGB());
    DspCMYK(code);
    host_.DspDsetRGB(CMYKToRGB(code));
    host_.LogWrite(QStringLiteral("CMYK=") + SpinEditCMYK4->Text() + QLatin1Char(',') + SpinEditCMYK3->Text() +
                   QLatin1Char(',') + SpinEditCMYK2->Text() + QLatin1Char(',') + SpinEditCMYK1->Text());
}

void CMYKPage::DspCMYK(CMYKCode code)
{
    int c = static_cast<int>((code >> 24) & 0xFF), m = static_cast<int>((code >> 16) & 0xFF),
        y = static_cast<int>((code >> 8) & 0xFF), k = static_cast<int>(code & 0xFF);
    // The code label goes first: the writes below may run a change handler
    // at once (when the guard is clear), which shows the code it settles on,
    // so that the label always agrees with the track bars.
    LabelCMYK0->setText(QLatin1Char('#') + HexText(code, 8));
    TrackBarCMYK4->setValue(c);
    TrackBarCMYK3->setValue(m);
    TrackBarCMYK2->setValue(y);
    TrackBarCMYK1->setValue(k);
    const bool percent = ckCMYK->isChecked();
    if (percent) {
        c = ToPercent(c);
        m = ToPercent(m);
        y = ToPercent(y);
        k = ToPercent(k);
    }
    for (QLabel* l : {LabelCPer4, LabelCPer3, LabelCPer2, LabelCPer1})
        l->setText(percent ? QStringLiteral("%") : QString());
    for (SpinEdit* s : {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1})
        s->setRange(0, percent ? 100 : 255);
    SpinEditCMYK4->setValue(c);
    SpinEditCMYK3->setValue(m);
    SpinEditCMYK2->setValue(y);
    SpinEditCMYK1->setValue(k);
}

CMYKCode CMYKPage::TrackBarCode() const
{
    return static_cast<CMYKCode>(TrackBarCMYK4->value() & 0xFF) << 24 |
           static_cast<CMYKCode>(TrackBarCMYK3->value() & 0xFF) << 16 |
           static_cast<CMYKCode>(TrackBarCMYK2->value() & 0xFF) << 8 |
           static_cast<CMYKCode>(TrackBarCMYK1->value() & 0xFF);
}

icc::Ink CMYKPage::TrackBarInk() const
{
    return {TrackBarCMYK4->value() / 100.0, TrackBarCMYK3->value() / 100.0, TrackBarCMYK2->value() / 100.0,
            TrackBarCMYK1->value() / 100.0};
}

void CMYKPage::DspInk(const icc::Ink& ink)
{
    const double v[4] = {ink.c, ink.m, ink.y, ink.k};
    QSlider* tracks[4] = {TrackBarCMYK4, TrackBarCMYK3, TrackBarCMYK2, TrackBarCMYK1};
    SpinEdit* spins[4] = {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1};
    for (int i = 0; i < 4; ++i) tracks[i]->setValue(InkSteps(v[i]));
    for (int i = 0; i < 4; ++i) spins[i]->setReal(ShownInk(v[i]));
}

void CMYKPage::TrackBarCMYK1Change()
{
    if (host_.InUpdate()) return;
    GuardScope guard(host_.InUpdate());
    if (converter_) {
        const icc::Ink ink = TrackBarInk();
        DspInk(ink);
        TakeTypedColour(converter_->ToCode(ink));
        return;
    }
    const CMYKCode code = TrackBarCode();
    DspCMYK(code);
    TakeTypedColour(CMYKToRGB(code));
}

void CMYKPage::SpinEditCMYK1Change()
{
    SpinEdit* spins[4] = {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1};
    if (!AllTyped({spins[0]->Text(), spins[1]->Text(), spins[2]->Text(), spins[3]->Text()})) return;
    if (converter_) {
        TypedInks();
        return;
    }
    ConvertTyped({spins[0], spins[1], spins[2], spins[3]}, [&] {
        const bool percent = ckCMYK->isChecked();
        CMYKCode code = 0;
        for (SpinEdit* s : spins) {
            const int v = ReadInt(s);
            const std::int64_t n = percent ? FromPercent(v) : v;
            code = code << 8 | (static_cast<CMYKCode>(n) & 0xFF);
        }
        DspCMYK(code);
        TakeTypedColour(CMYKToRGB(code));
    });
}

void CMYKPage::TypedInks()
{
    SpinEdit* spins[4] = {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1};
    QSlider* tracks[4] = {TrackBarCMYK4, TrackBarCMYK3, TrackBarCMYK2, TrackBarCMYK1};
    ConvertTyped({spins[0], spins[1], spins[2], spins[3]}, [&] {
        double v[4];
        for (int i = 0; i < 4; ++i) {
            const auto r = spins[i]->readReal();
            if (!r) throw FieldProblem(spins[i], NotANumber(spins[i]->Text()));
            if (*r < 0 || *r > 100)
                throw FieldProblem(spins[i], tr("インクの量は 0 から 100 % までです").toStdString());
            v[i] = *r;
        }
        // The fields keep the text as typed; the track bars follow.
        for (int i = 0; i < 4; ++i) tracks[i]->setValue(InkSteps(v[i]));
        TakeTypedColour(converter_->ToCode({v[0], v[1], v[2], v[3]}));
    });
}

int CMYKPage::IntentIndex() const { return std::clamp(cboxCMYKIntent->currentIndex(), 0, 3); }

bool CMYKPage::BlackPointCompensation() const { return ckCMYKBPC->isChecked(); }

int CMYKPage::OtherIndex() const { return cboxCMYKProfile->count() - 1; }

std::optional<QString> CMYKPage::SetProfile(const QString& path, int intent, bool blackPointCompensation)
{
    {
        const QSignalBlocker quiet(ckCMYKBPC);
        cboxCMYKIntent->setCurrentIndex(intent >= 0 && intent <= 3 ? intent : static_cast<int>(icc::Intent::Relative));
        ckCMYKBPC->setChecked(blackPointCompensation);
    }
    std::optional<QString> problem;
    if (path.isEmpty()) {
        UseFormula();
    } else {
        try {
            UseProfile(path, static_cast<icc::Intent>(IntentIndex()), blackPointCompensation);
        } catch (const std::exception& e) {  // refused, or no memory to read it
            UseFormula();
            unreadProfilePath_ = path;
            problem = QString::fromUtf8(e.what());
        }
    }
    ShowChoice();
    ShowMode();
    return problem;
}

void CMYKPage::UseProfile(const QString& path, icc::Intent intent, bool blackPointCompensation)
{
    const std::string name = QFile::encodeName(path).toStdString();
    // Only a file is read: a pipe or a device would keep the window waiting.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) throw icc::ProfileError(name + ": is not a file");
    // The profile in use is read again only when another file is chosen.
    icc::ProfilePtr profile = profile_ && SameFile(path, profilePath_) ? profile_ : icc::Profile::Open(name);
    icc::CMYKConverter converter(profile, intent, blackPointCompensation);
    profile_ = std::move(profile);
    converter_.emplace(std::move(converter));
    profilePath_ = path;
    intent_ = intent;
    blackPointCompensation_ = blackPointCompensation;
}

void CMYKPage::UseFormula()
{
    converter_.reset();
    profile_.reset();
    profilePath_.clear();
}

void CMYKPage::cboxCMYKProfileChange(int index)
{
    QString path;
    if (cboxCMYKProfile->itemData(index, kOtherRole).toBool()) {
        platform::FileDialogOptions o;
        o.title = tr("CMYK プロファイルを開く");
        o.filter = tr("ICC プロファイル (*.icc, *.icm)|*.icc;*.icm|すべてのファイル(*.*)|*.*");
        o.initialDir = profile_ ? QFileInfo(profilePath_).absolutePath() : QString::fromLatin1(kSystemProfileFolder);
        if (!QFileInfo(o.initialDir).isDir()) o.initialDir.clear();
        o.mustExist = true;
        path = ChooseOpenFile(window(), o);
        if (path.isEmpty()) {
            ShowChoice();
            return;
        }
    } else {
        path = cboxCMYKProfile->itemData(index, kPathRole).toString();
    }
    try {
        if (path.isEmpty())
            UseFormula();
        else
            UseProfile(path, static_cast<icc::Intent>(IntentIndex()), BlackPointCompensation());
    } catch (const std::exception& e) {  // refused, or no memory to read it
        ShowChoice();
        host_.AppExceptionHandler(cboxCMYKProfile, e);
        return;
    }
    unreadProfilePath_.clear();
    ShowChoice();
    ShowMode();
    host_.BitBtn1Click();
}

void CMYKPage::cboxCMYKIntentChange()
{
    // Without a profile the choice waits for one.
    if (!converter_) return;
    try {
        UseProfile(profilePath_, static_cast<icc::Intent>(IntentIndex()), BlackPointCompensation());
    } catch (const std::exception& e) {  // refused, or no memory to read it
        ShowChoice();
        host_.AppExceptionHandler(cboxCMYKIntent, e);
        return;
    }
    host_.BitBtn1Click();
}

void CMYKPage::ShowChoice()
{
    int index = 0;
    if (converter_) {
        index = -1;
        for (int i = 1; i < OtherIndex() && index < 0; ++i)
            if (SameFile(cboxCMYKProfile->itemData(i, kPathRole).toString(), profilePath_)) index = i;
        if (index < 0) {
            // A profile chosen as a file, or kept in the settings, joins the
            // list before "Other…".
            index = OtherIndex();
            cboxCMYKProfile->insertItem(index, QString::fromStdString(profile_->Description()), profilePath_);
            cboxCMYKProfile->setItemData(index, PlainToolTip(profilePath_), Qt::ToolTipRole);
        }
        const QSignalBlocker quiet(ckCMYKBPC);
        cboxCMYKIntent->setCurrentIndex(static_cast<int>(intent_));
        ckCMYKBPC->setChecked(blackPointCompensation_);
    }
    cboxCMYKProfile->setCurrentIndex(index);
    cboxCMYKProfile->setToolTip(converter_ ? PlainToolTip(profilePath_) : QString());
}

void CMYKPage::ShowMode()
{
    const bool profile = converter_.has_value();
    // The fields are shown again only when they change their kind of value.
    const bool switched = SpinEditCMYK4->decimals() != (profile ? kInkDecimals : 0);
    // Inks by a profile are always percentages.
    ckCMYK->setEnabled(!profile);
    for (QWidget* w : std::initializer_list<QWidget*>{LabelCMYKIntent, cboxCMYKIntent, ckCMYKBPC})
        w->setEnabled(profile);
    QSlider* tracks[4] = {TrackBarCMYK4, TrackBarCMYK3, TrackBarCMYK2, TrackBarCMYK1};
    SpinEdit* spins[4] = {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1};
    // The fields change without running their handlers: the colour stays.
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(8);
    for (QSlider* t : tracks) {
        quiet.emplace_back(t);
        t->setRange(0, profile ? kInkSteps : 255);
        t->setSingleStep(profile ? 100 : 1);
        t->setPageStep(profile ? 1000 : 10);
    }
    for (SpinEdit* s : spins) {
        quiet.emplace_back(s);
        s->setDecimals(profile ? kInkDecimals : 0);
        if (profile) s->setRange(0, kInkSteps);
    }
    // "100.00" needs a wider field than "255": the track bars give way.
    for (int i = 0; i < 4; ++i) {
        const int y = tracks[i]->y();
        tracks[i]->setGeometry(98, y, profile ? 239 : 255, 24);
        spins[i]->setGeometry(profile ? 346 : 362, y, profile ? 65 : 49, 24);
    }
    if (!switched) return;
    if (profile) {
        // The packed code belongs to the formula.
        LabelCMYK0->clear();
        for (QLabel* l : {LabelCPer4, LabelCPer3, LabelCPer2, LabelCPer1}) l->setText(QStringLiteral("%"));
        DspInk(converter_->ToInk(host_.CurRGB()));
    } else {
        DspCMYK(RGBToCMYK(host_.CurRGB()));
    }
}

}  // namespace qolvar::app
