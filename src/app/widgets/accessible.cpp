#include "widgets/accessible.h"

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <initializer_list>

namespace qolvar::app {

namespace {

// A control by its object name with its name and description (marked for
// translation in the context "Accessible").
struct Described {
    const char* object;
    const char* name;
    const char* description;
};

QString Tr(const char* text) { return QCoreApplication::translate("Accessible", text); }

void Describe(QWidget* window, std::initializer_list<Described> controls)
{
    for (const Described& d : controls) {
        // A control may be missing (a window built for another platform):
        // the others are still described.
        for (QWidget* w : window->findChildren<QWidget*>(QString::fromLatin1(d.object)))
            SetAccessible(w, Tr(d.name), Tr(d.description));
    }
}

}  // namespace

void SetAccessible(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void DescribeMainWindow(QWidget* window)
{
    Describe(
        window,
        {
            // The tool bar's own buttons.
            {"ToolButton6", QT_TRANSLATE_NOOP("Accessible", "カラーピック"),
             QT_TRANSLATE_NOOP("Accessible",
                               "ボタンを押したまま色の上で離すとその色を取る。Space で拡大鏡の取り方を始める")},
            {"ToolButton7", QT_TRANSLATE_NOOP("Accessible", "ヘルプ"),
             QT_TRANSLATE_NOOP("Accessible", "ヘルプの目次を開く")},
            // The RGB section.
            {"SpinEditRGB3", QT_TRANSLATE_NOOP("Accessible", "赤"), QT_TRANSLATE_NOOP("Accessible", "赤の値 (0〜255)")},
            {"SpinEditRGB2", QT_TRANSLATE_NOOP("Accessible", "緑"), QT_TRANSLATE_NOOP("Accessible", "緑の値 (0〜255)")},
            {"SpinEditRGB1", QT_TRANSLATE_NOOP("Accessible", "青"), QT_TRANSLATE_NOOP("Accessible", "青の値 (0〜255)")},
            {"TrackBarRGB3", QT_TRANSLATE_NOOP("Accessible", "赤のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "赤の値 (0〜255) を矢印キーで変える")},
            {"TrackBarRGB2", QT_TRANSLATE_NOOP("Accessible", "緑のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "緑の値 (0〜255) を矢印キーで変える")},
            {"TrackBarRGB1", QT_TRANSLATE_NOOP("Accessible", "青のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "青の値 (0〜255) を矢印キーで変える")},
            {"editRGBHEX", QT_TRANSLATE_NOOP("Accessible", "16 進数の色コード"),
             QT_TRANSLATE_NOOP("Accessible", "現在の色の 16 進数コード (RRGGBB)。Enter でその色にする")},
            {"BitBtn1", QT_TRANSLATE_NOOP("Accessible", "更新"),
             QT_TRANSLATE_NOOP("Accessible", "表示中のページを現在の色で更新し、ログに書く")},
            {"Panel1", QT_TRANSLATE_NOOP("Accessible", "現在の色"),
             QT_TRANSLATE_NOOP("Accessible", "現在の色。Space で色の選択ダイアログを開く")},
            {"Panel4", QT_TRANSLATE_NOOP("Accessible", "前回更新時の色"),
             QT_TRANSLATE_NOOP("Accessible", "前回更新したときの色。Space でその色に戻す")},
            {"cboxColor", QT_TRANSLATE_NOOP("Accessible", "カラーテーブル"),
             QT_TRANSLATE_NOOP("Accessible", "カラーテーブルの色。選んだ色が現在の色になる")},
            {"PageControl1", QT_TRANSLATE_NOOP("Accessible", "色のモデル"),
             QT_TRANSLATE_NOOP("Accessible", "色のモデルのページ")},
            // CIE.
            {"RadioGroupCIE0", QT_TRANSLATE_NOOP("Accessible", "XYZ"),
             QT_TRANSLATE_NOOP("Accessible", "CIE XYZ で表示する")},
            {"RadioGroupCIE1", QT_TRANSLATE_NOOP("Accessible", "Yxy"),
             QT_TRANSLATE_NOOP("Accessible", "CIE Yxy で表示する")},
            {"RadioGroupCIE2", QT_TRANSLATE_NOOP("Accessible", "L*a*b*"),
             QT_TRANSLATE_NOOP("Accessible", "CIE L*a*b* で表示する")},
            {"RadioGroupCIE3", QT_TRANSLATE_NOOP("Accessible", "L*u*v*"),
             QT_TRANSLATE_NOOP("Accessible", "CIE L*u*v* で表示する")},
            {"editCIE3", QT_TRANSLATE_NOOP("Accessible", "CIE の第 1 の値"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 1 の値 (X、Y または L*)")},
            {"editCIE2", QT_TRANSLATE_NOOP("Accessible", "CIE の第 2 の値"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 2 の値 (Y、x、a* または u*)")},
            {"editCIE1", QT_TRANSLATE_NOOP("Accessible", "CIE の第 3 の値"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 3 の値 (Z、y、b* または v*)")},
            {"ckCIE", QT_TRANSLATE_NOOP("Accessible", "小数点以下 2 桁"),
             QT_TRANSLATE_NOOP("Accessible", "値を小数点以下 2 桁で表示する")},
            {"ComboBoxCIE2", QT_TRANSLATE_NOOP("Accessible", "ガンマ"),
             QT_TRANSLATE_NOOP("Accessible", "RGB のガンマ。一覧から選ぶか数値を入力する")},
            {"ComboBoxCIE1", QT_TRANSLATE_NOOP("Accessible", "標準の光"),
             QT_TRANSLATE_NOOP("Accessible", "白色点にする標準の光")},
            // HUE.
            {"RadioGroupHue0", QT_TRANSLATE_NOOP("Accessible", "HSV"),
             QT_TRANSLATE_NOOP("Accessible", "HSV (色相・彩度・強度) で表示する")},
            {"RadioGroupHue1", QT_TRANSLATE_NOOP("Accessible", "HLS"),
             QT_TRANSLATE_NOOP("Accessible", "HLS (色相・明度・彩度) で表示する")},
            {"SpinEditHUE3", QT_TRANSLATE_NOOP("Accessible", "色相"),
             QT_TRANSLATE_NOOP("Accessible", "色相 (0〜359 度)")},
            {"SpinEditHUE2", QT_TRANSLATE_NOOP("Accessible", "HUE の第 2 の値"),
             QT_TRANSLATE_NOOP("Accessible", "HLS の明度または HSV の彩度")},
            {"SpinEditHUE1", QT_TRANSLATE_NOOP("Accessible", "HUE の第 3 の値"),
             QT_TRANSLATE_NOOP("Accessible", "HLS の彩度または HSV の強度")},
            {"ckHUE", QT_TRANSLATE_NOOP("Accessible", "% 表示"),
             QT_TRANSLATE_NOOP("Accessible", "値を百分率で表示する")},
            {"PaintBox1", QT_TRANSLATE_NOOP("Accessible", "色のフィールド"),
             QT_TRANSLATE_NOOP("Accessible", "色を選ぶ面。矢印キーで印を動かす (Shift で 10 画素)")},
            {"PaintBox2", QT_TRANSLATE_NOOP("Accessible", "色相のストリップ"),
             QT_TRANSLATE_NOOP("Accessible", "色相を選ぶ帯。矢印キーで印を動かす (Shift で 10 画素)")},
            // CMYK.
            {"SpinEditCMYK4", QT_TRANSLATE_NOOP("Accessible", "シアン"), QT_TRANSLATE_NOOP("Accessible", "シアンの値")},
            {"SpinEditCMYK3", QT_TRANSLATE_NOOP("Accessible", "マゼンタ"),
             QT_TRANSLATE_NOOP("Accessible", "マゼンタの値")},
            {"SpinEditCMYK2", QT_TRANSLATE_NOOP("Accessible", "イエロー"),
             QT_TRANSLATE_NOOP("Accessible", "イエローの値")},
            {"SpinEditCMYK1", QT_TRANSLATE_NOOP("Accessible", "キー (黒)"),
             QT_TRANSLATE_NOOP("Accessible", "キー (黒) の値")},
            {"TrackBarCMYK4", QT_TRANSLATE_NOOP("Accessible", "シアンのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "シアンの値を矢印キーで変える")},
            {"TrackBarCMYK3", QT_TRANSLATE_NOOP("Accessible", "マゼンタのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "マゼンタの値を矢印キーで変える")},
            {"TrackBarCMYK2", QT_TRANSLATE_NOOP("Accessible", "イエローのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "イエローの値を矢印キーで変える")},
            {"TrackBarCMYK1", QT_TRANSLATE_NOOP("Accessible", "キー (黒) のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "キー (黒) の値を矢印キーで変える")},
            {"ckCMYK", QT_TRANSLATE_NOOP("Accessible", "% 表示"),
             QT_TRANSLATE_NOOP("Accessible", "値を百分率で表示する")},
            // VIDEO.
            {"RadioGroupYx1x20", QT_TRANSLATE_NOOP("Accessible", "YUV"),
             QT_TRANSLATE_NOOP("Accessible", "YUV で表示する")},
            {"RadioGroupYx1x21", QT_TRANSLATE_NOOP("Accessible", "YCbCr"),
             QT_TRANSLATE_NOOP("Accessible", "YCbCr で表示する")},
            {"RadioGroupYx1x22", QT_TRANSLATE_NOOP("Accessible", "YPbPr"),
             QT_TRANSLATE_NOOP("Accessible", "YPbPr で表示する")},
            {"RadioGroupYx1x23", QT_TRANSLATE_NOOP("Accessible", "YIQ"),
             QT_TRANSLATE_NOOP("Accessible", "YIQ で表示する")},
            {"SpinEditYx1x23", QT_TRANSLATE_NOOP("Accessible", "輝度"), QT_TRANSLATE_NOOP("Accessible", "輝度 Y の値")},
            {"SpinEditYx1x22", QT_TRANSLATE_NOOP("Accessible", "第 1 の色差"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 1 の色差 (U、Cb、Pb または I)")},
            {"SpinEditYx1x21", QT_TRANSLATE_NOOP("Accessible", "第 2 の色差"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 2 の色差 (V、Cr、Pr または Q)")},
            // Munsell.
            {"ComboBoxHVC", QT_TRANSLATE_NOOP("Accessible", "標準の光"),
             QT_TRANSLATE_NOOP("Accessible", "マンセル値の標準の光")},
            {"ComboBoxHVCMethod", QT_TRANSLATE_NOOP("Accessible", "求め方"),
             QT_TRANSLATE_NOOP("Accessible", "マンセル値の求め方")},
            {"EditHVC3", QT_TRANSLATE_NOOP("Accessible", "色相 H"),
             QT_TRANSLATE_NOOP("Accessible", "マンセルの色相 (例: 5R、N)")},
            {"EditHVC2", QT_TRANSLATE_NOOP("Accessible", "明度 V"),
             QT_TRANSLATE_NOOP("Accessible", "マンセルの明度 (0〜10)")},
            {"EditHVC1", QT_TRANSLATE_NOOP("Accessible", "彩度 C"),
             QT_TRANSLATE_NOOP("Accessible", "マンセルの彩度 (0 以上)")},
            {"EditHVCxyY3", QT_TRANSLATE_NOOP("Accessible", "x"), QT_TRANSLATE_NOOP("Accessible", "色度座標 x")},
            {"EditHVCxyY2", QT_TRANSLATE_NOOP("Accessible", "y"), QT_TRANSLATE_NOOP("Accessible", "色度座標 y")},
            {"EditHVCxyY1", QT_TRANSLATE_NOOP("Accessible", "Y"), QT_TRANSLATE_NOOP("Accessible", "輝度率 Y")},
        });
    // The page tabs are a control of their own.
    if (auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1")))
        SetAccessible(pages->tabBar(), Tr(QT_TRANSLATE_NOOP("Accessible", "色のモデル")),
                      Tr(QT_TRANSLATE_NOOP("Accessible", "色のモデルのページを選ぶ (左右の矢印キー)")));
}

void DescribeTableEditor(QWidget* window)
{
    Describe(
        window,
        {
            {"ToolButton1", QT_TRANSLATE_NOOP("Accessible", "ログファイルをテーブルに変換"),
             QT_TRANSLATE_NOOP("Accessible", "ログファイルを読んで色見本テーブルに変換する")},
            {"ToolButton2", QT_TRANSLATE_NOOP("Accessible", "カラーピック"),
             QT_TRANSLATE_NOOP(
                 "Accessible",
                 "ボタンを押したまま色の上で離すとその色を編集中の色にする。Space で拡大鏡の取り方を始める")},
            {"lboxColor", QT_TRANSLATE_NOOP("Accessible", "色見本の一覧"),
             QT_TRANSLATE_NOOP("Accessible", "テーブルの色見本。矢印キーで選ぶ")},
            {"SpinEditNo", QT_TRANSLATE_NOOP("Accessible", "番号"),
             QT_TRANSLATE_NOOP("Accessible", "選んだ色見本の番号")},
            {"editRGBHEX", QT_TRANSLATE_NOOP("Accessible", "16 進数の色コード"),
             QT_TRANSLATE_NOOP("Accessible", "色見本の 16 進数コード (RRGGBB)")},
            {"SpinEditRGB3", QT_TRANSLATE_NOOP("Accessible", "赤"), QT_TRANSLATE_NOOP("Accessible", "赤の値 (0〜255)")},
            {"SpinEditRGB2", QT_TRANSLATE_NOOP("Accessible", "緑"), QT_TRANSLATE_NOOP("Accessible", "緑の値 (0〜255)")},
            {"SpinEditRGB1", QT_TRANSLATE_NOOP("Accessible", "青"), QT_TRANSLATE_NOOP("Accessible", "青の値 (0〜255)")},
            {"Panel1", QT_TRANSLATE_NOOP("Accessible", "色の設定"),
             QT_TRANSLATE_NOOP("Accessible", "編集中の色。Space で色の選択ダイアログを開く")},
            {"Panel2", QT_TRANSLATE_NOOP("Accessible", "色見本の元の色"),
             QT_TRANSLATE_NOOP("Accessible", "一覧で選んだ色見本の元の色。Space で編集中の色をこの色に戻す")},
            {"editName", QT_TRANSLATE_NOOP("Accessible", "色名"), QT_TRANSLATE_NOOP("Accessible", "色見本の名前")},
            {"memoComment", QT_TRANSLATE_NOOP("Accessible", "コメント"),
             QT_TRANSLATE_NOOP("Accessible", "色見本のコメント")},
            {"spbtReplase", QT_TRANSLATE_NOOP("Accessible", "置換"),
             QT_TRANSLATE_NOOP("Accessible", "カーソル位置の色見本を編集中の色で置き換える")},
            {"spbtAdd", QT_TRANSLATE_NOOP("Accessible", "追加"),
             QT_TRANSLATE_NOOP("Accessible", "編集中の色をリストの末尾に追加する")},
            {"spbtUp", QT_TRANSLATE_NOOP("Accessible", "上へ"),
             QT_TRANSLATE_NOOP("Accessible", "選んだ色見本を上にあげる")},
            {"spbtDown", QT_TRANSLATE_NOOP("Accessible", "下へ"),
             QT_TRANSLATE_NOOP("Accessible", "選んだ色見本を下にさげる")},
        });
}

void DescribeLogViewer(QWidget* window)
{
    Describe(window, {{"memoLog", QT_TRANSLATE_NOOP("Accessible", "ログ"),
                       QT_TRANSLATE_NOOP("Accessible", "変換した色のログ (読み取り専用)")}});
}

void DescribeAboutBox(QWidget* window)
{
    Describe(window, {
                         {"OKButton", QT_TRANSLATE_NOOP("Accessible", "OK"),
                          QT_TRANSLATE_NOOP("Accessible", "バージョン情報を閉じる")},
                         {"Label1", QT_TRANSLATE_NOOP("Accessible", "ホームページ"),
                          QT_TRANSLATE_NOOP("Accessible", "作者のホームページまたはヘルプを開く")},
                     });
}

void DescribeImagePicker(QWidget* window)
{
    Describe(window, {
                         {"imageView", QT_TRANSLATE_NOOP("Accessible", "画像"),
                          QT_TRANSLATE_NOOP("Accessible", "色を取る画像。矢印キーで位置を動かし、Enter で色を取る")},
                         {"scrollImage", QT_TRANSLATE_NOOP("Accessible", "画像"),
                          QT_TRANSLATE_NOOP("Accessible", "色を取る画像。矢印キーで位置を動かし、Enter で色を取る")},
                         {"magnifierImage", QT_TRANSLATE_NOOP("Accessible", "拡大鏡"),
                          QT_TRANSLATE_NOOP("Accessible", "画像の現在位置の拡大")},
                     });
}

void DescribePickMode(QWidget* window)
{
    SetAccessible(window, Tr(QT_TRANSLATE_NOOP("Accessible", "画面から色を取る")),
                  Tr(QT_TRANSLATE_NOOP("Accessible", "矢印キーでポインタを動かし、Enter で色を取る。Esc でやめる")));
    Describe(window, {{"magnifierPick", QT_TRANSLATE_NOOP("Accessible", "拡大鏡"),
                       QT_TRANSLATE_NOOP("Accessible", "ポインタの下の画面の拡大")}});
}

}  // namespace qolvar::app
