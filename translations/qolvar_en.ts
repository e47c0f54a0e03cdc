<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Accessible</name>
    <message>
        <source>色のモデル</source>
        <translation>Colour model</translation>
    </message>
    <message>
        <source>色のモデルのページを選ぶ (左右の矢印キー)</source>
        <translation>Chooses the page of a colour model (left and right arrow keys)</translation>
    </message>
    <message>
        <source>画面から色を取る</source>
        <translation>Pick a colour from the screen</translation>
    </message>
    <message>
        <source>矢印キーでポインタを動かし、Enter で色を取る。Esc でやめる</source>
        <translation>Move the pointer with the arrow keys, Enter picks the colour, Esc cancels</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>赤の値 (0〜255)</source>
        <translation>Red value (0 to 255)</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>緑の値 (0〜255)</source>
        <translation>Green value (0 to 255)</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>青の値 (0〜255)</source>
        <translation>Blue value (0 to 255)</translation>
    </message>
    <message>
        <source>赤のスライダー</source>
        <translation>Red slider</translation>
    </message>
    <message>
        <source>赤の値 (0〜255) を矢印キーで変える</source>
        <translation>Changes the red value (0 to 255) with the arrow keys</translation>
    </message>
    <message>
        <source>緑のスライダー</source>
        <translation>Green slider</translation>
    </message>
    <message>
        <source>緑の値 (0〜255) を矢印キーで変える</source>
        <translation>Changes the green value (0 to 255) with the arrow keys</translation>
    </message>
    <message>
        <source>青のスライダー</source>
        <translation>Blue slider</translation>
    </message>
    <message>
        <source>青の値 (0〜255) を矢印キーで変える</source>
        <translation>Changes the blue value (0 to 255) with the arrow keys</translation>
    </message>
    <message>
        <source>16 進数の色コード</source>
        <translation>Hexadecimal colour code</translation>
    </message>
    <message>
        <source>現在の色の 16 進数コード (RRGGBB)。Enter でその色にする</source>
        <translation>The hexadecimal code of the current colour (RRGGBB); Enter makes it the colour</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>表示中のページを現在の色で更新し、ログに書く</source>
        <translation>Updates the page shown with the current colour and writes it to the log</translation>
    </message>
    <message>
        <source>現在の色</source>
        <translation>Current colour</translation>
    </message>
    <message>
        <source>現在の色。Space で色の選択ダイアログを開く</source>
        <translation>The current colour; Space opens the colour dialog</translation>
    </message>
    <message>
        <source>前回更新時の色</source>
        <translation>Colour of the last update</translation>
    </message>
    <message>
        <source>前回更新したときの色。Space でその色に戻す</source>
        <translation>The colour of the last update; Space goes back to it</translation>
    </message>
    <message>
        <source>カラーテーブル</source>
        <translation>Colour table</translation>
    </message>
    <message>
        <source>カラーテーブルの色。選んだ色が現在の色になる</source>
        <translation>The colours of the color table; the one chosen becomes the current colour</translation>
    </message>
    <message>
        <source>色のモデルのページ</source>
        <translation>The pages of the colour models</translation>
    </message>
    <message>
        <source>XYZ</source>
        <translation>XYZ</translation>
    </message>
    <message>
        <source>CIE XYZ で表示する</source>
        <translation>Shows CIE XYZ</translation>
    </message>
    <message>
        <source>Yxy</source>
        <translation>Yxy</translation>
    </message>
    <message>
        <source>CIE Yxy で表示する</source>
        <translation>Shows CIE Yxy</translation>
    </message>
    <message>
        <source>L*a*b*</source>
        <translation>L*a*b*</translation>
    </message>
    <message>
        <source>CIE L*a*b* で表示する</source>
        <translation>Shows CIE L*a*b*</translation>
    </message>
    <message>
        <source>L*u*v*</source>
        <translation>L*u*v*</translation>
    </message>
    <message>
        <source>CIE L*u*v* で表示する</source>
        <translation>Shows CIE L*u*v*</translation>
    </message>
    <message>
        <source>CIE の第 1 の値</source>
        <translation>First CIE value</translation>
    </message>
    <message>
        <source>選んだモデルの第 1 の値 (X、Y または L*)</source>
        <translation>The first value of the chosen model (X, Y or L*)</translation>
    </message>
    <message>
        <source>CIE の第 2 の値</source>
        <translation>Second CIE value</translation>
    </message>
    <message>
        <source>選んだモデルの第 2 の値 (Y、x、a* または u*)</source>
        <translation>The second value of the chosen model (Y, x, a* or u*)</translation>
    </message>
    <message>
        <source>CIE の第 3 の値</source>
        <translation>Third CIE value</translation>
    </message>
    <message>
        <source>選んだモデルの第 3 の値 (Z、y、b* または v*)</source>
        <translation>The third value of the chosen model (Z, y, b* or v*)</translation>
    </message>
    <message>
        <source>小数点以下 2 桁</source>
        <translation>Two decimal places</translation>
    </message>
    <message>
        <source>値を小数点以下 2 桁で表示する</source>
        <translation>Shows the values with two decimal places</translation>
    </message>
    <message>
        <source>ガンマ</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>RGB のガンマ。一覧から選ぶか数値を入力する</source>
        <translation>The gamma of RGB; choose one from the list or type a number</translation>
    </message>
    <message>
        <source>標準の光</source>
        <translation>Illuminant</translation>
    </message>
    <message>
        <source>白色点にする標準の光</source>
        <translation>The illuminant used as the white point</translation>
    </message>
    <message>
        <source>HSV</source>
        <translation>HSV</translation>
    </message>
    <message>
        <source>HSV (色相・彩度・強度) で表示する</source>
        <translation>Shows HSV (hue, saturation, value)</translation>
    </message>
    <message>
        <source>HLS</source>
        <translation>HLS</translation>
    </message>
    <message>
        <source>HLS (色相・明度・彩度) で表示する</source>
        <translation>Shows HLS (hue, lightness, saturation)</translation>
    </message>
    <message>
        <source>色相</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>色相 (0〜359 度)</source>
        <translation>Hue (0 to 359 degrees)</translation>
    </message>
    <message>
        <source>HUE の第 2 の値</source>
        <translation>Second hue model value</translation>
    </message>
    <message>
        <source>HLS の明度または HSV の彩度</source>
        <translation>The lightness of HLS or the saturation of HSV</translation>
    </message>
    <message>
        <source>HUE の第 3 の値</source>
        <translation>Third hue model value</translation>
    </message>
    <message>
        <source>HLS の彩度または HSV の強度</source>
        <translation>The saturation of HLS or the value of HSV</translation>
    </message>
    <message>
        <source>% 表示</source>
        <translation>Show in %</translation>
    </message>
    <message>
        <source>値を百分率で表示する</source>
        <translation>Shows the values as percentages</translation>
    </message>
    <message>
        <source>色のフィールド</source>
        <translation>Colour field</translation>
    </message>
    <message>
        <source>色を選ぶ面。矢印キーで印を動かす (Shift で 10 画素)</source>
        <translation>The field to choose a colour in; the arrow keys move the marker (Shift: 10 pixels)</translation>
    </message>
    <message>
        <source>色相のストリップ</source>
        <translation>Hue strip</translation>
    </message>
    <message>
        <source>色相を選ぶ帯。矢印キーで印を動かす (Shift で 10 画素)</source>
        <translation>The strip to choose the hue in; the arrow keys move the marker (Shift: 10 pixels)</translation>
    </message>
    <message>
        <source>シアン</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>シアンの値</source>
        <translation>Cyan value</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>マゼンタの値</source>
        <translation>Magenta value</translation>
    </message>
    <message>
        <source>イエロー</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>イエローの値</source>
        <translation>Yellow value</translation>
    </message>
    <message>
        <source>キー (黒)</source>
        <translation>Key (black)</translation>
    </message>
    <message>
        <source>キー (黒) の値</source>
        <translation>Key (black) value</translation>
    </message>
    <message>
        <source>シアンのスライダー</source>
        <translation>Cyan slider</translation>
    </message>
    <message>
        <source>シアンの値を矢印キーで変える</source>
        <translation>Changes the cyan value with the arrow keys</translation>
    </message>
    <message>
        <source>マゼンタのスライダー</source>
        <translation>Magenta slider</translation>
    </message>
    <message>
        <source>マゼンタの値を矢印キーで変える</source>
        <translation>Changes the magenta value with the arrow keys</translation>
    </message>
    <message>
        <source>イエローのスライダー</source>
        <translation>Yellow slider</translation>
    </message>
    <message>
        <source>イエローの値を矢印キーで変える</source>
        <translation>Changes the yellow value with the arrow keys</translation>
    </message>
    <message>
        <source>キー (黒) のスライダー</source>
        <translation>Key (black) slider</translation>
    </message>
    <message>
        <source>キー (黒) の値を矢印キーで変える</source>
        <translation>Changes the key (black) value with the arrow keys</translation>
    </message>
    <message>
        <source>YUV</source>
        <translation>YUV</translation>
    </message>
    <message>
        <source>YUV で表示する</source>
        <translation>Shows YUV</translation>
    </message>
    <message>
        <source>YCbCr</source>
        <translation>YCbCr</translation>
    </message>
    <message>
        <source>YCbCr で表示する</source>
        <translation>Shows YCbCr</translation>
    </message>
    <message>
        <source>YPbPr</source>
        <translation>YPbPr</translation>
    </message>
    <message>
        <source>YPbPr で表示する</source>
        <translation>Shows YPbPr</translation>
    </message>
    <message>
        <source>YIQ</source>
        <translation>YIQ</translation>
    </message>
    <message>
        <source>YIQ で表示する</source>
        <translation>Shows YIQ</translation>
    </message>
    <message>
        <source>輝度</source>
        <translation>Luma</translation>
    </message>
    <message>
        <source>輝度 Y の値</source>
        <translation>The luma value Y</translation>
    </message>
    <message>
        <source>第 1 の色差</source>
        <translation>First colour difference</translation>
    </message>
    <message>
        <source>選んだモデルの第 1 の色差 (U、Cb、Pb または I)</source>
        <translation>The first colour difference of the chosen model (U, Cb, Pb or I)</translation>
    </message>
    <message>
        <source>第 2 の色差</source>
        <translation>Second colour difference</translation>
    </message>
    <message>
        <source>選んだモデルの第 2 の色差 (V、Cr、Pr または Q)</source>
        <translation>The second colour difference of the chosen model (V, Cr, Pr or Q)</translation>
    </message>
    <message>
        <source>マンセル値の標準の光</source>
        <translation>The illuminant of the Munsell values</translation>
    </message>
    <message>
        <source>求め方</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>マンセル値の求め方</source>
        <translation>How the Munsell values are found</translation>
    </message>
    <message>
        <source>色相 H</source>
        <translation>Hue H</translation>
    </message>
    <message>
        <source>マンセルの色相 (例: 5R、N)</source>
        <translation>Munsell hue (for example 5R or N)</translation>
    </message>
    <message>
        <source>明度 V</source>
        <translation>Value V</translation>
    </message>
    <message>
        <source>マンセルの明度 (0〜10)</source>
        <translation>Munsell value (0 to 10)</translation>
    </message>
    <message>
        <source>彩度 C</source>
        <translation>Chroma C</translation>
    </message>
    <message>
        <source>マンセルの彩度 (0 以上)</source>
        <translation>Munsell chroma (0 or more)</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>色度座標 x</source>
        <translation>Chromaticity coordinate x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>色度座標 y</source>
        <translation>Chromaticity coordinate y</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>輝度率 Y</source>
        <translation>Luminance factor Y</translation>
    </message>
    <message>
        <source>色見本の一覧</source>
        <translation>Swatch list</translation>
    </message>
    <message>
        <source>テーブルの色見本。矢印キーで選ぶ</source>
        <translation>The table&apos;s swatches; choose one with the arrow keys</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>選んだ色見本の番号</source>
        <translation>The number of the chosen swatch</translation>
    </message>
    <message>
        <source>色見本の 16 進数コード (RRGGBB)</source>
        <translation>The hexadecimal code of the swatch (RRGGBB)</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>編集中の色。Space で色の選択ダイアログを開く</source>
        <translation>The colour being edited; Space opens the colour dialog</translation>
    </message>
    <message>
        <source>色名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>色見本の名前</source>
        <translation>The name of the swatch</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>色見本のコメント</source>
        <translation>The comment of the swatch</translation>
    </message>
    <message>
        <source>置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>カーソル位置の色見本を編集中の色で置き換える</source>
        <translation>Replaces the swatch at the cursor with the colour being edited</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>編集中の色をリストの末尾に追加する</source>
        <translation>Adds the colour being edited at the end of the list</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>選んだ色見本を上にあげる</source>
        <translation>Moves the chosen swatch up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>選んだ色見本を下にさげる</source>
        <translation>Moves the chosen swatch down</translation>
    </message>
    <message>
        <source>ログ</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>バージョン情報を閉じる</source>
        <translation>Closes the about box</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>作者のホームページまたはヘルプを開く</source>
        <translation>Opens the author&apos;s home page or the help</translation>
    </message>
    <message>
        <source>画像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>色を取る画像。矢印キーで位置を動かし、Enter で色を取る</source>
        <translation>The image to pick from; the arrow keys move the position, Enter picks the colour</translation>
    </message>
    <message>
        <source>拡大鏡</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>画像の現在位置の拡大</source>
        <translation>A magnified view of the position in the image</translation>
    </message>
    <message>
        <source>ポインタの下の画面の拡大</source>
        <translation>A magnified view of the screen under the pointer</translation>
    </message>
    <message>
        <source>色見本の元の色</source>
        <translation>Swatch&apos;s original colour</translation>
    </message>
    <message>
        <source>一覧で選んだ色見本の元の色。Space で編集中の色をこの色に戻す</source>
        <translation>The original colour of the swatch chosen in the list; Space puts it back as the colour being edited</translation>
    </message>
    <message>
        <source>変換した色のログ (読み取り専用)</source>
        <translation>The log of the converted colours (read only)</translation>
    </message>
    <message>
        <source>カラーピック</source>
        <translation>Colour picker</translation>
    </message>
    <message>
        <source>ボタンを押したまま色の上で離すとその色を取る。Space で拡大鏡の取り方を始める</source>
        <translation>Press the button and release it over a colour to pick that colour; Space starts picking with the magnifier</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプの目次を開く</source>
        <translation>Opens the contents of the help</translation>
    </message>
    <message>
        <source>ログファイルをテーブルに変換</source>
        <translation>Convert log file to table</translation>
    </message>
    <message>
        <source>ログファイルを読んで色見本テーブルに変換する</source>
        <translation>Reads a log file and converts it to a swatch table</translation>
    </message>
    <message>
        <source>ボタンを押したまま色の上で離すとその色を編集中の色にする。Space で拡大鏡の取り方を始める</source>
        <translation>Press the button and release it over a colour to make that the colour being edited; Space starts picking with the magnifier</translation>
    </message>
    <message>
        <source>規格</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>YCbCr と YPbPr の規格: 従来の式、BT.601、BT.709 または BT.2020</source>
        <translation>The standard of YCbCr and YPbPr: classic, BT.601, BT.709 or BT.2020</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>規格による YCbCr の範囲: 狭い範囲または全範囲</source>
        <translation>The range of YCbCr by a standard: narrow or full</translation>
    </message>
    <message>
        <source>ビット数</source>
        <translation>Bit depth</translation>
    </message>
    <message>
        <source>規格による YCbCr の 1 サンプルのビット数</source>
        <translation>The bits of one YCbCr sample by a standard</translation>
    </message>
    <message>
        <source>CMYK プロファイル</source>
        <translation>CMYK profile</translation>
    </message>
    <message>
        <source>CMYK の求め方: 計算式または ICC プロファイル</source>
        <translation>How CMYK is computed: the formula or an ICC profile</translation>
    </message>
    <message>
        <source>レンダリングインテント</source>
        <translation>Rendering intent</translation>
    </message>
    <message>
        <source>プロファイルによる変換のレンダリングインテント</source>
        <translation>The rendering intent of the conversion by the profile</translation>
    </message>
    <message>
        <source>黒点の補正</source>
        <translation>Black-point compensation</translation>
    </message>
    <message>
        <source>プロファイルによる変換で黒点を補正する</source>
        <translation>Compensate the black point in the conversion by the profile</translation>
    </message>
</context>
<context>
    <name>ChannelRow</name>
    <message>
        <source>赤(R)</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>緑(G)</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>青(B)</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>シアン&#x3000;(C)</source>
        <translation>Cyan (C)</translation>
    </message>
    <message>
        <source>マゼンタ(M)</source>
        <translation>Magenta (M)</translation>
    </message>
    <message>
        <source>イエロー(Y)</source>
        <translation>Yellow (Y)</translation>
    </message>
    <message>
        <source>キー[黒](K)</source>
        <translation>Black (K)</translation>
    </message>
</context>
<context>
    <name>ColourView</name>
    <message>
        <source>1型色覚</source>
        <translation>protan</translation>
    </message>
    <message>
        <source>2型色覚</source>
        <translation>deutan</translation>
    </message>
    <message>
        <source>3型色覚</source>
        <translation>tritan</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて開けません</source>
        <translation>The file %1 is too large to open</translation>
    </message>
    <message>
        <source>ファイル %1 を読み込めません</source>
        <translation>The file %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 の %2 行目: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>6 つの値 (H, V, C, Y, x, y) がありません</source>
        <translation>the six values (H, V, C, Y, x, y) are not all there</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は数値ではありません</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>%1 の行数が多すぎます (最大 %2 行)</source>
        <translation>%1 has too many lines (at most %2)</translation>
    </message>
    <message>
        <source>Y が表の範囲から遠すぎます</source>
        <translation>Y is too far outside the table&apos;s range</translation>
    </message>
    <message>
        <source>マンセル表が読み込まれていません</source>
        <translation>No Munsell table is loaded</translation>
    </message>
    <message>
        <source>表に近い色票がありません (%1)</source>
        <translation>The table has no sample near this colour (%1)</translation>
    </message>
    <message>
        <source>明度 V は 0 から 10 までです</source>
        <translation>The value V runs from 0 to 10</translation>
    </message>
    <message>
        <source>色相と彩度が範囲外です</source>
        <translation>The hue or the chroma is out of range</translation>
    </message>
    <message>
        <source>彩度 C がデータの範囲を超えています (この色相と明度では %1 まで)</source>
        <translation>The chroma C is beyond the data (at most %1 for this hue and value)</translation>
    </message>
    <message>
        <source>OKLab の値が大きすぎます</source>
        <translation>The OKLab values are too large</translation>
    </message>
    <message>
        <source>浮動小数点数の無効な演算です</source>
        <translation>Invalid floating-point operation</translation>
    </message>
    <message>
        <source>浮動小数点数を 0 で除算しました</source>
        <translation>Floating-point division by zero</translation>
    </message>
    <message>
        <source>浮動小数点演算でオーバーフローしました</source>
        <translation>Floating-point overflow</translation>
    </message>
    <message>
        <source>浮動小数点演算のエラーです</source>
        <translation>Floating-point error</translation>
    </message>
    <message>
        <source>書式の %1 は知らないトークンです</source>
        <translation>%1 in the template is not a known token</translation>
    </message>
    <message>
        <source>書式の } に対応する { がありません（} そのものは }} と書きます）</source>
        <translation>A } in the template has no matching { (write }} for a } itself)</translation>
    </message>
    <message>
        <source>書式の { が閉じていません（{ そのものは {{ と書きます）</source>
        <translation>A { in the template is not closed (write {{ for a { itself)</translation>
    </message>
    <message>
        <source>16 進数の色コードではありません</source>
        <translation>This is not a hexadecimal colour code</translation>
    </message>
    <message>
        <source>%1 には %3 の色相ページのうち %2 しかありません</source>
        <translation>%1 has samples on only %2 of the %3 hue pages</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>プログラムを起動できません &quot;%1&quot;.<byte value="xd"/>Return Code %2 .</source>
        <translation>Cannot start the program &quot;%1&quot;.<byte value="xd"/>Return code %2.</translation>
    </message>
    <message>
        <source>ヘルプ %1 が見つかりません。</source>
        <translation>The help %1 was not found.</translation>
    </message>
    <message>
        <source>ヘルプ %1 を表示できません。ファイルを開くプログラムを起動できませんでした。</source>
        <translation>Cannot show the help %1: the program that opens files could not be started.</translation>
    </message>
</context>
<context>
    <name>ImagePickWindow</name>
    <message>
        <source>画像 %1 を読み込めません（%2）</source>
        <translation>Cannot read the image %1 (%2)</translation>
    </message>
    <message>
        <source>画像ファイル|%1|すべてのファイル(*.*)|*.*</source>
        <translation>Image files|%1|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>PickCommands</name>
    <message>
        <source>%1から色を取りました: %2%3</source>
        <translation>Colour picked from the %1: %2%3</translation>
    </message>
    <message>
        <source>デスクトップのポータルから色を取りました: %1</source>
        <translation>Colour picked through the desktop&apos;s portal: %1</translation>
    </message>
    <message>
        <source>画像から色を取りました: %1%2</source>
        <translation>Colour picked from the image: %1%2</translation>
    </message>
    <message>
        <source>（%1×%1 の平均）</source>
        <translation> (average of %1×%1)</translation>
    </message>
    <message>
        <source>画面から色を取る(&amp;P)</source>
        <translation>&amp;Pick from Screen</translation>
    </message>
    <message>
        <source>拡大鏡で画面の色を取る</source>
        <translation>Pick a colour from the screen with the magnifier</translation>
    </message>
    <message>
        <source>画像から色を取る(&amp;I)...</source>
        <translation>Pick from &amp;Image...</translation>
    </message>
    <message>
        <source>画像ファイルを開いて色を取る</source>
        <translation>Open an image file and pick a colour from it</translation>
    </message>
    <message>
        <source>%1×%1 画素</source>
        <translation>%1×%1 pixels</translation>
    </message>
    <message>
        <source>平均する範囲(&amp;M)</source>
        <translation>A&amp;verage Over</translation>
    </message>
    <message>
        <source>画面から色を取れません: %1</source>
        <translation>Cannot pick from the screen: %1</translation>
    </message>
    <message>
        <source>。

画像ファイル（スクリーンショットなど）から色を取りますか？</source>
        <translation>.

Pick the colour from an image file (a screenshot, for example) instead?</translation>
    </message>
    <message>
        <source>画像から色を取る</source>
        <translation>Pick from Image</translation>
    </message>
    <message>
        <source>（%1、x %2, y %3%4）</source>
        <translation> (%1, x %2, y %3%4)</translation>
    </message>
    <message>
        <source>、%1×%1 の平均</source>
        <translation>, average of %1×%1</translation>
    </message>
    <message>
        <source>（%1 を通して取りました）</source>
        <translation> (picked through %1)</translation>
    </message>
    <message>
        <source>（画像のプロファイルは使いませんでした: %1）</source>
        <translation> (the image&apos;s profile was not used: %1)</translation>
    </message>
    <message>
        <source>（モニターのプロファイルは使いませんでした: %1）</source>
        <translation> (the monitor&apos;s profile was not used: %1)</translation>
    </message>
    <message>
        <source>ピックにモニターのカラープロファイルを使う(&amp;C)</source>
        <translation>Use the Monitor&apos;s &amp;Colour Profile When Picking</translation>
    </message>
</context>
<context>
    <name>Qolvar</name>
    <message>
        <source>予期しないエラーが発生しました</source>
        <translation>An unexpected error occurred</translation>
    </message>
</context>
<context>
    <name>qolvar::app::CIEPage</name>
    <message>
        <source>小数点以下2桁で表示</source>
        <translation>Show 2 decimal places</translation>
    </message>
    <message>
        <source>標準の光D65</source>
        <translation>Illuminant D65</translation>
    </message>
    <message>
        <source>標準の光C</source>
        <translation>Illuminant C</translation>
    </message>
    <message>
        <source>標準の光A</source>
        <translation>Illuminant A</translation>
    </message>
    <message>
        <source>標準の光D50</source>
        <translation>Illuminant D50</translation>
    </message>
</context>
<context>
    <name>qolvar::app::CMYKPage</name>
    <message>
        <source>% 表示</source>
        <translation>Show in %</translation>
    </message>
    <message>
        <source>計算式（従来）</source>
        <translation>formula (classic)</translation>
    </message>
    <message>
        <source>その他…</source>
        <translation>Other…</translation>
    </message>
    <message>
        <source>知覚的</source>
        <translation>Perceptual</translation>
    </message>
    <message>
        <source>相対的な測色</source>
        <translation>Relative colorimetric</translation>
    </message>
    <message>
        <source>彩度</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>絶対的な測色</source>
        <translation>Absolute colorimetric</translation>
    </message>
    <message>
        <source>黒点の補正</source>
        <translation>Black-point compensation</translation>
    </message>
    <message>
        <source>プロファイル(&amp;P)</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>インテント(&amp;I)</source>
        <translation>&amp;Intent</translation>
    </message>
    <message>
        <source>インクの量は 0 から 100 % までです</source>
        <translation>Ink amounts run from 0 to 100 %</translation>
    </message>
    <message>
        <source>CMYK プロファイルを開く</source>
        <translation>Open a CMYK profile</translation>
    </message>
    <message>
        <source>ICC プロファイル (*.icc, *.icm)|*.icc;*.icm|すべてのファイル(*.*)|*.*</source>
        <translation>ICC profiles (*.icc, *.icm)|*.icc;*.icm|All files (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>qolvar::app::ColourFacts</name>
    <message>
        <source>≈ %1  ΔE %2</source>
        <translation>≈ %1  ΔE %2</translation>
    </message>
    <message>
        <source>カラーテーブルで最も近い色: %1 #%2（CIEDE2000 の色差 ΔE00 = %3）</source>
        <translation>Nearest colour in the color table: %1 #%2 (CIEDE2000 colour difference ΔE00 = %3)</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>コントラスト %1:1  %2 / 大 %3</source>
        <translation>Contrast %1:1  %2 / large %3</translation>
    </message>
    <message>
        <source>現在の色と前回更新時の色のコントラスト比（WCAG 2）%1:1
通常の文字: AA %2、AAA %3
大きい文字: AA %4、AAA %5</source>
        <translation>Contrast ratio (WCAG 2) of the current colour and the colour of the last update: %1:1
Normal text: AA %2, AAA %3
Large text: AA %4, AAA %5</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>fail</translation>
    </message>
</context>
<context>
    <name>qolvar::app::ColourLog</name>
    <message>
        <source>Log files (*.log)|*.log|すべてのファイル(*.*)|*.*</source>
        <translation>Log files (*.log)|*.log|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>新規ログ(&amp;N)</source>
        <translation>&amp;New Log</translation>
    </message>
    <message>
        <source>新規ログ</source>
        <translation>New log</translation>
    </message>
    <message>
        <source>ログを開く(&amp;O)...</source>
        <translation>&amp;Open Log...</translation>
    </message>
    <message>
        <source>ログを開く</source>
        <translation>Open a log</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>ログを上書き保存</source>
        <translation>Save the log</translation>
    </message>
    <message>
        <source>名前をつけて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>ログに名前をつけて保存</source>
        <translation>Save the log under a new name</translation>
    </message>
    <message>
        <source>ログ表示(&amp;L)</source>
        <translation>Show &amp;Log</translation>
    </message>
    <message>
        <source>ログ表示</source>
        <translation>Show the log</translation>
    </message>
    <message>
        <source>ログへの変更を保存しますか？</source>
        <translation>Save the changes to the log?</translation>
    </message>
    <message>
        <source>ログをクリアしました</source>
        <translation>The log has been cleared</translation>
    </message>
</context>
<context>
    <name>qolvar::app::ColourTableDropDown</name>
    <message>
        <source>■ Web標準色 140色</source>
        <translation>■ Web標準色 140 colours</translation>
    </message>
    <message>
        <source>外部カラーテーブルを開く(&amp;G)...</source>
        <translation>Open External Color &amp;Table...</translation>
    </message>
    <message>
        <source>外部カラーテーブルを開く</source>
        <translation>Open an external color table</translation>
    </message>
    <message>
        <source>色見本をソート(&amp;S)</source>
        <translation>&amp;Sort Swatches</translation>
    </message>
    <message>
        <source>カラーテーブル(&amp;T)</source>
        <translation>Color &amp;Tables</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>色</source>
        <translation> colours</translation>
    </message>
</context>
<context>
    <name>qolvar::app::CopyAs</name>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>色をコピー(&amp;C)</source>
        <translation>&amp;Copy Colour</translation>
    </message>
    <message>
        <source>現在の色を選んだ形式でクリップボードにコピー</source>
        <translation>Copy the current colour to the clipboard in the chosen format</translation>
    </message>
    <message>
        <source>コピーの形式(&amp;F)</source>
        <translation>Copy &amp;Format</translation>
    </message>
    <message>
        <source>テンプレート</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>テンプレートを編集(&amp;E)...</source>
        <translation>&amp;Edit Template...</translation>
    </message>
    <message>
        <source>テンプレート: </source>
        <translation>Template: </translation>
    </message>
    <message>
        <source>コピーしました: </source>
        <translation>Copied: </translation>
    </message>
    <message>
        <source>コピーのテンプレート</source>
        <translation>Copy Template</translation>
    </message>
    <message>
        <source>{R} {G} {B} は 0..255、{HEX} は 16 進数、{lab.L} {hsv.H} {munsell} などは各モデルの値です。</source>
        <translation>{R} {G} {B} are 0..255, {HEX} is hexadecimal, {lab.L} {hsv.H} {munsell} and the like are the values of each model.</translation>
    </message>
    <message>
        <source>&apos;CopyTemplate&apos; が長すぎます（%1 文字）</source>
        <translation>&apos;CopyTemplate&apos; is too long (%1 characters)</translation>
    </message>
</context>
<context>
    <name>qolvar::app::HuePage</name>
    <message>
        <source>彩度(S)</source>
        <translation>Saturation (S)</translation>
    </message>
    <message>
        <source>強度(V)</source>
        <translation>Value (V)</translation>
    </message>
    <message>
        <source>明度(L)</source>
        <translation>Lightness (L)</translation>
    </message>
    <message>
        <source>色相(H)</source>
        <translation>Hue (H)</translation>
    </message>
    <message>
        <source>% 表示</source>
        <translation>Show in %</translation>
    </message>
</context>
<context>
    <name>qolvar::app::ImagePickWindow</name>
    <message>
        <source>画像から色を取る - %1</source>
        <translation>Pick from Image - %1</translation>
    </message>
    <message>
        <source>クリック・Enter: 色を取る
Esc・右クリック: やめる
矢印: 1 画素（Shift: 10 画素）移動
ホイール・＋／－: 拡大率</source>
        <translation>Click, Enter: pick the colour
Esc, right click: cancel
Arrows: move 1 pixel (Shift: 10 pixels)
Wheel, + / -: zoom</translation>
    </message>
    <message>
        <source>%1 を通して色を取ります</source>
        <translation>Picked through %1</translation>
    </message>
    <message>
        <source>画像のプロファイルは使いません: %1</source>
        <translation>The image&apos;s profile was not used: %1</translation>
    </message>
</context>
<context>
    <name>qolvar::app::ModelPage</name>
    <message>
        <source>値が範囲外です！</source>
        <translation>The value is out of range!</translation>
    </message>
    <message>
        <source>値が入力されていません</source>
        <translation>No value has been entered</translation>
    </message>
    <message>
        <source>「%1」は数値ではありません</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
</context>
<context>
    <name>qolvar::app::MunsellPage</name>
    <message>
        <source>標準の光D65</source>
        <translation>Illuminant D65</translation>
    </message>
    <message>
        <source>標準の光C</source>
        <translation>Illuminant C</translation>
    </message>
    <message>
        <source>再表記データの補間</source>
        <translation>Renotation interpolation</translation>
    </message>
    <message>
        <source>色相(H)</source>
        <translation>Hue (H)</translation>
    </message>
    <message>
        <source>明度（V）</source>
        <translation>Value (V)</translation>
    </message>
    <message>
        <source>彩度（C）</source>
        <translation>Chroma (C)</translation>
    </message>
    <message>
        <source>色相「%1」の記号は R YR Y GY G BG B PB P RP N のどれでもありません</source>
        <translation>The hue &quot;%1&quot; is none of R YR Y GY G BG B PB P RP N</translation>
    </message>
    <message>
        <source>明度 V は 0 から 10 までです</source>
        <translation>The value V runs from 0 to 10</translation>
    </message>
    <message>
        <source>彩度 C は 0 以上です</source>
        <translation>The chroma C must be 0 or more</translation>
    </message>
    <message>
        <source>表の探索</source>
        <translation>Table search, as in earlier versions</translation>
    </message>
</context>
<context>
    <name>qolvar::app::PickSession</name>
    <message>
        <source>Qolvar - 色を取る</source>
        <translation>Qolvar - Pick a Colour</translation>
    </message>
</context>
<context>
    <name>qolvar::app::TAboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>プロダクト名</source>
        <translation>Product name</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>バージョン番号</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>著作権表記</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>色コード変換ツール</source>
        <translation>Colour code converter</translation>
    </message>
    <message>
        <source>(C) 2026 Qolvar の開発者</source>
        <translation>(C) 2026 the Qolvar developers</translation>
    </message>
</context>
<context>
    <name>qolvar::app::TformMain</name>
    <message>
        <source>新規ログ(&amp;N)</source>
        <translation>&amp;New Log</translation>
    </message>
    <message>
        <source>ログを開く(&amp;O)...</source>
        <translation>&amp;Open Log...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>プロセス終了</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>外部カラーテーブルを開く(&amp;G)...</source>
        <translation>Open External Color &amp;Table...</translation>
    </message>
    <message>
        <source>ログ表示(&amp;L)</source>
        <translation>Show &amp;Log</translation>
    </message>
    <message>
        <source>カラーテーブル編集(&amp;E)...</source>
        <translation>&amp;Edit Color Table...</translation>
    </message>
    <message>
        <source>カラーテーブル編集</source>
        <translation>Edit the color table</translation>
    </message>
    <message>
        <source>常に手前に表示(&amp;V)</source>
        <translation>Always on &amp;Top</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>ログの上書き保存(&amp;S)</source>
        <translation>&amp;Save Log</translation>
    </message>
    <message>
        <source>ログに名前をつけて保存(&amp;A)...</source>
        <translation>Save Log &amp;As...</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>自動更新(&amp;U)</source>
        <translation>A&amp;uto Update</translation>
    </message>
    <message>
        <source>色が変わるたびに表示中のページを更新します（ログには書きません）</source>
        <translation>Updates the page shown whenever the colour changes (nothing is written to the log)</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>カラーピック(P)</source>
        <translation>Colour picker (P)</translation>
    </message>
    <message>
        <source>ヘルプ(H)</source>
        <translation>Help (H)</translation>
    </message>
    <message>
        <source>更新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>現在の色</source>
        <translation>Current colour</translation>
    </message>
    <message>
        <source>前回更新時の色</source>
        <translation>Colour of the last update</translation>
    </message>
    <message>
        <source>値が範囲外です！</source>
        <translation>The value is out of range!</translation>
    </message>
    <message>
        <source>16 進数の色コードではありません</source>
        <translation>This is not a hexadecimal colour code</translation>
    </message>
    <message>
        <source>このデスクトップ（Wayland）ではウィンドウを常に手前に表示できません</source>
        <translation>This desktop (Wayland) cannot keep a window on top</translation>
    </message>
    <message>
        <source>&apos;TableName&apos; が長すぎます（%1 文字）</source>
        <translation>&apos;TableName&apos; is too long (%1 characters)</translation>
    </message>
    <message>
        <source>Web標準色.tab</source>
        <translation>CSS名前付き色.tab</translation>
    </message>
    <message>
        <source>色として読めません: %1</source>
        <translation>Not a colour: %1</translation>
    </message>
    <message>
        <source>sRGB の範囲外の色を #%1 に写しました</source>
        <translation>Outside sRGB, mapped to #%1</translation>
    </message>
    <message>
        <source>透明度は使いません</source>
        <translation>Alpha is not used; colours are opaque</translation>
    </message>
    <message>
        <source>入力された色は sRGB の範囲外のため、近い sRGB の色に写しました</source>
        <translation>The colour typed lies outside sRGB and was mapped to a near sRGB colour</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>通常の色覚(&amp;N)</source>
        <translation>&amp;Normal Colour Vision</translation>
    </message>
    <message>
        <source>1型色覚の見え方(&amp;P)</source>
        <translation>&amp;Protan Vision</translation>
    </message>
    <message>
        <source>2型色覚の見え方(&amp;D)</source>
        <translation>&amp;Deutan Vision</translation>
    </message>
    <message>
        <source>3型色覚の見え方(&amp;T)</source>
        <translation>&amp;Tritan Vision</translation>
    </message>
    <message>
        <source>色見本だけをこの見え方で塗ります（数値とコードは元の色のまま）</source>
        <translation>Paints only the swatches as this vision sees them (numbers and codes stay the true colour)</translation>
    </message>
    <message>
        <source>%1の見え方で塗っています</source>
        <translation>Painted as %1 vision sees it</translation>
    </message>
    <message>
        <source>CMYK プロファイルを使えないため計算式で求めます: %1</source>
        <translation>The CMYK profile cannot be used; CMYK is computed by the formula: %1</translation>
    </message>
</context>
<context>
    <name>qolvar::app::TformTblEdit</name>
    <message>
        <source>テーブル新規作成(&amp;N)</source>
        <translation>&amp;New Table</translation>
    </message>
    <message>
        <source>テーブル新規作成</source>
        <translation>Create a new table</translation>
    </message>
    <message>
        <source>テーブルを開く(&amp;O)...</source>
        <translation>&amp;Open Table...</translation>
    </message>
    <message>
        <source>色見本テーブルを開く</source>
        <translation>Open a swatch table</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>色見本テーブルを上書き保存</source>
        <translation>Save the swatch table</translation>
    </message>
    <message>
        <source>名前をつけて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>色見本テーブルに名前をつけて保存</source>
        <translation>Save the swatch table under a new name</translation>
    </message>
    <message>
        <source>編集終了(&amp;X)</source>
        <translation>Clos&amp;e Editor</translation>
    </message>
    <message>
        <source>ウィンドウを閉じる</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>カット</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>置換(&amp;R)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>一行挿入(&amp;I)</source>
        <translation>&amp;Insert Row</translation>
    </message>
    <message>
        <source>一行挿入</source>
        <translation>Insert a row</translation>
    </message>
    <message>
        <source>ログファイルをテーブルに変換(&amp;C)...</source>
        <translation>&amp;Convert Log File to Table...</translation>
    </message>
    <message>
        <source>使い方(&amp;T)</source>
        <translation>&amp;How to Use</translation>
    </message>
    <message>
        <source>終了(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>置き換え(&amp;R)</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>末尾に追加(&amp;A)</source>
        <translation>&amp;Append</translation>
    </message>
    <message>
        <source>末尾に追加</source>
        <translation>Append at the end</translation>
    </message>
    <message>
        <source>色見本をソート(&amp;S)</source>
        <translation>&amp;Sort Swatches</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ログファイルをテーブルに変換&amp;C...</source>
        <translation>&amp;Convert Log File to Table...</translation>
    </message>
    <message>
        <source>ログファイルをテーブルに変換(C)</source>
        <translation>Convert a log file to a table (C)</translation>
    </message>
    <message>
        <source>カラーピック&amp;P</source>
        <translation>Colour &amp;Picker</translation>
    </message>
    <message>
        <source>カラーピック(P)</source>
        <translation>Colour picker (P)</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Colour setting</translation>
    </message>
    <message>
        <source>色名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>カーソル位置に入れる</source>
        <translation>Put at the cursor position</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>リストの末尾に追加</source>
        <translation>Add at the end of the list</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>項目を上にあげる</source>
        <translation>Move the item up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>項目を下にさげる</source>
        <translation>Move the item down</translation>
    </message>
    <message>
        <source>生成(&amp;G)</source>
        <translation>&amp;Generate</translation>
    </message>
    <message>
        <source>補色(&amp;C)</source>
        <translation>&amp;Complementary</translation>
    </message>
    <message>
        <source>類似色(&amp;A)</source>
        <translation>&amp;Analogous</translation>
    </message>
    <message>
        <source>トライアド(&amp;T)</source>
        <translation>&amp;Triadic</translation>
    </message>
    <message>
        <source>スプリット補色(&amp;S)</source>
        <translation>&amp;Split Complementary</translation>
    </message>
    <message>
        <source>テトラード(&amp;E)</source>
        <translation>T&amp;etradic</translation>
    </message>
    <message>
        <source>黒へのシェード(&amp;D)...</source>
        <translation>Sha&amp;des to Black...</translation>
    </message>
    <message>
        <source>白へのティント(&amp;I)...</source>
        <translation>T&amp;ints to White...</translation>
    </message>
    <message>
        <source>灰色へのトーン(&amp;O)...</source>
        <translation>T&amp;ones to Grey...</translation>
    </message>
    <message>
        <source>選んだ行の間のグラデーション(&amp;G)...</source>
        <translation>&amp;Gradient Between Selected Rows...</translation>
    </message>
    <message>
        <source>グラデーションの両端にする 2 行以上を選んでください</source>
        <translation>Select two or more rows: the first and the last are the gradient&apos;s ends</translation>
    </message>
    <message>
        <source>色の数</source>
        <translation>Number of Colours</translation>
    </message>
    <message>
        <source>作る色の数（2〜1000）:</source>
        <translation>Colours to make (2 to 1000):</translation>
    </message>
    <message>
        <source>色の数は 2 から 1000 までの整数です: %1</source>
        <translation>The number of colours is a whole number from 2 to 1000: %1</translation>
    </message>
    <message>
        <source>画像の代表色(&amp;P)...</source>
        <translation>Colours of an &amp;Image...</translation>
    </message>
    <message>
        <source>取り出す色の数（1〜256）:</source>
        <translation>Colours to take (1 to 256):</translation>
    </message>
    <message>
        <source>色の数は 1 から 256 までの整数です: %1</source>
        <translation>The number of colours is a whole number from 1 to 256: %1</translation>
    </message>
    <message>
        <source>見分けにくい色の組を調べる(&amp;K)...</source>
        <translation>Find &amp;Look-alike Pairs...</translation>
    </message>
    <message>
        <source>見分けにくい色の組はありません（ΔE00 %1 未満）。</source>
        <translation>No pairs look alike (ΔE00 below %1).</translation>
    </message>
    <message>
        <source>見分けにくい色の組（ΔE00 %1 未満）: %2 組</source>
        <translation>Pairs that look alike (ΔE00 below %1): %2</translation>
    </message>
    <message>
        <source>No. %1 %2 – No. %3 %4: ΔE00 %5（%6）</source>
        <translation>No. %1 %2 – No. %3 %4: ΔE00 %5 (%6)</translation>
    </message>
    <message>
        <source>…ほか %1 組</source>
        <translation>… and %1 more</translation>
    </message>
</context>
<context>
    <name>qolvar::app::VideoPage</name>
    <message>
        <source>色差[青み](U)</source>
        <translation>Blue diff (U)</translation>
    </message>
    <message>
        <source>色差[赤み](V)</source>
        <translation>Red diff (V)</translation>
    </message>
    <message>
        <source>色差[青み](Cb)</source>
        <translation>Blue diff (Cb)</translation>
    </message>
    <message>
        <source>色差[赤み](Cr)</source>
        <translation>Red diff (Cr)</translation>
    </message>
    <message>
        <source>色差[青み](Pb)</source>
        <translation>Blue diff (Pb)</translation>
    </message>
    <message>
        <source>色差[赤み](Pr)</source>
        <translation>Red diff (Pr)</translation>
    </message>
    <message>
        <source>間隔[橙→水](I)</source>
        <translation>In-phase (I)</translation>
    </message>
    <message>
        <source>対角[黄→紫](Q)</source>
        <translation>Quadrature (Q)</translation>
    </message>
    <message>
        <source>輝度(Y)</source>
        <translation>Luma (Y)</translation>
    </message>
    <message>
        <source>従来の式</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>狭い範囲（映像）</source>
        <translation>Narrow (video)</translation>
    </message>
    <message>
        <source>全範囲</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>8 ビット</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>10 ビット</source>
        <translation>10 bits</translation>
    </message>
    <message>
        <source>12 ビット</source>
        <translation>12 bits</translation>
    </message>
    <message>
        <source>規格(&amp;S)</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>範囲(&amp;N)</source>
        <translation>Ra&amp;nge</translation>
    </message>
    <message>
        <source>ビット数(&amp;D)</source>
        <translation>Bit &amp;depth</translation>
    </message>
    <message>
        <source>範囲外の値を端に収めました</source>
        <translation>Values clamped to the range</translation>
    </message>
    <message>
        <source>%1 ビットの値は 0 から %2 までです</source>
        <translation>%1-bit values run from 0 to %2</translation>
    </message>
    <message>
        <source>sRGB の範囲外を端に収めました</source>
        <translation>Outside sRGB, clamped</translation>
    </message>
</context>
<context>
    <name>qolvar::platform</name>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Wayland ではプログラムが画面を直接読み取れません</source>
        <translation>Under Wayland a program cannot read the screen directly</translation>
    </message>
    <message>
        <source>この表示環境（%1）には読み取れる画面がありません</source>
        <translation>This display platform (%1) has no screen that can be read</translation>
    </message>
    <message>
        <source>画面（X11）</source>
        <translation>screen (X11)</translation>
    </message>
    <message>
        <source>画面</source>
        <translation>screen</translation>
    </message>
    <message>
        <source>画面の読み取りに失敗しました</source>
        <translation>Reading the screen failed</translation>
    </message>
    <message>
        <source>。デスクトップのポータルも色の取得に応えませんでした</source>
        <translation>. The desktop&apos;s portal did not give a colour either</translation>
    </message>
    <message>
        <source>。セッションバスがないため、デスクトップのポータルに問い合わせられません</source>
        <translation>. There is no session bus, so the desktop&apos;s portal cannot be asked</translation>
    </message>
    <message>
        <source>画面の色を読み取れませんでした。このデスクトップでは画面の色を取得できません。</source>
        <translation>The colour of the screen could not be read. This desktop does not allow picking colours from the screen.</translation>
    </message>
    <message>
        <source>設定ファイル %1 は読めない内容を含んでいます。削除するか移動してください</source>
        <translation>The settings file %1 contains something that cannot be read. Please delete or move it</translation>
    </message>
    <message>
        <source>設定ファイル %1 は読めない内容を含んでいたため %2 に移しました。既定の設定で始めます</source>
        <translation>The settings file %1 contained something that cannot be read and has been moved to %2. Starting with the default settings</translation>
    </message>
    <message>
        <source>キー %1 の作成に失敗しました</source>
        <translation>Creating the key %1 failed</translation>
    </message>
    <message>
        <source>&apos;%1&apos; のデータ型が不正です</source>
        <translation>&apos;%1&apos; has a wrong data type</translation>
    </message>
    <message>
        <source>&apos;%1&apos; の設定に失敗しました</source>
        <translation>Setting &apos;%1&apos; failed</translation>
    </message>
    <message>
        <source>文字列の大きさが メモ の制限を越えました</source>
        <translation>The text is larger than the viewer can hold</translation>
    </message>
    <message>
        <source>設定ファイル %1 は通常のファイルではありません。削除するか移動してください</source>
        <translation>The settings file %1 is not a regular file. Delete it or move it away</translation>
    </message>
    <message>
        <source>設定ファイル %1 は通常のファイルではないため %2 に移しました。既定の設定で始めます</source>
        <translation>The settings file %1 is not a regular file and was moved to %2. Starting with the default settings</translation>
    </message>
    <message>
        <source>%1 はバイト列ではありません</source>
        <translation>%1 does not hold bytes</translation>
    </message>
    <message>
        <source>%1 が大きすぎます（64 MiB まで）</source>
        <translation>%1 is too large (at most 64 MiB)</translation>
    </message>
    <message>
        <source>%1 が読み取り中に変わりました</source>
        <translation>%1 changed while it was being read</translation>
    </message>
</context>
<context>
    <name>qolvar::table</name>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not an integer</translation>
    </message>
    <message>
        <source>No. %1 は範囲外です。1～%2 の番号を指定してください</source>
        <translation>No. %1 is out of range. Please give a number from 1 to %2</translation>
    </message>
    <message>
        <source>ファイル %1 は GIMP パレットではありません</source>
        <translation>The file %1 is not a GIMP palette</translation>
    </message>
    <message>
        <source>ファイル %1 の %2 行は色として読めないため読み飛ばしました（最初は %3 行目）</source>
        <translation>%2 lines of the file %1 could not be read as colours and were skipped (the first is line %3)</translation>
    </message>
    <message>
        <source>RGB&#x3000;昇順</source>
        <translation>RGB ascending</translation>
    </message>
    <message>
        <source>RGB&#x3000;降順</source>
        <translation>RGB descending</translation>
    </message>
    <message>
        <source>色相&#x3000;昇順</source>
        <translation>Hue ascending</translation>
    </message>
    <message>
        <source>色相&#x3000;降順</source>
        <translation>Hue descending</translation>
    </message>
    <message>
        <source>彩度&#x3000;昇順</source>
        <translation>Saturation ascending</translation>
    </message>
    <message>
        <source>彩度&#x3000;降順</source>
        <translation>Saturation descending</translation>
    </message>
    <message>
        <source>明度&#x3000;昇順</source>
        <translation>Brightness ascending</translation>
    </message>
    <message>
        <source>明度&#x3000;降順</source>
        <translation>Brightness descending</translation>
    </message>
    <message>
        <source>ファイル %1 は Photoshop スウォッチとして読めません%2</source>
        <translation>The file %1 cannot be read as Photoshop swatches%2</translation>
    </message>
    <message>
        <source>ファイル %1 は途中で終わっています（%2 色のうち %3 色を読み込みました）</source>
        <translation>The file %1 ends early (%3 of %2 colours were read)</translation>
    </message>
    <message>
        <source>（版 %1）</source>
        <translation> (version %1)</translation>
    </message>
    <message>
        <source>Photoshop スウォッチには 65535 色までしか保存できません（%1 色あります）</source>
        <translation>Photoshop swatches hold at most 65535 colours (there are %1)</translation>
    </message>
    <message>
        <source>ファイル %1 は DIC 色見本帳ファイルではありません</source>
        <translation>The file %1 is not a DIC colour guide file</translation>
    </message>
    <message>
        <source>ファイル %1 は途中で終わっています</source>
        <translation>The file %1 ends early</translation>
    </message>
    <message>
        <source>ファイル %1 は途中で終わっています（%2 色のうち %3 色はコメントを読めませんでした）</source>
        <translation>The file %1 ends early (the comments of %3 of %2 colours could not be read)</translation>
    </message>
    <message>
        <source>Photoshop スウォッチ</source>
        <translation>Photoshop swatches</translation>
    </message>
    <message>
        <source>GIMP パレット</source>
        <translation>A GIMP palette</translation>
    </message>
    <message>
        <source>%1にはコメントを保存できません。コメントのある %2 色はコメントなしで保存されます。保存しますか？</source>
        <translation>%1 cannot hold comments. The %2 colours with a comment will be saved without it. Save?</translation>
    </message>
    <message>
        <source>%1にはコメントを保存できません（コメントのある %2 色はコメントなしで保存しました）</source>
        <translation>%1 cannot hold comments (the %2 colours with a comment were saved without it)</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて開けません</source>
        <translation>The file %1 is too large to open</translation>
    </message>
    <message>
        <source>ファイル %1 は行が多すぎて開けません（%2 行まで）</source>
        <translation>The file %1 has too many lines to open (at most %2)</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>The file %1 cannot be created</translation>
    </message>
    <message>
        <source>色</source>
        <translation> colours</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>%1 への変更を保存しますか？</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>%1 は既に存在します。上書きしますか？</source>
        <translation>%1 already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>■ Ｃｏｌｏｒ Ｔａｂｌｅ</source>
        <translation>■ Color Table</translation>
    </message>
    <message>
        <source>Log files (*.log)|*.log|すべてのファイル(*.*)|*.*</source>
        <translation>Log files (*.log)|*.log|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>ファイル %1 の色名の部分は途中で終わっています（%2 色を名前なしで読み込みました）</source>
        <translation>The colour names in file %1 end early (%2 colours were read without names)</translation>
    </message>
    <message>
        <source>%1 には保存できません（カラーガイド .cgd は読み込み専用の形式です）</source>
        <translation>Cannot save to %1 (.cgd colour guides can only be read)</translation>
    </message>
    <message>
        <source>%1 には保存できません（%2 行を超えるテーブルは読み込めません）</source>
        <translation>Cannot save to %1 (tables of more than %2 lines cannot be read)</translation>
    </message>
    <message>
        <source>%1 には保存できません（%2 MiB を超えるファイルは読み込めません）</source>
        <translation>Cannot save to %1 (files larger than %2 MiB cannot be read)</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではありません</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではないので保存できません</source>
        <translation>%1 is not a regular file and cannot be saved to</translation>
    </message>
    <message>
        <source>ファイル %1 はスウォッチ交換ファイル (.ase) として読めません: %2</source>
        <translation>The file %1 cannot be read as a swatch exchange file (.ase): %2</translation>
    </message>
    <message>
        <source>%1 バイト目からの値がブロックかファイルの終わりを越えています</source>
        <translation>the value at byte %1 runs past the end of its block or of the file</translation>
    </message>
    <message>
        <source>知らない色モデル「%1」です</source>
        <translation>the colour model “%1” is not known</translation>
    </message>
    <message>
        <source>先頭が「ASEF」ではありません</source>
        <translation>it does not begin with “ASEF”</translation>
    </message>
    <message>
        <source>版 %1 は読めません</source>
        <translation>version %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 色を超えています</source>
        <translation>it holds more than %1 colours</translation>
    </message>
    <message>
        <source>スウォッチ交換ファイル</source>
        <translation>A swatch exchange file</translation>
    </message>
    <message>
        <source>Text files (*.tab,*.txt,*.csv)|*.tab;*.txt;*.csv|Adobe Photoshop スウォッチ (*.aco)|*.aco|GIMP パレット (*.gpl)|*.gpl|スウォッチ交換ファイル (*.ase)|*.ase|DIC 色見本帳ファイル (*.cgd)|*.cgd|すべてのファイル(*.*)|*.*</source>
        <translation>Text files (*.tab,*.txt,*.csv)|*.tab;*.txt;*.csv|Adobe Photoshop swatches (*.aco)|*.aco|GIMP palettes (*.gpl)|*.gpl|Swatch exchange files (*.ase)|*.ase|DIC colour guide files (*.cgd)|*.cgd|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Table files (*.tab)|*.tab|Adobe Photoshop スウォッチ (*.aco)|*.aco|GIMP パレット (*.gpl)|*.gpl|スウォッチ交換ファイル (*.ase)|*.ase|すべてのファイル(*.*)|*.*</source>
        <translation>Table files (*.tab)|*.tab|Adobe Photoshop swatches (*.aco)|*.aco|GIMP palettes (*.gpl)|*.gpl|Swatch exchange files (*.ase)|*.ase|All files (*.*)|*.*</translation>
    </message>
</context>
</TS>
